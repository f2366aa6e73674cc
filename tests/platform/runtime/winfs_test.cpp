#include "platform/runtime/winfs.h"

#include "platform/runtime/vbfile.h"
#include "tests/platform/runtime/vb_error.h"
#include "tests/support/working_folder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

class WinFs : public ::testing::Test {
protected:
    zortest::WorkingFolder folder;

    static void touch(const std::string& name, const std::string& bytes = "x") {
        std::FILE* f = std::fopen(name.c_str(), "wb"); // the exact spelling, past the resolver
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(WinFs, CaseAndATrailingDotDoNotCount) {
    touch("WEXASAVE");
    for (const char* name : {"WEXASAVE", "WEXASAVE.", "wexasave", "WexaSave.", "wexasave. "}) {
        EXPECT_TRUE(vb::FileExists(name)) << name;
        EXPECT_EQ(vb::Resolve(name).filename().string(), "WEXASAVE") << name;
    }
    touch("ZOREwid.11");
    EXPECT_FALSE(vb::FileExists("ZOREwid.")) << "\"ZOREwid.\" is not \"ZOREwid.11\"";
    EXPECT_FALSE(vb::FileExists("ZOREwid"));
    EXPECT_TRUE(vb::FileExists("zorewid.11"));
    EXPECT_TRUE(vb::SameName("ZOREpp.", "zorepp"));
    EXPECT_FALSE(vb::SameName("ZOREwid.11", "ZOREwid."));
}

TEST_F(WinFs, ANewFileGetsTheGivenSpellingWithoutTheTrailingDot) {
    vb::Open("ZOREPP.", vb::OpenMode::Output, 1);
    vb::Close(1);
    EXPECT_EQ(files(), std::vector<std::string>{"ZOREPP"});
    EXPECT_EQ(vb::CleanName("sub/Datei. "), "sub/Datei");
}

TEST_F(WinFs, FolderNamesResolveToo) {
    vb::MkDir("Projekte");
    touch("Projekte/Wand1", "abc");
    EXPECT_TRUE(vb::FolderExists("PROJEKTE"));
    EXPECT_TRUE(vb::FileExists("projekte/WAND1"));
    EXPECT_EQ(vb::FileLen((folder.path() / "PROJEKTE" / "wand1.").string()), 3);
    EXPECT_EQ(vb::Resolve("projekte/neu").string(), "Projekte/neu");
    EXPECT_FALSE(vb::FileExists("Projekte"));
    EXPECT_FALSE(vb::FolderExists("Projekte/Wand1"));
}

TEST_F(WinFs, WildcardsFollowWindows) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    } cases[] = {
        {"wexasave.*", "WEXASAVE", true},
        {"wexasave.*", "WEXASAVE.gl1", true},
        {"wexasave.*", "WEXASAVEX", false},
        {"ZOREpp.", "ZOREPP", true},
        {"ZOREpp.", "ZOREPP.11", false},
        {"*.*", "ZORZ2", true},
        {"*.", "ZORZ2", true},
        {"*.", "LPTZW.AUS", false},
        {"*.gl?", "x.GL2", true},
        {"*.gl?", "x.gl", false},
        {"ZOREwid*", "ZOREwid.11", true},
        {"zor?2", "ZORZ2", true},
        {"*", "a.b.c", true},
        {"*.txt", "liste.TXT", true},
        {"größe.*", "GRÖSSE", false},
        {"größe.*", "GRÖßE.txt", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::MatchPattern(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST_F(WinFs, KillDeletesWhatThePatternNames) {
    for (const char* n : {"WEXASAVE", "WEXASAVE.gl1", "wexasave.GL2", "WEXASAVEX", "ZOREPP", "ZOREPP.11"})
        touch(n);
    vb::MkDir("wexasave.dir");
    vb::Kill("wexasave.*");
    EXPECT_EQ(files(), (std::vector<std::string>{"WEXASAVEX", "ZOREPP", "ZOREPP.11", "wexasave.dir"}));
    vb::Kill("ZOREpp.");
    EXPECT_EQ(files(), (std::vector<std::string>{"WEXASAVEX", "ZOREPP.11", "wexasave.dir"}));
    EXPECT_EQ(VbErrorOf([] { vb::Kill("ZORZ3"); }), 53);
    vb::Kill("*.*");
    EXPECT_EQ(files(), std::vector<std::string>{"wexasave.dir"}) << "folders stay";
}

TEST_F(WinFs, KillClosesAFileStillOpen) {
    vb::Open("ZORZ2", vb::OpenMode::Output, 3);
    vb::Kill("zorz2");
    EXPECT_FALSE(vb::IsOpen(3));
    EXPECT_TRUE(files().empty());
}

TEST_F(WinFs, FileCopyAndFileLen) {
    touch("LPTZW", "Bericht\r\n");
    touch("Projekt.AUS", "alt");
    vb::FileCopy("lptzw", "projekt.aus");
    EXPECT_EQ(vb::ReadFileBytes("Projekt.AUS"), "Bericht\r\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"LPTZW", "Projekt.AUS"})) << "no second spelling";
    EXPECT_EQ(vb::FileLen("Projekt.aus"), 9);
    vb::FileCopy("LPTZW", "LPTZW."); // onto itself
    EXPECT_EQ(vb::FileLen("LPTZW"), 9);
    EXPECT_EQ(VbErrorOf([] { vb::FileCopy("fehlt", "x"); }), 53);
    EXPECT_EQ(VbErrorOf([] { vb::FileLen("fehlt"); }), 53);
}

TEST_F(WinFs, DirListsMatchesInNameOrder) {
    for (const char* n : {"b.gl2", "A.GL1", "c.txt", "D.gl1"})
        touch(n);
    vb::MkDir("e.gl1");
    EXPECT_EQ(vb::Dir("*.gl?"), "A.GL1");
    EXPECT_EQ(vb::Dir(), "b.gl2");
    EXPECT_EQ(vb::Dir(), "D.gl1");
    EXPECT_EQ(vb::Dir(), "");
    EXPECT_EQ(VbErrorOf([] { vb::Dir(); }), 5) << "the search has ended";
    EXPECT_EQ(vb::Dir("C.TXT"), "c.txt");
    EXPECT_EQ(vb::Dir("fehlt"), "");
    EXPECT_EQ(vb::Dir("*.gl1", true), "A.GL1");
    EXPECT_EQ(vb::Dir(), "D.gl1");
    EXPECT_EQ(vb::Dir(), "e.gl1");
}

TEST_F(WinFs, FoldersAndTheCurrentFolder) {
    vb::MkDir("Sub");
    EXPECT_EQ(VbErrorOf([] { vb::MkDir("SUB"); }), 75);
    EXPECT_EQ(VbErrorOf([] { vb::MkDir("a/b"); }), 76);
    vb::ChDir("sub");
    EXPECT_EQ(fs::path(vb::CurDir()).filename().string(), "Sub");
    EXPECT_EQ(vb::CurDir().back(), 'b');
    vb::ChDir("..");
    EXPECT_EQ(VbErrorOf([] { vb::ChDir("fehlt"); }), 76);
    vb::RmDir("SUB");
    EXPECT_FALSE(vb::FolderExists("Sub"));
}

TEST_F(WinFs, NameRenames) {
    touch("alt", "1");
    touch("other", "2");
    vb::Name("ALT", "neu");
    EXPECT_EQ(vb::ReadFileBytes("neu"), "1");
    EXPECT_EQ(VbErrorOf([] { vb::Name("neu", "OTHER"); }), 58);
    EXPECT_EQ(VbErrorOf([] { vb::Name("fehlt", "x"); }), 53);
    vb::Name("neu", "NEU"); // a new spelling of the same file
    EXPECT_EQ(files(), (std::vector<std::string>{"NEU", "other"}));
}

TEST_F(WinFs, SaveReplacingKeepsTheOldFileWhenWritingFails) {
    touch("Projekt", "old data");
    EXPECT_THROW(vb::SaveReplacing("projekt",
                                   [](const std::string& temp) {
                                       vb::Open(temp, vb::OpenMode::Output, 1);
                                       vb::Write(1, "half");
                                       throw std::runtime_error("disk full");
                                   }),
                 std::runtime_error);
    EXPECT_EQ(vb::ReadFileBytes("Projekt"), "old data");
    EXPECT_EQ(files(), std::vector<std::string>{"Projekt"}) << "no temporary file left";
    EXPECT_FALSE(vb::IsOpen(1));

    vb::SaveReplacing("projekt", [](const std::string& temp) {
        vb::Open(temp, vb::OpenMode::Output, 1);
        vb::Write(1, "new");
        vb::Close(1);
    });
    EXPECT_EQ(vb::ReadFileBytes("Projekt"), "\"new\"\r\n");
    EXPECT_EQ(files(), std::vector<std::string>{"Projekt"});

    EXPECT_EQ(VbErrorOf([] { vb::SaveReplacing("fehlt/x", [](const std::string&) {}); }), 76);
}

// A save of a file that would not change leaves the file itself in place; one that changes it replaces it.
TEST_F(WinFs, ASaveWhenChangedLeavesAnUnchangedFileAsItIs) {
    touch("Liste", "eins\r\n");
    struct stat vorher {};
    ASSERT_EQ(::stat("Liste", &vorher), 0);
    vb::SaveReplacingWhenChanged("LISTE", [](const std::string& temp) { vb::WriteFileBytes(temp, "eins\r\n"); });
    struct stat nachher {};
    ASSERT_EQ(::stat("Liste", &nachher), 0);
    EXPECT_EQ(nachher.st_ino, vorher.st_ino);
    EXPECT_EQ(files(), std::vector<std::string>{"Liste"}) << "no temporary file left";
    vb::SaveReplacingWhenChanged("LISTE", [](const std::string& temp) { vb::WriteFileBytes(temp, "eins\r\nzwei\r\n"); });
    EXPECT_EQ(vb::ReadFileBytes("Liste"), "eins\r\nzwei\r\n");
    EXPECT_EQ(files(), std::vector<std::string>{"Liste"});
    vb::SaveReplacingWhenChanged("neu", [](const std::string& temp) { vb::WriteFileBytes(temp, ""); });
    EXPECT_EQ(vb::FileLen("neu"), 0) << "a file that is not there yet is made";
}

// A working file is replaced the same way (never half written), only without the flushes to the disk.
TEST_F(WinFs, AWorkingFileIsReplacedWholeOrNotAtAll) {
    touch("WEXASAVE", "old data");
    EXPECT_THROW(vb::ReplaceWorkingFile("wexasave.",
                                        [](const std::string& temp) {
                                            vb::WriteFileBytes(temp, "half");
                                            throw std::runtime_error("disk full");
                                        }),
                 std::runtime_error);
    EXPECT_EQ(vb::ReadFileBytes("WEXASAVE"), "old data");
    EXPECT_EQ(files(), std::vector<std::string>{"WEXASAVE"});
    vb::ReplaceWorkingFile("wexasave.", [](const std::string& temp) { vb::WriteFileBytes(temp, "new"); });
    EXPECT_EQ(vb::ReadFileBytes("WEXASAVE"), "new");
    EXPECT_EQ(files(), std::vector<std::string>{"WEXASAVE"}) << "the existing spelling, no temporary file";
}

TEST_F(WinFs, ASaveKilledHalfwayLeavesTheOldFileAndTheNextSaveNoTemporaryFile) {
    touch("Projekt", "old data");
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) { // the program killed while it writes the new file
        vb::SaveReplacing("projekt", [](const std::string& temp) {
            vb::Open(temp, vb::OpenMode::Output, 1);
            vb::Print(1, "half");
            vb::Close(1);
            ::kill(::getpid(), SIGKILL);
        });
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(vb::ReadFileBytes("Projekt"), "old data");
    ASSERT_EQ(files().size(), 2u) << "the killed save left its temporary file";

    vb::SaveReplacing("projekt", [](const std::string& temp) { vb::WriteFileBytes(temp, "new"); });
    EXPECT_EQ(vb::ReadFileBytes("Projekt"), "new");
    EXPECT_EQ(files(), std::vector<std::string>{"Projekt"});
}

TEST_F(WinFs, LeftoversOfCutSavesOfTheSameFileGoAndOthersStay) {
    touch("Projekt", "old");
    for (const char* rest : {"projekt.~tmp", "Projekt.~4711.tmp", "PROJEKT.~12.TMP"}) // also older versions'
        touch(rest, "half");
    const std::vector<std::string> bleiben = {"Anderes.~tmp", "Projekt.~notiz.tmp", "Projekt2.~tmp",
                                              "Projekt.~.tmp"};
    for (const auto& n : bleiben)
        touch(n);
    vb::SaveReplacing("PROJEKT", [](const std::string& temp) { vb::WriteFileBytes(temp, "new"); });
    std::vector<std::string> erwartet = bleiben;
    erwartet.push_back("Projekt");
    std::sort(erwartet.begin(), erwartet.end());
    EXPECT_EQ(files(), erwartet);
    EXPECT_EQ(vb::ReadFileBytes("Projekt"), "new");
}

} // namespace
