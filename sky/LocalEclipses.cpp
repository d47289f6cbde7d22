// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A solar eclipse as a place sees it: the topocentric discs of the Moon and
// the Sun, their contacts, magnitude and obscuration.

#include "Eclipses.h"
#include "Numerics.h"
#include "ObserverFrame.h"

namespace luna::sky {

namespace {

using namespace detail;

// The discs of the Moon and the Sun from a place at one instant, in
// radians: the separation of their centres, their semidiameters (the
// Moon's with the canon's two radii) and the Sun's geometric altitude.
struct Discs {
    double separation = 0;
    double sun = 0, moon = 0, moonUmbra = 0;
    double sunAltitude = 0;

    // Below zero while the discs overlap, and while one lies within the other.
    double partial() const { return separation - sun - moon; }
    double central() const { return separation - std::abs(sun - moonUmbra); }
    // How far the Moon reaches across the Sun's diameter through both
    // centres; while one disc lies within the other and the Moon is the
    // smaller, the ratio of their diameters (annular).
    double magnitude() const
    {
        if (central() < 0 && moonUmbra < sun)
            return moon / sun;
        return (sun + moon - separation) / (2 * sun);
    }
};

// The penumbra takes less than seven hours to cross the Earth.
constexpr Seconds reach = 4 * 3600;

// The discs from a place at any instant within `reach` of an eclipse's
// greatest.
class DiscsFrom {
public:
    DiscsFrom(Seconds greatest, const Place& place)
        : frame_(greatest)
        , observer_(place, place.height)
        , moonPath_(greatest - reach, greatest + reach, frame_)
        , sunPath_(greatest - reach, greatest + reach, frame_)
    {
    }

    Discs operator()(Seconds when) const
    {
        double ut1 = 0, ut2 = 0;
        clockDate(when, ut1, ut2);
        ut2 += frame_.ut1Offset;
        double moon[3], sun[3], intermediate[3], fromMoon[3], fromSun[3];
        moonPath_.at(when, moon);
        sunPath_.at(when, sun);
        fromPlace(moon, ut1, ut2, frame_, observer_, intermediate, fromMoon);
        fromPlace(sun, ut1, ut2, frame_, observer_, intermediate, fromSun);
        double across[3];
        eraPxp(fromMoon, fromSun, across);
        const double moonDistance = eraPm(fromMoon) * constants::auKm, sunDistance = eraPm(fromSun);
        Discs d;
        d.separation = std::atan2(eraPm(across), eraPdp(fromMoon, fromSun));
        d.sun = std::asin(constants::sunRadiusKm / constants::auKm / sunDistance);
        d.moon = std::asin(constants::moonRatio * constants::earthRadiusKm / moonDistance);
        d.moonUmbra = std::asin(constants::moonUmbraRatio * constants::earthRadiusKm / moonDistance);
        d.sunAltitude = std::asin(dot(observer_.up, fromSun) / sunDistance);
        return d;
    }

private:
    Frame frame_;
    Observer observer_;
    MoonPath moonPath_;
    SunPath sunPath_;
};

// The Sun's altitude as seen, its centre refracted, in degrees.
double observedAltitude(const Discs& d)
{
    return degrees(d.sunAltitude + refraction(d.sunAltitude));
}

// The area two discs of radii r and s, d apart, share.
double sharedArea(double r, double s, double d)
{
    if (d >= r + s)
        return 0;
    if (d <= std::abs(r - s))
        return ERFA_DPI * std::min(r, s) * std::min(r, s);
    const double a = std::acos(std::clamp((d * d + r * r - s * s) / (2 * d * r), -1.0, 1.0));
    const double b = std::acos(std::clamp((d * d + s * s - r * r) / (2 * d * s), -1.0, 1.0));
    return r * r * (a - std::sin(2 * a) / 2) + s * s * (b - std::sin(2 * b) / 2);
}

} // namespace

LocalEclipse localCircumstances(const Eclipse& solar, const Place& place)
{
    requireNearSupported(solar.greatest);
    if (solar.kind != EclipseKind::Solar)
        return {};
    constexpr Seconds coarse = 300;
    const Seconds greatest = toSeconds(solar.greatest);
    const DiscsFrom discs(greatest, place);

    // Where the centres come nearest: the least of a coarse look, then to
    // the second.
    Seconds nearest = greatest - reach;
    double closest = discs(nearest).separation;
    for (Seconds t = nearest + coarse; t <= greatest + reach; t += coarse)
        if (const double separation = discs(t).separation; separation < closest) {
            closest = separation;
            nearest = t;
        }
    nearest = numerics::minimum([&](Seconds t) { return discs(t).separation; }, nearest - coarse, nearest + coarse,
                                timeTolerance);
    const Discs middle = discs(nearest);
    if (middle.partial() >= 0)
        return {};

    // Where an edge is crossed on either side of the middle, stepping out
    // until it is.
    const auto edges = [&](double (Discs::*edge)() const, Seconds step, Seconds within) {
        const auto f = [&](Seconds t) { return (discs(t).*edge)(); };
        std::pair<Seconds, Seconds> found{nearest, nearest};
        for (const int side : {-1, 1}) {
            Seconds a = nearest;
            double fa = (middle.*edge)();
            for (Seconds b = nearest + side * step; std::abs(b - nearest) <= within + step; b += side * step) {
                const double fb = f(b);
                if (fb >= 0) {
                    if (side < 0)
                        found.first = numerics::root(f, b, fb, a, fa, timeTolerance);
                    else
                        found.second = numerics::root(f, a, fa, b, fb, timeTolerance);
                    break;
                }
                a = b;
                fa = fb;
            }
        }
        return found;
    };

    LocalEclipse local;
    const auto set = [&](LocalContact which, Seconds when) {
        local.contacts[std::size_t(which)] = toInstant(when);
        local.sunAltitude[std::size_t(which)] = observedAltitude(discs(when));
    };
    const auto [c1, c4] = edges(&Discs::partial, coarse, 2 * reach);
    set(LocalContact::C1, c1);
    set(LocalContact::Greatest, nearest);
    set(LocalContact::C4, c4);
    local.obscuration = sharedArea(middle.sun, middle.moon, middle.separation) / (ERFA_DPI * middle.sun * middle.sun);
    if (middle.central() < 0) {
        // Totality and annularity last less than a quarter of an hour.
        const auto [c2, c3] = edges(&Discs::central, 30, 900);
        set(LocalContact::C2, c2);
        set(LocalContact::C3, c3);
        local.durationSeconds = c3 - c2;
        local.type = middle.moonUmbra > middle.sun ? LocalEclipse::Type::Total : LocalEclipse::Type::Annular;
        if (local.type == LocalEclipse::Type::Total)
            local.obscuration = 1;
    } else {
        local.type = LocalEclipse::Type::Partial;
    }
    local.magnitude = local.type == LocalEclipse::Type::Annular ? middle.moon / middle.sun : middle.magnitude();

    // Seen when the Sun is up at either end, or at some moment between.
    for (Seconds t = c1; t < c4 + coarse && !local.visible; t += coarse)
        local.visible = observedAltitude(discs(std::min(t, c4))) > 0;
    if (!local.visible)
        return {};
    return local;
}

LocalMoment localMoment(const Eclipse& solar, const Place& place, Instant when)
{
    requireNearSupported(solar.greatest);
    const Seconds greatest = toSeconds(solar.greatest), at = toSeconds(when);
    if (solar.kind != EclipseKind::Solar || std::abs(at - greatest) > reach)
        return {};
    const Discs d = DiscsFrom(greatest, place)(at);
    return {std::max(0.0, d.magnitude()), observedAltitude(d)};
}

} // namespace luna::sky
