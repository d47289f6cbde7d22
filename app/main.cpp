// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"
#include "Language.h"
#include "LunaOptions.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());

    // The options are read once before Qt starts, so that --help and
    // mistakes are answered without a display; they are read again once
    // the texts speak the user's language.
    std::optional<luna::LunaOptions> options;
    try {
        options = luna::parseLunaArguments(arguments, now);
    } catch (const luna::UsageError&) {
    }
    if (!options || options->task != luna::LunaOptions::Task::Window) {
        QCoreApplication application(argc, argv);
        luna::speakUsersLanguage(application);
        try {
            options = luna::parseLunaArguments(arguments, now);
        } catch (const luna::UsageError& error) {
            print(stderr, QStringLiteral("luna: %1\n").arg(QString::fromStdString(error.what())));
            return 2;
        }
        if (options->task == luna::LunaOptions::Task::Help)
            print(stdout, luna::lunaUsage());
        else
            std::printf("luna %s\n", LUNA_VERSION);
        return 0;
    }

    QApplication application(argc, argv);
    luna::speakUsersLanguage(application);
    luna::Form1 form;
    if (options->place)
        form.setPlace(*options->place);
    if (options->hemisphere)
        form.setHemisphere(*options->hemisphere);
    if (options->when)
        form.showInstant(*options->when);
    form.show();
    return application.exec();
}
