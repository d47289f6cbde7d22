// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Sun's hours of a day at a place: sunrise, sunset and the twilights.

#include "Numerics.h"
#include "ObserverFrame.h"
#include "Topocentric.h"

namespace luna::sky {

using namespace detail;

SunHours sunHours(Instant within, const Place& place)
{
    requireNearSupported(within);
    const PlaceDay local(within, place);
    const Seconds start = local.start, end = local.end;
    const Frame& frame = local.frame;
    const Observer& seaLevel = local.seaLevel;
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
    const std::array marks{Mark{hours.sunrise, hours.sunset, -constants::horizonRefraction, true},
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
                mark.rising = toInstant(numerics::root(f, a, fa, b, fb, timeTolerance));
            if (!mark.setting && fa > 0 && fb <= 0)
                mark.setting = toInstant(numerics::root(f, a, fa, b, fb, timeTolerance));
        }
        a = b;
        sa = sb;
    }
    return hours;
}

} // namespace luna::sky
