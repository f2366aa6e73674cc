// The design-settings page: default influence widths, the recommended reinforcement of bored piles worked by
// hand, the allowed steel stresses of the grades and the stored steel safety.
#include <gtest/gtest.h>

#include "dialogs/project/design_page.h"
#include "dialogs/project/frmBemessung.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "request/wall_section.h"

using zorm1::P;

namespace {

class Bemessungsseite : public zortest::SeitenGrundlage {
protected:
    void TearDown() override {
        frmBemessung::Laden = nullptr;
        SeitenGrundlage::TearDown();
    }
};

TEST_F(Bemessungsseite, DefaultInfluenceWidthsFollowTheWallType) {
    const struct {
        int16_t typ;
        float dUeb, abstand, breite;
    } faelle[] = {
        {3, 0, 0, 1.0f}, {4, 0.9f, 0, 1.575f}, {5, 0, 1.2f, 1.2f}, {6, 0, 2.0f, 2.0f}, {2, 0, 0, 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.typ);
        zorm1::ResetProjectData();
        P.Wandtyp = f.typ;
        P.BPfDUeb = f.dUeb;
        P.BPfAbstand = f.abstand;
        Bemessung::subEBreite();
        EXPECT_NEAR(P.EBreiteM, f.breite, 1e-6f);
        EXPECT_EQ(P.EBreiteN, P.EBreiteM);
    }
}

TEST_F(Bemessungsseite, ABoredPileOf09mNeedsTwelveBarsOf20mm) {
    // Circle through the bar axes: (0.9 - 2 x 0.08) x pi = 2.325 m; at 0.2 m: 11.6, rounded 12 bars;
    // 12 x pi x 2^2 / 4 = 37.70 cm2.
    EXPECT_EQ(Bemessung::Empfehlung(0.9f, 8.0f).n, 12);
    EXPECT_EQ(Bemessung::Empfehlung(0.9f, 8.0f).As, 37.7f);
    EXPECT_EQ(Bemessung::Empfehlung(0.4f, 8.0f).n, 0);

    P.TeilsicherheitenAn = 1;
    P.Wandtyp = 4;
    P.BPfDUeb = 0.9f;
    P.d1Rand = 8.0f;
    vb::FormByName("frmBemessung");
    EXPECT_EQ(vb::headless::text("frmBemessung.Label9"), "empf. d20/20 =  37.7 cm2");
    EXPECT_EQ(P.AsMmin, 37.7f);
    EXPECT_EQ(P.AsQmin, 6.54f);
    EXPECT_FALSE(vb::headless::enabled("frmBemessung.txtSigma"));
    EXPECT_TRUE(vb::headless::enabled("frmBemessung.txtAsMmin"));
}

TEST_F(Bemessungsseite, SteelGradesGiveTheirAllowedStressesAndOkEndsTheChain) {
    vb::FormByName("frmAuswahl").Show();
    P.Wandtyp = 2;
    vb::FormByName("frmBemessung");
    EXPECT_FALSE(vb::headless::enabled("frmBemessung.txtd1"));
    vb::user::click("frmBemessung.optStahlSorte(2)");
    EXPECT_EQ(P.StahlGuete, 355);
    EXPECT_EQ(P.ZulSigma, 270.0f);
    EXPECT_EQ(P.ZulTau, 156.0f);
    vb::user::click("frmBemessung.optEAB(1)");
    EXPECT_EQ(P.ZulSigma, 240.0f);
    EXPECT_EQ(P.ZulTau, 139.0f);
    vb::user::click("frmBemessung.cmdOK");
    EXPECT_EQ(vb::LoadedForm("frmBemessung"), nullptr);
    EXPECT_EQ(P.EBreiteM, 1.0f); // an empty width box stores 1
    // The width for the normal force follows it: the report divides the normal force by it, and a new
    // steel wall had none (the wall page's default widths leave a steel wall at 0).
    EXPECT_EQ(P.EBreiteN, 1.0f);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.cmdStart");
}

TEST_F(Bemessungsseite, ASteelWallUnderPartialFactorsCountsTheNormalForce) {
    vb::FormByName("frmAuswahl").Show();
    P.TeilsicherheitenAn = 1;
    P.Wandtyp = 2;
    P.EBreiteN = 2.0f;
    vb::FormByName("frmBemessung");
    EXPECT_EQ(P.MitNormalkraft, 1);
    EXPECT_FALSE(vb::headless::enabled("frmBemessung.optEAB(0)"));
    EXPECT_TRUE(vb::headless::enabled("frmBemessung.optStahlSorte(1)"));
    EXPECT_TRUE(vb::headless::enabled("frmBemessung.txtSigma"));
    vb::user::click("frmBemessung.cmdOK");
    EXPECT_EQ(P.EBreiteN, 2.0f); // a width of its own is kept
}

TEST_F(Bemessungsseite, TheStoredSteelSafetyIsShownAndKeptAtOk) {
    P.Wandtyp = 3;
    P.EtaBSt500 = 1.50f;
    vb::FormByName("frmBemessung");
    EXPECT_EQ(vb::headless::value("frmBemessung.optEta(3)"), -1);
    vb::user::click("frmBemessung.cmdOK");
    EXPECT_EQ(P.EtaBSt500, 1.50f);
}

TEST_F(Bemessungsseite, TheStressesAreWrittenIntoThePageWhichTheyLoadAndShow) {
    frmBemessung::Laden = nullptr; // the page only shown when it opens
    vb::SetDecimalSeparator(',');
    ASSERT_FALSE(vb::isLoaded<frmBemessung>());
    P.StahlGuete = 240;
    Bemessung::StahlSpannungenZeigen();
    ASSERT_TRUE(vb::isLoaded<frmBemessung>());
    EXPECT_TRUE(vb::form<frmBemessung>().Visible());
    EXPECT_EQ(vb::form<frmBemessung>().Caption(), "Spannungsnachweis / Bemessung");
    EXPECT_EQ(vb::form<frmBemessung>().txtSigma.Text(), "180");
    EXPECT_EQ(vb::form<frmBemessung>().txtTau.Text(), "104");
    // Another grade leaves both values, and the boxes show them with the locale's separator.
    P.StahlGuete = 300;
    P.ZulSigma = 123.5f;
    Bemessung::StahlSpannungenZeigen();
    EXPECT_EQ(vb::form<frmBemessung>().txtSigma.Text(), "123,5");

    // With the dialogs' opening set, that opening runs instead (and may itself set the stresses).
    vb::headless::ResetForms();
    int geladen = 0;
    frmBemessung::Laden = [&](frmBemessung&) {
        ++geladen;
        Bemessung::StahlSpannungenZeigen();
    };
    P.TeilsicherheitenAn = 1;
    P.StahlGuete = 355;
    Bemessung::StahlSpannungenZeigen();
    EXPECT_EQ(geladen, 1);
    EXPECT_FALSE(vb::form<frmBemessung>().Visible());
    EXPECT_EQ(vb::form<frmBemessung>().txtTau.Text(), "186");
    vb::SetDecimalSeparator(0);
}

} // namespace
