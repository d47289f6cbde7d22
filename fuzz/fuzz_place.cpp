// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The place parser, from arbitrary bytes.

#include "Place.h"
#include "Planner.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const luna::sky::ZoneTable zones;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const luna::sky::Place place = luna::sky::parsePlace(text, zones);
        // What is accepted is somewhere on the Earth.
        if (!(std::abs(place.latitude) <= 90) || !(std::abs(place.longitude) <= 180)
            || !std::isfinite(place.height))
            __builtin_trap();
    } catch (const luna::sky::BadPlace& error) {
        if (error.reason == luna::sky::BadPlace::Reason::Ambiguous && error.candidates.size() < 2)
            __builtin_trap();
    }
    // The same text as a direction of the sky, and as a feature's name.
    try {
        const luna::sky::Direction direction = luna::sky::parseDirection(text);
        if (!(direction.azimuth >= 0 && direction.azimuth < 360) || !(std::abs(direction.altitude) <= 90))
            __builtin_trap();
    } catch (const luna::sky::BadDirection&) {
    }
    const luna::sky::FeatureMatch match = luna::sky::findFeature(text);
    if ((match.feature && !match.closest.empty()) || match.closest.size() > 3)
        __builtin_trap();
    return 0;
}
