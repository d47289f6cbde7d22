// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CalendarTexts.h"

#include "EclipseTexts.h"
#include "Formats.h"
#include "LocalDates.h"
#include "PhaseTexts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace luna {

namespace {

QString dayOnly(sky::Instant when, const sky::Zone& zone)
{
    return timeText(when, longDateFormat(DateParts::DayAndMonth) + QStringLiteral(", HH:mm"), zone);
}

} // namespace

QString monthTitle(int year, unsigned month)
{
    return QCoreApplication::translate("Calendar", "%1 %2")
        .arg(QLocale().standaloneMonthName(int(month), QLocale::LongFormat))
        .arg(year);
}

QStringList weekdayInitials()
{
    return QCoreApplication::translate("Calendar", "Lu Ma Me Gi Ve Sa Do").split(u' ');
}

QString phaseSymbol(sky::Phase phase, Hemisphere hemisphere)
{
    const bool south = hemisphere == Hemisphere::South;
    switch (phase) {
    case sky::Phase::New:
        return QStringLiteral("●");
    case sky::Phase::FirstQuarter:
        return south ? QStringLiteral("◑") : QStringLiteral("◐");
    case sky::Phase::Full:
        return QStringLiteral("○");
    case sky::Phase::LastQuarter:
        return south ? QStringLiteral("◐") : QStringLiteral("◑");
    }
    return {};
}

QString dayAndTime(sky::Instant when, const sky::Zone& zone)
{
    return timeText(when, longDateFormat(DateParts::WithoutYear) + QStringLiteral(", HH:mm"), zone);
}

QString timeOfDay(sky::Instant when, const sky::Zone& zone)
{
    return timeText(when, QStringLiteral("HH:mm"), zone);
}

QString eventText(const sky::MonthEvent& event, const sky::Zone& zone)
{
    using Kind = sky::MonthEvent::Kind;
    const QString superMoon = event.superMoon ? QCoreApplication::translate("Calendar", " (superluna)") : QString();
    switch (event.kind) {
    case Kind::Phase:
        return QCoreApplication::translate("Calendar", "%1: %2%3")
            .arg(principalPhaseName(int(event.phase)), dayAndTime(event.when, zone), superMoon);
    case Kind::Perigee:
        return QCoreApplication::translate("Calendar", "Perigeo: %1, %2 km%3")
            .arg(dayAndTime(event.when, zone), QLocale().toString(qlonglong(std::llround(event.distanceKm))), superMoon);
    case Kind::Apogee:
        return QCoreApplication::translate("Calendar", "Apogeo: %1, %2 km")
            .arg(dayAndTime(event.when, zone), QLocale().toString(qlonglong(std::llround(event.distanceKm))));
    case Kind::Eclipse: {
        const double magnitude = event.eclipse.type == sky::EclipseType::Penumbral
            ? event.eclipse.penumbralMagnitude
            : event.eclipse.magnitude;
        QString name = eclipseName(event.eclipse);
        name[0] = name[0].toUpper();
        const QString text = QCoreApplication::translate("Calendar", "%1: %2, magnitudine %3")
                                 .arg(name, dayAndTime(event.when, zone), decimal(magnitude, 3));
        if (event.visibility)
            return text + lunarVisibilityText(*event.visibility);
        return event.local ? text + QStringLiteral("; ") + localEclipseText(*event.local, zone) : text;
    }
    }
    return {};
}

QString eventOfTheDayText(const sky::MonthEvent& event, const sky::Zone& zone)
{
    using Kind = sky::MonthEvent::Kind;
    const QString time = timeOfDay(event.when, zone);
    const QString km = QLocale().toString(qlonglong(std::llround(event.distanceKm)));
    switch (event.kind) {
    case Kind::Phase:
        return QCoreApplication::translate("Calendar", "%1 alle %2").arg(principalPhaseName(int(event.phase)).toLower(), time);
    case Kind::Perigee:
        return QCoreApplication::translate("Calendar", "perigeo alle %1, %2 km").arg(time, km);
    case Kind::Apogee:
        return QCoreApplication::translate("Calendar", "apogeo alle %1, %2 km").arg(time, km);
    case Kind::Eclipse:
        return QCoreApplication::translate("Calendar", "%1 alle %2").arg(eclipseName(event.eclipse), time);
    }
    return {};
}

QString halfText(const sky::Half& half, const sky::Zone& zone)
{
    const auto day = [&](sky::Instant when) { return dayOf(when, zone).day(); };
    return (half.waxing ? QCoreApplication::translate("Calendar", "crescente %1 %2")
                        : QCoreApplication::translate("Calendar", "calante %1 %2"))
        .arg(fromTheDay(day(half.from), dayOnly(half.from, zone)), toTheDay(day(half.to), dayOnly(half.to, zone)));
}

QString eveningNote()
{
    return QCoreApplication::translate("Calendar", "Luna alle %1")
        .arg(QStringLiteral("%1:00").arg(sky::eveningHour.count(), 2, 10, QLatin1Char('0')));
}

QString zoneName(sky::Instant when, const sky::Zone& zone)
{
    return QString::fromStdString(zone.abbreviation(when));
}

} // namespace luna
