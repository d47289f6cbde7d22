// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Planner.h"

#include <QString>

namespace luna {

// A night's sky as text: its span, the place, the Moon's rise, transit and
// set, the Sun's hours, the Moon in a dark sky and a table every hour.
QString nightText(const sky::Night& night, const sky::Place& place, bool placeFromZone);

// The name of the light a pass happens in: "giorno", "ora d'oro", "ora
// blu", "notte"; and its key for scripts ("day", "golden", "blue", "night").
QString lightName(sky::Light light);
const char* lightKey(sky::Light light);

// A feature now and its next good windows, as text.
QString featureText(const sky::LunarFeature& feature, const sky::FeatureNow& now,
                    const std::vector<sky::FeatureWindow>& windows, const sky::Zone& zone, const sky::SearchSpan& span);

// One good window of a feature, in a line: "venerdì 19 marzo 2027, dalle
// 19:40 alle 22:10 CET: Sole sul dettaglio da 2,1° a 3,4°, colongitudine
// 12,3°, Luna alta fino a 52°, Falce crescente (18%)".
QString featureWindowText(const sky::FeatureWindow& window, const sky::Zone& zone);

// Where a direction lies and the passes of the Moon by it, as text.
QString passesText(const sky::Direction& toward, const std::vector<sky::Pass>& passes, const sky::Place& place,
                   const sky::SearchSpan& span);

// One pass in a line: "sabato 20 marzo 2027, 19:12 CET  Luna piena (99%),
// 0,3° dal punto, Sole a −5° (ora blu), diametro 31,8′".
QString passText(const sky::Pass& pass, const sky::Zone& zone);

} // namespace luna
