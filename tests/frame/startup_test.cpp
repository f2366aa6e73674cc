// Start-up: the root folder that holds the settings and the list files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/startup.h"
#include "platform/runtime/winfs.h"
#include "tests/support/environment.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace fs = std::filesystem;

namespace {

class StartupTest : public ::testing::Test {
protected:
    fs::path dir;
    zortest::Umgebung env;
    void SetUp() override {
        zor::meldeprotokoll::Zuruecksetzen();
        ResetProjectData();
        dir = fs::temp_directory_path() / ("zor_startup_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "home");
        fs::create_directories(dir / "daten");
    }
    void TearDown() override {
        zor::meldeprotokoll::Zuruecksetzen();
        fs::remove_all(dir);
    }
    // A data folder that cannot be made: its parent is a file.
    std::string unmoeglich() {
        std::ofstream(dir / "datei") << "x";
        return (dir / "datei" / "daten").string();
    }
};

TEST_F(StartupTest, RootFolderCandidatesFollowTheDataHomeRule) {
    env.set("HOME", (dir / "home").string());
    env.set("XDG_DATA_HOME", (dir / "daten").string());
    auto k = Anzeigen::WurzelOrdnerKandidaten();
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[0], (dir / "daten").string());
    EXPECT_EQ(k[1], (dir / "home").string());
    for (const char* ungueltig : {"", "relativ/daten"}) { // both as if the variable were not set
        env.set("XDG_DATA_HOME", ungueltig);
        k = Anzeigen::WurzelOrdnerKandidaten();
        EXPECT_EQ(k[0], (dir / "home" / ".local/share").string()) << ungueltig;
    }
    env.unset("XDG_DATA_HOME");
    k = Anzeigen::WurzelOrdnerKandidaten();
    EXPECT_EQ(k[0], (dir / "home" / ".local/share").string());
}

TEST_F(StartupTest, AMissingDataFolderIsCreatedForTheUserOnlyWithItsParents) {
    struct Fall {
        const char* xdg;              // below dir; nullptr: not set
        std::vector<std::string> neu; // the folders made, below dir
    };
    const Fall faelle[] = {
        {"daten/zor", {"daten/zor"}},
        {"neu/tief/daten", {"neu", "neu/tief", "neu/tief/daten"}},
        {nullptr, {"home/.local", "home/.local/share"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.xdg ? f.xdg : "not set");
        fs::remove_all(dir / "home");
        fs::create_directories(dir / "home");
        env.set("HOME", (dir / "home").string());
        if (f.xdg)
            env.set("XDG_DATA_HOME", (dir / f.xdg).string());
        else
            env.unset("XDG_DATA_HOME");
        const auto modusDaten = fs::status(dir / "daten").permissions();
        Anzeigen::WurzelOrdnerSuchen();
        const fs::path daten = dir / (f.xdg ? f.xdg : "home/.local/share");
        EXPECT_EQ(P.WurzelOrdner, (daten / "JyRootJy").string() + "/");
        EXPECT_TRUE(fs::is_directory(daten / "JyRootJy"));
        EXPECT_FALSE(fs::exists(dir / "home" / "JyRootJy"));
        for (const auto& n : f.neu)
            EXPECT_EQ(fs::status(dir / n).permissions() & fs::perms::all, fs::perms::owner_all) << n;
        EXPECT_EQ(fs::status(dir / "daten").permissions(), modusDaten); // an existing folder as it was
    }
}

TEST_F(StartupTest, RootFolderIsCreatedInTheFirstWritableCandidateWithoutLeavingTheProbe) {
    env.set("HOME", (dir / "home").string());
    env.set("XDG_DATA_HOME", unmoeglich()); // the data folder cannot be made: the home folder is next
    Anzeigen::WurzelOrdnerSuchen();
    EXPECT_EQ(P.WurzelOrdner, (dir / "home" / "JyRootJy").string() + "/");
    EXPECT_TRUE(fs::is_directory(dir / "home" / "JyRootJy"));
    EXPECT_FALSE(fs::exists(dir / "home" / "asdfghjk"));
    EXPECT_FALSE(fs::exists(dir / "home" / "JyRootJy" / "asdfghjk"));

    // An existing root folder keeps what it holds.
    std::ofstream(dir / "home" / "JyRootJy" / "ZORPFAD.DAT") << "\"x\"\r\n";
    Anzeigen::WurzelOrdnerSuchen();
    EXPECT_TRUE(fs::exists(dir / "home" / "JyRootJy" / "ZORPFAD.DAT"));
}

TEST_F(StartupTest, TheProbeLeavesAFileOfItsNameAlone) {
    env.set("HOME", (dir / "home").string());
    env.set("XDG_DATA_HOME", unmoeglich());
    std::ofstream(dir / "home" / "asdfghjk") << "Notizen";
    Anzeigen::WurzelOrdnerSuchen();
    EXPECT_EQ(P.WurzelOrdner, (dir / "home" / "JyRootJy").string() + "/");
    EXPECT_EQ(vb::ReadFileBytes((dir / "home" / "asdfghjk").string()), "Notizen");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "home"), fs::directory_iterator()), 2); // + JyRootJy
}

TEST_F(StartupTest, NoWritableFolderIsToldWithTheFoldersTriedAndTheSearchFails) {
    const std::string daten = unmoeglich();
    env.set("XDG_DATA_HOME", daten);
    env.set("HOME", (dir / "fehlt2").string());
    env.set("TMPDIR", (dir / "fehlt3").string());
    EXPECT_FALSE(Anzeigen::WurzelOrdnerSuchen());
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    const auto& box = zor::meldeprotokoll::Eintraege()[0];
    EXPECT_EQ(box.knoepfe, vb::vbExclamation);
    for (const std::string& n : {daten, (dir / "fehlt2").string(), (dir / "fehlt3").string()})
        EXPECT_NE(box.text.find(n), std::string::npos) << n;
}

} // namespace
