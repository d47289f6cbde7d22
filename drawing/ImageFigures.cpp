// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImageFigures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cwchar>
#include <numbers>

namespace luna {

namespace {

constexpr double farthest = 1e7;
constexpr double turn = 2 * std::numbers::pi;

bool usable(const QImage& image)
{
    return image.format() == QImage::Format_RGB32
        || image.format() == QImage::Format_ARGB32_Premultiplied;
}

bool sane(const DeviceEllipse& e)
{
    const auto within = [](double v, double low) {
        return std::isfinite(v) && v >= low && v <= farthest;
    };
    return within(std::abs(e.x), 0) && within(std::abs(e.y), 0) && within(e.halfWidth, 0.5)
        && within(e.halfHeight, 0.5);
}

// (x * a + y * (255 - a)) / 255, byte by byte.
QRgb mix(QRgb x, QRgb y, unsigned a)
{
    const unsigned b = 255 - a;
    std::uint32_t low = (x & 0xff00ff) * a + (y & 0xff00ff) * b;
    low = (low + ((low >> 8) & 0xff00ff) + 0x800080) >> 8;
    std::uint32_t high = ((x >> 8) & 0xff00ff) * a + ((y >> 8) & 0xff00ff) * b;
    high = high + ((high >> 8) & 0xff00ff) + 0x800080;
    return (high & 0xff00ff00) | (low & 0xff00ff);
}

void blend(QRgb& pixel, QRgb colour, double coverage)
{
    // Coverage [0, 1] in 256 equal steps, the last of which is whole.
    const auto a = static_cast<unsigned>(std::clamp(coverage * 256, 0.0, 255.0));
    if (a == 255)
        pixel = colour;
    else if (a != 0)
        pixel = mix(colour, pixel, a);
}

// floor() and ceil() to whole pixels, for values sane() has bounded; the
// library's own are calls on processors without SSE 4.1.
int floorOf(double v)
{
    const int i = static_cast<int>(v);
    return i - (v < i);
}

int ceilOf(double v)
{
    const int i = static_cast<int>(v);
    return i + (v > i);
}

// How much of a pixel lies inside an edge its centre is `distance` outside of.
double coverageAt(double distance)
{
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

// An ellipse with the reciprocals its per-pixel work needs.
struct Shape {
    explicit Shape(const DeviceEllipse& ellipse)
        : e(ellipse)
        , inverseWidth(1 / ellipse.halfWidth)
        , inverseHeight(1 / ellipse.halfHeight)
    {
    }

    // The signed distance, outside positive, of a point (relative to the
    // centre) from the edge, to first order.
    double distance(double dx, double dy) const
    {
        const double u = dx * inverseWidth, v = dy * inverseHeight;
        const double k0 = std::sqrt(u * u + v * v);
        const double uu = u * inverseWidth, vv = v * inverseHeight;
        const double k1 = std::sqrt(uu * uu + vv * vv);
        if (k1 == 0)
            return -std::min(e.halfWidth, e.halfHeight);
        return k0 * (k0 - 1) / k1;
    }

    double coverage(double dx, double dy) const { return coverageAt(distance(dx, dy)); }

    // The half-width at height t from the centre.
    double extentAt(double t) const
    {
        const double v = t * inverseHeight;
        const double s = 1 - v * v;
        return s > 0 ? e.halfWidth * std::sqrt(s) : 0;
    }

    DeviceEllipse e;
    double inverseWidth;
    double inverseHeight;
};

// The pixels of one row the ellipse may touch, [touchLeft, touchRight), and
// those it covers wholly, [fullLeft, fullRight), clamped to the image; all
// four equal where it misses the row.
struct Row {
    int touchLeft = 0, touchRight = 0;
    int fullLeft = 0, fullRight = 0;

    bool empty() const { return touchLeft >= touchRight; }
};

// Rows of an ellipse from top to bottom: the extent at the foot of one row
// is that at the head of the next, so each row costs one square root.
class Rows {
public:
    Rows(const Shape& shape, int width)
        : shape_(shape)
        , width_(width)
    {
    }

    Row at(int y)
    {
        const DeviceEllipse& e = shape_.e;
        const double top = y - e.y, bottom = y + 1 - e.y;
        if (bottom <= -e.halfHeight || top >= e.halfHeight)
            return {};
        const double atTop = y == next_ ? carried_ : shape_.extentAt(top);
        const double atBottom = shape_.extentAt(bottom);
        next_ = y + 1;
        carried_ = atBottom;
        const double widest = top < 0 && bottom > 0 ? e.halfWidth : std::max(atTop, atBottom);
        const double narrowest = std::min(atTop, atBottom);
        const auto clamp = [this](int v) { return std::clamp(v, 0, width_); };
        Row row;
        row.touchLeft = clamp(floorOf(e.x - widest));
        row.touchRight = clamp(ceilOf(e.x + widest));
        row.fullLeft = std::clamp(ceilOf(e.x - narrowest), row.touchLeft, row.touchRight);
        row.fullRight = std::clamp(floorOf(e.x + narrowest), row.fullLeft, row.touchRight);
        return row;
    }

private:
    const Shape& shape_;
    int width_;
    int next_ = -1;
    double carried_ = 0;
};

std::pair<int, int> rowsOf(const QImage& image, const DeviceEllipse& e)
{
    return {int(std::clamp(std::floor(e.y - e.halfHeight), 0.0, double(image.height()))),
            int(std::clamp(std::ceil(e.y + e.halfHeight), 0.0, double(image.height())))};
}

// Sets `count` pixels to `colour`. glibc's wmemset stores 32-bit values
// with the widest vector instructions the processor has, as QImage::fill
// does; a plain loop is several times slower.
void fill(QRgb* pixels, int count, QRgb colour)
{
    static_assert(sizeof(wchar_t) == sizeof(QRgb));
    if (count > 0)
        std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(colour),
                     std::size_t(count));
}

// Pixels [from, to) of a row: those in [fullFrom, fullTo) wholly covered,
// the others shaded by `shade`.
template <typename Shade>
void span(QRgb* line, int from, int to, int fullFrom, int fullTo, QRgb colour, const Shade& shade)
{
    if (from >= to)
        return;
    fullFrom = std::clamp(fullFrom, from, to);
    fullTo = std::clamp(fullTo, fullFrom, to);
    for (int x = from; x < fullFrom; ++x)
        blend(line[x], colour, shade(x));
    fill(line + fullFrom, fullTo - fullFrom, colour);
    for (int x = fullTo; x < to; ++x)
        blend(line[x], colour, shade(x));
}

QRgb opaque(QRgb colour)
{
    return 0xff000000 | colour;
}

// The rows of an image, found once per figure: QImage::scanLine() checks
// and detaches on every call.
class Lines {
public:
    explicit Lines(QImage& image)
        : first_(image.bits())
        , stride_(image.bytesPerLine())
    {
    }

    QRgb* operator[](int y) const { return reinterpret_cast<QRgb*>(first_ + y * stride_); }

private:
    uchar* first_;
    qsizetype stride_;
};

} // namespace

bool fillEllipse(QImage& image, const DeviceEllipse& e, QRgb colour)
{
    if (!usable(image) || !sane(e))
        return false;
    colour = opaque(colour);
    const Shape shape(e);
    const Lines lines(image);
    Rows rows(shape, image.width());
    const auto [first, last] = rowsOf(image, e);
    for (int y = first; y < last; ++y) {
        const Row row = rows.at(y);
        const double dy = y + 0.5 - e.y;
        span(lines[y], row.touchLeft, row.touchRight, row.fullLeft, row.fullRight, colour,
             [&](int x) { return shape.coverage(x + 0.5 - e.x, dy); });
    }
    return true;
}

bool fillPie(QImage& image, const DeviceEllipse& e, double from, double sweep, QRgb colour)
{
    if (!std::isfinite(from) || !std::isfinite(sweep) || sweep <= 0)
        return false;
    if (sweep >= turn)
        return fillEllipse(image, e, colour);
    if (!usable(image) || !sane(e))
        return false;
    colour = opaque(colour);
    const Shape shape(e);

    // The two radii: unit directions in device pixels (y downwards), and on
    // the circle the ellipse is mapped from (y upwards).
    struct Ray {
        double x, y;           // in device pixels
        double onCircleX, onCircleY;
    };
    std::array<Ray, 2> rays{};
    for (std::size_t i = 0; i < 2; ++i) {
        const double angle = from + double(i) * sweep;
        const double c = std::cos(angle), s = std::sin(angle);
        const double dx = e.halfWidth * c, dy = -e.halfHeight * s;
        const double length = std::sqrt(dx * dx + dy * dy);
        rays[i] = {dx / length, dy / length, c, s};
    }
    // Within the turn from the first radius to the second: for a sweep up
    // to half a turn, left of the first and right of the second; a wider
    // one holds what the narrower turn back does not.
    const auto inSector = [&](double dx, double dy) {
        const double qx = dx * shape.inverseWidth, qy = -dy * shape.inverseHeight;
        const double afterFirst = rays[0].onCircleX * qy - rays[0].onCircleY * qx;
        const double beforeSecond = qx * rays[1].onCircleY - qy * rays[1].onCircleX;
        if (sweep <= std::numbers::pi)
            return afterFirst >= 0 && beforeSecond >= 0;
        return !(afterFirst < 0 && beforeSecond < 0);
    };
    // How much of a pixel lies in the sector, by its centre's distance from
    // the nearer radius.
    const auto sectorCoverage = [&](double dx, double dy) {
        double nearest = std::sqrt(dx * dx + dy * dy);
        for (const Ray& ray : rays)
            if (dx * ray.x + dy * ray.y > 0)
                nearest = std::min(nearest, std::abs(dx * ray.y - dy * ray.x));
        return std::clamp(inSector(dx, dy) ? 0.5 + nearest : 0.5 - nearest, 0.0, 1.0);
    };

    const Lines lines(image);
    Rows rows(shape, image.width());
    const auto [first, last] = rowsOf(image, e);
    const double width = image.width();
    for (int y = first; y < last; ++y) {
        const Row row = rows.at(y);
        if (row.empty())
            continue;
        const double dy = y + 0.5 - e.y;
        QRgb* line = lines[y];
        const auto shade = [&](int x) {
            const double dx = x + 0.5 - e.x;
            return std::min(shape.coverage(dx, dy), sectorCoverage(dx, dy));
        };
        // Where the radii meet, every pixel is shaded; a pixel further than
        // that from the centre is crossed by one radius at most.
        if (std::abs(dy) < 1.5) {
            span(line, row.touchLeft, row.touchRight, 0, 0, colour, shade);
            continue;
        }

        // Where the radii cross this row, and how far either side of it a
        // pixel's centre may lie and the pixel still be partly in the sector.
        struct Crossing {
            double x, reach;
        };
        std::array<Crossing, 2> crossings{};
        std::size_t count = 0;
        for (const Ray& ray : rays)
            if (ray.y != 0 && dy / ray.y > 0)
                crossings[count++] = {e.x + ray.x * dy / ray.y, 0.5 / std::abs(ray.y) + 0.5};
        if (count == 2 && crossings[1].x < crossings[0].x)
            std::swap(crossings[0], crossings[1]);

        // The row between crossings is wholly in the sector or wholly out.
        const auto inside = [&](double x) { return inSector(x + 0.5 - e.x, dy); };
        double start = -1;
        double startReach = 0;
        for (std::size_t k = 0; k <= count; ++k) {
            const double end = k < count ? crossings[k].x : width + 1;
            const double endReach = k < count ? crossings[k].reach : 0;
            const double middle = k == 0 ? end - endReach - 1 : k == count ? start + startReach + 1
                                                                          : (start + end) / 2;
            if (inside(middle)) {
                // Pixel x has its centre at x + 0.5.
                const auto pixel = [&](double v) { return std::clamp(v, -1.0, width + 1); };
                const int touchFrom = std::max(row.touchLeft, floorOf(pixel(start - startReach - 0.5)));
                const int touchTo = std::min(row.touchRight, ceilOf(pixel(end + endReach - 0.5)));
                span(line, touchFrom, touchTo,
                     std::max(row.fullLeft, ceilOf(pixel(start + startReach - 0.5))),
                     std::min(row.fullRight, floorOf(pixel(end - endReach - 0.5)) + 1), colour,
                     shade);
            }
            if (k < count) {
                start = crossings[k].x;
                startReach = crossings[k].reach;
            }
        }
    }
    return true;
}

bool fillRing(QImage& image, const DeviceEllipse& inner, double width, QRgb colour)
{
    const DeviceEllipse outer{inner.x, inner.y, inner.halfWidth + width, inner.halfHeight + width};
    if (!usable(image) || !sane(inner) || !sane(outer) || !(width > 0))
        return false;
    colour = opaque(colour);
    const Shape in(inner), out(outer);
    const Lines lines(image);
    Rows outerRows(out, image.width()), innerRows(in, image.width());
    const auto [first, last] = rowsOf(image, outer);
    for (int y = first; y < last; ++y) {
        const Row o = outerRows.at(y);
        const Row i = innerRows.at(y);
        const double dy = y + 0.5 - outer.y;
        // The inner edge lies `width` inside the outer one.
        const auto shade = [&](int x) {
            const double distance = out.distance(x + 0.5 - outer.x, dy);
            return coverageAt(distance) - coverageAt(distance + width);
        };
        QRgb* line = lines[y];
        if (i.empty()) {
            span(line, o.touchLeft, o.touchRight, o.fullLeft, o.fullRight, colour, shade);
            continue;
        }
        // Either side of what the inner ellipse covers wholly.
        span(line, o.touchLeft, i.fullLeft, o.fullLeft, std::min(o.fullRight, i.touchLeft), colour,
             shade);
        span(line, i.fullRight, o.touchRight, std::max(o.fullLeft, i.touchRight), o.fullRight,
             colour, shade);
    }
    return true;
}

} // namespace luna
