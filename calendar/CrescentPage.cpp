// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrescentPage.h"

#include "CrescentMapChart.h"
#include "CrescentTexts.h"
#include "Formats.h"
#include "LocalDates.h"

#include <QCoreApplication>
#include <QLocale>

namespace luna {

void paintCrescentPage(QPainter& painter, const QRectF& area, const sky::CrescentMap& map, sky::Criterion criterion)
{
    CrescentMapWords words;
    const QString day = QLocale().toString(toQDate(map.date), QLocale::LongFormat);
    const bool yallop = criterion == sky::Criterion::Yallop;
    words.title = yallop ? QCoreApplication::translate("CrescentPage", "La prima falce la sera di %1, secondo Yallop").arg(day)
                         : QCoreApplication::translate("CrescentPage", "La prima falce la sera di %1, secondo Odeh").arg(day);
    words.subtitle = QCoreApplication::translate("CrescentPage", "Luna nuova: %1. Ogni luogo al suo momento migliore, sul suo tempo medio locale.")
                         .arg(localTime(map.conjunction, sky::Zone()));
    if (yallop)
        for (sky::YallopZone zone : {sky::YallopZone::A, sky::YallopZone::B, sky::YallopZone::C, sky::YallopZone::D,
                                     sky::YallopZone::E, sky::YallopZone::F})
            words.zones << sentence(yallopZoneText(zone));
    else
        for (sky::OdehZone zone : {sky::OdehZone::A, sky::OdehZone::B, sky::OdehZone::C, sky::OdehZone::D})
            words.zones << sentence(odehZoneText(zone));
    paintCrescentMap(painter, area, map, criterion, words);
}

} // namespace luna
