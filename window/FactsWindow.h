// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "MoonReport.h"
#include "Sky.h"
#include "Viewpoint.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace luna {

// "La Luna": the Moon's facts for the instant the main window shows, or
// for the present while it shows a bare angle, refreshed each minute then.
// "Copia" puts on the clipboard the same text as luna-render --info.
class FactsWindow : public QWidget {
    Q_OBJECT

public:
    explicit FactsWindow(const sky::Clock& clock = sky::programClock(), QWidget* parent = nullptr);

    // What to tell of: an instant, or none for the present (live).
    void showFor(std::optional<sky::Instant> instant, const Viewpoint& viewpoint);
    QString report() const { return report_; }
    bool isLive() const { return !instant_; }

    QLabel* heading = nullptr;
    // The Moon's face at the instant told of.
    QLabel* face = nullptr;
    QPlainTextEdit* text = nullptr;
    QPushButton* copy = nullptr;
    QPushButton* nightButton = nullptr;
    // The features on the terminator, each a link to its next windows.
    QLabel* terminator = nullptr;

signals:
    void nightRequested();
    void featureRequested(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void showClock();
    void showFace();

    const sky::Clock& clock_;
    std::optional<sky::Instant> instant_;
    MoonReportRequest request_;
    QString report_;
    QImage moonMap_;
    QTimer minute_;
};

} // namespace luna
