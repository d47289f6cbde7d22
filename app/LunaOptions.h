// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandLine.h"
#include "PhaseDescription.h"
#include "Place.h"
#include "Sky.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace luna {

// What luna was asked to do by its command line.
struct LunaOptions {
    enum class Task { Window, Tray, Help, Version };

    Task task = Task::Window;
    std::optional<sky::Instant> when; // open on the Moon of this instant
    // Given on the command line, for this run; otherwise the window's own
    // remembered choices.
    std::optional<Hemisphere> hemisphere;
    std::optional<sky::Place> place;
};

// Reads the arguments after the program's name; `now` is what --date now
// means. Qt's own options (-style, -platform, -reverse and the others every
// Qt program takes) are let through for QApplication. Throws UsageError with
// one line naming the argument and what is wrong with it. A --date without
// a zone is read on --place's clock, else on `shownClock`: the window's
// remembered place's.
LunaOptions parseLunaArguments(const QStringList& arguments, sky::Instant now,
                               const std::optional<sky::Zone>& shownClock = std::nullopt);

QString lunaUsage();

} // namespace luna
