// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Gazetteer.h"

#include <QElapsedTimer>
#include <QTest>

#include <array>
#include <cstdlib>
#include <limits>
#include <thread>

using namespace luna;
using places::NameLanguage;

Q_DECLARE_METATYPE(places::NameLanguage)

class TestPlaces : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void citiesByTheirNames_data();
    void citiesByTheirNames();
    void unknownNamesFindNoCity();
    void zonesAndCoordinatesReadAsBefore();
    void aCityIsFoundInMilliseconds();
    void lookUpsRunAtOnceOnThreads();
};

void TestPlaces::initTestCase()
{
    // Whatever the machine's messages, a look-up names cities as asked.
    setenv("LANGUAGE", "de:fr", 1);
    setenv("LC_ALL", "C", 1);
}

void TestPlaces::citiesByTheirNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<NameLanguage>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("latitude");

    // GeoNames' cities, as libgeonames gives them.
    QTest::newRow("Roma, Italian") << "Roma" << NameLanguage::Italian << "Rome" << "Europe/Rome" << "IT"
                                   << "Roma, Lazio, Italia" << 41.89;
    QTest::newRow("Rome, English name, Italian interface")
        << "Rome" << NameLanguage::Italian << "Rome" << "Europe/Rome" << "IT" << "Roma, Lazio, Italia" << 41.89;
    QTest::newRow("Roma, Italian name, English interface")
        << "roma" << NameLanguage::English << "Rome" << "Europe/Rome" << "IT" << "Rome, Lazio, Italy" << 41.89;
    QTest::newRow("Monaco di Baviera") << "Monaco di Baviera" << NameLanguage::Italian << "Munich" << "Europe/Berlin"
                                       << "DE" << "Monaco di Baviera, Baviera, Germania" << 48.14;
    QTest::newRow("Munich, English") << "Munich" << NameLanguage::English << "Munich" << "Europe/Berlin" << "DE"
                                     << "Munich, Bavaria, Germany" << 48.14;
    QTest::newRow("Lisbona") << "Lisbona" << NameLanguage::Italian << "Lisbon" << "Europe/Lisbon" << "PT"
                             << "Lisbona, Portogallo" << 38.72;
    QTest::newRow("Springfield, Illinois, not Missouri's")
        << "Springfield, Illinois" << NameLanguage::English << "Springfield" << "America/Chicago" << "US"
        << "Springfield, Illinois, United States of America" << 39.80;
    QTest::newRow("Springfield, the one in Massachusetts")
        << "springfield, mass" << NameLanguage::Italian << "Springfield" << "America/New_York" << "US"
        << "Springfield, Massachusetts, Stati Uniti" << 42.10;
    QTest::newRow("a country's code") << "Valencia, ve" << NameLanguage::English << "Valencia" << "America/Caracas"
                                      << "VE" << "Valencia, Carabobo, Venezuela" << 10.16;
}

void TestPlaces::citiesByTheirNames()
{
    QFETCH(QString, text);
    QFETCH(NameLanguage, language);
    QFETCH(QString, name);
    QFETCH(QString, zone);
    QFETCH(QString, country);
    QFETCH(QString, label);
    QFETCH(double, latitude);
    const auto found = places::findCities(text.toStdString(), language);
    QVERIFY(!found.empty());
    const sky::Place& city = found.front();
    QCOMPARE(QString::fromStdString(city.name), name);
    QCOMPARE(QString::fromStdString(city.zone), zone);
    QCOMPARE(QString::fromStdString(city.country), country);
    QCOMPARE(QString::fromStdString(city.label), label);
    QVERIFY2(std::abs(city.latitude - latitude) < 0.01, qPrintable(QString::number(city.latitude)));
    // resolvePlace() takes a bare name for the city.
    const sky::Place resolved = places::resolvePlace(text.toStdString(), sky::ZoneTable(), language);
    QCOMPARE(QString::fromStdString(resolved.label), label);
}

void TestPlaces::unknownNamesFindNoCity()
{
    QVERIFY(places::findCities("Xyzzyqua", NameLanguage::Italian).empty());
    QVERIFY(places::findCities("", NameLanguage::English).empty());
    QVERIFY(places::findCities(" , Italia", NameLanguage::Italian).empty());
    // A region that is not the city's.
    QVERIFY(places::findCities("Torino, Baviera", NameLanguage::Italian).empty());
    try {
        places::resolvePlace("Rme", sky::ZoneTable(), NameLanguage::Italian);
        QFAIL("Rme is no place");
    } catch (const sky::BadPlace& error) {
        QCOMPARE(error.reason, sky::BadPlace::Reason::Unknown);
        QVERIFY(std::find(error.candidates.begin(), error.candidates.end(), "Europe/Rome") != error.candidates.end());
    }
}

void TestPlaces::zonesAndCoordinatesReadAsBefore()
{
    const sky::ZoneTable zones;
    const sky::Place zone = places::resolvePlace("Europe/Rome", zones, NameLanguage::Italian);
    QCOMPARE(QString::fromStdString(zone.name), "Europe/Rome");
    QCOMPARE(QString::fromStdString(zone.zone), "Europe/Rome");
    QCOMPARE(QString::fromStdString(zone.country), "IT");
    QVERIFY(zone.label.empty());
    const sky::Place spot = places::resolvePlace("41.9,12.5,20", zones, NameLanguage::Italian);
    QVERIFY(spot.name.empty() && spot.zone.empty() && spot.country.empty());
    QCOMPARE(spot.height, 20.0);
    QVERIFY_THROWS_EXCEPTION(sky::BadPlace, places::resolvePlace("91,0", zones, NameLanguage::Italian));
    // No city of 15,000 people: the zone by its last part.
    QCOMPARE(QString::fromStdString(places::resolvePlace("Eucla", zones, NameLanguage::English).zone),
             "Australia/Eucla");
}

// The whole table is searched for every name: a few milliseconds, not the
// tenth of a second a search through libgeonames took. The best of five,
// as a loaded machine may pause any one: 1 ms measured for both look-ups,
// the bound leaving room for the sanitized build.
void TestPlaces::aCityIsFoundInMilliseconds()
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        const auto found = places::findCities("Roma", NameLanguage::Italian);
        const auto prefix = places::findCities("san", NameLanguage::English);
        best = std::min(best, timer.elapsed());
        QVERIFY(!found.empty() && prefix.size() == 8);
    }
    QVERIFY2(best < 30, qPrintable(QString("%1 ms").arg(best)));
}

// Nothing of the process's is changed by a look-up: two threads find their
// cities at once, each in its language.
void TestPlaces::lookUpsRunAtOnceOnThreads()
{
    std::array<std::string, 2> labels;
    {
        std::jthread italian([&] {
            for (int i = 0; i < 20; ++i)
                labels[0] = places::findCities("Monaco di Baviera", NameLanguage::Italian).front().label;
        });
        std::jthread english([&] {
            for (int i = 0; i < 20; ++i)
                labels[1] = places::findCities("Munich", NameLanguage::English).front().label;
        });
    }
    QCOMPARE(QString::fromStdString(labels[0]), "Monaco di Baviera, Baviera, Germania");
    QCOMPARE(QString::fromStdString(labels[1]), "Munich, Bavaria, Germany");
}

QTEST_APPLESS_MAIN(TestPlaces)
#include "tst_places.moc"
