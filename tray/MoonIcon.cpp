// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoonIcon.h"

#include "DrawLuna.h"
#include "PainterSurface.h"
#include "PhasePicture.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace luna {

namespace {

// Lit and dark, and the ring around them.
const QColor lit(0xff, 0xfb, 0xe8);
const QColor dark(0x38, 0x3c, 0x48, 0xb0);
const QColor ring(0xc8, 0xc8, 0xc8);

QRgb mix(QRgb from, QRgb to, double t)
{
    const auto channel = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return qRgba(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                 channel(qBlue(from), qBlue(to)), channel(qAlpha(from), qAlpha(to)));
}

} // namespace

QImage panelMoon(double elongation, Hemisphere hemisphere, int side, qreal ratio)
{
    const int pixels = qMax(1, int(std::lround(side * ratio)));
    QImage drawing(pixels, pixels, QImage::Format_ARGB32);
    drawing.fill(Qt::transparent);
    // Radius nearly half the side: the disc fills the icon, the ring inside.
    const double radius = pixels / 2.0 - 1.5;
    {
        QImage canvas(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        PainterSurface surface(canvas);
        drawPhase(surface, pixels / 2.0, pixels / 2.0, angleOfElongation(elongation, hemisphere), radius);
        drawing = canvas.convertToFormat(QImage::Format_ARGB32);
    }
    // Black becomes the translucent dark, white the warm lit, in between in
    // proportion; the drawing's coverage of each pixel stays its alpha.
    for (int y = 0; y < pixels; ++y) {
        auto* line = reinterpret_cast<QRgb*>(drawing.scanLine(y));
        for (int x = 0; x < pixels; ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0)
                continue;
            const QRgb tone = mix(dark.rgba(), lit.rgba(), qGray(p) / 255.0);
            line[x] = qRgba(qRed(tone), qGreen(tone), qBlue(tone), qAlpha(tone) * qAlpha(p) / 255);
        }
    }
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ring, qMax(1.0, ratio)));
    painter.drawEllipse(QPointF(pixels / 2.0, pixels / 2.0), radius, radius);
    painter.end();
    drawing.setDevicePixelRatio(ratio);
    return drawing;
}

QIcon panelIcon(double elongation, Hemisphere hemisphere, qreal ratio)
{
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(panelMoon(elongation, hemisphere, side, ratio)));
    return icon;
}

} // namespace luna
