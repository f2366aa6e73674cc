// The redistribution figure, the at-rest reduction and the superposition pages of the stage chain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dialogs/project/page.h"
#include "dialogs/stages/redistribution_pages.h"
#include "platform/draw/recorder.h"
#include "platform/runtime/vbnum.h"
#include "stage_fixture.h"

using zorm1::P;

namespace {

class Umlagerung : public zortest::StufenTest {
protected:
    void SetUp() override {
        StufenTest::SetUp();
        P.Wandtyp = 3;
        P.Wandart = 3;
        P.WandKopf = 1;
        P.Erddruckart = 1;
    }
    static void Oeffnen(const char* seite, float z, std::initializer_list<float> anker, int16_t fuss = 1) {
        Stufe(1, z, fuss, anker);
        Aktuell(1, 1);
        vb::FormByName(seite);
    }
    static float Zahl(const std::string& box) {
        return Seite::ZahlLesen(vb::headless::text(box)).value_or(-1);
    }
};

TEST_F(Umlagerung, AStageWithoutSupportsAndAFreeHeadOffersOnlyFigureZero) {
    P.UmFigur = 2;
    Oeffnen("frmAushub3", 4, {});
    for (int k : {1, 2, 4, 5, 6, 7, 8})
        EXPECT_FALSE(vb::headless::enabled("frmAushub3.optUmFigur(" + std::to_string(k) + ")")) << k;
    EXPECT_TRUE(vb::headless::enabled("frmAushub3.optUmFigur(0)"));
    EXPECT_EQ(P.UmFigur, 0);
    vb::user::click("frmAushub3.cmdOK");
    EXPECT_EQ(P.Aushubstufen[1].UmFigur, 0.0f);
    EXPECT_EQ(P.Aushubstufen[1].EFaktor, 1.0f); // the factor box still holds "1.00"
    EXPECT_EQ(P.UmZeit[1], 0);
    EXPECT_NE(vb::LoadedForm("frmAushub4"), nullptr);
    // A hinged head offers every figure.
    vb::headless::ResetForms();
    P.WandKopf = 2;
    Oeffnen("frmAushub3", 4, {});
    for (int k : {1, 2, 4, 5, 6, 7, 8})
        EXPECT_TRUE(vb::headless::enabled("frmAushub3.optUmFigur(" + std::to_string(k) + ")")) << k;
}

// Figure 8 with one strut at 0.15 H: blocks split at H / 2 with the lower block at 1 / 1.2 of the upper on a
// diaphragm wall (EB 70) and 1 / 1.5 on a soldier-pile wall (EB 69).
TEST_F(Umlagerung, FigureEightShowsTheKneePointsOfTheRules) {
    const struct {
        int16_t wandart, wandtyp;
        float eps;
        int16_t figurDanach;
        const char* naechste;
    } faelle[] = {{3, 3, 1.0f / 1.2f, 8, "frmAushub4"}, {1, 1, 1.0f / 1.5f, 5, "frmAushub6"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wandart);
        vb::headless::ResetForms();
        P.Wandart = f.wandart;
        P.Wandtyp = f.wandtyp;
        P.kzUeb[1] = 1;
        Oeffnen("frmAushub3", 10, {1.5f});
        vb::user::click("frmAushub3.optUmFigur(8)");
        EXPECT_EQ(vb::headless::text("frmAushub3.txtKotez1"), " 0");
        EXPECT_EQ(vb::headless::text("frmAushub3.txtKotez2"), " 5");
        EXPECT_EQ(vb::headless::text("frmAushub3.txtFigureps").substr(0, 1), " ");
        EXPECT_FLOAT_EQ(Zahl("frmAushub3.txtFigureps"), f.eps);
        EXPECT_FALSE(vb::headless::enabled("frmAushub3.txtKotez1"));
        vb::user::click("frmAushub3.cmdOK");
        EXPECT_EQ(P.Aushubstufen[1].UmFigur, f.figurDanach);
        EXPECT_FLOAT_EQ(P.Aushubstufen[1].UmZ2, 5.0f);
        EXPECT_FLOAT_EQ(P.Aushubstufen[1].EpsUml, f.eps);
        EXPECT_EQ(P.UmZeit[1], f.wandart == 1 ? 0 : 3); // figure 8 superposed: redistributed to the bottom
        EXPECT_NE(vb::LoadedForm(f.naechste), nullptr);
    }
}

TEST_F(Umlagerung, TheBoxesOfThePageKeepTheirRanges) {
    P.UmFigur = 4;
    Oeffnen("frmAushub3", 6, {1.0f});
    const struct {
        const char* box;
        const char* getippt;
        const char* danach;
    } faelle[] = {{"txtKotez1", "0", "0.01"},    {"txtKotez1", "7", "6"},     {"txtKotez1", "2", "2"},
                  {"txtKotez2", "1", "2"},       {"txtKotez2", "8", "6"},     {"txtFigureps", "1.7", " 1"},
                  {"txtFigureps", "-0.2", " 0"}, {"txtFigureps", ".5", " .5"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.box) + " " + f.getippt);
        Tippen(std::string("frmAushub3.") + f.box, f.getippt);
        vb::user::focus("frmAushub3.txtEFaktor");
        EXPECT_EQ(vb::headless::text(std::string("frmAushub3.") + f.box), f.danach);
    }
    EXPECT_EQ(P.UmZ1, 0.0f); // read only at OK
    const struct {
        const char* faktor;
        float danach;
    } faktoren[] = {{"0.05", 1.0f}, {".1", 0.1f}, {"1.3", 1.3f}};
    for (const auto& f : faktoren) {
        vb::user::activate("frmAushub3");
        Tippen("frmAushub3.txtEFaktor", f.faktor);
        vb::user::click("frmAushub3.cmdOK");
        EXPECT_FLOAT_EQ(P.EFaktor, f.danach);
    }
    EXPECT_FLOAT_EQ(P.UmZ1, 2.0f);
    EXPECT_FLOAT_EQ(P.UmZ2, 6.0f);
    EXPECT_FLOAT_EQ(P.EpsUml, 0.5f);
}

TEST_F(Umlagerung, FigureSixEndsAtAnEmptyLevelAndOtherFiguresDropIt) {
    P.kzUeb[1] = 0;
    Oeffnen("frmAushub3", 6, {1.0f});
    vb::user::click("frmAushub3.optUmFigur(6)");
    EXPECT_TRUE(vb::headless::enabled("frmAushub3.txtZ6(1)"));
    const char* const zeilen[][2] = {{"0", "1"}, {"2", "1.2"}, {"4", "1"}, {"6", "0.5"}};
    for (int i = 0; i < 4; ++i) {
        Tippen("frmAushub3.txtZ6(" + std::to_string(i + 1) + ")", zeilen[i][0]);
        Tippen("frmAushub3.txtE6(" + std::to_string(i + 1) + ")", zeilen[i][1]);
    }
    vb::user::focus("frmAushub3.txtZ6(5)");
    vb::user::tab(); // the empty level cell of row 5 left
    EXPECT_EQ(P.AnzFigur6Aush[1], 4);
    EXPECT_EQ(vb::headless::focused(), "frmAushub3.txtEps6");
    vb::user::type("1.7");
    Tippen("frmAushub3.txtzESum", "99");
    EXPECT_EQ(P.EpsFuss6Aush[1], 1.0f);
    vb::user::click("frmAushub3.cmdOK");
    EXPECT_EQ(P.AnzFigur6Aush[1], 4);
    EXPECT_EQ(P.Ze1Fig6Aush[1], 99.0f);
    EXPECT_EQ(P.UmZeit[1], 2); // figure 6 not superposed
    EXPECT_EQ(P.Herstellart, "hinterfuellt");
    // Figure 1 chosen afterwards: figure 6 has no rows any more.
    vb::user::activate("frmAushub3");
    vb::user::click("frmAushub3.optUmFigur(1)");
    vb::user::click("frmAushub3.cmdOK");
    EXPECT_EQ(P.AnzFigur6Aush[1], 0);
    // Figure 7 with the excavated wall stores an empty build method.
    vb::user::activate("frmAushub3");
    vb::user::click("frmAushub3.optUmFigur(7)");
    vb::user::click("frmAushub3.OptHerstell(0)");
    vb::user::click("frmAushub3.cmdOK");
    EXPECT_EQ(P.Herstellart, "");
    EXPECT_EQ(P.UmZeit[1], 4);
    // A stored figure 3 is shown and stored as 0.
    vb::headless::ResetForms();
    P.UmFigur = 3;
    Oeffnen("frmAushub3", 6, {1.0f});
    EXPECT_TRUE(vb::form<frmAushub3>().optUmFigur(0).Value());
    EXPECT_EQ(P.UmFigur, 0);
}

TEST_F(Umlagerung, TheAtRestReductionSuggestsSeventyPercentOfTheExcavation) {
    vb::SetDecimalSeparator('.');
    P.Erddruckart = 2;
    P.UmFigur = 5; // from an earlier active-pressure project
    P.UmZ1 = P.UmZ2 = P.EpsUml = 3;
    Oeffnen("frmAushub3b", 8, {1.0f});
    EXPECT_EQ(vb::headless::text("frmAushub3b.Text1"), "5.60");
    EXPECT_EQ(vb::headless::text("frmAushub3b.Text2"), "8.00");
    EXPECT_TRUE(vb::form<frmAushub3b>().optRedFigur(0).Value());
    EXPECT_FALSE(vb::headless::visible("frmAushub3b.Text1"));
    EXPECT_FALSE(vb::headless::enabled("frmAushub3b.txtKotez1"));
    vb::user::click("frmAushub3b.optRedFigur(2)");
    EXPECT_TRUE(vb::headless::visible("frmAushub3b.Text1"));
    EXPECT_TRUE(vb::headless::visible("frmAushub3b.Label4"));
    Tippen("frmAushub3b.txtKotez1", "0");
    Tippen("frmAushub3b.txtKotez2", "7");
    Tippen("frmAushub3b.txtFigureps", ".4");
    vb::user::tab();
    EXPECT_EQ(vb::headless::text("frmAushub3b.txtKotez1"), "0.01");
    P.UmZeit[1] = 3;
    P.AnzFigur6Aush[1] = 2;
    vb::user::click("frmAushub3b.cmdOK");
    EXPECT_FLOAT_EQ(P.Aushubstufen[1].UmZ1, 0.01f);
    EXPECT_FLOAT_EQ(P.Aushubstufen[1].UmZ2, 7.0f);
    EXPECT_FLOAT_EQ(P.Aushubstufen[1].EpsUml, 0.4f);
    EXPECT_EQ(P.Aushubstufen[1].UmFigur, 2.0f);
    EXPECT_EQ(P.UmZeit[1], 0);
    EXPECT_EQ(P.AnzFigur6Aush[1], 0);
    EXPECT_NE(vb::LoadedForm("frmAushub6"), nullptr);
    // Figure 0 stores no knee points whatever the boxes hold.
    vb::user::activate("frmAushub3b");
    vb::user::click("frmAushub3b.optRedFigur(0)");
    vb::user::click("frmAushub3b.cmdOK");
    EXPECT_EQ(P.Aushubstufen[1].UmZ1, 0.0f);
    EXPECT_EQ(P.Aushubstufen[1].EpsUml, 0.0f);
    vb::SetDecimalSeparator(0);
}

TEST_F(Umlagerung, TheGivenPressurePageLeadsToTheReductionOnlyWithPureAtRestPressure) {
    for (int16_t art : {1, 2}) {
        vb::headless::ResetForms();
        P.Erddruckart = art;
        Oeffnen("frmAushub2", 5, {1.0f});
        vb::user::click("frmAushub2.cmdOK");
        EXPECT_NE(vb::LoadedForm(art == 2 ? "frmAushub3b" : "frmAushub3"), nullptr);
        EXPECT_EQ(vb::LoadedForm(art == 2 ? "frmAushub3" : "frmAushub3b"), nullptr);
    }
}

TEST_F(Umlagerung, SuperpositionIsForcedWhereTheFootNeedsIt) {
    const struct {
        int16_t fuss, gebettet;
        float einsp;
        int16_t zeitVorher, zeitDanach;
        bool optionen24;
    } faelle[] = {
        {4, 0, 0, 2, 1, false},  // Blum: superposition required
        {4, 1, 0, 2, 2, true},   // bedded: free choice
        {1, 0, 0, 4, 4, true},   // free earth support without fixity: free choice
        {1, 0, 20, 4, 3, false}, // partly fixed
        {2, 0, 0, 2, 1, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fuss * 10 + f.gebettet);
        vb::headless::ResetForms();
        P.UmFigur = 1;
        P.UmZeit[1] = f.zeitVorher;
        P.kzUeb[1] = 0;
        P.FussGebettet[1] = f.gebettet;
        P.Einsp = f.einsp;
        Oeffnen("frmAushub4", 6, {1.0f}, f.fuss);
        EXPECT_TRUE(vb::form<frmAushub4>().optUmZeit(f.zeitDanach).Value());
        EXPECT_EQ(vb::headless::enabled("frmAushub4.optUmZeit(2)"), f.optionen24);
        EXPECT_EQ(vb::headless::enabled("frmAushub4.optUmZeit(4)"), f.optionen24);
        EXPECT_FALSE(vb::headless::enabled("frmAushub4.chkKzUeb"));
        vb::user::click("frmAushub4.cmdOK");
        EXPECT_EQ(P.UmZeit[1], f.zeitDanach);
        EXPECT_EQ(P.kzUeb[1], (f.zeitDanach == 2 || f.zeitDanach == 4) ? 0 : 1);
        EXPECT_NE(vb::LoadedForm("frmAushub6"), nullptr);
    }
}

TEST_F(Umlagerung, TheCheckBoxDecidesTheTimeOfFiguresZeroSixSevenAndEight) {
    const struct {
        int16_t figur;
        bool haken;
        int16_t zeit;
    } faelle[] = {{7, false, 4}, {7, true, 3}, {8, false, 4}, {6, true, 1}, {6, false, 2}, {0, true, 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.figur * 10 + f.haken);
        vb::headless::ResetForms();
        P.UmFigur = f.figur;
        P.kzUeb[1] = 0;
        P.UmZeit[1] = 0;
        P.FussGebettet[1] = 1; // no superposition required
        Oeffnen("frmAushub4", 6, {1.0f});
        EXPECT_FALSE(vb::headless::enabled("frmAushub4.optUmZeit(0)"));
        EXPECT_EQ(vb::headless::focused(), "frmAushub4.chkKzUeb");
        if (f.haken) vb::user::click("frmAushub4.chkKzUeb");
        vb::user::click("frmAushub4.cmdOK");
        EXPECT_EQ(P.kzUeb[1], f.haken ? 1 : 0);
        EXPECT_EQ(P.UmZeit[1], f.zeit);
    }
    // Superposition required and the box unticked: figure 0 keeps it off, figure 7 turns it on.
    for (int16_t figur : {0, 7}) {
        vb::headless::ResetForms();
        P.UmFigur = figur;
        P.kzUeb[1] = 0;
        P.UmZeit[1] = figur == 7 ? 4 : 0;
        P.FussGebettet[1] = 0;
        Oeffnen("frmAushub4", 6, {1.0f}, 4);
        EXPECT_FALSE(vb::headless::enabled("frmAushub4.chkKzUeb"));
        EXPECT_EQ(vb::headless::value("frmAushub4.chkKzUeb"), figur == 7 ? vb::vbChecked : vb::vbUnchecked);
        vb::user::click("frmAushub4.cmdOK");
        EXPECT_EQ(P.kzUeb[1], figur == 7 ? 1 : 0);
    }
    // The recommendation notes only with partial safety factors.
    for (int16_t teil : {0, 1}) {
        vb::headless::ResetForms();
        P.TeilsicherheitenAn = teil;
        Oeffnen("frmAushub4", 6, {1.0f});
        EXPECT_EQ(vb::headless::visible("frmAushub4.Label4"), teil == 1);
        EXPECT_EQ(vb::headless::visible("frmAushub4.Shape1(1)"), teil == 1);
    }
}

} // namespace

namespace {

// The sketches of the principle on the superposition page: the wall from head to foot, the active pressure
// redistributed on the earth side and the passive resistance on the excavation side below the excavation
// level. Case 0 superposes first: the redistributed block reaches only down to the load zero point, which
// lies below the excavation level and above the foot, and the resistance left begins there. Case 1
// redistributes first: the block reaches the foot, and the whole resistance below the excavation is
// superposed afterwards.
TEST(UeberlagerungPrinzip, TheSketchesShowTheOrderOfRedistributionAndSuperposition) {
    constexpr double kKopf = 5, kFuss = 95, kAushub = 50; // the sketch's levels (z downward)
    for (int16_t fall : {0, 1}) {
        SCOPED_TRACE(fall);
        auto s = vb::draw::RecordingSurface::Screen(113, 92);
        frmAushub4::PrinzipZeichnen(*s, fall);
        const vb::draw::Record* wand = nullptr;
        const vb::draw::Record* block = nullptr;
        double widerstandOben = 1e9;
        for (const auto& r : s->Records()) {
            if (r.op != vb::draw::RecordOp::Line) continue;
            EXPECT_GE(std::min(r.y1, r.y2), 0);
            EXPECT_LE(std::max(r.y1, r.y2), 100);
            EXPECT_LE(std::max(std::fabs(r.x1), std::fabs(r.x2)), 50);
            if (r.kind == vb::draw::LineKind::Box) block = &r;
            if (r.kind == vb::draw::LineKind::Line && r.x1 == 0 && r.x2 == 0) wand = &r;
            // the passive resistance: lines on the excavation side reaching below the excavation level
            if (r.kind == vb::draw::LineKind::Line && std::min(r.x1, r.x2) < 0 &&
                std::max(r.y1, r.y2) > kAushub)
                widerstandOben = std::min({widerstandOben, r.y1, r.y2});
        }
        ASSERT_NE(wand, nullptr);
        EXPECT_EQ(std::min(wand->y1, wand->y2), kKopf);
        EXPECT_EQ(std::max(wand->y1, wand->y2), kFuss);
        EXPECT_GT(wand->drawWidth, 1); // the wall stands out
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(std::min(block->y1, block->y2), kKopf);
        EXPECT_GT(std::max(block->x1, block->x2), 0); // on the earth side
        const double blockUnten = std::max(block->y1, block->y2);
        if (fall == 0) {
            EXPECT_GT(blockUnten, kAushub);
            EXPECT_LT(blockUnten, kFuss);
            EXPECT_EQ(widerstandOben, blockUnten);
        } else {
            EXPECT_EQ(blockUnten, kFuss);
            EXPECT_EQ(widerstandOben, kAushub);
        }
    }
}

TEST_F(Umlagerung, ThePrincipleIsDrawnAndThePartialFactorsMarkTheRecommendedOptions) {
    for (int16_t teil : {0, 1}) {
        SCOPED_TRACE(teil);
        vb::headless::ResetForms();
        P.TeilsicherheitenAn = teil;
        P.UmFigur = 1;
        Oeffnen("frmAushub4", 6, {1.0f});
        auto& f = vb::form<frmAushub4>();
        for (int16_t fall : {0, 1}) {
            auto rec = vb::headless::Recorder(f.picFall(fall).surface());
            ASSERT_NE(rec, nullptr);
            EXPECT_FALSE(rec->Log({vb::draw::RecordOp::Line}).empty()) << fall;
        }
        // the markers lie around the options 2 and 4 ("2 oder 4  empfohlen")
        for (int16_t i : {0, 1}) {
            const vb::Shape& m = f.Shape1(i);
            const vb::OptionButton& o = f.optUmZeit(i == 0 ? 2 : 4);
            EXPECT_EQ(m.Container(), o.Container());
            EXPECT_LE(m.Left(), o.Left());
            EXPECT_LE(m.Top(), o.Top());
            EXPECT_GE(m.Left() + m.Width(), o.Left() + o.Width());
            EXPECT_GE(m.Top() + m.Height(), o.Top() + o.Height());
            EXPECT_LE(m.Top() + m.Height(), f.Frame3(1).Height()); // inside the options' frame
            EXPECT_EQ(vb::headless::visible("frmAushub4.Shape1(" + std::to_string(i) + ")"), teil == 1);
        }
    }
}

} // namespace
