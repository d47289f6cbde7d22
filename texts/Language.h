// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace luna {

// The languages Luna speaks. Its texts are written in Italian; English is a
// translation.
enum class Language { Italian, English };

// The first of the user's preferred languages (as QLocale::uiLanguages()
// lists them) that Luna speaks, or Italian when none is.
Language chooseLanguage(const QStringList& uiLanguages);

// The locale dates and numbers are written in alongside the texts: Italy's
// for Italian, the user's own English one (or the United States') for
// English.
QLocale localeFor(Language language, const QStringList& uiLanguages);

// Speaks the user's language from now on: installs the translation of Luna's
// texts (and of Qt's own, where Debian ships them) into `application`, and
// makes the texts' locale the default one, so that QLocale() writes dates and
// numbers to match. Returns the language chosen.
Language speakUsersLanguage(QCoreApplication& application);

} // namespace luna
