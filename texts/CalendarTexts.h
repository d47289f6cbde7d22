// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MonthFacts.h"
#include "PhaseDescription.h"

#include <QString>
#include <QStringList>

namespace luna {

// The month's name as a calendar heads it: "dicembre 2026".
QString monthTitle(int year, unsigned month);

// The days of the week from Monday, in two letters: Lu Ma Me Gi Ve Sa Do.
QStringList weekdayInitials();

// The sign of a principal phase as it looks from the hemisphere: ● new,
// ◐ first quarter, ○ full, ◑ last quarter in the north, the quarters the
// other way round in the south.
QString phaseSymbol(sky::Phase phase, Hemisphere hemisphere);

// A date and time on `zone` as Italians write it: "giovedì 24 dicembre, 02:28".
QString dayAndTime(sky::Instant when, const sky::Zone& zone);

// A time on `zone`: "02:28".
QString timeOfDay(sky::Instant when, const sky::Zone& zone);

// One line for each of a month's events, such as "Luna piena: giovedì 24
// dicembre, 02:28" or "Perigeo: ..., 356.923 km (superluna)".
QString eventText(const sky::MonthEvent& event, const sky::Zone& zone);

// An event as said within its day: "luna nuova alle 01:52", "perigeo alle
// 09:34, 356.651 km".
QString eventOfTheDayText(const sky::MonthEvent& event, const sky::Zone& zone);

// "crescente dal 9 dicembre, 01:52 al 24 dicembre, 02:28".
QString halfText(const sky::Half& half, const sky::Zone& zone);

// "Luna alle 21:00".
QString eveningNote();

// The abbreviation a zone goes by at an instant: "CET".
QString zoneName(sky::Instant when, const sky::Zone& zone);

} // namespace luna
