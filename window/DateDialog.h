// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "PhaseDescription.h"
#include "Sky.h"
#include "Zone.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QLineEdit>
#include <QTime>

#include <optional>

class QLabel;

namespace luna {

// A month calendar whose days each show that day's Moon at 21:00, small,
// drawn as the window draws it.
class MoonCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    MoonCalendar(Hemisphere hemisphere, const sky::Zone& zone, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    Hemisphere hemisphere_;
    sky::Zone zone_;
};

// A time of day as people type it, on the 24-hour clock or with am and
// pm: "21:30", "21.30", "2130", "9:05", "905", "21", "9:30 pm". The whole
// text is selected on focus, so that typing replaces it.
class TimeField : public QLineEdit {
    Q_OBJECT

public:
    explicit TimeField(QWidget* parent = nullptr);

    // What the text says, or none.
    std::optional<QTime> reading() const;
    // What the text says, or an invalid time.
    QTime time() const { return reading().value_or(QTime()); }
    void setTime(QTime time);
};

// "Scegli data e ora": a day on the Moon calendar and a time of day, or the
// present with "Adesso".
class DateDialog : public QDialog {
    Q_OBJECT

public:
    // Days and times are those `zone` reads.
    DateDialog(sky::Instant initial, Hemisphere hemisphere, const sky::Zone& zone,
               const sky::Clock& clock = sky::programClock(), QWidget* parent = nullptr);

    // The instant chosen.
    sky::Instant instant() const;

    MoonCalendar* calendar = nullptr;
    TimeField* time = nullptr;
    // Says what is wrong with the time typed.
    QLabel* problem = nullptr;

    // Refused, with the reason, while the time cannot be read.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showInstant(sky::Instant when);

    sky::Zone zone_;
};

} // namespace luna
