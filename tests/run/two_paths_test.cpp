// One calculation path: a project calculated by the headless run gives, byte for byte, the report, its copy,
// the project file, the slip-circle input beside it and every working file that the same project gives when
// it is read through the start dialog (headless windows), its safety pages are confirmed and "Berechnung
// starten" is clicked in the main window, the wall page open beside it. The pictures, which only the windows
// draw, are left out of the windowed run. The projects: the variants of the three examples (the diaphragm
// wall's with seepage and the heave check saved on), the project written by hand, and a variant whose file
// holds the full name the Windows program gave it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_windows.h"
#include "run/connect_windows.h"
#include "run/frmZOR0.h"
#include "run/program.h"
#include "run/windows.h"
#include "tests/run/example_copy.h"
#include "tests/run/new_project_script.h"
#include "tests/support/environment.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;
using zorm1::P;

// Every file below the working folder but the root folder's, with its bytes.
using Dateien = std::map<std::string, std::string>;

class ZweiWege : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        umgebung_.set("XDG_DATA_HOME", (ordner_ / "xdg").string());
        Zuruecksetzen();
    }
    void TearDown() override {
        Zuruecksetzen();
        zorrun::FensterStandard();
    }
    static void Zuruecksetzen() {
        vb::script::clear();
        zortest::LaufUmgebungZuruecksetzen();
        vb::ClearRegistry();
    }

    // The project of the test as "projekte/<name>" in an empty working folder; its saved safety concept.
    void Projekt(const std::string& name) {
        for (const auto& e : fs::directory_iterator(ordner_.path()))
            fs::remove_all(e.path());
        fs::create_directories(ordner_ / "projekte");
        fs::create_directories(ordner_ / "xdg");
        if (name == "Neubau_Spundwand_von_Hand") {
            fs::copy_file(fs::path(ZOR_TEST_DATA) / name, ordner_ / "projekte" / name);
            datei_ = "projekte/" + name;
        } else if (name == "Windows_Pfad" || name == "Pfad_nach_oben" || name == "Pfad_anderswo") {
            // The full name the file holds: from the Windows program, leading out of the working folder, or
            // naming another folder of this machine. Neither run writes there.
            datei_ = zortest::BeispielKopieren("Traegerbohlwand_verankert", "projekte/P1");
            std::string text = vb::ReadFileBytes(datei_);
            const std::string alt = "\"P1\",";
            ASSERT_NE(text.find(alt), std::string::npos);
            const std::string gespeichert = name == "Windows_Pfad" ? "C:\\ZOR\\Projekte\\P1"
                                            : name == "Pfad_nach_oben"
                                                ? "../../P1"
                                                : (ordner_ / "anderswo" / "P1").string();
            text.replace(text.find(alt), alt.size(), "\"" + gespeichert + "\",");
            vb::WriteFileBytes(datei_, text);
        } else {
            datei_ = zortest::BeispielKopieren(name, "projekte/" + name + "_V");
        }
        ASSERT_FALSE(datei_.empty());
        Zuruecksetzen();
        ASSERT_TRUE(zorm1::EingabeLesen(datei_));
        teil_ = P.TeilsicherheitenAn != 0;
        Zuruecksetzen();
    }

    Dateien Ergebnis() const {
        Dateien d;
        for (const auto& e : fs::recursive_directory_iterator(ordner_.path())) {
            const std::string name = fs::relative(e.path(), ordner_.path()).string();
            if (e.is_regular_file() && name.rfind("xdg/", 0) != 0)
                d[name] = vb::ReadFileBytes(e.path().string());
        }
        return d;
    }

    Dateien Ohne(const std::string& name) {
        Projekt(name);
        EXPECT_EQ(zorrun::ProjektRechnen(datei_), zorrun::kLaufFertig);
        for (const auto& m : zor::meldeprotokoll::Eintraege())
            ADD_FAILURE() << m.titel << ": " << m.text;
        return Ergebnis();
    }

    Dateien Mit(const std::string& name) {
        Projekt(name);
        RegisterFrameRunWindows();
        RegisterProjectDialogs();
        RegisterStageDialogs();
        zorrun::FensterStandard();
        zorrun::Fenster().GrafikFensterLaden = nullptr; // the pictures are the windows' own
        // The program holds its working folder as the headless run does.
        EXPECT_TRUE(zorrun::ArbeitsordnerBelegen());
        vb::form<frmZOR0>();
        vb::user::click("frmZOR0.cmdOK");
        neuprojekt::Skript sk;
        sk.klick("frmTitel.cmdLesen(1)");
        sk.in("frmTitel.txtEin(0)", "projekte");
        sk.in("frmTitel.txtEin(1)", fs::path(datei_).filename().string());
        sk.klick("frmTitel.cmdOK");
        sk.klick("frmBTeilSi.cmdOK");
        if (teil_) sk.klick("frmBTeilSi2.cmdOK");
        sk.klick("frmAuswahl.cmdStart");
        neuprojekt::HeadlessAusfuehren(sk.schritte);
        EXPECT_NE(vb::LoadedForm("frmAnzeigen"), nullptr); // the request came to its end
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        EXPECT_TRUE(zorrun::ArbeitsordnerFreigeben());
        return Ergebnis();
    }

    zortest::WorkingFolder ordner_;
    zortest::Umgebung umgebung_;
    std::string datei_;
    bool teil_ = false;
};

TEST_P(ZweiWege, TheHeadlessRunGivesEveryFileTheWindowsGive) {
    const std::string name = GetParam();
    const Dateien ohne = Ohne(name);
    const std::string stamm = fs::path(datei_).string();
    const Dateien mit = Mit(name);

    std::vector<std::string> namenOhne, namenMit;
    for (const auto& [n, inhalt] : ohne)
        namenOhne.push_back(n);
    for (const auto& [n, inhalt] : mit)
        namenMit.push_back(n);
    EXPECT_EQ(namenOhne, namenMit);
    for (const auto& [n, inhalt] : ohne) {
        const auto w = mit.find(n);
        if (w != mit.end()) {
            EXPECT_TRUE(inhalt == w->second) << n << " differs";
        }
    }
    // The results beside the project file, and nothing else of the run outside the working folder's top.
    for (const char* endung : {"", ".AUS", ".gl1", ".gl2"})
        EXPECT_EQ(ohne.count(stamm + endung), 1u) << stamm + endung;
    EXPECT_EQ(ohne.at(stamm + ".AUS"), ohne.at("LPTZW"));
    for (const auto& [n, inhalt] : ohne)
        EXPECT_TRUE(n.find('/') == std::string::npos || n.rfind("projekte/", 0) == 0) << n;
}

INSTANTIATE_TEST_SUITE_P(Projekte, ZweiWege,
                         ::testing::Values("Spundwand_frei", "Schlitzwand_gesteift_GW",
                                           "Traegerbohlwand_verankert", "Neubau_Spundwand_von_Hand",
                                           "Windows_Pfad", "Pfad_nach_oben", "Pfad_anderswo"));

} // namespace
