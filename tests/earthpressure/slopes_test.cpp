// Earth-side slopes as additional vertical stress.
#include "earthpressure/coefficients.h"
#include "earthpressure/slopes.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::B;

class Slopes : public StageB {
protected:
    void SetUp() override {
        StageB::SetUp();
        Schichten({{0.0f, 30.0f, 18.0f, 10.0f, 0.0f, 20.0f}});
    }
    static void Boeschung(int k, float x1, float z1, float x2, float z2, float gamma) {
        if (P.AnzBoesch < k) P.AnzBoesch = static_cast<int16_t>(k);
        P.BoeschX1[k] = x1;
        P.BoeschZ1[k] = z1;
        P.BoeschX2[k] = x2;
        P.BoeschZ2[k] = z2;
        P.BoeschGamma[k] = gamma;
        P.BoeschPhi[k] = 30.0f;
    }
    static void Rechnen() { zormb::ErddruckBoeschung(B.Gz, B.SigmaV, B.SchichtSigma, 0.0f); }
    static float Gz(float t) { return Wert(B.Gz, t); }
    // The list contract: from the wall head to 99, depths at least 1 cm apart.
    static void Vertrag() {
        ASSERT_GE(B.Gz.n, 2);
        EXPECT_FLOAT_EQ(B.Gz.z[1], 0.0f);
        EXPECT_FLOAT_EQ(B.Gz.z[B.Gz.n], 99.0f);
        for (int i = 1; i < B.Gz.n; ++i)
            EXPECT_GE(B.Gz.z[i + 1] - B.Gz.z[i], 0.0099f) << i;
    }
};

TEST_F(Slopes, NoSlopeAndSlopesWithoutWeightOrHeight) {
    Rechnen();
    EXPECT_EQ(B.Gz.n, 2);
    EXPECT_FLOAT_EQ(Gz(50.0f), 0.0f);
    Boeschung(1, 0.0f, 0.0f, 4.0f, -2.0f, 0.0f);   // no unit weight
    Boeschung(2, 4.0f, -2.0f, 8.0f, -2.0f, 18.0f); // level
    Rechnen();
    Vertrag();
    EXPECT_FLOAT_EQ(Gz(99.0f), 0.0f);
}

TEST_F(Slopes, RisingSlopeFromTheWallHead) {
    // 2 m high, gamma 18: q = 36. beta = atan(2/4) = 26.57 deg; r = Kagh(beta)/Kagh(0) = 1.764,
    // m2 = 1/(r - 1) = 1.309, so the surcharge is complete at 2 x 1.309 = 2.62 m.
    Boeschung(1, 0.0f, 0.0f, 4.0f, -2.0f, 18.0f);
    float b0 = 0.0f, bS = std::atan(0.5f), ka0 = 0, kaS = 0, kp = 0, kac = 0, kpc = 0;
    zormcom::ErddruckBeiwerte(30.0f * kGrad, 0.0f, b0, 20.0f * kGrad, 0.0f, ka0, kp, kac, kpc);
    zormcom::ErddruckBeiwerte(30.0f * kGrad, 0.0f, bS, 20.0f * kGrad, 0.0f, kaS, kp, kac, kpc);
    const float zEnd = 2.0f / (kaS / ka0 - 1.0f);
    EXPECT_NEAR(kaS / ka0, 1.764f, 0.001f);
    Rechnen();
    Vertrag();
    EXPECT_NEAR(zEnd, 2.62f, 0.005f);
    EXPECT_NEAR(Gz(zEnd), 36.0f, 0.01f);
    EXPECT_NEAR(Gz(zEnd / 2.0f), 18.0f, 0.3f); // the duplicate points at 0 are spread by 1 cm
    EXPECT_NEAR(Gz(99.0f), 36.0f, 1e-4f);
    EXPECT_NEAR(B.Gz.z[2], 0.01f, 1e-6f);
}

TEST_F(Slopes, WaterAboveTheSegmentMakesAllOfItBuoyant) {
    // Segment from 4 m up to 1 m below the wall head, water at 0.5 m: the whole 3 m lie under water,
    // so the unit weight is the buoyant 10 and the full surcharge is 3 x 10 = 30.
    P.ZWasserErd = 0.5f;
    Boeschung(1, 0.0f, 4.0f, 4.0f, 1.0f, 18.0f);
    Rechnen();
    Vertrag();
    EXPECT_NEAR(Gz(99.0f), 30.0f, 1e-3f);
}

TEST_F(Slopes, FallingFirstSlopeRelievesBetweenItsSlipLines) {
    // Ground falls 1 m from x = 2 to x = 4: q = -18 from 2 tan60 = 3.46 m to 4 tan60 + 1 = 7.93 m.
    Boeschung(1, 2.0f, 0.0f, 4.0f, 1.0f, 18.0f);
    Rechnen();
    Vertrag();
    EXPECT_NEAR(Gz(3.0f), 0.0f, 1e-5f);
    EXPECT_NEAR(Gz(4.0f * std::tan(60.0f * kGrad) + 1.0f), -18.0f, 0.01f);
    EXPECT_NEAR(Gz(50.0f), -18.0f, 1e-4f);
}

TEST_F(Slopes, FallingSlopeAboveTheWallHeadBehindARisingOneRelieves) {
    // Without wall friction (one layer phi 30). Slope 1 rises 3 m over 4 m: q = 54, complete at
    // 3 m tan30 / tan36.87 with m = 1 / (r - 1); its angle, limited to phi, is lowered to
    // 0.999999 phi for the coefficient: r = cos^2 30 / (1 + sqrt(sin(30 - 0.999999 x 30) sin30 /
    // cos 30))^2 x 3 = 2.2475, m = 0.8016, complete at 1.8512 m. The three points at the wall head
    // are kept 1 cm apart, so the ramp starts at 2 cm. Slope 2 falls 2 m from (4, -3) to (8, -1): a negative
    // surcharge -36 taken from its lower end (8, -1) with beta = atan(2/4):
    // Ka(beta) = cos^2 30 / (1 + sqrt(sin30 sin(30 - beta) / cos beta))^2 = 0.5359, r = 1.6077,
    // m = 1.6456; d = 4 x 0.5 = 2, zA = -1 + 2 = 1, zE1 = 1 + 2 m = 4.291, zEnd = zE1 + 2 m = 7.582.
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f}});
    Boeschung(1, 0.0f, 0.0f, 4.0f, -3.0f, 18.0f);
    Boeschung(2, 4.0f, -3.0f, 8.0f, -1.0f, 18.0f);
    Rechnen();
    Vertrag();
    EXPECT_NEAR(Gz(1.0f), 54.0f * 0.98f / (1.8512f - 0.02f), 0.01f);
    EXPECT_NEAR(Gz(4.25f), 54.0f, 1e-3f);
    EXPECT_NEAR(Gz((4.2911f + 7.5822f) / 2.0f), 36.0f, 0.1f); // ramp 1 cm lower: list spacing
    EXPECT_NEAR(Gz(7.6f), 18.0f, 1e-3f);
    EXPECT_NEAR(Gz(99.0f), 18.0f, 1e-3f);
}

TEST_F(Slopes, RampBeyond99IsCutInProportion) {
    // Ramp from 2 tan60 = 3.46 m to 60 tan60 + 1 = 104.9 m: cut at 99 with the ordinate reduced.
    Boeschung(1, 2.0f, 0.0f, 60.0f, 1.0f, 18.0f);
    Rechnen();
    Vertrag();
    const float z1 = 2.0f * std::tan(60.0f * kGrad), zE = 60.0f * std::tan(60.0f * kGrad) + 1.0f;
    EXPECT_NEAR(Gz(99.0f), -18.0f * (99.0f - z1) / (zE - z1), 0.01f);
}

} // namespace

namespace {

using namespace stageb_test;
using zormb::B;

TEST_F(StageB, SlopesOverASoilWithoutFriction) {
    // phi = 0: the ratio of the active coefficients tends to 1 + 2 phi and the transition depth
    // of a rising slope from the wall head to |dz| / (2 tan beta) = 2 / (2 x 0.5) = 2 m; a
    // falling first slope acts between its 45 degree lines from x = 2 and x = 4 (+ 1 m).
    Schichten({{0.0f, 0.0f, 18.0f, 10.0f, 20.0f}});
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 0.0f;
    P.BoeschZ1[1] = 0.0f;
    P.BoeschX2[1] = 4.0f;
    P.BoeschZ2[1] = -2.0f;
    P.BoeschGamma[1] = 18.0f;
    const auto rechnen = [] {
        zormb::ErddruckBoeschung(B.Gz, B.SigmaV, B.SchichtSigma, 0.0f);
        ASSERT_GE(B.Gz.n, 2);
        EXPECT_FLOAT_EQ(B.Gz.z[B.Gz.n], 99.0f);
        for (int i = 1; i < B.Gz.n; ++i)
            EXPECT_GE(B.Gz.z[i + 1] - B.Gz.z[i], 0.0099f) << i;
    };
    const auto gz = [](float t) { return Wert(B.Gz, t); };
    rechnen();
    EXPECT_NEAR(gz(1.0f), 18.0f, 0.3f);
    EXPECT_NEAR(gz(2.1f), 36.0f, 1e-3f);

    P.BoeschX1[1] = 2.0f;
    P.BoeschZ1[1] = 0.0f;
    P.BoeschZ2[1] = 1.0f;
    rechnen();
    EXPECT_NEAR(gz(1.9f), 0.0f, 1e-5f);
    EXPECT_NEAR(gz(3.5f), -9.0f, 0.05f); // the ramp begins 1 cm lower (spacing of the list)
    EXPECT_NEAR(gz(5.1f), -18.0f, 1e-3f);
}

} // namespace
