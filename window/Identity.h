// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace luna {

// Luna's name on the desktop: its desktop file's name, which is also its
// application id on Wayland, the class of its windows on X (WM_CLASS), the
// panel item's Id and the notices' desktop entry.
inline QString applicationId()
{
    return QStringLiteral("io.github.luna.Luna");
}

// What the panel and the notices call Luna.
inline QString applicationTitle()
{
    return QStringLiteral("Luna");
}

// Gives the running program Luna's id and icon, so that the desktop matches
// its windows to the desktop file. Called once the application object is
// made, before any window. The windows' titles do not change: no display
// name is set, as Qt would append it to every title.
void claimIdentity();

// Whether the windowing system places the windows itself (Wayland): Luna then
// remembers their sizes only and never moves them.
bool compositorPlacesWindows();

} // namespace luna
