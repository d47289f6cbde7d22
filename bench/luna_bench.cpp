// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Luna's speed, each figure beside its floor measured in the same run:
//   luna_bench                      runs them all and ends with a table of ratios
//   luna_bench --benchmark_filter=  selects some, as with any Google Benchmark

#include "DrawLuna.h"
#include "PainterSurface.h"
#include "PhasePicture.h"
#include "FormGeometry.h"
#include "MoonFace.h"
#include "PictureGeometry.h"
#include "Render.h"
#include "Eclipses.h"
#include "Sky.h"
#include "Topocentric.h"

#include <benchmark/benchmark.h>
#include <erfa.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "Form1.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

using namespace luna;

namespace {

std::string self; // this program, run again as a child for start-up
std::string renderTool = LUNA_RENDER;

const QSize sizes[] = {{windowPicture.width, windowPicture.height}, {1024, 1024}, {4096, 4096}};

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(pictureBackground());
    return image;
}

// One iteration draws all 360 phases; the counter gives the time of one.
void phase(benchmark::State& state)
{
    const QSize size = sizes[state.range(0)];
    QImage image = canvas(size);
    PainterSurface surface(image);
    for (auto _ : state) {
        const DiscPlacement disc = placeDisc(size.width(), size.height());
        for (int angle = 0; angle < 360; ++angle)
            drawPhase(surface, disc.x, disc.y, angle, disc.radius);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["per_phase"] = benchmark::Counter(360, benchmark::Counter::kIsIterationInvariantRate
                                                              | benchmark::Counter::kInvert);
}

// The memory floor: one plain fill of the same image, 360 times.
void fill(benchmark::State& state)
{
    const QSize size = sizes[state.range(0)];
    QImage image = canvas(size);
    for (auto _ : state) {
        for (int angle = 0; angle < 360; ++angle)
            image.fill(angle & 1 ? Qt::black : Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["per_phase"] = benchmark::Counter(360, benchmark::Counter::kIsIterationInvariantRate
                                                              | benchmark::Counter::kInvert);
}

// The Moon's face at 1024x1024, full, from the map Luna ships.
void face(benchmark::State& state)
{
    const QImage map = shippedMoonMap().convertToFormat(QImage::Format_Grayscale8);
    const FaceView view = meanFaceView(180);
    for (auto _ : state) {
        const QImage image = drawMoonFace(map, QSize(1024, 1024), Qt::black, view);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Its floor: one read of the map for every pixel of the same disc, with no
// geometry.
void faceFloor(benchmark::State& state)
{
    const QImage map = shippedMoonMap().convertToFormat(QImage::Format_Grayscale8);
    const DiscPlacement disc = placeDisc(1024, 1024);
    for (auto _ : state) {
        unsigned sum = 0;
        for (int y = 0; y < 1024; ++y)
            for (int x = 0; x < 1024; ++x)
                if ((x - disc.x) * (x - disc.x) + (y - disc.y) * (y - disc.y) <= disc.radius * disc.radius)
                    sum += map.constScanLine(y % map.height())[x % map.width()];
        benchmark::DoNotOptimize(sum);
    }
}

// One run of luna-render, timed as the iteration's: a failure marks the
// benchmark. Returns what it printed.
QByteArray timedRender(benchmark::State& state, const QStringList& arguments,
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess child;
    child.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    child.start(QString::fromStdString(renderTool), arguments);
    child.waitForFinished(60000);
    state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        state.SkipWithError("luna-render failed");
    return child.readAllStandardOutput();
}

// luna-render --face at 512x512, the whole program.
void renderFace(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir folder;
        timedRender(state, {"--date", "2026-12-24T01:28Z", "--face", "--size", "512x512", "-o",
                            folder.filePath(QStringLiteral("face.png"))});
    }
}

// luna-render --all at 256x256, the whole program.
void renderAll(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir folder;
        timedRender(state, {"--all", folder.path(), "--size", "256x256"});
    }
}

// A year of the lunario as a PDF of twelve pages, and as an iCalendar file:
// the whole program.
void calendarYear(benchmark::State& state, const char* file)
{
    for (auto _ : state) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QString::fromLatin1(file));
        timedRender(state, {"--calendar", "2027", "--place", "Rome", "-o", path});
        state.counters["kB"] = double(QFileInfo(path).size()) / 1024;
    }
}

// Every solar eclipse of 1900-2100 as Rome sees it, the whole luna-render
// run; its floor, the same list without a place.
void solarEclipsesFrom(benchmark::State& state, bool rome)
{
    QStringList arguments{"--eclipses", "--kind", "solar", "--count", "1000", "--date", "1900-01-01"};
    if (rome)
        arguments << "--place" << "Rome";
    // In UTC the time zone gives no place either.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!rome)
        environment.insert("TZ", "UTC");
    for (auto _ : state)
        if (timedRender(state, arguments, environment).count('\n') < 400)
            state.SkipWithError("luna-render listed too few");
}

// The planners, each the whole luna-render run: a night from Rome, the next
// four windows of Copernicus within 60 days, and every pass of the Moon
// behind St Peter's dome seen from the Colosseum over a year, the crescents
// after the next two new moons from Rome, and the world's crescent map of
// an evening at 1440x720. Their floor:
// --info for the same place and day, which looks the place up, starts the
// same program and gathers an instant's facts.
void planner(benchmark::State& state, const char* which)
{
    static const QTemporaryDir folder;
    const std::map<std::string, QStringList> arguments{
        {"crescent", {"--crescent", "--date", "2027-01-01", "--place", "Rome"}},
        {"crescentmap", {"--crescent-map", "--date", "2027-02-07", "-o", folder.filePath("falce.png")}},
        {"night", {"--night", "--date", "2027-03-20", "--place", "Rome"}},
        {"feature", {"--feature", "Copernicus", "--date", "2027-01-01", "--days", "60", "--place", "Rome"}},
        {"landmark",
         {"--landmark", "41.9022,12.4533,136", "--place", "41.8892,12.4922,60", "--date", "2027-01-01", "--count",
          "100", "--days", "366"}},
        {"info", {"--info", "--date", "2027-03-20", "--place", "Rome"}}};
    for (auto _ : state)
        timedRender(state, arguments.at(which));
}

// The floor of a program's run: luna-render printing its version.
void renderVersion(benchmark::State& state)
{
    for (auto _ : state)
        timedRender(state, {"--version"});
}

// Its floor: the same work on one core, shared out over every core.
void renderAllOneCore(benchmark::State& state)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::atomic<bool> never = false;
    for (auto _ : state) {
        QTemporaryDir folder;
        QElapsedTimer clock;
        clock.start();
        writeCycle(folder.path(), PictureFormat::Png, QSize(256, 256), pictureBackground(),
                   never, {}, 1);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9 / cores);
    }
}

const sky::Instant tonight{std::chrono::sys_days(std::chrono::year(2026) / 12 / 8)};

void elongation(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sky::elongation(tonight));
}

void nextPhases(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sky::nextPhases(tonight));
}

// Rome, on its own clock: the days below are Rome's, whatever the machine's
// zone.
const sky::Place rome = [] {
    sky::Place place{"Europe/Rome", 41.9, 12.4833, 0};
    place.zone = "Europe/Rome";
    return place;
}();

// The floor of what is seen from a place: the Moon from Rome, once.
void topocentric(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sky::moonView(tonight, rome));
}

void riseSetDay(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sky::riseTransitSet(tonight, rome));
}

void riseSetYear(benchmark::State& state)
{
    for (auto _ : state)
        for (int day = 0; day < 365; ++day)
            benchmark::DoNotOptimize(sky::riseTransitSet(tonight + std::chrono::days(day), rome));
}

// Sunrise, sunset and the three twilights of every day of a year.
void sunHoursYear(benchmark::State& state)
{
    for (auto _ : state)
        for (int day = 0; day < 365; ++day)
            benchmark::DoNotOptimize(sky::sunHours(tonight + std::chrono::days(day), rome));
}

// Every eclipse of 1900-2100, on one thread.
void allEclipses(benchmark::State& state)
{
    using namespace std::chrono;
    const sky::Instant from{sys_days(year(sky::firstYear) / 1 / 1)};
    const sky::Instant to{sys_days(year(sky::lastYear + 1) / 1 / 1)};
    for (auto _ : state)
        benchmark::DoNotOptimize(sky::eclipsesBetween(from, to, sky::EclipseKinds::All));
}

// The floor of the sky: ERFA's Moon alone, once.
void moon98(benchmark::State& state)
{
    double pv[2][3];
    for (auto _ : state) {
        eraMoon98(2461382.5, 0.0008, pv);
        benchmark::DoNotOptimize(pv);
    }
}

// Start-up to the first painted window, and peak memory, of a child process.
void startup(benchmark::State& state, const char* which)
{
    std::vector<double> memory;
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(QString::fromStdString(self), {"--startup", which});
        child.waitForFinished(30000);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        memory.push_back(QString::fromLatin1(child.readAllStandardOutput()).toDouble());
        if (child.exitCode() != 0)
            state.SkipWithError("the child failed");
    }
    std::sort(memory.begin(), memory.end());
    state.counters["peak_MiB"] = memory.empty() ? 0 : memory[memory.size() / 2] / 1024;
}

// The child: opens a window, and once it has been painted prints its peak
// memory in KiB and ends.
int startupChild(int argc, char* argv[], const std::string& which)
{
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (which == "luna") {
        window = std::make_unique<Form1>();
    } else {
        // The baseline: the same four stock widgets with the same texts.
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("Visualizzazione Zelvo lunari"));
        window->setFixedSize(FormGeometry::client);
        (new QLabel(QStringLiteral("0"), window.get()))->setGeometry(FormGeometry::Text1);
        auto* bar = new QScrollBar(Qt::Horizontal, window.get());
        bar->setGeometry(FormGeometry::HScroll1);
        bar->setRange(0, 359);
        (new QLabel(QStringLiteral("Scorri per visualizzare"), window.get()))
            ->setGeometry(FormGeometry::Label1);
        auto* frame = new QFrame(window.get());
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        frame->setGeometry(FormGeometry::PicLuna);
    }

    class FirstPaint : public QObject {
    public:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return false;
        }
    } firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    application.exec();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}

// Keeps each result, to set figures beside floors at the end.
class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median stands for them all.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty())
                name += "/" + run.run_name.args;
            const auto perPhase = run.counters.find("per_phase");
            seconds[name] = perPhase != run.counters.end()
                ? double(perPhase->second)
                : run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (const auto peak = run.counters.find("peak_MiB"); peak != run.counters.end())
                memory[name] = peak->second;
            if (const auto kB = run.counters.find("kB"); kB != run.counters.end())
                sizes[name] = kB->second;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %12s %12s %9s   %s\n", "figure", "time", "floor", "ratio", "target");
        row("one phase, window size", "phase/0", "fill/0", 1e3, "ms", "< 0.06 ms");
        row("one phase, 1024x1024", "phase/1", "fill/1", 1e3, "ms", "");
        row("one phase, 4096x4096", "phase/2", "fill/2", 1e3, "ms", "< 2x the fill");
        row("luna-render --all, 256x256", "renderAll", "renderAllOneCore", 1,
            "s", "< 0.8 s");
        row("the face, 1024x1024", "face", "faceFloor", 1e3, "ms", "< 3x");
        row("luna-render --face, 512x512", "renderFace", "renderVersion", 1, "s", "< 0.4 s");
        row("elongation at an instant", "elongation", "moon98", 1e6, "us", "microseconds");
        row("next four phases", "nextPhases", "moon98", 1e6, "us", "microseconds");
        row("rise, transit, set: a day", "riseSetDay", "topocentric", 1e6, "us", "< 30x");
        row("rise, transit, set: a year", "riseSetYear", "topocentric", 1e3, "ms", "< 75 ms");
        row("the Sun's hours: a year", "sunHoursYear", "topocentric", 1e3, "ms", "< 100 ms");
        row("every eclipse, 1900-2100", "allEclipses", "elongation", 1e3, "ms", "< 1000 ms");
        row("solar eclipses from Rome, run", "solarEclipses/rome", "solarEclipses/nowhere", 1, "s", "< 2 s");
        row("a night from Rome, run", "planner/night", "planner/info", 1, "s", "< 2x");
        row("a crater's windows, 60 days, run", "planner/feature", "planner/info", 1, "s", "< 0.5 s");
        row("a landmark's passes, a year, run", "planner/landmark", "planner/info", 1, "s", "< 1 s");
        row("the next two crescents, run", "planner/crescent", "planner/info", 1, "s", "< 2x");
        row("the crescent's map, 1440x720, run", "planner/crescentmap", "planner/info", 1, "s", "< 2 s");
        row("a year's lunario, PDF", "calendarYear/pdf", "renderVersion", 1, "s", "< 1.5 s, < 500 kB");
        row("a year's lunario, iCalendar", "calendarYear/ics", "renderVersion", 1, "s", "< 0.5 s");
        if (sizes.count("calendarYear/pdf"))
            std::printf("%-34s %9.1f kB\n", "  the PDF's size", sizes["calendarYear/pdf"]);
        row("start-up to first paint", "startup/luna", "startup/baseline",
            1e3, "ms", "< 1.05x");
        const double luna = memory["startup/luna"];
        const double base = memory["startup/baseline"];
        if (luna > 0 && base > 0)
            std::printf("%-34s %9.1f MiB %8.1f MiB %8.3fx   %s\n", "peak memory at first paint",
                        luna, base, luna / base, "< 1.05x");
    }

private:
    void row(const char* what, const std::string& figure, const std::string& floor, double scale,
             const char* unit, const char* target)
    {
        if (!seconds.count(figure) || !seconds.count(floor))
            return;
        const double a = seconds[figure] * scale, b = seconds[floor] * scale;
        std::printf("%-34s %9.4f %2s %9.4f %2s %8.2fx   %s\n", what, a, unit, b, unit, a / b, target);
    }

    std::map<std::string, double> seconds;
    std::map<std::string, double> memory;
    std::map<std::string, double> sizes;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--startup")
        return startupChild(1, argv, argv[2]);

    self = argv[0];
    // Start-up first: a child forked from a process that has held large
    // pictures would count some of their memory as its own.
    benchmark::RegisterBenchmark("startup/luna", startup, "luna")->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/baseline", startup, "baseline")->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("phase", phase)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("fill", fill)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("renderAll", renderAll)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("renderAllOneCore", renderAllOneCore)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("face", face)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("faceFloor", faceFloor)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("renderFace", renderFace)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("elongation", elongation)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("nextPhases", nextPhases)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("moon98", moon98)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("topocentric", topocentric)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("riseSetDay", riseSetDay)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("riseSetYear", riseSetYear)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("sunHoursYear", sunHoursYear)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("allEclipses", allEclipses)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("solarEclipses/rome", solarEclipsesFrom, true)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("solarEclipses/nowhere", solarEclipsesFrom, false)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("calendarYear/pdf", calendarYear, "lunario.pdf")->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("calendarYear/ics", calendarYear, "luna.ics")->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
    for (const char* which : {"night", "feature", "landmark", "crescent", "crescentmap", "info"})
        benchmark::RegisterBenchmark((std::string("planner/") + which).c_str(), planner, which)
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("renderVersion", renderVersion)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
