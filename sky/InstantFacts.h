// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Eclipses.h"
#include "Libration.h"
#include "Place.h"
#include "Sky.h"
#include "Topocentric.h"
#include "Zone.h"

#include <array>
#include "Crescent.h"
#include "Hijri.h"

#include <optional>
#include <string>
#include <vector>

namespace luna::sky {

// An eclipse, and what a place sees of it: a solar one's local
// circumstances, a lunar one's phases seen with the Moon up.
struct EclipseSeen {
    Eclipse eclipse;
    std::optional<LocalEclipse> local;    // solar, with a place
    std::optional<Visibility> visibility; // lunar, with a place

    // Whether the place sees any of it (true without a place).
    bool seen() const;
};

// Throws OutOfRange.
EclipseSeen eclipseSeen(const Eclipse& eclipse, const std::optional<Place>& place);

// What Luna tells of the Moon at an instant, from a place when there is
// one, gathered once: the text of --info, its JSON and the facts window
// each write this one value.
// An eclipse under way at an instant: the Moon in the Earth's shadow, or,
// at a place, the Sun behind the Moon; its phase there and then, and how
// deep: for the Moon the umbral magnitude now (the penumbral one in the
// penumbral phase), for the Sun the place's magnitude now; and
// whether the place sees it now (the Moon or the Sun over the horizon;
// true without a place).
struct EclipseNow {
    EclipseSeen seen;
    enum class Phase { Penumbral, Partial, Total, Annular };
    Phase phase = Phase::Penumbral;
    double magnitude = 0;
    bool seenNow = true;
};

// The lunar eclipse under way anywhere, or the solar one at the place.
// Throws OutOfRange.
std::optional<EclipseNow> eclipseNow(Instant when, const std::optional<Place>& place);

struct InstantFacts {
    Instant when;
    Zone clock; // the place's, or the system's

    double elongation = 0;   // degrees
    double illumination = 0; // the lit fraction
    double age = 0;          // days since the last new moon
    HijriDate hijri;         // of the local day, on the Umm al-Qura calendar
    MoonFace face;           // from the Earth's centre
    std::vector<std::string> terminator; // the named features the terminator crosses

    std::array<PhaseEvent, 4> next{};
    std::array<bool, 4> superMoon{}; // each of them a full moon near a close perigee
    Apsis perigee, apogee;           // the next ones
    bool superPerigee = false;       // the next perigee is a superluna's
    double distanceKm = 0;           // now, from the Earth's centre

    std::optional<EclipseSeen> lunarEclipse, solarEclipse; // the next ones, as the place sees them
    std::optional<EclipseNow> eclipseNow;                    // one under way

    // From the place.
    struct FromPlace {
        Place place;
        RiseSet day;
        MoonView view;
        SunHours sun;
        std::vector<Stretch> dark;
        Crescent crescent; // the new crescent still to come
    };
    std::optional<FromPlace> fromPlace;
};

// Which of the next phases are full moons near a close perigee.
std::array<bool, 4> superMoonsAmong(const std::array<PhaseEvent, 4>& next);

// Throws OutOfRange.
InstantFacts gatherFacts(Instant when, const std::optional<Place>& place);

} // namespace luna::sky
