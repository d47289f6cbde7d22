// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoonReport.h"

#include "EclipseTexts.h"
#include "CrescentTexts.h"
#include "Formats.h"
#include "PhaseTexts.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace luna {

namespace {

QString kilometres(double km)
{
    return QLocale().toString(qlonglong(std::llround(km)));
}

QString superMoonMark()
{
    return QCoreApplication::translate("Info", " (superluna)");
}

// The phase: the elongation, the picture's angle, the phase's name and its
// lit part.
QString phaseLines(double e, int angle, double lit, PhaseId phase, Hemisphere hemisphere)
{
    return QCoreApplication::translate("Info", "Elongazione:   %1°\n").arg(decimal(e, 2))
        + QCoreApplication::translate("Info", "Angolo:        %1 (il disegno, visto dall'emisfero %2)\n")
              .arg(angle)
              .arg(hemisphereName(hemisphere))
        + QCoreApplication::translate("Info", "Fase:          %1\n").arg(phaseName(phase))
        + QCoreApplication::translate("Info", "Illuminata:    %1%\n").arg(QLocale().toString(qlonglong(std::lround(lit * 100))));
}

// The lines about the Moon over a place at an instant.
QString placeLines(const sky::InstantFacts& facts, bool placeFromZone, ReportReader reader)
{
    if (!facts.fromPlace)
        return reader == ReportReader::Window
            ? QCoreApplication::translate("Info", "Luogo:         nessuno: sorge, tramonta e il resto con Luogo… (Ctrl+L)\n")
            : QCoreApplication::translate("Info", "Luogo:         nessuno: sorge, tramonta e il resto con --place\n");
    // Named one by one: lambdas below take them, which clang 14 does not
    // allow of structured bindings.
    const sky::Place& place = facts.fromPlace->place;
    const sky::RiseSet& day = facts.fromPlace->day;
    const sky::MoonView& view = facts.fromPlace->view;
    const sky::SunHours& sun = facts.fromPlace->sun;
    const std::vector<sky::Stretch>& darkSky = facts.fromPlace->dark;
    const sky::Zone& zone = facts.clock;

    QString text = QCoreApplication::translate("Info", "Luogo:         %1\n").arg(placeText(place, placeFromZone));
    const auto event = [&](const char* label, const std::optional<sky::Instant>& at, const QString& where) {
        QString value;
        if (at)
            value = QStringLiteral("%1, %2").arg(localTime(*at, zone), where);
        else if (day.allDay == sky::RiseSet::AllDay::Up)
            value = QCoreApplication::translate("Info", "mai: sopra l'orizzonte tutto il giorno");
        else if (day.allDay == sky::RiseSet::AllDay::Down)
            value = QCoreApplication::translate("Info", "mai: sotto l'orizzonte tutto il giorno");
        else
            value = QCoreApplication::translate("Info", "non in questo giorno");
        return QCoreApplication::translate("Info", label).arg(value);
    };
    text += event(QT_TRANSLATE_NOOP("Info", "Sorge:         %1\n"), day.rise,
                  QCoreApplication::translate("Info", "azimut %1").arg(degreesText(day.riseAzimuth, 0)));
    text += event(QT_TRANSLATE_NOOP("Info", "Culmina:       %1\n"), day.transit,
                  QCoreApplication::translate("Info", "altezza %1").arg(degreesText(day.transitAltitude, 0)));
    text += event(QT_TRANSLATE_NOOP("Info", "Tramonta:      %1\n"), day.set,
                  QCoreApplication::translate("Info", "azimut %1").arg(degreesText(day.setAzimuth, 0)));
    text += QCoreApplication::translate("Info", "Altezza:       %1, azimut %2\n")
                .arg(degreesText(view.altitude, 1), degreesText(view.azimuth, 1));
    text += sunHoursLine(sun, zone) + darkSkyLine(darkSky, zone);
    text += QCoreApplication::translate("Info", "Prima falce:   %1\n").arg(firstCrescentText(facts.fromPlace->crescent, zone));
    return text;
}

// Distance, size and the next perigee and apogee: about the Moon, wherever
// it is seen from.
QString distanceText(const sky::InstantFacts& facts)
{
    QString text = QCoreApplication::translate("Info", "Distanza:      %1 km\n").arg(kilometres(facts.distanceKm));
    if (facts.fromPlace)
        text += QCoreApplication::translate("Info", "Diametro:      %1′\n").arg(decimal(facts.fromPlace->view.diameterArcmin, 1));
    text += QCoreApplication::translate("Info", "Perigeo:       %1, %2 km%3\n")
                .arg(localTime(facts.perigee.when, facts.clock), kilometres(facts.perigee.distanceKm),
                     facts.superPerigee ? superMoonMark() : QString());
    text += QCoreApplication::translate("Info", "Apogeo:        %1, %2 km\n")
                .arg(localTime(facts.apogee.when, facts.clock), kilometres(facts.apogee.distanceKm));
    return text;
}


// What of the Moon is turned to us and where the Sun rises on it.
QString faceLines(const sky::InstantFacts& facts)
{
    const sky::MoonFace& face = facts.face;
    return QCoreApplication::translate("Info", "Librazione:    %1 (il centro del disco)\n")
               .arg(coordinatesText(face.librationLatitude, face.librationLongitude, 2))
        + QCoreApplication::translate("Info", "Asse:          %1 (il polo nord, dal nord celeste di data verso est)\n")
              .arg(degreesText(face.axisPositionAngle, 2))
        + QCoreApplication::translate("Info", "Colongitudine: %1 (il Sole è allo zenit a %2)\n")
              .arg(degreesText(face.colongitude, 2), coordinatesText(face.subsolarLatitude, face.subsolarLongitude, 2))
        + QCoreApplication::translate("Info", "Sul terminatore: %1\n").arg(terminatorText(facts.terminator));
}

QString nextEclipsesText(const sky::InstantFacts& facts)
{
    QString text;
    for (const auto& [label, eclipse] :
         {std::pair{QT_TRANSLATE_NOOP("Info", "Eclissi di Luna: %1\n"), &facts.lunarEclipse},
          std::pair{QT_TRANSLATE_NOOP("Info", "Eclissi di Sole: %1\n"), &facts.solarEclipse}})
        text += QCoreApplication::translate("Info", label)
                    .arg(*eclipse ? eclipseText(**eclipse, facts.clock)
                                  : QCoreApplication::translate("Info", "nessuna fino alla fine del 2100"));
    return text;
}

// The phases to come, a line each, in UTC and on `zone`.
QString phasesText(const std::array<sky::PhaseEvent, 4>& next, const std::array<bool, 4>& superMoon,
                   const sky::Zone& zone)
{
    QString text;
    for (std::size_t i = 0; i < next.size(); ++i) {
        const sky::PhaseEvent& event = next[i];
        text += QCoreApplication::translate("Info", "  %1  %2%3\n")
                    .arg(principalPhaseName(int(event.phase)), -13)
                    .arg(localAndUtc(event.when, zone), superMoon[i] ? superMoonMark() : QString());
    }
    return text;
}

} // namespace

QString terminatorText(const std::vector<std::string>& crossed)
{
    if (crossed.empty())
        return QCoreApplication::translate("Info", "nessun luogo con nome");
    constexpr std::size_t shown = 10;
    QStringList names;
    for (std::size_t i = 0; i < std::min(shown, crossed.size()); ++i)
        names << QString::fromStdString(crossed[i]);
    QString text = names.join(u", ");
    if (crossed.size() > shown)
        text += QCoreApplication::translate("Info", "… (%1 in tutto)").arg(crossed.size());
    return text;
}

QString faceDescription(double elongation, const std::vector<std::string>& terminator)
{
    return phaseDescription(elongation) + u'\n'
        + QCoreApplication::translate("Info", "Sul terminatore: %1").arg(terminatorText(terminator));
}

ReportedPhase reportedPhase(const MoonReportRequest& request)
{
    const double e = request.when ? sky::elongation(*request.when)
                                  : elongationOf(request.angle, request.hemisphere);
    return {e, angleOfElongation(e, request.hemisphere), sky::illuminatedFraction(e), phaseOf(e)};
}

QString sunHoursLine(const sky::SunHours& sun, const sky::Zone& zone)
{
    const auto at = [&zone](const std::optional<sky::Instant>& t) {
        return t ? timeText(*t, QStringLiteral("HH:mm"), zone) : QStringLiteral("—");
    };
    return QCoreApplication::translate(
               "Info", "Sole:          sorge %1, tramonta %2; crepuscolo civile %3–%4, nautico %5–%6, "
                       "astronomico %7–%8\n")
        .arg(at(sun.sunrise), at(sun.sunset), at(sun.civilDawn), at(sun.civilDusk), at(sun.nauticalDawn),
             at(sun.nauticalDusk), at(sun.astronomicalDawn), at(sun.astronomicalDusk));
}

QString darkSkyLine(const std::vector<sky::Stretch>& darkSky, const sky::Zone& zone)
{
    QStringList dark;
    for (const sky::Stretch& stretch : darkSky)
        dark << QCoreApplication::translate("Info", "dalle %1 alle %2")
                    .arg(timeText(stretch.from, QStringLiteral("HH:mm"), zone), timeText(stretch.to, QStringLiteral("HH:mm"), zone));
    return QCoreApplication::translate("Info", "Luna al buio:  %1\n")
        .arg(dark.isEmpty() ? QCoreApplication::translate("Info", "mai") : dark.join(u", "));
}

QString moonReport(const MoonReportRequest& options)
{
    if (!options.when) {
        const auto [e, angle, lit, phase] = reportedPhase(options);
        return phaseLines(e, angle, lit, phase, options.hemisphere);
    }
    return moonReport(sky::gatherFacts(*options.when, options.place), options.hemisphere, options.placeFromZone,
                      options.reader);
}

QString moonReport(const sky::InstantFacts& facts, Hemisphere hemisphere, bool placeFromZone, ReportReader reader)
{
    const double e = facts.elongation;
    QString text = QCoreApplication::translate("Info", "Istante:       %1\n").arg(localAndUtc(facts.when, facts.clock));
    text += phaseLines(e, angleOfElongation(e, hemisphere), facts.illumination, phaseOf(e), hemisphere);
    if (facts.eclipseNow)
        text += QCoreApplication::translate("Info", "Eclissi:       %1\n").arg(eclipseNowText(*facts.eclipseNow));
    text += QCoreApplication::translate("Info", "Età:           %1 giorni dalla luna nuova\n").arg(decimal(facts.age, 1));
    text += QCoreApplication::translate("Info", "Calendario islamico: %1\n").arg(hijriText(facts.hijri));
    text += faceLines(facts);
    text += placeLines(facts, placeFromZone, reader);
    text += distanceText(facts);
    text += QCoreApplication::translate("Info", "Prossime fasi:\n") + phasesText(facts.next, facts.superMoon, facts.clock);
    text += nextEclipsesText(facts);
    return text;
}

QString nextPhasesText(sky::Instant when, const sky::Zone& zone)
{
    const auto next = sky::nextPhases(when);
    return phasesText(next, sky::superMoonsAmong(next), zone);
}

} // namespace luna
