#pragma once
// A large project for the tests of whole runs and for the benchmarks: the anchored soldier pile wall of
// the examples, read from its project file and then grown through the project data to the most a
// project holds in each direction that costs time: 12 soil layers, 8 earth-side slopes, 7 support
// levels, 15 excavation stages and 8 load cases; every stage has a sloped bottom and two bottom loads,
// so that the passive pressure is searched by trial slip planes in every pass. The values are plain
// and regular (no randomness), so the project is the same on every call.
// Its second form (GrossesProjektMitGrundwasser) stands in ground water: the strutted diaphragm wall of the
// examples grown alike, with the water 1.5 m below the head behind the wall (on a layer boundary) and
// lowered to 0.5 m below the bottom in front of it (2 m at least) in every stage, under seepage and with
// the heave check.
#include <algorithm>
#include <string>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/stage_table.h"

namespace zortest {

inline constexpr int kGrossSchichten = 12, kGrossBoeschungen = 8, kGrossAuflager = 7, kGrossStufen = 15,
                     kGrossLastfaelle = 8;

// Reads `beispiel` (the anchored soldier pile wall of tests/data) into the project data and grows it as
// above. False when the file cannot be read. GradZuRad, the version text and the safety factors of the
// run are the caller's.
inline bool GrossesProjekt(const std::string& beispiel, bool grundwasser = false) {
    auto& P = zorm1::P;
    if (!zorm1::EingabeLesen(beispiel)) return false;
    if (grundwasser) P.kzStroemEin = P.kzHydGrBrEin = 1;

    // Soil layers 1.5 m thick down to 16.5 m, the last one reaching further; sand and gravel with
    // friction angles 27.5..35 degrees, every third layer with some cohesion.
    P.AnzErd = kGrossSchichten;
    for (int i = 1; i <= kGrossSchichten; ++i) {
        const float phi = 27.5f + 2.5f * static_cast<float>(i % 4);
        P.SchichtDicke[i] = i == kGrossSchichten ? 10.0f : 1.5f;
        P.SchichtPhi[i] = phi;
        P.SchichtDeltaA[i] = phi * 2.0f / 3.0f;
        P.SchichtDeltaP[i] = -phi / 2.0f;
        P.SchichtCa[i] = P.SchichtCp[i] = i % 3 == 0 ? 5.0f : 0.0f;
        P.SchichtGamma[i] = P.SchichtGammaAush[i] = 18.0f + 0.25f * static_cast<float>(i % 5);
        P.SchichtGammaAuftrieb[i] = P.SchichtGammaAuftriebAush[i] = 10.0f + 0.25f * static_cast<float>(i % 3);
        P.SchichtEI[i] = 26.43f;
    }

    // Earth-side slopes: a flight of terraces rising 0.25 m over each 2 m from 1 m behind the wall.
    P.AnzBoesch = kGrossBoeschungen;
    for (int k = 1; k <= kGrossBoeschungen; ++k) {
        const float x = 1.0f + 3.0f * static_cast<float>(k - 1);
        P.BoeschX1[k] = x;
        P.BoeschX2[k] = x + 2.0f;
        P.BoeschZ1[k] = -0.25f * static_cast<float>(k - 1);
        P.BoeschZ2[k] = -0.25f * static_cast<float>(k);
        P.BoeschGamma[k] = 18.0f;
        P.BoeschPhi[k] = 30.0f;
    }

    // Support levels every 1.6 m from 1.2 m; all anchored at 15 degrees, 8 to 20 m long.
    P.AnzAnkerGesamt = kGrossAuflager;
    for (int a = 1; a <= 20; ++a)
        P.ZAuflager[a] = a <= kGrossAuflager ? 1.2f + 1.6f * static_cast<float>(a - 1) : 0.0f;
    for (int a = 1; a <= kGrossAuflager; ++a) {
        P.AnkerNeigungGrad[a] = 15.0f;
        P.AnkerLmin[a] = 8.0f;
        P.AnkerLmax[a] = 20.0f;
    }

    // Stages every 0.75 m down to 11.75 m, each 0.5 m below the support level it makes room for; a
    // bottom slope from 1 m to 3 m in front of the wall, 0.5 m high, and two bottom loads beyond it.
    P.AnzAush = kGrossStufen;
    for (int s = 1; s <= kGrossStufen; ++s) {
        P.zAush = 1.25f + 0.75f * static_cast<float>(s - 1);
        P.AnzAnker = 0;
        for (auto& z : P.ZAnker)
            z = 0.0f;
        P.ZNextAnker = 99.0f;
        for (int a = 1; a <= kGrossAuflager; ++a) {
            if (P.ZAuflager[a] + 0.5f <= P.zAush) {
                ++P.AnzAnker;
                P.ZAnker[P.AnzAnker] = P.ZAuflager[a];
            } else if (P.ZNextAnker == 99.0f) {
                P.ZNextAnker = P.ZAuflager[a];
            }
        }
        // Anchored stages stand on a free earth support below the bottom; the cantilever of the first
        // stage is fixed after Blum, searched from the excavation level (a free foot would be a mechanism).
        P.Wandfuss = P.AnzAnker == 0 ? 4 : 1;
        P.ZWandfuss = P.AnzAnker == 0 ? P.zAush : P.zAush + 0.01f;
        P.UmFigur = 0;
        P.UmZ1 = P.UmZ2 = P.EpsUml = 0.0f;
        P.ZWasserLuft = grundwasser ? std::max(P.zAush + 0.5f, 2.0f) : 99.0f;
        P.ZWasserErd = grundwasser ? 1.5f : 99.0f;
        P.EFaktor = 1.0f;
        P.StBx1 = -1.0f;
        P.StBx2 = -3.0f;
        P.StBH = 0.5f;
        P.Einsp = 0.0f;
        P.AnzSohlLast = 2;
        P.SohlLastX1[1] = -3.5f;
        P.SohlLastX2[1] = -6.0f;
        P.SohlLastQ[1] = 10.0f + static_cast<float>(s);
        P.SohlLastZ[1] = P.zAush - 0.5f;
        P.SohlLastX1[2] = -7.0f;
        P.SohlLastX2[2] = -15.0f;
        P.SohlLastQ[2] = 20.0f;
        P.SohlLastZ[2] = P.zAush - 0.5f;
        P.AnzZusatzSpannung = 0;
        P.AnzErddruckFaktor = 0;
        zormcom::AushubSpeichern(static_cast<int16_t>(s));
    }

    // Load cases: the example's first load case, its area loads growing from one case to the next and
    // a second strip load behind the slopes.
    P.AnzLF = kGrossLastfaelle;
    for (int lc = 1; lc <= kGrossLastfaelle; ++lc) {
        const float f = 1.0f + 0.125f * static_cast<float>(lc - 1);
        P.AnzLastLuftLF[lc] = P.AnzLastLuftLF[1];
        for (int j = 1; j <= P.AnzLastLuftLF[1]; ++j) {
            P.LuftLastH(lc, j) = P.LuftLastH(1, j) * f;
            P.LuftLastM(lc, j) = P.LuftLastM(1, j);
            P.LuftLastZ(lc, j) = P.LuftLastZ(1, j);
        }
        P.AnzLastErdLF[lc] = 2;
        P.ErdLastPv(lc, 1) = 10.0f * f;
        P.ErdLastPh(lc, 1) = 0.0f;
        P.ErdLastXA(lc, 1) = 0.0f;
        P.ErdLastXE(lc, 1) = 999.0f;
        P.ErdLastZ(lc, 1) = 0.0f;
        P.ErdLastDauer(lc, 1) = 50.0f;
        P.ErdLastRuheFaktor(lc, 1) = 1.0f;
        P.ErdLastPv(lc, 2) = 40.0f + 5.0f * static_cast<float>(lc);
        P.ErdLastPh(lc, 2) = 0.0f;
        P.ErdLastXA(lc, 2) = 26.0f;
        P.ErdLastXE(lc, 2) = 29.0f;
        P.ErdLastZ(lc, 2) = -2.0f;
        P.ErdLastDauer(lc, 2) = 0.0f;
        P.ErdLastRuheFaktor(lc, 2) = 1.0f;
        P.NKopfLF[lc] = P.NKopfLF[1];
    }
    return true;
}

// The large project in ground water, grown from `beispiel` (the strutted diaphragm wall of tests/data).
inline bool GrossesProjektMitGrundwasser(const std::string& beispiel) { return GrossesProjekt(beispiel, true); }

} // namespace zortest
