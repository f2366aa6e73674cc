// A calculation works on its own copy of the project: after the request, made by the headless run, by the
// request's handler twice in a row or by "Berechnung starten" in the main window, the project data in memory
// are those the project was read with and made ready by, field for field, whatever the runs changed for
// themselves (the factors of the run, Etap := gamRe or gamRered, the global safety's first run without
// at-rest share and slip circle, the anchor lengths switched on, angles in radians, layers split at extra
// boundaries, the seepage and heave flags switched off). The cases: partial factors, global safety with one
// run and with two runs and the slip circle, seepage, the project written by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/forms/headless.h"
#include "platform/forms/registry.h"
#include "request/headless_run.h"
#include "request/project_preparation.h"
#include "request/run_driver.h"
#include "request/run_windows.h"
#include "run/connect_windows.h"
#include "run/frmZOR0.h"
#include "run/windows.h"
#include "tests/run/new_project_script.h"
#include "tests/run/run_fixture.h"
#include "tests/support/project_data_fields.h"

namespace {

using zorm1::P;
using zorm1::ProjectData;

// The fields in which the project data after a request may differ from those read, and why.
const std::vector<std::string> kAusnahmen = {
    // The request rebuilds the support levels from the stages by loading every stage in turn, so the values
    // of the current stage are those of the last stage (the main window loads its stage again when it
    // becomes active).
    "Wandfuss",
    "ZWandfuss",
    "zAush",
    "AnzAnker",
    "UmFigur",
    "UmZ1",
    "UmZ2",
    "EpsUml",
    "ZAnker",
    "ZNextAnker",
    "ZWasserLuft",
    "EFaktor",
    "StBx1",
    "StBx2",
    "StBH",
    "ZWasserErd",
    "Einsp",
    "AnzSohlLast",
    "SohlLastX1",
    "SohlLastX2",
    "SohlLastQ",
    "SohlLastZ",
    "AnzZusatzSpannung",
    "ZusZ",
    "ZusSpannung",
    "AnzErddruckFaktor",
    "EVerZ",
    "EVerFaktor",
    // The settings file written with the project before the runs holds the next page number.
    "NaechsteSeite",
};

struct Fall {
    const char* name;
    const char* beispiel;
    std::function<void()> aendern; // the user's changes after reading
};

void KeineAenderung() {}
void GlobalMitRuhedruckUndGleitkreis() {
    P.TeilsicherheitenAn = 0;
    P.RuheProz = 50.0f;
    P.GelaendebruchEin = 1;
}

const Fall kFaelle[] = {
    {"Teilsicherheiten", "Traegerbohlwand_verankert", KeineAenderung},
    {"GlobalZweiLaeufeGleitkreis", "Traegerbohlwand_verankert", GlobalMitRuhedruckUndGleitkreis},
    {"Stroemung", "Schlitzwand_gesteift_GW", KeineAenderung},
    {"Spundwand", "Spundwand_frei", KeineAenderung},
    {"VonHand", "Neubau_Spundwand_von_Hand", KeineAenderung},
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class AnfrageBehaeltProjekt : public zortest::LaufTest, public ::testing::WithParamInterface<Fall> {
protected:
    // The example read, changed as the case says and made ready as the headless run does it; its file name.
    std::string Lesen() {
        std::string datei = zortest::BeispielKopieren(GetParam().beispiel);
        EXPECT_FALSE(datei.empty());
        zortest::LaufUmgebungZuruecksetzen();
        EXPECT_TRUE(zorrun::Starten());
        zorrun::EinstellungenLaden();
        zorrun::NamenAusPfad(datei);
        EXPECT_TRUE(zorrun::ProjektEinlesen());
        GetParam().aendern();
        zorrun::RechnungVorbereiten();
        return datei;
    }

    static void ErwarteGleich(const ProjectData& gelesen) {
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        std::string liste;
        for (const auto& n : zortest::ProjektdatenUnterschiede(gelesen, P))
            if (std::find(kAusnahmen.begin(), kAusnahmen.end(), n) == kAusnahmen.end()) liste += " " + n;
        EXPECT_EQ(liste, "") << "changed by the request";
    }
};

TEST_P(AnfrageBehaeltProjekt, EveryProjectValueAfterTheRequestIsTheOneReadAlsoWhenRequestedTwice) {
    Lesen();
    const ProjectData gelesen = P;
    for (int anfrage = 1; anfrage <= 2; ++anfrage) {
        SCOPED_TRACE(anfrage);
        ASSERT_EQ(zorrun::cmdStart_Click(), zorrun::Anfrageausgang::Fertig);
        ErwarteGleich(gelesen);
    }
}

TEST_P(AnfrageBehaeltProjekt, TheHeadlessRunLeavesTheProjectAsRead) {
    const std::string datei = Lesen();
    ASSERT_TRUE(zorm1::EingabeSchreiben(datei)); // the case's changes saved, as the user saves them
    const ProjectData gelesen = P;
    zortest::LaufUmgebungZuruecksetzen();
    ASSERT_EQ(zorrun::ProjektRechnen(datei), zorrun::kLaufFertig);
    ErwarteGleich(gelesen);
}

// The same through the windows: the project read in the start dialog, its safety pages confirmed, then
// "Berechnung starten" in the main window.
TEST_P(AnfrageBehaeltProjekt, TheRequestOfTheMainWindowLeavesTheProjectAsItWas) {
    std::filesystem::create_directories("projekte");
    const std::string datei = zortest::BeispielKopieren(GetParam().beispiel, "projekte/P1");
    ASSERT_FALSE(datei.empty());
    {
        // the case's changes saved, as the user saves them
        zortest::LaufUmgebungZuruecksetzen();
        ASSERT_TRUE(zorm1::EingabeLesen(datei));
        GetParam().aendern();
        ASSERT_TRUE(zorm1::EingabeSchreiben(datei));
    }
    const bool teil = P.TeilsicherheitenAn != 0;
    zortest::LaufUmgebungZuruecksetzen();
    RegisterFrameRunWindows();
    RegisterProjectDialogs();
    RegisterStageDialogs();
    zorrun::FensterStandard();
    zorrun::Fenster().GrafikFensterLaden = nullptr; // the pictures are the windows' own
    vb::form<frmZOR0>();
    vb::user::click("frmZOR0.cmdOK");
    neuprojekt::Skript sk;
    sk.klick("frmTitel.cmdLesen(1)");
    sk.in("frmTitel.txtEin(0)", "projekte");
    sk.in("frmTitel.txtEin(1)", "P1");
    sk.klick("frmTitel.cmdOK");
    sk.klick("frmBTeilSi.cmdOK");
    if (teil) sk.klick("frmBTeilSi2.cmdOK");
    neuprojekt::HeadlessAusfuehren(sk.schritte);
    ASSERT_NE(vb::LoadedForm("frmAuswahl"), nullptr);
    const ProjectData gelesen = P;
    vb::user::click("frmAuswahl.cmdStart");
    EXPECT_NE(vb::LoadedForm("frmAnzeigen"), nullptr); // the request came to its end
    ErwarteGleich(gelesen);
    vb::script::clear();
    vb::ClearRegistry();
    zorrun::FensterStandard();
}

INSTANTIATE_TEST_SUITE_P(Faelle, AnfrageBehaeltProjekt, ::testing::ValuesIn(kFaelle),
                         [](const ::testing::TestParamInfo<Fall>& i) { return std::string(i.param.name); });

} // namespace
