// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace luna {

// A place as the user writes it (see places::resolvePlace()), a city named
// in the language Luna speaks. Throws sky::BadPlace.
sky::Place readPlace(const QString& text, const sky::ZoneTable& zones);

// What a place someone is typing may become: the cities that answer the
// text, named as placeText() names them ("Roma, Lazio, Italia"), then the
// zones whose names hold it; at most `most`.
QStringList placeSuggestions(const QString& text, int most);

// The city nearest to a point, as placeSuggestions() names it, if any.
std::optional<sky::Place> nearestCity(double latitude, double longitude);

} // namespace luna
