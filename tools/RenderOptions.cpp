#include "RenderOptions.h"

#include "When.h"

#include <QDir>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <string>

namespace luna {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw UsageError(message.toStdString());
}

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
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
        fail(QStringLiteral("%1: la cartella %2 non esiste").arg(option, quoted(folder)));
    if (!info.isDir())
        fail(QStringLiteral("%1: %2 non è una cartella").arg(option, quoted(folder)));
    if (!info.isWritable())
        fail(QStringLiteral("%1: nella cartella %2 non si può scrivere").arg(option, quoted(folder)));
}

class Arguments {
public:
    explicit Arguments(const QStringList& arguments)
        : arguments_(arguments)
    {
    }

    bool atEnd() const { return next_ >= arguments_.size(); }
    QString take() { return arguments_[next_++]; }

    QString valueOf(const QString& option)
    {
        if (atEnd())
            fail(QStringLiteral("%1: manca il valore").arg(option));
        return take();
    }

private:
    const QStringList& arguments_;
    qsizetype next_ = 0;
};

bool looksLikeANumber(const QString& argument)
{
    return argument.size() > 1 && argument[0] == u'-'
        && (argument[1].isDigit() || argument[1] == u'.');
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

RenderOptions parseRenderArguments(const QStringList& list, sky::Instant now)
{
    RenderOptions options;
    std::optional<QString> angleText;
    std::optional<QString> formatText;
    bool info = false;
    Arguments arguments(list);
    while (!arguments.atEnd()) {
        const QString argument = arguments.take();
        if (argument == u"-h" || argument == u"--help" || argument == u"--version") {
            options.task = argument == u"--version" ? RenderOptions::Task::Version
                                                    : RenderOptions::Task::Help;
            return options;
        }

        if (argument == u"-o" || argument == u"--output") {
            options.output = arguments.valueOf(argument);
        } else if (argument == u"--all") {
            options.directory = arguments.valueOf(argument);
        } else if (argument == u"--format") {
            formatText = arguments.valueOf(argument);
        } else if (argument == u"--size") {
            const QString value = arguments.valueOf(argument);
            const auto size = sizeFromText(value);
            if (!size)
                fail(QStringLiteral("--size: %1 non va bene: serve LARGHEZZAxALTEZZA, "
                                    "ogni lato da 1 a %2 pixel")
                         .arg(quoted(value))
                         .arg(largestSide));
            options.size = *size;
        } else if (argument == u"--background") {
            const QString value = arguments.valueOf(argument);
            const auto colour = colourFromText(value);
            if (!colour)
                fail(QStringLiteral("--background: colore sconosciuto %1: serve un nome di "
                                    "colore, #rrggbb o transparent")
                         .arg(quoted(value)));
            options.background = *colour;
        } else if (argument == u"--date") {
            const QString value = arguments.valueOf(argument);
            try {
                options.when = sky::parseWhen(value.toStdString(), now);
            } catch (const std::exception& error) {
                fail(QStringLiteral("--date: %1").arg(QString::fromUtf8(error.what())));
            }
        } else if (argument == u"--info") {
            info = true;
        } else if (argument == u"--json") {
            options.json = true;
        } else if (argument == u"--hemisphere") {
            const QString value = arguments.valueOf(argument);
            if (value == u"north")
                options.hemisphere = Hemisphere::North;
            else if (value == u"south")
                options.hemisphere = Hemisphere::South;
            else
                fail(QStringLiteral("--hemisphere: %1 non va bene: serve north o south")
                         .arg(quoted(value)));
        } else if (argument.startsWith(u'-') && !looksLikeANumber(argument)) {
            fail(QStringLiteral("opzione sconosciuta %1 (l'elenco: luna-render --help)")
                     .arg(quoted(argument)));
        } else if (angleText) {
            fail(QStringLiteral("argomento in più %1: serve un angolo solo").arg(quoted(argument)));
        } else {
            angleText = argument;
        }
    }

    if (options.json && !info)
        fail(QStringLiteral("--json vale solo con --info"));
    if (options.when && angleText)
        fail(QStringLiteral("un angolo o --date, non tutti e due: togliere %1").arg(quoted(*angleText)));

    if (!options.directory.isEmpty()) {
        if (options.when || info)
            fail(QStringLiteral("--all disegna tutti gli angoli: togliere --date e --info"));
        if (angleText)
            fail(QStringLiteral("--all disegna tutti gli angoli: togliere %1").arg(quoted(*angleText)));
        if (!options.output.isEmpty())
            fail(QStringLiteral("--all scrive nella sua cartella: togliere -o"));
        if (formatText && *formatText != u"png" && *formatText != u"svg")
            fail(QStringLiteral("--format: %1 non va bene: serve png o svg").arg(quoted(*formatText)));
        options.format = formatText == u"svg" ? PictureFormat::Svg : PictureFormat::Png;
        checkFolder(QStringLiteral("--all"), options.directory);
        options.task = RenderOptions::Task::Cycle;
        return options;
    }
    if (formatText)
        fail(QStringLiteral("--format vale solo con --all: con -o il formato segue l'estensione"));

    if (!options.when) {
        if (!angleText)
            fail(QStringLiteral("manca l'angolo, o --date (l'uso: luna-render --help)"));
        const auto angle = angleFromText(*angleText);
        if (!angle)
            fail(QStringLiteral("l'angolo %1 non è un numero finito di gradi").arg(quoted(*angleText)));
        options.angle = *angle;
    }

    if (info) {
        if (!options.output.isEmpty())
            fail(QStringLiteral("--info descrive e non disegna: togliere -o"));
        options.task = RenderOptions::Task::Info;
        return options;
    }
    if (options.output.isEmpty()) {
        options.task = RenderOptions::Task::Text;
        return options;
    }
    const auto format = formatOfFile(options.output);
    if (!format)
        fail(QStringLiteral("-o: %1 ha un'estensione sconosciuta: serve .png o .svg")
                 .arg(quoted(options.output)));
    if (QFileInfo(options.output).isDir())
        fail(QStringLiteral("-o: %1 è una cartella").arg(quoted(options.output)));
    options.format = *format;
    checkFolder(QStringLiteral("-o"), QFileInfo(options.output).absolutePath());
    options.task = RenderOptions::Task::Picture;
    return options;
}

QString renderUsage()
{
    return QStringLiteral(
        "Uso: luna-render [OPZIONI] ANGOLO\n"
        "     luna-render [OPZIONI] --date QUANDO\n"
        "     luna-render [OPZIONI] --all CARTELLA\n"
        "\n"
        "Disegna la fase della Luna all'angolo dato, in gradi, come la finestra di Luna:\n"
        "a 0 tutta nera (luna nuova), a 90 illuminata la metà sinistra, a 180 tutta\n"
        "bianca (luna piena), a 270 illuminata la metà destra. Senza -o la stampa come\n"
        "testo, con il nome della fase. Con --date disegna la Luna vera di quell'istante.\n"
        "\n"
        "Opzioni:\n"
        "  -o, --output FILE        scrive l'immagine in FILE, .png o .svg\n"
        "  --size LxA               larghezza e altezza in pixel (predefinite 257x233);\n"
        "                           il disco ha per raggio un terzo della larghezza\n"
        "  --background COLORE      nome di colore, #rrggbb o transparent\n"
        "                           (predefinito il grigio della finestra, #8c8c8c)\n"
        "  --all CARTELLA           tutto il ciclo, da luna-000.png a luna-359.png\n"
        "  --format png|svg         il formato dei file di --all (predefinito png)\n"
        "  --date QUANDO            la Luna di un istante: now, AAAA-MM-GG (mezzanotte\n"
        "                           locale) o AAAA-MM-GGTHH:MM[:SS] con Z, ±HH:MM o\n"
        "                           niente per l'ora locale; dal 1900 al 2100\n"
        "  --hemisphere north|south l'emisfero da cui si guarda (predefinito north):\n"
        "                           a nord la luna crescente è illuminata a destra\n"
        "  --info                   descrive la fase invece di disegnarla: con --date\n"
        "                           anche l'età e le prossime fasi\n"
        "  --json                   con --info, un oggetto JSON per gli script\n"
        "  -h, --help               mostra questo aiuto\n"
        "  --version                mostra la versione\n"
        "\n"
        "Esempi:\n"
        "  luna-render 90\n"
        "  luna-render --date now --info\n"
        "  luna-render --date 2026-12-24T22:00 -o vigilia.png\n"
        "  luna-render 135 -o gibbosa.png --size 512x512 --background transparent\n"
        "  luna-render 45 -o falce.svg\n"
        "  mkdir fasi && luna-render --all fasi --size 256x256\n"
        "\n"
        "Esce con 0 se tutto va bene, 2 se gli argomenti non vanno, 1 se non riesce a\n"
        "scrivere.\n");
}

} // namespace luna
