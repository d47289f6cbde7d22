// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The new crescent: when it can first be seen after a new moon, by the two
// published criteria.
//
// B. D. Yallop, "A Method for Predicting the First Sighting of the New
// Crescent Moon", NAO Technical Note 69 (HM Nautical Almanac Office, 1997,
// updated 1998). At the best time Tb = sunset + 4/9 lag (lag = moonset -
// sunset, both for the upper limb under 34' of refraction), with ARCL, ARCV
// and DAZ geocentric and airless (the elongation; the Moon's altitude minus
// the Sun's over the place's horizon; the Sun's azimuth minus the Moon's)
// and W' = SD' (1 - cos ARCL) in minutes of arc, SD' the Moon's topocentric
// semidiameter, SD (1 + sin h sin pi):
//   q = (ARCV - (11.8371 - 6.3226 W' + 0.7319 W'^2 - 0.1018 W'^3)) / 10
// A q > +0.216 easily visible to the naked eye; B > -0.014 visible in
// perfect conditions; C > -0.160 may need optical aid to find the Moon;
// D > -0.232 needs optical aid; E > -0.293 not visible with a telescope;
// F not visible, below the Danjon limit.
//
// M. Odeh, "New Criterion for Lunar Crescent Visibility", Experimental
// Astronomy 18 (2004) 39-64. At the same best time, with ARCV and W
// topocentric and airless:
//   V = ARCV - (-0.1018 W^3 + 0.7319 W^2 - 6.3226 W + 7.1651)
// A V >= 5.65 visible to the naked eye; B >= 2.00 visible with optical aid,
// may be with the naked eye; C >= -0.96 with optical aid only; D not
// visible. Odeh also finds no crescent seen closer to the Sun than 6.4
// degrees (topocentric ARCL); the zone is by V alone.

#include "Place.h"
#include "Sky.h"

#include <chrono>
#include <optional>
#include <vector>

namespace luna::sky {

enum class YallopZone { A, B, C, D, E, F };
enum class OdehZone { A, B, C, D };
enum class Criterion { Yallop, Odeh };

double yallopQ(double arcv, double widthArcmin);
double odehV(double arcv, double widthArcmin);
YallopZone yallopZone(double q);
OdehZone odehZone(double v);

// Odeh's limit of the topocentric ARCL, in degrees.
inline constexpr double odehDanjonLimit = 6.4;

// The crescent's geometry from a place at an instant: degrees, and widths
// in minutes of arc.
struct CrescentGeometry {
    double arcl = 0, arcv = 0, daz = 0, width = 0; // geocentric, airless (Yallop's)
    double arclTopocentric = 0, arcvTopocentric = 0, dazTopocentric = 0, widthTopocentric = 0; // Odeh's
    double moonAltitude = 0, moonAzimuth = 0; // apparent, from the place
};

// Throws OutOfRange.
CrescentGeometry crescentAt(Instant when, const Place& place);

// What an evening's sky allows: a best time, or why there is none.
enum class EveningSky {
    Crescent,      // the Moon sets after the Sun
    MoonSetsFirst, // or stays down from twelve hours before sunset: zones F and D
    NoMoonset,     // the Moon stays up twelve hours after sunset: no zones
    NoSunset,      // the Sun does not set that day: no zones
};

// An evening after a new moon, on the local date `date`.
struct CrescentEvening {
    std::chrono::year_month_day date;
    EveningSky sky = EveningSky::Crescent;
    std::optional<Instant> sunset, moonset; // the moonset is the one nearest the sunset
    std::optional<double> lagMinutes;       // moonset - sunset, negative where the Moon sets first
    std::optional<Instant> bestTime;        // with EveningSky::Crescent only
    std::optional<double> ageHours;         // at the best time
    std::optional<CrescentGeometry> geometry; // at the best time
    std::optional<double> q, v;
    std::optional<YallopZone> yallop;
    std::optional<OdehZone> odeh;
};

// The evenings after a new moon from a place: from the local date of the
// conjunction until the first of Yallop's zone A, three at most.
struct Crescent {
    Instant newMoon; // the geocentric conjunction in ecliptic longitude
    std::vector<CrescentEvening> evenings;

    // The first evening of Yallop's A or B, if any.
    std::optional<std::chrono::year_month_day> firstVisibleEvening() const;
};

inline constexpr int crescentEvenings = 3;

// A new moon within `margin` of the supported years. Throws OutOfRange.
Crescent crescentAfter(Instant newMoon, const Place& place);

// The crescents of the next `count` new moons after `from`, those of the
// supported years. Throws OutOfRange.
std::vector<Crescent> nextCrescents(Instant from, const Place& place, int count);

// The crescent still to come at `when`: the one after the last new moon
// while the local day has not passed its first evening of Yallop's A or B
// (or its last evening, where none is), else the next one. Throws
// OutOfRange.
Crescent comingCrescent(Instant when, const Place& place);

// The world on the evening of a date: each point at its own best time of
// that evening in its local mean time (UT + longitude / 15 h), on a grid
// from 60 S to 60 N and 180 W to 180 E.
struct CrescentPoint {
    double latitude = 0, longitude = 0;
    EveningSky sky = EveningSky::Crescent;
    std::optional<double> q, v; // with EveningSky::Crescent only
    std::optional<YallopZone> yallop;
    std::optional<OdehZone> odeh;
};

struct CrescentMap {
    std::chrono::year_month_day date;
    Instant conjunction; // the new moon nearest the date
    double step = 2;     // degrees between the points
    int rows = 0, columns = 0;
    std::vector<CrescentPoint> points; // row by row from the north, west to east
};

inline constexpr double mapLatitude = 60;

// Throws OutOfRange.
CrescentMap crescentMap(std::chrono::year_month_day date, double stepDegrees = 2);

} // namespace luna::sky
