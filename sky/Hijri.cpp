// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Hijri.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/timezone.h>

#include <memory>
#include <stdexcept>

namespace luna::sky {

namespace {

std::unique_ptr<icu::Calendar> ummAlQura()
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale("en@calendar=islamic-umalqura"), status));
    if (U_FAILURE(status) || !calendar)
        throw std::runtime_error("ICU has no islamic-umalqura calendar");
    return calendar;
}

} // namespace

HijriDate hijriDate(std::chrono::year_month_day day)
{
    thread_local const std::unique_ptr<icu::Calendar> calendar = ummAlQura();
    using namespace std::chrono;
    // Noon of the day, in milliseconds since 1970.
    const double noon = double(sys_days(day).time_since_epoch().count()) * 86400000.0 + 43200000.0;
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(noon, status);
    HijriDate date{calendar->get(UCAL_YEAR, status), calendar->get(UCAL_MONTH, status) + 1,
                   calendar->get(UCAL_DATE, status)};
    if (U_FAILURE(status))
        throw std::runtime_error("ICU could not read the Hijri date");
    return date;
}

std::string hijriMonthName(int month, const std::string& language)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale((language + "@calendar=islamic-umalqura").c_str());
    const icu::DateFormatSymbols symbols(locale, "islamic-umalqura", status);
    int32_t count = 0;
    const icu::UnicodeString* names = symbols.getMonths(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
    std::string name;
    if (U_SUCCESS(status) && month >= 1 && month <= count)
        names[month - 1].toUTF8String(name);
    return name;
}

std::chrono::year_month_day ummAlQuraFirstDay(std::chrono::sys_seconds conjunction)
{
    using namespace std::chrono;
    const sys_days mecca = floor<days>(conjunction + hours(3));
    for (sys_days day = mecca - days(1); day < mecca + days(4); day += days(1))
        if (hijriDate(year_month_day(day)).day == 1)
            return year_month_day(day);
    // The table always begins a month within two days of the conjunction.
    return year_month_day(mecca + days(1));
}

} // namespace luna::sky
