#pragma once
// Deep slip plane: the slip body between the wall foot point (0, zGLF) and the grout-body centres of
// the anchors, the substitute anchor wall standing on the first point of the slip line, the force
// polygon after Kranz for the possible horizontal anchor force, and the search for the anchor
// lengths that reach the required safety.
//
// Coordinates: x (m) from the back of the wall (soldier-pile and sheet-pile walls: its axis) into the
// earth, z (m) downward from the wall head. Forces per metre of wall (kN/m), single precision.
// Anchors n = 1..N.AnzAnkerGlf (at most 8), point 9 is the wall point.
//
// The evaluation works on the project's layer table (zorm1::P), slope table (zorm1::P) and the
// earth-side loads of the load case (zormcom::Lauf); it changes them while it builds the earth
// pressure on the substitute anchor wall and restores them from the copy that
// GleitfugeKopieSichern saved (DatenZurueck). Results go to zormd::N (force-polygon values, EtaGlf,
// GlfMaxAushub, GlfMaxGesamt) and to zormd::GF below.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "verification/state.h"

namespace zormd {

// Positions of the strip list: two per earth-side load (8), two per slope (8), the sentinel, index 0.
inline constexpr int kMaxGlfX = 34;

struct Gleitfugenzustand {
    // ---- anchors of the check (1..8; 9 = wall point)
    std::array<float, kMaxAnkerGlf + 2> AnkerLaengeTest{};        // trial length (m)
    std::array<float, kMaxAnkerGlf + 2> GlfAnkerNeigung{};        // inclination (radians, downward positive)
    std::array<float, kMaxAnkerGlf + 2> GlfPunktX{}, GlfPunktZ{}; // grout-body centres, 9: wall point
    std::array<float, kMaxAnkerGlf + 2> AnkerLmin{}, AnkerLmax{};
    std::array<float, kMaxAnkerGlf + 2> GlfSummeAh{}, GlfWertAnker{}, GlfEtaAnker{}, GlfPhiAnker{};
    std::array<float, kMaxAnkerGlf + 3> GlfAnkerFlag{};

    // ---- prepared for every evaluation
    float GlfXWand = 0.0f;                       // air-side face of the wall to x = 0 (m)
    std::array<float, kMaxGlfX + 1> GlfXListe{}; // strip ends, sorted; GlfAnzX holds the sentinel 999
    std::array<float, kMaxGlfX + 1> GlfLastStaendig{}, GlfLastVeraenderlich{}; // kN/m2 on strip k
    int16_t GlfAnzX = 0;
    std::array<float, 101> GlfGamma{};                    // unit weights for the weight of the slip body
    std::string GlfPunktFolgeStart = "91", GlfPunktFolge; // point chain, read from the right
    float GlfSchritt = 1.0f;                              // length step (m)

    // ---- results of the last evaluation besides those in N
    float xAW = 0.0f, zAW = 0.0f; // the grout-body centre farthest from the wall
    float GlfPhiMittel = 0.0f;    // mean friction angle between the first chain point and zGLF (radians)
    float GlfMomentAnker = 0.0f, GlfXBezug = 0.0f, GlfZBezug = 0.0f, GlfEahAWLast = 0.0f;
    int16_t GlfRunden = 0;               // overall rounds of the last length search
    bool GlfGesamtNichtErfuellt = false; // the overall rounds ran out without reaching the safety

    // ---- saved copy of the layer, slope and load tables
    int16_t GlfAnzErdKopie = 0, GlfAnzBoeschKopie = 0, GlfAnzLastKopie = 0;
    std::vector<float> KKote, KDicke, KPhi, KGamma, KGammaA, KCa;
    std::vector<float> KBX1, KBX2, KBZ1, KBZ2, KBGamma;
    std::vector<float> KXA, KXE, KPv, KPh, KZ;
};

extern Gleitfugenzustand GF;

// Back to the state at program start.
void GleitfugeZuruecksetzen();

// Saves the current layer, slope and load tables as the copy DatenZurueck restores.
void GleitfugeKopieSichern();

// Restores the layer, slope and load tables from the saved copy (SchichtKote(AnzErd + 1) := 99).
void DatenZurueck();

// Adds every anchor with xL - 0.001 <= x < xR, a positive force and a centre no more than 0.01 m
// below the line z = m x + c to the anchor sums of the slip body.
void AnkerImGleitkoerper(float xL, float xR, float m, float c);

// One evaluation of the slip line in GF.GlfPunktFolgeStart for the trial lengths AnkerLaengeTest.
// A zero weight, vertical force or reaction denominator gives the safety 0 and the reference point,
// never a NaN.
void ErsatzankerwandDruck();

// Length search of the current stage (single checks deepest first, then the overall slip line).
// Expects GF.GlfXWand, the strip list, GlfGamma, the saved copy, N.zGLF, N.GlfEahWand,
// N.GlfEavWand, N.GlfZEahWand and the anchors (AnkerLaenge as start, AnkerLmin, AnkerLmax) set;
// etaGl is the required safety. The overall rounds stop after kMaxGlfRunden: GlfGesamtNichtErfuellt.
inline constexpr int kMaxGlfRunden = 50;
void LaengenSuche(float etaGl);

} // namespace zormd
