// Wedge and terrain model of the excavation side for the passive trial slip planes.
#include <bit>
#include <cstdint>

#include "earthpressure/polylines.h"
#include "earthpressure/wedge_geometry.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::Keil;

class Keilmodell : public StageB {
protected:
    void SetUp() override {
        StageB::SetUp();
        // Two layers as entered (degrees): 3 m and 10 m; bottom at 4 m.
        P.AnzErd = 2;
        const float d[] = {3.0f, 10.0f}, phi[] = {30.0f, 40.0f}, dp[] = {-10.0f, -30.0f};
        for (int i = 1; i <= 2; ++i) {
            P.SchichtDicke[i] = d[i - 1];
            P.SchichtPhi[i] = phi[i - 1];
            P.SchichtDeltaP[i] = dp[i - 1];
            P.SchichtGammaAush[i] = 18.0f + static_cast<float>(i);
            P.SchichtGammaAuftriebAush[i] = 10.0f + static_cast<float>(i);
            P.SchichtCp[i] = 5.0f * static_cast<float>(i);
        }
        P.zAush = 4.0f;
        Wasser(60.0f);
    }
    static void Wasser(float z) {
        P.ZWasserLuft = z;
        P.Aushubstufen[static_cast<size_t>(P.AushNr)].ZWasserLuft = z;
    }
    static float Z(int linie, int p) { return Keil.GleitLinieZ(linie, p); }
};

TEST_F(Keilmodell, LinesPointsAndSliceValues) {
    P.StBx1 = -1.0f; // ignored with a flat bottom
    P.StBx2 = -3.0f;
    zormb::KeilmodellAufbauen();
    EXPECT_EQ(Keil.LinienCodes[0], "51 52");
    EXPECT_EQ(Keil.LinienCodes[1], "61 62");
    EXPECT_EQ(Keil.LinienCodes[2], "1 2");
    EXPECT_EQ(Keil.LinienCodes[4], "9 10");
    EXPECT_EQ(Keil.LetzteGleitLinie, 4);
    int16_t i = 0;
    zormb::PunktCodeSuchen(62, i);
    EXPECT_FLOAT_EQ(Keil.GelaendeX[i], 0.0f);
    EXPECT_FLOAT_EQ(Keil.GelaendeZ[i], 4.0f);
    zormb::PunktCodeSuchen(63, i);
    EXPECT_EQ(i, 0);
    // Boundaries above the bottom lie on it; the bottom of layer 2 at 13 m.
    EXPECT_FLOAT_EQ(Z(2, 1), 4.0f);
    EXPECT_FLOAT_EQ(Z(3, 1), 4.0f);
    EXPECT_FLOAT_EQ(Z(4, 1), 13.0f);
    // Slice of layer i has index i + 1: friction capped at 35 degrees, wall friction limited to
    // 2/3 phi, moist weight above the water table.
    EXPECT_FLOAT_EQ(Keil.Phi[2], 30.0f * kGrad);
    EXPECT_FLOAT_EQ(Keil.Phi[3], 35.0f * kGrad);
    EXPECT_FLOAT_EQ(Keil.DeltaP[2], -10.0f * kGrad);
    EXPECT_FLOAT_EQ(Keil.DeltaP[3], -0.9999f * 2.0f / 3.0f * 35.0f * kGrad);
    EXPECT_FLOAT_EQ(Keil.W[3], 20.0f);
    EXPECT_FLOAT_EQ(Keil.C[3], 10.0f);
    EXPECT_EQ(Keil.W[1], 0.0f);
}

TEST_F(Keilmodell, WaterTableInsideALayerBecomesABoundary) {
    Wasser(8.0f);
    zormb::KeilmodellAufbauen();
    ASSERT_EQ(Keil.LetzteGleitLinie, 5);
    EXPECT_FLOAT_EQ(Z(4, 1), 8.0f);
    EXPECT_FLOAT_EQ(Z(5, 1), 13.0f);
    EXPECT_FLOAT_EQ(Keil.W[3], 20.0f); // above the water table
    EXPECT_FLOAT_EQ(Keil.W[4], 12.0f); // below it
    EXPECT_FLOAT_EQ(Keil.Phi[4], Keil.Phi[3]);
}

TEST_F(Keilmodell, WaterTableOnABoundarySplitsNothing) {
    Wasser(3.00005f);
    zormb::KeilmodellAufbauen();
    EXPECT_EQ(Keil.LetzteGleitLinie, 4);
    EXPECT_FLOAT_EQ(Keil.W[2], 19.0f);
    EXPECT_FLOAT_EQ(Keil.W[3], 12.0f); // its top lies deeper than the water level - 1 mm
}

TEST_F(Keilmodell, BottomLoadsAreTurnedRoundAndEndAtTheWall) {
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = 1.0f;
    P.SohlLastX2[1] = -6.0f;
    P.SohlLastQ[1] = 10.0f;
    P.SohlLastZ[1] = 4.0f;
    zormb::KeilmodellAufbauen();
    EXPECT_FLOAT_EQ(P.SohlLastX1[1], -6.0f);
    EXPECT_FLOAT_EQ(P.SohlLastX2[1], 0.0f);
    int16_t i = 0;
    zormb::PunktCodeSuchen(302, i);
    EXPECT_FLOAT_EQ(Keil.GelaendeX[i], 0.0f);
}

TEST_F(Keilmodell, TrialWedgeColumnsCarryOnlyTheLoadAboveTheSlipLine) {
    // A plane rising at 45 degrees from 6 m at the wall leaves the bottom (4 m) at x = -2.
    P.AnzSohlLast = 2;
    P.SohlLastX1[1] = -6.0f; // on the bottom: 10 kN/m2 over the 2 m of the wedge
    P.SohlLastX2[1] = 0.0f;
    P.SohlLastQ[1] = 10.0f;
    P.SohlLastZ[1] = 4.0f;
    P.SohlLastX1[2] = -1.5f; // at 5.5 m: above the slip line only where it is deeper than 5.5 m
    P.SohlLastX2[2] = 0.0f;
    P.SohlLastQ[2] = 4.0f;
    P.SohlLastZ[2] = 5.5f;
    zormb::KeilmodellAufbauen();
    int16_t kExit = 0, kWall = 0;
    zormb::Probekeil(6.0f, 45.0f * kGrad, kExit, kWall);
    EXPECT_NEAR(Keil.GleitLinieX(1, kExit), -2.0f, 1e-3f);
    EXPECT_NEAR(Keil.GleitLinieX(1, kWall), 0.0f, 1e-6f);
    float summe = 0.0f;
    for (int k = kExit; k < kWall; ++k)
        summe += Keil.GleitListe1[k];
    // 10 x 2 plus 4 x 0.5 (the slip line lies below 5.5 m from x = -0.5 to the wall).
    EXPECT_NEAR(summe, 22.0f, 0.01f);
    // The boundaries are clipped to the slip line.
    for (int p = 1; p <= Keil.GleitLinieAnz[1]; ++p)
        EXPECT_LE(Z(3, p), Keil.GleitLinieZ(Keil.LetzteGleitLinie + 1, p) + 1e-6f);
}

TEST_F(Keilmodell, DescendingPlaneUnderAFlatBottomReachesTheFarEnd) {
    zormb::KeilmodellAufbauen();
    int16_t kExit = 0, kWall = 0;
    zormb::Probekeil(6.0f, -10.0f * kGrad, kExit, kWall);
    EXPECT_EQ(kExit, 1);
    EXPECT_FLOAT_EQ(Keil.GleitLinieX(1, 1), -999.0f);
}

TEST_F(Keilmodell, MergeOfTwoLines) {
    zor::Linientafel X(1, 10), Zt(1, 10);
    const float a[] = {-99, 0, 99}, b[] = {-99, 5, 99};
    for (int p = 1; p <= 3; ++p) {
        X(0, p) = a[p - 1];
        Zt(0, p) = static_cast<float>(p);
        X(1, p) = b[p - 1];
        Zt(1, p) = 10.0f;
    }
    Zt(1, 2) = 20.0f;
    int16_t n0 = 3, n1 = 3, ch = 0;
    zor::LinienVerschneiden(Zt, X, n0, n1, 0, 1, ch);
    EXPECT_EQ(ch, 1);
    ASSERT_EQ(n0, 4);
    ASSERT_EQ(n1, 4);
    const float x[] = {-99, 0, 5, 99};
    for (int p = 1; p <= 4; ++p) {
        EXPECT_FLOAT_EQ(X(0, p), x[p - 1]);
        EXPECT_FLOAT_EQ(X(1, p), x[p - 1]);
    }
    EXPECT_NEAR(Zt(0, 3), 2.0f + 5.0f / 99.0f, 1e-5f);            // first line interpolated at 5
    EXPECT_NEAR(Zt(1, 2), 10.0f + 10.0f * 99.0f / 104.0f, 1e-4f); // second line at 0
    // Abscissae within 1 mm are one point (the first line's); nothing changes.
    X(1, 2) = 0.0005f;
    ch = 0;
    zor::LinienVerschneiden(Zt, X, n0, n1, 0, 1, ch);
    EXPECT_EQ(ch, 0);
    EXPECT_EQ(n0, 4);
    EXPECT_FLOAT_EQ(X(1, 2), 0.0f);
}

} // namespace

namespace {

// The one-walk merge of a trial wedge against the three passes of GelaendeSchneiden, bit for bit, on
// a model with everything that shapes the grid: four layers, the water table inside the third, a
// bottom slope and two bottom loads (one of them partly on the slope), over planes rising and
// falling from depths at the bottom, inside the slope's reach and deep below it.
class EinWegMerge : public Keilmodell {
protected:
    struct Stand {
        int16_t kExit = 0, kWall = 0;
        std::vector<int16_t> anz;
        std::vector<uint32_t> x, z;
        std::vector<float> lasten;
        bool operator==(const Stand&) const = default;
    };
    static Stand Keil(float zp, float grad, bool einWeg) {
        zormb::EinWegMerge(einWeg);
        Stand s;
        zormb::Probekeil(zp, grad * kGrad, s.kExit, s.kWall);
        zormb::EinWegMerge(true);
        s.anz = zormb::Keil.GleitLinieAnz;
        for (int L = 0; L <= zormb::Keil.LetzteGleitLinie + 1; ++L)
            for (int p = 0; p <= zormb::Keil.GleitLinieX.PunkteOben(); ++p) {
                s.x.push_back(std::bit_cast<uint32_t>(zormb::Keil.GleitLinieX(L, p)));
                s.z.push_back(std::bit_cast<uint32_t>(zormb::Keil.GleitLinieZ(L, p)));
            }
        s.lasten = zormb::Keil.GleitListe1;
        return s;
    }
};

TEST_F(EinWegMerge, EveryTrialWedgeEqualsTheThreePassMerge) {
    P.AnzErd = 4;
    const float d[] = {3.0f, 2.5f, 4.0f, 20.0f}, phi[] = {30.0f, 32.5f, 27.5f, 35.0f};
    for (int i = 1; i <= 4; ++i) {
        P.SchichtDicke[i] = d[i - 1];
        P.SchichtPhi[i] = phi[i - 1];
        P.SchichtDeltaP[i] = -phi[i - 1] / 2.0f;
        P.SchichtGammaAush[i] = 19.0f;
        P.SchichtGammaAuftriebAush[i] = 11.0f;
    }
    Wasser(8.0f);
    P.StBx1 = -1.5f;
    P.StBx2 = -4.0f;
    P.StBH = 1.0f;
    P.AnzSohlLast = 2;
    P.SohlLastX1[1] = -3.0f;
    P.SohlLastX2[1] = -6.0f;
    P.SohlLastQ[1] = 15.0f;
    P.SohlLastZ[1] = 4.5f;
    P.SohlLastX1[2] = -9.0f;
    P.SohlLastX2[2] = -25.0f;
    P.SohlLastQ[2] = 30.0f;
    P.SohlLastZ[2] = 3.0f;
    zormb::KeilmodellAufbauen();
    int verglichen = 0;
    for (const float zp : {4.0f, 4.01f, 4.6f, 5.0f, 7.0f, 8.0f, 11.5f, 30.0f})
        for (float grad = -55.0f; grad <= 75.0f; grad += 2.5f) {
            SCOPED_TRACE(::testing::Message() << "zp " << zp << ", angle " << grad);
            const Stand schnell = Keil(zp, grad, true);
            const Stand referenz = Keil(zp, grad, false);
            EXPECT_EQ(schnell.kExit, referenz.kExit);
            EXPECT_EQ(schnell.kWall, referenz.kWall);
            EXPECT_EQ(schnell.anz, referenz.anz);
            EXPECT_TRUE(schnell.x == referenz.x && schnell.z == referenz.z);
            EXPECT_EQ(schnell.lasten, referenz.lasten);
            ++verglichen;
        }
    EXPECT_EQ(verglichen, 8 * 53);
}

} // namespace
