// The foot search of a stage against closed-form solutions of the sand stage (stage_fixture.h):
// earth pressure 6 z, design passive resistance 36 (z - zAush).
#include <cmath>
#include <functional>
#include <vector>

#include "earthpressure/state.h"
#include "frame/run_status.h"
#include "platform/runtime/winfs.h"
#include "stage_fixture.h"
#include "tests/support/text_file.h"
#include "statics/state.h"

namespace {

using namespace statik_test;

// Blum, zAush 4, superposed: net load 144 - 30 z below 4 m, zero point 4.8. The foot moment of the net
// load vanishes at t with 4 6^(1/3) / (6^(1/3) - 1) = 8.8952; the search stops at most 0.002 deeper.
// C = 48 + [144 z - 15 z^2] from 4 to the foot = -194.2; DeltaT = 1.5 C / (2 Kp 18 zFuss) = 0.303.
TEST_F(SandStatik, BlumFootOfACantileverInSand) {
    P.Wandfuss = 4;
    P.ZWandfuss = 4.0f;
    P.kzUeb[1] = 1;
    ASSERT_EQ(Rechnen(), "D");
    const double exakt = 4.0 * std::cbrt(6.0) / (std::cbrt(6.0) - 1.0);
    EXPECT_GE(zormcom::Lauf.zFuss, exakt - 1e-4);
    EXPECT_LE(zormcom::Lauf.zFuss, exakt + 0.0021);
    EXPECT_NEAR(St.ZRuhedruckFuss, 4.8f, 0.001f);
    EXPECT_NEAR(zormc::St.HUmlagerung, 4.8f, 0.001f);
    const float zf = zormcom::Lauf.zFuss;
    // C is the area of the net load from the head to the foot.
    const float ck = 48.0f + (144.0f * zf - 15.0f * zf * zf) - (144.0f * 4.0f - 15.0f * 16.0f);
    EXPECT_NEAR(St.CKraft, ck, 0.1f);
    EXPECT_NEAR(St.CKraft, -194.2f, 0.4f);
    EXPECT_NEAR(St.SohlSpannungFuss, 18.0f * zf, 0.01f);
    EXPECT_NEAR(St.DeltaT, 1.5f * -ck / (2.0f * 3.0f * 18.0f * zf), 0.002f);
    EXPECT_NEAR(St.DeltaT, 0.303f, 0.002f);
    EXPECT_NEAR(St.CKraftKp, 3.0f, 1e-4f);
    EXPECT_EQ(St.KeineKonvergenz, 0);
    EXPECT_NEAR(KopfW(), 86.4f, 0.2f);
    // Moment of the net load about the foot nearly 0: the foot moment of the fixed end is small.
    const auto* ende = Zeile(zf, zormc::kEnde);
    ASSERT_NE(ende, nullptr);
    EXPECT_LT(std::fabs((*ende)[zormc::kM]), 1.0f);
    // The largest moment -182.8 lies at 6.76 m, where the shear vanishes: no row is more negative.
    for (int i = 0; i < St.AnzZeilen; ++i)
        EXPECT_GE(St.ErgebnisTabelle[i][zormc::kM], -182.9f);
}

// Free earth support, zAush 6, anchor 1.5, no superposition: the earth support at zAush + 0.6 t carries
// Bh = Eph = 18 t^2; moments about the anchor give t = 3.1838 (foot 9.1838), the anchor the rest of
// 3 zFuss^2.
TEST_F(SandStatik, FreeEarthSupportOfAnAnchoredWall) {
    P.Wandfuss = 1;
    P.zAush = 6.0f;
    P.ZWandfuss = 6.0f;
    P.AnzAnker = 1;
    P.ZAnker[1] = 1.5f;
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_GE(zormcom::Lauf.zFuss, 9.1836f);
    EXPECT_LE(zormcom::Lauf.zFuss, 9.1860f);
    const float t = zormcom::Lauf.zFuss - 6.0f;
    EXPECT_NEAR(St.ZErdauflager, 6.0f + 0.6f * t, 0.002f);
    EXPECT_NEAR(St.Eph, 18.0f * t * t, 0.01f);
    EXPECT_NEAR(St.Bh, St.Eph, 0.5f);
    EXPECT_NEAR(St.Bh, 182.5f, 0.5f);
    const auto* anker = Zeile(1.5f, zormc::kAuflager);
    ASSERT_NE(anker, nullptr);
    EXPECT_NEAR((*anker)[zormc::kP1 + 3], 3.0f * zormcom::Lauf.zFuss * zormcom::Lauf.zFuss - St.Bh, 0.05f);
    EXPECT_NEAR((*anker)[zormc::kP1 + 3], 70.6f, 0.3f);
    EXPECT_NEAR(KopfW(), -7.26f, 0.05f);
    EXPECT_EQ(St.CKraft, 0.0f);
    EXPECT_EQ(St.DeltaT, 0.0f);
}

} // namespace

namespace {

// A relief in the additional vertical stress that outweighs the soil at the foot: no passive resistance
// can take the C force there, so the extra embedment is not determinable (never negative or infinite).
TEST_F(SandStatik, ExtraEmbedmentNotDeterminableWithoutVerticalStressAtTheFoot) {
    P.Wandfuss = 4;
    P.ZWandfuss = 4.0f;
    P.kzUeb[1] = 1;
    zormcom::AushubSpeichern(1);
    zorma::EingabeAuswerten();
    zormb::ErddruckBerechnen();
    vb::Close(zorma::kBerichtDateiNr);
    vb::WriteFileBytes("ZORGZ", "2\r\n0,-1000\r\n99,-1000\r\n");
    zor::Laufstatus status = zor::Laufstatus::Offen;
    zormc::WandStatik(status);
    ASSERT_EQ(status, zor::Laufstatus::Weiter);
    EXPECT_NEAR(St.CKraft, -194.2f, 0.4f);
    EXPECT_LT(St.SohlSpannungFuss, 0.0f);
    EXPECT_EQ(St.DeltaT, 0.0f);
    EXPECT_EQ(St.DeltaTBestimmbar, 0);
    // The notice, within the report's 80 columns.
    const std::string bericht = zortest::Text("LPTZW");
    EXPECT_NE(bericht.find(std::string(13, ' ') +
                           "*** Lastfall 1, Aushub 1: Zusatzlänge für die Ersatzkraft C nicht\r\n" +
                           std::string(17, ' ') + "bestimmbar (kein Erdwiderstand am Fuß).\r\n"),
              std::string::npos)
        << bericht;
}

} // namespace

namespace {

// The sand stage anchored at 1.5 m and excavated to 6 m: earth pressure 6 z, design passive resistance
// 36 (z - 6), free earth support at 6 + r t with r = (2/3) (0.6 / 0.6667) (the centroid of the triangular
// passive resistance, scaled), searched from the excavation level.
class VerankerteSandwand : public SandStatik {
protected:
    void SetUp() override {
        SandStatik::SetUp();
        P.Wandfuss = 1;
        P.zAush = 6.0f;
        P.ZWandfuss = 6.0f;
        P.AnzAnker = 1;
        P.ZAnker[1] = 1.5f;
    }
    static constexpr double kVerhaeltnis = (2.0 / 3.0) * (0.6 / 0.6667);

    // A load block on the beam: its force (kN/m) and the depth of that force.
    struct Block {
        double F, z;
    };
    // The earth-support force of the statically determinate beam (anchor at 1.5 m, earth support at
    // 6 + r t): moments about the anchor.
    static double Erdauflagerkraft(const std::vector<Block>& last, double zf) {
        double M = 0.0;
        for (const Block& b : last)
            M += b.F * (b.z - 1.5);
        return M / (6.0 + kVerhaeltnis * (zf - 6.0) - 1.5);
    }
    static double Summe(const std::vector<Block>& last) {
        double F = 0.0;
        for (const Block& b : last)
            F += b.F;
        return F;
    }
    // Depth where the earth-support force first equals the passive resistance 18 t^2 (bisection).
    static double Fusstiefe(const std::function<std::vector<Block>(double)>& last) {
        auto rest = [&](double zf) {
            return Erdauflagerkraft(last(zf), zf) - 18.0 * (zf - 6.0) * (zf - 6.0);
        };
        double a = 6.5, b = 20.0;
        for (int i = 0; i < 200; ++i) {
            const double m = 0.5 * (a + b);
            if ((rest(a) > 0.0) == (rest(m) > 0.0))
                a = m;
            else
                b = m;
        }
        return a;
    }
};

// Figure 8 at time 4 (no superposition), one support at r = 1.5 / 6 = 0.25 of the excavation depth:
// blocks z1 = 0, z2 = H / 2 = 3, eps = 1 / 1.5. The 108 kN/m above the excavation level become
// e0 = 108 / (3 (1 - 2/3) + 6 (2/3)) = 21.6 over 0..3 m and 14.4 over 3..6 m; below it the earth pressure
// 6 z goes on with its jump from 14.4 to 36 at the excavation level.
TEST_F(VerankerteSandwand, FigureEightAtTimeFourKeepsTheEarthPressureBelowTheExcavation) {
    P.UmFigur = 8;
    P.UmZeit[1] = 4;
    auto last = [](double zf) {
        const double t = zf - 6.0;
        return std::vector<Block>{
            {64.8, 1.5}, {43.2, 4.5}, {36.0 * t, 6.0 + t / 2.0}, {3.0 * t * t, 6.0 + 2.0 * t / 3.0}};
    };
    const double exakt = Fusstiefe(last);
    EXPECT_NEAR(exakt, 8.806, 0.001); // without the jump at the excavation level it would be 8.309
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_GE(zormcom::Lauf.zFuss, exakt - 1e-3);
    EXPECT_LE(zormcom::Lauf.zFuss, exakt + 0.0025);
    // At the level reached: the earth support and the anchor from the moments about the anchor.
    const double zf = zormcom::Lauf.zFuss;
    const double bh = Erdauflagerkraft(last(zf), zf);
    EXPECT_NEAR(St.Bh, bh, 0.2);
    const auto* anker = Zeile(1.5f, zormc::kAuflager);
    ASSERT_NE(anker, nullptr);
    EXPECT_NEAR((*anker)[zormc::kP1 + 3], Summe(last(zf)) - bh, 0.2);
    EXPECT_NEAR((*anker)[zormc::kP1 + 3], 90.9, 0.3);
}

// Redistribution before the superposition moves the earth pressure above the excavation level and
// keeps every point below it: the beam carries the whole earth pressure down to the foot, whatever
// the figure, and the anchor and the earth support take it all. Two layers with a boundary below the
// excavation level, where the earth pressure jumps from 18 z / 3 to Ka2 18 z (phi 25: Ka2 = tan^2 32.5
// degrees).
TEST_F(VerankerteSandwand, RedistributionKeepsTheLoadBelowTheExcavationLevel) {
    const double ka2 = std::pow(std::tan((45.0 - 12.5) * 3.14159265358979 / 180.0), 2.0);
    for (int16_t fig : {1, 2, 4, 5, 7, 8}) {
        SetUp();
        zortest::Bodenschichten({{7.5f, 30.0f, 18.0f, 10.0f}, {12.5f, 25.0f, 18.0f, 10.0f}});
        P.UmFigur = fig;
        P.UmZ1 = 1.0f;
        P.UmZ2 = 4.0f;
        P.EpsUml = 0.5f;
        P.UmZeit[1] = 4;
        ASSERT_EQ(Rechnen(), "D") << fig;
        const double zf = zormcom::Lauf.zFuss;
        ASSERT_GT(zf, 7.6) << fig;
        const double soll = 3.0 * 7.5 * 7.5 + ka2 * 9.0 * (zf * zf - 7.5 * 7.5);
        // Free head and free foot: the anchor and the earth support carry the whole load of the beam.
        const auto* anker = Zeile(1.5f, zormc::kAuflager);
        ASSERT_NE(anker, nullptr) << fig;
        EXPECT_NEAR((*anker)[zormc::kP1 + 3] + St.Bh, soll, 0.002 * soll) << "figure " << fig;
    }
}

// Redistribution after the superposition (time 0) spreads the superposed load down to the load zero
// point: the net load 6 z above the excavation level and 216 - 30 z below it, zero at 7.2 m, has the area
// 108 + 21.6 = 129.6 kN/m whatever the foot, and the figure carries all of it, also the 21.6 kN/m between
// the excavation level and the zero point. The anchor and the earth support take it.
TEST_F(VerankerteSandwand, RedistributionAfterSuperpositionKeepsTheLoadDownToTheZeroPoint) {
    for (int16_t fig : {1, 2, 4, 5}) {
        SetUp();
        P.UmFigur = fig;
        P.UmZ1 = 1.0f;
        P.UmZ2 = 4.0f;
        P.EpsUml = 0.5f;
        ASSERT_EQ(Rechnen(), "D") << fig;
        EXPECT_NEAR(zormc::St.HUmlagerung, 7.2f, 0.001f) << fig;
        const auto* anker = Zeile(1.5f, zormc::kAuflager);
        ASSERT_NE(anker, nullptr) << fig;
        EXPECT_NEAR((*anker)[zormc::kP1 + 3] + St.Bh, 129.6f, 0.2f) << "figure " << fig;
    }
}

// The iteration table of the free-earth-support search holds each iteration's own forces: a hand-run
// of the search (start 0.01 m below the excavation level, lowered by 0.2 m while the resistance is at
// most 1 kN/m, steps 1, 0.5, 0.2, ... m, a step back at each change of sign until the step is 0.002 m)
// on the closed-form beam: Ed = the earth-support force by moments about the anchor of the load 6 z,
// Rd = 18 t^2.
TEST_F(VerankerteSandwand, IterationTableHoldsEachIterationsOwnForces) {
    auto ed = [](double zf) { return Erdauflagerkraft({{3.0 * zf * zf, 2.0 * zf / 3.0}}, zf); };
    auto rd = [](double zf) { return 18.0 * (zf - 6.0) * (zf - 6.0); };
    struct Reihe {
        double t, ed, rd;
    };
    std::vector<Reihe> hand; // entry k - 1 for iteration k
    {
        double zf = 6.01, schritt = 0.0, alt = 0.0;
        Reihe jetzt{};
        bool fertig = false;
        for (int it = 1; it < 40; ++it) {
            if (it > 1) {
                hand.resize(static_cast<std::size_t>(it - 1));
                hand[static_cast<std::size_t>(it - 2)] = jetzt;
                if (fertig) break;
                zf += schritt;
            }
            while (rd(zf) <= 1.0)
                zf += 0.2;
            jetzt = {zf - 6.0, ed(zf), rd(zf)};
            double rest = jetzt.ed - jetzt.rd;
            if (schritt == 0.0) schritt = 1.0;
            if (alt * rest < 0.0) {
                if (schritt < 0.0021) {
                    fertig = true;
                    continue;
                }
                rest = alt;
                zf -= schritt;
                --it;
                jetzt = hand[static_cast<std::size_t>(it - 1)];
                schritt = schritt > 0.51     ? 0.5
                          : schritt > 0.21   ? 0.2
                          : schritt > 0.11   ? 0.1
                          : schritt > 0.051  ? 0.05
                          : schritt > 0.021  ? 0.02
                          : schritt > 0.011  ? 0.01
                          : schritt > 0.0051 ? 0.005
                                             : 0.002;
            }
            alt = rest;
        }
    }
    ASSERT_EQ(hand.size(), 9u);
    EXPECT_NEAR(hand[0].t, 0.41, 1e-9);
    EXPECT_NEAR(hand[8].t, 3.184, 1e-9);

    ASSERT_EQ(Rechnen(), "D");
    ASSERT_EQ(St.IterZaehler - 1, static_cast<int>(hand.size()));
    for (std::size_t k = 0; k < hand.size(); ++k) {
        EXPECT_NEAR(St.IterT[k + 1], hand[k].t, 1e-4) << k + 1;
        EXPECT_NEAR(St.IterBh[k + 1], hand[k].ed, 0.05) << k + 1;
        EXPECT_NEAR(St.IterEph[k + 1], hand[k].rd, 0.02) << k + 1;
    }
}

} // namespace
