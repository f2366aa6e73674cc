#pragma once
// Coulomb earth-pressure coefficients of a plane wall and thickness-weighted layer means.
#include <cstdint>
#include <span>

namespace zormcom {

// Coulomb coefficients (angles in radians): horizontal active and passive coefficients
// for soil weight (Kagh, Kpgh) and the coefficients for cohesion (Kach, Kpch).
//   phi      friction angle
//   alpha    wall inclination
//   beta     terrain slope; lowered in the caller's variable to 0.999999 phi when >= phi
//   deltaA   wall friction on the active side
//   deltaP   wall friction on the passive side (negative for the usual passive case);
//            for Kpch it is limited to at least -2 phi / 3
// A passive coefficient that has no plane-slip solution is not determinable: Kpgh when
// the root term of its denominator reaches 1 (for a vertical wall and level ground
// phi >= 45 degrees with deltaP = -phi), Kpch when phi - deltaP' + alpha + beta reaches
// 90 degrees. Such a coefficient is set to 0 (no passive resistance is counted on it,
// never an arbitrary large or small value) and the call leaves a note in
// BeiwertHinweis, which the caller turns into a report line.
void ErddruckBeiwerte(float phi, float alpha, float& beta, float deltaA, float deltaP, float& Kagh,
                      float& Kpgh, float& Kach, float& Kpch);

// Kagh of ErddruckBeiwerte alone (the same value), for callers that need no other coefficient; leaves
// BeiwertHinweis as it is.
float KaghAktiv(float phi, float alpha, float beta, float deltaA);

// What the last call of ErddruckBeiwerte could not determine.
struct Beiwertzustand {
    bool KpghNichtBestimmbar = false;
    bool KpchNichtBestimmbar = false;
};
extern Beiwertzustand BeiwertHinweis;

// Back to the state at program start (no notes).
void BeiwerteZuruecksetzen();

// Thickness-weighted mean of a layer-wise constant value V between the depths a and b.
// V(i) holds from K(i) (top of layer i) to K(i + 1) (its bottom), i = 1..n.
// A depth a at a boundary starts in the layer below it, a depth b at a boundary ends
// in the layer above it. The result is 0 when b - a <= 0.
void SchichtMittel(std::span<const float> V, std::span<const float> K, int16_t n, float a, float b,
                   float& ergebnis);

} // namespace zormcom
