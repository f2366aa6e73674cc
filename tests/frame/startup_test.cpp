// Start-up: the root folder that holds the settings and the list files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "frame/project_data.h"
#include "frame/startup.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
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
        vb::headless::ResetForms();
        ResetProjectData();
        dir = fs::temp_directory_path() / ("zor_startup_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "home");
        fs::create_directories(dir / "daten");
    }
    void TearDown() override {
        vb::headless::ResetForms();
        fs::remove_all(dir);
    }
};

TEST_F(StartupTest, RootFolderCandidatesFollowTheDataHomeRule) {
    env.set("HOME", (dir / "home").string());
    env.set("XDG_DATA_HOME", (dir / "daten").string());
    auto k = Anzeigen::WurzelOrdnerKandidaten();
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[0], (dir / "daten").string());
    EXPECT_EQ(k[1], (dir / "home").string());
    env.unset("XDG_DATA_HOME");
    k = Anzeigen::WurzelOrdnerKandidaten();
    EXPECT_EQ(k[0], (dir / "home" / ".local/share").string());
}

TEST_F(StartupTest, RootFolderIsCreatedInTheFirstWritableCandidateWithoutLeavingTheProbe) {
    env.set("HOME", (dir / "home").string());
    env.unset("XDG_DATA_HOME"); // ~/.local/share does not exist: the home folder is next
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
    env.unset("XDG_DATA_HOME");
    std::ofstream(dir / "home" / "asdfghjk") << "Notizen";
    Anzeigen::WurzelOrdnerSuchen();
    EXPECT_EQ(P.WurzelOrdner, (dir / "home" / "JyRootJy").string() + "/");
    EXPECT_EQ(vb::ReadFileBytes((dir / "home" / "asdfghjk").string()), "Notizen");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "home"), fs::directory_iterator()), 2); // + JyRootJy
}

TEST_F(StartupTest, NoWritableFolderEndsTheProgramAfterNamingTheFoldersTried) {
    env.set("XDG_DATA_HOME", (dir / "fehlt1").string());
    env.set("HOME", (dir / "fehlt2").string());
    env.set("TMPDIR", (dir / "fehlt3").string());
    EXPECT_THROW(Anzeigen::WurzelOrdnerSuchen(), vb::ProgramEnd);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    const auto& box = vb::headless::Log()[0];
    EXPECT_EQ(box.buttons, vb::vbExclamation);
    for (auto n : {"fehlt1", "fehlt2", "fehlt3"})
        EXPECT_NE(box.prompt.find((dir / n).string()), std::string::npos) << n;
}

} // namespace
