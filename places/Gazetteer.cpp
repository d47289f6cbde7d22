// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Gazetteer.h"

#include "CityTable.h"

#include <glib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace luna::places {

namespace {

std::string trimmed(std::string_view value)
{
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = value.find_last_not_of(" \t");
    return std::string(value.substr(first, last - first + 1));
}

// A text folded for comparing, whatever its case.
std::string folded(std::string_view value)
{
    gchar* fold = g_utf8_casefold(value.data(), gssize(value.size()));
    std::string result = fold ? fold : "";
    g_free(fold);
    return result;
}

// The words of what was typed, folded as the table's names are.
std::vector<std::string> queryWords(const std::string& text)
{
    gchar** tokens = g_str_tokenize_and_fold(text.c_str(), nullptr, nullptr);
    std::vector<std::string> words;
    for (gchar** token = tokens; token && *token; ++token)
        words.emplace_back(*token);
    g_strfreev(tokens);
    return words;
}

// A name's words, at most `kept` of them: a name has a handful.
constexpr std::size_t kept = 16;
struct Words {
    std::array<std::string_view, kept> word;
    std::size_t count = 0;
};

Words split(std::string_view words)
{
    Words parts;
    while (!words.empty() && parts.count < kept) {
        const auto space = words.find(' ');
        parts.word[parts.count++] = words.substr(0, space);
        if (space == std::string_view::npos)
            break;
        words.remove_prefix(space + 1);
    }
    return parts;
}

// How well a name answers the words typed, as libgeonames weighs it: each
// word typed begins a word of the name in turn (in its own letters or in
// ASCII), from the name's first word or a later one; the share of each
// word typed, averaged, scaled by the city's size up to a million people,
// and 1 more where the name's first word begins the match. 0 where nothing
// answers.
double weight(const std::vector<std::string>& typed, const char* words, const char* ascii, unsigned population)
{
    if (!*words)
        return 0;
    // Most names share no word's beginning with the first word typed.
    const std::string_view first = typed.front();
    const std::string_view all(words), allAscii(*ascii ? ascii : words);
    const auto begins = [&](std::string_view text) {
        for (std::size_t at = text.find(first); at != std::string_view::npos; at = text.find(first, at + 1))
            if (at == 0 || text[at - 1] == ' ')
                return true;
        return false;
    };
    if (!begins(all) && (allAscii.data() == all.data() || !begins(allAscii)))
        return 0;
    const Words own = split(all), plain = split(allAscii);
    if (own.count < typed.size() || plain.count != own.count)
        return 0;
    for (std::size_t from = 0; from + typed.size() <= own.count; ++from) {
        double share = 0;
        bool answers = true;
        for (std::size_t i = 0; i < typed.size() && answers; ++i) {
            answers = own.word[from + i].starts_with(typed[i]) || plain.word[from + i].starts_with(typed[i]);
            share += double(typed[i].size()) / double(own.word[from + i].size());
        }
        if (answers)
            return share / double(typed.size()) * double(std::clamp(population, 1u, 1000000u)) / 1e6
                + (from == 0 ? 1 : 0);
    }
    return 0;
}

// Whether `part` ("Illinois", "Italia", "it") names the city's region or
// country in either language, or begins to.
bool names(const std::string& part, const CityRow& city)
{
    const std::string wanted = folded(part);
    for (const std::uint32_t at : {city.state, city.country, city.italianState, city.italianCountry, city.code})
        if (const char* candidate = cityString(at); *candidate && folded(candidate).starts_with(wanted))
            return true;
    return false;
}

// A city of the table as a place, named in `language` with its region and
// country ("Roma, Lazio, Italia").
sky::Place cityPlace(const CityRow& city, NameLanguage language)
{
    const bool italian = language == NameLanguage::Italian;
    sky::Place place(cityString(city.name), city.latitude, city.longitude, 0);
    place.zone = cityString(city.zone);
    place.country = cityString(city.code);
    const std::string name = cityString(italian ? city.italianName : city.name);
    place.label = name;
    for (const std::string more : {cityString(italian ? city.italianState : city.state),
                                   cityString(italian ? city.italianCountry : city.country)})
        if (!more.empty() && more != name)
            place.label += ", " + more;
    return place;
}

} // namespace

std::vector<sky::Place> findCities(std::string_view text, NameLanguage language, std::size_t most)
{
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const auto comma = text.find(',', from);
        parts.push_back(trimmed(text.substr(from, comma == std::string_view::npos ? comma : comma - from)));
        if (comma == std::string_view::npos)
            break;
        from = comma + 1;
    }
    const std::vector<std::string> typed = queryWords(parts.front());
    if (typed.empty())
        return {};

    // Every city whose English or Italian name answers, best first.
    std::vector<std::pair<double, const CityRow*>> answers;
    for (std::size_t i = 0; i < cityRowCount; ++i) {
        const CityRow& city = cityRows[i];
        const double best = std::max(weight(typed, cityString(city.words), cityString(city.asciiWords), city.population),
                                     weight(typed, cityString(city.italianWords), cityString(city.italianAsciiWords), city.population));
        if (best > 0)
            answers.emplace_back(best, &city);
    }
    std::stable_sort(answers.begin(), answers.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

    // Those in the region or country named after commas; a city named
    // exactly so, in either language, before those whose names only begin
    // so.
    std::vector<const CityRow*> candidates;
    for (const auto& [weight, city] : answers) {
        bool wanted = true;
        for (std::size_t i = 1; i < parts.size() && wanted; ++i)
            wanted = parts[i].empty() || names(parts[i], *city);
        if (wanted)
            candidates.push_back(city);
    }
    const std::string wantedName = folded(parts.front());
    std::stable_partition(candidates.begin(), candidates.end(), [&](const CityRow* city) {
        return folded(cityString(city->name)) == wantedName || folded(cityString(city->italianName)) == wantedName;
    });

    std::vector<sky::Place> cities;
    for (const CityRow* city : candidates) {
        if (cities.size() >= most)
            break;
        cities.push_back(cityPlace(*city, language));
    }
    return cities;
}

std::optional<sky::Place> nearestCity(double latitude, double longitude, NameLanguage language)
{
    // The nearest by the angle between the two points on a sphere: among
    // cities, the ellipsoid's few tenths of a per cent never change which.
    const auto unit = [](double north, double east) {
        const double phi = north * std::numbers::pi / 180, lambda = east * std::numbers::pi / 180;
        return std::array{std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
    };
    const auto here = unit(latitude, longitude);
    const CityRow* nearest = nullptr;
    double closest = -2;
    for (std::size_t i = 0; i < cityRowCount; ++i) {
        const auto there = unit(cityRows[i].latitude, cityRows[i].longitude);
        const double cosine = here[0] * there[0] + here[1] * there[1] + here[2] * there[2];
        if (cosine > closest) {
            closest = cosine;
            nearest = &cityRows[i];
        }
    }
    if (!nearest)
        return std::nullopt;
    return cityPlace(*nearest, language);
}

sky::Place resolvePlace(std::string_view text, const sky::ZoneTable& zones, NameLanguage language)
{
    // Coordinates and a zone's whole name are read as they always were; a
    // name alone is a city's first, and a zone's last part after that.
    const std::string plain = trimmed(text);
    const bool coordinates = !plain.empty() && std::string_view("+-.0123456789").find(plain.front()) != std::string_view::npos;
    if (!coordinates && plain.find('/') == std::string::npos) {
        const auto cities = findCities(plain, language, 1);
        if (!cities.empty())
            return cities.front();
    }
    return sky::parsePlace(text, zones);
}

} // namespace luna::places
