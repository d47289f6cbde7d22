// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataRows.h"
#include "Libration.h"
#include "LunarFeatures.h"
#include "When.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace luna::sky;
using namespace std::chrono;

namespace {

Instant utc(const char* text)
{
    return parseWhen(text, Instant{}, Zone());
}

// The difference of two angles in degrees, folded into [0, 180].
double apart(double a, double b)
{
    return std::abs(std::remainder(a - b, 360.0));
}

} // namespace

class TestLibration : public QObject {
    Q_OBJECT

private slots:
    void meeusWorkedExample();
    void espenakEphemeris_data();
    void espenakEphemeris();
    void aPlaceSeesAnotherFace();
    void theWholeTableIsRead();
    void terminatorOfPublishedDates_data();
    void terminatorOfPublishedDates();
    void terminatorMargins_data();
    void terminatorMargins();
};

// Meeus, Astronomical Algorithms, example 53.a: 1992 April 12 at 0h TD
// (58.184 s after 23:59 UTC the day before): l = -1.23, b = +4.20,
// P = 15.08, l0 = 67.89, b0 = +1.46 degrees. Each within 0.01, the
// rounding of the figures and twice the worst measured (0.004, the axis).
void TestLibration::meeusWorkedExample()
{
    const MoonFace face = moonFace(utc("1992-04-11T23:59:02Z"));
    QVERIFY2(apart(face.librationLongitude, -1.23) <= 0.01, qPrintable(QString::number(face.librationLongitude)));
    QVERIFY2(apart(face.librationLatitude, 4.20) <= 0.01, qPrintable(QString::number(face.librationLatitude)));
    QVERIFY2(apart(face.axisPositionAngle, 15.08) <= 0.01, qPrintable(QString::number(face.axisPositionAngle)));
    QVERIFY2(apart(face.subsolarLongitude, 67.89) <= 0.01, qPrintable(QString::number(face.subsolarLongitude)));
    QVERIFY2(apart(face.subsolarLatitude, 1.46) <= 0.01, qPrintable(QString::number(face.subsolarLatitude)));
    QVERIFY(apart(face.colongitude, 90 - 67.89) <= 0.01);
}

void TestLibration::espenakEphemeris_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QList<double>>("published");
    const QList<QStringList> rows = dataRows("espenak-moon-2002.txt");
    QVERIFY(!rows.isEmpty());
    for (const QStringList& f : rows)
        QTest::newRow(qPrintable(f[0])) << f[0]
                                        << QList<double>{f[1].toDouble(), f[2].toDouble(), f[3].toDouble(),
                                                         f[4].toDouble()};
}

// Day by day, as published to 0.1 degree: with the rounding, the worst
// measured over the year is 0.046 (longitude of libration), 0.057
// (latitude), 0.048 (axis) and 0.042 (colongitude); each within 0.1 but
// the colongitude within 0.09.
void TestLibration::espenakEphemeris()
{
    QFETCH(QString, date);
    QFETCH(QList<double>, published);
    // 0h TD: TT - UTC was 64.184 s in 2002.
    const Instant when = utc(qPrintable(date + "T00:00:00Z")) - seconds(64);
    const MoonFace face = moonFace(when);
    QVERIFY2(apart(face.librationLongitude, published[0]) <= 0.1, qPrintable(QString::number(face.librationLongitude)));
    QVERIFY2(apart(face.librationLatitude, published[1]) <= 0.1, qPrintable(QString::number(face.librationLatitude)));
    QVERIFY2(apart(face.axisPositionAngle, published[2]) <= 0.1, qPrintable(QString::number(face.axisPositionAngle)));
    QVERIFY2(apart(face.colongitude, published[3]) <= 0.09, qPrintable(QString::number(face.colongitude)));
}

// Seen from a place the Moon stands up to a degree away from where the
// Earth's centre sees it, and so does the middle of its face: from the
// north, with the Moon low in the south, more of its north shows.
void TestLibration::aPlaceSeesAnotherFace()
{
    // 2026-12-24 at 21:00 UT, Rome and the Earth's centre.
    const Instant when = utc("2026-12-24T21:00Z");
    const MoonFace centre = moonFace(when);
    const MoonFace rome = moonFace(when, Place{"Europe/Rome", 41.9, 12.5, 0});
    const double shift = std::hypot(rome.librationLongitude - centre.librationLongitude,
                                    rome.librationLatitude - centre.librationLatitude);
    QVERIFY2(shift > 0.2 && shift < 1.05, qPrintable(QString::number(shift)));
    // The Sun is as far as ever: its point does not move.
    QVERIFY(apart(rome.subsolarLongitude, centre.subsolarLongitude) < 1e-9);
}

// Every row of the shipped table arrives, with the gazetteer's figures.
void TestLibration::theWholeTableIsRead()
{
    QFile file(QStringLiteral(LUNA_SOURCE_DATA "/lunar-features.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    qsizetype rows = 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        rows += !line.isEmpty() && !line.startsWith('#');
    QCOMPARE(qsizetype(lunarFeatures().size()), rows);
    QVERIFY(rows >= 300);
    const auto copernicus = std::ranges::find(lunarFeatures(), std::string("Copernicus"), &LunarFeature::name);
    QVERIFY(copernicus != lunarFeatures().end());
    QCOMPARE(copernicus->diameterKm, 96.07);
    QCOMPARE(copernicus->latitude, 9.62);
    QCOMPARE(copernicus->longitude, -20.08);
    QVERIFY(std::ranges::find(lunarFeatures(), std::string("Stöfler"), &LunarFeature::name) != lunarFeatures().end());
}

void TestLibration::terminatorOfPublishedDates_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QStringList>("crossed");
    QTest::addColumn<QStringList>("notCrossed");
    // Meeus 53.a: colongitude 22.11, the Sun rising over Copernicus
    // (-20.08); Mare Crisium (+59) is in full daylight.
    QTest::newRow("Meeus 53.a") << "1992-04-11T23:59:02Z" << QStringList{"Copernicus"}
                                << QStringList{"Mare Crisium", "Plato"};
    // Espenak 2002, 0h TD: colongitude 173.9 and 186.1, the Sun setting at
    // +6.1 and then -6.1: over Hipparchus and Albategnius (radii 2.3 and 2.2
    // degrees), then over Archimedes and Sinus Aestuum, while Ptolemaeus
    // (-1.8, radius 2.5) waits between them and Copernicus is lit.
    QTest::newRow("Espenak 2002-01-06") << "2002-01-05T23:58:56Z" << QStringList{"Hipparchus", "Albategnius"}
                                        << QStringList{"Ptolemaeus", "Copernicus", "Tycho"};
    QTest::newRow("Espenak 2002-01-07") << "2002-01-06T23:58:56Z" << QStringList{"Archimedes", "Sinus Aestuum"}
                                        << QStringList{"Ptolemaeus", "Hipparchus", "Copernicus", "Mare Crisium"};
}

void TestLibration::terminatorOfPublishedDates()
{
    QFETCH(QString, when);
    QFETCH(QStringList, crossed);
    QFETCH(QStringList, notCrossed);
    const std::vector<std::string> names = terminatorFeatures(moonFace(utc(qPrintable(when))));
    QString all;
    for (const std::string& name : names)
        all += QString::fromStdString(name) + u',';
    for (const QString& name : crossed)
        QVERIFY2(std::ranges::count(names, name.toStdString()) == 1, qPrintable(name + QStringLiteral(": ") + all));
    for (const QString& name : notCrossed)
        QVERIFY2(std::ranges::count(names, name.toStdString()) == 0, qPrintable(name + QStringLiteral(": ") + all));
}

void TestLibration::terminatorMargins_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QStringList>("expected");
    // The Sun overhead at longitude 90: the terminator runs along 0 and 180,
    // and a mark half a degree off it. A crater of 2 x 1737.4 x pi / 180 km
    // has a radius of exactly one degree.
    QTest::newRow("on the line") << 10.0 << 0.0 << QStringList{"Probe", "Mark"};
    QTest::newRow("within the rim and a degree") << 0.0 << 1.95 << QStringList{"Mark", "Probe"};
    QTest::newRow("beyond the rim and a degree") << 0.0 << -2.05 << QStringList{"Mark"};
    QTest::newRow("in the day") << 0.0 << 30.0 << QStringList{"Mark"};
    QTest::newRow("evening line, far side") << 0.0 << 180.0 << QStringList{"Mark"};
    QTest::newRow("near the pole, turned to us") << 88.5 << 60.0 << QStringList{"Mark", "Probe"};
    QTest::newRow("near the pole, turned away") << 88.5 << 120.0 << QStringList{"Mark"};
}

void TestLibration::terminatorMargins()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QStringList, expected);
    MoonFace face;
    face.subsolarLongitude = 90;
    const double diameter = 2 * 1737.4 * 3.14159265358979 / 180;
    const std::vector<LunarFeature> table{{"Probe", diameter, latitude, longitude}, {"Mark", diameter, 0, -0.5}};
    QStringList names;
    for (const std::string& name : terminatorFeatures(face, table))
        names << QString::fromStdString(name);
    QCOMPARE(names, expected);
}

QTEST_APPLESS_MAIN(TestLibration)
#include "tst_libration.moc"
