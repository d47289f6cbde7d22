// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CalendarFiles.h"

#include "CalendarTexts.h"
#include "Clock.h"
#include "EclipseTexts.h"
#include "Formats.h"
#include "MonthPage.h"
#include "PhaseTexts.h"
#include "WriteError.h"

#include <QCoreApplication>
#include <QDateTime>
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

Entry entryOf(const sky::MonthEvent& event, const sky::Zone& zone)
{
    using Kind = sky::MonthEvent::Kind;
    const QString superMoon = event.superMoon ? QCoreApplication::translate("Calendar", " (superluna)") : QString();
    const QString km = QLocale().toString(qlonglong(std::llround(event.distanceKm)));
    switch (event.kind) {
    case Kind::Phase: {
        const char* keys[] = {"new-moon", "first-quarter", "full-moon", "last-quarter"};
        const double lit = sky::illuminatedFraction(int(event.phase) * 90.0);
        return {QLatin1String(keys[int(event.phase)]), principalPhaseName(int(event.phase)) + superMoon,
                QCoreApplication::translate("Calendar", "Illuminata %1").arg(atThePercent(int(std::lround(lit * 100))))};
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
        QString description = QCoreApplication::translate("Calendar", "Magnitudine %1").arg(decimal(magnitude, 3));
        QString seen = event.local ? localEclipseText(*event.local, zone)
            : event.visibility    ? lunarVisibilityText(*event.visibility).mid(2)
                                  : QString();
        if (!seen.isEmpty()) {
            seen[0] = seen[0].toUpper();
            description += u'\n' + seen;
        }
        return {eclipseKindKey(event.eclipse.kind) + QStringLiteral("-eclipse"), name, description};
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
               Hemisphere hemisphere, const QString& place, HijriDates hijri)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failToWrite(path, file.errorString());
    const MonthPage page(facts, hemisphere, place, hijri);
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
              const QString& place, HijriDates hijri)
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
            MonthPage(months[i], hemisphere, place, hijri).paint(painter, area);
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
                   Hemisphere hemisphere, const QString& place, HijriDates hijri)
{
    switch (format) {
    case CalendarFormat::Pdf:
        writePdf(path, months, hemisphere, place, hijri);
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
            writePage(months.size() == 1 ? path : monthFileName(path, facts.month), format, facts, hemisphere, place, hijri);
        return;
    }
}

QByteArray calendarICalendar(const std::vector<sky::MonthFacts>& months)
{
    QByteArray out;
    out += folded(QStringLiteral("BEGIN:VCALENDAR"));
    out += folded(QStringLiteral("VERSION:2.0"));
    out += folded(QStringLiteral("PRODID:-//Luna//luna-render//IT"));
    out += folded(QStringLiteral("CALSCALE:GREGORIAN"));
    out += folded(QStringLiteral("X-WR-CALNAME:") + escaped(QCoreApplication::translate("Calendar", "Lunario")));
    const QString now = utcStamp(sky::programClock().now());
    for (const sky::MonthFacts& facts : months) {
        for (const sky::MonthEvent& event : facts.events) {
            const Entry entry = entryOf(event, facts.clock);
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
