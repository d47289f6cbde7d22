// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Zone.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace luna::sky {

// A place on the Earth: geodetic latitude and longitude in degrees (north
// and east positive), height above sea level in metres; its name (a zone's,
// or a city's in English), its time zone and its country's ISO code where
// known, and how people of the interface's language name it ("Roma, Lazio,
// Italia"; empty where the name will do).
struct Place {
    Place() = default;
    Place(std::string placeName, double north, double east, double metres)
        : name(std::move(placeName))
        , latitude(north)
        , longitude(east)
        , height(metres)
    {
    }

    std::string name;
    double latitude = 0;
    double longitude = 0;
    double height = 0;
    std::string zone;
    std::string country;
    std::string label;

    // The place's civil clock: its zone's, or the system's for a place known
    // only by its coordinates.
    Zone clock() const;
};

// The clock of a place, or the system's without one.
Zone clockOf(const std::optional<Place>& place);

// A text that names no place, and why.
class BadPlace : public std::invalid_argument {
public:
    enum class Reason {
        NotANumber,     // LAT,LON[,HEIGHT] with a part that is no number
        Latitude,       // latitude outside [-90, 90]
        Longitude,      // longitude outside [-180, 180]
        Height,         // height outside [-500, 9000] m
        Unknown,        // no zone goes by the name
        Ambiguous,      // several zones go by the name
    };

    BadPlace(std::string written, Reason why, std::vector<std::string> closest = {});

    std::string text;
    Reason reason;
    // For Unknown, the closest names; for Ambiguous, every zone by the name.
    std::vector<std::string> candidates;
};

// The zones of the time-zone database that have coordinates, as its tables
// zone1970.tab and zone.tab list them.
class ZoneTable {
public:
    // Reads the tables in `folder` (the zoneinfo folder); a table that is
    // missing adds nothing.
    explicit ZoneTable(const std::string& folder = "/usr/share/zoneinfo");

    // The zone named whole ("Europe/Rome") or by its last part ("Rome",
    // "new york"), ignoring case, with spaces for underscores. Throws
    // BadPlace (Unknown or Ambiguous).
    Place find(std::string_view name) const;

    // The zone by its exact name, if it has coordinates.
    std::optional<Place> exactly(std::string_view name) const;

    bool empty() const { return zones_.empty(); }
    const std::vector<Place>& zones() const { return zones_; }

    // A name as people may write it, lower case with spaces for
    // underscores, and how many of each letter it has: the count bounds
    // how near another name can be.
    struct Spelling {
        std::string text;
        std::array<std::uint8_t, 32> letters{};
    };

private:
    std::vector<Place> zones_;
    // Each zone's whole name and last part, as spelled for comparing.
    std::vector<Spelling> whole_, last_;
};

// "LAT,LON" or "LAT,LON,HEIGHT" in decimal degrees and metres, or a zone's
// name. Throws BadPlace.
Place parsePlace(std::string_view text, const ZoneTable& zones);

// "LAT,LON" or "LAT,LON,HEIGHT" alone. Throws BadPlace.
Place parseCoordinates(std::string_view text);

// The coordinates of a zone table's "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS".
std::optional<Place> placeFromIso6709(std::string_view text);

// The name of the process's time zone: TZ when it names a zone (with or
// without a leading ':'), else the zone /etc/localtime links to, else
// /etc/timezone. Empty when TZ is a rule such as "CET-1CEST" or nothing
// names one.
std::string systemZoneName(const std::string& localtime = "/etc/localtime",
                           const std::string& timezone = "/etc/timezone");

// The place of the process's time zone, when its zone has coordinates.
std::optional<Place> systemPlace(const ZoneTable& zones);

} // namespace luna::sky
