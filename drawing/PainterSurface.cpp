// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PainterSurface.h"

#include "ImageFigures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace luna {

namespace {

constexpr double degreesPerRadian = 180 / std::numbers::pi;

QRectF ellipseBounds(double x, double y, double radius, double aspect)
{
    const double q = std::abs(aspect);
    const double halfWidth = q >= 1 ? radius / q : radius;
    const double halfHeight = q >= 1 ? radius : radius * q;
    return {x - halfWidth, y - halfHeight, 2 * halfWidth, 2 * halfHeight};
}

constexpr auto pieBits = CircleFlags::StartRadius | CircleFlags::EndRadius;

QPainterPath figurePath(bool pie, const QRectF& bounds, double x, double y, double start,
                        double end)
{
    QPainterPath figure;
    if (!pie) {
        figure.addEllipse(bounds);
        return figure;
    }
    const double from = std::abs(start) * degreesPerRadian;
    double span = (std::abs(end) - std::abs(start)) * degreesPerRadian;
    if (span <= 0)
        span += 360;
    figure.moveTo(x, y);
    figure.arcTo(bounds, from, span);
    figure.closeSubpath();
    return figure;
}

QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

// The image a painter draws on, when it draws there pixel for pixel.
QImage* imageOf(QPainter& painter)
{
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image || !painter.worldTransform().isIdentity()
        || painter.hasClipping() || painter.opacity() != 1
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    return static_cast<QImage*>(device);
}

// The span of a pie in radians, as figurePath() takes it: from |start|
// counterclockwise to |end|, a full turn when they meet.
double sweepOf(double start, double end)
{
    double sweep = std::abs(end) - std::abs(start);
    if (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    return sweep;
}

} // namespace

PainterSurface::PainterSurface(QPaintDevice& device)
    : device_(&device)
{
}

PainterSurface::PainterSurface(QPainter& painter)
    : painter_(&painter)
{
}

void PainterSurface::setFillStyle(FillStyle style)
{
    fillStyle_ = style;
}

FillStyle PainterSurface::fillStyle() const
{
    return fillStyle_;
}

void PainterSurface::setFillColor(Colour colour)
{
    fillColor_ = colour;
}

Colour PainterSurface::fillColor() const
{
    return fillColor_;
}

void PainterSurface::circle(std::uint16_t flags, double x, double y, double radius, Colour colour,
                            double start, double end, double aspect)
{
    if (drawIntoImage(flags, x, y, radius, colour, start, end, aspect))
        return;
    if (painter_) {
        painter_->save();
        paint(*painter_, flags, x, y, radius, colour, start, end, aspect);
        painter_->restore();
    } else {
        QPainter painter(device_);
        paint(painter, flags, x, y, radius, colour, start, end, aspect);
    }
}

bool PainterSurface::drawIntoImage(std::uint16_t flags, double x, double y, double radius,
                                   Colour colour, double start, double end, double aspect)
{
    QImage* image = painter_ ? imageOf(*painter_)
        : device_->devType() == QInternal::Image ? static_cast<QImage*>(device_)
                                                 : nullptr;
    if (!image || !(radius > 0))
        return false;
    const bool pie = (flags & pieBits) == pieBits;
    const bool solid = fillStyle_ == FillStyle::Solid;
    // A filled figure outlined in another colour, and an outlined pie, are
    // left to the painter; the drawing makes neither.
    if ((solid && colour != fillColor_) || (!solid && pie))
        return false;

    const double ratio = image->devicePixelRatio();
    const QRectF bounds = ellipseBounds(x, y, radius, aspect);
    const DeviceEllipse ellipse{bounds.center().x() * ratio, bounds.center().y() * ratio,
                                bounds.width() / 2 * ratio, bounds.height() / 2 * ratio};
    const QRgb rgb = toQColor(solid ? fillColor_ : colour).rgb();
    if (!solid) {
        // As paint() strokes it: a one-pixel band just outside the edge.
        return fillRing(*image, ellipse, ratio, rgb);
    }
    if (pie)
        return fillPie(*image, ellipse, std::abs(start), sweepOf(start, end), rgb);
    return fillEllipse(*image, ellipse, rgb);
}

void PainterSurface::paint(QPainter& painter, std::uint16_t flags, double x, double y,
                           double radius, Colour colour, double start, double end,
                           double aspect) const
{
    // A zero-sized ellipse would still leave a dot from its outline.
    if (!(radius > 0))
        return;

    const bool pie = (flags & pieBits) == pieBits;
    const QRectF bounds = ellipseBounds(x, y, radius, aspect);
    painter.setRenderHint(QPainter::Antialiasing);

    // The outline is a one-pixel band along the boundary: inside a filled
    // figure, so that the figure covers exactly its ellipse, and outside a
    // transparent one, so that it frames what is inside without covering it.
    if (fillStyle_ == FillStyle::Solid) {
        const QPainterPath figure = figurePath(pie, bounds, x, y, start, end);
        painter.fillPath(figure, toQColor(fillColor_));
        if (colour != fillColor_) {
            painter.setClipPath(figure, Qt::IntersectClip);
            painter.strokePath(figure, QPen(toQColor(colour), 2));
        }
    } else {
        const QRectF grown = bounds.adjusted(-0.5, -0.5, 0.5, 0.5);
        painter.strokePath(figurePath(pie, grown, x, y, start, end), QPen(toQColor(colour), 1));
    }
}

} // namespace luna
