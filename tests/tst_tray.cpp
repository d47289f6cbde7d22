// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Autostart.h"
#include "Language.h"
#include "MoonIcon.h"
#include "Tray.h"

#include <QDateTime>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace luna;
using namespace std::chrono;

namespace {

sky::Instant local(int year, int month, int day, int hour, int minute)
{
    return sky::Instant{seconds(QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::LocalTime).toSecsSinceEpoch())};
}

// The icon as a panel of `colour` shows it.
QImage on(const QImage& icon, const QColor& colour)
{
    QImage panel(icon.size(), QImage::Format_RGB32);
    panel.fill(colour);
    QImage plain = icon;
    plain.setDevicePixelRatio(1);
    QPainter(&panel).drawImage(0, 0, plain);
    return panel;
}

} // namespace

class TestTray : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void iconShowsOnDarkAndLightPanels_data();
    void iconShowsOnDarkAndLightPanels();
    void iconFollowsTheRatio();
    void toolTipNamesThePhaseAndTheNext();
    void noticesComeInOrder();
    void autostartEntryComesAndGoes();

private:
    QTemporaryDir configuration;
};

void TestTray::initTestCase()
{
    QVERIFY(configuration.isValid());
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    qputenv("TZ", "Europe/Rome");
    tzset();
    qputenv("LANGUAGE", "it");
    speakUsersLanguage(*qApp);
}

void TestTray::iconShowsOnDarkAndLightPanels_data()
{
    QTest::addColumn<double>("elongation");
    QTest::addColumn<QColor>("panel");
    // Whether the middle of the disc differs from the panel: the dark part
    // does from black and white alike; on panels of its own tone the ring
    // shows the disc.
    QTest::addColumn<bool>("middleStandsOut");

    QTest::newRow("new moon, black panel") << 0.0 << QColor(Qt::black) << true;
    QTest::newRow("new moon, white panel") << 0.0 << QColor(Qt::white) << true;
    QTest::newRow("crescent, dark grey panel") << 40.0 << QColor(0x30, 0x30, 0x30) << false;
    QTest::newRow("full moon, black panel") << 180.0 << QColor(Qt::black) << true;
    QTest::newRow("full moon, white panel") << 180.0 << QColor(Qt::white) << false;
}

// The whole disc stands out from the panel, its dark part included: a ring
// all round, and a dark part that is neither the panel nor invisible.
void TestTray::iconShowsOnDarkAndLightPanels()
{
    QFETCH(double, elongation);
    QFETCH(QColor, panel);
    QFETCH(bool, middleStandsOut);

    const QImage icon = panelMoon(elongation, Hemisphere::North, 32);
    QCOMPARE(icon.size(), QSize(32, 32));
    const QImage shown = on(icon, panel);
    const auto contrast = [&](int x, int y) {
        return std::abs(qGray(shown.pixel(x, y)) - qGray(panel.rgb()));
    };
    // Left, right, top and bottom of the ring, and the disc's middle.
    for (const QPoint& rim : {QPoint(1, 16), QPoint(30, 16), QPoint(16, 1), QPoint(16, 30)})
        QVERIFY2(contrast(rim.x(), rim.y()) > 40, qPrintable(QString("rim %1,%2").arg(rim.x()).arg(rim.y())));
    if (middleStandsOut)
        QVERIFY2(contrast(16, 16) > 35, qPrintable(QString::number(contrast(16, 16))));
    // The dark part lets the panel through: never an opaque black disc.
    if (elongation == 0)
        QVERIFY(qAlpha(icon.pixel(16, 16)) < 230 && qAlpha(icon.pixel(16, 16)) > 60);
}

void TestTray::iconFollowsTheRatio()
{
    const QImage sharp = panelMoon(90, Hemisphere::North, 22, 2);
    QCOMPARE(sharp.size(), QSize(44, 44));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    // A first quarter, seen from the north, is lit on the right.
    QVERIFY(qGray(sharp.pixel(32, 22)) > qGray(sharp.pixel(12, 22)));
    const QImage south = panelMoon(90, Hemisphere::South, 22, 2);
    QVERIFY(qGray(south.pixel(32, 22)) < qGray(south.pixel(12, 22)));
}

void TestTray::toolTipNamesThePhaseAndTheNext()
{
    // 24 December 2026, 22:00 in Rome: the next phase is the last quarter,
    // 30 December at 19:59:32 CET.
    QCOMPARE(trayToolTip(local(2026, 12, 24, 22, 0)),
             QString::fromUtf8("Gibbosa calante, illuminata al 99% — Ultimo quarto mercoledì 30 dicembre, 20:00"));
}

void TestTray::noticesComeInOrder()
{
    // Before the total lunar eclipse of 2025 September 7, seen from Rome
    // (the Moon rises eclipsed): the new moon and the full moon, and the
    // eclipse's start.
    const auto notices = upcomingNotices(local(2025, 9, 1, 0, 0), sky::Place{"Europe/Rome", 41.9, 12.4833, 0});
    QVERIFY(notices.size() >= 3);
    for (std::size_t i = 1; i < notices.size(); ++i)
        QVERIFY(notices[i].when >= notices[i - 1].when);
    QCOMPARE(notices[0].summary, "Eclissi totale di Luna");
    QCOMPARE(notices[1].summary, "Luna piena");
    QVERIFY(notices[1].when > notices[0].when);
    QCOMPARE(notices[2].summary, "Luna nuova");
    // From New York, where the Moon stays down throughout, not that eclipse
    // (the next, of 2026 March 3, is seen there).
    const auto away = upcomingNotices(local(2025, 9, 1, 0, 0), sky::Place{{}, 40.71, -74.01, 0});
    QVERIFY(std::none_of(away.begin(), away.end(), [&](const Notice& n) {
        return n.summary.contains("clissi") && n.when < local(2025, 10, 1, 0, 0);
    }));
    QVERIFY(std::any_of(away.begin(), away.end(), [&](const Notice& n) {
        return n.summary.contains("clissi") && n.when > local(2026, 3, 2, 0, 0) && n.when < local(2026, 3, 4, 0, 0);
    }));
}

void TestTray::autostartEntryComesAndGoes()
{
    QCOMPARE(autostartPath(), configuration.filePath("autostart/io.github.luna.Luna-tray.desktop"));
    QVERIFY(!startsWithSession());
    QVERIFY(setStartsWithSession(true));
    QFile entry(autostartPath());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    QVERIFY(text.contains("\nExec=luna --tray\n"));
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(setStartsWithSession(false));
    QVERIFY(!QFile::exists(autostartPath()));

    // Through the tray's menu, as the user would.
    Tray tray;
    QVERIFY(!tray.actionAutostart->isChecked());
    tray.actionAutostart->trigger();
    QVERIFY(startsWithSession());
    Tray again;
    QVERIFY(again.actionAutostart->isChecked());
    again.actionAutostart->trigger();
    QVERIFY(!startsWithSession());
    QVERIFY(tray.actionNotices->isChecked());
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
