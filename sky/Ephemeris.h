// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the sky's parts share inside the library: time scales and the Moon and
// Sun as ERFA gives them. Not for use outside sky/.

#include "Sky.h"
#include "TimeScales.h"


namespace luna::sky::detail {

// The Moon's geocentric position (au) and velocity (au/day) in the GCRS, at
// TT.
void moonAt(double tt1, double tt2, double (&pv)[2][3]);

// The Sun's geocentric position in the GCRS (au), displaced by the
// aberration of the Earth's motion, at TT.
void sunAt(double tt1, double tt2, double (&position)[3]);

// The elongation, in degrees, unchecked.
double elongationAt(Seconds when);

} // namespace luna::sky::detail
