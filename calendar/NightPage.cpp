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

QString tr(const char* text)
{
    return QCoreApplication::translate("NightPage", text);
}

QString eventLabel(const char* text, const std::optional<sky::Instant>& at, double azimuth, const sky::Zone& zone)
{
    if (!at)
        return {};
    return tr(text).arg(timeText(*at, QStringLiteral("HH:mm"), zone), degreesText(azimuth, 0));
}

} // namespace

void paintNightPage(QPainter& painter, const QRectF& area, const sky::Night& night, const sky::Place& place)
{
    const sky::Zone zone = place.clock();
    const QString day = QLocale().toString(dayOf(night.from, zone), longDateFormat(DateParts::DayAndMonth));
    const QString where = QString::fromStdString(place.label.empty() ? place.name : place.label);
    NightChartWords words;
    words.title = where.isEmpty() ? tr("La notte del %1").arg(day)
                                  : tr("La notte del %1 — %2").arg(day, where);
    words.day = tr("giorno");
    words.civil = tr("crepuscolo civile");
    words.nautical = tr("nautico");
    words.astronomical = tr("astronomico");
    words.night = tr("notte");
    words.dark = tr("Luna al buio");
    words.rise = eventLabel(QT_TRANSLATE_NOOP("NightPage", "sorge %1, %2"), night.moon.rise, night.moon.riseAzimuth, zone);
    words.set = eventLabel(QT_TRANSLATE_NOOP("NightPage", "tramonta %1, %2"), night.moon.set, night.moon.setAzimuth, zone);
    paintNightChart(painter, area, night, zone, place.latitude < 0 ? Hemisphere::South : Hemisphere::North, words);
}

} // namespace luna
