// The settings file: reading, writing, its repairs and the start dialog's defaults.
#include "frame/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frame/messages.h"
#include "frame/project_data.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/winfs.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace fs = std::filesystem;

namespace {

class Einstellungsdatei : public ::testing::Test {
protected:
    void SetUp() override {
        // the program's root folder and the working folder side by side
        fs::create_directories(basis_ / "JyRootJy");
        fs::create_directories(basis_ / "arbeit");
        fs::current_path(basis_ / "arbeit");
        zor::meldeprotokoll::Zuruecksetzen();
        zorm1::ResetProjectData();
        zorm1::P.WurzelOrdner = (basis_ / "JyRootJy").string() + "/";
    }
    void TearDown() override { zorm1::ResetProjectData(); }
    std::string wurzelDatei() const { return zorm1::P.WurzelOrdner + "ZORPFAD.DAT"; }

    zortest::WorkingFolder basis_;
};

// A complete file as the program writes it.
const char* const kVoll = "\"/daten/\",\"bg1\",\"/daten/bg1\"\r\n"
                          "25,6,12,7\r\n"
                          "19,31,1.5\r\n"
                          "\"Arial\",9.75,1\r\n"
                          "\"Times New Roman\",7.5,0\r\n"
                          "12,0\r\n"
                          "15,18,-1,-1\r\n"
                          "\"frei\",,3\r\n"
                          "0,16777215,255,0\r\n"
                          "0,0,0,-1\r\n";

TEST_F(Einstellungsdatei, ReadsEveryItem) {
    vb::WriteFileBytes(wurzelDatei(), kVoll);
    Anzeigen::PfadDateiLesen();
    const auto& P = zorm1::P;
    EXPECT_EQ(P.DateiPfad, "/daten/");
    EXPECT_EQ(P.DateiName, "bg1");
    EXPECT_EQ(P.GanzerName, "/daten/bg1");
    EXPECT_EQ(P.GrafikRandLinks, 25);
    EXPECT_EQ(P.GrafikRandRechts, 6);
    EXPECT_EQ(P.GrafikRandOben, 12);
    EXPECT_EQ(P.GrafikRandUnten, 7);
    EXPECT_EQ(P.GrafikRandOU, 19);
    EXPECT_EQ(P.GrafikRandLR, 31);
    EXPECT_EQ(P.Einst3c, 1.5f);
    EXPECT_EQ(P.TextFontName, "Arial");
    EXPECT_EQ(P.TextFontSize, 9.75f);
    EXPECT_EQ(P.TextFontBold, 1);
    EXPECT_EQ(P.GrafikFontName, "Times New Roman");
    EXPECT_EQ(P.GrafikFontSize, 7.5f);
    EXPECT_EQ(P.GrafikFontBold, 0);
    EXPECT_EQ(P.NaechsteSeite, 12);
    EXPECT_EQ(P.RandOben, 15);
    EXPECT_EQ(P.RandUnten, 18);
    EXPECT_EQ(P.H504Ein, -1);
    EXPECT_EQ(P.Querformat, -1);
    EXPECT_EQ(P.Einst8a, "frei");
    EXPECT_EQ(P.Einst8b, "");
    EXPECT_EQ(P.Einst8c, 3);
    EXPECT_EQ(P.HintergrundFarbe, 16777215);
    EXPECT_EQ(P.VordergrundFarbe, 255);
    EXPECT_EQ(P.RahmenEin, -1); // the fourth of the four items counts
}

TEST_F(Einstellungsdatei, WritesWhatItReads) {
    vb::WriteFileBytes(wurzelDatei(), kVoll);
    Anzeigen::PfadDateiLesen();
    fs::remove(wurzelDatei());
    ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
    // Line 10 is written with RahmenEin four times.
    std::string erwartet = kVoll;
    erwartet.replace(erwartet.find("0,0,0,-1"), 8, "-1,-1,-1,-1");
    EXPECT_EQ(vb::ReadFileBytes(wurzelDatei()), erwartet);
}

// The run command keeps the projects apart from the working files: a first start proposes the folder it
// names in ZOR_PROJEKTORDNER, when that folder exists.
TEST_F(Einstellungsdatei, FirstStartProposesTheProjectFolderOfTheRunCommand) {
    fs::create_directories("projekte");
    struct Variable {
        ~Variable() { ::unsetenv("ZOR_PROJEKTORDNER"); }
    } v;
    for (const auto& [ordner, erwartet] : std::vector<std::pair<std::string, std::string>>{
             {(fs::current_path() / "projekte").string(), (fs::current_path() / "projekte").string() + "/"},
             {(fs::current_path() / "fehlt").string(), fs::current_path().string() + "/"},
             {"", fs::current_path().string() + "/"}}) {
        ::setenv("ZOR_PROJEKTORDNER", ordner.c_str(), 1);
        zorm1::P.DateiName.clear();
        zorm1::P.GanzerName.clear();
        Anzeigen::StandardwerteSetzen();
        EXPECT_EQ(zorm1::P.DateiName, "testzor") << ordner;
        EXPECT_EQ(zorm1::P.DateiPfad, erwartet) << ordner;
    }
}

TEST_F(Einstellungsdatei, FirstStartWithoutFile) {
    Anzeigen::PfadDateiLesen(); // nothing there: no message, nothing changes
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
    EXPECT_EQ(zorm1::P.DateiName, "");
    Anzeigen::StandardwerteSetzen();
    const auto& P = zorm1::P;
    EXPECT_EQ(P.DateiName, "testzor");
    // the current folder with its separator: a name is joined to it as it stands
    EXPECT_EQ(P.DateiPfad, fs::current_path().string() + "/");
    EXPECT_EQ(P.TextFontName, "Courier New");
    EXPECT_EQ(P.GrafikFontName, "Courier New");
    EXPECT_EQ(P.TextFontSize, 8.25f);
    EXPECT_EQ(P.RandOben, 10);
    EXPECT_EQ(P.RandUnten, 10);
    EXPECT_EQ(P.GrafikFontSize, 6.75f);
    EXPECT_EQ(P.GrafikRandLinks, 20);
    EXPECT_EQ(P.GrafikRandOben, 10);
    EXPECT_EQ(P.GrafikRandRechts, 5);
    EXPECT_EQ(P.GrafikRandUnten, 5);

    // The first save: empty reserved texts, the general item as nothing.
    zorm1::P.DateiPfad = "/x/";
    zorm1::P.GanzerName = "/x/testzor";
    ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
    const std::string roh = vb::ReadFileBytes(wurzelDatei());
    EXPECT_EQ(roh, "\"/x/\",\"testzor\",\"/x/testzor\"\r\n"
                   "20,5,10,5\r\n"
                   "0,0,0\r\n"
                   "\"Courier New\",8.25,0\r\n"
                   "\"Courier New\",6.75,0\r\n"
                   "0,0\r\n"
                   "10,10,0,0\r\n"
                   "\"\",,0\r\n"
                   "0,0,0,0\r\n"
                   "0,0,0,0\r\n");
}

TEST_F(Einstellungsdatei, FileInCurrentFolderIsReadButSavedToRoot) {
    vb::WriteFileBytes("ZORPFAD.DAT", kVoll);
    Anzeigen::PfadDateiLesen();
    EXPECT_EQ(zorm1::P.DateiName, "bg1");
    zorm1::P.DateiName = "neu";
    ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
    EXPECT_EQ(vb::ReadFileBytes("ZORPFAD.DAT"), kVoll);
    EXPECT_NE(vb::ReadFileBytes(wurzelDatei()).find("\"neu\""), std::string::npos);
    // An empty file in the root folder counts as none.
    vb::WriteFileBytes(wurzelDatei(), "");
    zorm1::P.DateiName.clear();
    Anzeigen::PfadDateiLesen();
    EXPECT_EQ(zorm1::P.DateiName, "bg1");
}

TEST_F(Einstellungsdatei, ShortOrBrokenFileKeepsLaterValues) {
    const std::string voll = kVoll;
    size_t ende = 0;
    for (int i = 0; i < 5; ++i)
        ende = voll.find("\r\n", ende) + 2;
    vb::WriteFileBytes(wurzelDatei(), voll.substr(0, ende)); // cut after line 5
    auto& P = zorm1::P;
    P.NaechsteSeite = 4;
    P.RandOben = 0;
    P.HintergrundFarbe = 77;
    P.RahmenEin = -1;
    Anzeigen::PfadDateiLesen();
    EXPECT_EQ(P.GrafikFontName, "Times New Roman");
    EXPECT_EQ(P.TextFontSize, 9.75f);
    EXPECT_EQ(P.NaechsteSeite, 4);
    EXPECT_EQ(P.HintergrundFarbe, 77);
    EXPECT_EQ(P.RahmenEin, -1);
    Anzeigen::StandardwerteSetzen();
    EXPECT_EQ(P.RandOben, 0) << "the report margins are defaulted only with the font size";

    // An item that is no number ends the reading there.
    zorm1::ResetProjectData();
    zorm1::P.WurzelOrdner = (basis_ / "JyRootJy").string() + "/";
    P.GrafikRandRechts = 9;
    vb::WriteFileBytes(wurzelDatei(), "\"/a/\",\"b\",\"/a/b\"\r\n3,x,4,5\r\n");
    Anzeigen::PfadDateiLesen();
    EXPECT_EQ(P.DateiName, "b");
    EXPECT_EQ(P.GrafikRandLinks, 3);
    EXPECT_EQ(P.GrafikRandRechts, 9);
    EXPECT_EQ(P.GrafikRandOben, 0);
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
    // The fixed file number is free again.
    vb::WriteFileBytes(wurzelDatei(), kVoll);
    Anzeigen::PfadDateiLesen();
    EXPECT_EQ(P.GrafikRandRechts, 6);
}

TEST_F(Einstellungsdatei, MarginsInTwipsBecomeMillimetres) {
    auto& P = zorm1::P;
    struct Fall {
        int16_t l, o, r, u; // as found
        int16_t L, O, R, U; // as saved
    };
    for (Fall f : {Fall{1134, 567, 284, 284, 20, 10, 5, 5}, Fall{200, 3, 200, 4, 200, 3, 200, 4},
                   Fall{201, 30, 200, 4, 4, 1, 4, 0}}) {
        P.GrafikRandLinks = f.l;
        P.GrafikRandOben = f.o;
        P.GrafikRandRechts = f.r;
        P.GrafikRandUnten = f.u;
        ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
        EXPECT_EQ(P.GrafikRandLinks, f.L);
        EXPECT_EQ(P.GrafikRandOben, f.O);
        EXPECT_EQ(P.GrafikRandRechts, f.R);
        EXPECT_EQ(P.GrafikRandUnten, f.U);
        const std::string roh = vb::ReadFileBytes(wurzelDatei());
        const size_t a = roh.find("\r\n") + 2;
        EXPECT_EQ(roh.substr(a, roh.find("\r\n", a) - a), std::to_string(f.L) + "," + std::to_string(f.R) +
                                                              "," + std::to_string(f.O) + "," +
                                                              std::to_string(f.U));
    }
}

TEST_F(Einstellungsdatei, NextPageTakenFromCurrentPage) {
    auto& P = zorm1::P;
    P.SeitenNr = 7;
    ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
    EXPECT_EQ(P.NaechsteSeite, 7);
    EXPECT_NE(vb::ReadFileBytes(wurzelDatei()).find("\r\n7,0\r\n"), std::string::npos);
    P.SeitenNr = 9; // a page number already set stays
    ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
    EXPECT_EQ(P.NaechsteSeite, 7);
}

TEST_F(Einstellungsdatei, FailedSaveIsReportedAndKeepsOldFile) {
    vb::WriteFileBytes(wurzelDatei(), kVoll);
    const std::string wurzel = zorm1::P.WurzelOrdner;
    zorm1::P.WurzelOrdner = (basis_ / "fehlt").string() + "/";
    EXPECT_FALSE(Anzeigen::PfadDateiSchreiben());
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_NE(zor::meldeprotokoll::Eintraege()[0].text.find("ZORPFAD.DAT"), std::string::npos);
    EXPECT_EQ(vb::ReadFileBytes(wurzel + "ZORPFAD.DAT"), kVoll);
}

TEST_F(Einstellungsdatei, DefaultsKeepValidValues) {
    vb::WriteFileBytes(wurzelDatei(), kVoll);
    Anzeigen::PfadDateiLesen();
    auto& P = zorm1::P;
    // The project file exists, its folder does not any more.
    vb::WriteFileBytes("bg1", "x");
    P.GanzerName = (fs::current_path() / "bg1").string();
    Anzeigen::StandardwerteSetzen();
    EXPECT_EQ(P.DateiName, "bg1");
    EXPECT_EQ(P.DateiPfad, "/");
    EXPECT_EQ(P.TextFontName, "Arial");
    EXPECT_EQ(P.TextFontSize, 9.75f);
    EXPECT_EQ(P.RandOben, 15);
    EXPECT_EQ(P.GrafikRandLinks, 25);

    // A project file that is gone gives the default project in the current folder.
    P.GanzerName = "/daten/bg1";
    P.DateiPfad = (fs::current_path()).string() + "/";
    Anzeigen::StandardwerteSetzen();
    EXPECT_EQ(P.DateiName, "testzor");
    EXPECT_EQ(P.DateiPfad, fs::current_path().string() + "/");
}

} // namespace
