// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NightChart.h"

#include "PhasePicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace luna {

namespace {

constexpr double lowest = -30, highest = 90; // degrees shown
constexpr double altitudeStep = 30;
const QColor moonColour(250, 244, 214);
const QColor darkMoonColour(255, 214, 92);
const QColor sunColour(255, 170, 60, 120);
const QColor frameColour(20, 24, 36);

double seconds(sky::Instant when)
{
    return double(when.time_since_epoch().count());
}

// The chart's scale: its lengths in a unit that is a pixel at 800x450.
struct Layout {
    explicit Layout(const QRectF& area)
        : unit(std::clamp(std::min(area.width() / 800, area.height() / 450), 0.4, 8.0))
        , fontSize(std::max(8.0, 13 * unit))
    {
    }
    double unit;
    double fontSize;
};

// Where times and altitudes fall within the plot.
struct Axes {
    QRectF plot;
    double from, to;

    double x(double t) const { return plot.left() + (t - from) / (to - from) * plot.width(); }
    // Beyond the altitudes shown as well: the curves are clipped.
    double y(double altitude) const { return plot.bottom() - (altitude - lowest) / (highest - lowest) * plot.height(); }
    double timeAt(double px) const { return from + (px - plot.left()) / plot.width() * (to - from); }
};

// The Sun's geometric altitude at any time of the night, between samples
// along a straight line.
double sunAt(const sky::Night& night, double t)
{
    const auto& s = night.samples;
    const double step = double(std::chrono::seconds(sky::nightSampleStep).count());
    const double x = std::clamp((t - seconds(s.front().when)) / step, 0.0, double(s.size() - 1));
    const auto i = std::min(std::size_t(x), s.size() - 2);
    const double f = x - double(i);
    return s[i].sunGeometricAltitude * (1 - f) + s[i + 1].sunGeometricAltitude * f;
}

void paintBands(QPainter& painter, const Axes& axes, const sky::Night& night)
{
    // A column at a time, each run of one band a rectangle.
    const int left = int(std::floor(axes.plot.left())), right = int(std::ceil(axes.plot.right()));
    int start = left;
    SkyBand band = skyBandOf(sunAt(night, axes.timeAt(left + 0.5)));
    for (int px = left + 1; px <= right; ++px) {
        const SkyBand here = px < right ? skyBandOf(sunAt(night, axes.timeAt(px + 0.5))) : band;
        if (here == band && px < right)
            continue;
        const QRectF run(std::max<double>(start, axes.plot.left()), axes.plot.top(),
                         std::min<double>(px, axes.plot.right()) - std::max<double>(start, axes.plot.left()),
                         axes.plot.height());
        painter.fillRect(run, skyBandColour(band));
        start = px;
        band = here;
    }
}

void paintGrid(QPainter& painter, const Axes& axes, const sky::Night& night, const sky::Zone& clock,
               const Layout& layout)
{
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(QColor(255, 255, 255, 50), std::max(1.0, layout.unit * 0.8)));
    for (double a = lowest; a <= highest; a += altitudeStep) {
        painter.drawLine(QPointF(axes.plot.left(), axes.y(a)), QPointF(axes.plot.right(), axes.y(a)));
    }
    painter.setPen(QColor(230, 230, 230));
    for (double a = lowest; a <= highest; a += altitudeStep) {
        const QString label = QStringLiteral("%1°").arg(a);
        const QRectF box(0, axes.y(a) - metrics.height() / 2, axes.plot.left() - 4 * layout.unit, metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
    }
    // The horizon.
    painter.setPen(QPen(QColor(255, 255, 255, 200), std::max(1.0, 1.6 * layout.unit)));
    painter.drawLine(QPointF(axes.plot.left(), axes.y(0)), QPointF(axes.plot.right(), axes.y(0)));

    // The hours, every one or every few as the width allows.
    const double hourWidth = axes.plot.width() / ((axes.to - axes.from) / 3600);
    const int every = hourWidth >= metrics.horizontalAdvance(QStringLiteral("00")) * 2.2 ? 1
        : hourWidth * 2 >= metrics.horizontalAdvance(QStringLiteral("00")) * 2.2          ? 2
                                                                                           : 3;
    for (sky::Instant t = night.from; t <= night.to; t += std::chrono::minutes(10)) {
        const auto local = clock.local(t).time_since_epoch();
        if (local % std::chrono::hours(1) != std::chrono::seconds(0))
            continue;
        const int hour = int(std::chrono::floor<std::chrono::hours>(local).count() % 24);
        if (hour % every != 0)
            continue;
        const double x = axes.x(seconds(t));
        painter.setPen(QPen(QColor(255, 255, 255, 40), std::max(1.0, layout.unit * 0.8)));
        painter.drawLine(QPointF(x, axes.plot.top()), QPointF(x, axes.plot.bottom()));
        painter.setPen(QColor(230, 230, 230));
        const QString label = QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
        const double w = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(x - w, axes.plot.bottom() + 2 * layout.unit, 2 * w, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

QPainterPath curve(const Axes& axes, const sky::Night& night, double sky::SkySample::*altitude)
{
    QPainterPath path;
    for (const sky::SkySample& sample : night.samples) {
        const QPointF point(axes.x(seconds(sample.when)), axes.y(sample.*altitude));
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

void paintCurves(QPainter& painter, const Axes& axes, const sky::Night& night, const Layout& layout)
{
    painter.save();
    painter.setClipRect(axes.plot);
    QPen sun(sunColour, std::max(1.0, 1.5 * layout.unit), Qt::DashLine);
    painter.setPen(sun);
    painter.drawPath(curve(axes, night, &sky::SkySample::sunAltitude));

    // The Moon in a dark sky: a golden bar along the horizon, the curve
    // thicker and golden there.
    const QPainterPath moon = curve(axes, night, &sky::SkySample::moonAltitude);
    for (const sky::Stretch& stretch : night.dark) {
        const double thick = std::max(2.0, 4 * layout.unit);
        painter.fillRect(QRectF(QPointF(axes.x(seconds(stretch.from)), axes.y(0)),
                                QPointF(axes.x(seconds(stretch.to)), axes.y(0) + thick)),
                         darkMoonColour);
    }
    painter.setPen(QPen(moonColour, std::max(1.5, 2.2 * layout.unit), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(moon);
    for (const sky::Stretch& stretch : night.dark) {
        painter.save();
        painter.setClipRect(QRectF(QPointF(axes.x(seconds(stretch.from)), axes.plot.top()),
                                   QPointF(axes.x(seconds(stretch.to)), axes.plot.bottom())),
                            Qt::IntersectClip);
        painter.setPen(QPen(darkMoonColour, std::max(2.5, 4 * layout.unit), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(moon);
        painter.restore();
    }
    painter.restore();
}

// The phase at the Moon's highest point, above the curve where there is
// room and below it where there is not.
void paintPhase(QPainter& painter, const Axes& axes, const sky::Night& night, Hemisphere hemisphere,
                const Layout& layout)
{
    const sky::SkySample& top = night.samples[night.highest];
    const double radius = 11 * layout.unit;
    const double x = std::clamp(axes.x(seconds(top.when)), axes.plot.left() + radius, axes.plot.right() - radius);
    double y = axes.y(top.moonAltitude) - radius - 6 * layout.unit;
    if (y - radius < axes.plot.top())
        y = axes.y(top.moonAltitude) + radius + 6 * layout.unit;
    const double side = 3 * radius;
    painter.save();
    painter.translate(x - side / 2, y - side / 2);
    painter.setPen(QPen(QColor(255, 255, 255, 140), std::max(1.0, layout.unit)));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(side / 2, side / 2), radius, radius);
    drawTurnedPhase(painter, angleOfElongation(night.elongationAtHighest, hemisphere), QSize(int(side), int(side)), 0);
    painter.restore();
}

// A label by the horizon where the Moon rises or sets.
void paintEvent(QPainter& painter, const Axes& axes, const std::optional<sky::Instant>& at, const QString& text,
                const Layout& layout, bool above)
{
    if (!at || text.isEmpty())
        return;
    const QFontMetricsF metrics(painter.font());
    const double x = axes.x(seconds(*at)), y = axes.y(0);
    painter.setPen(QPen(moonColour, std::max(1.0, 1.4 * layout.unit)));
    painter.drawLine(QPointF(x, y - 5 * layout.unit), QPointF(x, y + 5 * layout.unit));
    const double w = metrics.horizontalAdvance(text) + 8 * layout.unit, h = metrics.height() + 2 * layout.unit;
    const double left = std::clamp(x - w / 2, axes.plot.left(), axes.plot.right() - w);
    const QRectF box(left, above ? y - 8 * layout.unit - h : y + 8 * layout.unit, w, h);
    painter.fillRect(box, QColor(0, 0, 0, 150));
    painter.drawText(box, Qt::AlignCenter, text);
}

void paintLegend(QPainter& painter, const QRectF& area, const NightChartWords& words, const Layout& layout)
{
    const std::array<std::pair<QColor, QString>, 6> entries{
        std::pair{skyBandColour(SkyBand::Day), words.day}, {skyBandColour(SkyBand::Civil), words.civil},
        {skyBandColour(SkyBand::Nautical), words.nautical}, {skyBandColour(SkyBand::Astronomical), words.astronomical},
        {skyBandColour(SkyBand::Night), words.night}, {darkMoonColour, words.dark}};
    const QFontMetricsF metrics(painter.font());
    const double swatch = metrics.height() * 0.8, gap = 14 * layout.unit;
    double width = 0;
    for (const auto& [colour, name] : entries)
        width += swatch + 4 * layout.unit + metrics.horizontalAdvance(name) + gap;
    double x = area.left() + std::max(0.0, (area.width() - width) / 2);
    const double y = area.top();
    painter.setPen(QColor(230, 230, 230));
    for (const auto& [colour, name] : entries) {
        painter.fillRect(QRectF(x, y + (metrics.height() - swatch) / 2, swatch, swatch), colour);
        x += swatch + 4 * layout.unit;
        const double w = metrics.horizontalAdvance(name);
        painter.drawText(QRectF(x, y, w + 1, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += w + gap;
    }
}

} // namespace

SkyBand skyBandOf(double sunGeometricAltitude)
{
    if (sunGeometricAltitude > -50.0 / 60)
        return SkyBand::Day;
    if (sunGeometricAltitude > -6)
        return SkyBand::Civil;
    if (sunGeometricAltitude > -12)
        return SkyBand::Nautical;
    if (sunGeometricAltitude > -18)
        return SkyBand::Astronomical;
    return SkyBand::Night;
}

QColor skyBandColour(SkyBand band)
{
    static const std::array colours{QColor(126, 178, 226), QColor(74, 116, 176), QColor(44, 74, 128),
                                    QColor(27, 44, 86), QColor(10, 16, 38)};
    return colours[std::size_t(band)];
}

void paintNightChart(QPainter& painter, const QRectF& area, const sky::Night& night, const sky::Zone& clock,
                     Hemisphere hemisphere, const NightChartWords& words)
{
    if (night.samples.size() < 2 || area.width() < 8 || area.height() < 8)
        return;
    const Layout layout(area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, frameColour);
    QFont font = painter.font();
    font.setPixelSize(int(std::lround(layout.fontSize)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);

    // A line of title above, the hours and a line of legend below, the
    // altitudes' labels to the left.
    const double pad = 8 * layout.unit;
    const double left = area.left() + metrics.horizontalAdvance(QStringLiteral("−30°")) + 2 * pad;
    const double top = area.top() + metrics.height() + 2 * pad;
    const double bottom = area.bottom() - 2 * metrics.height() - 3 * pad;
    const double right = area.right() - 2 * pad;
    const Axes axes{QRectF(QPointF(left, top), QPointF(right, std::max(bottom, top + 1))), seconds(night.from),
                    seconds(night.to)};

    painter.setPen(QColor(240, 240, 240));
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(area.left() + pad, area.top() + pad, area.width() - 2 * pad, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(bold).elidedText(words.title, Qt::ElideRight, area.width() - 2 * pad));
    painter.setFont(font);

    paintBands(painter, axes, night);
    paintGrid(painter, axes, night, clock, layout);
    paintCurves(painter, axes, night, layout);
    paintEvent(painter, axes, night.moon.rise, words.rise, layout, true);
    paintEvent(painter, axes, night.moon.set, words.set, layout, false);
    paintPhase(painter, axes, night, hemisphere, layout);
    paintLegend(painter, QRectF(area.left(), area.bottom() - metrics.height() - pad, area.width(), metrics.height()),
                words, layout);
    painter.restore();
}

} // namespace luna
