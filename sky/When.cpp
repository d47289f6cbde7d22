// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "When.h"

#include <optional>
#include <string>

namespace luna::sky {

namespace {

using namespace std::chrono;

class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text)
    {
    }

    bool atEnd() const { return at_ == text_.size(); }

    bool take(char c)
    {
        if (atEnd() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }

    // Exactly `count` digits.
    std::optional<int> number(std::size_t count)
    {
        if (text_.size() - at_ < count)
            return std::nullopt;
        int value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const char c = text_[at_ + i];
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        at_ += count;
        return value;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

[[noreturn]] void reject(std::string_view text, BadDate::Reason why)
{
    throw BadDate(std::string(text), why);
}

} // namespace

Instant parseWhen(std::string_view text, Instant now, const Zone& clock)
{
    if (text == "now")
        return now;

    constexpr auto form = BadDate::Reason::Form;
    Reader reader(text);
    const auto year = reader.number(4);
    if (!year || !reader.take('-'))
        reject(text, form);
    const auto month = reader.number(2);
    if (!month || !reader.take('-'))
        reject(text, form);
    const auto day = reader.number(2);
    if (!day)
        reject(text, form);
    const year_month_day date{std::chrono::year(*year), std::chrono::month(unsigned(*month)),
                              std::chrono::day(unsigned(*day))};
    if (!date.ok())
        reject(text, BadDate::Reason::Calendar);

    seconds timeOfDay{0};
    std::optional<seconds> offset;
    if (!reader.atEnd()) {
        if (!reader.take('T'))
            reject(text, form);
        const auto hour = reader.number(2);
        if (!hour || !reader.take(':'))
            reject(text, form);
        const auto minute = reader.number(2);
        if (!minute)
            reject(text, form);
        std::optional<int> second = 0;
        if (reader.take(':') && !(second = reader.number(2)))
            reject(text, form);
        if (*hour > 23 || *minute > 59 || *second > 59)
            reject(text, BadDate::Reason::TimeOfDay);
        timeOfDay = hours(*hour) + minutes(*minute) + seconds(*second);

        if (reader.take('Z')) {
            offset = seconds(0);
        } else if (const bool ahead = reader.take('+'); ahead || reader.take('-')) {
            const auto offsetHours = reader.number(2);
            if (!offsetHours || !reader.take(':'))
                reject(text, form);
            const auto offsetMinutes = reader.number(2);
            if (!offsetMinutes)
                reject(text, form);
            if (*offsetHours > 23 || *offsetMinutes > 59)
                reject(text, BadDate::Reason::Offset);
            offset = (ahead ? 1 : -1) * (hours(*offsetHours) + minutes(*offsetMinutes));
        }
        if (!reader.atEnd())
            reject(text, form);
    }

    // The year is checked as written, and again in UTC, which a zone may
    // move into another year.
    if (*year < firstYear || *year > lastYear)
        throw OutOfRange(*year, std::string(text));
    const Instant when
        = offset ? Instant{sys_days(date)} + timeOfDay - *offset : clock.at(date, timeOfDay);
    requireSupported(when);
    return when;
}

} // namespace luna::sky
