#pragma once
// The first stage of a calculation run: it saves the working copy of the input, derives the
// layer depths, turns the layer angles into radians, computes the earth-pressure coefficients
// of every layer, creates or empties the working files of the run, writes the report head with
// the full echo of the input, writes the hand-over files for the later stages and, last of
// all, the end marker "ZORDENDE.DOS" for which the run driver waits.
#include <cstdint>

namespace zorma {

// Stage a of a run; works on the project data in place (the driver reads the project file
// back after the run). Before anything is written, counts that the arrays or the hand-over
// files cannot carry (also one more layer for the split at the earth-side water level) are
// refused with zor::CalcAbort; on any failure the end marker is not written and the report
// file is closed.
void EingabeAuswerten();

// Coulomb coefficients of layer `schicht` (0..30; angles in radians): calls
// zormcom::ErddruckBeiwerte and stores the four results into SchichtKagh, SchichtKpgh,
// SchichtKach and SchichtKpch of the layer. beta may be lowered in place.
void SchichtBeiwerte(int16_t schicht, float& phi, float& alpha, float& beta, float& deltaA, float& deltaP,
                     float& Kagh, float& Kpgh, float& Kach, float& Kpch);

// UeberlagernNoetig for the current stage P.AushNr: 1 for a partly fixed free earth support
// or a foot mode 2, 3 or 4, unless the foot of the stage is bedded; else 0.
void BettungsFlagSetzen();

} // namespace zorma
