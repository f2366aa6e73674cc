// Whole projects through the headless program: start-up, project file, safety factors, request, runs with
// stage a, the earth-pressure stage, the statics, the verifications and the design, the files
// beside the project file. The examples of tests/data are copied into a folder of their own for each run
// and run to the end as they are, and so does the project entered through the pages.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_driver.h"
#include "request/run_stages.h"
#include "request/run_windows.h"
#include "request/safety_factors.h"
#include "slipcircle/state.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace {
using zortest::BeispielKopieren;

namespace fs = std::filesystem;

const char* const kBeispiele[] = {"Spundwand_frei", "Schlitzwand_gesteift_GW", "Traegerbohlwand_verankert"};

// Starts the program on a project file in the current folder; its messages go to "stderr.txt".
int Programm(const std::string& projekt) {
    const std::string ordner = fs::current_path().string();
    const std::string befehl = "cd '" + ordner + "' && XDG_DATA_HOME='" + ordner + "/xdg' '" +
                               ZOR_RUN_PROJECT + "' '" + projekt + "' 2> stderr.txt";
    const int rc = std::system(befehl.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

// A project in the current folder through the headless program to its end: "ENDE", the report copy, the
// slip-circle input beside the project file, the sections in order, and the project file reads back.
void BisZumEnde(const std::string& name) {
    ASSERT_EQ(Programm(name), 0);
    EXPECT_EQ(vb::ReadFileBytes("stderr.txt"), ""); // no message box
    EXPECT_EQ(zortest::Zeilen(fs::current_path() / "ZORDENDE.DOS"), std::vector<std::string>{"\"ENDE\""});
    EXPECT_EQ(vb::ReadFileBytes(std::string(name) + ".AUS"), vb::ReadFileBytes("LPTZW"));
    EXPECT_EQ(vb::ReadFileBytes(std::string(name) + ".gl1"), vb::ReadFileBytes("wexasave.GL1"));
    EXPECT_EQ(vb::ReadFileBytes(std::string(name) + ".gl2"), vb::ReadFileBytes("wexasave.gl2"));
    EXPECT_EQ(zortest::Zeilen(fs::current_path() / "wexasave.GL1")[0],
              "\"ZOR\",\"\",\"wexasave.GL1\",\"ZOR\",\"ZOR\",1,2,3,4");

    // The earth-pressure sections of the report, in the order load case, then stage.
    std::vector<std::pair<int, int>> abschnitte;
    const std::regex kopf(R"(^\s+LASTFALL\s+(\d+)\s+AUSHUB\s+(\d+)\s*$)");
    for (const std::string& z : zortest::Zeilen(fs::current_path() / "LPTZW")) {
        std::smatch m;
        if (std::regex_match(z, m, kopf)) abschnitte.emplace_back(std::stoi(m[1]), std::stoi(m[2]));
    }
    ASSERT_FALSE(abschnitte.empty());
    for (std::size_t k = 1; k < abschnitte.size(); ++k)
        EXPECT_LT(abschnitte[k - 1], abschnitte[k]);

    // The project file reads back.
    vb::headless::Reset();
    ResetProjectData();
    Anzeigen::ResetH504();
    EXPECT_TRUE(zorm1::EingabeLesen(name));
    ResetProjectData();
    Anzeigen::ResetH504();
}

TEST(GanzesProjekt, EveryExampleRunsThroughTheHeadlessProgramAsItIs) {
    for (const char* beispiel : kBeispiele) {
        SCOPED_TRACE(beispiel);
        zortest::WorkingFolder ordner;
        fs::copy_file(fs::path(ZOR_TEST_DATA) / beispiel, ordner / beispiel);
        BisZumEnde(beispiel);
    }
}

TEST(GanzesProjekt, TheProjectEnteredThroughThePagesRunsThroughTheHeadlessProgram) {
    // The new anchored sheet-pile wall written by hand (entered through every page in the dialog tests).
    // The file names itself "projekte/Neubau_Spundwand" below the working folder, where the results go.
    zortest::WorkingFolder ordner;
    fs::create_directories(ordner / "projekte");
    fs::copy_file(fs::path(ZOR_TEST_DATA) / "Neubau_Spundwand_von_Hand",
                  ordner / "projekte" / "Neubau_Spundwand");
    BisZumEnde("projekte/Neubau_Spundwand");
}

TEST(GanzesProjekt, TheExitStatusTellsARunThatCouldNotEndFromAFileThatCannotBeRead) {
    zortest::WorkingFolder ordner;
    EXPECT_EQ(Programm("fehlt"), 2);
    EXPECT_NE(vb::ReadFileBytes("stderr.txt").find("Datei existiert nicht"), std::string::npos);

    vb::WriteFileBytes("kaputt", "kein Projekt\r\nsondern Text\r\n");
    EXPECT_EQ(Programm("kaputt"), 2);
    EXPECT_NE(vb::ReadFileBytes("stderr.txt").find("Falsche Datei"), std::string::npos);

    // A friction angle stage a refuses: the run is abandoned, the project file stays as saved.
    std::string text = vb::ReadFileBytes(std::string(ZOR_TEST_DATA) + "/Spundwand_frei");
    const std::string schicht = "\r\n1.5,30,20,";
    ASSERT_NE(text.find(schicht), std::string::npos);
    text.replace(text.find(schicht), schicht.size(), "\r\n1.5,95,20,");
    vb::WriteFileBytes("Spundwand_frei", text);
    EXPECT_EQ(Programm("Spundwand_frei"), 1);
    EXPECT_NE(vb::ReadFileBytes("stderr.txt").find("Reibungswinkel der Bodenschicht 1"), std::string::npos);
    // The request saved the project before the run (with the values the pages set, the wall's section
    // from its profile among them) and its working copy alike; the refused run changed neither.
    EXPECT_EQ(vb::ReadFileBytes("Spundwand_frei"), vb::ReadFileBytes("WEXASAVE"));
    EXPECT_NE(vb::ReadFileBytes("Spundwand_frei").find("\r\n1.5,95,20,"), std::string::npos);
    EXPECT_FALSE(vb::FileExists("Spundwand_frei.AUS"));
}

// In the program's own process: the state of one headless run, reset before and after.
class Lauf : public ::testing::Test {
protected:
    void SetUp() override { Zuruecksetzen(); }
    void TearDown() override {
        Zuruecksetzen();
        zorrun::StufenStandard();
    }
    static void Zuruecksetzen() { zortest::LaufUmgebungZuruecksetzen(); }
    int Rechnen(const std::string& name) {
        umgebung_.set("XDG_DATA_HOME", (ordner_ / "xdg").string());
        return zorrun::ProjektRechnen(name);
    }
    zortest::WorkingFolder ordner_;
    zortest::Umgebung umgebung_;
};

// The run's factors (Etap := gamRe with partial factors, the anchor-length search switched on) are the run's
// own: after a request the project file and the project data in memory both hold the user's values, so that
// a later change of the safety concept does not take a partial factor for the global safety.
TEST_F(Lauf, AfterARequestTheProjectFileHoldsTheDataInMemoryAndTheUsersFactors) {
    for (const char* beispiel : kBeispiele) {
        SCOPED_TRACE(beispiel);
        Zuruecksetzen();
        const std::string name = BeispielKopieren(beispiel);
        ASSERT_FALSE(name.empty());
        ASSERT_TRUE(zorm1::EingabeLesen(name));
        const float etapVorher = P.Etap;
        const int16_t laengenVorher = P.AnkerLaengen;
        Zuruecksetzen();
        ASSERT_EQ(Rechnen(name), zorrun::kLaufFertig);
        const ProjectData imSpeicher = P;
        ASSERT_TRUE(zorm1::EingabeSchreiben("aus_speicher"));
        EXPECT_EQ(vb::ReadFileBytes(name), vb::ReadFileBytes("aus_speicher"));
        ASSERT_TRUE(zorm1::EingabeLesen(name));
        EXPECT_EQ(P.Etap, etapVorher);
        EXPECT_EQ(P.AnkerLaengen, laengenVorher);
        // The working copy of the last run holds the run's factor of the passive resistance.
        if (imSpeicher.TeilsicherheitenAn != 0) {
            ASSERT_TRUE(zorm1::EingabeLesen("WEXASAVE"));
            EXPECT_EQ(P.Etap, imSpeicher.gamRe);
        }
    }
}

TEST_F(Lauf, AnAnchoredSoldierPileWallWithGlobalSafetyAndAnAtRestShareRunsTwice) {
    const std::string v = BeispielKopieren("Traegerbohlwand_verankert");
    ASSERT_FALSE(v.empty());
    Zuruecksetzen();
    ASSERT_TRUE(zorm1::EingabeLesen(v));
    P.TeilsicherheitenAn = 0;
    P.RuheProz = 50.0f;
    ASSERT_TRUE(zorm1::EingabeSchreiben("global"));
    Zuruecksetzen();
    std::vector<std::pair<int16_t, float>> laeufe;
    zorrun::Stufen().EingabeAuswerten = [&] {
        laeufe.emplace_back(zormcom::Vorgaben.ErsterLauf, P.RuheProz);
        zorma::EingabeAuswerten();
    };
    ASSERT_EQ(Rechnen("global"), zorrun::kLaufFertig);
    const std::vector<std::pair<int16_t, float>> erwartet{{1, 0.0f}, {0, 50.0f}};
    EXPECT_EQ(laeufe, erwartet);
    EXPECT_EQ(P.RuheProz, 50.0f);
    EXPECT_EQ(P.gamStahlAnker, 1.75f);
}

// Damaged copies of the examples (one number replaced each) run the chain without a crash, a hang or a
// number that is none in any file the run leaves.
TEST_F(Lauf, MutatedExamplesRunWithoutFaultOrNonNumbers) {
    const char* const werte[] = {"0", "-1", "99", "0.1", "1E+07", "131072", "-3.5", "1E+30", "8"};
    std::mt19937 zufall(20261210);
    const std::regex keineZahl(R"(\b(nan|inf|infinity)\b)", std::regex::icase);
    int gerechnet = 0;
    for (int versuch = 0; versuch < 36; ++versuch) {
        const char* name = kBeispiele[versuch % 3];
        Zuruecksetzen();
        const std::string v = BeispielKopieren(name);
        ASSERT_FALSE(v.empty());
        std::string text = vb::ReadFileBytes(v);
        // The positions of the unquoted numbers.
        std::vector<std::pair<std::size_t, std::size_t>> zahlen;
        const std::regex zahl(R"((^|[,\n])(-?[0-9.]+(E[+-][0-9]+)?)(?=[,\r]))");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), zahl); it != std::sregex_iterator();
             ++it)
            zahlen.emplace_back(it->position(2), it->length(2));
        ASSERT_FALSE(zahlen.empty());
        const auto [pos, len] = zahlen[zufall() % zahlen.size()];
        const char* wert = werte[zufall() % std::size(werte)];
        SCOPED_TRACE(std::string(name) + " at byte " + std::to_string(pos) + ": " + wert);
        text.replace(pos, len, wert);

        Zuruecksetzen();
        for (const auto& e : fs::directory_iterator(ordner_.path()))
            if (e.path().filename() != "xdg") fs::remove_all(e.path());
        vb::WriteFileBytes("projekt", text);
        const int code = Rechnen("projekt");
        EXPECT_TRUE(code == 0 || code == 1 || code == 2);
        if (code == 0) ++gerechnet;
        for (const auto& e : fs::directory_iterator(ordner_.path())) {
            if (!e.is_regular_file()) continue;
            const std::string inhalt = vb::ReadFileBytes(e.path().string());
            EXPECT_FALSE(std::regex_search(inhalt, keineZahl)) << e.path().filename();
        }
    }
    EXPECT_GT(gerechnet, 0);
}

} // namespace

namespace {

TEST_F(Lauf, EveryExampleRunsToItsEndInTheProgramsOwnProcess) {
    for (const char* name : kBeispiele) {
        SCOPED_TRACE(name);
        Zuruecksetzen();
        const std::string v = BeispielKopieren(name);
        ASSERT_FALSE(v.empty());
        Zuruecksetzen();
        EXPECT_EQ(Rechnen(v), zorrun::kLaufFertig);
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
    }
}

} // namespace
