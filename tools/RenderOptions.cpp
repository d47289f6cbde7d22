// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RenderOptions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <charconv>
#include <cmath>
#include <string>

namespace luna {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw UsageError(message);
}

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

// The folder must be there and take new files.
void checkFolder(const QString& option, const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        fail(QCoreApplication::translate("luna-render", "%1: la cartella %2 non esiste").arg(option, quoted(folder)));
    if (!info.isDir())
        fail(QCoreApplication::translate("luna-render", "%1: %2 non è una cartella").arg(option, quoted(folder)));
    if (!info.isWritable())
        fail(QCoreApplication::translate("luna-render", "%1: nella cartella %2 non si può scrivere").arg(option, quoted(folder)));
}

// Everything the command line says, each value read but not yet weighed
// against the others.
struct Request {
    SharedOptions shared;
    std::optional<QString> angle;
    std::optional<QString> format;
    QString output;
    QString directory;
    bool info = false;
    bool json = false;
    bool asSeen = false;
    bool eclipses = false;
    bool visible = false;
    std::optional<QString> count;
    std::optional<QString> kind;
    std::optional<QString> calendar;
    bool face = false;
    std::optional<QString> map;
    std::optional<QSize> size;
    std::optional<QColor> background;
};

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
}

Request collect(const QStringList& arguments, sky::Instant now)
{
    CommandLine line;
    addRenderOptions(line);
    try {
        line.read(arguments);
    } catch (const UnknownArgument& unknown) {
        fail(QCoreApplication::translate("luna-render", "opzione sconosciuta %1 (l'elenco: luna-render --help)").arg(quoted(unknown.argument)));
    }

    Request request;
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
RenderOptions cycle(const Request& request, RenderOptions options)
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
RenderOptions eclipses(const Request& request, RenderOptions options, sky::Instant now)
{
    if (request.angle)
        fail(QCoreApplication::translate("luna-render", "--eclipses elenca le eclissi dopo --date: togliere %1").arg(quoted(*request.angle)));
    if (!request.output.isEmpty() || request.info || request.asSeen || request.format)
        fail(QCoreApplication::translate("luna-render", "--eclipses elenca e non disegna: togliere -o, --info, --as-seen e --format"));
    if (request.count) {
        bool ok = false;
        options.count = request.count->toInt(&ok);
        if (!ok || options.count < 1 || options.count > mostEclipses)
            fail(QCoreApplication::translate("luna-render", "--count: %1 non va bene: serve un numero da 1 a %2")
                     .arg(quoted(*request.count))
                     .arg(mostEclipses));
    }
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
RenderOptions calendar(const Request& request, RenderOptions options)
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
RenderOptions onePicture(const Request& request, RenderOptions options)
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
    const auto format = formatOfFile(request.output);
    if (!format)
        fail(QCoreApplication::translate("luna-render", "-o: %1 ha un'estensione sconosciuta: serve .png o .svg").arg(quoted(request.output)));
    if (QFileInfo(request.output).isDir())
        fail(QCoreApplication::translate("luna-render", "-o: %1 è una cartella").arg(quoted(request.output)));
    options.format = *format;
    options.output = request.output;
    checkFolder(QStringLiteral("-o"), QFileInfo(request.output).absolutePath());
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
    const Request request = collect(arguments, now);
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

    if (request.json && !request.info && !request.eclipses)
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
    if ((request.count || request.kind || request.visible) && !request.eclipses)
        fail(QCoreApplication::translate("luna-render", "--count, --kind e --visible valgono solo con --eclipses"));
    if (request.eclipses) {
        if (!request.directory.isEmpty())
            fail(QCoreApplication::translate("luna-render", "--eclipses elenca e non disegna: togliere --all"));
        return eclipses(request, options, now);
    }
    if (!request.directory.isEmpty())
        return cycle(request, options);
    return onePicture(request, options);
}

QString renderUsage()
{
    return QCoreApplication::translate("luna-render", "Uso: luna-render [OPZIONI] ANGOLO\n"
              "     luna-render [OPZIONI] --date QUANDO\n"
              "     luna-render [OPZIONI] --all CARTELLA\n"
              "     luna-render [OPZIONI] --eclipses\n"
              "     luna-render [OPZIONI] --calendar AAAA-MM|AAAA\n"
              "\n"
              "Disegna la fase della Luna all'angolo dato, in gradi, come la finestra di Luna:\n"
              "a 0 tutta nera (luna nuova), a 90 illuminata la metà sinistra, a 180 tutta\n"
              "bianca (luna piena), a 270 illuminata la metà destra. Senza -o la stampa come\n"
              "testo, con il nome della fase. Con --date disegna la Luna vera di quell'istante.\n"
              "\n"
              "Opzioni:\n"
              "  -o, --output FILE        scrive l'immagine in FILE, .png o .svg\n"
              "  --size LxA               larghezza e altezza in pixel (predefinite %1x%2,\n"
              "                           come il disegno della finestra); il disco ha per\n"
              "                           raggio un terzo della larghezza\n"
              "  --background COLORE      nome di colore, #rrggbb o transparent\n"
              "                           (predefinito il grigio della finestra, #8c8c8c)\n"
              "  --all CARTELLA           tutto il ciclo, da luna-000.png a luna-359.png\n"
              "  --format png|svg         il formato dei file di --all (predefinito png)\n"
              "  --date QUANDO            la Luna di un istante: now, AAAA-MM-GG (mezzanotte\n"
              "                           locale) o AAAA-MM-GGTHH:MM[:SS] con Z, ±HH:MM o\n"
              "                           niente per l'ora locale; dal 1900 al 2100\n"
              "  --hemisphere north|south l'emisfero da cui si guarda (predefinito quello del\n"
              "                           luogo, o north): a nord la luna crescente è\n"
              "                           illuminata a destra\n"
              "  --place LUOGO            il luogo: una città (Roma, Monaco di Baviera,\n"
              "                           \"Springfield, Illinois\"), LAT,LON[,ALTEZZA] in\n"
              "                           gradi (nord ed est positivi) e metri, o un fuso\n"
              "                           orario (Europe/Rome); predefinito quello del fuso\n"
              "                           orario. Le ore sono quelle del fuso del luogo\n"
              "  --info                   descrive la fase invece di disegnarla: con --date\n"
              "                           anche l'età, le prossime fasi e, con un luogo,\n"
              "                           quando sorge e tramonta, dove sta, la distanza\n"
              "  --as-seen                con --date, la Luna girata come sta nel cielo del\n"
              "                           luogo: in alto lo zenit\n"
              "  --eclipses               le prossime eclissi dopo --date (predefinito adesso),\n"
              "                           fino al 2100; con un luogo, se si vedono di lì: una\n"
              "                           di Luna è visibile se una sua fase qualunque, anche\n"
              "                           solo la fine della penombra, avviene con la Luna\n"
              "                           sopra l'orizzonte (con --json anche\n"
              "                           visible_at_greatest)\n"
              "                           Di una di Sole, con un luogo, dice cosa se ne vede\n"
              "                           di lì: i contatti con l'altezza del Sole, quanto\n"
              "                           ne resta coperto, se sorge o tramonta eclissato\n"
              "                           (con --json l'oggetto local)\n"
              "  --visible                con --eclipses, solo quelle che si vedono dal luogo\n"
              "  --count N                quante eclissi, da 1 a 1000 (predefinito 4)\n"
              "  --kind lunar|solar|all   quali eclissi (predefinito all)\n"
              "  --calendar AAAA-MM|AAAA  il lunario di un mese o di un anno: senza -o come\n"
              "                           testo; con -o FILE.pdf (una pagina A4 al mese),\n"
              "                           .svg o .png (un file al mese, FILE-01 ...) o .ics\n"
              "                           (le fasi, il perigeo e l'apogeo, le eclissi per\n"
              "                           un programma di calendario)\n"
              "  --face                   il volto vero della Luna invece del disegno: i mari\n"
              "                           e i crateri girati dalla librazione, inclinati\n"
              "                           dall'asse e illuminati dal Sole, la notte nella luce\n"
              "                           cinerea, l'ombra della Terra nelle eclissi; con un\n"
              "                           angolo, la librazione media e l'asse in alto\n"
              "  --map FILE               con --face, un'altra mappa della Luna (equirettangolare,\n"
              "                           longitudine da -180 a 180, nord in alto)\n"
              "  --json                   con --info o --eclipses, JSON per gli script\n"
              "  -h, --help               mostra questo aiuto\n"
              "  --version                mostra la versione\n"
              "\n"
              "Esempi:\n"
              "  luna-render 90\n"
              "  luna-render --date now --info --place Rome\n"
              "  luna-render --date 2026-12-24T22:00 -o vigilia.png\n"
              "  luna-render 135 -o gibbosa.png --size 512x512 --background transparent\n"
              "  luna-render 45 -o falce.svg\n"
              "  luna-render --date now --as-seen --place 45.07,7.69 -o stasera.png\n"
              "  luna-render --date now --face -o volto.png --size 512x512\n"
              "  luna-render --eclipses --kind lunar --count 10\n"
              "  luna-render --eclipses --kind solar --visible --place Rome\n"
              "  luna-render --calendar 2027 -o lunario-2027.pdf --place Rome\n"
              "  mkdir fasi && luna-render --all fasi --size 256x256\n"
              "\n"
              "Le ore sono quelle degli orologi civili: il tempo universale prima del 1972,\n"
              "poi UTC, e dopo l'ultimo secondo intercalare (fine 2016) UTC senza altri.\n"
              "Per la rotazione della Terra (sorgere, tramontare, altezza) vale UT1, dal\n"
              "Delta T di Espenak e Meeus dove la tabella dei secondi intercalari non arriva.\n"
              "\n"
              "Esce con 0 se tutto va bene, 2 se gli argomenti non vanno, 1 se non riesce a\n"
              "scrivere.\n")
        .arg(windowPicture.width)
        .arg(windowPicture.height);
}

} // namespace luna
