#include "PainterSurface.h"

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
    if (painter_) {
        painter_->save();
        paint(*painter_, flags, x, y, radius, colour, start, end, aspect);
        painter_->restore();
    } else {
        QPainter painter(device_);
        paint(painter, flags, x, y, radius, colour, start, end, aspect);
    }
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
