// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Planning.h"

#include "Formats.h"
#include "JsonParts.h"
#include "NightPage.h"
#include "PlanTexts.h"
#include "Render.h"

#include <QJsonDocument>

namespace luna {

namespace {

QLatin1String phaseIdOf(double elongation)
{
    return QLatin1String(phaseKey(phaseOf(elongation)));
}

} // namespace

QString nightReport(const RenderOptions& options)
{
    const sky::Night night = sky::nightAfter(*options.when, *options.place);
    if (!options.json)
        return nightText(night, *options.place, options.placeFromZone);
    QJsonArray samples;
    for (const sky::SkySample& sample : night.samples)
        samples.append(QJsonObject{{"time", isoUtc(sample.when)},
                                   {"moon_altitude", sample.moonAltitude},
                                   {"moon_azimuth", sample.moonAzimuth},
                                   {"sun_altitude", sample.sunAltitude},
                                   {"sun_azimuth", sample.sunAzimuth}});
    return compactJson({{"from", isoUtc(night.from)},
                    {"to", isoUtc(night.to)},
                    {"samples", samples},
                    {"moon_rise", isoOrNull(night.moon.rise)},
                    {"moon_transit", isoOrNull(night.moon.transit)},
                    {"moon_set", isoOrNull(night.moon.set)},
                    {"sun", sunObject(night.sun)},
                    {"moon_in_dark_sky", stretchesArray(night.dark)}});
}

void writeNightChart(const RenderOptions& options)
{
    const sky::Night night = sky::nightAfter(*options.when, *options.place);
    writePainted(options.output, options.format, options.size, [&](QPainter& painter) {
        paintNightPage(painter, QRectF(QPointF(0, 0), options.size), night, *options.place);
    });
}

QString featureReport(const RenderOptions& options)
{
    const sky::LunarFeature& feature = *options.feature;
    const sky::FeatureNow now = sky::featureNow(feature, *options.when, *options.place);
    const auto windows = sky::featureWindows(feature, *options.when, *options.place, options.count, options.days);
    if (!options.json)
        return featureText(feature, now, windows, options.place->clock(), sky::searchSpan(*options.when, options.days));
    QJsonArray list;
    for (const sky::FeatureWindow& window : windows)
        list.append(QJsonObject{{"from", isoUtc(window.from)},
                                {"to", isoUtc(window.to)},
                                {"sun_altitude_from", window.sunAltitudeFrom},
                                {"sun_altitude_to", window.sunAltitudeTo},
                                {"colongitude", window.colongitude},
                                {"moon_altitude_max", window.moonAltitudeMax},
                                {"phase_id", phaseIdOf(window.elongation)},
                                {"illuminated", sky::illuminatedFraction(window.elongation)}});
    return compactJson({{"feature", QJsonObject{{"name", QString::fromStdString(feature.name)},
                                            {"latitude", feature.latitude},
                                            {"longitude", feature.longitude},
                                            {"diameter_km", feature.diameterKm}}},
                    {"date", isoUtc(*options.when)},
                    {"sun_altitude", now.sunAltitude},
                    {"colongitude", now.colongitude},
                    {"on_near_side", now.onNearSide()},
                    {"distance_from_centre", now.fromCentre},
                    {"windows", list}});
}

QString passesReport(const RenderOptions& options)
{
    const auto found = sky::passes(options.toward, *options.when, *options.place, options.count, options.days);
    if (!options.json)
        return passesText(options.toward, found, *options.place, sky::searchSpan(*options.when, options.days));
    QJsonObject target{{"azimuth", options.toward.azimuth}, {"altitude", options.toward.altitude}};
    if (options.toward.distanceMetres)
        target.insert("distance_m", *options.toward.distanceMetres);
    QJsonArray list;
    for (const sky::Pass& pass : found)
        list.append(QJsonObject{{"time", isoUtc(pass.when)},
                                {"separation", pass.separation},
                                {"moon_azimuth", pass.moonAzimuth},
                                {"moon_altitude", pass.moonAltitude},
                                {"phase_id", phaseIdOf(pass.elongation)},
                                {"illuminated", sky::illuminatedFraction(pass.elongation)},
                                {"moon_diameter_arcmin", pass.moonDiameterArcmin},
                                {"sun_altitude", pass.sunAltitude},
                                {"light", QLatin1String(lightKey(sky::lightOf(pass.sunAltitude)))}});
    return compactJson({{"target", target}, {"passes", list}});
}

} // namespace luna
