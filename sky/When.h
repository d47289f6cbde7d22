// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sky.h"
#include "Zone.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace luna::sky {

// A text that names no instant, and why.
class BadDate : public std::invalid_argument {
public:
    enum class Reason {
        Form,      // not written as the forms below
        Calendar,  // a day the calendar does not have
        TimeOfDay, // an hour, minute or second out of range
        Offset,    // an impossible offset from UTC
    };

    BadDate(std::string written, Reason why)
        : std::invalid_argument("not an instant: " + written)
        , text(std::move(written))
        , reason(why)
    {
    }

    std::string text;
    Reason reason;
};

// The instant a person names: "now"; a date, YYYY-MM-DD, taken as the
// first instant of that day on `clock`; or a date and time, YYYY-MM-DDTHH:MM
// or YYYY-MM-DDTHH:MM:SS, followed by Z for UTC, by an offset such as +01:00
// or -05:30, or by nothing for the time `clock` reads. `now` stands for the
// present. Throws BadDate, or OutOfRange for an instant outside the
// supported years.
Instant parseWhen(std::string_view text, Instant now, const Zone& clock);

} // namespace luna::sky
