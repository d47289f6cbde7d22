// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MonthFacts.h"
#include "PhaseDescription.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <cstddef>

class QPainter;

namespace luna {

// The signs a day carries beside its number: an eclipse of the Sun (☉) or
// of the Moon (☾), a superluna (★), each event on the day of its minute.
QString dayMarks(const sky::MonthFacts& facts, const sky::DayFacts& day);

// Whether each day shows its date on the Umm al-Qura calendar, on a line of
// its own under its lit share and its rise and set.
enum class HijriDates { Hidden, Shown };

// How a day's cell is laid out: in the page's points or the screen's
// pixels. Its number (and marks) on a line at the top, the principal
// phase's sign (and time) at the line's right, the Moon at 21:00 below, then
// its lit share and its rise and set.
struct DayCellStyle {
    QFont number, phase, notes;
    QColor ink, notesInk, border;
    double borderWidth = 1;
    // From the cell's top left to the top line, and that line's height.
    QPointF inset;
    double line = 0;
    // From the top line's bottom to the Moon's top, the Moon's radius, and
    // from the Moon's bottom to the notes.
    double moonGap = 0, moonRadius = 0, notesGap = 0;
    // The principal phase's time beside its sign.
    bool phaseTime = false;
    HijriDates hijri = HijriDates::Hidden;
};

enum class DayMark { Plain, Today };


// Draws day `index` of the month into `box`: its shade (waxing or waning),
// its border and, for today, a red frame inside it.
void paintDayCell(QPainter& painter, const QRectF& box, const sky::MonthFacts& facts, std::size_t index,
                  Hemisphere hemisphere, const DayCellStyle& style, DayMark mark);

} // namespace luna
