// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Instants and places as the sky's tests write them.

#include "Place.h"
#include "When.h"

// An instant written in ISO 8601 with its zone: "1992-04-11T23:59:02Z".
inline luna::sky::Instant utc(const char* text)
{
    return luna::sky::parseWhen(text, luna::sky::Instant{}, luna::sky::Zone());
}

// A place at a height in metres, keeping a zone's clock.
inline luna::sky::Place placeOn(double latitude, double longitude, double height, const char* zone)
{
    luna::sky::Place place{{}, latitude, longitude, height};
    place.zone = zone;
    return place;
}
