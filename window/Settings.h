// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

namespace luna {

// Luna's remembered choices: luna/luna.conf under the user's XDG
// configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
inline QSettings lunaSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("luna"), QStringLiteral("luna"));
}

} // namespace luna
