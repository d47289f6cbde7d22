// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "MonthView.h"
#include "MonthFacts.h"
#include "Viewpoint.h"

#include <QDate>
#include <QWidget>

#include <memory>

class QLabel;
class QPrinter;
class QCheckBox;
class QPushButton;
class QScrollArea;

namespace luna {

// "Calendario lunare": the month view with buttons (and Page Up, Page Down,
// Ctrl+Left and Ctrl+Right wherever the focus is) for the months before and
// after, "Oggi" for this month, "Stampa…" through the system's print dialog
// and "Esporta…" to PDF or iCalendar. The selected day is kept in view.
class MonthWindow : public QWidget {
    Q_OBJECT

public:
    // `clock` says what today is.
    explicit MonthWindow(const sky::Clock& clock = sky::programClock(), QWidget* parent = nullptr);

    // The month of `when`, its day selected.
    void showMonthOf(sky::Instant when);
    // False, and nothing changes, for a month outside the years Luna knows.
    bool showMonth(int year, unsigned month);
    void setViewpoint(const Viewpoint& viewpoint);
    void print();
    // Prints the month shown on `printer`, as print() does once the
    // system's dialog has set it up.
    void printOn(QPrinter& printer) const;
    void exportTo(const QString& path);

    MonthView* view = nullptr;
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
    QPushButton* todayButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QCheckBox* hijriBox = nullptr;
    QLabel* title = nullptr;

signals:
    // The Moon at 21:00 of the day clicked.
    void daySelected(sky::Instant evening);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    HijriDates hijriDates() const;
    // The month `months` on, the same day of it selected as far as it has
    // one.
    void step(int months);
    void rebuild();

    QScrollArea* scroll_ = nullptr;
    const sky::Clock& clock_;
    int year_ = 0;
    unsigned month_ = 0;
    Hemisphere hemisphere_ = Hemisphere::North;
    std::optional<sky::Place> place_;
    QString placeName_;
};

} // namespace luna
