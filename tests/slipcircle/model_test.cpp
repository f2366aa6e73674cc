// The point-and-line model of the governing stage: line texts of layers, slopes and a sloped bottom,
// layer values, loads of the load case.
#include <string>

#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "slipcircle/input.h"
#include "slipcircle/model.h"
#include "slipcircle/state.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using Zormg::D;
using Zormg::Z;

// Two soil layers of 3 and 5 m, no slopes, a flat bottom at 4 m, the wall 0.6 m thick with its foot at
// fussZ; one load case, stage 1 governing.
void Grundmodell(float fussZ) {
    ResetProjectData();
    Zormg::ZustandZuruecksetzen();
    Zormg::FelderDimensionieren();
    auto& d = D();
    d.GlAnzErd = 2;
    for (auto* v :
         {&d.GlSchichtDicke, &d.GlSchichtPhi, &d.GlSchichtC, &d.GlSchichtGamma, &d.GlSchichtGammaAuftrieb})
        v->assign(3, 0.0f);
    d.GlSchichtDicke = {0, 3, 5};
    d.GlSchichtPhi = {0, 30, 25};
    d.GlSchichtC = {0, 0, 10};
    d.GlSchichtGamma = {0, 18, 19};
    d.GlSchichtGammaAuftrieb = {0, 10, 11};
    d.GlAnzAush = 1;
    d.GlAushub[1].zAush = 4;
    d.GlAushub[1].ZWasserLuft = 5;
    d.GlZWasserErd[1] = 2;
    d.GkAushub = 1;
    d.Lastfall = 1;
    d.GlAnzLF = 1;
    d.GkFussZ = fussZ;
    d.GkDWand = 0.6f;
    d.GkGamWand = 25;
    d.GkGamWandAuftrieb = 15;
    d.GkPhiWand = 45;
    d.GkCWand = 999;
}

void PunktIst(int nummer, float x, float z) {
    int16_t i = 0;
    Zormg::PunktSuchen(static_cast<int16_t>(nummer), i);
    ASSERT_GT(i, 0) << "point " << nummer;
    EXPECT_FLOAT_EQ(Z().PunktX[i], x) << "point " << nummer;
    EXPECT_FLOAT_EQ(Z().PunktZ[i], z) << "point " << nummer;
}

TEST(SystemAufbauen, LayersWallAndWaterOfTwoLayers) {
    Grundmodell(9);
    Zormg::SystemAufbauen();
    const auto& z = Z();
    EXPECT_EQ(z.AnzLinien, 3);
    EXPECT_EQ(z.LinienText[0], "51 52 53 54");
    EXPECT_EQ(z.LinienText[1], "61 62 2 3 4");
    EXPECT_EQ(z.LinienText[2], "1 2 98 99 3 4");
    EXPECT_EQ(z.LinienText[3], "5 6 98 99 7 8");
    // Layer 1 is the wall, layers 2 and 3 the soil layers 1 and 2.
    EXPECT_FLOAT_EQ(z.GkSchichtGamma[1], 25);
    EXPECT_FLOAT_EQ(z.GkSchichtC[1], 999);
    EXPECT_FLOAT_EQ(z.GkSchichtPhi[2], 30);
    EXPECT_FLOAT_EQ(z.GkSchichtGamma[3], 19);
    EXPECT_FLOAT_EQ(z.GkSchichtGammaAuftrieb[3], 11);
    EXPECT_FLOAT_EQ(z.GkSchichtC[3], 10);
    PunktIst(6, -0.6f, 3);
    PunktIst(51, -99, 5);
    PunktIst(54, 99, 2);
    PunktIst(61, -99, 4);
    PunktIst(62, -0.6f, 4);
    PunktIst(98, -0.6f, 9);
    PunktIst(99, 0, 9);
    // The default centre field and run-out angles.
    const auto& d = D();
    EXPECT_FLOAT_EQ(d.FeldXAnfang, -6);
    EXPECT_FLOAT_EQ(d.FeldZEnde, 0);
    EXPECT_EQ(d.FeldTeileX, 15);
    EXPECT_EQ(d.FeldVerschieben, 1);
    EXPECT_FLOAT_EQ(d.AuslaufwinkelLuft, 30);
    EXPECT_FLOAT_EQ(d.AuslaufwinkelErde, 85);
}

TEST(SystemAufbauen, LayerTopBelowTheWallFootDoesNotDetour) {
    Grundmodell(2.5f);
    Zormg::SystemAufbauen();
    EXPECT_EQ(Z().LinienText[2], "1 2 98 99 3 4");
    EXPECT_EQ(Z().LinienText[3], "5 6 7 8");
}

TEST(SystemAufbauen, LayerTopsStopAt99) {
    Grundmodell(9);
    D().GlAnzErd = 2;
    D().GlSchichtDicke = {0, 120, 5};
    Zormg::SystemAufbauen();
    PunktIst(5, -99, 99);
    PunktIst(8, 99, 99);
}

TEST(SystemAufbauen, SlopesAndASlopedBottom) {
    Grundmodell(9);
    auto& d = D();
    d.GlAnzBoesch = 2;
    d.GlBoeschX1 = {0, 1, 6};
    d.GlBoeschX2 = {0, 4, 10};
    d.GlBoeschZ1 = {0, 0, -1.5f};
    d.GlBoeschZ2 = {0, -1.5f, -3};
    d.GlBoeschGamma = {0, 19, 20};
    d.GlBoeschPhi = {0, 32, 33};
    d.GlAushub[1].StBH = 1.5f; // sloped bottom 1.5 m high
    d.GlAushub[1].StBx1 = -1;
    d.GlAushub[1].StBx2 = -3;
    Zormg::SystemAufbauen();
    const auto& z = Z();
    EXPECT_EQ(z.AnzLinien, 5);
    EXPECT_EQ(z.LinienText[1], "63 64 65 62 2 3 71 72 73 74 202");
    EXPECT_EQ(z.LinienText[2], "1 2 98 99 3 71 72 73 74 202");
    EXPECT_EQ(z.LinienText[3], "1 2 98 99 3 71 72 201");
    EXPECT_EQ(z.LinienText[4], "1 2 98 99 3 4");
    EXPECT_EQ(z.LinienText[5], "5 6 98 99 7 8");
    // Layer 2 is the far slope, layer 3 the near one, each with gamma - 10 under water and no cohesion.
    EXPECT_FLOAT_EQ(z.GkSchichtGamma[2], 20);
    EXPECT_FLOAT_EQ(z.GkSchichtGammaAuftrieb[2], 10);
    EXPECT_FLOAT_EQ(z.GkSchichtPhi[3], 32);
    EXPECT_FLOAT_EQ(z.GkSchichtPhi[4], 30);
    PunktIst(63, -99, 5.5f);
    PunktIst(64, -3.6f, 5.5f);
    PunktIst(65, -1.6f, 4);
    PunktIst(202, 99, -3);
    EXPECT_FLOAT_EQ(P.StBH, 1.5f);
}

TEST(SystemAufbauen, LoadsOfTheLoadCase) {
    Grundmodell(9);
    auto& d = D();
    d.GlAnzLastErd[1] = 2;
    // Load 1 does not act in stage 1; load 2 is unlimited to the right.
    d.GlErdLastPv(1, 1) = 5;
    d.GlErdLastNichtIn(1, 1, 0) = 1;
    d.GlErdLastNichtIn(1, 1, 1) = 1;
    d.GlErdLastPv(1, 2) = 10;
    d.GlErdLastPh(1, 2) = 2;
    d.GlErdLastXA(1, 2) = 1;
    d.GlErdLastXE(1, 2) = 999;
    d.GlErdLastZ(1, 2) = 0;
    d.GlErdLastDauer(1, 2) = 62.5f;
    d.GlAnzLastLuft[1] = 1;
    d.GlLuftLastH(1, 1) = 20;
    d.GlLuftLastZ(1, 1) = 1.5f;
    d.GlAushub[1].AnzSohlLast = 1; // one bottom load
    d.GlAushub[1].SohlLastX1[1] = -2;
    d.GlAushub[1].SohlLastX2[1] = -5;
    d.GlAushub[1].SohlLastQ[1] = 15;
    d.GlAushub[1].SohlLastZ[1] = 4;
    Zormg::SystemAufbauen();
    const auto& z = Z();
    ASSERT_EQ(d.AnzGkLasten, 3);
    EXPECT_EQ(z.LastPunkt1[1], 301);
    EXPECT_EQ(z.LastPunkt2[1], 302);
    PunktIst(301, 1, 0);
    PunktIst(302, 99, 0);
    EXPECT_FLOAT_EQ(z.VLastA[1], 10);
    EXPECT_FLOAT_EQ(z.HLastE[1], -2);
    EXPECT_EQ(z.LastStaendig[1], 62); // halves to even
    // The wall load: 20 kN/m at 1.5 m on the excavation face, 0.2 m high.
    PunktIst(303, -0.6f, 1.5f);
    PunktIst(304, -0.6f, 1.7f);
    EXPECT_FLOAT_EQ(z.HLastA[2], 100);
    EXPECT_FLOAT_EQ(z.VLastA[2], 0);
    EXPECT_EQ(z.LastStaendig[2], 0);
    // The bottom load from x2 to x1 as stored, permanent.
    PunktIst(305, -5, 4);
    PunktIst(306, -2, 4);
    EXPECT_FLOAT_EQ(z.VLastE[3], 15);
    EXPECT_EQ(z.LastStaendig[3], 100);
    EXPECT_EQ(P.AnzSohlLast, 1);
}

TEST(SystemAufbauen, ModelBeyondItsLinesIsRefused) {
    Grundmodell(9);
    auto& d = D();
    d.GlAnzBoesch = 8;
    for (auto* v :
         {&d.GlBoeschX1, &d.GlBoeschX2, &d.GlBoeschZ1, &d.GlBoeschZ2, &d.GlBoeschGamma, &d.GlBoeschPhi})
        v->assign(9, 1.0f);
    d.GlAnzErd = 12;
    d.GlSchichtDicke.assign(13, 1.0f);
    for (auto* v : {&d.GlSchichtPhi, &d.GlSchichtC, &d.GlSchichtGamma, &d.GlSchichtGammaAuftrieb})
        v->assign(13, 1.0f);
    EXPECT_THROW(Zormg::SystemAufbauen(), zor::CalcAbort);
}

} // namespace
