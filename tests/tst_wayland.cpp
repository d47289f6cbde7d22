// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Luna on Wayland, in a headless weston started by wayland_session.sh: the
// program says its application id on the wire, and its windows open on the
// wayland platform, driven in-process (a headless compositor has no input
// devices). weston-screenshooter keeps a picture of each step.

#include "FactsWindow.h"
#include "Form1.h"
#include "Identity.h"
#include "Language.h"
#include "MonthWindow.h"
#include "NightWindow.h"
#include "PictureBox.h"
#include "Settings.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>

using namespace luna;
using namespace std::chrono;

namespace {

// The full moon of 24 December 2026, 02:28 in Rome.
const sky::Instant fullMoon = sys_days(2026y / 12 / 24) + hours(1) + minutes(28);

// Takes a picture of the whole output; returns it, kept as `name`.
QImage screenshot(const QString& name)
{
    QDir folder(QStringLiteral(LUNA_SCREENSHOTS));
    folder.mkpath(QStringLiteral("."));
    for (const QString& old : folder.entryList({QStringLiteral("wayland-screenshot-*.png")}))
        folder.remove(old);
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return {};
    const QStringList taken = folder.entryList({QStringLiteral("wayland-screenshot-*.png")});
    if (taken.isEmpty())
        return {};
    folder.remove(name);
    folder.rename(taken.first(), name);
    return QImage(folder.filePath(name));
}

// How many pixels of `image` are white, as the lit disc is.
int whitePixels(const QImage& image)
{
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            white += image.pixel(x, y) == qRgb(255, 255, 255);
    return white;
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void programSaysItsApplicationId();
    void windowsOpenOnWayland();
    void ownWindowsKeepTheirSizeAndAreNotMoved();

private:
    QTemporaryDir configuration;
};

void TestWayland::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    qputenv("TZ", "Europe/Rome");
    qputenv("LANGUAGE", "it");
    speakUsersLanguage(*qApp);
    claimIdentity();
    QVERIFY(compositorPlacesWindows());
}

// What the program asks of the compositor, read from the protocol itself.
void TestWayland::programSaysItsApplicationId()
{
    QProcess luna;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("1"));
    luna.setProcessEnvironment(environment);
    luna.start(QStringLiteral(LUNA_EXECUTABLE), {QStringLiteral("--date"), QStringLiteral("2026-12-24T02:28")});
    QString wire;
    const QRegularExpression title(QStringLiteral("xdg_toplevel@\\d+\\.set_title\\(\"([^\"]*)\"\\)"));
    const auto heard = [&] {
        wire += QString::fromUtf8(luna.readAllStandardError());
        return wire.contains(u"set_app_id") && title.match(wire).hasMatch();
    };
    QTRY_VERIFY_WITH_TIMEOUT(heard(), 20000);
    QVERIFY(wire.contains(u"xdg_toplevel@") && wire.contains(u".set_app_id(\"io.github.luna.Luna\")"));
    QCOMPARE(title.match(wire).captured(1), QStringLiteral("Visualizzazione Zelvo lunari — giovedì 24 dicembre 2026, 02:28"));
    QTest::qWait(1500);
    const QImage shot = screenshot(QStringLiteral("wayland-program.png"));
    QVERIFY(!shot.isNull());
    // The full moon's disc, about 170 pixels across.
    QVERIFY2(whitePixels(shot) > 15000, qPrintable(QString::number(whitePixels(shot))));
    luna.terminate();
    QVERIFY(luna.waitForFinished(10000));
}

void TestWayland::windowsOpenOnWayland()
{
    Form1 form;
    form.showInstant(fullMoon);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.actionFacts->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(form.facts()));
    form.actionMonth->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(form.month()));
    QVERIFY(form.month()->windowHandle()->handle());
    form.actionNight->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(form.night()));
    form.night()->close();

    QTest::qWait(1000);
    const QImage shot = screenshot(QStringLiteral("wayland-windows.png"));
    QVERIFY(!shot.isNull());
    QVERIFY(whitePixels(shot) > 15000);
    form.month()->close();
    form.facts()->close();

    // The face instead of the drawing: the full Moon's middle is grey land,
    // where the drawing is white.
    const QImage drawing = form.PicLuna->image();
    form.actionFace->trigger();
    const QImage face = form.PicLuna->image();
    QCOMPARE(qGray(drawing.pixel(drawing.width() / 2, drawing.height() / 2)), 255);
    QVERIFY(qGray(face.pixel(face.width() / 2, face.height() / 2)) < 250);
    QTest::qWait(500);
    QVERIFY(!screenshot(QStringLiteral("wayland-face.png")).isNull());
    form.actionFace->trigger();
}

// The compositor places the windows: a window comes back at the size it was
// left at, and Luna asks for no place; the place it last had on X is kept.
void TestWayland::ownWindowsKeepTheirSizeAndAreNotMoved()
{
    lunaSettings().clear();
    QWidget onX;
    onX.setGeometry(123, 77, 500, 400);
    settings::factsGeometry.write(onX.saveGeometry());
    QSize left;
    QPoint placed;
    {
        Form1 form;
        form.showInstant(fullMoon);
        form.actionFacts->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form.facts()));
        placed = form.facts()->pos();
        left = form.facts()->size() + QSize(60, 40);
        form.facts()->resize(left);
        QTRY_COMPARE(form.facts()->size(), left);
        form.facts()->close();
    }
    QWidget remembered;
    QVERIFY(remembered.restoreGeometry(settings::factsGeometry.read()));
    QCOMPARE(remembered.size(), left);
    QCOMPARE(remembered.pos(), onX.pos());

    Form1 form;
    form.showInstant(fullMoon);
    form.actionFacts->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(form.facts()));
    QCOMPARE(form.facts()->size(), left);
    QCOMPARE(form.facts()->pos(), placed);
    form.facts()->close();
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
