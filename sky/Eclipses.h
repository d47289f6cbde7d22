// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Place.h"
#include "Sky.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace luna::sky {

enum class EclipseKind { Lunar, Solar };

// Lunar eclipses are penumbral, partial or total; solar ones partial,
// annular, total or hybrid (total along part of the path, annular along the
// rest).
enum class EclipseType { Penumbral, Partial, Total, Annular, Hybrid };

// The contacts of a lunar eclipse: the Moon's limb meets the penumbra (P1),
// the umbra (U1), lies wholly within it (U2), begins to leave it (U3),
// leaves it (U4) and leaves the penumbra (P4).
enum class Contact { P1, U1, U2, U3, U4, P4 };
inline constexpr std::size_t contactCount = 6;

struct Eclipse {
    EclipseKind kind = EclipseKind::Lunar;
    EclipseType type = EclipseType::Partial;
    // Lunar: when the Moon's centre passes nearest the shadow's axis; solar:
    // when the axis of the Moon's shadow passes nearest the Earth's centre.
    Instant greatest;
    // Lunar: the umbral magnitude (negative for a penumbral eclipse). Solar:
    // for a partial eclipse, or a total or annular one whose axis misses the
    // Earth, the fraction of the Sun's diameter covered where most is;
    // otherwise the ratio of the Moon's apparent diameter to the Sun's at
    // greatest eclipse.
    double magnitude = 0;
    double penumbralMagnitude = 0; // lunar only
    // That least distance in Earth equatorial radii, positive when the Moon
    // (or the shadow's axis) passes north of the axis (or the Earth's centre).
    double gamma = 0;
    // Lunar only, the contacts that happen.
    std::array<std::optional<Instant>, contactCount> contacts{};

    std::optional<Instant> contact(Contact which) const { return contacts[std::size_t(which)]; }
};

enum class EclipseKinds { Lunar, Solar, All };

// Every eclipse of the kinds asked for whose greatest eclipse falls in
// [from, to), in time order; the years firstYear..lastYear only, beyond
// which nothing is found. Throws OutOfRange for a `from` outside them.
//
// The Earth's shadow is enlarged by Danjon's rule, as the Five Millennium
// Canon of lunar eclipses does: the Earth's radius grows by 1/85 for its
// atmosphere, less 1/594 for its flattening, so the umbra's angular radius
// is 1.01 pi_moon + pi_sun - s_sun and the penumbra's 1.01 pi_moon + pi_sun
// + s_sun.
std::vector<Eclipse> eclipsesBetween(Instant from, Instant to, EclipseKinds kinds);

// The next `count` eclipses after `after`, fewer when the years run out.
// Throws OutOfRange.
std::vector<Eclipse> nextEclipses(Instant after, std::size_t count, EclipseKinds kinds);

// The first eclipse of a kind after `after`, or none before the years end.
// Throws OutOfRange.
std::optional<Eclipse> nextEclipse(Instant after, EclipseKinds kinds);

// Where a lunar eclipse can be seen from: whether the Moon is above the
// horizon at greatest eclipse, and whether it is at some time during each
// phase the eclipse has (penumbral: P1 to U1 and U4 to P4, or P1 to P4 for
// a penumbral eclipse; partial: U1 to U2 and U3 to U4, or U1 to U4; total:
// U2 to U3).
struct Visibility {
    bool atGreatest = false;
    bool penumbral = false, partial = false, total = false;

    bool any() const { return penumbral || partial || total; }
};

Visibility visibility(const Eclipse& lunar, const Place& place);

// A solar eclipse as a place sees it, from the topocentric Moon and Sun:
// the partial phase begins (C1), the total or annular one begins (C2),
// greatest eclipse (the discs' centres nearest), the total or annular phase
// ends (C3), the partial one ends (C4).
enum class LocalContact { C1, C2, Greatest, C3, C4 };
inline constexpr std::size_t localContactCount = 5;

struct LocalEclipse {
    // What the geometry gives at the place; None where the penumbra never
    // reaches it or the Sun stays below the horizon throughout.
    enum class Type { None, Partial, Annular, Total };

    Type type = Type::None;
    // At greatest eclipse: how far the Moon reaches across the Sun's
    // diameter through both centres, as a fraction of it (1 or more for a
    // total eclipse; for an annular one the ratio of the discs' diameters),
    // and the fraction of the Sun's area covered.
    double magnitude = 0;
    double obscuration = 0;
    // The contacts that happen (none for Type::None), with the Sun's
    // refracted altitude of its centre at each, in degrees: negative where
    // it is below the horizon.
    std::array<std::optional<Instant>, localContactCount> contacts{};
    std::array<double, localContactCount> sunAltitude{};
    // The total or annular phase, C2 to C3, in seconds; zero without one.
    double durationSeconds = 0;
    // Whether the Sun's centre is over the horizon at some moment between C1
    // and C4.
    bool visible = false;

    std::optional<Instant> contact(LocalContact which) const { return contacts[std::size_t(which)]; }
    double altitude(LocalContact which) const { return sunAltitude[std::size_t(which)]; }
    // The Sun rises with the eclipse begun, or sets before it ends.
    bool risesEclipsed() const { return visible && altitude(LocalContact::C1) < 0; }
    bool setsEclipsed() const { return visible && altitude(LocalContact::C4) < 0; }
};

// For a solar eclipse found by eclipsesBetween(). Throws OutOfRange.
LocalEclipse localCircumstances(const Eclipse& solar, const Place& place);

// A solar eclipse from a place at an instant within four hours of its
// greatest: the magnitude then, as LocalEclipse's (0 while the discs are
// apart), and the Sun's refracted altitude, in degrees. Throws OutOfRange.
struct LocalMoment {
    double magnitude = 0;
    double sunAltitude = 0;
};
LocalMoment localMoment(const Eclipse& solar, const Place& place, Instant when);

// The Earth's shadow on the Moon at an instant, as the Earth's centre sees
// it: where the shadow's axis lies from the Moon's centre, towards the
// sky's east and north, and the radii of the umbra and the penumbra (by
// Danjon's rule, as above); all in the Moon's apparent radius. Far from a
// full moon the axis lies far away.
struct ShadowOnMoon {
    double east = 0, north = 0;
    double umbra = 0, penumbra = 0;
};

ShadowOnMoon shadowOnMoon(Instant when);

} // namespace luna::sky
