// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Place.h"
#include "Topocentric.h"
#include "UsnoTable.h"
#include "When.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <map>
#include <cstdlib>
#include <thread>

using namespace luna::sky;
using namespace std::chrono;

namespace {

Instant utc(const char* text)
{
    return parseWhen(text, Instant{}, Zone());
}

// A place on the clock of a zone: the almanacs' tables keep to standard
// time, as Etc/GMT+7 (seven hours behind) does.
Place placeOn(double latitude, double longitude, const char* zone)
{
    Place place{{}, latitude, longitude, 0};
    place.zone = zone;
    return place;
}

// Minutes after midnight, to the nearest, that a place's clock reads at an
// instant.
int localMinutes(Instant when, const Place& place)
{
    const local_seconds reading = place.clock().local(nearestMinute(when));
    return int(duration_cast<minutes>(reading - floor<days>(reading)).count());
}

Instant localNoon(int year, int month, int day, const Place& place)
{
    return place.clock().at(std::chrono::year(year) / month / day, hours(12));
}

} // namespace

class TestTopocentric : public QObject {
    Q_OBJECT

private slots:
    void riseAndSetMatchTheAlmanac_data();
    void riseAndSetMatchTheAlmanac();
    void twoPlacesAtOnceOnTheirOwnClocks();
    void sunriseAndSunsetMatchTheAlmanac();
    void twilightsMatchTheAlmanac_data();
    void twilightsMatchTheAlmanac();
    void moonInDarkSky_data();
    void moonInDarkSky();
    void brightLimbAsMeeusWorksIt();
    void apsidesMatchPublishedInstants_data();
    void apsidesMatchPublishedInstants();
    void placesAreRead_data();
    void placesAreRead();
    void placesAreRefused_data();
    void placesAreRefused();
    void theTimeZoneGivesThePlace_data();
    void theTimeZoneGivesThePlace();
};

void TestTopocentric::riseAndSetMatchTheAlmanac_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("zone");

    // The USNO's tables for 2023: a desert town, in its standard time all
    // year, and latitude 70 on the Greenwich meridian, in UT, where the Moon
    // stays up or down for days.
    QTest::newRow("Fredonia, Arizona") << "usno-moon-2023-fredonia.txt" << 36 + 57 / 60.0
                                       << -(112 + 31 / 60.0) << "Etc/GMT+7";
    QTest::newRow("latitude 70 north") << "usno-moon-2023-latitude-70.txt" << 70.0 << 0.0 << "Etc/UTC";
}

namespace {

// Where our rise and set of each day differ from the table's: none, to the
// minute, is expected; the worst difference found goes to `worst`.
QStringList differences(const QString& table, const Place& place, int& worst)
{
    const QList<TableDay> days = readTable(QStringLiteral(LUNA_TEST_DATA "/") + table);
    if (days.size() != 365)
        return {QString("%1: %2 days read").arg(table).arg(days.size())};
    QStringList wrong;
    for (const TableDay& day : days) {
        const RiseSet found = riseTransitSet(localNoon(2023, day.month, day.day, place), place);
        const QString date = QString("2023-%1-%2").arg(day.month, 2, 10, QChar('0')).arg(day.day, 2, 10, QChar('0'));
        if (found.allDay != day.allDay)
            wrong << date + " up or down all day";
        for (const auto& [published, ours, what] :
             {std::tuple{day.rise, found.rise, "rise"}, std::tuple{day.set, found.set, "set"}}) {
            if (published.has_value() != ours.has_value()) {
                wrong << QString("%1 %2: %3 published, %4 found")
                             .arg(date, what, published ? "one" : "none", ours ? "one" : "none");
                continue;
            }
            if (!published)
                continue;
            const int off = std::abs(localMinutes(*ours, place) - *published);
            worst = std::max(worst, off);
            // Both to the minute, rounded: to the minute is one at most
            // (the worst measured is 1).
            if (off > 1)
                wrong << QString("%1 %2 off by %3 min").arg(date, what).arg(off);
        }
    }
    return wrong;
}

} // namespace

void TestTopocentric::riseAndSetMatchTheAlmanac()
{
    QFETCH(QString, table);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, zone);

    int worst = 0;
    const QStringList wrong = differences(table, placeOn(latitude, longitude, qPrintable(zone)), worst);
    qInfo("worst %d min", worst);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
}

// Each place carries its clock: two places on two clocks, computed at once
// on two threads, each keep to their own days.
void TestTopocentric::twoPlacesAtOnceOnTheirOwnClocks()
{
    const std::array<std::pair<QString, Place>, 2> places{
        std::pair{QString("usno-moon-2023-fredonia.txt"), placeOn(36 + 57 / 60.0, -(112 + 31 / 60.0), "Etc/GMT+7")},
        std::pair{QString("usno-moon-2023-latitude-70.txt"), placeOn(70.0, 0.0, "Etc/UTC")}};
    std::array<QStringList, 2> wrong;
    std::array<int, 2> worst{};
    {
        std::array<std::jthread, 2> threads;
        for (std::size_t i = 0; i < places.size(); ++i)
            threads[i] = std::jthread([&, i] { wrong[i] = differences(places[i].first, places[i].second, worst[i]); });
    }
    for (const QStringList& each : wrong)
        QVERIFY2(each.isEmpty(), qPrintable(each.join("; ")));
}

// The USNO's table of the Sun for Fredonia in 2023, a rise and a set every
// day, to the minute.
void TestTopocentric::sunriseAndSunsetMatchTheAlmanac()
{
    const Place place = placeOn(36 + 57 / 60.0, -(112 + 31 / 60.0), "Etc/GMT+7");
    const QList<TableDay> days = readTable(QStringLiteral(LUNA_TEST_DATA "/usno-sun-2023-fredonia.txt"));
    QCOMPARE(days.size(), 365);
    QStringList wrong;
    for (const TableDay& day : days) {
        const SunHours found = sunHours(localNoon(2023, day.month, day.day, place), place);
        for (const auto& [published, ours] : {std::pair{day.rise, found.sunrise}, std::pair{day.set, found.sunset}}) {
            if (!published || !ours || std::abs(localMinutes(*ours, place) - *published) > 1)
                wrong << QString("2023-%1-%2").arg(day.month).arg(day.day);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
}

void TestTopocentric::twilightsMatchTheAlmanac_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("dawn");
    QTest::addColumn<QString>("dusk");

    // The USNO's twilight tables for 2024, June 21 (zone 5 h west, here in
    // UT): civil twilight at Boston, nautical and astronomical at Hartford.
    QTest::newRow("Boston, civil") << 42.32 << -71.09 << 6 << "2024-06-21T08:33Z" << "2024-06-22T00:59Z";
    QTest::newRow("Hartford, nautical") << 41.76 << -72.69 << 12 << "2024-06-21T07:58Z" << "2024-06-22T01:48Z";
    QTest::newRow("Hartford, astronomical") << 41.76 << -72.69 << 18 << "2024-06-21T07:05Z" << "2024-06-22T02:41Z";
    // No astronomical night in a northern June at 55 degrees, no night at
    // all at 70, and no day there in December.
    QTest::newRow("55 N in June, white night") << 55.0 << 0.0 << 18 << "" << "";
    QTest::newRow("70 N in June, polar day") << 70.0 << 0.0 << 0 << "" << "";
    QTest::newRow("70 N in December, polar night") << 70.0 << 0.0 << 0 << "" << "";
}

void TestTopocentric::twilightsMatchTheAlmanac()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(int, depth);
    QFETCH(QString, dawn);
    QFETCH(QString, dusk);

    const bool december = QString(QTest::currentDataTag()).contains("December");
    const SunHours hours = sunHours(utc(december ? "2024-12-21T17:00Z" : "2024-06-21T17:00Z"),
                                    placeOn(latitude, longitude, "Etc/GMT+5"));
    const std::map<int, std::pair<std::optional<Instant>, std::optional<Instant>>> byDepth{
        {0, {hours.sunrise, hours.sunset}},
        {6, {hours.civilDawn, hours.civilDusk}},
        {12, {hours.nauticalDawn, hours.nauticalDusk}},
        {18, {hours.astronomicalDawn, hours.astronomicalDusk}}};
    const auto& [foundDawn, foundDusk] = byDepth.at(depth);
    for (const auto& [published, found] : {std::pair{dawn, foundDawn}, std::pair{dusk, foundDusk}}) {
        if (published.isEmpty()) {
            QVERIFY(!found);
            continue;
        }
        QVERIFY(found);
        // The table to the minute, ours rounded: a minute at most.
        const auto off = abs(std::chrono::round<minutes>(*found) - utc(qPrintable(published)));
        QVERIFY2(off <= minutes(1), qPrintable(QString("off by %1 min").arg(off.count())));
    }
    if (depth != 0 || !dawn.isEmpty())
        return;
    // In the polar day the Sun never dips 6 degrees either; in the polar
    // night at 70 degrees it climbs to 3.4 below the horizon at noon: a
    // civil twilight, no more.
    QCOMPARE(hours.civilDawn.has_value(), december);
    QCOMPARE(hours.civilDusk.has_value(), december);
    QCOMPARE(hours.nauticalDawn.has_value(), december);
}

void TestTopocentric::moonInDarkSky_data()
{
    QTest::addColumn<QString>("evening");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    // Fredonia in 2023, its Moon from the USNO's table (MST); "dusk" and
    // "dawn" are the civil twilights, checked against the almanac above.
    // Waxing: up at dusk, it sets at 06:03 before the dawn of January 4.
    QTest::newRow("sets before dawn") << "2023-01-03" << "dusk" << "2023-01-04T06:03-07:00";
    // Waning: it rises at 19:08, after dusk, and is still up at dawn.
    QTest::newRow("rises after dusk") << "2023-01-08" << "2023-01-08T19:08-07:00" << "dawn";
    // New: set at 17:36 before dusk, it rises at 08:44 after dawn.
    QTest::newRow("new moon, none") << "2023-01-21" << "" << "";
}

void TestTopocentric::moonInDarkSky()
{
    QFETCH(QString, evening);
    QFETCH(QString, from);
    QFETCH(QString, to);

    const Place place = placeOn(36 + 57 / 60.0, -(112 + 31 / 60.0), "Etc/GMT+7");
    const Instant noon = utc(qPrintable(evening + "T12:00-07:00"));
    const std::vector<Stretch> dark = luna::sky::moonInDarkSky(noon, place);
    if (from.isEmpty()) {
        QVERIFY(dark.empty());
        return;
    }
    QCOMPARE(dark.size(), std::size_t(1));
    const auto minute = [](Instant t) { return std::chrono::round<minutes>(t); };
    const auto expect = [&](const QString& text, Instant found, const std::optional<Instant>& twilight) {
        if (text == "dusk" || text == "dawn")
            return twilight && found == *twilight;
        return abs(minute(found) - utc(qPrintable(text))) <= minutes(1);
    };
    QVERIFY(expect(from, dark.front().from, sunHours(noon, place).civilDusk));
    QVERIFY(expect(to, dark.front().to, sunHours(noon + days(1), place).civilDawn));
}

void TestTopocentric::brightLimbAsMeeusWorksIt()
{
    // Meeus, Astronomical Algorithms, example 48.a: 1992 April 12, 0h TD,
    // chi = 285.0 degrees (TD is 59 s ahead of UT then): within 0.1 (0.044
    // measured).
    const MoonView view = moonView(utc("1992-04-11T23:59:01Z"), Place{{}, 0, 0, 0});
    QVERIFY2(std::abs(view.brightLimbAngle - 285.0) < 0.1, qPrintable(QString::number(view.brightLimbAngle)));
    // And example 47.a the same day: the distance is 368 409.7 km (within
    // 0.01 km; the figure's rounding is 0.05).
    QVERIFY2(std::abs(view.distanceKm - 368409.7) < 0.1, qPrintable(QString::number(view.distanceKm)));
}

void TestTopocentric::apsidesMatchPublishedInstants_data()
{
    QTest::addColumn<bool>("perigee");
    QTest::addColumn<Instant>("published");
    QTest::addColumn<double>("distanceKm");

    // Meeus, Astronomical Algorithms, chapter 50, in TD (about a minute
    // ahead of UT then). Example 50.a: the apogee of 1988 October 7 at
    // 20h30m, parallax 3240.679"; and his instants of perigee from the full
    // theory, to a tenth of an hour (no distance given).
    const double apogeeKm = 6378.14 / std::sin(3240.679 / 3600 * M_PI / 180);
    QTest::newRow("apogee 1988-10-07") << false << utc("1988-10-07T20:29Z") << apogeeKm;
    QTest::newRow("perigee 1990-12-02") << true << utc("1990-12-02T10:47Z") << 0.0;
    QTest::newRow("perigee 1990-12-30") << true << utc("1990-12-30T23:47Z") << 0.0;
    QTest::newRow("perigee 1997-12-09") << true << utc("1997-12-09T16:53Z") << 0.0;
    QTest::newRow("perigee 1998-01-03") << true << utc("1998-01-03T08:29Z") << 0.0;
}

void TestTopocentric::apsidesMatchPublishedInstants()
{
    QFETCH(bool, perigee);
    QFETCH(Instant, published);
    QFETCH(double, distanceKm);

    // Searched from ten days before, the first one of its kind.
    const Instant from = published - days(10);
    const Apsis found = perigee ? nextPerigee(from) : nextApogee(from);
    const auto off = found.when - published;
    // The instants are given to a tenth of an hour, and the distance is
    // flat near its turn: ten minutes, as the README says (the worst
    // measured is 6 min 5 s); the distance within 2.5 km (1.1 km).
    QVERIFY2(abs(off) <= minutes(10), qPrintable(QString("off by %1 s").arg(off.count())));
    if (distanceKm > 0)
        QVERIFY2(std::abs(found.distanceKm - distanceKm) < 2.5,
                 qPrintable(QString::number(found.distanceKm)));
    // Perigees lie within 356 000 - 370 500 km, apogees 404 000 - 406 800.
    QVERIFY(perigee ? found.distanceKm > 356000 && found.distanceKm < 370500
                    : found.distanceKm > 404000 && found.distanceKm < 406800);
}

void TestTopocentric::placesAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("height");

    QTest::newRow("Rome, in degrees") << "41.9028,12.4964" << "" << 41.9028 << 12.4964 << 0.0;
    QTest::newRow("with a height") << "46.5,11.35,262" << "" << 46.5 << 11.35 << 262.0;
    QTest::newRow("south and west, blanks") << " -33.87 , -70.6 " << "" << -33.87 << -70.6 << 0.0;
    QTest::newRow("decimal commas, a blank") << "45,07 7,69" << "" << 45.07 << 7.69 << 0.0;
    QTest::newRow("decimal commas, a semicolon") << "45,07; 7,69" << "" << 45.07 << 7.69 << 0.0;
    QTest::newRow("decimal commas and a height") << "-33,87  -70,6  520" << "" << -33.87 << -70.6 << 520.0;
    QTest::newRow("points, a blank") << "45.07 7.69" << "" << 45.07 << 7.69 << 0.0;
    QTest::newRow("points, a comma and a blank") << "45.07, 7.69" << "" << 45.07 << 7.69 << 0.0;
    QTest::newRow("whole degrees, a comma and a blank") << "41, 12" << "" << 41.0 << 12.0 << 0.0;
    QTest::newRow("a pole") << "90,0" << "" << 90.0 << 0.0 << 0.0;
    QTest::newRow("the date line") << "0,-180" << "" << 0.0 << -180.0 << 0.0;
    QTest::newRow("zone, whole") << "Europe/Rome" << "Europe/Rome" << 41 + 54 / 60.0 << 12 + 29 / 60.0 << 0.0;
    QTest::newRow("zone, last part") << "Rome" << "Europe/Rome" << 41 + 54 / 60.0 << 12 + 29 / 60.0 << 0.0;
    QTest::newRow("zone, spaces and case") << "new york" << "America/New_York"
                                           << 40 + 42 / 60.0 + 51 / 3600.0
                                           << -(74 + 0 / 60.0 + 23 / 3600.0) << 0.0;
}

void TestTopocentric::placesAreRead()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, height);

    const ZoneTable zones;
    QVERIFY2(!zones.empty(), "the time-zone database (tzdata) is not installed");
    const Place place = parsePlace(text.toStdString(), zones);
    QCOMPARE(QString::fromStdString(place.name), name);
    QVERIFY(std::abs(place.latitude - latitude) < 1e-6);
    QVERIFY(std::abs(place.longitude - longitude) < 1e-6);
    QCOMPARE(place.height, height);
}

void TestTopocentric::placesAreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("suggests");

    using R = BadPlace::Reason;
    QTest::newRow("latitude beyond the pole") << "91,12" << int(R::Latitude) << "";
    QTest::newRow("longitude beyond the date line") << "41,180.5" << int(R::Longitude) << "";
    QTest::newRow("not a number") << "41,est" << int(R::NotANumber) << "";
    QTest::newRow("one number") << "41," << int(R::NotANumber) << "";
    QTest::newRow("four numbers") << "41,12,10,5" << int(R::NotANumber) << "";
    QTest::newRow("decimal commas run together") << "45,07,7,69" << int(R::NotANumber) << "";
    QTest::newRow("an empty part") << "45,07;;7,69" << int(R::NotANumber) << "";
    QTest::newRow("infinite") << "inf,12" << int(R::NotANumber) << "";
    QTest::newRow("height in space") << "41,12,400000" << int(R::Height) << "";
    QTest::newRow("unknown name") << "Roma" << int(R::Unknown) << "Europe/Rome";
    QTest::newRow("misspelt") << "Europe/Rme" << int(R::Unknown) << "Europe/Rome";
    QTest::newRow("misspelt last part") << "Lisbn" << int(R::Unknown) << "Europe/Lisbon";
    QTest::newRow("letters swapped") << "nwe yrok" << int(R::Unknown) << "America/New_York";
    QTest::newRow("another spelling") << "Tokio" << int(R::Unknown) << "Asia/Tokyo";
    QTest::newRow("empty") << "" << int(R::Unknown) << "";
}

void TestTopocentric::placesAreRefused()
{
    QFETCH(QString, text);
    QFETCH(int, reason);
    QFETCH(QString, suggests);

    const ZoneTable zones;
    try {
        parsePlace(text.toStdString(), zones);
        QFAIL("accepted");
    } catch (const BadPlace& error) {
        QCOMPARE(int(error.reason), reason);
        if (!suggests.isEmpty()) {
            QStringList candidates;
            for (const std::string& candidate : error.candidates)
                candidates << QString::fromStdString(candidate);
            QVERIFY2(candidates.contains(suggests), qPrintable(candidates.join(", ")));
        }
    }
}

void TestTopocentric::theTimeZoneGivesThePlace_data()
{
    QTest::addColumn<QString>("tz");
    QTest::addColumn<QString>("name");

    QTest::newRow("a zone") << "Europe/Rome" << "Europe/Rome";
    QTest::newRow("with a colon") << ":America/New_York" << "America/New_York";
    QTest::newRow("a path") << "/usr/share/zoneinfo/Asia/Kolkata" << "Asia/Kolkata";
    QTest::newRow("UTC has no place") << "UTC" << "";
    QTest::newRow("a rule has none") << "CET-1CEST,M3.5.0,M10.5.0/3" << "";
}

void TestTopocentric::theTimeZoneGivesThePlace()
{
    QFETCH(QString, tz);
    QFETCH(QString, name);

    qputenv("TZ", tz.toLatin1());
    const auto place = systemPlace(ZoneTable());
    qunsetenv("TZ");
    QCOMPARE(place.has_value(), !name.isEmpty());
    if (place)
        QCOMPARE(QString::fromStdString(place->name), name);
}

QTEST_APPLESS_MAIN(TestTopocentric)
#include "tst_topocentric.moc"
