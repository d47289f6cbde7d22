// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Clock.h"

#include "When.h"

#include <cstdlib>

namespace luna::sky {

namespace {

Instant systemNow()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

} // namespace

Instant SystemClock::now() const
{
    return systemNow() + offset_;
}

void SystemClock::startAt(Instant when)
{
    offset_ = when - systemNow();
}

SystemClock& programClock()
{
    static SystemClock clock;
    return clock;
}

void startProgramClock()
{
    const char* start = std::getenv("LUNA_CLOCK");
    if (!start || !*start)
        return;
    programClock().startAt(parseWhen(start, systemNow(), Zone::system()));
}

} // namespace luna::sky
