// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How near one name is to another, for the names the sky looks up (zones,
// features of the Moon). Not for use outside sky/.

#include <cstddef>
#include <string_view>

namespace luna::sky::detail {

// Levenshtein's distance between a and b, or limit + 1 as soon as it is
// sure to exceed `limit`: only the band of cells within `limit` of the
// diagonal can stay within it.
std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit);

} // namespace luna::sky::detail
