// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhaseDescription.h"
#include "Planner.h"
#include "Zone.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace luna {

// The words a night's chart carries, in the reader's language: its title,
// the names of the sky's bands and of the Moon in a dark sky, and the
// labels of the Moon's rise and set ("sorge 20:15, 95°"), empty for none.
struct NightChartWords {
    QString title;
    QString day, civil, nautical, astronomical, night, dark;
    QString rise, set;
};

// The sky's light by the Sun's geometric altitude: day while the upper limb
// is up (its centre above -50'), then the civil, nautical and astronomical
// twilights, 6, 12 and 18 degrees down, then night.
enum class SkyBand { Day, Civil, Nautical, Astronomical, Night };
SkyBand skyBandOf(double sunGeometricAltitude);
QColor skyBandColour(SkyBand band);

// Paints the chart of `night` into `area`: local time on `clock` across,
// altitude up from -30 to 90 degrees with the horizon marked; the sky's
// bands behind, the Moon's altitude as a curve with its phase at its
// highest (as seen from `hemisphere`), the dark-sky stretches picked out,
// the Sun's curve faint, rise and set labelled; a legend beneath. Every
// size is read from the area's, so that it reads at any size.
void paintNightChart(QPainter& painter, const QRectF& area, const sky::Night& night, const sky::Zone& clock,
                     Hemisphere hemisphere, const NightChartWords& words);

} // namespace luna
