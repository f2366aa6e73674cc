// The window that reads or deletes project files from the list of project files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "frame/project_data.h"
#include "frame/project_list.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/winfs.h"
#include "run/frmDListe.h"
#include "run/windows.h"
#include "tests/support/start_dialog_stand_in.h"

namespace fs = std::filesystem;
using zorm1::P;
using zorm1::ResetProjectData;

namespace {

class DListeWindowTest : public ::testing::Test {
protected:
    fs::path dir;
    std::string proj;
    void SetUp() override {
        vb::headless::ResetForms();
        ResetProjectData();
        zortest::StartDialogStandIn::Register();
        dir = fs::temp_directory_path() / ("zor_dliste_window_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "root");
        fs::create_directories(dir / "proj");
        P.WurzelOrdner = (dir / "root").string() + "/";
        proj = (dir / "proj").string() + "/";
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        fs::remove_all(dir);
    }
    std::string projekt(const std::string& name, const std::string& inhalt = "Inhalt") {
        std::ofstream(proj + name) << inhalt;
        return proj + name;
    }
    void liste(const std::string& bytes) { vb::WriteFileBytes(P.WurzelOrdner + "ZorDList.txt", bytes); }
    std::string listeBytes() { return vb::ReadFileBytes(P.WurzelOrdner + "ZorDList.txt"); }
    static std::string zeile(const std::string& s) { return "\"" + s + "\"\r\n"; }
    std::vector<std::string> fenster() {
        std::vector<std::string> v;
        auto& f = vb::form<frmDListe>();
        for (int32_t i = 0; i < f.List1.ListCount(); ++i)
            v.push_back(f.List1.List(i));
        return v;
    }
};

TEST_F(DListeWindowTest, AMissingListShowsAnEmptyWindow) {
    DListe::Bereinigen();
    EXPECT_TRUE(fenster().empty());
}

TEST_F(DListeWindowTest, WindowShowsOnlyExistingFilesAndLeavesTheListAlone) {
    const auto a = projekt("a");
    const std::string vorher = zeile(proj + "weg") + zeile(a);
    liste(vorher);
    EXPECT_EQ(fenster(), std::vector<std::string>{a});
    EXPECT_EQ(vb::headless::text("frmDListe"), "Liste der vorhandenen Eingabedateien");
    EXPECT_EQ(listeBytes(), vorher);
}

TEST_F(DListeWindowTest, ReadingTheChosenEntryHandsFolderAndNameToTheStartDialog) {
    const auto a = projekt("a"), b = projekt("wand");
    liste(zeile(a) + zeile(b));
    auto& titel = static_cast<zortest::StartDialogStandIn&>(vb::FormByName("frmTitel"));
    titel.txtEin(0).setText("unverändert");
    titel.txtEin(1).setText("unverändert");
    vb::script::click("frmDListe.cmdOK(0)"); // nothing clicked yet: the window stays
    vb::script::call([] { EXPECT_TRUE(vb::isLoaded<frmDListe>()); });
    vb::script::clickItem("frmDListe.List1", 1);
    vb::script::click("frmDListe.cmdOK(0)");
    vb::form<frmDListe>().Show(vb::vbModal);
    EXPECT_FALSE(vb::isLoaded<frmDListe>());
    EXPECT_EQ(titel.txtEin(0).Text(), proj);
    EXPECT_EQ(titel.txtEin(1).Text(), "wand");
}

TEST_F(DListeWindowTest, DoubleClickReadsAndAVanishedFileDoesNothing) {
    const auto a = projekt("a");
    liste(zeile(a));
    auto& titel = static_cast<zortest::StartDialogStandIn&>(vb::FormByName("frmTitel"));
    int uebergaben = 0;
    titel.txtEin(1).Change = [&] { ++uebergaben; };
    vb::form<frmDListe>().Show();
    vb::user::clickItem("frmDListe.List1", 0);
    fs::remove(a); // gone in the meantime
    vb::user::dblClickItem("frmDListe.List1", 0);
    EXPECT_TRUE(vb::isLoaded<frmDListe>());
    projekt("a");
    vb::user::dblClickItem("frmDListe.List1", 0);
    EXPECT_EQ(uebergaben, 1);
    EXPECT_FALSE(vb::isLoaded<frmDListe>());
}

TEST_F(DListeWindowTest, DeletingTheSelectedEntryDeletesOnlyThatProjectFile) {
    std::vector<std::string> p;
    for (auto n : {"p1", "p2", "p3", "p4"})
        p.push_back(projekt(n));
    projekt("p3.AUS");
    liste(zeile(p[0]) + zeile(p[1]) + zeile(p[2]) + zeile(p[3]));
    vb::form<frmDListe>().Show();
    vb::user::clickItem("frmDListe.List1", 2);
    vb::user::click("frmDListe.cmdOK(2)");
    EXPECT_FALSE(fs::exists(p[2]));
    EXPECT_TRUE(fs::exists(proj + "p3.AUS"));
    EXPECT_EQ(fenster(), (std::vector<std::string>{p[0], p[1], p[3]}));
    EXPECT_EQ(listeBytes(), zeile(p[0]) + zeile(p[1]) + zeile(p[3]));
    EXPECT_TRUE(vb::isLoaded<frmDListe>());
    EXPECT_TRUE(fs::exists(p[0]) && fs::exists(p[1]) && fs::exists(p[3]));
}

TEST_F(DListeWindowTest, DeletingSeveralEntriesOneAfterTheOther) {
    std::vector<std::string> p;
    for (auto n : {"p1", "p2", "p3"})
        p.push_back(projekt(n));
    liste(zeile(p[0]) + zeile(p[1]) + zeile(p[2]));
    vb::form<frmDListe>().Show();
    vb::user::clickItem("frmDListe.List1", 0);
    vb::user::clickItem("frmDListe.List1", 1, true); // with the control key: both selected
    vb::user::click("frmDListe.cmdOK(2)");
    EXPECT_EQ(fenster(), std::vector<std::string>{p[2]});
    EXPECT_FALSE(fs::exists(p[0]) || fs::exists(p[1]));
}

TEST_F(DListeWindowTest, DeletingOnAnEmptyWindowWritesAnEmptyList) {
    liste(zeile(proj + "weg"));
    vb::form<frmDListe>().Show();
    vb::user::click("frmDListe.cmdOK(2)");
    EXPECT_EQ(listeBytes(), "");
}

TEST_F(DListeWindowTest, AFileThatCannotBeDeletedKeepsItsEntryAndTheUserIsTold) {
    const auto a = projekt("a");
    fs::create_directories(proj + "ordner");
    std::ofstream(proj + "ordner/inhalt") << "x";
    liste(zeile(a));
    vb::form<frmDListe>().List1.AddItem(proj + "ordner"); // a name that cannot be removed as a file
    vb::form<frmDListe>().Show();
    vb::user::clickItem("frmDListe.List1", 0);
    vb::user::clickItem("frmDListe.List1", 1, true);
    vb::user::click("frmDListe.cmdOK(2)");
    EXPECT_EQ(fenster(), std::vector<std::string>{proj + "ordner"});
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("kann nicht gelöscht werden"), std::string::npos);
}

TEST_F(DListeWindowTest, CloseLeavesEverythingAsItWas) {
    const auto a = projekt("a");
    liste(zeile(a));
    vb::script::click("frmDListe.cmdOK(1)");
    vb::form<frmDListe>().Show(vb::vbModal);
    EXPECT_FALSE(vb::isLoaded<frmDListe>());
    EXPECT_EQ(listeBytes(), zeile(a));
}

} // namespace

namespace {

TEST(FrameRunWindows, AreReachedByTheirNames) {
    vb::headless::ResetForms();
    RegisterFrameRunWindows();
    EXPECT_EQ(&vb::FormByName("frmDListe"), &vb::form<frmDListe>());
    EXPECT_TRUE(vb::IsRegistered("frmZOR0"));
    vb::headless::ResetForms();
    vb::ClearRegistry();
}

} // namespace

namespace {

// The run command's step that makes the example projects available (tools/beispiele.sh, run with the root folder
// in $XDG_DATA_HOME): it copies every example into the projects folder where no file of its name is there, never
// over a user's file, and enters each at the end of the list once; the clean-up at start keeps them and the
// window lists them after the user's own entry.
TEST_F(DListeWindowTest, TheExamplesTheRunCommandProvidesStandInTheList) {
    const fs::path quelle = fs::path(ZOR_EXAMPLES);
    std::vector<std::string> beispiele;
    for (const auto& e : fs::directory_iterator(quelle))
        if (e.path().extension().empty()) beispiele.push_back(e.path().filename().string());
    std::sort(beispiele.begin(), beispiele.end());
    ASSERT_EQ(beispiele.size(), 5u);
    const std::string eigenes = projekt(beispiele[0], "eigene Datei");
    const std::string frueher = projekt("frueher");
    fs::create_directories(dir / "xdg" / "JyRootJy");
    P.WurzelOrdner = (dir / "xdg" / "JyRootJy").string() + "/";
    liste(zeile(frueher));
    const std::string befehl = "XDG_DATA_HOME='" + (dir / "xdg").string() + "' bash '" +
                               (quelle.parent_path() / "tools" / "beispiele.sh").string() + "' '" + proj + "'";
    for (int mal = 0; mal < 2; ++mal) // a second start adds nothing
        ASSERT_EQ(std::system(befehl.c_str()), 0);
    EXPECT_EQ(vb::ReadFileBytes(eigenes), "eigene Datei");
    std::string erwartet = zeile(frueher);
    for (const std::string& b : beispiele) {
        erwartet += zeile(proj + b);
        if (b != beispiele[0]) {
            EXPECT_EQ(vb::ReadFileBytes(proj + b), vb::ReadFileBytes((quelle / b).string())) << b;
        }
    }
    EXPECT_EQ(listeBytes(), erwartet);
    DListe::Bereinigen();
    std::vector<std::string> gezeigt{frueher};
    for (const std::string& b : beispiele)
        gezeigt.push_back(proj + b);
    EXPECT_EQ(fenster(), gezeigt);
}

} // namespace
