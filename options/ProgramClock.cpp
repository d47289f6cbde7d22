// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramClock.h"

#include "Clock.h"
#include "Formats.h"
#include "When.h"

namespace luna {

std::optional<QString> startProgramClock()
{
    try {
        sky::startProgramClock();
    } catch (const sky::BadDate& error) {
        return QStringLiteral("LUNA_CLOCK: ") + describe(error);
    } catch (const sky::OutOfRange& error) {
        return QStringLiteral("LUNA_CLOCK: ") + describe(error);
    }
    return std::nullopt;
}

} // namespace luna
