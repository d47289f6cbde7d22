// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's menu and what it opens: the date and place dialogs,
// the facts, the month, the night's chart, a feature's windows, the Moon
// behind a landmark, and the credits.

#include "Form1.h"

#include "DateDialog.h"
#include "FactsWindow.h"
#include "MonthWindow.h"
#include "NightWindow.h"
#include "PictureBox.h"
#include "PlaceDialog.h"
#include "PlanDialogs.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>

namespace luna {

void Form1::createMenu()
{
    menu = new QMenu(this);
    const auto add = [this](const QString& text, const QKeySequence& shortcut, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        menu->addAction(action);
        return action;
    };
    actionNow = add(tr("La Luna di adesso"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { showInstant(now()); });
    actionDate = add(tr("Scegli data e ora…"), QKeySequence(Qt::CTRL | Qt::Key_D), [this] { chooseDate(); });
    actionPlace = add(tr("Luogo…"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { choosePlace(); });
    actionSouth = add(tr("Emisfero sud"), {}, [this](bool south) {
        viewpoint_.chooseHemisphere(south ? Hemisphere::South : Hemisphere::North);
        followViewpoint();
    });
    actionSouth->setCheckable(true);
    actionSouth->setChecked(hemisphere() == Hemisphere::South);
    actionFace = add(tr("Volto della Luna"), QKeySequence(Qt::CTRL | Qt::Key_F), [this](bool face) {
        settings::face.write(face);
        onText1Change();
    });
    actionFace->setCheckable(true);
    actionFace->setChecked(settings::face.read());
    menu->addSeparator();
    actionFacts = add(tr("La Luna…"), QKeySequence(Qt::CTRL | Qt::Key_I), [this] {
        facts()->show();
        facts()->raise();
        facts()->activateWindow();
    });
    actionMonth = add(tr("Calendario lunare…"), QKeySequence(Qt::CTRL | Qt::Key_K), [this] {
        month()->showMonthOf(shown_.value_or(now()));
        month()->show();
        month()->raise();
        month()->activateWindow();
    });
    actionNight = add(tr("Stanotte"), QKeySequence(Qt::CTRL | Qt::Key_T), [this] { showNight(); });
    actionAlignment = add(tr("Allineamento…"), QKeySequence(Qt::CTRL | Qt::Key_G), [this] { showAlignment(); });
    menu->addSeparator();
    actionAbout = add(tr("Informazioni su Luna"), {}, [this] { showAbout(); });
    actionQuit = add(tr("Esci"), QKeySequence(Qt::CTRL | Qt::Key_Q), [] { QApplication::quit(); });

    // Qt turns the Menu key into a context menu event, but on X11 not
    // Shift+F10: a shortcut of the window's opens the menu by the focus.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget* focus = focusWidget() ? focusWidget() : this;
        QContextMenuEvent event(QContextMenuEvent::Keyboard, focus->rect().center(),
                                focus->mapToGlobal(focus->rect().center()));
        contextMenuEvent(&event);
    });
    addAction(menuKey);
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    actionSouth->setChecked(hemisphere() == Hemisphere::South);
    menu->popup(event->globalPos());
    event->accept();
}

FactsWindow* Form1::facts()
{
    if (!facts_) {
        facts_ = new FactsWindow(clock_, this);
        facts_->showFor(shown_, viewpoint_);
        connect(this, &Form1::skyChanged, facts_, [this] { facts_->showFor(shown_, viewpoint_); });
        connect(facts_, &FactsWindow::nightRequested, this, &Form1::showNight);
        connect(facts_, &FactsWindow::featureRequested, this, &Form1::showFeature);
    }
    return facts_;
}

MonthWindow* Form1::month()
{
    if (!month_) {
        month_ = new MonthWindow(clock_, this);
        month_->setViewpoint(viewpoint_);
        connect(month_, &MonthWindow::daySelected, this, [this](sky::Instant evening) {
            showInstant(evening);
            // The day picked is to be seen, not left behind the calendar.
            raise();
            activateWindow();
        });
    }
    return month_;
}

void Form1::chooseDate()
{
    DateDialog dialog(shown_.value_or(now()), viewpoint_.hemisphere(), viewpoint_.clock(), clock_, this);
    if (dialog.exec() == QDialog::Accepted)
        showInstant(dialog.instant());
}

void Form1::choosePlace()
{
    PlaceDialog dialog(viewpoint_.placeToEdit(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        viewpoint_.choosePlace(dialog.choice());
    } catch (const sky::BadPlace&) {
        return;
    }
    followViewpoint();
}

void Form1::showAbout()
{
    QMessageBox about(QMessageBox::NoIcon, tr("Informazioni su Luna"),
                      QStringLiteral("<p>%1</p><p>%2</p><p>%3</p><p>%4</p>")
                           .arg(credit().toHtmlEscaped(),
                                tr("Versione %1.").arg(QCoreApplication::applicationVersion()),
                                tr("Fatta con ERFA (le routine SOFA dell'Unione Astronomica Internazionale) per "
                                   "il cielo, GeographicLib per le geodetiche, Qt %1 per le finestre e, per le "
                                   "città, i dati di GeoNames (geonames.org, CC BY 4.0) tramite libgeonames.")
                                    .arg(QString::fromLatin1(qVersion())),
                                tr("Software libero, sotto la GNU General Public License, versione 3 o "
                                   "successive.")),
                      QMessageBox::Ok, this);
    // Luna's icon, named for a screen reader.
    about.setIconPixmap(QApplication::windowIcon().pixmap(64));
    if (auto* icon = about.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(tr("Luna"));
    about.exec();
}

NightWindow* Form1::night()
{
    if (!night_)
        night_ = new NightWindow(this);
    return night_;
}

void Form1::showNight()
{
    night()->showNight(shown_.value_or(now()), viewpoint_.place());
    night_->show();
    night_->raise();
    night_->activateWindow();
}

void Form1::showFeature(const QString& name)
{
    const sky::FeatureMatch match = sky::findFeature(name.toStdString());
    if (!match.feature)
        return;
    auto* dialog = new FeatureDialog(*match.feature, shown_.value_or(now()), viewpoint_.place(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void Form1::showAlignment()
{
    auto* dialog = new AlignmentDialog(shown_.value_or(now()), viewpoint_.place(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace luna
