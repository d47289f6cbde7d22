// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthPage.h"

#include "CalendarTexts.h"
#include "DayCell.h"
#include "Formats.h"
#include "LocalDates.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <cmath>

namespace luna {

namespace {

constexpr double margin = 36;
constexpr double titleHeight = 44;
constexpr double headerHeight = 18;
// A month of six weeks gives up some of each day's height to the lines
// below it.
constexpr double cellHeight = 92;
constexpr double shortCellHeight = 80;
// The waxing days are shaded warm, the waning ones cool.
const QColor waxingShade(0xfb, 0xf3, 0xdc);
const QColor waningShade(0xe4, 0xea, 0xf4);
const QColor ink(0x20, 0x20, 0x20);
const QColor faint(0x60, 0x60, 0x60);

// A font sized in the page's points whatever the device's resolution: the
// page is drawn in points and scaled to the device.
QFont font(int points, QFont::Weight weight = QFont::Normal)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(points);
    f.setWeight(weight);
    return f;
}

// The zone the page's times are in: its name and, for the month's middle,
// its abbreviation ("Europe/Rome, CET"), or the abbreviation alone where the
// place has no zone of its own.
QString zoneOf(const sky::MonthFacts& facts, sky::Instant middle)
{
    if (!facts.place || facts.place->zone.empty())
        return zoneName(middle, facts.clock);
    return QStringLiteral("%1, %2").arg(QString::fromStdString(facts.place->zone), zoneName(middle, facts.clock));
}

} // namespace

QColor MonthPage::shade(bool waxing)
{
    return waxing ? waxingShade : waningShade;
}

MonthPage::MonthPage(const sky::MonthFacts& facts, Hemisphere hemisphere, QString place, HijriDates hijri)
    : facts_(facts)
    , hemisphere_(hemisphere)
    , place_(std::move(place))
    , hijri_(hijri)
{
}

void MonthPage::setToday(const std::optional<QDate>& today)
{
    today_ = today;
}

int MonthPage::firstColumn() const
{
    return QDate(facts_.year, int(facts_.month), 1).dayOfWeek() - 1;
}

int MonthPage::rows() const
{
    return (firstColumn() + int(facts_.days.size()) + 6) / 7;
}

double MonthPage::rowHeight() const
{
    return rows() > 5 ? shortCellHeight : cellHeight;
}

QRectF MonthPage::cell(int index) const
{
    const double width = (a4.width() - 2 * margin) / 7;
    const int slot = firstColumn() + index;
    const int row = slot / 7, column = slot % 7;
    const double height = rowHeight();
    return {margin + column * width, margin + titleHeight + headerHeight + row * height, width, height};
}

std::optional<QDate> MonthPage::dayAt(const QRectF& page, QPointF point) const
{
    const QPointF onA4((point.x() - page.left()) * a4.width() / page.width(),
                       (point.y() - page.top()) * a4.height() / page.height());
    for (std::size_t i = 0; i < facts_.days.size(); ++i)
        if (cell(int(i)).contains(onA4))
            return toQDate(facts_.days[i].date);
    return std::nullopt;
}

void MonthPage::paint(QPainter& painter, const QRectF& page) const
{
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(page.width() / a4.width(), page.height() / a4.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), a4), Qt::white);

    painter.setPen(ink);
    painter.setFont(font(20, QFont::Bold));
    painter.drawText(QRectF(margin, margin, a4.width() - 2 * margin, titleHeight), Qt::AlignLeft | Qt::AlignTop,
                     monthTitle(facts_.year, facts_.month));

    const double width = (a4.width() - 2 * margin) / 7;
    painter.setFont(font(9, QFont::Bold));
    const QStringList initials = weekdayInitials();
    for (int column = 0; column < 7 && column < initials.size(); ++column)
        painter.drawText(QRectF(margin + column * width, margin + titleHeight, width, headerHeight),
                         Qt::AlignCenter, initials[column]);

    DayCellStyle style;
    style.number = font(10, QFont::Bold);
    style.phase = font(8);
    style.notes = font(7);
    style.ink = ink;
    style.notesInk = faint;
    style.border = QColor(0xb0, 0xb0, 0xb0);
    style.borderWidth = 0.5;
    style.inset = QPointF(4, 2);
    style.line = QFontMetricsF(style.number).height();
    style.moonRadius = 17;
    style.moonGap = 20 - style.inset.y() - style.line;
    style.notesGap = 3;
    style.phaseTime = true;
    style.hijri = hijri_;
    for (std::size_t i = 0; i < facts_.days.size(); ++i)
        paintDayCell(painter, cell(int(i)), facts_, i, hemisphere_, style,
                     today_ && *today_ == toQDate(facts_.days[i].date) ? DayMark::Today : DayMark::Plain);

    // The month's events, then the halves.
    double y = margin + titleHeight + headerHeight + rows() * rowHeight() + 14;
    painter.setPen(ink);
    painter.setFont(font(9));
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.lineSpacing();
    const double footerTop = a4.height() - margin - 2 * line;
    // A long line (a solar eclipse seen from the place) wraps.
    const int wrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (const sky::MonthEvent& event : facts_.events) {
        QString text = eventText(event, facts_.clock);
        if (event.kind == sky::MonthEvent::Kind::Phase)
            text = phaseSymbol(event.phase, hemisphere_) + u' ' + text;
        const QRectF room(margin, y, a4.width() - 2 * margin, footerTop - y);
        const double height = metrics.boundingRect(room, wrapped, text).height();
        if (height > room.height())
            break;
        painter.drawText(room, wrapped, text);
        y += height;
    }
    y += line / 2;
    for (const sky::Half& half : facts_.halves) {
        if (y + line > footerTop)
            break;
        painter.fillRect(QRectF(margin, y + 2, 10, line - 4), half.waxing ? waxingShade : waningShade);
        painter.drawText(QPointF(margin + 16, y + metrics.ascent()), halfText(half, facts_.clock));
        y += line;
    }

    // The footer: what the days' marks mean, where, in which time zone, and
    // when the Moons are drawn.
    painter.setPen(faint);
    painter.setFont(font(8));
    QStringList legend;
    QString marks;
    for (const sky::DayFacts& day : facts_.days)
        marks += dayMarks(facts_, day);
    if (marks.contains(u'★'))
        legend << QCoreApplication::translate("Calendar", "★ superluna");
    if (marks.contains(u'☉'))
        legend << QCoreApplication::translate("Calendar", "☉ eclissi di Sole");
    if (marks.contains(u'☾'))
        legend << QCoreApplication::translate("Calendar", "☾ eclissi di Luna");
    if (!legend.isEmpty())
        painter.drawText(QRectF(margin, footerTop - line, a4.width() - 2 * margin, 2 * line),
                         Qt::AlignLeft | Qt::AlignBottom, legend.join(QStringLiteral(" · ")));
    const sky::Instant middle = facts_.days[facts_.days.size() / 2].evening;
    const QString where = place_.isEmpty() ? QCoreApplication::translate("Calendar", "nessun luogo: senza sorgere e tramontare")
                                           : place_;
    painter.drawText(QRectF(margin, footerTop, a4.width() - 2 * margin, 2 * line), Qt::AlignLeft | Qt::AlignBottom,
                     QCoreApplication::translate("Calendar", "%1 · fuso orario %2 · %3")
                         .arg(where, zoneOf(facts_, middle), eveningNote()));
    painter.restore();
}

} // namespace luna
