// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthView.h"

#include "CalendarTexts.h"
#include "CrescentTexts.h"
#include "DayCell.h"
#include "Formats.h"
#include "LocalDates.h"
#include "MonthAccessible.h"
#include "MonthPage.h"
#include "PhaseTexts.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QToolTip>

#include <algorithm>

namespace luna {

MonthView::MonthView(QWidget* parent)
    : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(monthAccessible), true);
    Q_UNUSED(accessible)
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

MonthView::~MonthView() = default;

void MonthView::setMonth(const sky::MonthFacts& facts, Hemisphere hemisphere, const QString& /*place*/)
{
    facts_ = facts;
    hemisphere_ = hemisphere;
    const QDate first(facts.year, int(facts.month), 1);
    selected_ = today_.year() == facts.year && today_.month() == int(facts.month) ? today_ : first;
    setAccessibleName(monthTitle(facts.year, facts.month));
    updateGeometry();
    update();
}

void MonthView::setHijriDates(HijriDates hijri)
{
    hijri_ = hijri;
    updateGeometry();
    update();
}

void MonthView::setToday(QDate today)
{
    today_ = today;
    update();
}

void MonthView::selectDay(QDate day)
{
    if (day.year() == facts_.year && day.month() == int(facts_.month)) {
        selected_ = day;
        update();
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(day.day() - 1);
            QAccessible::updateAccessibility(&focus);
        }
        emit selected(dayRect(day));
    } else if (day.isValid()) {
        emit dayOutside(day);
    }
}

int MonthView::firstColumn() const
{
    return QDate(facts_.year, int(facts_.month), 1).dayOfWeek() - 1;
}

int MonthView::rows() const
{
    return (firstColumn() + int(facts_.days.size()) + 6) / 7;
}

MonthView::Measures MonthView::measures(int width) const
{
    const QFontMetrics metrics(font());
    Measures m;
    m.line = metrics.height();
    m.header = m.line + 6;
    m.cellWidth = width / 7;
    m.radius = std::clamp(m.cellWidth / 5, m.line / 2 + 2, 2 * m.line);
    // The number, the Moon, the lit part and the rise and set, on two lines
    // where the cell is too narrow for one.
    const int notes = (facts_.days.empty() || !facts_.days.front().riseSet || m.cellWidth >= riseSetWidth() + 12 ? 2 : 3)
        + (hijri_ == HijriDates::Shown ? 1 : 0);
    m.cellHeight = 4 + m.line + 4 + 2 * m.radius + 4 + notes * m.line + 4;
    return m;
}

int MonthView::riseSetWidth() const
{
    const QString zero = QLocale().toString(QTime(0, 0), QStringLiteral("HH:mm"));
    return QFontMetrics(font()).horizontalAdvance(QCoreApplication::translate("Calendar", "↑%1 ↓%2").arg(zero, zero));
}

QStringList MonthView::notes() const
{
    QStringList lines;
    for (const sky::MonthEvent& event : facts_.events) {
        QString text = eventText(event, facts_.clock);
        if (event.kind == sky::MonthEvent::Kind::Phase)
            text = phaseSymbol(event.phase, hemisphere_) + u' ' + text;
        lines << text;
    }
    for (const sky::Half& half : facts_.halves)
        lines << QStringLiteral("■ ") + halfText(half, facts_.clock);
    return lines;
}

int MonthView::heightFor(int width) const
{
    const Measures m = measures(width);
    const QFontMetrics metrics(font());
    int height = m.header + rows() * m.cellHeight + m.line;
    for (const QString& note : notes())
        height += metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, note).height();
    return height + m.line;
}

QSize MonthView::minimumSizeHint() const
{
    // The whole week, each day's rise and set at least on two lines, in
    // the system's font.
    const QFontMetrics metrics(font());
    const int width = 7 * (metrics.horizontalAdvance(QStringLiteral("↑00:00")) + 12);
    return {width, heightFor(width)};
}

QSize MonthView::sizeHint() const
{
    // Rise and set on one line.
    const int width = 7 * (riseSetWidth() + 12);
    return {width, heightFor(width)};
}

QRect MonthView::dayRect(QDate day) const
{
    if (day.year() != facts_.year || day.month() != int(facts_.month))
        return {};
    const Measures m = measures(width());
    const int slot = firstColumn() + day.day() - 1;
    return {(slot % 7) * m.cellWidth, m.header + (slot / 7) * m.cellHeight, m.cellWidth, m.cellHeight};
}

std::optional<QDate> MonthView::dayAt(QPoint point) const
{
    for (std::size_t i = 0; i < facts_.days.size(); ++i) {
        const QDate day(facts_.year, int(facts_.month), int(i) + 1);
        if (dayRect(day).contains(point))
            return day;
    }
    return std::nullopt;
}

QString MonthView::dayStory(QDate day) const
{
    if (day.year() != facts_.year || day.month() != int(facts_.month))
        return {};
    const sky::DayFacts& facts = facts_.days[std::size_t(day.day() - 1)];
    QStringList story{QStringLiteral("<b>%1</b>").arg(QLocale().toString(day, QLocale::LongFormat).toHtmlEscaped()),
                      tr("Alle 21:00: %1").arg(phaseDescription(facts.elongation)).toHtmlEscaped()};
    if (facts.riseSet) {
        const auto time = [this](const std::optional<sky::Instant>& at) {
            return at ? timeOfDay(*at, facts_.clock) : QStringLiteral("—");
        };
        story << tr("Sorge %1, tramonta %2").arg(time(facts.riseSet->rise), time(facts.riseSet->set)).toHtmlEscaped();
    }
    for (const sky::MonthEvent& event : facts_.events)
        if (dayOf(event.when, facts_.clock) == day)
            story << eventText(event, facts_.clock).toHtmlEscaped();
    if (hijri_ == HijriDates::Shown)
        story << tr("Calendario islamico: %1").arg(hijriText(facts.hijri)).toHtmlEscaped();
    return story.join(QStringLiteral("<br>"));
}

QString MonthView::spokenDay(QDate day) const
{
    if (day.year() != facts_.year || day.month() != int(facts_.month))
        return {};
    QStringList said;
    for (const sky::MonthEvent& event : facts_.events)
        if (dayOf(event.when, facts_.clock) == day)
            said << eventOfTheDayText(event, facts_.clock);
    if (said.isEmpty())
        said << phaseDescription(facts_.days[std::size_t(day.day() - 1)].elongation);
    return tr("%1: %2").arg(QLocale().toString(day, longDateFormat(DateParts::WithoutYear)), said.join(u"; "));
}

bool MonthView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto day = dayAt(help->pos()))
            QToolTip::showText(help->globalPos(), dayStory(*day), this, dayRect(*day));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void MonthView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    if (facts_.days.empty())
        return;
    const Measures m = measures(width());
    const QColor ink(0x20, 0x20, 0x20);
    QFont bold = font();
    bold.setBold(true);

    painter.setPen(palette().text().color());
    painter.setFont(bold);
    const QStringList initials = weekdayInitials();
    for (int column = 0; column < 7 && column < initials.size(); ++column)
        painter.drawText(QRect(column * m.cellWidth, 0, m.cellWidth, m.header), Qt::AlignCenter, initials[column]);

    DayCellStyle style;
    style.number = bold;
    style.phase = style.notes = font();
    style.ink = style.notesInk = ink;
    style.border = QColor(0xb0, 0xb0, 0xb0);
    style.inset = QPointF(6, 4);
    style.line = m.line;
    style.moonGap = 4;
    style.moonRadius = m.radius;
    style.notesGap = 4;
    style.hijri = hijri_;
    for (std::size_t i = 0; i < facts_.days.size(); ++i) {
        const QDate date(facts_.year, int(facts_.month), int(i) + 1);
        const QRect box = dayRect(date);
        paintDayCell(painter, box, facts_, i, hemisphere_, style, date == today_ ? DayMark::Today : DayMark::Plain);
        if (date == selected_ && hasFocus()) {
            painter.setPen(QPen(palette().highlight().color(), 3));
            painter.drawRect(box.adjusted(4, 4, -4, -4));
        }
    }

    // The events, then the stretches with their shades.
    int y = m.header + rows() * m.cellHeight + m.line / 2;
    painter.setPen(palette().text().color());
    const QFontMetrics metrics(font());
    const int stretches = int(facts_.halves.size());
    const QStringList lines = notes();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect room(0, y, width(), height() - y);
        const QRect used = metrics.boundingRect(room, Qt::TextWordWrap, lines[i]);
        painter.drawText(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, lines[i]);
        if (i >= lines.size() - stretches) {
            // The square before each stretch takes its shade.
            const int square = metrics.horizontalAdvance(QStringLiteral("■"));
            painter.fillRect(QRect(0, y + 2, square, m.line - 4),
                             MonthPage::shade(facts_.halves[std::size_t(i - (lines.size() - stretches))].waxing));
        }
        y += used.height();
    }
}

void MonthView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        if (const auto day = dayAt(event->position().toPoint())) {
            selected_ = *day;
            update();
            emit dayClicked(*day);
        }
    QWidget::mouseReleaseEvent(event);
}

void MonthView::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -7; break;
    case Qt::Key_Down: step = 7; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (selected_.isValid())
            emit dayClicked(selected_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        // The window's: the month before or after.
        event->ignore();
        return;
    }
    selectDay(selected_.addDays(step));
}

} // namespace luna
