// The output scope page: the slip-circle boxes that depend on each other, the hinge depth and where OK leads.
#include <gtest/gtest.h>

#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

using zorm1::P;

namespace {

class Ausgabeseite : public zortest::SeitenTest {};

TEST_F(Ausgabeseite, DeepCentresGoOnlyWithTheSlipCircleCheck) {
    vb::FormByName("frmAusgabe");
    vb::user::click("frmAusgabe.Check1(3)");
    EXPECT_EQ(P.TiefeMittelpunkte, 1);
    EXPECT_EQ(P.GelaendebruchEin, 1);
    EXPECT_EQ(vb::headless::value("frmAusgabe.Check1(1)"), 1);
    vb::user::click("frmAusgabe.Check1(3)");
    EXPECT_EQ(P.TiefeMittelpunkte, 0);
    EXPECT_EQ(P.GelaendebruchEin, 1);
    vb::user::click("frmAusgabe.Check1(3)");
    vb::user::click("frmAusgabe.Check1(1)");
    EXPECT_EQ(P.TiefeMittelpunkte + P.GelaendebruchEin, 0);
    EXPECT_EQ(vb::headless::value("frmAusgabe.Check1(3)"), 0);
}

TEST_F(Ausgabeseite, AProjectWithDeepCentresOpensWithBothBoxesTicked) {
    P.TiefeMittelpunkte = 1;
    vb::FormByName("frmAusgabe");
    EXPECT_EQ(vb::headless::value("frmAusgabe.Check1(1)"), 1);
    EXPECT_EQ(P.GelaendebruchEin, 1);
}

TEST_F(Ausgabeseite, TheHingeDepthIsZeroOrBelowTheHead) {
    const struct {
        const char* getippt;
        float z;
        const char* text;
    } faelle[] = {{"-2", 0.0f, " 0"}, {"", 0.0f, " 0"}, {"7.5", 7.5f, "7.5"}};
    vb::FormByName("frmAusgabe");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.getippt);
        vb::user::focus("frmAusgabe.txtzMGelenk");
        vb::user::key(vb::vbKeyBack);
        vb::user::type(f.getippt);
        vb::user::focus("frmAusgabe.Check1(0)");
        EXPECT_EQ(P.zMGelenk, f.z);
        EXPECT_EQ(vb::headless::text("frmAusgabe.txtzMGelenk"), f.text);
    }
}

TEST_F(Ausgabeseite, OkLeadsToTheDesignSettingsOrToTheStartButton) {
    vb::FormByName("frmAusgabe");
    vb::user::click("frmAusgabe.Check1(2)");
    vb::user::click("frmAusgabe.cmdOK");
    EXPECT_NE(vb::LoadedForm("frmBemessung"), nullptr);
    EXPECT_NE(vb::LoadedForm("frmAusgabe"), nullptr);
    vb::user::click("frmBemessung.cmdOK");
    EXPECT_EQ(vb::LoadedForm("frmAusgabe"), nullptr);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.cmdStart");

    vb::FormByName("frmAusgabe");
    vb::user::click("frmAusgabe.Check1(2)");
    vb::user::click("frmAusgabe.cmdOK");
    EXPECT_EQ(vb::LoadedForm("frmAusgabe"), nullptr);
    EXPECT_EQ(vb::LoadedForm("frmBemessung"), nullptr);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.cmdStart");
}

} // namespace
