// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Libration.h"
#include "When.h"

#include <QFile>
#include <QTest>

#include <cmath>

using namespace luna::sky;
using namespace std::chrono;

namespace {

Instant utc(const char* text)
{
    return parseWhen(text, Instant{});
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
};

// Meeus, Astronomical Algorithms, example 53.a: 1992 April 12 at 0h TD
// (58.184 s after 23:59 UTC the day before): l = -1.23, b = +4.20,
// P = 15.08, l0 = 67.89, b0 = +1.46 degrees.
void TestLibration::meeusWorkedExample()
{
    const MoonFace face = moonFace(utc("1992-04-11T23:59:02Z"));
    QVERIFY2(apart(face.librationLongitude, -1.23) <= 0.05, qPrintable(QString::number(face.librationLongitude)));
    QVERIFY2(apart(face.librationLatitude, 4.20) <= 0.05, qPrintable(QString::number(face.librationLatitude)));
    QVERIFY2(apart(face.axisPositionAngle, 15.08) <= 0.4, qPrintable(QString::number(face.axisPositionAngle)));
    QVERIFY2(apart(face.subsolarLongitude, 67.89) <= 0.1, qPrintable(QString::number(face.subsolarLongitude)));
    QVERIFY2(apart(face.subsolarLatitude, 1.46) <= 0.05, qPrintable(QString::number(face.subsolarLatitude)));
    QVERIFY(apart(face.colongitude, 90 - 67.89) <= 0.1);
}

void TestLibration::espenakEphemeris_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QList<double>>("published");
    QFile file(QStringLiteral(LUNA_TEST_DATA "/espenak-moon-2002.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        QTest::newRow(qPrintable(f[0])) << f[0]
                                        << QList<double>{f[1].toDouble(), f[2].toDouble(), f[3].toDouble(),
                                                         f[4].toDouble()};
    }
}

// Day by day, as published to 0.1 degree: the libration and the colongitude
// within 0.05 and the axis within 0.4, beyond the rounding.
void TestLibration::espenakEphemeris()
{
    QFETCH(QString, date);
    QFETCH(QList<double>, published);
    // 0h TD: TT - UTC was 64.184 s in 2002.
    const Instant when = utc(qPrintable(date + "T00:00:00Z")) - seconds(64);
    const MoonFace face = moonFace(when);
    const double rounding = 0.05;
    QVERIFY2(apart(face.librationLongitude, published[0]) <= 0.05 + rounding,
             qPrintable(QString::number(face.librationLongitude)));
    QVERIFY2(apart(face.librationLatitude, published[1]) <= 0.05 + rounding,
             qPrintable(QString::number(face.librationLatitude)));
    QVERIFY2(apart(face.axisPositionAngle, published[2]) <= 0.4 + rounding,
             qPrintable(QString::number(face.axisPositionAngle)));
    QVERIFY2(apart(face.colongitude, published[3]) <= 0.1 + rounding, qPrintable(QString::number(face.colongitude)));
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

QTEST_APPLESS_MAIN(TestLibration)
#include "tst_libration.moc"
