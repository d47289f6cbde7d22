// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhasePicture.h"

#include "DrawLuna.h"
#include "PainterSurface.h"
#include "PictureGeometry.h"

#include <QPainter>
#include <QPixmap>

namespace luna {

QColor pictureBackground()
{
    return {0x8c, 0x8c, 0x8c};
}

QImage emptyPicture(QSize size, qreal ratio)
{
    QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

QImage drawnPicture(double angle, QSize size, qreal ratio, double turn)
{
    QImage picture = emptyPicture(size, ratio);
    if (picture.isNull())
        return picture;
    if (turn != 0) {
        QPainter painter(&picture);
        drawTurnedPhase(painter, angle, size, turn);
        return picture;
    }
    PainterSurface surface(picture);
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    drawPhase(surface, disc.x, disc.y, angle, disc.radius);
    return picture;
}

QIcon lunaIcon()
{
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(drawnPicture(iconAngle, QSize(side, side))));
    return icon;
}

void drawTurnedPhase(QPainter& painter, double angle, QSize size, double turn)
{
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    painter.save();
    // The picture's y axis points down: a positive angle turns clockwise.
    painter.translate(disc.x, disc.y);
    painter.rotate(-turn);
    painter.translate(-disc.x, -disc.y);
    PainterSurface surface(painter);
    drawPhase(surface, disc.x, disc.y, angle, disc.radius);
    painter.restore();
}

void showPicture(QPainter& painter, const QRect& area, const QImage& picture,
                 const QColor& background)
{
    painter.fillRect(area, background);
    painter.drawImage(area.topLeft(), picture);
}

} // namespace luna
