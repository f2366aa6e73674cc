// The settings frames of the graphics window: first on a small window of their own (what a box stores),
// then in the graphics window itself, where a script of user actions changes the settings and the next
// drawing uses them, and finally the round trip through the settings file and the project file.
#include <filesystem>

#include "frame/project_file.h"
#include "frame/settings.h"
#include "graphics/drawing.h"
#include "graphics/frmZorG1.h"
#include "graphics/settings.h"
#include "graphics_fixture.h"
#include "platform/draw/devices.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "plot_writer.h"

using zorm1::P;

namespace grafik_test {
namespace {

class frmProbe : public vb::Form {
public:
    zorg::GrafikEinstellungen einst{*this, [this] { ++neu; }};
    int neu = 0;
    frmProbe() : vb::Form("frmProbe") { setClientSize(9000, 6000); }
    void Form_Load() override { Show(); }
};

class Einstellungen : public GrafikTest {
protected:
    void SetUp() override {
        GrafikTest::SetUp();
        vb::headless::ResetForms();
        vb::draw::ResetDevices();
        vb::SetDecimalSeparator('.');
        P.GrafikRandLinks = P.GrafikRandRechts = P.GrafikRandOben = P.GrafikRandUnten = 10;
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::SetDecimalSeparator(0);
    }
    // Types a text into a box of the probe window and leaves it for the frame's OK.
    static void Eingeben(const std::string& box, const std::string& text, const std::string& ok) {
        vb::user::focus("frmProbe." + box);
        vb::user::type(text);
        vb::user::click("frmProbe." + ok);
    }
};

TEST_F(Einstellungen, MarginsAreRoundedKeepTheirMinimumsAndNeedADrawingArea) {
    auto& f = vb::form<frmProbe>();
    struct Rand {
        std::string box, text;
        int16_t zorm1::ProjectData::*feld;
        int16_t erwartet;
        std::string zeigt;
        bool beep;
    };
    // the recording printer's sheet: 200 x 287 mm printable in portrait
    const Rand faelle[] = {
        {"txtRandLinks", "3", &zorm1::ProjectData::GrafikRandLinks, 6, "6", false},
        {"txtRandUnten", "3", &zorm1::ProjectData::GrafikRandUnten, 5, "5", false},
        {"txtRandLinks", "6.5", &zorm1::ProjectData::GrafikRandLinks, 6, "6", false},
        {"txtRandLinks", "7.5", &zorm1::ProjectData::GrafikRandLinks, 8, "8", false},
        {"txtRandRechts", "-4", &zorm1::ProjectData::GrafikRandRechts, 6, "6", false},
        {"txtRandLinks", "150", &zorm1::ProjectData::GrafikRandLinks, 150, "150", false},
        {"txtRandLinks", "190", &zorm1::ProjectData::GrafikRandLinks, 10, "10", true}, // 190 + 10 = 200 mm
        {"txtRandOben", "99999", &zorm1::ProjectData::GrafikRandOben, 10, "10", true}, // beyond 16 bits
        {"txtRandOben", "278", &zorm1::ProjectData::GrafikRandOben, 10, "10", true},   // 278 + 10 > 287
        {"txtRandOben", "270", &zorm1::ProjectData::GrafikRandOben, 270, "270", false},
    };
    for (const auto& r : faelle) {
        SCOPED_TRACE(r.box + " " + r.text);
        P.GrafikRandLinks = P.GrafikRandRechts = P.GrafikRandOben = P.GrafikRandUnten = 10;
        f.einst.txtRandLinks.setText("10");
        vb::user::menu("frmProbe.mnuRaender");
        const int beeps = vb::headless::BeepCount();
        Eingeben(r.box, r.text, "cmdOKRand");
        EXPECT_EQ(P.*(r.feld), r.erwartet);
        EXPECT_EQ(vb::headless::text("frmProbe." + r.box), r.zeigt);
        EXPECT_EQ(vb::headless::BeepCount() > beeps, r.beep);
    }
    // with the header and footer boxes 2 x 20.5 mm more are needed: 240 + 10 + 41 > 287
    P.H504Ein = -1;
    P.GrafikRandOben = 10;
    vb::user::menu("frmProbe.mnuRaender");
    Eingeben("txtRandOben", "240", "cmdOKRand");
    EXPECT_EQ(P.GrafikRandOben, 10);
    EXPECT_FALSE(vb::headless::visible("frmProbe.frmRand"));
    EXPECT_GT(f.neu, 0);
}

TEST_F(Einstellungen, ScaleAndOriginKeepTheirFractionsAndRefuseWhatASingleCannotHold) {
    auto& f = vb::form<frmProbe>();
    P.Massstab = 100;
    vb::user::menu("frmProbe.mnuMassstab");
    EXPECT_TRUE(vb::headless::visible("frmProbe.frmMass"));
    EXPECT_EQ(vb::headless::text("frmProbe.txtMass"), "100");
    Eingeben("txtMass", "62.5", "cmdOKMass");
    EXPECT_FLOAT_EQ(P.Massstab, 62.5f);
    EXPECT_FALSE(vb::headless::visible("frmProbe.frmMass"));
    EXPECT_EQ(f.neu, 1);
    vb::user::menu("frmProbe.mnuMassstab");
    Eingeben("txtMass", "1" + std::string(40, '0'), "cmdOKMass");
    EXPECT_FLOAT_EQ(P.Massstab, 62.5f);
    EXPECT_EQ(vb::headless::text("frmProbe.txtMass"), "62.5");

    // 0 and below are accepted here and drawn at 1 : 100
    for (const char* t : {"0", "-50"}) {
        vb::user::menu("frmProbe.mnuMassstab");
        Eingeben("txtMass", t, "cmdOKMass");
        EXPECT_FLOAT_EQ(P.Massstab, static_cast<float>(vb::Val(t)));
        ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
        EXPECT_FLOAT_EQ(zorg::Grafik().ZeichenEinheit, 100 * 0.25f / 1000) << t;
    }

    vb::user::menu("frmProbe.mnuNullpunkt");
    EXPECT_EQ(vb::headless::focused(), "frmProbe.txtxNull");
    vb::user::type("-1.25");
    vb::user::focus("frmProbe.txtZnull");
    vb::user::type("2.5");
    vb::user::click("frmProbe.cmdxNullOK");
    EXPECT_FLOAT_EQ(P.xNull, -1.25f);
    EXPECT_FLOAT_EQ(P.zNull, 2.5f);
    EXPECT_EQ(f.neu, 5);
}

TEST_F(Einstellungen, FontFrameOpensWithTheOptionOfTheNameAndChoosesAnInstalledFont) {
    auto& f = vb::form<frmProbe>();
    struct Fall {
        std::string name;
        int gewaehlt;
    } faelle[] = {{"Courier New", 2}, {"Arial", 0}, {"Wingdings", -1}};
    for (const auto& c : faelle) {
        P.GrafikFontName = c.name;
        vb::user::menu("frmProbe.mnuSchrift");
        for (int16_t i = 0; i < 3; ++i)
            EXPECT_EQ(f.einst.Option1(i).Value(), i == c.gewaehlt) << c.name << " " << i;
    }
    // "( Times New Roman )" becomes the installed name; without such a font the previous name stays
    P.GrafikFontName = "Arial";
    vb::user::click("frmProbe.Option1(1)");
    vb::user::focus("frmProbe.chkSchriftFett");
    EXPECT_EQ(P.GrafikFontName, "Times New Roman");
    vb::headless::SetFonts({"Courier New", "Arial"});
    P.GrafikFontName = "Arial";
    vb::user::click("frmProbe.Option1(1)");
    vb::user::focus("frmProbe.chkSchriftFett");
    EXPECT_EQ(P.GrafikFontName, "Arial");
    P.GrafikFontName = "Wingdings";
    EXPECT_FALSE(zorg::SchriftVorhanden("x"));
    EXPECT_EQ(P.GrafikFontName, "x");
}

TEST_F(Einstellungen, FontSizeShownWithTheLocaleSeparatorIsReadBackWithIt) {
    for (char sep : {',', '.'}) {
        vb::SetDecimalSeparator(sep);
        vb::headless::ResetForms();
        auto& f = vb::form<frmProbe>();
        P.GrafikFontSize = 6.75f;
        f.einst.EinstellungenAnzeigen();
        vb::user::menu("frmProbe.mnuSchrift");
        // 10 pt is 13.3 pixels at 96 dpi: the window takes 13 pixels, 9.75 pt
        vb::user::scroll("frmProbe.HScroll1", 10);
        EXPECT_EQ(vb::headless::text("frmProbe.Label1(4)"), sep == ',' ? "9,75" : "9.75");
        vb::user::click("frmProbe.cmdOKSchrift");
        EXPECT_FLOAT_EQ(P.GrafikFontSize, 9.75f) << sep;
        // an untouched display shows the stored size and gives it back unchanged
        P.GrafikFontSize = 8.25f;
        f.einst.EinstellungenAnzeigen();
        vb::user::menu("frmProbe.mnuSchrift");
        vb::user::click("frmProbe.cmdOKSchrift");
        EXPECT_FLOAT_EQ(P.GrafikFontSize, 8.25f) << sep;
    }
}

TEST_F(Einstellungen, EachMenuShowsItsFrameAndClosesTheOthersButTheOriginFrameStays) {
    vb::form<frmProbe>();
    vb::user::menu("frmProbe.mnuNullpunkt");
    vb::user::menu("frmProbe.mnuSchrift");
    EXPECT_TRUE(vb::headless::visible("frmProbe.frmNullpunkt"));
    vb::user::menu("frmProbe.mnuRaender");
    EXPECT_FALSE(vb::headless::visible("frmProbe.frmSchrift"));
    EXPECT_TRUE(vb::headless::visible("frmProbe.frmRand"));
    vb::user::menu("frmProbe.mnuMassstab");
    EXPECT_FALSE(vb::headless::visible("frmProbe.frmRand"));
    vb::user::menu("frmProbe.mnuNullpunkt");
    EXPECT_FALSE(vb::headless::visible("frmProbe.frmMass"));
    EXPECT_TRUE(vb::headless::visible("frmProbe.frmNullpunkt"));
}

// ------------------------------------------------------------------- in the graphics window

class FensterEinstellungen : public Einstellungen {
protected:
    void SetUp() override {
        Einstellungen::SetUp();
        vb::ClearRegistry();
        drucker_ = FensterEinrichten();
        P.AnzLF = 1;
        P.AnzAush = 1;
        PlotDatei(Lauf(1, 1));
    }
    void TearDown() override {
        vb::draw::SetPrinter(nullptr);
        vb::ClearRegistry();
        Einstellungen::TearDown();
    }
    static frmZorG1& G() { return *static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1")); }
    // The font of the last text drawn on the window.
    static vb::draw::FontSpec LetzteSchrift() {
        auto rec = vb::headless::Recorder(G().surface());
        vb::draw::FontSpec f;
        for (const auto& r : rec->Records())
            if (r.op == RecordOp::Print) f = r.font;
        return f;
    }
    std::unique_ptr<RecordingSurface> drucker_;
};

TEST_F(FensterEinstellungen, ANewUsersChangesTakeEffectAtTheNextDrawing) {
    using namespace vb::script;
    int bilder = 0;
    auto gezeichnet = [&bilder] { bilder = static_cast<int>(G().Folge().verlauf.size()); };
    call(gezeichnet);
    // scale 1 : 50
    menu("frmZorG1.mnuMassstab");
    focus("frmZorG1.txtMass");
    type("50");
    click("frmZorG1.cmdOKMass");
    float links50 = 0; // the frame's left edge at 1 : 50
    call([&] {
        EXPECT_EQ(static_cast<int>(G().Folge().verlauf.size()), bilder + 1); // drawn again
        EXPECT_FLOAT_EQ(zorg::Grafik().ZeichenEinheit, 50 * 0.25f / 1000);
        links50 = zorg::Grafik().BildLinks;
        gezeichnet();
    });
    // origin shifted 2 m to the right and 1 m down: the frame moves the other way
    menu("frmZorG1.mnuNullpunkt");
    type("2");
    focus("frmZorG1.txtZnull");
    type("1");
    call([&] { EXPECT_EQ(static_cast<int>(G().Folge().verlauf.size()), bilder); }); // not before OK
    click("frmZorG1.cmdxNullOK");
    call([&] {
        EXPECT_EQ(static_cast<int>(G().Folge().verlauf.size()), bilder + 1);
        // the frame of the 1 : 50 window, moved by the shift
        EXPECT_NEAR(zorg::Grafik().BildLinks, links50 - 2.0f, 1e-4f);
        EXPECT_FLOAT_EQ(P.xNull, 2.0f);
        EXPECT_FLOAT_EQ(P.zNull, 1.0f);
    });
    // font "( Times New Roman )", bold, 10 pt (9.75 on the screen)
    menu("frmZorG1.mnuSchrift");
    click("frmZorG1.Option1(1)");
    click("frmZorG1.chkSchriftFett");
    scroll("frmZorG1.HScroll1", 10);
    click("frmZorG1.cmdOKSchrift");
    call([&] {
        EXPECT_EQ(P.GrafikFontName, "Times New Roman");
        EXPECT_EQ(P.GrafikFontBold, 1);
        EXPECT_FLOAT_EQ(P.GrafikFontSize, 9.75f);
        const auto f = LetzteSchrift();
        EXPECT_EQ(f.name, "Times New Roman");
        EXPECT_TRUE(f.bold);
        EXPECT_FALSE(vb::headless::visible("frmZorG1.frmSchrift"));
    });
    // margins, then landscape, then a printout
    menu("frmZorG1.mnuRaender");
    focus("frmZorG1.txtRandLinks");
    type("3");
    click("frmZorG1.cmdOKRand");
    call([&] { G().setWindowState(vb::vbMaximized); }); // the user maximised it: landscape brings it back
    menu("frmZorG1.mnuQuerein");
    call([&] {
        EXPECT_EQ(P.GrafikRandLinks, 6);
        EXPECT_EQ(P.Querformat, -1);
        EXPECT_EQ(G().Caption(), "Grafik anzeigen; Ausdruck im Querformat");
        EXPECT_EQ(G().WindowState(), vb::vbNormal);
        EXPECT_FLOAT_EQ(G().Width(), 0.5f * vb::Screen::Width());
    });
    menu("frmZorG1.mnuBildDrucken");
    call([&] {
        bool quer = false;
        for (const auto& r : drucker_->Records())
            quer |= (r.op == RecordOp::BeginDoc || r.op == RecordOp::NewPage) &&
                    r.orientation == vb::draw::vbPRORLandscape;
        EXPECT_TRUE(quer);
        EXPECT_EQ(drucker_->DocumentsEnded(), 1);
    });
    menu("frmZorG1.mnuQueraus");
    call([&] {
        EXPECT_EQ(P.Querformat, 0);
        EXPECT_EQ(G().Caption(), "Grafik anzeigen; Ausdruck im Hochformat");
    });
    close("frmZorG1");
    vb::FormByName("frmZorG1");
}

TEST_F(FensterEinstellungen, NavigationClosesScaleMarginAndFontFramesButNotTheOriginFrame) {
    using namespace vb::script;
    PlotDatei(Lauf(1, 2));
    P.AnzAush = 2;
    menu("frmZorG1.mnuNullpunkt");
    menu("frmZorG1.mnuRaender");
    menu("frmZorG1.mnuWeiter");
    call([] {
        EXPECT_FALSE(vb::headless::visible("frmZorG1.frmRand"));
        EXPECT_TRUE(vb::headless::visible("frmZorG1.frmNullpunkt"));
    });
    menu("frmZorG1.mnuSchrift");
    menu("frmZorG1.mnuZurueck");
    call([] { EXPECT_TRUE(vb::headless::visible("frmZorG1.frmSchrift")); });
    close("frmZorG1");
    vb::FormByName("frmZorG1");
}

TEST_F(FensterEinstellungen, SettingsSurviveTheSettingsFileAndTheProjectFile) {
    using namespace vb::script;
    P.WurzelOrdner = (std::filesystem::current_path() / "").string();
    menu("frmZorG1.mnuRaender");
    focus("frmZorG1.txtRandOben");
    type("12");
    focus("frmZorG1.txtRandUnten");
    type("7.5");
    click("frmZorG1.cmdOKRand");
    menu("frmZorG1.mnuSchrift");
    click("frmZorG1.Option1(2)");
    scroll("frmZorG1.HScroll1", 12);
    click("frmZorG1.cmdOKSchrift");
    menu("frmZorG1.mnuQuerein");
    menu("frmZorG1.mnuMassstab");
    focus("frmZorG1.txtMass");
    type("75");
    click("frmZorG1.cmdOKMass");
    menu("frmZorG1.mnuNullpunkt");
    type("-0.5");
    focus("frmZorG1.txtZnull");
    type("1.5");
    click("frmZorG1.cmdxNullOK");
    close("frmZorG1");
    vb::FormByName("frmZorG1");
    ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
    const std::string projekt = (std::filesystem::current_path() / "einst.zor").string();
    ASSERT_TRUE(zorm1::EingabeSchreiben(projekt));
    const float groesse = P.GrafikFontSize;
    EXPECT_FLOAT_EQ(groesse, 12.0f); // 16 pixels exactly
    zorm1::ResetProjectData();
    P.WurzelOrdner = (std::filesystem::current_path() / "").string();
    Anzeigen::PfadDateiLesen();
    EXPECT_EQ(P.GrafikRandOben, 12);
    EXPECT_EQ(P.GrafikRandUnten, 8);
    EXPECT_EQ(P.GrafikRandLinks, 10);
    EXPECT_EQ(P.GrafikFontName, "Courier New");
    EXPECT_FLOAT_EQ(P.GrafikFontSize, groesse);
    EXPECT_EQ(P.Querformat, -1);
    ASSERT_TRUE(zorm1::EingabeLesen(projekt));
    EXPECT_FLOAT_EQ(P.Massstab, 75.0f);
    EXPECT_FLOAT_EQ(P.xNull, -0.5f);
    EXPECT_FLOAT_EQ(P.zNull, 1.5f);
}

} // namespace
} // namespace grafik_test
