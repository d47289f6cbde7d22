// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sky.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace date {
class time_zone;
}

namespace luna::sky {

// A civil clock: the rules of a zone of the time-zone database (the
// system's tzdata, through Howard Hinnant's date/tz), or UTC. A value to
// hand around: reading it changes nothing of the process's, so that any
// number of zones can be read at once, from any thread.
class Zone {
public:
    // UTC.
    Zone() = default;

    // The zone of that name ("Europe/Rome"), if the database has it.
    static std::optional<Zone> named(std::string_view name);
    // The system's zone: the one TZ names, else the one /etc/localtime
    // links to; UTC where neither names a zone of the database.
    static Zone system();

    // The database's name, or "UTC".
    std::string name() const;

    // What the clock reads at `when`, its offset from UTC and the
    // abbreviation it goes by then ("CET", "EDT").
    std::chrono::local_seconds local(Instant when) const;
    std::chrono::seconds offset(Instant when) const;
    std::string abbreviation(Instant when) const;

    // The date the clock shows at `when`.
    std::chrono::year_month_day day(Instant when) const;

    // The instant the clock reads `local`. A reading the clock skips (the
    // hour lost in spring) is taken as the first instant after the jump,
    // which the clock reads later; one it reads twice, as the first time.
    Instant at(std::chrono::local_seconds local) const;
    Instant at(std::chrono::year_month_day date, std::chrono::seconds timeOfDay) const;
    // The first instant of a date: its midnight, or where the clock jumps
    // over midnight, the moment the date begins.
    Instant startOfDay(std::chrono::year_month_day date) const;

    bool operator==(const Zone& other) const { return zone_ == other.zone_; }

private:
    explicit Zone(const date::time_zone* zone)
        : zone_(zone)
    {
    }

    const date::time_zone* zone_ = nullptr;
};

// The minute a person reads for an instant: the nearest, a half minute
// rounded up (00:12:30 reads 00:13), as the almanacs give their times.
// An event belongs to the day of that minute.
inline Instant nearestMinute(Instant when)
{
    return std::chrono::floor<std::chrono::minutes>(when + std::chrono::seconds(30));
}

// The local day an event belongs to on `clock`: the instants whose
// nearest minute falls on `date`, from half a minute before its first
// instant to half a minute before the next day's.
struct DaySpan {
    Instant from, to;
    bool holds(Instant when) const { return when >= from && when < to; }
};
DaySpan daySpan(const Zone& clock, std::chrono::year_month_day date);
// The day whose minutes hold `when`.
DaySpan daySpanHolding(const Zone& clock, Instant when);

} // namespace luna::sky
