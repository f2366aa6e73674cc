// The earth-pressure stage of a run against hand calculations: several strip loads at once, their
// horizontal components, loads below the wall head, unlimited loads with partial factors, the
// at-rest share of limited loads and pure earth pressure at rest.
//
// Soil throughout: one layer of sand, phi 30, no wall friction, gamma 18: Ka = 1/3, K0 = 1/2.
// Strip loads (rectangles): the load spreads between the phi line from its near edge (z1) and the
// 45 + phi/2 line from its far edge (z3); its force on the wall is P tan(45 - phi/2) = P tan30.
#include <cmath>

#include "earthpressure/rest_pressure.h"
#include "earthpressure/slopes.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "earthpressure/trial_planes.h"
#include "frame/messages.h"
#include "frame/stage_table.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::B;

const float kTan30 = std::tan(30.0f * kGrad), kTan60 = std::tan(60.0f * kGrad);

// Horizontal stress at the wall below a strip load in the elastic half-space (Boussinesq):
// p / pi (a - sin a cos(a + 2 d)), a the angle the strip subtends, d that of its near edge.
double Elastisch(double p, double xA, double xE, double z) {
    const double d = std::atan(xA / z), a = std::atan(xE / z) - d;
    return p / M_PI * (a - std::sin(a) * std::cos(a + 2.0 * d));
}

class StufeVonHand : public Sandstufe {
protected:
    static void Rechnen() {
        zorma::EingabeAuswerten();
        zormb::ErddruckBerechnen();
        vb::Close(zorma::kBerichtDateiNr);
        ASSERT_EQ(B.BegrLast.n, B.ESumme.n);
        ASSERT_FLOAT_EQ(B.ESumme.z[B.ESumme.n], 99.0f);
    }
};

TEST_F(StufeVonHand, TwoStripLoadsOneBelowTheWallHeadWithAHorizontalComponent) {
    // Load 1: 20 kN/m2 from 1 to 3 m at the wall head, ph 5: z1 = tan30 = 0.577,
    // z3 = 3 tan60 = 5.196; 40 tan30 / 4.619 = 5.0 and 10 / 4.619 = 2.165 kN/m2.
    // Load 2: 30 kN/m2 from 2 to 4 m at 1 m depth: z1 = 1 + 2 tan30 = 2.155,
    // z3 = 1 + 4 tan60 = 7.928; 60 tan30 / 5.774 = 6.0 kN/m2.
    // Load 3: unlimited 12 kN/m2 from 1 m at 1.5 m depth: sigma_v rises from z = 1.5 + tan30 to
    // its full 12 at z = 1.5 + tan60 = 3.232.
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f, 5.0f);
    Last(2, 30.0f, 2.0f, 4.0f, 1.0f);
    Last(3, 12.0f, 1.0f, 999.0f, 1.5f);
    Rechnen();
    const float h = 10.0f / (3.0f * kTan60 - kTan30);
    struct Punkt {
        float z, begr, boden;
    };
    const Punkt soll[] = {
        {0.4f, 0.0f, 6.0f * 0.4f},
        {1.0f, 5.0f + h, 6.0f},
        {3.0f, 11.0f + h, 18.0f + 4.0f * (3.0f - 1.5f - kTan30) / (kTan60 - kTan30)},
        {6.0f, 6.0f, 36.0f + 4.0f},
        {8.5f, 0.0f, 51.0f + 4.0f},
    };
    for (const Punkt& p : soll) {
        EXPECT_NEAR(Begr(p.z), p.begr, 0.005f) << p.z;
        EXPECT_NEAR(Boden(p.z), p.boden, 0.005f) << p.z;
        EXPECT_NEAR(Summe(p.z), p.begr + p.boden, 0.01f) << p.z;
    }
    // The edges of the figures are jumps of the sum.
    EXPECT_NEAR(Begr(1.0f + 2.0f * kTan30 - 0.002f), 5.0f + h, 0.005f);
    EXPECT_NEAR(Begr(1.0f + 2.0f * kTan30 + 0.002f), 11.0f + h, 0.005f);
    EXPECT_NEAR(Begr(3.0f * kTan60 + 0.002f), 6.0f, 0.005f);
}

TEST_F(StufeVonHand, PartialFactorsOnThePermanentAndVariableShares) {
    // gamG 1.35, gamQ 1.5. Soil with an unlimited 30 kN/m2 from the wall: 10 kN/m2 count as
    // permanent, 20 as variable: eah = 1.35 (18 z + 10 + 20 x 1.5 / 1.35) / 3 = 8.1 z + 14.5.
    // Strip 1 (40 % permanent) scales by 0.6 x 1.5 + 0.4 x 1.35 = 1.44, its horizontal component
    // too; strip 2 (wholly permanent) by 1.35.
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 1;
    P.gamG = 1.35f;
    P.gamQ = 1.5f;
    P.gamE0g = 1.2f;
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f, 5.0f, 40.0f);
    Last(2, 30.0f, 2.0f, 4.0f, 1.0f, 0.0f, 100.0f);
    Last(3, 30.0f, 0.0f, 999.0f, 0.0f);
    Rechnen();
    const float h = 10.0f / (3.0f * kTan60 - kTan30);
    struct Punkt {
        float z, begr;
    };
    const Punkt soll[] = {{0.4f, 0.0f},
                          {1.0f, 1.44f * (5.0f + h)},
                          {3.0f, 1.44f * (5.0f + h) + 1.35f * 6.0f},
                          {6.0f, 1.35f * 6.0f},
                          {8.5f, 0.0f}};
    for (const Punkt& p : soll) {
        EXPECT_NEAR(Begr(p.z), p.begr, 0.005f) << p.z;
        EXPECT_NEAR(Summe(p.z), p.begr + 8.1f * p.z + 14.5f, 0.01f) << p.z;
    }
}

TEST_F(StufeVonHand, StripLoadOnACohesiveSoilFirstMakesUpItsTension) {
    // c = 10: the soil alone gives 6 z - 11.547 (tension down to 1.925 m), raised to the minimum
    // 0.2 x 18 z = 3.6 z down to 4.811 m. The strip load's 5 kN/m2 (0.577 to 5.196 m) first make
    // up the tension: max(0, 5 + 6 z - 11.547) down to 1.925 m, the full 5 below.
    P.SchichtCa[1] = P.SchichtCp[1] = 10.0f;
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f);
    Rechnen();
    struct Punkt {
        float z, begr, boden;
    };
    const Punkt soll[] = {{0.5f, 0.0f, 1.8f},  {1.0f, 0.0f, 3.6f},  {1.5f, 2.453f, 5.4f},
                          {3.0f, 5.0f, 10.8f}, {4.5f, 5.0f, 16.2f}, {6.0f, 0.0f, 36.0f - 11.547f}};
    for (const Punkt& p : soll) {
        EXPECT_NEAR(Begr(p.z), p.begr, 0.005f) << p.z;
        EXPECT_NEAR(Boden(p.z), p.boden, 0.005f) << p.z;
        EXPECT_NEAR(Summe(p.z), p.begr + p.boden, 0.01f) << p.z;
    }
}

TEST_F(StufeVonHand, AtRestShareOfALimitedLoad) {
    // 50 % at rest: eah = 18 z (1/2 x 1/3 + 1/2 x 1/2) = 7.5 z. The strip load (20 kN/m2 from 1 to
    // 3 m) has 50 % at rest: half its active rectangle (2.5 kN/m2 between 0.577 and 5.196 m) plus
    // half the elastic stress; a second strip without at-rest share keeps its full rectangle.
    P.RuheProz = 50.0f;
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f);
    P.ErdLastRuheProz(1, 1) = 50;
    Last(2, 30.0f, 2.0f, 4.0f, 1.0f);
    Rechnen();
    // Points of the stress grid (0.25 m steps down to 5 m, then 0.5 m).
    for (float z : {0.25f, 1.0f, 2.0f, 3.0f, 4.5f, 6.0f, 9.0f}) {
        float aktiv = (z > kTan30 && z < 3.0f * kTan60) ? 2.5f : 0.0f;
        if (z > 1.0f + 2.0f * kTan30 && z < 1.0f + 4.0f * kTan60) aktiv += 6.0f;
        const float soll = aktiv + 0.5f * static_cast<float>(Elastisch(20.0, 1.0, 3.0, z));
        EXPECT_NEAR(Begr(z), soll, 0.002f) << z;
        EXPECT_NEAR(Summe(z), soll + 7.5f * z, 0.01f) << z;
    }
}

TEST_F(StufeVonHand, PurelyActivePassKeepsAllOfALoadWithAnAtRestShare) {
    // The first run with global safety computes without at-rest share; the strip load with 50 %
    // at rest then acts with its whole active rectangle of 5 kN/m2, like the soil with Ka.
    Last(1, 20.0f, 1.0f, 3.0f, 0.0f);
    P.ErdLastRuheProz(1, 1) = 50;
    Rechnen();
    EXPECT_NEAR(Begr(3.0f), 5.0f, 0.002f);
    EXPECT_NEAR(Summe(3.0f), 5.0f + 18.0f, 0.01f);
}

TEST_F(StufeVonHand, PureEarthPressureAtRest) {
    // eah = 18 z (1 - sin30) = 9 z; the strip load acts with its elastic stress alone, at its own
    // level 2 m below the wall head.
    P.Erddruckart = 2;
    Last(1, 20.0f, 1.0f, 3.0f, 2.0f, 0.0f);
    P.ErdLastRuheProz(1, 1) = 100;
    Rechnen();
    for (float z : {1.0f, 2.25f, 3.0f, 4.5f, 6.0f, 9.0f}) {
        const float soll = z > 2.0f ? static_cast<float>(Elastisch(20.0, 1.0, 3.0, z - 2.0f)) : 0.0f;
        EXPECT_NEAR(Begr(z), soll, 0.002f) << z;
        EXPECT_NEAR(Summe(z), soll + 9.0f * z, 0.01f) << z;
    }
}

} // namespace

namespace {

using namespace stageb_test;

TEST_F(StufeVonHand, SeepageCorrectedWeightsReachTheTrialPlanes) {
    // Water 2 m behind the wall and at the excavation level in front of it; the seepage iteration
    // has reduced the buoyant weight in front of the wall from 10 to 5 kN/m3. With 10 kN/m2 on the
    // bottom up to the wall, the passive force down to 2 m below the bottom is
    // (5 x 2 x 2 / 2 + 10 x 2) x Kp = 30 x 3 = 90 kN/m (120 with the uncorrected weight).
    P.ZWasserErd = 2.0f;
    P.ZWasserLuft = 4.0f;
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -50.0f;
    P.SohlLastX2[1] = 0.0f;
    P.SohlLastQ[1] = 10.0f;
    P.SohlLastZ[1] = 4.0f;
    zormcom::AushubSpeichern(1);
    zormcom::Lauf.kzStroem = 1;
    zorma::EingabeAuswerten();
    {
        std::ofstream f("zorz10", std::ios::binary);
        f << "1,1,10,10,.1,-.5\r\n11,5\r\n";
    }
    zormb::ErddruckBerechnen();
    vb::Close(zorma::kBerichtDateiNr);
    ASSERT_EQ(zormcom::Lauf.Eph.n, 38);
    EXPECT_FLOAT_EQ(zormcom::Lauf.Eph.z[12], 6.0f);
    EXPECT_NEAR(zormb::GleitErgebnis.E[12], -90.0f, 0.2f);
}

} // namespace

namespace {

// Froehlich's stress distribution under a line load q: the radial stress is
// C q cos^(nu - 2)(t) / r, with C from the vertical equilibrium of a half circle. The horizontal
// stress of a strip load at the wall follows by integrating p cos^(nu - 3)(t) sin^2(t) C over the
// angles t (from the vertical) that the strip subtends; evaluated here by Simpson's rule.
double FroehlichNumerisch(int nu, double p, double xA, double xE, double z) {
    const auto simpson = [](auto f, double a, double b) {
        const int n = 2000;
        const double h = (b - a) / n;
        double s = f(a) + f(b);
        for (int i = 1; i < n; ++i)
            s += (i % 2 == 1 ? 4.0 : 2.0) * f(a + i * h);
        return s * h / 3.0;
    };
    const double C =
        1.0 / simpson([&](double t) { return std::pow(std::cos(t), nu - 1); }, -M_PI / 2, M_PI / 2);
    return p * C *
           simpson([&](double t) { return std::pow(std::cos(t), nu - 3) * std::sin(t) * std::sin(t); },
                   std::atan(xA / z), std::atan(xE / z));
}

TEST(FroehlichVerteilung, EveryConcentrationFactorIntegratesTheDistribution) {
    for (int16_t nu = 3; nu <= 6; ++nu)
        for (float z : {0.4f, 1.5f, 6.0f})
            for (auto [xA, xE] : {std::pair{0.0f, 2.0f}, std::pair{1.0f, 3.0f}, std::pair{2.5f, 12.0f}})
                EXPECT_NEAR(zormb::FroehlichOrdinate(nu, 40.0f, xA, xE, z),
                            FroehlichNumerisch(nu, 40.0, xA, xE, z), 2e-4)
                    << "nu " << nu << " z " << z << " " << xA << ".." << xE;
}

} // namespace

namespace {

using namespace stageb_test;
using zormb::B;

TEST_F(StageB, SlopeBelowTheWallHeadWeighsItsMoistAndItsSubmergedPart) {
    // The ground rises from 4 m below the wall head at the wall to 1 m below it 4 m away; water at
    // 2.5 m: the surcharge is the weight of the 3 m of soil, 1.5 m moist and 1.5 m submerged:
    // 18 x 1.5 + 10 x 1.5 = 42 kN/m2.
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f}});
    P.ZWasserErd = 2.5f;
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 0.0f;
    P.BoeschZ1[1] = 4.0f;
    P.BoeschX2[1] = 4.0f;
    P.BoeschZ2[1] = 1.0f;
    P.BoeschGamma[1] = 20.0f;
    zormb::ErddruckBoeschung(B.Gz, B.SigmaV, B.SchichtSigma, 0.0f);
    EXPECT_FLOAT_EQ(B.Gz.z[B.Gz.n], 99.0f);
    EXPECT_NEAR(Wert(B.Gz, 99.0f), 42.0f, 1e-3f);
    EXPECT_NEAR(Wert(B.Gz, 3.9f), 0.0f, 1e-5f); // nothing above the ground at the wall
}

} // namespace
