// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"
#include "Sky.h"

#include <optional>

namespace luna::sky {

// The Moon's face as it is turned to the Earth and lit by the Sun at an
// instant: Meeus's "ephemeris for physical observations" (Astronomical
// Algorithms, chapter 53), the optical and the physical libration together,
// on ERFA's Moon, Sun and nutation. Degrees throughout.
struct MoonFace {
    // The sub-Earth point in selenographic coordinates, east (towards Mare
    // Crisium) and north positive.
    double librationLongitude = 0;
    double librationLatitude = 0;
    // The position angle of the Moon's north pole, from the north of the
    // true equator of date through east, in [0, 360).
    double axisPositionAngle = 0;
    // The subsolar point, longitude in (-180, 180], and the colongitude of
    // the morning terminator, 90 minus that longitude, in [0, 360).
    double subsolarLongitude = 0;
    double subsolarLatitude = 0;
    double colongitude = 0;
};

// As seen from the Earth's centre, or from `place` when one is given (the
// parallax moves the sub-Earth point by up to a degree). Throws OutOfRange.
MoonFace moonFace(Instant when, const std::optional<Place>& place = std::nullopt);

} // namespace luna::sky
