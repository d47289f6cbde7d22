// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CalendarFiles.h"
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
QString calendarText(const std::vector<sky::MonthFacts>& months, Hemisphere hemisphere,
                     HijriDates hijri = HijriDates::Hidden);

} // namespace luna
