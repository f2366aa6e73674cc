#pragma once
// Passive earth-pressure coefficient for curved slip surfaces after Caquot and Kérisel,
// and thinning of ordinate lists with repeated depths.
#include <cstdint>
#include <span>

#include "earthpressure/diagrams.h"

namespace zormb {

// Horizontal passive coefficient for soil weight Kpgh for curved slip surfaces
// (angles in radians; alpha = inclination of the wall back, beta = terrain slope).
// A closed-form fit gives the value for full wall friction; a table of reduction
// factors over phi (10..60 degrees) and |deltaP| / phi (0..1) reduces it.
// Angles outside the table are clamped to its edge; the result is then true, so the
// caller can say in the report that the table was left. Inputs are not changed.
// Where the fit leaves the range of a single (friction angles from about 86 degrees on),
// the calculation is abandoned with zor::CalcAbort.
bool KpCaquot(float phi, float deltaP, float alpha, float beta, float& Kpgh);

// Thins the list (e, z, n) in place so that no depth carries more than two points:
// of three or more consecutive points at one depth only the last two stay. Elements
// behind the new end (up to the arrays' end) are set to 0.
void PunkteBereinigen(std::span<float> e, std::span<float> z, int16_t& n);
void PunkteBereinigen(zor::Ordinatenliste& L);

} // namespace zormb
