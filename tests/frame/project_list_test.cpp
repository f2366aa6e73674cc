// The list of project files: its clean-up at start and its update at a calculation request.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/project_list.h"
#include "platform/runtime/winfs.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace fs = std::filesystem;

namespace {

class DListeTest : public ::testing::Test {
protected:
    fs::path dir;
    std::string proj;
    void SetUp() override {
        zor::meldeprotokoll::Zuruecksetzen();
        ResetProjectData();
        dir = fs::temp_directory_path() / ("zor_dliste_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "root");
        fs::create_directories(dir / "proj");
        P.WurzelOrdner = (dir / "root").string() + "/";
        proj = (dir / "proj").string() + "/";
    }
    void TearDown() override {
        zor::meldeprotokoll::Zuruecksetzen();
        fs::remove_all(dir);
    }
    std::string projekt(const std::string& name, const std::string& inhalt = "Inhalt") {
        std::ofstream(proj + name) << inhalt;
        return proj + name;
    }
    void liste(const std::string& bytes) { vb::WriteFileBytes(P.WurzelOrdner + "ZorDList.txt", bytes); }
    std::string listeBytes() { return vb::ReadFileBytes(P.WurzelOrdner + "ZorDList.txt"); }
    static std::string zeile(const std::string& s) { return "\"" + s + "\"\r\n"; }
};

TEST_F(DListeTest, CleanUpDropsEntriesWhoseFilesAreGoneOrEmpty) {
    const auto a = projekt("a"), c = projekt("c");
    const auto leer = projekt("leer", "");
    liste(zeile(a) + zeile(proj + "b") + zeile("  " + c + "  ") + zeile(leer));
    DListe::Bereinigen();
    EXPECT_EQ(listeBytes(), zeile(a) + zeile(c)); // in order, trimmed
}

TEST_F(DListeTest, CleanUpWithoutAListCreatesAnEmptyOne) {
    DListe::Bereinigen();
    EXPECT_TRUE(fs::exists(dir / "root" / "ZorDList.txt"));
    EXPECT_EQ(listeBytes(), "");
}

TEST_F(DListeTest, EntriesAreStoredInWindows1252) {
    const auto m = projekt("Müller");
    ASSERT_TRUE(DListe::Aktualisieren(m));
    EXPECT_EQ(listeBytes(), "\"" + (dir / "proj").string() + "/M\xFCller\"\r\n");
    EXPECT_EQ(DListe::Lesen(), std::vector<std::string>{m});
}

TEST_F(DListeTest, AListThatCannotBeWrittenIsReportedNotFatal) {
    P.WurzelOrdner = (dir / "fehlt").string() + "/"; // the root folder could not be made
    DListe::Bereinigen();
    EXPECT_FALSE(DListe::Aktualisieren(proj + "x"));
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 2u);
    EXPECT_NE(zor::meldeprotokoll::Eintraege()[0].text.find("ZorDList.txt"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "fehlt"));
}

TEST_F(DListeTest, CalculationRequestPutsTheProjectFirst) {
    const auto a = projekt("a"), b = projekt("b");
    const std::string weg = proj + "weg";
    liste(zeile(a) + zeile(weg) + zeile(b) + zeile(proj + "B"));
    DListe::Aktualisieren(b);
    // b moves up; "B" differs only in case and stays; the missing file stays too.
    EXPECT_EQ(listeBytes(), zeile(b) + zeile(a) + zeile(weg) + zeile(proj + "B"));
    DListe::Aktualisieren(proj + "neu");
    EXPECT_EQ(DListe::Lesen().size(), 5u);
    EXPECT_EQ(DListe::Lesen()[0], proj + "neu");
}

TEST_F(DListeTest, CalculationRequestWithoutAListStartsOne) {
    DListe::Aktualisieren(proj + "x");
    EXPECT_EQ(listeBytes(), zeile(proj + "x"));
}

} // namespace
