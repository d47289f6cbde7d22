// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace luna::places {

// The language people read a place's name in.
enum class NameLanguage { Italian, English };

// The cities of GeoNames with 15,000 people or more (through Debian's
// libgeonames) that `text` names: a city's name in Italian or in English,
// whatever `language`, optionally followed by its region and its country
// after commas ("Springfield, Illinois"); best first, as libgeonames ranks
// them, at most `most`. Each comes with its English name, its zone and its
// country's code, and a label in `language` ("Roma, Lazio, Italia").
std::vector<sky::Place> findCities(std::string_view text, NameLanguage language, std::size_t most = 8);

// The city of the table nearest to a point, named as findCities() names
// it; none only if the table is empty.
std::optional<sky::Place> nearestCity(double latitude, double longitude, NameLanguage language);

// A place as people write it: LAT,LON[,HEIGHT]; a time zone's whole name
// ("Europe/Rome"); a city, as findCities() reads it; or else a zone by its
// last part ("Eucla"). Throws sky::BadPlace, as sky::parsePlace() does.
sky::Place resolvePlace(std::string_view text, const sky::ZoneTable& zones, NameLanguage language);

} // namespace luna::places
