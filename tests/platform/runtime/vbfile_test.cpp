#include "platform/runtime/vbfile.h"

#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "tests/platform/runtime/vb_error.h"
#include "tests/support/working_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace {

class VbFile : public ::testing::Test {
protected:
    void SetUp() override { vb::SetDecimalSeparator('.'); }
    zortest::WorkingFolder folder;
};

TEST_F(VbFile, WriteProducesCommaItemsQuotedTextsAndCrLf) {
    vb::Open("items", vb::OpenMode::Output, 1);
    vb::Write(1, int16_t{3}, "text, with comma", 1.5f, -0.25f, "Grün", 1e-5f);
    vb::Write(1);
    vb::Write(1, "", 0);
    vb::Close(1);
    EXPECT_EQ(vb::ReadFileBytes("items"), "3,\"text, with comma\",1.5,-.25,\"Gr\xFCn\",1E-05\r\n"
                                          "\r\n"
                                          "\"\",0\r\n");
}

TEST_F(VbFile, WriteTurnsAQuoteInsideATextIntoAnApostrophe) {
    vb::Open("q", vb::OpenMode::Output, 1);
    vb::Write(1, "Wand \"Nord\"", 5);
    vb::Close(1);
    vb::Open("q", vb::OpenMode::Input, 1);
    std::string s;
    int16_t n = 0;
    vb::Input(1, s, n);
    EXPECT_EQ(s, "Wand 'Nord'");
    EXPECT_EQ(n, 5);
}

TEST_F(VbFile, EveryNumberFormSurvivesAWrittenAndReadFile) {
    const float singles[] = {0.0f,    1.0f,          -1.0f,     0.5f, -0.5f,   1e-5f, 1.234568e8f,
                             3.4e38f, -1.17549e-38f, 123456.7f, 1e7f, 0.0001f, 16.2f, 99.0f};
    const double doubles[] = {0.1, 1e300, -2.5e-300, 123456789012345.0, -0.000123};
    const int16_t ints[] = {-32768, 32767, 0, -1};
    vb::Open("numbers", vb::OpenMode::Output, 2);
    for (float v : singles)
        vb::Write(2, v, "x");
    for (double v : doubles)
        vb::Write(2, v);
    for (int16_t v : ints)
        vb::Write(2, v, int32_t{-70000});
    vb::Close(2);

    vb::Open("NUMBERS.", vb::OpenMode::Input, 2);
    for (float v : singles) {
        float r = -7.0f;
        std::string x;
        vb::Input(2, r, x);
        EXPECT_EQ(r, v) << vb::StrPlain(v);
        EXPECT_EQ(x, "x");
    }
    for (double v : doubles) {
        double r = 0;
        vb::Input(2, r);
        EXPECT_EQ(r, v);
    }
    for (int16_t v : ints) {
        int16_t r = 5;
        int32_t l = 0;
        vb::Input(2, r, l);
        EXPECT_EQ(r, v);
        EXPECT_EQ(l, -70000);
    }
    EXPECT_TRUE(vb::Eof(2));
}

TEST_F(VbFile, InputOfASingleRoundsTheTextOnceToTheNearestSingle) {
    // the shortest text of this single, read through a double, would land on its neighbour
    vb::WriteFileBytes("s", "7.038531E-26,0.1,16.2\r\n");
    vb::Open("s", vb::OpenMode::Input, 1);
    float a = 0, b = 0, c = 0;
    vb::Input(1, a, b, c);
    EXPECT_EQ(a, 7.03853069e-26f);
    EXPECT_EQ(b, 0.1f);
    EXPECT_EQ(c, 16.2f);
}

// Each single item reads as Val reads its text, whatever its form, and leaves the file at the next item;
// the items that are no number, or beyond a single, give their errors.
TEST_F(VbFile, InputOfASingleReadsEveryItemFormAsValDoes) {
    const std::string tiny = "0." + std::string(60, '0') + "1", huge = std::string(40, '9');
    const std::vector<std::string> texte = {"16.2",     "+5",       "-0",
                                            "5.",       ".5",       "-.5",
                                            "00012.50", "7",        "1e3",
                                            "2.5D-2",   "1 2",      "123456789012345678901234567890",
                                            tiny,       "-" + tiny, "3.40282347E+38",
                                            "\"4.25\"", ""};
    std::string datei;
    for (const std::string& t : texte)
        datei += t + ",1\r\n";
    vb::WriteFileBytes("z", datei);
    vb::Open("z", vb::OpenMode::Input, 1);
    for (const std::string& t : texte) {
        float v = -99.0f, eins = 0.0f;
        vb::Input(1, v, eins);
        const std::string text = t.size() > 1 && t.front() == '"' ? t.substr(1, t.size() - 2) : t;
        if (t == "1 2") {
            EXPECT_EQ(v, 1.0f);
            EXPECT_EQ(eins, 2.0f) << "a number ends at a blank";
            vb::Input(1, eins);
        } else {
            EXPECT_EQ(std::signbit(v), std::signbit(vb::ValSingle(text))) << t;
            EXPECT_EQ(v, vb::ValSingle(text)) << t;
        }
        EXPECT_EQ(eins, 1.0f) << "the item after " << t;
    }
    vb::Close(1);
    // The forms files hold: the plain form of singles of every magnitude and fixed decimals.
    std::vector<std::string> formen = {"0.0000001", "1234567",  "12345678",      "0.1234567", "9999999",
                                       "-3.402823", "16777217", "0.00000000001", "99.99999",  "1.000000000"};
    uint32_t z = 4242u;
    for (int i = 0; i < 3000; ++i) {
        z = z * 1664525u + 1013904223u;
        const float f = std::ldexp(static_cast<float>(z >> 8) / 16777216.0f, static_cast<int>(z % 80) - 40);
        formen.push_back(vb::StrPlain(z & 1u ? -f : f));
        formen.push_back(vb::FormatField(f, 12, static_cast<int>(z % 9)));
    }
    std::string alle;
    for (const std::string& t : formen)
        alle += t + ",";
    vb::WriteFileBytes("formen", alle + "\r\n");
    vb::Open("formen", vb::OpenMode::Input, 1);
    for (const std::string& t : formen) {
        float v = 0.0f;
        vb::Input(1, v);
        const float soll = vb::ValSingle(t);
        ASSERT_EQ(std::memcmp(&v, &soll, sizeof v), 0) << t;
    }
    vb::Close(1);
    for (const std::string& t : {std::string("1.2.3"), std::string("-"), std::string("12x"), huge}) {
        vb::WriteFileBytes("f", t + ",1\r\n");
        vb::Open("f", vb::OpenMode::Input, 1);
        float v = 0.0f;
        EXPECT_EQ(VbErrorOf([&] { vb::Input(1, v); }), t == huge ? 6 : 13) << t;
        vb::Close(1);
    }
}

TEST_F(VbFile, InputIsItemBasedAndAcceptsLfOrCrLf) {
    vb::WriteFileBytes("in", "1,\"a, b\",.5,-.5 , 2.5E+03\n\"Gr\xFCn\"\r\n  7  ,  text item  \r\n0.75\n");
    vb::Open("in", vb::OpenMode::Input, 1);
    int16_t i = 0, j = 0;
    std::string s, t, u;
    float a = 0, b = 0, c = 0, d = 0;
    vb::Input(1, i, s, a, b, c);
    EXPECT_FALSE(vb::Eof(1));
    vb::Input(1, t, j, u, d);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(s, "a, b");
    EXPECT_EQ(a, 0.5f);
    EXPECT_EQ(b, -0.5f);
    EXPECT_EQ(c, 2500.0f);
    EXPECT_EQ(t, "Grün");
    EXPECT_EQ(j, 7);
    EXPECT_EQ(u, "text item");
    EXPECT_EQ(d, 0.75f);
    EXPECT_TRUE(vb::Eof(1)) << "the line end after the last item is consumed";
    EXPECT_EQ(VbErrorOf([] {
                  int16_t x;
                  vb::Input(1, x);
              }),
              62);
}

TEST_F(VbFile, InputChecksTypesAndRanges) {
    vb::WriteFileBytes("bad", "\"abc\",abc,40000,2.5,,\"12\"\r\n");
    vb::Open("bad", vb::OpenMode::Input, 1);
    int16_t n = 9;
    EXPECT_EQ(VbErrorOf([&] { vb::Input(1, n); }), 13) << "a quoted text is not a number";
    EXPECT_EQ(VbErrorOf([&] { vb::Input(1, n); }), 13);
    EXPECT_EQ(VbErrorOf([&] { vb::Input(1, n); }), 6) << "beyond 16 bits";
    vb::Input(1, n);
    EXPECT_EQ(n, 2) << "halves to even";
    vb::Input(1, n);
    EXPECT_EQ(n, 0) << "an empty item";
    vb::Input(1, n);
    EXPECT_EQ(n, 12) << "a quoted number";
}

TEST_F(VbFile, InputReadsANumberOfAnOlderFileAsText) {
    vb::WriteFileBytes("t", "17,\"x\"\r\n");
    vb::Open("t", vb::OpenMode::Input, 1);
    std::string s, x;
    vb::Input(1, s, x);
    EXPECT_EQ(s, "17");
    EXPECT_EQ(x, "x");
}

TEST_F(VbFile, LineInputTakesWholeLines) {
    vb::WriteFileBytes("lines", "a, \"b\"\r\n\nGr\xFCn\rlast");
    vb::Open("lines", vb::OpenMode::Input, 3);
    EXPECT_EQ(vb::LineInput(3), "a, \"b\"");
    EXPECT_EQ(vb::LineInput(3), "");
    EXPECT_EQ(vb::LineInput(3), "Grün");
    EXPECT_FALSE(vb::Eof(3));
    EXPECT_EQ(vb::LineInput(3), "last");
    EXPECT_TRUE(vb::Eof(3));
    EXPECT_EQ(VbErrorOf([] { vb::LineInput(3); }), 62);
}

TEST_F(VbFile, PrintItemsTabsAndNumberBlanks) {
    vb::Open("LPTZW", vb::OpenMode::Output, 6);
    // the page-head line of the report: "Pos." at column 40 and "S." at column 62
    vb::Print(6, vb::Tab(14), "Proj.Nr. ", "4711", vb::Tab(40), "Pos. ", "Baugrube Süd", vb::Tab(62), "S.");
    vb::Print(6, "n =", int16_t{5}, ";", -5, ";", 1.5f, "|");
    vb::PrintNoEol(6, "Größe");
    EXPECT_EQ(vb::PrintColumn(6), 6);
    vb::Print(6, vb::Tab(10), "x");
    vb::Print(6, "abcdef", vb::Tab(3), "y");        // past column 3: continues on the next line
    vb::Print(6, vb::Tab(0), "z", vb::Spc(2), "w"); // Tab(0) counts as Tab(1)
    vb::Print(6, "a", vb::NextZone, "b", vb::NextZone, vb::NextZone, "c");
    vb::Print(6);
    vb::Close(6);
    std::string expected = std::string(13, ' ') + "Proj.Nr. 4711" + std::string(13, ' ') +
                           "Pos. Baugrube S\xFC"
                           "d" +
                           std::string(5, ' ') + "S.\r\n" + "n = 5 ;-5 ; 1.5 |\r\n" +
                           "Gr\xF6\xDF"
                           "e    x\r\n" +
                           "abcdef\r\n  y\r\n" + "z  w\r\n" + "a" + std::string(13, ' ') + "b" +
                           std::string(27, ' ') + "c\r\n" + "\r\n";
    EXPECT_EQ(vb::ReadFileBytes("LPTZW"), expected);
}

TEST_F(VbFile, PrintedNumbersUseTheLocaleSeparator) {
    vb::SetDecimalSeparator(',');
    EXPECT_EQ(vb::PrintToString({"e =", 1.5f, -0.25, 3}), "e = 1,5 -,25  3 ");
}

TEST_F(VbFile, AppendContinuesTheFileAndCountsColumnsFromOne) {
    vb::Open("LPTZW", vb::OpenMode::Output, 6);
    vb::PrintNoEol(6, "Kopf");
    vb::Close(6);
    vb::Open("lptzw", vb::OpenMode::Append, 6);
    vb::Print(6, vb::Tab(3), "x");
    vb::Close(6);
    // an open line stays open in the file; appending starts counting at column 1 again
    EXPECT_EQ(vb::ReadFileBytes("LPTZW"), "Kopf  x\r\n");
}

TEST_F(VbFile, FileTableNumbers) {
    EXPECT_EQ(vb::FreeFile(), 1);
    vb::Open("a", vb::OpenMode::Output, 1);
    vb::Open("b", vb::OpenMode::Output, 6);
    EXPECT_EQ(vb::FreeFile(), 2);
    vb::Open("c", vb::OpenMode::Output, 2);
    EXPECT_EQ(vb::FreeFile(), 3);
    EXPECT_EQ(VbErrorOf([] { vb::Open("d", vb::OpenMode::Output, 6); }), 55) << "number in use";
    EXPECT_EQ(VbErrorOf([] { vb::Open("A", vb::OpenMode::Output, 7); }), 55) << "file open for writing";
    EXPECT_EQ(VbErrorOf([] { vb::Open("x", vb::OpenMode::Output, 0); }), 52);
    EXPECT_EQ(VbErrorOf([] { vb::Open("x", vb::OpenMode::Output, 512); }), 52);
    EXPECT_EQ(VbErrorOf([] { vb::Open("missing", vb::OpenMode::Input, 8); }), 53);
    EXPECT_EQ(VbErrorOf([] { vb::Open("no/such/folder/f", vb::OpenMode::Output, 8); }), 76);
    EXPECT_EQ(VbErrorOf([] { vb::LineInput(1); }), 54) << "file open for output";
    EXPECT_EQ(VbErrorOf([] { vb::Print(9, "x"); }), 52) << "number not open";
    vb::Close(2);
    vb::Close(2); // closing twice does nothing
    EXPECT_EQ(vb::FreeFile(), 2);
    vb::CloseAll();
    EXPECT_FALSE(vb::IsOpen(1));
    EXPECT_FALSE(vb::IsOpen(6));
    EXPECT_EQ(vb::FreeFile(), 1);
}

TEST_F(VbFile, TwoReadersMayShareAFile) {
    vb::WriteFileBytes("r", "1\r\n");
    vb::Open("r", vb::OpenMode::Input, 1);
    vb::Open("R", vb::OpenMode::Input, 2);
    EXPECT_EQ(VbErrorOf([] { vb::Open("r.", vb::OpenMode::Append, 3); }), 55);
}

TEST_F(VbFile, LofCountsTheBytesOnDisk) {
    vb::Open("len", vb::OpenMode::Output, 1);
    vb::Print(1, "Grün");
    EXPECT_EQ(vb::Lof(1), 6) << "one byte per umlaut, CR LF";
    vb::Close(1);
    vb::Open("len", vb::OpenMode::Input, 1);
    EXPECT_EQ(vb::Lof(1), 6);
}

TEST_F(VbFile, BlocksByBytePositionMaySplitALineEnd) {
    vb::WriteFileBytes("report", "ab\r\ncd\r\n\xFC");
    vb::Open("REPORT", vb::OpenMode::Binary, 4);
    EXPECT_EQ(vb::Lof(4), 9);
    EXPECT_EQ(vb::GetBytes(4, 1, 3), "ab\r");
    EXPECT_EQ(vb::GetBytes(4, 4, 3), "\ncd");
    EXPECT_FALSE(vb::Eof(4));
    EXPECT_EQ(vb::GetBytes(4, 7, 3), "\r\n\xFC");
    EXPECT_TRUE(vb::Eof(4));
    EXPECT_EQ(vb::GetBytes(4, 8, 10), "\n\xFC") << "fewer bytes at the end";
    EXPECT_EQ(vb::GetBytes(4, 20, 4), "");
    EXPECT_EQ(VbErrorOf([] { vb::GetBytes(4, 0, 1); }), 63);
}

TEST_F(VbFile, OutputToAnotherSpellingReplacesTheExistingFile) {
    vb::WriteFileBytes("WEXASAVE", "old");
    vb::Open("wexasave.", vb::OpenMode::Output, 1);
    vb::Write(1, 1);
    vb::Close(1);
    EXPECT_EQ(vb::ReadFileBytes("WEXASAVE"), "1\r\n");
    EXPECT_EQ(vb::Dir("*"), "WEXASAVE");
    EXPECT_EQ(vb::Dir(), "") << "no second file";
}

// Output over a longer file: whatever looks at the file while the number is open, and the file after Close,
// holds only what was written, never the rest of the former content.
TEST_F(VbFile, OutputOverALongerFileShowsOnlyTheNewContent) {
    const std::string alt(100000, 'x');
    vb::WriteFileBytes("ZORZ10", alt);
    vb::Open("zorz10", vb::OpenMode::Output, 1);
    EXPECT_EQ(vb::Lof(1), 0);
    vb::Write(1, 1);
    EXPECT_EQ(vb::FileLen("ZORZ10"), 3);
    EXPECT_EQ(vb::ReadFileBytes("ZORZ10"), "1\r\n");
    vb::Write(1, 2);
    EXPECT_EQ(vb::Seek(1), 7);
    vb::FileCopy("ZORZ10", "kopie");
    EXPECT_EQ(vb::ReadFileBytes("kopie"), "1\r\n2\r\n");
    vb::Close(1);
    EXPECT_EQ(vb::ReadFileBytes("ZORZ10"), "1\r\n2\r\n");
    // closed without a line written, and more than the write buffer holds
    vb::Open("ZORZ10", vb::OpenMode::Output, 1);
    vb::Close(1);
    EXPECT_EQ(vb::FileLen("ZORZ10"), 0);
    vb::WriteFileBytes("ZORZ10", alt + alt);
    vb::Open("ZORZ10", vb::OpenMode::Output, 1);
    for (int i = 0; i < 20000; ++i)
        vb::Print(1, "abcdefgh");
    vb::Close(1);
    EXPECT_EQ(vb::ReadFileBytes("ZORZ10"), [] {
        std::string s;
        for (int i = 0; i < 20000; ++i)
            s += "abcdefgh\r\n";
        return s;
    }());
}

// Numbers on one file under other names, also under a link of another name: the same file; a file that
// took the name of a closed one is another.
TEST_F(VbFile, TheSameFileIsRecognisedUnderEveryName) {
    vb::WriteFileBytes("eins", "1\r\n");
    std::filesystem::create_hard_link("eins", "zwei");
    vb::Open("EINS.", vb::OpenMode::Output, 1);
    EXPECT_EQ(VbErrorOf([] { vb::Open("zwei", vb::OpenMode::Input, 2); }), 55);
    EXPECT_EQ(VbErrorOf([] { vb::Open("./eins", vb::OpenMode::Append, 2); }), 55);
    vb::Close(1);
    vb::Open("zwei", vb::OpenMode::Input, 2);
    vb::Close(2);
    vb::Kill("eins");
    vb::WriteFileBytes("eins", "neu\r\n");
    vb::Open("eins", vb::OpenMode::Output, 1);
    vb::Open("zwei", vb::OpenMode::Input, 2);
    vb::Close(2);
    vb::Close(1);
}

} // namespace

namespace {

class VbFileOpen : public ::testing::Test {
protected:
    zortest::WorkingFolder folder;
};

TEST_F(VbFileOpen, LofFollowsTheOpenFileAfterAChangeOfFolder) {
    vb::Open("LPTZW", vb::OpenMode::Output, 6);
    vb::Print(6, "Kopf");
    vb::MkDir("sub");
    vb::WriteFileBytes("sub/LPTZW", "a much longer file of the same name");
    vb::ChDir("sub");
    EXPECT_EQ(vb::Lof(6), 6) << "\"Kopf\" and CR LF, not the file of that name in the new folder";
    vb::ChDir("..");
    vb::Close(6);
}

TEST_F(VbFileOpen, ACopyOfAFileStillOpenForWritingHoldsAllThatWasWritten) {
    vb::Open("ZORZ2", vb::OpenMode::Output, 2);
    vb::Write(2, 1, 2.5f);
    vb::FileCopy("zorz2", "kopie");
    EXPECT_EQ(vb::ReadFileBytes("kopie"), "1,2.5\r\n");
    EXPECT_EQ(vb::ReadFileBytes("ZORZ2"), "1,2.5\r\n");
    vb::Close(2);
}

TEST_F(VbFileOpen, ABlockLargerThanTheRestOfTheFileGivesTheRest) {
    vb::WriteFileBytes("b", "0123456789");
    vb::Open("b", vb::OpenMode::Binary, 1);
    EXPECT_EQ(vb::GetBytes(1, 9, 2000000000), "89");
    EXPECT_TRUE(vb::Eof(1));
    EXPECT_EQ(vb::GetBytes(1, 11, 2000000000), "");
    EXPECT_EQ(vb::GetBytes(1, 1, 4), "0123");
    EXPECT_FALSE(vb::Eof(1));
    vb::Close(1);
}

TEST_F(VbFileOpen, AWriteTheDiskRefusesIsReportedWhenTheFileIsClosed) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    vb::Open("/dev/full", vb::OpenMode::Output, 1);
    vb::Print(1, "Bericht");
    EXPECT_EQ(VbErrorOf([] { vb::Close(1); }), 61);
    EXPECT_FALSE(vb::IsOpen(1)) << "the number is free all the same";
}

TEST_F(VbFileOpen, CloseAllClosesEveryNumberEvenWhenOneFails) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    vb::Open("/dev/full", vb::OpenMode::Output, 1);
    vb::Print(1, "Bericht");
    vb::Open("ZORZ2", vb::OpenMode::Output, 2);
    vb::Print(2, "Daten");
    EXPECT_EQ(VbErrorOf([] { vb::CloseAll(); }), 61);
    EXPECT_FALSE(vb::IsOpen(1));
    EXPECT_FALSE(vb::IsOpen(2));
    EXPECT_EQ(vb::ReadFileBytes("ZORZ2"), "Daten\r\n");
}

// The guard of a file number: Close() reports a failed flush, leaving the block by an error
// closes the file without a second error, and every way out frees the number.
// A full disk (/dev/full answers every write with ENOSPC) is a WriteError naming the file, whether the
// number's buffer fills or the number is closed.
TEST_F(VbFileOpen, AFullDiskIsAWriteErrorThatNamesTheFile) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    for (const std::size_t laenge : {std::size_t{10}, std::size_t{100000}}) {
        SCOPED_TRACE(laenge);
        const int16_t f = vb::FreeFile();
        vb::Open("/dev/full", vb::OpenMode::Output, f);
        try {
            vb::Print(f, std::string(laenge, 'x'));
            vb::Close(f);
            ADD_FAILURE() << "no error";
        } catch (const vb::WriteError& e) {
            EXPECT_TRUE(e.diskFull());
            EXPECT_EQ(e.number(), 61);
            EXPECT_EQ(e.path(), "/dev/full");
        }
        vb::Close(f);
        EXPECT_FALSE(vb::IsOpen(f));
    }
}

TEST_F(VbFileOpen, FileGuardReportsAFailedFlushOnCloseAndNeverThrowsFromItsDestructor) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    int16_t nr = 0;
    EXPECT_EQ(VbErrorOf([&] {
                  vb::FileGuard d("/dev/full", vb::OpenMode::Output);
                  nr = d.nr();
                  vb::Print(d.nr(), "Bericht");
                  d.Close();
              }),
              61);
    EXPECT_FALSE(vb::IsOpen(nr));

    // Left by another error: that error arrives, the failed flush of the destructor is dropped.
    EXPECT_EQ(VbErrorOf([&] {
                  vb::FileGuard d("/dev/full", vb::OpenMode::Output);
                  nr = d.nr();
                  vb::Print(d.nr(), "Bericht");
                  throw vb::RuntimeError(62, "Input past end of file");
              }),
              62);
    EXPECT_FALSE(vb::IsOpen(nr));

    {
        vb::FileGuard d("ZORZ2", vb::OpenMode::Output);
        vb::Write(d.nr(), 1);
        d.Close();
        d.Close(); // a second Close does nothing
        EXPECT_EQ(vb::FreeFile(), d.nr());
    }
    EXPECT_EQ(vb::ReadFileBytes("ZORZ2"), "1\r\n");
}

} // namespace

namespace {

// While the calculation guards its files, a line holding a value that is no number is not written: the
// error names the file and the line with the value in words, in either decimal separator. Without the guard
// the value is written as the runtime prints it.
TEST_F(VbFile, GuardedFilesRefuseAValueThatIsNoNumber) {
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    {
        vb::ZahlenwerteWaechter waechter;
        EXPECT_TRUE(vb::ZahlenwerteBewacht());
        struct Fall {
            char trenner;
            std::function<void(int16_t)> schreiben;
            const char* groesse;
        };
        const Fall faelle[] = {
            {',', [&](int16_t f) { vb::Print(f, "Wandgewicht Gv =", inf, "kN/m"); },
             "\"Wandgewicht Gv = (keine Zahl) kN/m\" (Datei \"bericht\")"},
            {'.', [&](int16_t f) { vb::Print(f, "M", -inf); }, "\"M (keine Zahl)\" (Datei \"bericht\")"},
            {'.', [&](int16_t f) { vb::Write(f, 1.5f, nan, 2.0f); },
             "\"1.5,(keine Zahl),2\" (Datei \"bericht\")"},
            {'.', [&](int16_t f) { vb::PutBytes(f, "x = -1.#IND\r\n"); },
             "\"x = (keine Zahl)\" (Datei \"bericht\")"},
        };
        for (const Fall& fall : faelle) {
            SCOPED_TRACE(fall.groesse);
            vb::SetDecimalSeparator(fall.trenner);
            vb::Open("bericht", vb::OpenMode::Output, 1);
            vb::Print(1, "Kopf");
            try {
                fall.schreiben(1);
                ADD_FAILURE() << "written";
            } catch (const zor::KeinZahlenwert& e) {
                EXPECT_EQ(e.Groesse(), fall.groesse);
            }
            vb::Close(1);
            EXPECT_EQ(vb::ReadFileBytes("bericht"), "Kopf\r\n");
        }
        vb::SetDecimalSeparator('.');
        // Numbers and texts that only look alike pass.
        vb::Open("bericht", vb::OpenMode::Output, 1);
        vb::Print(1, "Nr. 1#INF", 1.5f, "#IND");
        vb::Close(1);
    }
    EXPECT_FALSE(vb::ZahlenwerteBewacht());
    vb::Open("frei", vb::OpenMode::Output, 1);
    vb::Write(1, nan);
    vb::Close(1);
    EXPECT_EQ(vb::ReadFileBytes("frei"), "-1.#IND\r\n");
}

} // namespace

namespace {

// ---- files read again --------------------------------------------------------------------------
// A file the program has written itself is read again without reading it from the disk, as long as
// nobody has changed it; whatever changes it, the program itself or anything else, the next read gives
// what the file holds then.
class VbFileWiederLesen : public ::testing::Test {
protected:
    void SetUp() override { vb::SetDecimalSeparator('.'); }
    zortest::WorkingFolder folder;

    static std::string Lesen(std::string_view name) {
        vb::FileGuard d(name, vb::OpenMode::Input);
        return std::string(vb::InputData(d.nr()));
    }
    static void Schreiben(std::string_view name, std::string_view text) {
        vb::FileGuard d(name, vb::OpenMode::Output);
        vb::PutBytes(d.nr(), text);
        d.Close();
    }
    // Read calls this process has made so far (the kernel's count).
    static long long Lesezugriffe() {
        std::ifstream io("/proc/self/io");
        std::string key;
        long long wert = 0;
        while (io >> key >> wert)
            if (key == "syscr:") return wert;
        return -1;
    }
    // Read calls of f beyond those of looking at the count itself.
    static long long LesezugriffeVon(const std::function<void()>& f) {
        const long long a = Lesezugriffe(), b = Lesezugriffe();
        f();
        const long long c = Lesezugriffe();
        return (c - b) - (b - a);
    }
};

TEST_F(VbFileWiederLesen, AFileTheProgramWroteIsReadWithoutReadingTheDisk) {
    if (Lesezugriffe() < 0) GTEST_SKIP() << "the kernel does not count read calls here";
    vb::Open("ZORZ2", vb::OpenMode::Output, 1);
    vb::Write(1, int16_t{2}, 1.5f, "zwei");
    vb::Close(1);
    EXPECT_EQ(LesezugriffeVon([] {
                  for (int i = 0; i < 5; ++i)
                      EXPECT_EQ(Lesen("zorz2."), "2,1.5,\"zwei\"\r\n");
              }),
              0);
    // the working copy, written through a temporary file that takes its name
    vb::ReplaceWorkingFile("WEXASAVE", [](const std::string& temp) { Schreiben(temp, "Projekt\r\n"); });
    EXPECT_EQ(LesezugriffeVon([] { EXPECT_EQ(Lesen("WEXASAVE."), "Projekt\r\n"); }), 0);
    // a file the program did not write is read from the disk
    std::ofstream("fremd") << "3\r\n";
    EXPECT_GT(LesezugriffeVon([] { EXPECT_EQ(Lesen("FREMD"), "3\r\n"); }), 0);
}

// A change from elsewhere shows in the file's times. A kernel that stamps a change made after the status was
// looked at with a finer time (as here) shows it at once; one with coarse times only from its next tick on,
// so there the change waits for it (working files are the program's own: the folder is locked against
// other instances, and nothing else writes there while a run reads them).
TEST_F(VbFileWiederLesen, AChangeFromElsewhereAfterTheWriteIsRead) {
    namespace fs = std::filesystem;
    const bool grobeZeiten = [] {
        for (int i = 0; i < 5; ++i) {
            struct stat a {}, b {};
            std::ofstream("uhr", std::ios::binary | std::ios::trunc) << "1";
            ::stat("uhr", &a);
            std::ofstream("uhr", std::ios::binary | std::ios::trunc) << "2";
            ::stat("uhr", &b);
            if (a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec) return true;
        }
        return false;
    }();
    const std::string alt = "1,2.5\r\n";
    const std::string neu = "7,8.5\r\n"; // of the same length
    const std::vector<std::pair<const char*, std::function<void()>>> faelle = {
        {"written over in place", [&] { std::ofstream("ZORZ4", std::ios::binary | std::ios::trunc) << neu; }},
        {"written under another name of the file",
         [&] {
             fs::create_hard_link("ZORZ4", "link");
             std::ofstream("link", std::ios::binary | std::ios::trunc) << neu;
         }},
        {"removed and made anew",
         [&] {
             fs::remove("ZORZ4");
             std::ofstream("ZORZ4", std::ios::binary) << neu;
         }},
        {"another file renamed onto it",
         [&] {
             std::ofstream("anderes", std::ios::binary) << neu;
             fs::rename("anderes", "ZORZ4");
         }},
        {"cut to another length", [&] { fs::resize_file("ZORZ4", 2); }},
    };
    for (const auto& [fall, aendern] : faelle) {
        SCOPED_TRACE(fall);
        std::error_code ec;
        fs::remove("link", ec);
        Schreiben("ZORZ4", alt);
        EXPECT_EQ(Lesen("ZORZ4"), alt);
        if (grobeZeiten) std::this_thread::sleep_for(std::chrono::milliseconds(30));
        aendern();
        EXPECT_EQ(Lesen("zorz4"), fs::file_size("ZORZ4") == 2 ? alt.substr(0, 2) : neu);
    }
}

TEST_F(VbFileWiederLesen, TheProgramsOwnChangesAreRead) {
    const std::string alt = "1,2.5\r\n";
    const std::string neu = "7,8.5\r\n";
    struct Fall {
        const char* name;
        std::function<void()> aendern;
        std::string erwartet;
    };
    const std::vector<Fall> faelle = {
        {"written again", [&] { Schreiben("ZORGZ.", neu); }, neu},
        {"appended to",
         [&] {
             vb::FileGuard d("zorgz", vb::OpenMode::Append);
             vb::PutBytes(d.nr(), neu);
             d.Close();
         },
         alt + neu},
        {"bytes written", [&] { vb::WriteFileBytes("ZORGZ", neu); }, neu},
        {"killed and made anew",
         [&] {
             vb::Kill("ZORGZ");
             vb::WriteFileBytes("ZORGZ", neu);
         },
         neu},
        {"copied over",
         [&] {
             vb::WriteFileBytes("quelle", neu);
             vb::FileCopy("quelle", "zorgz");
         },
         neu},
        {"renamed away and another renamed onto its name",
         [&] {
             vb::Name("ZORGZ", "weg");
             vb::WriteFileBytes("quelle", neu);
             vb::Name("quelle", "ZORGZ");
         },
         neu},
        {"saved over", [&] { vb::SaveReplacing("ZORGZ", [&](const std::string& t) { Schreiben(t, neu); }); }, neu},
        {"replaced as a working file",
         [&] { vb::ReplaceWorkingFile("ZORGZ", [&](const std::string& t) { Schreiben(t, neu); }); },
         neu},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        for (const char* weg : {"ZORGZ", "quelle", "weg"})
            if (vb::FileExists(weg)) vb::Kill(weg);
        Schreiben("ZORGZ", alt);
        EXPECT_EQ(Lesen("ZORGZ"), alt);
        f.aendern();
        EXPECT_EQ(Lesen("ZORGZ"), f.erwartet);
        EXPECT_EQ(vb::ReadFileBytes("ZORGZ"), f.erwartet);
    }
    // a renamed file the program wrote keeps its content under the new name
    Schreiben("eins", alt);
    vb::Name("eins", "zwei");
    EXPECT_EQ(Lesen("ZWEI"), alt);
}

TEST_F(VbFileWiederLesen, AFileTooLargeToKeepIsReadWhole) {
    std::string gross;
    for (int i = 0; gross.size() < (std::size_t{3} << 20); ++i)
        gross += std::to_string(i) + "\r\n";
    Schreiben("gross", gross.substr(0, 100));
    Schreiben("gross", gross);
    EXPECT_EQ(Lesen("gross"), gross);
    // written in many blocks through the number's buffer, below the size kept
    vb::Open("mittel", vb::OpenMode::Output, 1);
    for (int i = 0; i < 20000; ++i)
        vb::Print(1, "abcdefgh");
    vb::Close(1);
    std::string mittel;
    for (int i = 0; i < 20000; ++i)
        mittel += "abcdefgh\r\n";
    EXPECT_EQ(Lesen("mittel"), mittel);
}

} // namespace
