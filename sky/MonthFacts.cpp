// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthFacts.h"

#include "Ephemeris.h"

#include <algorithm>
#include <cmath>

namespace luna::sky {

namespace {

using namespace std::chrono;

} // namespace

MonthFacts monthFacts(int y, unsigned m, const std::optional<Place>& place)
{
    if (y < firstYear || y > lastYear || m < 1 || m > 12)
        throw OutOfRange(y);
    MonthFacts facts;
    facts.year = y;
    facts.month = m;
    facts.place = place;
    const Zone clock = clockOf(place);
    facts.clock = clock;
    const year_month first = year(y) / month(m);
    const Instant start = daySpan(clock, first / 1).from;
    const Instant end = daySpan(clock, year_month_day((first + months(1)) / 1)).from;

    // The halves that reach into the month begin up to a half lunation
    // before it and end as long after.
    const std::vector<PhaseEvent> phases = phasesBetween(start - days(16), end + days(16));

    const auto lastDay = unsigned((first / last).day());
    for (unsigned d = 1; d <= lastDay; ++d) {
        DayFacts day;
        day.date = first / d;
        day.evening = clock.at(day.date, eveningHour);
        day.hijri = hijriDate(day.date);
        requireNearSupported(day.evening);
        day.elongation = detail::elongationAt(detail::toSeconds(day.evening));
        day.illumination = illuminatedFraction(day.elongation);
        day.waxing = day.elongation < 180;
        if (place)
            day.riseSet = riseTransitSet(clock.at(day.date, hours(12)), *place);
        const DaySpan span = daySpan(clock, day.date);
        for (const PhaseEvent& event : phases)
            if (span.holds(event.when))
                day.principal = event;
        facts.days.push_back(day);
    }

    const PhaseEvent* previous = nullptr;
    for (const PhaseEvent& event : phases) {
        if (event.phase != Phase::New && event.phase != Phase::Full)
            continue;
        if (previous && event.when > start && previous->when < end)
            facts.halves.push_back({previous->phase == Phase::New, previous->when, event.when});
        previous = &event;
    }

    for (const PhaseEvent& event : phases)
        if (event.when >= start && event.when < end) {
            MonthEvent phase;
            phase.when = event.when;
            phase.phase = event.phase;
            facts.events.push_back(phase);
        }
    for (const auto kind : {MonthEvent::Kind::Perigee, MonthEvent::Kind::Apogee}) {
        for (Apsis apsis = kind == MonthEvent::Kind::Perigee ? nextPerigee(start - days(1))
                                                               : nextApogee(start - days(1));
             apsis.when < end;
             apsis = kind == MonthEvent::Kind::Perigee ? nextPerigee(apsis.when + hours(1))
                                                       : nextApogee(apsis.when + hours(1))) {
            if (apsis.when < start)
                continue;
            MonthEvent turn;
            turn.kind = kind;
            turn.when = apsis.when;
            turn.distanceKm = apsis.distanceKm;
            facts.events.push_back(turn);
        }
    }
    // Eclipses are known within the supported years only.
    const Instant firstInstant{sys_days(year(firstYear) / 1 / 1)};
    const Instant lastInstant{sys_days(year(lastYear + 1) / 1 / 1)};
    for (const Eclipse& eclipse : eclipsesBetween(std::max(start, firstInstant),
                                                  std::min(end, lastInstant), EclipseKinds::All)) {
        MonthEvent event;
        event.kind = MonthEvent::Kind::Eclipse;
        event.when = eclipse.greatest;
        event.eclipse = eclipse;
        if (place && eclipse.kind == EclipseKind::Solar)
            event.local = localCircumstances(eclipse, *place);
        else if (place)
            event.visibility = visibility(eclipse, *place);
        facts.events.push_back(event);
    }

    // A superluna: a full moon within a day of a perigee nearer than
    // superMoonKm; both are marked.
    for (MonthEvent& event : facts.events) {
        if (event.kind != MonthEvent::Kind::Phase || event.phase != Phase::Full)
            continue;
        if (const auto perigee = superMoonPerigee(event.when)) {
            event.superMoon = true;
            for (MonthEvent& other : facts.events)
                if (other.kind == MonthEvent::Kind::Perigee && abs(other.when - perigee->when) < hours(1))
                    other.superMoon = true;
        }
    }
    std::stable_sort(facts.events.begin(), facts.events.end(),
                     [](const MonthEvent& a, const MonthEvent& b) { return a.when < b.when; });
    return facts;
}

} // namespace luna::sky
