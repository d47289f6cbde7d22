// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MoonFace.h"
#include "PhaseDescription.h"
#include "RenderOptions.h"
#include "WriteError.h"

#include <QColor>
#include <QPainter>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <stdexcept>

namespace luna {

// The phase at `angle` as the window draws it: centred, radius a third of
// the width, over `background`.
// `turn` is in degrees, counterclockwise.
QImage renderPhase(double angle, QSize size, const QColor& background, double turn = 0);

// Writes the phase into `path`, whole or not at all. Throws WriteError.
void writePhase(const QString& path, PictureFormat format, double angle, QSize size,
                const QColor& background, double turn = 0);

// Writes the Moon's face, as `view` turns and lights it, into `path`: a PNG,
// or an SVG holding it as an image. `turn` is in degrees, clockwise. Throws
// WriteError.
void writeFace(const QString& path, PictureFormat format, const QImage& map, const FaceView& view,
               QSize size, const QColor& background, double turn = 0);

// Writes what `paint` paints on a picture of `size` into `path`: a PNG, or
// an SVG of the same strokes. Throws WriteError.
void writePainted(const QString& path, PictureFormat format, QSize size,
                  const std::function<void(QPainter&)>& paint);

// The phase as text, about 40 columns by 20 rows: '@' lit, '.' dark, ' '
// outside the disc; then a line describing the Moon at `elongation`.
QString textMoon(double angle, double elongation, double turn = 0);

// How far (degrees, counterclockwise) to turn the picture of elongation
// `elongation` as seen from the north, lit on the right while waxing and on
// the left while waning, so that the middle of its bright limb lies at
// brightLimb - parallactic from the top.
double asSeenTurn(double elongation, double brightLimb, double parallactic);

// The file of the cycle for angle 0..359: luna-000.png and so on.
QString cycleFileName(int angle, PictureFormat format);

// Writes the 360 pictures of the cycle into `directory` on `threads`
// threads (0: one per core), reporting each one done. Stops early, between
// pictures, once `stop` is set. Throws WriteError on the first picture that
// cannot be written.
void writeCycle(const QString& directory, PictureFormat format, QSize size,
                const QColor& background, const std::atomic<bool>& stop,
                const std::function<void(int done)>& progress, unsigned threads = 0);

} // namespace luna
