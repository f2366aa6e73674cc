#pragma once
// The earth-pressure stage of a calculation run: for the current load case and excavation
// stage the active earth pressure of soil, cohesion, slopes and surface loads, the report
// section "ERDDRUCK" and the hand-over files for the statics; for a sloped or loaded
// excavation bottom also the passive pressure by trial slip planes.
//
// The lists and values the stage leaves behind live in `zormb::B` (the passive list, the
// user-given passive points and the run values shared with stage a in `zormcom::Lauf`); the
// statics and the verification stage read them from there. Every routine works on the live project data
// and on these lists and keeps nothing else between calls, so the deep slip plane may call
// the builders again on temporarily changed layer, slope and load tables.
#include <array>
#include <cstdint>

#include "earthpressure/diagrams.h"

namespace zormb {

struct Erddruckzustand {
    // Active earth pressure from soil weight and cohesion with the minimum earth pressure
    // (or the pressure given for the stage).
    zor::Ordinatenfeld EahE{}, EahZ{};
    int16_t AnzEah = 0;
    // Pressure of the limited loads and horizontal load components.
    zor::Ordinatenfeld BegrLastE{}, BegrLastZ{};
    int16_t AnzWiderstand = 0;
    // Earth-pressure sum (its count is P.AnzPunkte2).
    zor::Ordinatenfeld ESummeE{}, ESummeZ{};
    // Additional vertical stress from slopes and unlimited loads ("ZORGZ").
    zor::Ordinatenfeld GzE{}, GzZ{};
    int16_t AnzKnoten = 0;
    // Work lists: vertical stress, stress from the layers.
    zor::Ordinatenfeld SigmaVE{}, SigmaVZ{};
    int16_t AnzListeA = 0;
    zor::Ordinatenfeld SchichtSigmaE{}, SchichtSigmaZ{};
    int16_t AnzListeB = 0;
    // Negative part of the soil pressure.
    zor::Ordinatenfeld EahNegE{}, EahNegZ{};
    int16_t AnzEahNegativ = 0;
    // Scratch of the figure addition.
    zor::Ordinatenfeld LastSummeE{}, LastSummeZ{};
    // Copy of the limited-load list for the statics.
    zor::Ordinatenfeld BegrLastKopieE{}, BegrLastKopieZ{};
    int16_t AnzZusatzlast = 0;
    // Minimum earth-pressure coefficient per layer in the current call (0 = none).
    std::array<float, 101> MinErddruckMerker{};
    // Reserved value of the layer records of the hand-over files (always 0).
    std::array<float, 101> SchichtFeld3{};

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

// The earth-pressure stage for P.LFNr and P.AushNr.
void ErddruckBerechnen();

} // namespace zormb
