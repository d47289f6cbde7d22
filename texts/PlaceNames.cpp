// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlaceNames.h"

#include "Gazetteer.h"

#include <QLocale>

namespace luna {

namespace {

places::NameLanguage namesLanguage()
{
    return QLocale().language() == QLocale::Italian ? places::NameLanguage::Italian : places::NameLanguage::English;
}

} // namespace

sky::Place readPlace(const QString& text, const sky::ZoneTable& zones)
{
    return places::resolvePlace(text.trimmed().toStdString(), zones, namesLanguage());
}

QStringList placeSuggestions(const QString& text, int most)
{
    QStringList found;
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return found;
    for (const sky::Place& city : places::findCities(wanted.toStdString(), namesLanguage(), std::size_t(most)))
        found << QString::fromStdString(city.label);
    const sky::ZoneTable zones;
    for (const sky::Place& zone : zones.zones()) {
        if (found.size() >= most)
            break;
        const QString name = QString::fromStdString(zone.name);
        if (name.contains(wanted, Qt::CaseInsensitive))
            found << name;
    }
    return found;
}

std::optional<sky::Place> nearestCity(double latitude, double longitude)
{
    return places::nearestCity(latitude, longitude, namesLanguage());
}

} // namespace luna
