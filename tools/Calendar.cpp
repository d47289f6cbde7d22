// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Calendar.h"

#include "CalendarTexts.h"
#include "CrescentTexts.h"
#include "Formats.h"
#include "LocalDates.h"
#include "PhaseTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace luna {

namespace {

using namespace std::chrono;

QString digits(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return {};
    return text.toString();
}

QString monthText(const sky::MonthFacts& facts, Hemisphere hemisphere, HijriDates hijri)
{
    // Cells of three characters, the day and its mark, a blank between.
    const QString title = monthTitle(facts.year, facts.month);
    constexpr int width = 7 * 3 + 6;
    QString text = QString(std::max(0, int(width - title.size()) / 2), u' ') + title + u'\n';
    const QStringList initials = weekdayInitials();
    QStringList header;
    for (const QString& initial : initials)
        header << initial.leftJustified(3);
    text += header.join(u' ').trimmed() + u'\n';

    QStringList row;
    for (int i = 1; i < QDate(facts.year, int(facts.month), 1).dayOfWeek(); ++i)
        row << QStringLiteral("   ");
    const auto flush = [&] {
        QString line = row.join(u' ');
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
        row.clear();
    };
    for (const sky::DayFacts& day : facts.days) {
        row << QStringLiteral("%1").arg(unsigned(day.date.day()), 2) 
               + (day.principal ? phaseSymbol(day.principal->phase, hemisphere) : QStringLiteral(" "));
        if (row.size() == 7)
            flush();
    }
    if (!row.isEmpty())
        flush();

    text += u'\n';
    for (const sky::MonthEvent& event : facts.events)
        text += eventText(event, facts.clock) + u'\n';
    for (const sky::Half& half : facts.halves)
        text += halfText(half, facts.clock) + u'\n';
    // The Hijri months that begin within it.
    if (hijri == HijriDates::Shown)
        for (const sky::DayFacts& day : facts.days)
            if (day.hijri.day == 1)
                text += QCoreApplication::translate("Calendar", "Calendario islamico: %2 è il %1\n")
                            .arg(hijriText(day.hijri), QLocale().toString(toQDate(day.date), longDateFormat(DateParts::WithoutYear)));
    return text;
}

} // namespace

std::vector<unsigned> CalendarSpan::months() const
{
    if (month != 0)
        return {month};
    return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
}

std::optional<CalendarSpan> calendarSpanFromText(QStringView text)
{
    if (text.size() != 4 && !(text.size() == 7 && text[4] == u'-'))
        return std::nullopt;
    const QString year = digits(text.first(4));
    if (year.isEmpty())
        return std::nullopt;
    CalendarSpan span{year.toInt(), 0};
    if (text.size() == 7) {
        const QString month = digits(text.sliced(5));
        if (month.isEmpty() || month.toInt() < 1 || month.toInt() > 12)
            return std::nullopt;
        span.month = unsigned(month.toInt());
    }
    if (span.year < sky::firstYear || span.year > sky::lastYear)
        return std::nullopt;
    return span;
}

std::vector<sky::MonthFacts> calendarFacts(const CalendarSpan& span, const std::optional<sky::Place>& place)
{
    std::vector<sky::MonthFacts> months;
    for (unsigned month : span.months())
        months.push_back(sky::monthFacts(span.year, month, place));
    return months;
}

QString calendarText(const std::vector<sky::MonthFacts>& months, Hemisphere hemisphere, HijriDates hijri)
{
    QStringList parts;
    for (const sky::MonthFacts& facts : months)
        parts << monthText(facts, hemisphere, hijri);
    return parts.join(u'\n');
}

} // namespace luna
