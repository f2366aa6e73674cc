#pragma once
// A slip-circle model set up directly: x to the earth side, z down. The slope of the ACADS test problem
// 1(a) (x - 30, 35 - y): ground (-99, 10), (0, 10), (20, 0), (99, 0); one homogeneous layer; the toe
// (0, 10) is the fixed point every circle passes through.
#include <cmath>
#include <string>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "slipcircle/search.h"
#include "slipcircle/state.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace slipfix {

inline void Neu() {
    vb::ResetFileState();
    ResetProjectData();
    Zormg::ZustandZuruecksetzen();
    P.GradZuRad = 3.141593f / 180.0f;
    zormcom::Vorgaben.gamPhiWirk = zormcom::Vorgaben.gamCWirk = 1.0f;
    Zormg::FelderDimensionieren();
    Zormg::D().YieldAbstandMs = 1000000;
}

inline void Punkt(int nummer, float x, float z) {
    auto& s = Zormg::Z();
    ++s.AnzPunkte;
    s.PunktNummer[s.AnzPunkte] = static_cast<int16_t>(nummer);
    s.PunktX[s.AnzPunkte] = x;
    s.PunktZ[s.AnzPunkte] = z;
}

// The slope with c (kN/m2), phi (degrees), gamma above and below the water line at zWasser (99: none).
inline void Boeschung(float c, float phi, float gamma, float gammaUnter = 20.0f, float zWasser = 99.0f) {
    Neu();
    auto& s = Zormg::Z();
    auto& d = Zormg::D();
    Punkt(1, -99, 10);
    Punkt(2, 0, 10);
    Punkt(3, 20, 0);
    Punkt(4, 99, 0);
    Punkt(51, -99, zWasser);
    Punkt(52, 99, zWasser);
    s.LinienText[0] = "51 52";
    s.LinienText[1] = "1 2 3 4";
    s.AnzLinien = 1;
    s.GkSchichtGamma[1] = gamma;
    s.GkSchichtGammaAuftrieb[1] = gammaUnter;
    s.GkSchichtPhi[1] = phi;
    s.GkSchichtC[1] = c;
    d.FestPunkt = 2;
    d.AuslaufwinkelLuft = 30;
    d.AuslaufwinkelErde = 85;
    d.FeldXAnfang = -6;
    d.FeldXEnde = 6;
    d.FeldZAnfang = -24;
    d.FeldZEnde = -12;
    d.FeldTeileX = d.FeldTeileZ = 15;
    d.FeldVerschieben = 1;
}

// Prepares the model for single circles (angles in radians, lines on the common grid, minima reset).
inline void Vorbereiten() {
    Zormg::WinkelInBogenmass();
    Zormg::ModellVorbereiten();
    auto& d = Zormg::D();
    d.etaMin = Zormg::kKeinKreis;
    d.etaMinRing = d.etaMinMP = d.eta = Zormg::kStartMinimum;
}

// Safety of the circle through the fixed point with the centre (x, z).
inline float Kreis(float x, float z) {
    auto& d = Zormg::D();
    d.xM = x;
    d.zM = z;
    Zormg::RadiusIteration();
    return d.eta;
}

} // namespace slipfix
