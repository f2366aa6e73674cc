// The centre search on the slope model: shifts of the field, the limit of ten shifts, the stop at a
// safety below 0.7, a field of one column, and no circle of an earlier search left as the critical one.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "slip_model_fixture.h"
#include "slipcircle/progress.h"
#include "slipcircle/zormg_search.h"
#include "slipcircle/zormg_state.h"

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
