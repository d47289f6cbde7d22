// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace luna {

// Starts the program's one clock from LUNA_CLOCK, if set. Returns what is
// wrong with its value, in one line ("LUNA_CLOCK: «domani» non è una
// data: ..."), or nothing.
std::optional<QString> startProgramClock();

} // namespace luna
