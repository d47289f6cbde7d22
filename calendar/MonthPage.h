// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DayCell.h"
#include "MonthFacts.h"
#include "PhaseDescription.h"

#include <QColor>
#include <QDate>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

namespace luna {

// A month of the lunario, laid out on a page: the grid of days, each with
// its Moon at 21:00 (the window's drawing), its lit part and, with a place,
// its rise and set; the waxing and waning days shaded apart; then the
// month's events and a footer naming the place and the time zone. The
// printed page, the files and the window all draw it through here.
class MonthPage {
public:
    // An A4 page in points.
    static constexpr QSizeF a4{595.28, 841.89};
    // The shades of the waxing and the waning days, on paper and on screen.
    static QColor shade(bool waxing);

    MonthPage(const sky::MonthFacts& facts, Hemisphere hemisphere, QString place,
              HijriDates hijri = HijriDates::Hidden);

    // Marks a day as today.
    void setToday(const std::optional<QDate>& today);

    // Draws the page into `page` (points, or any unit: it is scaled).
    void paint(QPainter& painter, const QRectF& page) const;

    // The day whose cell holds `point` of a page drawn into `page`.
    std::optional<QDate> dayAt(const QRectF& page, QPointF point) const;

private:
    QRectF cell(int index) const; // in points on an A4 page
    int firstColumn() const;
    int rows() const;
    double rowHeight() const;

    sky::MonthFacts facts_;
    Hemisphere hemisphere_;
    QString place_;
    HijriDates hijri_ = HijriDates::Hidden;
    std::optional<QDate> today_;
};

} // namespace luna
