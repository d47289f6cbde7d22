// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Zone.h"

#include "Place.h"

#include <date/tz.h>

#include <stdexcept>

namespace luna::sky {

namespace {

using namespace std::chrono;

date::sys_seconds toDate(Instant when)
{
    return date::sys_seconds{when.time_since_epoch()};
}

} // namespace

std::optional<Zone> Zone::named(std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    try {
        return Zone(date::locate_zone(name));
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

Zone Zone::system()
{
    return named(systemZoneName()).value_or(Zone());
}

std::string Zone::name() const
{
    return zone_ ? std::string(zone_->name()) : std::string("UTC");
}

seconds Zone::offset(Instant when) const
{
    return zone_ ? zone_->get_info(toDate(when)).offset : seconds(0);
}

std::string Zone::abbreviation(Instant when) const
{
    return zone_ ? zone_->get_info(toDate(when)).abbrev : std::string("UTC");
}

local_seconds Zone::local(Instant when) const
{
    return local_seconds{when.time_since_epoch() + offset(when)};
}

year_month_day Zone::day(Instant when) const
{
    return year_month_day{floor<days>(local(when))};
}

Instant Zone::at(local_seconds local) const
{
    if (!zone_)
        return Instant{local.time_since_epoch()};
    const auto info = zone_->get_info(date::local_seconds{local.time_since_epoch()});
    if (info.result == date::local_info::nonexistent)
        return Instant{info.first.end.time_since_epoch()};
    return Instant{local.time_since_epoch() - info.first.offset};
}

Instant Zone::at(year_month_day date, seconds timeOfDay) const
{
    return at(local_days(date) + timeOfDay);
}

Instant Zone::startOfDay(year_month_day date) const
{
    return at(date, seconds(0));
}

DaySpan daySpan(const Zone& clock, year_month_day date)
{
    constexpr seconds half(30);
    return {clock.startOfDay(date) - half, clock.startOfDay(year_month_day(sys_days(date) + days(1))) - half};
}

DaySpan daySpanHolding(const Zone& clock, Instant when)
{
    return daySpan(clock, clock.day(nearestMinute(when)));
}

} // namespace luna::sky
