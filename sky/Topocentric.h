// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"
#include "Sky.h"

#include <optional>
#include <vector>

namespace luna::sky {

// The Moon as seen from a place at an instant.
struct MoonView {
    double altitude = 0;      // degrees above the horizon, refracted by Saemundsson's formula
    double azimuth = 0;       // degrees from north through east
    double distanceKm = 0;    // from the Earth's centre
    double diameterArcmin = 0; // as seen from the place
    // The position angle of the middle of the bright limb, from the north
    // point of the disc through east (Meeus's chi), and the parallactic
    // angle at the place; the lit side leans chi - q from the vertical.
    double brightLimbAngle = 0;
    double parallacticAngle = 0;
};

// Throws OutOfRange.
MoonView moonView(Instant when, const Place& place);

// The Moon's altitude in degrees, refracted as in MoonView, at each of
// `instants`, which lie within a day or so of one another. Throws OutOfRange.
std::vector<double> moonAltitudes(const std::vector<Instant>& instants, const Place& place);

// Rise, upper culmination and set in the local day (midnight to midnight on
// the place's clock, by the minutes people read) that holds an instant, which may lie within
// `margin` of the supported years. Rise and set are when the
// upper limb of the topocentric Moon touches a level horizon at sea level,
// with 34' of refraction, as the almanacs reckon them; where a day holds two,
// the first.
struct RiseSet {
    enum class AllDay { Neither, Up, Down };

    std::optional<Instant> rise, transit, set;
    double riseAzimuth = 0;     // degrees from north through east
    double setAzimuth = 0;
    double transitAltitude = 0; // degrees, refracted
    // With no rise and no set, whether the Moon stays up or down all day.
    AllDay allDay = AllDay::Neither;
};

// Throws OutOfRange.
RiseSet riseTransitSet(Instant within, const Place& place);

// The Moon nearest the Earth (perigee) or farthest (apogee).
struct Apsis {
    Instant when;
    double distanceKm = 0;
};

// The first perigee or apogee strictly after `when`. Throws OutOfRange.
Apsis nextPerigee(Instant when);
Apsis nextApogee(Instant when);

// A full moon within a day of a perigee nearer than 360 000 km: a
// superluna.
inline constexpr double superMoonKm = 360000;

// Whether the full moon at `fullMoon` is one, and if so its perigee.
std::optional<Apsis> superMoonPerigee(Instant fullMoon);

// The Sun's hours of a local day at a place, as the almanacs define them:
// sunrise and sunset when the upper limb meets a sea-level horizon under
// 34' of refraction; civil, nautical and astronomical dawn and dusk when
// the centre stands 6, 12 and 18 degrees below it. Each is the first of its
// kind that day, or none (polar day and night, white nights).
struct SunHours {
    std::optional<Instant> sunrise, sunset;
    std::optional<Instant> civilDawn, civilDusk;
    std::optional<Instant> nauticalDawn, nauticalDusk;
    std::optional<Instant> astronomicalDawn, astronomicalDusk;
};

// For the local day holding `within`. Throws OutOfRange.
SunHours sunHours(Instant within, const Place& place);

// A stretch of time, [from, to).
struct Stretch {
    Instant from, to;
};

// The Moon in a dark sky: the stretches of the night after the local day
// holding `evening` (its civil dusk to the next civil dawn) when the Moon's
// upper limb is over the horizon and the Sun 6 degrees or more below it.
// None on a night that never grows dark. Throws OutOfRange.
std::vector<Stretch> moonInDarkSky(Instant evening, const Place& place);

} // namespace luna::sky
