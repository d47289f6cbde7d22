// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Formats.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace luna {

namespace {

QDateTime dateTimeOf(sky::Instant when, Qt::TimeSpec spec)
{
    return QDateTime::fromSecsSinceEpoch(when.time_since_epoch().count(), spec);
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

QString utcTime(sky::Instant when)
{
    return QLocale().toString(dateTimeOf(when, Qt::UTC), QStringLiteral("yyyy-MM-dd HH:mm"))
        + QStringLiteral(" UTC");
}

QString localTime(sky::Instant when)
{
    return QLocale().toString(dateTimeOf(when, Qt::LocalTime), QStringLiteral("yyyy-MM-dd HH:mm t"));
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

} // namespace luna
