// Rectangular section kernels and the shear design, against the parabola-rectangle stress block and hand
// calculations of a 1.0 m wide section h 0.80 m, d1 0.08 m (d = 0.72 m).
#include "design/rect_section.h"

#include <gtest/gtest.h>

#include <cmath>

#include "design/state.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "tests/design/design_fixture.h"

using zorm1::P;

namespace {

// Parabola-rectangle block (eps_c2 -2, eps_cu -3.5 per mille): area factor alpha and centroid factor k of
// the compression zone for an edge strain e (per mille, positive).
void Block(double e, double& alpha, double& k) {
    if (e <= 2.0) {
        alpha = e / 2 - e * e / 12;
        k = (8 - e) / (4 * (6 - e));
    } else {
        alpha = (3 * e - 2) / (3 * e);
        k = (e * (3 * e - 4) + 2) / (2 * e * (3 * e - 2));
    }
}

struct Blockzustand {
    double mu, omega, zeta, epsS;
};

// Strain states from "steel at its limit, concrete 0..-3.5" (t 0..1) to "concrete at -3.5, steel limit..0"
// (t 1..2); the state whose moment ratio is mu.
Blockzustand BlockFuer(double mu, double epsSu) {
    auto state = [epsSu](double t) {
        const double e = t <= 1 ? 3.5 * t : 3.5;
        const double es = t <= 1 ? epsSu : epsSu * (2 - t);
        double a, k;
        Block(e, a, k);
        const double xi = e / (e + es);
        const double w = a * xi;
        const double z = 1 - k * xi;
        return Blockzustand{w * z, w, z, es};
    };
    double lo = 1e-9, hi = 1.999;
    for (int i = 0; i < 200; ++i) {
        const double m = (lo + hi) / 2;
        (state(m).mu < mu ? lo : hi) = m;
    }
    return state((lo + hi) / 2);
}

class RechteckTest : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
    }
    void TearDown() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
    }
    struct Ergebnis {
        float As1, As2, asw;
    };
    static Ergebnis Tabelle(float M, float N, float V, float h = 0.8f, float d1 = 0.08f,
                            float aswVorher = -1.0f) {
        Ergebnis e{-5.0f, -5.0f, aswVorher};
        zormd::RechteckBemessungTabelle(M, N, V, h, d1, e.As1, e.As2, e.asw);
        return e;
    }
    static constexpr double fcd = 0.85 * 25 / 1.5;
    static constexpr double fyd = 500 / 1.15;
    static constexpr double d = 0.72;
};

TEST_F(RechteckTest, DesignTableRowsFollowTheParabolaRectangleBlock) {
    for (int i = 1; i <= 40; ++i) {
        const Blockzustand b = BlockFuer(i / 100.0, 25.0);
        SCOPED_TRACE(i);
        EXPECT_NEAR(zormd::BemessungsTabelle[i].omega, b.omega, 0.0006);
        EXPECT_NEAR(zormd::BemessungsTabelle[i].zeta, b.zeta, 0.0015);
    }
    EXPECT_FLOAT_EQ(zormd::BemessungsTabelle[0].omega, zormd::BemessungsTabelle[1].omega / 2);
    // Two rows by hand from the block: mu 0.10 -> 0.1057 / 0.946; mu 0.30 -> 0.3706 / 0.810 at eps_s 4.15.
    const Blockzustand b30 = BlockFuer(0.30, 25.0);
    EXPECT_NEAR(b30.epsS, 4.15, 0.01);
    EXPECT_NEAR(BlockFuer(0.10, 25.0).omega, 0.1057, 0.00006);
}

TEST_F(RechteckTest, PartialFactorsBendingAndShearOfTheExampleSection) {
    bemtest::BetonC25();
    // M 600: muEds = 0.6 / (0.72^2 * 14.1667) = 0.0817; the block gives omega 0.08550.
    const Ergebnis e = Tabelle(600.0f, 0.0f, 350.0f);
    const double omegaBlock = BlockFuer(0.6 / (d * d * fcd), 25.0).omega;
    EXPECT_NEAR(e.As1, 10000 * omegaBlock * d * fcd / fyd, 0.001 * 20.05);
    EXPECT_NEAR(e.As1, 20.05, 0.01);
    EXPECT_EQ(e.As2, 0.0f);
    // z = 0.9552 * 0.72 = 0.6877; VRd,c = 0.24 * 25^(1/3) * 0.6877 = 0.4826 MN >= 0.35: capped at 0.999 VEd,
    // cot theta 3.0, VRdmax = 0.75 * 14.1667 * 0.6877 / (3 + 1/3) * 1000 = 2192 kN.
    EXPECT_NEAR(zormd::BW.VRdC, 0.34965, 1e-5);
    EXPECT_FLOAT_EQ(zormd::BW.CotTheta, 3.0f);
    EXPECT_NEAR(zormd::BW.VRdmax, 2192.0, 1.0);
    EXPECT_NEAR(e.asw, 10 * 350 / (fyd * 0.6877 * 3.0), 0.01); // 3.90

    // V 1200: cot theta = 1.2 / (1 - 0.4826 / 1.2) = 2.007.
    const Ergebnis g = Tabelle(600.0f, 0.0f, 1200.0f);
    EXPECT_NEAR(zormd::BW.CotTheta, 2.007, 0.002);
    EXPECT_NEAR(zormd::BW.VRdmax, 2916.0, 2.0);
    EXPECT_NEAR(g.asw, 19.99, 0.02);
}

TEST_F(RechteckTest, PartialFactorsCompressionReinforcementAndItsLimit) {
    bemtest::BetonC25();
    // muEds 0.45: F2 = 0.11 * 0.72^2 * 14.1667 / 0.64 = 1.2623 MN; sigma2 = 700 (1 - 1.859 / 9) = 555 > fyd.
    const Ergebnis e = Tabelle(3304.8f, 0.0f, 0.0f);
    EXPECT_NEAR(e.As2, 29.03, 0.02);
    EXPECT_NEAR(e.As1, 132.0, 0.1);
    // The limit moment is 0.55 * 0.72^2 * 14.1667 * 1000 = 4039.2 kNm.
    const Ergebnis grenze = Tabelle(4039.0f, 0.0f, 100.0f);
    EXPECT_LT(grenze.As1, 999.0f);
    const Ergebnis ueber = Tabelle(4040.0f, 0.0f, 100.0f, 0.8f, 0.08f, 7.5f);
    EXPECT_EQ(ueber.As1, 999.0f);
    EXPECT_EQ(ueber.As2, 999.0f);
    EXPECT_EQ(ueber.asw, 7.5f); // not written
}

TEST_F(RechteckTest, PartialFactorsTensionExtrapolatesBelowRowZero) {
    bemtest::BetonC25();
    // M 0, N +1000: MEds = -0.32 * 1000 kNm, muEds = -0.0436; omega = 0.00505 + 0.505 muEds = -0.0170;
    // As1 = 10000 (omega d fcd + 1.0) / fyd = 19.02. The shear design runs: sigma_cd = 1.25, cot theta 3.0.
    const Ergebnis e = Tabelle(0.0f, 1000.0f, 100.0f);
    EXPECT_NEAR(e.As1, 19.02, 0.02);
    EXPECT_FLOAT_EQ(zormd::BW.CotTheta, 3.0f);
    EXPECT_NEAR(e.asw, 1.08, 0.01);
}

TEST_F(RechteckTest, PartialFactorsRowValuesAndEdgeCases) {
    bemtest::BetonC25();
    // M 0, N 0: row 0, As1 = 10000 * 0.00505 * d * fcd / fyd.
    EXPECT_NEAR(Tabelle(0.0f, 0.0f, 0.0f).As1, 10000 * 0.00505 * d * fcd / fyd, 1e-4);
    // muEds at a row value gives the row's own omega.
    const float M05 = static_cast<float>(0.05 * d * d * fcd * 1000);
    EXPECT_NEAR(Tabelle(M05, 0.0f, 0.0f).As1, 10000 * 0.0515 * d * fcd / fyd, 2e-4);

    // Zero shear force: asw 0, although CotTheta is still 0 from program start.
    ASSERT_EQ(zormd::BW.CotTheta, 0.0f);
    EXPECT_EQ(Tabelle(600.0f, 0.0f, 0.0f).asw, 0.0f);

    // Shotcrete: no shear design, the caller's asw stays.
    zormd::BW.SpritzbetonFlag = 1;
    EXPECT_EQ(Tabelle(600.0f, 0.0f, 350.0f, 0.8f, 0.08f, 2.5f).asw, 2.5f);
    zormd::BW.SpritzbetonFlag = 0;

    // No effective depth, or no room for compression steel: not designable, never a value that is no number.
    for (float d1 : {0.8f, 0.9f}) {
        const Ergebnis e = Tabelle(100.0f, 0.0f, 50.0f, 0.8f, d1, 3.0f);
        EXPECT_EQ(e.As1, 999.0f);
        EXPECT_EQ(e.asw, 3.0f);
    }
    EXPECT_EQ(Tabelle(50.0f, 0.0f, 0.0f, 0.2f, 0.1f).As1, 999.0f) << "muEds above 0.34 with d = d1";
    // Concrete strengths of the shear design not set: the shear is not designable.
    zormcom::Vorgaben.fcd = 0.0f;
    EXPECT_EQ(Tabelle(600.0f, 0.0f, 350.0f).asw, 999.0f);
}

TEST_F(RechteckTest, PartialFactorsRestoreTheStrengthsOnEveryPath) {
    bemtest::BetonC25();
    const float beton = zormd::BS.BetonFestigkeit, stahl = zormd::BS.StahlFestigkeit;
    for (float M : {0.0f, 600.0f, 3304.8f, 5000.0f}) {
        Tabelle(M, 0.0f, 350.0f);
        EXPECT_EQ(zormd::BS.BetonFestigkeit, beton);
        EXPECT_EQ(zormd::BS.StahlFestigkeit, stahl);
    }
    // Many calls leave them exactly as they were (multiplying back would drift by rounding).
    for (int i = 0; i < 1000; ++i)
        Tabelle(600.0f, 0.0f, 350.0f);
    EXPECT_EQ(zormd::BS.BetonFestigkeit, beton);
    EXPECT_EQ(zormd::BS.StahlFestigkeit, stahl);
}

TEST_F(RechteckTest, ShearStrutAngleCases) {
    bemtest::BetonC25();
    float M = 0, V = 350, N = 0, b = 1, z = 0.6877f, h = 0.8f;
    // Fixed strut angle: CotTheta 1.2 afterwards, VRdmax of the limited free angle.
    P.CotThetaWahl = 1;
    zormd::Querkraftbemessung(M, V, N, b, z, h);
    EXPECT_FLOAT_EQ(zormd::BW.CotTheta, 1.2f);
    EXPECT_NEAR(zormd::BW.VRdmax, 2192.0, 1.0);
    P.CotThetaWahl = 0;
    // A tension above 1.2 / 1.4 fcd makes the numerator negative: cot theta 0.58.
    N = 20000.0f;
    zormd::Querkraftbemessung(M, V, N, b, z, h);
    EXPECT_FLOAT_EQ(zormd::BW.CotTheta, 0.58f);
    // V = 0 keeps the values of the previous call.
    const zormd::Bemessungswerte vorher = zormd::BW;
    V = 0.0f;
    zormd::Querkraftbemessung(M, V, N, b, z, h);
    EXPECT_EQ(zormd::BW.CotTheta, vorher.CotTheta);
    EXPECT_EQ(zormd::BW.VRdC, vorher.VRdC);
    EXPECT_EQ(zormd::BW.VRdmax, vorher.VRdmax);
}

class GlobalTest : public RechteckTest {
protected:
    struct Global {
        float As1, As2, asw, tau0, tau;
    };
    static Global Rechne(float M, float V, float h = 0.8f, float d1 = 0.08f) {
        Global g{-5, -5, -5, -5, -5};
        zormd::RechteckBemessungGlobal(M, V, h, d1, g.As1, g.As2, g.asw, g.tau0, g.tau);
        return g;
    }
};

TEST_F(GlobalTest, ExampleSectionAgainstTheBlockOf1988) {
    bemtest::BetonB25();
    // mu = 0.35 / (0.72^2 * 17.5) = 0.03858; zeta = 0.98 - 0.9375 mu = 0.9438; tau0 = 0.2 / (0.9438 * 0.72)
    // = 0.2943; tau = max(tau0^2 / 1.8, 0.4 tau0) = 0.1177; asw = 10000 * 1.75 * tau / 500 = 4.12.
    const Global g = Rechne(350.0f, 200.0f);
    EXPECT_NEAR(g.As1, 18.11, 0.01);
    EXPECT_EQ(g.As2, 0.0f);
    const double mu = 0.35 / (d * d * 17.5);
    const double asBlock = 10000 * BlockFuer(1.75 * mu, 5.0).omega * d * 17.5 / 500;
    EXPECT_NEAR(g.As1, asBlock, 0.003 * asBlock); // the block gives 18.09
    EXPECT_NEAR(g.tau0, 0.2943, 1e-4);
    EXPECT_NEAR(g.tau, 0.1177, 1e-4);
    EXPECT_NEAR(g.asw, 4.12, 0.005);
}

TEST_F(GlobalTest, PolynomialStaysCloseToTheBlock) {
    bemtest::BetonB25();
    struct Bereich {
        double von, bis, toleranz;
    };
    for (const Bereich& b : {Bereich{0.035, 0.193, 0.003}, Bereich{0.02, 0.035, 0.007}}) {
        for (double mu = b.von; mu <= b.bis + 1e-9; mu += (b.bis - b.von) / 10) {
            const float M = static_cast<float>(mu * d * d * 17.5 * 1000);
            const double asBlock = 10000 * BlockFuer(1.75 * mu, 5.0).omega * d * 17.5 / 500;
            SCOPED_TRACE(mu);
            EXPECT_NEAR(Rechne(M, 0.0f).As1, asBlock, b.toleranz * asBlock);
        }
    }
}

TEST_F(GlobalTest, RangesAndLimits) {
    bemtest::BetonB25();
    // M 0: nothing needed, zeta 0.98.
    const Global null = Rechne(0.0f, 200.0f);
    EXPECT_EQ(null.As1, 0.0f);
    EXPECT_EQ(null.As2, 0.0f);
    EXPECT_NEAR(null.tau0, 0.2 / (0.98 * 0.72), 1e-6);
    // mu 0.3 with compression steel: F2 = 1750 * 0.107 * 0.72^2 * 17.5 / 0.64 = 2652 kN;
    // sigma2 = 735 (1 - 1.857 / 9) = 583.3 -> fs2 500; As2 = 10 * 2652 / 500 = 53.0;
    // As1 = 10000 (0.436 * 0.72 * 17.5 + 2.652) / 500 = 162.9; zeta 0.78.
    const float M30 = 0.3f * 0.72f * 0.72f * 17.5f * 1000.0f;
    const Global c = Rechne(M30, 200.0f);
    EXPECT_NEAR(c.As2, 53.04, 0.05);
    EXPECT_NEAR(c.As1, 162.9, 0.1);
    EXPECT_NEAR(c.tau0, 0.2 / (0.78 * 0.72), 1e-5);
    // mu above 0.4: 999, the shear part still runs.
    const Global ueber = Rechne(M30 * 1.4f, 200.0f);
    EXPECT_EQ(ueber.As1, 999.0f);
    EXPECT_EQ(ueber.As2, 999.0f);
    EXPECT_NEAR(ueber.asw, 10000 * 1.75 * 0.4 * (0.2 / (0.78 * 0.72)) / 500, 0.01);
    // tau0 equal to zulTau02 is still designed with tau = tau0; above it 999 and tau untouched.
    const Global grenze = Rechne(0.0f, 1.8f * 0.98f * 0.72f * 1000.0f);
    zormd::BS.zulTau02 = grenze.tau0;
    const Global gleich = Rechne(0.0f, 1.8f * 0.98f * 0.72f * 1000.0f);
    EXPECT_EQ(gleich.tau, gleich.tau0);
    EXPECT_NEAR(gleich.asw, 10000 * 1.75 * gleich.tau0 / 500, 1e-3);
    zormd::BS.zulTau02 = 1.8f;
    const Global zuHoch = Rechne(0.0f, 2000.0f);
    EXPECT_EQ(zuHoch.asw, 999.0f);
    EXPECT_EQ(zuHoch.tau, -5.0f);
}

TEST_F(GlobalTest, UndesignableSectionsGive999) {
    bemtest::BetonB25();
    // No effective depth.
    const Global ohneHoehe = Rechne(100.0f, 50.0f, 0.08f, 0.08f);
    EXPECT_EQ(ohneHoehe.As1, 999.0f);
    EXPECT_EQ(ohneHoehe.As2, 999.0f);
    EXPECT_EQ(ohneHoehe.asw, 999.0f);
    // No permissible shear stress (class not set): the shear is not designable, also for V = 0.
    zormd::BS.zulTau02 = 0.0f;
    const Global ohneTau = Rechne(100.0f, 0.0f);
    EXPECT_EQ(ohneTau.asw, 999.0f);
    EXPECT_EQ(ohneTau.tau, -5.0f);
    EXPECT_GT(ohneTau.As1, 0.0f);
}

} // namespace
