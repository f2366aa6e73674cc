#pragma once
// Run state of the earth-pressure stages: every value that a calculation run keeps between the
// calls of the routines of this folder, in one place.
//
//   zormcom::Lauf          values the stages hand to one another (loads of the load case, figure
//                          of the stage, user-given and computed passive list, values of stage a)
//   zormcom::Vorgaben      the factors and the kind of the run, set by the calculation request
//   zormb::B               lists and values of the earth-pressure stage (stage b)
//   zormb::Keil            plane model of the excavation side for the trial slip planes
//   zormb::GleitErgebnis   resultants and angles of the last trial-plane search
//   zorma::Bericht, zormcom::BeiwertHinweis, zormcom::AufrufKennung: the report, coefficient and
//                          diagram modules keep their small state beside their routines
//
// Each struct has a reset of its own; zor::ErddruckLaufZuruecksetzen() resets all of them and is
// announced to zor::LaufZuruecksetzen() (frame/run_state.h), which tests and the run driver call.
// The routines include this header, never the header of the stage that calls them.
//
// What the project holds as entered and stored belongs to zorm1::P (frame/project_data.h); a value
// that only lives during a run belongs here (or in the state header of the folder that makes it).
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "earthpressure/diagrams.h"
#include "earthpressure/polylines.h"
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
    int16_t kzUebAkt = 0;     // 1: superpose the redistributed active pressure with the passive pressure
    int16_t kzWasserenth = 0; // 1: the additional stresses of the stage include the water pressure

    // ---- the stage in hand and its files
    std::string DateiEndung; // extension of the per-stage result files: text of stage * 10 + load case
    int16_t DateiNr = 0;     // file number of the hand-over file being read or written
    float zFuss = 0.0f;      // wall foot of the stage (m), as the statics' foot search moves it

    // ---- seepage and hydraulic heave of the run: the flags of the wall page at the start of the run,
    // switched off by the stages where they cannot apply
    int16_t kzStroem = 0;
    int16_t kzHydGrBr = 0;

    // ---- per layer 1..100 (the layers as split for the run; entry AnzErd + 1 of SchichtKote = 99)
    zorm1::Arr<float, 100> SchichtKote{};     // top level of the layer (m)
    zorm1::Arr<float, 100> SchichtKagh{};     // coefficient of the active pressure from soil weight
    zorm1::Arr<float, 100> SchichtKpgh{};     // of the passive pressure from soil weight
    zorm1::Arr<float, 100> SchichtKach{};     // of the active pressure from cohesion
    zorm1::Arr<float, 100> SchichtKpch{};     // of the passive pressure from cohesion
    zorm1::Arr<float, 100> SchichtKaAnteil{}; // active share of the resulting coefficient
    zorm1::Arr<float, 100> SchichtK0Anteil{}; // at-rest share of the resulting coefficient

    // ---- passive resistance given by the user for the current stage
    int16_t AnzEphGegeben = 0;
    zorm1::Arr<float, 15> EphGegAktZ{}; // depth (m below the wall head)
    zorm1::Arr<float, 15> EphGegAktE{}; // characteristic ordinate (kN/m2, negative)
    zor::Ordinatenliste Eph;            // passive list of the stage (design ordinates)

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

    // "ZORAUSH" as AushubDateiLesen last read it: its bytes and what each stage of it gave, so that the
    // same bytes read again give their values without being taken apart again.
    struct AushubGelesen {
        zorm1::Aushubstufe stufe;
        int16_t AnzFigur6 = 0, UmZeitAkt = 0, UmArtAkt = 0, kzUebAkt = 0, kzWasserenth = 0;
        float Ze1Fig6 = 0.0f, EpsFuss6 = 0.0f;
        zorm1::Arr<float, 15> Fig6VerhAkt{}, Fig6ZAkt{};
    };
    std::string AushubDatei;
    int16_t AushubDateiAnzAush = 0;
    std::vector<AushubGelesen> AushubDateiStufen; // stages 1.. as far as they were read
};

extern Laufwerte Lauf;

// Back to program start: every value of Lauf and of Vorgaben (below) 0.
void LaufwerteZuruecksetzen();

// What the calculation request sets for one run (request/run_driver.h) and every stage reads. The run keeps
// them through the reset of its state at its start.
struct Laufvorgaben {
    int16_t ErsterLauf = 0;  // 1: the first run (the only one with partial factors); 0: the global second run
    float gamEWirk = 0.0f;   // partial factor of the earth pressure of the run
    float gamReWirk = 0.0f;  // partial factor of the passive resistance of the run
    float gamPhiWirk = 0.0f; // partial factor of the friction (tan phi) of the run
    float gamCWirk = 0.0f;   // partial factor of the cohesion of the run
    float gamS_Stahl = 0.0f; // partial factor of the reinforcing steel (1 with global safety)
    float gamC_Beton = 0.0f; // partial factor of the concrete (1 with global safety)
    float fck = 0.0f;        // characteristic concrete strength (MN/m2, partial factors)
    float fcd = 0.0f;        // design concrete strength 0.85 fck / gamC_Beton (MN/m2, partial factors)
    float Etap2 = 0.0f;      // 2 Etap / 1.5 (global safety)
};

extern Laufvorgaben Vorgaben;

} // namespace zormcom

namespace zormb {

struct Erddruckzustand {
    // Each list carries its own count (zor::Ordinatenliste: values e, depths z, count n).
    // Active earth pressure from soil weight and cohesion with the minimum earth pressure
    // (or the pressure given for the stage).
    zor::Ordinatenliste Eah;
    // Pressure of the limited loads and horizontal load components.
    zor::Ordinatenliste BegrLast;
    // Earth-pressure sum.
    zor::Ordinatenliste ESumme;
    // Additional vertical stress from slopes and unlimited loads ("ZORGZ").
    zor::Ordinatenliste Gz;
    // Work lists: vertical stress, stress from the layers.
    zor::Ordinatenliste SigmaV;
    zor::Ordinatenliste SchichtSigma;
    // Negative part of the soil pressure.
    zor::Ordinatenliste EahNeg;
    // Scratch of the figure addition.
    zor::Ordinatenliste LastSumme;
    // Copy of the limited-load list for the statics.
    zor::Ordinatenliste BegrLastKopie;
    // Minimum earth-pressure coefficient per layer in the current call (0 = none).
    std::array<float, 101> MinErddruckMerker{};
    // Reserved value of the layer records of the hand-over files (always 0).
    std::array<float, 101> SchichtFeld3{};
    // "ZORZ11" as the last pass read it back: its bytes and the values it gave, in the order read, so
    // that the next pass restores the layer table from the same bytes without taking them apart again.
    std::string Z11Datei;
    std::vector<uint32_t> Z11Werte;

    // Effective partial factor of the soil pressure and its value scaled to BS-P.
    float gamEMisch = 0.0f;
    float gamEMischBSP = 0.0f;

    // Seepage iteration state read from "zorz10".
    int16_t GammaGeaendert = 0;
    int16_t SickerKonv = 0;
    float GefaelleErd = 0.0f;
    float GefaelleLuft = 0.0f;
    // Seepage gradients of the last solved pass (set by the statics), shown in the report.
    float GefaelleErdWirksam = 0.0f;
    float GefaelleLuftWirksam = 0.0f;

    // MinEah of the project while a stage with a given earth pressure has suspended it.
    float MinEahGesichert = 0.0f;
    int16_t MinEahAusgesetzt = 0;

    int16_t DruckLastfall = 0; // 1 = this pass writes the report section
    std::array<float, 3 * 81> GrundbruchTab{};
};

extern Erddruckzustand B;

// Back to the state at program start.
void ErddruckZustandZuruecksetzen();

// Abandons the calculation because the model outgrows its tables (also the range handler of the
// model's line tables).
[[noreturn]] void ModellZuGross();

struct Keilmodell {
    // Point table (indices 1..90).
    std::array<int16_t, 91> GelaendeCode{};
    std::array<float, 91> GelaendeX{}, GelaendeZ{};
    int16_t AnzGleitPunkte = 0;

    // Lines: code lists, points (line, point), point counts.
    std::array<std::string, 22> LinienCodes{};
    zor::Linientafel GleitLinieX{ModellZuGross}, GleitLinieZ{ModellZuGross};
    std::vector<int16_t> GleitLinieAnz;
    int16_t LetzteGleitLinie = 0;
    // Saved grid: z of the lines 0..LetzteGleitLinie, row LetzteGleitLinie + 1 the grid x.
    zor::Linientafel GleitRasterZ{ModellZuGross};
    int16_t RasterAnz = 0;
    // Per line 0..LetzteGleitLinie of the saved grid the ranges of its x and z, widened as the cut of
    // two segments widens them (x low, x high, z low, z high); empty when a value is not finite.
    std::vector<float> RasterRahmen;
    // Per line 0..LetzteGleitLinie of the saved grid: 1 where all its depths are one finite value other
    // than -0 (a level line: every value taken on it is that value).
    std::vector<char> RasterEben;
    // The same for every segment of the grid: abscissae per segment, depths per line and segment.
    std::vector<float> RasterSegX, RasterSegZ;

    // Slice values, indexed by the line that bounds the slice from above (1..20).
    std::array<float, 21> W{}, GammaFeucht{}, GammaAuftrieb{}, Phi{}, C{}, DeltaP{};

    // Bottom loads (0..AnzSohlLast) and per trial plane the load on each column.
    std::vector<int16_t> GleitListeI1, GleitListeI2;
    std::vector<float> GleitListeS1, GleitListeS2;
    std::vector<float> GleitListe1;

    // Searches of this run by everything they are made of (the stage's geometry, soil and bottom loads,
    // see trial_planes.cpp): their resultants and the last trial wedge, so that a search asked for again
    // (the same stage in the next load case) gives its results without repeating the wedges.
    struct Suche {
        std::vector<uint32_t> schluessel;
        std::array<float, 39> z{}, E{}, Winkel{};
        float letzteTiefe = 0.0f, letzterWinkel = 0.0f;
    };
    std::vector<Suche> Suchen;

    // The shapes of the trial wedges built for one geometry (everything a search is made of but the unit
    // weights, which the seepage passes change): per wedge its columns; per column its bottom load, the
    // area of each slice it cuts (height times width) and the factors of the wedge force that the unit
    // weights do not change. A search of the same geometry with other unit weights takes a wedge's force
    // from its shape instead of building it again.
    struct Spalte {
        double kohaesion = 0.0; // c L cos(phi)
        double sinPhiTheta = 0.0, cosDelta = 0.0, cosPhiThetaDelta = 0.0;
        float last = 0.0f;
        uint32_t linien = 0; // bit j: the slice below line j is cut; its area is the column's next one
    };
    struct Keilform {
        uint32_t ersteSpalte = 0, ersteFlaeche = 0;
        uint16_t anzSpalten = 0;
    };
    struct Formen {
        std::vector<uint32_t> schluessel;
        std::unordered_map<uint64_t, uint32_t> nachEbene; // (depth bits << 32 | angle bits) -> wedge
        std::vector<Keilform> keile;
        std::vector<Spalte> spalten;
        std::vector<float> flaechen; // the slice areas of every column, column after column
    };
    std::vector<Formen> Geometrien;
};

extern Keilmodell Keil;

// Back to program start.
void KeilZuruecksetzen();

// Number of depth points of the trial-plane search.
inline constexpr int kGleitTiefen = 38;

// Resultants E(i) (kN/m) and slip-plane angles (radians) of the last search.
struct Gleitergebnis {
    std::array<float, kGleitTiefen + 1> z{}, E{}, Winkel{};
    int16_t AnzGleitflaechen = 0; // points of the passive list of the search plus one, as the file holds it
};
extern Gleitergebnis GleitErgebnis;

// Back to program start: no resultants.
void GleitErgebnisZuruecksetzen();

} // namespace zormb

namespace zor {

// Resets the whole run state of this folder: Lauf, B, Keil, GleitErgebnis, the report state, the
// coefficient notes and the call-site tag of the diagram routines.
void ErddruckLaufZuruecksetzen();

} // namespace zor
