// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Calendar.h"
#include "CommandLine.h"
#include "PhaseDescription.h"
#include "PhasePicture.h"
#include "PictureGeometry.h"
#include "Eclipses.h"
#include "Crescent.h"
#include "Planner.h"
#include "Sky.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace luna {

// What a picture file holds.
enum class PictureFormat { Png, Svg };

// What luna-render was asked to do, read from its command line.
struct RenderOptions {
    enum class Task { Help, Version, Text, Picture, Cycle, Info, Eclipses, Calendar, Night, NightChart, Feature, Passes, Crescent,
                      CrescentMap, CrescentGrid };

    Task task = Task::Text;
    double angle = 0;
    std::optional<sky::Instant> when; // --date: the Moon of that instant
    bool json = false;                // --info as one JSON object
    QString output;    // the picture file, for Task::Picture
    QString directory; // the folder of the cycle, for Task::Cycle
    PictureFormat format = PictureFormat::Png;
    QSize size{windowPicture.width, windowPicture.height};
    QColor background = pictureBackground();
    Hemisphere hemisphere = Hemisphere::North;
    std::optional<sky::Place> place; // --place, or the time zone's
    bool placeFromZone = false;
    bool asSeen = false; // --as-seen: turned as it stands in the place's sky
    // --face: the Moon's real face instead of the drawing, from `map` (empty:
    // the map Luna ships).
    bool face = false;
    QString map;
    // --eclipses: how many, and of which kinds.
    int count = 4;
    sky::EclipseKinds kinds = sky::EclipseKinds::All;
    bool visibleOnly = false; // --visible: those seen from the place
    // --calendar: the month or year, and the file's format when -o is given.
    CalendarSpan calendar;
    std::optional<CalendarFormat> calendarFormat;
    HijriDates hijri = HijriDates::Hidden; // --hijri: each day's Hijri date on the pages
    // --night draws to `output` when one is given; --feature names one of
    // the gazetteer's; --toward or --landmark gives a direction, searched
    // for `days` ahead.
    const sky::LunarFeature* feature = nullptr;
    sky::Direction toward;
    int days = 366;
    // --crescent-map: the evening's date and the criterion it colours by.
    std::chrono::year_month_day mapDate;
    sky::Criterion criterion = sky::Criterion::Yallop;
};

inline constexpr int largestSide = 16384;
inline constexpr int mostEclipses = 1000;
inline constexpr int mostWindows = 100, mostDays = 3660;
inline constexpr QSize nightChartSize{800, 450};
inline constexpr QSize crescentMapSize{1440, 720};
inline constexpr int mostCrescents = 24;

// "WxH" with each side a whole number of pixels from 1 to largestSide.
std::optional<QSize> sizeFromText(QStringView text);

// A colour name, #rrggbb (or another form QColor reads), or "transparent".
std::optional<QColor> colourFromText(QStringView text);

// A finite decimal number, the whole text: "90", "-10", "22.5", "1e2".
std::optional<double> angleFromText(QStringView text);

// The format a file name asks for by its extension, .png or .svg in any case.
std::optional<PictureFormat> formatOfFile(QStringView path);

// Reads the arguments after the program's name; `now` is what --date now
// means. Throws UsageError.
RenderOptions parseRenderArguments(const QStringList& arguments, sky::Instant now);

QString renderUsage();

} // namespace luna
