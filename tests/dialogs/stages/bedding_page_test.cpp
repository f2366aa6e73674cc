// The page of the bedded foot, the sloped bottom and the loads on the excavation side.
#include <gtest/gtest.h>

#include "dialogs/stages/frmAushub1b.h"
#include "stage_fixture.h"

using zorm1::P;

namespace {

class Bettungsseite : public zortest::StufenTest {
protected:
    // Stage 1 at the level z with two supports (no Blum foot by the cantilever rule), its page open.
    static void Oeffnen(float z = 4.5f, int16_t fuss = 1) {
        Stufe(1, z, fuss, {1.0f, 2.0f});
        Aktuell(1, 1);
        vb::FormByName("frmAushub1b");
    }
    static std::string Text(const std::string& box) { return vb::headless::text("frmAushub1b." + box); }
    static void In(const std::string& box, const std::string& t) { Tippen("frmAushub1b." + box, t); }
    static void Ok() { vb::user::click("frmAushub1b.cmdOK"); }
};

TEST_F(Bettungsseite, TheSlopeKeepsItsPositionsOnTheExcavationSideAndItsDepthPositive) {
    Oeffnen();
    vb::user::click("frmAushub1b.chkFussGeboescht");
    In("txtStBx1", "2");
    In("txtStBx2", "-1");
    EXPECT_EQ(Text("txtStBx1"), "0");
    EXPECT_EQ(P.StBx1, 0.0f);
    In("txtStBx1", "-3");
    In("txtStBx2", "-1");
    In("txtStBH", "-1.5");
    EXPECT_EQ(Text("txtStBx2"), "-3"); // x2 nearer the wall than x1: the text of x1
    EXPECT_EQ(P.StBx2, -3.0f);
    vb::user::tab();
    EXPECT_EQ(Text("txtStBH"), " 1.5");
    EXPECT_EQ(P.StBH, 1.5f);
    EXPECT_EQ(vb::headless::focused(), "frmAushub1b.txtStBH");
    // Both positions 0: a flat bottom whatever depth was typed.
    In("txtStBx1", "0");
    In("txtStBx2", "0");
    In("txtStBH", "2");
    vb::user::tab();
    EXPECT_EQ(Text("txtStBH"), "0");
    EXPECT_EQ(P.StBH, 0.0f);
    // Unticked at OK: no slope in the stage.
    In("txtStBx1", "-1");
    In("txtStBx2", "-4");
    In("txtStBH", "2");
    vb::user::click("frmAushub1b.chkFussGeboescht");
    Ok();
    EXPECT_EQ(P.Aushubstufen[1].StBx1, 0.0f);
    EXPECT_EQ(P.Aushubstufen[1].StBx2, 0.0f);
    EXPECT_EQ(P.Aushubstufen[1].StBH, 0.0f);
}

TEST_F(Bettungsseite, LoadRowsAreCorrectedOnLeavingAndRowsWithoutLoadDroppedAtOk) {
    Oeffnen();
    vb::user::click("frmAushub1b.chkLastenSohle");
    In("txtSox1(1)", "3");
    In("txtSox2(1)", "-1");
    EXPECT_EQ(Text("txtSox1(1)"), "-3");
    In("txtSoq(1)", "10");
    In("txtSoz(1)", "2");
    vb::user::tab();
    EXPECT_EQ(Text("txtSoz(1)"), "4.5"); // not above the excavation level
    EXPECT_EQ(Text("txtSox1(1)"), "-1"); // x1 is the end nearer the wall
    EXPECT_EQ(Text("txtSox2(1)"), "-3");
    // A row without positions between rows 1 and 3: row 3 moves up, row 8 is emptied.
    In("txtSox1(3)", "-7");
    In("txtSox2(3)", "-8");
    In("txtSoq(3)", "20");
    In("txtSoz(3)", "5");
    In("txtSox1(2)", "0");
    In("txtSox2(2)", "0");
    In("txtSoq(2)", "");
    vb::form<frmAushub1b>().txtSox2_LostFocus(2);
    EXPECT_EQ(Text("txtSox1(2)"), "-7");
    EXPECT_EQ(Text("txtSoq(2)"), "20");
    EXPECT_EQ(Text("txtSox1(3)"), "");

    const struct {
        std::vector<const char*> lasten;
        int16_t anzahl;
        std::vector<float> danach;
    } faelle[] = {{{"10", "0", "0"}, 1, {10}}, {{"10", "0", "20"}, 2, {10, 20}}, {{"0", "0", "5"}, 1, {5}}};
    for (const auto& f : faelle) {
        vb::headless::ResetForms();
        P.AnzSohlLast = 0;
        Oeffnen();
        vb::user::click("frmAushub1b.chkLastenSohle");
        for (int i = 0; i < 3; ++i) {
            const std::string r = "(" + std::to_string(i + 1) + ")";
            In("txtSox1" + r, "-1");
            In("txtSox2" + r, std::to_string(-2 - i));
            In("txtSoq" + r, f.lasten[i]);
            In("txtSoz" + r, "5");
        }
        Ok();
        EXPECT_EQ(P.AnzSohlLast, f.anzahl);
        EXPECT_EQ(P.Aushubstufen[1].AnzSohlLast, f.anzahl);
        for (std::size_t i = 0; i < f.danach.size(); ++i)
            EXPECT_EQ(P.Aushubstufen[1].SohlLastQ[i + 1], f.danach[i]) << i;
    }
}

TEST_F(Bettungsseite, TheBeddingTableEndsAtTheFootWithAMarkerRowAndCountsAtOk) {
    Oeffnen(6.5f);
    vb::user::click("frmAushub1b.chkFussGebettet");
    In("txtTBett(1)", "3");
    In("txtCBett(1)", "5");
    EXPECT_EQ(Text("txtTBett(1)"), "0");
    In("txtTBett(2)", "2");
    In("txtCBett(2)", "0.01");
    vb::user::tab();
    EXPECT_EQ(Text("txtCBett(2)"), ".02"); // the least modulus from row 2 on
    EXPECT_EQ(Text("txtTBett(2)"), "2");
    In("txtTBett(3)", "92.5"); // 99 - 6.5: the foot
    In("txtCBett(3)", "30");
    vb::user::tab();
    EXPECT_EQ(P.BettAnz[1], 3);
    EXPECT_EQ(Text("txtTBett(3)"), "92.5");
    EXPECT_EQ(Text("txtTBett(4)"), "99");
    EXPECT_FALSE(vb::headless::enabled("frmAushub1b.txtTBett(2)"));
    Ok();
    EXPECT_EQ(P.BettAnz[1], 3);
    EXPECT_EQ(P.FussGebettet[1], 1);
    EXPECT_EQ(P.BettC(1, 2), 0.02f);

    // Rows 5, 8, 0 with no modulus stored behind: the count is the last row with a modulus.
    vb::headless::ResetForms();
    P.BettAnz[1] = 0;
    P.BettC(1, 3) = 0;
    Oeffnen(6.5f);
    vb::user::click("frmAushub1b.chkFussGebettet");
    In("txtTBett(1)", "0");
    In("txtCBett(1)", "5");
    In("txtTBett(2)", "2");
    In("txtCBett(2)", "8");
    In("txtTBett(3)", "4");
    Ok();
    EXPECT_EQ(P.BettAnz[1], 2);
    EXPECT_EQ(P.FussGebettet[1], 1);
    EXPECT_EQ(P.Einsp, 0.0f);
}

TEST_F(Bettungsseite, ATableEndingInTheLastRowHasNoMarkerRowBehindIt) {
    Oeffnen(9.0f);
    vb::user::click("frmAushub1b.chkFussGebettet");
    for (int i = 1; i <= 15; ++i) {
        const std::string r = "(" + std::to_string(i) + ")";
        In("txtTBett" + r, i == 15 ? "95" : std::to_string(i));
        In("txtCBett" + r, std::to_string(i));
    }
    vb::user::focus("frmAushub1b.chkLastenSohle");
    EXPECT_EQ(P.BettAnz[1], 15);
    EXPECT_EQ(P.BettT(1, 15), 90.0f);
    EXPECT_EQ(P.BettT(1, 16), 0.0f);
    Ok();
    // Opened again: the fifteen rows and no marker.
    vb::headless::ResetForms();
    vb::FormByName("frmAushub1b");
    EXPECT_EQ(Text("txtTBett(15)"), "90");
    EXPECT_EQ(vb::headless::value("frmAushub1b.chkFussGebettet"), vb::vbChecked);
}

TEST_F(Bettungsseite, ACantileverWithAFreeHeadAndNoBeddingIsFixedAfterBlum) {
    P.WandKopf = 1;
    P.Einsp = 30;
    Stufe(1, 4.0f, 1);
    Aktuell(1, 1);
    vb::FormByName("frmAushub1b");
    Ok();
    EXPECT_EQ(P.Wandfuss, 4);
    EXPECT_EQ(P.kzUeb[1], 1);
    EXPECT_FLOAT_EQ(P.Aushubstufen[1].ZWandfuss, 4.01f);
    EXPECT_EQ(P.Einsp, 30.0f);
    EXPECT_NE(vb::LoadedForm("frmAushub2"), nullptr);

    // A Blum foot chosen on the stage page: no bedding can be ticked, and OK leaves none.
    vb::headless::ResetForms();
    P.BettAnz[1] = 2;
    P.BettC(1, 1) = 5;
    Oeffnen(4.0f, 4);
    EXPECT_FALSE(vb::headless::enabled("frmAushub1b.chkFussGebettet"));
    EXPECT_EQ(Text("txtTBett(1)"), "");
    EXPECT_EQ(vb::headless::focused(), "frmAushub1b.chkFussGeboescht");
    Ok();
    EXPECT_EQ(P.BettAnz[1], 0);
    EXPECT_EQ(P.FussGebettet[1], 0);
}

} // namespace
