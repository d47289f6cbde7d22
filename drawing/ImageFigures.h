// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRgb>

namespace luna {

// An ellipse in an image's device pixels: centre and half-axes.
struct DeviceEllipse {
    double x = 0;
    double y = 0;
    double halfWidth = 0;
    double halfHeight = 0;
};

// Anti-aliased figures written straight into a 32-bit image (RGB32 or
// premultiplied ARGB32), a pixel's square counted as covered by how far its
// centre lies inside the edge. Rows are filled as spans, so a figure costs
// little more than the pixels it covers. Each returns false, having drawn
// nothing, for what it does not handle: another image format, an ellipse
// narrower than a pixel, or coordinates beyond ten million pixels; a
// QPainter then draws the figure instead.

// The whole ellipse.
bool fillEllipse(QImage& image, const DeviceEllipse& ellipse, QRgb colour);

// The sector of the ellipse from angle `from` counterclockwise through
// `sweep` (radians, 0 pointing right, y upwards; positions on the ellipse as
// a circle mapped onto it, as QPainterPath::arcTo takes them).
bool fillPie(QImage& image, const DeviceEllipse& ellipse, double from, double sweep, QRgb colour);

// The band `width` pixels wide just outside the ellipse.
bool fillRing(QImage& image, const DeviceEllipse& inner, double width, QRgb colour);

} // namespace luna
