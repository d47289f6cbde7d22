// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sky.h"

#include <chrono>

namespace luna::sky {

// What "now" is. Whatever reads the present is handed one of these, so that
// a test can say what the present is.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Instant now() const = 0;
};

// The system's clock, started at another instant if asked, from where it
// runs on at the same pace.
class SystemClock final : public Clock {
public:
    Instant now() const override;
    void startAt(Instant when);

private:
    std::chrono::seconds offset_{0};
};

// The program's one clock. LUNA_CLOCK, an instant as parseWhen reads it
// (2026-12-24T21:00:00Z), starts it there: startProgramClock() reads it and
// throws BadDate or OutOfRange for a value it cannot take.
SystemClock& programClock();
void startProgramClock();

} // namespace luna::sky
