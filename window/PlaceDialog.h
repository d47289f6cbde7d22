// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace luna {

// "Luogo": a place of the time-zone database, found by name with
// completion, or a latitude and longitude typed as LAT,LON; "Usa il fuso
// orario" returns to the time zone's place. What cannot be read is said
// under the field, and the dialog stays open.
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
    QPushButton* useTimeZone = nullptr;

private:
    bool timeZone_ = false;
};

} // namespace luna
