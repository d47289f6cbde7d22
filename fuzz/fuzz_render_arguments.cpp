// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// luna-render's size, colour and angle arguments, from arbitrary bytes.

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
    return 0;
}
