// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sizes the sky reckons with, each with one value and where it comes
// from.

#include <numbers>

namespace luna::sky::constants {

// The astronomical unit, in km: IAU 2012 Resolution B2 (ERFA's ERFA_DAU).
inline constexpr double auKm = 149597870.7;

// The Earth's equatorial radius, in km: WGS 84, as ERFA's geodetic
// routines and the eclipse canon take it.
inline constexpr double earthRadiusKm = 6378.137;

// The Moon's mean radius, in km (IAU Working Group on Cartographic
// Coordinates and Rotational Elements), and in Earth radii as the eclipse
// canon takes it (Espenak and Meeus, Five Millennium Canon of Solar
// Eclipses, 2006): the IAU's k = 0.2725076 for the limb meeting the Sun's,
// and k = 0.272281, allowing for the valleys of the limb, for the umbra.
inline constexpr double moonRadiusKm = 1737.4;
inline constexpr double moonRatio = 0.2725076;
inline constexpr double moonUmbraRatio = 0.272281;

// The Sun's semidiameter at 1 au, 959.63 seconds of arc (Auwers, as the
// Astronomical Almanac and the canon take it), in radians; its radius
// follows from it.
inline constexpr double sunSemidiameterAtAu = 959.63 / 3600 * std::numbers::pi / 180;
// tan(959.63") au, in km: 695 996 km.
inline constexpr double sunRadiusKm = auKm * 0.004652451095497247;

// The almanacs' refraction at the horizon, 34 minutes of arc, in radians.
inline constexpr double horizonRefraction = 34.0 / 60 * std::numbers::pi / 180;

} // namespace luna::sky::constants
