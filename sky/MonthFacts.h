// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Eclipses.h"
#include "Hijri.h"
#include "Place.h"
#include "Sky.h"
#include "Topocentric.h"

#include <chrono>
#include <optional>
#include <vector>

namespace luna::sky {

// When people look at the Moon: 21:00 on the local clock.
inline constexpr std::chrono::hours eveningHour{21};

// One day of a month, on the local calendar.
struct DayFacts {
    std::chrono::year_month_day date;
    Instant evening;          // 21:00 local time
    double elongation = 0;    // then, degrees
    double illumination = 0;  // then, the lit fraction
    bool waxing = false;      // in the half from new to full moon, then
    std::optional<RiseSet> riseSet; // with a place
    HijriDate hijri;          // on the Umm al-Qura calendar
    // The principal phase that falls on this local day, if one does.
    std::optional<PhaseEvent> principal;
};

// A half of a lunation: waxing from a new moon to the full moon, waning from
// a full moon to the new moon.
struct Half {
    bool waxing = false;
    Instant from, to;
};

struct MonthEvent {
    enum class Kind { Phase, Perigee, Apogee, Eclipse };

    Kind kind = Kind::Phase;
    Instant when;
    Phase phase = Phase::New;   // Kind::Phase
    double distanceKm = 0;      // Kind::Perigee and Kind::Apogee
    // A full moon within a day of a perigee nearer than superMoonKm, and
    // that perigee.
    bool superMoon = false;
    Eclipse eclipse;            // Kind::Eclipse
    // A solar eclipse as the place sees it, and whether it sees a lunar
    // one, with a place.
    std::optional<LocalEclipse> local;
    std::optional<Visibility> visibility;
};

// The facts of a month of the local calendar (the place's clock, or the
// system's without a place), as a lunario prints them; each event in the
// month of the minute people read for it.
struct MonthFacts {
    int year = 0;
    unsigned month = 0;
    std::vector<DayFacts> days;
    std::vector<MonthEvent> events; // in time order
    std::vector<Half> halves;       // those that overlap the month, in time order
    std::optional<Place> place;     // where, if anywhere
    Zone clock;                     // whose days these are
};

// Throws OutOfRange for a month outside firstYear..lastYear.
MonthFacts monthFacts(int year, unsigned month, const std::optional<Place>& place);

} // namespace luna::sky
