// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace luna {

// What assistive technologies see of the month's grid: a list whose items
// are its days, each named as MonthView::spokenDay() says it and described
// by its whole story, the selected one focused. Installed with
// QAccessible::installFactory().
QAccessibleInterface* monthAccessible(const QString& className, QObject* object);

} // namespace luna
