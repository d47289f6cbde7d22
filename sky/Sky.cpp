// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sky.h"

#include "Ephemeris.h"
#include "Numerics.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace luna::sky {

namespace detail {

using namespace std::chrono;

void moonAt(double tt1, double tt2, double (&pv)[2][3])
{
    eraMoon98(tt1, tt2, pv);
}

void sunAt(double tt1, double tt2, double (&sun)[3])
{
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(tt1, tt2, heliocentric, barycentric);
    // The Sun as seen from the Earth, displaced by the aberration of the
    // Earth's motion (about 20 seconds of arc, some 40 s of a phase's time).
    eraSxp(-1, heliocentric[0], sun);
    const double distance = eraPm(sun);
    for (int i = 0; i < 3; ++i)
        sun[i] += distance * heliocentric[1][i] * ERFA_AULT / ERFA_DAYSEC;
}

} // namespace detail

namespace {

using namespace std::chrono;
using namespace detail;

constexpr double degreesPerRadian = 180 / ERFA_DPI;
// The mean synodic month; each search starts from it and corrects itself.
constexpr double meanDegreesPerSecond = 360 / (29.530588 * 86400);
// How close the elongation must come to a phase, in degrees: about 0.2 s,
// well within the second the phases are given to.
constexpr double phaseTolerance = 1e-4;

double eclipticLongitude(double (&rm)[3][3], double (&position)[3])
{
    double ecliptic[3];
    eraRxp(rm, position, ecliptic);
    return std::atan2(ecliptic[1], ecliptic[0]);
}

} // namespace

double detail::elongationAt(Seconds when)
{
    double tt1 = 0, tt2 = 0;
    terrestrialTime(when, tt1, tt2);
    double moon[2][3];
    moonAt(tt1, tt2, moon);
    double sun[3];
    sunAt(tt1, tt2, sun);

    // Longitudes on the ecliptic and equinox of date; nutation would move
    // both alike.
    double rm[3][3];
    eraEcm06(tt1, tt2, rm);
    const double difference
        = (eclipticLongitude(rm, moon[0]) - eclipticLongitude(rm, sun)) * degreesPerRadian;
    const double e = std::fmod(difference + 720, 360);
    return e >= 360 ? 0 : e;
}

namespace {

// The difference target - e folded into (-180, 180].
double towards(double target, double e)
{
    double d = std::fmod(target - e, 360);
    if (d <= -180)
        d += 360;
    if (d > 180)
        d -= 360;
    return d;
}

// When the elongation reaches `target`, starting from the guess `t`.
Seconds solve(double target, Seconds t)
{
    return numerics::secant([target](Seconds when) { return -towards(target, elongationAt(when)); }, t,
                            meanDegreesPerSecond, phaseTolerance);
}

// Qt's string code (6.4 at least) leaves the upper halves of the AVX
// registers in use; until they are cleared every SSE instruction of ERFA's
// waits on them, and the sky's sums run five times slower. Each
// calculation checks its instant first, so it clears them there.
void clearUpperRegisters()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        asm volatile("vzeroupper");
#endif
}

} // namespace

void requireNearSupported(Instant when)
{
    clearUpperRegisters();
    const Instant first{sys_days(year(firstYear) / 1 / 1) - margin};
    const Instant last{sys_days(year(lastYear + 1) / 1 / 1) + margin};
    if (when < first || when >= last)
        throw OutOfRange(int(year_month_day(floor<days>(when)).year()));
}

void requireSupported(Instant when)
{
    clearUpperRegisters();
    const Instant first{sys_days(year(firstYear) / 1 / 1) - zonesAhead};
    const Instant last{sys_days(year(lastYear + 1) / 1 / 1) + zonesBehind};
    if (when < first || when >= last)
        throw OutOfRange(int(year_month_day(floor<days>(when)).year()));
}

double illuminatedFraction(double elongation)
{
    return (1 - std::cos(elongation / degreesPerRadian)) / 2;
}

double elongation(Instant when)
{
    requireSupported(when);
    return elongationAt(toSeconds(when));
}

Instant previousNewMoon(Instant when)
{
    requireSupported(when);
    const Seconds t = toSeconds(when);
    const double e = elongationAt(t);
    const Seconds found = solve(0, t - e / meanDegreesPerSecond);
    // The search may land a hair after `when` at a new moon itself.
    return toInstant(std::min(found, t));
}

double age(Instant when)
{
    return double((when - previousNewMoon(when)).count()) / 86400;
}

namespace {

// The principal phase next after elongation `e` at `t`, strictly ahead;
// moves `t` and `e` on to it.
PhaseEvent followingPhase(Seconds& t, double& e)
{
    int quarter = int(std::floor(e / 90)) + 1;
    if (quarter * 90 - e < phaseTolerance)
        ++quarter;
    const double target = quarter * 90 % 360;
    t = solve(target, t + (quarter * 90 - e) / meanDegreesPerSecond);
    e = target;
    return {Phase(quarter % 4), toInstant(t)};
}

} // namespace

std::array<PhaseEvent, 4> nextPhases(Instant when)
{
    requireSupported(when);
    std::array<PhaseEvent, 4> phases{};
    Seconds t = toSeconds(when);
    double e = elongationAt(t);
    for (PhaseEvent& event : phases)
        event = followingPhase(t, e);
    return phases;
}

std::vector<PhaseEvent> phasesBetween(Instant from, Instant to)
{
    requireNearSupported(from);
    requireNearSupported(to);
    std::vector<PhaseEvent> phases;
    Seconds t = toSeconds(from);
    double e = elongationAt(t);
    for (PhaseEvent event = followingPhase(t, e); event.when < to; event = followingPhase(t, e))
        phases.push_back(event);
    return phases;
}

} // namespace luna::sky
