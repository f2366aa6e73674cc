// The excavation stages of a project entered through the main window and the stage pages as a user does it,
// saved with "Programm beenden" and calculated: the saved file equals the example project it was taken from
// but for the lines the pages are known to set otherwise, and the run ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_file.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "run/frmAuswahl.h"
#include "tests/run/example_copy.h"
#include "tests/run/window_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/text_file.h"

namespace fs = std::filesystem;
using zorm1::P;

namespace {

class Stufenkette : public fenstertest::FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        zortest::LaufUmgebungZuruecksetzen();
        Zormg::FelderDimensionieren();
        P.WurzelOrdner = wurzel.string() + "/";
        P.TiefeUnendlich = 99;
        RegisterProjectDialogs();
        RegisterStageDialogs();
    }
    void TearDown() override {
        zorrun::StufenStandard();
        FensterTest::TearDown();
        zortest::LaufUmgebungZuruecksetzen();
    }
    static void In(const std::string& box, const std::string& text) {
        vb::user::focus(box);
        vb::user::type(text);
    }
    // One stage on the stage page (levels typed, the foot mode clicked), then OK through the chain with the
    // figure clicked on the redistribution page.
    static void Stufe(const char* zAush, const std::vector<const char*>& anker, const char* naechster,
                      int16_t figur, const std::vector<std::pair<const char*, const char*>>& bettung = {}) {
        In("frmAushub1.txtZAush", zAush);
        In("frmAushub1.txtAnzAnker", std::to_string(anker.size()));
        for (std::size_t i = 0; i < anker.size(); ++i)
            In("frmAushub1.txtZAnker(" + std::to_string(i + 1) + ")", anker[i]);
        In("frmAushub1.txtZNextAnker", naechster);
        In("frmAushub1.txtZWasserLuft", "99");
        In("frmAushub1.txtZWasserErd", "99");
        vb::user::click("frmAushub1.optWandfuss(1)");
        vb::user::click("frmAushub1.cmdOK");
        if (!bettung.empty()) {
            vb::user::click("frmAushub1b.chkFussGebettet");
            for (std::size_t i = 0; i < bettung.size(); ++i) {
                const std::string r = "(" + std::to_string(i + 1) + ")";
                In("frmAushub1b.txtTBett" + r, bettung[i].first);
                In("frmAushub1b.txtCBett" + r, bettung[i].second);
            }
        }
        vb::user::click("frmAushub1b.cmdOK");
        vb::user::click("frmAushub2.cmdOK");
        vb::user::click("frmAushub3.optUmFigur(" + std::to_string(figur) + ")");
        vb::user::click("frmAushub3.cmdOK");
        vb::user::click("frmAushub6.cmdOK");
        vb::user::click("frmAushub7.cmdOK");
        vb::user::click("frmAushub8.cmdOK");
    }
};

TEST_F(Stufenkette, StagesEnteredThroughThePagesSaveAsTheHandWrittenProjectAndCalculate) {
    // The wall, the soil, the load cases and the anchors of the example, read as the start dialog reads
    // them; the stages made anew through the pages.
    const fs::path datei = projekt / "Traegerbohlwand_verankert";
    fs::copy_file(fs::path(ZOR_TEST_DATA) / "Traegerbohlwand_verankert", datei);
    const std::string beispiel = vb::ReadFileBytes(datei.string());
    ASSERT_TRUE(zorm1::EingabeLesen(datei.string()));
    P.DateiPfad = projekt.string() + "/";
    P.DateiName = "Traegerbohlwand_verankert";
    P.GanzerName = datei.string();
    P.Aushubstufen.fill(zorm1::Aushubstufe{});
    P.ZWasserErdAush.fill(0);
    P.AushubWert19.fill(0);
    P.UmZeit.fill(0);
    P.UmArt.fill(0);
    P.kzUeb.fill(0);
    P.AnzFigur6Aush.fill(0);
    P.FussGebettet.fill(0);
    P.BettAnz.fill(0);
    P.EahGeg.fill(0);
    P.EphGeg.fill(0);
    P.kzWasserenthAush.fill(0);
    P.AnzAush = 0;
    P.AushNr = 0;
    ASSERT_EQ(P.Wandart, 1); // a soldier-pile wall
    ASSERT_EQ(P.WandKopf, 1);

    auto& a = vb::form<frmAuswahl>();
    vb::user::click("frmAuswahl.optAuswahl(3)");
    vb::user::click("frmAuswahl.cmdOK");
    ASSERT_NE(vb::LoadedForm("frmAushub1"), nullptr);
    Stufe("2", {}, "1.5", 0);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(4)");
    EXPECT_TRUE(a.optAuswahl(4).Value()); // the focus chose the load cases: Enter would open them
    EXPECT_EQ(vb::LoadedForm("frmAushub1"), nullptr);
    // A second and a third stage by their numbers.
    vb::user::click("frmAuswahl.optAuswahl(3)");
    In("frmAuswahl.txtAushub(1)", "2");
    vb::user::focus("frmAuswahl.cmdOK");
    ASSERT_NE(vb::LoadedForm("frmAushub1"), nullptr);
    EXPECT_EQ(vb::headless::text("frmAushub1.txtAushNr"), " 2");
    Stufe("5", {"1.5"}, "4", 8);
    vb::user::click("frmAuswahl.optAuswahl(3)");
    In("frmAuswahl.txtAushub(1)", "3");
    vb::user::focus("frmAuswahl.cmdOK");
    // Stage 3 with a bedded foot: the table ends at the foot, 99 - 8.5 below the excavation level.
    Stufe("8.5", {"1.5", "4"}, "99", 8, {{"0", "5"}, {"2", "20"}, {"90.5", "30"}});
    EXPECT_EQ(P.BettAnz[3], 3);
    EXPECT_EQ(P.FussGebettet[3], 1);
    EXPECT_EQ(a.txtAushub(0).Text(), "3");

    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    const std::vector<std::string> gespeichert = zortest::ZeilenAus(vb::ReadFileBytes(datei.string()));
    // The example as written by hand, but for what the pages decide otherwise: the cantilever of stage 1 with
    // its free head is fixed after Blum and superposed; figure 8 on a soldier-pile wall becomes the figure
    // of EB 69 with its knee points (one anchor at 0.3 H: blocks split at H / 2, the lower half at 1 / 2; two
    // anchors with the first below 0.1 H: a trapezoid between the anchors, 0 at the bottom); without
    // figure 7 the build method is "hinterfuellt"; the bedding table of stage 3 follows its flag and count.
    std::vector<std::string> erwartet = zortest::ZeilenAus(beispiel);
    const struct {
        int zeile;
        const char* text;
    } aenderungen[] = {{8, "4"},
                       {142, "5"},
                       {144, "2.5"},
                       {145, ".5"},
                       {272, "4"},
                       {273, "1.5"},
                       {274, "4"},
                       {423, "0,99,0,0,1,0"},
                       {514, "\"hinterfuellt\""}};
    for (const auto& d : aenderungen)
        erwartet[d.zeile - 1] = d.text;
    ASSERT_EQ(erwartet[439], "0,0");
    erwartet[439] = "1,3";
    erwartet.insert(erwartet.begin() + 440, {"0,5", "2,20", "90.5,30"});
    EXPECT_EQ(erwartet[7 + 130 + 1 - 1], "1"); // stage 2 keeps the free foot
    ASSERT_EQ(gespeichert.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(gespeichert[i], erwartet[i]) << "line " << i + 1;

    // "Berechnung starten" on the saved project, without windows: every run ends.
    zortest::LaufUmgebungZuruecksetzen();
    zortest::Umgebung umgebung;
    umgebung.set("XDG_DATA_HOME", (arbeit / "xdg").string());
    fs::create_directories(arbeit / "xdg");
    EXPECT_EQ(zorrun::ProjektRechnen(datei.string()), zorrun::kLaufFertig);
    // The report copy lies beside the project file.
    const std::string bericht = vb::ReadFileBytes(datei.string() + ".AUS");
    EXPECT_NE(bericht.find("Aushub"), std::string::npos);
    EXPECT_NE(bericht.find("ERFORDERLICHE EINBINDETIEFE"), std::string::npos);
}

} // namespace
