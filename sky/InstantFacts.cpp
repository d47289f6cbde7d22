// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InstantFacts.h"

#include "LunarFeatures.h"

#include <cmath>

namespace luna::sky {

using namespace std::chrono;

bool EclipseSeen::seen() const
{
    if (local)
        return local->visible;
    if (visibility)
        return visibility->any();
    return true;
}

EclipseSeen eclipseSeen(const Eclipse& eclipse, const std::optional<Place>& place)
{
    EclipseSeen seen{eclipse, std::nullopt, std::nullopt};
    if (!place)
        return seen;
    if (eclipse.kind == EclipseKind::Solar)
        seen.local = localCircumstances(eclipse, *place);
    else
        seen.visibility = visibility(eclipse, *place);
    return seen;
}

std::array<bool, 4> superMoonsAmong(const std::array<PhaseEvent, 4>& next)
{
    std::array<bool, 4> super{};
    for (std::size_t i = 0; i < next.size(); ++i)
        super[i] = next[i].phase == Phase::Full && superMoonPerigee(next[i].when).has_value();
    return super;
}

namespace {

using std::chrono::hours;

bool within(Instant when, const std::optional<Instant>& from, const std::optional<Instant>& to)
{
    return from && to && *from <= when && when <= *to;
}

} // namespace

std::optional<EclipseNow> eclipseNow(Instant when, const std::optional<Place>& place)
{
    // No eclipse lasts more than five hours either side of its greatest.
    std::vector<Eclipse> near;
    try {
        near = eclipsesBetween(when - hours(5), when + hours(5), place ? EclipseKinds::All : EclipseKinds::Lunar);
    } catch (const OutOfRange&) {
        return std::nullopt;
    }
    for (const Eclipse& eclipse : near) {
        EclipseNow now{eclipseSeen(eclipse, place), EclipseNow::Phase::Penumbral, 0, true};
        if (eclipse.kind == EclipseKind::Lunar) {
            if (!within(when, eclipse.contact(Contact::P1), eclipse.contact(Contact::P4)))
                continue;
            const ShadowOnMoon shadow = shadowOnMoon(when);
            // In the Moon's radius: how far the shadow reaches across its
            // diameter.
            const double off = std::hypot(shadow.east, shadow.north);
            const double umbral = (shadow.umbra - off + 1) / 2;
            now.phase = within(when, eclipse.contact(Contact::U2), eclipse.contact(Contact::U3)) ? EclipseNow::Phase::Total
                : within(when, eclipse.contact(Contact::U1), eclipse.contact(Contact::U4))        ? EclipseNow::Phase::Partial
                                                                                                  : EclipseNow::Phase::Penumbral;
            now.magnitude = now.phase == EclipseNow::Phase::Penumbral ? (shadow.penumbra - off + 1) / 2 : umbral;
            now.seenNow = !place || moonView(when, *place).altitude > 0;
        } else {
            const LocalEclipse& local = *now.seen.local;
            if (local.type == LocalEclipse::Type::None
                || !within(when, local.contact(LocalContact::C1), local.contact(LocalContact::C4)))
                continue;
            const bool central = within(when, local.contact(LocalContact::C2), local.contact(LocalContact::C3));
            now.phase = !central ? EclipseNow::Phase::Partial
                : local.type == LocalEclipse::Type::Total ? EclipseNow::Phase::Total
                                                          : EclipseNow::Phase::Annular;
            const LocalMoment moment = localMoment(eclipse, *place, when);
            now.magnitude = moment.magnitude;
            now.seenNow = moment.sunAltitude > 0;
        }
        return now;
    }
    return std::nullopt;
}

InstantFacts gatherFacts(Instant when, const std::optional<Place>& place)
{
    requireSupported(when);
    InstantFacts facts;
    facts.when = when;
    facts.clock = clockOf(place);
    facts.elongation = elongation(when);
    facts.illumination = illuminatedFraction(facts.elongation);
    facts.age = age(when);
    facts.hijri = hijriDate(facts.clock.day(when));
    facts.face = moonFace(when);
    facts.terminator = terminatorFeatures(facts.face);

    facts.next = nextPhases(when);
    facts.superMoon = superMoonsAmong(facts.next);
    facts.perigee = nextPerigee(when);
    facts.apogee = nextApogee(when);
    // A superluna's perigee: within a day of a full moon still to come.
    if (facts.perigee.distanceKm < superMoonKm)
        for (const PhaseEvent& event : nextPhases(facts.perigee.when - days(1)))
            facts.superPerigee = facts.superPerigee
                || (event.phase == Phase::Full && event.when > when && abs(event.when - facts.perigee.when) <= days(1));

    for (const auto& [kinds, into] : {std::pair{EclipseKinds::Lunar, &facts.lunarEclipse},
                                      std::pair{EclipseKinds::Solar, &facts.solarEclipse}})
        if (const auto eclipse = nextEclipse(when, kinds))
            *into = eclipseSeen(*eclipse, place);

    const MoonView fromCentre = moonView(when, place.value_or(Place{}));
    facts.distanceKm = fromCentre.distanceKm;
    if (place)
        facts.fromPlace = InstantFacts::FromPlace{*place, riseTransitSet(when, *place), fromCentre,
                                                  sunHours(when, *place), moonInDarkSky(when, *place),
                                                  comingCrescent(when, *place)};
    facts.eclipseNow = eclipseNow(when, place);
    return facts;
}

} // namespace luna::sky
