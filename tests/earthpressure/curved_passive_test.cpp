// Passive coefficient for curved slip surfaces and the thinning of repeated depths.
#include "earthpressure/curved_passive.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "earthpressure/diagrams.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"

namespace {

const float g = static_cast<float>(3.141593 / 180.0);

float kp(float phiGrad, float deltaGrad, bool* ausserhalb = nullptr) {
    float K = 0;
    const bool a = zormb::KpCaquot(phiGrad * g, deltaGrad * g, 0, 0, K);
    if (ausserhalb) *ausserhalb = a;
    return K;
}

class KpCaquot : public ::testing::Test {
protected:
    void SetUp() override { zorm1::P.GradZuRad = g; }
    void TearDown() override { zorm1::P.GradZuRad = 0; }
};

// Kp(30, -30) = 5.561 and Kp(30, 0) = 2.999 match the published Caquot-Kerisel
// values 6.42 cos 30 and Rankine's 3.
TEST_F(KpCaquot, TableOfValues) {
    struct Fall {
        float phi, delta, K;
    };
    for (Fall f : {Fall{30, -30, 5.561f}, Fall{30, 0, 2.999f}, Fall{30, -20, 5.163f},
                   Fall{32.5f, -20, 5.981f}, Fall{35, -35, 8.357f}, Fall{40, -20, 9.758f}}) {
        bool aus = true;
        EXPECT_NEAR(kp(f.phi, f.delta, &aus), f.K, 0.0015f) << f.phi << " " << f.delta;
        EXPECT_FALSE(aus);
    }
}

TEST_F(KpCaquot, SignOfWallFrictionDoesNotMatter) {
    EXPECT_FLOAT_EQ(kp(30, 20), kp(30, -20));
}

TEST_F(KpCaquot, OutsideTableIsClampedAndSaid) {
    bool aus = false;
    // Full wall friction beyond phi: the reduction stays 1, the fit value scaled by cos.
    const float t = std::tan(30 * g);
    const float K = std::pow(10.0f, 0.275f * std::pow(t, 5.0f / 3.0f) + 1.1f * t);
    EXPECT_NEAR(kp(30, -36, &aus), K / std::cos(30 * g) * std::cos(36 * g), 2e-3);
    EXPECT_TRUE(aus);

    const float k62 = kp(62, -40, &aus);
    EXPECT_TRUE(aus);
    EXPECT_TRUE(std::isfinite(k62));
    EXPECT_GT(k62, kp(60, -40)); // no drop towards an empty row above 60 degrees

    const float k8 = kp(8, -5, &aus);
    EXPECT_TRUE(aus);
    EXPECT_GT(k8, 1.0f);

    kp(60, -40, &aus);
    EXPECT_FALSE(aus);
    kp(10, -10, &aus);
    EXPECT_FALSE(aus);
}

// Between 59.5 and 60 degrees the rounded row index is that of 60 degrees; the factor
// must still follow the 55..60 degree rows: at 59.5 and a ratio of 0.6 it is
// 0.401 + (0.290 - 0.401) * 4.5 / 5 = 0.3011, with no step against 59.49 degrees.
TEST_F(KpCaquot, SmoothUpToSixtyDegrees) {
    const auto fit = [](float phiGrad) {
        const double t = std::tan(phiGrad * static_cast<double>(g));
        return std::pow(10.0, 0.275 * std::pow(t, 5.0 / 3.0) + 1.1 * t);
    };
    const double phi = 59.5, delta = 0.6 * 59.5;
    const double soll = fit(59.5f) * 0.3011 / std::cos(phi * g) * std::cos(delta * g);
    EXPECT_NEAR(kp(59.5f, -0.6f * 59.5f), soll, 2e-3 * soll);
    const float davor = kp(59.49f, -0.6f * 59.49f);
    EXPECT_NEAR(kp(59.5f, -0.6f * 59.5f) / davor, 1.0, 0.005);
    // At 60 degrees exactly the 60-degree row: 0.290.
    EXPECT_NEAR(kp(60, -36), fit(60) * 0.290 / std::cos(60 * g) * std::cos(36 * g), 2e-3 * kp(60, -36));
}

// The fit 10^(0.275 tan^(5/3) phi + 1.1 tan phi) is about 10^28.5 at 85 degrees (tan 11.43) and
// 10^104 at 88 degrees (tan 28.64), far beyond a single: there the calculation is abandoned instead
// of carrying an infinite coefficient into the report and the hand-over files.
TEST_F(KpCaquot, BeyondTheRangeOfASingleTheCalculationIsAbandoned) {
    EXPECT_TRUE(std::isfinite(kp(85, 0)));
    EXPECT_GT(kp(85, 0), 1e27f);
    for (float phi : {88.0f, 89.9f}) {
        try {
            kp(phi, 0);
            ADD_FAILURE() << phi << ": no refusal";
        } catch (const zor::CalcAbort& e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("beim Reibungswinkel " + vb::StrPlain(phi) + " Grad nicht bestimmbar"),
                      std::string::npos)
                << m;
        }
    }
}

TEST(PunkteBereinigen, KeepsAtMostTwoPointsPerDepth) {
    zor::Ordinatenliste l;
    const float z[] = {0, 2, 2, 2, 5};
    for (int i = 0; i < 5; ++i) {
        l.z[i + 1] = z[i];
        l.e[i + 1] = static_cast<float>(i);
    }
    l.n = 5;
    l.z[6] = 42; // stale entries behind the count are cleared
    zormb::PunkteBereinigen(l);
    ASSERT_EQ(l.n, 4);
    EXPECT_EQ((std::array<float, 4>{l.z[1], l.z[2], l.z[3], l.z[4]}), (std::array<float, 4>{0, 2, 2, 5}));
    EXPECT_EQ((std::array<float, 4>{l.e[1], l.e[2], l.e[3], l.e[4]}), (std::array<float, 4>{0, 2, 3, 4}));
    EXPECT_EQ(l.z[6], 0.0f);

    zor::Ordinatenliste m;
    m.n = 3;
    m.z[1] = 0, m.z[2] = 1, m.z[3] = 1;
    m.e[1] = 5, m.e[2] = 6, m.e[3] = 7;
    zormb::PunkteBereinigen(m);
    EXPECT_EQ(m.n, 3);
    EXPECT_EQ(m.e[3], 7);
}

} // namespace
