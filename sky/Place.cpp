// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Place.h"

#include "Spelling.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace luna::sky {

namespace {

// A name as people may write it: lower case, spaces for underscores.
std::string normalised(std::string_view name)
{
    std::string text;
    for (char c : name)
        text += c == '_' ? ' ' : char(std::tolower(static_cast<unsigned char>(c)));
    // Blanks around the name do not count.
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::string lastPart(std::string_view name)
{
    const auto slash = name.rfind('/');
    return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

// Letters a to z have a count each; the rest share four, by kind.
std::size_t letterIndex(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return std::size_t(c - 'a');
    if (c == ' ')
        return 26;
    if (c == '/')
        return 27;
    return c < 0x80 ? 28 : 29;
}

ZoneTable::Spelling spelling(std::string_view name)
{
    ZoneTable::Spelling s{normalised(name), {}};
    for (char c : s.text) {
        auto& count = s.letters[letterIndex(static_cast<unsigned char>(c))];
        count = std::uint8_t(std::min(count + 1, 255));
    }
    return s;
}

// No edit turns one name into the other in fewer steps than the letters
// one has more of than the other: half the letters they differ by, and half
// the difference of their lengths. Counted without a branch, as it runs for
// every zone.
std::size_t lowerBound(const ZoneTable::Spelling& a, const ZoneTable::Spelling& b)
{
    int differ = 0;
    for (std::size_t i = 0; i < a.letters.size(); ++i)
        differ += std::abs(int(a.letters[i]) - int(b.letters[i]));
    return std::size_t(differ + std::abs(int(a.text.size()) - int(b.text.size()))) / 2;
}


std::optional<double> number(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()
        || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Degrees from ±DDMM[SS] (latitude, `degreeDigits` 2) or ±DDDMM[SS].
std::optional<double> sexagesimal(std::string_view text, std::size_t degreeDigits)
{
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5)
        return std::nullopt;
    if (text[0] != '+' && text[0] != '-')
        return std::nullopt;
    double value = 0;
    double unit = 1;
    std::size_t at = 1;
    for (const std::size_t digits : {degreeDigits, std::size_t(2), std::size_t(2)}) {
        if (at >= text.size())
            break;
        int part = 0;
        for (std::size_t i = 0; i < digits; ++i) {
            const char c = text[at + i];
            if (c < '0' || c > '9')
                return std::nullopt;
            part = part * 10 + (c - '0');
        }
        value += part * unit;
        unit /= 60;
        at += digits;
    }
    return text[0] == '-' ? -value : value;
}

bool looksLikeCoordinates(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    return text.find_first_of(",;") != std::string_view::npos
        || (first != std::string_view::npos && std::string_view("+-.0123456789").find(text[first]) != std::string_view::npos);
}

// The numbers of "LAT,LON[,HEIGHT]" as people write them: with points and
// commas between ("45.07,7.69", "45.07, 7.69"), with decimal commas and
// blanks or semicolons between ("45,07 7,69", "45,07; 7,69"), or with
// points and blanks ("45.07 7.69").
std::vector<std::string> coordinateParts(std::string_view text)
{
    const auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    bool decimalCommas = text.find('.') == std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == ',' && !(i > 0 && digit(i - 1) && digit(i + 1)))
            decimalCommas = false;
    const auto first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    const bool blanks = first != std::string_view::npos && text.substr(first, last - first + 1).find_first_of(" \t") != std::string_view::npos;
    const bool semicolons = text.find(';') != std::string_view::npos;
    const bool commaSeparated = !semicolons && text.find(',') != std::string_view::npos && !(decimalCommas && blanks);

    std::vector<std::string> parts;
    if (!commaSeparated && !semicolons) {
        std::istringstream words{std::string(text)};
        for (std::string word; words >> word;)
            parts.push_back(word);
    } else {
        const char separator = semicolons ? ';' : ',';
        for (std::size_t start = 0;;) {
            const auto end = text.find(separator, start);
            parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
    }
    // Between semicolons, or blanks, any comma is a decimal one.
    if (!commaSeparated)
        for (std::string& part : parts)
            std::replace(part.begin(), part.end(), ',', '.');
    return parts;
}

Place coordinates(std::string_view text)
{
    const std::vector<std::string> parts = coordinateParts(text);
    const std::string whole(text);
    if (parts.size() < 2 || parts.size() > 3)
        throw BadPlace(whole, BadPlace::Reason::NotANumber);
    std::vector<double> values;
    for (const std::string& part : parts) {
        const auto value = number(part);
        if (!value)
            throw BadPlace(whole, BadPlace::Reason::NotANumber);
        values.push_back(*value);
    }
    if (values[0] < -90 || values[0] > 90)
        throw BadPlace(whole, BadPlace::Reason::Latitude);
    if (values[1] < -180 || values[1] > 180)
        throw BadPlace(whole, BadPlace::Reason::Longitude);
    if (values.size() == 3 && (values[2] < -500 || values[2] > 9000))
        throw BadPlace(whole, BadPlace::Reason::Height);
    return {{}, values[0], values[1], values.size() == 3 ? values[2] : 0};
}

} // namespace

std::size_t detail::editDistance(std::string_view a, std::string_view b, std::size_t limit)
{
    const std::size_t n = a.size(), m = b.size(), beyond = limit + 1;
    if ((n > m ? n - m : m - n) > limit)
        return beyond;
    thread_local std::vector<std::size_t> row;
    row.assign(m + 1, beyond);
    for (std::size_t j = 0; j <= std::min(m, limit); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        const std::size_t first = i > limit ? i - limit : 1;
        const std::size_t last = std::min(m, i + limit);
        std::size_t diagonal = row[first - 1];
        row[first - 1] = first == 1 && i <= limit ? i : beyond;
        std::size_t least = row[first - 1];
        for (std::size_t j = first; j <= last; ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
            least = std::min(least, row[j]);
        }
        if (least > limit)
            return beyond;
    }
    return std::min(row[m], beyond);
}

BadPlace::BadPlace(std::string written, Reason why, std::vector<std::string> closest)
    : std::invalid_argument("not a place: " + written)
    , text(std::move(written))
    , reason(why)
    , candidates(std::move(closest))
{
}

std::optional<Place> placeFromIso6709(std::string_view text)
{
    const auto split = text.find_first_of("+-", 1);
    if (split == std::string_view::npos)
        return std::nullopt;
    const auto latitude = sexagesimal(text.substr(0, split), 2);
    const auto longitude = sexagesimal(text.substr(split), 3);
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180)
        return std::nullopt;
    return Place{{}, *latitude, *longitude, 0};
}

ZoneTable::ZoneTable(const std::string& folder)
{
    for (const char* table : {"zone1970.tab", "zone.tab"}) {
        std::ifstream file(folder + "/" + table);
        std::string line;
        while (std::getline(file, line)) {
            if (line.empty() || line[0] == '#')
                continue;
            std::istringstream fields(line);
            std::string countries, where, name;
            if (!std::getline(fields, countries, '\t') || !std::getline(fields, where, '\t')
                || !std::getline(fields, name, '\t'))
                continue;
            if (!name.empty() && name.back() == '\r')
                name.pop_back();
            auto place = placeFromIso6709(where);
            if (!place || exactly(name))
                continue;
            place->name = name;
            place->zone = name;
            place->country = countries.substr(0, countries.find(','));
            zones_.push_back(*place);
            whole_.push_back(spelling(name));
            last_.push_back(spelling(lastPart(name)));
        }
    }
}

std::optional<Place> ZoneTable::exactly(std::string_view name) const
{
    const auto found = std::find_if(zones_.begin(), zones_.end(),
                                    [&](const Place& zone) { return zone.name == name; });
    if (found == zones_.end())
        return std::nullopt;
    return *found;
}

Place ZoneTable::find(std::string_view name) const
{
    const Spelling wanted = spelling(name);
    for (std::size_t i = 0; i < zones_.size(); ++i)
        if (whole_[i].text == wanted.text)
            return zones_[i];

    std::vector<std::string> matches;
    for (std::size_t i = 0; i < zones_.size(); ++i)
        if (last_[i].text == wanted.text)
            matches.push_back(zones_[i].name);
    if (matches.size() == 1)
        return *exactly(matches.front());
    if (matches.size() > 1)
        throw BadPlace(std::string(name), BadPlace::Reason::Ambiguous, matches);

    // The closest few, by their whole name or their last part; a name far
    // longer than any zone's resembles none.
    if (wanted.text.size() > 64)
        throw BadPlace(std::string(name), BadPlace::Reason::Unknown);
    // The best three so far, by distance and then name, among the zones
    // that differ in at most half the name's letters (two for short ones):
    // farther ones resemble it no more than any other. A zone is measured
    // only as far as it could still enter them.
    constexpr std::size_t kept = 3;
    const std::size_t resemblance = std::max<std::size_t>(2, wanted.text.size() / 2);
    std::vector<std::pair<std::size_t, const std::string*>> best;
    for (std::size_t i = 0; i < zones_.size(); ++i) {
        const std::size_t limit = best.size() < kept ? resemblance : best.back().first;
        std::size_t distance = limit + 1;
        for (const Spelling* candidate : {&whole_[i], &last_[i]})
            if (lowerBound(wanted, *candidate) <= std::min(limit, distance))
                distance = std::min(distance, detail::editDistance(wanted.text, candidate->text, std::min(limit, distance)));
        if (distance > limit)
            continue;
        const std::pair entry{distance, &zones_[i].name};
        const auto at = std::upper_bound(best.begin(), best.end(), entry, [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : *a.second < *b.second;
        });
        best.insert(at, entry);
        if (best.size() > kept)
            best.pop_back();
    }
    std::vector<std::string> closest;
    for (const auto& [distance, zone] : best)
        closest.push_back(*zone);
    throw BadPlace(std::string(name), BadPlace::Reason::Unknown, closest);
}

Place parsePlace(std::string_view text, const ZoneTable& zones)
{
    if (looksLikeCoordinates(text))
        return coordinates(text);
    return zones.find(text);
}

Place parseCoordinates(std::string_view text)
{
    return coordinates(text);
}

Zone Place::clock() const
{
    if (const auto named = Zone::named(zone))
        return *named;
    return Zone::system();
}

Zone clockOf(const std::optional<Place>& place)
{
    return place ? place->clock() : Zone::system();
}

std::string systemZoneName(const std::string& localtime, const std::string& timezone)
{
    if (const char* tz = std::getenv("TZ"); tz && *tz) {
        std::string_view name(tz);
        if (name.front() == ':')
            name.remove_prefix(1);
        // A rule such as CET-1CEST,M3.5.0,M10.5.0/3 names no zone.
        if (name.find(',') != std::string_view::npos)
            return {};
        const auto marker = name.find("zoneinfo/");
        return std::string(marker == std::string_view::npos ? name : name.substr(marker + 9));
    }
    std::error_code error;
    const auto target = std::filesystem::read_symlink(localtime, error);
    if (!error) {
        const std::string path = target.string();
        const auto marker = path.find("zoneinfo/");
        if (marker != std::string::npos)
            return path.substr(marker + 9);
    }
    std::ifstream file(timezone);
    std::string name;
    if (std::getline(file, name))
        return name;
    return {};
}

std::optional<Place> systemPlace(const ZoneTable& zones)
{
    const std::string name = systemZoneName();
    if (name.empty())
        return std::nullopt;
    return zones.exactly(name);
}

} // namespace luna::sky
