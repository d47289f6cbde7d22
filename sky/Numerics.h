// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the sky finds when something happens: every search over time (rise,
// transit and set, the Sun's hours, phases, apsides, eclipses' contacts and
// greatest moments, and those to come) steps across its span to bracket
// the event, then closes in on it here. Times are in seconds.

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace luna::sky::numerics {

// Where f crosses zero within [a, b], given fa = f(a) and fb = f(b) of
// opposite signs (or either of them zero), to within `tolerance`: Brent's
// method (R. P. Brent, Algorithms for Minimization without Derivatives,
// 1973, chapter 4, "zero"), inverse quadratic interpolation kept inside a
// bisection's bracket.
template <class F>
double root(F&& f, double a, double fa, double b, double fb, double tolerance)
{
    if (fa == 0)
        return a;
    if (fb == 0)
        return b;
    constexpr double epsilon = std::numeric_limits<double>::epsilon();
    double c = a, fc = fa, d = b - a, e = d;
    for (int step = 0; step < 100; ++step) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b, b = c, c = a;
            fa = fb, fb = fc, fc = fa;
        }
        const double tol = 2 * epsilon * std::abs(b) + tolerance / 2;
        const double m = (c - b) / 2;
        if (std::abs(m) <= tol || fb == 0)
            return b;
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            double p = 0, q = 0;
            const double s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * m * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : std::copysign(tol, m);
        fb = f(b);
    }
    return b;
}

// Where a function that falls then rises is least within [a, b], to within
// `tolerance`: Brent's minimisation (ibid., chapter 5, "localmin"), golden
// sections with parabolic steps.
template <class F>
double minimum(F&& f, double a, double b, double tolerance)
{
    const double golden = (3 - std::sqrt(5.0)) / 2;
    constexpr double epsilon = std::numeric_limits<double>::epsilon();
    double x = a + golden * (b - a), w = x, v = x;
    double fx = f(x), fw = fx, fv = fx;
    double d = 0, e = 0;
    for (int step = 0; step < 200; ++step) {
        const double middle = (a + b) / 2;
        const double tol = 2 * epsilon * std::abs(x) + tolerance / 3, tol2 = 2 * tol;
        if (std::abs(x - middle) <= tol2 - (b - a) / 2)
            break;
        double p = 0, q = 0, r = 0;
        if (std::abs(e) > tol) {
            r = (x - w) * (fx - fv);
            q = (x - v) * (fx - fw);
            p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            else
                q = -q;
            r = e;
            e = d;
        }
        if (std::abs(p) < std::abs(q * r / 2) && p > q * (a - x) && p < q * (b - x)) {
            d = p / q;
            const double u = x + d;
            if (u - a < tol2 || b - u < tol2)
                d = x < middle ? tol : -tol;
        } else {
            e = (x < middle ? b : a) - x;
            d = golden * e;
        }
        const double u = x + (std::abs(d) >= tol ? d : std::copysign(tol, d));
        const double fu = f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w, fv = fw;
            w = x, fw = fx;
            x = u, fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w, fv = fw;
                w = u, fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u, fv = fu;
            }
        }
    }
    return x;
}

// Where f reaches zero from a guess t, for a function that grows at about
// `rate` and whose slope changes slowly (an angle that turns steadily, such
// as the elongation): the secant method, begun on that rate, to within
// `tolerance` of zero in f's own unit. Fewer steps than a bracket needs.
template <class F>
double secant(F&& f, double t, double rate, double tolerance)
{
    double ft = f(t);
    for (int step = 0; step < 30 && std::abs(ft) > tolerance; ++step) {
        const double next = t - ft / rate;
        const double fNext = f(next);
        if (fNext != ft)
            rate = (fNext - ft) / (next - t);
        t = next;
        ft = fNext;
    }
    return t;
}

// Steps f across [from, to] by `step` (the last step shorter), and hands
// each step over which it changes sign, from a value <= 0 to one > 0 or
// back, to crossed(a, fa, b, fb), with f's values at both ends; f is
// looked at once a node. crossed returns false to stop the scan.
template <class F, class Crossed>
void scan(F&& f, double from, double to, double step, Crossed&& crossed)
{
    double a = from, fa = f(a);
    while (a < to) {
        const double b = std::min(a + step, to);
        const double fb = f(b);
        if ((fa > 0) != (fb > 0) && !crossed(a, fa, b, fb))
            return;
        a = b;
        fa = fb;
    }
}

// The stretches of [from, to] where f is above zero, scanned by `step` and
// each end found to within `tolerance`, as (start, end) pairs; one that runs
// on at `to` ends there.
template <class F>
std::vector<std::pair<double, double>> above(F&& f, double from, double to, double step, double tolerance)
{
    std::vector<std::pair<double, double>> stretches;
    bool inside = f(from) > 0;
    double start = from;
    scan(f, from, to, step, [&](double a, double fa, double b, double fb) {
        const double t = root(f, a, fa, b, fb, tolerance);
        if (fb > 0) {
            start = t;
            inside = true;
        } else if (inside) {
            stretches.emplace_back(start, t);
            inside = false;
        }
        return true;
    });
    if (inside && start < to)
        stretches.emplace_back(start, to);
    return stretches;
}

} // namespace luna::sky::numerics
