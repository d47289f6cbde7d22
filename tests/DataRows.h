// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

// The rows of a published table kept in tests/data: each line that is
// neither blank nor a comment ("# ..."), split at its spaces. Empty when the
// file cannot be read.
inline QList<QStringList> dataRows(const char* name)
{
    QFile file(QStringLiteral(LUNA_TEST_DATA "/") + QLatin1String(name));
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows << line.split(u' ', Qt::SkipEmptyParts);
    }
    return rows;
}
