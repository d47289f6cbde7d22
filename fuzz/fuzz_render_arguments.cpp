// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// luna-render's size, colour, angle and calendar arguments, from arbitrary
// bytes.

#include "RenderOptions.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto picture = luna::sizeFromText(text)) {
        if (picture->width() < 1 || picture->height() < 1 || picture->width() > luna::largestSide
            || picture->height() > luna::largestSide)
            __builtin_trap();
    }
    if (const auto colour = luna::colourFromText(text); colour && !colour->isValid())
        __builtin_trap();
    if (const auto angle = luna::angleFromText(text); angle && !std::isfinite(*angle))
        __builtin_trap();
    // A calendar's month is a month of the supported years.
    if (const auto span = luna::calendarSpanFromText(text);
        span && (span->year < 1900 || span->year > 2100 || span->month > 12))
        __builtin_trap();
    return 0;
}
