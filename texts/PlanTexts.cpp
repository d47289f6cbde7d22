// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlanTexts.h"

#include "Formats.h"
#include "MoonReport.h"
#include "PhaseDescription.h"
#include "PhaseTexts.h"

#include <QCoreApplication>

#include <cmath>

namespace luna {

namespace {

QString hhmm(sky::Instant when, const sky::Zone& zone)
{
    return timeText(when, QStringLiteral("HH:mm"), zone);
}

// Degrees as a table or a sentence shows them, with a true minus sign.
QString signedDegrees(double value, int decimals)
{
    QString text = degreesText(value, decimals);
    if (text.startsWith(u'-'))
        text[0] = QChar(0x2212);
    return text;
}

QString phaseAndLight(double elongation)
{
    const int percent = int(std::lround(sky::illuminatedFraction(elongation) * 100));
    return QStringLiteral("%1 (%2%)").arg(phaseName(phaseOf(elongation))).arg(percent);
}

// An event of the night: its time and where, or why there is none.
QString nightEvent(const std::optional<sky::Instant>& at, const QString& where, const sky::RiseSet& moon,
                   const sky::Zone& zone)
{
    if (at)
        return QStringLiteral("%1, %2").arg(localTime(*at, zone), where);
    if (moon.allDay == sky::RiseSet::AllDay::Up)
        return QCoreApplication::translate("Plan", "mai: sopra l'orizzonte tutta la notte");
    if (moon.allDay == sky::RiseSet::AllDay::Down)
        return QCoreApplication::translate("Plan", "mai: sotto l'orizzonte tutta la notte");
    return QCoreApplication::translate("Plan", "non in questa notte");
}

// The span a search looked through: "nei prossimi 366 giorni", or "fino
// alla fine del 2100" where the supported years end first.
QString withinSpan(const sky::SearchSpan& span)
{
    if (span.cut)
        return QCoreApplication::translate("Plan", "fino alla fine del %1").arg(sky::lastYear);
    return QCoreApplication::translate("Plan", "nei prossimi %1 giorni")
        .arg(std::chrono::duration_cast<std::chrono::days>(span.to - span.from).count());
}

} // namespace

QString nightText(const sky::Night& night, const sky::Place& place, bool placeFromZone)
{
    const sky::Zone zone = place.clock();
    const sky::RiseSet& moon = night.moon;
    QString text = QCoreApplication::translate("Plan", "Notte:         da %1 a %2\n").arg(localTime(night.from, zone), localTime(night.to, zone));
    text += QCoreApplication::translate("Plan", "Luogo:         %1\n").arg(placeText(place, placeFromZone));
    text += QCoreApplication::translate("Plan", "Luna:          %1, la più alta alle %2 (%3)\n")
                .arg(phaseAndLight(night.elongationAtHighest), hhmm(night.samples[night.highest].when, zone),
                     signedDegrees(night.samples[night.highest].moonAltitude, 0));
    text += QCoreApplication::translate("Plan", "Sorge:         %1\n").arg(nightEvent(moon.rise, QCoreApplication::translate("Plan", "azimut %1").arg(degreesText(moon.riseAzimuth, 0)), moon, zone));
    text += QCoreApplication::translate("Plan", "Culmina:       %1\n")
                .arg(nightEvent(moon.transit, QCoreApplication::translate("Plan", "altezza %1").arg(signedDegrees(moon.transitAltitude, 0)), moon, zone));
    text += QCoreApplication::translate("Plan", "Tramonta:      %1\n").arg(nightEvent(moon.set, QCoreApplication::translate("Plan", "azimut %1").arg(degreesText(moon.setAzimuth, 0)), moon, zone));
    text += sunHoursLine(night.sun, zone) + darkSkyLine(night.dark, zone);
    // The table's columns as wide as their headings, in either language.
    const QString hour = QCoreApplication::translate("Plan", "Ora"), moonAltitude = QCoreApplication::translate("Plan", "Luna: altezza"), azimuth = QCoreApplication::translate("Plan", "azimut"),
                  sunAltitude = QCoreApplication::translate("Plan", "Sole: altezza");
    const int first = std::max(5, int(hour.size()));
    text += QStringLiteral("\n%1  %2  %3  %4\n").arg(hour, -first).arg(moonAltitude, azimuth, sunAltitude);
    for (const sky::SkySample& sample : night.samples) {
        if (zone.local(sample.when).time_since_epoch() % std::chrono::hours(1) != std::chrono::seconds(0))
            continue;
        text += QStringLiteral("%1  %2  %3  %4\n")
                    .arg(hhmm(sample.when, zone), -first)
                    .arg(signedDegrees(sample.moonAltitude, 0), int(moonAltitude.size()))
                    .arg(degreesText(sample.moonAzimuth, 0), int(azimuth.size()))
                    .arg(signedDegrees(sample.sunAltitude, 0), int(sunAltitude.size()));
    }
    return text;
}

QString lightName(sky::Light light)
{
    switch (light) {
    case sky::Light::Day:
        return QCoreApplication::translate("Plan", "giorno");
    case sky::Light::Golden:
        return QCoreApplication::translate("Plan", "ora d'oro");
    case sky::Light::Blue:
        return QCoreApplication::translate("Plan", "ora blu");
    case sky::Light::Night:
        break;
    }
    return QCoreApplication::translate("Plan", "notte");
}

const char* lightKey(sky::Light light)
{
    static constexpr const char* keys[] = {"day", "golden", "blue", "night"};
    return keys[int(light)];
}

QString featureWindowText(const sky::FeatureWindow& window, const sky::Zone& zone)
{
    return QCoreApplication::translate("Plan", "%1, fino alle %2 %3: Sole sul dettaglio da %4 a %5, colongitudine %6, Luna alta fino a %7, %8")
        .arg(dateTimeText(window.from, zone), hhmm(window.to, zone),
             QString::fromStdString(zone.abbreviation(sky::nearestMinute(window.to))),
             degreesText(window.sunAltitudeFrom, 1), degreesText(window.sunAltitudeTo, 1),
             degreesText(window.colongitude, 1), degreesText(window.moonAltitudeMax, 0),
             phaseAndLight(window.elongation));
}

QString featureText(const sky::LunarFeature& feature, const sky::FeatureNow& now,
                    const std::vector<sky::FeatureWindow>& windows, const sky::Zone& zone, const sky::SearchSpan& span)
{
    QString text = QCoreApplication::translate("Plan", "%1: %2, %3 km\n")
                       .arg(QString::fromStdString(feature.name),
                            coordinatesText(feature.latitude, feature.longitude, 1), decimal(feature.diameterKm, 0));
    text += QCoreApplication::translate("Plan", "Ora:           Sole sul dettaglio a %1%2, colongitudine %3\n")
                .arg(signedDegrees(now.sunAltitude, 1),
                     now.sunAltitude < 0 ? QCoreApplication::translate("Plan", " (lì è notte)") : QString(), degreesText(now.colongitude, 1));
    text += now.onNearSide()
        ? QCoreApplication::translate("Plan", "               dalla Terra si vede, a %1 dal centro del disco (90° al bordo)\n").arg(degreesText(now.fromCentre, 0))
        : QCoreApplication::translate("Plan", "               ora è sull'altra faccia, a %1 dal centro del disco (90° al bordo)\n").arg(degreesText(now.fromCentre, 0));
    text += QCoreApplication::translate("Plan", "Quando guardarlo (Sole da %1 a %2 sul dettaglio, cielo buio, Luna alta almeno %3):\n")
                .arg(degreesText(sky::lowSunFrom, 1), degreesText(sky::lowSunTo, 0), degreesText(sky::moonHigh, 0));
    for (const sky::FeatureWindow& window : windows)
        text += QStringLiteral("  %1\n").arg(featureWindowText(window, zone));
    if (windows.empty())
        text += QCoreApplication::translate("Plan", "  mai %1\n").arg(withinSpan(span));
    return text;
}

QString passText(const sky::Pass& pass, const sky::Zone& zone)
{
    return QCoreApplication::translate("Plan", "%1  %2, %3 dal punto, Sole a %4 (%5), diametro %6′")
        .arg(localTime(pass.when, zone), phaseAndLight(pass.elongation), degreesText(pass.separation, 1),
             signedDegrees(pass.sunAltitude, 0), lightName(sky::lightOf(pass.sunAltitude)),
             decimal(pass.moonDiameterArcmin, 1));
}

QString passesText(const sky::Direction& toward, const std::vector<sky::Pass>& passes, const sky::Place& place,
                   const sky::SearchSpan& span)
{
    QString text = toward.distanceMetres
        ? QCoreApplication::translate("Plan", "Il punto:      azimut %1, altezza %2, a %3 m\n")
              .arg(degreesText(toward.azimuth, 2), signedDegrees(toward.altitude, 2), decimal(*toward.distanceMetres, 0))
        : QCoreApplication::translate("Plan", "La direzione:  azimut %1, altezza %2\n")
              .arg(degreesText(toward.azimuth, 2), signedDegrees(toward.altitude, 2));
    const sky::Zone zone = place.clock();
    for (const sky::Pass& pass : passes)
        text += passText(pass, zone) + u'\n';
    if (!passes.empty())
        return text;
    const double declination = sky::declinationOf(toward, place);
    if (std::abs(declination) > sky::moonReach + sky::passRadius)
        return text + QCoreApplication::translate("Plan", "La Luna non passa mai di lì: quella direzione ha declinazione %1, la Luna non va oltre %2.\n")
                          .arg(signedDegrees(declination, 1), degreesText(sky::moonReach, 0));
    return text + QCoreApplication::translate("Plan", "La Luna non passa entro %1 da quella direzione %2.\n")
                      .arg(degreesText(sky::passRadius, 0), withinSpan(span));
}

} // namespace luna
