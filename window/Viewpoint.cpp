// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Viewpoint.h"

#include "Formats.h"
#include "PlaceNames.h"
#include "Settings.h"


namespace luna {

Viewpoint::Viewpoint()
    : placeChoice_(settings::place.read())
{
    const QString hemisphere = settings::hemisphere.read();
    if (hemisphere == u"south")
        chosenHemisphere_ = Hemisphere::South;
    else if (hemisphere == u"north")
        chosenHemisphere_ = Hemisphere::North;
    try {
        resolve();
    } catch (const sky::BadPlace&) {
        // A place that no longer reads (the time-zone database changed)
        // falls back to the time zone's.
        placeChoice_.clear();
        resolve();
    }
}

void Viewpoint::resolve()
{
    const sky::ZoneTable zones;
    placeFromZone_ = false;
    if (forcedPlace_) {
        place_ = forcedPlace_;
    } else if (!placeChoice_.isEmpty()) {
        place_ = readPlace(placeChoice_, zones);
    } else {
        place_ = sky::systemPlace(zones);
        placeFromZone_ = place_.has_value();
    }
}

QString Viewpoint::placeName() const
{
    return place_ ? placeText(*place_, placeFromZone_) : QString();
}

QString Viewpoint::placeToEdit() const
{
    if (!placeChoice_.isEmpty() && place_ && !place_->label.empty())
        return QString::fromStdString(place_->label);
    return placeChoice_;
}

Hemisphere Viewpoint::hemisphere() const
{
    if (forcedHemisphere_)
        return *forcedHemisphere_;
    if (chosenHemisphere_)
        return *chosenHemisphere_;
    return place_ && place_->latitude < 0 ? Hemisphere::South : Hemisphere::North;
}

void Viewpoint::choosePlace(const QString& text)
{
    const QString before = placeChoice_;
    placeChoice_ = text.trimmed();
    forcedPlace_.reset();
    try {
        resolve();
    } catch (const sky::BadPlace&) {
        placeChoice_ = before;
        resolve();
        throw;
    }
    chosenHemisphere_.reset();
    settings::place.write(placeChoice_);
    settings::hemisphere.forget();
}

void Viewpoint::chooseHemisphere(Hemisphere hemisphere)
{
    chosenHemisphere_ = hemisphere;
    forcedHemisphere_.reset();
    settings::hemisphere.write(hemisphere == Hemisphere::South ? QStringLiteral("south") : QStringLiteral("north"));
}

void Viewpoint::forcePlace(const sky::Place& place)
{
    forcedPlace_ = place;
    resolve();
}

void Viewpoint::forceHemisphere(Hemisphere hemisphere)
{
    forcedHemisphere_ = hemisphere;
}

} // namespace luna
