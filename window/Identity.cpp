// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Identity.h"

#include "PhasePicture.h"

#include <QApplication>

namespace luna {

void claimIdentity()
{
    QCoreApplication::setApplicationName(applicationId());
    QGuiApplication::setDesktopFileName(applicationId());
    QApplication::setWindowIcon(lunaIcon());
}

bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace luna
