// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Info.h"

#include "EclipseTexts.h"
#include "Formats.h"
#include "Libration.h"
#include "LunarFeatures.h"
#include "MoonReport.h"
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

QJsonValue orNull(const std::string& text)
{
    return text.empty() ? QJsonValue(QJsonValue::Null) : QJsonValue(QString::fromStdString(text));
}

QJsonObject apsisObject(const sky::Apsis& apsis)
{
    return {{"date", isoUtc(apsis.when)}, {"distance_km", apsis.distanceKm}};
}

const char* localTypeKey(sky::LocalEclipse::Type type)
{
    switch (type) {
    case sky::LocalEclipse::Type::Partial:
        return "partial";
    case sky::LocalEclipse::Type::Annular:
        return "annular";
    case sky::LocalEclipse::Type::Total:
        return "total";
    case sky::LocalEclipse::Type::None:
        break;
    }
    return "none";
}

// A solar eclipse as a place sees it.
QJsonObject localObject(const sky::LocalEclipse& local)
{
    QJsonObject contacts, altitudes;
    const char* names[] = {"C1", "C2", "max", "C3", "C4"};
    for (std::size_t i = 0; i < sky::localContactCount; ++i)
        if (local.contacts[i]) {
            contacts.insert(QLatin1String(names[i]), isoUtc(*local.contacts[i]));
            altitudes.insert(QLatin1String(names[i]), local.sunAltitude[i]);
        }
    QJsonObject object{{"type", QLatin1String(localTypeKey(local.type))},
                       {"magnitude", local.magnitude},
                       {"obscuration", local.obscuration},
                       {"contacts", contacts},
                       {"sun_altitude", altitudes},
                       {"visible", local.visible}};
    if (local.type == sky::LocalEclipse::Type::Total || local.type == sky::LocalEclipse::Type::Annular)
        object.insert("duration_seconds", local.durationSeconds);
    return object;
}

QJsonObject eclipseObject(const sky::Eclipse& eclipse, const std::optional<sky::Place>& place)
{
    QJsonObject object{{"kind", eclipseKindKey(eclipse.kind)},
                       {"type", eclipseTypeKey(eclipse.type)},
                       {"greatest", isoUtc(eclipse.greatest)},
                       {"magnitude", eclipse.magnitude},
                       {"gamma", eclipse.gamma}};
    if (eclipse.kind == sky::EclipseKind::Solar) {
        if (place)
            object.insert("local", localObject(sky::localCircumstances(eclipse, *place)));
        return object;
    }
    object.insert("penumbral_magnitude", eclipse.penumbralMagnitude);
    QJsonObject contacts;
    const char* names[] = {"P1", "U1", "U2", "U3", "U4", "P4"};
    for (std::size_t i = 0; i < sky::contactCount; ++i)
        if (eclipse.contacts[i])
            contacts.insert(QLatin1String(names[i]), isoUtc(*eclipse.contacts[i]));
    object.insert("contacts", contacts);
    if (place) {
        // Visible when any phase happens with the Moon up, even the end of
        // the penumbral one alone; visible_at_greatest says whether the
        // middle of it does.
        const sky::Visibility seen = sky::visibility(eclipse, *place);
        object.insert("visible", seen.any());
        object.insert("visible_at_greatest", seen.atGreatest);
    }
    return object;
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
    object.insert("place", QJsonObject{{"name", orNull(place.name)},
                                       {"latitude", place.latitude},
                                       {"longitude", place.longitude},
                                       {"zone", orNull(place.zone)},
                                       {"country", orNull(place.country)}});
    const sky::SunHours sun = sky::sunHours(when, place);
    object.insert("sun", QJsonObject{{"sunrise", isoOrNull(sun.sunrise)},
                                     {"sunset", isoOrNull(sun.sunset)},
                                     {"civil_dawn", isoOrNull(sun.civilDawn)},
                                     {"civil_dusk", isoOrNull(sun.civilDusk)},
                                     {"nautical_dawn", isoOrNull(sun.nauticalDawn)},
                                     {"nautical_dusk", isoOrNull(sun.nauticalDusk)},
                                     {"astronomical_dawn", isoOrNull(sun.astronomicalDawn)},
                                     {"astronomical_dusk", isoOrNull(sun.astronomicalDusk)}});
    QJsonArray dark;
    for (const sky::Stretch& stretch : sky::moonInDarkSky(when, place))
        dark.append(QJsonObject{{"from", isoUtc(stretch.from)}, {"to", isoUtc(stretch.to)}});
    object.insert("moon_in_dark_sky", dark);
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

// The next `count` eclipses seen from a place: a lunar one with any phase
// while the Moon is up, a solar one with any part while the Sun is.
std::vector<sky::Eclipse> visibleEclipses(sky::Instant after, std::size_t count, sky::EclipseKinds kinds,
                                          const sky::Place& place)
{
    constexpr std::size_t batch = 40;
    std::vector<sky::Eclipse> seen;
    while (seen.size() < count) {
        const auto next = sky::nextEclipses(after, batch, kinds);
        for (const sky::Eclipse& eclipse : next) {
            const bool visible = eclipse.kind == sky::EclipseKind::Lunar ? sky::visibility(eclipse, place).any()
                                                                         : sky::localCircumstances(eclipse, place).visible;
            if (visible && seen.size() < count)
                seen.push_back(eclipse);
        }
        if (next.size() < batch)
            break;
        after = next.back().greatest;
    }
    return seen;
}

} // namespace

QString phaseInfo(const RenderOptions& options)
{
    const MoonReportRequest request{options.when, options.angle, options.hemisphere, options.place,
                                    options.placeFromZone};
    if (!options.json)
        return moonReport(request);
    const auto [e, angle, lit, phase] = reportedPhase(request);

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
        const sky::MoonFace face = sky::moonFace(*options.when);
        object.insert("libration_longitude", face.librationLongitude);
        object.insert("libration_latitude", face.librationLatitude);
        object.insert("axis_position_angle", face.axisPositionAngle);
        object.insert("subsolar_longitude", face.subsolarLongitude);
        object.insert("subsolar_latitude", face.subsolarLatitude);
        object.insert("colongitude", face.colongitude);
        QJsonArray crossed;
        for (const std::string& name : sky::terminatorFeatures(face))
            crossed.append(QString::fromStdString(name));
        object.insert("terminator_features", crossed);
        QJsonArray next;
        for (const sky::PhaseEvent& event : sky::nextPhases(*options.when)) {
            const PhaseId id = PhaseId(2 * int(event.phase));
            next.append(QJsonObject{{"phase", phaseSourceName(id)},
                                    {"phase_id", QString::fromLatin1(phaseKey(id))},
                                    {"date", isoUtc(event.when)}});
        }
        object.insert("next", next);
        for (const auto& [key, kind] : {std::pair{"next_lunar_eclipse", sky::EclipseKinds::Lunar},
                                        std::pair{"next_solar_eclipse", sky::EclipseKinds::Solar}}) {
            const auto eclipse = sky::nextEclipse(*options.when, kind);
            object.insert(QLatin1String(key), eclipse ? QJsonValue(eclipseObject(*eclipse, options.place))
                                                      : QJsonValue(QJsonValue::Null));
        }
        if (options.place)
            addPlaceKeys(object, options);
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
}

QString eclipsesReport(const RenderOptions& options)
{
    const auto found = options.visibleOnly && options.place
        ? visibleEclipses(*options.when, std::size_t(options.count), options.kinds, *options.place)
        : sky::nextEclipses(*options.when, std::size_t(options.count), options.kinds);
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

} // namespace luna
