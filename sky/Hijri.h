// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Umm al-Qura calendar of Saudi Arabia, the Islamic calendar most
// widely published in advance, as ICU keeps its table
// (calendar "islamic-umalqura").

#include <chrono>
#include <string>

namespace luna::sky {

struct HijriDate {
    int year = 0;
    int month = 0; // 1 Muharram ... 12 Dhu al-Hijja
    int day = 0;
};

// The Hijri date of a civil day (whose daylight the Hijri day shares).
HijriDate hijriDate(std::chrono::year_month_day day);

// The month's name as ICU gives it in a language ("it", "en"):
// "Jumada II", "Ramadan".
std::string hijriMonthName(int month, const std::string& language);

// The first day of the Hijri month that follows a new moon: the first
// civil day from the day before the conjunction's (on Mecca's clock,
// three hours ahead of UT) that is the first of a month.
std::chrono::year_month_day ummAlQuraFirstDay(std::chrono::sys_seconds conjunction);

} // namespace luna::sky
