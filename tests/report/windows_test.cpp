// The report window and its dialogs, driven headless as a user would.
#include "print_fixture.h"

#include <filesystem>

#include "platform/draw/fonts.h"
#include "report/frmAnzeigen.h"
#include "report/frmColours.h"
#include "report/frmFont02.h"
#include "report/frmHeft504.h"
#include "report/frmStartSeite.h"
#include "report/page_header_list.h"
#include "tests/support/text_file.h"

using zorm1::P;

namespace druck_test {
namespace {

namespace user = vb::user;
namespace script = vb::script;
using vb::headless::text;
using vb::headless::visible;

bool FensterSichtbar(const char* form) {
    vb::Form* f = vb::findForm(form);
    return f && f->Visible();
}

class Fenster : public DruckTest {
protected:
    void SetUp() override {
        DruckTest::SetUp();
        P.WurzelOrdner = dir_.path().string() + "/";
        Anzeigen::GrafikFarbenNeu = nullptr;
    }
    void TearDown() override {
        Anzeigen::GrafikFarbenNeu = nullptr;
        DruckTest::TearDown();
    }
    // "LPTZW" of n bytes: lines of 98 characters with CR LF, the last one shorter.
    static void Lptzw(int32_t n) {
        std::string s;
        int k = 0;
        while (static_cast<int32_t>(s.size()) + 100 <= n) {
            std::string z = "Zeile " + std::to_string(++k);
            z.resize(98, '.');
            s += z + "\r\n";
        }
        const int32_t rest = n - static_cast<int32_t>(s.size());
        if (rest >= 2) s += std::string(static_cast<std::size_t>(rest - 2), 'r') + "\r\n";
        ASSERT_EQ(static_cast<int32_t>(s.size()), n);
        vb::WriteFileBytes("LPTZW", s);
    }
    frmAnzeigen& Anzeige() {
        auto& a = vb::form<frmAnzeigen>();
        a.Show();
        return a;
    }
};

TEST_F(Fenster, ALongReportIsShownInBlocksOf65535Characters) {
    struct Fall {
        int32_t laenge;
        int16_t letzter;
        bool sichtbar;
    };
    for (const Fall f : {Fall{65534, 0, false}, Fall{131070, 2, true}, Fall{200000, 3, true}}) {
        vb::headless::ResetForms();
        Lptzw(f.laenge);
        auto& a = Anzeige();
        EXPECT_EQ(a.Laenge(), f.laenge);
        EXPECT_EQ(a.LetzterBlock(), f.letzter);
        EXPECT_EQ(visible("frmAnzeigen.HScroll1"), f.sichtbar) << f.laenge;
        EXPECT_EQ(visible("frmAnzeigen.Label4"), f.sichtbar);
        EXPECT_EQ(a.HScroll1.Max(), f.letzter);
        EXPECT_EQ(vb::Len(a.Text2.Text()), std::min(f.laenge, 65535)) << f.laenge;
        if (f.laenge == 131070) {
            user::scroll("frmAnzeigen.HScroll1", 2);
            EXPECT_EQ(a.Text2.Text(), ""); // exactly two blocks: the last one is empty
        }
    }
    // 200,000 characters: block 3 holds 200,000 - 3 x 65,535 = 3,395
    auto& a = *vb::loadedInstance<frmAnzeigen>();
    EXPECT_EQ(text("frmAnzeigen.Label4"), "1");
    user::scroll("frmAnzeigen.HScroll1", 3);
    EXPECT_EQ(vb::Len(a.Text2.Text()), 3395);
    EXPECT_EQ(text("frmAnzeigen.Label4"), "4");
    EXPECT_EQ(a.Text2.SelStart(), 0);
    user::scroll("frmAnzeigen.HScroll1", 2); // back: the caret at the end
    EXPECT_EQ(a.Text2.SelStart(), 65535);
    EXPECT_EQ(text("frmAnzeigen.Label4"), "3");
    // the edge of block 0 lies inside line 656 (655 lines of 100 characters, then 35 of the next)
    user::scroll("frmAnzeigen.HScroll1", 0);
    const std::string b0 = a.Text2.Text();
    user::scroll("frmAnzeigen.HScroll1", 1);
    const std::string b1 = a.Text2.Text();
    std::string z656 = "Zeile 656";
    z656.resize(98, '.');
    EXPECT_EQ(b0.substr(b0.size() - 35), z656.substr(0, 35));
    EXPECT_EQ(b1.substr(0, 65), z656.substr(35) + "\r\n");
    EXPECT_EQ(text("frmAnzeigen.Label1"), P.GanzerName);
}

TEST_F(Fenster, AMissingReportIsToldAndThePreviousCopyShown) {
    vb::WriteFileBytes(Anzeigen::DruckDatei, "alter Bericht\r\n");
    auto& a = Anzeige();
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("LPTZW"), std::string::npos);
    EXPECT_EQ(a.Text2.Text(), "alter Bericht\r\n");
}

TEST_F(Fenster, MarginBoxesTakeAnyTextWithoutOverflow) {
    Lptzw(300);
    P.RandOben = 12;
    Anzeige();
    EXPECT_EQ(text("frmAnzeigen.Text1(0)"), "12");
    user::menu("frmAnzeigen.mnuRaender");
    EXPECT_TRUE(visible("frmAnzeigen.Picture1"));
    user::focus("frmAnzeigen.Text1(0)");
    user::key(vb::vbKeyBack); // the whole text was selected: the box is empty now
    user::focus("frmAnzeigen.Text1(1)");
    EXPECT_EQ(text("frmAnzeigen.Text1(0)"), "1");
    user::type("99999");
    user::click("frmAnzeigen.cmdRaenderOK");
    EXPECT_EQ(P.RandOben, 1);
    EXPECT_EQ(P.RandUnten, 32767);
    EXPECT_FALSE(visible("frmAnzeigen.Picture1"));
    EXPECT_EQ(Anzeigen::RandAusText("12.5"), 12);
    EXPECT_EQ(Anzeigen::RandAusText("-1e9"), -32768);
}

TEST_F(Fenster, PrintingFromTheMenuEndsOneDocumentAndSaysWhereItWent) {
    const auto& kopf = Kopf();
    std::string s;
    for (const auto& z : kopf)
        s += z + "\r\n";
    s += "ALLGEMEINE ANGABEN\r\nweg\r\nWandtyp: 1\r\nda\r\n";
    vb::WriteFileBytes("LPTZW", s);
    Anzeige();
    // while it prints the print menus are disabled and the window does not close
    bool gesperrt = false;
    script::call([&] {
        gesperrt =
            !vb::headless::enabled("frmAnzeigen.mnuDrucken") && !vb::headless::enabled("frmAnzeigen.mnuKurz");
        EXPECT_TRUE(visible("frmAnzeigen.DruckOk"));
        user::close("frmAnzeigen");
    });
    user::menu("frmAnzeigen.mnuKurz");
    EXPECT_TRUE(gesperrt);
    ASSERT_TRUE(vb::isLoaded<frmAnzeigen>());
    EXPECT_TRUE(vb::headless::enabled("frmAnzeigen.mnuDrucken"));
    EXPECT_FALSE(visible("frmAnzeigen.DruckOk"));
    EXPECT_EQ(P.KurzAusdruck, 0);
    EXPECT_EQ(Gedruckt("weg"), nullptr);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(vb::headless::Log()[0].prompt, "Der Ausdruck wurde als PDF-Datei gespeichert:\r\n" +
                                                 (dir_ / "Projekt-Kurzausdruck.pdf").string());
    drucker_->ClearLog();
    user::menu("frmAnzeigen.mnuDrucken"); // the full printout after the short one is complete again
    EXPECT_NE(Gedruckt("weg"), nullptr);
    EXPECT_EQ(drucker_->DocumentsEnded(), 2);
    user::close("frmAnzeigen");
    EXPECT_FALSE(vb::isLoaded<frmAnzeigen>());
}

TEST_F(Fenster, BoxesOnShowTheStripAndTheNumberingDialogAndRestartTheCounter) {
    Lptzw(300);
    P.StartSeite = 5;
    P.SeitenNr = 9;
    Anzeige();
    for (int i = 0; i < 2; ++i) {
        user::menu("frmAnzeigen.mnuH504ein");
        EXPECT_EQ(P.H504Ein, -1);
        EXPECT_EQ(P.SeitenNr, 5);
        EXPECT_TRUE(FensterSichtbar("frmHeft504B"));
        EXPECT_TRUE(FensterSichtbar("frmStartSeite"));
    }
    int strips = 0;
    for (const auto& n : vb::headless::loadedForms())
        strips += n == "frmHeft504B";
    EXPECT_EQ(strips, 1);
    EXPECT_EQ(vb::form<frmStartSeite>().Left(), vb::form<frmHeft504B>().Width());
    user::menu("frmAnzeigen.mnuH504aus");
    EXPECT_EQ(P.H504Ein, 0);
    EXPECT_FALSE(vb::isLoaded<frmHeft504B>());
    vb::form<frmHeft504>();
    vb::form<frmHeft504B>();
    Anzeigen::H504FensterEntladen(); // as the input windows are unloaded: the header dialog stays
    EXPECT_FALSE(vb::isLoaded<frmStartSeite>());
    EXPECT_FALSE(vb::isLoaded<frmHeft504B>());
    EXPECT_TRUE(vb::isLoaded<frmHeft504>());
    user::menu("frmAnzeigen.mnuRahmenJa");
    EXPECT_EQ(P.RahmenEin, -1);
    user::menu("frmAnzeigen.mnuRahmenNein");
    EXPECT_EQ(P.RahmenEin, 0);
}

// The strip's labels "Datum:" and "AsbNr :" stand beside their fields, on no field, and inside the strip.
TEST_F(Fenster, TheStripsLabelsStandBesideTheFieldsOnNone) {
    auto& b = vb::form<frmHeft504B>();
    auto innen = [](const vb::Control& a, const vb::Control& c) {
        return a.Left() < c.Left() + c.Width() && c.Left() < a.Left() + a.Width() &&
               a.Top() < c.Top() + c.Height() && c.Top() < a.Top() + a.Height();
    };
    for (int16_t i : {0, 1}) {
        const vb::Label& l = b.Label1(i);
        EXPECT_LE(l.Left() + l.Width(), b.clientWidth()) << l.Caption();
        for (vb::Control* c : b.controls()) {
            if (c->kind() == vb::ControlKind::TextBox || c->kind() == vb::ControlKind::CommandButton) {
                EXPECT_FALSE(innen(l, *c)) << l.Caption() << " lies on " << c->name();
            }
        }
    }
    // each label ends where its field begins
    EXPECT_EQ(b.Label1(0).Left() + b.Label1(0).Width(), b.txtDatum.Left());
    EXPECT_EQ(b.Label1(1).Left() + b.Label1(1).Width(), b.txtAsbNr.Left());
}

TEST_F(Fenster, StartPageAndPrefix) {
    auto& s = vb::form<frmStartSeite>();
    s.Show();
    user::focus("frmStartSeite.txtVorsatz");
    user::type(" A - ");
    user::focus("frmStartSeite.txtStartSeite");
    EXPECT_EQ(P.SeitenVorsatz, "A-");
    EXPECT_EQ(text("frmStartSeite.txtVorsatz"), " A - ");
    user::type("12,5"); // the comma becomes a point; 12.5 rounds to the even 12
    user::click("frmStartSeite.cmdOK");
    EXPECT_EQ(P.SeitenNr, 12);
    EXPECT_EQ(P.StartSeite, 12);
    EXPECT_TRUE(FensterSichtbar("frmStartSeite")); // OK does not close it
    struct Fall {
        const char* text;
        int16_t nr;
    };
    for (const Fall f : {Fall{"99999", 32767}, Fall{"-3", 0}, Fall{"", 0}, Fall{"0", 0}}) {
        P.SeitenVorsatz = "A-";
        s.txtStartSeite.setText(f.text);
        user::click("frmStartSeite.cmdOK");
        EXPECT_EQ(P.SeitenNr, f.nr) << f.text;
        if (f.nr == 0) {
            EXPECT_EQ(P.SeitenVorsatz, "") << f.text;
            EXPECT_EQ(text("frmStartSeite.txtStartSeite"), "0");
            EXPECT_EQ(text("frmStartSeite.txtVorsatz"), "");
        }
    }
}

TEST_F(Fenster, HeaderTextsEditedAndCancelledOrTaken) {
    Anzeigen::H504.Dialog.txtVerfasser = "Alt";
    Anzeigen::H504.DialogGeladen = true;
    ASSERT_TRUE(Anzeigen::H504DateiSchreiben());
    Anzeigen::ResetH504();
    vb::form<frmHeft504B>().Show();
    EXPECT_EQ(text("frmHeft504B.txtVerfasser"), "Alt");
    // cancel: the strip keeps the former texts
    script::call([] {
        vb::form<frmHeft504>().txtVerfasser.setText("Neu");
        EXPECT_EQ(Anzeigen::Heft504().txtVerfasser, "Neu");
    });
    script::click("frmHeft504.cmdAbbruch");
    user::click("frmHeft504B.cmdAendern");
    EXPECT_EQ(text("frmHeft504B.txtVerfasser"), "Alt");
    EXPECT_EQ(Anzeigen::Heft504().txtVerfasser, "Alt");
    // OK: the file holds the new texts and the strip shows them at once
    script::call([] { vb::form<frmHeft504>().txtBlock.setText("B 7"); });
    script::click("frmHeft504.cmdOK");
    user::click("frmHeft504B.cmdAendern");
    EXPECT_EQ(text("frmHeft504B.txtBlock"), "B 7");
    const auto zeilen = zortest::Zeilen("zorH504.txt");
    ASSERT_EQ(zeilen.size(), 8u);
    EXPECT_EQ(zeilen[0], "\"Alt\"");
    EXPECT_EQ(zeilen[5], "\"B 7\"");
}

TEST_F(Fenster, StoredSetsStandOnceNewestFirstAndFillTheDialogWhenChosen) {
    vb::WriteFileBytes(Anzeigen::H504ListenName(),
                       "\r\nalt -|- a -|- b -|- c -|- d -|- e -|- f -|-  -|- 9\r\n");
    auto& d = vb::form<frmHeft504>();
    d.Show();
    d.txtBauwerk.setText("  Halle  ");
    d.txtVerfasser.setText("Weiß");
    user::click("frmHeft504.cmdListeSchreiben");
    d.txtBauwerk.setText("Halle"); // differs only by blanks: replaces the older line
    user::click("frmHeft504.cmdListeSchreiben");
    const std::string satz = "Halle -|-  -|-  -|-  -|- Weiß -|-  -|-  -|-  -|-";
    auto zeilen = zortest::Zeilen(Anzeigen::H504ListenName());
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_EQ(zeilen[0], satz);
    EXPECT_EQ(zeilen[1], ""); // an empty line of the older file stays
    EXPECT_EQ(P.H504Ein, -1);
    // the list shows the non-empty lines; a click puts the set into the dialog, the empty ASB number too
    d.txtAsbNr.setText("55");
    script::clickItem("frmHeft504Liste.List1", 1);
    script::call([] {
        EXPECT_EQ(vb::form<frmHeft504>().txtBauwerk.Text(), "alt");
        EXPECT_EQ(vb::form<frmHeft504>().txtAsbNr.Text(), "9");
        EXPECT_EQ(vb::form<frmHeft504>().txtDatum.Text(), "f");
    });
    script::clickItem("frmHeft504Liste.List1", 0);
    script::call([] { EXPECT_EQ(vb::form<frmHeft504>().txtAsbNr.Text(), ""); });
    // remove both selected entries
    script::clickItem("frmHeft504Liste.List1", 1, true);
    script::click("frmHeft504Liste.cmdOK(1)");
    script::call([] { EXPECT_EQ(vb::form<frmHeft504Liste>().List1.ListCount(), 0); });
    script::click("frmHeft504Liste.cmdOK(0)");
    user::click("frmHeft504.cmdListe");
    EXPECT_EQ(vb::ReadFileBytes(Anzeigen::H504ListenName()), "");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "asdfgh.txt"));
}

TEST_F(Fenster, SetLinesSplitAtTheirSeparators) {
    Anzeigen::Heft504Texte t;
    t.txtAsbNr = "bleibt";
    Anzeigen::EinzelStrings("Bau -|- Teil -|- Block", t);
    EXPECT_EQ(t.txtBauwerk, "Bau");
    EXPECT_EQ(t.txtBauteil, "Teil");
    EXPECT_EQ(t.txtBlock, "Block");
    EXPECT_EQ(t.txtAsbNr, "bleibt");
    Anzeigen::EinzelStrings("1-|-2-|-3-|-4-|-5-|-6-|-7-|-8-|-9-|-10", t);
    EXPECT_EQ(t.txtVerfasser, "5");
    EXPECT_EQ(t.txtDatum, "7");
    EXPECT_EQ(t.txtAsbNr, "9");
}

TEST_F(Fenster, ColoursGoToTheReportBoxAndOnlyToAnOpenGraphicsWindow) {
    Lptzw(300);
    auto& a = Anzeige();
    const auto vorher = vb::headless::loadedForms().size();
    auto& c = vb::form<frmColours>();
    c.Show();
    user::mouseDown("frmColours.Picture1(33)", 10, 10, 1);
    user::mouseDown("frmColours.Picture1(0)", 10, 10, 2);
    EXPECT_EQ(P.VordergrundFarbe, 0);
    EXPECT_EQ(P.HintergrundFarbe, 16777215);
    EXPECT_EQ(a.Text2.ForeColor(), 0);
    EXPECT_EQ(a.Text2.BackColor(), 0xFFFFFF);
    EXPECT_EQ(vb::headless::loadedForms().size(), vorher + 1); // nothing else opened
    int neu = 0;
    Anzeigen::GrafikFarbenNeu = [&] { ++neu; };
    user::mouseDown("frmColours.Picture1(34)", 10, 10, 1);
    EXPECT_EQ(P.VordergrundFarbe, 255);
    EXPECT_EQ(neu, 1);
    user::mouseDown("frmColours.Picture1(9)", 10, 10, 4); // middle button: nothing
    EXPECT_EQ(P.VordergrundFarbe, 255);
    EXPECT_EQ(P.HintergrundFarbe, 16777215);
    EXPECT_EQ(neu, 1);
    EXPECT_TRUE(FensterSichtbar("frmColours")); // the palette stays open
    EXPECT_EQ(Anzeigen::PalettenFarbe(41), 64);
    EXPECT_EQ(Anzeigen::PalettenFarbe(13), 192 * 256 + 192 * 65536);
}

TEST_F(Fenster, PrintFontIsNeverBoldAndAProportionalFontIsWarnedAbout) {
    vb::draw::SetScreenFonts({"Courier New", "Arial", "Courier New"});
    drucker_->SetMeasure({}); // the metrics of the faces: Arial is proportional
    Lptzw(300);
    Anzeige();
    script::call([] {
        EXPECT_EQ(text("frmFont02.Label1(1)"), "3");
        EXPECT_EQ(vb::form<frmFont02>().Combo1.ListCount(), 2);
        EXPECT_EQ(vb::form<frmFont02>().Combo1.Text(), "Courier New");
    });
    script::scroll("frmFont02.HScroll1", 9);
    script::click("frmFont02.Check1(0)");
    script::click("frmFont02.Command1(0)");
    user::menu("frmAnzeigen.mnuFontDrucker");
    EXPECT_EQ(P.TextFontName, "Courier New");
    EXPECT_EQ(P.TextFontSize, 9.0f);
    EXPECT_EQ(P.TextFontBold, 0);
    EXPECT_TRUE(vb::headless::Log().empty());
    EXPECT_FALSE(vb::isLoaded<frmFont02>());
    // Arial: the warning; Cancel keeps the dialog, OK takes the font anyway
    script::clickItem("frmFont02.Combo1", 1);
    script::click("frmFont02.Command1(0)");
    script::answer(vb::vbCancel);
    script::call([] { EXPECT_TRUE(vb::isLoaded<frmFont02>()); });
    script::click("frmFont02.Command1(0)");
    script::answer(vb::vbOK);
    user::menu("frmAnzeigen.mnuFontDrucker");
    ASSERT_EQ(vb::headless::Log().size(), 2u);
    EXPECT_EQ(vb::headless::Log()[0].title, "       Schrift ungeeignet wegen Tabellen !");
    EXPECT_EQ(P.TextFontName, "Arial");
    // the screen font goes to the report box and leaves the print font alone
    script::clickItem("frmFont02.Combo1", 0);
    script::scroll("frmFont02.HScroll1", 12);
    script::click("frmFont02.Check1(0)");
    script::click("frmFont02.Check1(1)"); // "kursiv": the sample shows it, and OK takes it
    script::call([] { EXPECT_TRUE(vb::form<frmFont02>().Text1.FontItalic()); });
    script::click("frmFont02.Command1(0)");
    user::menu("frmAnzeigen.mnuFontScreen");
    const auto& box = vb::form<frmAnzeigen>().Text2;
    EXPECT_EQ(box.FontName(), "Courier New");
    EXPECT_EQ(box.FontSize(), 12.0f);
    EXPECT_TRUE(box.FontBold());
    EXPECT_TRUE(box.FontItalic());
    EXPECT_EQ(P.TextFontName, "Arial");
}

} // namespace
} // namespace druck_test
