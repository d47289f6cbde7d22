// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PictureSurface.h"

#include <cstdint>
#include <vector>

// A surface that draws nothing and logs every operation made on it.
class RecordingSurface : public luna::PictureSurface {
public:
    enum class Kind { SetFillStyle, SetFillColor, ReadFillColor, Circle };

    struct Operation {
        Kind kind;
        luna::FillStyle style = luna::FillStyle::Solid;
        luna::Colour colour = 0;
        std::uint16_t flags = 0;
        double x = 0, y = 0, radius = 0, start = 0, end = 0, aspect = 0;
    };

    void setFillStyle(luna::FillStyle style) override
    {
        style_ = style;
        log.push_back({Kind::SetFillStyle, style});
    }
    luna::FillStyle fillStyle() const override { return style_; }

    void setFillColor(luna::Colour colour) override
    {
        colour_ = colour;
        log.push_back({Kind::SetFillColor, style_, colour});
    }
    luna::Colour fillColor() const override
    {
        log.push_back({Kind::ReadFillColor, style_, colour_});
        return colour_;
    }

    void circle(std::uint16_t flags, double x, double y, double radius, luna::Colour colour,
                double start, double end, double aspect) override
    {
        log.push_back({Kind::Circle, style_, colour, flags, x, y, radius, start, end, aspect});
    }

    mutable std::vector<Operation> log;

private:
    luna::FillStyle style_ = luna::FillStyle::Solid;
    luna::Colour colour_ = luna::rgb(1, 2, 3);
};
