// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the sky's parts share inside the library: time scales and the Moon and
// Sun as ERFA gives them. Not for use outside sky/.

#include "Sky.h"

namespace luna::sky::detail {

// Seconds since 1970 in UTC, the clock of Instant, with a fraction.
using Seconds = double;

inline Seconds toSeconds(Instant when)
{
    return Seconds(when.time_since_epoch().count());
}

Instant toInstant(Seconds when);

// The two-part Julian date in UTC (taken for UT1, within a second).
void universalTime(Seconds when, double& ut1, double& ut2);

// The two-part Julian date in TT. Before 1960, when UTC did not exist yet,
// ERFA takes TAI for UTC; that is within a minute of Universal Time over the
// years supported.
void terrestrialTime(Seconds when, double& tt1, double& tt2);

// TT - UTC at `when`, in days: constant between leap seconds.
double terrestrialOffset(Seconds when);

// The Moon's geocentric position (au) and velocity (au/day) in the GCRS, at
// TT.
void moonAt(double tt1, double tt2, double (&pv)[2][3]);

// The Sun's geocentric position in the GCRS (au), displaced by the
// aberration of the Earth's motion, at TT.
void sunAt(double tt1, double tt2, double (&position)[3]);

// The elongation, in degrees, unchecked.
double elongationAt(Seconds when);

} // namespace luna::sky::detail
