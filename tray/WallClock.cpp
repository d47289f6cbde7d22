// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WallClock.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace luna {

namespace {

using namespace std::chrono;

sky::Instant systemNow()
{
    return floor<seconds>(system_clock::now());
}

} // namespace

WallClock::WallClock(const sky::Clock& clock, QObject* parent)
    : QObject(parent)
    , clock_(clock)
{
    timer_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timer_ >= 0) {
        notifier_ = new QSocketNotifier(timer_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &WallClock::ring);
    }
    // A new time zone moves the local days and times.
    zone_.addPath(QStringLiteral("/etc/localtime"));
    zone_.addPath(QStringLiteral("/etc/timezone"));
    connect(&zone_, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
        if (!zone_.files().contains(path))
            zone_.addPath(path);
        emit jumped();
    });
}

WallClock::~WallClock()
{
    if (timer_ >= 0)
        close(timer_);
}

sky::Instant WallClock::now() const
{
    return clock_.now();
}

void WallClock::wakeAt(sky::Instant when)
{
    wake_ = when;
    if (timer_ < 0)
        return;
    // On the system's clock; never in the past, which would mean never.
    const sky::Instant system = systemNow();
    const auto real = std::max(when - (clock_.now() - system), system) + seconds(1);
    itimerspec alarm{};
    alarm.it_value.tv_sec = real.time_since_epoch().count();
    // Set on CLOCK_REALTIME with CANCEL_ON_SET, the timer rings once the
    // calendar passes the instant, sleep or not, and a setting of the clock
    // cancels it with ECANCELED.
    timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &alarm, nullptr);
}

void WallClock::ring()
{
    std::uint64_t expirations = 0;
    if (read(timer_, &expirations, sizeof expirations) < 0) {
        if (errno == ECANCELED) {
            wakeAt(wake_);
            emit jumped();
        }
        return;
    }
    emit alarm();
}

} // namespace luna
