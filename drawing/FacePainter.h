// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the Moon's face is drawn, a row at a time: the painter drawMoonFace()
// shares among its threads. Not for use outside drawing/.

#include "MoonFace.h"
#include "PictureGeometry.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace luna::face {

inline constexpr double radiansPerDegree = M_PI / 180;

using Vector = std::array<double, 3>;

inline Vector unit(double longitude, double latitude)
{
    const double l = longitude * radiansPerDegree, b = latitude * radiansPerDegree;
    return {std::cos(b) * std::cos(l), std::cos(b) * std::sin(l), std::sin(b)};
}

inline double dot(const Vector& a, const Vector& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Earthshine, as a share of the day side's light at the same albedo: a
// three-hundredth, which the display's gamma shows as a faint seven
// hundredths of the day side's grey.
inline constexpr double earthshine = 0.003;
// The map's greys are a picture's, for the screen: light, which adds
// linearly, reaches them through the display's gamma.
inline constexpr double displayGamma = 2.2;
// How far, in the cosine of the Sun's height, the terminator is softened.
inline constexpr double twilight = 0.02;
// The Earth's shadow: the umbra's light, as a share of the uneclipsed
// brightness, at its axis and at its edge (sunlight bent through the
// Earth's atmosphere reaches the edge most), and its colours there: deep
// red within, copper towards the edge.
inline constexpr double umbraMiddle = 0.06, umbraEdge = 0.45;
inline constexpr double umbraDeep[3] = {1.0, 0.3, 0.16};
inline constexpr double umbraCopper[3] = {1.0, 0.5, 0.3};

// The grey of the map's brightest hundredth, 1 to 255, by area on the
// globe: what the exposure brings to white.
int brightestHundredth(const QImage& grey);

// The map's grey at a point of the map in texels (x to the right from
// longitude -180, y down from latitude 90), between its four nearest
// texels, round the globe in longitude, exposed: 1 at the map's brightest
// hundredth.
class Albedo {
public:
    explicit Albedo(const QImage& grey)
        : bits_(grey.constBits()), stride_(grey.bytesPerLine()), width_(grey.width()), height_(grey.height())
        , scale_(1.0f / float(std::max(maxGain, brightestHundredth(grey))))
    {
    }

    float operator()(double mapX, double mapY) const
    {
        double x = mapX - 0.5;
        if (x < 0 || x >= width_)
            x -= std::floor(x / width_) * width_;
        // Latitude keeps y above -1: truncation floors it.
        const double y = mapY - 0.5;
        const int x0 = std::min(int(x), width_ - 1), y0 = int(y + 1) - 1;
        const float fx = float(x - x0), fy = float(y - y0);
        const int x1 = x0 + 1 == width_ ? 0 : x0 + 1;
        const uchar* above = row(y0);
        const uchar* below = row(y0 + 1);
        const float top = above[x0] + (above[x1] - above[x0]) * fx;
        const float bottom = below[x0] + (below[x1] - below[x0]) * fx;
        return (top + (bottom - top) * fy) * scale_;
    }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    const uchar* row(int y) const { return bits_ + qsizetype(std::clamp(y, 0, height_ - 1)) * stride_; }

    const uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0, height_ = 0;
    // However dull a map, its grey is raised by a half at most, as a
    // camera's exposure is set within bounds.
    static constexpr int maxGain = 170;
    float scale_ = 1.0f / 255;
};

// The angle of (x, y) from the x axis, radians, within 2e-6 of atan2: a
// minimax polynomial for atan on [0, 1], turned into each octant. The
// library's atan2 costs as much as the rest of a pixel.
inline double quickAtan2(double y, double x)
{
    const double ax = std::abs(x), ay = std::abs(y);
    const double big = std::max(ax, ay);
    if (big == 0)
        return 0;
    const double a = std::min(ax, ay) / big;
    const double s = a * a;
    double r = a * (0.99997726 + s * (-0.33262347 + s * (0.19354346 + s * (-0.11643287 + s * (0.05265332
        + s * -0.01172120)))));
    if (ay > ax)
        r = M_PI / 2 - r;
    if (x < 0)
        r = M_PI - r;
    return y < 0 ? -r : r;
}

// How the globe lies on the picture: the selenographic direction of a point
// (u, v) of the disc, in its radius, right and up from its middle, for a
// face turned `turn` degrees clockwise.
class FaceFrame {
public:
    FaceFrame(const FaceView& view, double turn)
        : towards_(unit(view.centreLongitude, view.centreLatitude))
    {
        // The Moon's north and selenographic east on the picture, (right,
        // up): north at the axis's angle towards the sky's east (the left),
        // turned with the picture.
        const double axis = (view.axisAngle - turn) * radiansPerDegree;
        north_[0] = -std::sin(axis), north_[1] = std::cos(axis);
        east_[0] = std::cos(axis), east_[1] = std::sin(axis);
        // The selenographic frame at the middle of the disc.
        const double l = view.centreLongitude * radiansPerDegree, b = view.centreLatitude * radiansPerDegree;
        localEast_ = {-std::sin(l), std::cos(l), 0};
        localNorth_ = {-std::sin(b) * std::cos(l), -std::sin(b) * std::sin(l), std::cos(b)};
    }

    // The unit vector of the point, and how squarely it faces us (zero at
    // the limb).
    std::pair<Vector, double> at(double u, double v) const
    {
        const double x = u * east_[0] + v * east_[1];
        const double y = u * north_[0] + v * north_[1];
        const double z = std::sqrt(std::max(0.0, 1 - x * x - y * y));
        Vector p{};
        for (std::size_t i = 0; i < 3; ++i)
            p[i] = z * towards_[i] + x * localEast_[i] + y * localNorth_[i];
        return {p, z};
    }

private:
    Vector towards_, localEast_{}, localNorth_{};
    double north_[2]{}, east_[2]{};
};

// What one point of the disc needs: where it falls on the map, in texels,
// how high the Sun stands there (the cosine of its zenith distance) and how
// squarely it faces us.
struct Sample {
    double mapX = 0, mapY = 0;
    double incidence = 0, facing = 0;
};



// Draws one picture of the face, a row at a time; rows are independent, so
// that any number of threads may share them.
class FacePainter {
public:
    FacePainter(const QImage& grey, QImage& face, const QColor& background, const FaceView& view, double turn,
                FaceSpans spans)
        : albedo_(grey)
        , view_(view)
        , size_(face.size())
        , bits_(face.bits())
        , stride_(face.bytesPerLine())
        , backdrop_(qPremultiply(background.rgba()))
        , disc_(placeDisc(size_.width(), size_.height()))
        , radius_(disc_.radius)
        , frame_(view, turn)
        , sun_(unit(view.sunLongitude, view.sunLatitude))
    {
        // The sky's east and north on the picture, for the shadow.
        const double sky = -turn * radiansPerDegree;
        skyEast_[0] = -std::cos(sky), skyEast_[1] = -std::sin(sky);
        skyNorth_[0] = -std::sin(sky), skyNorth_[1] = std::cos(sky);
        // Inside the disc the map's point and the light change smoothly:
        // they are found exactly at the ends of short spans and drawn
        // straight between. A span is as long as keeps the straight line
        // within a quarter of a texel of the true curve, whose bend grows as
        // the cube of the facing towards the limb: shorter there, one pixel
        // at the edge (every span one pixel when asked for exact ones). A
        // span across a pole is found pixel by pixel.
        bend_ = spans == FaceSpans::Exact ? 0 : std::sqrt(8 * 0.25 * 2 * M_PI / albedo_.width()) * radius_;
        // Four samples a pixel within a pixel and a half of the limb, where
        // the map is foreshortened most.
        inner2_ = std::pow(std::max(0.0, 1 - 1.5 / radius_), 2);
        top_ = std::max(0, int(std::floor(disc_.y - radius_)));
        bottom_ = std::min(size_.height() - 1, int(std::ceil(disc_.y + radius_)));
        left_ = std::max(0, int(std::floor(disc_.x - radius_)));
        right_ = std::min(size_.width() - 1, int(std::ceil(disc_.x + radius_)));
    }

    void drawRow(int py) const;

private:
    // How a span's pixels are found: grey, between lighting that changes
    // as straight as the map's point; grey, lit pixel by pixel (the
    // terminator's soft edge); in colour, shaded pixel by pixel (the
    // Earth's shadow); or each exactly, where the span is not straight.
    enum class Span { Steady, Lit, Shaded, Curved };

    double uOf(double px) const { return (px - disc_.x) / radius_; }
    int spanAt(double facing) const { return std::clamp(int(bend_ * facing * std::sqrt(facing)), 1, 32); }

    // The exact sample at a point (u, v) of the disc, in its radius, right
    // and up from its middle.
    Sample exact(double u, double v) const
    {
        const auto [p, z] = frame_.at(u, v);
        const double longitude = quickAtan2(p[1], p[0]) / radiansPerDegree;
        const double latitude = quickAtan2(p[2], std::sqrt(p[0] * p[0] + p[1] * p[1])) / radiansPerDegree;
        return Sample{(longitude / 360 + 0.5) * albedo_.width(), (0.5 - latitude / 180) * albedo_.height(),
                      dot(p, sun_), z};
    }

    // The share of the light falling on a sample that it sends to us, as
    // the map's grey is to be scaled on the screen, and how much of the
    // day it has.
    static std::pair<double, double> lighting(const Sample& sample)
    {
        // Lommel-Seeliger: flat at full, darker where the Sun is low,
        // brighter towards the limb of a crescent (up to a quarter over
        // the full Moon's, where the exposure has brought the highlands
        // near white).
        const double incidence = sample.incidence;
        const double lit = incidence > 0 ? 2 * incidence / (incidence + std::max(sample.facing, 1e-3)) : 0;
        const double day = std::clamp((incidence + twilight) / (2 * twilight), 0.0, 1.0);
        // Earthshine lights both sides; only the night shows it.
        return {std::pow(std::min(lit, 1.25) * day * (1 - earthshine) + earthshine, 1 / displayGamma), day};
    }

    std::pair<double, double> sunlight(const Sample& sample) const
    {
        const auto [share, day] = lighting(sample);
        return {albedo_(sample.mapX, sample.mapY) * share, day};
    }

    // The light a sample sends back, in colour, at (u, v) on the disc.
    void shade(const Sample& sample, double u, double v, double (&colour)[3]) const
    {
        const auto [light, day] = sunlight(sample);
        colour[0] = colour[1] = colour[2] = light;
        if (!view_.shadow)
            return;
        const FaceView::Shadow& shadow = *view_.shadow;
        const double se = u * skyEast_[0] + v * skyEast_[1] - shadow.east;
        const double sn = u * skyNorth_[0] + v * skyNorth_[1] - shadow.north;
        const double d2 = se * se + sn * sn;
        if (d2 < shadow.umbra * shadow.umbra) {
            // Darkest and deepest red at the axis, lighter and coppery
            // towards the edge.
            const double out = std::sqrt(d2) / shadow.umbra;
            const double dimmed = albedo_(sample.mapX, sample.mapY) * day
                * (umbraMiddle + (umbraEdge - umbraMiddle) * out * out);
            for (int i = 0; i < 3; ++i)
                colour[i] = dimmed * (umbraDeep[i] + (umbraCopper[i] - umbraDeep[i]) * out * out);
        } else if (d2 < shadow.penumbra * shadow.penumbra) {
            // The Sun's disc uncovered from the umbra's edge out, the light
            // reddened by the Earth's air only close to the umbra.
            const double open = (std::sqrt(d2) - shadow.umbra) / (shadow.penumbra - shadow.umbra);
            const double keep = umbraEdge + (1 - umbraEdge) * open;
            for (int i = 0; i < 3; ++i)
                colour[i] *= keep * (umbraCopper[i] + (1 - umbraCopper[i]) * std::min(1.0, 3 * open));
        }
    }

    static int channel(double value) { return int(std::clamp(value * 255 + 0.5, 0.0, 255.0)); }

    // The pixels px to last of a row at height v, from sample a at u
    // onwards by `step` and `du` a pixel.
    template <Span kind>
    void drawSpan(QRgb* line, int px, int last, Sample sample, const Sample& step, double u, double du, double v,
                  double share, double shareStep) const
    {
        for (; px <= last; ++px) {
            if constexpr (kind == Span::Steady) {
                const int grey = channel(albedo_(sample.mapX, sample.mapY) * share);
                line[px] = qRgb(grey, grey, grey);
                share += shareStep;
            } else if constexpr (kind == Span::Lit) {
                const int grey = channel(sunlight(sample).first);
                line[px] = qRgb(grey, grey, grey);
            } else {
                double colour[3];
                shade(kind == Span::Curved ? exact(u, v) : sample, u, v, colour);
                line[px] = qRgba(channel(colour[0]), channel(colour[1]), channel(colour[2]), 255);
            }
            sample.mapX += step.mapX;
            sample.mapY += step.mapY;
            sample.incidence += step.incidence;
            sample.facing += step.facing;
            u += du;
        }
    }

    void drawInside(QRgb* line, int from, int to, double cv) const;
    void drawLimb(QRgb* line, int py, int from, int to, double cv) const;

    Albedo albedo_;
    const FaceView& view_;
    QSize size_;
    uchar* bits_;
    qsizetype stride_;
    QRgb backdrop_;
    DiscPlacement disc_;
    double radius_;
    double skyEast_[2]{}, skyNorth_[2]{};
    FaceFrame frame_;
    Vector sun_;
    double bend_ = 0, inner2_ = 0;
    int top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;
};


} // namespace luna::face
