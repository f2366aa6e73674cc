#pragma once
// Report section of the wall foot: the table of the foot iteration of the statics (free earth
// support, or the foot moment after Blum), the safety of the earth support at the depth found, for
// soldier pile walls the check after Weissenbach, and the warnings on a foot search that did not
// converge, a negative earth-support force and a very large deflection at the wall head.
//
// Two steps. EinbindungBerechnen reads the statics' results (zormc::St) and the stage values of zorm1::P
// and sets: zormc::St.EinspErg = 100 in the Blum mode, zormd::N.RdFuss = EpFaktor Eph, zormd::N.EdFuss
// (MFuss for soldier pile walls, else Bh) and N.Ed00 = Rhd Bh / Eph (0 and N.Ed00Bestimmbar false when
// Eph is 0), for soldier pile walls the values after Weissenbach (WeissenbachWerte); it may clear
// St.KeineKonvergenz when the final forces agree within 3 % (never after Blum, where the force is the
// resistance by construction). EinbindungDrucken then prints into the open report (file 6) from those
// values and changes nothing. While the foot search counts as unconverged, a safety that would read as
// met prints "*** nicht nachgewiesen" instead of its verdict.
namespace zormd {

void EinbindungBerechnen();
void EinbindungDrucken();

// RdFuss, EdFuss, Ed00 and Ed00Bestimmbar of the earth support (set in every foot mode).
void ErdauflagerWerte();

// The safety block of the earth support from the values of ErdauflagerWerte (nothing for a foot hinged
// in rock, Wandfuss 3). With partial factors the earth support fails from Ed / Rd >= 1.02 on; a
// mobilisable resistance of 0 with a positive force fails without a number.
void ErdauflagerSicherheit();

// " =", the relief of the earth support in per cent, "%", line end, when EntlastFaktor > 0 and the
// stage redistributes (UmFigur not 0); otherwise only the line end.
void EntlastungProzent();

// Soldier pile walls: the note "Korrigierte Einbindetiefe s.u." at column 48; other walls nothing.
void HinweisKorrigiert();

} // namespace zormd
