// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoonReport.h"

#include "EclipseTexts.h"
#include "Formats.h"
#include "Libration.h"
#include "LunarFeatures.h"
#include "PhaseTexts.h"
#include "Topocentric.h"

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

bool isSuperPerigee(const sky::Apsis& perigee, sky::Instant after)
{
    if (perigee.distanceKm >= sky::superMoonKm)
        return false;
    for (const sky::PhaseEvent& event : sky::nextPhases(perigee.when - std::chrono::days(1)))
        if (event.phase == sky::Phase::Full && event.when > after
            && std::chrono::abs(event.when - perigee.when) <= std::chrono::days(1))
            return true;
    return false;
}

// The lines about the Moon over a place at an instant.
QString placeLines(const MoonReportRequest& options)
{
    const sky::Instant when = *options.when;
    if (!options.place)
        return QCoreApplication::translate(
            "Info", "Luogo:         nessuno: sorge, tramonta e il resto con --place\n");
    const sky::Place& place = *options.place;
    const sky::Zone zone = place.clock();
    const sky::RiseSet day = sky::riseTransitSet(when, place);
    const sky::MoonView view = sky::moonView(when, place);

    QString text = QCoreApplication::translate("Info", "Luogo:         %1\n")
                       .arg(placeText(place, options.placeFromZone));
    const auto event = [&](const char* label, const std::optional<sky::Instant>& at,
                           const QString& where) {
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
    const sky::SunHours sun = sky::sunHours(when, place);
    const auto at = [&zone](const std::optional<sky::Instant>& t) {
        return t ? timeText(*t, QStringLiteral("HH:mm"), zone) : QStringLiteral("—");
    };
    text += QCoreApplication::translate(
                "Info", "Sole:          sorge %1, tramonta %2; crepuscolo civile %3–%4, nautico %5–%6, "
                        "astronomico %7–%8\n")
                .arg(at(sun.sunrise), at(sun.sunset), at(sun.civilDawn), at(sun.civilDusk), at(sun.nauticalDawn),
                     at(sun.nauticalDusk), at(sun.astronomicalDawn), at(sun.astronomicalDusk));
    QStringList dark;
    for (const sky::Stretch& stretch : sky::moonInDarkSky(when, place))
        dark << QCoreApplication::translate("Info", "dalle %1 alle %2").arg(at(stretch.from), at(stretch.to));
    text += QCoreApplication::translate("Info", "Luna al buio:  %1\n")
                .arg(dark.isEmpty() ? QCoreApplication::translate("Info", "mai") : dark.join(u", "));
    return text;
}

// Distance, size and the next perigee and apogee: about the Moon, wherever
// it is seen from.
QString distanceText(sky::Instant when, const std::optional<sky::Place>& place)
{
    const sky::MoonView view = sky::moonView(when, place.value_or(sky::Place{}));
    QString text = QCoreApplication::translate("Info", "Distanza:      %1 km\n").arg(kilometres(view.distanceKm));
    if (place)
        text += QCoreApplication::translate("Info", "Diametro:      %1′\n").arg(decimal(view.diameterArcmin, 1));
    const sky::Zone zone = sky::clockOf(place);
    const sky::Apsis perigee = sky::nextPerigee(when);
    const sky::Apsis apogee = sky::nextApogee(when);
    text += QCoreApplication::translate("Info", "Perigeo:       %1, %2 km%3\n")
                .arg(localTime(perigee.when, zone), kilometres(perigee.distanceKm),
                     isSuperPerigee(perigee, when) ? superMoonMark() : QString());
    text += QCoreApplication::translate("Info", "Apogeo:        %1, %2 km\n")
                .arg(localTime(apogee.when, zone), kilometres(apogee.distanceKm));
    return text;
}

// The nearest few, in the IAU's names whatever the language; the JSON
// carries them all.
QString terminatorText(const sky::MoonFace& face)
{
    const std::vector<std::string> crossed = sky::terminatorFeatures(face);
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

// What of the Moon is turned to us and where the Sun rises on it.
QString faceLines(sky::Instant when)
{
    const sky::MoonFace face = sky::moonFace(when);
    return QCoreApplication::translate("Info", "Librazione:    %1 (il centro del disco)\n")
               .arg(coordinatesText(face.librationLatitude, face.librationLongitude, 2))
        + QCoreApplication::translate("Info", "Asse:          %1 (il polo nord, dal nord celeste di data verso est)\n")
              .arg(degreesText(face.axisPositionAngle, 2))
        + QCoreApplication::translate("Info", "Colongitudine: %1 (il Sole è allo zenit a %2)\n")
              .arg(degreesText(face.colongitude, 2), coordinatesText(face.subsolarLatitude, face.subsolarLongitude, 2))
        + QCoreApplication::translate("Info", "Sul terminatore: %1\n").arg(terminatorText(face));
}

QString nextEclipsesText(sky::Instant when, const std::optional<sky::Place>& place)
{
    QString text;
    for (const auto& [label, kind] :
         {std::pair{QT_TRANSLATE_NOOP("Info", "Eclissi di Luna: %1\n"), sky::EclipseKinds::Lunar},
          std::pair{QT_TRANSLATE_NOOP("Info", "Eclissi di Sole: %1\n"), sky::EclipseKinds::Solar}}) {
        const auto eclipse = sky::nextEclipse(when, kind);
        text += QCoreApplication::translate("Info", label)
                    .arg(eclipse ? eclipseText(*eclipse, place)
                                 : QCoreApplication::translate("Info", "nessuna fino alla fine del 2100"));
    }
    return text;
}

} // namespace

ReportedPhase reportedPhase(const MoonReportRequest& request)
{
    const double e = request.when ? sky::elongation(*request.when)
                                  : elongationOf(request.angle, request.hemisphere);
    return {e, angleOfElongation(e, request.hemisphere), illuminatedFraction(e), phaseOf(e)};
}

QString moonReport(const MoonReportRequest& options)
{
    const auto [e, angle, lit, phase] = reportedPhase(options);

    const sky::Zone zone = sky::clockOf(options.place);
    QString text;
    if (options.when)
        text += QCoreApplication::translate("Info", "Istante:       %1 (ora locale %2)\n")
                    .arg(utcTime(*options.when), localTime(*options.when, zone));
    text += QCoreApplication::translate("Info", "Elongazione:   %1°\n").arg(decimal(e, 2));
    text += QCoreApplication::translate("Info", "Angolo:        %1 (il disegno, visto dall'emisfero %2)\n")
                .arg(angle)
                .arg(hemisphereName(options.hemisphere));
    text += QCoreApplication::translate("Info", "Fase:          %1\n").arg(phaseName(phase));
    text += QCoreApplication::translate("Info", "Illuminata:    %1%\n").arg(QLocale().toString(qlonglong(std::lround(lit * 100))));
    if (options.when) {
        text += QCoreApplication::translate("Info", "Età:           %1 giorni dalla luna nuova\n").arg(decimal(sky::age(*options.when), 1));
        text += faceLines(*options.when);
        text += placeLines(options);
        text += distanceText(*options.when, options.place);
        text += QCoreApplication::translate("Info", "Prossime fasi:\n") + nextPhasesText(*options.when, zone);
        text += nextEclipsesText(*options.when, options.place);
    }
    return text;
}

QString nextPhasesText(sky::Instant when, const sky::Zone& zone)
{
    QString text;
    for (const sky::PhaseEvent& event : sky::nextPhases(when)) {
        const bool super = event.phase == sky::Phase::Full && sky::superMoonPerigee(event.when).has_value();
        text += QCoreApplication::translate("Info", "  %1  %2  (ora locale %3)%4\n")
                    .arg(principalPhaseName(int(event.phase)), -13)
                    .arg(utcTime(event.when), localTime(event.when, zone),
                         super ? superMoonMark() : QString());
    }
    return text;
}

} // namespace luna
