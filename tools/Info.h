// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MoonReport.h"
#include "RenderOptions.h"

#include <QString>

namespace luna {

// What a picture stands for, as luna-render --info prints it: for an angle,
// the angle, elongation, phase and lit part; for an instant, also the
// instant, the Moon's age and the next four phases. As text for people, or
// as one JSON object. Throws sky::OutOfRange.
QString phaseInfo(const RenderOptions& options);

// The next eclipses of RenderOptions::Task::Eclipses, a line each, or as a
// JSON array. Throws sky::OutOfRange.
QString eclipsesReport(const RenderOptions& options);


} // namespace luna
