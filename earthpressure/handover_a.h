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
// built from user-given points, live in zormcom::Lauf (one place, reset by tests).
#include <cstdint>

#include "earthpressure/diagrams.h"
#include "frame/project_data.h"

namespace zormcom {

// Working values of a run that the stages hand to one another in memory.
struct Laufwerte {
    // ---- loads of the current load case (LastfallLesen)
    int16_t AnzLastLuft = 0;                     // wall loads
    int16_t AnzLastErd = 0;                      // earth-side area loads
    zorm1::Arr<float, 10> LuftH{};               // H of wall load j (kN/m)
    zorm1::Arr<float, 10> LuftM{};               // M (kNm/m)
    zorm1::Arr<float, 10> LuftZ{};               // level (m)
    zorm1::Array2<int16_t, 10, 8> LuftNichtIn{}; // (j, k): stages without load j; k = 0 holds the count
    zorm1::Arr<float, 15> ErdPv{};               // vertical area load (kN/m2)
    zorm1::Arr<float, 15> ErdPh{};               // horizontal area load (kN/m2)
    zorm1::Arr<float, 15> ErdXA{};               // start (m from the wall)
    zorm1::Arr<float, 15> ErdXE{};               // end; 99 or more = unlimited
    zorm1::Arr<float, 15> ErdZ{};                // level (m)
    zorm1::Arr<float, 15> ErdDauer{};            // permanent share (%)
    zorm1::Array2<int16_t, 15, 8> ErdNichtIn{};  // (j, k): stages without load j; k = 0 holds the count
    zorm1::Arr<int16_t, 15> ErdRuheProz{};       // at-rest share (%) of a limited load
    zorm1::Arr<float, 15> ErdRuheFaktor{};       // factor on that share
    int16_t LastKleinFlag = 0;                   // an acting load is limited or above 10 kN/m2 (LastWirkt2)

    // ---- own redistribution figure and options of the current stage (AushubDateiLesen)
    int16_t AnzFigur6 = 0;
    float Ze1Fig6 = 0.0f;
    int16_t UmZeitAkt = 0;
    int16_t UmArtAkt = 0;
    float EpsFuss6 = 0.0f;
    zorm1::Arr<float, 15> Fig6VerhAkt{};
    zorm1::Arr<float, 15> Fig6ZAkt{};
    // (kzUebAkt and kzWasserenth of the stage go to P)

    // ---- passive resistance given by the user for the current stage
    int16_t AnzEphGegeben = 0;
    zorm1::Arr<float, 15> EphGegAktZ{}; // depth (m below the wall head)
    zorm1::Arr<float, 15> EphGegAktE{}; // characteristic ordinate (kN/m2, negative)
    zor::Ordinatenfeld EphZ{};          // passive list of the stage (design ordinates)
    zor::Ordinatenfeld EphE{};
    int16_t AnzEph = 0;

    // ---- values left by stage a
    float DickeOhneWichte = 0.0f; // thickness of the leading layers without unit weight (m)
    float AlphaWand = 0.0f;       // inclination of the wall back (0: vertical)
    int16_t BettungStufe = 0;     // the current stage has a bedded wall foot
    int16_t IterZustand = 0;      // state of the foot-depth iteration of the statics stage
    // Per layer, the passive coefficients stage a could not determine (no plane passive
    // wedge): 1 = kpgh, 2 = kpch (both: 3); such a coefficient is carried as 0 and the echo
    // says so below the coefficient table. 4: kpgh from curved slip surfaces was taken at the
    // edge of its table (friction angle or wall friction outside it).
    zorm1::Arr<int16_t, 30> BeiwertNichtBestimmbar{};
};

extern Laufwerte Lauf;

// Back to program start: every value 0.
void LaufwerteZuruecksetzen();

// Loads load case lc from "ZORLAST" into the current-load-case values: H, M, pv and ph are
// cleared first (wall loads 1..10, earth-side loads 1..15); the blocks of load cases
// 1..lc-1 are read and overwritten in turn, so entries beyond the counts of lc keep what
// earlier blocks left. AnzLF is read from the file.
// A file that ends early or holds counts beyond the arrays raises a run-time error.
void LastfallLesen(int16_t lc);

// Reloads from "ZORAUSH" the stage table of stages 1..s and the figure-6 values of stage s
// (AnzFigur6, Ze1Fig6, UmZeitAkt, UmArtAkt, P.kzUebAkt, P.kzWasserenth, EpsFuss6,
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
