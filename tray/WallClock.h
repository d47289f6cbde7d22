// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sky.h"

#include <QFileSystemWatcher>
#include <QObject>

#include <chrono>

class QSocketNotifier;

namespace luna {

// The wall clock, and an alarm on it that keeps to the calendar: it rings at
// the instant set even when the machine slept through it (then at once on
// waking), and says when the clock was set or the time zone changed. It
// costs nothing while it waits.
//
// LUNA_CLOCK=YYYY-MM-DDTHH:MM:SSZ starts the clock at that instant instead
// of the present, from where it runs on: the seam by which tests bring a
// full moon near.
class WallClock : public QObject {
    Q_OBJECT

public:
    explicit WallClock(QObject* parent = nullptr);
    ~WallClock() override;

    sky::Instant now() const;

    // Rings alarm() at `when`, instead of any alarm set before.
    void wakeAt(sky::Instant when);

signals:
    void alarm();
    // The clock was set, or the time zone changed: what was planned by it
    // is to be planned again.
    void jumped();

private:
    void ring();

    int timer_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::chrono::seconds offset_{0};
    sky::Instant wake_{};
    QFileSystemWatcher zone_;
};

} // namespace luna
