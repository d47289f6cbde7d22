// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the built program in a real X server with a window manager, through
// real input events (xdotool), and checks what the screen shows.

#include "CaptionLabel.h"
#include "DrawLuna.h"
#include "Form1.h"
#include "FormGeometry.h"
#include "Formats.h"
#include "PainterSurface.h"
#include "PhasePicture.h"
#include "PictureBox.h"
#include "PictureGeometry.h"
#include "ScrollBar.h"
#include "Topocentric.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTimeZone>
#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <QClipboard>
#include <QRegularExpression>

namespace {

const QString windowName = QStringLiteral("^Visualizzazione Zelvo lunari$");
// With an instant shown, the title names it after the original one.
const QString datedWindowName = QStringLiteral("^Visualizzazione Zelvo lunari — ");
using namespace luna;

constexpr QPoint clientOrigin = FormGeometry::clientOrigin;
constexpr QSize clientSize = FormGeometry::client;

// On the screen, where the window opens.
constexpr QRect onScreen(const QRect& control)
{
    return control.translated(clientOrigin);
}

// The picture's frame is symmetric, so the disc is centred on the widget.
constexpr QPoint pictureCentre = onScreen(FormGeometry::PicLuna).topLeft()
    + QPoint(FormGeometry::PicLuna.width() / 2, FormGeometry::PicLuna.height() / 2);
constexpr double approximateRadius = placeDisc(windowPicture.width, windowPicture.height).radius - 1;
// The middle of the bar's right arrow, a square at its right end.
constexpr QPoint rightArrow = onScreen(FormGeometry::HScroll1).topRight()
    + QPoint(-FormGeometry::HScroll1.height() / 2, FormGeometry::HScroll1.height() / 2);

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString xdotool(const QStringList& arguments)
{
    return run(QStringLiteral("xdotool"), arguments);
}

// Another Luna beside the test's own, in `environment`, stopped when it
// goes out of scope.
class OtherLuna {
public:
    OtherLuna(const QProcessEnvironment& environment, const QStringList& arguments)
    {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(LUNA_EXECUTABLE), arguments);
    }
    ~OtherLuna()
    {
        process_.kill();
        process_.waitForFinished();
    }
    OtherLuna(const OtherLuna&) = delete;
    OtherLuna& operator=(const OtherLuna&) = delete;

    bool started() { return process_.waitForStarted(); }

private:
    QProcess process_;
};

// The first window shown whose name matches `name`, or none.
QString visibleWindow(const QString& name)
{
    return xdotool({"search", "--onlyvisible", "--name", name}).section(u'\n', 0, 0);
}

// Where a window stands on the screen, as xdotool reads it.
QRect windowArea(const QString& window)
{
    const QString geometry = xdotool({"getwindowgeometry", "--shell", window});
    const auto field = [&](const char* name) {
        return QRegularExpression(QString("%1=(\\d+)").arg(name)).match(geometry).captured(1).toInt();
    };
    return {field("X"), field("Y"), field("WIDTH"), field("HEIGHT")};
}

void clickAt(QPoint at)
{
    xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click",
             "1"});
}

enum class Tone { White, Black, Other };

Tone toneOf(const QImage& screen, QPoint at)
{
    const QColor c = screen.pixelColor(at);
    if (c.red() > 200 && c.green() > 200 && c.blue() > 200)
        return Tone::White;
    if (c.red() < 55 && c.green() < 55 && c.blue() < 55)
        return Tone::Black;
    return Tone::Other;
}

Tone toneAcross(const QImage& screen, double fraction)
{
    return toneOf(screen, pictureCentre + QPoint(int(fraction * approximateRadius), 0));
}

// How far two images of the same size differ, summed over their pixels.
qint64 difference(const QImage& a, const QImage& b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                + qAbs(qBlue(p) - qBlue(q));
        }
    return sum;
}

// A window like the program's, never shown: where its label and picture
// stand on the screen, and what they show at a given angle.
class Reference {
public:
    QRect label() const { return QRect(clientOrigin + form.Text1->pos(), form.Text1->size()); }

    QRect picture() const
    {
        return form.PicLuna->contentsRect().translated(clientOrigin + form.PicLuna->pos());
    }

    // The angle whose drawing on an empty picture is closest to what the
    // screen shows inside the picture's frame.
    int pictureAngle(const QImage& screen) const
    {
        const QImage shown = screen.copy(picture()).convertToFormat(QImage::Format_RGB32);
        const QSize inner = picture().size();
        int closest = -1;
        qint64 best = std::numeric_limits<qint64>::max();
        for (int angle = 0; angle < 360; ++angle) {
            QImage drawn(inner, QImage::Format_RGB32);
            drawn.fill(pictureBackground());
            PainterSurface surface(drawn);
            const DiscPlacement disc = placeDisc(inner.width(), inner.height());
            drawPhase(surface, disc.x, disc.y, angle, disc.radius);
            if (const qint64 d = difference(shown, drawn); d < best) {
                best = d;
                closest = angle;
            }
        }
        return closest;
    }

    // How far the label on the screen is from the label showing `angle`.
    qint64 labelDifference(const QImage& screen, int angle)
    {
        form.Text1->setText(QString::number(angle));
        return difference(screen.copy(label()).convertToFormat(QImage::Format_RGB32),
                          form.Text1->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

private:
    Form1 form;
};

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void opensInPlaceWithAnEmptyPicture();
    void titleIsTheOriginals();
    void shiftF10OpensTheMenu_data();
    void shiftF10OpensTheMenu();
    void ctrlFShowsTheFace();
    void offersNoResizeMinimiseOrMaximise();
    void carriesLunasClassAndIcon();
    void oneStepRightShowsAThinCrescent();
    void keysReach270WithTheRightHalfLit();
    void pictureFollowsADraggedThumb();
    void heldInputMovesLiveAndStopsOnRelease_data();
    void heldInputMovesLiveAndStopsOnRelease();
    void clickOnThePictureShowsTheCredit();
    void closeBoxEndsTheProgram();
    void opensOnTheMoonOfADate_data();
    void opensOnTheMoonOfADate();
    void readsADateOnTheRememberedPlacesClock();
    void answersOptionsWithoutAWindow_data();
    void answersOptionsWithoutAWindow();
    void menuShowsTheMoonOfNowAndItsFacts();
    void windowsFitAtTwiceTheScale();
    void keysPickDaysAtAnyScale_data();
    void keysPickDaysAtAnyScale();
    void ctrlTChartsTheNight();

private:
    QImage screenshot(const QString& name);
    QImage screenshotWhen(const QString& name, const std::function<bool(const QImage&)>& shows);

    QProcess windowManager;
    QProcess luna;
    QString window;
    QTemporaryDir configuration;
};

void TestEndToEnd::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == "xcb", "needs a real X server (xvfb-run)");
    // The test's day is the program's, Rome's, even when UTC has another.
    qputenv("TZ", "Europe/Rome");
    tzset();
    for (const char* tool : {"openbox", "xdotool", "xprop", "xwininfo", "wmctrl"})
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);
    QDir().mkpath(QStringLiteral(LUNA_SCREENSHOTS));

    windowManager.start(QStringLiteral("openbox"), {});
    QVERIFY(windowManager.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"), 10000);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The program's remembered choices go to a folder of the test's own,
    // and its day is Rome's.
    QVERIFY(configuration.isValid());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configuration.path());
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Rome"));
    luna.setProcessEnvironment(environment);
    luna.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    luna.start(QStringLiteral(LUNA_EXECUTABLE), {});
    QVERIFY(luna.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        !(window = xdotool({"search", "--onlyvisible", "--name", windowName})).isEmpty(), 10000);
    window = window.section(u'\n', 0, 0);
    QTest::qWait(500);
}

void TestEndToEnd::cleanupTestCase()
{
    if (luna.state() != QProcess::NotRunning) {
        luna.kill();
        luna.waitForFinished();
    }
    windowManager.terminate();
    if (!windowManager.waitForFinished(3000))
        windowManager.kill();
}

QImage TestEndToEnd::screenshot(const QString& name)
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRect aroundWindow(clientOrigin - QPoint(20, 40), clientSize + QSize(40, 60));
    screen.copy(aroundWindow).save(QStringLiteral(LUNA_SCREENSHOTS "/") + name + ".png");
    return screen;
}

QImage TestEndToEnd::screenshotWhen(const QString& name,
                                    const std::function<bool(const QImage&)>& shows)
{
    QImage screen;
    for (int attempt = 0; attempt < 40; ++attempt) {
        screen = screenshot(name);
        if (shows(screen))
            break;
        QTest::qWait(100);
    }
    return screen;
}

void TestEndToEnd::opensInPlaceWithAnEmptyPicture()
{
    const QString info = run("xwininfo", {"-id", window});
    QVERIFY2(info.contains(QString("Absolute upper-left X:  %1").arg(clientOrigin.x())), qPrintable(info));
    QVERIFY2(info.contains(QString("Absolute upper-left Y:  %1").arg(clientOrigin.y())), qPrintable(info));
    QVERIFY(info.contains(QString("Width: %1").arg(clientSize.width())));
    QVERIFY(info.contains(QString("Height: %1").arg(clientSize.height())));

    const QImage screen = screenshot(QStringLiteral("1-start"));
    for (double at : {-0.5, 0.0, 0.5}) {
        const QColor shown = screen.pixelColor(pictureCentre + QPoint(int(at * approximateRadius), 0));
        QCOMPARE(shown, QColor(0x8c, 0x8c, 0x8c));
    }

    // The instruction is drawn: its box holds dark text pixels.
    int dark = 0;
    const QRect instruction = onScreen(FormGeometry::Label1);
    for (int x = instruction.left(); x <= instruction.right(); ++x)
        for (int y = instruction.top(); y <= instruction.bottom(); ++y)
            dark += toneOf(screen, QPoint(x, y)) == Tone::Black;
    QVERIFY2(dark > 40, qPrintable(QString::number(dark)));
}

// The title as the window manager reads it is the original's, to the letter.
void TestEndToEnd::titleIsTheOriginals()
{
    for (const char* property : {"WM_NAME", "_NET_WM_NAME"}) {
        const QString line = run("xprop", {"-id", window, property}).trimmed();
        QVERIFY2(line.endsWith(u"= \"Visualizzazione Zelvo lunari\""), qPrintable(line));
    }
    QCOMPARE(xdotool({"getwindowname", window}).trimmed(), QStringLiteral("Visualizzazione Zelvo lunari"));
}

void TestEndToEnd::shiftF10OpensTheMenu_data()
{
    QTest::addColumn<bool>("onTheBar");
    QTest::newRow("focus on the picture") << false;
    QTest::newRow("focus on the bar") << true;
}

// Shift+F10, as real key events, opens the window's menu wherever the focus
// is: its first item then shows the Moon of now, with the date in the title.
void TestEndToEnd::shiftF10OpensTheMenu()
{
    QFETCH(bool, onTheBar);
    OtherLuna second(luna.processEnvironment(), {});
    QVERIFY(second.started());
    // The window of the second program: the one that is not the first's.
    const auto newWindow = [&] {
        const QStringList found = xdotool({"search", "--onlyvisible", "--name", windowName}).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& id : found)
            if (id.trimmed() != window.trimmed())
                return id.trimmed();
        return QString();
    };
    QString main;
    QTRY_VERIFY_WITH_TIMEOUT(!(main = newWindow()).isEmpty(), 10000);
    xdotool({"windowactivate", "--sync", main});
    QTest::qWait(300);
    if (onTheBar) {
        clickAt(onScreen(FormGeometry::HScroll1).center());
        QTest::qWait(300);
    }
    xdotool({"key", "shift+F10"});
    QTest::qWait(500);
    QGuiApplication::primaryScreen()->grabWindow(0).toImage()
        .copy(QRect(clientOrigin - QPoint(20, 40), QSize(560, 420)))
        .save(QStringLiteral(LUNA_SCREENSHOTS "/") + (onTheBar ? "24-shift-f10-bar.png" : "24-shift-f10-picture.png"));
    xdotool({"key", "Down", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(xdotool({"getwindowname", main}).startsWith(u"Visualizzazione Zelvo lunari — "), 5000);
}

// Ctrl+F, as a real key, turns the full moon's white disc into its face:
// grey seas and bright highlands.
void TestEndToEnd::ctrlFShowsTheFace()
{
    OtherLuna second(luna.processEnvironment(), {"--date", "2026-12-24T01:28Z"});
    QVERIFY(second.started());
    QString main;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(main = xdotool({"search", "--onlyvisible", "--name", datedWindowName}).section(u'\n', 0, 0)).isEmpty(),
        10000);
    xdotool({"windowactivate", "--sync", main});
    QTest::qWait(400);
    const QRect inner(pictureCentre - QPoint(40, 40), QSize(80, 80));
    const auto spread = [&](const QImage& screen) {
        int darkest = 255, brightest = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x) {
                darkest = std::min(darkest, qGray(screen.pixel(x, y)));
                brightest = std::max(brightest, qGray(screen.pixel(x, y)));
            }
        return brightest - darkest;
    };
    const QImage drawing = screenshot(QStringLiteral("25-full-drawing"));
    QCOMPARE(spread(drawing), 0);
    xdotool({"key", "ctrl+f"});
    const QImage face = screenshotWhen(QStringLiteral("26-full-face"), [&](const QImage& screen) { return spread(screen) > 60; });
    QVERIFY2(spread(face) > 60, qPrintable(QString::number(spread(face))));
    // And back.
    xdotool({"key", "ctrl+f"});
    const QImage again = screenshotWhen(QStringLiteral("27-drawing-again"), [&](const QImage& screen) { return spread(screen) == 0; });
    QCOMPARE(spread(again), 0);
}

// The desktop matches the window to Luna's desktop file by its class, and
// shows the icon the window carries.
void TestEndToEnd::carriesLunasClassAndIcon()
{
    const QString wmClass = run("xprop", {"-id", window, "WM_CLASS"});
    QVERIFY2(wmClass.endsWith(u"\"luna\", \"io.github.luna.Luna\""), qPrintable(wmClass));
    QFile desktop(QStringLiteral(LUNA_DESKTOP_FILE));
    QVERIFY(desktop.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(desktop.readAll()).contains(u"\nStartupWMClass=io.github.luna.Luna\n"));

    // _NET_WM_ICON: width, height and the pixels, one icon after another.
    const QString icon = run("xprop", {"-id", window, "-notype", "32c", "_NET_WM_ICON"});
    const QStringList numbers = icon.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    QSet<int> sides;
    qsizetype at = 0;
    while (at + 1 < numbers.size()) {
        const int width = numbers[at].trimmed().toInt(), height = numbers[at + 1].trimmed().toInt();
        QVERIFY2(width > 0 && width == height, qPrintable(icon.left(200)));
        sides << width;
        at += 2 + qsizetype(width) * height;
    }
    for (int side : {16, 32, 48, 64})
        QVERIFY2(sides.contains(side), qPrintable(QString::number(side)));
}

void TestEndToEnd::offersNoResizeMinimiseOrMaximise()
{
    const QString hints = run("xprop", {"-id", window, "_MOTIF_WM_HINTS"});
    const QStringList fields = hints.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    QVERIFY2(fields.size() >= 2, qPrintable(hints));
    bool ok = false;
    const uint functions = fields[1].trimmed().toUInt(&ok, 16);
    QVERIFY(ok);
    constexpr uint minimise = 0x08, maximise = 0x10, close = 0x20;
    QVERIFY(!(functions & minimise));
    QVERIFY(!(functions & maximise));
    QVERIFY(functions & close);

    const QString sizes = run("xprop", {"-id", window, "WM_NORMAL_HINTS"});
    const QString fixed = QString("%1 by %2").arg(clientSize.width()).arg(clientSize.height());
    QVERIFY(sizes.contains("minimum size: " + fixed));
    QVERIFY(sizes.contains("maximum size: " + fixed));

    const QString allowed = run("xprop", {"-id", window, "_NET_WM_ALLOWED_ACTIONS"});
    QVERIFY(allowed.contains("_NET_WM_ACTION_CLOSE"));
    QVERIFY(!allowed.contains("_NET_WM_ACTION_RESIZE"));
    QVERIFY(!allowed.contains("_NET_WM_ACTION_MAXIMIZE"));

    xdotool({"windowsize", window, "500", "500"});
    QTest::qWait(300);
    QVERIFY(run("xwininfo", {"-id", window}).contains(QString("Width: %1").arg(clientSize.width())));
}

void TestEndToEnd::oneStepRightShowsAThinCrescent()
{
    clickAt(rightArrow);
    const QImage screen = screenshotWhen(QStringLiteral("2-one-step-right"), [](const QImage& s) {
        return toneAcross(s, 0) == Tone::Black;
    });
    for (double at : {-0.9, -0.5, 0.0, 0.5, 0.9})
        QVERIFY(toneAcross(screen, at) == Tone::Black);

    // A lit sliver, less than a pixel wide, runs inside the rim on the left.
    // The disc is centred half a pixel right of pictureCentre, so pixel p on
    // the left mirrors pixel 2x - p on the right (x that of pictureCentre); outside the disc the
    // two sides show the same background and cancel out.
    int lightLeft = 0;
    int lightRight = 0;
    for (int p = pictureCentre.x() - 92; p < pictureCentre.x() - 76; ++p) {
        lightLeft += screen.pixelColor(p, pictureCentre.y()).lightness();
        lightRight += screen.pixelColor(2 * pictureCentre.x() - p, pictureCentre.y()).lightness();
    }
    QVERIFY2(lightLeft - lightRight > 150, qPrintable(QString("%1 vs %2").arg(lightLeft).arg(lightRight)));
}

void TestEndToEnd::keysReach270WithTheRightHalfLit()
{
    // The click left the focus on the bar. End is 359, nine pages back 269.
    QStringList keys{"key", "--delay", "150", "End"};
    for (int page = 0; page < 9; ++page)
        keys << "Prior";
    keys << "Right";
    xdotool(keys);
    const QImage screen = screenshotWhen(QStringLiteral("3-at-270"), [](const QImage& s) {
        return toneAcross(s, 0.5) == Tone::White && toneAcross(s, 0.9) == Tone::White;
    });
    for (double at : {0.1, 0.5, 0.9})
        QVERIFY(toneAcross(screen, at) == Tone::White);
    for (double at : {-0.9, -0.5, -0.1})
        QVERIFY(toneAcross(screen, at) == Tone::Black);
}

void TestEndToEnd::pictureFollowsADraggedThumb()
{
    xdotool({"key", "Home"});
    screenshotWhen(QStringLiteral("4-home"), [](const QImage& s) {
        return toneAcross(s, 0.5) == Tone::Black && toneAcross(s, -0.5) == Tone::Black;
    });

    // At 0 the thumb sits just right of the left arrow.
    const QRect bar = onScreen(FormGeometry::HScroll1);
    const QPoint thumb = bar.topLeft() + QPoint(bar.height() + 3, bar.height() / 2);
    xdotool({"mousemove", "--sync", QString::number(thumb.x()), QString::number(thumb.y()),
             "mousedown", "1"});
    for (int dx = 2; dx <= 12; dx += 2) {
        xdotool({"mousemove", "--sync", QString::number(thumb.x() + dx),
                 QString::number(thumb.y())});
        QTest::qWait(150);
    }
    const QImage held = screenshotWhen(QStringLiteral("5-thumb-held"), [](const QImage& s) {
        return toneAcross(s, -0.9) == Tone::White;
    });
    xdotool({"mouseup", "1"});
    QVERIFY(toneAcross(held, -0.9) == Tone::White);
}

void TestEndToEnd::heldInputMovesLiveAndStopsOnRelease_data()
{
    QTest::addColumn<QStringList>("press");
    QTest::addColumn<QStringList>("release");

    QTest::newRow("Right key") << QStringList{"keydown", "Right"} << QStringList{"keyup", "Right"};
    QTest::newRow("mouse on the right arrow")
        << QStringList{"mousemove", "--sync", QString::number(rightArrow.x()),
                       QString::number(rightArrow.y()), "mousedown", "1"}
        << QStringList{"mouseup", "1"};
}

void TestEndToEnd::heldInputMovesLiveAndStopsOnRelease()
{
    QFETCH(QStringList, press);
    QFETCH(QStringList, release);

    Reference reference;
    const QRect label = reference.label(), inner = reference.picture();

    // The drag and the arrow left the focus on the bar.
    xdotool({"key", "Home"});
    screenshotWhen(QStringLiteral("9-before-hold"), [](const QImage& s) {
        return toneAcross(s, -0.5) == Tone::Black && toneAcross(s, 0.5) == Tone::Black;
    });

    constexpr int holdMs = 2500;
    QElapsedTimer held;
    xdotool(press);
    held.start();
    QList<QImage> whileHeld;
    for (int sample = 1; sample <= 3; ++sample) {
        QTest::qWait(sample * 500 + 700 - int(held.elapsed()));
        whileHeld << screenshot(QStringLiteral("10-held-%1-%2")
                                    .arg(QString(QTest::currentDataTag()).replace(u' ', u'-'))
                                    .arg(sample));
    }
    QTest::qWait(holdMs - int(held.elapsed()));
    xdotool(release);
    const qint64 heldFor = held.elapsed();

    for (int sample = 1; sample < whileHeld.size(); ++sample) {
        QVERIFY2(whileHeld[sample].copy(label) != whileHeld[sample - 1].copy(label),
                 "the label froze while the key was held");
        QVERIFY2(whileHeld[sample].copy(inner) != whileHeld[sample - 1].copy(inner),
                 "the picture froze while the key was held");
    }

    QTest::qWait(500);
    const QImage stopped = screenshot(QStringLiteral("11-released"));
    // Long enough for a backlog of repeats to have been worked off.
    QTest::qWait(3500);
    const QImage later = screenshot(QStringLiteral("12-released-later"));
    QVERIFY2(later.copy(label) == stopped.copy(label), "the label went on after release");
    QVERIFY2(later.copy(inner) == stopped.copy(inner), "the picture went on after release");

    const int angle = reference.pictureAngle(later);
    qInfo("held for %lld ms: %d steps", heldFor, angle);
    // From 0, one step a drawing, and a drawing takes at least LunaPause.
    const int mostSteps = int(heldFor / LunaPause.count()) + 1;
    QVERIFY2(angle >= 5 && angle <= mostSteps,
             qPrintable(QString("%1 steps in %2 ms").arg(angle).arg(heldFor)));

    // The label shows the same angle.
    const qint64 offBy = reference.labelDifference(later, angle);
    const qint64 offByNext = reference.labelDifference(later, angle + 1);
    QVERIFY2(offBy < offByNext / 4, qPrintable(QString("label %1 vs %2 for angle %3")
                                                   .arg(offBy).arg(offByNext).arg(angle)));
}

void TestEndToEnd::clickOnThePictureShowsTheCredit()
{
    const QImage before = screenshot(QStringLiteral("6-before-credit"));
    clickAt(pictureCentre + QPoint(0, 90));
    QString credit;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(credit = xdotool({"search", "--onlyvisible", "--name", "^Luna$"})).isEmpty(), 5000);
    QTest::qWait(300);
    screenshot(QStringLiteral("7-credit"));

    xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(xdotool({"search", "--onlyvisible", "--name", "^Luna$"}).isEmpty(),
                             5000);
    QCOMPARE(luna.state(), QProcess::Running);
    QTest::qWait(300);
    const QImage after = screenshot(QStringLiteral("8-after-credit"));
    const QRect picture = onScreen(FormGeometry::PicLuna);
    QCOMPARE(after.copy(picture), before.copy(picture));
}

void TestEndToEnd::closeBoxEndsTheProgram()
{
    run("wmctrl", {"-c", "Visualizzazione Zelvo lunari"});
    QVERIFY(luna.waitForFinished(5000));
    QCOMPARE(luna.exitStatus(), QProcess::NormalExit);
    QCOMPARE(luna.exitCode(), 0);
}

void TestEndToEnd::opensOnTheMoonOfADate_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("angle");

    // A first quarter: lit on the right in the north, on the left in the south.
    const QString firstQuarter = QStringLiteral("2000-01-14T14:34:08+01:00");
    QTest::newRow("north") << QStringList{"--date", firstQuarter} << 270;
    QTest::newRow("south") << QStringList{"--date", firstQuarter, "--hemisphere", "south"} << 90;
    QTest::newRow("a new moon, at 0 where the bar starts")
        << QStringList{"--date", "2000-01-06T18:13:27Z"} << 0;
}

void TestEndToEnd::opensOnTheMoonOfADate()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, angle);

    OtherLuna dated(luna.processEnvironment(), arguments);
    QVERIFY(dated.started());
    QTRY_VERIFY_WITH_TIMEOUT(
        !xdotool({"search", "--onlyvisible", "--name", datedWindowName}).isEmpty(), 10000);
    QTest::qWait(500);
    const QImage shown = screenshot(QStringLiteral("13-date-%1").arg(angle));

    Reference reference;
    QCOMPARE(reference.labelDifference(shown, angle), 0);
    QCOMPARE(reference.pictureAngle(shown), angle);
}

// A --date without a zone is read on the clock of the place the window will
// show: New York remembered, in a Rome session, 21:00 reads 21:00.
void TestEndToEnd::readsADateOnTheRememberedPlacesClock()
{
    QTemporaryDir home;
    QVERIFY(QDir().mkpath(home.filePath("luna")));
    QFile settings(home.filePath("luna/luna.conf"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[sky]\nplace=America/New_York\n");
    settings.close();

    QProcessEnvironment environment = luna.processEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    OtherLuna dated(environment, {"--date", "2026-12-24T21:00"});
    QVERIFY(dated.started());
    QString found;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(found = xdotool({"search", "--onlyvisible", "--name", datedWindowName}).section(u'\n', 0, 0)).isEmpty(),
        10000);
    QCOMPARE(xdotool({"getwindowname", found}).trimmed(),
             QStringLiteral("Visualizzazione Zelvo lunari — giovedì 24 dicembre 2026, 21:00"));
}

void TestEndToEnd::answersOptionsWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("start");

    QTest::newRow("help") << QStringList{"--help"} << "C" << 0 << "Uso: luna";
    QTest::newRow("help in English") << QStringList{"--help"} << "en_US.UTF-8" << 0 << "Usage: luna";
    QTest::newRow("version") << QStringList{"--version"} << "C" << 0 << "luna ";
    QTest::newRow("Qt's own options pass")
        << QStringList{"-style", "fusion", "-reverse", "--version"} << "C" << 0 << "luna ";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "C" << 2 << "luna: Argomento sconosciuto";
    QTest::newRow("unknown option, in English")
        << QStringList{"--colour"} << "en_GB.UTF-8" << 2 << "luna: Unknown argument “--colour”";
    QTest::newRow("stray argument") << QStringList{"stasera"} << "C" << 2 << "luna: Argomento sconosciuto «stasera»";
    QTest::newRow("no date") << QStringList{"--date", "ieri"} << "C" << 2 << "luna: --date: «ieri»";
    QTest::newRow("no value") << QStringList{"--date"} << "C" << 2 << "luna: --date: manca il valore";
    QTest::newRow("outside the years") << QStringList{"--date", "1850-01-01"} << "C" << 2 << "luna: --date:";
    QTest::newRow("hemisphere") << QStringList{"--hemisphere", "up"} << "C" << 2 << "luna: --hemisphere:";
}

void TestEndToEnd::answersOptionsWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, status);
    QFETCH(QString, start);

    QProcess process;
    // Without a display: no window could open even if one were tried.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), language);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUNA_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString out = QString::fromUtf8(status == 0 ? process.readAllStandardOutput()
                                                      : process.readAllStandardError());
    QVERIFY2(out.startsWith(start), qPrintable(out));
    if (status != 0)
        QCOMPARE(out.count(u'\n'), 1);
}

// The window's menu, in a program of its own: right click, "La Luna di
// adesso" shows tonight's Moon with its date in the title; the facts window
// ("La Luna", Ctrl+I) tells when the Moon rises in Rome; and a key held on
// the bar moves it live and stops on release.
void TestEndToEnd::menuShowsTheMoonOfNowAndItsFacts()
{
    QProcessEnvironment environment = luna.processEnvironment();
    OtherLuna sky(environment, {"--place", "Rome"});
    QVERIFY(sky.started());
    QString main;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(main = xdotool({"search", "--onlyvisible", "--name", windowName})).isEmpty(), 10000);
    main = main.section(u'\n', 0, 0);
    xdotool({"windowactivate", "--sync", main});
    QTest::qWait(300);

    // The first item of the menu opened on the picture.
    const QPoint onPicture = onScreen(FormGeometry::PicLuna).center();
    xdotool({"mousemove", "--sync", QString::number(onPicture.x()), QString::number(onPicture.y()), "click", "3"});
    QTest::qWait(500);
    const QImage withMenu = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    withMenu.copy(QRect(clientOrigin - QPoint(20, 40), QSize(560, 420)))
        .save(QStringLiteral(LUNA_SCREENSHOTS "/20-menu.png"));
    const sky::Instant before = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    xdotool({"key", "Down", "Return"});
    QString title;
    QTRY_VERIFY_WITH_TIMEOUT(!(title = xdotool({"search", "--onlyvisible", "--name", datedWindowName})).isEmpty(), 5000);
    title = xdotool({"getwindowname", main});
    const QDate today = QDate::currentDate();
    QVERIFY2(title.contains(QString::number(today.year())) && title.contains(QString::number(today.day())),
             qPrintable(title));
    QTest::qWait(500);
    const QImage now = screenshot(QStringLiteral("21-now"));
    Reference reference;
    const int angle = reference.pictureAngle(now);
    const int expected = angleOfElongation(sky::elongation(before), Hemisphere::North);
    QVERIFY2(std::abs(angle - expected) <= 1, qPrintable(QString("%1 against %2").arg(angle).arg(expected)));
    QVERIFY(reference.labelDifference(now, angle) < reference.labelDifference(now, (angle + 1) % 360) / 4 + 1);

    // The facts: their text, copied, says when the Moon rises.
    xdotool({"key", "ctrl+i"});
    QString facts;
    QTRY_VERIFY_WITH_TIMEOUT(!(facts = xdotool({"search", "--onlyvisible", "--name", "^La Luna$"})).isEmpty(), 5000);
    facts = facts.section(u'\n', 0, 0);
    xdotool({"windowactivate", "--sync", facts});
    QTest::qWait(500);
    xdotool({"key", "alt+c"});
    QString copied;
    QTRY_VERIFY_WITH_TIMEOUT((copied = QGuiApplication::clipboard()->text()).contains("Sorge:"), 5000);
    // --place Rome, named in Luna's language.
    QVERIFY2(copied.contains("Luogo:         Roma, Lazio, Italia"), qPrintable(copied));
    const sky::RiseSet day = sky::riseTransitSet(before, sky::Place{"Europe/Rome", 41.9, 12.4833, 0});
    if (day.rise) {
        // To the nearest minute, as every time a person reads, in the long
        // date of Luna's Italian.
        const QDateTime rise = QDateTime::fromSecsSinceEpoch(sky::nearestMinute(*day.rise).time_since_epoch().count(),
                                                             QTimeZone("Europe/Rome"));
        const QString reads = QLocale(QLocale::Italian, QLocale::Italy).toString(rise, "dddd d MMMM yyyy, HH:mm");
        QVERIFY2(QRegularExpression(QStringLiteral("Sorge: +") + QRegularExpression::escape(reads) + QStringLiteral(" CES?T,"))
                     .match(copied)
                     .hasMatch(),
                 qPrintable(reads + " in:\n" + copied));
    }
    QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(windowArea(facts))
        .save(QStringLiteral(LUNA_SCREENSHOTS "/22-facts.png"));

    // A key held on the bar moves it live (the other windows' own life during
    // the pause is tested offscreen, with a timer). The bar moves away from the end it is nearer, which it would reach
    // and stop at (in the day after a new moon it stands at 359).
    const char* away = angleOfElongation(sky::elongation(before), Hemisphere::North) > 180 ? "Left" : "Right";
    xdotool({"windowactivate", "--sync", main});
    const QRect label = reference.label(), inner = reference.picture();
    xdotool({"mousemove", "--sync", QString::number(onScreen(FormGeometry::HScroll1).center().x()),
             QString::number(onScreen(FormGeometry::HScroll1).center().y()), "click", "1"});
    QTest::qWait(300);
    xdotool({"keydown", away});
    QList<QImage> whileHeld;
    for (int sample = 0; sample < 3; ++sample) {
        QTest::qWait(1100);
        whileHeld << QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    }
    xdotool({"keyup", away});
    for (int sample = 1; sample < whileHeld.size(); ++sample)
        QVERIFY2(whileHeld[sample].copy(label) != whileHeld[sample - 1].copy(label), "the label froze");
    QTest::qWait(600);
    const QImage stopped = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QTest::qWait(2500);
    const QImage later = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QVERIFY2(later.copy(label) == stopped.copy(label), "the label went on after release");
    QVERIFY2(later.copy(inner) == stopped.copy(inner), "the picture went on after release");

    // The month window, for the record.
    xdotool({"key", "ctrl+k"});
    QString month;
    QTRY_VERIFY_WITH_TIMEOUT(!(month = xdotool({"search", "--onlyvisible", "--name", "^Calendario lunare$"})).isEmpty(), 5000);
    QTest::qWait(800);
    QGuiApplication::primaryScreen()->grabWindow(0).toImage().save(QStringLiteral(LUNA_SCREENSHOTS "/23-month.png"));
}

// At twice the scale, a common laptop's, on this 1024x768 screen: Ctrl+L,
// "Torino", Return, then Ctrl+I shows Turin; the facts and month windows lie
// wholly on the screen and close with Esc and Ctrl+W.
void TestEndToEnd::windowsFitAtTwiceTheScale()
{
    QProcessEnvironment environment = luna.processEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    OtherLuna scaled(environment, {"--date", "2027-08-02T12:00"});
    QVERIFY(scaled.started());
    QString main;
    QTRY_VERIFY_WITH_TIMEOUT(!(main = xdotool({"search", "--onlyvisible", "--name", datedWindowName})).isEmpty(), 10000);
    main = main.section(u'\n', 0, 0);
    xdotool({"windowactivate", "--sync", main});
    QTest::qWait(300);

    const auto onScreenWhole = [&](const QString& id, const QString& shot) {
        const QString geometry = xdotool({"getwindowgeometry", "--shell", id});
        const auto field = [&](const char* name) {
            return QRegularExpression(QString("%1=(\\d+)").arg(name)).match(geometry).captured(1).toInt();
        };
        const QRect area(field("X"), field("Y"), field("WIDTH"), field("HEIGHT"));
        QGuiApplication::primaryScreen()->grabWindow(0).toImage().save(QStringLiteral(LUNA_SCREENSHOTS "/") + shot + ".png");
        return QRect(0, 0, 1024, 768).contains(area);
    };

    // The date dialog, its buttons on the screen too.
    xdotool({"key", "ctrl+d"});
    QString date;
    QTRY_VERIFY_WITH_TIMEOUT(!(date = visibleWindow("^Scegli data e ora$")).isEmpty(), 5000);
    QTest::qWait(500);
    QVERIFY(onScreenWhole(date, QStringLiteral("29-date-at-2x")));
    xdotool({"key", "Escape"});
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindow("^Scegli data e ora$").isEmpty(), 5000);

    xdotool({"key", "ctrl+l"});
    QString dialog;
    QTRY_VERIFY_WITH_TIMEOUT(!(dialog = visibleWindow("^Luogo$")).isEmpty(), 5000);
    xdotool({"windowactivate", "--sync", dialog});
    xdotool({"key", "ctrl+a"});
    xdotool({"type", "--delay", "60", "Torino"});
    QTest::qWait(1200);
    QVERIFY(onScreenWhole(dialog, QStringLiteral("30-place-at-2x")));
    xdotool({"key", "Escape"}); // the completions' list
    QTest::qWait(200);
    xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindow("^Luogo$").isEmpty(), 5000);

    xdotool({"windowactivate", "--sync", main});
    xdotool({"key", "ctrl+i"});
    QString facts;
    QTRY_VERIFY_WITH_TIMEOUT(!(facts = visibleWindow("^La Luna$")).isEmpty(), 5000);
    xdotool({"windowactivate", "--sync", facts});
    QTest::qWait(600);
    QVERIFY(onScreenWhole(facts, QStringLiteral("31-facts-at-2x")));
    xdotool({"key", "alt+c"});
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->text().contains("Torino, Piemonte, Italia"), 5000);
    xdotool({"key", "Escape"});
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindow("^La Luna$").isEmpty(), 5000);

    xdotool({"windowactivate", "--sync", main});
    xdotool({"key", "ctrl+k"});
    QString month;
    QTRY_VERIFY_WITH_TIMEOUT(!(month = visibleWindow("^Calendario lunare$")).isEmpty(), 5000);
    xdotool({"windowactivate", "--sync", month});
    QTest::qWait(600);
    QVERIFY(onScreenWhole(month, QStringLiteral("32-month-at-2x")));
    xdotool({"key", "ctrl+w"});
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindow("^Calendario lunare$").isEmpty(), 5000);
}

void TestEndToEnd::keysPickDaysAtAnyScale_data()
{
    QTest::addColumn<QString>("scale");
    QTest::newRow("scale 1") << "1";
    QTest::newRow("scale 2") << "2";
}

// Real keys, at once and at twice the scale: Ctrl+D, a day, Return shows
// that day; in the month window Page Down turns the month with the focus on
// the days, the arrows lead into the next month, the selection stays in
// view, and Return shows the day in the main window, brought to the front.
void TestEndToEnd::keysPickDaysAtAnyScale()
{
    QFETCH(QString, scale);
    QProcessEnvironment environment = luna.processEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    OtherLuna scaled(environment, {"--date", "2027-08-02T12:00"});
    QVERIFY(scaled.started());
    QString main;
    QTRY_VERIFY_WITH_TIMEOUT(!(main = visibleWindow(datedWindowName)).isEmpty(), 10000);
    xdotool({"windowactivate", "--sync", main});
    QTest::qWait(300);

    xdotool({"key", "ctrl+d"});
    QString date;
    QTRY_VERIFY_WITH_TIMEOUT(!(date = visibleWindow("^Scegli data e ora$")).isEmpty(), 5000);
    xdotool({"windowactivate", "--sync", date});
    QTest::qWait(300);
    xdotool({"key", "Right", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(xdotool({"getwindowname", main}).trimmed().endsWith(u"— martedì 3 agosto 2027, 12:00"), 5000);

    xdotool({"windowactivate", "--sync", main});
    xdotool({"key", "ctrl+k"});
    QString month;
    QTRY_VERIFY_WITH_TIMEOUT(!(month = visibleWindow("^Calendario lunare$")).isEmpty(), 5000);
    xdotool({"windowactivate", "--sync", month});
    QTest::qWait(300);
    // From the 3rd of August: September's 3rd, four weeks on is October's
    // 1st, and Return shows its evening.
    xdotool({"key", "--delay", "80", "Next", "Down", "Down", "Down", "Down"});
    QTest::qWait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).toImage().save(QStringLiteral(LUNA_SCREENSHOTS "/33-month-keys-at-")
                                                                    + scale + "x.png");
    xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(xdotool({"getwindowname", main}).trimmed().endsWith(u"— venerdì 1 ottobre 2027, 21:00"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(xdotool({"getactivewindow"}).trimmed(), main, 5000);
}

// Ctrl+T in the real window opens "Stanotte" for the night shown at the
// place; its chart shows the day's blue at noon and the night's dark at
// midnight; Page Down goes on a night; Esc closes it.
void TestEndToEnd::ctrlTChartsTheNight()
{
    OtherLuna sky(luna.processEnvironment(), {"--place", "Rome", "--date", "2027-03-20T22:00"});
    QVERIFY(sky.started());
    QString main;
    QTRY_VERIFY_WITH_TIMEOUT(!(main = visibleWindow(datedWindowName)).isEmpty(), 10000);
    xdotool({"windowactivate", "--sync", main});
    QTest::qWait(300);
    xdotool({"key", "ctrl+t"});
    QString night;
    QTRY_VERIFY_WITH_TIMEOUT(!(night = visibleWindow("^Stanotte — sabato 20 marzo 2027$")).isEmpty(), 5000);
    xdotool({"windowactivate", "--sync", night});
    QTest::qWait(600);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(windowArea(night));
    shot.save(QStringLiteral(LUNA_SCREENSHOTS "/30-night.png"));
    // Noon, a tenth of the way across the plot, and midnight, half-way, low
    // in the plot where neither curve runs.
    const QColor noon = shot.pixelColor(shot.width() / 10, shot.height() * 2 / 3);
    const QColor midnight = shot.pixelColor(shot.width() / 2, shot.height() * 3 / 4);
    QVERIFY2(noon.blue() > 180 && noon.red() < 170, qPrintable(noon.name()));
    QVERIFY2(midnight.lightness() < 50, qPrintable(midnight.name()));
    xdotool({"key", "Next"});
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindow("^Stanotte — domenica 21 marzo 2027$").isEmpty(), 5000);
    xdotool({"key", "Escape"});
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindow("^Stanotte").isEmpty(), 5000);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
