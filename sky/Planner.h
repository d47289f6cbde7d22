// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planners: when to look. A night's sky at a place, the evenings when
// the low Sun rakes across a feature of the Moon, and the moments the Moon
// stands behind a landmark.

#include "LunarFeatures.h"
#include "Place.h"
#include "Sky.h"
#include "Topocentric.h"

#include <optional>
#include <stdexcept>
#include <vector>

namespace luna::sky {

// The Moon and the Sun at an instant from a place: altitudes apparent
// (refracted as MoonView's), azimuths from north through east, degrees;
// the Sun's geometric altitude too, which the twilights are reckoned by.
struct SkySample {
    Instant when;
    double moonAltitude = 0, moonAzimuth = 0;
    double sunAltitude = 0, sunAzimuth = 0;
    double sunGeometricAltitude = 0;
};

// The night that follows a local day: from its noon to the next noon on the
// place's clock.
struct Night {
    Instant from, to;
    // Every ten minutes on the clock's tens, from `from` to `to` inclusive.
    std::vector<SkySample> samples;
    // The first rise, transit and set within the span (the transit even
    // below the horizon), with their azimuths and the transit's altitude.
    RiseSet moon;
    // Each of the Sun's hours, the first of its kind within the span.
    SunHours sun;
    std::vector<Stretch> dark; // the Moon in a dark sky
    // The sample where the Moon stands highest, and its elongation then.
    std::size_t highest = 0;
    double elongationAtHighest = 0;
};

// The night after the local day holding `day`. Throws OutOfRange.
Night nightAfter(Instant day, const Place& place);

inline constexpr std::chrono::minutes nightSampleStep{10};

// How far a search of `days` from `after` reaches: to the end of the
// supported years at most (the last instant a civil clock still reads
// 2100), and whether it was cut there.
struct SearchSpan {
    Instant from, to;
    bool cut = false;
};
SearchSpan searchSpan(Instant after, int days);

// Where a feature stands at an instant: the Sun's altitude over its horizon
// (from the subsolar point, negative where it is night there), the
// colongitude, and its distance from the centre of the disc seen from the
// place (degrees of arc on the Moon, 90 at the limb).
struct FeatureNow {
    double sunAltitude = 0;
    double colongitude = 0;
    double fromCentre = 0;
    bool onNearSide() const { return fromCentre < 90; }
};

// Throws OutOfRange.
FeatureNow featureNow(const LunarFeature& feature, Instant when, const Place& place);

// The Sun's altitude over a point of the Moon (selenographic degrees) whose
// subsolar point is given: Meeus, Astronomical Algorithms, chapter 53,
// sin h = sin b0 sin b + cos b0 cos b sin(c0 + l).
double sunAltitudeOver(double latitude, double longitude, const MoonFace& face);

// A good time to look at a feature: the Sun low over it (between
// lowSunFrom and lowSunTo degrees, long shadows), the sky dark at the place
// (the Sun's centre darkSun or more below the horizon, geometric), the
// Moon's centre moonHigh or more above it (apparent), and the feature on
// the side turned to the place.
struct FeatureWindow {
    Instant from, to;
    double sunAltitudeFrom = 0, sunAltitudeTo = 0; // over the feature
    double colongitude = 0;                        // at the start
    double moonAltitudeMax = 0;
    double elongation = 0; // at the start
};

inline constexpr double lowSunFrom = 0.5, lowSunTo = 10, darkSun = -6, moonHigh = 15;

// The next `count` windows after `after`, within `days`. Throws OutOfRange.
std::vector<FeatureWindow> featureWindows(const LunarFeature& feature, Instant after, const Place& place,
                                          int count, int days);

// Where a landmark stands from a place: the azimuth of the geodesic on the
// WGS 84 ellipsoid, its length, and the apparent altitude of the landmark's
// top over the observer's eye (the Earth's curvature, and terrestrial
// refraction with the coefficient `terrestrialRefraction`).
struct Direction {
    double azimuth = 0;
    double altitude = 0;
    std::optional<double> distanceMetres;
};

inline constexpr double terrestrialRefraction = 0.13;

// A direction that is none: not written as AZ,ALT, an azimuth outside 0 to
// 360 or an altitude outside -90 to 90.
class BadDirection : public std::invalid_argument {
public:
    enum class Reason { Form, Azimuth, Altitude };
    BadDirection(Reason why, double number)
        : std::invalid_argument("not a direction")
        , reason(why)
        , value(number)
    {
    }
    Reason reason;
    double value;
};

// "AZ,ALT" in decimal degrees (blanks allowed around either). Throws
// BadDirection.
Direction parseDirection(std::string_view text);

// A landmark no one at the place can see: the place itself, or one hidden
// by the Earth's curvature.
class BadLandmark : public std::invalid_argument {
public:
    enum class Reason { Same, Hidden };
    BadLandmark(Reason why, double metres)
        : std::invalid_argument("landmark out of sight")
        , reason(why)
        , distanceMetres(metres)
    {
    }
    Reason reason;
    double distanceMetres;
};

// Throws BadLandmark.
Direction directionOf(const Place& landmark, const Place& observer);

// The geodesic from one place to another on the WGS 84 ellipsoid (Karney's
// algorithm, GeographicLib): its length in metres and its azimuth at the
// start, degrees from north through east in [0, 360).
struct Geodesic {
    double metres = 0;
    double azimuth = 0;
};
Geodesic geodesicBetween(const Place& from, const Place& to);

// The declination of a direction in the place's sky, degrees: the Moon
// never strays more than about 29 degrees from the equator (28.7, and its
// parallax).
double declinationOf(const Direction& direction, const Place& place);
inline constexpr double moonReach = 29.7;

// The Moon's centre at its closest to a direction, within passRadius
// degrees (apparent positions).
struct Pass {
    Instant when;
    double separation = 0;
    double moonAzimuth = 0, moonAltitude = 0;
    double elongation = 0;
    double moonDiameterArcmin = 0;
    double sunAltitude = 0; // geometric, of the centre
};

inline constexpr double passRadius = 1;

// The next `count` passes after `after`, within `days`. Throws OutOfRange.
std::vector<Pass> passes(const Direction& toward, Instant after, const Place& place, int count, int days);

// The light a pass happens in, by the Sun's geometric altitude: day above
// 6 degrees, the golden hour down to -4, the blue hour down to -6, then
// night.
enum class Light { Day, Golden, Blue, Night };
Light lightOf(double sunAltitude);

} // namespace luna::sky
