// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoonFace.h"

#include "Eclipses.h"
#include "Libration.h"
#include "PictureGeometry.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>

namespace luna {

namespace {

constexpr double radiansPerDegree = M_PI / 180;

using Vector = std::array<double, 3>;

Vector unit(double longitude, double latitude)
{
    const double l = longitude * radiansPerDegree, b = latitude * radiansPerDegree;
    return {std::cos(b) * std::cos(l), std::cos(b) * std::sin(l), std::sin(b)};
}

double dot(const Vector& a, const Vector& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Earthshine, as a share of the day side's brightness at the same albedo.
constexpr double earthshine = 0.09;
// How far, in the cosine of the Sun's height, the terminator is softened.
constexpr double twilight = 0.02;
// The umbra at its darkest, as a share of the uneclipsed brightness, and its
// colour.
constexpr double umbraLight = 0.2;
const double umbraTint[3] = {1.0, 0.36, 0.22};

// The map's grey at a selenographic longitude and latitude, interpolated
// between its four nearest texels.
double albedo(const QImage& map, double longitude, double latitude)
{
    const int w = map.width(), h = map.height();
    const double x = (longitude / 360 + 0.5) * w - 0.5;
    const double y = (0.5 - latitude / 180) * h - 0.5;
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const auto at = [&](int xi, int yi) {
        xi = ((xi % w) + w) % w;
        yi = std::clamp(yi, 0, h - 1);
        return map.constScanLine(yi)[xi] / 255.0;
    };
    return (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy)
        + (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
}

} // namespace

FaceView meanFaceView(double elongation)
{
    FaceView view;
    // Seen from the Earth at elongation e the Sun stands 180 - e from the
    // middle of the face, towards selenographic east while the Moon waxes.
    view.sunLongitude = std::remainder(180 - elongation, 360);
    return view;
}

FaceView faceViewAt(sky::Instant when, const std::optional<sky::Place>& place)
{
    const sky::MoonFace face = sky::moonFace(when, place);
    FaceView view;
    view.centreLongitude = face.librationLongitude;
    view.centreLatitude = face.librationLatitude;
    view.axisAngle = face.axisPositionAngle;
    view.sunLongitude = face.subsolarLongitude;
    view.sunLatitude = face.subsolarLatitude;
    const sky::ShadowOnMoon shadow = sky::shadowOnMoon(when);
    if (std::hypot(shadow.east, shadow.north) < shadow.penumbra + 1)
        view.shadow = FaceView::Shadow{shadow.east, shadow.north, shadow.umbra, shadow.penumbra};
    return view;
}

QImage shippedMoonMap()
{
    return QImage(QStringLiteral(":/luna/moon-map.jpg"));
}

QImage drawMoonFace(const QImage& map, QSize size, const QColor& background, const FaceView& view, double turn)
{
    QImage face(size, QImage::Format_ARGB32_Premultiplied);
    face.fill(background);
    const QImage grey = map.convertToFormat(QImage::Format_Grayscale8);
    if (grey.isNull() || size.isEmpty())
        return face;

    const DiscPlacement disc = placeDisc(size.width(), size.height());
    // The Moon's north and selenographic east on the picture, (right, up):
    // north at the axis's angle towards the sky's east (the left), turned
    // with the picture.
    const double axis = (view.axisAngle - turn) * radiansPerDegree;
    const double north[2] = {-std::sin(axis), std::cos(axis)};
    const double east[2] = {std::cos(axis), std::sin(axis)};
    // The sky's east and north on the picture, for the shadow.
    const double sky = -turn * radiansPerDegree;
    const double skyEast[2] = {-std::cos(sky), -std::sin(sky)};
    const double skyNorth[2] = {-std::sin(sky), std::cos(sky)};

    // The selenographic frame at the middle of the disc.
    const Vector towards = unit(view.centreLongitude, view.centreLatitude);
    const double l = view.centreLongitude * radiansPerDegree, b = view.centreLatitude * radiansPerDegree;
    const Vector localEast{-std::sin(l), std::cos(l), 0};
    const Vector localNorth{-std::sin(b) * std::cos(l), -std::sin(b) * std::sin(l), std::cos(b)};
    const Vector sun = unit(view.sunLongitude, view.sunLatitude);

    const int top = std::max(0, int(std::floor(disc.y - disc.radius)));
    const int bottom = std::min(size.height() - 1, int(std::ceil(disc.y + disc.radius)));
    const int left = std::max(0, int(std::floor(disc.x - disc.radius)));
    const int right = std::min(size.width() - 1, int(std::ceil(disc.x + disc.radius)));
    for (int py = top; py <= bottom; ++py) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(py));
        for (int px = left; px <= right; ++px) {
            // Four samples a pixel near the limb, for a smooth edge; one,
            // counted four times, inside it.
            const double cu = (px + 0.5 - disc.x) / disc.radius, cv = (disc.y - (py + 0.5)) / disc.radius;
            const bool inside = std::hypot(cu, cv) < 1 - 1.5 / disc.radius;
            double red = 0, green = 0, blue = 0, cover = 0;
            for (int s = 0; s < (inside ? 1 : 4); ++s) {
                const double u = inside ? cu : (px + 0.25 + 0.5 * (s % 2) - disc.x) / disc.radius;
                const double v = inside ? cv : (disc.y - (py + 0.25 + 0.5 * (s / 2))) / disc.radius;
                const double r2 = u * u + v * v;
                if (r2 > 1)
                    continue;
                const double x = u * east[0] + v * east[1];
                const double y = u * north[0] + v * north[1];
                const double z = std::sqrt(std::max(0.0, 1 - x * x - y * y));
                Vector p{};
                for (int i = 0; i < 3; ++i)
                    p[i] = z * towards[i] + x * localEast[i] + y * localNorth[i];
                const double longitude = std::atan2(p[1], p[0]) / radiansPerDegree;
                const double latitude = std::asin(std::clamp(p[2], -1.0, 1.0)) / radiansPerDegree;
                const double a = albedo(grey, longitude, latitude);

                // Lommel-Seeliger: flat at full, darker where the Sun is low.
                const double incidence = dot(p, sun);
                const double lit = incidence > 0 ? 2 * incidence / (incidence + std::max(z, 1e-3)) : 0;
                const double day = std::clamp((incidence + twilight) / (2 * twilight), 0.0, 1.0);
                // Earthshine lights both sides; only the night shows it.
                double light = a * (std::min(lit, 1.0) * day * (1 - earthshine) + earthshine);
                double tint[3] = {1, 1, 1};
                if (view.shadow) {
                    const FaceView::Shadow& shadow = *view.shadow;
                    const double se = u * skyEast[0] + v * skyEast[1] - shadow.east;
                    const double sn = u * skyNorth[0] + v * skyNorth[1] - shadow.north;
                    const double d = std::hypot(se, sn);
                    if (d < shadow.umbra) {
                        light = a * umbraLight * day;
                        std::copy(umbraTint, umbraTint + 3, tint);
                    } else if (d < shadow.penumbra) {
                        // The Sun's disc uncovered from the umbra's edge out.
                        const double open = (d - shadow.umbra) / (shadow.penumbra - shadow.umbra);
                        const double keep = 0.35 + 0.65 * open;
                        light *= keep;
                        for (int i = 1; i < 3; ++i)
                            tint[i] = umbraTint[i] + (1 - umbraTint[i]) * std::min(1.0, 3 * open);
                    }
                }
                red += light * tint[0];
                green += light * tint[1];
                blue += light * tint[2];
                cover += 1;
            }
            if (cover == 0)
                continue;
            if (inside) {
                red *= 4;
                green *= 4;
                blue *= 4;
                cover = 4;
            }
            // Over the background, in premultiplied colour.
            const QRgb under = line[px];
            const double alpha = cover / 4;
            const auto mix = [&](double moon, int back) {
                return int(std::lround(std::clamp(moon / 4 * 255 + back * (1 - alpha), 0.0, 255.0)));
            };
            line[px] = qRgba(mix(red, qRed(under)), mix(green, qGreen(under)), mix(blue, qBlue(under)),
                             int(std::lround(alpha * 255 + qAlpha(under) * (1 - alpha))));
        }
    }
    return face;
}

} // namespace luna
