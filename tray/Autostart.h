// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace luna {

// The XDG autostart entry that starts `luna --tray` with the session:
// autostart/io.github.luna.Luna-tray.desktop under $XDG_CONFIG_HOME (by
// default ~/.config).
QString autostartPath();
bool startsWithSession();

// Writes or removes the entry; false when the folder cannot be written.
bool setStartsWithSession(bool starts);

} // namespace luna
