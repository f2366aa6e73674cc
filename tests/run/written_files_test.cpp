// A run writes into its working folder and beside the project file, and nowhere else, whatever full name the
// project file holds: a name from the Windows program, one leading out of the working folder, one elsewhere
// on this machine. The report copy and the slip-circle input go beside the file read.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(GeschriebeneDateien, NoRunWritesOutsideItsWorkingAndProjectFolders) {
    zortest::WorkingFolder basis;
    const fs::path arbeit = basis / "arbeit", projekte = basis / "projekte";
    const std::vector<std::string> gespeichert = {"C:\\ZOR\\Projekte\\P1", "../P1", "../anderswo/P1",
                                                  (basis / "anderswo" / "P1").string()};
    for (const std::string& name : gespeichert) {
        for (const bool absolut : {false, true}) {
            SCOPED_TRACE(name + (absolut ? ", read by its absolute path" : ", read by a relative path"));
            for (const auto& e : fs::directory_iterator(basis.path()))
                fs::remove_all(e.path());
            fs::create_directories(arbeit / "xdg");
            fs::create_directories(projekte);
            fs::current_path(arbeit);
            zortest::Umgebung umgebung;
            umgebung.set("XDG_DATA_HOME", (arbeit / "xdg").string());
            zortest::LaufUmgebungZuruecksetzen();
            const std::string datei =
                zortest::BeispielKopieren("Traegerbohlwand_verankert", "../projekte/P1");
            ASSERT_FALSE(datei.empty());
            std::string text = vb::ReadFileBytes(datei);
            const std::string alt = "\"P1\",";
            ASSERT_NE(text.find(alt), std::string::npos);
            text.replace(text.find(alt), alt.size(), "\"" + name + "\",");
            vb::WriteFileBytes(datei, text);
            zortest::LaufUmgebungZuruecksetzen();

            ASSERT_EQ(zorrun::ProjektRechnen(absolut ? (projekte / "P1").string() : datei),
                      zorrun::kLaufFertig);
            std::vector<std::string> aussen;
            for (const auto& e : fs::recursive_directory_iterator(basis.path())) {
                const std::string n = fs::relative(e.path(), basis.path()).string();
                if (n != "arbeit" && n != "projekte" && n.rfind("arbeit/", 0) != 0 &&
                    n.rfind("projekte/", 0) != 0)
                    aussen.push_back(n);
                EXPECT_EQ(n.find('\\'), std::string::npos) << n;
            }
            EXPECT_EQ(aussen, std::vector<std::string>{});
            for (const char* endung : {".AUS", ".gl1", ".gl2"})
                EXPECT_TRUE(fs::exists(projekte / (std::string("P1") + endung))) << endung;
            zortest::LaufUmgebungZuruecksetzen();
        }
    }
}

} // namespace

namespace {

// The settings file of the root folder is shared by every instance of the user, whatever its working folder:
// another instance that saves its project while this one runs writes its own folder and name there. The
// report copy and the files beside the project still go beside the file this run read.
TEST(GeschriebeneDateien, AnotherInstancesSettingsDoNotRedirectTheFilesBesideTheProject) {
    zortest::WorkingFolder basis;
    const fs::path arbeit = basis / "arbeit", projekte = basis / "projekte", anderswo = basis / "anderswo";
    fs::create_directories(arbeit / "xdg");
    fs::create_directories(projekte);
    fs::create_directories(anderswo);
    fs::current_path(arbeit);
    zortest::Umgebung umgebung;
    umgebung.set("XDG_DATA_HOME", (arbeit / "xdg").string());
    zortest::LaufUmgebungZuruecksetzen();
    const std::string datei = zortest::BeispielKopieren("Traegerbohlwand_verankert", "../projekte/P1");
    ASSERT_FALSE(datei.empty());
    zortest::LaufUmgebungZuruecksetzen();

    // The other instance saves between this run's saving of the settings and its input evaluation.
    auto& stufen = zorrun::Stufen();
    const auto eingabe = stufen.EingabeAuswerten;
    stufen.EingabeAuswerten = [&] {
        const std::string einstellungen = zorm1::P.WurzelOrdner + "ZORPFAD.DAT";
        std::string text = vb::ReadFileBytes(einstellungen);
        const std::string rest = text.substr(text.find("\r\n"));
        const std::string fremd = anderswo.string() + "/";
        vb::WriteFileBytes(einstellungen, "\"" + fremd + "\",\"P2\",\"" + fremd + "P2\"" + rest);
        eingabe();
    };
    const int status = zorrun::ProjektRechnen(datei);
    zorrun::StufenStandard();
    ASSERT_EQ(status, zorrun::kLaufFertig);
    EXPECT_TRUE(fs::is_empty(anderswo));
    for (const char* endung : {".AUS", ".gl1", ".gl2"})
        EXPECT_TRUE(fs::exists(projekte / (std::string("P1") + endung))) << endung;
    zortest::LaufUmgebungZuruecksetzen();
}

} // namespace
