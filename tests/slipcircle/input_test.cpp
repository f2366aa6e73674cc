// Reading the hand-over files: the governing stage, the anchors and struts of a load case, and damaged
// files, which must stop the calculation with the file's name before anything is written.
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "handover_files.h"
#include "platform/runtime/errors.h"
#include "slipcircle/input.h"
#include "slipcircle/state.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using Zormg::D;
using Zormg::Z;

class Eingabe : public ::testing::Test {
protected:
    void SetUp() override {
        zor::meldeprotokoll::Zuruecksetzen();
        ResetProjectData();
        Anzeigen::ResetH504();
        Zormg::ZustandZuruecksetzen();
        P.GradZuRad = 3.141593f / 180.0f;
        Zormg::FelderDimensionieren();
    }
    void TearDown() override {
        ResetProjectData();
        Anzeigen::ResetH504();
    }
    zortest::WorkingFolder dir_;
};

struct Stufenfall {
    std::vector<float> aushub;
    int lastfaelle;
    int16_t massgebend;
};

class MassgebendeStufe : public Eingabe, public ::testing::WithParamInterface<Stufenfall> {};

TEST_P(MassgebendeStufe, IsTheLastStageDeeperThanTheBlockBeforeIt) {
    const Stufenfall f = GetParam();
    slipfiles::Projekt(f.aushub, f.lastfaelle);
    slipfiles::GL1();
    slipfiles::GL2();
    ResetProjectData();
    Zormg::GLDatenLesen(0);
    EXPECT_EQ(D().GkAushub, f.massgebend);
    EXPECT_EQ(D().GlAnzLF, f.lastfaelle);
    EXPECT_EQ(D().GlAnzAush, static_cast<int16_t>(f.aushub.size()));
    EXPECT_EQ(D().FestPunkt, 99);
    EXPECT_FLOAT_EQ(D().GkFussZ, 9.0f);
    EXPECT_FLOAT_EQ(D().GkDWand, 0.5f);
    EXPECT_FLOAT_EQ(D().GkGamWand, 24.0f);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, MassgebendeStufe,
                         ::testing::Values(Stufenfall{{3, 5, 7}, 2, 3},    // deepening: the last stage
                                           Stufenfall{{3, 7, 5, 6}, 1, 4}, // not the deepest stage 2
                                           Stufenfall{{3, 7, 5, 6}, 2, 4}, // compared across load cases
                                           Stufenfall{{4, 4}, 1, 1}));     // equal level: the earlier one

TEST_F(Eingabe, LoadCaseTakesItsAnchorsAndStrutsSortedAndInAnchorDirection) {
    slipfiles::Projekt({3, 5, 7}, 2);
    P.AnzAnkerGesamt = 2;
    P.ZAuflager[1] = 2.5f;
    P.ZAuflager[2] = 4.0f;
    P.AnkerNeigungGrad[1] = 30;
    P.AnkerNeigungGrad[2] = 20;
    P.AnkerLaengen = 1; // the copy holds the length ranges of the supports
    P.AnkerLmin[1] = P.AnkerLmin[2] = 4;
    P.AnkerLmax[1] = P.AnkerLmax[2] = 12;
    slipfiles::GL1();
    std::string gl2;
    for (int lc = 1; lc <= 2; ++lc)
        for (int s = 1; s <= 3; ++s) {
            const float f = 100.0f * lc + s; // every block its own forces
            gl2 += slipfiles::Block(lc, s, 2, 3, P.Aushubstufen[static_cast<size_t>(s)].zAush, 9,
                                    {{4.0f, 8, f + 50}, {2.5f, 6, f}}, {{1.0f, f + 7}});
        }
    vb::WriteFileBytes("wexasave.gl2", gl2);
    Zormg::GLDatenLesen(0);
    ASSERT_EQ(D().GkAushub, 3);
    D().GkAushub = 2;
    D().Lastfall = 2;
    Zormg::GLDatenLesen(1);

    const auto& z = Z();
    ASSERT_EQ(D().AnzGkAnker, 3);
    // Sorted by level: the strut at 1.0, the anchors at 2.5 and 4.0 with their values moved along.
    EXPECT_FLOAT_EQ(z.GkAnkerZ[1], 1.0f);
    EXPECT_FLOAT_EQ(z.GkAnkerKraft[1], 209.0f);
    EXPECT_FLOAT_EQ(z.GkAnkerLaenge[1], 0.0f);
    EXPECT_FLOAT_EQ(z.GkAnkerNeigung[1], 0.0f);
    EXPECT_FLOAT_EQ(z.GkAnkerZ[2], 2.5f);
    EXPECT_NEAR(z.GkAnkerKraft[2], 202.0f / std::cos(30.0 * 3.14159265 / 180.0), 0.01);
    EXPECT_FLOAT_EQ(z.GkAnkerLaenge[2], 6.0f);
    EXPECT_FLOAT_EQ(z.GkAnkerNeigung[2], 30.0f);
    EXPECT_FLOAT_EQ(z.GkAnkerZ[3], 4.0f);
    EXPECT_NEAR(z.GkAnkerKraft[3], 252.0f / std::cos(20.0 * 3.14159265 / 180.0), 0.01);
    EXPECT_FLOAT_EQ(z.GkAnkerLaenge[3], 8.0f);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FLOAT_EQ(z.GkAnkerX[i], -0.5f);
    EXPECT_EQ(P.LFNr, 2);
    EXPECT_EQ(P.AushNr, 2);
}

TEST_F(Eingabe, AnchorOf100kNAt30DegreesAndTheAnchorBlockForce) {
    slipfiles::Projekt({3}, 1);
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 2.5f;
    P.AnkerNeigungGrad[1] = 30;
    slipfiles::GL1();
    const std::string block = slipfiles::Block(1, 1, 1, 1, 3, 9, {{2.5f, 6, 100}});
    vb::WriteFileBytes("wexasave.gl2", block);
    D().Lastfall = 1;
    Zormg::GLDatenLesen(0);
    Zormg::GLDatenLesen(1);
    EXPECT_NEAR(Z().GkAnkerKraft[1], 115.47f, 0.01f);

    // The characteristic force of the anchor block at exactly that level replaces it.
    vb::WriteFileBytes("wexasave.gl2", block + slipfiles::AnkerBlock({{2.0f, 50}, {2.5f, 130.5f}}));
    Zormg::GLDatenLesen(0);
    Zormg::GLDatenLesen(1);
    EXPECT_FLOAT_EQ(Z().GkAnkerKraft[1], 130.5f);
}

TEST_F(Eingabe, WallBodyComesFromEveryProjectCopy) {
    slipfiles::Projekt({3}, 1);
    slipfiles::GL1();
    slipfiles::GL2();
    Zormg::GLDatenLesen(0);
    EXPECT_FLOAT_EQ(D().GkDWand, 0.5f);
    P.DWand = 0.8f;
    P.GamWand = 20;
    slipfiles::GL1();
    Zormg::GLDatenLesen(0);
    EXPECT_FLOAT_EQ(D().GkDWand, 0.8f);
    EXPECT_FLOAT_EQ(D().GkGamWand, 20.0f);
}

struct Schaden {
    const char* name;
    const char* datei; // the file the message must name
    std::function<void()> machen;
};

class BeschaedigteDatei : public Eingabe, public ::testing::WithParamInterface<Schaden> {};

TEST_P(BeschaedigteDatei, AbandonsWithAMessageNamingTheFile) {
    slipfiles::Projekt({3, 5}, 2);
    slipfiles::GL1();
    slipfiles::GL2();
    GetParam().machen();
    try {
        Zormg::GLDatenLesen(0);
        FAIL() << "read without complaint";
    } catch (const zor::CalcAbort& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().datei), std::string::npos) << e.what();
    }
}

std::string Ohne(const std::string& t, std::size_t weg) {
    return t.substr(0, t.size() - weg);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BeschaedigteDatei,
    ::testing::Values(
        Schaden{"GL1Missing", "wexasave.GL1", [] { std::remove("wexasave.GL1"); }},
        Schaden{"GL1Short", "wexasave.GL1",
                [] { vb::WriteFileBytes("wexasave.GL1", vb::ReadFileBytes("wexasave.GL1").substr(0, 400)); }},
        Schaden{"GL2Missing", "wexasave.GL2", [] { std::remove("wexasave.gl2"); }},
        Schaden{"GL2Short", "wexasave.GL2",
                [] { vb::WriteFileBytes("wexasave.gl2", Ohne(vb::ReadFileBytes("wexasave.gl2"), 30)); }},
        Schaden{"GL2Disordered", "wexasave.GL2",
                [] {
                    std::string t;
                    t += slipfiles::Block(1, 2, 2, 2, 5, 9);
                    t += slipfiles::Block(1, 1, 2, 2, 3, 9);
                    t += slipfiles::Block(2, 1, 2, 2, 3, 9);
                    t += slipfiles::Block(2, 2, 2, 2, 5, 9);
                    vb::WriteFileBytes("wexasave.gl2", t);
                }},
        Schaden{"TooManyLoadCases", "wexasave.GL1",
                [] {
                    // Load-case count 9 in the copy (statement 10 follows the stage table).
                    std::string t = vb::ReadFileBytes("wexasave.GL1");
                    const std::string alt = "\r\n2\r\n0,0\r\n";
                    const auto pos = t.find(alt);
                    ASSERT_NE(pos, std::string::npos);
                    t.replace(pos, alt.size(), "\r\n9\r\n0,0\r\n");
                    vb::WriteFileBytes("wexasave.GL1", t);
                }}),
    [](const ::testing::TestParamInfo<Schaden>& i) { return std::string(i.param.name); });

TEST(PunktSuchen, FirstIndexOfANumberOrZero) {
    Zormg::ZustandZuruecksetzen();
    int16_t index = -1;
    Zormg::PunktSuchen(5, index);
    EXPECT_EQ(index, 0); // no points yet
    Zormg::FelderDimensionieren();
    auto& z = Z();
    z.AnzPunkte = 3;
    z.PunktNummer[1] = 7;
    z.PunktNummer[2] = 5;
    z.PunktNummer[3] = 5;
    Zormg::PunktSuchen(5, index);
    EXPECT_EQ(index, 2);
    Zormg::PunktSuchen(8, index);
    EXPECT_EQ(index, 0);
}

} // namespace
