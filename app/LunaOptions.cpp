#include "LunaOptions.h"

#include "When.h"

namespace luna {

namespace {

[[noreturn]] void fail(const std::string& message)
{
    throw std::invalid_argument(message);
}

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

} // namespace

LunaOptions parseLunaArguments(const std::vector<std::string_view>& arguments, sky::Instant now)
{
    LunaOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            options.task = LunaOptions::Task::Help;
            return options;
        }
        if (argument == "--version") {
            options.task = LunaOptions::Task::Version;
            return options;
        }
        if (argument != "--date" && argument != "--hemisphere")
            fail("argomento sconosciuto " + quoted(argument) + " (l'uso: luna --help)");
        if (i + 1 == arguments.size())
            fail(std::string(argument) + ": manca il valore");
        const std::string_view value = arguments[++i];
        if (argument == "--date") {
            try {
                options.when = sky::parseWhen(value, now);
            } catch (const std::exception& error) {
                fail("--date: " + std::string(error.what()));
            }
        } else if (value == "north" || value == "south") {
            options.hemisphere = value == "south" ? Hemisphere::South : Hemisphere::North;
        } else {
            fail("--hemisphere: " + quoted(value) + " non va bene: serve north o south");
        }
    }
    return options;
}

std::string lunaUsage()
{
    return "Uso: luna [--date QUANDO] [--hemisphere north|south]\n"
           "\n"
           "Mostra la fase della Luna per l'angolo scelto con la barra. Senza opzioni la\n"
           "finestra si apre a 0, con il disegno vuoto.\n"
           "\n"
           "Opzioni:\n"
           "  --date QUANDO            apre la finestra sulla Luna di un istante: now,\n"
           "                           AAAA-MM-GG (mezzanotte locale) o\n"
           "                           AAAA-MM-GGTHH:MM[:SS] con Z, ±HH:MM o niente per\n"
           "                           l'ora locale; dal 1900 al 2100\n"
           "  --hemisphere north|south l'emisfero da cui si guarda (predefinito north)\n"
           "  -h, --help               mostra questo aiuto\n"
           "  --version                mostra la versione\n"
           "\n"
           "Esempi:\n"
           "  luna --date now\n"
           "  luna --date 2026-12-24T22:00 --hemisphere south\n";
}

} // namespace luna
