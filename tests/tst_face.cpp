// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoonFace.h"
#include "PictureGeometry.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <vector>

using namespace luna;

Q_DECLARE_METATYPE(luna::FaceView)

namespace {

constexpr double degree = M_PI / 180;

// A map of one grey with a bright spot of `radius` degrees at a longitude
// and latitude.
QImage spotMap(double longitude, double latitude, double radius = 3, int grey = 90)
{
    QImage map(720, 360, QImage::Format_Grayscale8);
    map.fill(grey);
    QPainter painter(&map);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QPointF at((longitude / 360 + 0.5) * map.width(), (0.5 - latitude / 180) * map.height());
    painter.drawEllipse(at, radius * 2, radius * 2);
    return map;
}

// The brightest point of a picture, weighted over the pixels near it.
QPointF brightest(const QImage& image)
{
    int best = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, qGray(image.pixel(x, y)));
    double sx = 0, sy = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) >= best - 8) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
    return {sx / n, sy / n};
}

// Where the orthographic view puts a selenographic point, in the picture,
// computed on its own: rotate the globe by the libration, then the axis.
QPointF projected(double longitude, double latitude, const FaceView& view, QSize size)
{
    const double l = (longitude - view.centreLongitude) * degree, b = latitude * degree;
    const double b0 = view.centreLatitude * degree;
    // On the plane of the sky: x towards selenographic east, y north.
    const double x = std::cos(b) * std::sin(l);
    const double y = std::sin(b) * std::cos(b0) - std::cos(b) * std::cos(l) * std::sin(b0);
    // The Moon's north lies `axisAngle` from up towards the left.
    const double p = view.axisAngle * degree;
    const double right = x * std::cos(p) - y * std::sin(p);
    const double up = x * std::sin(p) + y * std::cos(p);
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    return {disc.x + right * disc.radius, disc.y - up * disc.radius};
}

// Calls `f` with the colour of every pixel well inside the disc.
template<typename F>
void eachDiscPixel(const QImage& face, F f)
{
    const DiscPlacement disc = placeDisc(face.width(), face.height());
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (std::hypot(x + 0.5 - disc.x, y + 0.5 - disc.y) <= disc.radius - 1)
                f(face.pixel(x, y));
}

// The share of the disc's pixels that the day side lights: brighter than
// earthshine alone (18 here), however low the Sun.
double litShare(const QImage& face)
{
    int lit = 0, all = 0;
    eachDiscPixel(face, [&](QRgb c) {
        ++all;
        lit += qGray(c) > 20;
    });
    return double(lit) / all;
}

double meanGrey(const QImage& face, int channel = -1)
{
    double sum = 0;
    int n = 0;
    eachDiscPixel(face, [&](QRgb c) {
        sum += channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qGray(c);
        ++n;
    });
    return sum / n;
}

} // namespace

class TestFace : public QObject {
    Q_OBJECT

private slots:
    void aSpotLandsWhereTheProjectionPutsIt_data();
    void aSpotLandsWhereTheProjectionPutsIt();
    void librationShowsWhatLiesBeyondTheLimb();
    void theLitShareIsTheIlluminatedFraction_data();
    void theLitShareIsTheIlluminatedFraction();
    void theNightSideShowsInEarthshine();
    void theSouthSeesItHalfTurned();
    void totalityIsDarkAndRed();
    void theShippedMapIsTheMoon();
    void straightSpansKeepToTheExactFace_data();
    void straightSpansKeepToTheExactFace();
    void theSameFaceOnAnyNumberOfThreads();
    void theSmallestPictures();
    void theFaceIsExposedAsTheEyeSeesIt();
};

void TestFace::aSpotLandsWhereTheProjectionPutsIt_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<FaceView>("view");

    QTest::newRow("the middle, mean view") << 0.0 << 0.0 << FaceView{};
    QTest::newRow("east and north, mean view") << 40.0 << 25.0 << FaceView{};
    QTest::newRow("strong libration") << 40.0 << 25.0 << FaceView{7.5, -6.5, 0, 0, 0, {}};
    QTest::newRow("tilted axis") << -30.0 << -20.0 << FaceView{0, 0, 25, 0, 0, {}};
    QTest::newRow("both") << 55.0 << -35.0 << FaceView{-6, 5.5, 340, 0, 0, {}};
}

// Lit from the front, a synthetic map's one bright spot lands where the
// orthographic projection puts it.
void TestFace::aSpotLandsWhereTheProjectionPutsIt()
{
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QFETCH(FaceView, view);
    view.sunLongitude = view.centreLongitude;
    view.sunLatitude = view.centreLatitude;
    const QSize size(301, 301);
    const QImage face = drawMoonFace(spotMap(longitude, latitude), size, Qt::black, view);
    const QPointF found = brightest(face);
    const QPointF expected = projected(longitude, latitude, view, size);
    QVERIFY2(QLineF(found, expected).length() < 2.5,
             qPrintable(QString("(%1, %2) against (%3, %4)").arg(found.x()).arg(found.y()).arg(expected.x()).arg(expected.y())));
    // And the point picked there is the spot's: what the pointer names.
    const auto picked = selenographicAt(view, size, expected);
    QVERIFY(picked);
    QVERIFY2(std::abs(picked->first - latitude) < 1e-6 && std::abs(std::remainder(picked->second - longitude, 360)) < 1e-6,
             qPrintable(QString("%1, %2").arg(picked->first).arg(picked->second)));
    QVERIFY(!selenographicAt(view, size, QPointF(1, 1)));
}

// A spot 4 degrees beyond the mean eastern limb shows when the libration
// turns that limb towards us, and not when it turns it away. The map's
// grey is dark enough to stay under the threshold when exposed.
void TestFace::librationShowsWhatLiesBeyondTheLimb()
{
    const QImage map = spotMap(94, 0, 2, 60);
    const QSize size(301, 301);
    const auto brightestGrey = [](const QImage& face) {
        int best = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                best = std::max(best, qGray(face.pixel(x, y)));
        return best;
    };
    // Lit from straight above the limb in both.
    const int shown = brightestGrey(drawMoonFace(map, size, Qt::black, FaceView{7, 0, 0, 90, 0, {}}));
    const int hidden = brightestGrey(drawMoonFace(map, size, Qt::black, FaceView{-7, 0, 0, 90, 0, {}}));
    QVERIFY2(shown > 150, qPrintable(QString::number(shown)));
    QVERIFY2(hidden < 120, qPrintable(QString::number(hidden)));
}

void TestFace::theLitShareIsTheIlluminatedFraction_data()
{
    QTest::addColumn<double>("elongation");
    QTest::newRow("a five-day Moon") << 60.0;
    QTest::newRow("first quarter") << 90.0;
    QTest::newRow("gibbous") << 135.0;
    QTest::newRow("waning crescent") << 320.0;
}

// The disc lit is the illuminated fraction (1 - cos e) / 2: a five-day Moon,
// 60 degrees from the Sun, a quarter lit, not a third.
void TestFace::theLitShareIsTheIlluminatedFraction()
{
    QFETCH(double, elongation);
    QImage map(360, 180, QImage::Format_Grayscale8);
    map.fill(200);
    const QImage face = drawMoonFace(map, QSize(401, 401), Qt::black, meanFaceView(elongation));
    const double expected = (1 - std::cos(elongation * degree)) / 2;
    QVERIFY2(std::abs(litShare(face) - expected) < 0.02, qPrintable(QString::number(litShare(face))));
}

// The night side is drawn, faint: never transparent, under a quarter of the
// day side's brightness.
void TestFace::theNightSideShowsInEarthshine()
{
    QImage map(360, 180, QImage::Format_Grayscale8);
    map.fill(200);
    const QSize size(301, 301);
    const QImage face = drawMoonFace(map, size, Qt::transparent, meanFaceView(60));
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    // Waxing, the lit crescent is on the right; the left is night.
    const QRgb night = face.pixel(int(disc.x - disc.radius / 2), int(disc.y));
    const QRgb day = face.pixel(int(disc.x + disc.radius * 0.9), int(disc.y));
    QCOMPARE(qAlpha(night), 255);
    QVERIFY(qGray(night) > 0);
    QVERIFY2(qGray(night) < qGray(day) / 4, qPrintable(QString("%1 against %2").arg(qGray(night)).arg(qGray(day))));
}

// From the south the same Moon shows half turned.
void TestFace::theSouthSeesItHalfTurned()
{
    const QImage map = spotMap(30, 20);
    const QSize size(300, 300);
    const FaceView view{3, -2, 12, 40, 1, {}};
    const QImage north = drawMoonFace(map, size, Qt::black, view);
    const QImage south = drawMoonFace(map, size, Qt::black, view, 180);
    const QImage turned = north.transformed(QTransform().rotate(180));
    int differ = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            differ += std::abs(qGray(south.pixel(x, y)) - qGray(turned.pixel(x, y))) > 24;
    QVERIFY2(differ < 60, qPrintable(QString::number(differ)));
}

// In the umbra at totality the Moon is dim and red: under a quarter of its
// uneclipsed brightness, red above green.
void TestFace::totalityIsDarkAndRed()
{
    QImage map(360, 180, QImage::Format_Grayscale8);
    map.fill(200);
    const QSize size(201, 201);
    FaceView full = meanFaceView(180);
    const QImage bright = drawMoonFace(map, size, Qt::black, full);
    full.shadow = FaceView::Shadow{0.3, -0.2, 2.6, 4.6};
    const QImage eclipsed = drawMoonFace(map, size, Qt::black, full);
    QVERIFY(meanGrey(eclipsed) < meanGrey(bright) / 4);
    QVERIFY(meanGrey(eclipsed, 0) > 1.5 * meanGrey(eclipsed, 1));
    // Partly in the penumbra, the side towards the shadow is the darker.
    full.shadow = FaceView::Shadow{0, 2.2, 2.6, 4.6};
    const QImage partial = drawMoonFace(map, size, Qt::black, full);
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    QVERIFY(qGray(partial.pixel(int(disc.x), int(disc.y - disc.radius * 0.8)))
            < qGray(partial.pixel(int(disc.x), int(disc.y + disc.radius * 0.8))));
}

// The map Luna ships is the whole Moon in the usual convention: Mare
// Crisium (17 N, 59 E) dark in bright highlands, Tycho (43 S, 11 W) bright.
void TestFace::theShippedMapIsTheMoon()
{
    const QImage map = shippedMoonMap().convertToFormat(QImage::Format_Grayscale8);
    QCOMPARE(map.width(), 2 * map.height());
    const auto at = [&](double longitude, double latitude) {
        return qGray(map.pixel(int((longitude / 360 + 0.5) * map.width()), int((0.5 - latitude / 180) * map.height())));
    };
    QVERIFY(at(59, 17) < at(75, 17) - 30);
    QVERIFY(at(-11.4, -43.3) > at(-11.4, -38) + 20);
}

namespace {

// The largest difference of a channel between two pictures, and the mean
// over the pixels of the disc.
std::pair<int, double> differences(const QImage& a, const QImage& b)
{
    int worst = 0, pixels = 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            worst = std::max(worst, most);
            if (qAlpha(p) > 0 && qGray(p) + qGray(q) > 0) {
                sum += most;
                ++pixels;
            }
        }
    return {worst, pixels ? sum / pixels : 0};
}

} // namespace

void TestFace::straightSpansKeepToTheExactFace_data()
{
    QTest::addColumn<FaceView>("view");
    QTest::addColumn<double>("turn");
    FaceView eclipsed = meanFaceView(180);
    eclipsed.shadow = FaceView::Shadow{0.4, 0.3, 2.6, 4.6};
    QTest::newRow("full") << meanFaceView(180) << 0.0;
    QTest::newRow("crescent, turned") << meanFaceView(40) << 180.0;
    QTest::newRow("librated, tilted") << FaceView{6, -6, 20, 100, 1.5, {}} << 30.0;
    QTest::newRow("eclipsed") << eclipsed << 0.0;
}

// Drawn straight between exact points every few pixels, the face is the
// one found at every pixel: on the shipped map at 512 pixels the worst
// pixel differs by 8 levels of 255 (a crater's rim a quarter of a texel
// away), the mean over the disc by 0.21; each within about twice that.
void TestFace::straightSpansKeepToTheExactFace()
{
    QFETCH(FaceView, view);
    QFETCH(double, turn);
    const QImage map = shippedMoonMap();
    const QSize size(512, 512);
    const QImage straight = drawMoonFace(map, size, Qt::black, view, turn);
    const QImage exact = drawMoonFace(map, size, Qt::black, view, turn, {FaceSpans::Exact, 0});
    const auto [worst, mean] = differences(straight, exact);
    QVERIFY2(worst <= 16, qPrintable(QString::number(worst)));
    QVERIFY2(mean <= 0.45, qPrintable(QString::number(mean)));
}

// One thread or several, the same picture to the bit.
void TestFace::theSameFaceOnAnyNumberOfThreads()
{
    const QImage map = shippedMoonMap();
    FaceView view = meanFaceView(120);
    view.shadow = FaceView::Shadow{1.5, 0.2, 2.6, 4.6};
    const QSize size(257, 193);
    const QImage one = drawMoonFace(map, size, Qt::transparent, view, 0, {FaceSpans::Straight, 1});
    for (const int threads : {2, 3, 7})
        QCOMPARE(drawMoonFace(map, size, Qt::transparent, view, 0, {FaceSpans::Straight, threads}), one);
}

// The smallest pictures: at 2x2 the disc (a third of the side in radius)
// covers a quarter of each pixel; at 1x1 it misses the four samples of its
// only pixel, which stays background; an empty picture is null.
void TestFace::theSmallestPictures()
{
    QImage map(360, 180, QImage::Format_Grayscale8);
    map.fill(200);
    const QImage two = drawMoonFace(map, QSize(2, 2), Qt::transparent, meanFaceView(180));
    QCOMPARE(two.size(), QSize(2, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            QCOMPARE(qAlpha(two.pixel(x, y)), 64);
    const QImage one = drawMoonFace(map, QSize(1, 1), Qt::transparent, meanFaceView(180));
    QCOMPARE(one.size(), QSize(1, 1));
    QCOMPARE(one.pixel(0, 0), qRgba(0, 0, 0, 0));
    QVERIFY(drawMoonFace(map, QSize(0, 0), Qt::black, meanFaceView(180)).isNull());
}

// The face as luna-render --face draws it at 512 pixels, against what the
// eye sees: the full Moon of 2026-12-24 bright (the map's brightest
// hundredth exposed near white gives a mean of about 145 on the disc), the
// two-day crescent of 2027-01-09 with a near-white limb, the night side
// faint, and the total eclipse of 2026-03-03 at its greatest (11:33:37 UT,
// umbral magnitude 1.151, NASA's Five Millennium Canon) red and lighter
// towards the umbra's edge than at its middle.
void TestFace::theFaceIsExposedAsTheEyeSeesIt()
{
    using namespace std::chrono;
    const QImage map = shippedMoonMap();
    const QSize size(512, 512);
    const auto faceAt = [&](sys_seconds when) { return drawMoonFace(map, size, Qt::black, faceViewAt(when)); };
    const auto greys = [](const QImage& face) {
        std::vector<int> all;
        eachDiscPixel(face, [&](QRgb c) { all.push_back(qGray(c)); });
        std::sort(all.begin(), all.end());
        return all;
    };

    const std::vector<int> full = greys(faceAt(sys_days(2026y / 12 / 24) + 19h));
    const double fullMean = std::accumulate(full.begin(), full.end(), 0.0) / double(full.size());
    QVERIFY2(fullMean >= 140, qPrintable(QString::number(fullMean)));
    QVERIFY2(full[full.size() * 99 / 100] >= 230, qPrintable(QString::number(full[full.size() * 99 / 100])));

    const QImage crescent = faceAt(sys_days(2027y / 1 / 9) + 17h);
    const std::vector<int> young = greys(crescent);
    QVERIFY2(young.back() >= 230, qPrintable(QString::number(young.back())));
    const auto lit = std::count_if(young.begin(), young.end(), [](int g) { return g >= 128; });
    QVERIFY2(lit >= 1000, qPrintable(QString::number(lit)));
    // The night side, well away from the crescent, against its lit part.
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    double night = 0;
    for (int dy = -20; dy <= 20; ++dy)
        night += qGray(crescent.pixel(int(disc.x - disc.radius / 3), int(disc.y) + dy));
    night /= 41;
    QVERIFY2(night > 0 && night < young.back() / 4.0, qPrintable(QString::number(night)));

    const sys_seconds greatest = sys_days(2026y / 3 / 3) + 11h + 33min + 37s;
    const QImage eclipse = faceAt(greatest);
    QVERIFY2(meanGrey(eclipse, 0) >= 1.6 * meanGrey(eclipse, 1),
             qPrintable(QString("%1 over %2").arg(meanGrey(eclipse, 0)).arg(meanGrey(eclipse, 1))));
    // Towards the shadow's edge: away from its axis, on the picture.
    const FaceView view = faceViewAt(greatest);
    QVERIFY(view.shadow);
    const double away = std::hypot(view.shadow->east, view.shadow->north);
    // The sky's east is to the left of the picture, north up.
    const double right = view.shadow->east / away, up = -view.shadow->north / away;
    const auto patch = [&](double reach) {
        double sum = 0;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                sum += qGray(eclipse.pixel(int(disc.x + right * reach * disc.radius) + dx,
                                           int(disc.y - up * reach * disc.radius) + dy));
        return sum / 81;
    };
    QVERIFY2(patch(0.85) >= 2 * patch(0), qPrintable(QString("%1 against %2").arg(patch(0.85)).arg(patch(0))));
}

QTEST_MAIN(TestFace)
#include "tst_face.moc"
