// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RenderMain.h"

#include "Clock.h"
#include "Formats.h"
#include "ProgramClock.h"
#include "Info.h"
#include "Planning.h"
#include "Language.h"
#include "Render.h"
#include "RenderOptions.h"
#include "Topocentric.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <atomic>
#include <optional>
#include <memory>

#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace luna;

namespace {

std::atomic<bool> interrupted = false;

void interrupt(int)
{
    interrupted = true;
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void fail(const QString& what)
{
    print(stderr, QStringLiteral("luna-render: %1\n").arg(sentence(what)));
}

void fail(const char* what)
{
    fail(QString::fromUtf8(what));
}

// A bar that redraws itself in place on the terminal.
void showProgress(int done)
{
    constexpr int frames = 360, width = 40;
    const int filled = done * width / frames;
    std::fprintf(stderr, "\r[%s%s] %3d/%d", QByteArray(filled, '#').constData(),
                 QByteArray(width - filled, ' ').constData(), done, frames);
    if (done == frames)
        std::fputc('\n', stderr);
}

// Qt's word that the session has no runtime folder (as under cron or a
// container) says nothing about the pages drawn off screen: it is dropped,
// so that what luna-render says on standard error is its own.
void quietAboutRuntime(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
}

// The task the arguments ask for, read before any application object
// exists: only the choice of that object hangs on it, so a mistake here is
// left for the real reading to report.
std::optional<RenderOptions::Task> taskOf(int argc, char* argv[], sky::Instant now)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    try {
        return parseRenderArguments(arguments, now).task;
    } catch (const UsageError&) {
        return std::nullopt;
    }
}

// The face of the instant asked for (from the place, turned to its zenith,
// with --as-seen), or the mean face of a bare angle.
FaceView faceOf(const RenderOptions& options, double elongation)
{
    if (!options.when)
        return meanFaceView(elongation);
    return faceViewAt(*options.when, options.asSeen ? options.place : std::nullopt);
}

// Clockwise: half a turn for the south; as seen, the zenith up.
double faceTurn(const RenderOptions& options)
{
    if (options.asSeen)
        return sky::moonView(*options.when, *options.place).parallacticAngle;
    return options.hemisphere == Hemisphere::South ? 180 : 0;
}

} // namespace

int luna::runRender(int argc, char* argv[])
{
    const bool clockStarted = !startProgramClock();
    const auto now = sky::programClock().now();
    // Pages of the lunario set text, which takes a QGuiApplication; it draws
    // off screen, needing no display. The task is told by the same reader
    // that reads the arguments afterwards, whatever spelling they have.
    const auto task = taskOf(argc, argv, now);
    const bool pages = task == RenderOptions::Task::Calendar || task == RenderOptions::Task::NightChart
                       || task == RenderOptions::Task::CrescentMap;
    std::unique_ptr<QCoreApplication> application;
    if (pages) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietAboutRuntime);
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    speakUsersLanguage(*application);
    if (!clockStarted) {
        fail(*startProgramClock());
        return 2;
    }
    RenderOptions options;
    try {
        options = parseRenderArguments(QCoreApplication::arguments().mid(1), now);
    } catch (const UsageError& error) {
        fail(error.what());
        return 2;
    }

    try {
        // The Moon of an instant is drawn at the angle that shows it.
        const double elongation = options.when ? sky::elongation(*options.when)
                                               : elongationOf(options.angle, options.hemisphere);
        if (options.when)
            options.angle = angleOfElongation(elongation, options.hemisphere);
        double turn = 0;
        if (options.asSeen) {
            // Drawn as seen from the north, then turned so that the middle
            // of the bright limb leans chi - q from the zenith.
            options.angle = angleOfElongation(elongation, Hemisphere::North);
            const sky::MoonView view = sky::moonView(*options.when, *options.place);
            turn = asSeenTurn(elongation, view.brightLimbAngle, view.parallacticAngle);
        }

        switch (options.task) {
        case RenderOptions::Task::Help:
            print(stdout, renderUsage());
            return 0;
        case RenderOptions::Task::Version:
            std::printf("luna-render %s\n", LUNA_VERSION);
            return 0;
        case RenderOptions::Task::Text:
            print(stdout, textMoon(options.angle, elongation, turn));
            // The Moon of a date is followed by what comes next.
            if (options.when)
                print(stdout, QCoreApplication::translate("Info", "Prossime fasi:\n")
                                  + nextPhasesText(*options.when, sky::clockOf(options.place)));
            return 0;
        case RenderOptions::Task::Info:
            print(stdout, phaseInfo(options));
            return 0;
        case RenderOptions::Task::Eclipses:
            print(stdout, eclipsesReport(options));
            return 0;
        case RenderOptions::Task::Night:
            print(stdout, nightReport(options));
            return 0;
        case RenderOptions::Task::NightChart:
            writeNightChart(options);
            return 0;
        case RenderOptions::Task::Feature:
            print(stdout, featureReport(options));
            return 0;
        case RenderOptions::Task::Passes:
            print(stdout, passesReport(options));
            return 0;
        case RenderOptions::Task::Crescent:
            print(stdout, crescentReport(options));
            return 0;
        case RenderOptions::Task::CrescentGrid:
            print(stdout, crescentGridReport(options));
            return 0;
        case RenderOptions::Task::CrescentMap:
            writeCrescentMap(options);
            return 0;
        case RenderOptions::Task::Calendar: {
            const auto months = calendarFacts(options.calendar, options.place);
            if (!options.calendarFormat) {
                print(stdout, calendarText(months, options.hemisphere, options.hijri));
                return 0;
            }
            writeCalendar(options.output, *options.calendarFormat, months, options.hemisphere,
                          options.place ? placeText(*options.place, options.placeFromZone) : QString(), options.hijri);
            return 0;
        }
        case RenderOptions::Task::Picture:
            if (options.face) {
                writeFace(options.output, options.format, options.map.isEmpty() ? shippedMoonMap() : QImage(options.map),
                          faceOf(options, elongation), options.size, options.background, faceTurn(options));
                return 0;
            }
            writePhase(options.output, options.format, options.angle, options.size,
                       options.background, turn);
            return 0;
        case RenderOptions::Task::Cycle: {
            std::signal(SIGINT, interrupt);
            std::signal(SIGTERM, interrupt);
            const bool terminal = isatty(STDERR_FILENO);
            writeCycle(options.directory, options.format, options.size, options.background,
                       interrupted, terminal ? showProgress : std::function<void(int)>());
            if (interrupted) {
                if (terminal)
                    std::fputc('\n', stderr);
                fail(QCoreApplication::translate(
                    "luna-render", "interrotto: i file scritti fin qui sono interi, gli altri mancano"));
                return 130;
            }
            return 0;
        }
        }
    } catch (const WriteError& error) {
        fail(error.what());
        return 1;
    } catch (const sky::OutOfRange& error) {
        fail(describe(error));
        return 2;
    } catch (const std::exception& error) {
        // Nothing typed may end the tool by a signal; whatever slipped past
        // the checks above is said, and ends as a failure.
        fail(error.what());
        return 1;
    }
    return 0;
}
