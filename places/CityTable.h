// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

namespace luna::places {

// Every text of the table below, each ended by a NUL; a row holds where
// its texts begin, numbers the programs load as they are.
extern const char cityText[];

// A city of GeoNames (15,000 people or more), as Debian's libgeonames gives
// it, in English and in Italian, compiled in at build time; its names also
// as folded words ("monaco di baviera") and their ASCII forms, for search.
// An ASCII form that is the words themselves is empty, and so are the
// Italian words where they are the English ones.
struct CityRow {
    std::uint32_t name, state, country;
    std::uint32_t italianName, italianState, italianCountry;
    std::uint32_t code, zone;
    std::uint32_t words, asciiWords, italianWords, italianAsciiWords;
    double latitude, longitude;
    unsigned population;
};

extern const CityRow cityRows[];
extern const std::size_t cityRowCount;

// A text of the table.
inline const char* cityString(std::uint32_t at)
{
    return cityText + at;
}

} // namespace luna::places
