// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace luna::places {

// A city of GeoNames (15,000 people or more), as Debian's libgeonames gives
// it, in English and in Italian, compiled in at build time; its names also
// as folded words ("monaco di baviera") and their ASCII forms, for search.
// An ASCII form that is the words themselves is empty, and so are the
// Italian words where they are the English ones.
struct CityRow {
    const char *name, *state, *country;
    const char *italianName, *italianState, *italianCountry;
    const char *code, *zone;
    double latitude, longitude;
    unsigned population;
    const char *words, *asciiWords, *italianWords, *italianAsciiWords;
};

extern const CityRow cityRows[];
extern const std::size_t cityRowCount;

} // namespace luna::places
