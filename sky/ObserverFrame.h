// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The observer's frame, shared by what the sky tells of a place: the place
// as ERFA takes it, the slow frame of a day, the Moon and the Sun along
// their paths and as seen from the place. Not for use outside sky/.

#include "Constants.h"
#include "Ephemeris.h"
#include "Place.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace luna::sky::detail {

// How often a day is looked at for a rise, a set, a transit or a
// twilight: the Moon's altitude changes by a few degrees meanwhile.
inline constexpr Seconds dayStep = 900;
// Every instant is found to a tenth of a second: people read the minute,
// and scripts the second.
inline constexpr Seconds timeTolerance = 0.1;

inline double dot(const double (&a)[3], const double (&b)[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double degrees(double radians)
{
    return radians * ERFA_DR2D;
}

inline double fullTurn(double degrees)
{
    const double d = std::fmod(degrees, 360);
    return d < 0 ? d + 360 : d;
}

void moonPosition(double tt1, double tt2, double (&position)[3]);

// A place as ERFA takes it: in radians, its position in the terrestrial
// frame (au) and its local east, north and up.
struct Observer {
    Observer(const Place& place, double heightMetres)
        : latitude(place.latitude * ERFA_DD2R)
        , longitude(place.longitude * ERFA_DD2R)
        , height(heightMetres)
    {
        double metres[3];
        eraGd2gc(ERFA_WGS84, longitude, latitude, height, metres);
        for (int i = 0; i < 3; ++i)
            position[i] = metres[i] / (constants::auKm * 1000);
        const double sp = std::sin(latitude), cp = std::cos(latitude);
        const double sl = std::sin(longitude), cl = std::cos(longitude);
        east[0] = -sl, east[1] = cl, east[2] = 0;
        north[0] = -sp * cl, north[1] = -sp * sl, north[2] = cp;
        up[0] = cp * cl, up[1] = cp * sl, up[2] = sp;
    }

    double latitude, longitude, height;
    double position[3];
    double east[3], north[3], up[3];
};

// What changes slowly over a day: the celestial-to-intermediate matrix
// (precession and nutation, IAU 2000B: within a milliarcsecond of the full
// model, a hundredth of what a second of time turns the sky by, at a tenth
// of its cost), TT - clock and UT1 - clock.
struct Frame {
    explicit Frame(Seconds around)
        : ttOffset(terrestrialOffset(around))
        , ut1Offset(rotationOffset(around))
    {
        double tt1 = 0, tt2 = 0;
        terrestrialTime(around, tt1, tt2);
        eraC2i00b(tt1, tt2, rc2i);
    }

    // ERFA takes its matrices by non-const pointer.
    mutable double rc2i[3][3];
    double ttOffset;
    double ut1Offset;
};

// A place's local day, by the minutes people read on its clock: its span,
// the frame of its middle and the place at sea level, where the almanacs'
// horizon is.
struct PlaceDay {
    PlaceDay(Instant within, const Place& place)
        : PlaceDay(daySpanHolding(place.clock(), within), place)
    {
    }

    Seconds start, end;
    Frame frame;
    Observer seaLevel;

private:
    PlaceDay(const DaySpan& span, const Place& place)
        : start(toSeconds(span.from))
        , end(toSeconds(span.to))
        , frame((start + end) / 2)
        , seaLevel(place, 0)
    {
    }
};

// The Moon from the Earth's centre (intermediate frame) and from the place
// (terrestrial frame), in au, with the Earth's rotation angle.
struct Sighting {
    double geocentric[3];
    double topocentric[3];
    double era;
    double tt1, tt2;

    double distance() const { return std::sqrt(dot(topocentric, topocentric)); }
};

// A body's geocentric path over a day or two, from ERFA at evenly spaced
// nodes (four hours apart for the Moon, a day for the Sun), between them by
// the cubic through the four nearest: their paths bend so slowly that this
// keeps within 35 metres for the Moon (measured over 200 days; 0.02" seen
// from the Earth) and a kilometre for the Sun, while each rise, set and
// twilight looks at them a hundred times.
class Path {
public:
    using Source = void (*)(double tt1, double tt2, double (&position)[3]);

    Path(Source source, Seconds step, Seconds from, Seconds to, const Frame& frame)
        : step_(step)
        , first_(from - step)
    {
        const int count = int(std::ceil((to - first_) / step)) + 3;
        nodes_.resize(std::size_t(count));
        for (int i = 0; i < count; ++i) {
            double tt1 = 0, tt2 = 0;
            clockDate(first_ + i * step, tt1, tt2);
            double position[3];
            source(tt1, tt2 + frame.ttOffset, position);
            std::copy(position, position + 3, nodes_[std::size_t(i)].begin());
        }
    }

    void at(Seconds when, double (&position)[3]) const
    {
        const double x = (when - first_) / step_;
        const int last = int(nodes_.size()) - 1;
        const int k = std::clamp(int(std::floor(x)), 1, last - 2);
        const double t = x - k;
        // Lagrange's weights for the nodes at -1, 0, 1 and 2.
        const double w[4] = {-t * (t - 1) * (t - 2) / 6, (t + 1) * (t - 1) * (t - 2) / 2,
                             -(t + 1) * t * (t - 2) / 2, (t + 1) * t * (t - 1) / 6};
        const auto first = std::size_t(k - 1);
        for (std::size_t c = 0; c < 3; ++c) {
            position[c] = 0;
            for (std::size_t j = 0; j < 4; ++j)
                position[c] += w[j] * nodes_[first + j][c];
        }
    }

private:
    Seconds step_;
    Seconds first_;
    std::vector<std::array<double, 3>> nodes_;
};

struct MoonPath : Path {
    MoonPath(Seconds from, Seconds to, const Frame& frame)
        : Path(moonPosition, 4 * 3600, from, to, frame)
    {
    }
};

struct SunPath : Path {
    SunPath(Seconds from, Seconds to, const Frame& frame)
        : Path(sunAt, 86400, from, to, frame)
    {
    }
};

// A geocentric GCRS position (au) in the intermediate frame, and as seen
// from the place in the terrestrial frame, at UT1 ut1 + ut2. Returns the
// Earth's rotation angle.
double fromPlace(double (&gcrs)[3], double ut1, double ut2, const Frame& frame, const Observer& observer,
                 double (&intermediate)[3], double (&topocentric)[3]);

Sighting sight(Seconds when, const Frame& frame, const Observer& observer, const MoonPath* path = nullptr);

// Unrefracted altitude of the Moon's centre, in radians.
double geometricAltitude(const Sighting& s, const Observer& observer);

double azimuth(const Sighting& s, const Observer& observer);

// The local hour angle of the Moon, in (-pi, pi], west positive.
double hourAngle(const Sighting& s, const Observer& observer);

double semidiameter(const Sighting& s);

// The upper limb's altitude over the almanacs' horizon: zero at rise and set.
double limbOverHorizon(const Sighting& s, const Observer& observer);

// Refraction for a true altitude, in radians: Saemundsson's formula
// (Meeus, Astronomical Algorithms, 16.4), for 1010 hPa and 10 degrees C,
// which holds down to the horizon, where ERFA's model (fit for zenith
// distances up to about 75 degrees) gives half of what the almanacs take.
// Below a degree under the horizon it stays at its value there.
double refraction(double trueAltitude);

// Observed azimuth and altitude (radians) of the Moon's centre: seen from
// the place, the altitude refracted.
void observed(const Sighting& s, const Observer& observer, double& az, double& alt);

// The Sun from the place, in the terrestrial frame (au).
void sunFromPlace(Seconds when, const Frame& frame, const Observer& observer, const SunPath* path,
                  double (&terrestrial)[3]);

// The Sun's geometric altitude (radians) from a place, and its
// semidiameter.
std::pair<double, double> sunSight(Seconds when, const Frame& frame, const Observer& observer,
                                   const SunPath* path = nullptr);

// The Sun's geometric altitude and its azimuth (radians, from north through
// east, in [0, 2 pi)) from a place.
std::pair<double, double> sunAltitudeAzimuth(Seconds when, const Frame& frame, const Observer& observer,
                                             const SunPath* path = nullptr);

} // namespace luna::sky::detail
