// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace luna {

// A neutral grey, against which both a white and a black disc stand out:
// what a picture shows where nothing is drawn.
QColor pictureBackground();

// A transparent picture `size` logical pixels large, at `ratio` device
// pixels to the logical one, ready to be drawn on.
QImage emptyPicture(QSize size, qreal ratio = 1);

// The phase at `angle` placed by placeDisc() on an empty picture of `size`,
// turned `turn` degrees counterclockwise about the disc's centre.
QImage drawnPicture(double angle, QSize size, qreal ratio = 1, double turn = 0);

// Draws the phase at `angle` with `painter`, placed by placeDisc() in a
// picture of `size` and turned `turn` degrees counterclockwise.
void drawTurnedPhase(QPainter& painter, double angle, QSize size, double turn);

// Shows a picture in `area`: the background, then what was drawn over it.
// The window and the files drawn from the command line both show their
// pictures through here, so that the two agree pixel for pixel.
void showPicture(QPainter& painter, const QRect& area, const QImage& picture,
                 const QColor& background);

// The phase Luna's icon shows: a waxing gibbous Moon, as seen from the
// north. The installed scalable icon is the same drawing, written by
// luna-render.
inline constexpr double iconAngle = 225;

// Luna's icon at the sizes windows and panels ask for (16 to 256 pixels),
// drawn as the scalable icon is, on a transparent ground.
QIcon lunaIcon();

} // namespace luna
