#pragma once
// The state-quantity table of a load case and stage, its force rows, the foot line with the C force,
// the bedding table, and the beam arithmetic shared with the summary.
//
// Units as the statics solves the beam: depths m, EI MNm2/m, loads kN/m2, w mm, rotation mrad, M kNm/m,
// Q kN/m. The table reads the row table zormc::St.ErgebnisTabelle (rows 1..AnzZeilen) and prints to
// the report (file 6, open). Running extremes, support sums and anchor forces go to zormd::N
// (verification/state.h); the deflection at the next support level to zormc::St.AuflagerSenkung.
#include <array>
#include <cstdint>

#include "statics/state.h"

namespace zormd {

// Field transfer of row N.ElementNr over x = N.ElementFaktor from the start state N.TMVektor2:
// N.Zustand := A(x) TMVektor2 + P(x) for a load q0 + dq x / L; sets N.ElementBettung (q0) and
// N.ElementWertEI (load increase over x). A field of length 0 gives no load increase.
void ElementKraefte();

// Roots of a x^2 + b x + c = 0 into x1, x2. |a| < 0.001: both the linear root -c / b (0 when b is 0,
// which the caller rules out). A radicand below 0 (rounding) counts as 0.
void QuadGleichung(float& a, float& b, float& c, float& x1, float& x2);

// r(i) = sum over j of A(i, j) v(j), i, j = 1..4.
void SteifigkeitMalVektor(const std::array<std::array<double, 5>, 5>& A, const std::array<double, 5>& v,
                          std::array<double, 5>& r);

// Depth grid of the wall into N.KotenListe(1..n), N.AnzKoten := n: 0, the row depths +- 0.0001
// (clamped to zFuss), then the inner points of every field (unsorted; the caller sorts).
void KotenRaster();

// The next-support row and the zero-shear row of the current field (N.Zwischen1, N.Zwischen2).
void ZustandZeile1();
void ZustandZeile2();

// Heading, the rows of the table with the extra rows inside fields and the force rows. Resets the
// support sums, NegAuflagerFlag and the spring maximum of the stage first.
void ZustandsgroessenDrucken();

// The force F at depth z becomes the force of the first project support within 5 mm of z, when z lies
// above the excavation level: AnkerAh/AnkerAv of that support and the sums gain it. Otherwise nothing.
void AnkerkraftZuordnen(float& F, float& z);

// The foot line with the C force and its extra embedment, then the closing lines of the table.
void FussZeileDrucken();

// Bedding table from "ZORBETTU" when the statics reduced a spring (St.BettungReduziert); clears
// the flag. More than 250 lines abandon the calculation (zor::CalcAbort).
void BettungsTabelleDrucken();

} // namespace zormd
