// Windows and picture boxes as drawing surfaces with the headless backend: one state for the
// window's colours, font and size; printing at text rows; measuring; Paint; an unloaded window's
// surface that draws nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/draw/devices.h"
#include "platform/draw/fonts.h"
#include "platform/forms/headless.h"

namespace {

using vb::draw::RecordOp;

// A progress window: white, Courier New 9 pt, a client area of 7455 x 3015 twips, rows of text.
class frmZeilen : public vb::Form {
public:
    frmZeilen() : vb::Form("frmZeilen") {
        setClientSize(7455, 3015);
        setBackColor(vb::draw::vbWhite);
        setFont("Courier New", 9);
        Resizable = false;
    }
    void Form_Load() override { Show(); }
};

class frmBild : public vb::Form {
public:
    vb::PictureBox picMess{*this, "picMess"};
    vb::CommandButton cmdZu{*this, "cmdZu"};
    std::vector<std::string> ev;
    frmBild() : vb::Form("frmBild") {
        setClientSize(6000, 4000);
        picMess.Move(150, 150, 3000, 1500);
        picMess.Paint = [this] { ev.push_back("picMess.Paint"); };
        cmdZu.Click = [this] { vb::Unload(*this); };
    }
    void Form_Load() override { Show(); }
    void Form_Resize() override { ev.push_back("Resize"); }
    void Form_Paint() override { ev.push_back("Paint"); }
};

class WindowDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::draw::ResetDevices();
    }
    void TearDown() override { vb::headless::ResetForms(); }
    static std::vector<std::string> log(vb::draw::WindowSurface& s) {
        auto r = vb::headless::Recorder(s);
        return r ? r->Log() : std::vector<std::string>{};
    }
};

// Courier New (Liberation Mono): a cell of (1705 + 615) / 2048 em, an advance of 1229 / 2048 em.
constexpr double kCourierCell = (1705.0 + 615.0) / 2048.0;
constexpr double kCourierAdvance = 1229.0 / 2048.0;

TEST_F(WindowDrawing, AWindowPrintsAtTextRowsInItsOwnFont) {
    auto& f = vb::form<frmZeilen>();
    auto& s = f.surface();
    s.SetScaleMode(vb::draw::vbCharacters); // 120 x 240 twips per character
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 7455.0 / 120);
    EXPECT_FLOAT_EQ(f.ScaleHeight(), 3015.0f / 240); // the window's ScaleHeight is the surface's
    s.SetCurrentY(2);
    s.Print("  Iter     xM");
    s.SetCurrentX(0);
    s.SetCurrentY(5);
    s.Print("  Der Gleitkreis");
    EXPECT_EQ(log(s), (std::vector<std::string>{R"(Print (0,2) "  Iter     xM" [Courier New 9])",
                                                R"(Print (0,5) "  Der Gleitkreis" [Courier New 9])"}));
    // A 9-pt line is 180 x 1.1328 twips high: the next row starts 0.85 character rows further down.
    EXPECT_NEAR(s.CurrentY(), 5 + 180 * kCourierCell / 240, 1e-9);
}

TEST_F(WindowDrawing, TheWindowsColoursFontAndSizeAreThoseOfItsSurface) {
    auto& f = vb::form<frmBild>();
    auto& s = f.surface();
    s.SetForeColor(255);
    EXPECT_EQ(f.ForeColor(), 255);
    f.setBackColor(0x00FF00);
    EXPECT_EQ(s.BackColor(), 0x00FF00);
    f.setFont("Arial", 12, true, true);
    EXPECT_EQ(s.Font().name, "Arial");
    EXPECT_TRUE(s.Font().bold && s.Font().italic);
    s.SetFontName("Times New Roman");
    EXPECT_EQ(f.FontName(), "Times New Roman");
    EXPECT_DOUBLE_EQ(s.DeviceWidthTwips(), 6000);
    f.setClientSize(9000, 3000);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 9000);
    s.Scale(0, 0, 10, 5); // a user scale stays when the window changes its size
    f.setClientSize(4500, 3000);
    EXPECT_FLOAT_EQ(f.ScaleWidth(), 10);
    EXPECT_DOUBLE_EQ(s.ToTwipsX(10), 4500);
    EXPECT_FLOAT_EQ(f.clientWidth(), 4500);
    // The picture box: its own state, inside its border of one pixel (15 twips) on each side.
    auto& p = f.picMess.surface();
    EXPECT_DOUBLE_EQ(p.ScaleWidth(), 3000 - 30);
    EXPECT_DOUBLE_EQ(p.ScaleHeight(), 1500 - 30);
    f.picMess.setBackColor(0x0000FF);
    EXPECT_EQ(p.BackColor(), 0x0000FF);
    p.SetForeColor(0xFF0000);
    EXPECT_EQ(f.picMess.ForeColor(), 0xFF0000);
    EXPECT_EQ(f.ForeColor(), 255); // the window's stays
}

TEST_F(WindowDrawing, ChangingTheBackColorClearsWhatIsDrawn) {
    auto& f = vb::form<frmBild>();
    f.surface().Line(0, 0, 100, 100);
    f.setBackColor(255);
    f.surface().Cls();
    EXPECT_EQ(log(f.surface()), (std::vector<std::string>{"Line (0,0)-(100,100)", "Cls c=255", "Cls c=255"}));
    EXPECT_DOUBLE_EQ(f.surface().CurrentX(), 0);
}

TEST_F(WindowDrawing, AFixedPitchFontMeasuresLettersAndDotsAlike) {
    auto& p = vb::form<frmBild>().picMess.surface();
    const std::string a(20, 'A'), dots(20, '.');
    p.SetFontName("Courier New");
    p.SetFontSize(9);
    EXPECT_NEAR(p.TextWidth(a), 20 * 180 * kCourierAdvance, 1e-9);
    EXPECT_DOUBLE_EQ(p.TextWidth(a), p.TextWidth(dots));
    p.SetFontName("Arial");
    EXPECT_GT(p.TextWidth(a), 2 * p.TextWidth(dots)); // A 0.667 em, the dot 0.278 em
    EXPECT_TRUE(log(p).empty());                      // measuring draws nothing
}

TEST_F(WindowDrawing, FontSizesReadBackAsTheScreenTookThem) {
    struct Fall {
        float set;
        float tpp;
        float taken;
    };
    // The em snaps to whole pixels: 7 pt at 96 dpi is 9.33 px, taken as 9 px = 6.75 pt.
    const Fall faelle[] = {{7, 15, 6.75f}, {8.25f, 15, 8.25f}, {9, 15, 9},       {10, 15, 9.75f},
                           {12, 15, 12},   {7, 12, 7.2f},      {0.1f, 15, 0.75f}};
    for (const Fall& c : faelle) {
        vb::headless::ResetForms();
        vb::headless::SetScreen(1280, 1024, c.tpp);
        auto& f = vb::form<frmBild>();
        f.setFontSize(c.set);
        f.cmdZu.setFontSize(c.set);
        f.picMess.setFontSize(c.set);
        EXPECT_FLOAT_EQ(f.FontSize(), c.taken) << c.set << " pt at " << c.tpp;
        EXPECT_FLOAT_EQ(f.cmdZu.FontSize(), c.taken) << c.set << " pt at " << c.tpp;
        EXPECT_FLOAT_EQ(f.picMess.surface().Font().size, c.taken) << c.set << " pt at " << c.tpp;
    }
    vb::draw::Printer().SetFontSize(7); // the printer's own resolution: no snapping to the screen
    EXPECT_FLOAT_EQ(vb::draw::Printer().Font().size, 7);
}

TEST_F(WindowDrawing, ItalicIsKeptOnControlsAndBoldIsTakenAsSet) {
    auto& f = vb::form<frmBild>();
    f.cmdZu.setFont("Courier New", 8.25f, true, true);
    EXPECT_TRUE(f.cmdZu.FontItalic());
    f.cmdZu.setFontItalic(false);
    EXPECT_FALSE(f.cmdZu.FontItalic());
    EXPECT_TRUE(f.cmdZu.FontBold());
    EXPECT_EQ(f.cmdZu.FontName(), "Courier New");
}

TEST_F(WindowDrawing, PaintRunsAtTheFirstDisplayAndAfterEveryNewSizeUnlessAutoRedraw) {
    auto& f = vb::form<frmBild>();
    EXPECT_EQ(f.ev, (std::vector<std::string>{"Resize", "Paint", "picMess.Paint"}));
    f.ev.clear();
    f.setClientSize(7000, 4000);
    f.picMess.Move(150, 150, 2000, 1500);
    f.picMess.Move(300, 300, 2000, 1500); // moved, not resized
    EXPECT_EQ(f.ev, (std::vector<std::string>{"Resize", "Paint", "picMess.Paint"}));
    f.ev.clear();
    f.Refresh(); // repaints the window and what is on it
    f.picMess.Refresh();
    EXPECT_EQ(f.ev, (std::vector<std::string>{"Paint", "picMess.Paint", "picMess.Paint"}));
    f.ev.clear();
    f.AutoRedraw = true;
    f.picMess.AutoRedraw = true;
    f.setClientSize(5000, 4000);
    f.picMess.Move(150, 150, 1000, 1500);
    f.Refresh();
    EXPECT_EQ(f.ev, (std::vector<std::string>{"Resize"}));
}

TEST_F(WindowDrawing, TheSurfaceOfAnUnloadedWindowDrawsNothingAndSaysSo) {
    auto s = vb::form<frmBild>().surfaceHandle();
    auto pic = vb::form<frmBild>().picMess.surfaceHandle();
    s->Line(0, 0, 10, 10);
    auto rec = vb::headless::Recorder(*s);
    ASSERT_NE(rec, nullptr);
    // The picture sequence waits; the user closes the window meanwhile.
    vb::script::click("frmBild.cmdZu");
    int bilder = 0;
    while (!s->Closed() && bilder < 100) {
        s->Circle(5, 5, 1);
        ++bilder;
        vb::DoEvents();
    }
    EXPECT_EQ(bilder, 1);
    EXPECT_FALSE(vb::isLoaded<frmBild>());
    // The window is freed; what still holds its surface draws and measures without a fault.
    s->Line(1, 1, 2, 2);
    s->Print("weg");
    s->Cls();
    pic->Circle(1, 1, 1);
    EXPECT_GT(pic->TextWidth("abc"), 0);
    EXPECT_TRUE(pic->Closed());
    EXPECT_EQ(rec->Log(), (std::vector<std::string>{"Line (0,0)-(10,10)", "Circle (5,5),1"}));
    EXPECT_EQ(vb::headless::Recorder(*pic), nullptr); // it never drew
}

TEST_F(WindowDrawing, AnotherPictureDeviceMakesTheHeadlessPictures) {
    std::vector<std::string> made;
    vb::headless::SetPictureDevice([&](double w, double h, double tpp, int32_t back) {
        made.push_back(std::to_string(static_cast<int>(w)) + "x" + std::to_string(static_cast<int>(h)) + "/" +
                       std::to_string(static_cast<int>(tpp)) + " " + std::to_string(back));
        return std::shared_ptr<vb::draw::Surface>(vb::draw::RecordingSurface::Screen(w / tpp, h / tpp, tpp));
    });
    auto& f = vb::form<frmBild>();
    f.setBackColor(vb::draw::vbWhite);
    f.surface().Print("x");
    f.surface().Print("y");
    EXPECT_EQ(made, (std::vector<std::string>{"6000x4000/15 16777215"})); // one picture per surface
}

} // namespace

namespace {

TEST_F(WindowDrawing, NothingIsDrawnWhileTheWindowIsBeingBuilt) {
    struct frmFrueh : vb::Form {
        double breite = 0;
        frmFrueh() : vb::Form("frmFrueh") {
            surface().Print("zu früh");
            breite = surface().TextWidth("abc"); // measured with the fonts' model
        }
        void Form_Load() override { surface().Print("geladen"); }
    };
    auto& f = vb::form<frmFrueh>();
    EXPECT_NEAR(f.breite, 3 * 0.556 * 8.25 * 20, 1e-9); // MS Sans Serif is drawn as Arial
    auto rec = vb::headless::Recorder(f.surface());
    ASSERT_EQ(rec->Records().size(), 1u);
    EXPECT_EQ(rec->Records()[0].text, "geladen");
    // The early Print still moved the current point down one line of (1854 + 434) / 2048 em.
    EXPECT_NEAR(rec->Records()[0].y1, 8.25 * 20 * 2288.0 / 2048, 1e-9);
}

} // namespace
