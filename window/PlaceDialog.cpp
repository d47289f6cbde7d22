// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlaceDialog.h"

#include "Formats.h"
#include "PlaceNames.h"
#include "OwnWindow.h"
#include "Place.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
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
                                "(Europe/Rome) o latitudine e longitudine in gradi (41.9028,12.4964):"),
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
    connect(useTimeZone, &QPushButton::clicked, this, [this] {
        timeZone_ = true;
        QDialog::accept();
    });
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
    // Coordinates have nothing to complete.
    const bool coordinates = !text.isEmpty() && (text.front().isDigit() || text.front() == u'-' || text.front() == u'+');
    suggestions_->setStringList(coordinates ? QStringList() : placeSuggestions(text, 10));
    if (field->hasFocus() && suggestions_->rowCount() > 0)
        field->completer()->complete();
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
        timeZone_ = true;
        QDialog::accept();
        return;
    }
    if (!check()) {
        field->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace luna
