#pragma once
// The one reset and the one project builder of the tests: the state a test starts from, and the
// pieces of the small projects the suites build (a cantilever sheet pile wall, soil layers as
// entered, simple excavation stages, earth-side area loads). A fixture states what its project has
// beyond these pieces; it never writes them out again.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "frame/project_data.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"

namespace zortest {

// Project data and the run state of every calculation module back to program start.
inline void Zuruecksetzen() {
    zorm1::ResetProjectData();
    zor::LaufZuruecksetzen();
}

// A cantilever sheet pile wall with active earth pressure and global safety (1.5), a minimum
// earth pressure of 0.2, curved passive slip surfaces from 35 degrees on, the given project texts
// and the concentration factor of the at-rest pressure. No layers, stages or loads yet.
inline void Spundwand(const std::string& projBez, const std::string& projNr, int16_t konzFaktor) {
    auto& P = zorm1::P;
    P.Wandtyp = 2;
    P.Wandart = 2;
    P.WandKopf = 1;
    P.Erddruckart = 1;
    P.KonzFaktor = konzFaktor;
    P.Etap = P.EtaGlobal = P.EtaGl = 1.5f;
    P.MinEah = 0.2f;
    P.PhiCaq = 35.0f;
    P.ProjBez = projBez;
    P.ProjNr = projNr;
    P.PosName = "Verbau";
    P.Datum = "10.12.2026";
    P.GanzerNameOhneExt = P.GanzerName = "/tmp/projekt";
    P.Versionstext = "V.07.05.2012";
    P.DWand = 0.01f;
}

// A soil layer as entered (angles in degrees, kN/m3, kN/m2); the excavation side has the same
// unit weights, the layer a stiffness of 50.
struct Bodenschicht {
    float dicke, phi, gamma, gammaAuftrieb;
    float deltaA = 0.0f, deltaP = 0.0f, ca = 0.0f, cp = 0.0f;
};
inline void Bodenschichten(std::initializer_list<Bodenschicht> schichten) {
    auto& P = zorm1::P;
    int i = 0;
    for (const Bodenschicht& s : schichten) {
        ++i;
        P.SchichtDicke[i] = s.dicke;
        P.SchichtPhi[i] = s.phi;
        P.SchichtDeltaA[i] = s.deltaA;
        P.SchichtDeltaP[i] = s.deltaP;
        P.SchichtCa[i] = s.ca;
        P.SchichtCp[i] = s.cp;
        P.SchichtGamma[i] = P.SchichtGammaAush[i] = s.gamma;
        P.SchichtGammaAuftrieb[i] = P.SchichtGammaAuftriebAush[i] = s.gammaAuftrieb;
        P.SchichtEI[i] = 50.0f;
    }
    P.AnzErd = static_cast<int16_t>(i);
}

// Current-stage values of a simple stage (excavation to zAush, the wall foot 1 cm below, no
// anchors, no redistribution, no water, no berm, no bottom loads), stored into stage s.
inline void Stufe(int16_t s, float zAush, int16_t wandfuss = 1) {
    auto& P = zorm1::P;
    P.Wandfuss = wandfuss;
    P.zAush = zAush;
    P.ZWandfuss = zAush + 0.01f;
    P.AnzAnker = 0;
    P.UmFigur = 0;
    P.UmZ1 = P.UmZ2 = P.EpsUml = 0.0f;
    for (auto& z : P.ZAnker)
        z = 0.0f;
    P.ZNextAnker = 99.0f;
    P.ZWasserLuft = 99.0f;
    P.ZWasserErd = 99.0f;
    P.EFaktor = 1.0f;
    P.StBx1 = P.StBx2 = P.StBH = 0.0f;
    P.Einsp = 0.0f;
    P.AnzSohlLast = 0;
    P.AnzZusatzSpannung = 0;
    P.AnzErddruckFaktor = 0;
    zormcom::AushubSpeichern(s);
}

// Earth-side area load j of load case lc (kN/m2 from xA to xE m behind the wall at the level z,
// horizontal part ph, permanent share in %); the load case counts it.
inline void Flaechenlast(int lc, int j, float pv, float xA, float xE, float z = 0.0f, float ph = 0.0f,
                         float dauer = 0.0f) {
    auto& P = zorm1::P;
    if (P.AnzLastErdLF[lc] < j) P.AnzLastErdLF[lc] = static_cast<int16_t>(j);
    P.ErdLastPv(lc, j) = pv;
    P.ErdLastPh(lc, j) = ph;
    P.ErdLastXA(lc, j) = xA;
    P.ErdLastXE(lc, j) = xE;
    P.ErdLastZ(lc, j) = z;
    P.ErdLastDauer(lc, j) = dauer;
    P.ErdLastRuheFaktor(lc, j) = 1.0f;
}

} // namespace zortest
