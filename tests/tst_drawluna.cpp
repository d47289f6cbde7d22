// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawLuna.h"
#include "RecordingSurface.h"

#include <QTest>

#include <chrono>
#include <ctime>
#include <limits>
#include <stdexcept>

using namespace luna;
using Kind = RecordingSurface::Kind;

Q_DECLARE_METATYPE(luna::Colour)

namespace {

constexpr double rightStart = -4.71225;
constexpr double rightEnd = -1.57075;
constexpr double noTerminator = 0;

// The operations one drawing is expected to make, from the colours, the
// half-disc angles and the terminator's aspect (noTerminator for none).
std::vector<RecordingSurface::Operation> expectedLog(double x, double y, double r, Colour disc,
                                                     Colour half, double start, double end,
                                                     double aspect)
{
    using Op = RecordingSurface::Operation;
    std::vector<Op> log{
        {Kind::SetFillStyle, FillStyle::Solid},
        {Kind::SetFillColor, FillStyle::Solid, disc},
        {Kind::ReadFillColor, FillStyle::Solid, disc},
        {Kind::Circle, FillStyle::Solid, disc, 258, x, y, r, 0, 0, 1},
        {Kind::SetFillColor, FillStyle::Solid, half},
        {Kind::ReadFillColor, FillStyle::Solid, half},
        {Kind::Circle, FillStyle::Solid, half, 450, x, y, r, start, end, 1},
    };
    if (aspect != noTerminator) {
        log.push_back({Kind::ReadFillColor, FillStyle::Solid, half});
        log.push_back({Kind::Circle, FillStyle::Solid, half, 258, x, y, r, 0, 0, aspect});
    }
    log.push_back({Kind::SetFillStyle, FillStyle::Transparent});
    log.push_back({Kind::Circle, FillStyle::Transparent, Black, 258, x, y, r, 0, 0, 1});
    return log;
}

void compareLogs(const std::vector<RecordingSurface::Operation>& actual,
                 const std::vector<RecordingSurface::Operation>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const auto& a = actual[i];
        const auto& e = expected[i];
        const QByteArray where = "operation " + QByteArray::number(qulonglong(i));
        QVERIFY2(a.kind == e.kind, where);
        QVERIFY2(a.style == e.style, where);
        QVERIFY2(a.colour == e.colour, where);
        if (a.kind != Kind::Circle)
            continue;
        QVERIFY2(a.flags == e.flags, where);
        QCOMPARE(a.x, e.x);
        QCOMPARE(a.y, e.y);
        QCOMPARE(a.radius, e.radius);
        QCOMPARE(a.start, e.start);
        QCOMPARE(a.end, e.end);
        QCOMPARE(a.aspect, e.aspect);
    }
}

double elapsedSeconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

class TestDrawLuna : public QObject {
    Q_OBJECT

private slots:
    void drawsTheFiguresOfEachQuarter_data();
    void drawsTheFiguresOfEachQuarter();
    void normalisesAngles_data();
    void normalisesAngles();
    void rejectsMeaninglessArguments_data();
    void rejectsMeaninglessArguments();
    void zeroRadiusIsValid();
    void pausesWithoutSpinning();
};

void TestDrawLuna::drawsTheFiguresOfEachQuarter_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<Colour>("disc");
    QTest::addColumn<Colour>("half");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("aspect");

    QTest::newRow("0 new moon") << 0.0 << White << Black << rightStart << rightEnd << 1.0;
    QTest::newRow("45") << 45.0 << White << Black << rightStart << rightEnd << 2.0;
    QTest::newRow("89") << 89.0 << White << Black << rightStart << rightEnd << 90.0;
    QTest::newRow("90 first quarter") << 90.0 << Black << White << rightEnd << rightStart
                                      << noTerminator;
    QTest::newRow("135") << 135.0 << Black << White << rightEnd << rightStart << 2.0;
    QTest::newRow("179") << 179.0 << Black << White << rightEnd << rightStart << 90.0 / 89;
    QTest::newRow("180 full moon") << 180.0 << Black << White << rightStart << rightEnd << 1.0;
    QTest::newRow("269") << 269.0 << Black << White << rightStart << rightEnd << 90.0;
    QTest::newRow("270 last quarter") << 270.0 << White << Black << rightEnd << rightStart
                                      << noTerminator;
    QTest::newRow("359") << 359.0 << White << Black << rightEnd << rightStart << 90.0 / 89;
    QTest::newRow("2.5 rounds to 2") << 2.5 << White << Black << rightStart << rightEnd
                                     << 90.0 / 88;
    QTest::newRow("359.5 rounds to new moon") << 359.5 << White << Black << rightStart
                                              << rightEnd << 1.0;
    QTest::newRow("-10 is 350") << -10.0 << White << Black << rightEnd << rightStart << 90.0 / 80;
    QTest::newRow("370 is 10") << 370.0 << White << Black << rightStart << rightEnd << 90.0 / 80;
}

void TestDrawLuna::drawsTheFiguresOfEachQuarter()
{
    QFETCH(double, angle);
    QFETCH(Colour, disc);
    QFETCH(Colour, half);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, aspect);

    RecordingSurface surface;
    drawPhase(surface, 128.5, 114.5, angle, 84.25);
    compareLogs(surface.log, expectedLog(128.5, 114.5, 84.25, disc, half, start, end, aspect));
    QVERIFY(surface.fillStyle() == FillStyle::Transparent);
    QCOMPARE(surface.fillColor(), half);
}

void TestDrawLuna::normalisesAngles_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("expected");

    QTest::newRow("0.5 to even 0") << 0.5 << 0;
    QTest::newRow("1.5 to even 2") << 1.5 << 2;
    QTest::newRow("2.5 to even 2") << 2.5 << 2;
    QTest::newRow("2.5000001 up") << 2.5000001 << 3;
    QTest::newRow("359.4 down") << 359.4 << 359;
    QTest::newRow("359.5 to 360 is 0") << 359.5 << 0;
    QTest::newRow("360") << 360.0 << 0;
    QTest::newRow("370") << 370.0 << 10;
    QTest::newRow("720") << 720.0 << 0;
    QTest::newRow("-0.5 to 0") << -0.5 << 0;
    QTest::newRow("-1.5 to -2") << -1.5 << 358;
    QTest::newRow("-10") << -10.0 << 350;
    QTest::newRow("-360") << -360.0 << 0;
    QTest::newRow("-370") << -370.0 << 350;
    QTest::newRow("2^32") << 4294967296.0 << 256;
    QTest::newRow("-2^32") << -4294967296.0 << 104;
    QTest::newRow("1e20") << 1e20 << 280;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << 128;
}

void TestDrawLuna::normalisesAngles()
{
    QFETCH(double, angle);
    QFETCH(int, expected);
    QCOMPARE(normalisedAngle(angle), expected);
}

void TestDrawLuna::rejectsMeaninglessArguments_data()
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("named");

    QTest::newRow("NaN angle") << 10.0 << 10.0 << nan << 5.0 << "angle must be a finite number, not nan";
    QTest::newRow("infinite angle") << 10.0 << 10.0 << inf << 5.0 << "angle must be a finite number, not inf";
    QTest::newRow("-infinite angle") << 10.0 << 10.0 << -inf << 5.0 << "angle must be a finite number, not -inf";
    QTest::newRow("NaN x") << nan << 10.0 << 45.0 << 5.0 << "x must be a finite number, not nan";
    QTest::newRow("infinite y") << 10.0 << inf << 45.0 << 5.0 << "y must be a finite number, not inf";
    QTest::newRow("negative radius") << 10.0 << 10.0 << 45.0 << -1.5 << "radius must be a finite number no less than 0, not -1.5";
    QTest::newRow("infinite radius") << 10.0 << 10.0 << 45.0 << inf << "radius must be a finite number no less than 0, not inf";
}

void TestDrawLuna::rejectsMeaninglessArguments()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, angle);
    QFETCH(double, r);
    QFETCH(QString, named);

    RecordingSurface surface;
    const auto started = std::chrono::steady_clock::now();
    try {
        DrawLuna(surface, x, y, angle, r);
        QFAIL("no exception");
    } catch (const std::invalid_argument& error) {
        QCOMPARE(QString::fromUtf8(error.what()), "DrawLuna: " + named);
    }
    QVERIFY2(elapsedSeconds(started) < 0.05, "the error came after the pause");
    QVERIFY(surface.log.empty());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, drawPhase(surface, x, y, angle, r));
    QVERIFY(surface.log.empty());
}

void TestDrawLuna::zeroRadiusIsValid()
{
    RecordingSurface surface;
    drawPhase(surface, 0, 0, 45, 0);
    compareLogs(surface.log, expectedLog(0, 0, 0, White, Black, rightStart, rightEnd, 2.0));
}

void TestDrawLuna::pausesWithoutSpinning()
{
    RecordingSurface surface;
    const std::clock_t processorBefore = std::clock();
    const auto started = std::chrono::steady_clock::now();
    DrawLuna(surface, 50, 50, 45, 30);
    const double elapsed = elapsedSeconds(started);
    const double processor = double(std::clock() - processorBefore) / CLOCKS_PER_SEC;

    QVERIFY2(elapsed >= 0.1, QByteArray::number(elapsed));
    QVERIFY2(processor < 0.03, QByteArray::number(processor));
    compareLogs(surface.log, expectedLog(50, 50, 30, White, Black, rightStart, rightEnd, 2.0));
}

QTEST_APPLESS_MAIN(TestDrawLuna)
#include "tst_drawluna.moc"
