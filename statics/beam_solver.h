#pragma once
// Transfer-matrix solver of the wall as a Bernoulli beam from the wall head (depth 0) to the foot.
//
// Input (statics/state.h and the project data):
//  - the load diagram St.Lastbild (depth m, ordinate p kN/m2, point 1 at depth 0) and the node
//    markers St.Knoten.e on the same indices: 0 none; exactly -1 a support with a prescribed
//    deflection; a negative whole number m other than -1 the excavation-side wall load
//    j = -m - 10 * Fix(-m / 10) of the current load case (zormcom::Lauf.LuftH/LuftM, factor
//    P.gamQ); any other value a spring of that stiffness (MN/m2 per metre of wall);
//  - layer tops zormcom::Lauf.SchichtKote(1..AnzErd) and stiffnesses P.SchichtEI (MNm2/m), hinge level
//    zormc::St.zGelenk (0 = none), recorded support deflections zormc::St.AuflagerSenkungZ/AuflagerSenkung
//    (1..AnzAnkerGesamt);
//  - head codes St.KopfUnbekannte(1..2) and foot codes St.FussBedingung(1..2): the state indices
//    (1 w, 2 phi, 3 M, 4 Q) that vanish at the head and at the foot.
// Units: w mm, phi mm/m, M kNm/m, Q kN/m; dw/dz = phi, dphi/dz = -M/EI, dM/dz = Q, dQ/dz = -p.
// The solver computes in double and stores singles in St.ErgebnisTabelle (rows 0..AnzZeilen - 1).
#include <cstdint>
#include <string>

#include "frame/run_status.h"

namespace zormc {

// Builds the rows, solves and writes the state after every row.
// A singular system (foot determinant 0 or not finite, or a zero pivot at a support or hinge)
// beeps twice, shows the box "ZORDLT" and sets status to "STOP"; the rows then keep their
// building parameters and no state. status is never reset here.
// More than 300 rows, more than 14 supports and hinges, a layer index beyond the 30 stiffness
// entries or a stiffness EI <= 0 in a layer the beam crosses throw zor::CalcAbort.
void Durchlauftraeger(zor::Laufstatus& status);

// The recorded installation deflection (mm) of a support at depth z: the first entry of
// zormc::St.AuflagerSenkungZ(1..AnzAnkerGesamt) within 0.001 m of z, else 0.
void AuflagerVerschiebung(float z, float& w);

// Appends a row of the given kind with St.Zeilenwerte(1..5) in columns 3..7 at St.AnzZeilen,
// counts it and clears the five values. Throws zor::CalcAbort beyond row 300.
void ZeileSchreiben(int art);

// y = A x for the 4 x 4 matrix A (indices 1..4); x and y may be one vector when A is upper
// triangular.
void MatrixMalVektor(const double (&x)[5], const double (&A)[5][5], double (&y)[5]);

// The singular-system box (two beeps, critical icon, title "ZORDLT").
void SingulaeresSystemMelden();

} // namespace zormc
