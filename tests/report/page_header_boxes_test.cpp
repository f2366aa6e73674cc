// Header and footer boxes and page numbers on report and picture pages, measured on the recording printer
// of print_fixture.h (page 12000 x 16000 twips).
#include "print_fixture.h"

#include <cmath>

#include "report/page_header_boxes.h"

using zorm1::P;

namespace druck_test {
namespace {

class H504Seiten : public DruckTest {
protected:
    void SetUp() override {
        DruckTest::SetUp();
        auto& t = Anzeigen::Heft504();
        t.txtVerfasser = "Ing. Weiß";
        t.txtBauwerk = "Baugrube Nord";
        t.txtAsbNr = "17";
        t.txtDatum = "1.2.2026";
        t.txtBauteil = "Verbau";
        t.txtBlock = "B";
        t.txtVorgang = "V-3";
    }
    // A picture frame in twips: 1 mm of paper is kMm user units at the scale 1 : 1000 kMm.
    static Anzeigen::GrafikSeite Rahmen(bool quer) {
        Anzeigen::GrafikSeite g;
        g.BildLinks = static_cast<float>(25 * kMm);
        g.BildRechts = static_cast<float>(200 * kMm);
        g.BildOben = static_cast<float>(30 * kMm);
        g.BildUnten = static_cast<float>(260 * kMm);
        g.ZeichenEinheit = static_cast<float>(0.25 * kMm);
        g.Massstab = static_cast<float>(1000 * kMm);
        g.Querformat = quer;
        return g;
    }
};

TEST_F(H504Seiten, ReportPageBoxesLieBetweenTheMarginsAndCarryThePageNumber) {
    P.H504Ein = -1;
    P.RahmenEin = -1;
    P.RandOben = 10;
    P.RandUnten = 15;
    P.SeitenNr = 12;
    P.SeitenVorsatz = "A-";
    Bericht({"", "", ProjZeile(), "", "k", "k", "", "Text"});
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    const double L = 20 * kMm, R = 12000 - 6 * kMm, T = 10 * kMm, F = 16000 - 15 * kMm - 20 * kMm;
    std::vector<Record> kaesten;
    for (const auto& l : Linien())
        if (l.kind == vb::draw::LineKind::Box) kaesten.push_back(l);
    ASSERT_EQ(kaesten.size(), 3u); // header, footer, and the page frame of the text block
    for (double v :
         {kaesten[0].tx1 - L, kaesten[0].ty1 - T, kaesten[0].tx2 - R, kaesten[0].ty2 - (T + 20 * kMm),
          kaesten[1].tx1 - L, kaesten[1].ty1 - F, kaesten[1].tx2 - R, kaesten[1].ty2 - (16000 - 15 * kMm)})
        EXPECT_NEAR(v, 0, 1e-6);
    // the two side lines close the frame between the boxes
    int seiten = 0;
    for (const auto& l : Linien())
        if (l.kind == vb::draw::LineKind::Line && std::abs(l.tx1 - l.tx2) < 1e-9 &&
            std::abs(l.ty1 - (T + 20 * kMm)) < 1e-6 && std::abs(l.ty2 - F) < 1e-6)
            ++seiten;
    EXPECT_EQ(seiten, 2);
    // the text starts 20 + 3 mm below the top margin; the head line carries only the counter
    EXPECT_DOUBLE_EQ(Gedruckt("Proj.Nr.")->ty1, std::nearbyint(33 * kMm));
    EXPECT_EQ(Gedruckt(" A-12")->text, " A-12");
    const auto texte = Texte();
    const Record* s = nullptr;
    for (const auto& t : texte)
        if (t.r.text == "S.") s = &t.r;
    ASSERT_NE(s, nullptr);
    EXPECT_NEAR(s->tx1, R - 60 * kMm, 1e-6);
    EXPECT_NEAR(s->ty1, F + 9 * kMm, 1e-6);
    const Record* nr = Gedruckt(" A-12");
    EXPECT_NEAR(nr->tx1, R - 60 * kMm + 2 * 12 * 8.25, 1e-6); // behind "S." in the 8.25 pt box font
    EXPECT_NEAR(nr->ty1, F + 9 * kMm - 0.25 * 24 * 8.25, 1e-6);
    EXPECT_TRUE(nr->font.bold);
    EXPECT_FLOAT_EQ(nr->font.size, 8.25f * 1.5f);
    for (const char* z : {"Verfasser:  Ing. Weiß", "Programm :  Z O R  (Baugrubenwand)",
                          "Bauwerk  :  Baugrube Nord", "ASB Nr. 17", "Datum: 1.2.2026", "Bauteil  :  Verbau",
                          "Archiv Nr.:", "Block    :  B", "Vorgang  :  V-3"})
        EXPECT_NE(Gedruckt(z), nullptr) << z;
    EXPECT_NEAR(Gedruckt("Programm")->ty1, T + 10 * kMm, 1e-6);
    EXPECT_NEAR(Gedruckt("ASB Nr.")->tx1, R - 70 * kMm, 1e-6);
    EXPECT_NEAR(Gedruckt("Vorgang")->ty1, F + 15.3 * kMm, 1e-6);
    EXPECT_EQ(P.SeitenNr, 13);
    EXPECT_EQ(P.TextFontSize, 10.0f);
    EXPECT_EQ(P.RandUnten, 15);
}

TEST_F(H504Seiten, TextAndPicturePagesShareOneCounter) {
    P.H504Ein = -1;
    P.SeitenNr = 12;
    P.SeitenVorsatz = "A-";
    Bericht({"eins"});
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    Anzeigen::H504GrafikSeite(Rahmen(false));
    P.H504Ein = 0;
    Anzeigen::SeitenNrGrafik(Rahmen(false));
    EXPECT_NE(Gedruckt(" A-12"), nullptr);
    EXPECT_NE(Gedruckt(" A-13"), nullptr);
    EXPECT_NE(Gedruckt("S. A-14"), nullptr);
    EXPECT_EQ(P.SeitenNr, 15);
    EXPECT_EQ(P.NaechsteSeite, 15);
}

TEST_F(H504Seiten, UprightPictureBoxesHalfAMillimetreOutsideTheFrame) {
    const auto g = Rahmen(false);
    Anzeigen::H504GrafikSeite(g);
    std::vector<Record> k;
    for (const auto& l : Linien())
        if (l.kind == vb::draw::LineKind::Box) k.push_back(l);
    ASSERT_EQ(k.size(), 2u);
    EXPECT_NEAR(k[0].y2, g.BildOben - 0.5 * kMm, 1e-2);
    EXPECT_NEAR(k[0].y1, g.BildOben - 20.5 * kMm, 1e-2);
    EXPECT_NEAR(k[1].y1, g.BildUnten + 0.5 * kMm, 1e-2);
    EXPECT_NEAR(k[0].x1, g.BildLinks, 1e-2);
    EXPECT_NEAR(k[0].x2, g.BildRechts, 1e-2);
    // numbering off: "S." alone and no count
    EXPECT_NE(Gedruckt("S."), nullptr);
    EXPECT_EQ(P.SeitenNr, 0);
}

TEST_F(H504Seiten, LandscapeBoxesReadDownThePageAndLeaveTheFontExactlyAsBefore) {
    P.TextFontSize = 6.05f; // 6.05 x 1.5 / 1.5 is not 6.05 in single precision
    P.TextFontBold = 0;
    P.GrafikFontBold = 1;
    P.SeitenNr = 4;
    const auto g = Rahmen(true);
    Anzeigen::H504GrafikSeite(g);
    EXPECT_EQ(P.TextFontSize, 6.05f);
    EXPECT_EQ(P.TextFontBold, 0);
    EXPECT_EQ(P.SeitenNr, 5);
    const Record* v = Gedruckt("Verfasser:");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->angleTenths, -900);
    EXPECT_TRUE(v->font.bold); // the box font takes the graphics font's bold flag
    EXPECT_NEAR(v->x1, g.BildRechts + 20.5 * kMm - 2 * kMm, 1e-2);
    EXPECT_NEAR(v->y1, g.BildOben + 1 * kMm, 1e-2);
    const Record* nr = Gedruckt(" 4");
    ASSERT_NE(nr, nullptr);
    EXPECT_NEAR(nr->y1, g.BildUnten - 57 * kMm, 1e-2);
    EXPECT_NEAR(nr->x1, g.BildLinks - 0.5 * kMm - (9 * kMm - 0.25 * 24 * 8.25), 1e-2);
    EXPECT_NE(Gedruckt("Archiv Nr.:"), nullptr);
}

TEST_F(H504Seiten, PicturePageNumberWithoutBoxes) {
    const auto g = Rahmen(false);
    Anzeigen::SeitenNrGrafik(g); // numbering off
    const Record* s = Gedruckt("S. ");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->text, "S. ");
    EXPECT_NEAR(s->x1, g.BildRechts - 35 * kMm, 1e-2);
    EXPECT_NEAR(s->y1, g.BildOben - 24 * 15.0, 1e-2); // one line of the 1.5-fold font above the frame
    EXPECT_TRUE(s->font.bold);
    EXPECT_EQ(P.SeitenNr, 0);
    P.SeitenNr = 7;
    P.SeitenVorsatz = "B-";
    drucker_->ClearLog();
    Anzeigen::SeitenNrGrafik(g);
    const Record* n = Gedruckt("S. B-7");
    ASSERT_NE(n, nullptr);
    EXPECT_NEAR(n->x1 + 12 * 15.0 * 6, g.BildRechts, 1e-2); // it ends at the frame's right edge
    EXPECT_EQ(P.SeitenNr, 8);
    EXPECT_EQ(P.TextFontSize, 10.0f);
}

TEST_F(H504Seiten, TheCounterStopsAt32767) {
    P.SeitenNr = 32767;
    Anzeigen::SeitenNrGrafik(Rahmen(false));
    EXPECT_EQ(P.SeitenNr, 32767);
    EXPECT_EQ(P.NaechsteSeite, 32767);
}

} // namespace
} // namespace druck_test
