// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoonFace.h"

#include "Eclipses.h"
#include "FacePainter.h"
#include "Libration.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>
#include <vector>

namespace luna {

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

QImage drawMoonFace(const QImage& map, QSize size, const QColor& background, const FaceView& view, double turn,
                    FaceDrawing how)
{
    QImage face(size, QImage::Format_ARGB32_Premultiplied);
    // A size the memory refuses gives no picture, for the caller to say so.
    if (face.isNull())
        return face;
    const QImage grey = map.convertToFormat(QImage::Format_Grayscale8);
    if (grey.isNull()) {
        face.fill(background);
        return face;
    }
    const face::FacePainter painter(grey, face, background, view, turn, how.spans);

    // Rows apart are independent: every core takes its share, interleaved
    // so that each has as much of the disc as the others. The shares of
    // helpers that cannot be started are drawn here.
    const int workers = how.threads > 0 ? how.threads : int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    const auto share = [&](int first) {
        for (int py = first; py < size.height(); py += workers)
            painter.drawRow(py);
    };
    int started = 1;
    {
        std::vector<std::jthread> helpers;
        try {
            for (; started < workers; ++started)
                helpers.emplace_back(share, started);
        } catch (const std::system_error&) {
        }
        for (int w = started; w < workers; ++w)
            share(w);
        share(0);
    }
    return face;
}

std::optional<std::pair<double, double>> selenographicAt(const FaceView& view, QSize size, QPointF at, double turn)
{
    const DiscPlacement disc = placeDisc(size.width(), size.height());
    const double u = (at.x() - disc.x) / disc.radius, v = (disc.y - at.y()) / disc.radius;
    if (disc.radius <= 0 || u * u + v * v > 1)
        return std::nullopt;
    const auto [p, facing] = face::FaceFrame(view, turn).at(u, v);
    return std::pair{std::atan2(p[2], std::hypot(p[0], p[1])) / face::radiansPerDegree,
                     std::atan2(p[1], p[0]) / face::radiansPerDegree};
}

} // namespace luna
