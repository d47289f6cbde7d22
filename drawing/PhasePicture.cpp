// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhasePicture.h"

#include "DrawLuna.h"
#include "PainterSurface.h"
#include "PictureGeometry.h"

#include <QPainter>

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

QImage drawnPicture(double angle, QSize size, qreal ratio)
{
    QImage picture = emptyPicture(size, ratio);
    if (picture.isNull())
        return picture;
    PainterSurface surface(picture);
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    drawPhase(surface, disc.x, disc.y, angle, disc.radius);
    return picture;
}

void showPicture(QPainter& painter, const QRect& area, const QImage& picture,
                 const QColor& background)
{
    painter.fillRect(area, background);
    painter.drawImage(area.topLeft(), picture);
}

} // namespace luna
