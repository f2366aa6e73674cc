#pragma once
// Module values of the wall statics: the row table of the beam solver, the load diagram and the
// node grid of the beam, the lists and values of the redistribution figures, the layer table and
// stress list of the excavation side and the earth resistance of soldier piles.
//
// All of them live in one place, `zormc::St`, reset by StatikZustandZuruecksetzen (program start,
// tests). Lists are ordinate lists (earthpressure/diagrams.h): points at 1..n, depths not
// decreasing. The values of the stage and of the run that the verification, the design and the pictures
// read stand at the end (zGelenk, EinspErg, HUmlagerung, AnkerFaktor, ...); St is reset at the start of
// every run (zor::LaufZuruecksetzen).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"
#include "frame/run_status.h"

namespace zormc {

// Supports and hinges the beam solver can take together.
inline constexpr int kMaxAuflagerGelenke = 14;
// Stiffness entries per layer (SchichtEI 1..30).
inline constexpr int kMaxSteifigkeiten = 30;
// Highest row index of the row table: room for every node of a full node grid (250 points, each with a
// field and a marker row), the splits of the fields at the layer tops, a hinge, the head rows and the end,
// so that a deep bedded wall never runs out of rows before its node grid is full.
inline constexpr int kMaxZeile = 2 * zor::kMaxOrdinaten + kMaxSteifigkeiten + 10;
// Entries of the excavation-side layer table: 12 layers, three splits and the bottom.
inline constexpr int kMaxAushSchichten = 16;

// Columns of a row of the row table.
inline constexpr int kArt = 1;   // row kind
inline constexpr int kTiefe = 2; // depth at the end of the row (m)
inline constexpr int kP1 = 3;    // row parameters p1..p5 in columns 3..7
inline constexpr int kW = 9;     // deflection (mm)
inline constexpr int kPhi = 10;  // rotation (mm/m)
inline constexpr int kM = 11;    // moment (kNm/m)
inline constexpr int kQ = 12;    // shear (kN/m)

// Row kinds.
inline constexpr int kKopfMarke = 0;
inline constexpr int kKopf = 1;
inline constexpr int kFeld = 2;
inline constexpr int kPunkt = 3; // wall load or spring
inline constexpr int kAuflager = 4;
inline constexpr int kGelenk = 41;
inline constexpr int kEnde = 5;

using Ergebniszeile = std::array<float, 13>; // columns 0..12

struct Statikzustand {
    // ---- beam solver
    std::array<Ergebniszeile, kMaxZeile + 1> ErgebnisTabelle{}; // rows 0..kMaxZeile
    int16_t AnzZeilen = 0;
    std::array<float, 6> Zeilenwerte{}; // p1..p5 of the row being built (1..5)
    // Head codes a, b (indices 1, 2): the two head quantities that vanish (1 w, 2 phi, 3 M, 4 Q).
    std::array<int16_t, 3> KopfUnbekannte{};
    // Foot codes f1, f2 (indices 1, 2): the two foot quantities that vanish.
    std::array<int16_t, 3> FussBedingung{};
    zor::Laufstatus StatikStatus = zor::Laufstatus::Offen; // "STOP" after a singular system

    // ---- load diagram and node grid of the beam
    zor::Ordinatenliste Lastbild;       // depth (m), ordinate (kN/m2), positive towards the excavation
    zor::Ordinatenliste Knoten;         // depth (m), node marker (see beam_nodes.h)
    zor::Ordinatenliste Wasserbild;     // work list: node markers; water-pressure diagram
    zor::Ordinatenliste BettFeder;      // depth below HUmlagerung (m), modulus of subgrade reaction (MN/m3)
    zor::Ordinatenliste ESumme;         // earth-pressure sum of the stage
    zor::Ordinatenliste BegrLast;       // pressure of the limited loads, on the points of ESumme
    zor::Ordinatenliste SigmaV;         // work list (part of the load diagram below the excavation level)
    float LastResultierendeOben = 0.0f; // resultant of the load diagram from the head to zAush (kN/m)
    float Eph = 0.0f;                   // passive resistance of the full wall down to the foot (kN/m)
    float EphPfahl = 0.0f;              // passive resistance of the soldier piles (kN/m)
    float ZErdauflager = 0.0f;          // earth-support point (m)

    // ---- redistribution figures and water pressure
    float UmlagerungsTiefe = 0.0f;   // depth H the figure reaches down to (m)
    float WasserNeigungUnten = 0.0f; // water-pressure slope below the break depth (kN/m3)
    // centroid search of the trapezoid (figure 8)
    zor::Ordinatenliste Probefigur; // 0, z1, z2, H with ordinates 0, 1, 1, eps
    float ProbeH = 0.0f;
    float ProbeZiel = 0.0f;     // target ratio zs / H
    float EpsUnten = 0.0f;      // lower bound of eps
    float EpsOben = 0.0f;       // upper bound of eps
    float SchwerUnten = 0.0f;   // centroid ratio at the lower bound
    float SchwerOben = 0.0f;    // centroid ratio at the upper bound
    float SchwerAktuell = 0.0f; // centroid ratio of the current eps
    int16_t UmlZaehler = 0;

    // ---- layer table and vertical stress of the excavation side (entries 1..16)
    std::array<float, kMaxAushSchichten + 2> AushSchichtKote{};
    std::array<float, kMaxAushSchichten + 2> AushSchichtDicke{};
    std::array<float, kMaxAushSchichten + 2> AushSchichtGamma{};
    std::array<float, kMaxAushSchichten + 2> AushSchichtGammaAuftrieb{};
    std::array<float, kMaxAushSchichten + 2> AushSchichtKpgh{};
    std::array<float, kMaxAushSchichten + 2> AushSchichtKpch{};
    std::array<float, kMaxAushSchichten + 2> AushSchichtCp{};
    int16_t AushSchichtAnz = 0;
    int16_t ErsteSchichtUnterSohle = 0;
    float BezugsTiefe = 0.0f;         // depth the stress is counted from (m)
    float TeilungsTiefe = 0.0f;       // depth of the next split (m)
    zor::Ordinatenliste SchichtSigma; // stress list, one point per layer bottom
    zor::Ordinatenliste Gz;           // stress list on common depths (kN/m2)
    zor::Ordinatenliste SohlSpannung; // copy of Gz for the heave check
    zor::Ordinatenliste LastSumme;    // work list

    // ---- earth resistance of soldier piles
    float EinbindeTiefe = 0.0f; // embedment T of the current foot depth (m)
    float phiTBW = 0.0f, deltapTBW = 0.0f, cTBW = 0.0f, b0TBW = 0.0f, GammaTTBW = 0.0f, cHalbTBW = 0.0f;
    float bsR = 0.0f, bsKoh = 0.0f;
    float khRTab = 0.0f, khKohTab = 0.0f, khRAkt = 0.0f, khKohAkt = 0.0f;
    float khR0 = 0.0f, khKoh0 = 0.0f, khR = 0.0f, khKoh = 0.0f;
    float EpReibTBW = 0.0f, EpKohTBW = 0.0f, EpTBW = 0.0f, EphTBW = 0.0f, EpvTBW = 0.0f, TanDeltaP = 0.0f;
    float EW1 = 0.0f, EW2 = 0.0f, EW3 = 0.0f;
    int16_t TBWFall = 0;

    // ---- statics of a stage (driver, foot search, loads, passive resistance, bedding, heave)
    // Hand-over settings of the stage driver to the foot search.
    int16_t WandfussEingabe = 0;   // foot mode of the stage as entered
    int16_t WandartEingabe = 0;    // wall kind as entered
    float ZWandfussEingabe = 0.0f; // foot level as entered (m)
    int16_t GelenkFussModus = 0;   // 1: a mode-4 pass of a stage entered in mode 1 or 2 gets a hinged foot
    int16_t ErdauflagerModus = 0;  // 1: lower the foot while the passive resistance is at most 1 kN/m
    float ZFussVorgabe = 0.0f;     // prescribed foot level of the pass (0: searched)
    float FussVersatz = 0.01f;     // a search in modes 1 and 4 starts at ZWandfuss + FussVersatz
    float ToleranzFussTBW = 0.2f;  // convergence tolerance of soldier-pile walls (kN/m)
    int16_t AnzAuflagerKopf = 0;   // supports in force including a hinged or fixed head
    int16_t BettungDurchlauf = 0, BettungWiederholen = 0, BettungReduziert = 0;
    // Results of the driver.
    float zFussFrei = 0.0f, zFussFest = 0.0f; // foot levels of the free and the fixed search (m)
    int16_t EinspDrucken = 0;                 // the report prints the degree of fixity (EinspErg)
    int16_t GebetteteKragwand = 0;            // bedded foot and no support at all
    int16_t AnzBettungStufe = 0;              // rows of the stage's bedding table
    int16_t KeineKonvergenz = 0;              // 20000: the foot search stopped at its bound
    float EpvWand = 0.0f;                     // vertical passive resistance (kN/m)
    float ZRuhedruckFuss = 0.0f;              // load zero point (m)
    float Ze1Fig6Wirksam = 99.0f;             // end level of the stage's own figure 6 (99: none)
    // Copy of the passive diagram (1..50: depth in [1], ordinate in [2]).
    static constexpr int kMaxSigmaVKopie = 50;
    std::array<std::array<float, 3>, kMaxSigmaVKopie + 1> SigmaVKopie{};
    int16_t AnzAuflagerAlle = 0;
    int16_t SickerDurchlaeufe = 0; // seepage passes of the current stage ("B" answers)
    float WasserwichteErd = 10.0f, WasserwichteLuft = 10.0f; // (1 - i) * 10 (kN/m3)

    // Foot search.
    int16_t IterZaehler = 0, FussSucheStatus = 0;
    int16_t FussUntenBegrenzt = 0; // 1: the foot could not be lowered further (lists end at 99)
    float FussSchritt = 0.0f, FussRest = 0.0f, FussRestAlt = 0.0f;
    static constexpr int kMaxIterProtokoll = 42;
    std::array<float, kMaxIterProtokoll + 1> IterT{}, IterBh{}, IterEph{}, IterMFuss{}, IterEphPfahl{};
    float Bh = 0.0f, MFuss = 0.0f, CKraft = 0.0f, DeltaT = 0.0f, EphKopie = 0.0f, SohlSpannungFuss = 0.0f;
    float CKraftBericht = 0.0f, CKraftDelta = 0.0f, CKraftDt = 0.0f, CKraftEtap = 0.0f, CKraftSigV = 0.0f,
          CKraftKp = 0.0f, CKraftPhi = 0.0f;
    int16_t DeltaTBestimmbar = 1; // 0: the extra embedment could not be determined ("***" line)

    // Loads of an iteration.
    zor::Ordinatenliste Eah;                             // "ZORZ3": soil weight and cohesion
    std::vector<std::array<float, 3>> ErddruckAenderung; // 1..n: depth, e before, e after the change
    int16_t AnzErddruckAenderung = 0;
    std::vector<float> EhListe, EvListe, EhListeZ; // 1..AnzGlfListe
    int16_t AnzGlfListe = 0;
    zor::Ordinatenliste ESummeKopie;   // vertical component of the active share
    zor::Ordinatenliste LastbildKopie; // unredistributed load diagram (graphics)
    float E0 = 0.0f, EahErd = 0.0f, EahErdV = 0.0f, AbgeschnDruckV = 0.0f;
    // Passive resistance of an iteration.
    float GleitWinkel1 = 0.0f, GleitWinkel2 = 0.0f, GleitWinkelDatei = 0.0f, EWidh = 0.0f;
    float ERef = 0.0f;                 // flat-bottom reference of a sloped bottom (kN/m)
    int16_t ERefGesetzt = 0;           // 1: ERef belongs to this iteration
    zor::Ordinatenliste EphKopieListe; // vertical component times Etap (report)
    // After the superposition.
    float EahZusatz = 0.0f, Wh = 0.0f, WasserFaktor = 1.0f, WasserFaktorBSP = 1.0f, ZspSkalaBSP = 1.0f;
    std::vector<float> ZusSpannungV;
    zor::Ordinatenliste WasserErd;     // factored net water diagram (report)
    zor::Ordinatenliste Erdwiderstand; // passive diagram from HUmlagerung to the foot ("ZOREwid.")

    // Hydraulic heave.
    int16_t HydrSchritte = 0; // first safe step; -1: none up to the limit
    float GBr = 0.0f, hF = 0.0f, hWu = 0.0f, Stroemungskraft = 0.0f;

    // Report notes of the statics ("***" lines) not yet written; the stage prints and clears them.
    std::vector<std::string> Hinweise;

    // ---- results of a stage the verification stage reads beyond those above (set by the statics stage)
    float CKraftV = 0.0f; // vertical component of the C force (kN/m)

    // ---- values of the current stage and of the run that the verification, the design and the pictures
    // read (set by the statics stage unless a line says otherwise)
    float gamMittel = 1.0f;   // mean partial factor of the actions of the stage (1 with global safety)
    int16_t FigurEB69 = 0;    // figure 8 of a soldier-pile stage: the figure after EB 69 it became (4, 5)
    int16_t BettungStufe = 0; // 1: the wall foot of the stage is bedded (FussGebettet of the stage)
    float zGelenk = 0.0f;     // level of the hinge of a wall head fixed but displaceable (m; 0 = none)
    float EinspErg = 0.0f;    // degree of fixity of the foot reached (%); the verification settles it
    float HUmlagerung = 0.0f; // effective excavation level H: zAush, or the load zero point below it (m)
    float AbgeschnUmlagern =
        0.0f; // soldier piles: the part of the cut-off pressure redistributed upward (kN/m)
    float AbgeschnDruck =
        0.0f; // soldier piles: earth pressure between excavation level and foot the wall cuts off (kN/m)
    float ZspSkala = 0.0f;     // factor of the additional stresses in design values
    int16_t AnzWiderstand = 0; // points of the passive diagram of the stage
    float Rvd = 0.0f;          // vertical earth resistance for the report (kN/m)
    float EpFaktor = 0.0f;     // reduction of the mobilised passive resistance (1, or the piles' share)
    std::array<float, 251> LastbildKopieZ{}; // load diagram of the plot record (1..): depths (m)
    std::array<float, 251> LastbildKopieE{}; // and ordinates (kN/m2)
    float AnkerFaktor = 1.0f; // factor on the anchor forces (BS-T to BS-P), the largest of the run
    // Deflection of the wall at a support when it was installed (mm) and the support's level (m), 1..20,
    // kept by the verification stage over the run; AnzAuflagerVersch of them are recorded.
    std::array<float, 21> AuflagerSenkung{};
    std::array<float, 21> AuflagerSenkungZ{};
    int16_t AnzAuflagerVersch = 0;

    // The working files a stage's statics reads on every trial foot level or rewrites on each, held for the
    // stage (WandStatik): the seepage state of "zorz10" and the passive list of "ZOREPP." as read once, and
    // what the trial levels write to "ZOREPP.", "zzzplotw" and "ZOREwid." + DateiEndung, written once when
    // the stage's statics ends.
    // Outside WandStatik (aktiv false) the files are read and written at once.
    struct Stufendateien {
        bool aktiv = false;
        bool sickerGelesen = false;
        int16_t sickerGeaendert = 0, sickerKonv = 0;
        float wasserwichteErd = 0.0f, wasserwichteLuft = 0.0f, gefaelleErd = 0.0f, gefaelleLuft = 0.0f;
        bool eppGelesen = false, eppGeaendert = false;
        int16_t eppFlag = 0, eppAnzahl = 0;
        std::vector<std::array<float, 4>> eppZeilen; // z, e and the two further values of each row
        bool plotwGeaendert = false;
        zor::Ordinatenliste plotw;
        bool ewidGeaendert = false; // "ZOREwid." + DateiEndung: name, list and the level HUmlagerung
        std::string ewidName;
        zor::Ordinatenliste ewid;
        float ewidH = 0.0f;
    };
    Stufendateien Dateien;
};

extern Statikzustand St;

// Back to the state at program start.
void StatikZustandZuruecksetzen();

} // namespace zormc
