// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MonthFacts.h"
#include "PhaseDescription.h"
#include "Place.h"

#include <QString>

#include <optional>
#include <vector>

namespace luna {

// A month, or the twelve of a year, of the lunario.
struct CalendarSpan {
    int year = 0;
    unsigned month = 0; // 0: the whole year

    std::vector<unsigned> months() const;
};

// "YYYY-MM" or "YYYY", within the supported years.
std::optional<CalendarSpan> calendarSpanFromText(QStringView text);

// The months' facts, in order. Throws sky::OutOfRange.
std::vector<sky::MonthFacts> calendarFacts(const CalendarSpan& span, const std::optional<sky::Place>& place);

// The months as text, as cal prints them: the month's name, weeks from
// Monday, each day of a principal phase marked with its sign; then the
// month's events and its waxing and waning halves.
QString calendarText(const std::vector<sky::MonthFacts>& months, Hemisphere hemisphere);

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
// written whole or not at all. Throws WriteError.
void writeCalendar(const QString& path, CalendarFormat format, const std::vector<sky::MonthFacts>& months,
                   Hemisphere hemisphere, const QString& place);

} // namespace luna
