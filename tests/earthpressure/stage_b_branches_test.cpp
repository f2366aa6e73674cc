// The earth-pressure stage in its rarer situations, each against a hand calculation: horizontal
// load components in the triangular distributions, pure earth pressure at rest with changed wall
// friction and partial factors, ground water up to the wall head, given passive points, a seepage
// pass that does not print, and a slope with an at-rest share.
//
// Soil unless said otherwise: one layer of sand, phi 30, no wall friction, gamma 18 / 10:
// Ka = 1/3, K0 = 1 - sin 30 = 1/2.
#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <string>

#include "earthpressure/coefficients.h"
#include "earthpressure/handover_b.h"
#include "earthpressure/slopes.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/stage_table.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::B;

const float kTan30 = std::tan(30.0f * kGrad), kTan60 = std::tan(60.0f * kGrad);

class SeltenerFall : public Sandstufe {
protected:
    // Stage a, then the earth-pressure stage; returns the report lines the latter appended.
    static std::vector<std::string> Rechnen() {
        zorma::EingabeAuswerten();
        vb::Close(zorma::kBerichtDateiNr);
        const std::size_t ab = Zeilen("LPTZW").size();
        zormb::ErddruckBerechnen();
        vb::Close(zorma::kBerichtDateiNr);
        const auto z = Zeilen("LPTZW");
        EXPECT_EQ(B.BegrLast.n, B.ESumme.n);
        EXPECT_FLOAT_EQ(B.ESumme.z[B.ESumme.n], 99.0f);
        return std::vector<std::string>(z.begin() + static_cast<long>(ab), z.end());
    }
    static bool Enthaelt(const std::vector<std::string>& z, const std::string& teil) {
        return std::any_of(z.begin(), z.end(),
                           [&](const std::string& s) { return s.find(teil) != std::string::npos; });
    }
};

// A horizontal strip component of 5 kN/m2 from 1 to 3 m (H = 10 kN/m, no vertical part) spreads
// between z1 = tan30 = 0.577 and z3 = 3 tan60 = 5.196 (h = 4.619 m) like the vertical part would:
// a rectangle of H / h = 2.165, or a triangle of apex 2 H / h = 4.330 at z2 = tan60 (maximum in
// the middle) or at z1 (maximum at the top). A permanent share of 40 % with gamG 1.35 and gamQ 1.5
// scales every ordinate by 0.6 x 1.5 + 0.4 x 1.35 = 1.44.
TEST_F(SeltenerFall, HorizontalComponentInEveryDistribution) {
    const float z1 = kTan30, z2 = kTan60, z3 = 3.0f * kTan60, h = z3 - z1;
    const float r = 10.0f / h, spitze = 2.0f * r;
    struct Fall {
        int16_t verteilung;
        bool teilsicherheiten;
        float z, e;
    };
    const Fall faelle[] = {
        {0, false, z1 - 0.01f, 0.0f},
        {0, false, 3.0f, r},
        {0, false, z3 + 0.01f, 0.0f},
        {1, false, z1, 0.0f},
        {1, false, z2, spitze},
        {1, false, (z1 + z2) / 2.0f, spitze / 2.0f},
        {1, false, (z2 + z3) / 2.0f, spitze / 2.0f},
        {1, false, z3 + 0.01f, 0.0f},
        {2, false, z1 - 0.01f, 0.0f},
        {2, false, z1 + 0.001f, spitze},
        {2, false, (z1 + z3) / 2.0f, spitze / 2.0f},
        {2, false, z3, 0.0f},
        {2, true, z1 + 0.001f, 1.44f * spitze},
        {2, true, (z1 + z3) / 2.0f, 1.44f * spitze / 2.0f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Verteilung " << f.verteilung << " Teilsicherheiten "
                                        << f.teilsicherheiten << " z " << f.z);
        SetUp();
        P.VerteilungAktiv = f.verteilung;
        if (f.teilsicherheiten) {
            P.TeilsicherheitenAn = 1;
            P.Bemessungssituation = 1;
            P.gamG = 1.35f;
            P.gamQ = 1.5f;
            P.gamE0g = 1.2f;
        }
        Last(1, 0.0f, 1.0f, 3.0f, 0.0f, 5.0f, 40.0f);
        Rechnen();
        EXPECT_NEAR(Begr(f.z), f.e, 0.005f);
        // The horizontal component adds to the soil's pressure in the sum.
        EXPECT_NEAR(Wert(B.ESumme, f.z), Boden(f.z) + f.e, 0.01f);
    }
}

// Pure earth pressure at rest in a stage whose wall friction changes (deltaA 20): the active
// coefficients of the layer follow the new angle (Kagh = cos^2 30 / (1 + sqrt(sin 50 sin 30 /
// cos 20))^2 = 0.2794), but the soil presses with K0 = 1/2 and gamE0g: eah = 1.2 x 0.5 x 18 z =
// 10.8 z. The effective partial factor of the soil pressure is gamE0g itself.
TEST_F(SeltenerFall, PureAtRestPressureKeepsK0WhenTheWallFrictionChanges) {
    P.Erddruckart = 2;
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 1;
    P.gamG = 1.35f;
    P.gamQ = 1.5f;
    P.gamE0g = 1.2f;
    P.gamGBSP = 1.35f;
    P.gamE0gBSP = 1.2f;
    P.WandreibungStufen = 1;
    P.SchichtDeltaANeu[1] = 20.0f;
    P.SchichtDeltaPNeu[1] = 0.0f;
    P.DeltaNeuAushub[1] = 1;
    const auto z = Rechnen();
    EXPECT_NEAR(zormcom::Lauf.SchichtKagh[1], 0.2794f, 0.0005f);
    EXPECT_NEAR(zormcom::Lauf.SchichtKaAnteil[1], 0.5f, 1e-6f);
    for (float t : {1.0f, 4.0f, 10.0f})
        EXPECT_NEAR(Boden(t), 10.8f * t, 0.01f) << t;
    EXPECT_FLOAT_EQ(B.gamEMisch, 1.2f);
    EXPECT_FLOAT_EQ(B.gamEMischBSP, 1.2f);
    EXPECT_TRUE(Enthaelt(z, "wegen geänderter Wandreibungswinkel :"));
}

// Ground water at the wall head: the whole soil is submerged, eah = 10 z / 3, and no layer is split
// (the water level is no depth inside the soil). A level above the head is refused before the stage,
// as the stage page refuses it.
TEST_F(SeltenerFall, GroundWaterAtTheWallHeadSubmergesAllTheSoil) {
    P.ZWasserErd = P.ZWasserLuft = 0.0f;
    zormcom::AushubSpeichern(1);
    Rechnen();
    EXPECT_EQ(P.AnzErd, 1);
    for (float t : {2.0f, 6.0f, 30.0f})
        EXPECT_NEAR(Boden(t), 10.0f * t / 3.0f, 0.01f) << t;

    SetUp();
    P.ZWasserErd = P.ZWasserLuft = -1.0f;
    zormcom::AushubSpeichern(1);
    try {
        Rechnen();
        ADD_FAILURE() << "a water level above the wall head was calculated";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("(Satz 7, ZWasserLuft) = -1 m; zulässig 0 bis 99 m."),
                  std::string::npos)
            << e.what();
    }
}

// Passive points given for the stage lie below the excavation level (4 m); a point deeper than
// 99 m is taken at 99. Given passive points alone (no given earth pressure) end a seepage
// iteration as well: the pass prints its section with the soil's own pressure.
TEST_F(SeltenerFall, GivenPassivePointsBelowTheExcavationAndNoSeepage) {
    P.ZWasserErd = 3.0f;
    P.ZWasserLuft = 6.0f;
    P.EphGeg(1, 0) = 2.0f;
    P.TEphGeg(1, 1) = 2.0f;
    P.EphGeg(1, 1) = -50.0f;
    P.TEphGeg(1, 2) = 120.0f;
    P.EphGeg(1, 2) = -400.0f;
    zormcom::AushubSpeichern(1);
    zormcom::Lauf.kzStroem = 1;
    const auto z = Rechnen();
    const auto& L = zormcom::Lauf;
    ASSERT_EQ(L.AnzEphGegeben, 2);
    EXPECT_FLOAT_EQ(L.EphGegAktZ[1], 6.0f);
    EXPECT_FLOAT_EQ(L.EphGegAktE[1], -50.0f);
    EXPECT_FLOAT_EQ(L.EphGegAktZ[2], 99.0f);
    EXPECT_FLOAT_EQ(L.EphGegAktE[2], -400.0f);
    EXPECT_EQ(zormcom::Lauf.kzStroem, 0);
    EXPECT_EQ(B.SickerKonv, 1);
    EXPECT_EQ(B.DruckLastfall, 1);
    EXPECT_TRUE(Enthaelt(z, "Kote  z         eh-Summe        eh-Boden     eh-Auflast"));
    // 5 m, below the water at 3 m: (18 x 3 + 10 x 2) / 3.
    EXPECT_NEAR(Boden(5.0f), 74.0f / 3.0f, 0.01f);
}

// A seepage pass that has not converged prints nothing but its empty line, yet the layer whose
// wall friction changes in the stage already presses with the new coefficient:
// eah(2 m) = 0.2794 x 36.
TEST_F(SeltenerFall, SilentSeepagePassRecomputesTheChangedWallFriction) {
    P.ZWasserErd = 3.0f;
    P.ZWasserLuft = 6.0f;
    zormcom::AushubSpeichern(1);
    zormcom::Lauf.kzStroem = 1;
    P.WandreibungStufen = 1;
    P.SchichtDeltaANeu[1] = 20.0f;
    P.DeltaNeuAushub[1] = 1;
    const auto z = Rechnen();
    EXPECT_EQ(B.DruckLastfall, 0);
    EXPECT_EQ(z, std::vector<std::string>{""});
    EXPECT_NEAR(Boden(2.0f), 0.2794f * 36.0f, 0.02f);
}

// A slope rising from the wall head, 2 m over 4 m (beta = 26.57), gamma 18, soil phi 30 without
// wall friction, at-rest share 50 %. Its surcharge q = 36 builds up over |dz| m, with
// m = 0.5 / (r - 1) + 0.5 / (r0 - 1): r = Kagh(beta) / Kagh(0) = 0.5360 / 0.3333 = 1.6077 and
// r0 = (beta (sin30 + cos30 - 1) / phi + 1 - sin30) / (1 - sin30) = 1.6482, so m = 1.5941 and
// the surcharge is complete at 3.188 m (3.291 m without the at-rest share). The three points at the
// wall head (list start, ramp start, ramp start) are kept 1 cm apart, so the ramp begins at 2 cm.
TEST_F(StageB, SlopeWithAnAtRestShareBuildsUpOverTheMixedDepth) {
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f}});
    P.RuheProz = 50.0f;
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 0.0f;
    P.BoeschZ1[1] = 0.0f;
    P.BoeschX2[1] = 4.0f;
    P.BoeschZ2[1] = -2.0f;
    P.BoeschGamma[1] = 18.0f;
    P.BoeschPhi[1] = 30.0f;
    zormb::ErddruckBoeschung(B.Gz, B.SigmaV, B.SchichtSigma, 0.0f);
    const float zEnd = 3.1882f;
    auto gz = [](float t) { return Wert(B.Gz, t); };
    auto rampe = [&](float t) { return 36.0f * (t - 0.02f) / (zEnd - 0.02f); };
    EXPECT_NEAR(gz(zEnd / 2.0f), rampe(zEnd / 2.0f), 0.01f);
    EXPECT_NEAR(gz(3.0f), rampe(3.0f), 0.01f);
    EXPECT_NEAR(gz(zEnd), 36.0f, 0.01f);
    EXPECT_NEAR(gz(50.0f), 36.0f, 0.01f);
}

// Changed passive wall friction beyond what a wedge can carry. phi 30 with deltaP -70: the plane
// passive wedge has no minimum (sin(30 + 70) sin 30 / cos 70 = 1.44 > 1), so kpgh is not
// determinable, is carried as 0 (no resistance) and the report says so. phi 40 (above PhiCaq 35)
// with deltaP -45: the curved slip surfaces take the wall friction at most at phi, so kpgh is no
// greater than with deltaP -40, and the report notes the limit.
TEST_F(SeltenerFall, ChangedPassiveWallFrictionBeyondTheWedgeIsNoted) {
    struct Fall {
        float phi, deltaP;
        const char* hinweis;
    };
    const Fall faelle[] = {
        {30.0f, -70.0f, "*** Schicht 1: kpgh nicht bestimmbar (keine ebene Gleitfläche)"},
        {40.0f, -45.0f, "*** Schicht 1: kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.hinweis);
        auto rechnen = [&](float deltaP) {
            SetUp();
            P.SchichtPhi[1] = f.phi;
            P.WandreibungStufen = 1;
            P.SchichtDeltaPNeu[1] = deltaP;
            P.DeltaNeuAushub[1] = 1;
            return Rechnen();
        };
        const auto z = rechnen(f.deltaP);
        const float kpgh = zormcom::Lauf.SchichtKpgh[1];
        EXPECT_TRUE(Enthaelt(z, std::string(13, ' ') + f.hinweis));
        if (f.phi <= P.PhiCaq) {
            EXPECT_EQ(kpgh, 0.0f);
        } else {
            const auto voll = rechnen(-f.phi);
            EXPECT_GT(kpgh, 0.0f);
            EXPECT_LE(kpgh, zormcom::Lauf.SchichtKpgh[1]);
            EXPECT_FALSE(Enthaelt(voll, "Tafelrand"));
        }
    }
}

// A first slope that falls away from the wall, from (1, -3) to (3, -1), above the wall head: it
// relieves the soil by q = 18 x (-3 + 1) = -36 between the 45 + phi/2 lines from its ends,
// z = tan60 - 3 = -1.268 and z = 3 tan60 - 1 = 4.196. The ramp begins above the wall head, so the
// list starts there with the ramp's own value (not with a jump from 0). The friction angle of the
// ends' lines is the soil's mean over the first millimetre below the wall head: 30 exactly.
TEST_F(StageB, RampOfASlopeAboveTheWallHeadEntersWithItsValueThere) {
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f}});
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 1.0f;
    P.BoeschZ1[1] = -3.0f;
    P.BoeschX2[1] = 3.0f;
    P.BoeschZ2[1] = -1.0f;
    P.BoeschGamma[1] = 18.0f;
    P.BoeschPhi[1] = 30.0f;
    zormb::ErddruckBoeschung(B.Gz, B.SigmaV, B.SchichtSigma, 0.0f);
    const float zA = kTan60 - 3.0f, zE = 3.0f * kTan60 - 1.0f;
    auto rampe = [&](float t) { return -36.0f * (t - zA) / (zE - zA); };
    auto gz = [](float t) { return Wert(B.Gz, t); };
    // The list starts at the wall head; its points there are kept 1 cm apart, so the ramp's value
    // at the wall head stands at 2 cm and the ramp runs on from there.
    EXPECT_FLOAT_EQ(B.Gz.z[1], 0.0f);
    const float kopf = rampe(0.0f);
    EXPECT_NEAR(gz(0.02f), kopf, 0.005f);
    for (float t : {1.0f, 3.0f})
        EXPECT_NEAR(gz(t), kopf + (-36.0f - kopf) * (t - 0.02f) / (zE - 0.02f), 0.005f) << t;
    EXPECT_NEAR(gz(zE), -36.0f, 0.01f);
    EXPECT_NEAR(gz(50.0f), -36.0f, 0.01f);
}

// A steep first slope from the wall head, (0, 0) to (1, -2), then a gentle one to (5, -4), both
// gamma 18 over soil phi 30: two surcharges of 36. The first (its angle 63.4 limited to phi, for
// the coefficient 0.999999 phi: r = 2.2475, m = 0.8016) is complete at
// 2 m tan30 / tan63.43 = 0.463 m. The second (beta = 26.57, r = 1.6077, m = 1.6456) starts from
// zA = -2 + 1 x 0.5 = -1.5 at zA + 0.5 m = -0.677 and is complete at -0.677 + 2 m = 2.614; a later
// slope never starts above an earlier one, so its ramp runs from 0 (where the first one starts) to
// 2.614 m: 36 x 2 / 2.614 = 27.54 at 2 m.
TEST_F(StageB, GentleSlopeBehindASteepOneStartsNoHigherThanIt) {
    Schichten({{0.0f, 30.0f, 18.0f, 10.0f}});
    const float ende[][4] = {{0.0f, 0.0f, 1.0f, -2.0f}, {1.0f, -2.0f, 5.0f, -4.0f}};
    P.AnzBoesch = 2;
    for (int k = 1; k <= 2; ++k) {
        P.BoeschX1[k] = ende[k - 1][0];
        P.BoeschZ1[k] = ende[k - 1][1];
        P.BoeschX2[k] = ende[k - 1][2];
        P.BoeschZ2[k] = ende[k - 1][3];
        P.BoeschGamma[k] = 18.0f;
        P.BoeschPhi[k] = 30.0f;
    }
    zormb::ErddruckBoeschung(B.Gz, B.SigmaV, B.SchichtSigma, 0.0f);
    auto gz = [](float t) { return Wert(B.Gz, t); };
    EXPECT_NEAR(gz(2.0f), 36.0f + 36.0f * 2.0f / 2.614f, 0.1f);
    EXPECT_NEAR(gz(2.614f), 72.0f, 0.05f);
    EXPECT_NEAR(gz(50.0f), 72.0f, 0.01f);
}

// The mean of a layer value over a range inside one layer is that value, however narrow the range
// and however thick the layer (the last layer reaches 99 m).
TEST(LayerMean, NarrowRangeInsideAThickLayerIsTheLayersValue) {
    const float phi = 30.0f * kGrad;
    const std::array<float, 4> V{0.0f, 20.0f * kGrad, phi, 0.0f};
    const std::array<float, 4> K{0.0f, 0.0f, 2.0f, 99.0f};
    struct Fall {
        float a, b, soll;
    };
    const Fall faelle[] = {
        {2.0f, 2.001f, phi},           {50.0f, 50.001f, phi},
        {98.9f, 98.901f, phi},         {1.999f, 2.0f, 20.0f * kGrad},
        {0.0f, 0.001f, 20.0f * kGrad}, {1.999f, 2.001f, 0.5f * (20.0f * kGrad + phi)},
    };
    for (const Fall& f : faelle) {
        float m = 0.0f;
        zormcom::SchichtMittel(V, K, 2, f.a, f.b, m);
        EXPECT_NEAR(m, f.soll, 2e-5f) << f.a << " .. " << f.b;
    }
}

// Layer and slope counts of the layer hand-over file beyond its tables (a damaged or foreign
// file) are refused with the runtime's error 9 instead of reading past the tables.
TEST_F(StageB, LayerHandOverFileWithCountsBeyondItsTablesIsRefused) {
    struct Fall {
        const char* inhalt;
    };
    const Fall faelle[] = {{"13\r\n"}, {"0\r\n"}};
    for (const Fall& f : faelle) {
        {
            std::ofstream d("ZORZ11", std::ios::binary);
            d << f.inhalt;
        }
        try {
            zormb::Z11Lesen();
            ADD_FAILURE() << f.inhalt;
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9) << f.inhalt;
        }
    }
}

} // namespace
