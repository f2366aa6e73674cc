// The start window: the version, the small-screen warning and "Weiter".
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/winfs.h"
#include "run/frmZOR0.h"
#include "tests/support/environment.h"
#include "tests/support/start_dialog_stand_in.h"

namespace fs = std::filesystem;
using zorm1::P;
using zorm1::ResetProjectData;

namespace {

const std::string kWarnung = "Für das Programm wird eine Bildschirm-Auflösung von\r\n"
                             "mind.    1024 x 768     Pixeln empfohlen.\r\n"
                             "\r\n"
                             "Bei  800 x 600 Pixeln   muß die Taskleiste vom\r\n"
                             "Anwender minimiert werden, damit genug Platz für\r\n"
                             "die Eingabemasken verbleibt.";

class StartWindowTest : public ::testing::Test {
protected:
    fs::path dir;
    zortest::Umgebung env;
    void SetUp() override {
        vb::headless::ResetForms();
        ResetProjectData();
        zortest::StartDialogStandIn::Register();
        dir = fs::temp_directory_path() / ("zor_start_window_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "home");
        fs::create_directories(dir / "daten");
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        fs::remove_all(dir);
    }
};

TEST_F(StartWindowTest, StartWindowShowsVersionAndWaitsOnWeiter) {
    auto& f = vb::form<frmZOR0>();
    EXPECT_EQ(vb::headless::text("frmZOR0"), "Bild0");
    EXPECT_EQ(f.txtVersion.Text(), "V.07.05.2012");
    EXPECT_EQ(P.Versionstext, "V.07.05.2012");
    EXPECT_FLOAT_EQ(P.TiefeUnendlich, 99.0f);
    EXPECT_EQ(vb::headless::focused(), "frmZOR0.cmdOK");
    EXPECT_EQ(vb::headless::text("frmZOR0.cmdOK"), "Weiter");
    // The pointer lands on the right-hand part of "Weiter": 2280 x 495 twips at 15 twips per pixel.
    ASSERT_EQ(vb::headless::PointerMoves().size(), 1u);
    EXPECT_EQ(vb::headless::PointerMoves()[0].control, "frmZOR0.cmdOK");
    EXPECT_EQ(vb::headless::PointerMoves()[0].x, 122); // 121.6
    EXPECT_EQ(vb::headless::PointerMoves()[0].y, 16);  // 16.5 to the even 16
    // Centred on the screen of 19200 x 15360 twips.
    EXPECT_FLOAT_EQ(f.Left() * 2 + f.Width(), 19200.0f);
    EXPECT_FLOAT_EQ(f.Top() * 2 + f.Height(), 15360.0f);
    EXPECT_EQ(vb::headless::text("frmZOR0.Text2"),
              "Übernahme der eingegebenen Werte:\r\n - mit der OK-Taste jeder Maske.     WICHTIG !!!");
}

TEST_F(StartWindowTest, SmallScreenWarningOnlyBelow9000Twips) {
    struct Fall {
        int w, h;
        bool warnung;
    };
    for (const Fall& c : {Fall{1024, 768, false}, Fall{800, 600, false}, Fall{800, 599, true}}) {
        vb::headless::ResetForms();
        vb::headless::SetScreen(c.w, c.h, 15);
        vb::form<frmZOR0>();
        ASSERT_EQ(vb::headless::Log().size(), c.warnung ? 1u : 0u) << c.h;
        if (c.warnung) {
            EXPECT_EQ(vb::headless::Log()[0].prompt, kWarnung);
            EXPECT_EQ(vb::headless::Log()[0].buttons, vb::vbOKOnly + vb::vbExclamation);
            EXPECT_EQ(vb::headless::Log()[0].title, "");
        }
    }
}

TEST_F(StartWindowTest, WeiterFindsTheRootTidiesTheListAndLeavesForTheStartDialog) {
    env.set("XDG_DATA_HOME", (dir / "daten").string());
    vb::form<frmZOR0>();
    vb::user::click("frmZOR0.cmdOK");
    EXPECT_EQ(zortest::StartDialogStandIn::loads, 1);
    EXPECT_EQ(vb::headless::loadedForms(), std::vector<std::string>{"frmTitel"}); // the start window is gone
    EXPECT_EQ(P.WurzelOrdner, (dir / "daten" / "JyRootJy").string() + "/");
    // Without a list there is an empty one afterwards.
    EXPECT_TRUE(fs::exists(dir / "daten" / "JyRootJy" / "ZorDList.txt"));
    EXPECT_EQ(fs::file_size(dir / "daten" / "JyRootJy" / "ZorDList.txt"), 0u);
}

TEST_F(StartWindowTest, WithoutTheStartDialogWeiterEndsTheProgram) {
    env.set("XDG_DATA_HOME", (dir / "daten").string());
    vb::ClearRegistry();
    vb::form<frmZOR0>();
    vb::user::click("frmZOR0.cmdOK");
    EXPECT_TRUE(vb::headless::loadedForms().empty());
}

TEST_F(StartWindowTest, TheBigButtonDoesWhatWeiterDoes) {
    env.set("XDG_DATA_HOME", (dir / "daten").string());
    vb::form<frmZOR0>();
    vb::user::click("frmZOR0.cmdZOR");
    EXPECT_EQ(zortest::StartDialogStandIn::loads, 1);
    EXPECT_FALSE(vb::isLoaded<frmZOR0>());
}

TEST_F(StartWindowTest, OlderVersionIsStartedOnlyWhenItIsThere) {
    vb::form<frmZOR0>();
    const fs::path alt = fs::path(vb::AppPath()) / frmZOR0::kAeltereVersion;
    fs::remove(alt);
    vb::user::click("frmZOR0.cmdNeustartZOR2");
    EXPECT_TRUE(vb::isLoaded<frmZOR0>()); // missing: the user is told, the program goes on
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("Zor-03-2012.exe"), std::string::npos);
    EXPECT_TRUE(vb::headless::StartedPrograms().empty());

    std::ofstream(alt) << "x";
    EXPECT_THROW(vb::user::click("frmZOR0.cmdNeustartZOR2"), vb::ProgramEnd);
    ASSERT_EQ(vb::headless::StartedPrograms().size(), 1u);
    EXPECT_EQ(vb::headless::StartedPrograms()[0], alt.string());
    fs::remove(alt);
}

} // namespace
