#pragma once
// Anchor bookkeeping per project support level (1..13): level data from "ZORGLFR" (written by the
// input evaluation), the largest anchor forces over the stages and load cases, the anchor lengths the
// deep slip plane found, and the working file "ZORGLF." that holds them between the calls of the
// verification stage.
//
// "ZORGLFR":  EtaGl, AnzAnkerGesamt / per level: level, inclination (degrees), lmin, lmax.
// "ZORGLF.":  EtaGl, AnzAnkerGesamt, GlfMaxAushub, GlfMaxGesamt / per level: level, inclination
//             (radians), lmin, lmax, length found, largest force of the load case, largest force
//             of the run, largest length of the run.
// EtaGl, AnzAnkerGesamt and ZAuflager live in zorm1::P; GlfMaxAushub, GlfMaxGesamt, AnkerKraft and
// the stage's forces AnkerAh in zormd::N. More than 13 levels in either file abandon the calculation
// (zor::CalcAbort); a missing file is a vb::RuntimeError.
#include <array>
#include <cstdint>

#include "verification/state.h"

namespace zormd {

struct Ankerbuchzustand {
    std::array<float, kMaxAnkerSlots + 1> AnkerNeigungRad{};          // inclination (radians)
    std::array<float, kMaxAnkerSlots + 1> AnkerLminD{}, AnkerLmaxD{}; // length range (m), 0 and 0: strut
    std::array<float, kMaxAnkerSlots + 1> AnkerGlfWert{};             // length found in the load case (m)
    std::array<float, kMaxAnkerSlots + 1> AnkerKraftMax{};            // largest Ah in the load case (kN/m)
    std::array<float, kMaxAnkerSlots + 1> AnkerAhMax{};               // largest Ah of the run (kN/m)
    std::array<int16_t, kMaxAnkerSlots + 1> AnkerMaxLF{}, AnkerMaxAushub{}; // where it was reached
    std::array<float, kMaxAnkerSlots + 1> AnkerLaengeBem{};                 // largest length of the run (m)
    std::array<float, kMaxAnkerSlots + 1> AnkerKraftAktiv{}; // force of the purely active run (kN/m)
};

extern Ankerbuchzustand AB;

// Back to the state at program start.
void AnkerbuchZuruecksetzen();

// Reads "ZORGLFR" (inclination converted to radians).
void GlfrDateiLesen();
// Writes "ZORGLF." (replacing it) from memory.
void GlfSchreiben();
// Reads "ZORGLF." back and derives AnkerKraft and, in a purely active run with global safety,
// AnkerKraftAktiv.
void GlfLesen();

// Bookkeeping before the deep-slip-plane section of a call (resets at stage 1, running maxima).
void AnkerbuchVorher();
// Bookkeeping after the check of the stage: lengths found per level, maxima, rewrite of "ZORGLF.".
void AnkerbuchNachher();

} // namespace zormd
