// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhaseDescription.h"
#include "Place.h"
#include "InstantFacts.h"
#include "Sky.h"

#include <QString>

#include <string>
#include <vector>

#include <optional>

namespace luna {

// What to tell of the Moon: a bare angle, or the Moon of an instant, seen
// from a hemisphere and, when there is one, a place.
// Where a report is read, for what it suggests: luna-render's options or
// the window's menu.
enum class ReportReader { Command, Window };

struct MoonReportRequest {
    std::optional<sky::Instant> when;
    double angle = 0;
    Hemisphere hemisphere = Hemisphere::North;
    std::optional<sky::Place> place;
    bool placeFromZone = false;
    ReportReader reader = ReportReader::Command;
};

// The phase a report tells of: the elongation (the instant's, or the one the
// angle shows), the picture's angle for the hemisphere, the lit fraction and
// the phase's name. Throws sky::OutOfRange.
struct ReportedPhase {
    double elongation = 0;
    int angle = 0;
    double lit = 0;
    PhaseId phase = PhaseId::NewMoon;
};
ReportedPhase reportedPhase(const MoonReportRequest& request);

// The Moon for people, a fact a line: for an angle, the elongation, the
// picture's angle, the phase and its lit part; for an instant also its age,
// rise, transit and set at the place, where it stands, its distance and
// size, the next perigee and apogee, the next four phases and the next
// eclipses. luna-render --info prints it, and the window copies it. Throws
// sky::OutOfRange.
QString moonReport(const MoonReportRequest& request);
// The same of facts gathered already.
QString moonReport(const sky::InstantFacts& facts, Hemisphere hemisphere, bool placeFromZone,
                   ReportReader reader = ReportReader::Command);

// The lines of the Sun's hours ("Sole:          sorge 07:27, tramonta
// 16:42; crepuscolo civile ...") and of the Moon in a dark sky ("Luna al
// buio:  dalle 17:20 alle 23:05"), on `zone`'s clock.
QString sunHoursLine(const sky::SunHours& sun, const sky::Zone& zone);
QString darkSkyLine(const std::vector<sky::Stretch>& darkSky, const sky::Zone& zone);

// The features on the terminator, the nearest few, in the IAU's names
// whatever the language ("Copernicus, Eratosthenes"); the JSON carries them
// all.
QString terminatorText(const std::vector<std::string>& crossed);

// What the Moon's face shows, for a screen reader: the phase and its lit
// share, and the features on the terminator ("Primo quarto, illuminata al
// 50%" and, below, "Sul terminatore: Murchison, ...").
QString faceDescription(double elongation, const std::vector<std::string>& terminator);

// The next four principal phases after `when`, a line each, with their times
// in UTC and on `zone`.
QString nextPhasesText(sky::Instant when, const sky::Zone& zone);

} // namespace luna
