// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InstantFacts.h"

#include "LunarFeatures.h"

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

InstantFacts gatherFacts(Instant when, const std::optional<Place>& place)
{
    requireSupported(when);
    InstantFacts facts;
    facts.when = when;
    facts.clock = clockOf(place);
    facts.elongation = elongation(when);
    facts.illumination = illuminatedFraction(facts.elongation);
    facts.age = age(when);
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
                                                  sunHours(when, *place), moonInDarkSky(when, *place)};
    return facts;
}

} // namespace luna::sky
