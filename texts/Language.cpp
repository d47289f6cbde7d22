// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace luna {

namespace {

bool speaks(const QString& tag, const char* language)
{
    return tag == QLatin1String(language) || tag.startsWith(QLatin1String(language) + u'-')
        || tag.startsWith(QLatin1String(language) + u'_');
}

void loadInto(QCoreApplication& application, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

Language chooseLanguage(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        if (speaks(tag, "it"))
            return Language::Italian;
        if (speaks(tag, "en"))
            return Language::English;
    }
    return Language::Italian;
}

QLocale localeFor(Language language, const QStringList& uiLanguages)
{
    if (language == Language::Italian)
        return QLocale(QLocale::Italian, QLocale::Italy);
    for (const QString& tag : uiLanguages)
        if (speaks(tag, "en"))
            return QLocale(tag);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

Language speakUsersLanguage(QCoreApplication& application)
{
    const QStringList preferred = QLocale::system().uiLanguages();
    const Language language = chooseLanguage(preferred);
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::English) {
        loadInto(application, QStringLiteral("luna_en"), QStringLiteral(":/i18n"));
    } else {
        // Luna's texts are Italian already; Qt's own buttons and dialogs
        // need theirs.
        loadInto(application, QStringLiteral("qtbase_it"), qtTranslations);
    }
    QLocale::setDefault(localeFor(language, preferred));
    return language;
}

} // namespace luna
