// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhaseDescription.h"

#include <QString>

namespace luna {

// The phase's name in the user's language: "Luna nuova", "Luna crescente",
// "Primo quarto", "Gibbosa crescente", "Luna piena", "Gibbosa calante",
// "Ultimo quarto" or "Luna calante".
QString phaseName(PhaseId phase);

// The same name as written, in Italian whatever the language, for what
// scripts read.
QString phaseSourceName(PhaseId phase);

// The name of the phase at `elongation` and the lit part as a whole
// percentage, such as "Ultimo quarto, illuminata al 50%".
QString phaseDescription(double elongation);

// The name of a principal phase, 0 new to 3 last quarter.
QString principalPhaseName(int quarter);

// "nord" or "sud", as the texts name the hemispheres.
QString hemisphereName(Hemisphere hemisphere);

} // namespace luna
