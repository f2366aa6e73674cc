#pragma once
// State of the slip-circle module: the point-and-line model of one excavation stage and
// the work arrays of the circle evaluation. One instance for the program life; tests reset it.
#include <cstdint>
#include <string>
#include <vector>

#include "earthpressure/polylines.h"

namespace Zormg {

struct Zustand {
    // Model arrays, created by FelderDimensionieren (index 0 up to the bound noted).
    std::vector<int16_t> PunktNummer;                                                    // 0..150
    std::vector<float> PunktX, PunktZ;                                                   // 0..150
    std::vector<std::string> LinienText;                                                 // 0..20
    std::vector<float> GkSchichtGamma, GkSchichtGammaAuftrieb, GkSchichtPhi, GkSchichtC; // 0..20
    std::vector<float> GkAnkerKraft, GkAnkerNeigung, GkAnkerLaenge, GkAnkerX, GkAnkerZ;  // 0..20
    std::vector<int16_t> LastPunkt1, LastPunkt2; // 0..AnzSohlLast + 30
    std::vector<float> VLastA, VLastE;           // 0..AnzSohlLast + 30
    std::vector<float> HLastA, HLastE;           // 0..30
    std::vector<int16_t> LastStaendig;           // 0..30

    int16_t AnzPunkte = 0;
    int16_t AnzLinien = 0;

    // Lines of the model as polylines (line, point) with their point counts; made by the
    // circle search for lines 0..AnzLinien + 2.
    zor::Linientafel LinieX, LinieZ;
    std::vector<int16_t> LinienPunktzahl;

    // Sorted abscissae from which a new line is formed; sized by its callers.
    std::vector<float> XListe;
    int16_t AnzXListe = 0;
};

// The module's one state.
Zustand& Z();

// Back to program start: every array empty, every count 0.
void ZustandZuruecksetzen();

// Creates the model arrays anew and empty (bounds 150 points, 20 lines and layers, 20
// anchors, 30 loads, AnzSohlLast + 30 for the load points and vertical intensities),
// keeping no old values.
void FelderDimensionieren();

} // namespace Zormg
