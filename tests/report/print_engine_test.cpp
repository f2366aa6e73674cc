// The print engine on a recording printer with simple metrics (characters 120 x 240 twips at 10 pt): page
// 12000 x 16000 twips, margins 10 mm, so the text block starts at 12000 - 80 x 120 - 340 = 2060 twips, the
// lines at 2060 + 1 mm, the body 13 mm (737 twips) below the top, and a page holds
// (16000 - 2 x 737) \ 240 = 60 lines, the head included.
#include "print_fixture.h"

#include <cmath>

#include "platform/forms/headless.h"

using zorm1::P;

namespace druck_test {
namespace {

constexpr double kTextX = 2060, kZeileX = 2060 + kMm, kOben = 737;

std::vector<std::string> MitRumpf(std::vector<std::string> k, int n, const std::string& praefix = "Zeile ") {
    for (int i = 1; i <= n; ++i)
        k.push_back(praefix + std::to_string(i));
    return k;
}

TEST_F(DruckTest, HeadStartsAtTheFirstTextLineAndRepeatsWithItsCounterOnEveryPage) {
    // 55 body lines fill a page after the 5 head lines; 550 lines fill ten pages, and the full last page
    // still starts an eleventh page, which carries only the head.
    Bericht(MitRumpf(Kopf(), 550));
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_EQ(Seiten(), 11);
    EXPECT_EQ(drucker_->DocumentsEnded(), 1);
    const std::string rest = ProjZeile().substr(4);
    int kopf = 0;
    for (const auto& t : Texte()) {
        if (t.r.text.find("Proj.Nr.") == std::string::npos) continue;
        ++kopf;
        std::string zaehler = "(" + std::to_string(t.seite) + ")";
        zaehler.resize(4, ' ');
        EXPECT_EQ(t.r.text, zaehler + rest) << t.seite;
        EXPECT_DOUBLE_EQ(t.r.tx1, kZeileX);
        EXPECT_DOUBLE_EQ(t.r.ty1, kOben);
    }
    EXPECT_EQ(kopf, 11);
    // the head has 5 lines: the first body line stands 5 lines below the top, the 55th at the page's end
    const Record* z1 = Gedruckt("Zeile 1");
    ASSERT_NE(z1, nullptr);
    EXPECT_DOUBLE_EQ(z1->ty1, kOben + 5 * 240);
    EXPECT_DOUBLE_EQ(z1->tx1, kZeileX);
    EXPECT_DOUBLE_EQ(Gedruckt("Zeile 55")->ty1, kOben + 59 * 240);
    EXPECT_DOUBLE_EQ(Gedruckt("Zeile 56")->ty1, kOben + 5 * 240);
    const auto texte = Texte();
    EXPECT_EQ(texte.back().seite, 11);
    EXPECT_EQ(texte.back().r.text, "Kommentar 2");
    EXPECT_EQ(Anzeigen::Druck.ZeilenProSeite, 59);
    // no page numbers: the settings are as before
    EXPECT_EQ(P.SeitenNr, 0);
    EXPECT_EQ(P.RandOben, 10);
    EXPECT_EQ(P.TextFontSize, 10.0f);
}

TEST_F(DruckTest, PageNumbersFollowTheHeadLineLargeAndBoldAndCountOnAcrossPages) {
    P.SeitenNr = 5;
    P.SeitenVorsatz = "A-";
    Bericht(MitRumpf(Kopf(), 60)); // two pages
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    ASSERT_EQ(Seiten(), 2);
    const Record* kopf = Gedruckt("Proj.Nr.");
    const Record* nr = Gedruckt(" A-5");
    ASSERT_NE(nr, nullptr);
    EXPECT_EQ(nr->text, " A-5");
    EXPECT_TRUE(nr->font.bold);
    EXPECT_FLOAT_EQ(nr->font.size, 15.0f);
    EXPECT_DOUBLE_EQ(nr->tx1, kZeileX + 120.0 * vb::Len(kopf->text)); // behind the head line's end
    EXPECT_DOUBLE_EQ(nr->ty1, kOben - 0.25 * 240);                    // a quarter line higher
    // the line after it starts a quarter line lower: 737 - 60 + 360, then the empty line
    EXPECT_DOUBLE_EQ(Gedruckt("Kommentar 1")->ty1, kOben - 60 + 360 + 240);
    const Record* nr6 = Gedruckt(" A-6");
    ASSERT_NE(nr6, nullptr);
    EXPECT_EQ(Texte().back().seite, 2);
    EXPECT_EQ(P.SeitenNr, 7);
    EXPECT_EQ(P.NaechsteSeite, 7);
    EXPECT_EQ(P.TextFontSize, 10.0f);
    EXPECT_EQ(P.TextFontBold, 0);
    EXPECT_FALSE(Gedruckt("Kommentar 1")->font.bold);
}

// 6.05 x 1.5 / 1.5 is not 6.05 in single precision: the size comes back exactly, so no drift reaches the
// settings file.
TEST_F(DruckTest, ThePageNumberLeavesTheFontSizeExactlyAsItWas) {
    P.TextFontSize = 6.05f;
    P.SeitenNr = 1;
    Bericht(MitRumpf(Kopf(), 400));
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_GT(P.SeitenNr, 3);
    EXPECT_EQ(P.TextFontSize, 6.05f);
}

TEST_F(DruckTest, RunsOfDashesAndEqualSignsBecomeRulesWhereTheyStood) {
    struct Fall {
        std::string zeile, gedruckt;
        double a, marken, f;
        int dicke;
    };
    const std::vector<Fall> faelle = {
        {"abc ---------- def", "abc            def", 4, 10, 0.55, 2},
        {"x ====== y", "x        y", 2, 6, 0.5, 5},
        {"a - b", "a - b", -1, 0, 0, 0},                   // a single mark stays a character
        {"--- mitte ---", "    mitte ---", 0, 3, 0.55, 2}, // only the first run of a kind
        {"== und --", "   und   ", 0, 2, 0.5, 5},          // one run of each kind: two rules
    };
    std::vector<std::string> b = Kopf();
    for (const auto& f : faelle)
        b.push_back(f.zeile);
    Bericht(b);
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    const auto linien = Linien();
    std::size_t li = 0;
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        const auto& f = faelle[i];
        const double y0 = kOben + (5 + static_cast<double>(i)) * 240;
        const Record* t = Gedruckt(f.gedruckt);
        ASSERT_NE(t, nullptr) << f.zeile;
        EXPECT_EQ(t->text, f.gedruckt);
        EXPECT_DOUBLE_EQ(t->ty1, y0) << f.zeile;
        if (f.a < 0) continue;
        // "== und --": the dashes are drawn first, then the equal signs
        if (f.zeile == "== und --") {
            ASSERT_GE(linien.size(), li + 2);
            EXPECT_DOUBLE_EQ(linien[li].tx1, std::nearbyint(kTextX + 7.5 * 120));
            EXPECT_DOUBLE_EQ(linien[li].ty1, std::nearbyint(y0 + 0.55 * 240));
            ++li;
        }
        ASSERT_GT(linien.size(), li) << f.zeile;
        const Record& r = linien[li++];
        const double x1 = std::nearbyint(kTextX + (f.a + 0.5) * 120);
        EXPECT_DOUBLE_EQ(r.tx1, x1) << f.zeile;
        EXPECT_DOUBLE_EQ(r.tx2, x1 + f.marken * 120) << f.zeile;
        EXPECT_DOUBLE_EQ(r.ty1, std::nearbyint(y0 + f.f * 240)) << f.zeile;
        EXPECT_DOUBLE_EQ(r.ty2, r.ty1);
        EXPECT_EQ(r.drawWidth, f.dicke) << f.zeile;
    }
    EXPECT_EQ(li, linien.size());
    // a second printout draws the same rules again (the head copy and the line state are rebuilt)
    drucker_->ClearLog();
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_EQ(Linien().size(), li);
}

TEST_F(DruckTest, TitlesPrintBoldAndHintLinesSmallBoldIndentedAndTrimmed) {
    P.TextFontSize = 9.75f; // the reciprocal factor of 6 / 9.75 would bring back 9.749999
    Bericht({"Kopf", "", "", "", "", "", "", "   LASTFALL 1", "danach normal", "   Vergleiche dazu Bild 3   ",
             "wieder normal"});
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_TRUE(Gedruckt("LASTFALL 1")->font.bold);
    EXPECT_FALSE(Gedruckt("danach normal")->font.bold);
    const Record* h = Gedruckt("Vergleiche");
    EXPECT_EQ(h->text, "Vergleiche dazu Bild 3");
    EXPECT_TRUE(h->font.bold);
    EXPECT_FLOAT_EQ(h->font.size, 6.0f);
    const double zeileX = Anzeigen::Druck.ZeileX;
    EXPECT_DOUBLE_EQ(h->tx1, zeileX + 23 * 12.0 * 6.0);
    const Record* n = Gedruckt("wieder normal");
    EXPECT_FALSE(n->font.bold);
    EXPECT_EQ(n->font.size, 9.75f);
    EXPECT_DOUBLE_EQ(n->ty1, h->ty1 + 24.0 * 6.0); // the small line advances by its own height
    EXPECT_EQ(P.TextFontSize, 9.75f);
    // the hint counts as one full line of the page: head 7 + 4 body lines
    EXPECT_EQ(Anzeigen::Druck.ZeilenZaehler, 11);
}

TEST_F(DruckTest, KeywordTablesRecogniseTheirTextsCaseSensitively) {
    for (const char* t :
         {"*** ERF. EINBINDETIEFE", "ERGEBNIS der Berechnung", "  B A U G R U N D", "AUSHUBZUSTAND 2"})
        EXPECT_TRUE(Anzeigen::IstTitel(t)) << t;
    for (const char* t : {"lastfall 1", "AUSHUBZUSTAND", "LASTFALL"})
        EXPECT_FALSE(Anzeigen::IstTitel(t)) << t;
    for (const char* t : {"gamRe  = 1.40", "Winkel ist unten und oben", "auf phi = 35° begrenzt"})
        EXPECT_TRUE(Anzeigen::IstHinweis(t)) << t;
    for (const char* t : {"gamRe = 1.40", "bewegung"})
        EXPECT_FALSE(Anzeigen::IstHinweis(t)) << t;
}

TEST_F(DruckTest, ShortPrintoutKeepsOnlyTheChosenSections) {
    const std::string strich64(64, '-');
    Bericht({"Kopf",       "",       "",    "", "",       "",      "", "ALLGEMEINE ANGABEN",    "weg 1",
             "Wandtyp: 2", "da 1",   "",    "", strich64, "weg 2", "", "AUS ALLEN LASTFAELLEN", "da 2",
             "x",          strich64, "da 3"});
    P.KurzAusdruck = -1;
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    for (const char* t : {"ALLGEMEINE", "weg 1", "weg 2"})
        EXPECT_EQ(Gedruckt(t), nullptr) << t;
    for (const char* t : {"Wandtyp: 2", "da 1", "AUS ALLEN", "da 2", "da 3"})
        EXPECT_NE(Gedruckt(t), nullptr) << t;
    EXPECT_EQ(drucker_->LastDocumentFile(), (dir_ / "Projekt-Kurzausdruck.pdf").string());
    // skipped lines take no room: "Wandtyp: 2" follows the head directly
    EXPECT_DOUBLE_EQ(Gedruckt("Wandtyp: 2")->ty1, kOben + 7 * 240);
    // without the short printout every line is printed again
    P.KurzAusdruck = 0;
    drucker_->ClearLog();
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    for (const char* t : {"ALLGEMEINE", "weg 1", "weg 2", "Wandtyp: 2"})
        EXPECT_NE(Gedruckt(t), nullptr) << t;
    EXPECT_EQ(drucker_->LastDocumentFile(), (dir_ / "Projekt-Bericht.pdf").string());
}

TEST_F(DruckTest, AFontTooWideForTheBlockIsRefusedWithoutABlankPage) {
    P.TextFontSize = 40.0f; // 80 x 480 = 38400 twips
    P.RandOben = 35;
    Bericht(MitRumpf(Kopf(), 3));
    EXPECT_FALSE(Anzeigen::DateiDrucken());
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(vb::headless::Log()[0].title, "Überlauf");
    EXPECT_EQ(vb::headless::Log()[0].prompt,
              "Text wird zu breit \rWählen Sie eine kleinere Schrift, nicht fett ");
    EXPECT_EQ(drucker_->DocumentsEnded(), 0);
    EXPECT_EQ(drucker_->DocumentsKilled(), 1);
    EXPECT_EQ(drucker_->LastDocumentFile(), "");
    EXPECT_EQ(P.RandOben, 35);
    EXPECT_EQ(P.TextFontSize, 40.0f);
    EXPECT_FALSE(Anzeigen::DruckLaeuft());
}

TEST_F(DruckTest, AMarginAbove30mmPrintsWith10AndStays10) {
    P.RandOben = 35;
    P.RandUnten = 31;
    Bericht(MitRumpf(Kopf(), 1));
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_DOUBLE_EQ(Gedruckt("Proj.Nr.")->ty1, kOben);
    EXPECT_EQ(P.RandOben, 10);
    EXPECT_EQ(P.RandUnten, 10);
}

TEST_F(DruckTest, MoreThanOneProjLineCountsEachOnThePageOneAndOnlyTheLastLater) {
    std::vector<std::string> b = {"    Proj eins", "    Proj zwei", "k3", "k4", "k5", "k6", "k7"};
    Bericht(MitRumpf(b, 60)); // 53 body lines per page: two pages
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    std::vector<std::pair<int, std::string>> proj;
    for (const auto& t : Texte())
        if (t.r.text.find("Proj") != std::string::npos) proj.emplace_back(t.seite, t.r.text);
    const std::vector<std::pair<int, std::string>> erwartet = {
        {1, "(1) Proj eins"}, {1, "(1) Proj zwei"}, {2, "Proj eins"}, {2, "(2) Proj zwei"}};
    EXPECT_EQ(proj, erwartet);
}

TEST_F(DruckTest, AShortOrEmptyReportPrintsWhatThereIs) {
    Bericht({"", "eins", "zwei"});
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    ASSERT_EQ(Texte().size(), 2u);
    EXPECT_DOUBLE_EQ(Gedruckt("eins")->ty1, kOben);
    EXPECT_EQ(Seiten(), 1);
    drucker_->ClearLog();
    Bericht({});
    EXPECT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_TRUE(Texte().empty());
    EXPECT_EQ(drucker_->LastDocumentFile(), ""); // nothing on the page: no document
    // a missing copy is told and nothing is printed
    std::filesystem::remove(Anzeigen::DruckDatei);
    EXPECT_FALSE(Anzeigen::DateiDrucken());
    EXPECT_EQ(vb::headless::Log().size(), 1u);
}

TEST_F(DruckTest, WhenAPageHoldsOnlyTheHeadEveryBodyLineGetsAPageOfItsOwn) {
    P.TextFontSize = 10.0f;
    P.RandOben = P.RandUnten = 30; // (16000 - 2 x 1871) \ 240 = 51 lines: the head of 7 fits
    drucker_->SetMeasure([](std::string_view l, const vb::draw::FontSpec& f) {
        return vb::draw::Extent{12.0 * f.size * vb::Len(l), 24.0 * f.size * 8}; // lines 1920 twips high
    });
    Bericht(MitRumpf({"k1", "k2", "k3", "k4", "k5", "k6", "k7"}, 3));
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_EQ(Anzeigen::Druck.ZeilenProSeite, (16000 - 2 * 1871) / 1920 - 1);
    EXPECT_EQ(Seiten(), 4);
    for (const auto& t : Texte())
        if (t.r.text.rfind("Zeile ", 0) == 0) {
            EXPECT_EQ(t.seite, std::stoi(t.r.text.substr(6))) << t.r.text;
        }
}

TEST_F(DruckTest, TheFrameEnclosesTheBlockWithTwoHeadLines) {
    P.RahmenEin = -1;
    Bericht(MitRumpf(Kopf(), 1));
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    const auto l = Linien();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].kind, vb::draw::LineKind::Box);
    EXPECT_DOUBLE_EQ(l[0].tx1, kTextX);
    EXPECT_DOUBLE_EQ(l[0].ty1, kOben - 120);
    EXPECT_DOUBLE_EQ(l[0].tx2, 12000 - 340);
    EXPECT_DOUBLE_EQ(l[0].ty2, 16000 - kOben + 120);
    EXPECT_DOUBLE_EQ(l[1].ty1, kOben + 360);
    EXPECT_DOUBLE_EQ(l[2].ty1, kOben + 1080);
}

// A second printout asked for while one runs (window events run after every line) is refused, and the
// first goes on to its end.
TEST_F(DruckTest, APrintoutAskedForDuringAPrintoutIsRefused) {
    Bericht(MitRumpf(Kopf(), 5));
    bool zweiter = true, lief = false;
    vb::script::call([&] {
        lief = Anzeigen::DruckLaeuft();
        zweiter = Anzeigen::DateiDrucken();
    });
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    EXPECT_TRUE(lief);
    EXPECT_FALSE(zweiter);
    EXPECT_EQ(drucker_->DocumentsEnded(), 1);
    EXPECT_NE(Gedruckt("Zeile 5"), nullptr);
    EXPECT_FALSE(Anzeigen::DruckLaeuft());
}

// A printer that fails at the end of the document.
class DefekterDrucker : public RecordingSurface {
public:
    DefekterDrucker() : RecordingSurface(true, kBreite, kHoehe, 2.4, 600) { SetMeasure(Einfach); }

protected:
    void DoEndDoc() override { throw vb::RuntimeError(482, "Druckerfehler"); }
};

TEST_F(DruckTest, APrinterFailureIsToldAndTheSettingsStayAsBefore) {
    DefekterDrucker d;
    vb::draw::SetPrinter(&d);
    P.SeitenNr = 3;
    P.NaechsteSeite = 3;
    P.RandOben = 40;
    Bericht(MitRumpf(Kopf(), 70));
    EXPECT_FALSE(Anzeigen::DateiDrucken());
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("Druckerfehler"), std::string::npos);
    EXPECT_EQ(P.SeitenNr, 3);
    EXPECT_EQ(P.NaechsteSeite, 3);
    EXPECT_EQ(P.RandOben, 40);
    EXPECT_EQ(P.TextFontSize, 10.0f);
    EXPECT_FALSE(Anzeigen::DruckLaeuft());
    EXPECT_EQ(Anzeigen::LetzteDruckDatei(), "");
}

// Where printouts went: nothing for a system printer (no file), the report window's text for one file, and
// for a run of pictures all files up to eight, beyond that the first three and the last three.
TEST(DruckDateien, TheUserIsToldWhichPdfFilesThePrintoutsWentTo) {
    vb::headless::Reset();
    auto datei = [](int i) { return "/p/B" + std::to_string(100 + i) + ".pdf"; };
    std::vector<std::string> acht, zehn;
    for (int i = 1; i <= 10; ++i)
        (i <= 8 ? acht : zehn).push_back(datei(i));
    zehn.insert(zehn.begin(), acht.begin(), acht.end());
    const struct {
        std::vector<std::string> dateien;
        std::string text; // "" = no box
    } faelle[] = {
        {{}, ""},
        {{"", ""}, ""},
        {{"", "/p/Bau-Bericht.pdf"}, "Der Ausdruck wurde als PDF-Datei gespeichert:\r\n/p/Bau-Bericht.pdf"},
        {acht, "Die 8 Ausdrucke wurden als PDF-Dateien gespeichert:\r\n/p/B101.pdf\r\n/p/B102.pdf\r\n"
               "/p/B103.pdf\r\n/p/B104.pdf\r\n/p/B105.pdf\r\n/p/B106.pdf\r\n/p/B107.pdf\r\n/p/B108.pdf"},
        {zehn, "Die 10 Ausdrucke wurden als PDF-Dateien gespeichert:\r\n/p/B101.pdf\r\n/p/B102.pdf\r\n"
               "/p/B103.pdf\r\n...\r\n/p/B108.pdf\r\n/p/B109.pdf\r\n/p/B110.pdf"},
    };
    for (const auto& f : faelle) {
        vb::headless::Reset();
        Anzeigen::DruckDateienMelden(f.dateien);
        if (f.text.empty()) {
            EXPECT_TRUE(vb::headless::Log().empty());
            continue;
        }
        ASSERT_EQ(vb::headless::Log().size(), 1u);
        EXPECT_EQ(vb::headless::Log()[0].prompt, f.text);
        EXPECT_EQ(vb::headless::Log()[0].buttons, vb::vbInformation);
    }
}

} // namespace
} // namespace druck_test
