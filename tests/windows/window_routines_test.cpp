// The shared window routines: key filter, mouse onto a control, centring, screen metrics, pattern
// list of the file dialog, screen-wide hourglass.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "windows/window_routines.h"

namespace {

class AnzeigenFensterTest : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        Anzeigen::FensterZuruecksetzen();
    }
    void TearDown() override { vb::headless::ResetForms(); }
};

TEST_F(AnzeigenFensterTest, ZahlTasteLetsOnlyNumberKeysThrough) {
    struct Fall {
        int16_t ein, aus;
        bool piep;
    };
    const Fall faelle[] = {
        {8, 8, false},   // backspace
        {44, 46, false}, // "," becomes "."
        {43, 43, false}, {45, 45, false}, {46, 46, false},
        {48, 48, false}, {57, 57, false}, {47, 0, true}, // "/"
        {42, 0, true},                                   // "*", just below "+"
        {58, 0, true},                                   // ":", just above "9"
        {'e', 0, true},  {' ', 0, true},  {13, 0, true}, // Enter
        {22, 0, true},                                   // Ctrl+V
        {3, 0, true},                                    // Ctrl+C
        {228, 0, true},                                  // "ä"
    };
    for (const auto& f : faelle) {
        vb::headless::Reset();
        int16_t k = f.ein;
        Anzeigen::ZahlTaste(k);
        EXPECT_EQ(k, f.aus) << "key " << f.ein;
        EXPECT_EQ(vb::headless::BeepCount(), f.piep ? 1 : 0) << "key " << f.ein;
    }
}

struct frmTest : vb::Form {
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::ListBox List0{*this, "List0"};
    vb::ListBox List1{*this, "List1"};
    vb::FileListBox File1{*this, "File1"};
    frmTest() : vb::Form("frmTest") {}
};

TEST_F(AnzeigenFensterTest, MausAufSteuerelementAimsAt80PercentWidthAndHalfHeight) {
    struct Fall {
        float w, h, tpp;
        int x, y;
    };
    const Fall faelle[] = {
        {1200, 375, 15, 64, 12}, // 12.5 rounds to the even 12
        {1275, 405, 15, 68, 14}, // 13.5 rounds to the even 14
        {1000, 300, 12, 67, 12}, // 66.67 -> 67; 12.5 -> 12
    };
    auto& f = vb::form<frmTest>();
    for (const auto& c : faelle) {
        vb::headless::SetScreen(1280, 1024, c.tpp);
        f.cmdOK.Move(100, 100, c.w, c.h);
        Anzeigen::MausAufSteuerelement(f.cmdOK);
        const auto& m = vb::headless::PointerMoves().back();
        EXPECT_EQ(m.control, "frmTest.cmdOK");
        EXPECT_EQ(m.x, c.x) << c.w;
        EXPECT_EQ(m.y, c.y) << c.h;
    }
}

TEST_F(AnzeigenFensterTest, MausAufSteuerelementOnAWindowAimsIntoItsClientArea) {
    auto& f = vb::form<frmTest>();
    f.setClientSize(4680, 3195);
    Anzeigen::MausAufSteuerelement(f);
    const auto& m = vb::headless::PointerMoves().back();
    EXPECT_EQ(m.control, "frmTest");
    EXPECT_EQ(m.x, 250); // 249.6
    EXPECT_EQ(m.y, 106); // 106.5 to the even 106
}

TEST_F(AnzeigenFensterTest, FormZentrierenDoesNotRound) {
    auto& f = vb::form<frmTest>();
    f.Move(0, 0, 4801, 3600);
    Anzeigen::FormZentrieren(f); // screen 19200 x 15360 twips
    EXPECT_FLOAT_EQ(f.Left(), 7199.5f);
    EXPECT_FLOAT_EQ(f.Top(), 5880.0f);
}

TEST_F(AnzeigenFensterTest, BildschirmMasseTakesTheScreensTwipsPerPixel) {
    vb::headless::SetScreen(1920, 1080, 12);
    Anzeigen::BildschirmMasse();
    EXPECT_FLOAT_EQ(Anzeigen::Fenster.TwipsProPixelX, 12.0f);
    EXPECT_FLOAT_EQ(Anzeigen::Fenster.TwipsProPixelY, 12.0f);
}

TEST_F(AnzeigenFensterTest, MusterListeFuellenOffersEachExtensionOnce) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("zor_muster_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "leer");
    for (auto n : {"bild.bmp", "plan.BMP", "wand", "wand.AUS", "x.tar.gz"})
        std::ofstream(dir / n) << "x";
    auto& f = vb::form<frmTest>();
    f.File1.setPath(dir.string());
    f.File1.setPattern("*.");
    Anzeigen::MusterListeFuellen(f.List1, f.List0, f.File1);
    std::vector<std::string> muster;
    for (int32_t i = 0; i < f.List0.ListCount(); ++i)
        muster.push_back(f.List0.List(i));
    EXPECT_EQ(muster, (std::vector<std::string>{"*.*", "*.BMP", "*.", "*.TAR.GZ"}));
    EXPECT_EQ(f.File1.Pattern(), "*.");
    EXPECT_EQ(f.File1.ListCount(), 1); // only "wand" again

    f.File1.setPath((dir / "leer").string());
    Anzeigen::MusterListeFuellen(f.List1, f.List0, f.File1);
    EXPECT_EQ(f.List0.ListCount(), 0);
    EXPECT_EQ(f.List1.ListCount(), 0);
    EXPECT_EQ(f.File1.Pattern(), "*.");
    fs::remove_all(dir);
}

TEST_F(AnzeigenFensterTest, HourglassOverTheWholeScreenAndBack) {
    Anzeigen::SanduhrZeigen();
    EXPECT_EQ(vb::Screen::MousePointer(), vb::vbHourglass);
    Anzeigen::PfeilZeigen();
    EXPECT_EQ(vb::Screen::MousePointer(), vb::vbDefault);
}

} // namespace
