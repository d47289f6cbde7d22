// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextNumber.h"

#include <charconv>
#include <string>

namespace luna {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

} // namespace

QString textFromNumber(double value)
{
    return QString::number(value, 'g', 15);
}

double numberFromText(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;

    std::string number;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        if (text[at] == u'-')
            number += '-';
        ++at;
    }
    const qsizetype mantissa = at;
    at = skipDigits(text, at);
    bool hasDigits = at > mantissa;
    if (at < text.size() && text[at] == u'.') {
        const qsizetype fraction = at + 1;
        at = skipDigits(text, fraction);
        hasDigits = hasDigits || at > fraction;
    }
    if (!hasDigits)
        return 0;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        qsizetype exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        if (const qsizetype digitsEnd = skipDigits(text, exponent); digitsEnd > exponent)
            at = digitsEnd;
    }
    number += text.sliced(mantissa, at - mantissa).toLatin1().toStdString();

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc{} ? value : 0;
}

} // namespace luna
