// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Info.h"

#include "EclipseTexts.h"
#include "Formats.h"
#include "PhaseTexts.h"
#include "Topocentric.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace luna {

namespace {

QString hemisphereKey(Hemisphere hemisphere)
{
    return hemisphere == Hemisphere::South ? QStringLiteral("south") : QStringLiteral("north");
}

QJsonValue isoOrNull(const std::optional<sky::Instant>& when)
{
    return when ? QJsonValue(isoUtc(*when)) : QJsonValue(QJsonValue::Null);
}

QJsonObject apsisObject(const sky::Apsis& apsis)
{
    return {{"date", isoUtc(apsis.when)}, {"distance_km", apsis.distanceKm}};
}

// Whether a full moon falls within a day of a perigee nearer than
// sky::superMoonKm.
bool isSuperMoon(sky::Instant fullMoon)
{
    const sky::Apsis perigee = sky::nextPerigee(fullMoon - std::chrono::days(1));
    return perigee.distanceKm < sky::superMoonKm
        && std::chrono::abs(perigee.when - fullMoon) <= std::chrono::days(1);
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

QString kilometres(double km)
{
    return QLocale().toString(qlonglong(std::llround(km)));
}

QString superMoonMark()
{
    return QCoreApplication::translate("Info", " (superluna)");
}

// The lines about the Moon over a place at an instant.
QString placeText(const RenderOptions& options)
{
    const sky::Instant when = *options.when;
    if (!options.place)
        return QCoreApplication::translate(
            "Info", "Luogo:         nessuno: sorge, tramonta e il resto con --place\n");
    const sky::Place& place = *options.place;
    const sky::RiseSet day = sky::riseTransitSet(when, place);
    const sky::MoonView view = sky::moonView(when, place);

    QString text = QCoreApplication::translate("Info", "Luogo:         %1\n")
                       .arg(luna::placeText(place, options.placeFromZone));
    const auto event = [&](const char* label, const std::optional<sky::Instant>& at,
                           const QString& where) {
        QString value;
        if (at)
            value = QStringLiteral("%1, %2").arg(localTime(*at), where);
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
    const sky::Apsis perigee = sky::nextPerigee(when);
    const sky::Apsis apogee = sky::nextApogee(when);
    text += QCoreApplication::translate("Info", "Perigeo:       %1, %2 km%3\n")
                .arg(localTime(perigee.when), kilometres(perigee.distanceKm),
                     isSuperPerigee(perigee, when) ? superMoonMark() : QString());
    text += QCoreApplication::translate("Info", "Apogeo:        %1, %2 km\n")
                .arg(localTime(apogee.when), kilometres(apogee.distanceKm));
    return text;
}

QJsonObject eclipseObject(const sky::Eclipse& eclipse, const std::optional<sky::Place>& place)
{
    QJsonObject object{{"kind", eclipseKindKey(eclipse.kind)},
                       {"type", eclipseTypeKey(eclipse.type)},
                       {"greatest", isoUtc(eclipse.greatest)},
                       {"magnitude", eclipse.magnitude},
                       {"gamma", eclipse.gamma}};
    if (eclipse.kind == sky::EclipseKind::Solar)
        return object;
    object.insert("penumbral_magnitude", eclipse.penumbralMagnitude);
    QJsonObject contacts;
    const char* names[] = {"P1", "U1", "U2", "U3", "U4", "P4"};
    for (std::size_t i = 0; i < sky::contactCount; ++i)
        if (eclipse.contacts[i])
            contacts.insert(QLatin1String(names[i]), isoUtc(*eclipse.contacts[i]));
    object.insert("contacts", contacts);
    if (place)
        object.insert("visible", sky::visibility(eclipse, *place).any());
    return object;
}

std::optional<sky::Eclipse> nextEclipse(sky::Instant when, sky::EclipseKinds kind)
{
    const auto found = sky::nextEclipses(when, 1, kind);
    if (found.empty())
        return std::nullopt;
    return found.front();
}

QString nextEclipsesText(sky::Instant when, const std::optional<sky::Place>& place)
{
    QString text;
    for (const auto& [label, kind] :
         {std::pair{QT_TRANSLATE_NOOP("Info", "Eclissi di Luna: %1\n"), sky::EclipseKinds::Lunar},
          std::pair{QT_TRANSLATE_NOOP("Info", "Eclissi di Sole: %1\n"), sky::EclipseKinds::Solar}}) {
        const auto eclipse = nextEclipse(when, kind);
        text += QCoreApplication::translate("Info", label)
                    .arg(eclipse ? eclipseText(*eclipse, place)
                                 : QCoreApplication::translate("Info", "nessuna fino alla fine del 2100"));
    }
    return text;
}

void addPlaceKeys(QJsonObject& object, const RenderOptions& options)
{
    const sky::Instant when = *options.when;
    object.insert("next_perigee", apsisObject(sky::nextPerigee(when)));
    object.insert("next_apogee", apsisObject(sky::nextApogee(when)));
    if (!options.place)
        return;
    const sky::Place& place = *options.place;
    const sky::RiseSet day = sky::riseTransitSet(when, place);
    const sky::MoonView view = sky::moonView(when, place);
    object.insert("place", QJsonObject{{"name", place.name.empty()
                                                    ? QJsonValue(QJsonValue::Null)
                                                    : QJsonValue(QString::fromStdString(place.name))},
                                       {"latitude", place.latitude},
                                       {"longitude", place.longitude}});
    object.insert("rise", isoOrNull(day.rise));
    object.insert("transit", isoOrNull(day.transit));
    object.insert("set", isoOrNull(day.set));
    object.insert("altitude", view.altitude);
    object.insert("azimuth", view.azimuth);
    object.insert("distance_km", view.distanceKm);
    object.insert("diameter_arcmin", view.diameterArcmin);
    object.insert("bright_limb_angle", view.brightLimbAngle);
    object.insert("parallactic_angle", view.parallacticAngle);
}

} // namespace

QString phaseInfo(const RenderOptions& options)
{
    const double e = options.when ? sky::elongation(*options.when)
                                  : elongationOf(options.angle, options.hemisphere);
    const int angle = angleOfElongation(e, options.hemisphere);
    const double lit = illuminatedFraction(e);
    const PhaseId phase = phaseOf(e);

    if (options.json) {
        // The same in every language: scripts read it.
        QJsonObject object{{"elongation", e},
                           {"angle", angle},
                           {"hemisphere", hemisphereKey(options.hemisphere)},
                           {"phase", phaseSourceName(phase)},
                           {"phase_id", QString::fromLatin1(phaseKey(phase))},
                           {"illumination", lit}};
        if (options.when) {
            object.insert("date", isoUtc(*options.when));
            object.insert("age", sky::age(*options.when));
            QJsonArray next;
            for (const sky::PhaseEvent& event : sky::nextPhases(*options.when))
                next.append(QJsonObject{{"phase", phaseSourceName(PhaseId(2 * int(event.phase)))},
                                        {"date", isoUtc(event.when)}});
            object.insert("next", next);
            for (const auto& [key, kind] : {std::pair{"next_lunar_eclipse", sky::EclipseKinds::Lunar},
                                            std::pair{"next_solar_eclipse", sky::EclipseKinds::Solar}}) {
                const auto eclipse = nextEclipse(*options.when, kind);
                object.insert(QLatin1String(key), eclipse ? QJsonValue(eclipseObject(*eclipse, options.place))
                                                          : QJsonValue(QJsonValue::Null));
            }
            if (options.place)
                addPlaceKeys(object, options);
        }
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
    }

    QString text;
    if (options.when)
        text += QCoreApplication::translate("Info", "Istante:       %1 (ora locale %2)\n")
                    .arg(utcTime(*options.when), localTime(*options.when));
    text += QCoreApplication::translate("Info", "Elongazione:   %1°\n").arg(decimal(e, 2));
    text += QCoreApplication::translate("Info", "Angolo:        %1 (il disegno, visto dall'emisfero %2)\n")
                .arg(angle)
                .arg(hemisphereName(options.hemisphere));
    text += QCoreApplication::translate("Info", "Fase:          %1\n").arg(phaseName(phase));
    text += QCoreApplication::translate("Info", "Illuminata:    %1%\n").arg(QLocale().toString(qlonglong(std::lround(lit * 100))));
    if (options.when) {
        text += QCoreApplication::translate("Info", "Età:           %1 giorni dalla luna nuova\n").arg(decimal(sky::age(*options.when), 1));
        text += placeText(options);
        text += distanceText(*options.when, options.place);
        text += QCoreApplication::translate("Info", "Prossime fasi:\n") + nextPhasesText(*options.when);
        text += nextEclipsesText(*options.when, options.place);
    }
    return text;
}

QString eclipsesReport(const RenderOptions& options)
{
    const auto found = sky::nextEclipses(*options.when, std::size_t(options.count), options.kinds);
    if (options.json) {
        QJsonArray list;
        for (const sky::Eclipse& eclipse : found)
            list.append(eclipseObject(eclipse, options.place));
        return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)) + u'\n';
    }
    QString text;
    for (const sky::Eclipse& eclipse : found)
        text += eclipseText(eclipse, options.place) + u'\n';
    if (found.size() < std::size_t(options.count))
        text += QCoreApplication::translate("Info", "Nessun'altra eclissi fino alla fine del %1.\n").arg(sky::lastYear);
    return text;
}

QString nextPhasesText(sky::Instant when)
{
    QString text;
    for (const sky::PhaseEvent& event : sky::nextPhases(when)) {
        const bool super = event.phase == sky::Phase::Full && isSuperMoon(event.when);
        text += QCoreApplication::translate("Info", "  %1  %2  (ora locale %3)%4\n")
                    .arg(principalPhaseName(int(event.phase)), -13)
                    .arg(utcTime(event.when), localTime(event.when),
                         super ? superMoonMark() : QString());
    }
    return text;
}

} // namespace luna
