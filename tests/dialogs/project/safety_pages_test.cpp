// The safety-concept page and the page of reduced factors driven as a user does: options clicked, factors
// typed, OK. Expected factors are those of DIN 1054:2010-12, Tables A 2.1 to A 2.3, and of EAB/EAU.
#include <gtest/gtest.h>

#include "dialogs/project/frmBTeilSi.h"
#include "dialogs/project/frmBemessung.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace {

class Sicherheitsseiten : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::headless::Reset();
        zorm1::ResetProjectData();
        RegisterProjectDialogs();
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
    }
    // The start dialog's way: the page shown modally; the scripted actions run while it is open.
    static void Zeigen(const char* name) { vb::FormByName(name).Show(vb::vbModal); }
    static void Tippen(std::string box, std::string text) {
        vb::script::focus(std::move(box));
        vb::script::type(std::move(text));
    }
};

TEST_F(Sicherheitsseiten, AnEmptyProjectOpensInGlobalModeAndOkSetsEveryFactorToOne) {
    P.Etap = 1.5f;
    vb::script::call([] {
        EXPECT_EQ(vb::headless::value("frmBTeilSi.optTeilSi(0)"), -1);
        EXPECT_EQ(vb::headless::value("frmBTeilSi.optLF123(2)"), -1);
        EXPECT_EQ(vb::headless::value("frmBTeilSi.optUntergrund(1)"), -1);
        EXPECT_FALSE(vb::headless::enabled("frmBTeilSi.optLF123(1)"));
        EXPECT_FALSE(vb::headless::enabled("frmBTeilSi.txtAnpassFaktor"));
        EXPECT_FALSE(vb::headless::enabled("frmBTeilSi.txtKotez1(17)"));
        EXPECT_EQ(vb::headless::text("frmBTeilSi.txtKotez1(16)"), "1.35");
    });
    vb::script::click("frmBTeilSi.cmdOK");
    Zeigen("frmBTeilSi");
    EXPECT_EQ(vb::LoadedForm("frmBTeilSi"), nullptr);
    EXPECT_EQ(P.TeilsicherheitenAn, 0);
    EXPECT_EQ(P.Bemessungssituation, 2);
    EXPECT_EQ(P.UntergrundGuenstig, 0);
    for (float f : {P.gamG, P.gamE0g, P.gamQ, P.gamRe, P.gamRh, P.gamG1C, P.gamQ1C, P.gamPhi, P.gamC,
                    P.gamGstb, P.gamGdst, P.gamH, P.gamQdst, P.gamWred, P.gamRered, P.EtaAnpass})
        EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(P.gamStahlAnker, 1.75f);
    EXPECT_EQ(P.Etap, 1.5f); // EtaGlobal is not above 1
}

// The allowed stresses of the steel grade are set by the safety pages without leaving the design page open
// (it stood hidden behind the wall page until that page's OK). Stresses of grade S 240 (the default of a new
// project): EAB global 180 / 104 N/mm2, DIN 1054 partial factors 218 / 126 N/mm2.
TEST_F(Sicherheitsseiten, TheStressesAreSetWithoutOpeningTheDesignPage) {
    const struct {
        const char* konzept;
        bool teil;
        float sigma, tau;
    } faelle[] = {{"frmBTeilSi.optTeilSi(0)", false, 180.0f, 104.0f},
                  {"frmBTeilSi.optTeilSi(1)", true, 218.0f, 126.0f}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.konzept);
        zorm1::ResetProjectData();
        vb::script::click(f.konzept);
        vb::script::click("frmBTeilSi.cmdOK");
        Zeigen("frmBTeilSi");
        if (f.teil) {
            vb::script::click("frmBTeilSi2.cmdOK");
            Zeigen("frmBTeilSi2");
        }
        EXPECT_EQ(vb::LoadedForm("frmBemessung"), nullptr);
        EXPECT_EQ(P.StahlGuete, 240);
        EXPECT_EQ(P.ZulSigma, f.sigma);
        EXPECT_EQ(P.ZulTau, f.tau);
    }
    // An open design page shows the stresses the pages set.
    zorm1::ResetProjectData();
    P.StahlGuete = 355;
    vb::Load<frmBemessung>();
    vb::script::click("frmBTeilSi.optTeilSi(0)");
    vb::script::click("frmBTeilSi.cmdOK");
    Zeigen("frmBTeilSi");
    ASSERT_NE(vb::LoadedForm("frmBemessung"), nullptr);
    EXPECT_EQ(P.ZulSigma, 270.0f);
    EXPECT_EQ(vb::form<frmBemessung>().txtSigma.Text(), "270");
}

TEST_F(Sicherheitsseiten, TheChosenSituationAndSubsoilGiveTheFactorsOfDin1054) {
    const struct {
        const char* situation; // option clicked
        const char* untergrund;
        int16_t bs;
        float gamG, gamE0g, gamQ, gamRe, gamPhi, gamGdst, gamQdst, gamH;
    } faelle[] = {
        {"frmBTeilSi.optLF123(1)", "frmBTeilSi.optUntergrund(0)", 1, 1.35f, 1.20f, 1.50f, 1.40f, 1.25f, 1.05f,
         1.50f, 1.35f},
        {"frmBTeilSi.optLF123(1)", "frmBTeilSi.optUntergrund(1)", 1, 1.35f, 1.20f, 1.50f, 1.40f, 1.25f, 1.05f,
         1.50f, 1.80f},
        {"frmBTeilSi.optLF123(2)", "frmBTeilSi.optUntergrund(1)", 2, 1.20f, 1.10f, 1.30f, 1.30f, 1.15f, 1.05f,
         1.30f, 1.60f},
        {"frmBTeilSi.optLF123(3)", "frmBTeilSi.optUntergrund(0)", 3, 1.10f, 1.00f, 1.10f, 1.20f, 1.10f, 1.00f,
         1.00f, 1.20f},
        {"frmBTeilSi.optLF123(4)", "frmBTeilSi.optUntergrund(1)", 23, 1.15f, 1.05f, 1.20f, 1.25f, 1.13f,
         1.03f, 1.15f, 1.50f},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bs);
        zorm1::ResetProjectData();
        vb::script::click("frmBTeilSi.optTeilSi(1)");
        vb::script::click(f.situation);
        vb::script::click(f.untergrund);
        vb::script::click("frmBTeilSi.cmdOK");
        Zeigen("frmBTeilSi");
        EXPECT_EQ(P.TeilsicherheitenAn, 1);
        EXPECT_EQ(P.Bemessungssituation, f.bs);
        EXPECT_EQ(P.gamG, f.gamG);
        EXPECT_EQ(P.gamE0g, f.gamE0g);
        EXPECT_EQ(P.gamQ, f.gamQ);
        EXPECT_EQ(P.gamRe, f.gamRe);
        EXPECT_EQ(P.gamPhi, f.gamPhi);
        EXPECT_EQ(P.gamC, f.gamPhi);
        EXPECT_EQ(P.gamGdst, f.gamGdst);
        EXPECT_EQ(P.gamQdst, f.gamQdst);
        EXPECT_EQ(P.gamH, f.gamH);
        EXPECT_EQ(P.gamStahlAnker, 1.15f);
        EXPECT_EQ(P.gamGBSP, 1.35f);
    }
}

TEST_F(Sicherheitsseiten, OwnFactorsAreTakenAsTypedAndZeroOrNegativeOnesBecomeOne) {
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 23;
    P.kzRered = 1;
    vb::script::click("frmBTeilSi.optTeilSi(2)");
    vb::script::call([] {
        EXPECT_TRUE(vb::headless::enabled("frmBTeilSi.txtKotez1(26)"));
        EXPECT_FALSE(vb::headless::enabled("frmBTeilSi.txtKotez1(8)"));
        EXPECT_FALSE(vb::headless::enabled("frmBTeilSi.optLF123(4)"));
        EXPECT_TRUE(vb::headless::visible("frmBTeilSi.lblEigene(1)"));
    });
    Tippen("frmBTeilSi.txtKotez1(26)", ""); // gamRe emptied
    vb::script::key(vb::vbKeyBack);
    Tippen("frmBTeilSi.txtKotez1(17)", "-1.3"); // gamG negative
    Tippen("frmBTeilSi.txtKotez1(20)", "1,12"); // gamE0g with a comma
    Tippen("frmBTeilSi.txtKotez1(11)", "1.7");  // gamH
    vb::script::call([] { EXPECT_EQ(vb::headless::text("frmBTeilSi.txtKotez1(17)"), "1.00"); });
    vb::script::click("frmBTeilSi.optUntergrund(0)");
    vb::script::click("frmBTeilSi.cmdOK");
    Zeigen("frmBTeilSi");
    EXPECT_EQ(P.Bemessungssituation, 0);
    EXPECT_EQ(P.kzRered, 0);
    EXPECT_EQ(P.gamRe, 1.0f);
    EXPECT_EQ(P.gamG, 1.0f);
    EXPECT_EQ(P.gamE0g, 1.12f);
    EXPECT_EQ(P.gamE0gEig, 1.12f);
    EXPECT_EQ(P.gamH, 1.7f); // the own value whatever the subsoil
    EXPECT_EQ(P.gamQ, 1.3f); // untouched box: the text it showed
}

TEST_F(Sicherheitsseiten, TheAdaptionFactorOutsideItsRangeBecomesOne) {
    const struct {
        const char* getippt;
        const char* text;
        float eta;
    } faelle[] = {{"1.5", "1.00", 1.0f},
                  {".1", "1.00", 1.0f},
                  {".2", ".2", 0.2f},
                  {"1", "1", 1.0f},
                  {"", "1.00", 1.0f}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.getippt);
        zorm1::ResetProjectData();
        P.TeilsicherheitenAn = 1;
        P.Bemessungssituation = 2;
        Tippen("frmBTeilSi.txtAnpassFaktor", f.getippt);
        if (!*f.getippt) vb::script::key(vb::vbKeyBack);
        vb::script::focus("frmBTeilSi.optUntergrund(1)");
        vb::script::call([&] { EXPECT_EQ(vb::headless::text("frmBTeilSi.txtAnpassFaktor"), f.text); });
        vb::script::click("frmBTeilSi.cmdOK");
        Zeigen("frmBTeilSi");
        EXPECT_EQ(P.EtaAnpass, f.eta);
    }
}

TEST_F(Sicherheitsseiten, TheCloseBoxActsAsOk) {
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 1;
    vb::script::close("frmBTeilSi");
    Zeigen("frmBTeilSi");
    EXPECT_EQ(P.gamG, 1.35f);
    EXPECT_EQ(P.gamRe, 1.40f);
}

TEST_F(Sicherheitsseiten, LeavingOwnFactorsForDinOpensThePageAnewWithBsT) {
    P.TeilsicherheitenAn = 1;
    P.gamE0gEig = 1.1f;
    P.gamReEig = 1.2f;
    vb::script::call([] {
        EXPECT_EQ(vb::headless::value("frmBTeilSi.optTeilSi(2)"), -1);
        EXPECT_EQ(vb::headless::text("frmBTeilSi.txtKotez1(26)"), " 1.2");
    });
    vb::script::click("frmBTeilSi.optTeilSi(1)");
    vb::script::call([] {
        // the fresh page: DIN 1054 with BS-T
        EXPECT_EQ(vb::headless::value("frmBTeilSi.optTeilSi(1)"), -1);
        EXPECT_EQ(vb::headless::value("frmBTeilSi.optLF123(2)"), -1);
        EXPECT_FALSE(vb::headless::enabled("frmBTeilSi.txtKotez1(26)"));
    });
    vb::script::click("frmBTeilSi.cmdOK");
    Zeigen("frmBTeilSi");
    EXPECT_EQ(P.gamE0gEig, 0.0f);
    EXPECT_EQ(P.gamReEig, 0.0f);
    EXPECT_EQ(P.Bemessungssituation, 2);
    EXPECT_EQ(P.gamRe, 1.30f);
    EXPECT_EQ(vb::LoadedForm("frmBTeilSi"), nullptr);
}

TEST_F(Sicherheitsseiten, ReducedFactorsFollowTheirCheckBoxes) {
    vb::SetDecimalSeparator(','); // a German locale
    struct Zurueck {
        ~Zurueck() { vb::SetDecimalSeparator(0); }
    } zurueck;
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 2;
    P.gamE0g = 1.10f;
    // E 215 and E 216 together, then the EAB box switches both off, then E 215 again.
    // the three factors with one decimal separator, the point of the number boxes, whatever the locale's
    vb::script::call([] {
        EXPECT_EQ(vb::headless::text("frmBTeilSi2.txtgamRered2"), "1.00");
        EXPECT_EQ(vb::headless::text("frmBTeilSi2.txtgamRered"), "1.15");
        EXPECT_EQ(vb::headless::text("frmBTeilSi2.txtgamWred"), "1.10");
    });
    vb::script::click("frmBTeilSi2.chkgamRered");
    vb::script::click("frmBTeilSi2.chkgamWred");
    vb::script::call([] { EXPECT_EQ(P.kzRered * 10 + P.kzWred, 11); });
    vb::script::click("frmBTeilSi2.chkgamRered2");
    vb::script::call([] {
        EXPECT_EQ(vb::headless::value("frmBTeilSi2.chkgamRered"), 0);
        EXPECT_EQ(vb::headless::value("frmBTeilSi2.chkgamWred"), 0);
    });
    vb::script::click("frmBTeilSi2.cmdOK");
    Zeigen("frmBTeilSi2");
    EXPECT_EQ(P.kzRered2, 1);
    EXPECT_EQ(P.kzRered, 0);
    EXPECT_EQ(P.kzWred, 0);
    EXPECT_EQ(P.gamRered, 1.0f);
    EXPECT_EQ(P.gamWred, 1.10f);

    // Saved with the EAB reduction: the page opens with only that box on; switched to E 215.
    vb::script::call([] { EXPECT_EQ(vb::headless::value("frmBTeilSi2.chkgamRered2"), 1); });
    vb::script::click("frmBTeilSi2.chkgamRered");
    vb::script::click("frmBTeilSi2.cmdOK");
    Zeigen("frmBTeilSi2");
    EXPECT_EQ(P.kzRered, 1);
    EXPECT_EQ(P.kzRered2, 0);
    EXPECT_EQ(P.gamRered, 1.15f);

    // No box: no reduction of the earth resistance.
    vb::script::click("frmBTeilSi2.chkgamRered");
    vb::script::click("frmBTeilSi2.cmdOK");
    Zeigen("frmBTeilSi2");
    EXPECT_EQ(P.kzRered + P.kzRered2 + P.kzWred, 0);
    EXPECT_EQ(P.gamRered, 0.0f);
    EXPECT_EQ(P.gamWred, 1.10f);
}

TEST_F(Sicherheitsseiten, WithOwnFactorsTheE215BoxIsOffAndDisabled) {
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 0;
    P.kzRered = 1;
    P.gamE0g = 1.05f;
    vb::script::call([] {
        EXPECT_FALSE(vb::headless::enabled("frmBTeilSi2.chkgamRered"));
        EXPECT_EQ(vb::headless::text("frmBTeilSi2.txtgamRered"), "");
    });
    vb::script::click("frmBTeilSi2.cmdOK");
    Zeigen("frmBTeilSi2");
    EXPECT_EQ(P.kzRered, 0);
    EXPECT_EQ(P.gamRered, 0.0f);
}

TEST_F(Sicherheitsseiten, TheNoteOnDeformationsIsShownWithItsTitle) {
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 1;
    vb::script::click("frmBTeilSi2.cmdHinweis");
    vb::script::click("frmBTeilSi2.cmdOK");
    Zeigen("frmBTeilSi2");
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(vb::headless::Log()[0].title, "Gebrauchstauglichkeit nach EB 83");
    EXPECT_EQ(vb::headless::Log()[0].buttons, vb::vbInformation);
    EXPECT_EQ(vb::headless::Log()[0].prompt.substr(0, 41), "a)\r\n\r\nBerechnung mit T.S.-Normalwerten:\r\n");
    EXPECT_EQ(vb::headless::Log()[0].prompt.substr(vb::headless::Log()[0].prompt.size() - 12),
              "Siehe a)\r\n\r\n");
}

} // namespace
