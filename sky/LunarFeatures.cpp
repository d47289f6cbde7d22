// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LunarFeatures.h"

#include "Constants.h"
#include "Spelling.h"

#include <algorithm>
#include <charconv>
#include <cctype>
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

// The Latin letters with accents (U+00C0 to U+017F, as UTF-8 writes them
// in two bytes) and the plain letters they are read as.
constexpr std::string_view plainLatin1 = "aaaaaaaceeeeiiiidnooooo*ouuuuyts" "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
constexpr std::string_view plainExtendedA = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiijjjjkkk"
                                            "llllllllllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(plainLatin1.size() == 64 && plainExtendedA.size() == 128);

// A name as it is compared: lower case, accents dropped, the blanks
// between words one space, apostrophes and hyphens as blanks.
std::string folded(std::string_view name)
{
    std::string text;
    bool blank = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        char plain = 0;
        if ((c == 0xC3 || c == 0xC4 || c == 0xC5) && i + 1 < name.size()) {
            const unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(name[++i]) & 0x3Fu);
            if (code >= 0xC0 && code < 0x100)
                plain = plainLatin1[code - 0xC0];
            else if (code >= 0x100 && code < 0x180)
                plain = plainExtendedA[code - 0x100];
        } else if (c < 0x80) {
            plain = char(std::tolower(c));
        }
        if (plain == 0 || plain == ' ' || plain == '\t' || plain == '-' || plain == '\'') {
            if (!blank)
                text += ' ';
            blank = true;
            continue;
        }
        text += plain;
        blank = false;
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace

double selenographicSeparation(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double c = std::sin(radians(latitude1)) * std::sin(radians(latitude2))
        + std::cos(radians(latitude1)) * std::cos(radians(latitude2)) * std::cos(radians(longitude1 - longitude2));
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / std::numbers::pi;
}

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
        if (selenographicSeparation(feature.latitude, feature.longitude, face.librationLatitude, face.librationLongitude) >= 90)
            continue;
        const double fromTerminator = std::abs(
            selenographicSeparation(feature.latitude, feature.longitude, face.subsolarLatitude, face.subsolarLongitude) - 90);
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

FeatureMatch findFeature(std::string_view name, std::span<const LunarFeature> table)
{
    const std::string wanted = folded(name);
    FeatureMatch match;
    std::vector<std::pair<std::size_t, const LunarFeature*>> near;
    const std::size_t limit = std::max<std::size_t>(2, wanted.size() / 2);
    for (const LunarFeature& feature : table) {
        const std::string candidate = folded(feature.name);
        if (candidate == wanted) {
            match.feature = &feature;
            return match;
        }
        const std::size_t distance = detail::editDistance(wanted, candidate, limit);
        if (distance <= limit)
            near.emplace_back(distance, &feature);
    }
    std::ranges::stable_sort(near, {}, &std::pair<std::size_t, const LunarFeature*>::first);
    for (std::size_t i = 0; i < near.size() && i < 3; ++i)
        match.closest.push_back(near[i].second->name);
    return match;
}

const LunarFeature* featureAt(double latitude, double longitude, std::span<const LunarFeature> table)
{
    const LunarFeature* smallest = nullptr;
    for (const LunarFeature& feature : table) {
        const double radius = feature.diameterKm / 2 / moonRadiusKm * 180 / std::numbers::pi;
        if (selenographicSeparation(latitude, longitude, feature.latitude, feature.longitude) <= radius
            && (!smallest || feature.diameterKm < smallest->diameterKm))
            smallest = &feature;
    }
    return smallest;
}

} // namespace luna::sky
