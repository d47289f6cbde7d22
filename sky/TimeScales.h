// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The time scales, owned here and nowhere else.
//
// An Instant counts the civil clock: UTC from 1972, when its seconds became
// the atomic ones and leap seconds kept it within 0.9 s of the Earth's
// rotation; Universal Time before then; and after the last leap second (the
// end of 2016), UTC without further ones, as civil clocks are expected to
// stop adding them.
//
// Terrestrial Time, which the ephemerides run on, is that clock plus
// TAI - UTC plus 32.184 s from 1972 on, and plus Delta T before.
//
// UT1, the Earth's rotation, is TT - Delta T. Delta T is the difference
// TT - UTC itself while the leap seconds kept UT1 and UTC together, through
// 2025; before 1972 and after 2025 it is Espenak and Meeus's polynomials,
// those of NASA's Five Millennium Canon, joined without a step to the
// clock of 2026 and falling back onto the polynomials by 2050.

#include "Sky.h"

namespace luna::sky::detail {

// Seconds since 1970 on the clock of Instant, with a fraction.
using Seconds = double;

inline Seconds toSeconds(Instant when)
{
    return Seconds(when.time_since_epoch().count());
}

Instant toInstant(Seconds when);

// The two-part Julian date that the clock reads.
void clockDate(Seconds when, double& d1, double& d2);

// TT - clock and UT1 - clock at `when`, in days: nearly constant over a
// day.
double terrestrialOffset(Seconds when);
double rotationOffset(Seconds when);

// The two-part Julian dates in TT and in UT1.
void terrestrialTime(Seconds when, double& tt1, double& tt2);
void universalTime(Seconds when, double& ut1, double& ut2);

// Espenak and Meeus's Delta T for a decimal year, in seconds.
double polynomialDeltaT(double year);

} // namespace luna::sky::detail
