// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DesktopLocation.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QTimer;

namespace luna {

// "Luogo": a city by its name (completed as it is typed, with region and
// country), a zone of the time-zone database, or a latitude and longitude
// typed as LAT,LON; "Usa il fuso orario" returns to the time zone's place.
// As the text is typed the dialog says what it resolves to, or what cannot
// be read, and it grows to show all of it; on OK what cannot be read keeps
// the dialog open. "Trova la mia posizione" asks the desktop's location
// service and writes the nearest city in the field, with the position found,
// for the user to accept or not; if the service cannot say, the dialog says
// why and nothing changes.
class PlaceDialog : public QDialog {
    Q_OBJECT

public:
    explicit PlaceDialog(const QString& current, QWidget* parent = nullptr);

    // What was chosen: a zone's name or LAT,LON, or empty for the time
    // zone's place.
    QString choice() const;

    void accept() override;

    QLineEdit* field = nullptr;
    QLabel* problem = nullptr;
    QLabel* resolved = nullptr;
    QPushButton* useTimeZone = nullptr;
    QPushButton* locate = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the text as it stands: what it resolves to, or the problem.
    // Returns whether it reads.
    bool check();
    void suggest();
    // The place of the system's time zone, if it has one.
    void acceptTimeZone();
    void fit();
    void located(double latitude, double longitude);
    void notLocated(DesktopLocation::Failure why);

    bool timeZone_ = false;
    QTimer* typing_ = nullptr;
    QStringListModel* suggestions_ = nullptr;
    DesktopLocation* location_ = nullptr;
};

} // namespace luna
