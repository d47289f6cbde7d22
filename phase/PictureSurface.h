// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace luna {

// A 24-bit colour packed as 0x00BBGGRR: red in the lowest byte, then green,
// then blue. RGB(255, 0, 0) is therefore 0x0000FF.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Colour{red} | Colour{green} << 8 | Colour{blue} << 16;
}

constexpr std::uint8_t redOf(Colour colour) { return colour & 0xFF; }
constexpr std::uint8_t greenOf(Colour colour) { return colour >> 8 & 0xFF; }
constexpr std::uint8_t blueOf(Colour colour) { return colour >> 16 & 0xFF; }

inline constexpr Colour White = rgb(255, 255, 255);
inline constexpr Colour Black = rgb(0, 0, 0);

enum class FillStyle : int {
    Solid = 0,       // closed figures are filled with the fill colour
    Transparent = 1, // only outlines are drawn; the inside is left as it was
};

// The flags word of PictureSurface::circle(). Bit 0x40 asks for a radius to
// the start of the arc, bit 0x80 for a radius to its end; with both, the
// figure is a pie. Other bits carry no meaning of their own here.
namespace CircleFlags {
inline constexpr std::uint16_t Closed = 0x102;                 // 258: the whole ellipse
inline constexpr std::uint16_t StartRadius = 0x40;
inline constexpr std::uint16_t EndRadius = 0x80;
inline constexpr std::uint16_t Pie = Closed | StartRadius | EndRadius; // 450
} // namespace CircleFlags

// A drawing target. Positions and lengths are in the surface's own scale
// units, counted from the top-left corner of its drawable area, x to the right
// and y downward. Drawing state (fill style and fill colour) is set before the
// figures it applies to, and whatever is drawn stays until drawn over.
class PictureSurface {
public:
    virtual ~PictureSurface() = default;

    virtual void setFillStyle(FillStyle style) = 0;
    virtual FillStyle fillStyle() const = 0;

    // The fill colour is read back exactly as it was set.
    virtual void setFillColor(Colour colour) = 0;
    virtual Colour fillColor() const = 0;

    // Draws an ellipse centred on (x, y), its outline in `colour`. A filled
    // figure covers exactly its ellipse, its outline along the inside of the
    // boundary; a transparent figure's outline lies just outside the boundary,
    // framing what is inside without covering it.
    //
    // Aspect: for aspect q >= 1 the vertical half-axis is `radius` and the
    // horizontal one radius / q; for q < 1 the horizontal half-axis is
    // `radius` and the vertical one radius * q. Aspect 1 gives a circle.
    //
    // Closed figure (CircleFlags::Closed): the whole ellipse; start and end
    // are not used. Filled with the fill colour when the fill style is Solid.
    //
    // Pie (CircleFlags::Pie): |start| and |end| are positions on the ellipse
    // in radians, 0 pointing right and pi/2 pointing up; the arc runs
    // counterclockwise from |start| to |end|, a radius joins the centre to
    // each end, and with a Solid fill style the sector is filled. So start
    // -3pi/2 with end -pi/2 is the right half, and the reverse the left half.
    virtual void circle(std::uint16_t flags, double x, double y, double radius, Colour colour,
                        double start, double end, double aspect) = 0;
};

} // namespace luna
