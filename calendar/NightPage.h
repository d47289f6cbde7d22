// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"
#include "Planner.h"

#include <QRectF>

class QPainter;

namespace luna {

// The night's chart, as every output shows it (a file of luna-render, the
// window's "Stanotte"): titled with the night and the place, in the
// reader's language, the Moon's phase as seen from the place's hemisphere.
void paintNightPage(QPainter& painter, const QRectF& area, const sky::Night& night, const sky::Place& place);

} // namespace luna
