// Surface loads on the earth side: influence depths, strip-load figures, unlimited loads,
// loads moved down a slope.
#include "earthpressure/surface_loads.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::B;

class SurfaceLoads : public StageB {
protected:
    void SetUp() override {
        StageB::SetUp();
        Schichten({{0.0f, 30.0f, 18.0f, 10.0f}});
        P.VerteilungAktiv = 0;
    }
    static float Begr(float t) { return Wert(B.BegrLast, t); }
};

TEST_F(SurfaceLoads, InfluenceLineCrossesLayers) {
    // 30 degrees down to 2 m, then 45 degrees: 5 - 2 / tan30 = 1.536 m still to go, z = 3.536.
    Schichten({{2.0f, 30.0f, 18.0f, 10.0f}, {0.0f, 45.0f, 18.0f, 10.0f}});
    int16_t gef = 0;
    float x2 = 5.0f, z = 0.0f;
    zormb::Einflusstiefe(1, gef, 0.0f, x2, z);
    EXPECT_EQ(gef, 1);
    EXPECT_NEAR(z, 3.536f, 0.001f);
    EXPECT_NEAR(x2, 1.536f, 0.001f);
    // 45 + phi/2 = 60 degrees from 100 m away reaches 99.
    x2 = 100.0f;
    z = 0.0f;
    zormb::Einflusstiefe(2, gef, 0.0f, x2, z);
    EXPECT_EQ(gef, 1);
    EXPECT_FLOAT_EQ(z, 99.0f);
}

TEST_F(SurfaceLoads, StripLoadFiguresByDistribution) {
    // pv 20 from 1 to 3 m: z1 = tan30 = 0.577, z2 = tan60 = 1.732, z3 = 3 tan60 = 5.196,
    // dE = 2 x 20 x sin30 / cos30 = 23.09 over 4.619 m.
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f);
    struct Fall {
        int16_t verteilung;
        float z, e;
    };
    const Fall faelle[] = {{0, 0.5f, 0.0f},    {0, 0.6f, 5.0f},   {0, 5.0f, 5.0f},   {0, 5.3f, 0.0f},
                           {1, 1.732f, 10.0f}, {1, 0.577f, 0.0f}, {1, 3.464f, 5.0f}, {2, 0.578f, 10.0f},
                           {2, 2.887f, 5.0f},  {2, 6.0f, 0.0f}};
    for (const Fall& f : faelle) {
        P.VerteilungAktiv = f.verteilung;
        zormb::BegrenzteLastAktiv();
        EXPECT_NEAR(Begr(f.z), f.e, 0.01f) << "Verteilung " << f.verteilung << " z " << f.z;
        EXPECT_FLOAT_EQ(B.BegrLast.z[B.BegrLast.n], 99.0f);
    }
    EXPECT_EQ(zormcom::Lauf.LastKleinFlag, 1);
}

TEST_F(SurfaceLoads, AtRestSharePermanentShareAndStagesWithoutTheLoad) {
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f);
    zormcom::Lauf.ErdRuheProz[1] = 50;
    P.RuheProz = 30.0f;
    zormb::BegrenzteLastAktiv();
    EXPECT_NEAR(Begr(2.0f), 2.5f, 0.01f);
    // A pass with pure active pressure (no at-rest share, so no at-rest figure is added): the
    // load acts with all of its active pressure.
    P.RuheProz = 0.0f;
    zormb::BegrenzteLastAktiv();
    EXPECT_NEAR(Begr(2.0f), 5.0f, 0.01f);

    // 40 % permanent: 5 x (0.6 x 1.5 + 0.4 x 1.35) = 7.2.
    zormcom::Lauf.ErdRuheProz[1] = 0;
    P.gamG = 1.35f;
    P.gamQ = 1.5f;
    P.ErdLastDauer(1, 1) = 40.0f;
    zormb::BegrenzteLastAktiv();
    EXPECT_NEAR(Begr(2.0f), 7.2f, 0.01f);

    // Not acting in the current stage: nothing.
    zormcom::Lauf.ErdNichtIn(1, 0) = 1;
    zormcom::Lauf.ErdNichtIn(1, 1) = P.AushNr;
    zormb::BegrenzteLastAktiv();
    for (int k = 1; k <= B.BegrLast.n; ++k)
        EXPECT_EQ(B.BegrLast.e[k], 0.0f);
}

TEST_F(SurfaceLoads, LoadWithoutDepthRangeContributesNothing) {
    // Both influence lines from a load at 98.5 m end at 99.
    Last(1, 20.0f, 1.0f, 3.0f, 98.5f, 5.0f);
    zormb::BegrenzteLastAktiv();
    for (int k = 1; k <= B.BegrLast.n; ++k)
        EXPECT_EQ(B.BegrLast.e[k], 0.0f) << k;
    zor::Ordinatenliste f;
    zormb::HorizontallastFigur(f, B.BegrLast);
    for (int k = 1; k <= B.BegrLast.n; ++k)
        EXPECT_EQ(B.BegrLast.e[k], 0.0f) << k;
}

TEST_F(SurfaceLoads, InfluenceLinesDoNotShiftTheLoadEdge) {
    Schichten({{0.3f, 30.0f, 18.0f, 10.0f}, {0.0f, 35.0f, 18.0f, 10.0f}});
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f);
    zormb::BegrenzteLastAktiv();
    EXPECT_FLOAT_EQ(zormcom::Lauf.ErdXA[1], 1.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.ErdXE[1], 3.0f);
}

TEST_F(SurfaceLoads, HorizontalComponents) {
    // ph 5 over 2 m: H = 10 kN/m spread as a rectangle over 4.619 m; a zero component adds nothing.
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f, 5.0f);
    Last(2, 20.0f, 4.0f, 6.0f, 0.0f, 0.0f);
    zor::Ordinatenliste f;
    zormb::HorizontallastFigur(f, B.BegrLast);
    EXPECT_NEAR(Begr(3.0f), 10.0f / 4.6188f, 0.005f);
    EXPECT_NEAR(Begr(7.0f), 0.0f, 1e-6f);
    EXPECT_NEAR(Begr(0.3f), 0.0f, 1e-6f);
}

TEST_F(SurfaceLoads, UnlimitedLoadsWithPartialFactors) {
    // The first load above 10 kN/m2: 20 x 1.5 / 1.35 + 10 = 32.22; the next one all variable.
    P.TeilsicherheitenAn = 1;
    P.gamG = 1.35f;
    P.gamQ = 1.5f;
    Last(1, 30.0f, 2.0f, 999.0f, 0.0f);
    Last(2, 9.0f, 0.0f, 999.0f, 0.0f);
    zor::Ordinatenliste figur;
    zormb::FlaechenlastFigur(figur);
    EXPECT_NEAR(Wert(figur, 99.0f), 32.222f + 9.0f * 1.5f / 1.35f, 0.01f);
    // Load 1 from 0 at 2 tan30 = 1.155 m to full at 2 tan60 = 3.464 m.
    EXPECT_NEAR(Wert(figur, 1.0f), 10.0f, 0.01f);
    EXPECT_NEAR(Wert(figur, 2.3094f), 10.0f + 32.222f / 2.0f, 0.02f);
    EXPECT_EQ(zormcom::Lauf.LastKleinFlag, 1);
}

TEST_F(SurfaceLoads, LoadBehindASlopeMovesDownToTheWallHead) {
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 0.0f;
    P.BoeschZ1[1] = 0.0f;
    P.BoeschX2[1] = 4.0f;
    P.BoeschZ2[1] = -2.0f;
    P.BoeschPhi[1] = 30.0f;
    Last(1, 10.0f, 5.0f, 8.0f, -2.0f, 2.0f);
    zormb::LastenAufBoeschung(0.0f);
    const auto& L = zormcom::Lauf;
    EXPECT_NEAR(L.ErdXA[1], 5.0f - 2.0f / std::tan(30.0f * kGrad), 0.001f);
    EXPECT_NEAR(L.ErdXE[1], 8.0f - 2.0f / std::tan(60.0f * kGrad), 0.001f);
    EXPECT_FLOAT_EQ(L.ErdZ[1], 0.0f);
    EXPECT_NEAR((L.ErdXE[1] - L.ErdXA[1]) * L.ErdPv[1], 30.0f, 0.001f);
    EXPECT_NEAR((L.ErdXE[1] - L.ErdXA[1]) * L.ErdPh[1], 6.0f, 0.001f);
}

TEST_F(SurfaceLoads, LevelSlopeSegmentMovesNothing) {
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 0.0f;
    P.BoeschZ1[1] = -2.0f;
    P.BoeschX2[1] = 4.0f;
    P.BoeschZ2[1] = -2.0f;
    P.BoeschPhi[1] = 30.0f;
    Last(1, 10.0f, 5.0f, 8.0f, -3.0f);
    zormb::LastenAufBoeschung(0.0f);
    const auto& L = zormcom::Lauf;
    EXPECT_FLOAT_EQ(L.ErdXA[1], 5.0f);
    EXPECT_FLOAT_EQ(L.ErdXE[1], 8.0f);
    EXPECT_FLOAT_EQ(L.ErdPv[1], 10.0f);
    EXPECT_FLOAT_EQ(L.ErdZ[1], -3.0f);
}

} // namespace
