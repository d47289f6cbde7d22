// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Crescent.h"
#include "Hijri.h"
#include "Place.h"

#include <QString>

#include <vector>

namespace luna {

// What each zone of the criteria means: "la falce si vede facilmente a
// occhio nudo".
QString yallopZoneText(sky::YallopZone zone);
QString odehZoneText(sky::OdehZone zone);
// The zone's letter, as JSON gives it: "A".
QLatin1String zoneLetter(sky::YallopZone zone);
QLatin1String zoneLetter(sky::OdehZone zone);

// An evening in a sentence, in the place's time: "giovedì 10 dicembre: la
// falce si vede facilmente a occhio nudo (Yallop A, q = +0,92; Odeh A,
// V = +9,10), dalle 17:38, 7° sull'orizzonte a 235°", and a second line
// with sunset, moonset, the lag and the Moon's age.
QString crescentEveningText(const sky::CrescentEvening& evening, const sky::Zone& zone);

// The crescents after the next new moons, with the Umm al-Qura month's first
// day and the first evening the crescent can be seen from the place.
QString crescentText(const std::vector<sky::Crescent>& crescents, const sky::Place& place, bool placeFromZone);

// The first evening the crescent can be seen with the naked eye, in a line
// for the facts window: "giovedì 10 dicembre, dalle 17:02 (Yallop B, a
// occhio nudo in condizioni perfette)", or that it cannot in three evenings.
QString firstCrescentText(const sky::Crescent& crescent, const sky::Zone& zone);

// The notice of the evening the crescent is first seen: "Stasera dalle
// 17:58, 5° sull'orizzonte a 250°: la falce si vede a occhio nudo in
// condizioni perfette (Yallop B)".
QString crescentNoticeText(const sky::CrescentEvening& evening, const sky::Zone& zone);

// A Hijri date as people write it, the month as ICU names it in the texts'
// language: "18 Jumada II 1448".
QString hijriText(const sky::HijriDate& date);
QString hijriMonthName(int month);
// Without the year, under a day of the month: "18 Jumada II".
QString hijriDayText(const sky::HijriDate& date);

} // namespace luna
