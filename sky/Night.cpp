// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A night's sky at a place: the Moon and the Sun every ten minutes from
// noon to noon, with the events of the span.

#include "ObserverFrame.h"
#include "Planner.h"

#include <algorithm>

namespace luna::sky {

using namespace detail;

namespace {

// The first of two days' events that falls within [from, to).
std::optional<Instant> firstWithin(const std::optional<Instant>& today, const std::optional<Instant>& tomorrow,
                                   Instant from, Instant to)
{
    if (today && *today >= from && *today < to)
        return today;
    if (tomorrow && *tomorrow >= from && *tomorrow < to)
        return tomorrow;
    return std::nullopt;
}

RiseSet moonWithin(Instant from, Instant to, const Place& place)
{
    const RiseSet today = riseTransitSet(from, place);
    const RiseSet tomorrow = riseTransitSet(to, place);
    RiseSet moon;
    moon.rise = firstWithin(today.rise, tomorrow.rise, from, to);
    moon.riseAzimuth = moon.rise == today.rise ? today.riseAzimuth : tomorrow.riseAzimuth;
    moon.set = firstWithin(today.set, tomorrow.set, from, to);
    moon.setAzimuth = moon.set == today.set ? today.setAzimuth : tomorrow.setAzimuth;
    moon.transit = firstWithin(today.transit, tomorrow.transit, from, to);
    moon.transitAltitude = moon.transit == today.transit ? today.transitAltitude : tomorrow.transitAltitude;
    if (!moon.rise && !moon.set && today.allDay == tomorrow.allDay)
        moon.allDay = today.allDay;
    return moon;
}

SunHours sunWithin(Instant from, Instant to, const Place& place)
{
    const SunHours today = sunHours(from, place);
    const SunHours tomorrow = sunHours(to, place);
    SunHours sun;
    for (auto member : {&SunHours::sunrise, &SunHours::sunset, &SunHours::civilDawn, &SunHours::civilDusk,
                        &SunHours::nauticalDawn, &SunHours::nauticalDusk, &SunHours::astronomicalDawn,
                        &SunHours::astronomicalDusk})
        sun.*member = firstWithin(today.*member, tomorrow.*member, from, to);
    return sun;
}

} // namespace

Night nightAfter(Instant day, const Place& place)
{
    requireSupported(day);
    const Zone clock = place.clock();
    const std::chrono::sys_days date{clock.day(day)};
    Night night;
    night.from = clock.at(std::chrono::year_month_day(date), std::chrono::hours(12));
    night.to = clock.at(std::chrono::year_month_day(date + std::chrono::days(1)), std::chrono::hours(12));

    const Seconds from = toSeconds(night.from), to = toSeconds(night.to);
    const Frame frame((from + to) / 2);
    const Observer observer(place, place.height);
    const MoonPath moonPath(from, to, frame);
    const SunPath sunPath(from, to, frame);
    for (Instant when = night.from; when <= night.to; when += nightSampleStep) {
        const Seconds t = toSeconds(when);
        SkySample sample{when};
        double az = 0, alt = 0;
        observed(sight(t, frame, observer, &moonPath), observer, az, alt);
        sample.moonAltitude = degrees(alt);
        sample.moonAzimuth = degrees(az);
        const auto [sunAltitude, sunAzimuth] = sunAltitudeAzimuth(t, frame, observer, &sunPath);
        sample.sunGeometricAltitude = degrees(sunAltitude);
        sample.sunAltitude = degrees(sunAltitude + refraction(sunAltitude));
        sample.sunAzimuth = degrees(sunAzimuth);
        night.samples.push_back(sample);
    }
    night.highest = std::size_t(std::ranges::max_element(night.samples, {}, &SkySample::moonAltitude)
                                - night.samples.begin());
    night.elongationAtHighest = elongation(night.samples[night.highest].when);

    night.moon = moonWithin(night.from, night.to, place);
    night.sun = sunWithin(night.from, night.to, place);
    night.dark = moonInDarkSky(day, place);
    return night;
}

SearchSpan searchSpan(Instant after, int days)
{
    const Instant last = Instant(std::chrono::sys_days(std::chrono::year(lastYear + 1) / 1 / 1)) + zonesAhead;
    const Instant wanted = after + std::chrono::days(days);
    return {after, std::min(wanted, last), wanted > last};
}

Light lightOf(double sunAltitude)
{
    if (sunAltitude > 6)
        return Light::Day;
    if (sunAltitude >= -4)
        return Light::Golden;
    if (sunAltitude >= -6)
        return Light::Blue;
    return Light::Night;
}

} // namespace luna::sky
