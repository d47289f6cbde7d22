// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TimeScales.h"

#include <erfa.h>

#include <cmath>

namespace luna::sky {

namespace detail {

using namespace std::chrono;

namespace {

constexpr double daySeconds = 86400;

// The clock's seconds when UTC began to count leap seconds, and when the
// Earth's rotation stops being taken from it.
const Seconds leapSecondsBegin = toSeconds(Instant{sys_days(year(1972) / 1 / 1)});
const Seconds rotationObservedUntil = toSeconds(Instant{sys_days(year(2026) / 1 / 1)});
constexpr double blendEnds = 2050;

double decimalYear(Seconds when)
{
    return 1970 + when / (365.2425 * daySeconds);
}

// TT - UTC in seconds from the leap-second table, from 1972 on.
double atomicOffset(Seconds when)
{
    const sys_seconds instant{seconds(static_cast<long long>(std::floor(when)))};
    const year_month_day date(floor<days>(instant));
    const double dayFraction = double((instant - floor<days>(instant)).count()) / daySeconds;
    double taiMinusUtc = 0;
    // Past the table's last year ERFA calls the year dubious but keeps its
    // last value, which is what a clock without further leap seconds reads.
    eraDat(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), dayFraction,
           &taiMinusUtc);
    return taiMinusUtc + 32.184;
}

} // namespace

Instant toInstant(Seconds when)
{
    return Instant{seconds(std::llround(when))};
}

void clockDate(Seconds when, double& d1, double& d2)
{
    const double whole = std::floor(when / daySeconds);
    d1 = 2440587.5 + whole;
    d2 = (when - whole * daySeconds) / daySeconds;
}

double polynomialDeltaT(double y)
{
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t
            - 0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4)
            + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

double terrestrialOffset(Seconds when)
{
    if (when < leapSecondsBegin)
        return polynomialDeltaT(decimalYear(when)) / daySeconds;
    return atomicOffset(when) / daySeconds;
}

double rotationOffset(Seconds when)
{
    if (when < rotationObservedUntil)
        return 0;
    // Delta T leaves the clock's TT - UTC where observation ends and meets
    // the polynomials by 2050.
    const double y = decimalYear(when);
    const double joinedAt = decimalYear(rotationObservedUntil);
    const double step = atomicOffset(rotationObservedUntil) - polynomialDeltaT(joinedAt);
    const double deltaT
        = polynomialDeltaT(y) + step * std::max(0.0, (blendEnds - y) / (blendEnds - joinedAt));
    return (atomicOffset(when) - deltaT) / daySeconds;
}

void terrestrialTime(Seconds when, double& tt1, double& tt2)
{
    clockDate(when, tt1, tt2);
    tt2 += terrestrialOffset(when);
}

void universalTime(Seconds when, double& ut1, double& ut2)
{
    clockDate(when, ut1, ut2);
    ut2 += rotationOffset(when);
}

} // namespace detail

double deltaT(Instant when)
{
    const detail::Seconds t = detail::toSeconds(when);
    return (detail::terrestrialOffset(t) - detail::rotationOffset(t)) * 86400;
}

} // namespace luna::sky
