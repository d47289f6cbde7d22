// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Formats.h"


#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace luna {

namespace {

QDateTime dateTimeOf(sky::Instant when, Qt::TimeSpec clock)
{
    return QDateTime::fromSecsSinceEpoch(when.time_since_epoch().count(), clock);
}

QString quoted(const std::string& text)
{
    return QCoreApplication::translate("Formats", "«%1»").arg(QString::fromStdString(text));
}

} // namespace

QString isoUtc(sky::Instant when)
{
    return dateTimeOf(when, Qt::UTC).toString(Qt::ISODate);
}

QString timeText(sky::Instant when, const QString& format, const sky::Zone& clock)
{
    // The clock's reading, written as if it were UTC's: QLocale then adds
    // nothing of the process's own zone.
    const auto local = clock.local(sky::nearestMinute(when));
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(local.time_since_epoch().count(), Qt::UTC), format);
}

QString longDateFormat(DateParts parts)
{
    QString format = QLocale().dateFormat(QLocale::LongFormat);
    // A part goes with the blanks and punctuation that join it to the rest:
    // those after it when it comes first, else those before it (and any
    // after it at the end).
    const auto drop = [&format](const QString& pattern) {
        format.remove(QRegularExpression(QStringLiteral("^[\\s,.]*") + pattern + QStringLiteral("[\\s,.]*")));
        format.remove(QRegularExpression(QStringLiteral("[\\s,.]*") + pattern + QStringLiteral("(?:[\\s,.]*$)?")));
    };
    drop(QStringLiteral("y+"));
    if (parts == DateParts::DayAndMonth)
        drop(QStringLiteral("dddd"));
    return format.trimmed();
}

QString dateTimeText(sky::Instant when, const sky::Zone& zone)
{
    return timeText(when, QLocale().dateFormat(QLocale::LongFormat) + QStringLiteral(", HH:mm"), zone);
}

QString localTime(sky::Instant when, const sky::Zone& clock)
{
    return dateTimeText(when, clock) + u' ' + QString::fromStdString(clock.abbreviation(sky::nearestMinute(when)));
}

QString localAndUtc(sky::Instant when, const sky::Zone& clock)
{
    const QString local = localTime(when, clock);
    const sky::Zone utc;
    if (local == localTime(when, utc))
        return local;
    const sky::Instant minute = sky::nearestMinute(when);
    const bool sameDay = clock.day(minute) == utc.day(minute);
    const QString reading = timeText(when, sameDay ? QStringLiteral("HH:mm") : longDateFormat(DateParts::DayAndMonth) + QStringLiteral(", HH:mm"), utc);
    return QStringLiteral("%1 (%2 UTC)").arg(local, reading);
}

QString sentence(const QString& message)
{
    QString text = message;
    if (!text.isEmpty() && text.front().isLower())
        text.front() = text.front().toUpper();
    return text;
}

QString decimal(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

QString describe(const sky::BadDate& error)
{
    switch (error.reason) {
    case sky::BadDate::Reason::Form:
        break;
    case sky::BadDate::Reason::Calendar:
        return QCoreApplication::translate("Formats", "%1 non è una data del calendario")
            .arg(quoted(error.text));
    case sky::BadDate::Reason::TimeOfDay:
        return QCoreApplication::translate("Formats", "%1 non è un'ora del giorno")
            .arg(quoted(error.text));
    case sky::BadDate::Reason::Offset:
        return QCoreApplication::translate("Formats", "%1 ha un fuso orario impossibile")
            .arg(quoted(error.text));
    }
    return QCoreApplication::translate(
               "Formats", "%1 non è una data: serve now, AAAA-MM-GG o AAAA-MM-GGTHH:MM[:SS][Z|±HH:MM]")
        .arg(quoted(error.text));
}

QString describe(const sky::OutOfRange& error)
{
    if (!error.text.empty())
        return QCoreApplication::translate("Formats", "%1 è fuori dagli anni %2-%3")
            .arg(quoted(error.text))
            .arg(sky::firstYear)
            .arg(sky::lastYear);
    return QCoreApplication::translate("Formats", "l'anno %1 è fuori dagli anni %2-%3")
        .arg(error.year)
        .arg(sky::firstYear)
        .arg(sky::lastYear);
}

QString describe(const sky::BadPlace& error)
{
    const QString text = quoted(error.text);
    QStringList names;
    for (const std::string& name : error.candidates)
        names << QString::fromStdString(name);
    switch (error.reason) {
    case sky::BadPlace::Reason::NotANumber:
        return QCoreApplication::translate("Formats", "%1 non va bene: serve una città, un fuso orario (Europe/Rome) o "
                                                      "LAT,LON[,ALTEZZA] in gradi e metri (45.07,7.69 o 45,07 7,69 o 45,07; 7,69)")
            .arg(text);
    case sky::BadPlace::Reason::Latitude:
        return QCoreApplication::translate("Formats", "%1: la latitudine va da -90 a 90").arg(text);
    case sky::BadPlace::Reason::Longitude:
        return QCoreApplication::translate("Formats", "%1: la longitudine va da -180 a 180").arg(text);
    case sky::BadPlace::Reason::Height:
        return QCoreApplication::translate("Formats", "%1: l'altezza va da -500 a 9000 metri").arg(text);
    case sky::BadPlace::Reason::Ambiguous:
        return QCoreApplication::translate("Formats", "%1 è ambiguo: può essere %2").arg(text, names.join(QStringLiteral(", ")));
    case sky::BadPlace::Reason::Unknown:
        break;
    }
    if (names.isEmpty())
        return QCoreApplication::translate("Formats", "luogo sconosciuto %1").arg(text);
    return QCoreApplication::translate("Formats", "luogo sconosciuto %1; forse %2").arg(text, names.join(QStringLiteral(", ")));
}

QString degreesText(double value, int decimals)
{
    return decimal(value, decimals) + u'°';
}

QString coordinatesText(double latitude, double longitude, int decimals)
{
    return QCoreApplication::translate("Formats", "%1 %2, %3 %4")
        .arg(degreesText(std::abs(latitude), decimals),
             latitude < 0 ? QCoreApplication::translate("Formats", "S") : QCoreApplication::translate("Formats", "N"),
             degreesText(std::abs(longitude), decimals),
             longitude < 0 ? QCoreApplication::translate("Formats", "O") : QCoreApplication::translate("Formats", "E"));
}

namespace {

// A zone's name that wraps only where spaces are: a word joiner after each
// slash.
QString unbroken(const std::string& zone)
{
    return QString::fromStdString(zone).replace(u'/', QStringLiteral("/\u2060"));
}

} // namespace

QString placeSummary(const sky::Place& place)
{
    QStringList details{coordinatesText(place.latitude, place.longitude, 2)};
    QString name;
    if (!place.label.empty()) {
        name = QString::fromStdString(place.label);
        if (!place.zone.empty())
            details << unbroken(place.zone);
    } else if (!place.name.empty()) {
        name = unbroken(place.name);
    }
    const QString where = details.join(QStringLiteral(", "));
    return name.isEmpty() ? where : QCoreApplication::translate("Formats", "%1 — %2").arg(name, where);
}

QString placeText(const sky::Place& place, bool fromZone)
{
    const QString coordinates = coordinatesText(place.latitude, place.longitude, 2);
    if (place.name.empty())
        return coordinates;
    const QString name = QString::fromStdString(place.label.empty() ? place.name : place.label);
    if (fromZone)
        return QCoreApplication::translate("Formats", "%1, dal fuso orario (%2)").arg(name, coordinates);
    return QCoreApplication::translate("Formats", "%1 (%2)").arg(name, coordinates);
}

namespace {

// How an Italian article meets a number, a percentage or a day of the
// month: "uno", "otto", "undici" and "ottanta..." begin with a vowel,
// "zero" with a z.
enum class Sound { Consonant, Vowel, Z };

Sound soundOf(int percent)
{
    if (percent == 0)
        return Sound::Z;
    if (percent == 1 || percent == 8 || percent == 11 || (percent >= 80 && percent <= 89))
        return Sound::Vowel;
    return Sound::Consonant;
}

} // namespace

namespace {

// A percentage with the form of the article its sound asks for: the forms
// for a consonant, a vowel and a z, in that order.
QString withArticle(int percent, const char* const (&forms)[3])
{
    return QCoreApplication::translate("Formats", forms[int(soundOf(percent))]).arg(QLocale().toString(percent));
}

// A date that begins with its day's number, after the article's form for
// that number: of a consonant or a vowel.
QString dateWithArticle(int day, const QString& date, const char* const (&forms)[2])
{
    return QCoreApplication::translate("Formats", forms[soundOf(day) == Sound::Vowel ? 1 : 0]).arg(date);
}

} // namespace

QString thePercent(int percent)
{
    static constexpr const char* forms[] = {QT_TRANSLATE_NOOP("Formats", "il %1%"),
                                            QT_TRANSLATE_NOOP("Formats", "l'%1%"),
                                            QT_TRANSLATE_NOOP("Formats", "lo %1%")};
    return withArticle(percent, forms);
}

QString atThePercent(int percent)
{
    static constexpr const char* forms[] = {QT_TRANSLATE_NOOP("Formats", "al %1%"),
                                            QT_TRANSLATE_NOOP("Formats", "all'%1%"),
                                            QT_TRANSLATE_NOOP("Formats", "allo %1%")};
    return withArticle(percent, forms);
}

QString fromTheDay(int day, const QString& date)
{
    static constexpr const char* forms[] = {QT_TRANSLATE_NOOP("Formats", "dal %1"),
                                            QT_TRANSLATE_NOOP("Formats", "dall'%1")};
    return dateWithArticle(day, date, forms);
}

QString toTheDay(int day, const QString& date)
{
    static constexpr const char* forms[] = {QT_TRANSLATE_NOOP("Formats", "al %1"),
                                            QT_TRANSLATE_NOOP("Formats", "all'%1")};
    return dateWithArticle(day, date, forms);
}

} // namespace luna
