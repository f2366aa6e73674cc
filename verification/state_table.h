#pragma once
// The state-quantity table of a load case and stage, its force rows, the foot line with the C force,
// the bedding table, and the beam arithmetic shared with the summary.
//
// Units as the statics solves the beam: depths m, EI MNm2/m, loads kN/m2, w mm, rotation mrad, M kNm/m,
// Q kN/m. The table is computed from the row table zormc::St.ErgebnisTabelle (rows 1..AnzZeilen), then
// printed to the report (file 6, open). Running extremes, support sums and anchor forces go to zormd::N
// (verification/state.h); the deflection at the next support level to zormc::St.AuflagerSenkung.
#include <array>
#include <cstdint>
#include <vector>

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

// One line of the state-quantity table (values in the units above).
struct Tabellenzeile {
    enum Art : int8_t {
        Kopf,       // head row: z, load, w, M, Q; with a supported head (zusatz 1) Q again as its force
        Kraft,      // force row: M, Q, the jump dQ and, for a spring, its constant (MN/m3) in w[3]
        Lastsprung, // load jump between two fields: z, load
        Zwischen1,  // next-support row inside a field: z, load, w, M, Q (star behind w)
        Zwischen2,  // zero-shear row inside a field: z, load, w, M, Q (star behind M)
        Aushubkote, // the excavation level: z
        Feldende    // end of a field: z, load, w, M, Q
    };
    // What a force row says of its force: nothing, a moment hinge, a support, an earth support, a spring.
    static constexpr int8_t kEnde = 0, kGelenk = 1, kAuflager = 2, kErdlager = 3, kFeder = 4;
    Art art = Feldende;
    std::array<float, 5> w{};
    int8_t zusatz = 0;
    bool plus = false; // the force of a support row is positive
};
struct Zustandstabelle {
    std::vector<Tabellenzeile> Zeilen;
};

// The rows of the table with the extra rows inside fields (the next support, zero shear) and the force
// rows, walked through the statics' row table: the running extremes, the support sums, the anchor
// forces, NegAuflagerFlag, the spring maximum, zEndeStatik, the foot point of the deep slip plane at
// zero shear and the deflection at the next support level (zormc::St.AuflagerSenkung) are set on the way, the
// sums and flags reset first. Moments and shears below 0.01 in the row table become 0.
Zustandstabelle ZustandsgroessenBerechnen();

// Heading and the rows of the table; changes nothing.
void ZustandsgroessenDrucken(const Zustandstabelle& t);

// The force F at depth z becomes the force of the first project support within 5 mm of z, when z lies
// above the excavation level: AnkerAh/AnkerAv of that support and the sums gain it. Otherwise nothing.
void AnkerkraftZuordnen(float& F, float& z);

// The foot line of the table: shear Q (kN/m) and moment M (kNm/m) of the last row before the end of the
// beam; the line is printed when floor(100 Q) is not 0.
struct Fusszeile {
    bool Zeile = false;
    float Q = 0.0f, M = 0.0f;
};
// Its values; with the line, a foot hinged in rock takes the force -Q (N.FelslagerKraft), and a given
// foot with Q < 0 loses its extra embedment (St.DeltaT = 0).
Fusszeile FussZeileBerechnen();
// The foot line with the C force and its extra embedment, then the closing lines of the table; changes
// nothing.
void FussZeileDrucken(const Fusszeile& f);

// The bedding table of "ZORBETTU" (rows 1..: depth, given and reduced modulus; row 0 unused), read when
// the statics reduced a spring (St.BettungReduziert; Da false otherwise): the file's foot level, which
// becomes zormcom::Lauf.zFuss, and the last row reduced by more than 0.01.
struct Bettungstabelle {
    bool Da = false;
    float zFuss = 0.0f;
    std::vector<std::array<float, 3>> Zeilen = std::vector<std::array<float, 3>>(1);
    int Letzte = 0;
};
// Reads it, sets N.AnzBettung and clears the flag. More than 250 lines abandon the calculation
// (zor::CalcAbort).
Bettungstabelle BettungsTabelleLesen();
// Prints the table (nothing without one); changes nothing.
void BettungsTabelleDrucken(const Bettungstabelle& t);

} // namespace zormd
