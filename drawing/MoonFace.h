// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"
#include "Sky.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

#include <optional>
#include <utility>

namespace luna {

// How the Moon's face is turned and lit, in degrees: the selenographic
// point at the middle of the disc (the libration), the position angle of
// the Moon's north pole from the picture's up through the sky's east (to the
// left), the subsolar point, and, during a lunar eclipse, the Earth's
// shadow: its axis from the disc's centre towards the sky's east and north,
// and the radii of its umbra and penumbra, all in the disc's radius.
struct FaceView {
    double centreLongitude = 0, centreLatitude = 0;
    double axisAngle = 0;
    double sunLongitude = 0, sunLatitude = 0;

    struct Shadow {
        double east = 0, north = 0;
        double umbra = 0, penumbra = 0;
    };
    std::optional<Shadow> shadow;
};

// The face's mean view for a bare phase angle as the drawing shows it
// (north hemisphere): no libration, the axis up, the Sun at the elongation
// that angle stands for.
FaceView meanFaceView(double elongation);

// The face as the Earth's centre sees it at an instant, or the place when
// one is given, with the Earth's shadow when it touches the Moon. Throws
// sky::OutOfRange.
FaceView faceViewAt(sky::Instant when, const std::optional<sky::Place>& place = std::nullopt);

// The albedo map Luna ships: equirectangular, longitude -180 to 180 degrees
// from left to right, latitude 90 to -90 from top to bottom, in grey.
QImage shippedMoonMap();

// The Moon's face on a picture of `size`, over `background`, the disc where
// every picture of the Moon sits (placeDisc), from `map` in the convention
// above, turned a further `turn` degrees clockwise (180 for the south).
// Lit from the subsolar point: the day side shaded as the Moon's surface
// scatters light (no limb darkening at full, dimming towards the
// terminator) and exposed so that the map's brightest hundredth comes near
// white, the night side in faint earthshine, the Earth's shadow dimming
// through the penumbra and copper-red in the umbra, darkest at its axis.
// How the face is drawn: the map's point found exactly at the ends of
// straight spans (within a quarter of a texel of the curve) or at every
// pixel, and on how many threads (0: the cores', at most four); the
// picture is the same whatever the threads. A size the memory refuses gives
// a null image.
enum class FaceSpans { Straight, Exact };
struct FaceDrawing {
    FaceSpans spans = FaceSpans::Straight;
    int threads = 0;
};
QImage drawMoonFace(const QImage& map, QSize size, const QColor& background, const FaceView& view,
                    double turn = 0, FaceDrawing how = {});

// The selenographic point (latitude, longitude, degrees) that a picture of
// `size` drawn as above shows at `at`, or none off the disc.
std::optional<std::pair<double, double>> selenographicAt(const FaceView& view, QSize size, QPointF at,
                                                         double turn = 0);

} // namespace luna
