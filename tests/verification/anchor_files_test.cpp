// Anchor bookkeeping per support level and its working files.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "statics/state.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/anchor_files.h"
#include "verification/state.h"

namespace {

using zorm1::P;
using zormd::AB;
using zormd::N;

class AnchorFiles : public ::testing::Test {
protected:
    void SetUp() override {
        P = zorm1::ProjectData{};
        P.GradZuRad = 3.141593f / 180.0f;
        zormc::St.gamMittel = 1.0f;
        zormd::NachweisZustandZuruecksetzen();
        zormd::AnkerbuchZuruecksetzen();
        // An anchor at 1.5 m (20 deg, 8..20 m) and a strut at 4 m.
        std::ofstream("ZORGLFR") << "1.5,2\r\n1.5,20,8,20\r\n4,0,0,0\r\n";
    }
    zortest::WorkingFolder ordner;
};

TEST_F(AnchorFiles, LevelsFromTheInputEvaluation) {
    zormd::GlfrDateiLesen();
    EXPECT_FLOAT_EQ(P.EtaGl, 1.5f);
    EXPECT_EQ(P.AnzAnkerGesamt, 2);
    EXPECT_FLOAT_EQ(P.ZAuflager[1], 1.5f);
    EXPECT_NEAR(AB.AnkerNeigungRad[1], 0.349066, 1e-5);
    EXPECT_FLOAT_EQ(AB.AnkerLmaxD[1], 20.0f);
    EXPECT_FLOAT_EQ(AB.AnkerLmaxD[2], 0.0f);
}

TEST_F(AnchorFiles, MoreThanThirteenLevelsAbandonTheCalculation) {
    std::ofstream("ZORGLFR") << "1.5,14\r\n";
    EXPECT_THROW(zormd::GlfrDateiLesen(), zor::CalcAbort);
    // The working file of the run: its count in the head line, after the safety.
    std::ofstream("ZORGLF.") << "1.5,14,0,0\r\n";
    try {
        zormd::GlfLesen();
        ADD_FAILURE() << "no abandon";
    } catch (const zor::CalcAbort& e) {
        EXPECT_NE(std::string(e.what()).find("ZORGLF."), std::string::npos);
    }
    EXPECT_EQ(vb::FreeFile(), 1); // the file is closed before the message
}

TEST_F(AnchorFiles, MaximaOverStagesAndLoadCasesTravelThroughTheWorkingFile) {
    // Load case 1: forces 100 then 80 at the anchor, -5 then 30 at the strut.
    const float kraefte[3][2] = {{100.0f, -5.0f}, {80.0f, 30.0f}, {120.0f, 10.0f}};
    const int16_t stufe[3][2] = {{1, 1}, {1, 2}, {2, 1}}; // (load case, stage)
    for (int s = 0; s < 3; ++s) {
        P.LFNr = stufe[s][0];
        P.AushNr = stufe[s][1];
        N.AnkerAh[1] = kraefte[s][0];
        N.AnkerAh[2] = kraefte[s][1];
        zormd::AnkerbuchVorher();
        if (s == 0) {
            EXPECT_FLOAT_EQ(AB.AnkerKraftMax[2], -5.0f); // a negative force still raises -9999
        }
        N.AnzAnkerGlf = 1;
        N.GlfAnkerZ[1] = 1.5f;
        N.AnkerLaenge[1] = s == 1 ? 9.5f : 8.0f;
        zormd::AnkerbuchNachher();
    }
    // Load case 2 starts afresh per load case but keeps the run's maxima.
    EXPECT_FLOAT_EQ(AB.AnkerKraftMax[1], 120.0f);
    EXPECT_FLOAT_EQ(AB.AnkerAhMax[1], 120.0f);
    EXPECT_EQ(AB.AnkerMaxLF[1], 2);
    EXPECT_FLOAT_EQ(AB.AnkerAhMax[2], 30.0f);
    EXPECT_FLOAT_EQ(AB.AnkerGlfWert[1], 8.0f);
    EXPECT_FLOAT_EQ(AB.AnkerLaengeBem[1], 9.5f);
    // Force along the anchor: 120 / cos 20 deg.
    zormd::GlfLesen();
    EXPECT_NEAR(N.AnkerKraft[1], 120.0 / std::cos(20.0 * std::acos(-1.0) / 180.0), 0.01);
    EXPECT_NEAR(AB.AnkerKraftAktiv[1], N.AnkerKraft[1], 1e-4);
    // The file equals memory after the write.
    const auto z = zortest::Zeilen(ordner / "ZORGLF.");
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[2], "4,0,0,0,0,10,30,0"); // the strut of load case 2: 10 in it, 30 over the run
}

TEST_F(AnchorFiles, AtRestShareLeavesTheActiveForceAlone) {
    zormd::GlfrDateiLesen();
    AB.AnkerAhMax[1] = 50.0f;
    AB.AnkerKraftAktiv[1] = 7.0f;
    P.RuheProz = 25.0f;
    zormd::GlfSchreiben();
    zormd::GlfLesen();
    EXPECT_FLOAT_EQ(AB.AnkerKraftAktiv[1], 7.0f);
    EXPECT_GT(N.AnkerKraft[1], 50.0f);
}

} // namespace
