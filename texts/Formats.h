// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"
#include "Sky.h"
#include "When.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace luna {

// An instant for scripts, the same in every language: 2026-12-24T21:00:00Z.
QString isoUtc(sky::Instant when);

// Every time a person reads goes through here: rounded to the nearest
// minute, a half minute up, as the almanacs give their times (19:59:32 and
// 19:59:30 read 20:00), then written in `format` (QLocale's, such as
// "HH:mm") as `clock` reads it.
QString timeText(sky::Instant when, const QString& format, const sky::Zone& clock);

// An instant for people, to the minute, on a clock with its zone's
// abbreviation ("giovedì 24 dicembre 2026, 22:00 CET"), and with UTC's
// reading beside it unless the clock reads the same ("giovedì 24 dicembre
// 2026, 22:00 CET (21:00 UTC)", the day and month too where UTC's date is
// another).
QString localTime(sky::Instant when, const sky::Zone& clock);
QString localAndUtc(sky::Instant when, const sky::Zone& clock);

// A number with `decimals` places, as the texts' locale writes it: a decimal
// comma in Italian, a point in English.
QString decimal(double value, int decimals);

// What is wrong with a date someone wrote, or with an instant outside the
// years Luna knows: one line, such as «2026-02-30» non è una data del
// calendario.
QString describe(const sky::BadDate& error);
QString describe(const sky::OutOfRange& error);
QString describe(const sky::BadPlace& error);

// A message as a sentence: its first letter a capital ("Opzione
// sconosciuta ..."); one that begins with an option's name or a quotation
// is left as it is.
QString sentence(const QString& message);

// A place for people: its zone's name (noting when it comes from the time
// zone) and its coordinates, such as "Europe/Rome, dal fuso orario
// (41,90° N, 12,48° E)".
QString placeText(const sky::Place& place, bool fromZone);

// A place resolved, in one line for people: "Roma, Lazio, Italia — 41,89° N,
// 12,51° E, Europe/Rome". A zone's name never breaks across lines.
QString placeSummary(const sky::Place& place);

// A latitude and a longitude, on the Earth or the Moon: "41,90° N, 12,48° E".
QString coordinatesText(double latitude, double longitude, int decimals);

// A whole percentage with the Italian definite article its sound asks
// for: "il 62%", "l'8%", "l'11%", "lo 0%"; in English just "62%".
QString thePercent(int percent);
// The same after "a": "al 50%", "all'8%", "allo 0%"; in English "50%".
QString atThePercent(int percent);

// An instant as people read a date and time, in every window and message:
// the locale's long date and the 24-hour clock, to the minute, on `zone`:
// "giovedì 24 dicembre 2026, 22:00", "Thursday, December 24, 2026, 22:00".
QString dateTimeText(sky::Instant when, const sky::Zone& zone);

// The locale's long date format, in part: without the year ("dddd d
// MMMM", "dddd, MMMM d"), or without the weekday and the year ("d MMMM",
// "MMMM d"), for a date within a month's or a year's page.
enum class DateParts { WithoutYear, DayAndMonth };
QString longDateFormat(DateParts parts);

// A date that begins with the number of its `day` after "da" and "a" with
// the article: "dal 24 novembre", "dall'8 dicembre", "all'11 marzo"; in
// English "from 24 November", "to 8 December".
QString fromTheDay(int day, const QString& date);
QString toTheDay(int day, const QString& date);

// An angle in degrees with `decimals` places: "45,2°".
QString degreesText(double value, int decimals);

} // namespace luna
