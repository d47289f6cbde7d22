// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

namespace luna {

// Luna's remembered choices: luna/luna.conf under the user's XDG
// configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
inline QSettings lunaSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("luna"), QStringLiteral("luna"));
}

// One remembered choice: its key in luna.conf, its type and its default.
template <typename T>
struct Setting {
    const char* key;
    T fallback{};

    T read() const
    {
        return lunaSettings().value(QLatin1String(key), QVariant::fromValue(fallback)).template value<T>();
    }
    void write(const T& value) const { lunaSettings().setValue(QLatin1String(key), QVariant::fromValue(value)); }
    void forget() const { lunaSettings().remove(QLatin1String(key)); }
};

// Every choice Luna remembers, declared here and nowhere else.
namespace settings {

// The place as the user wrote it; empty for the time zone's.
inline const Setting<QString> place{"sky/place"};
// "north" or "south" when set by hand; empty to follow the place.
inline const Setting<QString> hemisphere{"sky/hemisphere"};
// Where the facts, month and night windows stood, as saveGeometry() gives it.
inline const Setting<QByteArray> factsGeometry{"windows/facts"};
inline const Setting<QByteArray> monthGeometry{"windows/month"};
inline const Setting<QByteArray> nightGeometry{"windows/night"};
// The tray's notices, on unless turned off.
inline const Setting<bool> notices{"tray/notices", true};
// Whether the month shows each day's date on the Umm al-Qura calendar.
inline const Setting<bool> hijriDates{"calendar/hijri", false};
// Whether the window shows the Moon's face instead of the drawing.
inline const Setting<bool> face{"window/face", false};

} // namespace settings

} // namespace luna
