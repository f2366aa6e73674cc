// Earth pressure from soil weight and cohesion, minimum earth pressure, negative part.
#include "earthpressure/coefficients.h"
#include "earthpressure/soil_pressure.h"
#include "earthpressure/state.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::B;

class SoilPressure : public StageB {
protected:
    static void KeineZusatzspannung() {
        B.Gz.n = 2;
        B.Gz.z[1] = 0.0f;
        B.Gz.e[1] = 0.0f;
        B.Gz.z[2] = 99.0f;
        B.Gz.e[2] = 0.0f;
    }
    // Coefficients of layer i as stage a computes them for active pressure without at-rest share.
    static void Beiwerte(int i) {
        float beta = 0, ka = 0, kp = 0, kac = 0, kpc = 0;
        zormcom::ErddruckBeiwerte(P.SchichtPhi[i], 0.0f, beta, P.SchichtDeltaA[i], 0.0f, ka, kp, kac, kpc);
        zormcom::Lauf.SchichtKagh[i] = ka;
        zormcom::Lauf.SchichtKach[i] = kac;
        zormcom::Lauf.SchichtKaAnteil[i] = (1.0f - P.RuheProz / 100.0f) * ka;
        zormcom::Lauf.SchichtK0Anteil[i] = P.RuheProz * (1.0f - std::sin(P.SchichtPhi[i])) / 100.0f;
    }
};

TEST_F(SoilPressure, WaterLevelSplitsLayerAndLayerStressesFollow) {
    Schichten({{3.0f, 30.0f, 18.0f, 8.0f}, {0.0f, 30.0f, 20.0f, 10.0f}});
    P.ZWasserErd = 5.0f;
    zormb::SchichtgrenzeEinfuegen(5.0f);
    ASSERT_EQ(P.AnzErd, 3);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[3], 5.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[4], 99.0f);
    EXPECT_FLOAT_EQ(P.SchichtDicke[2], 2.0f);
    EXPECT_FLOAT_EQ(P.SchichtDicke[3], 94.0f);
    EXPECT_FLOAT_EQ(P.SchichtGamma[3], 20.0f);

    KeineZusatzspannung();
    zormb::ErddruckBoden(0);
    const float z[] = {0, 3, 3, 5, 5, 99};
    const float s[] = {0, 54, 54, 94, 94, 1034};
    ASSERT_EQ(B.SchichtSigma.n, 6);
    for (int k = 0; k < 6; ++k) {
        EXPECT_FLOAT_EQ(B.SchichtSigma.z[k + 1], z[k]) << k;
        EXPECT_FLOAT_EQ(B.SchichtSigma.e[k + 1], s[k]) << k;
    }
    // The acting unit weight and its change at the water level.
    EXPECT_FLOAT_EQ(P.SchichtGamma[3], 10.0f);
    EXPECT_FLOAT_EQ(P.SchichtGammaAuftrieb[3], 10.0f);
    EXPECT_FLOAT_EQ(P.SchichtGammaAuftrieb[2], -10.0f);
}

TEST_F(SoilPressure, WaterLevelOnABoundaryOrOutsideSplitsNothing) {
    for (float w : {3.0005f, 2.9995f, 0.0f}) {
        Schichten({{3.0f, 30.0f, 18.0f, 8.0f}, {0.0f, 30.0f, 20.0f, 10.0f}});
        zormb::SchichtgrenzeEinfuegen(w);
        EXPECT_EQ(P.AnzErd, 2) << w;
    }
}

TEST_F(SoilPressure, LayersBeyondTheExcavationSideTableAndBeyondTheArrays) {
    // A thirteenth layer (the substitute anchor wall adds layers of its own) splits like any other.
    std::vector<Schicht> s(12, Schicht{1.0f, 30.0f, 18.0f, 10.0f});
    s[11].gamma = 21.0f;
    Schichten(s);
    zormb::SchichtgrenzeEinfuegen(20.5f);
    ASSERT_EQ(P.AnzErd, 13);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[13], 20.5f);
    EXPECT_FLOAT_EQ(P.SchichtGamma[13], 21.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[14], 99.0f);
    // No room for a thirtieth layer: the calculation is abandoned and the table stays.
    Schichten(std::vector<Schicht>(29, Schicht{1.0f, 30.0f, 18.0f, 10.0f}));
    EXPECT_THROW(zormb::SchichtgrenzeEinfuegen(40.5f), zor::CalcAbort);
    EXPECT_EQ(P.AnzErd, 29);
}

TEST_F(SoilPressure, LayerOfAPointAtJumpsAndBoundaries) {
    Schichten({{3.0f, 30.0f, 18.0f, 8.0f}, {0.0f, 30.0f, 20.0f, 10.0f}});
    zor::Ordinatenfeld z{};
    const float sprung[] = {0, 0, 3, 3, 5};
    for (int i = 1; i <= 4; ++i)
        z[i] = sprung[i];
    EXPECT_EQ(zormb::SchichtVonPunkt(1, z), 1);
    EXPECT_EQ(zormb::SchichtVonPunkt(2, z), 1); // upper point of the jump
    EXPECT_EQ(zormb::SchichtVonPunkt(3, z), 2); // lower point of the jump
    EXPECT_EQ(zormb::SchichtVonPunkt(4, z), 2);
    zor::Ordinatenfeld y{};
    y[1] = 0;
    y[2] = 3;
    y[3] = 5;
    EXPECT_EQ(zormb::SchichtVonPunkt(2, y), 1); // a single point on a boundary: the layer above
    y[4] = 100.0f;
    EXPECT_EQ(zormb::SchichtVonPunkt(4, y), 3); // below the last layer
}

TEST_F(SoilPressure, HomogeneousCohesiveLayerFollowsCoulombAndTheMinimum) {
    // phi 30, delta 0: Kagh = 1/3, Kach = 2 cos30 / (1 + sin30) = 1.1547;
    // e = 18 z / 3 - 10 x 1.1547 = 6 z - 11.547; zero at 1.9245 m.
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f, 10.0f}});
    Beiwerte(1);
    KeineZusatzspannung();
    zormb::ErddruckBoden(0);
    EXPECT_NEAR(Wert(B.Eah, 0.0f), -11.547f, 0.002f);
    EXPECT_NEAR(Wert(B.Eah, 99.0f), 6.0f * 99.0f - 11.547f, 0.05f);

    // Minimum 0.2 x 18 z governs down to 3.6 z = 6 z - 11.547, z = 4.811 m (listed twice).
    P.MinEah = 0.2f;
    zormb::Mindesterddruck(1.0f);
    int doppelt = 0;
    for (int k = 1; k < B.Eah.n; ++k)
        if (B.Eah.z[k] == B.Eah.z[k + 1] && std::fabs(B.Eah.z[k] - 4.8113f) < 0.001f) ++doppelt;
    EXPECT_EQ(doppelt, 1);
    EXPECT_NEAR(Wert(B.Eah, 0.0f), 0.0f, 1e-4f);
    EXPECT_NEAR(Wert(B.Eah, 2.0f), 7.2f, 0.01f);
    EXPECT_NEAR(Wert(B.Eah, 4.8113f), 17.32f, 0.01f);
    EXPECT_NEAR(Wert(B.Eah, 10.0f), 48.453f, 0.02f);

    // The negative part before the minimum, with its zero crossing twice.
    EXPECT_NEAR(Wert(B.EahNeg, 0.0f), -11.547f, 0.002f);
    EXPECT_NEAR(Wert(B.EahNeg, 1.0f), -5.547f, 0.01f);
    EXPECT_NEAR(Wert(B.EahNeg, 50.0f), 0.0f, 1e-5f);
    int null = 0;
    for (int k = 1; k <= B.EahNeg.n; ++k)
        if (std::fabs(B.EahNeg.z[k] - 1.9245f) < 0.001f) ++null;
    EXPECT_EQ(null, 2);

    // Without loads the limited-load list is the negative part cut at 0: zeros.
    zormcom::Lauf.AnzLastErd = 0;
    zormb::NegativeAbschneiden();
    for (int k = 1; k <= B.BegrLast.n; ++k)
        EXPECT_EQ(B.BegrLast.e[k], 0.0f) << k;
    EXPECT_FLOAT_EQ(B.BegrLast.z[B.BegrLast.n], 99.0f);
}

TEST_F(SoilPressure, GivenCoefficientSuspendsTheMinimumInItsLayer) {
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f, 10.0f}});
    Beiwerte(1);
    P.SchichtKaghVorgabe[1] = 1.0f / 3.0f;
    KeineZusatzspannung();
    zormb::ErddruckBoden(0);
    P.MinEah = 0.2f;
    zormb::Mindesterddruck(1.0f);
    // No 0.2 sigma_v there: only the tension is cut off (0 instead of 3.6 kN/m2 at 1 m).
    EXPECT_NEAR(Wert(B.Eah, 0.0f), 0.0f, 1e-5f);
    EXPECT_NEAR(Wert(B.Eah, 1.0f), 0.0f, 1e-5f);
    EXPECT_NEAR(Wert(B.Eah, 2.0f), 0.453f, 0.01f);
}

TEST_F(SoilPressure, LimitedLoadsFirstTakeUpTheSoilsTension) {
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f, 10.0f}});
    Beiwerte(1);
    KeineZusatzspannung();
    zormb::ErddruckBoden(0);
    zormb::Mindesterddruck(1.0f);
    // 5 kN/m2 between 1 and 3 m.
    zormcom::Lauf.AnzLastErd = 1;
    const float z[] = {0, 1, 1, 3, 3, 99}, e[] = {0, 0, 5, 5, 0, 0};
    B.BegrLast.n = 6;
    for (int k = 0; k < 6; ++k) {
        B.BegrLast.z[k + 1] = z[k];
        B.BegrLast.e[k + 1] = e[k];
    }
    zormb::NegativeAbschneiden();
    const auto w = [](float t) { return Wert(B.BegrLast, t); };
    EXPECT_NEAR(w(0.5f), 0.0f, 1e-5f);
    EXPECT_NEAR(w(1.05f), 0.0f, 1e-4f);         // 5 - 5.547 + 0.3 < 0
    EXPECT_NEAR(w(1.5f), 5.0f - 2.547f, 0.01f); // soil tension taken up
    EXPECT_NEAR(w(2.5f), 5.0f, 1e-4f);          // below the soil's zero point
    EXPECT_NEAR(w(4.0f), 0.0f, 1e-5f);
    // The zero crossing of the sum at 1 + 0.9245 x 0.547 / 5.547 = 1.0912 m is listed twice.
    int null = 0;
    for (int k = 1; k <= B.BegrLast.n; ++k)
        if (std::fabs(B.BegrLast.z[k] - 1.0912f) < 0.001f) ++null;
    EXPECT_EQ(null, 2);
}

TEST_F(SoilPressure, PartialFactorsAndAtRestShare) {
    // 50 % at rest: e = gamG (sv Ka / 2 - c Kach / 2) + sv (1 - sin30) / 2 gamE0g.
    P.TeilsicherheitenAn = 1;
    P.Erddruckart = 1;
    P.RuheProz = 50.0f;
    P.gamG = 1.35f;
    P.gamE0g = 1.2f;
    P.gamGBSP = 1.35f;
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f, 10.0f}});
    Beiwerte(1);
    KeineZusatzspannung();
    zormb::ErddruckBoden(0);
    const float sv = 18.0f * 99.0f;
    const float a = 1.35f * (sv / 6.0f - 0.5f * 10.0f * 1.1547f);
    const float b = sv * 0.25f * 1.2f;
    EXPECT_NEAR(Wert(B.Eah, 99.0f), a + b, 0.05f);
    // Effective factor: design over characteristic sums of the two points (0 and 99 m).
    const float a0 = 1.35f * (-0.5f * 10.0f * 1.1547f);
    EXPECT_NEAR(B.gamEMisch, (a0 + a + b) / ((a0 + a) / 1.35f + b / 1.2f), 1e-3f);
}

TEST_F(SoilPressure, SubstituteWallVariantUsesPlainCoulombWithoutWallFriction) {
    // Variant 1: Kagh and Kach without wall friction (1/3 and 1.1547 for phi 30) whatever the
    // layer holds; the unit weights are not rearranged.
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f, 10.0f, 20.0f}});
    zormcom::Lauf.SchichtKaAnteil[1] = 0.9f;
    P.ZWasserErd = 0.0f;
    KeineZusatzspannung();
    zormb::ErddruckBoden(1);
    EXPECT_FLOAT_EQ(P.SchichtGamma[1], 18.0f);
    EXPECT_NEAR(Wert(B.Eah, 99.0f), 18.0f * 99.0f / 3.0f - 11.547f, 0.05f);
    // With partial factors and an at-rest share the at-rest part (1 - sin phi) is mixed in.
    P.TeilsicherheitenAn = 1;
    P.RuheProz = 50.0f;
    zormb::ErddruckBoden(1);
    EXPECT_NEAR(Wert(B.Eah, 99.0f), (18.0f * 99.0f / 3.0f - 11.547f) * 0.5f + 18.0f * 99.0f * 0.25f, 0.05f);
}

} // namespace
