// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Gazetteer.h"

#include <geonames.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace luna::places {

namespace {

// libgeonames names its cities, regions and countries through gettext, in
// the language of the messages. For the time of a look-up this thread's
// messages are in `language`: English is gettext's own (the C locale),
// Italian needs LANGUAGE=it and a locale that is not C, whichever the
// machine has.
class MessagesIn {
public:
    explicit MessagesIn(NameLanguage language)
    {
        const char* previous = std::getenv("LANGUAGE");
        if (previous)
            saved_ = previous;
        locale_t base = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
        if (language == NameLanguage::Italian) {
            setenv("LANGUAGE", "it", 1);
            for (const char* name : {"it_IT.UTF-8", "en_US.UTF-8", "en_GB.UTF-8"})
                if (locale_t messages = base ? newlocale(LC_MESSAGES_MASK, name, base) : locale_t(nullptr)) {
                    locale_ = messages;
                    break;
                }
        } else {
            unsetenv("LANGUAGE");
        }
        if (!locale_ && base)
            locale_ = newlocale(LC_MESSAGES_MASK, "C", base);
        if (!locale_ && base)
            freelocale(base);
        if (locale_)
            previousLocale_ = uselocale(locale_);
    }

    MessagesIn(const MessagesIn&) = delete;
    MessagesIn& operator=(const MessagesIn&) = delete;

    ~MessagesIn()
    {
        if (locale_) {
            uselocale(previousLocale_);
            freelocale(locale_);
        }
        if (saved_)
            setenv("LANGUAGE", saved_->c_str(), 1);
        else
            unsetenv("LANGUAGE");
    }

private:
    std::optional<std::string> saved_;
    locale_t locale_ = locale_t(nullptr);
    locale_t previousLocale_ = LC_GLOBAL_LOCALE;
};

// LANGUAGE is the process's; one look-up at a time changes it.
std::mutex& lookUps()
{
    static std::mutex mutex;
    return mutex;
}

struct CityFree {
    void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using City = std::unique_ptr<GeonamesCity, CityFree>;

std::string text(const gchar* value)
{
    return value ? std::string(value) : std::string();
}

// A text folded for comparing, whatever its case.
std::string folded(std::string_view value)
{
    gchar* fold = g_utf8_casefold(value.data(), gssize(value.size()));
    std::string result = fold ? fold : "";
    g_free(fold);
    return result;
}

std::string trimmed(std::string_view value)
{
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = value.find_last_not_of(" \t");
    return std::string(value.substr(first, last - first + 1));
}

// The indices of the cities whose name (in the messages' language or in
// English) matches `name`, best first.
std::vector<int> query(const std::string& name)
{
    guint length = 0;
    gint* found = geonames_query_cities_sync(name.c_str(), GEONAMES_QUERY_DEFAULT, &length, nullptr, nullptr);
    std::vector<int> indices;
    indices.reserve(length);
    for (guint i = 0; i < length; ++i)
        indices.push_back(found[i]);
    g_free(found);
    return indices;
}

// How a city reads in the messages' language: name, region, country.
struct Names {
    std::string name, region, country;
};

Names namesOf(int index)
{
    const City city(geonames_get_city(index));
    if (!city)
        return {};
    return {text(geonames_city_get_name(city.get())), text(geonames_city_get_state(city.get())),
            text(geonames_city_get_country(city.get()))};
}

// Whether `part` ("Illinois", "Italia", "it") names the city's region or
// country, or begins to.
bool names(const std::string& part, const Names& names, const std::string& code)
{
    const std::string wanted = folded(part);
    for (const std::string& candidate : {names.region, names.country, code})
        if (!candidate.empty() && folded(candidate).rfind(wanted, 0) == 0)
            return true;
    return false;
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
    if (parts.front().empty())
        return {};

    const std::lock_guard lock(lookUps());
    // Each look-up reads the whole table: the same text is not looked up
    // twice.
    static std::map<std::pair<std::string, NameLanguage>, std::vector<sky::Place>> known;
    const auto key = std::pair{std::string(text), language};
    if (const auto found = known.find(key); found != known.end())
        return {found->second.begin(), found->second.begin() + std::ptrdiff_t(std::min(most, found->second.size()))};

    const NameLanguage other = language == NameLanguage::Italian ? NameLanguage::English : NameLanguage::Italian;
    const std::string wantedName = folded(parts.front());
    // The interface's language first, then the other one, unless the first
    // found a city by that very name.
    std::vector<int> indices;
    for (const NameLanguage asked : {language, other}) {
        const MessagesIn messages(asked);
        bool exact = false;
        const std::vector<int> found = query(parts.front());
        for (const int index : found) {
            if (std::find(indices.begin(), indices.end(), index) == indices.end())
                indices.push_back(index);
            exact = exact || folded(namesOf(index).name) == wantedName;
        }
        if (exact && parts.size() == 1)
            break;
    }

    // Each candidate's names in both languages; a city named exactly so, in
    // either, before those whose names only begin so.
    struct Candidate {
        int index;
        std::string code;
        Names english, italian;
    };
    std::vector<Candidate> candidates;
    for (const int index : indices) {
        Candidate candidate{index, {}, {}, {}};
        {
            const City city(geonames_get_city(index));
            if (!city)
                continue;
            candidate.code = places::text(geonames_city_get_country_code(city.get()));
        }
        {
            const MessagesIn messages(NameLanguage::English);
            candidate.english = namesOf(index);
        }
        {
            const MessagesIn messages(NameLanguage::Italian);
            candidate.italian = namesOf(index);
        }
        bool wanted = true;
        for (std::size_t i = 1; i < parts.size() && wanted; ++i)
            wanted = parts[i].empty() || names(parts[i], candidate.english, candidate.code)
                || names(parts[i], candidate.italian, candidate.code);
        if (wanted)
            candidates.push_back(std::move(candidate));
    }
    std::stable_partition(candidates.begin(), candidates.end(), [&](const Candidate& c) {
        return folded(c.english.name) == wantedName || folded(c.italian.name) == wantedName;
    });

    std::vector<sky::Place> cities;
    for (const Candidate& candidate : candidates) {
        const City city(geonames_get_city(candidate.index));
        const Names& local = language == NameLanguage::Italian ? candidate.italian : candidate.english;
        sky::Place place(candidate.english.name, geonames_city_get_latitude(city.get()),
                         geonames_city_get_longitude(city.get()), 0);
        place.zone = places::text(geonames_city_get_timezone(city.get()));
        place.country = candidate.code;
        place.label = local.name;
        for (const std::string& more : {local.region, local.country})
            if (!more.empty() && more != local.name)
                place.label += ", " + more;
        cities.push_back(std::move(place));
    }
    known[key] = cities;
    if (cities.size() > most)
        cities.resize(most);
    return cities;
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
