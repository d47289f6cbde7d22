// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrescentMapChart.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace luna {

namespace {

const QColor frameColour(20, 24, 36);
const QColor textColour(240, 240, 240);
// Below every zone's lower bound: where the Moon sets first.
constexpr double notSeen = -100;

// The Earth from 60 N to 60 S, reduced to grey from NASA's Blue Marble as
// Debian's xplanet-images ships it.
const QImage& earth()
{
    static const QImage image(QStringLiteral(":/luna/earth-map.jpg"));
    return image;
}

// The criterion's value at each point of the grid: q or V, notSeen where
// the Moon sets first, NaN where there is no evening to judge.
std::vector<double> valuesOf(const sky::CrescentMap& map, sky::Criterion criterion)
{
    std::vector<double> values;
    values.reserve(map.points.size());
    for (const sky::CrescentPoint& point : map.points) {
        const auto& value = criterion == sky::Criterion::Yallop ? point.q : point.v;
        if (value)
            values.push_back(*value);
        else
            values.push_back(point.sky == sky::EveningSky::MoonSetsFirst ? notSeen : std::nan(""));
    }
    return values;
}

int zoneOf(sky::Criterion criterion, double value)
{
    return criterion == sky::Criterion::Yallop ? int(sky::yallopZone(value)) : int(sky::odehZone(value));
}

// The zones as a picture of `size`, each pixel by the value interpolated
// between the four points of the grid around it.
QImage zonesPicture(const sky::CrescentMap& map, sky::Criterion criterion, QSize size)
{
    const std::vector<double> values = valuesOf(map, criterion);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const auto at = [&](int r, int c) { return values[std::size_t(r) * std::size_t(map.columns) + std::size_t(c)]; };
    for (int y = 0; y < size.height(); ++y) {
        const double row = std::clamp((y + 0.5) / size.height() * (map.rows - 1), 0.0, map.rows - 1.0);
        const int r = std::min(int(row), map.rows - 2);
        const double fr = row - r;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double column = std::clamp((x + 0.5) / size.width() * (map.columns - 1), 0.0, map.columns - 1.0);
            const int c = std::min(int(column), map.columns - 2);
            const double fc = column - c;
            const std::array corners{at(r, c), at(r, c + 1), at(r + 1, c), at(r + 1, c + 1)};
            double value = 0;
            if (std::none_of(corners.begin(), corners.end(), [](double v) { return std::isnan(v); }))
                value = (corners[0] * (1 - fc) + corners[1] * fc) * (1 - fr) + (corners[2] * (1 - fc) + corners[3] * fc) * fr;
            else
                value = corners[(fr < 0.5 ? 0U : 2U) + (fc < 0.5 ? 0U : 1U)];
            if (std::isnan(value))
                continue;
            const QColor colour = crescentZoneColour(criterion, zoneOf(criterion, value));
            if (colour.alpha())
                line[x] = qPremultiply(colour.rgba());
        }
    }
    return image;
}

void paintGraticule(QPainter& painter, const QRectF& plot, double unit)
{
    QPen pen(QColor(255, 255, 255, 90), std::max(1.0, unit));
    pen.setCosmetic(false);
    painter.setPen(pen);
    const QFontMetricsF metrics(painter.font());
    for (int longitude = -180; longitude <= 180; longitude += 30) {
        const double x = plot.left() + (longitude + 180) / 360.0 * plot.width();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        if (longitude > -180 && longitude < 180) {
            const QString label = QStringLiteral("%1°").arg(longitude);
            painter.drawText(QRectF(x - 40 * unit, plot.bottom() + 2 * unit, 80 * unit, metrics.height()), Qt::AlignCenter, label);
        }
    }
    for (int latitude = -60; latitude <= 60; latitude += 30) {
        const double y = plot.top() + (sky::mapLatitude - latitude) / (2 * sky::mapLatitude) * plot.height();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.drawText(QRectF(plot.left() - 60 * unit, y - metrics.height() / 2, 56 * unit, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(latitude));
    }
}

void paintLegend(QPainter& painter, const QRectF& area, sky::Criterion criterion, const QStringList& zones, double unit)
{
    const QFontMetricsF metrics(painter.font());
    const int columns = 2;
    const double width = area.width() / columns, swatch = metrics.height() * 0.8;
    painter.setPen(textColour);
    for (int i = 0; i < zones.size(); ++i) {
        const double x = area.left() + (i % columns) * width;
        const int row = i / columns;
        const double y = area.top() + row * metrics.height() * 1.3;
        const QColor colour = crescentZoneColour(criterion, i);
        const QRectF box(x, y + (metrics.height() - swatch) / 2, swatch, swatch);
        painter.fillRect(box, colour.alpha() ? QColor(colour.red(), colour.green(), colour.blue()) : frameColour);
        painter.drawRect(box);
        const double left = x + swatch + 6 * unit;
        const QString label = QStringLiteral("%1  %2").arg(QChar(u'A' + i), zones[i]);
        painter.drawText(QRectF(left, y, width - swatch - 12 * unit, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(label, Qt::ElideRight, width - swatch - 12 * unit));
    }
}

} // namespace

QColor crescentZoneColour(sky::Criterion criterion, int zone)
{
    static const std::array yallop{QColor(34, 160, 60, 170), QColor(150, 210, 60, 170), QColor(250, 220, 50, 170),
                                   QColor(250, 150, 40, 170), QColor(230, 60, 50, 170), QColor(0, 0, 0, 0)};
    static const std::array odeh{QColor(34, 160, 60, 170), QColor(250, 220, 50, 170), QColor(250, 150, 40, 170),
                                 QColor(0, 0, 0, 0)};
    if (criterion == sky::Criterion::Yallop)
        return yallop[std::size_t(std::clamp(zone, 0, 5))];
    return odeh[std::size_t(std::clamp(zone, 0, 3))];
}

void paintCrescentMap(QPainter& painter, const QRectF& area, const sky::CrescentMap& map, sky::Criterion criterion,
                      const CrescentMapWords& words)
{
    if (map.rows < 2 || map.columns < 2 || area.width() < 8 || area.height() < 8)
        return;
    const double unit = std::clamp(std::min(area.width() / 1440, area.height() / 720), 0.3, 8.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, frameColour);
    QFont font = painter.font();
    font.setPixelSize(int(std::lround(std::max(8.0, 17 * unit))));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double pad = 10 * unit;

    // Title and subtitle above, the longitudes and the legend's rows (two
    // zones a row) below, the latitudes to the left; the map keeps its 3:1
    // between them.
    const auto legendRows = (words.zones.size() + 1) / 2;
    const double legendHeight = double(legendRows) * metrics.height() * 1.3;
    const QRectF room(area.left() + metrics.horizontalAdvance(QStringLiteral("−60°")) + 2 * pad,
                      area.top() + 2 * metrics.height() + 2 * pad, 0, 0);
    const double roomWidth = area.right() - pad - room.left();
    const double roomHeight = area.bottom() - legendHeight - metrics.height() - 3 * pad - room.top();
    const double width = std::max(1.0, std::min(roomWidth, roomHeight * 3)), height = width / 3;
    const QRectF plot(room.left() + (roomWidth - width) / 2, room.top() + std::max(0.0, (roomHeight - height) / 2), width, height);

    QFont bold = font;
    bold.setBold(true);
    painter.setPen(textColour);
    painter.setFont(bold);
    const QRectF line(area.left() + pad, area.top() + pad, area.width() - 2 * pad, metrics.height());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(bold).elidedText(words.title, Qt::ElideRight, line.width()));
    painter.setFont(font);
    painter.drawText(line.translated(0, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(words.subtitle, Qt::ElideRight, line.width()));

    painter.drawImage(plot, earth());
    const QSize pixels(std::clamp(int(plot.width()), 1, 2880), std::clamp(int(plot.height()), 1, 960));
    painter.drawImage(plot, zonesPicture(map, criterion, pixels));
    paintGraticule(painter, plot, unit);
    paintLegend(painter,
                QRectF(area.left() + pad, plot.bottom() + metrics.height() + 2 * pad, area.width() - 2 * pad, legendHeight),
                criterion, words.zones, unit);
    painter.restore();
}

} // namespace luna
