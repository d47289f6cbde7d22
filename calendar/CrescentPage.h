// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Crescent.h"

#include <QRectF>

class QPainter;

namespace luna {

// The crescent's map of an evening as every output shows it, titled with
// the evening, the criterion and the conjunction, the zones named in the
// reader's language.
void paintCrescentPage(QPainter& painter, const QRectF& area, const sky::CrescentMap& map, sky::Criterion criterion);

} // namespace luna
