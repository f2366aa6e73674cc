// The example projects are what the pages write: each one read through the start dialog, every page confirmed
// with OK as it opens (safety pages, wall, soil, every stage, every load case, anchors, output and design) and
// saved with "Programm beenden" is the file it was, statement by statement, but for what reading it sets (the
// two kept values of statement 35, 100 and 10 where the file holds 0).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/h504_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run/frmAuswahl.h"
#include "frame/run/frmTitel.h"
#include "frame/run/run_stages.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbfile.h"
#include "tests/frame/run/confirm_pages.h"
#include "tests/frame/run/example_copy.h"
#include "tests/frame/run/window_fixture.h"

namespace fs = std::filesystem;
using zorm1::P;

namespace {

std::vector<std::string> Zeilen(const std::string& s) {
    std::vector<std::string> z;
    std::size_t a = 0;
    while (a < s.size()) {
        std::size_t e = s.find("\r\n", a);
        if (e == std::string::npos) e = s.size();
        z.push_back(s.substr(a, e - a));
        a = e + 2;
    }
    return z;
}

// The lines in which two files differ, "line n: a -> b", at most 20.
std::vector<std::string> Unterschiede(const std::string& a, const std::string& b) {
    const auto x = Zeilen(a), y = Zeilen(b);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()) && out.size() < 20; ++i) {
        const std::string u = i < x.size() ? x[i] : "<none>", v = i < y.size() ? y[i] : "<none>";
        if (u != v) out.push_back("line " + std::to_string(i + 1) + ": " + u + " -> " + v);
    }
    return out;
}

struct Beispiel {
    const char* ordner; // ZOR_TEST_DATA or ZOR_EXAMPLES
    const char* name;
};
std::string Pfad(const Beispiel& b) {
    return (fs::path(b.ordner) / b.name).string();
}

const Beispiel kBeispiele[] = {{ZOR_TEST_DATA, "Spundwand_frei"},
                               {ZOR_TEST_DATA, "Schlitzwand_gesteift_GW"},
                               {ZOR_TEST_DATA, "Traegerbohlwand_verankert"},
                               {ZOR_TEST_DATA, "Neubau_Spundwand_von_Hand"}};

class Seitenweg : public fenstertest::FensterTest, public ::testing::WithParamInterface<Beispiel> {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        zortest::LaufUmgebungZuruecksetzen();
        Start();
        // The profile lists lie in the working folder, where the run command puts them.
        for (const char* liste : {"zorSPw.txt", "zorTBw.txt"})
            fs::copy_file(fs::path(ZOR_SHIPPED_DATA) / liste, arbeit / liste);
    }
    void TearDown() override {
        zorrun::StufenStandard();
        FensterTest::TearDown();
        zortest::LaufUmgebungZuruecksetzen();
    }
    // The program started anew: no window, the project data as at start, the pages registered.
    void Start() {
        vb::headless::ResetForms();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        Zormg::FelderDimensionieren();
        P.WurzelOrdner = wurzel.string() + "/";
        P.TiefeUnendlich = 99;
        RegisterProjectDialogs();
        RegisterStageDialogs();
    }
};

// The file as the program saves it right after reading it: reading sets nothing but the two kept values of
// statement 35 (from 0 to 100 and 10). Every other line of the example is a value the program keeps.
TEST_P(Seitenweg, ReadAndSavedTheExampleChangesOnlyWhatReadingSets) {
    const Beispiel b = GetParam();
    const std::string original = vb::ReadFileBytes(Pfad(b));
    ASSERT_TRUE(zorm1::EingabeLesen(Pfad(b)));
    ASSERT_TRUE(zorm1::EingabeSchreiben("gelesen"));
    for (const std::string& u : Unterschiede(original, vb::ReadFileBytes("gelesen"))) {
        const std::size_t pfeil = u.find(" -> ");
        const std::string vorher = u.substr(u.find(": ") + 2, pfeil - u.find(": ") - 2);
        const std::string nachher = u.substr(pfeil + 4);
        EXPECT_TRUE(vorher.rfind("0,0,", 0) == 0 && nachher == "100,10," + vorher.substr(4)) << u;
    }
}

TEST_P(Seitenweg, ConfirmedPageByPageAndSavedTheExampleIsWhatReadingItGives) {
    const Beispiel b = GetParam();
    ASSERT_TRUE(zorm1::EingabeLesen(Pfad(b)));
    ASSERT_TRUE(zorm1::EingabeSchreiben("gelesen"));
    const std::string gelesen = vb::ReadFileBytes("gelesen");
    Start();
    fs::copy_file(Pfad(b), projekt / b.name);
    vb::form<frmTitel>();
    seitenbestaetigung::AlleSeitenBestaetigen(projekt.string() + "/", b.name);
    for (const auto& m : vb::headless::Log())
        ADD_FAILURE() << "message: " << m.prompt;
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    const std::string gespeichert = vb::ReadFileBytes((projekt / b.name).string());
    EXPECT_TRUE(gespeichert == gelesen);
    for (const std::string& u : Unterschiede(gelesen, gespeichert))
        ADD_FAILURE() << u;
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Seitenweg, ::testing::ValuesIn(kBeispiele),
                         [](const ::testing::TestParamInfo<Beispiel>& i) { return std::string(i.param.name); });

} // namespace
