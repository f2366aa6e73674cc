#pragma once
// Bending and shear design of a rectangular reinforced-concrete section 1.0 m wide and h thick (diaphragm
// wall, shotcrete lagging), and the shear design with a variable strut angle that it and the circular
// section use.
//
// Units: moments kNm, forces kN (normal force tension positive), lengths m, reinforcement cm2 (As1, As2)
// and cm2/m (asw), stresses MN/m2. All arguments are single-precision values by reference; the kernels
// print nothing. The callers multiply the forces by their influence widths first.
//
// Sentinel 999 in a reinforcement: the section cannot be designed (bending capacity exceeded, or a
// section without effective depth, or no permissible shear stress set). Such a section is never governing.

namespace zormd {

// Design value of the reinforcing steel and design table row used by the partial-factor kernel.
inline constexpr int kTabellenZeilen = 41; // rows mu = 0.00 .. 0.40
struct Tabellenzeile {
    float omega; // mechanical reinforcement ratio
    float zeta;  // lever-arm ratio z / d
};
extern const Tabellenzeile BemessungsTabelle[kTabellenZeilen];

// Global safety (forces are working loads, safety 1.75 built in), with fc = BS.BetonFestigkeit and
// fy = BS.StahlFestigkeit. M and V: signs ignored. As1, As2 always written (0, a value or 999);
// tau0 always written; asw 999 when tau0 > BS.zulTau02 (or BS.zulTau02 <= 0), tau then untouched.
// d = h - d1 <= 0 (or fc, fy <= 0): As1 = As2 = asw = 999, tau0 and tau untouched.
void RechteckBemessungGlobal(float& M, float& V, float& h, float& d1, float& As1, float& As2, float& asw,
                             float& tau0, float& tau);

// Partial safety factors (design values; table of DIN 1045-1). BS.BetonFestigkeit and BS.StahlFestigkeit hold
// fcd and fyd during the call and their former values again afterwards, on every path. As1, As2 are
// always written; asw only when the shear design runs (As1 > 0 and BW.SpritzbetonFlag 0), otherwise the
// caller's value stays. A zero shear force gives asw = 0. muEds > 0.55, d <= 0, a compression
// reinforcement without room (d <= d1) or a partial factor <= 0: As1 = As2 = 999, asw untouched.
// Leaves BW.CotTheta, BW.VRdC and BW.VRdmax as Querkraftbemessung sets them.
void RechteckBemessungTabelle(float& M, float& N, float& V, float& h, float& d1, float& As1, float& As2,
                              float& asw);

// Shear resistance of the concrete, strut angle and strut resistance (DIN 1045-1, variable angle), from
// the run's fck and fcd (zormcom::Vorgaben) and P.CotThetaWahl: V design shear force (kN), N normal force
// (kN, tension positive), b web width (m), z lever arm (m), h divisor of N for the concrete stress (m or m2).
// M is not used. Writes BW.VRdC (MN), BW.CotTheta, BW.VRdmax (kN); V = 0 leaves all three as they are.
void Querkraftbemessung(float& M, float& V, float& N, float& b, float& z, float& h);

} // namespace zormd
