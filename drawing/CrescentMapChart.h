// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Crescent.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace luna {

// The words the crescent's map carries, in the reader's language: a title,
// a line beneath it, and what each zone of the criterion means, from A on.
struct CrescentMapWords {
    QString title, subtitle;
    QStringList zones;
};

// The colour of each zone on the map; none for zones F (Yallop) and D
// (Odeh), where the crescent is not seen.
QColor crescentZoneColour(sky::Criterion criterion, int zone);

// Paints the world from 60 S to 60 N on the evening of `map`, each point
// coloured by its zone of `criterion` over a grey map of the Earth, with
// meridians and parallels every 30 degrees and a legend beneath. Every size
// is read from the area's.
void paintCrescentMap(QPainter& painter, const QRectF& area, const sky::CrescentMap& map, sky::Criterion criterion,
                      const CrescentMapWords& words);

} // namespace luna
