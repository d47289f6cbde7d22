// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlaceDialog.h"

#include "Formats.h"
#include "Place.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace luna {

PlaceDialog::PlaceDialog(const QString& current, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Luogo"));
    auto* label = new QLabel(tr("Il nome di un luogo del database dei fusi orari (Rome, Europe/Rome), "
                                "o latitudine e longitudine in gradi (41.9028,12.4964):"),
                             this);
    label->setWordWrap(true);
    field = new QLineEdit(current, this);
    label->setBuddy(field);
    field->setPlaceholderText(tr("Europe/Rome o 41.9028,12.4964"));
    field->setAccessibleName(tr("Luogo"));

    QStringList names;
    const sky::ZoneTable zones;
    for (const sky::Place& zone : zones.zones())
        names << QString::fromStdString(zone.name);
    names.sort();
    auto* completer = new QCompleter(names, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    field->setCompleter(completer);

    problem = new QLabel(this);
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #a01010"));
    problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    useTimeZone = buttons->addButton(tr("Usa il &fuso orario"), QDialogButtonBox::ResetRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(problem);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    connect(buttons, &QDialogButtonBox::accepted, this, &PlaceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(useTimeZone, &QPushButton::clicked, this, [this] {
        timeZone_ = true;
        QDialog::accept();
    });
}

QString PlaceDialog::choice() const
{
    return timeZone_ ? QString() : field->text().trimmed();
}

void PlaceDialog::accept()
{
    if (field->text().trimmed().isEmpty()) {
        timeZone_ = true;
        QDialog::accept();
        return;
    }
    try {
        readPlace(field->text(), sky::ZoneTable());
    } catch (const sky::BadPlace& error) {
        problem->setText(describe(error));
        problem->show();
        field->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace luna
