// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Planner.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

namespace luna {

class NightChartView;

// "Stanotte": the chart of a night at the place, from noon to noon, with
// the nights before and after a key or a button away.
class NightWindow : public QWidget {
    Q_OBJECT

public:
    explicit NightWindow(QWidget* parent = nullptr);

    // The night after the local day holding `day`, at `place`; without a
    // place, the window says what it needs.
    void showNight(sky::Instant day, const std::optional<sky::Place>& place);
    // The night `nights` on (back for negative ones).
    void step(int nights);
    std::optional<sky::Night> night() const { return night_; }

    QWidget* chart() const;
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
    QLabel* problem = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    NightChartView* chart_ = nullptr;
    std::optional<sky::Place> place_;
    std::optional<sky::Night> night_;
    sky::Instant day_{};
};

} // namespace luna
