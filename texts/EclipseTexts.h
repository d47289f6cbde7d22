// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Eclipses.h"
#include "InstantFacts.h"
#include "Place.h"

#include <QString>

#include <optional>

namespace luna {

// "eclissi totale di Luna", "eclissi anulare di Sole" and so on.
QString eclipseName(const sky::Eclipse& eclipse);

// The English words scripts read: "penumbral", "partial", "total",
// "annular" or "hybrid"; "lunar" or "solar".
QString eclipseTypeKey(sky::EclipseType type);
QString eclipseKindKey(sky::EclipseKind kind);

// What a place sees of a solar eclipse, in one phrase: "da qui: parziale,
// coperto il 62% del Sole, dalle 09:48 alle 12:10, massimo alle 10:57 con
// il Sole alto 51°", or "non visibile da qui"; the times as `zone` reads
// them.
QString localEclipseText(const sky::LocalEclipse& local, const sky::Zone& zone);

// One eclipse for people: when its greatest eclipse falls on the place's
// clock (the system's without a place), what it is and its magnitude; for the Moon the times of the partial
// and total phases, and with a place whether it can be seen there (for the
// Sun, what is seen of it).
QString eclipseText(const sky::Eclipse& eclipse, const std::optional<sky::Place>& place);
// The same of an eclipse whose view from the place is known, on `zone`.
QString eclipseText(const sky::EclipseSeen& seen, const sky::Zone& zone);

// Whether a place sees a lunar eclipse, after its text: "; visibile al
// massimo (fasi: penombra, parziale)".
QString lunarVisibilityText(const sky::Visibility& seen);

// An eclipse under way: "eclissi totale di Luna in corso: totalità,
// magnitudine 1,151", and where the place does not see it now, why.
QString eclipseNowText(const sky::EclipseNow& now);

} // namespace luna
