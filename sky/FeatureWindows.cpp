// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// When a feature of the Moon is at its best from a place: the low Sun of
// its morning or evening, in a dark sky, with the Moon high.

#include "Numerics.h"
#include "ObserverFrame.h"
#include "Planner.h"

#include <algorithm>

namespace luna::sky {

using namespace detail;

namespace {

// The Sun's altitude over the feature moves by half a degree an hour at
// most: six hours cannot step over the band of a low Sun, 9.5 degrees wide.
constexpr Seconds bandStep = 6 * 3600;
// The dark sky and the Moon's altitude at the place are looked at every ten
// minutes within the band, each stretch of it at most a day long so that
// the frame of its middle holds.
constexpr Seconds placeStep = 600;
constexpr Seconds stretchLength = 86400;

double featureSun(const LunarFeature& feature, Seconds when)
{
    return sunAltitudeOver(feature.latitude, feature.longitude, moonFace(toInstant(when)));
}

} // namespace

double sunAltitudeOver(double latitude, double longitude, const MoonFace& face)
{
    const double b = latitude * ERFA_DD2R, b0 = face.subsolarLatitude * ERFA_DD2R;
    const double dl = (longitude - face.subsolarLongitude) * ERFA_DD2R;
    return degrees(std::asin(std::clamp(std::sin(b0) * std::sin(b) + std::cos(b0) * std::cos(b) * std::cos(dl), -1.0, 1.0)));
}

FeatureNow featureNow(const LunarFeature& feature, Instant when, const Place& place)
{
    const MoonFace face = moonFace(when, place);
    FeatureNow now;
    now.sunAltitude = sunAltitudeOver(feature.latitude, feature.longitude, face);
    now.colongitude = face.colongitude;
    now.fromCentre = selenographicSeparation(feature.latitude, feature.longitude, face.librationLatitude,
                                             face.librationLongitude);
    return now;
}

std::vector<FeatureWindow> featureWindows(const LunarFeature& feature, Instant after, const Place& place,
                                          int count, int days)
{
    requireSupported(after);
    const Seconds start = toSeconds(after);
    const Seconds end = toSeconds(searchSpan(after, days).to);
    const auto lowSun = [&](Seconds t) {
        const double h = featureSun(feature, t);
        return std::min(h - lowSunFrom, lowSunTo - h);
    };

    std::vector<FeatureWindow> windows;
    const Observer observer(place, place.height);
    for (const auto& [bandFrom, bandTo] : numerics::above(lowSun, start, end, bandStep, timeTolerance)) {
        // A window that runs on past a piece's end is carried into the next.
        const auto wanted = [&](Seconds piece) {
            return int(windows.size()) < count || toSeconds(windows.back().to) >= piece - 1;
        };
        for (Seconds piece = bandFrom; piece < bandTo && wanted(piece); piece += stretchLength) {
            const Seconds pieceTo = std::min(piece + stretchLength, bandTo);
            const Frame frame((piece + pieceTo) / 2);
            const MoonPath moonPath(piece, pieceTo, frame);
            const SunPath sunPath(piece, pieceTo, frame);
            const auto moonAltitude = [&](Seconds t) {
                double az = 0, alt = 0;
                observed(sight(t, frame, observer, &moonPath), observer, az, alt);
                return degrees(alt);
            };
            const auto good = [&](Seconds t) {
                const double sun = degrees(sunSight(t, frame, observer, &sunPath).first);
                return std::min(darkSun - sun, moonAltitude(t) - moonHigh);
            };
            for (const auto& [from, to] : numerics::above(good, piece, pieceTo, placeStep, timeTolerance)) {
                if (to - from < 1)
                    continue;
                const Instant middle = toInstant((from + to) / 2);
                const MoonFace seen = moonFace(middle, place);
                if (selenographicSeparation(feature.latitude, feature.longitude, seen.librationLatitude,
                                            seen.librationLongitude)
                    >= 90)
                    continue;
                FeatureWindow window;
                window.from = toInstant(from);
                window.to = toInstant(to);
                const MoonFace atStart = moonFace(window.from);
                window.sunAltitudeFrom = sunAltitudeOver(feature.latitude, feature.longitude, atStart);
                window.sunAltitudeTo = featureSun(feature, to);
                window.colongitude = atStart.colongitude;
                const Seconds highest
                    = numerics::minimum([&](Seconds t) { return -moonAltitude(t); }, from, to, 1);
                window.moonAltitudeMax = std::max({moonAltitude(highest), moonAltitude(from), moonAltitude(to)});
                window.elongation = elongation(window.from);
                if (!windows.empty() && window.from - windows.back().to <= std::chrono::seconds(1)) {
                    windows.back().to = window.to;
                    windows.back().sunAltitudeTo = window.sunAltitudeTo;
                    windows.back().moonAltitudeMax = std::max(windows.back().moonAltitudeMax, window.moonAltitudeMax);
                    continue;
                }
                if (int(windows.size()) < count)
                    windows.push_back(window);
            }
        }
        if (int(windows.size()) >= count)
            break;
    }
    return windows;
}

} // namespace luna::sky
