// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Info.h"

#include "EclipseTexts.h"
#include "Formats.h"
#include "JsonParts.h"
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

QJsonObject eclipseObject(const sky::EclipseSeen& seen)
{
    const sky::Eclipse& eclipse = seen.eclipse;
    QJsonObject object{{"kind", eclipseKindKey(eclipse.kind)},
                       {"type", eclipseTypeKey(eclipse.type)},
                       {"greatest", isoUtc(eclipse.greatest)},
                       {"magnitude", eclipse.magnitude},
                       {"gamma", eclipse.gamma}};
    if (eclipse.kind == sky::EclipseKind::Solar) {
        if (seen.local)
            object.insert("local", localObject(*seen.local));
        return object;
    }
    object.insert("penumbral_magnitude", eclipse.penumbralMagnitude);
    QJsonObject contacts;
    const char* names[] = {"P1", "U1", "U2", "U3", "U4", "P4"};
    for (std::size_t i = 0; i < sky::contactCount; ++i)
        if (eclipse.contacts[i])
            contacts.insert(QLatin1String(names[i]), isoUtc(*eclipse.contacts[i]));
    object.insert("contacts", contacts);
    if (const auto& visibility = seen.visibility) {
        // Visible when any phase happens with the Moon up, even the end of
        // the penumbral one alone; visible_at_greatest says whether the
        // middle of it does.
        object.insert("visible", visibility->any());
        object.insert("visible_at_greatest", visibility->atGreatest);
    }
    return object;
}

void addPlaceKeys(QJsonObject& object, const sky::InstantFacts& facts)
{
    object.insert("next_perigee", apsisObject(facts.perigee));
    object.insert("next_apogee", apsisObject(facts.apogee));
    if (!facts.fromPlace)
        return;
    const auto& [place, day, view, sun, darkSky, crescent] = *facts.fromPlace;
    object.insert("place", QJsonObject{{"name", orNull(place.name)},
                                       {"latitude", place.latitude},
                                       {"longitude", place.longitude},
                                       {"zone", orNull(place.zone)},
                                       {"country", orNull(place.country)}});
    object.insert("sun", sunObject(sun));
    object.insert("moon_in_dark_sky", stretchesArray(darkSky));
    object.insert("first_crescent", QJsonObject{{"new_moon", isoUtc(crescent.newMoon)},
                                                {"first_visible_evening", isoDateOrNull(crescent.firstVisibleEvening())}});
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
std::vector<sky::EclipseSeen> visibleEclipses(sky::Instant after, std::size_t count, sky::EclipseKinds kinds,
                                              const sky::Place& place)
{
    constexpr std::size_t batch = 40;
    std::vector<sky::EclipseSeen> seen;
    while (seen.size() < count) {
        const auto next = sky::nextEclipses(after, batch, kinds);
        for (const sky::Eclipse& eclipse : next) {
            sky::EclipseSeen fromPlace = sky::eclipseSeen(eclipse, place);
            if (fromPlace.seen() && seen.size() < count)
                seen.push_back(std::move(fromPlace));
        }
        if (next.size() < batch)
            break;
        after = next.back().greatest;
    }
    return seen;
}

// An eclipse under way: its kind and type, the phase now, the magnitude
// and whether the place sees it now.
QJsonObject eclipseNowObject(const sky::EclipseNow& now)
{
    static constexpr const char* phases[] = {"penumbral", "partial", "total", "annular"};
    return {{"kind", eclipseKindKey(now.seen.eclipse.kind)},
            {"type", eclipseTypeKey(now.seen.eclipse.type)},
            {"phase", QLatin1String(phases[int(now.phase)])},
            {"magnitude", now.magnitude},
            {"seen", now.seenNow}};
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
        const sky::InstantFacts facts = sky::gatherFacts(*options.when, options.place);
        object.insert("date", isoUtc(facts.when));
        object.insert("age", facts.age);
        object.insert("hijri", QJsonObject{{"year", facts.hijri.year},
                                           {"month", facts.hijri.month},
                                           {"day", facts.hijri.day},
                                           {"month_name", QString::fromStdString(sky::hijriMonthName(facts.hijri.month, "en"))}});
        const sky::MoonFace& face = facts.face;
        object.insert("libration_longitude", face.librationLongitude);
        object.insert("libration_latitude", face.librationLatitude);
        object.insert("axis_position_angle", face.axisPositionAngle);
        object.insert("subsolar_longitude", face.subsolarLongitude);
        object.insert("subsolar_latitude", face.subsolarLatitude);
        object.insert("colongitude", face.colongitude);
        QJsonArray crossed;
        for (const std::string& name : facts.terminator)
            crossed.append(QString::fromStdString(name));
        object.insert("terminator_features", crossed);
        QJsonArray next;
        for (const sky::PhaseEvent& event : facts.next) {
            const PhaseId id = PhaseId(2 * int(event.phase));
            next.append(QJsonObject{{"phase", phaseSourceName(id)},
                                    {"phase_id", QString::fromLatin1(phaseKey(id))},
                                    {"date", isoUtc(event.when)}});
        }
        object.insert("next", next);
        for (const auto& [key, eclipse] : {std::pair{"next_lunar_eclipse", &facts.lunarEclipse},
                                           std::pair{"next_solar_eclipse", &facts.solarEclipse}})
            object.insert(QLatin1String(key), *eclipse ? QJsonValue(eclipseObject(**eclipse)) : QJsonValue(QJsonValue::Null));
        object.insert("eclipse_now", facts.eclipseNow ? QJsonValue(eclipseNowObject(*facts.eclipseNow))
                                                      : QJsonValue(QJsonValue::Null));
        if (facts.fromPlace)
            addPlaceKeys(object, facts);
    }
    return compactJson(object);
}

QString eclipsesReport(const RenderOptions& options)
{
    std::vector<sky::EclipseSeen> found;
    if (options.visibleOnly && options.place)
        found = visibleEclipses(*options.when, std::size_t(options.count), options.kinds, *options.place);
    else
        for (const sky::Eclipse& eclipse : sky::nextEclipses(*options.when, std::size_t(options.count), options.kinds))
            found.push_back(sky::eclipseSeen(eclipse, options.place));
    if (options.json) {
        QJsonArray list;
        for (const sky::EclipseSeen& eclipse : found)
            list.append(eclipseObject(eclipse));
        return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)) + u'\n';
    }
    const sky::Zone zone = sky::clockOf(options.place);
    QString text;
    for (const sky::EclipseSeen& eclipse : found)
        text += eclipseText(eclipse, zone) + u'\n';
    if (found.size() < std::size_t(options.count))
        text += QCoreApplication::translate("Info", "Nessun'altra eclissi fino alla fine del %1.\n").arg(sky::lastYear);
    return text;
}

} // namespace luna
