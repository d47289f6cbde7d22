#pragma once

#include "PhaseDescription.h"
#include "Sky.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace luna {

// What luna was asked to do by its command line.
struct LunaOptions {
    enum class Task { Window, Help, Version };

    Task task = Task::Window;
    std::optional<sky::Instant> when; // open on the Moon of this instant
    Hemisphere hemisphere = Hemisphere::North;
};

// Reads the arguments after the program's name; `now` is what --date now
// means. Throws std::invalid_argument with one line, in Italian, naming the
// argument and what is wrong with it.
LunaOptions parseLunaArguments(const std::vector<std::string_view>& arguments, sky::Instant now);

std::string lunaUsage();

} // namespace luna
