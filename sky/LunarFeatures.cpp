// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LunarFeatures.h"

#include "Constants.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

namespace luna::sky {

// The table's text, embedded by the build from data/lunar-features.tsv.
extern const std::string_view lunarFeatureTable;

namespace {

using constants::moonRadiusKm;

constexpr double beyondRim = 1; // degrees

constexpr double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double number(std::string_view field)
{
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() ? value : std::nan("");
}

std::vector<LunarFeature> parsed(std::string_view text)
{
    std::vector<LunarFeature> features;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (line.empty() || line.front() == '#')
            continue;
        std::string_view fields[4];
        std::size_t count = 0;
        for (; count < 4 && !line.empty(); ++count) {
            const std::size_t tab = line.find('\t');
            fields[count] = line.substr(0, tab);
            line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
        }
        LunarFeature feature{std::string(fields[0]), number(fields[1]), number(fields[2]), number(fields[3])};
        if (count == 4 && !feature.name.empty() && std::isfinite(feature.diameterKm)
            && std::isfinite(feature.latitude) && std::isfinite(feature.longitude))
            features.push_back(std::move(feature));
    }
    return features;
}

// The angle between two selenographic points, in degrees.
double separation(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double c = std::sin(radians(latitude1)) * std::sin(radians(latitude2))
        + std::cos(radians(latitude1)) * std::cos(radians(latitude2)) * std::cos(radians(longitude1 - longitude2));
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / std::numbers::pi;
}

} // namespace

std::span<const LunarFeature> lunarFeatures()
{
    static const std::vector<LunarFeature> table = parsed(lunarFeatureTable);
    return table;
}

std::vector<std::string> terminatorFeatures(const MoonFace& face)
{
    return terminatorFeatures(face, lunarFeatures());
}

std::vector<std::string> terminatorFeatures(const MoonFace& face, std::span<const LunarFeature> table)
{
    std::vector<std::pair<double, const LunarFeature*>> near;
    for (const LunarFeature& feature : table) {
        if (separation(feature.latitude, feature.longitude, face.librationLatitude, face.librationLongitude) >= 90)
            continue;
        const double fromTerminator = std::abs(
            separation(feature.latitude, feature.longitude, face.subsolarLatitude, face.subsolarLongitude) - 90);
        const double radius = feature.diameterKm / 2 / moonRadiusKm * 180 / std::numbers::pi;
        if (fromTerminator <= radius + beyondRim)
            near.emplace_back(fromTerminator, &feature);
    }
    std::ranges::stable_sort(near, {}, &std::pair<double, const LunarFeature*>::first);
    std::vector<std::string> names;
    names.reserve(near.size());
    for (const auto& [distance, feature] : near)
        names.push_back(feature->name);
    return names;
}

} // namespace luna::sky
