// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Perigee and apogee, and the full moons near a close perigee.

#include "Numerics.h"
#include "ObserverFrame.h"
#include "Topocentric.h"

namespace luna::sky {

namespace {

using namespace detail;

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
    return eraPm(pv[0]) * constants::auKm;
}

enum class Turn { Perigee, Apogee };

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
            const Seconds t = numerics::root(receding, a, fa, b, fb, timeTolerance);
            return {toInstant(t), distanceKmAt(t)};
        }
        fa = fb;
    }
    return {when, distanceKmAt(toSeconds(when))};
}

} // namespace

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
