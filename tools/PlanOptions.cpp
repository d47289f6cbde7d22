// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planners' options: --night, --feature, --toward and --landmark.

#include "RenderRequest.h"

#include "Formats.h"

#include <QCoreApplication>

namespace luna {

namespace {

// An azimuth and an apparent altitude: "AZ,ALT" in degrees.
sky::Direction directionFromText(const QString& text)
{
    try {
        return sky::parseDirection(text.toStdString());
    } catch (const sky::BadDirection& error) {
        switch (error.reason) {
        case sky::BadDirection::Reason::Form:
            break;
        case sky::BadDirection::Reason::Azimuth:
            fail(QCoreApplication::translate("luna-render", "--toward: l'azimut %1 non va bene: serve da 0 a 360 gradi, da nord verso est").arg(decimal(error.value, 1)));
        case sky::BadDirection::Reason::Altitude:
            fail(QCoreApplication::translate("luna-render", "--toward: l'altezza %1 non va bene: serve da -90 a 90 gradi").arg(decimal(error.value, 1)));
        }
        fail(QCoreApplication::translate("luna-render", "--toward: %1 non va bene: serve AZIMUT,ALTEZZA in gradi, come 135,20").arg(quoted(text)));
    }
}

sky::Direction landmarkFromText(const QString& text, const sky::Place& observer)
{
    sky::Place landmark;
    try {
        landmark = sky::parseCoordinates(text.toStdString());
    } catch (const sky::BadPlace& error) {
        fail(QStringLiteral("--landmark: %1").arg(describe(error)));
    }
    try {
        return sky::directionOf(landmark, observer);
    } catch (const sky::BadLandmark& error) {
        if (error.reason == sky::BadLandmark::Reason::Same)
            fail(QCoreApplication::translate("luna-render", "--landmark: il punto coincide con il luogo di --place: serve un punto lontano da chi guarda"));
        fail(QCoreApplication::translate("luna-render", "--landmark: il punto è nascosto dalla curvatura della Terra, a %1 km da chi guarda: dare le altezze "
                "in metri (LAT,LON,ALTEZZA) a --landmark e a --place")
                 .arg(decimal(error.distanceMetres / 1000, 1)));
    }
}

const sky::LunarFeature* featureFromText(const QString& name)
{
    const sky::FeatureMatch match = sky::findFeature(name.toStdString());
    if (match.feature)
        return match.feature;
    QStringList closest;
    for (const std::string& candidate : match.closest)
        closest << QString::fromStdString(candidate);
    if (closest.isEmpty())
        fail(QCoreApplication::translate("luna-render", "--feature: nessun dettaglio della Luna si chiama %1 (i nomi dell'IAU, come Copernicus o Mare Crisium)")
                 .arg(quoted(name)));
    fail(QCoreApplication::translate("luna-render", "--feature: nessun dettaglio della Luna si chiama %1: forse %2?").arg(quoted(name), closest.join(u", ")));
}

} // namespace

RenderOptions planner(const RenderRequest& request, RenderOptions options, sky::Instant now)
{
    const int asked = int(request.night) + int(bool(request.feature)) + int(request.toward || request.landmark);
    if (asked > 1 || (request.toward && request.landmark))
        fail(QCoreApplication::translate("luna-render", "--night, --feature, --toward e --landmark vanno uno alla volta"));
    if (request.angle)
        fail(QCoreApplication::translate("luna-render", "%1 non serve qui: il giorno si dà con --date").arg(quoted(*request.angle)));
    if (request.info || request.asSeen || request.face || request.map || request.eclipses || request.calendar
        || !request.directory.isEmpty() || request.format || request.kind || request.visible)
        fail(QCoreApplication::translate("luna-render", "--night, --feature, --toward e --landmark vanno da soli, con --date, --place e --json "
                "(e -o per --night)"));
    if (!options.place)
        fail(QCoreApplication::translate("luna-render", "serve un luogo, con --place (il fuso orario non ne dà uno)"));
    if (!options.when)
        options.when = now;

    if (request.night) {
        if (request.count || request.days)
            fail(QCoreApplication::translate("luna-render", "--night è una notte sola: togliere --count e --days"));
        options.task = RenderOptions::Task::Night;
        if (request.output.isEmpty())
            return options;
        if (request.json)
            fail(QCoreApplication::translate("luna-render", "--night con -o disegna il grafico: togliere --json"));
        return pictureTask(request, options, nightChartSize, RenderOptions::Task::NightChart);
    }

    if (!request.output.isEmpty() || request.size || request.background)
        fail(QCoreApplication::translate("luna-render", "--feature, --toward e --landmark elencano e non disegnano: togliere -o, --size e --background"));
    if (request.count)
        options.count = countFrom(*request.count, mostWindows);
    if (request.days) {
        bool ok = false;
        options.days = request.days->toInt(&ok);
        if (!ok || options.days < 1 || options.days > mostDays)
            fail(QCoreApplication::translate("luna-render", "--days: %1 non va bene: serve un numero di giorni da 1 a %2").arg(quoted(*request.days)).arg(mostDays));
    }
    if (request.feature) {
        options.feature = featureFromText(*request.feature);
        options.task = RenderOptions::Task::Feature;
        return options;
    }
    options.toward = request.toward ? directionFromText(*request.toward) : landmarkFromText(*request.landmark, *options.place);
    options.task = RenderOptions::Task::Passes;
    return options;
}

} // namespace luna

namespace luna {

RenderOptions crescents(const RenderRequest& request, RenderOptions options, sky::Instant now)
{
    if (request.crescent && request.crescentMap)
        fail(QCoreApplication::translate("luna-render", "--crescent e --crescent-map vanno uno alla volta"));
    const bool planning = request.night || request.feature || request.toward || request.landmark;
    if (request.angle)
        fail(QCoreApplication::translate("luna-render", "%1 non serve qui: il giorno si dà con --date").arg(quoted(*request.angle)));
    if (planning || request.info || request.asSeen || request.face || request.map || request.eclipses
        || request.calendar || !request.directory.isEmpty() || request.format || request.kind || request.visible
        || request.days || request.background)
        fail(QCoreApplication::translate("luna-render", "--crescent e --crescent-map vanno da soli, con --date, --place, --json "
                "(e --count per --crescent, -o, --size e --criterion per --crescent-map)"));
    if (!options.when)
        options.when = now;

    if (request.crescent) {
        if (!request.output.isEmpty() || request.size || request.criterion)
            fail(QCoreApplication::translate("luna-render", "--crescent elenca e non disegna: togliere -o, --size e --criterion "
                    "(la mappa è --crescent-map)"));
        if (!options.place)
            fail(QCoreApplication::translate("luna-render", "serve un luogo, con --place (il fuso orario non ne dà uno)"));
        options.count = request.count ? countFrom(*request.count, mostCrescents) : 2;
        options.task = RenderOptions::Task::Crescent;
        return options;
    }

    if (request.count)
        fail(QCoreApplication::translate("luna-render", "--crescent-map è la mappa di una sera: togliere --count"));
    if (request.criterion) {
        if (*request.criterion == u"yallop")
            options.criterion = sky::Criterion::Yallop;
        else if (*request.criterion == u"odeh")
            options.criterion = sky::Criterion::Odeh;
        else
            fail(QCoreApplication::translate("luna-render", "--criterion: %1 non va bene: serve yallop o odeh").arg(quoted(*request.criterion)));
    }
    options.mapDate = sky::clockOf(options.place).day(*options.when);
    if (request.json) {
        if (!request.output.isEmpty() || request.size)
            fail(QCoreApplication::translate("luna-render", "--crescent-map con --json dà la griglia: togliere -o e --size"));
        options.task = RenderOptions::Task::CrescentGrid;
        return options;
    }
    if (request.output.isEmpty())
        fail(QCoreApplication::translate("luna-render", "--crescent-map disegna una mappa: serve -o FILE.png o FILE.svg (o --json per la griglia)"));
    return pictureTask(request, options, crescentMapSize, RenderOptions::Task::CrescentMap);
}

} // namespace luna
