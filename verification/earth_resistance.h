#pragma once
// Report section "ERDWIDERSTAND": the passive resistance in front of the wall that the statics used
// in this stage, as the user gave it, as the trial-slip-plane table or as the coefficient table; for
// soldier pile walls the reduction factor RFak; then, when the stage changes the earth pressure by
// factors, the soil-weight earth pressure before and after the change.
//
// Reads the passive list of the stage (zormcom::Lauf.Eph, EppArt, EphWinkel, EphGegAktE of N, the
// user's points in Lauf), the stage values of zorm1::P and the change table of zormc::St. Writes
// report lines only (file 6, which must be open). In partial-factor mode the distribution is
// printed divided by Etap (an Etap of 0 prints it undivided).
namespace zormd {

void ErdwiderstandDrucken();

} // namespace zormd
