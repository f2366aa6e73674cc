// Vertical stress below the excavation and the earth resistance of soldier piles after Weißenbach.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "earthpressure/diagrams.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/errors.h"
#include "statics/soldier_piles.h"
#include "statics/state.h"
#include "statics/vertical_stress.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using namespace zormc;
constexpr float kGrad = 3.14159265f / 180.0f;

class Sohle : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectData();
        zor::LaufZuruecksetzen();
        P.GradZuRad = kGrad;
        P.AnzErd = 1;
        zormcom::Lauf.SchichtKote[1] = 0.0f;
        zormcom::Lauf.SchichtKote[2] = 99.0f;
        P.SchichtDicke[1] = 99.0f;
        P.SchichtGammaAush[1] = 18.0f;
        P.SchichtGammaAuftriebAush[1] = 10.0f;
        P.ZWasserLuft = 99.0f;
        P.ZWasserErd = 99.0f;
    }
    static float Spannung(float z) {
        float y = 0.0f;
        Interpolieren(St.Gz.z, St.Gz.e, St.Gz.n, z, y);
        return y;
    }
};

// One layer (moist 18, buoyant 10) counted from 4 m: 18 (z - 4), 1710 at 99; excavation-side water
// at 6 (earth side 2): split at 6, 36 there, +10 per metre below (966 at 99); both water levels at
// 6: no split, the layer 4-99 lies below the water as a whole (950 at 99).
TEST_F(Sohle, StressBelowTheExcavationLevel) {
    struct Fall {
        float zWLuft, zWErd, bei6, bei99;
        int schichten;
    };
    for (Fall f : {Fall{99.0f, 99.0f, 36.0f, 1710.0f, 3}, Fall{6.0f, 2.0f, 36.0f, 966.0f, 4},
                   Fall{6.0f, 6.0f, 20.0f, 950.0f, 3}}) {
        SetUp();
        P.ZWasserLuft = f.zWLuft;
        P.ZWasserErd = f.zWErd;
        St.BezugsTiefe = 4.0f;
        VertikalspannungUnterSohle();
        EXPECT_EQ(St.AushSchichtAnz, f.schichten) << f.zWLuft;
        EXPECT_EQ(St.AushSchichtKote[2], 4.0f);
        EXPECT_EQ(St.AushSchichtKote[3], 4.0f);
        EXPECT_EQ(St.AushSchichtDicke[2], 0.0f);
        EXPECT_EQ(St.AushSchichtKote[St.AushSchichtAnz + 1], 99.0f);
        EXPECT_EQ(Spannung(3.0f), 0.0f);
        EXPECT_FLOAT_EQ(Spannung(4.0f), 0.0f);
        EXPECT_FLOAT_EQ(Spannung(6.0f), f.bei6) << f.zWLuft;
        EXPECT_FLOAT_EQ(St.Gz.e[St.Gz.n], f.bei99) << f.zWLuft;
        EXPECT_EQ(St.Gz.z[St.Gz.n], 99.0f);
        EXPECT_EQ(St.SohlSpannung.n, St.Gz.n);
        EXPECT_EQ(St.ErsteSchichtUnterSohle, 3);
    }
    // On a layer boundary: two layers of zero thickness, the stress unchanged.
    SetUp();
    P.AnzErd = 2;
    zormcom::Lauf.SchichtKote[2] = 4.0f;
    zormcom::Lauf.SchichtKote[3] = 99.0f;
    P.SchichtDicke[1] = 4.0f;
    P.SchichtDicke[2] = 95.0f;
    P.SchichtGammaAush[2] = 20.0f;
    St.BezugsTiefe = 4.0f;
    VertikalspannungUnterSohle();
    EXPECT_EQ(St.AushSchichtAnz, 4);
    EXPECT_FLOAT_EQ(Spannung(5.0f), 20.0f);
    EXPECT_FLOAT_EQ(St.Gz.e[St.Gz.n], 1900.0f);
}

// Twelve layers with the splits at the excavation level, at the water level and the zero layer need
// 16 entries: no overrun, the bottom at 99.
TEST_F(Sohle, TwelveLayersAndThreeSplitsFitTheTable) {
    P.AnzErd = 12;
    for (int i = 1; i <= 12; ++i) {
        zormcom::Lauf.SchichtKote[i] = static_cast<float>(i - 1);
        P.SchichtDicke[i] = 1.0f;
        P.SchichtGammaAush[i] = 18.0f;
        P.SchichtGammaAuftriebAush[i] = 10.0f;
    }
    zormcom::Lauf.SchichtKote[13] = 99.0f;
    P.SchichtDicke[12] = 88.0f;
    P.ZWasserLuft = 7.5f;
    P.ZWasserErd = 3.0f;
    St.BezugsTiefe = 5.5f;
    VertikalspannungUnterSohle();
    EXPECT_EQ(St.AushSchichtAnz, 15);
    EXPECT_EQ(St.AushSchichtKote[16], 99.0f);
    EXPECT_FLOAT_EQ(Spannung(7.5f), 36.0f);
    EXPECT_FLOAT_EQ(St.Gz.e[St.Gz.n], 36.0f + 91.5f * 10.0f);
    EXPECT_TRUE(St.Hinweise.empty());
    // A thirteenth layer (split off by the earth side's water level) has no excavation-side unit
    // weight: it counts with 0 and a note; with all three splits the table is full.
    P.AnzErd = 13;
    zormcom::Lauf.SchichtKote[13] = 20.0f;
    zormcom::Lauf.SchichtKote[14] = 99.0f;
    P.SchichtDicke[12] = 9.0f;
    P.SchichtDicke[13] = 79.0f;
    P.ZWasserLuft = 99.0f;
    VertikalspannungUnterSohle();
    EXPECT_EQ(St.AushSchichtAnz, 15);
    EXPECT_FLOAT_EQ(St.Gz.e[St.Gz.n], 14.5f * 18.0f);
    ASSERT_EQ(St.Hinweise.size(), 1u);
    EXPECT_EQ(St.Hinweise[0].rfind("*** Schicht 13", 0), 0u);
    P.ZWasserLuft = 7.5f;
    EXPECT_THROW(VertikalspannungUnterSohle(), zor::CalcAbort);
}

class Weissenbach : public Sohle {
protected:
    // Runs the piles' resistance with the given embedment, means and twice the mean stress.
    static void Rechnen(float a, float b0, float phiGrad, float deltaGrad, float c, float t, float gammaT) {
        P.ABohl = a;
        St.b0TBW = b0;
        St.cTBW = c;
        St.EinbindeTiefe = t;
        St.GammaTTBW = gammaT;
        ErdwiderstandTraeger(phiGrad * kGrad, deltaGrad * kGrad, c, t);
    }
};

TEST_F(Weissenbach, FourCasesByHand) {
    struct Fall {
        const char* name;
        float a, b0, phi, delta, c, t, gammaT;
        float EW1, EW2, EW3, Ep, Eph, Epv;
        int fall;
        float bsR, bsKoh;
    };
    const Fall faelle[] = {
        {"narrow piles govern", 2.0f, 0.3f, 30, 0, 0, 3, 30, 90.40f, 75.57f, 0.0f, 75.57f, 16.93f, 0.0f, 2,
         1.039f, 1.70f},
        {"small clear spacing governs", 1.2f, 0.4f, 30, 10, 0, 3, 30, 174.15f, 164.48f, 148.05f, 148.05f,
         58.05f, -10.24f, 1, 0.8f, 0.8f},
        {"with cohesion, small spacing", 1.0f, 0.5f, 27.5f, 12.5f, 5, 2, 20, 93.5f, 0.0f, 82.1f, 82.1f,
         46.75f, -10.36f, 1, 0.5f, 0.5f},
        {"start value only", 3.0f, 1.0f, 30, 0, 0, 2, 20, 33.86f, 0.0f, 0.0f, 33.86f, 20.0f, 0.0f, 0, 0.6928f,
         2.0f},
    };
    for (const Fall& f : faelle) {
        SetUp();
        Rechnen(f.a, f.b0, f.phi, f.delta, f.c, f.t, f.gammaT);
        EXPECT_NEAR(St.EW1, f.EW1, 0.01) << f.name;
        EXPECT_NEAR(St.EW2, f.EW2, 0.01) << f.name;
        EXPECT_NEAR(St.EW3, f.EW3, 0.01) << f.name;
        EXPECT_NEAR(St.EpTBW, f.Ep, 0.01) << f.name;
        EXPECT_NEAR(St.EphTBW, f.Eph, 0.01) << f.name;
        EXPECT_NEAR(St.EpvTBW, f.Epv, 0.01) << f.name;
        EXPECT_EQ(St.TBWFall, f.fall) << f.name;
        EXPECT_NEAR(St.bsR, f.bsR, 0.001) << f.name;
        EXPECT_NEAR(St.bsKoh, f.bsKoh, 0.005) << f.name;
        EXPECT_TRUE(St.Hinweise.empty()) << f.name;
    }
    // Without wall friction only the coefficient for delta = 0 is set.
    EXPECT_FLOAT_EQ(St.khR0, 3.0f);
    EXPECT_EQ(St.khR, 0.0f);
}

TEST_F(Weissenbach, TableLookup) {
    struct Fall {
        float phi, delta, khr, khkoh;
    };
    for (Fall f :
         {Fall{30, 0, 3.0f, 1.73f}, Fall{31, 5, 3.614f, 1.98f + 0.11f * 0.4f}, Fall{51, 0, 7.55f, 2.75f},
          Fall{27.5f, 12.5f, 3.6f, 2.15f}, Fall{50, 27.5f, 19.9f, 6.0f}}) {
        float khr = 0, khkoh = 0;
        KpTabelle(f.phi, f.delta, khr, khkoh);
        EXPECT_NEAR(khr, f.khr, 1e-4) << f.phi << " " << f.delta;
        EXPECT_NEAR(khkoh, f.khkoh, 1e-4) << f.phi << " " << f.delta;
    }
    EXPECT_TRUE(St.Hinweise.empty());
    // 52.5 degrees and more: the 50 degree column with a note.
    float khr = 0, khkoh = 0;
    KpTabelle(55.0f, 0.0f, khr, khkoh);
    EXPECT_FLOAT_EQ(khr, 7.55f);
    ASSERT_EQ(St.Hinweise.size(), 1u);
    // The angle with the report's decimal comma.
    EXPECT_EQ(St.Hinweise[0],
              "*** Mittlerer Reibungswinkel 55,0 Grad außerhalb der Tabelle nach Weißenbach; die "
              "Werte für 50 Grad werden verwendet.");
    float w1 = 0, w2 = 0;
    TabellenWertePaar("1.5 2 3.25", 2, w1, w2);
    EXPECT_EQ(w1, 2.0f);
    EXPECT_EQ(w2, 3.25f);
}

// Pile width, spacing or embedment of 0 give no resistance and a note, never a division by zero.
TEST_F(Weissenbach, NoWidthSpacingOrEmbedmentGivesNoResistance) {
    struct Fall {
        float a, b0, t;
    };
    for (Fall f : {Fall{0.0f, 0.3f, 3.0f}, Fall{2.0f, 0.0f, 3.0f}, Fall{2.0f, 0.3f, 0.0f}}) {
        SetUp();
        Rechnen(f.a, f.b0, 30, 10, 5, f.t, 30);
        EXPECT_EQ(St.EpTBW, 0.0f);
        EXPECT_EQ(St.EphTBW, 0.0f);
        EXPECT_EQ(St.EpvTBW, 0.0f);
        EXPECT_EQ(St.EW1, 0.0f);
        EXPECT_TRUE(std::isfinite(St.bsR) && std::isfinite(St.bsKoh));
        ASSERT_EQ(St.Hinweise.size(), 1u);
        EXPECT_EQ(St.Hinweise[0].rfind("***", 0), 0u);
    }
}

// The whole pile routine on one sand layer (phi 30, no wall friction, moist 18) from zAush 5 to the
// foot at 8: t = 3, the mean stress 27 gives GammaT = 54; earth support at 5 + 1.8; a mean friction
// angle of 12 degrees is computed with 15 and reported as 12.
TEST_F(Weissenbach, PileResistanceOfAStage) {
    P.SchichtPhi[1] = 30.0f * kGrad;
    P.SchichtDeltaP[1] = -20.0f * kGrad;
    P.zAush = 5.0f;
    zormcom::Lauf.zFuss = 8.0f;
    P.ABohl = 2.0f;
    P.BBohl = 0.3f;
    P.BBFuss = 0.6f;
    P.ZBFuss = 7.0f;
    St.EinbindeTiefe = 3.0f;
    P.Erddruckart = 1;
    P.UmFigur = 0;
    St.ESumme.n = 3;
    St.ESumme.z = {0, 0, 5, 99};
    St.ESumme.e = {0, 0, 25, 100};
    ErdwiderstandTBW();
    EXPECT_NEAR(St.phiTBW, 30.0f, 1e-3);
    EXPECT_NEAR(St.deltapTBW, -20.0f, 1e-3); // limited to min(30 - 2.5, 27.5)
    EXPECT_FLOAT_EQ(St.ZErdauflager, 6.8f);
    EXPECT_NEAR(St.GammaTTBW, 54.0f, 1e-3);
    EXPECT_NEAR(St.b0TBW, (1.0f * 0.6f + 2.0f * 0.3f) / 3.0f, 1e-6);
    EXPECT_NEAR(St.TanDeltaP, -std::tan(20.0f * kGrad), 1e-6);
    // The load diagram: the sum down to zAush, then 0 down to the foot.
    const zor::Ordinatenliste& lb = St.Lastbild;
    ASSERT_EQ(lb.n, 4);
    EXPECT_EQ(lb.z[2], 5.0f);
    EXPECT_FLOAT_EQ(lb.e[2], 25.0f);
    EXPECT_EQ(lb.z[3], 5.0f);
    EXPECT_EQ(lb.e[3], 0.0f);
    EXPECT_EQ(lb.z[4], 8.0f);
    EXPECT_GT(St.EpTBW, 0.0f);

    P.SchichtPhi[1] = 12.0f * kGrad;
    ErdwiderstandTBW();
    EXPECT_NEAR(St.phiTBW, 12.0f, 1e-3);
    EXPECT_NEAR(St.deltapTBW, -12.5f, 1e-3);
    EXPECT_NEAR(St.khR, 2.11f, 1e-4); // read at phi 15, delta 12.5
}

TEST_F(Weissenbach, SlipPlaneAngles) {
    float ta = -1.0f, tp = -1.0f;
    GleitflaechenWinkel(30.0f * kGrad, 0.0f, 0.0f, 0.0f, ta, tp);
    EXPECT_NEAR(ta / kGrad, 60.0f, 1e-3);
    EXPECT_NEAR(tp / kGrad, 30.0f, 1e-3);
    // A slope steeper than phi has no active slip plane: the active angle keeps its value.
    ta = -1.0f;
    tp = -1.0f;
    GleitflaechenWinkel(30.0f * kGrad, 35.0f * kGrad, 0.0f, 0.0f, ta, tp);
    EXPECT_EQ(ta, -1.0f);
    EXPECT_TRUE(std::isfinite(tp));
    EXPECT_NE(tp, -1.0f);
    // A zero divisor (tan deltaA = -tan phi) keeps the angle, no NaN.
    ta = 0.5f;
    GleitflaechenWinkel(30.0f * kGrad, 0.0f, -30.0f * kGrad, 0.0f, ta, tp);
    EXPECT_TRUE(std::isfinite(ta));
}

} // namespace
