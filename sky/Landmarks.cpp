// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Moon behind a landmark: the landmark's direction from a place, and
// the moments the Moon's centre passes close to it.

#include "Numerics.h"
#include "ObserverFrame.h"
#include "Planner.h"

#include <GeographicLib/Geodesic.hpp>

#include <charconv>

namespace luna::sky {

using namespace detail;

namespace {

// The Earth's mean radius (IUGG), for the curvature and the refraction of a
// line of sight near the ground.
constexpr double meanEarthRadiusMetres = 6371008.8;

// The Moon is looked at every twenty minutes: in that time it crosses the
// sky by five degrees at most, so that the sample nearest a direction and
// its two neighbours bracket the closest approach.
constexpr Seconds passStep = 1200;
constexpr double lookCloser = 6; // degrees

// The angle between two directions given by azimuth and altitude, radians.
double between(double az1, double alt1, double az2, double alt2)
{
    const double c = std::sin(alt1) * std::sin(alt2) + std::cos(alt1) * std::cos(alt2) * std::cos(az1 - az2);
    const double s = std::hypot(std::cos(alt2) * std::sin(az1 - az2),
                                std::cos(alt1) * std::sin(alt2) - std::sin(alt1) * std::cos(alt2) * std::cos(az1 - az2));
    return std::atan2(s, c);
}

} // namespace

Geodesic geodesicBetween(const Place& from, const Place& to)
{
    double metres = 0, azimuth = 0, backAzimuth = 0;
    GeographicLib::Geodesic::WGS84().Inverse(from.latitude, from.longitude, to.latitude, to.longitude, metres,
                                             azimuth, backAzimuth);
    return {metres, fullTurn(azimuth)};
}

Direction directionOf(const Place& landmark, const Place& observer)
{
    const auto [metres, azimuth] = geodesicBetween(observer, landmark);
    if (metres < 1)
        throw BadLandmark(BadLandmark::Reason::Same, metres);
    // Within sight over the bulge of the Earth, its radius enlarged by the
    // refraction of the air near the ground: the horizon of each eye.
    const double effective = meanEarthRadiusMetres / (1 - terrestrialRefraction);
    const double reach = std::sqrt(2 * effective * std::max(observer.height, 0.0))
        + std::sqrt(2 * effective * std::max(landmark.height, 0.0));
    if (metres > reach)
        throw BadLandmark(BadLandmark::Reason::Hidden, metres);

    // The straight line from the eye to the top, on the ellipsoid, then bent
    // down by the refraction: k times half the angle at the Earth's centre.
    const Observer eye(observer, observer.height);
    const Observer top(landmark, landmark.height);
    double line[3];
    for (int i = 0; i < 3; ++i)
        line[i] = top.position[i] - eye.position[i];
    const double length = std::sqrt(dot(line, line));
    const double geometric = std::asin(dot(eye.up, line) / length);
    Direction direction;
    direction.azimuth = azimuth;
    direction.altitude = degrees(geometric) + degrees(terrestrialRefraction * metres / meanEarthRadiusMetres / 2);
    direction.distanceMetres = metres;
    return direction;
}

Direction parseDirection(std::string_view text)
{
    const auto number = [](std::string_view part) -> std::optional<double> {
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        double value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() || !std::isfinite(value))
            return std::nullopt;
        return value;
    };
    const auto comma = text.find(',');
    const auto azimuth = comma == std::string_view::npos ? std::nullopt : number(text.substr(0, comma));
    const auto altitude = comma == std::string_view::npos ? std::nullopt : number(text.substr(comma + 1));
    if (!azimuth || !altitude)
        throw BadDirection(BadDirection::Reason::Form, 0);
    if (*azimuth < 0 || *azimuth > 360)
        throw BadDirection(BadDirection::Reason::Azimuth, *azimuth);
    if (*altitude < -90 || *altitude > 90)
        throw BadDirection(BadDirection::Reason::Altitude, *altitude);
    return Direction{*azimuth == 360 ? 0 : *azimuth, *altitude, std::nullopt};
}

double declinationOf(const Direction& direction, const Place& place)
{
    const double phi = place.latitude * ERFA_DD2R, h = direction.altitude * ERFA_DD2R;
    const double a = direction.azimuth * ERFA_DD2R;
    return degrees(std::asin(std::sin(phi) * std::sin(h) + std::cos(phi) * std::cos(h) * std::cos(a)));
}

std::vector<Pass> passes(const Direction& toward, Instant after, const Place& place, int count, int days)
{
    requireSupported(after);
    const Seconds start = toSeconds(after);
    const Seconds end = toSeconds(searchSpan(after, days).to);
    const double az0 = toward.azimuth * ERFA_DD2R, alt0 = toward.altitude * ERFA_DD2R;
    const Observer observer(place, place.height);

    std::vector<Pass> found;
    for (Seconds day = start; day < end && int(found.size()) < count; day += 86400) {
        const Seconds dayEnd = std::min(day + 86400, end);
        const Frame frame(day + 43200);
        const MoonPath path(day - passStep, dayEnd + passStep, frame);
        const auto separation = [&](Seconds t) {
            double az = 0, alt = 0;
            observed(sight(t, frame, observer, &path), observer, az, alt);
            return between(az, alt, az0, alt0);
        };
        // Each sample of the day that is nearer than both its neighbours.
        double before = separation(day - passStep), here = separation(day);
        for (Seconds t = day; t < dayEnd && int(found.size()) < count; t += passStep) {
            const double next = separation(t + passStep);
            if (here <= before && here < next && degrees(here) < lookCloser) {
                const Seconds closest = numerics::minimum(separation, t - passStep, t + passStep, 1);
                const double least = separation(closest);
                if (degrees(least) < passRadius && closest >= start && closest < end) {
                    const Sighting s = sight(closest, frame, observer, &path);
                    Pass pass;
                    pass.when = toInstant(closest);
                    pass.separation = degrees(least);
                    double az = 0, alt = 0;
                    observed(s, observer, az, alt);
                    pass.moonAzimuth = degrees(az);
                    pass.moonAltitude = degrees(alt);
                    pass.elongation = elongation(pass.when);
                    pass.moonDiameterArcmin = degrees(2 * semidiameter(s)) * 60;
                    pass.sunAltitude = degrees(sunSight(closest, frame, observer).first);
                    found.push_back(pass);
                }
            }
            before = here;
            here = next;
        }
    }
    return found;
}

} // namespace luna::sky
