// The copy of the report beside the project file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/report_copy.h"
#include "platform/runtime/winfs.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace {

using Anzeigen::KopieErgebnis;
using namespace std::string_literals;
namespace fs = std::filesystem;

class Berichtskopie : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        fs::create_directories(dir_ / "projekte");
        P.DateiPfad = (dir_ / "projekte").string() + "/";
        P.DateiName = "Projekt";
        P.GanzerName = P.DateiPfad + P.DateiName;
        P.GanzerNameOhneExt = P.GanzerName;
    }
    void TearDown() override { zorm1::ResetProjectData(); }
    zortest::WorkingFolder dir_;
};

TEST_F(Berichtskopie, TheReportIsCopiedBesideTheProjectFileWithCrLf) {
    vb::WriteFileBytes("LPTZW", "eins\n\nGr\xfc\xdf"
                                "e\r\n");
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::Ok);
    EXPECT_EQ(Anzeigen::DruckDatei, (dir_ / "projekte" / "Projekt.AUS").string());
    EXPECT_EQ(vb::ReadFileBytes(Anzeigen::DruckDatei), "eins\r\n\r\nGr\xfc\xdf"
                                                       "e\r\n");
    // every line end (CR LF, LF, a lone CR, LF CR as two) becomes CR LF, a last line without one gets
    // it; every other byte, also those Windows-1252 leaves undefined, is copied as it is
    const std::string bytes = "a\rb\n\rc\r\n\x81\x8d\x80\xff\0z\tq\r\rx"s;
    vb::WriteFileBytes("LPTZW", bytes);
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::Ok);
    EXPECT_EQ(vb::ReadFileBytes(Anzeigen::DruckDatei),
              "a\r\nb\r\n\r\nc\r\n\x81\x8d\x80\xff\0z\tq\r\n\r\nx\r\n"s);
}

TEST_F(Berichtskopie, TheCopyGoesBesideTheFileReadWhateverFullNameTheFileHolds) {
    // The project file's own full name (statement 4) is printed in the report's head, but it is no name to
    // write: from the Windows program, a name leading out of the folder, a name elsewhere on this machine.
    vb::WriteFileBytes("LPTZW", "Bericht\r\n");
    P.DateiName = "Wand.v2"; // the copy drops the extension, as the start dialog's derived names do
    for (const std::string& gespeichert :
         {"C:\\ZOR\\Projekte\\P1"s, "../../P1"s, (dir_ / "anderswo" / "P1").string(), ""s}) {
        SCOPED_TRACE(gespeichert);
        P.GanzerNameOhneExt = gespeichert;
        EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::Ok);
        EXPECT_EQ(Anzeigen::DruckDatei, (dir_ / "projekte" / "Wand.AUS").string());
    }
    std::vector<std::string> namen;
    for (const auto& e : fs::recursive_directory_iterator(dir_.path()))
        namen.push_back(fs::relative(e.path(), dir_.path()).string());
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"LPTZW", "projekte", "projekte/Wand.AUS"}));
}

TEST_F(Berichtskopie, AFailedCopyLeavesThePreviousReport) {
    P.DateiName = "Projekt";
    const std::string kopie = (dir_ / "projekte" / "Projekt.AUS").string();
    vb::WriteFileBytes(kopie, "alt\r\n");
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::BerichtFehlt);
    vb::WriteFileBytes("LPTZW", "");
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::BerichtLeer);
    EXPECT_EQ(vb::ReadFileBytes(kopie), "alt\r\n");
    EXPECT_NE(Anzeigen::KopieMeldung(KopieErgebnis::BerichtLeer).find("LPTZW"), std::string::npos);
    // a project in a folder that is gone: the copy cannot be written
    vb::WriteFileBytes("LPTZW", "neu\r\n");
    P.DateiPfad = (dir_ / "fehlt").string() + "/";
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::Schreibfehler);
    EXPECT_FALSE(fs::exists(dir_ / "fehlt"));
}

} // namespace
