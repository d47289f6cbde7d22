// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthFacts.h"
#include "Numerics.h"
#include "Sky.h"
#include "When.h"

#include <QTest>

#include <cstdlib>

using namespace luna::sky;
using namespace std::chrono;

Q_DECLARE_METATYPE(luna::sky::Phase)

namespace {

// An instant written as Z time, for the tables below.
Instant utc(const char* text)
{
    return parseWhen(text, Instant{}, Zone());
}

// Local times in these tests are Italy's, whatever the machine's zone.
Zone rome()
{
    return *Zone::named("Europe/Rome");
}

} // namespace

class TestSky : public QObject {
    Q_OBJECT

private slots:
    void phasesMatchPublishedInstants_data();
    void phasesMatchPublishedInstants();
    void phasesFollowInOrderAtTheirSpacing();
    void ageCountsFromTheLastNewMoon();
    void refusesInstantsOutsideTheYears();
    void deltaTFollowsTheCanon_data();
    void deltaTFollowsTheCanon();
    void deltaTHasNoStep_data();
    void deltaTHasNoStep();

    void readsWhatPeopleWrite_data();
    void readsWhatPeopleWrite();
    void refusesWhatIsNoInstant_data();
    void refusesWhatIsNoInstant();

    void daysBeginOnTheirOwnClock_data();
    void daysBeginOnTheirOwnClock();
    void readingsTheClockSkipsOrRepeats();
    void anEventBelongsToTheDayOfItsMinute();
    void rootsAndMinimaAreFound_data();
    void rootsAndMinimaAreFound();
    void aScanHandsOverEveryCrossing();
};

void TestSky::phasesMatchPublishedInstants_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<Instant>("published");

    // The U.S. Naval Observatory's times of phases, in UT to the minute.
    QTest::newRow("new 1900-01-01") << Phase::New << utc("1900-01-01T13:52Z");
    QTest::newRow("full 1900-01-15") << Phase::Full << utc("1900-01-15T19:07Z");
    QTest::newRow("new 1980-02-16, eclipse") << Phase::New << utc("1980-02-16T08:51Z");
    QTest::newRow("full 1980-03-01") << Phase::Full << utc("1980-03-01T21:00Z");
    QTest::newRow("first quarter 2000-01-14") << Phase::FirstQuarter << utc("2000-01-14T13:34Z");
    QTest::newRow("full 2000-01-21, eclipse") << Phase::Full << utc("2000-01-21T04:40Z");
    QTest::newRow("last quarter 2000-01-28") << Phase::LastQuarter << utc("2000-01-28T07:57Z");
    QTest::newRow("new 2020-12-14, eclipse") << Phase::New << utc("2020-12-14T16:16Z");
    QTest::newRow("full 2050-05-06") << Phase::Full << utc("2050-05-06T22:26Z");
    QTest::newRow("new 2090-09-23") << Phase::New << utc("2090-09-23T17:04Z");
}

void TestSky::phasesMatchPublishedInstants()
{
    QFETCH(Phase, phase);
    QFETCH(Instant, published);

    // Searched from four days before (or the first supported instant), the
    // phase is the first of its kind.
    const Instant from = std::max(published - days(4), utc("1900-01-01T00:00Z"));
    for (const PhaseEvent& event : nextPhases(from)) {
        if (event.phase != phase)
            continue;
        const auto off = event.when - published;
        // The table to the minute; the worst measured is 37 s.
        QVERIFY2(abs(off) <= seconds(75), qPrintable(QString("off by %1 s").arg(off.count())));
        return;
    }
    QFAIL("phase not found");
}

void TestSky::phasesFollowInOrderAtTheirSpacing()
{
    Instant from = utc("2024-01-01T00:00Z");
    int expected = -1;
    for (int lunation = 0; lunation < 30; ++lunation) {
        const auto phases = nextPhases(from);
        for (const PhaseEvent& event : phases) {
            if (expected >= 0)
                QCOMPARE(int(event.phase), expected);
            expected = (int(event.phase) + 1) % 4;
            const auto gap = event.when - from;
            QVERIFY2(gap > hours(0) && gap < days(9), qPrintable(QString::number(gap.count())));
            // The instant is rounded to the second; the search goes on from
            // just after it, not from a hair before the phase.
            from = event.when + seconds(1);
            const double e = elongation(event.when);
            const double off = std::remainder(e - int(event.phase) * 90, 360);
            QVERIFY2(std::abs(off) < 0.01, qPrintable(QString::number(e)));
        }
        // Four quarters make one synodic month, 29.27 to 29.83 days.
        const auto month = phases.back().when - phases.front().when;
        QVERIFY(month > days(21) && month < days(23));
    }
}

void TestSky::ageCountsFromTheLastNewMoon()
{
    const Instant newMoon = utc("2000-01-06T18:14Z");
    QVERIFY2(std::abs(age(newMoon + days(3)) - 3) < 0.01, qPrintable(QString::number(age(newMoon + days(3)))));
    QVERIFY(age(newMoon - hours(1)) > 29);
    QVERIFY(abs(previousNewMoon(newMoon + days(10)) - newMoon) < minutes(2));
}

void TestSky::refusesInstantsOutsideTheYears()
{
    QVERIFY_THROWS_EXCEPTION(OutOfRange, elongation(utc("1900-01-01T00:00+14:00") - seconds(1)));
    QVERIFY_THROWS_EXCEPTION(OutOfRange, nextPhases(utc("2100-12-31T23:59:59-12:00") + seconds(1)));
    // Midnight of the first day in Rome, still 1899 in UTC.
    elongation(utc("1900-01-01T00:00+01:00"));
    QVERIFY_THROWS_EXCEPTION(OutOfRange, age(Instant{}  - days(365 * 80)));
    elongation(utc("1900-01-01T00:00Z"));
    const Instant last = utc("2100-12-31T23:59:59Z");
    QVERIFY(nextPhases(last).back().when > last + days(20));
}

void TestSky::readsWhatPeopleWrite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Instant>("expected");

    const Instant now = sys_days(2026y / 12 / 8) + hours(8);
    QTest::newRow("now") << "now" << now;
    QTest::newRow("date: local midnight") << "2026-12-08" << utc("2026-12-07T23:00Z");
    QTest::newRow("summer date") << "2026-07-01" << utc("2026-06-30T22:00Z");
    QTest::newRow("local minutes") << "2026-12-24T22:00" << utc("2026-12-24T21:00Z");
    QTest::newRow("local seconds") << "2026-12-24T22:00:30" << utc("2026-12-24T21:00:30Z");
    QTest::newRow("Z") << "2000-01-06T18:14Z" << Instant{sys_days(2000y / 1 / 6) + hours(18) + minutes(14)};
    QTest::newRow("offset east") << "2000-01-06T19:14+01:00" << utc("2000-01-06T18:14Z");
    QTest::newRow("offset west, half hour") << "2000-01-06T14:44-03:30" << utc("2000-01-06T18:14Z");
    QTest::newRow("leap day") << "2024-02-29T12:00Z" << utc("2024-03-01T12:00Z") - days(1);
    QTest::newRow("first year") << "1900-01-01T00:00Z" << Instant{sys_days(1900y / 1 / 1)};
}

void TestSky::readsWhatPeopleWrite()
{
    QFETCH(QString, text);
    QFETCH(Instant, expected);
    const Instant now = sys_days(2026y / 12 / 8) + hours(8);
    QCOMPARE(parseWhen(text.toStdString(), now, rome()).time_since_epoch().count(),
             expected.time_since_epoch().count());
}

void TestSky::refusesWhatIsNoInstant_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("outOfRange");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("words") << "stasera" << false;
    QTest::newRow("Now, capital") << "Now" << false;
    QTest::newRow("no day") << "2026-12" << false;
    QTest::newRow("one-digit month") << "2026-1-08" << false;
    QTest::newRow("month 13") << "2026-13-01" << false;
    QTest::newRow("30 February") << "2026-02-30" << false;
    QTest::newRow("29 February, common year") << "2026-02-29" << false;
    QTest::newRow("hour 24") << "2026-12-08T24:00" << false;
    QTest::newRow("minute 60") << "2026-12-08T10:60" << false;
    QTest::newRow("second 60") << "2026-12-08T10:00:60" << false;
    QTest::newRow("space for T") << "2026-12-08 10:00" << false;
    QTest::newRow("hour alone") << "2026-12-08T10" << false;
    QTest::newRow("offset without minutes") << "2026-12-08T10:00+01" << false;
    QTest::newRow("offset 24 hours") << "2026-12-08T10:00+24:00" << false;
    QTest::newRow("trailing text") << "2026-12-08T10:00Zulu" << false;
    QTest::newRow("before 1900") << "1899-12-31T23:59Z" << true;
    QTest::newRow("after 2100") << "2101-01-01" << true;
    QTest::newRow("after 2100 on every clock") << "2100-12-31T23:00-13:00" << true;
}

void TestSky::refusesWhatIsNoInstant()
{
    QFETCH(QString, text);
    QFETCH(bool, outOfRange);
    if (outOfRange)
        QVERIFY_THROWS_EXCEPTION(OutOfRange, parseWhen(text.toStdString(), Instant{}, rome()));
    else
        QVERIFY_THROWS_EXCEPTION(BadDate, parseWhen(text.toStdString(), Instant{}, rome()));
}

void TestSky::deltaTFollowsTheCanon_data()
{
    QTest::addColumn<Instant>("when");
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("tolerance");

    // Delta T as NASA gives it with the Besselian elements of these solar
    // eclipses, the canon's own; and TT - UTC from the leap-second table
    // (UT1 stays within 0.9 s of it) in between.
    QTest::newRow("1900-05-28") << utc("1900-05-28T14:54Z") << -2.2 << 0.5;
    QTest::newRow("1912-04-17") << utc("1912-04-17T11:34Z") << 13.5 << 0.5;
    QTest::newRow("1928-05-19") << utc("1928-05-19T13:24Z") << 24.2 << 0.5;
    QTest::newRow("1937-06-08") << utc("1937-06-08T20:41Z") << 23.9 << 0.5;
    QTest::newRow("1953-08-09") << utc("1953-08-09T15:55Z") << 30.5 << 0.5;
    QTest::newRow("1999-08-11, 32 leap seconds") << utc("1999-08-11T11:03Z") << 64.184 << 0.001;
    QTest::newRow("2024-04-08, 37 leap seconds") << utc("2024-04-08T18:17Z") << 69.184 << 0.001;
    QTest::newRow("2090-09-23") << utc("2090-09-23T16:53Z") << 180.9 << 0.5;
    QTest::newRow("2099-09-14") << utc("2099-09-14T16:54Z") << 201.8 << 0.5;
    QTest::newRow("2100-09-04") << utc("2100-09-04T08:46Z") << 204.1 << 0.5;
}

void TestSky::deltaTFollowsTheCanon()
{
    QFETCH(Instant, when);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    QVERIFY2(std::abs(deltaT(when) - published) <= tolerance, qPrintable(QString::number(deltaT(when))));
}

void TestSky::deltaTHasNoStep_data()
{
    QTest::addColumn<Instant>("at");
    QTest::newRow("UTC begins counting leap seconds") << utc("1972-01-01T00:00Z");
    QTest::newRow("observation gives way to prediction") << utc("2026-01-01T00:00Z");
    QTest::newRow("the prediction reaches the polynomials") << utc("2050-01-01T00:00Z");
}

// Where one source of Delta T hands over to the next the Earth turns on
// without a jump: rise and set would jump with it.
void TestSky::deltaTHasNoStep()
{
    QFETCH(Instant, at);
    QVERIFY(std::abs(deltaT(at) - deltaT(at - seconds(1))) < 0.1);
}

void TestSky::daysBeginOnTheirOwnClock_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("date");
    QTest::addColumn<Instant>("begins");
    QTest::addColumn<int>("hours");

    QTest::newRow("Rome, a winter day") << "Europe/Rome" << "2026-12-08" << utc("2026-12-07T23:00Z") << 24;
    QTest::newRow("Rome, clocks forward at 02:00") << "Europe/Rome" << "2027-03-28" << utc("2027-03-27T23:00Z") << 23;
    // Chile moves its clocks at midnight: on 6 September 2026 the day
    // begins at 01:00 (-03), and no midnight is read.
    QTest::newRow("Santiago, no midnight") << "America/Santiago" << "2026-09-06" << utc("2026-09-06T04:00Z") << 23;
    // Cuba turns 01:00 back to 00:00: midnight is read twice, and the day
    // begins at the first.
    QTest::newRow("Havana, midnight twice") << "America/Havana" << "2026-11-01" << utc("2026-11-01T04:00Z") << 25;
    QTest::newRow("UTC") << "Etc/UTC" << "1900-01-01" << utc("1900-01-01T00:00Z") << 24;
}

void TestSky::daysBeginOnTheirOwnClock()
{
    QFETCH(QString, zone);
    QFETCH(QString, date);
    QFETCH(Instant, begins);
    QFETCH(int, hours);

    const auto clock = Zone::named(zone.toStdString());
    QVERIFY(clock);
    const Instant start = parseWhen(date.toStdString(), Instant{}, *clock);
    QCOMPARE(start.time_since_epoch().count(), begins.time_since_epoch().count());
    const year_month_day day = clock->day(start);
    QCOMPARE(clock->startOfDay(day), start);
    QCOMPARE(clock->day(start - seconds(1)), year_month_day(sys_days(day) - days(1)));
    const Instant next = clock->startOfDay(year_month_day(sys_days(day) + days(1)));
    QCOMPARE(duration_cast<std::chrono::hours>(next - start).count(), hours);
}

void TestSky::readingsTheClockSkipsOrRepeats()
{
    const Zone rome = *Zone::named("Europe/Rome");
    // 02:30 of 28 March 2027 is never read in Rome: the clock goes from
    // 02:00 CET to 03:00 CEST, the first instant after the jump.
    QCOMPARE(parseWhen("2027-03-28T02:30", Instant{}, rome), utc("2027-03-28T01:00Z"));
    // 02:30 of 31 October 2027 is read twice: the first time, in CEST.
    QCOMPARE(parseWhen("2027-10-31T02:30", Instant{}, rome), utc("2027-10-31T00:30Z"));
    QCOMPARE(rome.abbreviation(utc("2027-10-31T00:30Z")), std::string("CEST"));
    QCOMPARE(rome.abbreviation(utc("2027-10-31T01:30Z")), std::string("CET"));
    QCOMPARE(Zone().name(), std::string("UTC"));
    QVERIFY(!Zone::named("Europe/Atlantis"));
    QVERIFY(!Zone::named(""));
}

void TestSky::anEventBelongsToTheDayOfItsMinute()
{
    // The first quarter of 2027 November 6 at 07:59:54 UT (USNO: 07:59 to
    // the minute, ours to the second; see the phases above) is 23:59:54 of
    // the 5th in Anchorage, read 00:00 of the 6th: it is the 6th's.
    Place anchorage{"America/Anchorage", 61.22, -149.90, 0};
    anchorage.zone = "America/Anchorage";
    const MonthFacts november = monthFacts(2027, 11, anchorage);
    QCOMPARE(november.clock.name(), std::string("America/Anchorage"));
    const auto quarter = november.days[5].principal;
    QVERIFY(quarter && quarter->phase == Phase::FirstQuarter);
    QVERIFY2(abs(quarter->when - utc("2027-11-06T07:59:54Z")) < seconds(60), "the quarter moved");
    QVERIFY(quarter->when < november.clock.startOfDay(2027y / 11 / 6));
    QVERIFY(!november.days[4].principal);
    // Its month is the one of its minute: October's events end before it.
    const MonthFacts october = monthFacts(2027, 10, anchorage);
    for (const MonthEvent& event : october.events)
        QVERIFY(event.when < quarter->when);
    QCOMPARE(nearestMinute(utc("2027-11-06T07:59:30Z")), utc("2027-11-06T08:00Z"));
    QCOMPARE(nearestMinute(utc("2027-11-06T07:59:29Z")), utc("2027-11-06T07:59Z"));
}

void TestSky::rootsAndMinimaAreFound_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("mostLooks");

    // Wallis's x^3 - 2x - 5, the classic test of root finders; a step,
    // where only the bracket can be trusted; a parabola's and a cosine's
    // least; and a cosine's root. Each in far fewer looks than bisection
    // (about 35 for these spans and tolerances).
    QTest::newRow("Wallis's cubic") << 0 << 2.0945514815423265 << 12;
    QTest::newRow("a step at 0.3") << 1 << 0.3 << 60;
    QTest::newRow("cosine's root") << 2 << M_PI / 2 << 10;
    QTest::newRow("parabola's least") << 3 << 1.0 << 12;
    QTest::newRow("cosine's least") << 4 << M_PI << 20;
}

void TestSky::rootsAndMinimaAreFound()
{
    QFETCH(int, which);
    QFETCH(double, expected);
    QFETCH(int, mostLooks);

    int looks = 0;
    const auto counted = [&looks](auto f) {
        return [&looks, f](double x) {
            ++looks;
            return f(x);
        };
    };
    constexpr double tolerance = 1e-9;
    double found = 0;
    switch (which) {
    case 0: {
        const auto f = counted([](double x) { return x * x * x - 2 * x - 5; });
        found = numerics::root(f, 2, -1, 3, 16, tolerance);
        break;
    }
    case 1: {
        const auto f = counted([](double x) { return x < 0.3 ? -1.0 : 1.0; });
        found = numerics::root(f, 0, -1, 1, 1, tolerance);
        break;
    }
    case 2: {
        const auto f = counted([](double x) { return std::cos(x); });
        found = numerics::root(f, 0, 1, 3, std::cos(3.0), tolerance);
        break;
    }
    case 3:
        found = numerics::minimum(counted([](double x) { return (x - 1) * (x - 1) + 3; }), -4, 5, 1e-7);
        break;
    case 4:
        found = numerics::minimum(counted([](double x) { return std::cos(x); }), 2, 4, 1e-7);
        break;
    }
    // A least is known no closer than the square root of the doubles'
    // precision allows: its values there differ by less than they hold.
    QVERIFY2(std::abs(found - expected) <= (which >= 3 ? 1e-7 : tolerance), qPrintable(QString::number(found, 'g', 17)));
    QVERIFY2(looks <= mostLooks, qPrintable(QString("%1 looks").arg(looks)));
}

// Every sign change of the sine from 0.1 to 10, in steps of half a unit,
// each bracketed once and in order; and none once asked to stop.
void TestSky::aScanHandsOverEveryCrossing()
{
    std::vector<double> crossings;
    const auto sine = [](double x) { return std::sin(x); };
    numerics::scan(sine, 0.1, 10, 0.5, [&](double a, double fa, double b, double fb) {
        crossings.push_back(numerics::root(sine, a, fa, b, fb, 1e-12));
        return true;
    });
    QCOMPARE(crossings.size(), std::size_t(3));
    for (std::size_t i = 0; i < crossings.size(); ++i)
        QVERIFY(std::abs(crossings[i] - double(i + 1) * M_PI) < 1e-11);
    int handed = 0;
    numerics::scan(sine, 0.1, 10, 0.5, [&](double, double, double, double) { return ++handed < 1; });
    QCOMPARE(handed, 1);
}

QTEST_APPLESS_MAIN(TestSky)
#include "tst_sky.moc"
