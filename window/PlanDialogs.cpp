// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlanDialogs.h"

#include "Formats.h"
#include "OwnWindow.h"
#include "PlanTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace luna {

namespace {

constexpr int windowsShown = 6, passesShown = 8, daysSearched = 366;

QPlainTextEdit* resultsView(QWidget* parent, const QString& name)
{
    auto* text = new QPlainTextEdit(parent);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setAccessibleName(name);
    return text;
}

QString noPlace()
{
    return QDialog::tr("Serve un luogo: sceglierlo con Luogo… (Ctrl+L) nel menu della finestra.");
}

} // namespace

FeatureDialog::FeatureDialog(const sky::LunarFeature& feature, sky::Instant after,
                             const std::optional<sky::Place>& place, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Quando guardare %1").arg(QString::fromStdString(feature.name)));
    text = resultsView(this, tr("Le finestre buone"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    try {
        if (!place) {
            text->setPlainText(noPlace());
        } else {
            const sky::FeatureNow now = sky::featureNow(feature, after, *place);
            const auto windows = sky::featureWindows(feature, after, *place, windowsShown, daysSearched);
            text->setPlainText(featureText(feature, now, windows, place->clock(), sky::searchSpan(after, daysSearched)));
        }
    } catch (const sky::OutOfRange& error) {
        text->setPlainText(describe(error));
    }
    makeOwnWindow(this, QSize(720, 360), {});
}

AlignmentDialog::AlignmentDialog(sky::Instant after, const std::optional<sky::Place>& place, QWidget* parent)
    : QDialog(parent)
    , after_(after)
    , place_(place)
{
    setWindowTitle(tr("Allineamento"));
    kind = new QComboBox(this);
    kind->addItem(tr("Un punto sulla Terra: LAT,LON,ALTEZZA"));
    kind->addItem(tr("Una direzione del cielo: AZIMUT,ALTEZZA"));
    kind->setAccessibleName(tr("Che cosa"));
    target = new QLineEdit(this);
    target->setAccessibleName(tr("Il punto o la direzione"));
    target->setPlaceholderText(QStringLiteral("41.9022,12.4533,136"));
    searchButton = new QPushButton(tr("&Cerca"), this);
    searchButton->setDefault(true);
    problem = new QLabel(this);
    problem->setWordWrap(true);
    problem->hide();
    text = resultsView(this, tr("I passaggi della Luna"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Che cosa:"), kind);
    auto* row = new QHBoxLayout;
    row->addWidget(target, 1);
    row->addWidget(searchButton);
    form->addRow(tr("&Dove:"), row);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);

    connect(kind, &QComboBox::currentIndexChanged, this, [this](int index) {
        target->setPlaceholderText(index == 0 ? QStringLiteral("41.9022,12.4533,136") : QStringLiteral("294,1.2"));
    });
    connect(searchButton, &QPushButton::clicked, this, &AlignmentDialog::search);
    connect(target, &QLineEdit::returnPressed, this, &AlignmentDialog::search);
    target->setFocus();
    makeOwnWindow(this, QSize(720, 420), {});
}

bool AlignmentDialog::search()
{
    const auto refuse = [this](const QString& why) {
        problem->setText(why);
        problem->show();
        text->clear();
        return false;
    };
    if (!place_)
        return refuse(noPlace());
    const std::string written = target->text().trimmed().toStdString();
    sky::Direction toward;
    try {
        if (kind->currentIndex() == 0)
            toward = sky::directionOf(sky::parseCoordinates(written), *place_);
        else
            toward = sky::parseDirection(written);
    } catch (const sky::BadPlace& error) {
        return refuse(describe(error));
    } catch (const sky::BadDirection&) {
        return refuse(tr("Una direzione si scrive AZIMUT,ALTEZZA in gradi: l'azimut da 0 a 360, da nord verso est, "
                         "l'altezza da -90 a 90, come 294,1.2"));
    } catch (const sky::BadLandmark& error) {
        if (error.reason == sky::BadLandmark::Reason::Same)
            return refuse(tr("Il punto coincide con il luogo: serve un punto lontano da chi guarda."));
        return refuse(tr("Il punto è nascosto dalla curvatura della Terra, a %1 km: dare le altezze in metri, del punto "
                         "(LAT,LON,ALTEZZA) e del luogo.")
                          .arg(decimal(error.distanceMetres / 1000, 1)));
    }
    try {
        const auto found = sky::passes(toward, after_, *place_, passesShown, daysSearched);
        text->setPlainText(passesText(toward, found, *place_, sky::searchSpan(after_, daysSearched)));
    } catch (const sky::OutOfRange& error) {
        return refuse(describe(error));
    }
    problem->hide();
    return true;
}

} // namespace luna
