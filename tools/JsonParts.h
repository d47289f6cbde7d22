// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pieces of luna-render's JSON that several answers share, written the
// same wherever they appear.

#include "Topocentric.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <optional>
#include <vector>

namespace luna {

// An instant in ISO 8601 UTC, or null.
QJsonValue isoOrNull(const std::optional<sky::Instant>& when);

// The Sun's hours: sunrise, sunset and the twilights' dawns and dusks.
QJsonObject sunObject(const sky::SunHours& sun);

// Stretches of time, each {"from", "to"}.
QJsonArray stretchesArray(const std::vector<sky::Stretch>& stretches);

} // namespace luna
