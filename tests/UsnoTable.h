// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The U.S. Naval Observatory's yearly tables of rise and set, as the tests
// read them.

#include "Topocentric.h"

#include <QDate>
#include <QFile>
#include <QList>
#include <QString>

#include <optional>

// One day of a U.S. Naval Observatory table: rise and set in minutes after
// local midnight, or none; or the Moon up or down all day.
struct TableDay {
    int month = 0, day = 0;
    std::optional<int> rise, set;
    luna::sky::RiseSet::AllDay allDay = luna::sky::RiseSet::AllDay::Neither;
};

inline std::optional<int> minutesOf(const QString& field)
{
    bool ok = false;
    const int hhmm = field.toInt(&ok);
    return ok ? std::optional<int>(hhmm / 100 * 60 + hhmm % 100) : std::nullopt;
}

// The USNO's yearly "Rise and Set for the Moon" table: a line a day, two
// columns (rise, set) a month; a second line for the same day lists a
// second event, which is left out.
inline QList<TableDay> readTable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TableDay> days;
    int previous = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).leftJustified(140);
        bool ok = false;
        const int day = line.left(2).toInt(&ok);
        if (!ok || day == previous)
            continue;
        previous = day;
        for (int month = 1; month <= 12; ++month) {
            const QString rise = line.mid(4 + (month - 1) * 11, 4);
            const QString set = line.mid(9 + (month - 1) * 11, 4);
            if (!QDate(2023, month, day).isValid())
                continue;
            TableDay entry{month, day, minutesOf(rise), minutesOf(set)};
            if (rise == "****")
                entry.allDay = luna::sky::RiseSet::AllDay::Up;
            else if (rise == "----")
                entry.allDay = luna::sky::RiseSet::AllDay::Down;
            days << entry;
        }
    }
    return days;
}

