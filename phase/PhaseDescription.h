// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace luna {

// Which side of the equator the Moon is seen from. A picture that is lit on
// the right in the north is lit on the left in the south.
enum class Hemisphere { North, South };

// The eight phases people name, by the elongation rounded to a whole degree:
// the four principal phases at exactly 0, 90, 180 and 270, and the four
// spans between them.
enum class PhaseId {
    NewMoon,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    FullMoon,
    WaningGibbous,
    LastQuarter,
    WaningCrescent,
};

// The Moon's elongation, its ecliptic longitude minus the Sun's, in degrees
// in [0, 360), that the picture drawn at `angle` shows: 0 new, 90 first
// quarter, 180 full, 270 last quarter. The angle is normalised as the drawing
// normalises it. Throws std::invalid_argument when it is not finite.
double elongationOf(double angle, Hemisphere hemisphere = Hemisphere::North);

// The angle whose picture shows elongation `elongation`: 360 - e in the
// north and e in the south, rounded as the drawing rounds (halves to even)
// into 0..359. Throws std::invalid_argument when it is not finite.
int angleOfElongation(double elongation, Hemisphere hemisphere = Hemisphere::North);

// The phase at `elongation`, rounded and reduced as the drawing's angle is
// (359.5 is new). Throws std::invalid_argument when it is not finite.
PhaseId phaseOf(double elongation);

// The phase's name for scripts: "new_moon", "waxing_crescent",
// "first_quarter", "waxing_gibbous", "full_moon", "waning_gibbous",
// "last_quarter" or "waning_crescent".
const char* phaseKey(PhaseId phase);

} // namespace luna
