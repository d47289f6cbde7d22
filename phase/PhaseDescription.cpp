#include "PhaseDescription.h"

#include "DrawLuna.h"

#include <cmath>
#include <numbers>

namespace luna {

double elongationOf(double angle, Hemisphere hemisphere)
{
    const int a = normalisedAngle(angle);
    return hemisphere == Hemisphere::South ? a : (360 - a) % 360;
}

int angleOfElongation(double elongation, Hemisphere hemisphere)
{
    return normalisedAngle(hemisphere == Hemisphere::South ? elongation : 360 - elongation);
}

std::string phaseName(double elongation)
{
    // The same rounding and reduction as the drawing's angle: 359.5 is new.
    const int e = normalisedAngle(elongation);
    if (e == 0)
        return "Luna nuova";
    if (e < 90)
        return "Luna crescente";
    if (e == 90)
        return "Primo quarto";
    if (e < 180)
        return "Gibbosa crescente";
    if (e == 180)
        return "Luna piena";
    if (e < 270)
        return "Gibbosa calante";
    if (e == 270)
        return "Ultimo quarto";
    return "Luna calante";
}

double illuminatedFraction(double elongation)
{
    return (1 - std::cos(elongation * std::numbers::pi / 180)) / 2;
}

std::string phaseDescription(double elongation)
{
    const long percent = std::lround(illuminatedFraction(elongation) * 100);
    return phaseName(elongation) + ", illuminata al " + std::to_string(percent) + "%";
}

} // namespace luna
