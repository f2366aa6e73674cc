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
// The sweeps from the head solve as long as they keep their digits. Along a long bedded part the
// unit solutions grow with e^(z / elastic length) and swamp the decaying ones: when the state of the
// second sweep misses a condition at a support, a hinge or the foot by more than 1e-6 of the largest
// magnitude of that quantity, or the forward sweep overflows, all rows are solved again as one system
// (the state after every row and the forces at the supports and hinges as unknowns, orthogonal
// rotations), which stays accurate however long the bedded part.
// A singular system (foot determinant 0 without digits lost, a zero pivot at a support or hinge, or a
// singular system of all rows) beeps twice, shows the box "ZORDLT" and sets status to "STOP"; the rows
// then keep their building parameters and no state. status is never reset here.
// More than kMaxZeile rows, more than 14 supports and hinges, a layer index beyond the 30 stiffness
// entries or a stiffness EI <= 0 in a layer the beam crosses throw zor::CalcAbort; so do solved rows
// out of equilibrium (GleichgewichtPruefen).
void Durchlauftraeger(zor::Laufstatus& status);

// Checks the solved rows St.ErgebnisTabelle (0..AnzZeilen - 1) with the codes St.KopfUnbekannte and
// St.FussBedingung: the loads of the fields, the wall loads, the spring forces (stiffness times the
// row's deflection), the forces at the supports and hinges, and the force and moment at the head and
// at the foot where the wall is held there (Q or M not among the quantities that vanish) must sum to
// 0 horizontally and in their moment about the foot, each within 1e-4 of the sum of the magnitudes
// plus 0.001 kN/m (kNm/m); the moment also within 1e-4 m times the sum of the force magnitudes, for the
// depths kept in single precision. Throws zor::CalcAbort naming the load case P.LFNr, the stage P.AushNr,
// both sums and, in a bedded stage, the stage's bedding moduli and their allowed range.
void GleichgewichtPruefen();

// The recorded installation deflection (mm) of a support at depth z: the first entry of
// zormc::St.AuflagerSenkungZ(1..AnzAnkerGesamt) within 0.001 m of z, else 0.
void AuflagerVerschiebung(float z, float& w);

// Appends a row of the given kind with St.Zeilenwerte(1..5) in columns 3..7 at St.AnzZeilen,
// counts it and clears the five values. Throws zor::CalcAbort beyond row kMaxZeile.
void ZeileSchreiben(int art);

// y = A x for the 4 x 4 matrix A (indices 1..4); x and y may be one vector when A is upper
// triangular.
void MatrixMalVektor(const double (&x)[5], const double (&A)[5][5], double (&y)[5]);

// The singular-system box (two beeps, critical icon, title "ZORDLT").
void SingulaeresSystemMelden();

} // namespace zormc
