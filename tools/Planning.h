// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RenderOptions.h"

#include <QString>

namespace luna {

// What the planners answer, as text for people or one JSON object for
// scripts: the night after --date (RenderOptions::Task::Night without a
// file), a feature now and its next windows, a direction and the Moon's
// passes by it. Throw sky::OutOfRange.
QString nightReport(const RenderOptions& options);
QString featureReport(const RenderOptions& options);
QString passesReport(const RenderOptions& options);

// Writes the night's chart into options.output. Throws WriteError and
// sky::OutOfRange.
void writeNightChart(const RenderOptions& options);

} // namespace luna

namespace luna {

// The crescents after the next new moons from the place (--crescent), as
// text or JSON; the world's grid of an evening as JSON (--crescent-map
// --json); its map into options.output. Throw sky::OutOfRange, and
// WriteError for the map.
QString crescentReport(const RenderOptions& options);
QString crescentGridReport(const RenderOptions& options);
void writeCrescentMap(const RenderOptions& options);

} // namespace luna
