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
    // An anomalistic month is 27.55 days; one always lies within 28.
    const Seconds from = toSeconds(when);
    std::optional<Apsis> found;
    numerics::scan(receding, from, from + 29 * 86400, 6 * 3600, [&](Seconds a, double fa, Seconds b, double fb) {
        if ((fb > 0) != (turn == Turn::Perigee))
            return true;
        const Seconds t = numerics::root(receding, a, fa, b, fb, timeTolerance);
        found = Apsis{toInstant(t), distanceKmAt(t)};
        return false;
    });
    if (found)
        return *found;
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
