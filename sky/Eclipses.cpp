// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Eclipses.h"

#include "Numerics.h"
#include "ObserverFrame.h"
#include "Topocentric.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace luna::sky {

namespace {

using namespace detail;
using namespace std::chrono;

using constants::auKm;
using constants::earthRadiusKm;
using constants::moonRatio;
using constants::moonUmbraRatio;
using constants::sunRadiusKm;
// Danjon's enlargement of the Earth's shadow: 1 + 1/85 - 1/594.
constexpr double danjon = 1.01;
// The Earth's flattening shrinks its outline seen along the shadow.
constexpr double flattenedLimb = 0.9972;
constexpr double hour = 3600;

// Meeus, Astronomical Algorithms, chapter 49: the mean new moon of lunation
// k (k + 0.5: the mean full moon) in Julian ephemeris days, and the Moon's
// argument of latitude then. Used only to pick out the syzygies near a node.
double meanSyzygy(double k)
{
    const double t = k / 1236.85;
    return 2451550.09766 + 29.530588861 * k + 0.00015437 * t * t - 0.000000150 * t * t * t;
}

double argumentOfLatitude(double k)
{
    const double t = k / 1236.85;
    return (160.7108 + 390.67050284 * k - 0.0016118 * t * t) * ERFA_DD2R;
}

Seconds secondsOfJulianDay(double jd)
{
    return (jd - 2440587.5) * 86400;
}

double lunationAt(Seconds when)
{
    return (when / 86400 + 2440587.5 - 2451550.09766) / 29.530588861;
}

Seconds endOfSupportedYears()
{
    return toSeconds(Instant{sys_days(year(lastYear + 1) / 1 / 1)});
}

double norm(const double (&a)[3])
{
    return std::sqrt(dot(a, a));
}

// The Moon and the Sun around one syzygy, in km: the Moon along its path
// (within 35 m of ERFA's, see ObserverFrame.h) for a day either side; the
// Sun from one position and velocity of ERFA's, carried on by its
// acceleration under the Sun's and the Moon's pull and the rate of change
// of the Sun's part.
class Neighbourhood {
public:
    explicit Neighbourhood(Seconds around)
        : around_(around)
        , frame_(around)
        , moon_(moonPosition, 4 * hour, around - 24 * hour, around + 24 * hour, frame_)
    {
        double tt1 = 0, tt2 = 0;
        clockDate(around, tt1, tt2);
        double heliocentric[2][3], barycentric[2][3];
        eraEpv00(tt1, tt2 + frame_.ttOffset, heliocentric, barycentric);
        double moon[3];
        moon_.at(around, moon);
        // The geocentric Sun s (au, days), its velocity, its acceleration
        // -GMs s/|s|^3 - GMm m/|m|^3 (the Earth falls towards both) and the
        // rate of change of the Sun's term.
        for (int i = 0; i < 3; ++i) {
            position_[i] = -heliocentric[0][i];
            velocity_[i] = -heliocentric[1][i];
        }
        const double r = norm(position_), m = norm(moon);
        const double sv = dot(position_, velocity_);
        for (int i = 0; i < 3; ++i) {
            acceleration_[i] = -gmSun * position_[i] / (r * r * r) - gmMoon * moon[i] / (m * m * m);
            jerk_[i] = -gmSun * (velocity_[i] / (r * r * r) - 3 * position_[i] * sv / (r * r * r * r * r));
        }
    }

    void at(Seconds when, double (&moon)[3], double (&sun)[3]) const
    {
        moon_.at(when, moon);
        const double t = (when - around_) / 86400;
        double position[3], velocity[3];
        for (int i = 0; i < 3; ++i) {
            position[i] = position_[i] + t * (velocity_[i] + t * (acceleration_[i] / 2 + t * jerk_[i] / 6));
            velocity[i] = velocity_[i] + t * (acceleration_[i] + t * jerk_[i] / 2);
        }
        // Displaced by the aberration of the Earth's motion (the Sun's
        // velocity reversed), as sunAt() does.
        const double distance = norm(position);
        for (int i = 0; i < 3; ++i) {
            moon[i] *= auKm;
            sun[i] = (position[i] - distance * velocity[i] * ERFA_AULT / ERFA_DAYSEC) * auKm;
        }
    }

private:
    // The Sun's and the Moon's gravitational parameters, in au^3/day^2:
    // Gauss's constant squared, and that over the Sun-Moon mass ratio
    // (IAU 2009 system: 332 946.0487 x 81.300568).
    static constexpr double gmSun = 0.01720209895 * 0.01720209895;
    static constexpr double gmMoon = gmSun / (332946.0487 * 81.300568);

    Seconds around_;
    Frame frame_;
    Path moon_;
    double position_[3], velocity_[3], acceleration_[3], jerk_[3];
};

// Where g, negative at `inside` and positive at `outside`, crosses zero.
template <class G>
Seconds boundary(G&& g, Seconds inside, Seconds outside)
{
    return numerics::root(g, inside, g(inside), outside, g(outside), timeTolerance);
}

// The Moon against the Earth's shadow at one instant; angles in radians.
struct LunarGeometry {
    double separation = 0; // of the Moon's centre from the shadow's axis
    double umbra = 0, penumbra = 0, moon = 0; // angular radii
    double gamma = 0;

    double umbralMagnitude() const { return (umbra + moon - separation) / (2 * moon); }
    double penumbralMagnitude() const { return (penumbra + moon - separation) / (2 * moon); }
};

LunarGeometry lunarGeometry(const double (&moon)[3], const double (&sun)[3])
{
    const double moonDistance = norm(moon), sunDistance = norm(sun);
    double axis[3];
    for (int i = 0; i < 3; ++i)
        axis[i] = -sun[i] / sunDistance;
    LunarGeometry g;
    const double along = dot(moon, axis);
    double across[3];
    for (int i = 0; i < 3; ++i)
        across[i] = moon[i] - along * axis[i];
    g.separation = std::atan2(norm(across), along);
    const double moonParallax = std::asin(earthRadiusKm / moonDistance);
    const double sunParallax = std::asin(earthRadiusKm / sunDistance);
    const double sunRadius = std::asin(sunRadiusKm / sunDistance);
    g.umbra = danjon * moonParallax + sunParallax - sunRadius;
    g.penumbra = danjon * moonParallax + sunParallax + sunRadius;
    g.moon = std::asin(moonRatio * earthRadiusKm / moonDistance);
    g.gamma = std::copysign(norm(across) / earthRadiusKm, across[2]);
    return g;
}

// The Moon's shadow against the Earth at one instant, in Earth radii.
struct SolarGeometry {
    double gamma = 0;        // the axis's least distance from the Earth's centre, signed
    double penumbra = 0;     // the penumbra's radius on the fundamental plane
    double umbra = 0;        // the umbra's there, positive where it has become the antumbra
    double moonToPlane = 0;  // km along the axis from the Moon to the plane
    double sunToMoon = 0;    // km
};

SolarGeometry solarGeometry(const double (&moon)[3], const double (&sun)[3])
{
    double axis[3];
    for (int i = 0; i < 3; ++i)
        axis[i] = moon[i] - sun[i];
    SolarGeometry g;
    g.sunToMoon = norm(axis);
    for (double& a : axis)
        a /= g.sunToMoon;
    g.moonToPlane = -dot(moon, axis);
    double nearest[3];
    for (int i = 0; i < 3; ++i)
        nearest[i] = moon[i] + g.moonToPlane * axis[i];
    g.gamma = std::copysign(norm(nearest) / earthRadiusKm, nearest[2]);
    const double f1 = std::asin((sunRadiusKm + moonRatio * earthRadiusKm) / g.sunToMoon);
    const double f2 = std::asin((sunRadiusKm - moonUmbraRatio * earthRadiusKm) / g.sunToMoon);
    g.penumbra = (g.moonToPlane * std::tan(f1) + moonRatio * earthRadiusKm / std::cos(f1)) / earthRadiusKm;
    g.umbra = (g.moonToPlane * std::tan(f2) - moonUmbraRatio * earthRadiusKm / std::cos(f2)) / earthRadiusKm;
    return g;
}

// How far greatest eclipse may lie from the mean syzygy.
constexpr Seconds window = 18 * hour;

std::optional<Eclipse> lunarEclipse(Seconds fullMoon)
{
    const Neighbourhood sky(fullMoon);
    const auto geometry = [&](Seconds t) {
        double moon[3], sun[3];
        sky.at(t, moon, sun);
        return lunarGeometry(moon, sun);
    };
    const Seconds greatest = numerics::minimum([&](Seconds t) { return geometry(t).separation; },
                                               fullMoon - window, fullMoon + window, timeTolerance);
    const LunarGeometry g = geometry(greatest);
    if (g.penumbralMagnitude() <= 0)
        return std::nullopt;

    Eclipse eclipse;
    eclipse.kind = EclipseKind::Lunar;
    eclipse.greatest = toInstant(greatest);
    eclipse.magnitude = g.umbralMagnitude();
    eclipse.penumbralMagnitude = g.penumbralMagnitude();
    eclipse.gamma = g.gamma;
    eclipse.type = eclipse.magnitude >= 1 ? EclipseType::Total
        : eclipse.magnitude > 0         ? EclipseType::Partial
                                        : EclipseType::Penumbral;

    // Each pair of contacts: where the Moon's limb, outer or inner, crosses
    // the edge of a shadow, before and after greatest eclipse.
    const auto pair = [&](Contact first, Contact second, auto edge) {
        const auto beyond = [&](Seconds t) { return edge(geometry(t)); };
        if (beyond(greatest) >= 0)
            return;
        eclipse.contacts[std::size_t(first)] = toInstant(boundary(beyond, greatest, greatest - 5 * hour));
        eclipse.contacts[std::size_t(second)] = toInstant(boundary(beyond, greatest, greatest + 5 * hour));
    };
    pair(Contact::P1, Contact::P4, [](const LunarGeometry& at) { return at.separation - at.penumbra - at.moon; });
    pair(Contact::U1, Contact::U4, [](const LunarGeometry& at) { return at.separation - at.umbra - at.moon; });
    pair(Contact::U2, Contact::U3, [](const LunarGeometry& at) { return at.separation - at.umbra + at.moon; });
    return eclipse;
}

std::optional<Eclipse> solarEclipse(Seconds newMoon)
{
    const Neighbourhood sky(newMoon);
    const auto geometry = [&](Seconds t) {
        double moon[3], sun[3];
        sky.at(t, moon, sun);
        return solarGeometry(moon, sun);
    };
    const Seconds greatest = numerics::minimum([&](Seconds t) { return std::abs(geometry(t).gamma); },
                                               newMoon - window, newMoon + window, timeTolerance);
    const SolarGeometry g = geometry(greatest);
    const double gamma = std::abs(g.gamma);
    if (gamma >= flattenedLimb + g.penumbra)
        return std::nullopt;

    Eclipse eclipse;
    eclipse.kind = EclipseKind::Solar;
    eclipse.greatest = toInstant(greatest);
    eclipse.gamma = g.gamma;
    // As Meeus classifies them (Astronomical Algorithms, chapter 54): central
    // when the axis meets the Earth, and then total, annular, or both along
    // the path when the umbra's vertex lies just beneath the surface.
    if (gamma < flattenedLimb) {
        if (g.umbra < 0)
            eclipse.type = EclipseType::Total;
        else if (g.umbra < 0.00464 * std::sqrt(1 - gamma * gamma))
            eclipse.type = EclipseType::Hybrid;
        else
            eclipse.type = EclipseType::Annular;
    } else if (gamma < flattenedLimb + std::abs(g.umbra)) {
        eclipse.type = g.umbra < 0 ? EclipseType::Total : EclipseType::Annular;
    } else {
        eclipse.type = EclipseType::Partial;
    }

    if (gamma >= flattenedLimb) {
        // Partial, or total or annular off the axis: the fraction of the
        // Sun's diameter covered where the Earth's limb comes nearest the
        // axis, the shadow's radii taken on the fundamental plane.
        eclipse.magnitude = (flattenedLimb + g.penumbra - gamma) / (g.penumbra + g.umbra);
    } else {
        // The Moon's and the Sun's apparent diameters from where the axis
        // meets the surface.
        const double depth = std::sqrt(1 - gamma * gamma) * earthRadiusKm;
        const double fromMoon = g.moonToPlane - depth;
        eclipse.magnitude
            = (moonUmbraRatio * earthRadiusKm / fromMoon) / (sunRadiusKm / (g.sunToMoon + fromMoon));
    }
    return eclipse;
}

bool wanted(EclipseKind kind, EclipseKinds kinds)
{
    return kinds == EclipseKinds::All || (kind == EclipseKind::Lunar) == (kinds == EclipseKinds::Lunar);
}

// Every eclipse near the syzygies from lunation `first` on, until `until`
// returns true for the eclipse (or the years end).
void search(double first, EclipseKinds kinds, const std::function<bool(const Eclipse&)>& take)
{
    const Seconds end = endOfSupportedYears();
    for (double k = first;; k += 0.5) {
        const bool full = k != std::floor(k);
        // The true syzygy lies within about 14 hours of the mean one.
        const Seconds guess = secondsOfJulianDay(meanSyzygy(k));
        if (guess > end + 2 * 86400)
            return;
        const EclipseKind kind = full ? EclipseKind::Lunar : EclipseKind::Solar;
        // Far from a node the Moon passes well clear of the shadows.
        if (!wanted(kind, kinds) || std::abs(std::sin(argumentOfLatitude(k))) > 0.36)
            continue;
        const auto eclipse = full ? lunarEclipse(guess) : solarEclipse(guess);
        if (!eclipse)
            continue;
        if (toSeconds(eclipse->greatest) >= end || take(*eclipse))
            return;
    }
}

} // namespace

std::vector<Eclipse> eclipsesBetween(Instant from, Instant to, EclipseKinds kinds)
{
    requireSupported(from);
    std::vector<Eclipse> found;
    search(std::floor(lunationAt(toSeconds(from))) - 1, kinds, [&](const Eclipse& eclipse) {
        if (eclipse.greatest >= to)
            return true;
        if (eclipse.greatest >= from)
            found.push_back(eclipse);
        return false;
    });
    return found;
}

std::vector<Eclipse> nextEclipses(Instant after, std::size_t count, EclipseKinds kinds)
{
    requireSupported(after);
    std::vector<Eclipse> found;
    if (count == 0)
        return found;
    search(std::floor(lunationAt(toSeconds(after))) - 1, kinds, [&](const Eclipse& eclipse) {
        if (eclipse.greatest > after)
            found.push_back(eclipse);
        return found.size() == count;
    });
    return found;
}

std::optional<Eclipse> nextEclipse(Instant after, EclipseKinds kinds)
{
    const auto found = nextEclipses(after, 1, kinds);
    if (found.empty())
        return std::nullopt;
    return found.front();
}

ShadowOnMoon shadowOnMoon(Instant when)
{
    requireNearSupported(when);
    double tt1 = 0, tt2 = 0;
    terrestrialTime(toSeconds(when), tt1, tt2);
    double pv[2][3], sunAu[3];
    moonAt(tt1, tt2, pv);
    sunAt(tt1, tt2, sunAu);
    double moon[3], sun[3];
    for (int i = 0; i < 3; ++i) {
        moon[i] = pv[0][i] * auKm;
        sun[i] = sunAu[i] * auKm;
    }
    const LunarGeometry g = lunarGeometry(moon, sun);

    // The axis's direction projected on the sky's plane at the Moon.
    double alpha = 0, delta = 0, distance = 0;
    eraP2s(moon, &alpha, &delta, &distance);
    const double east[3] = {-std::sin(alpha), std::cos(alpha), 0};
    const double north[3] = {-std::sin(delta) * std::cos(alpha), -std::sin(delta) * std::sin(alpha), std::cos(delta)};
    const double toward[3] = {std::cos(delta) * std::cos(alpha), std::cos(delta) * std::sin(alpha), std::sin(delta)};
    double axis[3];
    const double sunDistance = norm(sun);
    for (int i = 0; i < 3; ++i)
        axis[i] = -sun[i] / sunDistance;
    const double along = std::max(dot(axis, toward), 1e-6);
    ShadowOnMoon shadow;
    shadow.east = dot(axis, east) / along / std::tan(g.moon);
    shadow.north = dot(axis, north) / along / std::tan(g.moon);
    shadow.umbra = g.umbra / g.moon;
    shadow.penumbra = g.penumbra / g.moon;
    return shadow;
}

Visibility visibility(const Eclipse& lunar, const Place& place)
{
    Visibility seen;
    if (lunar.kind != EclipseKind::Lunar)
        return seen;
    const auto up = [&](Instant from, Instant to) {
        // Every 10 minutes, and both ends.
        std::vector<Instant> instants;
        for (Instant t = from; t < to; t += std::chrono::minutes(10))
            instants.push_back(t);
        instants.push_back(to);
        const std::vector<double> altitudes = moonAltitudes(instants, place);
        return std::any_of(altitudes.begin(), altitudes.end(), [](double a) { return a > 0; });
    };
    const auto at = [&](Contact c) { return *lunar.contact(c); };
    seen.atGreatest = moonAltitudes({lunar.greatest}, place).front() > 0;
    if (lunar.contact(Contact::U1)) {
        seen.penumbral = up(at(Contact::P1), at(Contact::U1)) || up(at(Contact::U4), at(Contact::P4));
        if (lunar.contact(Contact::U2)) {
            seen.partial = up(at(Contact::U1), at(Contact::U2)) || up(at(Contact::U3), at(Contact::U4));
            seen.total = up(at(Contact::U2), at(Contact::U3));
        } else {
            seen.partial = up(at(Contact::U1), at(Contact::U4));
        }
    } else if (lunar.contact(Contact::P1)) {
        seen.penumbral = up(at(Contact::P1), at(Contact::P4));
    }
    return seen;
}

} // namespace luna::sky
