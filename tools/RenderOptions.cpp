// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RenderOptions.h"

#include "RenderRequest.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <charconv>
#include <cmath>
#include <string>

namespace luna {

namespace {


std::optional<int> sideFromText(QStringView text)
{
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    int side = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        side = side * 10 + (c.unicode() - u'0');
    }
    if (side < 1 || side > largestSide)
        return std::nullopt;
    return side;
}


void addRenderOptions(CommandLine& line)
{
    line.addOption({{QStringLiteral("o"), QStringLiteral("output")}, {}, QStringLiteral("FILE")});
    line.addOption({QStringLiteral("all"), {}, QStringLiteral("CARTELLA")});
    line.addOption({QStringLiteral("format"), {}, QStringLiteral("FORMATO")});
    line.addOption({QStringLiteral("size"), {}, QStringLiteral("LxA")});
    line.addOption({QStringLiteral("background"), {}, QStringLiteral("COLORE")});
    line.addOption({QStringLiteral("info"), {}});
    line.addOption({QStringLiteral("json"), {}});
    line.addOption({QStringLiteral("as-seen"), {}});
    line.addOption({QStringLiteral("eclipses"), {}});
    line.addOption({QStringLiteral("visible"), {}});
    line.addOption({QStringLiteral("count"), {}, QStringLiteral("N")});
    line.addOption({QStringLiteral("kind"), {}, QStringLiteral("TIPO")});
    line.addOption({QStringLiteral("calendar"), {}, QStringLiteral("MESE")});
    line.addOption({QStringLiteral("face"), {}});
    line.addOption({QStringLiteral("map"), {}, QStringLiteral("FILE")});
    line.addOption({QStringLiteral("night"), {}});
    line.addOption({QStringLiteral("feature"), {}, QStringLiteral("NOME")});
    line.addOption({QStringLiteral("toward"), {}, QStringLiteral("AZ,ALT")});
    line.addOption({QStringLiteral("landmark"), {}, QStringLiteral("LAT,LON[,ALTEZZA]")});
    line.addOption({QStringLiteral("days"), {}, QStringLiteral("GIORNI")});
    line.addOption({QStringLiteral("hijri"), {}});
    line.addOption({QStringLiteral("crescent"), {}});
    line.addOption({QStringLiteral("crescent-map"), {}});
    line.addOption({QStringLiteral("criterion"), {}, QStringLiteral("CRITERIO")});
}

RenderRequest collect(const QStringList& arguments, sky::Instant now)
{
    CommandLine line;
    addRenderOptions(line);
    try {
        line.read(arguments);
    } catch (const UnknownArgument& unknown) {
        fail(QCoreApplication::translate("luna-render", "opzione sconosciuta %1 (l'elenco: luna-render --help)").arg(quoted(unknown.argument)));
    }

    RenderRequest request;
    request.shared = line.shared(now);
    const QStringList positional = line.positionalArguments();
    if (positional.size() > 1)
        fail(QCoreApplication::translate("luna-render", "argomento in più %1: serve un angolo solo").arg(quoted(positional[1])));
    if (!positional.isEmpty())
        request.angle = positional.first();
    if (line.isSet(QStringLiteral("format")))
        request.format = line.value(QStringLiteral("format"));
    request.output = line.value(QStringLiteral("output"));
    // An empty name would otherwise read as no -o at all, and the picture
    // asked for would go unwritten without a word.
    if (line.isSet(QStringLiteral("output")) && request.output.isEmpty())
        fail(QCoreApplication::translate("luna-render", "-o: manca il nome del file"));
    request.directory = line.value(QStringLiteral("all"));
    request.info = line.isSet(QStringLiteral("info"));
    request.json = line.isSet(QStringLiteral("json"));
    request.asSeen = line.isSet(QStringLiteral("as-seen"));
    request.eclipses = line.isSet(QStringLiteral("eclipses"));
    request.visible = line.isSet(QStringLiteral("visible"));
    if (line.isSet(QStringLiteral("count")))
        request.count = line.value(QStringLiteral("count"));
    if (line.isSet(QStringLiteral("kind")))
        request.kind = line.value(QStringLiteral("kind"));
    if (line.isSet(QStringLiteral("calendar")))
        request.calendar = line.value(QStringLiteral("calendar"));
    request.face = line.isSet(QStringLiteral("face"));
    if (line.isSet(QStringLiteral("map")))
        request.map = line.value(QStringLiteral("map"));
    request.night = line.isSet(QStringLiteral("night"));
    request.hijri = line.isSet(QStringLiteral("hijri"));
    request.crescent = line.isSet(QStringLiteral("crescent"));
    request.crescentMap = line.isSet(QStringLiteral("crescent-map"));
    for (const auto& [name, value] : {std::pair{"feature", &request.feature}, std::pair{"toward", &request.toward},
                                      std::pair{"landmark", &request.landmark}, std::pair{"days", &request.days},
                                      std::pair{"criterion", &request.criterion}})
        if (line.isSet(QLatin1String(name)))
            *value = line.value(QLatin1String(name));

    if (line.isSet(QStringLiteral("size"))) {
        const QString value = line.value(QStringLiteral("size"));
        request.size = sizeFromText(value);
        if (!request.size)
            fail(QCoreApplication::translate("luna-render", "--size: %1 non va bene: serve LARGHEZZAxALTEZZA, ogni lato da 1 a %2 pixel")
                     .arg(quoted(value))
                     .arg(largestSide));
    }
    if (line.isSet(QStringLiteral("background"))) {
        const QString value = line.value(QStringLiteral("background"));
        request.background = colourFromText(value);
        if (!request.background)
            fail(QCoreApplication::translate("luna-render", "--background: colore sconosciuto %1: serve un nome di colore, #rrggbb o "
                    "transparent")
                     .arg(quoted(value)));
    }
    return request;
}

// The cycle of all the angles, into a folder.
RenderOptions cycle(const RenderRequest& request, RenderOptions options)
{
    if (request.shared.when || request.info)
        fail(QCoreApplication::translate("luna-render", "--all disegna tutti gli angoli: togliere --date e --info"));
    if (request.asSeen)
        fail(QCoreApplication::translate("luna-render", "--all disegna tutti gli angoli: togliere --as-seen"));
    if (request.angle)
        fail(QCoreApplication::translate("luna-render", "--all disegna tutti gli angoli: togliere %1").arg(quoted(*request.angle)));
    if (!request.output.isEmpty())
        fail(QCoreApplication::translate("luna-render", "--all scrive nella sua cartella: togliere -o"));
    if (request.format && *request.format != u"png" && *request.format != u"svg")
        fail(QCoreApplication::translate("luna-render", "--format: %1 non va bene: serve png o svg").arg(quoted(*request.format)));
    options.format = request.format == u"svg" ? PictureFormat::Svg : PictureFormat::Png;
    options.directory = request.directory;
    checkFolder(QStringLiteral("--all"), options.directory);
    options.task = RenderOptions::Task::Cycle;
    return options;
}

// The next eclipses after an instant, as text or JSON.
RenderOptions eclipses(const RenderRequest& request, RenderOptions options, sky::Instant now)
{
    if (request.angle)
        fail(QCoreApplication::translate("luna-render", "--eclipses elenca le eclissi dopo --date: togliere %1").arg(quoted(*request.angle)));
    if (!request.output.isEmpty() || request.info || request.asSeen || request.format)
        fail(QCoreApplication::translate("luna-render", "--eclipses elenca e non disegna: togliere -o, --info, --as-seen e --format"));
    if (request.count)
        options.count = countFrom(*request.count, mostEclipses);
    if (request.kind) {
        if (*request.kind == u"lunar")
            options.kinds = sky::EclipseKinds::Lunar;
        else if (*request.kind == u"solar")
            options.kinds = sky::EclipseKinds::Solar;
        else if (*request.kind == u"all")
            options.kinds = sky::EclipseKinds::All;
        else
            fail(QCoreApplication::translate("luna-render", "--kind: %1 non va bene: serve lunar, solar o all").arg(quoted(*request.kind)));
    }
    if (request.visible && !options.place)
        fail(QCoreApplication::translate("luna-render", "--visible: serve un luogo, con --place (il fuso orario non ne dà uno)"));
    options.visibleOnly = request.visible;
    if (!options.when)
        options.when = now;
    options.task = RenderOptions::Task::Eclipses;
    return options;
}

// A month or a year of the lunario, as text or a file.
RenderOptions calendar(const RenderRequest& request, RenderOptions options)
{
    const auto span = calendarSpanFromText(*request.calendar);
    if (!span)
        fail(QCoreApplication::translate("luna-render", "--calendar: %1 non va bene: serve AAAA-MM o AAAA, dal %2 al %3")
                 .arg(quoted(*request.calendar))
                 .arg(sky::firstYear)
                 .arg(sky::lastYear));
    if (request.angle || request.shared.when || request.info || request.asSeen || request.format
        || !request.directory.isEmpty() || request.eclipses)
        fail(QCoreApplication::translate("luna-render", "--calendar va da solo, con -o, --place e --hemisphere"));
    options.calendar = *span;
    options.hijri = request.hijri ? HijriDates::Shown : HijriDates::Hidden;
    if (!request.output.isEmpty()) {
        options.calendarFormat = calendarFormatOfFile(request.output);
        if (!options.calendarFormat)
            fail(QCoreApplication::translate("luna-render", "-o: %1 ha un'estensione sconosciuta: serve .pdf, .svg, .png o .ics")
                     .arg(quoted(request.output)));
        if (QFileInfo(request.output).isDir())
            fail(QCoreApplication::translate("luna-render", "-o: %1 è una cartella").arg(quoted(request.output)));
        checkFolder(QStringLiteral("-o"), QFileInfo(request.output).absolutePath());
        options.output = request.output;
    }
    options.task = RenderOptions::Task::Calendar;
    return options;
}

// One picture, as a file or as text, or its description.
RenderOptions onePicture(const RenderRequest& request, RenderOptions options)
{
    if (request.format)
        fail(QCoreApplication::translate("luna-render", "--format vale solo con --all: con -o il formato segue l'estensione"));
    if (!options.when) {
        if (!request.angle)
            fail(QCoreApplication::translate("luna-render", "manca l'angolo, o --date (l'uso: luna-render --help)"));
        const auto angle = angleFromText(*request.angle);
        if (!angle)
            fail(QCoreApplication::translate("luna-render", "l'angolo %1 non è un numero finito di gradi").arg(quoted(*request.angle)));
        options.angle = *angle;
    }

    if (request.asSeen) {
        if (!options.place)
            fail(QCoreApplication::translate("luna-render", "--as-seen mostra la Luna nel cielo di un luogo: serve --place (o un fuso orario con coordinate)"));
        if (!options.when)
            fail(QCoreApplication::translate("luna-render", "--as-seen mostra la Luna di un istante: serve --date"));
        if (request.info)
            fail(QCoreApplication::translate("luna-render", "--as-seen vale per i disegni: togliere --info"));
        options.asSeen = true;
    }

    if (request.map && !request.face)
        fail(QCoreApplication::translate("luna-render", "--map è la mappa del volto: serve --face"));
    if (request.face) {
        if (request.info)
            fail(QCoreApplication::translate("luna-render", "--face disegna il volto: togliere --info"));
        if (request.output.isEmpty())
            fail(QCoreApplication::translate("luna-render", "--face disegna un'immagine: serve -o FILE.png o FILE.svg"));
        if (request.map) {
            if (!QImageReader(*request.map).canRead())
                fail(QCoreApplication::translate("luna-render", "--map: %1 non è un'immagine che si possa leggere").arg(quoted(*request.map)));
            options.map = *request.map;
        }
        options.face = true;
    }

    if (request.info) {
        if (!request.output.isEmpty())
            fail(QCoreApplication::translate("luna-render", "--info descrive e non disegna: togliere -o"));
        options.task = RenderOptions::Task::Info;
        return options;
    }
    if (request.output.isEmpty()) {
        options.task = RenderOptions::Task::Text;
        return options;
    }
    options.format = pictureFile(request.output);
    options.output = request.output;
    options.task = RenderOptions::Task::Picture;
    return options;
}

} // namespace

std::optional<QSize> sizeFromText(QStringView text)
{
    const qsizetype x = text.indexOf(u'x', 0, Qt::CaseInsensitive);
    if (x < 0)
        return std::nullopt;
    const auto width = sideFromText(text.first(x));
    const auto height = sideFromText(text.sliced(x + 1));
    if (!width || !height)
        return std::nullopt;
    return QSize(*width, *height);
}

std::optional<QColor> colourFromText(QStringView text)
{
    if (text.compare(u"transparent", Qt::CaseInsensitive) == 0)
        return QColor(Qt::transparent);
    if (!QColor::isValidColorName(text))
        return std::nullopt;
    return QColor::fromString(text);
}

std::optional<double> angleFromText(QStringView text)
{
    const std::string number = text.toString().toStdString();
    const char* end = number.data() + number.size();
    double value = 0;
    const auto result = std::from_chars(number.data(), end, value);
    if (number.empty() || result.ec != std::errc{} || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<PictureFormat> formatOfFile(QStringView path)
{
    if (path.endsWith(u".png", Qt::CaseInsensitive))
        return PictureFormat::Png;
    if (path.endsWith(u".svg", Qt::CaseInsensitive))
        return PictureFormat::Svg;
    return std::nullopt;
}

RenderOptions parseRenderArguments(const QStringList& arguments, sky::Instant now)
{
    const RenderRequest request = collect(arguments, now);
    RenderOptions options;
    switch (request.shared.request) {
    case SharedOptions::Request::Help:
        options.task = RenderOptions::Task::Help;
        return options;
    case SharedOptions::Request::Version:
        options.task = RenderOptions::Task::Version;
        return options;
    case SharedOptions::Request::Run:
        break;
    }

    const bool planning = request.night || request.feature || request.toward || request.landmark;
    const bool crescent = request.crescent || request.crescentMap;
    if (request.json && !request.info && !request.eclipses && !planning && !crescent)
        fail(QCoreApplication::translate("luna-render", "--json vale solo con --info"));
    if (request.shared.when && request.angle)
        fail(QCoreApplication::translate("luna-render", "un angolo o --date, non tutti e due: togliere %1").arg(quoted(*request.angle)));
    options.when = request.shared.when;
    options.hemisphere = request.shared.seenFrom();
    options.place = request.shared.place;
    options.placeFromZone = request.shared.placeFromZone;
    options.json = request.json;
    options.size = request.size.value_or(options.size);
    options.background = request.background.value_or(options.background);

    if ((request.face || request.map) && (request.calendar || request.eclipses || !request.directory.isEmpty()))
        fail(QCoreApplication::translate("luna-render", "--face disegna un'immagine sola: togliere --calendar, --eclipses e --all"));
    if (request.calendar) {
        if (request.json)
            fail(QCoreApplication::translate("luna-render", "--json vale solo con --info"));
        return calendar(request, options);
    }
    if (request.hijri)
        fail(QCoreApplication::translate("luna-render", "--hijri vale solo con --calendar"));
    if (crescent)
        return crescents(request, options, now);
    if (request.criterion)
        fail(QCoreApplication::translate("luna-render", "--criterion vale solo con --crescent-map"));
    if (planning)
        return planner(request, options, now);
    if (request.days)
        fail(QCoreApplication::translate("luna-render", "--days vale solo con --feature, --toward e --landmark"));
    if ((request.count || request.kind || request.visible) && !request.eclipses)
        fail(QCoreApplication::translate("luna-render", "--kind e --visible valgono solo con --eclipses, --count anche con --feature, --toward e --landmark"));
    if (request.eclipses) {
        if (!request.directory.isEmpty())
            fail(QCoreApplication::translate("luna-render", "--eclipses elenca e non disegna: togliere --all"));
        return eclipses(request, options, now);
    }
    if (!request.directory.isEmpty())
        return cycle(request, options);
    return onePicture(request, options);
}

} // namespace luna
