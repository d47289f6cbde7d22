// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Planning.h"

#include "CrescentPage.h"
#include "CrescentTexts.h"
#include "Formats.h"
#include "JsonParts.h"
#include "Render.h"

#include <QJsonDocument>

namespace luna {

namespace {

QJsonValue orNull(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

template<typename Zone>
QJsonValue letterOrNull(const std::optional<Zone>& zone)
{
    return zone ? QJsonValue(zoneLetter(*zone)) : QJsonValue(QJsonValue::Null);
}

QJsonObject eveningObject(const sky::CrescentEvening& evening)
{
    QJsonObject object{{"date", isoDate(evening.date)},
                       {"sunset", isoOrNull(evening.sunset)},
                       {"moonset", isoOrNull(evening.moonset)},
                       {"lag_minutes", orNull(evening.lagMinutes)},
                       {"best_time", isoOrNull(evening.bestTime)},
                       {"age_hours", orNull(evening.ageHours)},
                       {"yallop_q", orNull(evening.q)},
                       {"yallop_zone", letterOrNull(evening.yallop)},
                       {"odeh_v", orNull(evening.v)},
                       {"odeh_zone", letterOrNull(evening.odeh)}};
    // The values at the best time, null without one.
    using G = sky::CrescentGeometry;
    static constexpr std::pair<const char*, double G::*> atBest[]{
        {"arcl", &G::arcl}, {"arcv", &G::arcv}, {"daz", &G::daz}, {"width_arcmin", &G::width},
        {"arcl_topocentric", &G::arclTopocentric}, {"arcv_topocentric", &G::arcvTopocentric},
        {"daz_topocentric", &G::dazTopocentric}, {"width_topocentric_arcmin", &G::widthTopocentric},
        {"moon_altitude", &G::moonAltitude}, {"moon_azimuth", &G::moonAzimuth}};
    for (const auto& [key, member] : atBest)
        object.insert(QLatin1String(key), evening.geometry ? QJsonValue((*evening.geometry).*member) : QJsonValue(QJsonValue::Null));
    return object;
}

} // namespace

QString crescentReport(const RenderOptions& options)
{
    const auto crescents = sky::nextCrescents(*options.when, *options.place, options.count);
    if (!options.json)
        return crescentText(crescents, *options.place, options.placeFromZone);
    QJsonArray list;
    for (const sky::Crescent& crescent : crescents) {
        QJsonArray evenings;
        for (const sky::CrescentEvening& evening : crescent.evenings)
            evenings.append(eveningObject(evening));
        list.append(QJsonObject{{"new_moon", isoUtc(crescent.newMoon)},
                                {"umm_al_qura_first_day", isoDate(sky::ummAlQuraFirstDay(crescent.newMoon))},
                                {"first_visible_evening", isoDateOrNull(crescent.firstVisibleEvening())},
                                {"evenings", evenings}});
    }
    return compactJson({{"crescents", list}});
}

QString crescentGridReport(const RenderOptions& options)
{
    const sky::CrescentMap map = sky::crescentMap(options.mapDate, 2);
    const bool yallop = options.criterion == sky::Criterion::Yallop;
    QJsonArray points;
    for (const sky::CrescentPoint& point : map.points) {
        QJsonObject object{{"latitude", point.latitude}, {"longitude", point.longitude}};
        if (yallop) {
            object.insert("q", orNull(point.q));
            object.insert("zone", letterOrNull(point.yallop));
        } else {
            object.insert("v", orNull(point.v));
            object.insert("zone", letterOrNull(point.odeh));
        }
        points.append(object);
    }
    return compactJson({{"criterion", yallop ? QLatin1String("yallop") : QLatin1String("odeh")},
                    {"date", isoDate(map.date)},
                    {"conjunction", isoUtc(map.conjunction)},
                    {"points", points}});
}

void writeCrescentMap(const RenderOptions& options)
{
    const sky::CrescentMap map = sky::crescentMap(options.mapDate, 1);
    writePainted(options.output, options.format, options.size, [&](QPainter& painter) {
        paintCrescentPage(painter, QRectF(QPointF(0, 0), options.size), map, options.criterion);
    });
}

} // namespace luna
