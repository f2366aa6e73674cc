// The stage page "Aushubkote": opening a new or a later stage, the corrections of its boxes, the
// corrections at OK and the support list it leaves for later stages.
#include <gtest/gtest.h>

#include "dialogs/stages/frmAushub1.h"
#include "stage_fixture.h"

using zorm1::P;

namespace {

class Stufenseite : public zortest::StufenTest {};

TEST_F(Stufenseite, ANewFirstStageOpensEmptyWithTheFreeFootChosen) {
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    EXPECT_EQ(vb::headless::text("frmAushub1.txtAushNr"), " 1");
    EXPECT_EQ(vb::headless::text("frmAushub1.txtZAush"), "");
    EXPECT_EQ(P.Wandfuss, 1);
    EXPECT_TRUE(vb::form<frmAushub1>().optWandfuss(1).Value());
    EXPECT_EQ(vb::headless::focused(), "frmAushub1.optWandfuss(1)");
    EXPECT_FALSE(vb::headless::enabled("frmAushub1.txtZWandfuss"));
    EXPECT_TRUE(vb::headless::enabled("frmAushub1.txtEinsp"));
    // The companion below the page.
    auto& seite = vb::form<frmAushub1>();
    auto& tiefe = vb::form<frmAushub000>();
    EXPECT_TRUE(tiefe.Visible());
    EXPECT_FLOAT_EQ(tiefe.Top(), seite.Top() + 1.02f * seite.Height());
    EXPECT_FLOAT_EQ(tiefe.Left(), seite.Left() + (seite.Width() - tiefe.Width()) / 2);
    Tippen("frmAushub1.txtZAush", "3.5");
    vb::user::tab();
    EXPECT_EQ(vb::headless::text("frmAushub000.Tiefe"), "3.5");
}

TEST_F(Stufenseite, ALaterStageNeverConfirmedStartsFromTheStageBefore) {
    P.Einsp = 0;
    Stufe(2, 4.5f, 2, {1.5f, 3.0f});
    Aktuell(3, 3);
    P.DatenGelesen = -1;
    vb::FormByName("frmAushub1");
    EXPECT_EQ(vb::headless::text("frmAushub1.txtAushNr"), " 3");
    EXPECT_EQ(vb::headless::text("frmAushub1.txtZAush"), "4.5");
    EXPECT_EQ(vb::headless::text("frmAushub1.txtAnzAnker"), "2");
    EXPECT_EQ(vb::headless::text("frmAushub1.txtZAnker(2)"), "3");
    EXPECT_TRUE(vb::form<frmAushub1>().optWandfuss(2).Value());
    EXPECT_TRUE(vb::headless::enabled("frmAushub1.txtZWandfuss"));
    EXPECT_FALSE(vb::headless::enabled("frmAushub1.txtEinsp"));
    EXPECT_EQ(vb::headless::focused(), "frmAushub1.cmdOK");
}

// The corrections at OK, each from a stage typed through the page.
TEST_F(Stufenseite, OkKeepsSupportsBelowTheHeadAndAboveTheBottomAndTheFootBelowTheBottom) {
    const struct Fall {
        const char* zAush;
        int16_t fuss;
        const char* zWandfuss; // typed for modes 2 and 3
        std::vector<const char*> anker;
        std::vector<float> ankerDanach;
        float fussDanach;
    } faelle[] = {
        {"6", 2, "8", {"6.0"}, {5.997f}, 8.0f},           // a support at the excavation level: 3 mm up
        {"6", 2, "8", {"0", "-1"}, {0.01f, 0.01f}, 8.0f}, // at least 1 cm below the head
        {"6.5", 2, "6.5", {"2"}, {2.0f}, 6.51f},          // a foot at the bottom level: 1 cm below
        {"6.5", 1, nullptr, {}, {}, 6.51f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zAush);
        vb::headless::ResetForms();
        P.Aushubstufen.fill(zorm1::Aushubstufe{});
        Aktuell(1, 1);
        vb::FormByName("frmAushub1");
        vb::user::click("frmAushub1.optWandfuss(" + std::to_string(f.fuss) + ")");
        Tippen("frmAushub1.txtZAush", f.zAush);
        Tippen("frmAushub1.txtAnzAnker", std::to_string(f.anker.size()));
        for (std::size_t i = 0; i < f.anker.size(); ++i)
            Tippen("frmAushub1.txtZAnker(" + std::to_string(i + 1) + ")", f.anker[i]);
        Tippen("frmAushub1.txtZNextAnker", "99");
        if (f.zWandfuss) Tippen("frmAushub1.txtZWandfuss", f.zWandfuss);
        vb::user::tab();
        EXPECT_NE(vb::headless::focused(), "frmAushub1.txtZWandfuss"); // equal to zAush passes the box
        vb::user::click("frmAushub1.cmdOK");
        for (std::size_t i = 0; i < f.ankerDanach.size(); ++i) {
            EXPECT_FLOAT_EQ(P.Aushubstufen[1].ZAnker[i + 1], f.ankerDanach[i]) << i;
            EXPECT_FLOAT_EQ(P.ZAuflager[i + 1], f.ankerDanach[i]) << i;
        }
        EXPECT_FLOAT_EQ(P.Aushubstufen[1].ZWandfuss, f.fussDanach);
        EXPECT_EQ(P.Aushubstufen[1].Wandfuss, f.fuss);
        EXPECT_EQ(P.AnzAuflagerStufe, int16_t(f.anker.size() + 1));
        EXPECT_NE(vb::LoadedForm("frmAushub1b"), nullptr);
        EXPECT_FALSE(vb::headless::enabled("frmAushub1.cmdOK"));
    }
}

// With the foot given (mode 2, or 3 in rock) a support below the wall foot holds nothing: OK refuses it with the
// calculation's message and stays on the page; a support at the foot level is taken.
TEST_F(Stufenseite, OkRefusesASupportBelowTheGivenFootAndTakesOneAtIt) {
    for (int16_t fuss : {int16_t{2}, int16_t{3}}) {
        SCOPED_TRACE(fuss);
        vb::headless::ResetForms();
        vb::headless::Reset();
        P.Aushubstufen.fill(zorm1::Aushubstufe{});
        Aktuell(1, 1);
        vb::FormByName("frmAushub1");
        vb::user::click("frmAushub1.optWandfuss(" + std::to_string(fuss) + ")");
        Tippen("frmAushub1.txtZAush", "6");
        Tippen("frmAushub1.txtAnzAnker", "2");
        Tippen("frmAushub1.txtZAnker(1)", "1.5");
        Tippen("frmAushub1.txtZAnker(2)", "8.5");
        Tippen("frmAushub1.txtZNextAnker", "99");
        Tippen("frmAushub1.txtZWandfuss", "8");
        vb::user::tab();
        vb::user::click("frmAushub1.cmdOK");
        ASSERT_EQ(vb::headless::Log().size(), 1u);
        EXPECT_EQ(vb::headless::Log()[0].prompt,
                  "Die Berechnung ist nicht möglich:\r\nKote der Ankerlage 2 im Aushubzustand 1 (Satz 7, ZAnker) = "
                  "8.5 m; zulässig 0 bis 8 m: eine Anker- bzw. Steifenlage liegt nicht unter dem vorgegebenen "
                  "Wandfuß.\r\nBitte die Eingabe überprüfen.");
        EXPECT_EQ(vb::LoadedForm("frmAushub1b"), nullptr);
        EXPECT_TRUE(vb::headless::enabled("frmAushub1.cmdOK"));
        Tippen("frmAushub1.txtZAnker(2)", "8");
        vb::user::tab();
        vb::user::click("frmAushub1.cmdOK");
        EXPECT_EQ(vb::headless::Log().size(), 1u);
        EXPECT_FLOAT_EQ(P.Aushubstufen[1].ZAnker[2], 8.0f);
        EXPECT_NE(vb::LoadedForm("frmAushub1b"), nullptr);
    }
}

TEST_F(Stufenseite, BoxesOutOfRangeShowTheirReplacementAndTakeTheFocusBack) {
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    const struct Fall {
        const char* box;
        const char* getippt;
        const char* ersetzt; // nullptr: accepted as typed
    } faelle[] = {
        {"txtZAush", "0", "1.00"},        {"txtZAush", "-2", "1.00"},       {"txtAnzAnker", "9", "8"},
        {"txtAnzAnker", "-3", "0"},       {"txtZNextAnker", "0", "99"},     {"txtZNextAnker", "120", "99"},
        {"txtZNextAnker", "-2", nullptr}, {"txtZWasserLuft", "-1", "0.00"}, {"txtZWasserErd", "-1", "0.00"},
        {"txtEinsp", "120", "100"},       {"txtEinsp", "100", nullptr}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.box) + " " + f.getippt);
        const std::string box = std::string("frmAushub1.") + f.box;
        Tippen(box, f.getippt);
        vb::user::focus("frmAushub1.cmdHinweis3");
        EXPECT_EQ(vb::headless::text(box), f.ersetzt ? f.ersetzt : f.getippt);
        EXPECT_EQ(vb::headless::focused(), f.ersetzt ? box : "frmAushub1.cmdHinweis3");
    }
    // The replacement is stored when the box is left again.
    Tippen("frmAushub1.txtAnzAnker", "9");
    vb::user::tab();
    vb::user::tab();
    EXPECT_EQ(P.AnzAnker, 8);
    for (int i = 1; i <= 8; ++i)
        EXPECT_TRUE(vb::headless::enabled("frmAushub1.txtZAnker(" + std::to_string(i) + ")"));
    Tippen("frmAushub1.txtAnzAnker", "2");
    vb::user::tab();
    EXPECT_TRUE(vb::headless::enabled("frmAushub1.txtZAnker(2)"));
    EXPECT_FALSE(vb::headless::enabled("frmAushub1.txtZAnker(3)"));
    // A count beyond 16 bits is refused: the box shows the count again.
    Tippen("frmAushub1.txtAnzAnker", "40000");
    vb::user::tab();
    EXPECT_EQ(vb::headless::text("frmAushub1.txtAnzAnker"), "2");
    EXPECT_EQ(P.AnzAnker, 2);
    // Water above 99: the level is 99 while the box still shows what was typed.
    Tippen("frmAushub1.txtZWasserErd", "150");
    vb::user::tab();
    EXPECT_EQ(vb::headless::text("frmAushub1.txtZWasserErd"), "150");
    EXPECT_EQ(P.ZWasserErd, 99.0f);
    EXPECT_EQ(P.ZWasserErdAush[1], 99.0f);
    Tippen("frmAushub1.txtZWasserLuft", "150");
    vb::user::tab();
    EXPECT_EQ(P.ZWasserLuft, 99.0f);
    // A foot above the excavation level shows the level + 1 cm.
    Tippen("frmAushub1.txtZAush", "6.5");
    vb::user::click("frmAushub1.optWandfuss(2)");
    Tippen("frmAushub1.txtZWandfuss", "5");
    vb::user::tab();
    EXPECT_EQ(vb::headless::text("frmAushub1.txtZWandfuss"), "6.51");
    EXPECT_EQ(vb::headless::focused(), "frmAushub1.txtZWandfuss");
}

TEST_F(Stufenseite, SoldierPilesHaveNoRockFootAndTheBlumFootNeitherBeddingNorFixity) {
    P.Wandart = 1;
    Stufe(1, 5.0f, 3);
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    EXPECT_FALSE(vb::headless::enabled("frmAushub1.optWandfuss(3)"));
    EXPECT_TRUE(vb::form<frmAushub1>().optWandfuss(1).Value());
    EXPECT_EQ(P.Wandfuss, 1);

    vb::headless::ResetForms();
    P.Wandart = 3;
    Stufe(1, 5.0f, 1);
    P.BettAnz[1] = 2;
    P.FussGebettet[1] = 1;
    P.Einsp = 40;
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    EXPECT_FALSE(vb::headless::enabled("frmAushub1.txtEinsp")); // bedded: no fixity
    vb::user::click("frmAushub1.optWandfuss(4)");
    EXPECT_FALSE(vb::headless::enabled("frmAushub1.txtEinsp"));
    EXPECT_EQ(P.Einsp, 0.0f);
    vb::user::click("frmAushub1.cmdOK");
    EXPECT_EQ(P.BettAnz[1], 0);
    EXPECT_EQ(P.FussGebettet[1], 0);
    EXPECT_EQ(P.kzUeb[1], 1);
    EXPECT_EQ(P.Aushubstufen[1].Einsp, 0.0f);
}

TEST_F(Stufenseite, TheSupportListOfTheStageAndTheBeddingEndAtTheFoot) {
    P.ZAuflager[3] = 7.25f;
    Stufe(1, 6.5f, 1, {1.0f, 3.0f});
    P.BettAnz[1] = 2;
    P.FussGebettet[1] = 1;
    P.BettT(1, 2) = 4.0f;
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    vb::user::click("frmAushub1.cmdOK");
    EXPECT_EQ(P.AnzAuflagerStufe, 3);
    EXPECT_EQ(P.ZAuflager[1], 1.0f);
    EXPECT_EQ(P.ZAuflager[2], 3.0f);
    EXPECT_EQ(P.ZAuflager[3], 7.25f); // no next support: the entry keeps its value
    EXPECT_EQ(P.BettT(1, 2), 92.5f);  // 99 - 6.5
    // With a next support it closes the list.
    vb::user::activate("frmAushub1");
    Tippen("frmAushub1.txtZNextAnker", "5");
    vb::user::click("frmAushub1.cmdOK");
    EXPECT_EQ(P.ZAuflager[3], 5.0f);
    EXPECT_EQ(P.Aushubstufen[1].ZNextAnker, 5.0f);
}

TEST_F(Stufenseite, TheRockHintExplainsTheFootModeThree) {
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    vb::user::click("frmAushub1.cmdHinweis3");
    ASSERT_FALSE(vb::headless::Log().empty());
    EXPECT_EQ(
        vb::headless::Log().back().prompt,
        "Der Wandreibungswinkel wird für den Widerstandsbeiwert wie\r\neingegeben verwendet. Für Summe V "
        "wird jedoch Epv = 0.00 \r\ngesetzt. Dies soll den \"FELS\" simulieren: keine vertikale\r\n"
        "Verschiebung möglich.\r\n");
    EXPECT_EQ(vb::headless::Log().back().buttons, vb::vbOKOnly | vb::vbInformation);
}

} // namespace
