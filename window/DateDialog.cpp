// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DateDialog.h"

#include "LocalDates.h"

#include "OwnWindow.h"

#include "DrawLuna.h"
#include "MonthFacts.h"
#include "PainterSurface.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace luna {

MoonCalendar::MoonCalendar(Hemisphere hemisphere, const sky::Zone& zone, QWidget* parent)
    : QCalendarWidget(parent)
    , hemisphere_(hemisphere)
    , zone_(zone)
{
    setFirstDayOfWeek(Qt::Monday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setMinimumDate(QDate(sky::firstYear, 1, 1));
    setMaximumDate(QDate(sky::lastYear, 12, 31));
    // Room for the Moons at the size it likes; smaller where the screen is.
    setMinimumSize(280, 220);
    // Qt's own parts have no names for a screen reader to say.
    setAccessibleName(tr("Calendario"));
    const std::pair<const char*, QString> parts[] = {
        {"qt_calendar_prevmonth", tr("Mese prima")},
        {"qt_calendar_nextmonth", tr("Mese dopo")},
        {"qt_calendar_calendarview", tr("Giorni del mese")},
    };
    for (const auto& [name, text] : parts)
        if (auto* part = findChild<QWidget*>(QLatin1String(name)))
            part->setAccessibleName(text);
}

QSize MoonCalendar::sizeHint() const
{
    return {420, 320};
}

void MoonCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    painter->save();
    const bool selected = date == selectedDate();
    painter->fillRect(rect, selected ? palette().highlight() : palette().base());
    const bool inMonth = date.month() == monthShown();
    painter->setPen(selected ? palette().highlightedText().color()
                             : inMonth ? palette().text().color()
                                       : palette().placeholderText().color());
    painter->drawText(rect.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignTop, QString::number(date.day()));

    const sky::Instant when = instantAt(date, QTime(int(sky::eveningHour.count()), 0), zone_);
    try {
        const double radius = std::min(rect.width(), rect.height()) / 4.0;
        const QPointF centre(rect.center().x() + radius / 2, rect.center().y() + radius / 3);
        painter->setRenderHint(QPainter::Antialiasing);
        PainterSurface surface(*painter);
        drawPhase(surface, centre.x(), centre.y(), angleOfElongation(sky::elongation(when), hemisphere_), radius);
    } catch (const sky::OutOfRange&) {
    }
    painter->restore();
}

TimeField::TimeField(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(12);
    // Room for "00:00" and a little more, however large the font.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00:00 pm")) + 16);
}

std::optional<QTime> TimeField::reading() const
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})(?:\\s*[:.,h]\\s*(\\d{2})|(\\d{2}))?\\s*(?:([ap])\\.?\\s*m\\.?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text());
    if (!match.hasMatch())
        return std::nullopt;
    int hour = match.captured(1).toInt();
    const QString minutes = match.hasCaptured(2) ? match.captured(2) : match.captured(3);
    const int minute = minutes.isEmpty() ? 0 : minutes.toInt();
    if (const QString half = match.captured(4).toLower(); !half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half == u'p' ? 12 : 0);
    }
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return QTime(hour, minute);
}

void TimeField::setTime(QTime time)
{
    setText(time.toString(QStringLiteral("HH:mm")));
}

DateDialog::DateDialog(sky::Instant initial, Hemisphere hemisphere, const sky::Zone& zone, const sky::Clock& clock,
                       QWidget* parent)
    : QDialog(parent)
    , zone_(zone)
{
    setWindowTitle(tr("Scegli data e ora"));
    calendar = new MoonCalendar(hemisphere, zone, this);
    time = new TimeField(this);
    problem = new QLabel(this);
    problem->setWordWrap(true);
    problem->hide();
    auto* timeLabel = new QLabel(tr("&Ora:"), this);
    timeLabel->setBuddy(time);
    auto* present = new QPushButton(tr("&Adesso"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* row = new QHBoxLayout;
    row->addWidget(timeLabel);
    row->addWidget(time);
    row->addStretch();
    row->addWidget(present);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar);
    layout->addLayout(row);
    layout->addWidget(problem);
    layout->addWidget(buttons);

    connect(present, &QPushButton::clicked, this, [this, clock = &clock] { showInstant(clock->now()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    // Return on a day, or a double click, picks it, as OK does.
    connect(calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showInstant(initial);
    calendar->setFocus();
}

void DateDialog::showInstant(sky::Instant when)
{
    // The minute the title reads.
    const QDateTime local = clockReading(when, zone_);
    calendar->setSelectedDate(local.date());
    time->setTime(QTime(local.time().hour(), local.time().minute()));
}

void DateDialog::accept()
{
    if (!time->reading()) {
        problem->setText(tr("«%1» non è un'ora: scrivila come 21:30, 2130 o 9:30 pm.").arg(time->text()));
        problem->show();
        time->setFocus();
        time->selectAll();
        return;
    }
    QDialog::accept();
}

void DateDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    keepOnScreen(this);
}

sky::Instant DateDialog::instant() const
{
    return instantAt(calendar->selectedDate(), time->reading().value_or(QTime(0, 0)), zone_);
}

} // namespace luna
