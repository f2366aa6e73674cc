// The centre search on the slope model: shifts of the field, the limit of ten shifts, the stop at a
// safety below 0.7, a field of one column, and no circle of an earlier search left as the critical one.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "slip_model_fixture.h"
#include "slipcircle/progress.h"
#include "slipcircle/search.h"
#include "slipcircle/state.h"
#include "wall_model_fixture.h"

namespace {

using Zormg::D;

// The rows the search shows, as a progress observer keeps them.
struct Fenster : Zormg::Fortschritt {
    std::vector<std::string> zeilen = std::vector<std::string>(12);
    Fenster() { Zormg::FortschrittAnschliessen(this); }
    ~Fenster() override { Zormg::FortschrittAnschliessen(nullptr); }
    void Zeile(int zeile, const std::string& text) override {
        if (zeile >= 1 && zeile < 12) zeilen[static_cast<std::size_t>(zeile)] = text;
    }
};

TEST(MittelpunktIteration, BestCentreOnTheEdgeShiftsTheFieldByNineTenths) {
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    d.FeldXAnfang = 2; // the minimum near x = -0.5 lies left of the field
    d.FeldXEnde = 8;
    Fenster f;
    Zormg::MittelpunktIteration();
    EXPECT_GE(d.Verschiebungen, 1);
    EXPECT_FLOAT_EQ(d.FeldXAnfang, 2.0f - 0.9f * 6.0f); // one shift left: 2 - 5.4
    EXPECT_FLOAT_EQ(d.FeldXEnde - d.FeldXAnfang, 6.0f);
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_NEAR(d.etaMin, 0.986f, 0.01f);
    EXPECT_EQ(f.zeilen[5], " Der Mittelpunkt des Gleitkreises der bisher gefundenen             ");
    EXPECT_EQ(f.zeilen[7], " bereiches; deshalb werden die Ränder verschoben.");
    EXPECT_EQ(f.zeilen[8], "     ---->  neue Iteration;    Verschiebung Nr.  1 ");
    EXPECT_EQ(f.zeilen[10], " Ausstieg nach  10  Verschiebungen.");
}

TEST(MittelpunktIteration, TenShiftsWithoutAnyCircleEndWith999AndNoSlipLine) {
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    // A field far right: every arc ends beyond the model, no circle has a body.
    d.FeldXAnfang = 300;
    d.FeldXEnde = 306;
    d.FeldTeileX = d.FeldTeileZ = 3;
    // A critical circle of an earlier search must not survive.
    d.xMKrit = 1;
    d.KritPunktzahl = 5;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Verschiebungen, 10);
    EXPECT_EQ(d.Abbruch, 2);
    EXPECT_EQ(d.etaMin, Zormg::kKeinKreis);
    EXPECT_EQ(d.KritPunktzahl, 0);
    EXPECT_EQ(d.xMKrit, 0.0f);
    EXPECT_EQ(d.KreisZaehler, 0);
}

TEST(MittelpunktIteration, SafetyBelow07AfterTheTenthShiftKeepsItsStatus) {
    // A wide field far right (no circle) moves left by 54 m per shift; after the tenth shift it spans
    // x 20..80 where the weak slope fails.
    slipfix::Boeschung(1, 0, 20);
    auto& d = D();
    d.FeldXAnfang = 560;
    d.FeldXEnde = 620;
    d.FeldZAnfang = d.FeldZEnde = -17;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Verschiebungen, 10);
    EXPECT_FLOAT_EQ(d.FeldXAnfang, 20);
    EXPECT_EQ(d.Abbruch, 1);
    EXPECT_LT(d.etaMin, 0.7f);
}

TEST(MittelpunktIteration, SafetyBelow07EndsTheSearchWithoutShift) {
    slipfix::Boeschung(1, 0, 20);
    auto& d = D();
    d.FeldXAnfang = 2;
    d.FeldXEnde = 8;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 1);
    EXPECT_EQ(d.KreisZaehler, 1);
    EXPECT_EQ(d.Verschiebungen, 0);
    EXPECT_FLOAT_EQ(d.FeldXAnfang, 2);
    EXPECT_LT(d.etaMin, 0.7f);
    EXPECT_NEAR(Zormg::Z().GkSchichtPhi[1], 0.0f, 1e-6f);
    EXPECT_NEAR(d.AuslaufwinkelLuft, 30.0f, 1e-4f);
}

TEST(MittelpunktIteration, FieldOfOneColumnKeepsItsAbscissa) {
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    d.FeldXAnfang = d.FeldXEnde = -0.5f;
    d.FeldVerschieben = 0;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.FeldTeileX, 0);
    EXPECT_FLOAT_EQ(d.xMKrit, -0.5f);
    EXPECT_NEAR(d.etaMin, 0.986f, 0.01f);
    // Circles: 16 on the grid, then whole columns of rings (3, 5, ...) while they improve.
    EXPECT_GE(d.KreisZaehler, 16 + 3);
}

} // namespace

namespace {

TEST(MittelpunktIteration, GivesUpAfterAThousandInvalidCirclesHeldByAnchors) {
    // A strut far stronger than the slope makes every circle invalid with a negative anchor moment.
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    auto& s = Zormg::Z();
    d.AnzGkAnker = 1;
    s.GkAnkerX[1] = 0;
    s.GkAnkerZ[1] = 2;
    s.GkAnkerLaenge[1] = 0;
    s.GkAnkerKraft[1] = 5000;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 2);
    EXPECT_EQ(d.KreisZaehler, 1000); // the 1001st circle is not counted
    EXPECT_EQ(d.etaMin, Zormg::kUngueltig);
    EXPECT_LT(d.Verschiebungen, 10);
}

} // namespace

namespace {

// A minimum between two fields: the best centre of the first field lies on its left edge, the field
// moves left by 0.9 of its width, and the best centre of that field lies on its right edge, in the
// strip both fields share. A shift back into the first field ends the search with the better circle
// of the two, with status 0 and no further shift. On the slope with c 3, phi 19.6 the minimum of the
// slice method lies near (-0.5, -18.7) with a safety of 0.986 (classic Bishop: 0.985).
TEST(MittelpunktIteration, MinimumBetweenTwoFieldsEndsWithTheBestCircleOfBoth) {
    struct Fall {
        float c, phi;
        int16_t teile;
        float xa, za, w; // first field x xa..xa + w, z za..za + w
    };
    for (const Fall& f : {Fall{3, 19.6f, 3, -1, -22, 5}, Fall{3, 30, 4, -2, -22, 5}}) {
        // Each field searched alone.
        float einzeln[2] = {0, 0};
        for (int feld = 0; feld <= 1; ++feld) {
            slipfix::Boeschung(f.c, f.phi, 20);
            auto& d = D();
            d.FeldXAnfang = f.xa - 0.9f * f.w * static_cast<float>(feld);
            d.FeldXEnde = d.FeldXAnfang + f.w;
            d.FeldZAnfang = f.za;
            d.FeldZEnde = f.za + f.w;
            d.FeldTeileX = d.FeldTeileZ = f.teile;
            d.FeldVerschieben = 0;
            Zormg::MittelpunktIteration();
            einzeln[feld] = d.etaMin;
        }
        slipfix::Boeschung(f.c, f.phi, 20);
        auto& d = D();
        d.FeldXAnfang = f.xa;
        d.FeldXEnde = f.xa + f.w;
        d.FeldZAnfang = f.za;
        d.FeldZEnde = f.za + f.w;
        d.FeldTeileX = d.FeldTeileZ = f.teile;
        Zormg::MittelpunktIteration();
        EXPECT_EQ(d.Abbruch, 0) << f.phi;
        EXPECT_EQ(d.Verschiebungen, 1) << f.phi;
        EXPECT_EQ(d.etaMin, std::min(einzeln[0], einzeln[1])) << f.phi;
        // The best centre lies in the strip the two fields share, x from xa to xa + 0.1 w.
        EXPECT_GE(d.xMKrit, f.xa - 0.001f) << f.phi;
        EXPECT_LE(d.xMKrit, f.xa + 0.1f * f.w + 0.001f) << f.phi;
        // The slip line kept is the one of that circle: its points on the arc lie at the radius.
        ASSERT_GT(d.KritPunktzahl, 4) << f.phi;
        const int m = d.KritPunktzahl / 2;
        EXPECT_NEAR(std::hypot(d.KritLinieX[m] - d.xMKrit, d.KritLinieZ[m] - d.zMKrit), d.RKrit, 0.01f)
            << f.phi;
        if (f.phi == 19.6f) {
            EXPECT_NEAR(d.etaMin, 0.986f, 0.001f);
        }
    }
}

} // namespace

namespace {

// The wall with its strip load 12 m to 16 m behind it (wall_model_fixture.h): circles small enough to end
// before the load have their least safety inside the default field (x -6..0, z -6..0), away from its
// edges; the circles that take the load in lie with their centres some 10 m higher and are less safe.
TEST(MittelpunktIteration, FindsTheLeastSafetyWhereTheDefaultFieldHoldsALocalMinimum) {
    const Wand wand;
    // Independent scan: 0.5 m over the region around the wall, then 0.05 m and 0.01 m around the best
    // centre of the coarser grid.
    const auto grob = wand.Scan(-20, 20, -30, 7, 0.5);
    const auto mittel = wand.Scan(grob[1] - 0.5, grob[1] + 0.5, grob[2] - 0.5, grob[2] + 0.5, 0.05);
    const auto fein = wand.Scan(mittel[1] - 0.1, mittel[1] + 0.1, mittel[2] - 0.1, mittel[2] + 0.1, 0.01);
    // The default field alone: its least safety lies inside it, well above the least of all.
    const auto feld = wand.Scan(-6, 0, -6, 0, 0.2);
    ASSERT_GT(feld[1], -5.9);
    ASSERT_LT(feld[1], -0.1);
    ASSERT_GT(feld[2], -5.9);
    ASSERT_LT(feld[2], -0.1);
    ASSERT_GT(feld[0], 1.1 * fein[0]);

    wand.Modell();
    auto& d = D();
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_EQ(d.Verschiebungen, 0); // the search from the default field stays where it began
    EXPECT_NEAR(d.etaMin, fein[0], 0.01 * fein[0]);
    EXPECT_NEAR(d.xMKrit, fein[1], 1.0);
    EXPECT_NEAR(d.zMKrit, fein[2], 1.0);
    EXPECT_NEAR(d.RKrit, std::hypot(d.xMKrit, d.zMKrit - 8.0f), 0.001f);

    // The default field searched alone ends in its local minimum.
    wand.Modell();
    d.FeldVerschieben = 0;
    Zormg::MittelpunktIteration();
    EXPECT_NEAR(d.etaMin, feld[0], 0.01 * feld[0]);

    // Started from the deep field (1 m above to 4 m below the excavation level) with the default field as
    // the second one, the search ends at the same least safety.
    wand.Modell();
    d.FeldZAnfang = 4;
    d.FeldZEnde = 9;
    d.ZweitFeld = true;
    d.ZweitFeldZAnfang = -6;
    d.ZweitFeldZEnde = 0;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_NEAR(d.etaMin, fein[0], 0.01 * fein[0]);
}

TEST(MittelpunktIteration, ASafetyBelow07FromAFurtherStartFieldEndsTheSearchWithStatus1) {
    // A wall 10 m high in soil without cohesion, its foot only 0.75 m below the excavation level, the load
    // 8 m to 11 m behind it: the default field holds a local minimum above 1, while small circles at the
    // foot fail.
    Wand wand;
    wand.H = 10;
    wand.zFuss = 10.75;
    wand.c = 0;
    wand.q = 60;
    wand.qa = 8;
    wand.qe = 11;
    wand.Modell();
    auto& d = D();
    d.FeldVerschieben = 0;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_GT(d.etaMin, 1.0f);
    EXPECT_NEAR(d.etaMin, wand.Sicherheit(d.xMKrit, d.zMKrit), 0.01);

    wand.Modell();
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 1);
    EXPECT_LT(d.etaMin, 0.7f);
    EXPECT_EQ(d.Verschiebungen, 0);
    EXPECT_FLOAT_EQ(d.FeldXAnfang, -6); // the field as the search from it left it
    EXPECT_FLOAT_EQ(d.FeldZEnde, 0);
    // The circle kept is one below 0.7 by the sums too.
    EXPECT_LT(wand.Sicherheit(d.xMKrit, d.zMKrit), 0.71);
}

} // namespace
