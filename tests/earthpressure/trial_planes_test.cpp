// Passive pressure by trial slip planes: hand calculations after Coulomb for a flat bottom.
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/coefficients.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/stage_b.h"
#include "earthpressure/state.h"
#include "earthpressure/trial_planes.h"
#include "earthpressure/wedge_geometry.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"
#include "tests/support/project_builder.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

namespace fs = std::filesystem;
constexpr float kGrad = 3.141593f / 180.0f;

class TrialPlanes : public ::testing::Test {
protected:
    void SetUp() override {
        zortest::Zuruecksetzen();

        // One layer as entered (degrees), flat bottom 5 m below the wall head, water deep down.
        P.GradZuRad = kGrad;
        P.AnzErd = 1;
        P.SchichtDicke[1] = 40.0f;
        P.SchichtPhi[1] = 30.0f;
        P.SchichtDeltaP[1] = 0.0f;
        P.SchichtCp[1] = 0.0f;
        P.SchichtGammaAush[1] = 18.0f;
        P.SchichtGammaAuftriebAush[1] = 10.0f;
        P.AushNr = 1;
        P.zAush = 5.0f;
        P.ZWasserLuft = 60.0f;
        P.Aushubstufen[1].ZWasserLuft = 60.0f;
        P.EtaAnpass = 1.0f;
    }
    // Index of the depth point zAush + t.
    static int Punkt(float t) {
        const auto z = zormb::GleitTiefen(P.zAush);
        for (int i = 1; i <= zormb::kGleitTiefen; ++i)
            if (std::fabs(z[i] - (P.zAush + t)) < 1e-4f) return i;
        return 0;
    }
    zortest::WorkingFolder dir_;
};

TEST_F(TrialPlanes, DepthListAscendsFromTheExcavationLevelTo99) {
    const auto z = zormb::GleitTiefen(2.0f);
    EXPECT_FLOAT_EQ(z[1], 2.0f);
    EXPECT_FLOAT_EQ(z[2], 2.01f);
    EXPECT_NEAR(z[14], 4.4f, 1e-5f);
    EXPECT_NEAR(z[15], 4.7f, 1e-5f);
    EXPECT_NEAR(z[16], 5.0f, 1e-5f);
    EXPECT_NEAR(z[24], 9.0f, 1e-5f);
    EXPECT_NEAR(z[37], 22.0f, 1e-5f);
    EXPECT_FLOAT_EQ(z[38], 99.0f);
}

TEST_F(TrialPlanes, UniformStepsGiveCentralDifferences) {
    // E = -z^2 on a uniform grid: e = dE/dz = -2 z exactly at the inner points.
    float z[8], E[8], e[8];
    for (int i = 1; i <= 7; ++i) {
        z[i] = static_cast<float>(i - 1);
        E[i] = -z[i] * z[i];
    }
    zormb::OrdinatenAusResultierenden(z, E, 7, e);
    EXPECT_FLOAT_EQ(e[1], 0.0f);
    for (int i = 2; i <= 5; ++i)
        EXPECT_NEAR(e[i], -2.0f * z[i], 1e-4f) << i;
    EXPECT_NEAR(e[6], -10.0f, 1e-3f); // 2 (E6 - E5) / 1 - e5 = 2 (-25 + 16) + 8
}

TEST_F(TrialPlanes, LoadedFlatBottomMatchesCoulomb) {
    // 10 kN/m2 from 50 m out up to the wall: at 2 m below the bottom the governing plane rises at
    // 30 degrees, E = (18 x 2 x 2 / 2 + 10 x 2) x 3 = -168 kN/m, e = (18 x 2 + 10) x 3 = -138 kN/m2.
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -50.0f;
    P.SohlLastX2[1] = 0.0f;
    P.SohlLastQ[1] = 10.0f;
    P.SohlLastZ[1] = P.zAush;
    zormb::ErdwiderstandGleitflaechen();

    const int i = Punkt(2.0f);
    ASSERT_GT(i, 0);
    const auto& R = zormb::GleitErgebnis;
    EXPECT_NEAR(R.E[i], -168.0f, 0.3f);
    EXPECT_NEAR(R.Winkel[i] / kGrad, 30.0f, 0.15f);
    EXPECT_NEAR(zormcom::Lauf.Eph.e[i], -138.0f, 0.5f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.Eph.z[i], P.zAush + 2.0f);
    // The excavation level itself has no wedge.
    EXPECT_FLOAT_EQ(R.E[1], 0.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.Eph.e[1], 0.0f);
    EXPECT_EQ(zormcom::Lauf.Eph.n, 38);
}

TEST_F(TrialPlanes, FlatBottomWithWallFrictionGivesCoulombKpgh) {
    // Without loads the least resistance of straight planes is Coulomb's: e = gamma z Kpgh.
    P.SchichtDeltaP[1] = -10.0f;
    zormb::ErdwiderstandGleitflaechen();
    float beta = 0.0f, ka = 0, kp = 0, kac = 0, kpc = 0;
    zormcom::ErddruckBeiwerte(30.0f * kGrad, 0.0f, beta, 0.0f, -10.0f * kGrad, ka, kp, kac, kpc);
    for (float t : {1.0f, 3.0f, 6.0f}) {
        const int i = Punkt(t);
        ASSERT_GT(i, 0) << t;
        EXPECT_NEAR(zormb::GleitErgebnis.E[i], -0.5f * 18.0f * t * t * kp, 0.002f * 9.0f * t * t * kp) << t;
        EXPECT_NEAR(zormcom::Lauf.Eph.e[i], -18.0f * t * kp, 0.005f * 18.0f * t * kp) << t;
    }
}

TEST_F(TrialPlanes, CohesionOfTheSlipPlaneAfterRankine) {
    // phi 30, c 10, no wall friction: E = gamma t^2 / 2 Kp + 2 c t sqrt(Kp) with Kp = 3 on the
    // plane rising at 45 - phi/2 = 30 degrees; e = gamma t Kp + 2 c sqrt(Kp).
    P.SchichtCp[1] = 10.0f;
    zormb::ErdwiderstandGleitflaechen();
    const float wKp = std::sqrt(3.0f);
    for (float t : {1.0f, 2.0f}) {
        const int i = Punkt(t);
        ASSERT_GT(i, 0) << t;
        EXPECT_NEAR(zormb::GleitErgebnis.E[i], -(9.0f * t * t * 3.0f + 20.0f * t * wKp), 0.3f) << t;
        EXPECT_NEAR(zormb::GleitErgebnis.Winkel[i] / kGrad, 30.0f, 0.15f) << t;
        EXPECT_NEAR(zormcom::Lauf.Eph.e[i], -(54.0f * t + 20.0f * wKp), 0.3f) << t;
    }
}

TEST_F(TrialPlanes, FileHoldsFlagAndThirtyNineRowsStartingWithZeros) {
    P.EtaAnpass = 0.9f;
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = 0.0f; // entered from end to start: turned round
    P.SohlLastX2[1] = -50.0f;
    P.SohlLastQ[1] = 10.0f;
    P.SohlLastZ[1] = P.zAush;
    zormb::ErdwiderstandGleitflaechen();
    EXPECT_FLOAT_EQ(P.SohlLastX1[1], -50.0f);
    EXPECT_FLOAT_EQ(P.SohlLastX2[1], 0.0f);

    const int16_t f = vb::FreeFile();
    vb::Open("ZOREPP.", vb::OpenMode::Input, f);
    int16_t flag = 0, m = 0;
    vb::Input(f, flag, m);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(m, 39);
    EXPECT_EQ(zormb::GleitErgebnis.AnzGleitflaechen, 39);
    float z, e, w, E;
    vb::Input(f, z, e, w, E);
    EXPECT_EQ(z, 0.0f);
    EXPECT_EQ(e, 0.0f);
    EXPECT_EQ(w, 0.0f);
    EXPECT_EQ(E, 0.0f);
    for (int i = 1; i <= 38; ++i) {
        vb::Input(f, z, e, w, E);
        EXPECT_NEAR(z, zormcom::Lauf.Eph.z[i], 1e-4f);
        EXPECT_NEAR(e, 0.9f * zormcom::Lauf.Eph.e[i], 1e-3f * std::fabs(e) + 1e-4f);
        EXPECT_NEAR(E, zormb::GleitErgebnis.E[i], 1e-3f * std::fabs(E) + 1e-4f);
    }
    vb::Close(f);
}

// The same stage in the next load case asks for the same search: it gives the same resultants, angles and
// file and leaves the model as the search left it (the last wedge built), and the load entered from end to
// start is turned round again; other data make a search of their own.
TEST_F(TrialPlanes, ASearchAskedForAgainGivesItsResultsAndModel) {
    struct Stand {
        std::array<float, zormb::kGleitTiefen + 1> E{}, Winkel{}, e{};
        std::vector<float> linien, liste;
        std::string datei;
        bool operator==(const Stand&) const = default;
    };
    auto rechnen = [](float q) {
        P.StBx1 = -1.0f;
        P.StBx2 = -3.0f;
        P.StBH = 1.0f;
        P.AnzSohlLast = 1;
        P.SohlLastX1[1] = -4.0f;
        P.SohlLastX2[1] = -20.0f;
        P.SohlLastQ[1] = q;
        P.SohlLastZ[1] = P.zAush + 1.0f;
        zormb::ErdwiderstandGleitflaechen();
        EXPECT_EQ(P.SohlLastX1[1], -20.0f);
        Stand s;
        s.E = zormb::GleitErgebnis.E;
        s.Winkel = zormb::GleitErgebnis.Winkel;
        for (int i = 1; i <= zormb::kGleitTiefen; ++i)
            s.e[i] = zormcom::Lauf.Eph.e[i];
        const auto& K = zormb::Keil;
        for (int L = 0; L <= K.LetzteGleitLinie + 1; ++L)
            for (int p = 1; p <= K.GleitLinieAnz[L]; ++p) {
                s.linien.push_back(K.GleitLinieX(L, p));
                s.linien.push_back(K.GleitLinieZ(L, p));
            }
        s.liste = K.GleitListe1;
        s.datei = vb::ReadFileBytes("ZOREPP.");
        return s;
    };
    const Stand erste = rechnen(15.0f);
    const Stand andere = rechnen(30.0f);
    EXPECT_NE(andere.E, erste.E);
    EXPECT_EQ(zormb::Keil.Suchen.size(), 2u);
    const Stand wieder = rechnen(15.0f);
    EXPECT_EQ(zormb::Keil.Suchen.size(), 2u) << "no third search";
    EXPECT_TRUE(wieder == erste);
    zormb::KeilZuruecksetzen();
    EXPECT_TRUE(rechnen(15.0f) == erste) << "a search made afresh";
}

// A seepage pass changes the unit weights only: the search takes the wedges of the geometry from their kept
// shapes, builds none again, and gives what Coulomb gives for the new weight (phi = 30, delta = 0: Kp = 3;
// 2 m below the bottom E = 10 x 2 x 2 / 2 x 3 = -60 kN/m for 10 kN/m3) and, on a sloped and loaded bottom,
// bit for bit what a search afresh gives. A run without seepage keeps no shapes.
TEST_F(TrialPlanes, OtherUnitWeightsTakeTheKeptWedgeShapes) {
    zormb::ErdwiderstandGleitflaechen();
    EXPECT_TRUE(zormb::Keil.Geometrien.empty()) << "no seepage";
    zormb::KeilZuruecksetzen();
    zormcom::Lauf.kzStroem = 1;
    zormb::ErdwiderstandGleitflaechen();
    ASSERT_EQ(zormb::Keil.Geometrien.size(), 1u);
    const std::size_t keile = zormb::Keil.Geometrien[0].keile.size();
    ASSERT_GT(keile, 100u);
    const int i = Punkt(2.0f);
    ASSERT_GT(i, 0);
    EXPECT_NEAR(zormb::GleitErgebnis.E[i], -108.0f, 0.2f);

    P.SchichtGammaAush[1] = 10.0f;
    zormb::ErdwiderstandGleitflaechen();
    EXPECT_EQ(zormb::Keil.Suchen.size(), 2u);
    ASSERT_EQ(zormb::Keil.Geometrien.size(), 1u);
    EXPECT_EQ(zormb::Keil.Geometrien[0].keile.size(), keile) << "no wedge built again";
    EXPECT_NEAR(zormb::GleitErgebnis.E[i], -60.0f, 0.1f);

    // Sloped bottom with a load: 18, then 11 kN/m3 with the shapes, against 11 kN/m3 afresh.
    P.SchichtGammaAush[1] = 18.0f;
    P.StBx1 = -1.0f;
    P.StBx2 = -3.0f;
    P.StBH = 1.0f;
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -4.0f;
    P.SohlLastX2[1] = -20.0f;
    P.SohlLastQ[1] = 15.0f;
    P.SohlLastZ[1] = P.zAush + 1.0f;
    zormb::ErdwiderstandGleitflaechen();
    P.SchichtGammaAush[1] = 11.0f;
    zormb::ErdwiderstandGleitflaechen();
    const auto mitFormen = zormb::GleitErgebnis;
    const std::string dateiMitFormen = vb::ReadFileBytes("ZOREPP.");
    const auto listeMitFormen = zormb::Keil.GleitListe1;
    zormb::KeilZuruecksetzen();
    zormb::ErdwiderstandGleitflaechen();
    EXPECT_EQ(mitFormen.E, zormb::GleitErgebnis.E);
    EXPECT_EQ(mitFormen.Winkel, zormb::GleitErgebnis.Winkel);
    EXPECT_EQ(dateiMitFormen, vb::ReadFileBytes("ZOREPP."));
    EXPECT_EQ(listeMitFormen, zormb::Keil.GleitListe1) << "the model as the last wedge leaves it";
}

TEST_F(TrialPlanes, TooDeepExcavationIsRefused) {
    P.zAush = 80.0f;
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -5.0f;
    P.SohlLastQ[1] = 10.0f;
    P.SohlLastZ[1] = 80.0f;
    zormcom::Lauf.Eph.n = 7;
    // A seepage pass that does not print leaves the report alone.
    vb::Open("LPTZW", vb::OpenMode::Output, 6);
    zormb::B.DruckLastfall = 0;
    zormb::ErdwiderstandGleitflaechen();
    vb::Close(6);
    EXPECT_EQ(fs::file_size("LPTZW"), 0u);

    vb::Open("LPTZW", vb::OpenMode::Output, 6);
    zormb::B.DruckLastfall = 1;
    zormb::ErdwiderstandGleitflaechen();
    vb::Close(6);
    EXPECT_EQ(zormcom::Lauf.Eph.n, 7);
    EXPECT_FALSE(fs::exists("ZOREPP"));
    std::ifstream in("LPTZW");
    std::string zeile;
    std::getline(in, zeile);
    EXPECT_EQ(zeile.rfind(std::string(12, ' ') + "*** Erdwiderstand aus Gleitfl", 0), 0u) << zeile;
}

} // namespace
