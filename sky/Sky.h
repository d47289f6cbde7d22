// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <chrono>
#include <stdexcept>
#include <vector>
#include <string>

namespace luna::sky {

// An instant in UTC, to the second, as the system clock counts it.
using Instant = std::chrono::sys_seconds;

inline constexpr int firstYear = 1900;
inline constexpr int lastYear = 2100;

// An instant outside the years firstYear..lastYear: the year it fell in,
// and the text it was read from when it was read from one.
class OutOfRange : public std::out_of_range {
public:
    OutOfRange(int outside, std::string written = {})
        : std::out_of_range("year " + std::to_string(outside) + " is outside the years supported")
        , year(outside)
        , text(std::move(written))
    {
    }

    int year;
    std::string text;
};

// Civil clocks run from 12 hours behind UTC to 14 ahead of it. An instant
// belongs to the years while some clock on Earth reads a date in them, so
// that 1 January 1900 at midnight in Rome, 23:10 of 31 December 1899 in
// UTC, is one of them.
inline constexpr std::chrono::hours zonesBehind{12}, zonesAhead{14};

// Throws OutOfRange unless `when` belongs to the years firstYear..lastYear.
void requireSupported(Instant when);

enum class Phase { New, FirstQuarter, Full, LastQuarter };

struct PhaseEvent {
    Phase phase;
    Instant when;
};

// The Moon's geocentric apparent ecliptic longitude minus the Sun's, in
// degrees in [0, 360): 0 at new moon, 90 at first quarter, 180 at full moon.
// Throws OutOfRange.
double elongation(Instant when);

// The fraction of the Moon's disc that is lit at an elongation (degrees),
// (1 - cos e) / 2.
double illuminatedFraction(double elongation);

// The last new moon at or before `when`. Throws OutOfRange.
Instant previousNewMoon(Instant when);

// Days since the last new moon. Throws OutOfRange.
double age(Instant when);

// The next four principal phases after `when`, in time order. Throws
// OutOfRange.
std::array<PhaseEvent, 4> nextPhases(Instant when);

// The principal phases in [from, to), in time order. The sky reaches
// `margin` beyond the supported years, so that what runs past their edges
// (a local day, the half of a lunation) can be told; throws OutOfRange
// beyond that.
inline constexpr std::chrono::days margin{62};
std::vector<PhaseEvent> phasesBetween(Instant from, Instant to);

// Throws OutOfRange unless `when` lies within `margin` of the supported
// years.
void requireNearSupported(Instant when);

// Delta T = TT - UT1 at `when`, in seconds, as Luna reckons the Earth's
// rotation (see TimeScales.h).
double deltaT(Instant when);

} // namespace luna::sky
