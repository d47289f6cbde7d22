// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalDates.h"

namespace luna {

using namespace std::chrono;

QDate toQDate(year_month_day date)
{
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

year_month_day toYearMonthDay(QDate date)
{
    return year(date.year()) / month(unsigned(date.month())) / day(unsigned(date.day()));
}

QDateTime clockReading(sky::Instant when, const sky::Zone& zone)
{
    const local_seconds reading = zone.local(sky::nearestMinute(when));
    return QDateTime::fromSecsSinceEpoch(reading.time_since_epoch().count(), Qt::UTC);
}

QDate dayOf(sky::Instant when, const sky::Zone& zone)
{
    return toQDate(zone.day(sky::nearestMinute(when)));
}

sky::Instant instantAt(QDate date, QTime time, const sky::Zone& zone)
{
    return zone.at(toYearMonthDay(date), seconds(time.msecsSinceStartOfDay() / 1000));
}

} // namespace luna
