// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PictureSurface.h"

class QPaintDevice;
class QPainter;

namespace luna {

// A picture surface drawn with QPainter, anti-aliased, with one-pixel
// outlines. Scale units are the device's logical pixels. On a 32-bit image
// (directly, or through a painter with no transformation or clipping of its
// own) the drawing's figures are written straight into the pixels, many
// times faster than through a QPainter path.
//
// Built on a paint device, it opens a painter for each figure, so the device
// is free between figures (a QImage can be shown while it is drawn on).
// Built on an active painter instead, it draws with that painter; this suits
// devices that want one painting session, such as QSvgGenerator.
class PainterSurface : public PictureSurface {
public:
    explicit PainterSurface(QPaintDevice& device);
    explicit PainterSurface(QPainter& painter);

    void setFillStyle(FillStyle style) override;
    FillStyle fillStyle() const override;
    void setFillColor(Colour colour) override;
    Colour fillColor() const override;
    void circle(std::uint16_t flags, double x, double y, double radius, Colour colour,
                double start, double end, double aspect) override;

private:
    bool drawIntoImage(std::uint16_t flags, double x, double y, double radius, Colour colour,
                       double start, double end, double aspect);
    void paint(QPainter& painter, std::uint16_t flags, double x, double y, double radius,
               Colour colour, double start, double end, double aspect) const;

    QPaintDevice* device_ = nullptr;
    QPainter* painter_ = nullptr;
    FillStyle fillStyle_ = FillStyle::Solid;
    Colour fillColor_ = Black;
};

} // namespace luna
