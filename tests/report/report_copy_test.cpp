// The copy of the report beside the project file.
#include "print_fixture.h"

#include <filesystem>

#include "tests/support/text_file.h"

using zorm1::P;

namespace druck_test {
namespace {

using Anzeigen::KopieErgebnis;
using namespace std::string_literals;

TEST_F(DruckTest, TheReportIsCopiedBesideTheProjectFileWithCrLf) {
    vb::WriteFileBytes("LPTZW", "eins\n\nGr\xfc\xdf"
                                "e\r\n");
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::Ok);
    EXPECT_EQ(Anzeigen::DruckDatei, (dir_ / "Projekt.AUS").string());
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

TEST_F(DruckTest, AFailedCopyLeavesThePreviousReport) {
    vb::WriteFileBytes(Anzeigen::DruckDatei, "alt\r\n");
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::BerichtFehlt);
    vb::WriteFileBytes("LPTZW", "");
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::BerichtLeer);
    EXPECT_EQ(vb::ReadFileBytes(Anzeigen::DruckDatei), "alt\r\n");
    EXPECT_NE(Anzeigen::KopieMeldung(KopieErgebnis::BerichtLeer).find("LPTZW"), std::string::npos);
    // a project in a folder that is gone: the copy cannot be written
    vb::WriteFileBytes("LPTZW", "neu\r\n");
    P.GanzerNameOhneExt = (dir_ / "fehlt" / "Projekt").string();
    EXPECT_EQ(Anzeigen::DruckDateiKopieren(), KopieErgebnis::Schreibfehler);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "fehlt"));
}

} // namespace
} // namespace druck_test
