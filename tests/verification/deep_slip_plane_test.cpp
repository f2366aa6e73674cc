// Deep slip plane checked against Kranz's force polygon worked by hand:
// dry sand 18 kN/m3, phi 30 deg, c 0, no loads or slopes, wall foot point zGLF = 7 m,
// e_h = 6 z on the wall (Eah = 147 kN/m), a 0.6 m diaphragm wall and one anchor at 1.5 m, 15 deg.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "verification/deep_slip_plane.h"
#include "verification/state.h"

namespace {

using zorm1::P;
using zormd::GF;
using zormd::N;

constexpr float kGrad = 3.141593f / 180.0f;

void TrockenerSand(float ah) {
    P = zorm1::ProjectData{};
    zor::ErddruckLaufZuruecksetzen();
    zormd::NachweisZustandZuruecksetzen();
    zormd::GleitfugeZuruecksetzen();
    P.GradZuRad = kGrad;
    P.AnzErd = 1;
    zormcom::Lauf.SchichtKote[1] = 0.0f;
    zormcom::Lauf.SchichtKote[2] = 99.0f;
    P.SchichtDicke[1] = 99.0f;
    P.SchichtPhi[1] = 30.0f * kGrad;
    P.SchichtGamma[1] = 18.0f;
    P.SchichtGammaAuftrieb[1] = 10.0f;
    P.ZWasserErd = 99.0f;
    GF.GlfXWand = 0.6f;
    GF.GlfXListe[0] = 0.0f;
    GF.GlfXListe[1] = 999.0f;
    GF.GlfAnzX = 1;
    GF.GlfGamma[1] = 18.0f;
    zormd::GleitfugeKopieSichern();
    N.zGLF = 7.0f;
    N.GlfEahWand = 0.5f * 6.0f * 49.0f;
    N.GlfZEahWand = 7.0f * 2.0f / 3.0f;
    N.AnzAnkerGlf = 1;
    N.GlfAnkerZ[1] = 1.5f;
    N.GlfAnkerAh[1] = ah;
    GF.GlfAnkerNeigung[1] = 15.0f * kGrad;
    GF.AnkerLaengeTest[1] = 10.0f;
    GF.GlfPunktFolgeStart = "91";
}

// Hand calculation of the same slip body.
struct Hand {
    double xA, zA, alpha, G, T, EahAW, AhMoegl;
};
Hand Kranz(double laenge) {
    const double pi = std::acos(-1.0), a = 15.0 * pi / 180.0, phi = 30.0 * pi / 180.0;
    Hand h{};
    h.xA = laenge * std::cos(a) - 0.6;
    h.zA = laenge * std::sin(a) + 1.5;
    h.alpha = std::atan((7.0 - h.zA) / h.xA);
    h.G = 18.0 * (h.zA + 7.0) / 2.0 * h.xA;
    h.T = h.G * std::tan(phi - h.alpha);
    h.EahAW = 18.0 * h.zA * h.zA / 2.0 / 3.0;
    h.AhMoegl = (147.0 - h.EahAW + h.T) / (1.0 + std::tan(a) * h.T / h.G);
    return h;
}

TEST(DeepSlipPlane, SingleAnchorInDrySandFollowsKranzByHand) {
    TrockenerSand(100.0f);
    zormd::ErsatzankerwandDruck();
    const Hand h = Kranz(10.0);
    // The hand values themselves, as the textbook figures give them.
    EXPECT_NEAR(h.xA, 9.059, 0.001);
    EXPECT_NEAR(h.zA, 4.088, 0.001);
    EXPECT_NEAR(h.alpha * 180.0 / std::acos(-1.0), 17.82, 0.01);
    EXPECT_NEAR(h.G, 904.1, 0.1);
    EXPECT_NEAR(h.T, 195.2, 0.1);
    EXPECT_NEAR(h.AhMoegl, 276.05, 0.05);

    EXPECT_NEAR(GF.GlfPunktX[1], 9.059, 0.001);
    EXPECT_NEAR(GF.GlfPunktZ[1], 4.088, 0.001);
    EXPECT_FLOAT_EQ(GF.xAW, GF.GlfPunktX[1]);
    EXPECT_NEAR(N.GlfSumG, 904.1, 0.2);
    EXPECT_NEAR(N.GlfEahAW, 50.14, 0.02);
    EXPECT_NEAR(N.GlfSumAh, 100.0, 1e-4);
    EXPECT_NEAR(N.GlfSumAv, 100.0 * std::tan(15.0 * std::acos(-1.0) / 180.0), 1e-3);
    EXPECT_NEAR(N.GlfAhMoegl, 276.05, 0.1);
    EXPECT_NEAR(N.EtaGlf, 2.76, 0.005);
    EXPECT_NEAR(N.GlfAvMoegl, N.GlfAhMoegl * std::tan(15.0 * kGrad), 0.01);
    // Equilibrium of the polygon with the possible force: Qh = Ah - (Eah - EahAW), Qv = G - Av.
    EXPECT_NEAR(N.GlfQhMoegl, N.GlfAhMoegl + 50.14 - 147.0, 0.1);
    EXPECT_NEAR(N.GlfQvMoegl, N.GlfSumG - N.GlfAvMoegl, 0.01);
    EXPECT_NEAR(GF.GlfPhiMittel, 30.0 * kGrad, 1e-5);
    // Centroid of the trapezoid between x = 0 (height 7) and x = xA (height zA).
    const double xs = h.xA * (7.0 + 2.0 * h.zA) / (3.0 * (7.0 + h.zA));
    EXPECT_NEAR(N.GlfXSchwerpunkt, xs, 0.01);
    EXPECT_TRUE(std::isfinite(N.GlfXQ));
    EXPECT_TRUE(std::isfinite(N.GlfXQMoegl));
    // The evaluation leaves the layer table as it found it.
    EXPECT_EQ(P.AnzErd, 1);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[2], 99.0f);
}

TEST(DeepSlipPlane, PartialFactorsGiveTheUtilisationOfTheDesignForces) {
    TrockenerSand(120.0f); // design anchor force 1.2 x 100
    P.TeilsicherheitenAn = 1;
    zormc::St.gamMittel = 1.2f;
    zormcom::Vorgaben.gamEWirk = 1.2f;
    zormcom::Vorgaben.gamReWirk = 1.3f;
    zormd::ErsatzankerwandDruck();
    EXPECT_NEAR(N.GlfSumAh, 100.0, 1e-3);
    // eta = (276.05 / 1.30) / (1.20 x 100) = 1.770, utilisation 1 / eta = 0.565
    EXPECT_NEAR(N.EtaGlf, 276.05 / 1.3 / 120.0, 0.003);
    EXPECT_NEAR(1.0 / N.EtaGlf, 0.565, 0.002);
}

TEST(DeepSlipPlane, SpecialSlipBodies) {
    // A 2 m anchor: centre x 1.332, z 2.018, slip line atan(4.982 / 1.332) = 75 deg > 45 + 15: eta 0.
    TrockenerSand(100.0f);
    GF.AnkerLaengeTest[1] = 2.0f;
    N.GlfAhMoegl = 123.0f;
    zormd::ErsatzankerwandDruck();
    EXPECT_EQ(N.EtaGlf, 0.0f);
    EXPECT_EQ(N.GlfSumAh, 0.0f);
    EXPECT_EQ(N.GlfAhMoegl, 0.0f); // not the value of the evaluation before

    // No anchor force in the slip body: safety 999, nothing divides by zero.
    TrockenerSand(0.0f);
    zormd::ErsatzankerwandDruck();
    EXPECT_EQ(N.EtaGlf, 999.0f);
    EXPECT_EQ(N.GlfAhMoegl, 99999.0f);
    EXPECT_TRUE(std::isfinite(N.GlfXQ) && std::isfinite(N.GlfXQMoegl));
}

TEST(DeepSlipPlane, AnchorRegionBoundaries) {
    // Region from x 2 to 6 under the line z = 0.5 x + 1: a table of centres.
    struct Fall {
        float x, z, ah;
        bool zaehlt;
    } faelle[] = {
        {4.0f, 3.0f, 50.0f, true},    // on the line
        {4.0f, 3.009f, 50.0f, true},  // up to 0.01 below it
        {4.0f, 3.02f, 50.0f, false},  // farther below
        {1.9995f, 1.0f, 50.0f, true}, // 0.0005 nearer the wall than the start
        {1.998f, 1.0f, 50.0f, false}, // more than 0.001 nearer
        {6.0f, 1.0f, 50.0f, false},   // at the far end: belongs to the region beyond
        {4.0f, 1.0f, 0.0f, false},    // no force
    };
    for (const auto& f : faelle) {
        TrockenerSand(f.ah);
        GF.GlfPunktX[1] = f.x;
        GF.GlfPunktZ[1] = f.z;
        zormd::AnkerImGleitkoerper(2.0f, 6.0f, 0.5f, 1.0f);
        EXPECT_EQ(N.GlfSumAh > 0.0f, f.zaehlt) << f.x << " " << f.z;
    }
}

TEST(DeepSlipPlane, LengthSearchCoarseThenFineSteps) {
    // Ah 160: eta 0.98, 1.34, 1.73 at 8, 9, 10 m; the fine steps from 9.1 m stop at 9.5 m (eta 1.527).
    EXPECT_NEAR(Kranz(8.0).AhMoegl / 160.0, 0.98, 0.01);
    EXPECT_NEAR(Kranz(9.0).AhMoegl / 160.0, 1.34, 0.01);
    EXPECT_NEAR(Kranz(10.0).AhMoegl / 160.0, 1.73, 0.01);
    EXPECT_LT(Kranz(9.4).AhMoegl / 160.0, 1.5);
    EXPECT_GT(Kranz(9.5).AhMoegl / 160.0, 1.5);
    TrockenerSand(160.0f);
    N.AnkerLaenge[1] = 8.0f;
    GF.AnkerLmin[1] = 8.0f;
    GF.AnkerLmax[1] = 20.0f;
    zormd::LaengenSuche(1.5f);
    EXPECT_NEAR(N.AnkerLaenge[1], 9.5f, 1e-4);
    EXPECT_NEAR(GF.GlfEtaAnker[1], 1.527, 0.005);
    EXPECT_EQ(GF.GlfPunktFolge, "91");
}

TEST(DeepSlipPlane, LengthSearchLengthensAnAnchorWhoseSlipLineIsTooSteep) {
    TrockenerSand(100.0f);
    N.AnkerLaenge[1] = 2.0f;
    GF.AnkerLmin[1] = 2.0f;
    GF.AnkerLmax[1] = 20.0f;
    zormd::LaengenSuche(1.5f);
    EXPECT_GE(GF.GlfEtaAnker[1], 1.5f);
    EXPECT_LE(N.AnkerLaenge[1], 20.0f);
    EXPECT_GT(N.AnkerLaenge[1], 2.0f);
}

TEST(DeepSlipPlane, LengthSearchStopsAtTheLongestAnchor) {
    // lmin = lmax: one evaluation, its result stored whatever the safety.
    TrockenerSand(400.0f);
    N.AnkerLaenge[1] = 10.0f;
    GF.AnkerLmin[1] = 10.0f;
    GF.AnkerLmax[1] = 10.0f;
    zormd::LaengenSuche(1.5f);
    EXPECT_FLOAT_EQ(N.AnkerLaenge[1], 10.0f);
    EXPECT_NEAR(GF.GlfEtaAnker[1], 276.05 / 400.0, 0.002);
}

} // namespace

namespace {

// Two anchors at 1.5 m (10 m) and 4.0 m (8 m), both 15 deg, 50 kN/m each: the overall slip line runs
// from the upper centre through the lower one to the wall point.
void ZweiAnker(float ah1, float ah2) {
    TrockenerSand(ah1);
    N.AnzAnkerGlf = 2;
    N.GlfAnkerZ[2] = 4.0f;
    N.GlfAnkerAh[2] = ah2;
    GF.GlfAnkerNeigung[2] = 15.0f * kGrad;
    N.AnkerLaenge[1] = GF.AnkerLmin[1] = GF.AnkerLmax[1] = 10.0f;
    N.AnkerLaenge[2] = GF.AnkerLmin[2] = GF.AnkerLmax[2] = 8.0f;
}

TEST(DeepSlipPlane, OverallSlipLineThroughTwoCentresByHand) {
    ZweiAnker(50.0f, 50.0f);
    zormd::LaengenSuche(1.5f);
    EXPECT_EQ(GF.GlfPunktFolge, "921");
    const double pi = std::acos(-1.0), a = pi / 12.0, phi = pi / 6.0;
    const double x1 = 10 * std::cos(a) - 0.6, z1 = 10 * std::sin(a) + 1.5;
    const double x2 = 8 * std::cos(a) - 0.6, z2 = 8 * std::sin(a) + 4.0;
    const double a1 = std::atan((z2 - z1) / (x1 - x2)), a2 = std::atan((7.0 - z2) / x2);
    const double G1 = 18.0 * (z1 + z2) / 2.0 * (x1 - x2), G2 = 18.0 * (z2 + 7.0) / 2.0 * x2;
    const double T = G1 * std::tan(phi - a1) + G2 * std::tan(phi - a2);
    const double eahAW = 18.0 * z1 * z1 / 6.0;
    const double ah = (147.0 - eahAW + T) / (1.0 + std::tan(a) * T / (G1 + G2));
    EXPECT_NEAR(N.GlfSumG, G1 + G2, 0.2);
    EXPECT_NEAR(N.GlfSumAh, 100.0, 1e-3); // both centres lie on the slip line
    EXPECT_NEAR(N.GlfAhMoegl, ah, 0.2);
    EXPECT_NEAR(N.EtaGlf, ah / 100.0, 0.003);
}

TEST(DeepSlipPlane, CentresInLineWithTheWallPointLeaveTheMiddleOneOut) {
    // The lower centre placed on the straight line from the upper centre to the wall point (s1 = s2).
    ZweiAnker(50.0f, 50.0f);
    const double pi = std::acos(-1.0);
    const double x1 = 10 * std::cos(pi / 12) - 0.6, z1 = 10 * std::sin(pi / 12) + 1.5;
    const double x2 = x1 / 2.0, z2 = (z1 + 7.0) / 2.0; // halfway, inclination 15 deg kept
    const double l2 = (x2 + 0.6) / std::cos(pi / 12);
    N.GlfAnkerZ[2] = static_cast<float>(z2 - l2 * std::sin(pi / 12));
    N.AnkerLaenge[2] = GF.AnkerLmin[2] = GF.AnkerLmax[2] = static_cast<float>(l2);
    zormd::LaengenSuche(1.5f);
    // The overall slip line runs from the upper centre straight to the wall point.
    EXPECT_EQ(GF.GlfAnkerFlag[1], 1.0f);
    EXPECT_EQ(GF.GlfAnkerFlag[2], 0.0f);
    EXPECT_EQ(GF.GlfPunktFolge, "91");
    EXPECT_NEAR(N.GlfSumAh, 100.0, 1e-3); // the lower centre lies on that line and counts
}

TEST(DeepSlipPlane, OverallRoundsEndWhenTheCheckCannotBeMet) {
    // An upper anchor far too strong for any slip body: the rounds lengthen the lower anchor
    // beyond its range until the upper one leaves the overall slip line, and end.
    ZweiAnker(5000.0f, 10.0f);
    zormd::LaengenSuche(1.5f);
    EXPECT_LE(GF.GlfRunden, zormd::kMaxGlfRunden);
    EXPECT_GT(N.AnkerLaenge[2], 8.0f);
    EXPECT_FLOAT_EQ(N.AnkerLaenge[1], 10.0f);
    if (GF.GlfPunktFolge.size() > 2) {
        EXPECT_EQ(GF.GlfGesamtNichtErfuellt, N.EtaGlf < 1.5f);
    }
}

} // namespace

namespace {

// Three anchors: the upper one at 1.5 m, 30 deg, 6 m (centre x 4.596, z 4.5), a short one at 3.0 m,
// 15 deg, 3 m at its longest length, and a horizontal one at the depth of the upper centre, 4 m (centre
// x 3.4). The middle one leaves the overall slip line; the other two lie on it at one depth.
void GleicheTiefe(float kraft, float laenge3, float phiSchwach = 30.0f) {
    TrockenerSand(kraft);
    // A thin weak layer from 4.5 to 4.6 m.
    P.AnzErd = 3;
    zormcom::Lauf.SchichtKote[2] = 4.5f;
    zormcom::Lauf.SchichtKote[3] = 4.6f;
    zormcom::Lauf.SchichtKote[4] = 99.0f;
    P.SchichtDicke[1] = 4.5f;
    P.SchichtDicke[2] = 0.1f;
    P.SchichtDicke[3] = 94.4f;
    for (int i = 2; i <= 3; ++i) {
        P.SchichtPhi[i] = 30.0f * kGrad;
        P.SchichtGamma[i] = 18.0f;
        P.SchichtGammaAuftrieb[i] = 10.0f;
        GF.GlfGamma[i] = 18.0f;
    }
    P.SchichtPhi[2] = phiSchwach * kGrad;
    zormd::GleitfugeKopieSichern();
    N.AnzAnkerGlf = 3;
    GF.GlfAnkerNeigung[1] = 30.0f * kGrad;
    N.AnkerLaenge[1] = 6.0f;
    GF.AnkerLmin[1] = 5.0f;
    GF.AnkerLmax[1] = 20.0f;
    N.GlfAnkerZ[2] = 3.0f;
    N.GlfAnkerAh[2] = kraft;
    GF.GlfAnkerNeigung[2] = 15.0f * kGrad;
    N.AnkerLaenge[2] = GF.AnkerLmin[2] = GF.AnkerLmax[2] = 3.0f;
    N.GlfAnkerAh[3] = kraft;
    GF.GlfAnkerNeigung[3] = 0.0f;
    N.AnkerLaenge[3] = laenge3;
    GF.AnkerLmin[3] = 3.0f;
    GF.AnkerLmax[3] = 20.0f;
    // The horizontal anchor's centre lies exactly at the depth the upper centre has in single precision.
    for (int i = 1; i <= 3; ++i)
        GF.AnkerLaengeTest[i] = N.AnkerLaenge[i];
    N.GlfAnkerZ[3] = 0.0f;
    zormd::ErsatzankerwandDruck();
    N.GlfAnkerZ[3] = GF.GlfPunktZ[1];
}

TEST(DeepSlipPlane, TwoLengthenedAnchorsAtOneDepthGetATenthOfAMetre) {
    // The clay seam makes the overall slip line (upper centre, horizontal to the lower centre, then to
    // the wall point) the weakest; both single checks hold at the start lengths.
    GleicheTiefe(10.0f, 4.0f, 0.0f);
    ASSERT_EQ(N.GlfAnkerZ[3], GF.GlfPunktZ[1]); // the horizontal anchor's centre lies at its head
    ASSERT_NEAR(GF.GlfPunktZ[1], 4.5f, 1e-5f);
    for (const char* folge : {"91", "93"}) {
        GF.GlfPunktFolgeStart = folge;
        zormd::ErsatzankerwandDruck();
        ASSERT_GE(N.EtaGlf, 1.5f) << folge;
    }
    GF.GlfPunktFolgeStart = "931";
    zormd::ErsatzankerwandDruck();
    ASSERT_LT(N.EtaGlf, 1.5f);

    zormd::LaengenSuche(1.5f);
    // The first counted anchor keeps its length, the second one at the same depth gets 0.1 m (no
    // ratio of depths to take), and that round meets the check.
    EXPECT_EQ(GF.GlfPunktFolge, "931");
    EXPECT_EQ(GF.GlfAnkerFlag[1], 1.0f);
    EXPECT_EQ(GF.GlfAnkerFlag[2], 0.0f);
    EXPECT_EQ(GF.GlfAnkerFlag[3], 1.0f);
    EXPECT_EQ(GF.GlfRunden, 1);
    EXPECT_FLOAT_EQ(N.AnkerLaenge[1], 6.0f);
    EXPECT_FLOAT_EQ(N.AnkerLaenge[2], 3.0f);
    EXPECT_FLOAT_EQ(N.AnkerLaenge[3], 4.1f);
    EXPECT_GE(N.EtaGlf, 1.5f);
    EXPECT_FALSE(GF.GlfGesamtNichtErfuellt);
}

TEST(DeepSlipPlane, ZeroWeightOrZeroVerticalForceGivesSafetyZeroAndTheReferencePoint) {
    // The single anchor of 10 m: first chain point x 9.059, so the reference point is x 4.530.
    struct Fall {
        const char* was;
        void (*vorbereiten)();
        bool sicherheitNull, schwerpunktBezug;
    } const faelle[] = {
        {"weightless soil: G = 0 and V = 0",
         [] {
             GF.GlfGamma[1] = 0.0f;
             P.SchichtGamma[1] = 0.0f;
             N.GlfEahWand = 0.0f;
         },
         true, true},
        {"the wall's vertical force equals the weight: V = 0",
         [] {
             zormd::ErsatzankerwandDruck();
             N.GlfEavWand = N.GlfSumG;
         },
         true, false},
        {"the wall's vertical force and the anchors carry the weight",
         [] {
             zormd::ErsatzankerwandDruck();
             N.GlfEavWand = N.GlfSumG - N.GlfSumAv;
         },
         false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        TrockenerSand(100.0f);
        f.vorbereiten();
        zormd::ErsatzankerwandDruck();
        for (float v : {N.EtaGlf, N.GlfAhMoegl, N.GlfAvMoegl, N.GlfXQ, N.GlfXQMoegl, N.GlfXSchwerpunkt,
                        N.GlfQh, N.GlfQv, N.GlfQhMoegl, N.GlfQvMoegl})
            EXPECT_TRUE(std::isfinite(v)) << v;
        EXPECT_NEAR(GF.GlfXBezug, 9.059f / 2.0f, 0.001f);
        if (f.sicherheitNull) {
            EXPECT_EQ(N.EtaGlf, 0.0f);
            EXPECT_EQ(N.GlfAhMoegl, 0.0f);
            EXPECT_EQ(N.GlfAvMoegl, 0.0f);
            // No possible anchor force: the reaction's line of action falls back to the reference point
            // only where its denominator is zero.
            if (N.GlfSumG - N.GlfEavWand == 0.0f) {
                EXPECT_EQ(N.GlfXQMoegl, GF.GlfXBezug);
            }
        } else {
            EXPECT_GT(N.EtaGlf, 0.0f);
        }
        if (f.schwerpunktBezug) {
            EXPECT_EQ(N.GlfXSchwerpunkt, GF.GlfXBezug);
        }
    }
}

// An unlimited surface load on the substitute anchor wall. The substitute wall is a smooth vertical wall
// (delta 0) standing at xA = 9.059 from the ground at z = 0 down to zA = 4.088; Rankine gives
// Ka = tan2(45 - 30/2) = 1/3 and, for a load q covering all the ground behind it,
//     E1 = Ka (gamma zA2 / 2 + q zA) = (18 x 4.088^2 / 2 + 10 x 4.088) / 3 = 50.14 + 13.63 = 63.77 kN/m.
// A load beginning at a distance d behind the substitute wall spreads down from the phi line (z1 = d tan 30)
// to the 45 + phi/2 line (z2 = d tan 60); its vertical stress rises linearly between the two.
// The load is variable and the slip line (17.82 deg) flatter than phi: it adds no weight to the slip body,
// so that G = 904.1 and T = 195.2 stay those of the dry case and
//     zul. Ah = (Eah - E1 + T) / (1 + tan 15 T / G).
void UnbegrenzteLast(float xStart) {
    TrockenerSand(100.0f);
    auto& L = zormcom::Lauf;
    L.AnzLastErd = 1;
    L.ErdPv[1] = 10.0f;
    L.ErdXA[1] = xStart;
    L.ErdXE[1] = 999.0f;
    L.ErdZ[1] = 0.0f;
    L.ErdDauer[1] = 0.0f;
    // Strips: no load up to the load's start, the variable 10 kN/m2 beyond it.
    GF.GlfAnzX = 0;
    if (xStart > 0.0f) GF.GlfXListe[++GF.GlfAnzX] = xStart;
    GF.GlfXListe[++GF.GlfAnzX] = 999.0f;
    GF.GlfLastVeraenderlich[GF.GlfAnzX] = 10.0f;
    zormd::GleitfugeKopieSichern();
}

double ZulAh(double e1) {
    const Hand h = Kranz(10.0);
    return (147.0 - e1 + h.T) / (1.0 + std::tan(15.0 * std::acos(-1.0) / 180.0) * h.T / h.G);
}

TEST(DeepSlipPlane, UnlimitedLoadActsOnTheSubstituteWallFromWhereItBeginsBehindIt) {
    const double pi = std::acos(-1.0), t30 = std::tan(pi / 6.0), t60 = std::tan(pi / 3.0);
    const Hand h = Kranz(10.0);
    const double e1Boden = 18.0 * h.zA * h.zA / 2.0 / 3.0;
    const double e1Voll = e1Boden + 10.0 * h.zA / 3.0;
    EXPECT_NEAR(e1Voll, 63.77, 0.01);
    // Beyond the substitute wall, 11.0 m from the wall: d = 1.941, z1 = 1.121, z2 = 3.362 < zA;
    // E1 of the load = Ka q ((z2 - z1) / 2 + (zA - z2)) = 10 (1.121 + 0.726) / 3 = 6.16.
    const double d = 11.0 - h.xA, z1 = d * t30, z2 = d * t60;
    const double e1Jenseits = e1Boden + 10.0 * ((z2 - z1) / 2.0 + (h.zA - z2)) / 3.0;
    EXPECT_NEAR(e1Jenseits - e1Boden, 6.16, 0.01);
    struct Fall {
        float xStart;
        double e1;
        const char* was;
    } faelle[] = {
        {0.0f, e1Voll, "from the wall"},
        {4.0f, e1Voll, "from between the wall and the substitute wall"},
        {9.0f, e1Voll, "from 0.06 m in front of the substitute wall"},
        {11.0f, e1Jenseits, "from 1.94 m beyond the substitute wall"},
    };
    for (const auto& f : faelle) {
        UnbegrenzteLast(f.xStart);
        zormd::ErsatzankerwandDruck();
        EXPECT_NEAR(N.GlfEahAW, f.e1, 0.03) << f.was;
        EXPECT_NEAR(N.GlfAhMoegl, ZulAh(f.e1), 0.15) << f.was;
        EXPECT_NEAR(N.EtaGlf, ZulAh(f.e1) / 100.0, 0.002) << f.was;
        EXPECT_NEAR(N.GlfSumG, 904.1, 0.2) << f.was;
        // The load table is left as it was.
        EXPECT_FLOAT_EQ(zormcom::Lauf.ErdXA[1], f.xStart) << f.was;
    }
    // The load from between the walls gives the safety of the load from the wall exactly.
    UnbegrenzteLast(0.0f);
    zormd::ErsatzankerwandDruck();
    const float eta0 = N.EtaGlf, e0 = N.GlfEahAW;
    UnbegrenzteLast(4.0f);
    zormd::ErsatzankerwandDruck();
    EXPECT_FLOAT_EQ(N.GlfEahAW, e0);
    EXPECT_FLOAT_EQ(N.EtaGlf, eta0);
    EXPECT_NEAR(eta0, 2.632, 0.002); // (147 - 63.77 + 195.2) / (1 + 0.2679 x 0.2159) / 100
}

TEST(DeepSlipPlane, UnlimitedLoadBeyondTheSubstituteWallStartsItsPressureOnItsPhiLine) {
    // Load from 11.0 m: on the substitute wall the vertical stress of the load is 0 down to
    // z1 = (11.0 - 9.059) tan 30 = 1.121 and the full 10 kN/m2 from z2 = 1.941 tan 60 = 3.362 down.
    const double pi = std::acos(-1.0);
    const double d = 11.0 - Kranz(10.0).xA, z1 = d * std::tan(pi / 6.0), z2 = d * std::tan(pi / 3.0);
    EXPECT_NEAR(z1, 1.121, 0.001);
    EXPECT_NEAR(z2, 3.362, 0.001);
    UnbegrenzteLast(11.0f);
    zormd::ErsatzankerwandDruck();
    // The horizontal pressure on the substitute wall: soil 18 z / 3 plus the load's share Ka sigma_v.
    const auto& e = zormb::B.Eah;
    auto last = [&](double z) {
        for (int k = 2; k <= e.n; ++k)
            if (e.z[k - 1] <= z && z <= e.z[k] && e.z[k] > e.z[k - 1])
                return e.e[k - 1] + (e.e[k] - e.e[k - 1]) * (z - e.z[k - 1]) / (e.z[k] - e.z[k - 1]) -
                       6.0 * z;
        return -1.0;
    };
    struct Punkt {
        double z, q;
    } punkte[] = {{0.5, 0.0}, {z1 - 0.01, 0.0}, {(z1 + z2) / 2.0, 5.0}, {z2 + 0.01, 10.0}, {4.0, 10.0}};
    for (const auto& p : punkte)
        EXPECT_NEAR(last(p.z), p.q / 3.0, 0.01) << "z = " << p.z;
}

} // namespace
