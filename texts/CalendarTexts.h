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

// A local date and time as Italians write it: "giovedì 24 dicembre, 02:28".
QString dayAndTime(sky::Instant when);

// A local time: "02:28".
QString timeOfDay(sky::Instant when);

// One line for each of a month's events, such as "Luna piena: giovedì 24
// dicembre, 02:28" or "Perigeo: ..., 356.923 km (superluna)".
QString eventText(const sky::MonthEvent& event);

// "crescente dal 9 dicembre, 01:52 al 24 dicembre, 02:28".
QString halfText(const sky::Half& half);

// "Luna alle 21:00".
QString eveningNote();

// The local time zone's name at an instant: "CET".
QString zoneName(sky::Instant when);

} // namespace luna
