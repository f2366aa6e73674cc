// The soil chain after the layers page: excavation-side weights, given coefficients, slopes, and the chain
// from the layers page to the main window's stage topic.
#include <gtest/gtest.h>

#include "dialogs/project/frmBoden1.h"
#include "dialogs/project/project_dialogs.h"
#include "dialogs/project/soil_chain.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

using zorm1::P;

namespace {

class Bodenkette : public zortest::SeitenTest {
protected:
    static void Tippen(const std::string& box, const std::string& text) {
        vb::user::focus(box);
        vb::user::type(text);
    }
};

TEST_F(Bodenkette, SlopesStartWhereTheSlopeBeforeEndsAndRunToTheRight) {
    vb::FormByName("frmBoden3");
    EXPECT_EQ(vb::headless::text("frmBoden3.txtAnzBoesch"), "");
    // No slope yet: a cell stores nothing.
    vb::form<frmBoden3>().txtBoesch(0).setText("7");
    vb::form<frmBoden3>().txtBoesch_LostFocus(0);
    EXPECT_EQ(P.BoeschX1[1], 0.0f);
    vb::user::focus("frmBoden3.txtAnzBoesch");

    vb::user::type("12");
    vb::user::tab();
    EXPECT_EQ(P.AnzBoesch, 8);
    EXPECT_EQ(vb::headless::focused(), "frmBoden3.txtAnzBoesch");
    vb::user::type("2");
    vb::user::focus("frmBoden3.txtBoesch(0)");
    EXPECT_FALSE(vb::headless::enabled("frmBoden3.txtBoesch(12)"));
    vb::user::type("5");
    Tippen("frmBoden3.txtBoesch(1)", "3");
    vb::user::focus("frmBoden3.txtBoesch(4)");
    EXPECT_EQ(vb::headless::text("frmBoden3.txtBoesch(1)"), "5.002");
    EXPECT_EQ(P.BoeschX2[1], 5.002f); // stored at once
    EXPECT_EQ(vb::headless::focused(), "frmBoden3.txtBoesch(1)");

    // The start level of slope 1 is 0.00 and the focus jumps to its end level.
    vb::user::focus("frmBoden3.txtBoesch(2)");
    EXPECT_EQ(vb::headless::text("frmBoden3.txtBoesch(2)"), "0.00");
    EXPECT_EQ(vb::headless::focused(), "frmBoden3.txtBoesch(3)");
    vb::user::type("-2");
    Tippen("frmBoden3.txtBoesch(4)", "0");
    Tippen("frmBoden3.txtBoesch(5)", "-5");
    // Slope 2 starts below the end of slope 1: corrected to 5.004, stored when left again.
    Tippen("frmBoden3.txtBoesch(6)", "4");
    vb::user::focus("frmBoden3.txtBoesch(7)");
    EXPECT_EQ(vb::headless::text("frmBoden3.txtBoesch(6)"), "5.004");
    EXPECT_EQ(vb::headless::focused(), "frmBoden3.txtBoesch(6)");
    EXPECT_EQ(P.BoeschX1[2], 0.0f);
    vb::user::focus("frmBoden3.txtBoesch(7)");
    EXPECT_EQ(P.BoeschX1[2], 5.004f);
    vb::user::type("8");
    vb::user::focus("frmBoden3.txtBoesch(8)"); // start level of slope 2: the end level of slope 1
    EXPECT_EQ(vb::headless::text("frmBoden3.txtBoesch(8)"), "-2");
    EXPECT_EQ(P.BoeschZ1[2], -2.0f);
    EXPECT_EQ(P.BoeschZ2[1], -2.0f);
    EXPECT_EQ(P.BoeschGamma[1], 20.0f); // 0 typed, the cell still shows it
    EXPECT_EQ(vb::headless::text("frmBoden3.txtBoesch(4)"), "0");
    EXPECT_EQ(P.BoeschPhi[1], 30.0f);

    vb::user::click("frmBoden3.cmdOK");
    EXPECT_EQ(vb::LoadedForm("frmBoden3"), nullptr);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(3)");
}

TEST_F(Bodenkette, ANegativeSlopeCountCountsAsNone) {
    vb::FormByName("frmBoden3");
    Tippen("frmBoden3.txtAnzBoesch", "-3");
    vb::user::tab();
    EXPECT_EQ(P.AnzBoesch, 0);
    EXPECT_FALSE(vb::headless::enabled("frmBoden3.txtBoesch(0)"));
}

TEST_F(Bodenkette, GivenCoefficientsAndWallFrictionPerStageAreClearedWhenNothingWasGiven) {
    const struct {
        int16_t gegeben, stufen;
        float kagh;
        int16_t stufe;
        int16_t gegebenDanach, stufenDanach;
        float kaghDanach, deltaANeu;
    } faelle[] = {
        {1, 0, 0.0f, 0, 0, 0, 0.0f, 20.0f}, // overwrite without a value: flag cleared
        {0, 0, 0.3f, 0, 0, 0, 0.0f, 20.0f}, // not ticked: the given values of the layers cleared
        {1, 0, 0.3f, 0, 1, 0, 0.3f, 20.0f}, // a value given: kept
        {0, 1, 0.0f, 3, 1, 1, 0.0f, 15.0f}, // friction per stage with a stage: overwrite switched on
        {0, 1, 0.0f, 0, 0, 0, 0.0f, 20.0f}, // friction per stage without a stage: the own angles copied
    };
    for (const auto& f : faelle) {
        zorm1::ResetProjectData();
        P.AnzErd = 2;
        P.SchichtDeltaA[1] = 20.0f;
        P.SchichtDeltaANeu[1] = 15.0f;
        P.BeiwerteGegeben = f.gegeben;
        P.WandreibungStufen = f.stufen;
        P.SchichtKaghVorgabe[1] = f.kagh;
        P.SchichtKaghVorgabe[5] = 0.4f; // above the count: kept
        P.DeltaNeuAushub[1] = f.stufe;
        frmBoden2::BeiwerteUebernehmen();
        EXPECT_EQ(P.BeiwerteGegeben, f.gegebenDanach);
        EXPECT_EQ(P.WandreibungStufen, f.stufenDanach);
        EXPECT_EQ(P.SchichtKaghVorgabe[1], f.kaghDanach);
        EXPECT_EQ(P.SchichtKaghVorgabe[5], 0.4f);
        EXPECT_EQ(P.SchichtDeltaANeu[1], f.deltaANeu);
    }
}

TEST_F(Bodenkette, TheCoefficientCellsFollowTheirCheckBoxAndTheLayerCount) {
    P.AnzErd = 5;
    vb::FormByName("frmBoden2");
    EXPECT_FALSE(vb::headless::enabled("frmBoden2.txtResK(0)"));
    vb::user::click("frmBoden2.chkUeberschreiben");
    EXPECT_EQ(P.BeiwerteGegeben, 1);
    EXPECT_TRUE(vb::headless::enabled("frmBoden2.txtResK(4)"));
    EXPECT_FALSE(vb::headless::enabled("frmBoden2.txtResK(5)"));  // layer 6
    EXPECT_FALSE(vb::headless::enabled("frmBoden2.txtResK(32)")); // friction part not ticked
    vb::user::click("frmBoden2.chkWandreibung");
    EXPECT_TRUE(vb::headless::enabled("frmBoden2.txtDeltaNeu(11)"));
    EXPECT_FALSE(vb::headless::enabled("frmBoden2.txtResK(45)"));
}

TEST_F(Bodenkette, TheChainRunsFromTheLayersOverTheExcavationSideToTheSlopes) {
    vb::FormByName("frmBoden1");
    Tippen("frmBoden1.txtAnzErd", "1");
    vb::user::tab();
    vb::user::type("4");
    Tippen("frmBoden1.txtDH(32)", "19");
    vb::user::click("frmBoden1.optSonderfall(1)");
    vb::user::click("frmBoden1.cmdOK");
    ASSERT_NE(vb::LoadedForm("frmBoden1a"), nullptr);
    EXPECT_EQ(P.SchichtGammaAush[1], 0.0f); // nothing copied
    EXPECT_FALSE(vb::headless::enabled("frmBoden1a.txtDH(1)"));
    Tippen("frmBoden1a.txtDH(0)", "17");
    Tippen("frmBoden1a.txtDH(8)", "");
    vb::user::click("frmBoden1a.cmdOK");
    EXPECT_EQ(P.SchichtGammaAush[1], 17.0f);
    EXPECT_EQ(P.SchichtGammaAuftriebAush[1], 0.0f);
    ASSERT_NE(vb::LoadedForm("frmBoden2"), nullptr);
    vb::user::click("frmBoden2.cmdOK");
    ASSERT_NE(vb::LoadedForm("frmBoden3"), nullptr);
    vb::user::click("frmBoden3.cmdOK");
    for (const char* n : {"frmBoden1", "frmBoden1a", "frmBoden2", "frmBoden3"})
        EXPECT_EQ(vb::LoadedForm(n), nullptr) << n;
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(3)");
}

} // namespace
