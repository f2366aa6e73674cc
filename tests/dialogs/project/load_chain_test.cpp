// The pages of one load case driven as a user does: wall loads, earth-side area loads with the slope check,
// the at-rest share of limited loads and the distribution page that ends the chain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/project/load_chain.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

using zorm1::P;

namespace {

bool Geladen(const std::string& name) {
    return vb::LoadedForm(name) != nullptr;
}

class Lastseiten : public zortest::SeitenTest {
protected:
    void SetUp() override {
        SeitenTest::SetUp();
        P.AnzLF = 1;
        P.LFNr = 1;
        P.Erddruckart = 1;
    }
    static void Tippen(const std::string& box, const std::string& text) {
        vb::user::focus(box);
        vb::user::type(text);
    }
    static std::size_t Meldungen() { return vb::headless::Log().size(); }
    // Area load j of load case 1 as stored in a project.
    static void Flaechenlast(int16_t j, float pv, float ph, float xA, float xE, float z) {
        P.AnzLastErdLF[1] = std::max<int16_t>(P.AnzLastErdLF[1], j);
        P.ErdLastPv(1, j) = pv;
        P.ErdLastPh(1, j) = ph;
        P.ErdLastXA(1, j) = xA;
        P.ErdLastXE(1, j) = xE;
        P.ErdLastZ(1, j) = z;
    }
};

// ------------------------------------------------------------------------------------------ wall loads
TEST_F(Lastseiten, WallLoadsAreStoredPackedWithTheirLevelsAndStageLists) {
    vb::FormByName("frmLast1");
    EXPECT_FALSE(vb::headless::enabled("frmLast1.txtH(1)"));
    vb::user::click("frmLast1.chkNL1");
    Tippen("frmLast1.txtH(1)", "10");
    Tippen("frmLast1.txtM(1)", "0");
    Tippen("frmLast1.txtz(1)", "0");
    Tippen("frmLast1.Text1(0)", "3");
    Tippen("frmLast1.Text1(1)", "0"); // left empty-handed: the focus goes on to the next row
    // Row 2: H 0 with M 5 is a load; a negative level becomes 0.01.
    Tippen("frmLast1.txtH(2)", "0");
    Tippen("frmLast1.txtM(2)", "5");
    Tippen("frmLast1.txtz(2)", "-1");
    Tippen("frmLast1.Text1(8)", "2.5");
    Tippen("frmLast1.Text1(9)", "3.5");
    // Row 3 stays empty (its M box never left); row 4 holds the third load, its level box empty.
    Tippen("frmLast1.txtH(4)", "-7,5");
    Tippen("frmLast1.txtM(4)", "1");
    vb::user::click("frmLast1.cmdOK");

    ASSERT_EQ(P.AnzLastLuftLF[1], 3);
    const float h[] = {10, 0, -7.5f}, m[] = {0, 5, 1};
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(P.LuftLastH(1, j), h[j - 1]) << j;
        EXPECT_EQ(P.LuftLastM(1, j), m[j - 1]) << j;
        EXPECT_EQ(P.LuftLastZ(1, j), 0.01f) << j;
    }
    EXPECT_EQ(P.LuftLastNichtIn(1, 1, 0), 1);
    EXPECT_EQ(P.LuftLastNichtIn(1, 1, 1), 3);
    EXPECT_EQ(P.LuftLastNichtIn(1, 2, 0), 2);
    EXPECT_EQ(P.LuftLastNichtIn(1, 2, 1), 2);
    EXPECT_EQ(P.LuftLastNichtIn(1, 2, 2), 4);
    EXPECT_EQ(P.LuftLastNichtIn(1, 3, 0), 0);
    // The page shows the loads packed from row 1; the row behind them is empty.
    EXPECT_EQ(vb::headless::text("frmLast1.txtH(3)"), "-7.5");
    EXPECT_EQ(vb::headless::text("frmLast1.txtz(3)"), ".01");
    EXPECT_EQ(vb::headless::text("frmLast1.txtH(4)"), "");
    EXPECT_EQ(vb::headless::text("frmLast1.Text1(8)"), "2");
    EXPECT_EQ(vb::headless::text("frmLast1.Text1(9)"), "4");
    EXPECT_FALSE(vb::headless::enabled("frmLast1.cmdOK"));
    EXPECT_TRUE(Geladen("frmLast2"));
}

TEST_F(Lastseiten, RepeatedStageNumbersAreStoredOnceInTheOrderEntered) {
    P.AnzLastLuftLF[1] = 1;
    P.LuftLastH(1, 1) = 4.0f;
    vb::FormByName("frmLast1");
    // Cells set as they stand after the user typed them (leaving a "0" would pack the row at once).
    const char* zellen[] = {"3", "0", "3", "5"};
    for (int16_t k = 0; k < 4; ++k)
        vb::form<frmLast1>().Text1(k).setText(zellen[k]);
    vb::user::click("frmLast1.cmdOK");
    EXPECT_EQ(P.LuftLastNichtIn(1, 1, 0), 2);
    EXPECT_EQ(P.LuftLastNichtIn(1, 1, 1), 3);
    EXPECT_EQ(P.LuftLastNichtIn(1, 1, 2), 5);
    const char* danach[] = {"3", "5", "", ""};
    for (int16_t k = 0; k < 4; ++k)
        EXPECT_EQ(vb::form<frmLast1>().Text1(k).Text(), danach[k]) << k;
}

TEST_F(Lastseiten, ASecondOkStoresTheSameLoadsAgain) {
    vb::FormByName("frmLast1");
    vb::user::click("frmLast1.chkNL1");
    Tippen("frmLast1.txtH(1)", "1");
    Tippen("frmLast1.txtH(3)", "3");
    vb::user::click("frmLast1.cmdOK");
    ASSERT_EQ(P.AnzLastLuftLF[1], 2);
    vb::user::activate("frmLast1");
    vb::user::click("frmLast1.cmdOK");
    EXPECT_EQ(P.AnzLastLuftLF[1], 2);
    EXPECT_EQ(P.LuftLastH(1, 2), 3.0f);
}

TEST_F(Lastseiten, WithoutTheCheckBoxNoWallLoadCounts) {
    P.AnzLastLuftLF[1] = 2;
    P.LuftLastH(1, 1) = P.LuftLastH(1, 2) = 5.0f;
    vb::FormByName("frmLast1");
    EXPECT_EQ(vb::headless::text("frmLast1.txtH(2)"), "5");
    vb::user::click("frmLast1.chkNL1");
    EXPECT_FALSE(vb::headless::enabled("frmLast1.txtH(1)"));
    vb::user::click("frmLast1.cmdOK");
    EXPECT_EQ(P.AnzLastLuftLF[1], 0);
    EXPECT_EQ(P.LuftLastH(1, 2), 5.0f); // kept, but no longer counted
    vb::Unload<frmLast1>();
    vb::FormByName("frmLast1");
    EXPECT_EQ(vb::headless::value("frmLast1.chkNL1"), 0);
    EXPECT_EQ(vb::headless::text("frmLast1.txtH(1)"), "");
}

TEST_F(Lastseiten, LeavingAnEmptyRowMovesTheRowsBelowUp) {
    P.AnzLastLuftLF[1] = 3;
    for (int j = 1; j <= 3; ++j) {
        P.LuftLastH(1, j) = float(j);
        P.LuftLastZ(1, j) = float(j);
        P.LuftLastNichtIn(1, j, 0) = 1;
        P.LuftLastNichtIn(1, j, 1) = int16_t(10 * j);
    }
    vb::FormByName("frmLast1");
    Tippen("frmLast1.txtH(2)", "0");
    Tippen("frmLast1.txtM(2)", "");
    vb::user::tab();
    EXPECT_EQ(vb::headless::focused(), "frmLast1.txtH(2)");
    EXPECT_EQ(vb::headless::text("frmLast1.txtH(2)"), "3");
    EXPECT_EQ(vb::headless::text("frmLast1.txtz(2)"), "3");
    EXPECT_EQ(vb::headless::text("frmLast1.Text1(8)"), "30");
    EXPECT_EQ(vb::headless::text("frmLast1.txtH(3)"), "");
    EXPECT_EQ(vb::headless::text("frmLast1.Text1(16)"), "");
    // The last filled row emptied the same way: nothing below, the mouse onto OK, and the focus on OK
    // once a project file was read.
    P.DatenGelesen = -1;
    vb::form<frmLast1>().txtH(2).setText("");
    vb::form<frmLast1>().txtM(2).setText("");
    const std::size_t zuvor = vb::headless::PointerMoves().size();
    vb::user::focus("frmLast1.txtM(2)");
    vb::user::tab();
    ASSERT_EQ(vb::headless::PointerMoves().size(), zuvor + 1);
    EXPECT_EQ(vb::headless::PointerMoves().back().control, "frmLast1.cmdOK");
    EXPECT_EQ(vb::headless::focused(), "frmLast1.cmdOK");
}

TEST_F(Lastseiten, LeavingAStageCellOfZeroPacksItsRow) {
    vb::FormByName("frmLast1");
    vb::user::click("frmLast1.chkNL1");
    auto& s = vb::form<frmLast1>();
    // Row 3: cells "0", "7", "8"; leaving the "0" moves 7 and 8 one cell left and keeps the focus there.
    s.Text1(16).setText("0");
    s.Text1(17).setText("7");
    s.Text1(18).setText("8");
    vb::user::focus("frmLast1.Text1(16)");
    vb::user::tab();
    EXPECT_EQ(s.Text1(16).Text(), "7");
    EXPECT_EQ(s.Text1(17).Text(), "8");
    EXPECT_EQ(s.Text1(18).Text(), "");
    EXPECT_EQ(vb::headless::focused(), "frmLast1.Text1(16)");
    // An empty cell with nothing behind it sends the focus to the next row.
    vb::user::focus("frmLast1.Text1(18)");
    vb::user::tab();
    EXPECT_EQ(vb::headless::focused(), "frmLast1.txtH(4)");
}

TEST_F(Lastseiten, AStageNumberBeyondSixteenBitsIsRefusedAtOk) {
    P.AnzLastLuftLF[1] = 1;
    P.LuftLastH(1, 1) = 1.0f;
    vb::FormByName("frmLast1");
    vb::form<frmLast1>().Text1(1).setText("40000");
    vb::user::click("frmLast1.cmdOK");
    EXPECT_EQ(vb::headless::BeepCount(), 1);
    EXPECT_EQ(vb::headless::focused(), "frmLast1.Text1(1)");
    EXPECT_EQ(P.LuftLastNichtIn(1, 1, 0), 0);
    EXPECT_FALSE(Geladen("frmLast2"));
    EXPECT_TRUE(vb::headless::enabled("frmLast1.cmdOK"));
}

TEST_F(Lastseiten, TheHelpOfTheWallLoads) {
    vb::FormByName("frmLast1");
    vb::user::click("frmLast1.cmdHinweis");
    ASSERT_EQ(Meldungen(), 1u);
    const auto& m = vb::headless::Log().back();
    EXPECT_EQ(m.title, "Positive H-Lasten luftseitig ( + )");
    EXPECT_EQ(m.buttons, vb::vbOKOnly);
    EXPECT_EQ(m.prompt,
              "Achtung ! Die H-Lasten müssen kleiner sein als Erddrck + Wasserdruck !\r\n"
              "                       H----->                                         <-------------E,W\r\n"
              "Sonst gibt es Probleme im Rechenteil des Programms.");
}

// ------------------------------------------------------------------------------------------ area loads
TEST_F(Lastseiten, AreaLoadsAreStoredWithTheirLimits) {
    Flaechenlast(1, 1, 0, 0, 500, 0); // from a project file: xE 500 is stored again as it stands
    vb::FormByName("frmLast2");
    struct Fall {
        const char *pv, *ph, *xA, *xE, *z, *proz;
        float xEGespeichert, zGespeichert, prozGespeichert;
    };
    const Fall faelle[] = {
        {"5", "0", "1", "150", "0", "0", 999, 0, 0},        // xE above 99 shows 999
        {"5", "0", "5", "3", "120", "150", 5.01f, 99, 100}, // xE before xA
        {"5", "0", "4", "4", "-0", "-10", 4.01f, 0, -10},   // xE at xA; no lower limit for the share
        {"0", "10", "2", "3", "2", "50", 3, 2, 50},         // only pv and ph both 0 remove a row
    };
    for (int16_t i = 2; i <= 5; ++i) {
        const Fall& f = faelle[i - 2];
        const std::string r = "(" + std::to_string(i) + ")";
        Tippen("frmLast2.txtpv" + r, f.pv);
        Tippen("frmLast2.txtph" + r, f.ph);
        Tippen("frmLast2.txtxA" + r, f.xA);
        Tippen("frmLast2.txtxE" + r, f.xE);
        Tippen("frmLast2.txtz" + r, f.z);
        Tippen("frmLast2.txtProz" + r, f.proz);
    }
    vb::user::focus("frmLast2.txtpv(6)");
    EXPECT_EQ(vb::headless::text("frmLast2.txtxE(2)"), "999");
    vb::user::click("frmLast2.cmdOK");
    ASSERT_EQ(P.AnzLastErdLF[1], 5);
    EXPECT_EQ(P.ErdLastXE(1, 1), 500.0f);
    for (int j = 2; j <= 5; ++j) {
        const Fall& f = faelle[j - 2];
        EXPECT_FLOAT_EQ(P.ErdLastXE(1, j), f.xEGespeichert) << j;
        EXPECT_EQ(P.ErdLastZ(1, j), f.zGespeichert) << j;
        EXPECT_EQ(P.ErdLastDauer(1, j), f.prozGespeichert) << j;
    }
    EXPECT_EQ(P.ErdLastPh(1, 5), 10.0f);
    EXPECT_EQ(P.BegrenzteLast, 1);
    EXPECT_EQ(Meldungen(), 0u);
}

TEST_F(Lastseiten, TheAreaLoadTableMovesItsRowsAndRefusesNumbersAsTheWallLoadTableDoes) {
    for (int16_t j = 1; j <= 3; ++j) {
        Flaechenlast(j, float(j), 0, 0, 10.0f * j, 0);
        P.ErdLastDauer(1, j) = float(j);
        P.ErdLastNichtIn(1, j, 0) = 1;
        P.ErdLastNichtIn(1, j, 1) = int16_t(10 * j);
    }
    vb::FormByName("frmLast2");
    // A row whose pv and ph read 0 is deleted when ph is left: every column and the stage cells move up.
    Tippen("frmLast2.txtpv(2)", "0");
    Tippen("frmLast2.txtph(2)", "");
    vb::user::tab();
    EXPECT_EQ(vb::headless::focused(), "frmLast2.txtpv(2)");
    EXPECT_EQ(vb::headless::text("frmLast2.txtpv(2)"), "3");
    EXPECT_EQ(vb::headless::text("frmLast2.txtxE(2)"), "30");
    EXPECT_EQ(vb::headless::text("frmLast2.txtProz(2)"), "3");
    EXPECT_EQ(vb::headless::text("frmLast2.txtwi(8)"), "30");
    EXPECT_EQ(vb::headless::text("frmLast2.txtpv(3)"), "");
    EXPECT_EQ(vb::headless::text("frmLast2.txtwi(16)"), "");
    // An empty stage cell with nothing behind it sends the focus to pv of the next row.
    vb::user::focus("frmLast2.txtwi(9)");
    vb::user::tab();
    EXPECT_EQ(vb::headless::focused(), "frmLast2.txtpv(3)");
    // At OK a number beyond single precision is looked for in a row's columns before its stage cells.
    vb::form<frmLast2>().txtwi(8).setText("40000");
    vb::form<frmLast2>().txtProz(2).setText("4E+38");
    vb::user::click("frmLast2.cmdOK");
    EXPECT_EQ(vb::headless::BeepCount(), 1);
    EXPECT_EQ(vb::headless::focused(), "frmLast2.txtProz(2)");
    EXPECT_EQ(P.AnzLastErdLF[1], 3);
    EXPECT_FALSE(Geladen("frmLast3") || Geladen("frmLast4"));
}

TEST_F(Lastseiten, TheHeadLoadIsStoredWhenItsBoxIsLeft) {
    P.LFNr = P.AnzLF = 2;
    vb::FormByName("frmLast2");
    EXPECT_EQ(vb::headless::text("frmLast2.Text1"), " 0");
    Tippen("frmLast2.Text1", "45");
    vb::user::focus("frmLast2.chkNL2");
    EXPECT_EQ(P.NKopf, 45.0f);
    EXPECT_EQ(P.NKopfLF[2], 45.0f);
    EXPECT_EQ(P.NKopfLF[1], 0.0f);
}

// The slope check: one load against the slopes of the earth side, with a hand-worked expectation.
TEST_F(Lastseiten, TheSlopeCheckCorrectsOnceAndASecondOkPasses) {
    struct Boesch {
        float x1, z1, x2, z2;
    };
    struct Fall {
        const char* was;
        std::vector<Boesch> boeschungen;
        float pv, ph, xA, xE, z;
        float xAErw, xEErw, zErw, phErw;
        bool meldung;
    };
    const Fall faelle[] = {
        {"no slope, load above the wall head", {}, 10, 0, 0, 5, -1, 0, 5, 0, 0, true},
        {"no slope, load at the wall head", {}, 10, 0, 0, 5, 0, 0, 5, 0, 0, false},
        {"above the highest ground: lowered", {{0, 0, 4, -2}}, 10, 0, 5, 8, -3, 5, 8, -2, 0, true},
        // xs = 0 + 4 * (0 - (-1)) / (0 - (-2)) = 2: the load starts just behind it, its length kept
        {"on the rising slope: moved off", {{0, 0, 4, -2}}, 10, 0, 0, 2, -1, 2.0001f, 4, -1, 0, true},
        // zTop = -2 from the rising slope; the falling one from (6, -2) to (10, 0) reaches z = -1 at
        // xs = 6 + 4 * (-1 + 2) / 2 = 8: the load ends just before it
        {"beyond the falling slope: cut",
         {{0, 0, 2, -2}, {6, -2, 10, 0}},
         10,
         0,
         3,
         20,
         -1,
         3,
         7.9999f,
         -1,
         0,
         true},
        {"large-area load: no horizontal value", {}, 10, 5, 0, 999, 0, 0, 999, 0, 0, true},
        {"limited load of length 100 keeps it", {}, 10, 5, 0, 100, 0, 0, 100, 0, 5, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        zorm1::ResetProjectData();
        vb::headless::Reset();
        P.AnzLF = P.LFNr = 1;
        P.Erddruckart = 1;
        P.AnzBoesch = int16_t(f.boeschungen.size());
        for (std::size_t k = 0; k < f.boeschungen.size(); ++k) {
            P.BoeschX1[k + 1] = f.boeschungen[k].x1;
            P.BoeschZ1[k + 1] = f.boeschungen[k].z1;
            P.BoeschX2[k + 1] = f.boeschungen[k].x2;
            P.BoeschZ2[k + 1] = f.boeschungen[k].z2;
        }
        Flaechenlast(1, f.pv, f.ph, f.xA, f.xE, f.z);
        vb::FormByName("frmLast2");
        vb::user::click("frmLast2.cmdOK");
        EXPECT_FLOAT_EQ(P.ErdLastXA(1, 1), f.xAErw);
        EXPECT_FLOAT_EQ(P.ErdLastXE(1, 1), f.xEErw);
        EXPECT_EQ(P.ErdLastZ(1, 1), f.zErw);
        EXPECT_EQ(P.ErdLastPh(1, 1), f.phErw);
        if (f.meldung) {
            ASSERT_EQ(Meldungen(), 1u);
            EXPECT_EQ(vb::headless::Log()[0].prompt,
                      "Achtung ! Die Eingabe wird korrigiert ! Bitte überprüfen !");
            EXPECT_EQ(vb::headless::Log()[0].title, "Lasten erdseitig");
            EXPECT_FALSE(Geladen("frmLast4")); // the user looks at the corrections first
            EXPECT_TRUE(vb::headless::enabled("frmLast2.cmdOK"));
            vb::user::click("frmLast2.cmdOK");
        }
        EXPECT_EQ(Meldungen(), f.meldung ? 1u : 0u);
        EXPECT_FLOAT_EQ(P.ErdLastXA(1, 1), f.xAErw);
        EXPECT_FLOAT_EQ(P.ErdLastXE(1, 1), f.xEErw);
        EXPECT_TRUE(Geladen("frmLast4"));
        vb::headless::ResetForms();
        zortest::AuswahlStandIn::Register();
        RegisterProjectDialogs();
        vb::FormByName("frmAuswahl").Show();
    }
}

TEST_F(Lastseiten, TheNextPageAndTheAtRestSharesFollowTheEarthPressure) {
    struct Fall {
        int16_t erddruckart;
        float ruheProz;
        bool lasten;
        const char* seite;
        int16_t anteil;
        float faktor;
    };
    const Fall faelle[] = {
        {1, 0, true, "frmLast4", 0, 0},    // pure active pressure: shares and factors 0
        {1, 20, true, "frmLast3", 7, 3},   // shares entered on the next page: kept here
        {2, 50, true, "frmLast4", 100, 1}, // pure at-rest pressure
        {1, 20, false, "frmLast4", 7, 3},  // no area load
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.erddruckart << " " << f.ruheProz << " " << f.lasten);
        vb::headless::ResetForms();
        zortest::AuswahlStandIn::Register();
        RegisterProjectDialogs();
        vb::FormByName("frmAuswahl").Show();
        P.Erddruckart = f.erddruckart;
        P.RuheProz = f.ruheProz;
        P.AnzLastErdLF[1] = 0;
        for (int16_t j = 1; j <= 2; ++j) {
            Flaechenlast(j, 10, 0, 1, 3, 0);
            P.ErdLastRuheProz(1, j) = 7;
            P.ErdLastRuheFaktor(1, j) = 3.0f;
        }
        vb::FormByName("frmLast2");
        if (!f.lasten) vb::user::click("frmLast2.chkNL2");
        vb::user::click("frmLast2.cmdOK");
        EXPECT_TRUE(Geladen(f.seite));
        EXPECT_EQ(Geladen("frmLast3"), std::string(f.seite) == "frmLast3");
        for (int16_t j = 1; j <= 2; ++j) {
            EXPECT_EQ(P.ErdLastRuheProz(1, j), f.anteil);
            EXPECT_EQ(P.ErdLastRuheFaktor(1, j), f.faktor);
        }
        EXPECT_EQ(P.BegrenzteLast, f.lasten ? 1 : 0);
    }
}

TEST_F(Lastseiten, ASecondOkShowsTheDistributionPageAfresh) {
    P.RuheProz = 0;
    Flaechenlast(1, 10, 0, 1, 3, 0);
    vb::FormByName("frmLast2");
    vb::user::click("frmLast2.cmdOK");
    EXPECT_TRUE(vb::headless::enabled("frmLast4.Option1(0)"));
    // Back on the load page the only limited load becomes a large-area load.
    vb::user::activate("frmLast2");
    Tippen("frmLast2.txtxE(1)", "999");
    vb::user::click("frmLast2.cmdOK");
    EXPECT_EQ(P.BegrenzteLast, 0);
    EXPECT_FALSE(vb::headless::enabled("frmLast4.Option1(0)"));
}

TEST_F(Lastseiten, TheHelpOnLimitedLoads) {
    vb::FormByName("frmLast2");
    vb::user::click("frmLast2.cmdSLW");
    ASSERT_EQ(Meldungen(), 1u);
    const auto& m = vb::headless::Log().back();
    EXPECT_EQ(m.title, "Teilflächenlasten, Umrechnung in Streifenlasten");
    EXPECT_EQ(m.buttons, vb::vbOKOnly | vb::vbInformation);
    EXPECT_EQ(m.prompt, "In Wandrichtung begrenzte Flächenlasten, z.B. aus SLW 60\r\n"
                        "auf 6m * 3m Fläche, können nach EAB (EB 3) unter 45° verteilt werden auf\r\n"
                        "2 * Abstand von der Wand + Lastlänge: p' = 600 / (2 * xe + 6) / 3.\r\n\r\n"
                        "Ein SLW 60 in 7 m Entfernung macht sich nur mit 10 kN/m2 bemerkbar.");
}

// ------------------------------------------------------------------------------------------ at-rest share
TEST_F(Lastseiten, AtRestSharesOfLimitedLoads) {
    P.RuheProz = 20;
    P.BegrenzteLast = 1;
    struct Fall {
        const char* eingabe;
        int16_t gespeichert;
    };
    const Fall faelle[] = {{"150", 100}, {"33.5", 34}, {"32.5", 32}, {"-5", -5}};
    for (int16_t j = 1; j <= 4; ++j)
        Flaechenlast(j, 10, 0, 0, 5, 0);
    Flaechenlast(5, 10, 0, 0, 999, 0); // large-area: its boxes disabled, its values kept
    P.ErdLastRuheProz(1, 5) = 60;
    P.ErdLastRuheFaktor(1, 5) = 2.0f;
    vb::FormByName("frmLast3");
    EXPECT_EQ(vb::headless::text("frmLast3.txtph(1)"), "1"); // a factor 0 shows as 1 and is stored so
    EXPECT_EQ(P.ErdLastRuheFaktor(1, 1), 1.0f);
    EXPECT_EQ(vb::headless::text("frmLast3.txtpv(5)"), "60");
    EXPECT_EQ(vb::headless::text("frmLast3.txtph(5)"), "1");
    EXPECT_FALSE(vb::headless::enabled("frmLast3.txtpv(5)"));
    EXPECT_FALSE(vb::headless::enabled("frmLast3.txtph(5)"));
    for (int16_t j = 1; j <= 4; ++j)
        Tippen("frmLast3.txtpv(" + std::to_string(j) + ")", faelle[j - 1].eingabe);
    Tippen("frmLast3.txtph(1)", "0");
    vb::user::click("frmLast3.cmdOK");
    for (int16_t j = 1; j <= 4; ++j)
        EXPECT_EQ(P.ErdLastRuheProz(1, j), faelle[j - 1].gespeichert) << faelle[j - 1].eingabe;
    EXPECT_EQ(P.ErdLastRuheFaktor(1, 1), 0.0f);
    EXPECT_EQ(P.ErdLastRuheProz(1, 5), 60);
    EXPECT_EQ(P.ErdLastRuheFaktor(1, 5), 2.0f);
    EXPECT_TRUE(Geladen("frmLast4"));
    vb::Unload<frmLast3>();
    vb::FormByName("frmLast3");
    EXPECT_EQ(P.ErdLastRuheFaktor(1, 1), 1.0f);
}

TEST_F(Lastseiten, AtRestTableDisabledWithoutLimitedLoadAndTheRowAfterTheLastLeadsToOk) {
    P.BegrenzteLast = 0;
    Flaechenlast(1, 10, 0, 0, 999, 0);
    vb::FormByName("frmLast3");
    EXPECT_FALSE(vb::headless::enabled("frmLast3.txtpv(2)"));
    vb::Unload<frmLast3>();
    P.BegrenzteLast = 1;
    Flaechenlast(1, 10, 0, 0, 5, 0);
    vb::FormByName("frmLast3");
    const std::size_t zuvor = vb::headless::PointerMoves().size();
    vb::user::focus("frmLast3.txtpv(1)");
    EXPECT_EQ(vb::headless::PointerMoves().size(), zuvor);
    vb::user::focus("frmLast3.txtpv(2)");
    ASSERT_EQ(vb::headless::PointerMoves().size(), zuvor + 1);
    EXPECT_EQ(vb::headless::PointerMoves().back().control, "frmLast3.cmdOK");
}

// ------------------------------------------------------------------------------------------ distribution
TEST_F(Lastseiten, TheDistributionChoicesFollowTheEarthPressure) {
    struct Fall {
        int16_t erddruckart;
        float ruheProz;
        int16_t begrenzt;
        bool formen, faktoren;
        const char* fokus;
    };
    const Fall faelle[] = {
        {1, 0, 1, true, false, "frmLast4.Option1(0)"},
        {1, 30, 1, true, true, "frmLast4.Option1(4)"},
        {1, 100, 1, false, true, "frmLast4.Option1(4)"},
        {2, 30, 1, false, true, "frmLast4.Option1(4)"},
        {2, 0, 1, false, false, ""},
        {1, 30, 0, false, false, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.erddruckart << " " << f.ruheProz << " " << f.begrenzt);
        vb::headless::ResetForms();
        zortest::AuswahlStandIn::Register();
        RegisterProjectDialogs();
        P.Erddruckart = f.erddruckart;
        P.RuheProz = f.ruheProz;
        P.BegrenzteLast = f.begrenzt;
        P.KonzFaktor = 0;
        vb::FormByName("frmLast4");
        EXPECT_EQ(P.KonzFaktor, 4);
        for (int16_t i = 0; i <= 2; ++i)
            EXPECT_EQ(vb::headless::enabled("frmLast4.Option1(" + std::to_string(i) + ")"), f.formen) << i;
        for (int16_t i = 3; i <= 6; ++i)
            EXPECT_EQ(vb::headless::enabled("frmLast4.Option1(" + std::to_string(i) + ")"), f.faktoren) << i;
        if (f.ruheProz > 0) {
            EXPECT_TRUE(vb::form<frmLast4>().Option1(4).Value());
        }
        if (*f.fokus) {
            EXPECT_EQ(vb::headless::focused(), f.fokus);
        }
    }
}

TEST_F(Lastseiten, TheChoicesAreStoredAtOnce) {
    P.RuheProz = 30;
    P.BegrenzteLast = 1;
    vb::FormByName("frmLast4");
    vb::user::click("frmLast4.Option1(2)");
    vb::user::click("frmLast4.Option1(6)");
    EXPECT_EQ(P.VerteilungAktiv, 2);
    EXPECT_EQ(P.KonzFaktor, 6);
    EXPECT_FALSE(vb::form<frmLast4>().Option1(0).Value());
    EXPECT_TRUE(vb::form<frmLast4>().Option1(2).Value()); // two separate groups
}

TEST_F(Lastseiten, OkEndsTheChainWithTheNextLoadCaseOrTheAnchors) {
    struct Fall {
        int16_t lfNr, anzLF, lfDanach;
        const char *box, *fokus;
    };
    const Fall faelle[] = {{2, 3, 3, "3", "frmAuswahl.optAuswahl(4)"},
                           {3, 3, 3, "", "frmAuswahl.optAuswahl(5)"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.lfNr);
        vb::headless::ResetForms();
        zortest::AuswahlStandIn::Register();
        RegisterProjectDialogs();
        vb::FormByName("frmAuswahl").Show();
        P.LFNr = f.lfNr;
        P.AnzLF = f.anzLF;
        vb::FormByName("frmLast1");
        vb::user::click("frmLast1.cmdOK");
        vb::user::click("frmLast2.cmdOK");
        vb::user::click("frmLast4.cmdOK");
        EXPECT_EQ(P.LFNr, f.lfDanach);
        EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(3)"), f.box);
        EXPECT_EQ(vb::headless::focused(), f.fokus);
        EXPECT_EQ(vb::headless::PointerMoves().back().control, "frmAuswahl.cmdOK");
        for (const char* s : {"frmLast1", "frmLast2", "frmLast4"})
            EXPECT_FALSE(Geladen(s)) << s;
    }
}

} // namespace
