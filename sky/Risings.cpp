// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rise, transit and set of the Moon, and the stretches of a night when it
// stands in a dark sky.

#include "Numerics.h"
#include "ObserverFrame.h"
#include "Topocentric.h"

namespace luna::sky {

using namespace detail;

RiseSet riseTransitSet(Instant within, const Place& place)
{
    requireNearSupported(within);
    const PlaceDay local(within, place);
    const Seconds start = local.start, end = local.end;
    const Frame& frame = local.frame;
    const Observer& seaLevel = local.seaLevel;
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
            const Seconds t = numerics::root(limb, a, la, b, lb, timeTolerance);
            day.rise = toInstant(t);
            day.riseAzimuth = fullTurn(degrees(azimuth(sight(t, frame, seaLevel, &path), seaLevel)));
        }
        if (!day.set && la > 0 && lb <= 0) {
            const Seconds t = numerics::root(limb, a, la, b, lb, timeTolerance);
            day.set = toInstant(t);
            day.setAzimuth = fullTurn(degrees(azimuth(sight(t, frame, seaLevel, &path), seaLevel)));
        }
        // Upper culmination: the hour angle passes zero going west; at
        // lower culmination it jumps from +pi to -pi instead.
        if (!day.transit && ha < 0 && hb >= 0 && hb - ha < ERFA_DPI) {
            const Seconds t = numerics::root(meridian, a, ha, b, hb, timeTolerance);
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
    for (const auto& [start, end] : numerics::above(limb, from, to, dayStep, timeTolerance))
        stretches.push_back({toInstant(start), toInstant(end)});
    return stretches;
}

} // namespace luna::sky
