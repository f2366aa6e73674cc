// Safety of single circles and of a whole search against independent calculations: the closed form for a
// purely cohesive soil, classic Bishop with fine slices, and an effective-stress Bishop calculation for
// ground water (the water moment must give the same as buoyant weights without water forces).
#include <cmath>

#include <gtest/gtest.h>

#include "slip_model_fixture.h"
#include "slipcircle/zormg_circle.h"
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
