// The water levels of the stage page are the levels in force, shown also while a stage has no excavation
// level yet: a new project's first stage has no ground water (99 m, the program's "no water") until the
// user types a level, a new stage takes the levels of the confirmed stage before it, and what OK stores is
// what the boxes showed.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/stages/frmAushub1.h"
#include "stage_fixture.h"

using zorm1::P;

namespace {

class Wasserstand : public zortest::StufenTest {
protected:
    // The page of stage s of n opened; the stage typed with its excavation level and one support at 1.5 m,
    // the water boxes typed only where a text is given; OK.
    static void Eingeben(int16_t s, int16_t n, const char* zAush, const char* luft, const char* erd) {
        vb::headless::ResetForms();
        Aktuell(s, n);
        vb::FormByName("frmAushub1");
        Tippen("frmAushub1.txtZAush", zAush);
        Tippen("frmAushub1.txtAnzAnker", "1");
        Tippen("frmAushub1.txtZAnker(1)", "1.5");
        if (luft) Tippen("frmAushub1.txtZWasserLuft", luft);
        if (erd) Tippen("frmAushub1.txtZWasserErd", erd);
        vb::user::click("frmAushub1.cmdOK");
        ASSERT_NE(vb::LoadedForm("frmAushub1b"), nullptr);
    }
    static std::string Text(const std::string& box) { return vb::headless::text("frmAushub1." + box); }
};

TEST_F(Wasserstand, ANewProjectsFirstStageShowsNoWaterAndStoresItWhenOnlyTheLevelIsTyped) {
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    // The geometry of the stage stays empty, the levels in force are shown: 99 = no water, no next support.
    EXPECT_EQ(Text("txtZAush"), "");
    EXPECT_EQ(Text("txtAnzAnker"), "");
    EXPECT_EQ(Text("txtZWasserLuft"), "99");
    EXPECT_EQ(Text("txtZWasserErd"), "99");
    EXPECT_EQ(Text("txtZNextAnker"), "99");
    EXPECT_EQ(vb::headless::focused(), "frmAushub1.optWandfuss(1)");

    Tippen("frmAushub1.txtZAush", "4");
    Tippen("frmAushub1.txtAnzAnker", "1");
    Tippen("frmAushub1.txtZAnker(1)", "1.5");
    vb::user::click("frmAushub1.cmdOK");
    ASSERT_NE(vb::LoadedForm("frmAushub1b"), nullptr);
    const zorm1::Aushubstufe& t = P.Aushubstufen[1];
    EXPECT_EQ(t.zAush, 4.0f);
    EXPECT_EQ(t.ZWasserLuft, 99.0f);
    EXPECT_EQ(t.ZWasserErd, 99.0f);
    EXPECT_EQ(P.ZWasserErdAush[1], 99.0f);
    EXPECT_EQ(t.ZNextAnker, 99.0f);
    // No next support: the support list of the stage holds the one support, closed by nothing at the head.
    EXPECT_EQ(P.AnzAuflagerStufe, 2);
    EXPECT_EQ(P.ZAuflager[1], 1.5f);
    EXPECT_EQ(P.ZAuflager[2], 0.0f); // as it was: not written
}

// What the user types is stored and shown again; the per-stage copy of the earth-side level follows.
TEST_F(Wasserstand, ATypedLevelStaysAndIsShownAgain) {
    const struct Fall {
        const char* luft; // typed, or nullptr
        const char* erd;
        float luftDanach, erdDanach;
        const char *luftText, *erdText; // shown when the stage is opened again
    } faelle[] = {
        {"5", "2.5", 5.0f, 2.5f, "5", "2.5"},
        {"0", "0", 0.0f, 0.0f, "0", "0"}, // water at the head, typed: taken
        {nullptr, "3", 99.0f, 3.0f, "99", "3"},
        {"150", nullptr, 99.0f, 99.0f, "99", "99"}, // above 99: no water
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.luft ? f.luft : "-") + " " + (f.erd ? f.erd : "-"));
        P.Aushubstufen.fill(zorm1::Aushubstufe{});
        P.ZWasserErdAush.fill(0.0f);
        Eingeben(1, 1, "6", f.luft, f.erd);
        EXPECT_EQ(P.Aushubstufen[1].ZWasserLuft, f.luftDanach);
        EXPECT_EQ(P.Aushubstufen[1].ZWasserErd, f.erdDanach);
        EXPECT_EQ(P.ZWasserErdAush[1], f.erdDanach);
        vb::headless::ResetForms();
        Aktuell(1, 1);
        vb::FormByName("frmAushub1");
        EXPECT_EQ(Text("txtZWasserLuft"), f.luftText);
        EXPECT_EQ(Text("txtZWasserErd"), f.erdText);
    }
}

// A new stage after a confirmed one shows that stage's levels and stores them when OK is pressed without
// touching the water boxes; typed levels replace them.
TEST_F(Wasserstand, ANewStageShowsTheLevelsOfTheStageBefore) {
    const struct Fall {
        const char *luft1, *erd1; // typed in stage 1 (nullptr: left as shown)
        const char *luft2, *erd2; // typed in stage 2
        const char *zeigt1, *zeigt2;
        float luft, erd; // stored for stage 2
    } faelle[] = {
        {"3", "1.5", nullptr, nullptr, "3", "1.5", 3.0f, 1.5f},
        {nullptr, nullptr, nullptr, nullptr, "99", "99", 99.0f, 99.0f},
        {"3", "1.5", "6", "2", "3", "1.5", 6.0f, 2.0f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.zeigt1) + " " + f.zeigt2 + " " + (f.luft2 ? f.luft2 : "-"));
        P.Aushubstufen.fill(zorm1::Aushubstufe{});
        P.ZWasserErdAush.fill(0.0f);
        Eingeben(1, 1, "3", f.luft1, f.erd1);
        vb::headless::ResetForms();
        Aktuell(2, 2);
        ASSERT_EQ(P.zAush, 0.0f); // stage 2 has nothing of its own
        vb::FormByName("frmAushub1");
        EXPECT_EQ(Text("txtZAush"), "3");
        EXPECT_EQ(Text("txtZWasserLuft"), f.zeigt1);
        EXPECT_EQ(Text("txtZWasserErd"), f.zeigt2);
        if (f.luft2) Tippen("frmAushub1.txtZWasserLuft", f.luft2);
        if (f.erd2) Tippen("frmAushub1.txtZWasserErd", f.erd2);
        Tippen("frmAushub1.txtZAush", "5");
        vb::user::click("frmAushub1.cmdOK");
        EXPECT_EQ(P.Aushubstufen[2].zAush, 5.0f);
        EXPECT_EQ(P.Aushubstufen[2].ZWasserLuft, f.luft);
        EXPECT_EQ(P.Aushubstufen[2].ZWasserErd, f.erd);
        EXPECT_EQ(P.ZWasserErdAush[2], f.erd);
        // Stage 1 is left as it was.
        EXPECT_EQ(P.Aushubstufen[1].zAush, 3.0f);
    }
}

// A new stage 2 while stage 1 was opened but never confirmed: nothing to take over, so the stage opens as a
// new first stage does, with the free foot chosen and no water.
TEST_F(Wasserstand, ANewStageAfterAStageNeverConfirmedOpensAsAFirstStage) {
    Aktuell(2, 2);
    vb::FormByName("frmAushub1");
    EXPECT_EQ(P.Wandfuss, 1);
    EXPECT_TRUE(vb::form<frmAushub1>().optWandfuss(1).Value());
    EXPECT_EQ(vb::headless::focused(), "frmAushub1.optWandfuss(1)");
    EXPECT_EQ(Text("txtZAush"), "");
    EXPECT_EQ(Text("txtZWasserLuft"), "99");
    EXPECT_EQ(Text("txtZWasserErd"), "99");
    EXPECT_EQ(Text("txtZNextAnker"), "99");
    Tippen("frmAushub1.txtZAush", "2");
    vb::user::click("frmAushub1.cmdOK");
    EXPECT_EQ(P.Aushubstufen[2].Wandfuss, 1.0f);
    EXPECT_EQ(P.Aushubstufen[2].ZWasserLuft, 99.0f);
    EXPECT_EQ(P.Aushubstufen[2].ZWasserErd, 99.0f);
    EXPECT_EQ(P.Aushubstufen[1], zorm1::Aushubstufe{}); // the empty stage 1 is not touched
}

// A stage that has its levels (read from a project file, or confirmed before) keeps them: opening and OK
// change nothing.
TEST_F(Wasserstand, AStageWithItsLevelsKeepsThem) {
    P.ZWasserLuft = 4.0f;
    P.ZWasserErd = 2.0f;
    Stufe(1, 6.0f, 2, {1.5f});
    P.ZWasserErdAush[1] = 2.0f;
    const zorm1::Aushubstufe vorher = P.Aushubstufen[1];
    Aktuell(1, 1);
    vb::FormByName("frmAushub1");
    EXPECT_EQ(Text("txtZWasserLuft"), "4");
    EXPECT_EQ(Text("txtZWasserErd"), "2");
    vb::user::click("frmAushub1.cmdOK");
    EXPECT_EQ(P.Aushubstufen[1], vorher);
    EXPECT_EQ(P.ZWasserErdAush[1], 2.0f);
}

} // namespace