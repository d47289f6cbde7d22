// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhaseDescription.h"

#include "DrawLuna.h"

#include <cmath>
#include <numbers>

namespace luna {

double elongationOf(double angle, Hemisphere hemisphere)
{
    const int a = normalisedAngle(angle);
    return hemisphere == Hemisphere::South ? a : (360 - a) % 360;
}

int angleOfElongation(double elongation, Hemisphere hemisphere)
{
    return normalisedAngle(hemisphere == Hemisphere::South ? elongation : 360 - elongation);
}

PhaseId phaseOf(double elongation)
{
    const int e = normalisedAngle(elongation);
    // Each quarter's exact degree is its principal phase, the rest of the
    // quarter the span that follows it.
    const int quarter = e / 90;
    return PhaseId(2 * quarter + (e % 90 != 0));
}

const char* phaseKey(PhaseId phase)
{
    switch (phase) {
    case PhaseId::NewMoon:
        return "new_moon";
    case PhaseId::WaxingCrescent:
        return "waxing_crescent";
    case PhaseId::FirstQuarter:
        return "first_quarter";
    case PhaseId::WaxingGibbous:
        return "waxing_gibbous";
    case PhaseId::FullMoon:
        return "full_moon";
    case PhaseId::WaningGibbous:
        return "waning_gibbous";
    case PhaseId::LastQuarter:
        return "last_quarter";
    case PhaseId::WaningCrescent:
        return "waning_crescent";
    }
    return "";
}

} // namespace luna
