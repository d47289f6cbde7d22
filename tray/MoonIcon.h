// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhaseDescription.h"

#include <QIcon>
#include <QImage>

namespace luna {

// The Moon at `elongation` for a panel, `side` logical pixels square at
// `ratio` device pixels to the logical one: the window's drawing, its lit
// part warm white, its dark part a translucent grey, and the whole disc
// ringed in light grey, so that it shows on dark and light panels alike.
QImage panelMoon(double elongation, Hemisphere hemisphere, int side, qreal ratio = 1);

// The icon at the sizes panels ask for, at `ratio`.
QIcon panelIcon(double elongation, Hemisphere hemisphere, qreal ratio = 1);

} // namespace luna
