// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "Sky.h"

#include <QFileSystemWatcher>
#include <QObject>

#include <chrono>

class QSocketNotifier;

namespace luna {

// An alarm on a clock that keeps to the calendar: it rings at the instant
// set even when the machine slept through it (then at once on waking), and
// says when the system's clock was set or the time zone changed. It costs
// nothing while it waits. The clock may run ahead of the system's or behind
// it (LUNA_CLOCK): the alarm keeps to it.
class WallClock : public QObject {
    Q_OBJECT

public:
    explicit WallClock(const sky::Clock& clock = sky::programClock(), QObject* parent = nullptr);
    ~WallClock() override;

    sky::Instant now() const;
    const sky::Clock& source() const { return clock_; }

    // Rings alarm() at `when`, instead of any alarm set before.
    void wakeAt(sky::Instant when);

signals:
    void alarm();
    // The clock was set, or the time zone changed: what was planned by it
    // is to be planned again.
    void jumped();

private:
    void ring();

    const sky::Clock& clock_;
    int timer_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    sky::Instant wake_{};
    QFileSystemWatcher zone_;
};

} // namespace luna
