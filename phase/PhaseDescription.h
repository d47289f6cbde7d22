#pragma once

#include <string>

namespace luna {

// Which side of the equator the Moon is seen from. A picture that is lit on
// the right in the north is lit on the left in the south.
enum class Hemisphere { North, South };

// The Moon's elongation, its ecliptic longitude minus the Sun's, in degrees
// in [0, 360), that the picture drawn at `angle` shows: 0 new, 90 first
// quarter, 180 full, 270 last quarter. The angle is normalised as the drawing
// normalises it. Throws std::invalid_argument when it is not finite.
double elongationOf(double angle, Hemisphere hemisphere = Hemisphere::North);

// The angle whose picture shows elongation `elongation`: 360 - e in the
// north and e in the south, rounded as the drawing rounds (halves to even)
// into 0..359. Throws std::invalid_argument when it is not finite.
int angleOfElongation(double elongation, Hemisphere hemisphere = Hemisphere::North);

// The Italian name of the phase, by the elongation rounded to a whole degree:
// "Luna nuova", "Luna crescente", "Primo quarto", "Gibbosa crescente",
// "Luna piena", "Gibbosa calante", "Ultimo quarto" or "Luna calante".
std::string phaseName(double elongation);

// The fraction of the disc that is lit, (1 - cos e) / 2.
double illuminatedFraction(double elongation);

// The name and the lit part as a whole percentage, such as
// "Ultimo quarto, illuminata al 50%".
std::string phaseDescription(double elongation);

} // namespace luna
