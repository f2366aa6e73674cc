// The anchors and struts page: support levels gathered from the stages, their data kept with their level,
// the safety pairs and the two modes.
#include <gtest/gtest.h>

#include "dialogs/project/frmAnker1.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

using zorm1::P;

namespace {

class Ankerseite : public zortest::SeitenGrundlage {
protected:
    void SetUp() override {
        SeitenGrundlage::SetUp();
        vb::FormByName("frmAuswahl").Show();
        P.Erddruckart = 1;
    }
    // Stage s with the given support levels, from the first on.
    static void Stufe(int s, std::initializer_list<float> koten) {
        if (P.AnzAush < s) P.AnzAush = static_cast<int16_t>(s);
        std::size_t i = 1;
        for (float z : koten)
            P.Aushubstufen[static_cast<std::size_t>(s)].ZAnker[i++] = z;
    }
    static void Tippen(const std::string& box, const std::string& text) {
        vb::user::focus(box);
        vb::user::type(text);
    }
};

TEST_F(Ankerseite, TheLevelsOfAllStagesAreShownOnceFromTheTopDown) {
    Stufe(1, {4.5f, 2.0f, 0.0f, -1.0f});
    Stufe(2, {2.0f, 6.0f});
    vb::FormByName("frmAnker1");
    EXPECT_EQ(P.AnzAnkerGesamt, 3);
    EXPECT_EQ(vb::headless::text("frmAnker1.text1(0)"), "2");
    EXPECT_EQ(vb::headless::text("frmAnker1.text1(4)"), "4.5");
    EXPECT_EQ(vb::headless::text("frmAnker1.text1(8)"), "6");
    EXPECT_FALSE(vb::headless::enabled("frmAnker1.text1(12)"));
    // A new project starts the length mode with 5 and 99.
    EXPECT_EQ(vb::headless::text("frmAnker1.text1(2)"), "5");
    EXPECT_EQ(vb::headless::text("frmAnker1.text1(3)"), "99");
}

TEST_F(Ankerseite, OkStoresTheTableTheSafetyAndTheSortedPairs) {
    Stufe(1, {2.0f, 4.5f});
    P.AnkerLaengen = 1;
    vb::FormByName("frmAnker1");
    Tippen("frmAnker1.text1(1)", "15");
    Tippen("frmAnker1.txtAnkAbstand(1)", "2.5");
    Tippen("frmAnker1.text1(6)", "0"); // level 2 a strut
    vb::user::key(vb::vbKeyBack);
    Tippen("frmAnker1.text1(7)", "0");
    vb::user::focus("frmAnker1.txtEtaGl");
    EXPECT_FALSE(vb::headless::enabled("frmAnker1.txtAnkAbstand(2)"));
    vb::user::type(".8");
    const struct {
        const char* s;
        const char* e;
    } paare[] = {{"5", "1.3"}, {"2", "1.4"}, {"", "1.2"}, {"7", "0"}};
    for (int j = 0; j < 4; ++j) {
        vb::form<frmAnker1>().Text2(int16_t(j)).setText(paare[j].s);
        vb::form<frmAnker1>().text1(int16_t(60 + j)).setText(paare[j].e);
    }
    vb::user::click("frmAnker1.cmdOK");
    EXPECT_EQ(vb::LoadedForm("frmAnker1"), nullptr);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(6)");
    EXPECT_EQ(P.EtaGl, 1.5f);
    EXPECT_EQ(P.AnkerNeigungGrad[1], 15.0f);
    EXPECT_EQ(P.AnkerAbstand[1], 2.5f);
    EXPECT_EQ(P.AnkerLmin[2] + P.AnkerLmax[2], 0.0f);
    ASSERT_EQ(P.AnzAnkerStufenPaare, 2);
    EXPECT_EQ(P.EtaAbwAushub[1], 2.0f);
    EXPECT_EQ(P.EtaAbwWert[1], 1.4f);
    EXPECT_EQ(P.EtaAbwAushub[2], 5.0f);
    EXPECT_EQ(P.EtaAbwWert[2], 1.3f);
}

TEST_F(Ankerseite, ALevelKeepsItsDataWhenAnotherLevelIsAddedAndKeepsItsRowWhenMoved) {
    Stufe(1, {2.0f, 4.5f});
    P.AnzAnkerGesamt = 2;
    P.ZAuflager[1] = 2.0f;
    P.ZAuflager[2] = 4.5f;
    P.AnkerNeigungGrad[1] = 10.0f;
    P.AnkerNeigungGrad[2] = 20.0f;
    P.AnkerAbstand[2] = 3.0f;
    // A new level 1.0 above both.
    Stufe(2, {1.0f});
    EXPECT_TRUE(frmAnker1::EbenenAktualisieren());
    EXPECT_EQ(P.AnkerNeigungGrad[1], 0.0f);
    EXPECT_EQ(P.AnkerNeigungGrad[2], 10.0f);
    EXPECT_EQ(P.AnkerNeigungGrad[3], 20.0f);
    EXPECT_EQ(P.AnkerAbstand[3], 3.0f);
    // 4.5 becomes 4.6 while the count stays: row 3 keeps its data.
    P.Aushubstufen[1].ZAnker[2] = 4.6f;
    EXPECT_TRUE(frmAnker1::EbenenAktualisieren());
    EXPECT_EQ(P.ZAuflager[3], 4.6f);
    EXPECT_EQ(P.AnkerNeigungGrad[3], 20.0f);
}

TEST_F(Ankerseite, MoreThanThirteenLevelsAreRefusedWithAMessage) {
    for (int s = 1; s <= 2; ++s)
        Stufe(s, {s + 0.1f, s + 0.2f, s + 0.3f, s + 0.4f, s + 0.5f, s + 0.6f, s + 0.7f, s + 0.8f});
    vb::FormByName("frmAnker1");
    EXPECT_EQ(P.AnzAnkerGesamt, 16);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("13"), std::string::npos);
    EXPECT_FALSE(vb::headless::enabled("frmAnker1.text1(53)")); // row 14
    vb::user::click("frmAnker1.cmdOK");
    EXPECT_EQ(P.AnkerAbstand[14], 0.0f); // no row behind the 13th written
}

TEST_F(Ankerseite, InclinationOnlyClearsTheLengthsAndTheCloseBoxActsAsOk) {
    Stufe(1, {2.0f});
    P.AnkerLaengen = 1;
    P.AnkerLmin[1] = 8.0f;
    P.AnkerLmax[1] = 20.0f;
    vb::FormByName("frmAnker1");
    vb::user::click("frmAnker1.Option1(1)");
    EXPECT_FALSE(vb::headless::enabled("frmAnker1.text1(2)"));
    vb::user::close("frmAnker1");
    EXPECT_EQ(vb::LoadedForm("frmAnker1"), nullptr);
    EXPECT_EQ(P.AnkerLaengen, 0);
    EXPECT_EQ(P.AnkerLmin[1] + P.AnkerLmax[1], 0.0f);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(6)");
}

// cos 90 degrees is 0: a vertical anchor has no force in its direction for a horizontal support force. The
// page names the field and the range and stays open; 89.9 degrees is taken.
TEST_F(Ankerseite, AVerticalAnchorIsRefusedWithItsFieldAndRange) {
    for (const char* neigung : {"90", "-90"}) {
        zortest::SeitenGrundlage::TearDown();
        SetUp();
        Stufe(1, {2.0f, 4.5f});
        vb::FormByName("frmAnker1");
        Tippen("frmAnker1.text1(5)", neigung);
        vb::user::click("frmAnker1.cmdOK");
        ASSERT_NE(vb::LoadedForm("frmAnker1"), nullptr) << neigung;
        ASSERT_EQ(vb::headless::Log().size(), 1u) << neigung;
        EXPECT_EQ(vb::headless::Log()[0].prompt,
                  std::string("Die Berechnung ist nicht möglich:\r\nNeigung der Anker- bzw. Steifenlage 2 "
                              "(Satz 30, AnkerNeigungGrad) = ") +
                      neigung + " Grad; zulässig -89.9 bis 89.9 Grad.\r\nBitte die Eingabe überprüfen.");
        EXPECT_EQ(vb::headless::focused(), "frmAnker1.text1(5)");
        vb::user::focus("frmAnker1.text1(5)");
        vb::form<frmAnker1>().text1(5).setText("89.9");
        vb::user::click("frmAnker1.cmdOK");
        EXPECT_EQ(vb::LoadedForm("frmAnker1"), nullptr) << neigung;
        EXPECT_EQ(P.AnkerNeigungGrad[2], 89.9f);
    }
}

TEST_F(Ankerseite, PureAtRestPressureInTheGlobalConceptHasNoLengthMode) {
    P.Erddruckart = 2;
    P.AnkerLaengen = 1;
    Stufe(1, {2.0f});
    vb::FormByName("frmAnker1");
    EXPECT_EQ(P.AnkerLaengen, 0);
    EXPECT_FALSE(vb::headless::enabled("frmAnker1.Option1(0)"));
}

} // namespace
