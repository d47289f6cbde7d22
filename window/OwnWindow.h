// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Settings.h"

#include <QByteArray>
#include <QSize>

class QWidget;

namespace luna {

// What every window of Luna's beside the main one does: Esc and Ctrl+W close
// it, Return presses the button that has the focus, and it opens within the
// screen's available area at any scale: at the size and place it was left
// at (`saved`, from saveGeometry()), moved just within the screen, if that
// size still fits, else at `preferred`, shrunk to the screen where that is
// too large. Where the compositor places windows (Wayland), only the size
// is restored and the window is never moved.
void makeOwnWindow(QWidget* window, QSize preferred, const QByteArray& saved);

// Remembers where `window` stands in `setting`, as saveGeometry() gives it.
// Where the compositor places windows, Luna learns no position: the size is
// kept with the place the window last had elsewhere (on X).
void rememberGeometry(const QWidget* window, const Setting<QByteArray>& setting);

// Shrinks and moves `window` as far as needed to lie within its screen's
// available area.
void keepOnScreen(QWidget* window);

} // namespace luna
