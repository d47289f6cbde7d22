// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NightPage.h"

#include "Formats.h"
#include "LocalDates.h"
#include "NightChart.h"

#include <QCoreApplication>
#include <QLocale>

namespace luna {

namespace {

QString eventLabel(const char* text, const std::optional<sky::Instant>& at, double azimuth, const sky::Zone& zone)
{
    if (!at)
        return {};
    return QCoreApplication::translate("NightPage", text).arg(timeText(*at, QStringLiteral("HH:mm"), zone), degreesText(azimuth, 0));
}

} // namespace

void paintNightPage(QPainter& painter, const QRectF& area, const sky::Night& night, const sky::Place& place)
{
    const sky::Zone zone = place.clock();
    const QString day = QLocale().toString(dayOf(night.from, zone), longDateFormat(DateParts::DayAndMonth));
    const QString where = QString::fromStdString(place.label.empty() ? place.name : place.label);
    NightChartWords words;
    words.title = where.isEmpty() ? QCoreApplication::translate("NightPage", "La notte del %1").arg(day)
                                  : QCoreApplication::translate("NightPage", "La notte del %1 — %2").arg(day, where);
    words.day = QCoreApplication::translate("NightPage", "giorno");
    words.civil = QCoreApplication::translate("NightPage", "crepuscolo civile");
    words.nautical = QCoreApplication::translate("NightPage", "nautico");
    words.astronomical = QCoreApplication::translate("NightPage", "astronomico");
    words.night = QCoreApplication::translate("NightPage", "notte");
    words.dark = QCoreApplication::translate("NightPage", "Luna al buio");
    words.rise = eventLabel(QT_TRANSLATE_NOOP("NightPage", "sorge %1, %2"), night.moon.rise, night.moon.riseAzimuth, zone);
    words.set = eventLabel(QT_TRANSLATE_NOOP("NightPage", "tramonta %1, %2"), night.moon.set, night.moon.setAzimuth, zone);
    paintNightChart(painter, area, night, zone, place.latitude < 0 ? Hemisphere::South : Hemisphere::North, words);
}

} // namespace luna
