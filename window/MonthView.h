// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DayCell.h"
#include "MonthFacts.h"
#include "PhaseDescription.h"

#include <QDate>
#include <QWidget>

#include <optional>

namespace luna {

// A month of the lunario on screen, made for the screen: in the system's
// font, each day with its Moon at 21:00, its lit part and, with a place, its
// rise and set, today framed and eclipses and superlune marked; a tooltip
// tells each day's whole story. Below, the month's events and its waxing and
// waning stretches. A click on a day, or Return on the day the arrow keys
// have reached, picks its Moon at 21:00; the arrows lead on past the
// month's ends, for the window to turn it.
class MonthView : public QWidget {
    Q_OBJECT

public:
    explicit MonthView(QWidget* parent = nullptr);
    ~MonthView() override;

    void setMonth(const sky::MonthFacts& facts, Hemisphere hemisphere, const QString& place);
    const sky::MonthFacts& facts() const { return facts_; }
    // The day the keys have reached, and the cell a day stands in.
    QDate selectedDay() const { return selected_; }
    // The day framed as today; the month that holds it opens on it.
    void setToday(QDate today);
    // Whether each day shows its Hijri date.
    void setHijriDates(HijriDates hijri);
    // Selects a day of the month shown; one outside it is asked for
    // (dayOutside).
    void selectDay(QDate day);
    QRect dayRect(QDate day) const;
    // What the tooltip of a day says.
    QString dayStory(QDate day) const;
    // A day as a screen reader says it: "mercoledì 9 dicembre: luna nuova
    // alle 01:52", its events or, without any, its phase at 21:00.
    QString spokenDay(QDate day) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void dayClicked(QDate day);
    // The selection has moved to `cell`.
    void selected(QRect cell);
    void dayOutside(QDate day);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The grid's measures in the widget's font.
    struct Measures {
        int cellWidth = 0, cellHeight = 0, header = 0, line = 0, radius = 0;
    };
    Measures measures(int width) const;
    int riseSetWidth() const;
    int firstColumn() const;
    int rows() const;
    // The events' and the stretches' lines, and their height at a width.
    QStringList notes() const;
    int heightFor(int width) const;
    std::optional<QDate> dayAt(QPoint point) const;

    sky::MonthFacts facts_;
    Hemisphere hemisphere_ = Hemisphere::North;
    HijriDates hijri_ = HijriDates::Hidden;
    QDate selected_;
    QDate today_;
};

} // namespace luna
