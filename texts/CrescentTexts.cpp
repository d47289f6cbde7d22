// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrescentTexts.h"

#include "Formats.h"
#include "LocalDates.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace luna {

namespace {

QString hhmm(sky::Instant when, const sky::Zone& zone)
{
    return timeText(when, QStringLiteral("HH:mm"), zone);
}

QString dayText(std::chrono::year_month_day date)
{
    return QLocale().toString(toQDate(date), longDateFormat(DateParts::WithoutYear));
}

QString fullDayText(std::chrono::year_month_day date)
{
    return QLocale().toString(toQDate(date), QLocale::LongFormat);
}

// A value with its sign always written, and a true minus: "+0,92", "−1,30".
QString signedValue(double value)
{
    const QString text = decimal(std::abs(value), 2);
    return (value < 0 && text != decimal(0, 2) ? QChar(0x2212) : QChar(u'+')) + text;
}

QString criteria(const sky::CrescentEvening& evening)
{
    if (!evening.q)
        return QStringLiteral("Yallop %1, Odeh %2").arg(zoneLetter(*evening.yallop), zoneLetter(*evening.odeh));
    return QStringLiteral("Yallop %1, q = %2; Odeh %3, V = %4")
        .arg(zoneLetter(*evening.yallop), signedValue(*evening.q), zoneLetter(*evening.odeh), signedValue(*evening.v));
}

} // namespace

QString yallopZoneText(sky::YallopZone zone)
{
    switch (zone) {
    case sky::YallopZone::A:
        return QCoreApplication::translate("Crescent", "la falce si vede facilmente a occhio nudo");
    case sky::YallopZone::B:
        return QCoreApplication::translate("Crescent", "la falce si vede a occhio nudo in condizioni perfette");
    case sky::YallopZone::C:
        return QCoreApplication::translate("Crescent", "può servire un binocolo per trovare la falce, poi si vede a occhio nudo");
    case sky::YallopZone::D:
        return QCoreApplication::translate("Crescent", "la falce si vede solo con binocolo o telescopio");
    case sky::YallopZone::E:
        return QCoreApplication::translate("Crescent", "la falce non si vede nemmeno con un telescopio");
    case sky::YallopZone::F:
        break;
    }
    return QCoreApplication::translate("Crescent", "la falce non si vede: è sotto il limite di Danjon");
}

QString odehZoneText(sky::OdehZone zone)
{
    switch (zone) {
    case sky::OdehZone::A:
        return QCoreApplication::translate("Crescent", "la falce si vede a occhio nudo");
    case sky::OdehZone::B:
        return QCoreApplication::translate("Crescent", "la falce si vede con binocolo o telescopio, forse a occhio nudo");
    case sky::OdehZone::C:
        return QCoreApplication::translate("Crescent", "la falce si vede solo con binocolo o telescopio");
    case sky::OdehZone::D:
        break;
    }
    return QCoreApplication::translate("Crescent", "la falce non si vede");
}

QLatin1String zoneLetter(sky::YallopZone zone)
{
    static const char* const letters[] = {"A", "B", "C", "D", "E", "F"};
    return QLatin1String(letters[int(zone)]);
}

QLatin1String zoneLetter(sky::OdehZone zone)
{
    static const char* const letters[] = {"A", "B", "C", "D"};
    return QLatin1String(letters[int(zone)]);
}

QString crescentEveningText(const sky::CrescentEvening& evening, const sky::Zone& zone)
{
    const QString day = dayText(evening.date);
    switch (evening.sky) {
    case sky::EveningSky::NoSunset:
        return QCoreApplication::translate("Crescent", "%1: il Sole non tramonta").arg(day);
    case sky::EveningSky::NoMoonset:
        return QCoreApplication::translate("Crescent", "%1: la Luna non tramonta nelle dodici ore dopo il Sole").arg(day);
    case sky::EveningSky::MoonSetsFirst:
        if (!evening.moonset)
            return QCoreApplication::translate("Crescent", "%1: la Luna resta sotto l'orizzonte: la falce non si vede (%2)")
                .arg(day, criteria(evening));
        return QCoreApplication::translate("Crescent", "%1: la Luna tramonta prima del Sole, alle %2 (%3 min prima): la falce non si vede (%4)")
            .arg(day, hhmm(*evening.moonset, zone))
            .arg(std::lround(-*evening.lagMinutes))
            .arg(criteria(evening));
    case sky::EveningSky::Crescent:
        break;
    }
    const sky::CrescentGeometry& g = *evening.geometry;
    // From the best time where the crescent can be seen; at it where not.
    const bool seen = *evening.yallop <= sky::YallopZone::D;
    QString text = (seen ? QCoreApplication::translate("Crescent", "%1: %2 (%3), dalle %4, %5 sull'orizzonte a %6")
                         : QCoreApplication::translate("Crescent", "%1: %2 (%3); alle %4 la Luna è a %5 sull'orizzonte, a %6"))
                       .arg(day, yallopZoneText(*evening.yallop), criteria(evening), hhmm(*evening.bestTime, zone),
                            degreesText(g.moonAltitude, 0), degreesText(g.moonAzimuth, 0));
    text += u'\n';
    text += QCoreApplication::translate("Crescent", "    tramonto del Sole %1, della Luna %2 (%3 min dopo); età %4 ore, %5 dal Sole")
                .arg(hhmm(*evening.sunset, zone), hhmm(*evening.moonset, zone))
                .arg(std::lround(*evening.lagMinutes))
                .arg(decimal(*evening.ageHours, 1), degreesText(g.arclTopocentric, 1));
    if (g.arclTopocentric < sky::odehDanjonLimit)
        text += QCoreApplication::translate("Crescent", ", meno dei %1 sotto i quali Odeh non trova falci viste")
                    .arg(degreesText(sky::odehDanjonLimit, 1));
    return text;
}

QString crescentText(const std::vector<sky::Crescent>& crescents, const sky::Place& place, bool placeFromZone)
{
    const sky::Zone zone = place.clock();
    QString text = QCoreApplication::translate("Crescent", "Luogo:         %1\n").arg(placeText(place, placeFromZone));
    for (const sky::Crescent& crescent : crescents) {
        text += u'\n';
        text += QCoreApplication::translate("Crescent", "Luna nuova:    %1\n").arg(localAndUtc(crescent.newMoon, zone));
        const auto first = sky::ummAlQuraFirstDay(crescent.newMoon);
        text += QCoreApplication::translate("Crescent", "Umm al-Qura:   il mese comincia %1 (%2)\n")
                    .arg(fullDayText(first), hijriText(sky::hijriDate(first)));
        if (const auto seen = crescent.firstVisibleEvening())
            text += QCoreApplication::translate("Crescent", "A vista:       la falce si vede la sera di %1: il mese comincerebbe il giorno dopo\n")
                        .arg(fullDayText(*seen));
        else
            text += QCoreApplication::translate("Crescent", "A vista:       la falce non si vede a occhio nudo in queste sere\n");
        for (const sky::CrescentEvening& evening : crescent.evenings)
            text += crescentEveningText(evening, zone) + u'\n';
    }
    return text;
}

QString firstCrescentText(const sky::Crescent& crescent, const sky::Zone& zone)
{
    for (const sky::CrescentEvening& evening : crescent.evenings)
        if (evening.yallop == sky::YallopZone::A || evening.yallop == sky::YallopZone::B)
            return QCoreApplication::translate("Crescent", "%1, dalle %2 (Yallop %3: %4)")
                .arg(dayText(evening.date), hhmm(*evening.bestTime, zone), zoneLetter(*evening.yallop),
                     yallopZoneText(*evening.yallop));
    return QCoreApplication::translate("Crescent", "non a occhio nudo nelle sere dopo la luna nuova di %1")
        .arg(dayText(zone.day(crescent.newMoon)));
}

QString crescentNoticeText(const sky::CrescentEvening& evening, const sky::Zone& zone)
{
    return QCoreApplication::translate("Crescent", "Stasera dalle %1, %2 sull'orizzonte a %3: %4 (Yallop %5)")
        .arg(hhmm(*evening.bestTime, zone), degreesText(evening.geometry->moonAltitude, 0),
             degreesText(evening.geometry->moonAzimuth, 0), yallopZoneText(*evening.yallop), zoneLetter(*evening.yallop));
}

QString hijriMonthName(int month)
{
    const std::string language = QLocale().language() == QLocale::Italian ? "it" : "en";
    return QString::fromStdString(sky::hijriMonthName(month, language));
}

QString hijriDayText(const sky::HijriDate& date)
{
    return QStringLiteral("%1 %2").arg(date.day).arg(hijriMonthName(date.month));
}

QString hijriText(const sky::HijriDate& date)
{
    return QStringLiteral("%1 %2 %3").arg(date.day).arg(hijriMonthName(date.month)).arg(date.year);
}

} // namespace luna
