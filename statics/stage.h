#pragma once
// The statics of one load case and excavation stage: the stage driver, the foot search with its
// iterations (loads, passive resistance, solution), the bedding check, hydraulic heave and the
// re-read of the stage files.
//
// Everything works in the working folder of the run, on the project data (zorm1::P), the run values
// of the earth-pressure stage (zormcom::Lauf, zormb::B) and the statics state (zormc::St). Files:
//   read:    "ZORZ2", "ZORZ3", "ZORZ4" (earth-pressure stage), "ZORGZ", "ZOREPP.", "ZORZ12", "zorz10"
//   written: "zorz10" (seepage iteration), "zzzplotw" (factored net water pressure), "ZOREwid." +
//            DateiEndung (passive diagram below HUmlagerung), "ZOREPP." (flag 0: the passive diagram of
//            the layer coefficients), "ZORBETTU" and "ZOREwidVerw." + DateiEndung (bedding)
// Depths in m below the wall head, pressures in kN/m2, forces in kN/m, deflections in mm.
// "***" report lines of the statics collect in St.Hinweise; WandStatik prints them into the report
// when it is open (file 6) and clears them.
#include <cstdint>
#include <string>

#include "frame/run_status.h"

namespace zormc {

// The statics stage of load case P.LFNr and stage P.AushNr. status:
//   "B"    the seepage iteration goes on: repeat earth pressure and statics of the stage,
//   "D"    the stage is done,
//   "STOP" the beam of a pass was singular (the solver has shown its box); returned at once.
// The seepage passes of a stage are bounded (kMaxSickerDurchlaeufe): at the bound the stage closes
// with the last values and a "***" line.
void WandStatik(zor::Laufstatus& status);

inline constexpr int kMaxSickerDurchlaeufe = 30;

// Writes what the trial foot levels of the stage left for "ZOREPP.", "zzzplotw" and "ZOREwid." + DateiEndung
// (St.Dateien), once;
// WandStatik calls it when the stage's statics ends, however it ends.
void StufendateienSchreiben();

// One pass: the foot search of the current foot mode (P.Wandfuss) with the driver's settings in St.
// Returns at once when the solver answers "STOP" (St.StatikStatus).
void StatikBerechnen();

// Passive diagram of the current trial foot zormcom::Lauf.zFuss into zormcom::Lauf.Eph (design ordinates,
// negative), its copy St.SigmaVKopie, St.EphKopie, the vertical component and the slip-plane angles.
void ErdwiderstandIteration();

// Restores the stage before a pass: load case, stage values, "ZORZ4" and "ZORZ2". Counts in the files
// beyond the arrays throw zor::CalcAbort.
void ZwischendateienLesen();

// Hydraulic heave. n = 0: seepage gradients only (B.GefaelleErd, B.GefaelleLuft); n > 0: safety of
// the steps 0..n (foot lowered 0.2 m per step) into B.GrundbruchTab (index m * 81 + k, m = 0..2),
// St.HydrSchritte := the first safe step, -1 when none up to n is safe; n < 0 does nothing.
void HydraulischerGrundbruch(int16_t n);

// Bedding of the wall foot.
void BettungsfedernLaden();
void BettungIterieren();
void ErdwiderstandsKurve();
void BettungBegrenzen(int16_t& reduziert);
void BettungSchreiben();

// Foot level of a partial fixity p (%) between the free and the fixed foot level, in double:
// frei + (fest - frei) sqrt(p / 100).
float TeilEinspannungsTiefe(float frei, float fest, float p);

// Mean partial factor of the actions (kN/m resultants, factors; a zero factor counts its share as
// characteristic) and the BS-T factor on the anchor forces: gamMittel and g.
void MittlererTeilfaktor(float AE, float AQ, float Wh, float Zus, float gamE, float gamQ, float gamW,
                         float gamZ, float gamEBSP, float gamQBSP, float gamWBSP, float gamZBSP,
                         float& gamMittel, float& g);

} // namespace zormc
