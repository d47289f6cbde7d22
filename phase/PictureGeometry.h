// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace luna {

// Where the Moon sits in a picture: centred, with a radius of a third of the
// picture's width. Every picture of the phases is placed by this rule, in the
// window and in every file drawn.
struct DiscPlacement {
    double x = 0;
    double y = 0;
    double radius = 0;
};

constexpr DiscPlacement placeDisc(double innerWidth, double innerHeight)
{
    return {innerWidth / 2, innerHeight / 2, innerWidth / 3};
}

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The area the window's picture draws in, inside its one-pixel frame; files
// are drawn at this size unless asked for another.
inline constexpr PictureSize windowPicture{255, 231};

} // namespace luna
