#pragma once
// Passive pressure in front of the wall by trial straight slip planes, for a sloped or loaded
// excavation bottom: for a list of depths below the excavation level the least passive force
// over many trial planes, and the pressure ordinates by differentiating the forces over depth.
#include <array>
#include <cstdint>

#include "earthpressure/state.h"

namespace zormb {

// Depths of the search below the wall head for the excavation level zAush (indices 1..38).
std::array<float, kGleitTiefen + 1> GleitTiefen(float zAush);

// Pressure ordinates e(1..n) from the resultants E(1..n) at the depths z(1..n): the slope of a
// parabola through neighbouring points, the last two by the trapezoid rule.
void OrdinatenAusResultierenden(const float* z, const float* E, int n, float* e);

// Total horizontal force of the trial wedge just built (negative: resistance), from the column
// weights, the bottom loads and the strength of the slice the slip plane runs in.
float KeilKraft(float theta, int16_t kExit, int16_t kWall);

// The search for the current stage: results into zormcom::Lauf.Eph.z/EphE/AnzEph, the resultants
// and angles per depth into GleitErgebnis (earthpressure/state.h), and the file "ZOREPP.". An excavation
// level too deep for the depth list (at or below 79 m, where the last two depths would coincide) is refused
// with a report line and leaves "ZOREPP." as it is.
void ErdwiderstandGleitflaechen();

} // namespace zormb
