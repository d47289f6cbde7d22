// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a body stands in a place's sky, computed the textbook way from its
// published right ascension and declination, for the tests to hold Luna's
// ERFA-based sky against.

#include "Place.h"
#include "Sky.h"

#include <cmath>
#include <numbers>

struct AltAz {
    double altitude, azimuth; // degrees; azimuth from north through east
};

// A body of apparent right ascension and declination (of date, degrees)
// `distanceKm` away, seen from `place` at `when`, without refraction (Meeus,
// Astronomical Algorithms): mean sidereal time (12.4), the parallax
// (40.6, 40.7) and the horizontal frame (13.5, 13.6). A distance of 0 takes
// it from the Earth's centre, over the place's horizon.
inline AltAz textbookHorizon(double ra, double dec, double distanceKm, luna::sky::Instant when,
                             const luna::sky::Place& place)
{
    constexpr double rad = std::numbers::pi / 180;
    const double jd = double(when.time_since_epoch().count()) / 86400 + 2440587.5;
    const double T = (jd - 2451545) / 36525;
    const double theta = 280.46061837 + 360.98564736629 * (jd - 2451545) + 0.000387933 * T * T - T * T * T / 38710000;
    double H = (theta + place.longitude - ra) * rad;
    const double phi = place.latitude * rad;
    const double u = std::atan(0.99664719 * std::tan(phi));
    const double rhoSin = 0.99664719 * std::sin(u) + place.height / 6378140 * std::sin(phi);
    const double rhoCos = std::cos(u) + place.height / 6378140 * std::cos(phi);
    const double sinPi = distanceKm > 0 ? 6378.14 / distanceKm : 0;
    const double d = dec * rad;
    const double dAlpha = std::atan2(-rhoCos * sinPi * std::sin(H), std::cos(d) - rhoCos * sinPi * std::cos(H));
    const double dTopo = std::atan2((std::sin(d) - rhoSin * sinPi) * std::cos(dAlpha),
                                    std::cos(d) - rhoCos * sinPi * std::cos(H));
    H -= dAlpha;
    const double h = std::asin(std::sin(phi) * std::sin(dTopo) + std::cos(phi) * std::cos(dTopo) * std::cos(H)) / rad;
    const double A = std::atan2(std::sin(H), std::cos(H) * std::sin(phi) - std::tan(dTopo) * std::cos(phi)) / rad + 180;
    return {h, std::fmod(A, 360)};
}
