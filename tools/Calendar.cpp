// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Calendar.h"

#include "CalendarTexts.h"
#include "MonthPage.h"
#include "Render.h"
#include "EclipseTexts.h"
#include "Formats.h"
#include "PhaseTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

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

// The mark of a day on which a principal phase falls, or a blank.
QString markOf(const sky::MonthFacts& facts, const sky::DayFacts& day, Hemisphere hemisphere)
{
    for (const sky::MonthEvent& event : facts.events) {
        if (event.kind != sky::MonthEvent::Kind::Phase)
            continue;
        const QDate date = QDateTime::fromSecsSinceEpoch(event.when.time_since_epoch().count(), Qt::LocalTime).date();
        if (date == QDate(int(day.date.year()), int(unsigned(day.date.month())), int(unsigned(day.date.day()))))
            return phaseSymbol(event.phase, hemisphere);
    }
    return QStringLiteral(" ");
}

QString monthText(const sky::MonthFacts& facts, Hemisphere hemisphere)
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
        row << QStringLiteral("%1").arg(unsigned(day.date.day()), 2) + markOf(facts, day, hemisphere);
        if (row.size() == 7)
            flush();
    }
    if (!row.isEmpty())
        flush();

    text += u'\n';
    for (const sky::MonthEvent& event : facts.events)
        text += eventText(event) + u'\n';
    for (const sky::Half& half : facts.halves)
        text += halfText(half) + u'\n';
    return text;
}

// iCalendar text: backslashes, semicolons and commas escaped, newlines as \n.
QString escaped(QString text)
{
    return text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u';', QStringLiteral("\\;"))
        .replace(u',', QStringLiteral("\\,"))
        .replace(u'\n', QStringLiteral("\\n"));
}

QString utcStamp(sky::Instant when)
{
    return QDateTime::fromSecsSinceEpoch(when.time_since_epoch().count(), Qt::UTC)
        .toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

// A content line folded at 75 octets, as RFC 5545 asks, each piece ending
// in CRLF; UTF-8 sequences are not split.
QByteArray folded(const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype start = 0;
    qsizetype room = 75;
    while (bytes.size() - start > room) {
        qsizetype end = start + room;
        while ((bytes[end] & 0xC0) == 0x80)
            --end;
        out += bytes.mid(start, end - start) + "\r\n ";
        start = end;
        room = 74;
    }
    return out + bytes.mid(start) + "\r\n";
}

struct Entry {
    QString key;         // for the UID
    QString summary;
    QString description;
};

Entry entryOf(const sky::MonthEvent& event)
{
    using Kind = sky::MonthEvent::Kind;
    const QString superMoon = event.superMoon ? QCoreApplication::translate("Calendar", " (superluna)") : QString();
    const QString km = QLocale().toString(qlonglong(std::llround(event.distanceKm)));
    switch (event.kind) {
    case Kind::Phase: {
        const char* keys[] = {"new-moon", "first-quarter", "full-moon", "last-quarter"};
        const double lit = illuminatedFraction(int(event.phase) * 90.0);
        return {QLatin1String(keys[int(event.phase)]), principalPhaseName(int(event.phase)) + superMoon,
                QCoreApplication::translate("Calendar", "Illuminata al %1%").arg(std::lround(lit * 100))};
    }
    case Kind::Perigee:
        return {QStringLiteral("perigee"), QCoreApplication::translate("Calendar", "Perigeo") + superMoon,
                QCoreApplication::translate("Calendar", "La Luna a %1 km dalla Terra").arg(km)};
    case Kind::Apogee:
        return {QStringLiteral("apogee"), QCoreApplication::translate("Calendar", "Apogeo"),
                QCoreApplication::translate("Calendar", "La Luna a %1 km dalla Terra").arg(km)};
    case Kind::Eclipse: {
        QString name = eclipseName(event.eclipse);
        name[0] = name[0].toUpper();
        const double magnitude = event.eclipse.type == sky::EclipseType::Penumbral ? event.eclipse.penumbralMagnitude
                                                                                   : event.eclipse.magnitude;
        return {eclipseKindKey(event.eclipse.kind) + QStringLiteral("-eclipse"), name,
                QCoreApplication::translate("Calendar", "Magnitudine %1").arg(decimal(magnitude, 3))};
    }
    }
    return {};
}

[[noreturn]] void failToWrite(const QString& path, const QString& why)
{
    throw WriteError(QCoreApplication::translate("luna-render", "impossibile scrivere «%1»: %2").arg(path, why).toStdString());
}

// A page as a picture: A4 at 150 dots to the inch.
constexpr QSize pngPage(1240, 1754);

void writePage(const QString& path, CalendarFormat format, const sky::MonthFacts& facts,
               Hemisphere hemisphere, const QString& place)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failToWrite(path, file.errorString());
    const MonthPage page(facts, hemisphere, place);
    if (format == CalendarFormat::Png) {
        QImage image(pngPage, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            page.paint(painter, QRectF(QPointF(0, 0), QSizeF(pngPage)));
        }
        if (!image.save(&file, "PNG"))
            failToWrite(path, file.errorString());
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(MonthPage::a4.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), MonthPage::a4));
        svg.setResolution(72);
        svg.setTitle(monthTitle(facts.year, facts.month));
        QPainter painter(&svg);
        page.paint(painter, QRectF(QPointF(0, 0), MonthPage::a4));
    }
    if (!file.commit())
        failToWrite(path, file.errorString());
}

void writePdf(const QString& path, const std::vector<sky::MonthFacts>& months, Hemisphere hemisphere,
              const QString& place)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failToWrite(path, file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(72);
        pdf.setCreator(QStringLiteral("luna-render"));
        pdf.setTitle(months.size() == 1 ? monthTitle(months.front().year, months.front().month)
                                        : QCoreApplication::translate("Calendar", "Lunario %1").arg(months.front().year));
        QPainter painter(&pdf);
        const QRectF area(0, 0, pdf.width(), pdf.height());
        for (std::size_t i = 0; i < months.size(); ++i) {
            if (i > 0)
                pdf.newPage();
            MonthPage(months[i], hemisphere, place).paint(painter, area);
        }
    }
    if (!file.commit())
        failToWrite(path, file.errorString());
}

} // namespace

std::optional<CalendarFormat> calendarFormatOfFile(QStringView path)
{
    if (path.endsWith(u".pdf", Qt::CaseInsensitive))
        return CalendarFormat::Pdf;
    if (path.endsWith(u".svg", Qt::CaseInsensitive))
        return CalendarFormat::Svg;
    if (path.endsWith(u".png", Qt::CaseInsensitive))
        return CalendarFormat::Png;
    if (path.endsWith(u".ics", Qt::CaseInsensitive))
        return CalendarFormat::ICalendar;
    return std::nullopt;
}

QString monthFileName(const QString& path, unsigned month)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.first(dot) + QStringLiteral("-%1").arg(month, 2, 10, QLatin1Char('0')) + path.sliced(dot);
}

void writeCalendar(const QString& path, CalendarFormat format, const std::vector<sky::MonthFacts>& months,
                   Hemisphere hemisphere, const QString& place)
{
    switch (format) {
    case CalendarFormat::Pdf:
        writePdf(path, months, hemisphere, place);
        return;
    case CalendarFormat::ICalendar: {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            failToWrite(path, file.errorString());
        if (file.write(calendarICalendar(months)) < 0 || !file.commit())
            failToWrite(path, file.errorString());
        return;
    }
    case CalendarFormat::Svg:
    case CalendarFormat::Png:
        for (const sky::MonthFacts& facts : months)
            writePage(months.size() == 1 ? path : monthFileName(path, facts.month), format, facts, hemisphere, place);
        return;
    }
}

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

QString calendarText(const std::vector<sky::MonthFacts>& months, Hemisphere hemisphere)
{
    QStringList parts;
    for (const sky::MonthFacts& facts : months)
        parts << monthText(facts, hemisphere);
    return parts.join(u'\n');
}

QByteArray calendarICalendar(const std::vector<sky::MonthFacts>& months)
{
    QByteArray out;
    out += folded(QStringLiteral("BEGIN:VCALENDAR"));
    out += folded(QStringLiteral("VERSION:2.0"));
    out += folded(QStringLiteral("PRODID:-//Luna//luna-render//IT"));
    out += folded(QStringLiteral("CALSCALE:GREGORIAN"));
    out += folded(QStringLiteral("X-WR-CALNAME:") + escaped(QCoreApplication::translate("Calendar", "Lunario")));
    const QString now = utcStamp(floor<seconds>(system_clock::now()));
    for (const sky::MonthFacts& facts : months) {
        for (const sky::MonthEvent& event : facts.events) {
            const Entry entry = entryOf(event);
            const QString day = QDateTime::fromSecsSinceEpoch(event.when.time_since_epoch().count(), Qt::UTC)
                                    .toString(QStringLiteral("yyyyMMdd"));
            out += folded(QStringLiteral("BEGIN:VEVENT"));
            out += folded(QStringLiteral("UID:%1-%2@io.github.luna").arg(day, entry.key));
            out += folded(QStringLiteral("DTSTAMP:") + now);
            out += folded(QStringLiteral("DTSTART:") + utcStamp(event.when));
            out += folded(QStringLiteral("SUMMARY:") + escaped(entry.summary));
            out += folded(QStringLiteral("DESCRIPTION:") + escaped(entry.description));
            out += folded(QStringLiteral("TRANSP:TRANSPARENT"));
            out += folded(QStringLiteral("END:VEVENT"));
        }
    }
    out += folded(QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace luna
