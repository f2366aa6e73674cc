// The graphics window driven by scripted menu choices on the headless backend.
#include "graphics/frmZorG1.h"
#include "graphics_fixture.h"
#include "platform/draw/devices.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbfile.h"
#include "plot_writer.h"
#include "report/frmColours.h"

using zorm1::P;

namespace grafik_test {
namespace {

class Fenster : public GrafikTest {
protected:
    void SetUp() override {
        GrafikTest::SetUp();
        vb::headless::ResetForms();
        vb::ClearRegistry();
        vb::draw::ResetDevices();
        drucker_ = FensterEinrichten();
        P.GrafikRandLinks = P.GrafikRandRechts = P.GrafikRandOben = 10;
        P.GrafikRandUnten = 10;
    }
    void TearDown() override {
        vb::draw::SetPrinter(nullptr);
        vb::headless::ResetForms();
        vb::ClearRegistry();
    }
    void Lauf(int lf, int aush) {
        P.AnzLF = static_cast<int16_t>(lf);
        P.AnzAush = static_cast<int16_t>(aush);
        PlotDatei(grafik_test::Lauf(lf, aush));
    }
    std::vector<std::string> GedruckteTexte() const {
        std::vector<std::string> t;
        for (const auto& r : drucker_->Records())
            if (r.op == RecordOp::Print) t.push_back(r.text);
        return t;
    }
    std::unique_ptr<RecordingSurface> drucker_;
};

TEST_F(Fenster, PrintingAPictureMakesOneDocumentTaggedWithPictureAndProject) {
    Lauf(1, 1);
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::menu("frmZorG1.mnuBildDrucken");
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1"); // loading runs the sequence; it returns when the window is closed
    EXPECT_EQ(drucker_->DocumentsEnded(), 1);
    bool tag = false;
    for (const auto& t : GedruckteTexte())
        tag |= t == "B102 zu /daten/Baugrube.zor";
    EXPECT_TRUE(tag);
    EXPECT_EQ(vb::LoadedForm("frmZorG1"), nullptr);
    EXPECT_FALSE(vb::IsOpen(1));
}

// A printer that notes the graphics window's mouse pointer and the time slept at the first line of each
// document and when a document ends.
class ZeugenDrucker : public RecordingSurface {
public:
    ZeugenDrucker() : RecordingSurface(true, kA4PrintableWidth, kA4PrintableHeight, 1440.0 / 600, 600) {}
    struct Stand {
        int16_t zeiger;
        int geschlafen;
    };
    std::vector<Stand> beimZeichnen, amEnde;
    bool neu = true;

protected:
    static Stand Jetzt() {
        const vb::Form* f = vb::LoadedForm("frmZorG1");
        return {f ? f->MousePointer() : int16_t{-1}, vb::headless::SleptMs()};
    }
    void DoLine(const vb::draw::LineCall& c) override {
        if (neu) beimZeichnen.push_back(Jetzt());
        neu = false;
        RecordingSurface::DoLine(c);
    }
    void DoEndDoc() override {
        amEnde.push_back(Jetzt());
        neu = true;
        RecordingSurface::DoEndDoc();
    }
};

// While a picture goes to the printer the window shows the hourglass; after the drawing a pause of one
// second (counted by the headless backend, not waited), then the pointer is back before the page is sent.
TEST_F(Fenster, APrintoutShowsTheHourglassAndPausesASecondBeforeThePageIsSent) {
    ZeugenDrucker zeuge;
    zeuge.SetMeasure(Einfach);
    vb::draw::SetPrinter(&zeuge);
    Lauf(1, 3);
    int vorher = -1;
    vb::script::call([&] { vorher = vb::headless::SleptMs(); });
    vb::script::menu("frmZorG1.mnuAlleBilderDrucken");
    vb::script::call([&] { EXPECT_EQ(vb::LoadedForm("frmZorG1")->MousePointer(), vb::vbDefault); });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
    ASSERT_EQ(zeuge.amEnde.size(), 8u); // pictures 1 to 8
    ASSERT_EQ(zeuge.beimZeichnen.size(), 8u);
    for (std::size_t k = 0; k < zeuge.amEnde.size(); ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(zeuge.beimZeichnen[k].zeiger, vb::vbHourglass);
        EXPECT_LT(zeuge.beimZeichnen[k].geschlafen - vorher, 1000 * static_cast<int>(k + 1));
        EXPECT_EQ(zeuge.amEnde[k].zeiger, vb::vbDefault);
        // a second per document, plus the wait's own 10 ms steps between the pictures at most
        EXPECT_GE(zeuge.amEnde[k].geschlafen - vorher, 1000 * static_cast<int>(k + 1));
        EXPECT_LT(zeuge.amEnde[k].geschlafen - vorher, 1000 * static_cast<int>(k + 1) + 200);
    }
    vb::draw::SetPrinter(drucker_.get());
}

TEST_F(Fenster, AllFollowingPicturesFromPictureTwoOfEightMakeSevenDocuments) {
    Lauf(1, 3);
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::menu("frmZorG1.mnuAlleBilderDrucken");
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
    EXPECT_EQ(drucker_->DocumentsEnded(), 7);
}

// Without a printer the pictures go to PDF files beside the project file, and the window says where, as the
// report window does: one box for "Bild drucken", one for "Alle folg. Bilder drucken" once the last picture
// is printed, naming the first and the last files of a long run. A system printer (no file) says nothing.
TEST_F(Fenster, PrintedPicturesSayWhichPdfFilesTheyWentTo) {
    Lauf(1, 3);
    vb::headless::Reset();
    std::size_t nachEinem = 0;
    vb::script::menu("frmZorG1.mnuBildDrucken");
    vb::script::call([&] { nachEinem = vb::headless::Log().size(); });
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::menu("frmZorG1.mnuAlleBilderDrucken");
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
    const auto& log = vb::headless::Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(nachEinem, 1u);
    EXPECT_EQ(log[0].prompt, "Der Ausdruck wurde als PDF-Datei gespeichert:\r\n/daten/Baugrube-B101.pdf");
    EXPECT_EQ(log[0].buttons, vb::vbInformation);
    // pictures 2 to 8: seven files, the first three and the last three named
    EXPECT_EQ(log[1].prompt,
              "Die 7 Ausdrucke wurden als PDF-Dateien gespeichert:"
              "\r\n/daten/Baugrube-B102.pdf\r\n/daten/Baugrube-B103.pdf\r\n/daten/Baugrube-B104.pdf"
              "\r\n/daten/Baugrube-B105.pdf\r\n/daten/Baugrube-B106.pdf\r\n/daten/Baugrube-B107.pdf"
              "\r\n/daten/Baugrube-B108.pdf");
}

// The user enlarges the window (its frame dragged, or maximised: the window system gives it the new size):
// the picture on show is drawn anew to the new size. The frame fills the window, and the window, now larger
// than the printed picture, shows it enlarged: labels larger than the graphics font's points, in proportion.
TEST_F(Fenster, AWindowEnlargedByTheUserDrawsItsPictureAnewToItsSize) {
    Lauf(1, 2);
    P.GrafikFontSize = 8;
    std::size_t gezeichnet = 0;
    float schrift = 0;
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::call([&] {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        gezeichnet = f->Folge().verlauf.size();
        schrift = f->surface().Font().size;
        f->Move(0, 0, vb::Screen::Width(), vb::Screen::Height());
    });
    vb::script::call([&] {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        ASSERT_EQ(f->Folge().verlauf.size(), gezeichnet + 1);
        EXPECT_EQ(f->Folge().verlauf.back().nr, 2); // the same picture
        auto& z = f->surface();
        EXPECT_NEAR(z.DeviceWidthTwips(), f->clientWidth(), 1);
        EXPECT_NEAR(z.ScaleLeft(), zorg::Grafik().BildLinks, 1e-4);
        EXPECT_NEAR(z.ScaleLeft() + z.ScaleWidth(), zorg::Grafik().BildRechts, 1e-4);
        EXPECT_NEAR(z.ScaleTop() + z.ScaleHeight(), zorg::Grafik().BildUnten, 1e-4);
        EXPECT_GT(zorg::Grafik().SchirmFaktor, 1.0f);
        EXPECT_GT(z.Font().size, 8.0f);
        EXPECT_GT(z.Font().size, schrift);
    });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
}

TEST_F(Fenster, JumpMenuIsShownFromSixPicturesOnAndTheBoxTakesAnyNumber) {
    Lauf(1, 1);
    vb::script::call([] { EXPECT_FALSE(vb::headless::visible("frmZorG1.mnuBildNr")); });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
    Lauf(1, 2);
    vb::script::call([] { EXPECT_TRUE(vb::headless::visible("frmZorG1.mnuBildNr")); });
    vb::script::menu("frmZorG1.mnuBildNr");
    vb::script::focus("frmZorG1.txtBildNr");
    vb::script::type("99999"); // beyond 16 bits: clamped
    vb::script::click("frmZorG1.cmdOKBildNr");
    vb::script::call([] {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->Folge().BildNr, 6); // ran to the last picture, where the target is dropped
        EXPECT_EQ(f->Folge().anf.ZielBild, 0);
    });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
}

// "zu Bild ..." opens its frame with the number box focused and its text selected; the box takes digits
// only; its OK closes the frame, and the sequence runs from picture 1 to picture 3 and waits there.
TEST_F(Fenster, JumpToPictureThreeShowsPictureThree) {
    Lauf(1, 2); // 6 pictures
    vb::script::menu("frmZorG1.mnuBildNr");
    vb::script::call([] {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        EXPECT_TRUE(f->frmBildNr.Visible());
        EXPECT_EQ(vb::headless::focused(), "frmZorG1.txtBildNr");
        EXPECT_EQ(f->txtBildNr.SelLength(), vb::Len(f->txtBildNr.Text()));
        EXPECT_EQ(f->txtBildNr.Text(), "0");
    });
    vb::script::type("x3"); // the letter is dropped with a beep
    vb::script::click("frmZorG1.cmdOKBildNr");
    std::vector<int16_t> gezeigt;
    vb::script::call([&] {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        EXPECT_FALSE(f->frmBildNr.Visible());
        EXPECT_EQ(f->txtBildNr.Text(), "3");
        EXPECT_EQ(f->Folge().BildNr, 3);
        EXPECT_EQ(f->Folge().BildTyp, zorg::kErgebnis); // picture 3: the results of stage 1
        for (const auto& b : f->Folge().verlauf)
            gezeigt.push_back(b.nr);
    });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
    EXPECT_EQ(vb::headless::BeepCount(), 1);
    EXPECT_EQ(gezeigt, (std::vector<int16_t>{1, 2, 3})); // from picture 1 on show the run goes on to 3
}

// The colour palette recolours the open graphics window and draws its picture again; once the window is
// closed a colour click leaves it closed.
TEST_F(Fenster, TheColourPaletteRecoloursTheOpenWindowAndDrawsItsPictureAgain) {
    Lauf(1, 1);
    vb::script::call([] {
        auto& palette = vb::form<frmColours>();
        palette.Picture1_MouseDown(33, 1); // text
        palette.Picture1_MouseDown(5, 2);  // background
    });
    vb::script::call([] {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        EXPECT_EQ(f->BackColor(), Anzeigen::PalettenFarbe(5));
        EXPECT_EQ(f->ForeColor(), Anzeigen::PalettenFarbe(33));
        ASSERT_EQ(f->Folge().verlauf.size(), 2u); // picture 1 drawn again in the new colours
        EXPECT_EQ(f->Folge().verlauf[1].nr, 1);
    });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
    EXPECT_FALSE(Anzeigen::GrafikFarbenNeu);
    vb::form<frmColours>().Picture1_MouseDown(7, 2);
    EXPECT_EQ(vb::LoadedForm("frmZorG1"), nullptr);
    EXPECT_EQ(P.HintergrundFarbe, Anzeigen::PalettenFarbe(7)); // taken at the next loading
}

// The page numbering comes up over the graphics window when it opens.
TEST_F(Fenster, ThePageNumberingIsShownOverTheGraphicsWindow) {
    Lauf(1, 1);
    vb::script::call([] {
        ASSERT_NE(vb::LoadedForm("frmStartSeite"), nullptr);
        EXPECT_TRUE(vb::LoadedForm("frmStartSeite")->Visible());
    });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
}

// "Programm beenden" while the pictures wait: the end of the program leaves the wait, no window stays
// and the plot file is closed.
TEST_F(Fenster, TheProgramsEndDuringTheWaitLeavesNoWindowAndNoOpenPlotFile) {
    Lauf(1, 2);
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::call([] { vb::End(); });
    EXPECT_THROW(vb::FormByName("frmZorG1"), vb::ProgramEnd);
    EXPECT_EQ(vb::LoadedForm("frmZorG1"), nullptr);
    EXPECT_EQ(vb::FreeFile(), 1);
}

TEST_F(Fenster, AnEndRequestFromOutsideEndsTheWaitAndTheLoadingCallReturns) {
    Lauf(1, 2);
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::call([] { vb::CallByName<void()>("frmZorG1.FolgeBeenden"); });
    vb::FormByName("frmZorG1");
    auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Folge().BildNr, 2);
    EXPECT_FALSE(f->Folge().laeuft);
}

} // namespace
} // namespace grafik_test
