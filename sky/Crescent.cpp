// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The new crescent's evenings from a place, and the world's on one evening.

#include "Crescent.h"

#include "Numerics.h"
#include "ObserverFrame.h"

#include <thread>

namespace luna::sky {

using namespace detail;

double yallopQ(double arcv, double w)
{
    return (arcv - (11.8371 - 6.3226 * w + 0.7319 * w * w - 0.1018 * w * w * w)) / 10;
}

double odehV(double arcv, double w)
{
    return arcv - (-0.1018 * w * w * w + 0.7319 * w * w - 6.3226 * w + 7.1651);
}

YallopZone yallopZone(double q)
{
    if (q > 0.216)
        return YallopZone::A;
    if (q > -0.014)
        return YallopZone::B;
    if (q > -0.160)
        return YallopZone::C;
    if (q > -0.232)
        return YallopZone::D;
    if (q > -0.293)
        return YallopZone::E;
    return YallopZone::F;
}

OdehZone odehZone(double v)
{
    if (v >= 5.65)
        return OdehZone::A;
    if (v >= 2.00)
        return OdehZone::B;
    if (v >= -0.96)
        return OdehZone::C;
    return OdehZone::D;
}

std::optional<std::chrono::year_month_day> Crescent::firstVisibleEvening() const
{
    for (const CrescentEvening& evening : evenings)
        if (evening.yallop == YallopZone::A || evening.yallop == YallopZone::B)
            return evening.date;
    return std::nullopt;
}

namespace {

constexpr Seconds hour = 3600;
// How far from sunset the Moon's setting is looked for, and by what steps:
// within a few days of new moon it sets within a few hours of the Sun.
constexpr Seconds moonsetReach = 12 * hour;
constexpr Seconds moonsetStep = 1200;

// The Moon and the Sun over a day or two, and the frame of its middle.
struct Span {
    Span(Seconds from, Seconds to)
        : frame((from + to) / 2)
        , moon(from, to, frame)
        , sun(from, to, frame)
    {
    }

    Frame frame;
    MoonPath moon;
    SunPath sun;
};

struct Angles {
    double altitude, azimuth; // radians
};

Angles anglesOf(const double (&v)[3], const Observer& observer)
{
    const double distance = std::sqrt(dot(v, v));
    return {std::asin(dot(observer.up, v) / distance), std::atan2(dot(observer.east, v), dot(observer.north, v))};
}

double separation(const double (&a)[3], const double (&b)[3])
{
    double cross[3];
    eraPxp(const_cast<double*>(a), const_cast<double*>(b), cross);
    return std::atan2(std::sqrt(dot(cross, cross)), dot(a, b));
}

// ARCV, DAZ and ARCL (degrees) of a Moon and a Sun over a place's horizon.
void arcs(const double (&moon)[3], const double (&sun)[3], const Observer& observer, double& arcl, double& arcv,
          double& daz)
{
    const Angles m = anglesOf(moon, observer), s = anglesOf(sun, observer);
    arcl = degrees(separation(moon, sun));
    arcv = degrees(m.altitude - s.altitude);
    daz = degrees(eraAnpm(s.azimuth - m.azimuth));
}

CrescentGeometry geometryAt(Seconds t, const Frame& frame, const Observer& observer, const MoonPath* moonPath,
                            const SunPath* sunPath)
{
    const Sighting s = sight(t, frame, observer, moonPath);
    double sun[3];
    sunFromPlace(t, frame, observer, sunPath, sun);
    // From the Earth's centre, over the place's horizon.
    double moonGeocentric[3], sunGeocentric[3];
    for (int i = 0; i < 3; ++i) {
        moonGeocentric[i] = s.topocentric[i] + observer.position[i];
        sunGeocentric[i] = sun[i] + observer.position[i];
    }
    CrescentGeometry g;
    arcs(moonGeocentric, sunGeocentric, observer, g.arcl, g.arcv, g.daz);
    arcs(s.topocentric, sun, observer, g.arclTopocentric, g.arcvTopocentric, g.dazTopocentric);
    const double sd = degrees(semidiameter(s)) * 60;
    g.width = sd * (1 - std::cos(g.arcl * ERFA_DD2R));
    g.widthTopocentric = sd * (1 - std::cos(g.arclTopocentric * ERFA_DD2R));
    double az = 0, alt = 0;
    observed(s, observer, az, alt);
    g.moonAltitude = degrees(alt);
    g.moonAzimuth = fullTurn(degrees(az));
    return g;
}

// An evening's facts, with the instants as seconds.
struct Evening {
    EveningSky sky = EveningSky::NoSunset;
    std::optional<Seconds> sunset, moonset, best;
    std::optional<CrescentGeometry> geometry;
};

// The sunset within [from, to], scanned by `step`; the Moon's setting
// nearest it; the geometry at the best time.
Evening evening(const Span& span, const Observer& seaLevel, const Observer& observer, Seconds from, Seconds to,
                Seconds step)
{
    Evening e;
    const auto sunLimb = [&](Seconds t) {
        const auto [altitude, semidiameter] = sunSight(t, span.frame, seaLevel, &span.sun);
        return altitude + semidiameter + constants::horizonRefraction;
    };
    numerics::scan(sunLimb, from, to, step, [&](Seconds a, double fa, Seconds b, double fb) {
        if (fa <= 0)
            return true;
        e.sunset = numerics::root(sunLimb, a, fa, b, fb, timeTolerance);
        return false;
    });
    if (!e.sunset)
        return e;
    const Seconds sunset = *e.sunset;
    const auto moonLimb = [&](Seconds t) {
        return limbOverHorizon(sight(t, span.frame, seaLevel, &span.moon), seaLevel);
    };
    const double atSunset = moonLimb(sunset);
    if (atSunset > 0) {
        numerics::scan(moonLimb, sunset, sunset + moonsetReach, moonsetStep, [&](Seconds a, double fa, Seconds b, double fb) {
            e.moonset = numerics::root(moonLimb, a, fa, b, fb, timeTolerance);
            return false;
        });
        if (!e.moonset) {
            e.sky = EveningSky::NoMoonset;
            return e;
        }
    } else {
        double fb = atSunset;
        for (Seconds b = sunset; b > sunset - moonsetReach; b -= moonsetStep) {
            const Seconds a = b - moonsetStep;
            const double fa = moonLimb(a);
            if (fa > 0) {
                e.moonset = numerics::root(moonLimb, a, fa, b, fb, timeTolerance);
                break;
            }
            fb = fa;
        }
        e.sky = EveningSky::MoonSetsFirst;
        return e;
    }
    e.sky = EveningSky::Crescent;
    e.best = sunset + (*e.moonset - sunset) * 4 / 9;
    e.geometry = geometryAt(*e.best, span.frame, observer, &span.moon, &span.sun);
    return e;
}

// Both criteria's values and zones at the best time; F and D where the
// Moon sets first.
template<typename Judged>
void judge(const Evening& e, Judged& out)
{
    if (e.geometry) {
        out.q = yallopQ(e.geometry->arcv, e.geometry->width);
        out.v = odehV(e.geometry->arcvTopocentric, e.geometry->widthTopocentric);
        out.yallop = yallopZone(*out.q);
        out.odeh = odehZone(*out.v);
    } else if (e.sky == EveningSky::MoonSetsFirst) {
        out.yallop = YallopZone::F;
        out.odeh = OdehZone::D;
    }
}

} // namespace

CrescentGeometry crescentAt(Instant when, const Place& place)
{
    requireSupported(when);
    const Seconds t = toSeconds(when);
    return geometryAt(t, Frame(t), Observer(place, place.height), nullptr, nullptr);
}

Crescent crescentAfter(Instant newMoon, const Place& place)
{
    requireNearSupported(newMoon);
    const Zone clock = place.clock();
    const Observer seaLevel(place, 0), observer(place, place.height);
    Crescent crescent{newMoon, {}};
    const std::chrono::sys_days first{clock.day(newMoon)};
    for (int i = 0; i < crescentEvenings; ++i) {
        const std::chrono::year_month_day date{first + std::chrono::days(i)};
        const DaySpan day = daySpan(clock, date);
        requireNearSupported(day.to);
        const Seconds from = toSeconds(day.from), to = toSeconds(day.to);
        const Span span(from - moonsetReach, to + moonsetReach);
        const Evening e = evening(span, seaLevel, observer, from, to, dayStep);

        CrescentEvening out;
        out.date = date;
        out.sky = e.sky;
        if (e.sunset)
            out.sunset = toInstant(*e.sunset);
        if (e.moonset) {
            out.moonset = toInstant(*e.moonset);
            out.lagMinutes = (*e.moonset - *e.sunset) / 60;
        }
        if (e.best) {
            out.bestTime = toInstant(*e.best);
            out.ageHours = (*e.best - toSeconds(newMoon)) / hour;
            out.geometry = e.geometry;
        }
        judge(e, out);
        crescent.evenings.push_back(out);
        if (out.yallop == YallopZone::A)
            break;
    }
    return crescent;
}

namespace {

// The first new moon after `when`: four phases in a row hold one.
Instant newMoonAfter(Instant when)
{
    for (const PhaseEvent& event : nextPhases(when))
        if (event.phase == Phase::New)
            return event.when;
    return when;
}

} // namespace

std::vector<Crescent> nextCrescents(Instant from, const Place& place, int count)
{
    const Instant end{std::chrono::sys_days(std::chrono::year(lastYear + 1) / 1 / 1)};
    std::vector<Crescent> crescents;
    for (Instant after = newMoonAfter(from); int(crescents.size()) < count && after < end; after = newMoonAfter(after))
        crescents.push_back(crescentAfter(after, place));
    return crescents;
}

Crescent comingCrescent(Instant when, const Place& place)
{
    Crescent crescent = crescentAfter(previousNewMoon(when), place);
    const auto last = crescent.firstVisibleEvening().value_or(crescent.evenings.back().date);
    if (last >= place.clock().day(when))
        return crescent;
    // Past the end of 2100 too, as the next phases reach.
    return crescentAfter(newMoonAfter(when), place);
}

CrescentMap crescentMap(std::chrono::year_month_day date, double step)
{
    using namespace std::chrono;
    const Instant midnight{sys_days(date)};
    const Instant noon = midnight + hours(12);
    requireSupported(noon);
    CrescentMap map;
    map.date = date;
    map.step = step;
    const Instant previous = previousNewMoon(noon);
    Instant next = previous;
    for (const PhaseEvent& event : nextPhases(noon))
        if (event.phase == Phase::New) {
            next = event.when;
            break;
        }
    map.conjunction = noon - previous <= next - noon ? previous : next;

    map.rows = int(std::lround(2 * mapLatitude / step)) + 1;
    map.columns = int(std::lround(360 / step)) + 1;
    map.points.resize(std::size_t(map.rows) * std::size_t(map.columns));
    // Each point's evening runs from its local mean noon to its midnight:
    // from 00:00 UT on the date (180 E) to 12:00 UT the next day (180 W),
    // and the Moon's setting up to twelve hours past that.
    const Seconds start = toSeconds(midnight);
    const Span span(start - moonsetReach, start + 36 * hour + moonsetReach);
    const auto row = [&](int r) {
        for (int c = 0; c < map.columns; ++c) {
            CrescentPoint& point = map.points[std::size_t(r) * std::size_t(map.columns) + std::size_t(c)];
            point.latitude = mapLatitude - r * step;
            point.longitude = -180 + c * step;
            Place place;
            place.latitude = point.latitude;
            place.longitude = point.longitude;
            const Observer observer(place, 0);
            const Seconds noonHere = start + 12 * hour - point.longitude / 15 * hour;
            const Evening e = evening(span, observer, observer, noonHere, noonHere + 12 * hour, 12 * hour);
            point.sky = e.sky;
            judge(e, point);
        }
    };
    // Two threads, a row about.
    std::thread other([&] {
        for (int r = 1; r < map.rows; r += 2)
            row(r);
    });
    for (int r = 0; r < map.rows; r += 2)
        row(r);
    other.join();
    return map;
}

} // namespace luna::sky
