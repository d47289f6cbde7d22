// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the sky's parts share inside the library: time scales and the Moon and
// Sun as ERFA gives them. Not for use outside sky/.

#include "Sky.h"
#include "TimeScales.h"

#include <functional>
#include <numbers>

namespace luna::sky::detail {

// The Moon's mean radius (IAU), in km.
inline constexpr double moonRadiusKm = 1737.4;

// What eclipses are reckoned with, as the canon takes them: the Earth's
// equatorial radius (km); the Moon's radius in Earth radii, the IAU's and a
// smaller one for the umbra that allows for the valleys of its limb; the
// Sun's semidiameter at 1 au (959.63 seconds of arc).
inline constexpr double earthRadiusKm = 6378.137;
inline constexpr double moonRatio = 0.2725076;
inline constexpr double moonUmbraRatio = 0.272281;
inline constexpr double sunSemidiameterAtAu = 959.63 / 3600 * std::numbers::pi / 180;

// The Moon's geocentric position (au) and velocity (au/day) in the GCRS, at
// TT.
void moonAt(double tt1, double tt2, double (&pv)[2][3]);

// The Sun's geocentric position in the GCRS (au), displaced by the
// aberration of the Earth's motion, at TT.
void sunAt(double tt1, double tt2, double (&position)[3]);

// Where a function that falls then rises is least within [a, b], to a
// second: a golden-section search.
Seconds least(const std::function<double(Seconds)>& f, Seconds a, Seconds b);

// The elongation, in degrees, unchecked.
double elongationAt(Seconds when);

} // namespace luna::sky::detail
