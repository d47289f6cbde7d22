// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlaceDialog.h"

#include "Formats.h"
#include "PlaceNames.h"
#include "OwnWindow.h"
#include "Place.h"
#include "Planner.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

namespace luna {

PlaceDialog::PlaceDialog(const QString& current, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Luogo"));
    auto* label = new QLabel(tr("Una città (Roma, Monaco di Baviera, \"Springfield, Illinois\"), un fuso orario "
                                "(Europe/Rome) o latitudine e longitudine in gradi (41,9028 12,4964 o 41.9028,12.4964):"),
                             this);
    label->setWordWrap(true);
    field = new QLineEdit(current, this);
    label->setBuddy(field);
    field->setPlaceholderText(tr("Roma, Europe/Rome o 41.9028,12.4964"));
    field->setAccessibleName(tr("Luogo"));
    // Typing replaces the place there was.
    field->selectAll();

    suggestions_ = new QStringListModel(this);
    auto* completer = new QCompleter(suggestions_, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    field->setCompleter(completer);

    locate = new QPushButton(tr("Trova la &mia posizione"), this);
    location_ = new DesktopLocation(this);

    resolved = new QLabel(this);
    resolved->setWordWrap(true);
    problem = new QLabel(this);
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #a01010"));
    problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    useTimeZone = buttons->addButton(tr("Usa il &fuso orario"), QDialogButtonBox::ResetRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field);
    auto* finding = new QHBoxLayout;
    finding->addWidget(locate);
    finding->addStretch();
    layout->addLayout(finding);
    layout->addWidget(resolved);
    layout->addWidget(problem);
    layout->addWidget(buttons);
    setMinimumWidth(std::min(420, screen() ? screen()->availableGeometry().width() - 40 : 420));

    // The completions follow a pause in the typing, not every key; a
    // look-up itself takes a millisecond or two.
    typing_ = new QTimer(this);
    typing_->setSingleShot(true);
    typing_->setInterval(250);
    connect(field, &QLineEdit::textEdited, typing_, qOverload<>(&QTimer::start));
    connect(typing_, &QTimer::timeout, this, [this] {
        suggest();
        check();
    });
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, [this] { check(); });

    connect(buttons, &QDialogButtonBox::accepted, this, &PlaceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(useTimeZone, &QPushButton::clicked, this, &PlaceDialog::acceptTimeZone);
    connect(locate, &QPushButton::clicked, this, [this] {
        locate->setEnabled(false);
        locate->setText(tr("Cerco la posizione…"));
        location_->find();
    });
    connect(location_, &DesktopLocation::found, this, &PlaceDialog::located);
    connect(location_, &DesktopLocation::failed, this, &PlaceDialog::notLocated);
    if (!current.isEmpty())
        check();
}

QString PlaceDialog::choice() const
{
    return timeZone_ ? QString() : field->text().trimmed();
}

void PlaceDialog::suggest()
{
    const QString text = field->text().trimmed();
    // Coordinates, and a zone written whole, have nothing to complete.
    const bool coordinates = !text.isEmpty()
        && (text.front().isDigit() || text.front() == u'-' || text.front() == u'+' || text.front() == u'.');
    QStringList found = coordinates ? QStringList() : placeSuggestions(text, 10);
    if (found.size() == 1 && found.front().compare(text, Qt::CaseInsensitive) == 0)
        found.clear();
    suggestions_->setStringList(found);
    if (found.isEmpty())
        field->completer()->popup()->hide();
    else if (field->hasFocus())
        field->completer()->complete();
}

// The nearest city goes in the field, the position beside it: nothing is
// kept until the user accepts the dialog.
void PlaceDialog::located(double latitude, double longitude)
{
    locate->setEnabled(true);
    locate->setText(tr("Trova la &mia posizione"));
    locate->setToolTip({});
    typing_->stop();
    const sky::Place here(std::string(), latitude, longitude, 0);
    const auto city = nearestCity(latitude, longitude);
    field->setText(city ? QString::fromStdString(city->label)
                        : QStringLiteral("%1,%2").arg(latitude, 0, 'f', 4).arg(longitude, 0, 'f', 4));
    check();
    const QString position = coordinatesText(latitude, longitude, 2);
    QString found = tr("La tua posizione: %1.").arg(position);
    if (city) {
        const double km = sky::geodesicBetween(here, *city).metres / 1000;
        const QString label = QString::fromStdString(city->label);
        found = km < 1 ? tr("La tua posizione: %1, a meno di un chilometro da %2.").arg(position, label)
                       : tr("La tua posizione: %1, a %2 km da %3.").arg(position, QLocale().toString(km, 'f', 0), label);
    }
    resolved->setText(found + u'\n' + resolved->text());
    resolved->show();
    fit();
    field->setFocus();
}

void PlaceDialog::notLocated(DesktopLocation::Failure why)
{
    locate->setEnabled(true);
    locate->setText(tr("Trova la &mia posizione"));
    QString reason;
    switch (why) {
    case DesktopLocation::Failure::NoService:
        reason = tr("Questo computer non ha un servizio di localizzazione (GeoClue): scrivi la città.");
        break;
    case DesktopLocation::Failure::Refused:
        reason = tr("Il desktop non ha concesso la posizione a Luna: scrivi la città, o permettilo nelle "
                    "impostazioni della privacy.");
        break;
    case DesktopLocation::Failure::NoAnswer:
        reason = tr("Il servizio di localizzazione non ha trovato la posizione: scrivi la città.");
        break;
    }
    locate->setToolTip(reason);
    locate->setAccessibleDescription(reason);
    problem->setText(reason);
    problem->show();
    fit();
}

void PlaceDialog::acceptTimeZone()
{
    typing_->stop();
    // A zone without a place (Etc/UTC, or none at all) would leave Luna
    // with no place: it is said here, and the place kept.
    if (!sky::systemPlace(sky::ZoneTable())) {
        const QString zone = QString::fromStdString(sky::systemZoneName());
        problem->setText(zone.isEmpty()
                             ? tr("Il sistema non ha un fuso orario con un luogo: scrivi una città o latitudine e longitudine.")
                             : tr("Il fuso orario del sistema, %1, non ha un luogo: scrivi una città o latitudine e longitudine.").arg(zone));
        problem->show();
        resolved->hide();
        fit();
        field->setFocus();
        return;
    }
    timeZone_ = true;
    QDialog::accept();
}

void PlaceDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fit();
}

// As tall as its wrapped lines need at its width, and on the screen.
void PlaceDialog::fit()
{
    if (layout()->hasHeightForWidth())
        resize(width(), std::max(height(), layout()->totalHeightForWidth(width())));
    keepOnScreen(this);
}

bool PlaceDialog::check()
{
    const QString text = field->text().trimmed();
    if (text.isEmpty()) {
        resolved->setText(tr("Vuoto: il luogo del fuso orario."));
        problem->hide();
        return true;
    }
    try {
        resolved->setText(placeSummary(readPlace(text, sky::ZoneTable())));
        resolved->show();
        problem->hide();
        fit();
        return true;
    } catch (const sky::BadPlace& error) {
        problem->setText(sentence(describe(error)));
        problem->show();
        resolved->hide();
        fit();
        return false;
    }
}

void PlaceDialog::accept()
{
    typing_->stop();
    if (field->text().trimmed().isEmpty()) {
        acceptTimeZone();
        return;
    }
    if (!check()) {
        field->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace luna
