// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawLuna.h"
#include "PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace luna;

namespace {

constexpr int size = 200;
constexpr double centre = 100;
constexpr double radius = 60;
const QColor background(128, 128, 128);

QImage blankImage()
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

enum class Tone { White, Black };

bool hasTone(const QImage& image, QPoint at, Tone tone)
{
    const QColor c = image.pixelColor(at);
    if (tone == Tone::White)
        return c.red() > 200 && c.green() > 200 && c.blue() > 200;
    return c.red() < 55 && c.green() < 55 && c.blue() < 55;
}

// One figure filled and outlined in `colour` on a blank image.
QImage solidFigure(std::uint16_t flags, Colour colour, double start, double end, double aspect)
{
    QImage image = blankImage();
    PainterSurface surface(image);
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColor(colour);
    surface.circle(flags, centre, centre, radius, colour, start, end, aspect);
    return image;
}

// A point inside the disc, at `fraction` of the radius right of the centre
// (negative: left).
QPoint across(double fraction)
{
    return QPoint(int(centre + fraction * radius), int(centre));
}

} // namespace

class TestPainterSurface : public QObject {
    Q_OBJECT

private slots:
    void phasesLookAsTheyShould_data();
    void phasesLookAsTheyShould();
    void leavesTheOutsideUntouched();
    void pieFormsCoverOneHalf_data();
    void pieFormsCoverOneHalf();
    void transparentFillKeepsTheInside();
    void filledOutlineLiesInside_data();
    void filledOutlineLiesInside();
    void colourBytesAreRedGreenBlue_data();
    void colourBytesAreRedGreenBlue();
    void aspectSquashesOneAxis_data();
    void aspectSquashesOneAxis();
    void zeroRadiusDrawsNothing();
    void drawsThroughAnActivePainter();
    void imageFiguresMatchThePainter_data();
    void imageFiguresMatchThePainter();
};

void TestPainterSurface::phasesLookAsTheyShould_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<QList<double>>("lit");
    QTest::addColumn<QList<double>>("dark");

    // Positions across the horizontal diameter, as fractions of the radius.
    using L = QList<double>;
    QTest::newRow("0 new moon") << 0.0 << L{} << L{-0.9, -0.5, 0, 0.5, 0.9};
    QTest::newRow("45 crescent left") << 45.0 << L{-0.9, -0.6} << L{-0.3, 0, 0.5, 0.9};
    QTest::newRow("90 left half") << 90.0 << L{-0.9, -0.5, -0.1} << L{0.1, 0.5, 0.9};
    QTest::newRow("135 gibbous") << 135.0 << L{-0.9, -0.5, 0, 0.3} << L{0.6, 0.9};
    QTest::newRow("180 full moon") << 180.0 << L{-0.9, -0.5, 0, 0.5, 0.9} << L{};
    QTest::newRow("225 gibbous") << 225.0 << L{-0.3, 0, 0.5, 0.9} << L{-0.9, -0.6};
    QTest::newRow("270 right half") << 270.0 << L{0.1, 0.5, 0.9} << L{-0.9, -0.5, -0.1};
    QTest::newRow("315 crescent right") << 315.0 << L{0.6, 0.9} << L{-0.9, -0.5, 0, 0.3};
    QTest::newRow("359 almost new") << 359.0 << L{} << L{-0.9, -0.5, 0, 0.5, 0.95};
}

void TestPainterSurface::phasesLookAsTheyShould()
{
    QFETCH(double, angle);
    QFETCH(QList<double>, lit);
    QFETCH(QList<double>, dark);

    QImage image = blankImage();
    PainterSurface surface(image);
    drawPhase(surface, centre, centre, angle, radius);

    for (double at : lit)
        QVERIFY2(hasTone(image, across(at), Tone::White), qPrintable(QString::number(at)));
    for (double at : dark)
        QVERIFY2(hasTone(image, across(at), Tone::Black), qPrintable(QString::number(at)));
    // Above and below the centre the terminator does not reach the rim.
    const bool litAtTop = angle > 90 && angle < 270;
    const Tone top = litAtTop ? Tone::White : Tone::Black;
    if (angle != 90 && angle != 270) {
        QVERIFY(hasTone(image, QPoint(int(centre), int(centre - 0.8 * radius)), top));
        QVERIFY(hasTone(image, QPoint(int(centre), int(centre + 0.8 * radius)), top));
    }
}

void TestPainterSurface::leavesTheOutsideUntouched()
{
    for (double angle : {0.0, 45.0, 180.0, 300.0}) {
        QImage image = blankImage();
        PainterSurface surface(image);
        drawPhase(surface, centre, centre, angle, radius);
        for (int step = 0; step < 16; ++step) {
            const double direction = step * std::numbers::pi / 8;
            // The rim is one pixel wide outside the radius; every pixel whose
            // centre lies 2.5 pixels out is clear of it.
            const double distance = radius + 2.5;
            const QPoint outside(int(std::floor(centre + distance * std::cos(direction))),
                                 int(std::floor(centre + distance * std::sin(direction))));
            QVERIFY2(image.pixelColor(outside) == background,
                     qPrintable(QString("%1 at %2,%3").arg(angle).arg(outside.x()).arg(outside.y())));
        }
        QCOMPARE(image.pixelColor(0, 0), background);
        // The rim shows as a dark ring even on a full moon.
        const QColor rim = image.pixelColor(int(centre + radius), int(centre));
        QVERIFY2(rim.lightness() < 160, qPrintable(rim.name()));
    }
}

void TestPainterSurface::pieFormsCoverOneHalf_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("covered");

    QTest::newRow("right half") << -4.71225 << -1.57075 << 0.5;
    QTest::newRow("left half") << -1.57075 << -4.71225 << -0.5;
}

void TestPainterSurface::pieFormsCoverOneHalf()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, covered);

    const QImage image = solidFigure(CircleFlags::Pie, rgb(0, 0, 255), start, end, 1);

    QCOMPARE(image.pixelColor(across(covered)), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(across(covered * 1.8)), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(across(-covered)), background);
    QCOMPARE(image.pixelColor(across(-covered * 1.8)), background);
    QCOMPARE(image.pixelColor(QPoint(int(centre + covered * radius), int(centre - 0.8 * radius))),
             QColor(0, 0, 255));
}

void TestPainterSurface::transparentFillKeepsTheInside()
{
    QImage image = blankImage();
    PainterSurface surface(image);
    surface.setFillColor(White);
    surface.setFillStyle(FillStyle::Transparent);
    surface.circle(CircleFlags::Closed, centre, centre, radius, rgb(255, 0, 0), 0, 0, 1);
    surface.circle(CircleFlags::Pie, centre, centre, radius, rgb(255, 0, 0), -4.71225, -1.57075, 1);

    QCOMPARE(image.pixelColor(across(0.5)), background);
    QCOMPARE(image.pixelColor(across(-0.5)), background);
    const QColor rim = image.pixelColor(QPoint(int(centre), int(centre - radius) - 1));
    QVERIFY2(rim.red() > rim.blue() + 60, qPrintable(rim.name()));
    QVERIFY(surface.fillStyle() == FillStyle::Transparent);
    QCOMPARE(surface.fillColor(), White);
}

void TestPainterSurface::filledOutlineLiesInside_data()
{
    QTest::addColumn<std::uint16_t>("flags");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");

    QTest::newRow("closed") << CircleFlags::Closed << 0.0 << 0.0;
    QTest::newRow("pie, right half") << CircleFlags::Pie << -4.71225 << -1.57075;
}

void TestPainterSurface::filledOutlineLiesInside()
{
    QFETCH(std::uint16_t, flags);
    QFETCH(double, start);
    QFETCH(double, end);

    QImage image = blankImage();
    PainterSurface surface(image);
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColor(White);
    surface.circle(flags, centre, centre, radius, rgb(255, 0, 0), start, end, 1);

    const int rightEdge = int(centre + radius);
    const QColor band = image.pixelColor(rightEdge - 1, int(centre));
    QVERIFY2(band.red() > 240 && band.green() < 16 && band.blue() < 16, qPrintable(band.name()));
    QCOMPARE(image.pixelColor(rightEdge - 4, int(centre)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(rightEdge + 1, int(centre)), background);
}

void TestPainterSurface::colourBytesAreRedGreenBlue_data()
{
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("red is 0x0000FF") << Colour{0x0000FF} << QColor(255, 0, 0);
    QTest::newRow("green is 0x00FF00") << Colour{0x00FF00} << QColor(0, 255, 0);
    QTest::newRow("blue is 0xFF0000") << Colour{0xFF0000} << QColor(0, 0, 255);
    QTest::newRow("mixed") << rgb(0x12, 0x34, 0x56) << QColor(0x12, 0x34, 0x56);
}

void TestPainterSurface::colourBytesAreRedGreenBlue()
{
    QFETCH(Colour, colour);
    QFETCH(QColor, expected);

    QCOMPARE(solidFigure(CircleFlags::Closed, colour, 0, 0, 1).pixelColor(across(0)), expected);
    QImage image = blankImage();
    PainterSurface surface(image);
    surface.setFillColor(colour);
    QCOMPARE(surface.fillColor(), colour);
}

void TestPainterSurface::aspectSquashesOneAxis_data()
{
    QTest::addColumn<double>("aspect");
    QTest::addColumn<double>("halfWidth");
    QTest::addColumn<double>("halfHeight");

    QTest::newRow("circle") << 1.0 << radius << radius;
    QTest::newRow("tall, aspect 4") << 4.0 << radius / 4 << radius;
    QTest::newRow("wide, aspect 0.5") << 0.5 << radius << radius / 2;
}

void TestPainterSurface::aspectSquashesOneAxis()
{
    QFETCH(double, aspect);
    QFETCH(double, halfWidth);
    QFETCH(double, halfHeight);

    const QImage image = solidFigure(CircleFlags::Closed, White, 0, 0, aspect);

    const auto at = [&](double dx, double dy) {
        return image.pixelColor(int(centre + dx), int(centre + dy));
    };
    QCOMPARE(at(halfWidth - 3, 0), QColor(Qt::white));
    QCOMPARE(at(halfWidth + 3, 0), background);
    QCOMPARE(at(0, halfHeight - 3), QColor(Qt::white));
    QCOMPARE(at(0, halfHeight + 3), background);
}

void TestPainterSurface::zeroRadiusDrawsNothing()
{
    QImage image = blankImage();
    PainterSurface surface(image);
    drawPhase(surface, centre, centre, 45, 0);
    QCOMPARE(image, blankImage());
}

void TestPainterSurface::drawsThroughAnActivePainter()
{
    QImage direct = blankImage();
    PainterSurface onDevice(direct);
    drawPhase(onDevice, centre, centre, 135, radius);

    QImage painted = blankImage();
    {
        QPainter painter(&painted);
        painter.setPen(Qt::green);
        PainterSurface onPainter(painter);
        drawPhase(onPainter, centre, centre, 135, radius);
        QCOMPARE(painter.pen().color(), QColor(Qt::green));
    }
    QCOMPARE(painted, direct);
}

void TestPainterSurface::imageFiguresMatchThePainter_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<std::uint16_t>("flags");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("aspect");
    QTest::addColumn<double>("ratio");

    constexpr int solid = int(FillStyle::Solid), rim = int(FillStyle::Transparent);
    const auto closed = CircleFlags::Closed, pie = CircleFlags::Pie;
    QTest::newRow("disc") << solid << closed << 0.0 << 0.0 << 1.0 << 1.0;
    QTest::newRow("tall ellipse") << solid << closed << 0.0 << 0.0 << 3.0 << 1.0;
    QTest::newRow("wide ellipse") << solid << closed << 0.0 << 0.0 << 0.4 << 1.0;
    QTest::newRow("thin terminator") << solid << closed << 0.0 << 0.0 << 60.0 << 1.0;
    QTest::newRow("right half") << solid << pie << -4.71225 << -1.57075 << 1.0 << 1.0;
    QTest::newRow("left half") << solid << pie << -1.57075 << -4.71225 << 1.0 << 1.0;
    QTest::newRow("quarter") << solid << pie << -0.3 << -1.87 << 1.0 << 1.0;
    QTest::newRow("three quarters") << solid << pie << -2.0 << -0.43 << 1.0 << 1.0;
    QTest::newRow("rim") << rim << closed << 0.0 << 0.0 << 1.0 << 1.0;
    QTest::newRow("disc at 1.5") << solid << closed << 0.0 << 0.0 << 1.0 << 1.5;
    QTest::newRow("half at 2") << solid << pie << -4.71225 << -1.57075 << 1.0 << 2.0;
    QTest::newRow("rim at 1.25") << rim << closed << 0.0 << 0.0 << 1.0 << 1.25;
}

void TestPainterSurface::imageFiguresMatchThePainter()
{
    QFETCH(int, style);
    QFETCH(std::uint16_t, flags);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, aspect);
    QFETCH(double, ratio);

    // A clipped painter is left to draw through QPainter.
    const auto draw = [&](bool throughPainter) {
        QImage image(QSize(size, size) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(background);
        QPainter painter(&image);
        if (throughPainter)
            painter.setClipRect(QRect(0, 0, size, size));
        PainterSurface surface(painter);
        surface.setFillStyle(FillStyle(style));
        surface.setFillColor(White);
        surface.circle(flags, centre + 0.3, centre - 0.2, radius, White, start, end, aspect);
        painter.end();
        return image;
    };
    const QImage fast = draw(false), painted = draw(true);
    QVERIFY(fast != painted);

    // Pixel for pixel the two agree but for the shading of the edges.
    qint64 total = 0;
    int worst = 0;
    for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x) {
            const int d = qAbs(qGray(fast.pixel(x, y)) - qGray(painted.pixel(x, y)));
            total += d;
            worst = qMax(worst, d);
        }
    const double perimeter = 2 * std::numbers::pi * radius * ratio;
    QVERIFY2(worst <= 64, qPrintable(QString::number(worst)));
    QVERIFY2(total < perimeter * 24, qPrintable(QString("%1 over %2").arg(total).arg(perimeter)));
}

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
