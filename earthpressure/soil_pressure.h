#pragma once
// Earth pressure from soil weight and cohesion: the extra layer boundary at the earth-side
// water level, the vertical stress and active pressure of the layers, the minimum earth
// pressure of cohesive soils and the soil's negative pressure taken up by limited loads.
#include <cstdint>
#include <span>

namespace zormb {

// Inserts a layer boundary at depth z (unless one lies within 1 mm): the layer containing z
// is split into two with the same values. More layers than the arrays hold abandon the
// calculation (zor::CalcAbort).
void SchichtgrenzeEinfuegen(float z);

// Layer of point i of the depth list Z: a point exactly on a boundary belongs to the layer
// above it; the two points of a jump there belong to the layer above and the layer below.
// Gives AnzErd + 1 below the last layer.
int16_t SchichtVonPunkt(int16_t i, std::span<const float> Z);

// Vertical stress (layer weights plus B.Gz) into B.SigmaV and the horizontal active earth
// pressure into B.Eah. Variant 0: the earth-pressure stage (partial factors, at-rest share,
// unit weights rearranged in place); variant 1: the substitute anchor wall (plain Coulomb
// coefficients without wall friction).
void ErddruckBoden(int16_t variante);

// Raises B.Eah in cohesive layers to the minimum earth pressure MinEah x faktor x sigma_v and
// keeps the negative part of the soil pressure in B.EahNeg.
void Mindesterddruck(float faktor);

// Adds the soil's negative part to the limited-load list B.BegrLast and cuts the result at 0.
void NegativeAbschneiden();

} // namespace zormb
