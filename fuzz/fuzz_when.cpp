// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The date parser, from arbitrary bytes.

#include "When.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Read on a clock that skips and repeats midnights.
    static const luna::sky::Zone santiago = luna::sky::Zone::named("America/Santiago").value_or(luna::sky::Zone());
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    luna::sky::Instant when;
    try {
        when = luna::sky::parseWhen(text, luna::sky::Instant{}, santiago);
    } catch (const luna::sky::BadDate&) {
        return 0;
    } catch (const luna::sky::OutOfRange&) {
        return 0;
    }
    // What is accepted lies in the supported years: the sky must take it.
    luna::sky::elongation(when);
    return 0;
}
