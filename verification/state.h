#pragma once
// Run state of the verification stage: the working values of the current load case and stage that
// the report sections hand to one another, the beam-element evaluation of the state-quantity table,
// the depth grid, the deep-slip-plane values of plot record "C" and the few values kept over a run.
//
// All of it lives in zormd::N, reset by NachweisZustandZuruecksetzen (announced to
// zor::LaufZuruecksetzen, so every run starts from it). Values the verification shares with the
// statics and the graphics stay where those keep them (zormc::St, zormcom::Lauf).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"

namespace zormd {

// Anchor and strut slots of a stage (project support levels 1..13).
inline constexpr int kMaxAnkerSlots = 13;
// Anchors a deep slip plane can take.
inline constexpr int kMaxAnkerGlf = 8;

struct Nachweiszustand {
    // ---- forces of the supports in this stage (cleared at the start of every call)
    std::array<float, kMaxAnkerSlots + 1> AnkerAh{}; // horizontal force of support k (kN/m)
    std::array<float, kMaxAnkerSlots + 1> AnkerAv{}; // its vertical component (kN/m)
    float SummeAnkerAh = 0.0f, SummeAnkerAv = 0.0f;  // sums of the assigned forces (and the head support)
    float SummeNegKraefte = 0.0f;                    // sum of the pulling spring forces (kN/m)
    float FelslagerKraft = 0.0f;                     // force of the rock bearing at the foot (kN/m)
    int16_t NegAuflagerFlag = 0;                     // a support line printed "-"
    float MaxFederPressung = 0.0f, zMaxFederPressung = 0.0f;

    // ---- running extremes of the state-quantity table (0 at the start of every call)
    float MaxMoment = 0.0f, MinMoment = 0.0f; // kNm/m
    float MaxHDruck = 0.0f;                   // largest load ordinate (kN/m2)
    float MaxQuerkraft = 0.0f, MinQuerkraft = 0.0f;
    int16_t QuerkraftReduziert = 0; // the last row's shear was taken reduced into MaxQuerkraft
    float zGLF = 0.0f;              // foot point of the deep slip plane at the wall (m)
    float EinbindeTiefe = 0.0f;     // t = zFuss - zAush (m)

    // ---- passive list of the stage (the list itself in zormcom::Lauf.Eph)
    int16_t EppArt = 0;                  // 1: the list comes from trial slip planes
    std::array<float, 251> EphWinkel{};  // angle of the governing trial plane (radians)
    std::array<float, 251> EphGegAktE{}; // resultant down to the point (kN/m)

    // ---- beam-element evaluation (ElementKraefte); vectors and matrix 1-based, double
    int16_t ElementNr = 0;
    float ElementFaktor = 0.0f; // distance x from the upper end of the field (m)
    std::array<double, 5> TMVektor2{};
    std::array<double, 5> Zustand{};
    std::array<std::array<double, 5>, 5> ElementMatrix{};
    std::array<double, 5> TMVektor{};
    float ElementBettung = 0.0f; // load ordinate at the upper end (kN/m2)
    float ElementWertEI = 0.0f;  // increase of the load ordinate over x (kN/m2)

    // Intermediate rows of the table: z, load ordinate, w, M, Q (z = 99: empty).
    std::array<float, 5> Zwischen1{}; // next-support row
    std::array<float, 5> Zwischen2{}; // zero-shear row
    int16_t AushubkoteGedruckt = 0;
    float FederZOben = 0.0f, FederZUnten = 0.0f; // last depths the spring search found

    // ---- depth grid of the wall and the values on it (section 8, rebuilt in every stage)
    // KotenListe(1..AnzKoten): depths (m), ascending, ending one point after the first point within
    // 1 mm of the wall foot; index 0 holds 0. The value lists are sized to the grid (AnzKoten + 3
    // elements; KotenQKopie AnzKoten + 2, its element AnzKoten + 1 repeating element AnzKoten;
    // KotenN AnzKoten + 21). Per point: KotenDruck load ordinate (kN/m2), KotenW deflection (unit of
    // the statics' state vector, design), KotenM moment (kNm/m), KotenQ shear (kN/m), KotenN normal
    // force (kN/m, negative for compression). Before plot record "B" the section drops the last point
    // (AnzKoten - 1); the lists keep it.
    std::vector<float> KotenListe = std::vector<float>(1, 0.0f);
    int16_t AnzKoten = 0;
    std::vector<float> KotenDruck, KotenW, KotenM, KotenQ, KotenQKopie, KotenN;
    float MinNormalkraft = 0.0f; // smallest (most compressive) N of the grid, 0 at most (kN/m)

    // ---- bedding table
    int16_t AnzBettung = 0;

    // ---- deep slip plane of the stage (plot record "C"), summary values
    int16_t AnzAnkerGlf = 0;
    std::array<float, kMaxAnkerGlf + 1> GlfAnkerZ{}, AnkerLaenge{}, GlfAnkerAh{};
    std::string GlfAnkerKombination = "91";
    float GlfMaxAushub = 0.0f, EtaGlf = 0.0f;
    int16_t AnzSteifen = 0;
    std::array<float, kMaxAnkerSlots + 1> SteifenZ{}, SteifenAh{};
    // Vertical sums of the summary: SummeVd = -N at the last grid point (design, per metre); SummeVk =
    // SummeV2k of the vertical equilibrium, per pile (times ABohl) for a soldier pile wall.
    float SummeVd = 0.0f, SummeVk = 0.0f;
    float GlfEavAW = 0.0f, GlfEahAW = 0.0f, GlfEahWand = 0.0f, GlfEavWand = 0.0f, GlfSumCh = 0.0f,
          GlfSumCv = 0.0f, GlfQhMoegl = 0.0f, GlfQvMoegl = 0.0f, GlfSumG = 0.0f, GlfAhMoegl = 0.0f,
          GlfAvMoegl = 0.0f;
    float GlfXSchwerpunkt = 0.0f, GlfZEahWand = 0.0f, GlfZEahAW = 0.0f, GlfXQMoegl = 0.0f, GlfQh = 0.0f,
          GlfQv = 0.0f, GlfSumAh = 0.0f, GlfSumAv = 0.0f, GlfXQ = 0.0f;
    // Heave values of step 0, models 1..3, for plot record "C": the statics' safeties, or what the heave
    // section shows (utilisations with partial factors) when it ran in the stage.
    std::array<float, 3> GrundbruchPlot{};

    // ---- kept over the run
    float AnkerLaengeMax = 0.0f; // largest anchor length written in a record "C" of this run
    float GlfMaxGesamt = 0.0f;   // largest deep-slip-plane value of the run
    std::array<float, kMaxAnkerSlots + 1> AnkerKraft{}; // characteristic anchor force per level (kN/m)

    // ---- earth support of the stage (embedment section)
    float Ed00 = 0.0f;                   // earth-support force without superposition, Rhd Bh / Eph (kN/m)
    bool Ed00Bestimmbar = true;          // false: Eph = 0, no ratio exists
    float ErdauflagerVerhaeltnis = 0.0f; // soldier piles: eta' (global) or Ed / Rd (partial)
    float BvTBW = 0.0f;                  // soldier piles: mobilised vertical resistance Bv (kN/m)

    // ---- horizontal and vertical equilibrium of the stage
    float SummeH1 = 0.0f;      // horizontal sum (kN/m); >= 0: equilibrium holds
    float Hext = 0.0f;         // external horizontal wall loads acting in the stage (kN/m)
    float DtH = 0.0f;          // extra embedment for Summe H (m), when searched and found
    bool DtHGesucht = false;   // the search for DtH ran in this stage
    bool DtHBestimmbar = true; // false: the remaining resistance never reaches the missing force
    float Wandgewicht = 0.0f, WandAuftrieb = 0.0f, EavZusatz = 0.0f;
    float BvPfahl = 0.0f; // soldier piles' own Bv, kept aside for their vertical table
    float SummeV2d = 0.0f, SummeV2k = 0.0f;
    float MinDt = 0.0f; // partial factors: minimum extra embedment 0.1 t EinspErg / 100 (m)

    // ---- earth support of the stage for the plot record and the report
    float zEndeStatik = 0.0f; // level of the end row of the statics table (m)
    float Rhd = 0.0f;         // horizontal earth resistance in design values down to the foot (kN/m)
    float RdFuss = 0.0f;      // resistance at the foot (kN/m)
    float EdFuss = 0.0f;      // action at the foot (kN/m)

    // ---- running design values of the depth grid over the run, read by the design stage
    float BemVerbauDruck = 0.0f;    // largest lagging pressure (kN/m2)
    float BemMaxMoment = 0.0f;      // largest moment (kNm/m)
    float BemMaxQuerkraft = 0.0f;   // largest shear force (kN/m)
    float BemMinNormalkraft = 0.0f; // smallest normal force (kN/m)
    int16_t BemVerbauDruckFlag = 0; // BemVerbauDruck was set
};

extern Nachweiszustand N;

// Back to the state at program start (also at the start of every run).
void NachweisZustandZuruecksetzen();

} // namespace zormd
