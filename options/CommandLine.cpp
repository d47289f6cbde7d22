// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "Formats.h"
#include "PlaceNames.h"
#include "When.h"

#include <QCoreApplication>

namespace luna {

namespace {

bool looksLikeANumber(const QString& argument)
{
    return argument.size() > 1 && argument[0] == u'-'
        && (argument[1].isDigit() || argument[1] == u'.');
}

// The option an argument names, without its dashes and value: "size" for
// --size, -size and --size=10x10; empty for what is no option.
QString optionName(const QString& argument)
{
    if (!argument.startsWith(u'-') || argument == u"-" || looksLikeANumber(argument))
        return {};
    const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1);
    return name.section(u'=', 0, 0);
}

} // namespace

UsageError::UsageError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

UnknownArgument::UnknownArgument(const QString& text)
    : std::runtime_error(text.toStdString())
    , argument(text)
{
}

QString quoted(const QString& text)
{
    return QCoreApplication::translate("CommandLine", "«%1»").arg(text);
}

CommandLine::CommandLine()
{
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    addOption({QStringLiteral("version"), {}});
    addOption({QStringLiteral("date"), {}, QStringLiteral("QUANDO")});
    addOption({QStringLiteral("hemisphere"), {}, QStringLiteral("EMISFERO")});
    addOption({QStringLiteral("place"), {}, QStringLiteral("LUOGO")});
}

Hemisphere SharedOptions::seenFrom() const
{
    if (hemisphere)
        return *hemisphere;
    return place && place->latitude < 0 ? Hemisphere::South : Hemisphere::North;
}

void CommandLine::addOption(QCommandLineOption option, Shown shown)
{
    if (shown == Shown::Hidden)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    if (!option.valueName().isEmpty())
        takingValues_ += option.names();
    parser_.addOption(option);
}

void CommandLine::read(const QStringList& arguments)
{
    // QCommandLineParser takes "-10" for an option; such arguments go after
    // "--", where everything is positional. Options and their values are
    // kept in order.
    QStringList options{QStringLiteral("luna")};
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            positional += arguments.mid(i + 1);
            break;
        }
        const QString name = optionName(argument);
        if (name.isEmpty() && argument.startsWith(u'-') && looksLikeANumber(argument)) {
            positional += argument;
            continue;
        }
        options += argument;
        if (takingValues_.contains(name) && !argument.contains(u'=')) {
            if (i + 1 == arguments.size())
                throw UsageError(QCoreApplication::translate("CommandLine", "%1: manca il valore").arg(argument));
            options += arguments[++i];
        }
    }
    if (!positional.isEmpty())
        options << QStringLiteral("--") << positional;

    if (!parser_.parse(options)) {
        const QStringList unknown = parser_.unknownOptionNames();
        for (const QString& argument : arguments)
            if (!unknown.isEmpty() && optionName(argument) == unknown.first())
                throw UnknownArgument(argument);
        throw UsageError(parser_.errorText());
    }
}

bool CommandLine::isSet(const QString& name) const
{
    return parser_.isSet(name);
}

QString CommandLine::value(const QString& name) const
{
    return parser_.value(name);
}

QStringList CommandLine::positionalArguments() const
{
    return parser_.positionalArguments();
}

SharedOptions CommandLine::shared(sky::Instant now, const std::optional<sky::Zone>& shownClock) const
{
    SharedOptions options;
    if (isSet(QStringLiteral("help")))
        options.request = SharedOptions::Request::Help;
    else if (isSet(QStringLiteral("version")))
        options.request = SharedOptions::Request::Version;

    if (isSet(QStringLiteral("hemisphere"))) {
        const QString value = this->value(QStringLiteral("hemisphere"));
        if (value == u"north")
            options.hemisphere = Hemisphere::North;
        else if (value == u"south")
            options.hemisphere = Hemisphere::South;
        else
            throw UsageError(QCoreApplication::translate("CommandLine", "--hemisphere: %1 non va bene: serve north o south").arg(quoted(value)));
    }
    const sky::ZoneTable zones;
    if (isSet(QStringLiteral("place"))) {
        try {
            options.place = readPlace(value(QStringLiteral("place")), zones);
        } catch (const sky::BadPlace& error) {
            throw UsageError(QStringLiteral("--place: ") + describe(error));
        }
    } else {
        options.place = sky::systemPlace(zones);
        options.placeFromZone = options.place.has_value();
    }
    // Local times are the place's own, --date's among them; without a
    // place of its own, the one the program will show.
    const sky::Zone clock = isSet(QStringLiteral("place")) || !shownClock ? sky::clockOf(options.place) : *shownClock;
    if (isSet(QStringLiteral("date"))) {
        const QString value = this->value(QStringLiteral("date"));
        try {
            options.when = sky::parseWhen(value.toStdString(), now, clock);
        } catch (const sky::BadDate& error) {
            throw UsageError(QStringLiteral("--date: ") + describe(error));
        } catch (const sky::OutOfRange& error) {
            throw UsageError(QStringLiteral("--date: ") + describe(error));
        }
    }
    return options;
}

} // namespace luna
