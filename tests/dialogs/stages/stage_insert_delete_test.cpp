// Deleting and inserting excavation stages: the stage table columns, the per-stage arrays and the list of
// stages with changed wall friction move with their stages.
#include <gtest/gtest.h>

#include "dialogs/stages/frmAushub0.h"
#include "stage_fixture.h"

using zorm1::P;

namespace {

class Stufenwechsel : public zortest::StufenTest {
protected:
    // Stages 1..n, each marked by its number: excavation level, bedding rows, given pressure and passive
    // resistance rows, figure 6 rows, the flags of the earth-pressure pages.
    static void Stufen(int16_t n) {
        for (int16_t s = 1; s <= n; ++s) {
            Stufe(s, float(s), 1);
            P.ZWasserErdAush[s] = 10.0f + s;
            P.kzWasserenthAush[s] = s % 2;
            P.UmZeit[s] = s;
            P.BettAnz[s] = 2;
            P.FussGebettet[s] = 1;
            P.BettC(s, 2) = 100.0f + s;
            P.EahGeg(s, 0) = 1;
            P.EahGeg(s, 1) = 200.0f + s;
            P.EphGeg(s, 0) = 1;
            P.TEphGeg(s, 1) = 300.0f + s;
            P.AnzFigur6Aush[s] = 1;
            P.Fig6Verh(s, 1) = 400.0f + s;
        }
        P.AnzAush = n;
        P.AushNr = 1;
    }
    static void Erwartet(int16_t s, int16_t marke) {
        SCOPED_TRACE(s);
        EXPECT_EQ(P.Aushubstufen[static_cast<size_t>(s)].zAush, float(marke));
        EXPECT_EQ(P.ZWasserErdAush[s], 10.0f + marke);
        EXPECT_EQ(P.kzWasserenthAush[s], marke % 2);
        EXPECT_EQ(P.UmZeit[s], marke);
        EXPECT_EQ(P.BettC(s, 2), 100.0f + marke);
        EXPECT_EQ(P.EahGeg(s, 1), 200.0f + marke);
        EXPECT_EQ(P.TEphGeg(s, 1), 300.0f + marke);
        EXPECT_EQ(P.Fig6Verh(s, 1), 400.0f + marke);
    }
    static void Aendern(int16_t option, const char* nr) {
        vb::FormByName("frmAushub0");
        vb::user::click("frmAushub0.Option1(" + std::to_string(option) + ")");
        vb::user::type(nr);
        vb::user::click("frmAushub0.cmdOK");
    }
};

TEST_F(Stufenwechsel, DeletingMovesTheLaterStagesUpAndTheirWallFrictionEntries) {
    Stufen(4);
    P.DeltaNeuAushub[1] = 2;
    P.DeltaNeuAushub[2] = 4;
    P.DeltaNeuAushub[3] = 1;
    vb::form<zortest::AuswahlStandIn>().txtAushub(1).setText("4");
    Aendern(1, "2");
    EXPECT_EQ(P.AnzAush, 3);
    Erwartet(1, 1);
    Erwartet(2, 3);
    Erwartet(3, 4);
    Erwartet(4, 4); // the former last stage stays behind the count
    EXPECT_EQ(P.DeltaNeuAushub[1], 0);
    EXPECT_EQ(P.DeltaNeuAushub[2], 3);
    EXPECT_EQ(P.DeltaNeuAushub[3], 1);
    EXPECT_EQ(vb::LoadedForm("frmAushub0"), nullptr);
    EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(0)"), " 3");
    EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(1)"), "3"); // the current stage beyond the count
    EXPECT_EQ(P.AushNr, 3);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(3)");
}

TEST_F(Stufenwechsel, InsertingCopiesTheStageAtItsPlaceAndMovesTheOthersDown) {
    Stufen(4);
    P.DeltaNeuAushub[1] = 3;
    P.DeltaNeuAushub[2] = 1;
    vb::form<zortest::AuswahlStandIn>().txtAushub(1).setText("2");
    Aendern(2, "2");
    EXPECT_EQ(P.AnzAush, 5);
    const int16_t marken[] = {1, 2, 2, 3, 4};
    for (int16_t s = 1; s <= 5; ++s)
        Erwartet(s, marken[s - 1]);
    EXPECT_EQ(P.DeltaNeuAushub[1], 4);
    EXPECT_EQ(P.DeltaNeuAushub[2], 1);
    EXPECT_EQ(P.AushNr, 2);
}

TEST_F(Stufenwechsel, NumbersOutsideTheStagesChangeNothing) {
    const struct {
        int16_t n, option;
        const char* nr;
        int16_t danach;
    } faelle[] = {
        {15, 2, "3", 15}, // no 16th stage
        {1, 1, "1", 1},   // the only stage stays
        {4, 1, "0", 4},   // no stage 0
        {4, 1, "-2", 4},  //
        {4, 1, "", 4},    // an empty box
        {4, 1, "2.5", 3}, // rounded to 2 before the range test, stage 2 deleted
        {4, 2, "4.5", 5}, // rounded to 4
        {4, 1, "4.6", 3}, // rounded to 5: beyond the count, the box shows the count: stage 4 deleted
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.nr);
        vb::headless::ResetForms();
        vb::FormByName("frmAuswahl").Show();
        Stufen(f.n);
        vb::form<zortest::AuswahlStandIn>().txtAushub(1).setText("1");
        Aendern(f.option, f.nr);
        EXPECT_EQ(P.AnzAush, f.danach);
        EXPECT_EQ(P.AushNr, 1);
    }
    Stufen(4);
    vb::headless::ResetForms();
    vb::FormByName("frmAushub0");
    vb::user::click("frmAushub0.cmdOK"); // no option chosen
    EXPECT_EQ(P.AnzAush, 4);
}

} // namespace
