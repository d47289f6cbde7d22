// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LunaOptions.h"

#include <QCoreApplication>

namespace luna {

namespace {

// The options QGuiApplication and QApplication read for themselves, with a
// value or without.
void addQtOptions(CommandLine& line)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                             "display", "geometry", "style", "stylesheet", "qmljsdebugger",
                             "dialogs", "fontengine"})
        line.addOption({QString::fromLatin1(name), {}, QStringLiteral("VALUE")},
                       CommandLine::Shown::Hidden);
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"})
        line.addOption({QString::fromLatin1(name), {}}, CommandLine::Shown::Hidden);
}

} // namespace

LunaOptions parseLunaArguments(const QStringList& arguments, sky::Instant now, const std::optional<sky::Zone>& shownClock)
{
    CommandLine line;
    addQtOptions(line);
    line.addOption({QStringLiteral("tray"), {}});
    try {
        line.read(arguments);
    } catch (const UnknownArgument& unknown) {
        throw UsageError(QCoreApplication::translate("luna", "argomento sconosciuto %1 (l'uso: luna --help)").arg(quoted(unknown.argument)));
    }
    if (!line.positionalArguments().isEmpty())
        throw UsageError(QCoreApplication::translate("luna", "argomento sconosciuto %1 (l'uso: luna --help)")
                             .arg(quoted(line.positionalArguments().first())));

    const SharedOptions shared = line.shared(now, shownClock);
    LunaOptions options;
    switch (shared.request) {
    case SharedOptions::Request::Help:
        options.task = LunaOptions::Task::Help;
        break;
    case SharedOptions::Request::Version:
        options.task = LunaOptions::Task::Version;
        break;
    case SharedOptions::Request::Run:
        if (line.isSet(QStringLiteral("tray")))
            options.task = LunaOptions::Task::Tray;
        break;
    }
    options.when = shared.when;
    options.hemisphere = shared.hemisphere;
    if (!shared.placeFromZone)
        options.place = shared.place;
    return options;
}

QString lunaUsage()
{
    return QCoreApplication::translate("luna", "Uso: luna [--date QUANDO] [--hemisphere north|south] [--place LUOGO]\n"
              "     luna --tray\n"
              "\n"
              "Mostra la fase della Luna per l'angolo scelto con la barra. Senza opzioni la\n"
              "finestra si apre a 0, con il disegno vuoto.\n"
              "\n"
              "Opzioni:\n"
              "  --date QUANDO            apre la finestra sulla Luna di un istante: now,\n"
              "                           AAAA-MM-GG (mezzanotte locale) o\n"
              "                           AAAA-MM-GGTHH:MM[:SS] con Z, ±HH:MM o niente per\n"
              "                           l'ora locale; dal 1900 al 2100\n"
              "  --hemisphere north|south l'emisfero da cui si guarda (predefinito quello del\n"
              "                           luogo, o north)\n"
              "  --place LUOGO            il luogo: una città (Roma), LAT,LON[,ALTEZZA] in\n"
              "                           gradi e metri, o un fuso orario (Europe/Rome);\n"
              "                           predefinito quello del fuso orario\n"
              "  --tray                   la Luna di stasera nell'area di notifica, con un\n"
              "                           avviso a ogni luna piena e nuova; dove il desktop\n"
              "                           non mostra icone, solo gli avvisi\n"
              "  -h, --help               mostra questo aiuto\n"
              "  --version                mostra la versione\n"
              "\n"
              "Accetta anche le opzioni di ogni programma Qt, come -style e -platform.\n"
              "\n"
              "Esempi:\n"
              "  luna --date now\n"
              "  luna --date 2026-12-24T22:00 --hemisphere south\n");
}

} // namespace luna
