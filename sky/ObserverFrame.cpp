// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ObserverFrame.h"

#include "Topocentric.h"

namespace luna::sky::detail {

double fromPlace(double (&gcrs)[3], double ut1, double ut2, const Frame& frame, const Observer& observer,
                 double (&intermediate)[3], double (&topocentric)[3])
{
    eraRxp(frame.rc2i, gcrs, intermediate);
    const double era = eraEra00(ut1, ut2);
    double spin[3][3];
    eraIr(spin);
    eraRz(era, spin);
    eraRxp(spin, intermediate, topocentric);
    for (int i = 0; i < 3; ++i)
        topocentric[i] -= observer.position[i];
    return era;
}

void moonPosition(double tt1, double tt2, double (&position)[3])
{
    double pv[2][3];
    moonAt(tt1, tt2, pv);
    std::copy(pv[0], pv[0] + 3, position);
}

Sighting sight(Seconds when, const Frame& frame, const Observer& observer, const MoonPath* path)
{
    Sighting s{};
    double ut1 = 0, ut2 = 0;
    clockDate(when, ut1, ut2);
    s.tt1 = ut1;
    s.tt2 = ut2 + frame.ttOffset;
    ut2 += frame.ut1Offset;
    double position[3];
    if (path) {
        path->at(when, position);
    } else {
        double pv[2][3];
        moonAt(s.tt1, s.tt2, pv);
        std::copy(pv[0], pv[0] + 3, position);
    }
    s.era = fromPlace(position, ut1, ut2, frame, observer, s.geocentric, s.topocentric);
    return s;
}

double geometricAltitude(const Sighting& s, const Observer& observer)
{
    return std::asin(dot(observer.up, s.topocentric) / s.distance());
}

double azimuth(const Sighting& s, const Observer& observer)
{
    return std::atan2(dot(observer.east, s.topocentric), dot(observer.north, s.topocentric));
}

double hourAngle(const Sighting& s, const Observer& observer)
{
    return eraAnpm(observer.longitude - std::atan2(s.topocentric[1], s.topocentric[0]));
}

double semidiameter(const Sighting& s)
{
    return std::asin(constants::moonRadiusKm / (s.distance() * constants::auKm));
}

double limbOverHorizon(const Sighting& s, const Observer& observer)
{
    return geometricAltitude(s, observer) + semidiameter(s) + constants::horizonRefraction;
}

double refraction(double trueAltitude)
{
    const double h = std::max(degrees(trueAltitude), -1.0);
    const double arcminutes = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * ERFA_DD2R) + 0.0019279;
    return arcminutes / 60 * ERFA_DD2R;
}

void observed(const Sighting& s, const Observer& observer, double& az, double& alt)
{
    const double geometric = geometricAltitude(s, observer);
    alt = geometric + refraction(geometric);
    az = azimuth(s, observer);
    if (az < 0)
        az += 2 * ERFA_DPI;
}

void sunFromPlace(Seconds when, const Frame& frame, const Observer& observer, const SunPath* path,
                  double (&terrestrial)[3])
{
    double ut1 = 0, ut2 = 0;
    clockDate(when, ut1, ut2);
    double position[3];
    if (path)
        path->at(when, position);
    else
        sunAt(ut1, ut2 + frame.ttOffset, position);
    double intermediate[3];
    fromPlace(position, ut1, ut2 + frame.ut1Offset, frame, observer, intermediate, terrestrial);
}

std::pair<double, double> sunSight(Seconds when, const Frame& frame, const Observer& observer,
                                   const SunPath* path)
{
    double terrestrial[3];
    sunFromPlace(when, frame, observer, path, terrestrial);
    const double distance = std::sqrt(dot(terrestrial, terrestrial));
    return {std::asin(dot(observer.up, terrestrial) / distance), constants::sunRadiusKm / constants::auKm / distance};
}

std::pair<double, double> sunAltitudeAzimuth(Seconds when, const Frame& frame, const Observer& observer,
                                             const SunPath* path)
{
    double terrestrial[3];
    sunFromPlace(when, frame, observer, path, terrestrial);
    const double distance = std::sqrt(dot(terrestrial, terrestrial));
    const double az = std::atan2(dot(observer.east, terrestrial), dot(observer.north, terrestrial));
    return {std::asin(dot(observer.up, terrestrial) / distance), az < 0 ? az + 2 * ERFA_DPI : az};
}

} // namespace luna::sky::detail

namespace luna::sky {

using namespace detail;

MoonView moonView(Instant when, const Place& place)
{
    requireSupported(when);
    const Seconds t = toSeconds(when);
    const Observer observer(place, place.height);
    const Frame frame(t);
    const Sighting s = sight(t, frame, observer);

    MoonView view;
    double az = 0, alt = 0;
    observed(s, observer, az, alt);
    view.altitude = degrees(alt);
    view.azimuth = fullTurn(degrees(az));
    view.distanceKm = eraPm(const_cast<double*>(s.geocentric)) * constants::auKm;
    view.diameterArcmin = degrees(2 * semidiameter(s)) * 60;

    // The bright limb, from the geocentric Moon and Sun (Meeus, chapter 48).
    double sun[3], sunIntermediate[3];
    sunAt(s.tt1, s.tt2, sun);
    eraRxp(frame.rc2i, sun, sunIntermediate);
    double ra = 0, dec = 0, ra0 = 0, dec0 = 0;
    eraC2s(const_cast<double*>(s.geocentric), &ra, &dec);
    eraC2s(sunIntermediate, &ra0, &dec0);
    const double chi = std::atan2(std::cos(dec0) * std::sin(ra0 - ra),
                                  std::sin(dec0) * std::cos(dec)
                                      - std::cos(dec0) * std::sin(dec) * std::cos(ra0 - ra));
    view.brightLimbAngle = fullTurn(degrees(chi));

    const double topocentricDec = std::asin(s.topocentric[2] / s.distance());
    view.parallacticAngle = degrees(eraHd2pa(hourAngle(s, observer), topocentricDec, observer.latitude));
    return view;
}

std::vector<double> moonAltitudes(const std::vector<Instant>& instants, const Place& place)
{
    std::vector<double> altitudes;
    if (instants.empty())
        return altitudes;
    requireNearSupported(instants.front());
    const Observer observer(place, place.height);
    const Frame frame(toSeconds(instants.front()));
    for (const Instant when : instants) {
        double az = 0, alt = 0;
        observed(sight(toSeconds(when), frame, observer), observer, az, alt);
        altitudes.push_back(degrees(alt));
    }
    return altitudes;
}

} // namespace luna::sky
