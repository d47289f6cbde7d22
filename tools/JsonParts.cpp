// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JsonParts.h"

#include "Formats.h"
#include "LocalDates.h"

#include <QJsonDocument>

namespace luna {

QString compactJson(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
}

QJsonValue isoOrNull(const std::optional<sky::Instant>& when)
{
    return when ? QJsonValue(isoUtc(*when)) : QJsonValue(QJsonValue::Null);
}

QString isoDate(std::chrono::year_month_day date)
{
    return toQDate(date).toString(Qt::ISODate);
}

QJsonValue isoDateOrNull(const std::optional<std::chrono::year_month_day>& date)
{
    return date ? QJsonValue(isoDate(*date)) : QJsonValue(QJsonValue::Null);
}

QJsonObject sunObject(const sky::SunHours& sun)
{
    return {{"sunrise", isoOrNull(sun.sunrise)},
            {"sunset", isoOrNull(sun.sunset)},
            {"civil_dawn", isoOrNull(sun.civilDawn)},
            {"civil_dusk", isoOrNull(sun.civilDusk)},
            {"nautical_dawn", isoOrNull(sun.nauticalDawn)},
            {"nautical_dusk", isoOrNull(sun.nauticalDusk)},
            {"astronomical_dawn", isoOrNull(sun.astronomicalDawn)},
            {"astronomical_dusk", isoOrNull(sun.astronomicalDusk)}};
}

QJsonArray stretchesArray(const std::vector<sky::Stretch>& stretches)
{
    QJsonArray array;
    for (const sky::Stretch& stretch : stretches)
        array.append(QJsonObject{{"from", isoUtc(stretch.from)}, {"to", isoUtc(stretch.to)}});
    return array;
}

} // namespace luna
