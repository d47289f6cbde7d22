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

} // namespace

QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

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

    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(toQColor(colour));
    pen.setWidthF(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(toQColor(fillColor_)) : Qt::NoBrush);

    const QRectF bounds = ellipseBounds(x, y, radius, aspect);
    constexpr auto pieBits = CircleFlags::StartRadius | CircleFlags::EndRadius;
    if ((flags & pieBits) != pieBits) {
        painter.drawEllipse(bounds);
        return;
    }

    const double from = std::abs(start) * degreesPerRadian;
    double span = (std::abs(end) - std::abs(start)) * degreesPerRadian;
    if (span <= 0)
        span += 360;
    QPainterPath pie(QPointF(x, y));
    pie.arcTo(bounds, from, span);
    pie.closeSubpath();
    painter.drawPath(pie);
}

} // namespace luna
