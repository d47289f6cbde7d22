// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PictureBox.h"
#include "PictureGeometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace luna::FormGeometry {

// The main window's layout in logical pixels, as designed in twips at 15
// twips to the pixel: the client area and where it opens on the screen, and
// the four controls' rectangles within it.
inline constexpr QSize client{293, 292};
inline constexpr QPoint clientOrigin{228, 131};

inline constexpr QRect Text1{16, 16, 41, 20};
inline constexpr QRect HScroll1{64, 16, 81, 17};
inline constexpr QRect Label1{152, 16, 121, 17};
inline constexpr QRect PicLuna{16, 48, 257, 233};

// The area PicLuna draws in, inside its frame.
inline constexpr QRect picLunaInside = PicLuna.adjusted(PictureBox::frameThickness,
                                                        PictureBox::frameThickness,
                                                        -PictureBox::frameThickness,
                                                        -PictureBox::frameThickness);

static_assert(picLunaInside.width() == windowPicture.width
                  && picLunaInside.height() == windowPicture.height,
              "files are drawn by default at the size of the window's picture");

} // namespace luna::FormGeometry
