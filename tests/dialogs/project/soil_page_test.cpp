// The soil layers page driven as a user does: the defaults of a new project, the layer count, the grid and
// the layer checks of OK.
#include <gtest/gtest.h>

#include "dialogs/project/frmBoden1.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

using zorm1::P;

namespace {

class Bodenseite : public zortest::SeitenGrundlage {
protected:
    static void Tippen(const std::string& box, const std::string& text) {
        vb::user::focus(box);
        vb::user::type(text);
    }
};

TEST_F(Bodenseite, ANewProjectShowsItsDefaultsOnceAndTheStiffnessHeldForEveryLayer) {
    for (int l = 1; l <= 8; ++l)
        P.SchichtEI[l] = 540.0f;
    vb::FormByName("frmBoden1");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtDeltaZF"), "10");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtPhiCaq"), "30");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtRuheProz"), "0");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtMinEah"), ".2");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtDH(50)"), "540");
    EXPECT_FALSE(vb::headless::enabled("frmBoden1.txtDH(50)"));
    EXPECT_FALSE(vb::headless::enabled("frmBoden1.txtDH(0)"));

    // A value typed on an earlier visit is kept when the page opens again.
    Tippen("frmBoden1.txtPhiCaq", "35");
    vb::user::focus("frmBoden1.txtMinEah");
    vb::Unload<frmBoden1>();
    vb::FormByName("frmBoden1");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtPhiCaq"), "35");

    zorm1::ResetProjectData();
    P.TeilsicherheitenAn = 1;
    vb::Unload<frmBoden1>();
    vb::FormByName("frmBoden1");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtMinEah"), ".178");
}

TEST_F(Bodenseite, TheLayerCountIsLimitedToOneToEightAndLeadsToTheFirstThickness) {
    const struct {
        const char* getippt;
        int16_t anzahl;
        bool spalte3;
        const char* text;
    } faelle[] = {{"0", 1, false, "1"},
                  {"-3", 1, false, "1"},
                  {"12", 8, true, "8"},
                  {"3", 3, true, "3"},
                  {"2.5", 2, false, "2.5"}}; // rounded half to even, the text as typed
    vb::FormByName("frmBoden1");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.getippt);
        Tippen("frmBoden1.txtAnzErd", f.getippt);
        vb::user::focus("frmBoden1.txtDeltaZF");
        EXPECT_EQ(P.AnzErd, f.anzahl);
        EXPECT_EQ(vb::headless::focused(), "frmBoden1.txtDH(0)");
        EXPECT_EQ(vb::headless::enabled("frmBoden1.txtDH(2)"), f.spalte3);
        EXPECT_EQ(vb::headless::text("frmBoden1.txtAnzErd"), f.text);
    }
}

TEST_F(Bodenseite, TheWallFootFrictionAndTheAtRestShareAreLimited) {
    vb::FormByName("frmBoden1");
    Tippen("frmBoden1.txtDeltaZF", "-50");
    vb::user::focus("frmBoden1.txtPhiCaq");
    EXPECT_EQ(P.DeltaZF, -45.0f);
    EXPECT_EQ(vb::headless::text("frmBoden1.txtDeltaZF"), "-45");
    EXPECT_EQ(vb::headless::focused(), "frmBoden1.txtPhiCaq");
    Tippen("frmBoden1.txtRuheProz", "120");
    vb::user::focus("frmBoden1.txtPhiCaq");
    EXPECT_EQ(P.RuheProz, 100.0f);
}

TEST_F(Bodenseite, StiffnessCellsTakeTheValueOfTheLayerAbove) {
    vb::FormByName("frmBoden1");
    Tippen("frmBoden1.txtAnzErd", "3");
    vb::user::tab(); // the count left: the grid opens with the focus on the first thickness
    Tippen("frmBoden1.txtDH(48)", "120");
    vb::user::focus("frmBoden1.txtDH(49)");
    EXPECT_EQ(vb::headless::text("frmBoden1.txtDH(49)"), "120");
    vb::user::focus("frmBoden1.txtDH(50)");
    EXPECT_EQ(P.SchichtEI[2], 120.0f);
    EXPECT_EQ(vb::headless::text("frmBoden1.txtDH(50)"), "120");
}

TEST_F(Bodenseite, OkChecksEveryLayerAgainstItsFrictionLimits) {
    // Layers: thickness, phi, delta_a, delta_p; PhiCaq 30.
    const struct {
        float dicke, phi, deltaA, deltaP;
        float dickeDanach, phiDanach, deltaADanach, deltaPDanach;
    } schichten[] = {
        {2.0f, 55.0f, 40.0f, -10.0f, 2.0f, 50.0f, 33.33333f, -10.0f},  // phi above 50
        {0.0f, 35.0f, 10.0f, -35.0f, 0.01f, 35.0f, 10.0f, -34.99965f}, // Caquot-Kerisel above PhiCaq
        {3.0f, 30.0f, 10.0f, -25.0f, 3.0f, 30.0f, 10.0f, -20.0f},      // 2/3 at phi = PhiCaq
        {3.0f, 30.0f, 10.0f, 25.0f, 3.0f, 30.0f, 10.0f, 20.0f},        // positive delta_p
        {1.0f, 0.6f, 5.0f, -5.0f, 1.0f, 0.6f, 0.0f, 0.0f},             // phi below 1
        {4.5f, 0.0f, -5.0f, 5.0f, 99.0f, 0.001f, -5.0f, 0.0f},         // last layer; delta_a below kept
    };
    P.AnzErd = 6;
    P.PhiCaq = 30.0f;
    for (int16_t i = 1; i <= 6; ++i) {
        const auto& s = schichten[i - 1];
        P.SchichtDicke[i] = s.dicke;
        P.SchichtPhi[i] = s.phi;
        P.SchichtDeltaA[i] = s.deltaA;
        P.SchichtDeltaP[i] = s.deltaP;
    }
    frmBoden1::SchichtenPruefen();
    for (int16_t i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const auto& s = schichten[i - 1];
        EXPECT_EQ(P.SchichtDicke[i], s.dickeDanach);
        EXPECT_EQ(P.SchichtPhi[i], s.phiDanach);
        EXPECT_NEAR(P.SchichtDeltaA[i], s.deltaADanach, 1e-5f);
        EXPECT_NEAR(P.SchichtDeltaP[i], s.deltaPDanach, 1e-5f);
    }
}

TEST_F(Bodenseite, OkCopiesTheUnitWeightsToTheExcavationSideAndShowsTheCount) {
    vb::FormByName("frmAuswahl").Show();
    vb::FormByName("frmBoden1");
    Tippen("frmBoden1.txtAnzErd", "2");
    vb::user::tab();
    Tippen("frmBoden1.txtDH(0)", "3");
    Tippen("frmBoden1.txtDH(32)", "19");
    Tippen("frmBoden1.txtDH(33)", "20");
    Tippen("frmBoden1.txtDH(40)", "11");
    vb::user::click("frmBoden1.cmdOK");
    EXPECT_EQ(P.SchichtGammaAush[1], 19.0f);
    EXPECT_EQ(P.SchichtGammaAush[2], 20.0f);
    EXPECT_EQ(P.SchichtGammaAuftriebAush[1], 11.0f);
    EXPECT_EQ(P.SchichtDicke[2], 99.0f);
    EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(4)"), "2");

    EXPECT_FALSE(vb::headless::enabled("frmBoden1.cmdOK"));

    // Differing weights on the excavation side: the page opens with "gesonderte Eingabe".
    P.SchichtGammaAush[2] = 18.0f;
    vb::Unload<frmBoden1>();
    vb::FormByName("frmBoden1");
    EXPECT_EQ(vb::headless::value("frmBoden1.optSonderfall(1)"), -1);
}

} // namespace
