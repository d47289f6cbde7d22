// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What luna-render's readers of options share; not for use outside tools/.

#include "CommandLine.h"
#include "RenderOptions.h"

#include <QColor>
#include <QSize>
#include <QString>

#include <optional>

namespace luna {

// Everything luna-render's command line says, each value read but not yet
// weighed against the others.
struct RenderRequest {
    SharedOptions shared;
    std::optional<QString> angle;
    std::optional<QString> format;
    QString output;
    QString directory;
    bool info = false;
    bool json = false;
    bool asSeen = false;
    bool eclipses = false;
    bool visible = false;
    std::optional<QString> count;
    std::optional<QString> kind;
    std::optional<QString> calendar;
    bool face = false;
    std::optional<QString> map;
    std::optional<QSize> size;
    std::optional<QColor> background;
    bool night = false;
    std::optional<QString> feature;
    std::optional<QString> toward;
    std::optional<QString> landmark;
    std::optional<QString> days;
    bool hijri = false;
    bool crescent = false;
    bool crescentMap = false;
    std::optional<QString> criterion;
};

[[noreturn]] void fail(const QString& message);

// The folder must be there and take new files. Throws UsageError.
void checkFolder(const QString& option, const QString& folder);

// The format of a picture file -o names (.png or .svg), in a folder that
// takes it. Throws UsageError.
PictureFormat pictureFile(const QString& output);

// The picture -o names, drawn at --size or `fallback`, as `task`. Throws
// UsageError.
RenderOptions pictureTask(const RenderRequest& request, RenderOptions options, QSize fallback,
                          RenderOptions::Task task);

// --count N, from 1 to `most`. Throws UsageError.
int countFrom(const QString& text, int most);

// The planners: --night, --feature, --toward and --landmark, read once the
// shared options are. Throws UsageError.
RenderOptions planner(const RenderRequest& request, RenderOptions options, sky::Instant now);

// The crescent's evenings from a place (--crescent) and the world's map
// of an evening (--crescent-map). Throws UsageError.
RenderOptions crescents(const RenderRequest& request, RenderOptions options, sky::Instant now);

} // namespace luna
