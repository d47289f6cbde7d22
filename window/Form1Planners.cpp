// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's ways into the planners: the night's chart, a feature's
// windows, the Moon behind a landmark, and the feature under the pointer.

#include "Form1.h"

#include "CaptionLabel.h"
#include "NightWindow.h"
#include "PictureBox.h"
#include "PlanDialogs.h"
#include "TextNumber.h"

#include <QHelpEvent>
#include <QLocale>
#include <QToolTip>

namespace luna {

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

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != PicLuna || event->type() != QEvent::ToolTip || !actionFace || !actionFace->isChecked())
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF at = QPointF(help->pos()) - QPointF(PictureBox::frameThickness, PictureBox::frameThickness);
    const QSize size(int(PicLuna->innerWidth()), int(PicLuna->innerHeight()));
    const auto point = selenographicAt(faceView(numberFromText(Text1->caption())), size, at,
                                       hemisphere() == Hemisphere::South ? 180 : 0);
    const sky::LunarFeature* feature = point ? sky::featureAt(point->first, point->second) : nullptr;
    if (!feature)
        return QWidget::eventFilter(watched, event);
    QToolTip::showText(help->globalPos(),
                       tr("%1, %2 km").arg(QString::fromStdString(feature->name),
                                           QLocale().toString(feature->diameterKm, 'f', 0)),
                       PicLuna);
    return true;
}

} // namespace luna
