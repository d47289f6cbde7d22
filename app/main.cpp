// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Clock.h"
#include "Form1.h"
#include "Formats.h"
#include "Identity.h"
#include "ProgramClock.h"
#include "Language.h"
#include "LunaOptions.h"
#include "Tray.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLockFile>
#include <QStandardPaths>
#include <QSystemTrayIcon>

#include <memory>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// One tray a desktop session: a name on the session bus, or without a bus a
// lock in the session's runtime folder. Returns false when one runs.
bool firstTrayOfTheSession(std::unique_ptr<QLockFile>& lock)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        const auto reply = bus.interface()->registerService(luna::applicationId() + QStringLiteral(".Tray"),
                                                            QDBusConnectionInterface::DontQueueService,
                                                            QDBusConnectionInterface::DontAllowReplacement);
        return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    }
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return true;
    lock = std::make_unique<QLockFile>(runtime + QStringLiteral("/luna-tray.lock"));
    return lock->tryLock(0);
}

int runTray(QApplication& application)
{
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<QLockFile> lock;
    if (!firstTrayOfTheSession(lock)) {
        print(stdout, QCoreApplication::translate("luna", "luna: Luna è già nell'area di notifica\n"));
        return 0;
    }
    // Without an area for icons (stock GNOME), the notices still come.
    auto panel = luna::PanelIcon::Shown;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        print(stderr, QCoreApplication::translate(
                          "luna", "luna: questo desktop non mostra icone nell'area di notifica: Luna darà solo gli avvisi\n"));
        panel = luna::PanelIcon::None;
    }
    luna::Tray tray(luna::sky::programClock(), panel);
    return application.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    // The clock is started first, as "now" in the arguments reads it; a bad
    // LUNA_CLOCK is told once the texts speak the user's language.
    const bool clockStarted = !luna::startProgramClock();
    const auto now = luna::sky::programClock().now();

    // The options are read once before Qt starts, so that --help and
    // mistakes are answered without a display; they are read again once
    // the texts speak the user's language.
    std::optional<luna::LunaOptions> options;
    try {
        options = luna::parseLunaArguments(arguments, now);
    } catch (const luna::UsageError&) {
    }
    if (!clockStarted || !options
        || (options->task != luna::LunaOptions::Task::Window && options->task != luna::LunaOptions::Task::Tray)) {
        QCoreApplication application(argc, argv);
        luna::speakUsersLanguage(application);
        if (const auto bad = luna::startProgramClock()) {
            print(stderr, QStringLiteral("luna: %1\n").arg(luna::sentence(*bad)));
            return 2;
        }
        try {
            options = luna::parseLunaArguments(arguments, now);
        } catch (const luna::UsageError& error) {
            print(stderr, QStringLiteral("luna: %1\n").arg(luna::sentence(QString::fromStdString(error.what()))));
            return 2;
        }
        if (options->task == luna::LunaOptions::Task::Help)
            print(stdout, luna::lunaUsage());
        else
            std::printf("luna %s\n", LUNA_VERSION);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(LUNA_VERSION));
    luna::claimIdentity();
    // No display name: on X11 Qt would append it to every title, and the
    // main window's is exactly the original's.
    luna::speakUsersLanguage(application);
    // Read again in Luna's language, now chosen: a city is named in it.
    try {
        options = luna::parseLunaArguments(arguments, now);
    } catch (const luna::UsageError&) {
    }
    if (options->task == luna::LunaOptions::Task::Tray)
        return runTray(application);
    luna::Form1 form;
    // A --date without a zone is read on the clock of the place the window
    // shows: the remembered one, unless --place names another.
    try {
        options = luna::parseLunaArguments(arguments, now, form.viewpoint().clock());
    } catch (const luna::UsageError&) {
    }
    if (options->place)
        form.setPlace(*options->place);
    if (options->hemisphere)
        form.setHemisphere(*options->hemisphere);
    if (options->when)
        form.showInstant(*options->when);
    form.show();
    return application.exec();
}
