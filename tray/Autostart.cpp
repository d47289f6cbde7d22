// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Autostart.h"

#include "Identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace luna {

QString autostartPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/%1-tray.desktop").arg(applicationId());
}

bool startsWithSession()
{
    return QFileInfo::exists(autostartPath());
}

bool setStartsWithSession(bool starts)
{
    const QString path = autostartPath();
    if (!starts)
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Luna\n"
                                         "Comment=%1\n"
                                         "Exec=luna --tray\n"
                                         "Icon=%2\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(QCoreApplication::translate("Tray", "La Luna di stasera nell'area di notifica"), applicationId());
    file.write(entry.toUtf8());
    return file.commit();
}

} // namespace luna
