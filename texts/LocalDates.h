// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Zone.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <chrono>

namespace luna {

// Qt's dates and a zone's days, one to the other, without the process's
// own zone in between.
QDate toQDate(std::chrono::year_month_day date);
std::chrono::year_month_day toYearMonthDay(QDate date);

// What `zone` reads at the minute people read for `when` (see
// sky::nearestMinute), as a QDateTime whose fields are that reading.
QDateTime clockReading(sky::Instant when, const sky::Zone& zone);

// The day `zone` reads at the minute people read for `when`: the day an
// event belongs to.
QDate dayOf(sky::Instant when, const sky::Zone& zone);

// The instant `zone` reads `time` on `date` (see sky::Zone::at).
sky::Instant instantAt(QDate date, QTime time, const sky::Zone& zone);

} // namespace luna
