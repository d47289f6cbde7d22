// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace luna {

// Qt's StatusNotifierItem gives the application's name as both the item's
// Id and its Title. Once the tray icon is shown, this gives the item of this
// process `id` (the application id, by which the panel remembers it) and
// `title` (what the panel shows of it, "Luna"), leaving the rest to Qt.
// Returns false where the icon is not a StatusNotifierItem (an X tray).
bool nameStatusNotifierItem(const QString& id, const QString& title);

} // namespace luna
