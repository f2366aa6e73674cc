// At-rest pressure of limited strip loads after Froehlich.
#include "earthpressure/rest_pressure.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::B;

// Horizontal stress of a strip load in the elastic half-space (Boussinesq), in its textbook form:
// sigma_x = p / pi (alpha - sin alpha cos(alpha + 2 delta)), alpha the angle the strip subtends,
// delta the angle from the vertical to its near edge.
double Elastisch(double p, double xA, double xE, double z) {
    const double d = std::atan(xA / z), a = std::atan(xE / z) - d;
    return p / M_PI * (a - std::sin(a) * std::cos(a + 2.0 * d));
}

TEST(Froehlich, ConcentrationThreeIsTheElasticStripFormula) {
    for (float z : {0.3f, 1.0f, 2.5f, 7.0f, 20.0f})
        for (auto [xA, xE] : {std::pair{0.0f, 2.0f}, std::pair{1.0f, 3.0f}, std::pair{4.0f, 12.0f}})
            EXPECT_NEAR(zormb::FroehlichOrdinate(3, 50.0f, xA, xE, z), Elastisch(50.0, xA, xE, z), 1e-4)
                << z << " " << xA << " " << xE;
}

TEST(Froehlich, LimitsBelowAWideStripAtTheWall) {
    // Just below a strip that starts at the wall: p/2, p/4, p/6, p/8; far below: 0.
    const float grenze[] = {1.0f / 2, 1.0f / 4, 1.0f / 6, 1.0f / 8};
    for (int16_t nu = 3; nu <= 6; ++nu) {
        EXPECT_NEAR(zormb::FroehlichOrdinate(nu, 60.0f, 0.0f, 1000.0f, 0.001f), 60.0f * grenze[nu - 3], 0.01f)
            << nu;
        EXPECT_NEAR(zormb::FroehlichOrdinate(nu, 60.0f, 0.0f, 1.0f, 5000.0f), 0.0f, 1e-3f) << nu;
    }
    EXPECT_EQ(zormb::FroehlichOrdinate(7, 60.0f, 0.0f, 1000.0f, 1.0f), 0.0f);
    EXPECT_EQ(zormb::FroehlichOrdinate(4, 60.0f, 1.0f, 3.0f, 0.0f), 0.0f); // on the load level
}

TEST(Froehlich, DepthGridOfALoadAtTheWallHead) {
    const auto t = zormb::FroehlichRaster(0.0f, 99.0f);
    ASSERT_EQ(t.null.size() + t.rechnen.size(), 53u);
    EXPECT_FLOAT_EQ(t.rechnen[0], 0.001f);
    EXPECT_FLOAT_EQ(t.rechnen[1], 0.25f);
    EXPECT_FLOAT_EQ(t.rechnen[20], 5.0f);
    EXPECT_FLOAT_EQ(t.rechnen[21], 5.5f);
    EXPECT_FLOAT_EQ(t.rechnen[31], 11.0f);
    EXPECT_FLOAT_EQ(t.rechnen[41], 22.0f);
    EXPECT_FLOAT_EQ(t.rechnen[50], 40.0f);
    EXPECT_FLOAT_EQ(t.rechnen[51], 99.0f);
}

TEST(Froehlich, FiguresStartAtTheirLevelAndAlwaysEndAt99) {
    auto t = zormb::FroehlichRaster(2.3f, 99.0f);
    ASSERT_EQ(t.null.size(), 2u);
    EXPECT_FLOAT_EQ(t.null[1], 2.3f);
    EXPECT_FLOAT_EQ(t.rechnen[0], 2.301f);
    EXPECT_FLOAT_EQ(t.rechnen[1], 2.5f);
    EXPECT_FLOAT_EQ(t.rechnen.back(), 99.0f);
    // Deep loads whose grid stops short of 99 still reach it.
    t = zormb::FroehlichRaster(39.8f, 99.0f);
    ASSERT_EQ(t.rechnen.size(), 3u);
    EXPECT_FLOAT_EQ(t.rechnen[1], 41.75f);
    EXPECT_FLOAT_EQ(t.rechnen[2], 99.0f);
    t = zormb::FroehlichRaster(45.0f, 99.0f);
    ASSERT_EQ(t.rechnen.size(), 2u);
    EXPECT_FLOAT_EQ(t.rechnen[1], 99.0f);
    // A load above the wall head: the figure begins at the wall head.
    t = zormb::FroehlichRaster(-1.0f, 99.0f);
    EXPECT_TRUE(t.null.empty());
    EXPECT_FLOAT_EQ(t.rechnen[0], 0.0f);
    EXPECT_FLOAT_EQ(t.rechnen[1], 0.25f);
}

class RestPressure : public StageB {
protected:
    void SetUp() override {
        StageB::SetUp();
        Schichten({{0.0f, 30.0f, 18.0f, 10.0f}});
        P.KonzFaktor = 3;
    }
    static float Begr(float t) { return Wert(B.BegrLast, t); }
};

TEST_F(RestPressure, NoLimitedLoadGivesTheZeroFigure) {
    Last(1, 20.0f, 0.0f, 999.0f, 0.0f); // unlimited: not part of this figure
    zormb::BegrenzteLastRuhe();
    ASSERT_EQ(B.BegrLast.n, 2);
    EXPECT_FLOAT_EQ(B.BegrLast.z[1], 0.0f);
    EXPECT_FLOAT_EQ(B.BegrLast.z[2], 99.0f);
    EXPECT_EQ(B.BegrLast.e[2], 0.0f);
}

TEST_F(RestPressure, SharesFactorsAndPartialFactorsScaleTheStress) {
    // 60 % at rest with factor 0.5, 25 % permanent: e x 0.3 x (0.75 x 1.5 + 0.25 x 1.35).
    Last(1, 40.0f, 1.0f, 3.0f, 0.0f);
    auto& L = zormcom::Lauf;
    L.ErdRuheProz[1] = 60;
    L.ErdRuheFaktor[1] = 0.5f;
    P.ErdLastDauer(1, 1) = 25.0f;
    P.gamG = 1.35f;
    P.gamQ = 1.5f;
    zormb::BegrenzteLastRuhe();
    const float f = 0.3f * (0.75f * 1.5f + 0.25f * 1.35f);
    for (float z : {1.0f, 2.5f, 10.0f})
        EXPECT_NEAR(Begr(z), f * Elastisch(40.0, 1.0, 3.0, z), 1e-3f) << z;
    EXPECT_FLOAT_EQ(B.BegrLast.z[B.BegrLast.n], 99.0f);
}

TEST_F(RestPressure, DeepAndHighLoadsKeepTheListContract) {
    Last(1, 40.0f, 1.0f, 3.0f, 45.0f);
    Last(2, 40.0f, 1.0f, 3.0f, -1.0f);
    zormcom::Lauf.ErdRuheProz[1] = 100;
    zormcom::Lauf.ErdRuheProz[2] = 100;
    P.ErdLastDauer(1, 1) = 100.0f;
    P.ErdLastDauer(1, 2) = 100.0f;
    zormb::BegrenzteLastRuhe();
    EXPECT_FLOAT_EQ(B.BegrLast.z[1], 0.0f);
    EXPECT_FLOAT_EQ(B.BegrLast.z[B.BegrLast.n], 99.0f);
    for (int k = 1; k < B.BegrLast.n; ++k)
        EXPECT_LE(B.BegrLast.z[k], B.BegrLast.z[k + 1]);
    EXPECT_NEAR(Begr(0.0f), Elastisch(40.0, 1.0, 3.0, 1.0), 1e-3f);
    EXPECT_NEAR(Begr(5.0f), Elastisch(40.0, 1.0, 3.0, 6.0), 1e-3f);
    EXPECT_NEAR(Begr(44.0f), 0.0f, 0.05f); // the deep load acts only below its level
}

} // namespace
