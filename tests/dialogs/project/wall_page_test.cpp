// The wall page driven as a user does. Stiffness values are checked by beam theory: b h^3 / 12 per metre of
// a solid section, pi d^4 / 64 per pile and spacing, with the concrete moduli of DIN 1045 (1988) (B 25 30000
// MN/m2) and DIN 1045-1 Table 9 (C25/30 26700 MN/m2).
#include <gtest/gtest.h>

#include "design/state.h"
#include "dialogs/project/frmWand1.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "request/wall_section.h"

using zorm1::P;

namespace {

class Wandseite : public zortest::SeitenGrundlage {
protected:
    static void Tippen(const std::string& box, const std::string& text, const std::string& danach) {
        vb::user::focus(box);
        vb::user::type(text);
        vb::user::focus(danach);
    }
};

TEST_F(Wandseite, ANewProjectOpensWithTheSheetPileWallAndAPassiveSafetyOf15) {
    vb::FormByName("frmWand1");
    EXPECT_EQ(vb::headless::value("frmWand1.optWandTyp(2)"), -1);
    EXPECT_EQ(vb::headless::focused(), "frmWand1.optWandTyp(2)");
    EXPECT_EQ(P.Wandtyp, 2);
    EXPECT_EQ(P.Wandart, 2);
    EXPECT_EQ(P.ProfilPraefix, "SPW");
    EXPECT_EQ(vb::headless::text("frmWand1.txtEtap"), "1.5");
    EXPECT_TRUE(vb::headless::visible("frmWand1.Frame7"));
    EXPECT_FALSE(vb::headless::visible("frmWand1.Frame4"));
    EXPECT_EQ(P.BetonKlasse, 25.0f);
    EXPECT_EQ(P.EModul, 30000.0f);
    EXPECT_GT(P.ZulSigma, 0.0f);                        // the allowed stresses of the steel grade
    EXPECT_EQ(vb::LoadedForm("frmBemessung"), nullptr); // without leaving the design page open
}

TEST_F(Wandseite, StiffnessAndUnitWeightOfConcreteWallsFollowBeamTheory) {
    // A diaphragm wall of 0.6 m in B 25: 0.6^3 x 30000 / 12 = 540.
    vb::FormByName("frmWand1");
    vb::user::click("frmWand1.optWandTyp(3)");
    EXPECT_EQ(vb::headless::focused(), "frmWand1.txtSchlitzW");
    vb::user::type(".6");
    vb::user::focus("frmWand1.txtEtap");
    EXPECT_NEAR(P.EIWand, 540.0f, 1e-3f);
    EXPECT_EQ(P.GamWand, 25.0f);
    EXPECT_EQ(P.GamWand2, 10.0f);
    EXPECT_EQ(P.DWand, 0.6f);
    EXPECT_EQ(vb::headless::text("frmWand1.txtDwand"), ".6");

    // Piles of 0.6 m at 1.0 m in B 25: 30000 x pi x 0.6^4 / 64 / 1.0 = 190.85; 25 x pi x 0.6 / 4 = 11.781.
    vb::user::click("frmWand1.optWandTyp(6)");
    Tippen("frmWand1.txtBPFtang(0)", ".6", "frmWand1.txtBPFtang(1)");
    EXPECT_EQ(P.BPfD, 0.6f);
    vb::user::type("1");
    vb::user::focus("frmWand1.txtEtap");
    EXPECT_NEAR(P.EIWand, 190.85f, 0.01f);
    EXPECT_NEAR(P.GamWand, 11.78097f, 1e-4f);
    EXPECT_EQ(P.Wandart, 3);
}

TEST_F(Wandseite, OverlappedPilesUseTheEquivalentDiaphragmThickness) {
    // Piles of 0.9 m overlapped in C25/30: d / 1.2 = 0.75; 0.75^3 x 26700 / 12 = 938.67; 25 / 1.1 = 22.727.
    P.TeilsicherheitenAn = 1;
    vb::FormByName("frmWand1");
    EXPECT_TRUE(vb::headless::visible("frmWand1.Frame4"));
    EXPECT_FALSE(vb::headless::visible("frmWand1.fraErdwiderstand"));
    vb::user::click("frmWand1.optBeton(3)");
    EXPECT_EQ(P.BetonKlasse, 125.0f);
    EXPECT_EQ(P.EModul, 26700.0f);
    EXPECT_EQ(zormd::BS.BetonFestigkeit, 21.25f); // 0.85 fck
    vb::user::click("frmWand1.optWandTyp(4)");
    Tippen("frmWand1.txtBpfW", ".9", "frmWand1.txtEI");
    EXPECT_EQ(vb::headless::text("frmWand1.txtBpfW2"), "0.75");
    EXPECT_NEAR(P.EIWand, 938.67f, 0.01f);
    EXPECT_NEAR(P.GamWand, 22.72727f, 1e-4f);
    EXPECT_NEAR(P.GamWand2, 9.090909f, 1e-5f);
    EXPECT_EQ(P.DWand, 0.9f);
}

TEST_F(Wandseite, TheReliefFactorIsLimitedToZeroToOneInHundredths) {
    const struct {
        const char* getippt;
        float wert;
        const char* text;
    } faelle[] = {{"1.234", 1.0f, " 1"}, {"-.2", 0.0f, " 0"}, {".456", 0.46f, " .46"}};
    P.Wandtyp = 1;
    vb::FormByName("frmWand1");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.getippt);
        Tippen("frmWand1.txtEntLastFaktor", f.getippt, "frmWand1.txtBBohl");
        EXPECT_EQ(P.EntlastFaktor, f.wert);
        EXPECT_EQ(vb::headless::text("frmWand1.txtEntLastFaktor"), f.text);
    }
}

TEST_F(Wandseite, OkOfASoldierPileWallNeedsWidthAndSpacingAndLimitsTheToe) {
    vb::FormByName("frmAuswahl").Show();
    vb::FormByName("frmWand1");
    vb::user::click("frmWand1.optWandTyp(1)");
    EXPECT_EQ(P.ABohl, 2.5f); // the designer text of the spacing box
    vb::user::click("frmWand1.cmdOK");
    EXPECT_EQ(vb::headless::focused(), "frmWand1.txtBBohl"); // its designer text 0.30 was never stored
    EXPECT_TRUE(vb::headless::enabled("frmWand1.cmdOK"));

    const struct {
        const char* fuss;
        float gespeichert;
    } faelle[] = {{"3", 2.5f}, {".1", 0.3f}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fuss);
        zorm1::ResetProjectData();
        P.Wandfuss = 3;
        vb::FormByName("frmWand1");
        vb::user::click("frmWand1.optWandTyp(1)");
        Tippen("frmWand1.txtBBohl", ".3", "frmWand1.txtBBFuss");
        vb::user::type(f.fuss);
        vb::user::click("frmWand1.cmdOK");
        EXPECT_EQ(P.BBFuss, f.gespeichert);
        EXPECT_EQ(P.Wandfuss, 2); // hinged in rock is no foot of a soldier pile wall
        EXPECT_EQ(vb::LoadedForm("frmWand1"), nullptr);
        EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(2)");
        EXPECT_EQ(P.Aushubstufen[0].Wandfuss, 2.0f); // the current stage stored
    }
}

TEST_F(Wandseite, OkOfPilesAsSoldierPilesWithoutDiameterFocusesThePileBox) {
    vb::FormByName("frmWand1");
    vb::user::click("frmWand1.optWandTyp(5)");
    Tippen("frmWand1.txtBPFtang(1)", "1.2", "frmWand1.txtEI");
    vb::user::click("frmWand1.cmdOK");
    EXPECT_EQ(vb::headless::focused(), "frmWand1.txtBPFtang(0)");
    vb::user::type(".6");
    vb::user::click("frmWand1.cmdOK");
    EXPECT_EQ(vb::LoadedForm("frmWand1"), nullptr);
    EXPECT_EQ(P.Wandart, 1);
    EXPECT_EQ(P.BBohl, 0.6f);
    EXPECT_EQ(P.BBFuss, 0.6f);
    EXPECT_EQ(P.ABohl, 1.2f);
    EXPECT_EQ(P.ZBFuss, 0.0f);
}

TEST_F(Wandseite, OkCopiesTheStiffnessIntoTheLayersOfANewProjectOnly) {
    for (int16_t gelesen : {0, -1}) {
        SCOPED_TRACE(gelesen);
        zorm1::ResetProjectData();
        P.DatenGelesen = gelesen;
        P.Wandtyp = 3;
        P.DWand = 0.6f;
        vb::FormByName("frmWand1");
        vb::user::click("frmWand1.cmdOK");
        for (int l = 1; l <= 8; ++l)
            EXPECT_NEAR(P.SchichtEI[l], gelesen ? 0.0f : 540.0f, 1e-3f);
    }
}

TEST_F(Wandseite, ChangingTheWallTypeDropsAProfileOfTheOtherList) {
    P.Wandtyp = 2;
    P.ProfilName = "LARSSEN603 30000 1800 160 10 40 SPW";
    vb::FormByName("frmWand1");
    EXPECT_EQ(P.ProfilPraefix, "SPW");
    vb::user::click("frmWand1.optWandTyp(1)");
    EXPECT_EQ(P.ProfilName, "");
    EXPECT_EQ(P.ProfilPraefix, "TBW");
}

TEST_F(Wandseite, PureAtRestPressureLeftSetsTheAtRestShareTo100) {
    vb::FormByName("frmWand1");
    vb::user::click("frmWand1.optErddruck(2)");
    vb::user::focus("frmWand1.txtEtap");
    EXPECT_EQ(P.Erddruckart, 2);
    EXPECT_EQ(P.RuheProz, 100.0f);
}

TEST(Wandquerschnitt, GradesOutsideTheOfferedOnesFallBackAndPilesWithoutSpacingKeepTheirStiffness) {
    zorm1::ResetProjectData();
    P.BetonKlasse = 120;
    Wand::BETON2(true);
    EXPECT_EQ(P.BetonKlasse, 25.0f);
    EXPECT_EQ(P.EModul, 30000.0f);
    P.EIWand = 7;
    P.BPfD = 0.6f;
    EXPECT_FALSE(Wand::EIausPfaehlen());
    EXPECT_EQ(P.EIWand, 7.0f);
    P.Wandtyp = 5;
    Wand::TBWKennung();
    EXPECT_EQ(P.Wandart, 3);
    zorm1::ResetProjectData();
}

} // namespace
