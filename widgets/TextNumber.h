// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace luna {

// Numbers as text, the same in every locale: plain digits, '.' as the
// decimal point, no group separators.
QString textFromNumber(double value);

// The decimal number at the start of `text` (after any blanks), such as
// "42", "-7.5" or "1e3"; whatever follows it is ignored. A text that does not
// begin with a number reads as 0, and so does one too large for a double.
double numberFromText(QStringView text);

} // namespace luna
