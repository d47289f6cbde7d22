// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RenderRequest.h"

#include "Formats.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace luna {

[[noreturn]] void fail(const QString& message)
{
    throw UsageError(message);
}

// The folder must be there and take new files.
void checkFolder(const QString& option, const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        fail(QCoreApplication::translate("luna-render", "%1: la cartella %2 non esiste").arg(option, quoted(folder)));
    if (!info.isDir())
        fail(QCoreApplication::translate("luna-render", "%1: %2 non è una cartella").arg(option, quoted(folder)));
    if (!info.isWritable())
        fail(QCoreApplication::translate("luna-render", "%1: nella cartella %2 non si può scrivere").arg(option, quoted(folder)));
}

PictureFormat pictureFile(const QString& output)
{
    const auto format = formatOfFile(output);
    if (!format)
        fail(QCoreApplication::translate("luna-render", "-o: %1 ha un'estensione sconosciuta: serve .png o .svg").arg(quoted(output)));
    if (QFileInfo(output).isDir())
        fail(QCoreApplication::translate("luna-render", "-o: %1 è una cartella").arg(quoted(output)));
    checkFolder(QStringLiteral("-o"), QFileInfo(output).absolutePath());
    return *format;
}

RenderOptions pictureTask(const RenderRequest& request, RenderOptions options, QSize fallback, RenderOptions::Task task)
{
    options.format = pictureFile(request.output);
    options.output = request.output;
    options.size = request.size.value_or(fallback);
    options.task = task;
    return options;
}

int countFrom(const QString& text, int most)
{
    bool ok = false;
    const int count = text.toInt(&ok);
    if (!ok || count < 1 || count > most)
        fail(QCoreApplication::translate("luna-render", "--count: %1 non va bene: serve un numero da 1 a %2")
                 .arg(quoted(text))
                 .arg(most));
    return count;
}

} // namespace luna
