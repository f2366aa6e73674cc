// Coulomb coefficients against textbook values, and layer means.
#include "earthpressure/coefficients.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr float grad = 3.14159265f / 180.0f;

struct Beiwerte {
    float Kagh, Kpgh, Kach, Kpch;
};

Beiwerte rechne(float phi, float deltaA, float deltaP, float beta = 0, float alpha = 0) {
    Beiwerte b{};
    float be = beta * grad;
    zormcom::ErddruckBeiwerte(phi * grad, alpha * grad, be, deltaA * grad, deltaP * grad, b.Kagh, b.Kpgh,
                              b.Kach, b.Kpch);
    return b;
}

TEST(ErddruckBeiwerte, RankineValuesWithoutWallFriction) {
    const Beiwerte b = rechne(30, 0, 0);
    EXPECT_NEAR(b.Kagh, 1.0 / 3.0, 2e-6);
    EXPECT_NEAR(b.Kpgh, 3.0, 2e-5);
    EXPECT_NEAR(b.Kach, 1.1547, 1e-4);
    EXPECT_NEAR(b.Kpch, 3.4641, 1e-4);
    // Without wall friction the cohesion coefficients are 2 sqrt(K).
    for (float phi : {20.0f, 27.5f, 35.0f}) {
        const Beiwerte c = rechne(phi, 0, 0);
        EXPECT_NEAR(c.Kach, 2 * std::sqrt(c.Kagh), 1e-5) << phi;
        EXPECT_NEAR(c.Kpch, 2 * std::sqrt(c.Kpgh), 1e-4) << phi;
    }
}

// Total Coulomb coefficients of the usual tables (vertical wall, level ground).
TEST(ErddruckBeiwerte, TextbookCoulombTable) {
    struct Fall {
        float phi, delta;
        bool passiv;
        double K;
    };
    const Fall faelle[] = {
        {28, 0, false, 0.3610}, {30, 5, false, 0.3189}, {32, 10, false, 0.2853},
        {26, 0, true, 2.561},   {30, -22, true, 6.675},
    };
    for (const Fall& f : faelle) {
        const Beiwerte b = f.passiv ? rechne(f.phi, 0, f.delta) : rechne(f.phi, f.delta, 0);
        const double total = (f.passiv ? b.Kpgh : b.Kagh) / std::cos(f.delta * grad);
        EXPECT_NEAR(total, f.K, 5e-4 * f.K) << f.phi << " " << f.delta;
    }
}

// Horizontal components of Coulomb's general coefficients, worked by hand from the
// textbook form with the wall inclination theta measured the other way (theta = -alpha):
//   Kah = cos^2(phi - theta) / (cos^2 theta (1 + sqrt(sin(phi + d) sin(phi - beta) /
//         (cos(d + theta) cos(theta - beta))))^2),
//   Kph likewise with cos^2(phi + theta), 1 - sqrt(...), sin(phi + d) sin(phi + beta).
TEST(ErddruckBeiwerte, SlopedGroundAndInclinedWall) {
    struct Fall {
        float phi, alpha, beta, deltaA, deltaP;
        bool passiv;
        double K;
    };
    const Fall faelle[] = {
        {30, 0, 10, 0, 0, false, 0.37368},  // ground rising 10 degrees behind the wall
        {30, 10, 0, 15, 0, false, 0.23626}, // wall back inclined (theta = -10)
        {32, 0, 15, 20, 0, false, 0.31802}, // slope and wall friction together
        {30, 0, 10, 0, 0, true, 4.0804},    // passive, ground rising
        {30, 0, 0, 0, -15, true, 4.8069},   // passive with wall friction: total 4.9765
    };
    for (const Fall& f : faelle) {
        const Beiwerte b = rechne(f.phi, f.deltaA, f.deltaP, f.beta, f.alpha);
        EXPECT_NEAR(f.passiv ? b.Kpgh : b.Kagh, f.K, 2e-4 * f.K)
            << f.phi << " " << f.alpha << " " << f.beta << " " << f.deltaA << " " << f.deltaP;
    }
}

TEST(ErddruckBeiwerte, SlopeAsSteepAsFrictionIsLowered) {
    const float phi = 30 * grad;
    float beta = phi;
    float Kagh = 0, Kpgh = 0, Kach = 0, Kpch = 0;
    zormcom::ErddruckBeiwerte(phi, 0, beta, 0, 0, Kagh, Kpgh, Kach, Kpch);
    EXPECT_FLOAT_EQ(beta, 0.999999f * phi);
    EXPECT_TRUE(std::isfinite(Kagh) && std::isfinite(Kpgh) && std::isfinite(Kach) && std::isfinite(Kpch));
    // With beta = phi Coulomb's active coefficient is cos^2 phi (the root vanishes).
    EXPECT_NEAR(Kagh, 0.75, 2e-3);

    float flach = 10 * grad;
    zormcom::ErddruckBeiwerte(phi, 0, flach, 0, 0, Kagh, Kpgh, Kach, Kpch);
    EXPECT_EQ(flach, 10 * grad);
}

TEST(ErddruckBeiwerte, PassiveCohesionWallFrictionLimited) {
    const Beiwerte b30 = rechne(30, 0, -30);
    const Beiwerte b20 = rechne(30, 0, -20);
    EXPECT_FLOAT_EQ(b30.Kpch, b20.Kpch);
    EXPECT_GT(b30.Kpgh, b20.Kpgh); // soil weight uses the full -30 degrees
}

// Coulomb's passive coefficient exists only while the root term of its denominator
// stays below 1; for a vertical wall and level ground with deltaP = -phi the term is
// sqrt(2) sin phi, so 45 degrees is the limit. Beyond it the formula gives finite but
// meaningless numbers (about 59 at 50 degrees), which must not reach the calculation.
TEST(ErddruckBeiwerte, PassiveWithoutPlaneWedgeIsNotDeterminable) {
    struct Fall {
        float phi, deltaP;
        bool kpghFehlt, kpchFehlt;
        double Kpgh, Kpch; // hand values where determinable
    };
    const double r = 3.14159265358979 / 180.0;
    const auto kpgh = [r](double phi) { // deltaP = -phi
        const double w = std::sqrt(2.0) * std::sin(phi * r);
        return std::pow(std::cos(phi * r), 2) / std::pow(1 - w, 2);
    };
    const auto kpch = [r](double phi, double dp) {
        return 2 * std::cos(phi * r) * std::cos(dp * r) / (1 - std::sin((phi - dp) * r));
    };
    const Fall faelle[] = {
        {44, -44, false, false, kpgh(44), kpch(44, -44.0 * 2 / 3)}, // 1669.6: huge, but a value
        {45, -45, true, false, 0, kpch(45, -30)},
        {50, -50, true, false, 0, kpch(50, -50.0 * 2 / 3)},
        {53, -53.0f * 2 / 3, false, false, -1, kpch(53, -53.0 * 2 / 3)},
        {54, -54, true, true, 0, 0}, // Kpch: 54 + 36 = 90 degrees
        {55, -55.0f * 2 / 3, true, true, 0, 0},
    };
    for (const Fall& f : faelle) {
        const Beiwerte b = rechne(f.phi, 0, f.deltaP);
        EXPECT_EQ(zormcom::BeiwertHinweis.KpghNichtBestimmbar, f.kpghFehlt) << f.phi;
        EXPECT_EQ(zormcom::BeiwertHinweis.KpchNichtBestimmbar, f.kpchFehlt) << f.phi;
        if (f.Kpgh >= 0) {
            EXPECT_NEAR(b.Kpgh, f.Kpgh, 2e-3 * (1 + f.Kpgh)) << f.phi;
        }
        EXPECT_NEAR(b.Kpch, f.Kpch, 2e-3 * (1 + f.Kpch)) << f.phi;
        EXPECT_TRUE(std::isfinite(b.Kagh) && b.Kagh > 0) << f.phi;
    }
    // The note belongs to the last call only.
    rechne(30, 0, -20);
    EXPECT_FALSE(zormcom::BeiwertHinweis.KpghNichtBestimmbar);
    EXPECT_FALSE(zormcom::BeiwertHinweis.KpchNichtBestimmbar);
}

TEST(SchichtMittel, ThicknessWeightedMeans) {
    const std::array<float, 3> V{0, 10, 20};
    const std::array<float, 4> K{0, 0, 2, 99};
    struct Fall {
        float a, b, soll;
    };
    for (Fall f : {Fall{1, 3, 15}, Fall{2, 4, 20}, Fall{0, 2, 10}, Fall{3, 3, 0}, Fall{0, 4, 15},
                   Fall{0.5f, 1.5f, 10}}) {
        float m = -1;
        zormcom::SchichtMittel(V, K, 2, f.a, f.b, m);
        EXPECT_NEAR(m, f.soll, 1e-4) << f.a << ".." << f.b;
    }
    // Three layers 0-1 (30), 1-4 (20), 4-99 (35): mean from 0.5 to 5 is
    // (0.5*30 + 3*20 + 1*35) / 4.5 = 110 / 4.5.
    const std::array<float, 4> V3{0, 30, 20, 35};
    const std::array<float, 5> K3{0, 0, 1, 4, 99};
    float m = 0;
    zormcom::SchichtMittel(V3, K3, 3, 0.5f, 5, m);
    EXPECT_NEAR(m, 110.0 / 4.5, 1e-4);
}

} // namespace
