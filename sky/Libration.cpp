// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Libration.h"

#include "Constants.h"
#include "Ephemeris.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

namespace luna::sky {

namespace {

using namespace detail;

// The inclination of the mean lunar equator to the ecliptic.
const double inclination = 1.54242 * ERFA_DD2R;

double normalised(double degrees, double from)
{
    double d = std::fmod(degrees - from, 360);
    if (d < 0)
        d += 360;
    return d + from;
}

// Longitude and latitude of a vector on the ecliptic of date (radians).
void ecliptic(const double (&trueOfDate)[3], double obliquity, double& longitude, double& latitude)
{
    double r[3][3];
    eraIr(r);
    eraRx(obliquity, r);
    double e[3];
    eraRxp(r, const_cast<double*>(trueOfDate), e);
    double distance = 0;
    eraP2s(e, &longitude, &latitude, &distance);
}

// Meeus's arguments at T Julian centuries of TT from J2000.
struct Arguments {
    double D, M, Mp, F, Omega, E, K1, K2;
};

Arguments arguments(double T)
{
    Arguments a{};
    a.D = eraFad03(T);
    a.M = eraFalp03(T);
    a.Mp = eraFal03(T);
    a.F = eraFaf03(T);
    a.Omega = eraFaom03(T);
    a.E = 1 - 0.002516 * T - 0.0000074 * T * T;
    a.K1 = (119.75 + 131.849 * T) * ERFA_DD2R;
    a.K2 = (72.56 + 20.186 * T) * ERFA_DD2R;
    return a;
}

// The physical libration in longitude (tau), in the node (sigma) and in
// inclination (rho), degrees: Meeus 53.1.
struct Physical {
    double rho, sigma, tau;
};

Physical physical(const Arguments& a)
{
    const double D = a.D, M = a.M, Mp = a.Mp, F = a.F;
    using std::cos;
    using std::sin;
    Physical p{};
    p.rho = -0.02752 * cos(Mp) - 0.02245 * sin(F) + 0.00684 * cos(Mp - 2 * F) - 0.00293 * cos(2 * F)
        - 0.00085 * cos(2 * F - 2 * D) - 0.00054 * cos(Mp - 2 * D) - 0.00020 * sin(Mp + F)
        - 0.00020 * cos(Mp + 2 * F) - 0.00020 * cos(Mp - F) + 0.00014 * cos(Mp + 2 * F - 2 * D);
    p.sigma = -0.02816 * sin(Mp) + 0.02244 * cos(F) - 0.00682 * sin(Mp - 2 * F) - 0.00279 * sin(2 * F)
        - 0.00083 * sin(2 * F - 2 * D) + 0.00069 * sin(Mp - 2 * D) + 0.00040 * cos(Mp + F)
        - 0.00025 * sin(2 * Mp) - 0.00023 * sin(Mp + 2 * F) + 0.00020 * cos(Mp - F) + 0.00019 * sin(Mp - F)
        + 0.00013 * sin(Mp + 2 * F - 2 * D) - 0.00010 * cos(Mp - 3 * F);
    p.tau = 0.02520 * a.E * sin(M) + 0.00473 * sin(2 * Mp - 2 * F) - 0.00467 * sin(Mp) + 0.00396 * sin(a.K1)
        + 0.00276 * sin(2 * Mp - 2 * D) + 0.00196 * sin(a.Omega) - 0.00183 * cos(Mp - F)
        + 0.00115 * sin(Mp - 2 * D) - 0.00096 * sin(Mp - D) + 0.00046 * sin(2 * F - 2 * D)
        - 0.00039 * sin(Mp - F) - 0.00032 * sin(Mp - M - D) + 0.00027 * sin(2 * Mp - M - 2 * D)
        + 0.00023 * sin(a.K2) - 0.00014 * sin(2 * D) + 0.00014 * cos(2 * Mp - 2 * F)
        - 0.00012 * sin(Mp - 2 * F) - 0.00012 * sin(2 * Mp) + 0.00011 * sin(2 * Mp - 2 * M - 2 * D);
    return p;
}

// The selenographic longitude and latitude (degrees) of the point of the
// Moon that faces a body seen from the Moon's centre along the direction
// opposite to `lambda`, `beta` (the body's view of the Moon, on the
// ecliptic of date): Meeus 53, optical and physical libration together.
// A is returned for the position angle.
void subPoint(double lambda, double beta, double dpsi, const Arguments& a, const Physical& p, double& l,
              double& b, double& A)
{
    const double W = lambda - dpsi - a.Omega;
    A = std::atan2(std::sin(W) * std::cos(beta) * std::cos(inclination) - std::sin(beta) * std::sin(inclination),
                   std::cos(W) * std::cos(beta));
    const double lOptical = normalised((A - a.F) * ERFA_DR2D, -180);
    const double bOptical
        = std::asin(-std::sin(W) * std::cos(beta) * std::sin(inclination) - std::sin(beta) * std::cos(inclination))
        * ERFA_DR2D;
    const double lPhysical
        = -p.tau + (p.rho * std::cos(A) + p.sigma * std::sin(A)) * std::tan(bOptical * ERFA_DD2R);
    const double bPhysical = p.sigma * std::cos(A) - p.rho * std::sin(A);
    l = normalised(lOptical + lPhysical, -180);
    b = bOptical + bPhysical;
}

} // namespace

MoonFace moonFace(Instant when, const std::optional<Place>& place)
{
    requireNearSupported(when);
    const Seconds t = toSeconds(when);
    double tt1 = 0, tt2 = 0;
    terrestrialTime(t, tt1, tt2);
    const double T = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJC;

    // The Moon and the Sun from the Earth's centre, on the true equator and
    // equinox of date.
    double npb[3][3];
    eraPnm06a(tt1, tt2, npb);
    double pv[2][3];
    moonAt(tt1, tt2, pv);
    double sunGcrs[3];
    sunAt(tt1, tt2, sunGcrs);
    double moon[3], sun[3];
    eraRxp(npb, pv[0], moon);
    eraRxp(npb, sunGcrs, sun);

    // Seen from a place, the Moon is where it stands from there.
    double seen[3] = {moon[0], moon[1], moon[2]};
    if (place) {
        double terrestrial[3];
        eraGd2gc(1, place->longitude * ERFA_DD2R, place->latitude * ERFA_DD2R, place->height, terrestrial);
        double ut1 = 0, ut2 = 0;
        universalTime(t, ut1, ut2);
        double c2t[3][3];
        eraC2t06a(tt1, tt2, ut1, ut2, 0, 0, c2t);
        double gcrs[3];
        eraTrxp(c2t, terrestrial, gcrs);
        double ofDate[3];
        eraRxp(npb, gcrs, ofDate);
        for (int i = 0; i < 3; ++i)
            seen[i] -= ofDate[i] / (constants::auKm * 1000);
    }

    double dpsi = 0, deps = 0;
    eraNut06a(tt1, tt2, &dpsi, &deps);
    const double obliquity = eraObl06(tt1, tt2) + deps;
    const Arguments a = arguments(T);
    const Physical p = physical(a);

    MoonFace face;
    double lambda = 0, beta = 0, A = 0;
    ecliptic(seen, obliquity, lambda, beta);
    subPoint(lambda, beta, dpsi, a, p, face.librationLongitude, face.librationLatitude, A);

    // The position angle of the axis: Meeus 53.
    const double rho = p.rho * ERFA_DD2R, sigma = p.sigma * ERFA_DD2R;
    const double V = a.Omega + dpsi + sigma / std::sin(inclination);
    const double X = std::sin(inclination + rho) * std::sin(V);
    const double Y = std::sin(inclination + rho) * std::cos(V) * std::cos(obliquity)
        - std::cos(inclination + rho) * std::sin(obliquity);
    const double omega = std::atan2(X, Y);
    double alpha = 0, delta = 0, distance = 0;
    eraP2s(seen, &alpha, &delta, &distance);
    const double sinP = std::sqrt(X * X + Y * Y) * std::cos(alpha - omega)
        / std::cos(face.librationLatitude * ERFA_DD2R);
    face.axisPositionAngle = normalised(std::asin(std::clamp(sinP, -1.0, 1.0)) * ERFA_DR2D, 0);

    // The Sun's view of the Moon: from the Sun to the Moon's centre.
    double fromSun[3];
    for (int i = 0; i < 3; ++i)
        fromSun[i] = moon[i] - sun[i];
    double lambdaH = 0, betaH = 0, AH = 0;
    ecliptic(fromSun, obliquity, lambdaH, betaH);
    subPoint(lambdaH, betaH, dpsi, a, p, face.subsolarLongitude, face.subsolarLatitude, AH);
    face.colongitude = normalised(90 - face.subsolarLongitude, 0);
    return face;
}

} // namespace luna::sky
