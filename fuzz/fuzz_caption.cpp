// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading of a caption as a number, from arbitrary bytes.

#include "TextNumber.h"

#include <QString>

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString caption = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = luna::numberFromText(caption);
    // Whatever the text, the drawing gets a finite number.
    if (!std::isfinite(value))
        __builtin_trap();
    luna::numberFromText(luna::textFromNumber(value));
    return 0;
}
