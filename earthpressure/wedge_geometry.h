#pragma once
// Plane model of the excavation side for the passive trial slip planes: numbered points,
// polylines defined by lists of point codes, all lines on one common grid of x positions,
// the soil values of every layer slice and, per trial plane, the slip line, the columns of the
// wedge and the share of the bottom loads on each column.
//
// x in m, 0 at the wall face, negative toward the excavation (every line starts at x = -999);
// z in m below the wall head. The model is rebuilt from the project data at every search.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "earthpressure/polylines.h"

namespace zormb {

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

    // Slice values, indexed by the line that bounds the slice from above (1..20).
    std::array<float, 21> W{}, GammaFeucht{}, GammaAuftrieb{}, Phi{}, C{}, DeltaP{};

    // Bottom loads (0..AnzSohlLast) and per trial plane the load on each column.
    std::vector<int16_t> GleitListeI1, GleitListeI2;
    std::vector<float> GleitListeS1, GleitListeS2;
    std::vector<float> GleitListe1;
};

extern Keilmodell Keil;

// Back to program start.
void KeilZuruecksetzen();

// Index of the point with the given code, 0 when there is none.
void PunktCodeSuchen(int16_t code, int16_t& index);

// Brings every line 0..LetzteGleitLinie + 1 onto the x positions of all others.
void GelaendeSchneiden();

// Fills GleitListe1(kExit..kWall - 1) with the bottom loads above the slip line per column.
void GleitkeilGeometrie(int16_t kExit, int16_t kWall);

// Builds the model from the current stage and the layers as entered (angles in degrees).
void KeilmodellAufbauen();

// Builds the trial wedge of the depth zp at the wall and the plane angle theta (radians,
// positive when the plane rises away from the wall): the slip line, the lines clipped to it,
// the exit and wall indices and the column loads.
void Probekeil(float zp, float theta, int16_t& kExit, int16_t& kWall);

} // namespace zormb
