#pragma once
// Design of a bored pile (circular section): longitudinal reinforcement from the circular kernel, then the
// tension-steel force and lever arm from the kernel's strain state, the inner lever arm, the web width and
// the shear reinforcement (strut angle with partial factors, shear stress ranges with global safety).

namespace zormd {

// Arc cosine with a given pi: 0 for x >= 1, pi for x <= -1, else pi/2 - atan(x / sqrt(1 - x^2)).
double ArcCos(double x, float pi);

// D pile diameter (cm), d1 axis distance of the reinforcement (cm), M (kNm, 0 or positive), V (kN),
// N (kN, tension positive). Results: As (cm2) and asw (cm2/m).
// - M = 0: nothing is computed; As, asw and every design value keep their values.
// - As: the kernel's result: a reinforcement, 999 (overloaded), or 888 / 0 when the bending design did not
//   converge; BW.KreisNichtKonvergiert says so in every case.
// - asw: at least P.AsQmin; 999 when the shear cannot be designed (global: tau0 > 1.03 zulTau03), and when
//   the section has no usable lever arm or width (rs <= 0, z <= 0, T/gamma = N, b = 0 in the global shear,
//   zulTau02 <= 0). rs <= 0 or strengths <= 0 also give As = 999.
// - Where N != 0 the stirrups are designed with a lever arm of at least 0.9 r (the strain state's z
//   shrinks towards 0 for a nearly centric force); asw is at least AsQmin, and BW.KreisAswMindest tells
//   whether the minimum governs. BW.KreisHebelarm is the lever arm of the shear design.
// Writes BW.KreisBewGrad, KreisHebelarm, KreisBreiteNull, KreisStegBreite (and the N0 set when N = 0),
// BW.tau0 (global), and with partial factors BW.VRdC, CotTheta, VRdmax; the strain state stays in zorm0::K.
void KreisBemessung(float& D, float& d1, float& M, float& V, float& N, float& As, float& asw);

} // namespace zormd
