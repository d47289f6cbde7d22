// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DayCell.h"
#include "MonthFacts.h"
#include "PhaseDescription.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace luna {

// The months' events as an iCalendar file (RFC 5545): one event per
// principal phase, perigee, apogee and eclipse, in UTC, each with a UID that
// names its day and kind, so that a run next year gives the same event the
// same UID.
QByteArray calendarICalendar(const std::vector<sky::MonthFacts>& months);

// What a calendar file holds, by its extension.
enum class CalendarFormat { Pdf, Svg, Png, ICalendar };
std::optional<CalendarFormat> calendarFormatOfFile(QStringView path);

// The file a month of a year goes into when each month has its own file:
// lunario.svg becomes lunario-01.svg and so on.
QString monthFileName(const QString& path, unsigned month);

// Writes the months: a PDF of one A4 page a month, an SVG or PNG page (one
// file a month when there are several), or an iCalendar file. Each file is
// written whole or not at all; the pages with each day's Hijri date where
// `hijri` says. Throws WriteError.
void writeCalendar(const QString& path, CalendarFormat format, const std::vector<sky::MonthFacts>& months,
                   Hemisphere hemisphere, const QString& place, HijriDates hijri = HijriDates::Hidden);

} // namespace luna
