#pragma once
// Hand-over files of the first stage of a run and their readers.
//
// Stage a writes five item files into the working folder; the later stages read them back
// item by item (lines do not matter to the readers):
//   "ZORLAST"  loads of all load cases: writer zorma::LastSchreiben, reader
//              zormcom::LastfallLesen
//   "ZORAUSH"  all excavation stages: writer zorma::AushSchreiben, reader
//              zormcom::AushubDateiLesen
//   "ZORZ11"   soil layers (angles in radians), slopes, stages of changed wall friction:
//              writer zorma::Z11Schreiben, read by the earth-pressure stage
//   "ZORZ12"   buoyant unit weights: writer zorma::Z12Schreiben, read by the statics stage
//   "ZORGLFR"  anchors of the deep slip plane: writer zorma::GlfrSchreiben, read by the
//              verification stage
// Integers are written without a point, singles with up to seven significant digits.
//
// The values the readers load for the current load case and stage, and the passive list
// built from user-given points, live in zormcom::Lauf (earthpressure/state.h).
#include <cstdint>

#include "earthpressure/state.h"

namespace zormcom {

// Loads load case lc from "ZORLAST" into the current-load-case values: H, M, pv and ph are
// cleared first (wall loads 1..10, earth-side loads 1..15); the blocks of load cases
// 1..lc-1 are read and overwritten in turn, so entries beyond the counts of lc keep what
// earlier blocks left. AnzLF is read from the file.
// A file that ends early or holds counts beyond the arrays raises a run-time error.
void LastfallLesen(int16_t lc);

// Reloads from "ZORAUSH" the stages 1..s and the figure-6 values of stage s
// (AnzFigur6, Ze1Fig6, UmZeitAkt, UmArtAkt, zormcom::Lauf.kzUebAkt, zormcom::Lauf.kzWasserenth, EpsFuss6,
// Fig6VerhAkt, Fig6ZAkt). AnzAush is read from the file. The caller then loads stage s
// into the current-stage values with AushubLaden.
void AushubDateiLesen(int16_t s);

// wirkt := 1 when wall load j of the current load case acts in stage P.AushNr, else 0.
void LastWirkt1(int16_t j, int16_t& wirkt);

// wirkt := 1 when earth-side load j of the current load case acts in stage P.AushNr, else 0.
// An acting load that is limited (ErdXE < 99) or heavier than 10 kN/m2 sets LastKleinFlag;
// the flag is never cleared here.
void LastWirkt2(int16_t j, int16_t& wirkt);

// Builds the passive list EphZ/EphE/AnzEph of the current stage from the user-given
// points: (0, 0), (zAush - 0.001, 0), then each given point with its ordinate divided by
// P.Etap; AnzEph = AnzEphGegeben + 2.
void ErdwiderstandVorgabe();

} // namespace zormcom

namespace zorma {

// Writers of the hand-over files (each opens its file for output, writes, closes).
// Counts beyond what a file's layout can carry are refused with zor::CalcAbort before
// the file is opened (see PruefeUebergabeGrenzen).
void LastSchreiben(); // "ZORLAST"
void AushSchreiben(); // "ZORAUSH"
void GlfrSchreiben(); // "ZORGLFR"
void Z11Schreiben();  // "ZORZ11"
void Z12Schreiben();  // "ZORZ12"

// Checks every count that the hand-over files carry against the arrays behind them
// (layers 1..12, slopes 0..8, stages 1..15, load cases 1..8 with at most 8 loads of each
// kind and 8 listed stages per load, figure-6 rows 0..15, support levels 0..13).
// Throws zor::CalcAbort with a message naming the first count out of range.
void PruefeUebergabeGrenzen();

} // namespace zorma
