// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DayCell.h"

#include "CalendarTexts.h"
#include "DrawLuna.h"
#include "LocalDates.h"
#include "CrescentTexts.h"
#include "MonthPage.h"
#include "PainterSurface.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <cmath>

namespace luna {

QString dayMarks(const sky::MonthFacts& facts, const sky::DayFacts& day)
{
    const QDate date = toQDate(day.date);
    QString marks;
    for (const sky::MonthEvent& event : facts.events) {
        if (dayOf(event.when, facts.clock) != date)
            continue;
        if (event.kind == sky::MonthEvent::Kind::Eclipse)
            marks += event.eclipse.kind == sky::EclipseKind::Solar ? QStringLiteral(" ☉") : QStringLiteral(" ☾");
        if (event.superMoon && event.kind == sky::MonthEvent::Kind::Phase)
            marks += QStringLiteral(" ★");
    }
    return marks;
}

void paintDayCell(QPainter& painter, const QRectF& box, const sky::MonthFacts& facts, std::size_t index,
                  Hemisphere hemisphere, const DayCellStyle& style, DayMark mark)
{
    const sky::DayFacts& day = facts.days[index];
    painter.fillRect(box, MonthPage::shade(day.waxing));
    painter.setPen(QPen(style.border, style.borderWidth));
    painter.drawRect(box.adjusted(0, 0, -style.borderWidth, -style.borderWidth));
    if (mark == DayMark::Today) {
        painter.setPen(QPen(QColor(0xc0, 0x30, 0x30), 2));
        painter.drawRect(box.adjusted(2, 2, -2, -2));
    }

    const QRectF top(box.left() + style.inset.x(), box.top() + style.inset.y(), box.width() - 2 * style.inset.x(),
                     style.line);
    painter.setPen(style.ink);
    painter.setFont(style.number);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(unsigned(day.date.day())) + dayMarks(facts, day));
    if (const auto& phase = day.principal) {
        painter.setFont(style.phase);
        QString sign = phaseSymbol(phase->phase, hemisphere);
        if (style.phaseTime)
            sign += u' ' + timeOfDay(phase->when, facts.clock);
        painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, sign);
    }

    // The Moon at 21:00, drawn as the window draws it.
    const QPointF centre(box.center().x(), top.bottom() + style.moonGap + style.moonRadius);
    {
        PainterSurface surface(painter);
        drawPhase(surface, centre.x(), centre.y(), angleOfElongation(day.elongation, hemisphere), style.moonRadius);
    }

    painter.setPen(style.notesInk);
    painter.setFont(style.notes);
    QString lines = QStringLiteral("%1%").arg(QLocale().toString(qlonglong(std::lround(day.illumination * 100))));
    if (day.riseSet) {
        const auto time = [&](const std::optional<sky::Instant>& at) {
            return at ? timeOfDay(*at, facts.clock) : QStringLiteral("—");
        };
        QString riseSet = QCoreApplication::translate("Calendar", "↑%1 ↓%2").arg(time(day.riseSet->rise), time(day.riseSet->set));
        // A narrow cell (a large font on a small screen) takes them on two
        // lines.
        if (QFontMetricsF(style.notes, painter.device()).horizontalAdvance(riseSet) > box.width() - 4)
            riseSet.replace(u' ', u'\n');
        lines += u'\n' + riseSet;
    }
    if (style.hijri == HijriDates::Shown)
        lines += u'\n' + hijriDayText(day.hijri);
    const double notesTop = centre.y() + style.moonRadius + style.notesGap;
    painter.drawText(QRectF(box.left(), notesTop, box.width(), box.bottom() - notesTop), Qt::AlignHCenter | Qt::AlignTop,
                     lines);
}

} // namespace luna
