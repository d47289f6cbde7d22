// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Autostart.h"
#include "Language.h"
#include "MoonIcon.h"
#include "Settings.h"
#include "Tray.h"
#include "When.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QMenu>
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

sky::Instant utc(const char* text)
{
    return sky::parseWhen(text, sky::Instant{}, sky::Zone());
}

} // namespace

Q_DECLARE_METATYPE(luna::sky::Instant)

class TestTray : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void iconShowsOnDarkAndLightPanels_data();
    void iconShowsOnDarkAndLightPanels();
    void iconFollowsTheRatio();
    void toolTipNamesThePhaseAndTheNext();
    void noticesComeInOrder();
    void noticeOfTheFirstCrescent();
    void solarEclipseNoticeAtFirstContact();
    void dueNoticeCatchesUpOnce_data();
    void dueNoticeCatchesUpOnce();
    void trayWakesWithOneNotice();
    void aNoticeFromAWrongClockSilencesNothing();
    void menuShowsOrHidesTheWindow();
    void wallClockRingsOnItsOwnClock();
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

    QTest::addColumn<int>("side");
    QTest::newRow("new moon, black panel") << 0.0 << QColor(Qt::black) << true << 32;
    QTest::newRow("new moon, black panel, 16 px") << 0.0 << QColor(Qt::black) << true << 16;
    QTest::newRow("new moon, dark grey panel, 22 px") << 0.0 << QColor(0x30, 0x30, 0x30) << false << 22;
    QTest::newRow("new moon, white panel") << 0.0 << QColor(Qt::white) << true << 32;
    QTest::newRow("crescent, dark grey panel") << 40.0 << QColor(0x30, 0x30, 0x30) << false << 32;
    QTest::newRow("full moon, black panel") << 180.0 << QColor(Qt::black) << true << 32;
    QTest::newRow("full moon, white panel") << 180.0 << QColor(Qt::white) << false << 32;
}

// The whole disc stands out from the panel, its dark part included: a ring
// all round, and a dark part that is neither the panel nor invisible.
void TestTray::iconShowsOnDarkAndLightPanels()
{
    QFETCH(double, elongation);
    QFETCH(QColor, panel);
    QFETCH(bool, middleStandsOut);
    QFETCH(int, side);

    const QImage icon = panelMoon(elongation, Hemisphere::North, side);
    QCOMPARE(icon.size(), QSize(side, side));
    const QImage shown = on(icon, panel);
    const auto contrast = [&](int x, int y) {
        return std::abs(qGray(shown.pixel(x, y)) - qGray(panel.rgb()));
    };
    // Left, right, top and bottom of the ring, and the disc's middle.
    const int middle = side / 2, edge = side - 2;
    for (const QPoint& rim : {QPoint(1, middle), QPoint(edge, middle), QPoint(middle, 1), QPoint(middle, edge)})
        QVERIFY2(contrast(rim.x(), rim.y()) > 40, qPrintable(QString("rim %1,%2").arg(rim.x()).arg(rim.y())));
    if (middleStandsOut)
        QVERIFY2(contrast(middle, middle) > 35, qPrintable(QString::number(contrast(middle, middle))));
    // The dark part lets the panel through: never an opaque black disc.
    if (elongation == 0)
        QVERIFY(qAlpha(icon.pixel(middle, middle)) < 230 && qAlpha(icon.pixel(middle, middle)) > 60);
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
    const sky::Place rome{"Europe/Rome", 41.9, 12.48, 0};
    // 24 December 2026, 22:00 in Rome: the next phase is the last quarter,
    // 30 December at 19:59:32 CET.
    QCOMPARE(trayToolTip(local(2026, 12, 24, 22, 0), rome),
             QString::fromUtf8("Gibbosa calante, illuminata al 99% — Ultimo quarto mercoledì 30 dicembre, 20:00"));
    // In the totality of 2026 March 3 (11:04 to 12:03 UT, NASA), by day in
    // Rome: the eclipse under way, not seen from there.
    const QString eclipse = trayToolTip(sky::parseWhen("2026-03-03T11:32:30Z", {}, sky::Zone()), rome);
    QVERIFY2(eclipse.contains(QString::fromUtf8("\nEclissi totale di Luna in corso: totalità, magnitudine 1,15"))
                 && eclipse.endsWith(QString::fromUtf8("; da qui la Luna è sotto l'orizzonte")),
             qPrintable(eclipse));
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

// The new crescent of 2027 January 7 is first seen from Rome with the naked
// eye on the evening of the 9th: the notice comes once, an hour before the
// best time, and says when and where to look.
void TestTray::noticeOfTheFirstCrescent()
{
    const sky::Place rome{"Europe/Rome", 41.9, 12.4833, 0};
    const auto notices = upcomingNotices(local(2027, 1, 5, 0, 0), rome);
    std::vector<Notice> crescents;
    std::copy_if(notices.begin(), notices.end(), std::back_inserter(crescents),
                 [](const Notice& n) { return n.summary == "La prima falce"; });
    // This lunation's, and the next's a month on.
    QCOMPARE(crescents.size(), std::size_t(2));
    QVERIFY(crescents[1].when > local(2027, 2, 6, 0, 0));
    const Notice& notice = crescents.front();
    QVERIFY(notice.when > local(2027, 1, 9, 16, 0) && notice.when < local(2027, 1, 9, 17, 30));
    QVERIFY2(notice.body.startsWith("Stasera dalle " + QLocale().toString(QDateTime::fromSecsSinceEpoch(
                 (notice.when + hours(1) + seconds(30)).time_since_epoch().count()).toTimeZone(QTimeZone("Europe/Rome")).time(), "HH:mm")),
             qPrintable(notice.body));
    QVERIFY(notice.body.contains("(Yallop A)") || notice.body.contains("(Yallop B)"));
    const auto due = dueNotice(notice.when - minutes(1), notice.when + minutes(1), rome);
    QVERIFY(due && due->summary == notice.summary);
}

void TestTray::solarEclipseNoticeAtFirstContact()
{
    // 2024-04-08 from Kingston, Ontario: total, first contact at 18:09:29 UT
    // by USNO's Solar Eclipse Computer. Sydney, in its night, hears nothing.
    const auto isSolar = [](const Notice& n) { return n.summary == "Eclissi totale di Sole"; };
    const auto kingston = upcomingNotices(utc("2024-04-07T00:00Z"), sky::Place{{}, 44.22568, -76.48151, 74});
    const auto notice = std::find_if(kingston.begin(), kingston.end(), isSolar);
    QVERIFY(notice != kingston.end());
    QVERIFY(abs(notice->when - utc("2024-04-08T18:09:29Z")) <= minutes(1));
    QVERIFY2(notice->body.startsWith("Comincia ora; da qui: totale per 3 min"), qPrintable(notice->body));
    const auto sydney = upcomingNotices(utc("2024-04-07T00:00Z"), sky::Place{{}, -33.87, 151.21, 0});
    QVERIFY(std::none_of(sydney.begin(), sydney.end(), isSolar));
}

void TestTray::dueNoticeCatchesUpOnce_data()
{
    QTest::addColumn<sky::Instant>("lastNotified");
    QTest::addColumn<sky::Instant>("now");
    QTest::addColumn<QString>("due"); // the summary, or empty for none

    // The full moon of 2026 December 24 at 01:28 UT (02:28 in Rome), the
    // new moon of December 9 at 00:52 UT.
    const sky::Instant full = utc("2026-12-24T01:28Z");
    QTest::newRow("just after the full moon") << full - hours(3) << full + minutes(1) << "Luna piena";
    QTest::newRow("a sleep of three months, waking on it") << utc("2026-09-20T00:00Z") << full + hours(8)
                                                           << "Luna piena";
    QTest::newRow("a sleep of three months, nothing fresh") << utc("2026-09-20T00:00Z") << utc("2026-12-20T12:00Z")
                                                            << "";
    QTest::newRow("a day and more late") << full - hours(3) << full + hours(25) << "";
    QTest::newRow("the clock set back") << full + minutes(1) << full - days(7) << "";
    // Given at its instant, a few seconds past the minute.
    const sky::Instant given = full + minutes(1);
    QTest::newRow("given already") << given << full + minutes(10) << "";
    QTest::newRow("asked again at once, the zone changed") << given << given << "";
    QTest::newRow("two due, the latest") << utc("2026-12-08T23:00Z") << utc("2026-12-09T01:00Z") << "Luna nuova";
}

// After a wake, at most the latest notice of the last day goes out, once.
void TestTray::dueNoticeCatchesUpOnce()
{
    QFETCH(sky::Instant, lastNotified);
    QFETCH(sky::Instant, now);
    QFETCH(QString, due);
    const auto found = dueNotice(lastNotified, now, std::nullopt);
    QCOMPARE(found ? found->summary : QString(), due);
    if (found)
        QVERIFY(found->when <= now && now - found->when <= noticeWorth && found->when > lastNotified);
}

namespace {

// A clock that stands where the test puts it.
class StandingClock : public sky::Clock {
public:
    explicit StandingClock(sky::Instant start)
        : at(start)
    {
    }
    sky::Instant now() const override { return at; }
    sky::Instant at;
};

} // namespace

// The tray on a clock that sleeps through two full moons: on waking it
// says the fresh one, once, however often it looks again.
void TestTray::trayWakesWithOneNotice()
{
    StandingClock clock(utc("2026-10-01T12:00Z"));
    Tray tray(clock);
    QList<Notice> sent;
    connect(&tray, &Tray::notified, this, [&](const Notice& notice) { sent << notice; });
    tray.refresh();
    QVERIFY(sent.isEmpty());

    clock.at = utc("2026-12-24T09:00Z");
    tray.refresh();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].summary, "Luna piena");
    QVERIFY(abs(sent[0].when - utc("2026-12-24T01:28Z")) < minutes(1));
    clock.at += minutes(10);
    tray.refresh();
    tray.refresh();
    QCOMPARE(sent.size(), 1);
    // The clock set back a week: nothing again.
    clock.at -= days(7);
    tray.refresh();
    QCOMPARE(sent.size(), 1);
}

// A clock that once ran a year ahead gave its notices then; set right, the
// tray gives the next full moon all the same, and a last notice saved by
// an older Luna in the future silences nothing.
void TestTray::aNoticeFromAWrongClockSilencesNothing()
{
    lunaSettings().setValue("tray/last-notice", qlonglong(utc("2027-12-01T00:00Z").time_since_epoch().count()));
    StandingClock clock(utc("2027-12-01T00:00Z"));
    Tray tray(clock);
    QList<Notice> sent;
    connect(&tray, &Tray::notified, this, [&](const Notice& notice) { sent << notice; });
    clock.at = utc("2026-12-23T12:00Z");
    tray.refresh();
    QVERIFY(sent.isEmpty());
    clock.at = utc("2026-12-24T01:30Z");
    tray.refresh();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].summary, "Luna piena");

    Tray again(clock);
    connect(&again, &Tray::notified, this, [&](const Notice& notice) { sent << notice; });
    clock.at = utc("2027-01-07T21:00Z");
    again.refresh();
    QCOMPARE(sent.size(), 2);
    // The new moon of 2027 January 7 at 20:24 UT.
    QCOMPARE(sent.last().summary, "Luna nuova");
}

// The alarm keeps to a clock that runs a year ahead of the system's: a wake
// a second ahead of it rings in about a second, one in its past at once.
// The menu's first item shows the window, or hides it while it is shown.
void TestTray::menuShowsOrHidesTheWindow()
{
    StandingClock clock(utc("2026-12-08T20:00Z"));
    Tray tray(clock);
    emit tray.menu->aboutToShow();
    QCOMPARE(tray.actionShow->text(), "Mostra Luna");
    tray.actionShow->trigger();
    emit tray.menu->aboutToShow();
    QCOMPARE(tray.actionShow->text(), "Nascondi Luna");
    tray.actionShow->trigger();
    emit tray.menu->aboutToShow();
    QCOMPARE(tray.actionShow->text(), "Mostra Luna");
}

void TestTray::wallClockRingsOnItsOwnClock()
{
    sky::SystemClock ahead;
    ahead.startAt(std::chrono::floor<seconds>(system_clock::now()) + days(365));
    WallClock alarm(ahead);
    int rung = 0;
    connect(&alarm, &WallClock::alarm, this, [&] { ++rung; });
    QElapsedTimer waited;
    waited.start();
    alarm.wakeAt(ahead.now() + seconds(1));
    QTRY_COMPARE_WITH_TIMEOUT(rung, 1, 5000);
    QVERIFY2(waited.elapsed() >= 900, qPrintable(QString::number(waited.elapsed())));
    alarm.wakeAt(ahead.now() - days(30));
    QTRY_COMPARE_WITH_TIMEOUT(rung, 2, 3000);
    QCOMPARE(alarm.now(), ahead.now());
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
