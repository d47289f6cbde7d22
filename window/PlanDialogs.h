// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Planner.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace luna {

// When to look at a feature of the Moon from the place: the Sun over it now
// and its next good windows, as luna-render --feature tells them.
class FeatureDialog : public QDialog {
    Q_OBJECT

public:
    FeatureDialog(const sky::LunarFeature& feature, sky::Instant after, const std::optional<sky::Place>& place,
                  QWidget* parent = nullptr);

    QPlainTextEdit* text = nullptr;
};

// "Allineamento…": a landmark or a direction, and when the Moon stands
// there as seen from the place.
class AlignmentDialog : public QDialog {
    Q_OBJECT

public:
    AlignmentDialog(sky::Instant after, const std::optional<sky::Place>& place, QWidget* parent = nullptr);

    // Looks for the passes of what the fields say; false, with the reason
    // shown, when they say nothing that can be looked for.
    bool search();

    QComboBox* kind = nullptr;
    QLineEdit* target = nullptr;
    QPushButton* searchButton = nullptr;
    QLabel* problem = nullptr;
    QPlainTextEdit* text = nullptr;

private:
    sky::Instant after_;
    std::optional<sky::Place> place_;
};

} // namespace luna
