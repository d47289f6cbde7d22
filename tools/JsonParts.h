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

// One JSON document on a line of its own, as luna-render prints it.
QString compactJson(const QJsonObject& object);

// An instant in ISO 8601 UTC, or null.
QJsonValue isoOrNull(const std::optional<sky::Instant>& when);

// A local date in ISO 8601, "2027-02-08", or null.
QString isoDate(std::chrono::year_month_day date);
QJsonValue isoDateOrNull(const std::optional<std::chrono::year_month_day>& date);

// The Sun's hours: sunrise, sunset and the twilights' dawns and dusks.
QJsonObject sunObject(const sky::SunHours& sun);

// Stretches of time, each {"from", "to"}.
QJsonArray stretchesArray(const std::vector<sky::Stretch>& stretches);

} // namespace luna
