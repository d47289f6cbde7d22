// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Libration.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace luna::sky {

// A named feature of the near side as the IAU's gazetteer gives it:
// selenographic degrees, north and east positive.
struct LunarFeature {
    std::string name;
    double diameterKm = 0;
    double latitude = 0;
    double longitude = 0;
};

// The table Luna ships (data/lunar-features.tsv), read once.
std::span<const LunarFeature> lunarFeatures();

// The features the terminator passes over: those whose centre lies within
// their radius plus a degree of the great circle ninety degrees from the
// subsolar point, on the side turned to the Earth, the nearest to the
// terminator first.
std::vector<std::string> terminatorFeatures(const MoonFace& face);

// The same over any table, for tests and other maps.
std::vector<std::string> terminatorFeatures(const MoonFace& face, std::span<const LunarFeature> table);

// The angle between two selenographic points, in degrees.
double selenographicSeparation(double latitude1, double longitude1, double latitude2, double longitude2);

// The feature of the gazetteer a person names, ignoring case and accents
// and runs of blanks, or the closest names (up to three) when none is.
struct FeatureMatch {
    const LunarFeature* feature = nullptr;
    std::vector<std::string> closest;
};
FeatureMatch findFeature(std::string_view name, std::span<const LunarFeature> table = lunarFeatures());

// The smallest feature whose extent holds a selenographic point.
const LunarFeature* featureAt(double latitude, double longitude,
                              std::span<const LunarFeature> table = lunarFeatures());

} // namespace luna::sky
