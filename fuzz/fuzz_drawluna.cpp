// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing with arbitrary doubles (NaN, infinities, huge, negative,
// subnormal), on the recording surface and on the Qt surface; and the Qt
// surface's circle() with arbitrary arguments.

#include "DrawLuna.h"
#include "PainterSurface.h"
#include "RecordingSurface.h"

#include <QImage>

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace {

double take(const std::uint8_t*& data)
{
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4 * sizeof(double))
        return 0;
    const std::uint8_t* at = data;
    const double x = take(at), y = take(at), angle = take(at), r = take(at);

    static QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    luna::PainterSurface painted(image);
    RecordingSurface recorded;
    for (luna::PictureSurface* surface : {static_cast<luna::PictureSurface*>(&recorded),
                                          static_cast<luna::PictureSurface*>(&painted)}) {
        try {
            luna::drawPhase(*surface, x, y, angle, r);
        } catch (const std::invalid_argument&) {
            // Meaningless arguments are refused before anything is drawn.
            if (!recorded.log.empty())
                __builtin_trap();
        }
    }

    // Then one figure straight on the Qt surface, from what follows.
    if (size < 7 * sizeof(double) + 3)
        return 0;
    const double start = take(at), end = take(at), aspect = take(at);
    std::uint16_t flags = 0;
    std::memcpy(&flags, at, sizeof flags);
    at += sizeof flags;
    painted.setFillStyle(*at & 1 ? luna::FillStyle::Transparent : luna::FillStyle::Solid);
    painted.setFillColor(luna::rgb(at[0], 0x80, 0x40));
    painted.circle(flags, x, y, r, luna::White, start, end, aspect);
    return 0;
}
