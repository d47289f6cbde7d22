// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Topocentric.h"

#include "Eclipses.h"
#include "Ephemeris.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <ctime>
#include <functional>

namespace luna::sky {

namespace {

using namespace detail;

constexpr double auKm = ERFA_DAU / 1000;
// The Sun's radius (IAU 2015 nominal), in au.
constexpr double sunRadiusAu = 695700.0 / auKm;
// The almanacs' refraction at the horizon.
constexpr double horizonRefraction = 34.0 / 60 * ERFA_DD2R;
// How often the day is looked at for a rise, a set or a transit: the Moon's
// altitude changes by at most a few degrees meanwhile.
constexpr Seconds dayStep = 900;

double dot(const double (&a)[3], const double (&b)[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

double degrees(double radians)
{
    return radians * ERFA_DR2D;
}

double fullTurn(double degrees)
{
    const double d = std::fmod(degrees, 360);
    return d < 0 ? d + 360 : d;
}

// A place as ERFA takes it: in radians, its position in the terrestrial
// frame (au) and its local east, north and up.
struct Observer {
    Observer(const Place& place, double height)
        : latitude(place.latitude * ERFA_DD2R)
        , longitude(place.longitude * ERFA_DD2R)
        , height(height)
    {
        double metres[3];
        eraGd2gc(ERFA_WGS84, longitude, latitude, height, metres);
        for (int i = 0; i < 3; ++i)
            position[i] = metres[i] / ERFA_DAU;
        const double sp = std::sin(latitude), cp = std::cos(latitude);
        const double sl = std::sin(longitude), cl = std::cos(longitude);
        east[0] = -sl, east[1] = cl, east[2] = 0;
        north[0] = -sp * cl, north[1] = -sp * sl, north[2] = cp;
        up[0] = cp * cl, up[1] = cp * sl, up[2] = sp;
    }

    double latitude, longitude, height;
    double position[3];
    double east[3], north[3], up[3];
};

// What changes slowly over a day: the celestial-to-intermediate matrix
// (precession and nutation), TT - clock and UT1 - clock.
struct Frame {
    explicit Frame(Seconds around)
        : ttOffset(terrestrialOffset(around))
        , ut1Offset(rotationOffset(around))
    {
        double tt1 = 0, tt2 = 0;
        terrestrialTime(around, tt1, tt2);
        eraC2i06a(tt1, tt2, rc2i);
    }

    // ERFA takes its matrices by non-const pointer.
    mutable double rc2i[3][3];
    double ttOffset;
    double ut1Offset;
};

// The Moon from the Earth's centre (intermediate frame) and from the place
// (terrestrial frame), in au, with the Earth's rotation angle.
struct Sighting {
    double geocentric[3];
    double topocentric[3];
    double era;
    double tt1, tt2;

    double distance() const { return std::sqrt(dot(topocentric, topocentric)); }
};

// A geocentric GCRS position (au) in the intermediate frame, and as seen
// from the place in the terrestrial frame, at UT1 ut1 + ut2. Returns the
// Earth's rotation angle.
double fromPlace(double (&gcrs)[3], double ut1, double ut2, const Frame& frame, const Observer& observer,
                 double (&intermediate)[3], double (&topocentric)[3])
{
    eraRxp(frame.rc2i, gcrs, intermediate);
    const double era = eraEra00(ut1, ut2);
    double spin[3][3];
    eraIr(spin);
    eraRz(era, spin);
    eraRxp(spin, intermediate, topocentric);
    for (int i = 0; i < 3; ++i)
        topocentric[i] -= observer.position[i];
    return era;
}

// A body's geocentric path over a day or two, from ERFA at evenly spaced
// nodes (two hours apart for the Moon, a day for the Sun), between them by
// the cubic through the four nearest: their paths bend so slowly that this
// keeps within tens of metres for the Moon and a kilometre for the Sun,
// while each rise, set and twilight looks at them a hundred times.
class Path {
public:
    using Source = void (*)(double tt1, double tt2, double (&position)[3]);

    Path(Source source, Seconds step, Seconds from, Seconds to, const Frame& frame)
        : step_(step)
        , first_(from - step)
    {
        const int count = int(std::ceil((to - first_) / step)) + 3;
        nodes_.resize(std::size_t(count));
        for (int i = 0; i < count; ++i) {
            double tt1 = 0, tt2 = 0;
            clockDate(first_ + i * step, tt1, tt2);
            double position[3];
            source(tt1, tt2 + frame.ttOffset, position);
            std::copy(position, position + 3, nodes_[std::size_t(i)].begin());
        }
    }

    void at(Seconds when, double (&position)[3]) const
    {
        const double x = (when - first_) / step_;
        const int last = int(nodes_.size()) - 1;
        const int k = std::clamp(int(std::floor(x)), 1, last - 2);
        const double t = x - k;
        // Lagrange's weights for the nodes at -1, 0, 1 and 2.
        const double w[4] = {-t * (t - 1) * (t - 2) / 6, (t + 1) * (t - 1) * (t - 2) / 2,
                             -(t + 1) * t * (t - 2) / 2, (t + 1) * t * (t - 1) / 6};
        const auto first = std::size_t(k - 1);
        for (std::size_t c = 0; c < 3; ++c) {
            position[c] = 0;
            for (std::size_t j = 0; j < 4; ++j)
                position[c] += w[j] * nodes_[first + j][c];
        }
    }

private:
    Seconds step_;
    Seconds first_;
    std::vector<std::array<double, 3>> nodes_;
};

void moonPosition(double tt1, double tt2, double (&position)[3])
{
    double pv[2][3];
    moonAt(tt1, tt2, pv);
    std::copy(pv[0], pv[0] + 3, position);
}

struct MoonPath : Path {
    MoonPath(Seconds from, Seconds to, const Frame& frame)
        : Path(moonPosition, 7200, from, to, frame)
    {
    }
};

struct SunPath : Path {
    SunPath(Seconds from, Seconds to, const Frame& frame)
        : Path(sunAt, 86400, from, to, frame)
    {
    }
};

Sighting sight(Seconds when, const Frame& frame, const Observer& observer, const MoonPath* path = nullptr)
{
    Sighting s{};
    double ut1 = 0, ut2 = 0;
    clockDate(when, ut1, ut2);
    s.tt1 = ut1;
    s.tt2 = ut2 + frame.ttOffset;
    ut2 += frame.ut1Offset;
    double position[3];
    if (path) {
        path->at(when, position);
    } else {
        double pv[2][3];
        moonAt(s.tt1, s.tt2, pv);
        std::copy(pv[0], pv[0] + 3, position);
    }
    s.era = fromPlace(position, ut1, ut2, frame, observer, s.geocentric, s.topocentric);
    return s;
}

// Unrefracted altitude of the Moon's centre, in radians.
double geometricAltitude(const Sighting& s, const Observer& observer)
{
    return std::asin(dot(observer.up, s.topocentric) / s.distance());
}

double azimuth(const Sighting& s, const Observer& observer)
{
    return std::atan2(dot(observer.east, s.topocentric), dot(observer.north, s.topocentric));
}

// The local hour angle of the Moon, in (-pi, pi], west positive.
double hourAngle(const Sighting& s, const Observer& observer)
{
    return eraAnpm(observer.longitude - std::atan2(s.topocentric[1], s.topocentric[0]));
}

double semidiameter(const Sighting& s)
{
    return std::asin(moonRadiusKm / (s.distance() * auKm));
}

// The upper limb's altitude over the almanacs' horizon: zero at rise and set.
double limbOverHorizon(const Sighting& s, const Observer& observer)
{
    return geometricAltitude(s, observer) + semidiameter(s) + horizonRefraction;
}

// Refraction for a true altitude, in radians: Saemundsson's formula
// (Meeus, Astronomical Algorithms, 16.4), for 1010 hPa and 10 degrees C,
// which holds down to the horizon, where ERFA's model (fit for zenith
// distances up to about 75 degrees) gives half of what the almanacs take.
// Below a degree under the horizon it stays at its value there.
double refraction(double trueAltitude)
{
    const double h = std::max(degrees(trueAltitude), -1.0);
    const double arcminutes = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * ERFA_DD2R) + 0.0019279;
    return arcminutes / 60 * ERFA_DD2R;
}

// Observed azimuth and altitude (radians) of the Moon's centre: seen from
// the place, the altitude refracted.
void observed(const Sighting& s, const Observer& observer, double& az, double& alt)
{
    const double geometric = geometricAltitude(s, observer);
    alt = geometric + refraction(geometric);
    az = azimuth(s, observer);
    if (az < 0)
        az += 2 * ERFA_DPI;
}

// Where f crosses zero between a and b (f(a) and f(b) of opposite signs), to
// within a second: the Illinois variant of the false position.
Seconds crossing(const std::function<double(Seconds)>& f, Seconds a, double fa, Seconds b, double fb)
{
    int side = 0;
    for (int step = 0; step < 40 && b - a > 1; ++step) {
        const Seconds c = (a * fb - b * fa) / (fb - fa);
        const double fc = f(c);
        if ((fc > 0) == (fb > 0)) {
            b = c;
            fb = fc;
            if (side == -1)
                fa /= 2;
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1)
                fb /= 2;
            side = 1;
        }
    }
    return (a + b) / 2;
}

// The sign of r.v, the rate of change of the Moon's distance.
double receding(Seconds when)
{
    double tt1 = 0, tt2 = 0;
    terrestrialTime(when, tt1, tt2);
    double pv[2][3];
    moonAt(tt1, tt2, pv);
    return eraPdp(pv[0], pv[1]);
}

double distanceKmAt(Seconds when)
{
    double tt1 = 0, tt2 = 0;
    terrestrialTime(when, tt1, tt2);
    double pv[2][3];
    moonAt(tt1, tt2, pv);
    return eraPm(pv[0]) * auKm;
}

enum class Turn { Perigee, Apogee };

// The Sun's geometric altitude (radians) from a place, and its
// semidiameter.
std::pair<double, double> sunSight(Seconds when, const Frame& frame, const Observer& observer,
                                   const SunPath* path = nullptr)
{
    double ut1 = 0, ut2 = 0;
    clockDate(when, ut1, ut2);
    double position[3];
    if (path)
        path->at(when, position);
    else
        sunAt(ut1, ut2 + frame.ttOffset, position);
    double intermediate[3], terrestrial[3];
    fromPlace(position, ut1, ut2 + frame.ut1Offset, frame, observer, intermediate, terrestrial);
    const double distance = std::sqrt(dot(terrestrial, terrestrial));
    return {std::asin(dot(observer.up, terrestrial) / distance), sunRadiusAu / distance};
}

Apsis nextApsis(Instant when, Turn turn)
{
    requireNearSupported(when);
    constexpr Seconds step = 6 * 3600;
    Seconds a = toSeconds(when);
    double fa = receding(a);
    // An anomalistic month is 27.55 days; one always lies within 28.
    for (Seconds b = a + step; b < toSeconds(when) + 29 * 86400; a = b, b += step) {
        const double fb = receding(b);
        const bool found = turn == Turn::Perigee ? fa < 0 && fb >= 0 : fa > 0 && fb <= 0;
        if (found) {
            const Seconds t = crossing(receding, a, fa, b, fb);
            return {toInstant(t), distanceKmAt(t)};
        }
        fa = fb;
    }
    return {when, distanceKmAt(toSeconds(when))};
}

// The discs of the Moon and the Sun from a place at one instant, in
// radians: the separation of their centres, their semidiameters (the
// Moon's with the canon's two radii) and the Sun's geometric altitude.
struct Discs {
    double separation = 0;
    double sun = 0, moon = 0, moonUmbra = 0;
    double sunAltitude = 0;

    // Below zero while the discs overlap, and while one lies within the other.
    double partial() const { return separation - sun - moon; }
    double central() const { return separation - std::abs(sun - moonUmbra); }
};

// The area two discs of radii r and s, d apart, share.
double sharedArea(double r, double s, double d)
{
    if (d >= r + s)
        return 0;
    if (d <= std::abs(r - s))
        return ERFA_DPI * std::min(r, s) * std::min(r, s);
    const double a = std::acos(std::clamp((d * d + r * r - s * s) / (2 * d * r), -1.0, 1.0));
    const double b = std::acos(std::clamp((d * d + s * s - r * r) / (2 * d * s), -1.0, 1.0));
    return r * r * (a - std::sin(2 * a) / 2) + s * s * (b - std::sin(2 * b) / 2);
}

} // namespace

LocalEclipse localCircumstances(const Eclipse& solar, const Place& place)
{
    requireNearSupported(solar.greatest);
    if (solar.kind != EclipseKind::Solar)
        return {};
    // The penumbra takes less than seven hours to cross the Earth.
    constexpr Seconds reach = 4 * 3600;
    constexpr Seconds coarse = 300;
    const Seconds greatest = toSeconds(solar.greatest);
    const Frame frame(greatest);
    const Observer observer(place, place.height);
    const MoonPath moonPath(greatest - reach, greatest + reach, frame);
    const SunPath sunPath(greatest - reach, greatest + reach, frame);
    const double sunRadiusAu = std::tan(sunSemidiameterAtAu);
    const auto discs = [&](Seconds when) {
        double ut1 = 0, ut2 = 0;
        clockDate(when, ut1, ut2);
        ut2 += frame.ut1Offset;
        double moon[3], sun[3], intermediate[3], fromMoon[3], fromSun[3];
        moonPath.at(when, moon);
        sunPath.at(when, sun);
        fromPlace(moon, ut1, ut2, frame, observer, intermediate, fromMoon);
        fromPlace(sun, ut1, ut2, frame, observer, intermediate, fromSun);
        double across[3];
        eraPxp(fromMoon, fromSun, across);
        const double moonDistance = eraPm(fromMoon) * auKm, sunDistance = eraPm(fromSun);
        Discs d;
        d.separation = std::atan2(eraPm(across), eraPdp(fromMoon, fromSun));
        d.sun = std::asin(sunRadiusAu / sunDistance);
        d.moon = std::asin(moonRatio * earthRadiusKm / moonDistance);
        d.moonUmbra = std::asin(moonUmbraRatio * earthRadiusKm / moonDistance);
        d.sunAltitude = std::asin(dot(observer.up, fromSun) / sunDistance);
        return d;
    };
    const auto observedAltitude = [](const Discs& d) { return degrees(d.sunAltitude + refraction(d.sunAltitude)); };

    // Where the centres come nearest: the least of a coarse look, then to
    // the second.
    Seconds nearest = greatest - reach;
    double closest = discs(nearest).separation;
    for (Seconds t = nearest + coarse; t <= greatest + reach; t += coarse)
        if (const double separation = discs(t).separation; separation < closest) {
            closest = separation;
            nearest = t;
        }
    nearest = least([&](Seconds t) { return discs(t).separation; }, nearest - coarse, nearest + coarse);
    const Discs middle = discs(nearest);
    if (middle.partial() >= 0)
        return {};

    // Where an edge is crossed on either side of the middle, stepping out
    // until it is.
    const auto edges = [&](double (Discs::*edge)() const, Seconds step, Seconds within) {
        const auto f = [&](Seconds t) { return (discs(t).*edge)(); };
        std::pair<Seconds, Seconds> found{nearest, nearest};
        for (const int side : {-1, 1}) {
            Seconds a = nearest;
            double fa = (middle.*edge)();
            for (Seconds b = nearest + side * step; std::abs(b - nearest) <= within + step; b += side * step) {
                const double fb = f(b);
                if (fb >= 0) {
                    if (side < 0)
                        found.first = crossing(f, b, fb, a, fa);
                    else
                        found.second = crossing(f, a, fa, b, fb);
                    break;
                }
                a = b;
                fa = fb;
            }
        }
        return found;
    };

    LocalEclipse local;
    const auto set = [&](LocalContact which, Seconds when) {
        local.contacts[std::size_t(which)] = toInstant(when);
        local.sunAltitude[std::size_t(which)] = observedAltitude(discs(when));
    };
    const auto [c1, c4] = edges(&Discs::partial, coarse, 2 * reach);
    set(LocalContact::C1, c1);
    set(LocalContact::Greatest, nearest);
    set(LocalContact::C4, c4);
    local.obscuration = sharedArea(middle.sun, middle.moon, middle.separation) / (ERFA_DPI * middle.sun * middle.sun);
    if (middle.central() < 0) {
        // Totality and annularity last less than a quarter of an hour.
        const auto [c2, c3] = edges(&Discs::central, 30, 900);
        set(LocalContact::C2, c2);
        set(LocalContact::C3, c3);
        local.durationSeconds = c3 - c2;
        local.type = middle.moonUmbra > middle.sun ? LocalEclipse::Type::Total : LocalEclipse::Type::Annular;
        if (local.type == LocalEclipse::Type::Total)
            local.obscuration = 1;
    } else {
        local.type = LocalEclipse::Type::Partial;
    }
    local.magnitude = local.type == LocalEclipse::Type::Annular
        ? middle.moon / middle.sun
        : (middle.sun + middle.moon - middle.separation) / (2 * middle.sun);

    // Seen when the Sun is up at either end, or at some moment between.
    for (Seconds t = c1; t < c4 + coarse && !local.visible; t += coarse)
        local.visible = observedAltitude(discs(std::min(t, c4))) > 0;
    if (!local.visible)
        return {};
    return local;
}

MoonView moonView(Instant when, const Place& place)
{
    requireSupported(when);
    const Seconds t = toSeconds(when);
    const Observer observer(place, place.height);
    const Frame frame(t);
    const Sighting s = sight(t, frame, observer);

    MoonView view;
    double az = 0, alt = 0;
    observed(s, observer, az, alt);
    view.altitude = degrees(alt);
    view.azimuth = fullTurn(degrees(az));
    view.distanceKm = eraPm(const_cast<double*>(s.geocentric)) * auKm;
    view.diameterArcmin = degrees(2 * semidiameter(s)) * 60;

    // The bright limb, from the geocentric Moon and Sun (Meeus, chapter 48).
    double sun[3], sunIntermediate[3];
    sunAt(s.tt1, s.tt2, sun);
    eraRxp(frame.rc2i, sun, sunIntermediate);
    double ra = 0, dec = 0, ra0 = 0, dec0 = 0;
    eraC2s(const_cast<double*>(s.geocentric), &ra, &dec);
    eraC2s(sunIntermediate, &ra0, &dec0);
    const double chi = std::atan2(std::cos(dec0) * std::sin(ra0 - ra),
                                  std::sin(dec0) * std::cos(dec)
                                      - std::cos(dec0) * std::sin(dec) * std::cos(ra0 - ra));
    view.brightLimbAngle = fullTurn(degrees(chi));

    const double topocentricDec = std::asin(s.topocentric[2] / s.distance());
    view.parallacticAngle = degrees(eraHd2pa(hourAngle(s, observer), topocentricDec, observer.latitude));
    return view;
}

std::vector<double> moonAltitudes(const std::vector<Instant>& instants, const Place& place)
{
    std::vector<double> altitudes;
    if (instants.empty())
        return altitudes;
    requireNearSupported(instants.front());
    const Observer observer(place, place.height);
    const Frame frame(toSeconds(instants.front()));
    for (const Instant when : instants) {
        double az = 0, alt = 0;
        observed(sight(toSeconds(when), frame, observer), observer, az, alt);
        altitudes.push_back(degrees(alt));
    }
    return altitudes;
}

RiseSet riseTransitSet(Instant within, const Place& place)
{
    requireNearSupported(within);
    const DaySpan local = daySpanHolding(place.clock(), within);
    const Seconds start = toSeconds(local.from);
    const Seconds end = toSeconds(local.to);
    const Frame frame((start + end) / 2);
    // The almanacs' horizon is at sea level.
    const Observer seaLevel(place, 0);
    const Observer observer(place, place.height);
    const MoonPath path(start, end, frame);

    const auto limb = [&](Seconds t) { return limbOverHorizon(sight(t, frame, seaLevel, &path), seaLevel); };
    const auto meridian = [&](Seconds t) { return hourAngle(sight(t, frame, seaLevel, &path), seaLevel); };

    RiseSet day;
    bool everUp = false, everDown = false;
    Seconds a = start;
    Sighting sa = sight(a, frame, seaLevel, &path);
    double la = limbOverHorizon(sa, seaLevel), ha = hourAngle(sa, seaLevel);
    while (a < end) {
        const Seconds b = std::min(a + dayStep, end);
        const Sighting sb = sight(b, frame, seaLevel, &path);
        const double lb = limbOverHorizon(sb, seaLevel), hb = hourAngle(sb, seaLevel);
        (la > 0 ? everUp : everDown) = true;
        if (!day.rise && la <= 0 && lb > 0) {
            const Seconds t = crossing(limb, a, la, b, lb);
            day.rise = toInstant(t);
            day.riseAzimuth = fullTurn(degrees(azimuth(sight(t, frame, seaLevel, &path), seaLevel)));
        }
        if (!day.set && la > 0 && lb <= 0) {
            const Seconds t = crossing(limb, a, la, b, lb);
            day.set = toInstant(t);
            day.setAzimuth = fullTurn(degrees(azimuth(sight(t, frame, seaLevel, &path), seaLevel)));
        }
        // Upper culmination: the hour angle passes zero going west; at
        // lower culmination it jumps from +pi to -pi instead.
        if (!day.transit && ha < 0 && hb >= 0 && hb - ha < ERFA_DPI) {
            const Seconds t = crossing(meridian, a, ha, b, hb);
            day.transit = toInstant(t);
            double az = 0, alt = 0;
            observed(sight(t, frame, observer, &path), observer, az, alt);
            day.transitAltitude = degrees(alt);
        }
        a = b;
        la = lb;
        ha = hb;
    }
    (la > 0 ? everUp : everDown) = true;
    if (!day.rise && !day.set && everUp != everDown)
        day.allDay = everUp ? RiseSet::AllDay::Up : RiseSet::AllDay::Down;
    return day;
}

SunHours sunHours(Instant within, const Place& place)
{
    requireNearSupported(within);
    const DaySpan local = daySpanHolding(place.clock(), within);
    const Seconds start = toSeconds(local.from);
    const Seconds end = toSeconds(local.to);
    const Frame frame((start + end) / 2);
    const Observer seaLevel(place, 0);
    const SunPath path(start, end, frame);
    const auto sun = [&](Seconds when) { return sunSight(when, frame, seaLevel, &path); };
    // How far above its mark the Sun stands, for each kind of event.
    struct Mark {
        std::optional<Instant>& rising;
        std::optional<Instant>& setting;
        double centre; // radians: the centre's altitude at the event
        bool limb;     // the upper limb, refracted, instead of the centre
    };
    SunHours hours;
    const std::array marks{Mark{hours.sunrise, hours.sunset, -horizonRefraction, true},
                           Mark{hours.civilDawn, hours.civilDusk, -6 * ERFA_DD2R, false},
                           Mark{hours.nauticalDawn, hours.nauticalDusk, -12 * ERFA_DD2R, false},
                           Mark{hours.astronomicalDawn, hours.astronomicalDusk, -18 * ERFA_DD2R, false}};
    const auto over = [&](const Mark& mark, Seconds when) {
        const auto [altitude, semidiameter] = sun(when);
        return altitude + (mark.limb ? semidiameter : 0) - mark.centre;
    };
    Seconds a = start;
    auto sa = sun(a);
    while (a < end) {
        const Seconds b = std::min(a + dayStep, end);
        const auto sb = sun(b);
        for (const Mark& mark : marks) {
            const double fa = sa.first + (mark.limb ? sa.second : 0) - mark.centre;
            const double fb = sb.first + (mark.limb ? sb.second : 0) - mark.centre;
            const auto f = [&](Seconds t) { return over(mark, t); };
            if (!mark.rising && fa <= 0 && fb > 0)
                mark.rising = toInstant(crossing(f, a, fa, b, fb));
            if (!mark.setting && fa > 0 && fb <= 0)
                mark.setting = toInstant(crossing(f, a, fa, b, fb));
        }
        a = b;
        sa = sb;
    }
    return hours;
}

std::vector<Stretch> moonInDarkSky(Instant evening, const Place& place)
{
    requireNearSupported(evening);
    const Seconds midnight = toSeconds(daySpanHolding(place.clock(), evening).to + std::chrono::seconds(30));
    const Observer seaLevel(place, 0);
    const Frame frame(midnight);
    const double dark = -6 * ERFA_DD2R;
    // The night: from the evening's civil dusk to the next civil dawn; where
    // the Sun stays 6 degrees down all day, from noon to noon.
    const SunHours today = sunHours(evening, place);
    const SunHours tomorrow = sunHours(toInstant(midnight + 43200), place);
    const bool deepNight = sunSight(midnight, frame, seaLevel).first < dark;
    if (!deepNight && !today.civilDusk)
        return {};
    const Seconds from = today.civilDusk ? toSeconds(*today.civilDusk) : midnight - 43200;
    const Seconds to = tomorrow.civilDawn ? toSeconds(*tomorrow.civilDawn) : midnight + 43200;

    const MoonPath path(from, to, frame);
    const auto limb = [&](Seconds t) { return limbOverHorizon(sight(t, frame, seaLevel, &path), seaLevel); };
    std::vector<Stretch> stretches;
    Seconds a = from;
    double la = limb(a);
    bool up = la > 0;
    Seconds start = a;
    while (a < to) {
        const Seconds b = std::min(a + dayStep, to);
        const double lb = limb(b);
        if (la <= 0 && lb > 0) {
            start = crossing(limb, a, la, b, lb);
            up = true;
        }
        if (la > 0 && lb <= 0 && up) {
            stretches.push_back({toInstant(start), toInstant(crossing(limb, a, la, b, lb))});
            up = false;
        }
        a = b;
        la = lb;
    }
    if (up && start < to)
        stretches.push_back({toInstant(start), toInstant(to)});
    return stretches;
}

std::optional<Apsis> superMoonPerigee(Instant fullMoon)
{
    const Apsis perigee = nextPerigee(fullMoon - std::chrono::days(1));
    if (perigee.distanceKm < superMoonKm && std::chrono::abs(perigee.when - fullMoon) <= std::chrono::days(1))
        return perigee;
    return std::nullopt;
}

Apsis nextPerigee(Instant when)
{
    return nextApsis(when, Turn::Perigee);
}

Apsis nextApogee(Instant when)
{
    return nextApsis(when, Turn::Apogee);
}

} // namespace luna::sky
