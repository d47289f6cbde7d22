// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PictureSurface.h"

#include <chrono>

namespace luna {

// How long DrawLuna() waits before it draws.
inline constexpr std::chrono::milliseconds LunaPause{100};

// The phase angle as whole degrees in 0..359: rounded to the nearest whole
// number, halves to the even neighbour, then reduced modulo 360 as exact
// arithmetic would (-10 gives 350, 359.5 gives 0).
// Throws std::invalid_argument when the angle is not finite.
int normalisedAngle(double angle);

// Draws the Moon at phase `angle` (degrees) as a disc of radius r centred on
// (x, y), lit part white and dark part black, with a black rim; nothing
// outside the disc and its rim is touched. It sets the surface's fill style
// and fill colour as it goes and leaves the fill style Transparent.
//
// Throws std::invalid_argument, before drawing anything, when the angle, the
// centre or the radius is not finite or the radius is negative.
void drawPhase(PictureSurface& surface, double x, double y, double angle, double r);

// Waits at least LunaPause, without using the processor, then draws as
// drawPhase(). Invalid arguments are reported before the wait.
void DrawLuna(PictureSurface& surface, double x, double y, double angle, double r);

// DrawLuna()'s wait alone, for a picture drawn another way that keeps the
// same pace.
void waitLunaPause();

// How DrawLuna() spends its wait: a function that returns at `until` or
// later. By default it sleeps; a program with windows may handle meanwhile
// whatever is not the user's input, so that its other windows stay alive.
// Null restores the default.
using PauseWaiter = void (*)(std::chrono::steady_clock::time_point until);
void setPauseWaiter(PauseWaiter waiter);

// Shortens (or restores) the wait of DrawLuna(), for tests that drive the
// window with more input than a person could give. The program never calls
// it.
void setPauseForTesting(std::chrono::microseconds pause);

} // namespace luna
