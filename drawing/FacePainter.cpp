// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FacePainter.h"

namespace luna::face {

int brightestHundredth(const QImage& grey)
{
    // Every fourth texel of every fourth row is plenty for a percentile
    // and keeps this well under a millisecond; each row weighs as the
    // cosine of its latitude, the share of the globe it covers.
    constexpr int step = 4;
    std::array<double, 256> histogram{};
    double total = 0;
    for (int y = step / 2; y < grey.height(); y += step) {
        const double weight = std::cos(((y + 0.5) / grey.height() - 0.5) * M_PI);
        const uchar* row = grey.constScanLine(y);
        std::array<int, 256> counts{};
        int n = 0;
        for (int x = 0; x < grey.width(); x += step, ++n)
            ++counts[row[x]];
        for (int g = 0; g < 256; ++g)
            histogram[g] += counts[g] * weight;
        total += n * weight;
    }
    double above = 0;
    for (int g = 255; g > 0; --g) {
        above += histogram[g];
        if (above >= total / 100)
            return g;
    }
    return 1;
}

void FacePainter::drawRow(int py) const
{
    auto* line = reinterpret_cast<QRgb*>(bits_ + py * stride_);
    if (py < top_ || py > bottom_) {
        std::fill(line, line + size_.width(), backdrop_);
        return;
    }
    const double cv = (disc_.y - (py + 0.5)) / radius_;
    // The pixels of this row well inside the limb, [from, to).
    int from = right_ + 1;
    int to = from;
    if (cv * cv < inner2_) {
        const double half = std::sqrt(inner2_ - cv * cv) * radius_;
        from = std::max(left_, int(std::ceil(disc_.x - half - 0.5)));
        to = std::min(right_ + 1, int(std::floor(disc_.x + half - 0.5)) + 1);
    }
    // The background everywhere the inside does not cover.
    std::fill(line, line + std::min(from, size_.width()), backdrop_);
    std::fill(line + std::max(from, to), line + size_.width(), backdrop_);
    drawInside(line, from, to, cv);
    drawLimb(line, py, from, to, cv);
}

void FacePainter::drawInside(QRgb* line, int from, int to, double cv) const
{
    const auto facingAt = [&](int px) {
        const double u = uOf(px + 0.5);
        return std::sqrt(std::max(0.0, 1 - u * u - cv * cv));
    };
    const double width = albedo_.width();
    Sample a = from < to ? exact(uOf(from + 0.5), cv) : Sample{};
    for (int px = from; px < to;) {
        int end = std::min(px + spanAt(a.facing), to - 1);
        end = std::min(end, px + spanAt(facingAt(end)));
        const double u0 = uOf(px + 0.5), u1 = uOf(end + 0.5);
        Sample b = exact(u1, cv);
        // Round the globe the short way.
        b.mapX += std::round((a.mapX - b.mapX) / width) * width;
        const double steps = std::max(1, end - px);
        // Far north or south the longitude runs fast but still straight,
        // unless the span passes by the pole: its middle says.
        bool straight = std::abs(b.mapX - a.mapX) < 4 * steps + 2;
        if (!straight && steps > 1) {
            Sample middle = exact((u0 + u1) / 2, cv);
            middle.mapX += std::round(((a.mapX + b.mapX) / 2 - middle.mapX) / width) * width;
            straight = std::abs(middle.mapX - (a.mapX + b.mapX) / 2) < 0.25
                && std::abs(middle.mapY - (a.mapY + b.mapY) / 2) < 0.25;
        }
        const int last = end == to - 1 ? end : end - 1;
        const double du = (u1 - u0) / steps;
        const Sample step{(b.mapX - a.mapX) / steps, (b.mapY - a.mapY) / steps, (b.incidence - a.incidence) / steps,
                          (b.facing - a.facing) / steps};
        // Without the Earth's shadow the face is grey; away from the
        // terminator's soft edge its lighting is as smooth as the rest.
        const bool steady = (a.incidence >= twilight && b.incidence >= twilight)
            || (a.incidence <= -twilight && b.incidence <= -twilight);
        if (straight && !view_.shadow && steady) {
            const double share = lighting(a).first;
            drawSpan<Span::Steady>(line, px, last, a, step, u0, du, cv, share, (lighting(b).first - share) / steps);
        } else if (straight && !view_.shadow) {
            drawSpan<Span::Lit>(line, px, last, a, step, u0, du, cv, 0, 0);
        } else if (straight) {
            drawSpan<Span::Shaded>(line, px, last, a, step, u0, du, cv, 0, 0);
        } else {
            drawSpan<Span::Curved>(line, px, last, a, step, u0, du, cv, 0, 0);
        }
        px = last + 1;
        a = b;
    }
}

void FacePainter::drawLimb(QRgb* line, int py, int from, int to, double cv) const
{
    for (int px = left_; px <= right_; ++px) {
        if (px == from && from < to) {
            px = to - 1;
            continue;
        }
        const double cu = uOf(px + 0.5);
        const bool inside = cu * cu + cv * cv < inner2_;
        double red = 0, green = 0, blue = 0, cover = 0;
        for (int s = 0; s < (inside ? 1 : 4); ++s) {
            // The four at the quarters of the pixel: s's low bit across, its
            // high bit down.
            const double u = inside ? cu : uOf(px + 0.25 + 0.5 * (s & 1));
            const double v = inside ? cv : (disc_.y - (py + 0.25 + 0.5 * (s >> 1))) / radius_;
            if (u * u + v * v > 1)
                continue;
            double colour[3];
            shade(exact(u, v), u, v, colour);
            red += colour[0];
            green += colour[1];
            blue += colour[2];
            cover += 1;
        }
        if (cover == 0)
            continue;
        if (inside) {
            line[px] = qRgba(channel(red), channel(green), channel(blue), 255);
            continue;
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

} // namespace luna::face
