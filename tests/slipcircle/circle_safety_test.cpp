// Safety of single circles and of a whole search against independent calculations: the closed form for a
// purely cohesive soil, classic Bishop with fine slices, and an effective-stress Bishop calculation for
// ground water (the water moment must give the same as buoyant weights without water forces).
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "frame/messages.h"
#include "slip_model_fixture.h"
#include "slipcircle/circle_safety.h"
#include "slipcircle/lines.h"
#include "slipcircle/progress.h"
#include "slipcircle/search.h"
#include "slipcircle/state.h"
#include "wall_model_fixture.h"

namespace {

using Zormg::D;

TEST(KreisSicherheit, PurelyCohesiveSoilMatchesTheClosedForm) {
    // eta = cu R L / (W e): arc 24.02 m, area 46.01 m2, lever 11.23 m -> 20 * 27 * 24.02 / (20 * 46.01
    // * 11.23).
    slipfix::Boeschung(20, 0, 20);
    slipfix::Vorbereiten();
    const float erwartet = 20.0f * 27.0f * 24.0224f / (20.0f * 46.0054f * 11.2306f);
    EXPECT_NEAR(erwartet, 1.255f, 0.001f);
    EXPECT_NEAR(slipfix::Kreis(0, -17), erwartet, 0.01f);
    EXPECT_NEAR(D().Radius, 27.0f, 1e-4f);
    EXPECT_EQ(D().KreisZaehler, 1);
}

struct Fall {
    float c, phi, gamUnter, zWasser, xM, zM, eta;
};

class Bishop : public ::testing::TestWithParam<Fall> {};

TEST_P(Bishop, SingleCircleAgreesWithinTheIterationTolerance) {
    const Fall f = GetParam();
    slipfix::Boeschung(f.c, f.phi, 20, f.gamUnter, f.zWasser);
    slipfix::Vorbereiten();
    EXPECT_NEAR(slipfix::Kreis(f.xM, f.zM), f.eta, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(
    Acads1a, Bishop,
    ::testing::Values(Fall{3, 19.6f, 20, 99, 0, -17, 0.986f},  // the toe circle, Bishop 0.986
                      Fall{3, 19.6f, 20, 99, 2, -15, 1.001f},  // R 25.08
                      Fall{3, 19.6f, 11, 6, 0, -17, 0.934f},   // water 4 m over the toe, gamma' 11
                      Fall{3, 19.6f, 11, 6, 2, -15, 0.923f})); // (effective-stress Bishop)

TEST(KreisSicherheit, ACircleDoesNotDependOnTheCirclesEvaluatedBeforeIt) {
    // The same circles in turn with other friction angles and other run-out angles: each gives bit for
    // bit the same safety whichever circle came before it.
    auto kreis = [](float c, float phi, float luft, float xM, float zM) {
        slipfix::Boeschung(c, phi, 20);
        D().AuslaufwinkelLuft = luft;
        slipfix::Vorbereiten();
        return slipfix::Kreis(xM, zM);
    };
    const float b = kreis(0, 35, 45, 2, -15);
    const float a = kreis(3, 19.6f, 30, 0, -17);
    EXPECT_NEAR(a, 0.986f, 0.01f); // Bishop (see above)
    EXPECT_GT(b, 0.0f);
    EXPECT_LT(b, Zormg::kUngueltig);
    EXPECT_NE(a, b);
    EXPECT_EQ(kreis(3, 19.6f, 30, 0, -17), a);
    EXPECT_EQ(kreis(0, 35, 45, 2, -15), b);
    EXPECT_EQ(kreis(0, 35, 30, 2, -15), kreis(0, 35, 30, 2, -15));
    EXPECT_NE(kreis(0, 35, 30, 2, -15), b); // the run-out angle counts
}

TEST(MittelpunktIteration, FindsTheCriticalToeCircleOfTheSlope) {
    slipfix::Boeschung(3, 19.6f, 20);
    Zormg::MittelpunktIteration();
    const auto& d = D();
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_NEAR(d.etaMin, 0.986f, 0.01f);
    // The minimum is flat: its place is compared loosely.
    EXPECT_NEAR(d.xMKrit, -0.5f, 1.5f);
    EXPECT_NEAR(d.zMKrit, -18.7f, 2.0f);
    EXPECT_NEAR(d.RKrit, std::hypot(d.xMKrit, 10.0f - d.zMKrit), 1e-3f);
    // The critical slip line runs from the toe (every circle passes through it) to the crest.
    ASSERT_GT(d.KritPunktzahl, 2);
    EXPECT_NEAR(d.KritLinieZ[1], 10.0f, 0.02f);
    EXPECT_NEAR(d.KritLinieX[1], 0.0f, 0.05f);
    EXPECT_GT(d.KritLinieX[d.KritPunktzahl], 20.0f);
    EXPECT_NEAR(d.KritLinieZ[d.KritPunktzahl], 0.0f, 0.02f);
    // Angles are degrees again.
    EXPECT_NEAR(Zormg::Z().GkSchichtPhi[1], 19.6f, 1e-4f);
    EXPECT_NEAR(d.AuslaufwinkelLuft, 30.0f, 1e-4f);
    EXPECT_NEAR(d.AuslaufwinkelErde, 85.0f, 1e-4f);
}

} // namespace

namespace {

TEST(Auf7Stellen, RoundsToSevenSignificantDigits) {
    struct {
        double v;
        float r;
    } faelle[] = {{1.23456789, 1.234568f},     {-0.000123456789, -0.0001234568f},
                  {123456789.0, 123456800.0f}, {0.5, 0.5f},
                  {2.0 / 3.0, 0.6666667f},     {0.0, 0.0f},
                  {-98765.4321, -98765.43f}};
    for (auto f : faelle)
        EXPECT_FLOAT_EQ(Zormg::Auf7Stellen(f.v), f.r) << f.v;
}

} // namespace

namespace {

TEST(KreisSicherheit, LeavesAllLinesOnOneCommonSetOfAbscissae) {
    // Water, a load and an anchor give lines of their own; a full cleaning afterwards changes nothing.
    slipfix::Boeschung(3, 19.6f, 20, 11, 6);
    auto& d = Zormg::D();
    auto& s = Zormg::Z();
    const int j = ++d.AnzGkLasten;
    s.LastPunkt1[j] = 301;
    s.LastPunkt2[j] = 302;
    slipfix::Punkt(301, 5, 0);
    slipfix::Punkt(302, 7.3f, 0);
    s.VLastA[j] = s.VLastE[j] = 20;
    slipfix::Vorbereiten();
    for (auto [x, z] : {std::pair{0.0f, -17.0f}, std::pair{-3.3f, -9.1f}, std::pair{4.7f, -25.3f}}) {
        slipfix::Kreis(x, z);
        const int letzte = s.AnzLinien + 2;
        const int n = s.LinienPunktzahl[0];
        std::vector<float> xs, zs;
        for (int l = 0; l <= letzte; ++l) {
            ASSERT_EQ(s.LinienPunktzahl[l], n) << "line " << l;
            for (int p = 1; p <= n; ++p) {
                xs.push_back(s.LinieX(l, p));
                zs.push_back(s.LinieZ(l, p));
            }
        }
        Zormg::LinienBereinigen(2);
        std::size_t i = 0;
        for (int l = 0; l <= letzte; ++l)
            for (int p = 1; p <= n; ++p, ++i) {
                EXPECT_EQ(s.LinieX(l, p), xs[i]);
                EXPECT_EQ(s.LinieZ(l, p), zs[i]);
            }
    }
}

} // namespace

namespace {

// Notes what the run state holds whenever the calculation lets the user act (at every chance: the
// yield interval is 0), from then until it is destroyed.
struct Beobachter : Zormg::Fortschritt {
    std::vector<float> eta;
    std::vector<std::pair<float, float>> mittelpunkte; // (xM, zM), each once in a row
    Beobachter() {
        D().YieldAbstandMs = 0;
        Zormg::FortschrittAnschliessen(this);
    }
    ~Beobachter() override { Zormg::FortschrittAnschliessen(nullptr); }
    void Nachgeben() override {
        eta.push_back(D().eta);
        const std::pair<float, float> m{D().xM, D().zM};
        if (mittelpunkte.empty() || mittelpunkte.back() != m) mittelpunkte.push_back(m);
    }
};

TEST(KreisSicherheit, AnIterationThatDoesNotSettleEndsAfter200StepsWithTheLowerOfItsLastTwoValues) {
    // The air-side run-out at 85 degrees lets the slip line leave the toe almost vertically: for this
    // circle the slices' normal forces swing with the assumed safety and the iteration jumps between 1.5
    // and 1.7 without settling.
    slipfix::Boeschung(0, 10, 20);
    D().AuslaufwinkelLuft = 85;
    slipfix::Vorbereiten();
    Beobachter b;
    const float eta = slipfix::Kreis(14, 9.5f);
    EXPECT_EQ(D().IterZustand, 1);
    // One value per step (the first circle is also shown in the progress window: one more at its end).
    ASSERT_EQ(b.eta.size(), 201u);
    const float vorletzter = b.eta[198], letzter = b.eta[199];
    EXPECT_GT(std::fabs(letzter - vorletzter), 0.01f);
    EXPECT_EQ(eta, std::min(vorletzter, letzter));
    EXPECT_EQ(b.eta[200], eta);
    EXPECT_EQ(D().etaMin, eta);

    // A circle that settles: fewer steps, its last two values within 0.01, no mark.
    slipfix::Boeschung(3, 19.6f, 20);
    slipfix::Vorbereiten();
    Beobachter c;
    EXPECT_NEAR(slipfix::Kreis(0, -17), 0.986f, 0.01f);
    EXPECT_EQ(D().IterZustand, 0);
    ASSERT_GE(c.eta.size(), 2u);
    EXPECT_LT(c.eta.size(), 200u);
}

TEST(MittelpunktIteration, PassesRefineTheGridStepOf04InStepsOf008And0016And00032) {
    // A field of 6 m by 6 m in 15 parts: 16 x 16 centres 0.4 m apart, then rings around the best centre
    // in steps of a fifth: 0.08, 0.016 and 0.0032 m, and no finer pass.
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    d.FeldXAnfang = -3;
    d.FeldXEnde = 3;
    d.FeldZAnfang = -21;
    d.FeldZEnde = -15;
    d.FeldVerschieben = 0; // this field alone, without further start fields
    Beobachter b;
    Zormg::MittelpunktIteration();
    const auto& m = b.mittelpunkte;
    ASSERT_EQ(d.Verschiebungen, 0);
    ASSERT_EQ(static_cast<int>(m.size()), d.KreisZaehler);
    ASSERT_GT(m.size(), 256u);
    for (int ix = 0; ix <= 15; ++ix)
        for (int iz = 0; iz <= 15; ++iz) {
            const auto& p = m[static_cast<std::size_t>(ix * 16 + iz)];
            EXPECT_NEAR(p.first, -3.0f + 0.4f * ix, 1e-4f);
            EXPECT_NEAR(p.second, -21.0f + 0.4f * iz, 1e-4f);
        }
    // Every pass begins with its first ring, eight centres around the best one so far; find them.
    std::vector<float> schritte;
    for (std::size_t k = 256; k + 8 <= m.size(); ++k) {
        const float h = (m[k + 1].second - m[k].second);
        if (h <= 0.0f) continue;
        const float xc = m[k].first + h, zc = m[k].second + h;
        const std::pair<int, int> ring[] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1},
                                            {0, 1},   {1, -1}, {1, 0},  {1, 1}};
        bool passt = true;
        for (int r = 0; r < 8; ++r)
            passt = passt && std::fabs(m[k + r].first - (xc + ring[r].first * h)) < 1e-5f &&
                    std::fabs(m[k + r].second - (zc + ring[r].second * h)) < 1e-5f;
        if (passt) schritte.push_back(h);
    }
    ASSERT_EQ(schritte.size(), 3u);
    EXPECT_NEAR(schritte[0], 0.08f, 1e-5f);
    EXPECT_NEAR(schritte[1], 0.016f, 1e-5f);
    EXPECT_NEAR(schritte[2], 0.0032f, 1e-5f);
}

} // namespace

namespace {

TEST(KreisSicherheit, MoreThan250CrossingsOfTheSlipLineWithTheModelLines) {
    // The ACADS slope with the same soil in 19 layers; the lower 18 boundaries pinch out onto one line
    // that winds about the toe circle (centre (0, -17), R 27), 0.3 m above and below it in turn: each
    // boundary crosses the circle 15 times and more. The soil is one: the safety is that of the one-layer
    // slope, 0.986.
    slipfix::Boeschung(3, 19.6f, 20);
    auto& s = Zormg::Z();
    // Layer boundaries that pinch out onto one line winding about the toe circle of centre (0, -17).
    std::string text;
    for (int j = 0; j <= 15; ++j) {
        const float x = 1.0f + 1.2f * j;
        const float z = -17.0f + std::sqrt(27.0f * 27.0f - x * x) + (j % 2 == 0 ? 0.3f : -0.3f);
        slipfix::Punkt(100 + j, x, z);
        text += (j ? " " : "") + std::to_string(100 + j);
    }
    const int n = 19;
    for (int i = 2; i <= n; ++i) {
        s.LinienText[i] = text;
        s.GkSchichtGamma[i] = 20;
        s.GkSchichtGammaAuftrieb[i] = 20;
        s.GkSchichtPhi[i] = 19.6f;
        s.GkSchichtC[i] = 3;
    }
    s.AnzLinien = n;
    slipfix::Vorbereiten();
    EXPECT_NEAR(slipfix::Kreis(0, -17), 0.986f, 0.01f);
    EXPECT_GT(s.XListe.size(), 251u); // xLinks, the crossings, xRechts (from index 1)
    EXPECT_EQ(D().KreisZaehler, 1);
}

} // namespace

namespace {

// The wall of wall_model_fixture.h and a circle whose 85-degree run-out crosses the ground 0.95 mm beyond
// the start of a strip load of 100 kN/m2, 2 m wide: the crossing lies closer to the load's start than the
// abscissae merge (1 mm) and goes into it, while the slip line lies 1.1 cm below the ground there. The
// body ends at the crossing all the same, so the load acts on 0.95 mm of it: the circle's safety is that
// of the sums over the body (slices of 1 cm) and lies among its neighbours' a centimetre or two away.
TEST(KreisSicherheit, TheBodyEndsWhereTheSlipLineLastCrossesTheGround) {
    Wand wand;
    const double xM = -1.5, zM = 2.0;
    const double xc = wand.Ende(xM, zM); // 4.8833
    wand.qa = xc - 0.00095;
    wand.qe = wand.qa + 2.0;
    wand.b = 0.01;
    auto kreis = [&](double x, double z) {
        wand.Modell();
        slipfix::Vorbereiten();
        return slipfix::Kreis(static_cast<float>(x), static_cast<float>(z));
    };
    const float eta = kreis(xM, zM);
    const auto& s = Zormg::Z();
    EXPECT_NEAR(s.LinieX(s.AnzLinien + 1, D().LetzteLamelle), xc, 2e-4);
    const double summen = wand.Sicherheit(xM, zM);
    EXPECT_NEAR(summen, 2.75, 0.03); // the load adds 0.1 kN/m
    EXPECT_NEAR(eta, summen, 0.01);
    for (int i = -2; i <= 2; ++i)
        for (int k = -2; k <= 2; ++k) {
            if (i == 0 && k == 0) continue;
            const double x = xM + 0.01 * i, z = zM + 0.01 * k;
            const float nachbar = kreis(x, z);
            EXPECT_NEAR(eta, nachbar, 0.03) << i << " " << k;
            EXPECT_NEAR(nachbar, wand.Sicherheit(x, z), 0.01) << i << " " << k;
        }
}

} // namespace
