// Safety of single circles and of a whole search against independent calculations: the closed form for a
// purely cohesive soil, classic Bishop with fine slices, and an effective-stress Bishop calculation for
// ground water (the water moment must give the same as buoyant weights without water forces).
#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "slip_model_fixture.h"
#include "slipcircle/zormg_circle.h"
#include "slipcircle/zormg_lines.h"
#include "slipcircle/zormg_search.h"
#include "slipcircle/zormg_state.h"

namespace {

using Zormg::D;

TEST(KreisSicherheit, PurelyCohesiveSoilMatchesTheClosedForm) {
    // eta = cu R L / (W e): arc 24.02 m, area 46.01 m2, lever 11.23 m -> 20 * 27 * 24.02 / (20 * 46.01
    // * 11.23).
    slipfix::Boeschung(20, 0, 20);
    slipfix::Vorbereiten();
    const float erwartet = 20.0f * 27.0f * 24.0224f / (20.0f * 46.0054f * 11.2306f);
    EXPECT_NEAR(erwartet, 1.255f, 0.001f);
    EXPECT_NEAR(slipfix::Kreis(0, -17), erwartet, 0.01f);
    EXPECT_NEAR(D().Radius, 27.0f, 1e-4f);
    EXPECT_EQ(D().KreisZaehler, 1);
}

struct Fall {
    float c, phi, gamUnter, zWasser, xM, zM, eta;
};

class Bishop : public ::testing::TestWithParam<Fall> {};

TEST_P(Bishop, SingleCircleAgreesWithinTheIterationTolerance) {
    const Fall f = GetParam();
    slipfix::Boeschung(f.c, f.phi, 20, f.gamUnter, f.zWasser);
    slipfix::Vorbereiten();
    EXPECT_NEAR(slipfix::Kreis(f.xM, f.zM), f.eta, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(
    Acads1a, Bishop,
    ::testing::Values(Fall{3, 19.6f, 20, 99, 0, -17, 0.986f},  // the toe circle, Bishop 0.986
                      Fall{3, 19.6f, 20, 99, 2, -15, 1.001f},  // R 25.08
                      Fall{3, 19.6f, 11, 6, 0, -17, 0.934f},   // water 4 m over the toe, gamma' 11
                      Fall{3, 19.6f, 11, 6, 2, -15, 0.923f})); // (effective-stress Bishop)

TEST(MittelpunktIteration, FindsTheCriticalToeCircleOfTheSlope) {
    slipfix::Boeschung(3, 19.6f, 20);
    Zormg::MittelpunktIteration();
    const auto& d = D();
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_NEAR(d.etaMin, 0.986f, 0.01f);
    // The minimum is flat: its place is compared loosely.
    EXPECT_NEAR(d.xMKrit, -0.5f, 1.5f);
    EXPECT_NEAR(d.zMKrit, -18.7f, 2.0f);
    EXPECT_NEAR(d.RKrit, std::hypot(d.xMKrit, 10.0f - d.zMKrit), 1e-3f);
    // The critical slip line runs from the toe (every circle passes through it) to the crest.
    ASSERT_GT(d.KritPunktzahl, 2);
    EXPECT_NEAR(d.KritLinieZ[1], 10.0f, 0.02f);
    EXPECT_NEAR(d.KritLinieX[1], 0.0f, 0.05f);
    EXPECT_GT(d.KritLinieX[d.KritPunktzahl], 20.0f);
    EXPECT_NEAR(d.KritLinieZ[d.KritPunktzahl], 0.0f, 0.02f);
    // Angles are degrees again.
    EXPECT_NEAR(Zormg::Z().GkSchichtPhi[1], 19.6f, 1e-4f);
    EXPECT_NEAR(d.AuslaufwinkelLuft, 30.0f, 1e-4f);
    EXPECT_NEAR(d.AuslaufwinkelErde, 85.0f, 1e-4f);
}

} // namespace

namespace {

TEST(Auf7Stellen, RoundsToSevenSignificantDigits) {
    struct {
        double v;
        float r;
    } faelle[] = {{1.23456789, 1.234568f},     {-0.000123456789, -0.0001234568f},
                  {123456789.0, 123456800.0f}, {0.5, 0.5f},
                  {2.0 / 3.0, 0.6666667f},     {0.0, 0.0f},
                  {-98765.4321, -98765.43f}};
    for (auto f : faelle)
        EXPECT_FLOAT_EQ(Zormg::Auf7Stellen(f.v), f.r) << f.v;
}

} // namespace

namespace {

TEST(KreisSicherheit, LeavesAllLinesOnOneCommonSetOfAbscissae) {
    // Water, a load and an anchor give lines of their own; a full cleaning afterwards changes nothing.
    slipfix::Boeschung(3, 19.6f, 20, 11, 6);
    auto& d = Zormg::D();
    auto& s = Zormg::Z();
    const int j = ++d.AnzGkLasten;
    s.LastPunkt1[j] = 301;
    s.LastPunkt2[j] = 302;
    slipfix::Punkt(301, 5, 0);
    slipfix::Punkt(302, 7.3f, 0);
    s.VLastA[j] = s.VLastE[j] = 20;
    slipfix::Vorbereiten();
    for (auto [x, z] : {std::pair{0.0f, -17.0f}, std::pair{-3.3f, -9.1f}, std::pair{4.7f, -25.3f}}) {
        slipfix::Kreis(x, z);
        const int letzte = s.AnzLinien + 2;
        const int n = s.LinienPunktzahl[0];
        std::vector<float> xs, zs;
        for (int l = 0; l <= letzte; ++l) {
            ASSERT_EQ(s.LinienPunktzahl[l], n) << "line " << l;
            for (int p = 1; p <= n; ++p) {
                xs.push_back(s.LinieX(l, p));
                zs.push_back(s.LinieZ(l, p));
            }
        }
        Zormg::LinienBereinigen(2);
        std::size_t i = 0;
        for (int l = 0; l <= letzte; ++l)
            for (int p = 1; p <= n; ++p, ++i) {
                EXPECT_EQ(s.LinieX(l, p), xs[i]);
                EXPECT_EQ(s.LinieZ(l, p), zs[i]);
            }
    }
}

} // namespace
