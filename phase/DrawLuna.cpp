// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawLuna.h"

#include <array>
#include <atomic>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <thread>

namespace luna {

namespace {

std::atomic<std::chrono::microseconds> pause{LunaPause};
std::atomic<PauseWaiter> waiter{nullptr};

// The drawing's own approximation of pi; the half-discs are placed with it.
constexpr double pi = 3.1415;
constexpr double threeHalvesPi = 3 * pi / 2;
constexpr double halfPi = pi / 2;

enum class Terminator { Shrinking, Growing };

struct Quarter {
    Colour disc;
    Colour half;
    double start;
    double end;
    Terminator terminator;
};

// One row per quarter of the cycle, from 0 degrees upwards. The half-disc
// covers the right half when it starts at -3pi/2, the left half otherwise.
constexpr std::array<Quarter, 4> quarters{{
    {White, Black, -threeHalvesPi, -halfPi, Terminator::Shrinking},
    {Black, White, -halfPi, -threeHalvesPi, Terminator::Growing},
    {Black, White, -threeHalvesPi, -halfPi, Terminator::Shrinking},
    {White, Black, -halfPi, -threeHalvesPi, Terminator::Growing},
}};

std::string describe(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

[[noreturn]] void reject(const char* argument, double value, const char* requirement)
{
    throw std::invalid_argument(std::string("DrawLuna: ") + argument + " must be " + requirement
                                + ", not " + describe(value));
}

void checkPlacement(double x, double y, double r)
{
    if (!std::isfinite(x))
        reject("x", x, "a finite number");
    if (!std::isfinite(y))
        reject("y", y, "a finite number");
    if (!std::isfinite(r) || r < 0)
        reject("radius", r, "a finite number no less than 0");
}

double roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

void drawFigures(PictureSurface& surface, double x, double y, int a, double r)
{
    const Quarter& quarter = quarters[static_cast<std::size_t>(a / 90)];
    const double progress = (a % 90) / 90.0;
    const double k = quarter.terminator == Terminator::Shrinking ? 1 - progress : progress;

    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColor(quarter.disc);
    surface.circle(CircleFlags::Closed, x, y, r, surface.fillColor(), 0, 0, 1);
    surface.setFillColor(quarter.half);
    surface.circle(CircleFlags::Pie, x, y, r, surface.fillColor(), quarter.start, quarter.end, 1);
    if (k != 0)
        surface.circle(CircleFlags::Closed, x, y, r, surface.fillColor(), 0, 0, 1 / k);

    surface.setFillStyle(FillStyle::Transparent);
    surface.circle(CircleFlags::Closed, x, y, r, Black, 0, 0, 1);
}

} // namespace

int normalisedAngle(double angle)
{
    if (!std::isfinite(angle))
        reject("angle", angle, "a finite number");
    // fmod is exact, so this holds for angles far beyond the int range too.
    const double reduced = std::fmod(roundHalfToEven(angle), 360.0);
    return static_cast<int>(reduced < 0 ? reduced + 360 : reduced);
}

void drawPhase(PictureSurface& surface, double x, double y, double angle, double r)
{
    const int a = normalisedAngle(angle);
    checkPlacement(x, y, r);
    drawFigures(surface, x, y, a, r);
}

void waitLunaPause()
{
    const auto deadline = std::chrono::steady_clock::now() + pause.load();
    if (const PauseWaiter wait = waiter.load())
        wait(deadline);
    // However the wait was spent, it lasts the whole pause.
    while (std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_until(deadline);
}

void DrawLuna(PictureSurface& surface, double x, double y, double angle, double r)
{
    const int a = normalisedAngle(angle);
    checkPlacement(x, y, r);
    waitLunaPause();
    drawFigures(surface, x, y, a, r);
}

void setPauseWaiter(PauseWaiter wait)
{
    waiter = wait;
}

void setPauseForTesting(std::chrono::microseconds shorter)
{
    pause = shorter;
}

} // namespace luna
