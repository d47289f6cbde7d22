// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhaseDescription.h"
#include "Place.h"

#include <QString>

#include <optional>

namespace luna {

// Where the window's user looks at the Moon from: the place (chosen, or the
// time zone's) and the hemisphere, which follows the place's latitude until
// the user sets it. The choices are remembered between runs (QSettings,
// under the user's XDG configuration folder); what the command line says
// holds for its run only.
class Viewpoint {
public:
    Viewpoint();

    std::optional<sky::Place> place() const { return place_; }
    bool placeFromZone() const { return placeFromZone_; }
    // The civil clock every local time is read on: the place's, or the
    // system's without one.
    sky::Zone clock() const { return sky::clockOf(place_); }
    // The place as a person reads it, or empty without one.
    QString placeName() const;
    // What the user typed to choose it: a zone's name or LAT,LON; empty for
    // the time zone's.
    QString placeChoice() const { return placeChoice_; }
    // The place chosen as it is to be edited: a city by its name in the
    // interface's language, whatever language it was chosen in.
    QString placeToEdit() const;

    Hemisphere hemisphere() const;
    bool hemisphereForced() const { return forcedHemisphere_.has_value(); }

    // Chooses the place by what the user typed, or the time zone's for an
    // empty text, and lets the hemisphere follow it again. Throws
    // sky::BadPlace.
    void choosePlace(const QString& text);
    void chooseHemisphere(Hemisphere hemisphere);

    // From the command line, for this run.
    void forcePlace(const sky::Place& place);
    void forceHemisphere(Hemisphere hemisphere);

private:
    void resolve();

    QString placeChoice_;
    std::optional<Hemisphere> chosenHemisphere_;
    std::optional<Hemisphere> forcedHemisphere_;
    std::optional<sky::Place> forcedPlace_;
    std::optional<sky::Place> place_;
    bool placeFromZone_ = false;
};

} // namespace luna
