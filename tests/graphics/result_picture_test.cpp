// The result picture of a load case and stage, checked on the recorder: captions and notes word for word,
// positions and values against hand geometry and hand sums.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/drawing.h"
#include "graphics/result_picture.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"

using zorm1::P;

namespace grafik_test {
namespace {

class Ergebnis : public Massstab100Test {
protected:
    void SetUp() override {
        Massstab100Test::SetUp();
        P.TeilsicherheitenAn = 1;
        P.Wandart = 3;
        P.WandKopf = 1;
        P.EtaAnpass = 1.0f;
        P.Etap = 1.4f;
        P.Aushubstufen[1].Wandfuss = 1; // free foot
        P.Aushubstufen[1].zAush = 4;    // excavation level
        auto& s = zorg::Grafik().plot;
        s = zorg::PlotSatz{};
        s.LFNr = 1;
        s.AushNr = 1;
        s.ZEndeKoten = 8;
        s.zFuss = 8;
        s.zAush = 4;
        s.EpFaktor = 1;
        s.AnzWiderstand = 2;
        s.ErddruckZ = {0, 2, 6, 0};
        s.ErddruckSumme = {0, 10, 30, 0};
        s.AnzSigmaVPlot = 2;
        s.SigmaVZ = {0, 4, 8, 0};
        s.SigmaVWert = {0, 0, -40, 0};
        Knoten({0, 2, 4, 6, 8});
        zorg::MassstabEinrichten(*fenster_);
    }
    // A wider window (320 x 150 mm): the long labels at the right of the picture fit in its frame
    // and stand free of the depth scale (in the narrower window they are moved inside the frame).
    void Breit() {
        fenster_->Resize(Px(320), Px(150));
        zorg::MassstabEinrichten(*fenster_);
    }
    // Grid points at these depths, every state quantity 0 and a small positive wall load.
    void Knoten(const std::vector<float>& z) {
        auto& s = zorg::Grafik().plot;
        s.AnzKoten = static_cast<int16_t>(z.size());
        s.KoteZ.assign(z.size() + 2, 0.0f);
        std::copy(z.begin(), z.end(), s.KoteZ.begin() + 1);
        for (auto* v : {&s.WandBelastung, &s.Verformung, &s.Moment, &s.Querkraft, &s.Normalkraft})
            v->assign(z.size() + 2, 0.0f);
        for (size_t i = 1; i <= z.size(); ++i)
            s.WandBelastung[i] = 1.5f;
    }
    static void Liste(std::vector<float>& v, const std::vector<float>& werte) {
        v.assign(werte.size() + 2, 0.0f);
        std::copy(werte.begin(), werte.end(), v.begin() + 1);
    }
    static void Datei(const std::string& name, const std::string& inhalt) {
        std::ofstream f(name, std::ios::binary);
        f << inhalt;
    }
    zorg::ErgebnisLayout Zeichnen() {
        auto& g = zorg::Grafik();
        const float zm = g.max.MaxZSigmaV;
        g.max = zorg::MaximaVon(g.plot);
        if (zm != 0) g.max.MaxZSigmaV = zm;
        fenster_->ClearLog();
        g.Beschriftungen.clear(); // a picture of its own, as after the page set-up
        return zorg::ErgebnisseZeichnen(*fenster_, 1, 1);
    }
    int Anzahl(const std::string& t) const {
        int n = 0;
        for (const auto& r : Texte())
            n += r.text == t;
        return n;
    }
    bool Hat(const std::string& t) const { return Anzahl(t) > 0; }
    std::vector<Record> LinienMit(int16_t stil, int16_t breite = 1) const {
        std::vector<Record> r;
        for (const auto& l : Linien())
            if (l.drawStyle == stil && l.drawWidth == breite) r.push_back(l);
        return r;
    }
    static bool Gleich(const Record& r, double x1, double y1, double x2, double y2) {
        return std::fabs(r.x1 - x1) < 1e-5 && std::fabs(r.y1 - y1) < 1e-5 && std::fabs(r.x2 - x2) < 1e-5 &&
               std::fabs(r.y2 - y2) < 1e-5;
    }
    bool LinieDa(const std::vector<Record>& l, double x1, double y1, double x2, double y2) const {
        return std::any_of(l.begin(), l.end(), [&](const Record& r) { return Gleich(r, x1, y1, x2, y2); });
    }
    double Th(const std::string& t) const { return fenster_->TextHeight(t); }
    double Tw(const std::string& t) const { return fenster_->TextWidth(t); }
    // Width and height of a text in the small 6 pt font.
    double Tw6(const std::string& t) const { return Klein(t).width; }
    double Th6(const std::string& t) const { return Klein(t).height; }
    vb::draw::Extent Klein(const std::string& t) const {
        const auto f = fenster_->Font();
        fenster_->SetFontSize(zorm1::P.GrafikFontSize); // the paper's 6 pt labels keep the graphics font here
        const vb::draw::Extent e{fenster_->TextWidth(t), fenster_->TextHeight(t)};
        fenster_->SetFont(f);
        return e;
    }
};

// ---------------------------------------------------------------- layout, levels and captions

TEST_F(Ergebnis, CaptionsFollowTheSafetyConceptAndTheWallKind) {
    struct Fall {
        int16_t ts, wandart;
        std::vector<std::string> da, fehlt;
    };
    const Fall faelle[] = {
        {1,
         1,
         {"(d) Erdwiderstand(Spundwand)", "(d) res. Wandbelastung(TBW)", "(k) Verformungen (mm)",
          "(d) Erddruck", "(d) Momente (kNm/m)", "(d) Normalkräfte (kN/m)", "(d) Querkräfte (kN/m)",
          "(d) Wasserdruck", "(d) Zusatzdruck", "(kN/m2)"},
         {"Erdwiderstand"}},
        {1, 3, {"(d) Erdwiderstand", "(d) res. Wandbelastung"}, {"(d) Erdwiderstand(Spundwand)"}},
        {0,
         3,
         {"Erdwiderstand", "Verformungen (mm)", "Erddruck", "Momente (kNm/m)", "Normalkräfte (kN/m)",
          "res. Wandbelastung", "Querkräfte (kN/m)", "Wasserdruck", "Zusatzdruck"},
         {"(d) Erdwiderstand", "(k) Verformungen (mm)"}},
    };
    for (const auto& f : faelle) {
        P.TeilsicherheitenAn = f.ts;
        P.Wandart = f.wandart;
        const auto L = Zeichnen();
        for (const auto& t : f.da)
            EXPECT_TRUE(Hat(t)) << t;
        for (const auto& t : f.fehlt)
            EXPECT_FALSE(Hat(t)) << t;
        // centred on their axes, standing on the depth-0 line of their row
        const std::string erd = f.ts ? "(d) Erddruck" : "Erddruck";
        const Record* r = Text(erd);
        ASSERT_NE(r, nullptr);
        EXPECT_NEAR(r->x1 + Tw(erd) / 2, L.xAchse2, 1e-5);
        EXPECT_NEAR(r->y1 + Th(erd), L.yOben1, 1e-5);
    }
    EXPECT_TRUE(Hat("Lastfall  1, Aushub  1"));
}

TEST_F(Ergebnis, LayoutDividesTheFrameIntoSixPartWidths) {
    const auto L = Zeichnen();
    const float b = (zorg::Grafik().BildRechts - zorg::Grafik().BildLinks) / 6,
                th = static_cast<float>(Th("A"));
    EXPECT_FLOAT_EQ(L.xAchse1, zorg::Grafik().BildLinks + b);
    EXPECT_FLOAT_EQ(L.xAchse3, zorg::Grafik().BildLinks + 5 * b);
    EXPECT_FLOAT_EQ(L.Versatz, -2 * b / 3);
    EXPECT_FLOAT_EQ(L.yOben1, zorg::Grafik().BildOben + 2 * th);
    EXPECT_NEAR(L.Diagrammhoehe,
                (zorg::Grafik().BildUnten - zorg::Grafik().BildOben) / 2 - 2.25f * th -
                    16 * zorg::Grafik().ZeichenEinheit,
                1e-5);
    EXPECT_NEAR(L.Tiefenmassstab * 8, L.Diagrammhoehe, 1e-5);
    // seven axes: three above, four below (none at the middle axis below)
    int oben = 0, unten = 0;
    for (const auto& l : LinienMit(vb::draw::vbSolid))
        if (l.x1 == l.x2 && std::fabs(l.y2 - l.y1 - L.Diagrammhoehe) < 1e-5) {
            oben += std::fabs(l.y1 - L.yOben1) < 1e-6;
            unten += std::fabs(l.y1 - L.yOben2) < 1e-6;
            EXPECT_FALSE(std::fabs(l.y1 - L.yOben2) < 1e-6 && std::fabs(l.x1 - L.xAchse2) < 1e-6);
        }
    EXPECT_EQ(oben, 5); // with the two sub-axes of water and additional stresses
    EXPECT_EQ(unten, 4);
}

TEST_F(Ergebnis, VerticalForceNoteWithPartialFactorsOnly) {
    auto& s = zorg::Grafik().plot;
    s.SummeV2 = -12.34f;
    auto L = Zeichnen();
    const std::string t = "(k) Sum V = -12.3 kN/m";
    ASSERT_TRUE(Hat(t));
    EXPECT_NEAR(Text(t)->x1 + Tw(t) / 2, L.xAchse2 - L.Versatz, 1e-5);
    EXPECT_EQ(Anzahl("(nach oben)"), 1);
    s.SummeV2 = 0;
    Zeichnen();
    EXPECT_TRUE(Hat("(k) Sum V = 0.0 kN/m"));
    EXPECT_FALSE(Hat("(nach oben)"));
    P.TeilsicherheitenAn = 0;
    s.SummeV2 = -12.34f;
    Zeichnen();
    for (const auto& r : Texte())
        EXPECT_EQ(r.text.find("(k) Sum V"), std::string::npos);
}

TEST_F(Ergebnis, DepthScaleTicksAndLabels) {
    struct Fall {
        float zE;
        int beschriftet, unbeschriftet;
        const char* letzte;
    };
    for (Fall f : {Fall{10.0f, 20, 0, "9"}, Fall{10.01f, 10, 10, "8"}, Fall{12.5f, 12, 12, "10"}}) {
        auto& s = zorg::Grafik().plot;
        s.ZEndeKoten = f.zE;
        s.zFuss = f.zE;
        Zeichnen();
        const float u = zorg::Grafik().ZeichenEinheit, r = zorg::Grafik().BildRechts;
        int lang = 0, kurz = 0;
        for (const auto& l : Linien())
            if (std::fabs(l.x1 - r) < 1e-6 && l.y1 == l.y2) {
                lang += std::fabs(l.x2 - (r - 6 * u)) < 1e-6;
                kurz += std::fabs(l.x2 - (r - 4 * u)) < 1e-6;
            }
        EXPECT_EQ(lang, f.beschriftet) << f.zE;
        EXPECT_EQ(kurz, f.unbeschriftet) << f.zE;
        EXPECT_EQ(Anzahl(f.letzte), 2) << f.zE;
        EXPECT_EQ(Anzahl("11"), 0) << f.zE;
    }
}

TEST_F(Ergebnis, ComputedFootIsMarkedFromMoreThanTwentyCentimetres) {
    auto& s = zorg::Grafik().plot;
    for (float dt : {0.2f, 0.21f}) {
        s.DeltaTPlot = dt;
        const auto L = Zeichnen();
        const float zr = s.ZEndeKoten - dt;
        int gepunktet = 0;
        for (const auto& l : LinienMit(vb::draw::vbDot))
            for (float y0 : {L.yOben1, L.yOben2})
                gepunktet += std::fabs(l.y1 - (y0 + zr * L.Tiefenmassstab)) < 1e-5 &&
                             std::fabs(l.x1 - zorg::Grafik().BildLinks) < 1e-6 &&
                             std::fabs(l.x2 - zorg::Grafik().BildRechts) < 1e-6;
        EXPECT_EQ(gepunktet, 2) << dt;
        int labels = 0;
        for (const auto& r : Texte())
            labels += r.text.find(" UK Wand rechn.") != std::string::npos;
        EXPECT_EQ(labels, dt > 0.2f ? 2 : 0) << dt;
    }
    EXPECT_TRUE(Hat("7.79 UK Wand rechn."));
}

TEST_F(Ergebnis, LevelLabelsCarryTheElevationWhenTheWallHeadHasOne) {
    P.KoteOKWand = 100;
    P.WandKopf = 2;
    P.Aushubstufen[1].zAush = 4.5f;
    P.Aushubstufen[1].AnzAnker = 1;
    P.Aushubstufen[1].ZAnker[1] = 3.0f;
    auto& s = zorg::Grafik().plot;
    s.ZEndeKoten = 12.5f;
    s.zFuss = 12.5f;
    Zeichnen();
    for (const char* t :
         {"12.50(87.50 UK Wand)", "4.50(95.50 Aushub)", "0.00(100.00 OK Wand)", "0.00(100.00)", "3.00"})
        EXPECT_EQ(Anzahl(t), 2) << t;
    // without an elevation the plain depths
    P.KoteOKWand = 0;
    Zeichnen();
    for (const char* t : {"12.50 UK Wand", "4.50 Aushub", "0.00 OK Wand", "0.00", "3.00"})
        EXPECT_EQ(Anzahl(t), 2) << t;
}

TEST_F(Ergebnis, EarthPressureIsCutAtTheDepthOfTheResistanceListOnce) {
    auto& g = zorg::Grafik();
    g.max.MaxZSigmaV = 4; // cut between 2 (10) and 6 (30): 20 at 4
    auto L = Zeichnen();
    EXPECT_EQ(L.iDruckEnde, 2);
    EXPECT_FLOAT_EQ(g.plot.ErddruckZ[2], 4.0f);
    EXPECT_FLOAT_EQ(g.plot.ErddruckSumme[2], 20.0f);
    EXPECT_FLOAT_EQ(L.MaxDruck, 20.0f);
    const auto erst = fenster_->Log();
    Zeichnen(); // a redraw shows the same picture
    EXPECT_EQ(fenster_->Log(), erst);
    // a list that does not reach the depth is drawn uncut
    g.plot.ErddruckZ = {0, 2, 6, 0};
    g.plot.ErddruckSumme = {0, 10, 30, 0};
    g.max.MaxZSigmaV = 7;
    L = Zeichnen();
    EXPECT_EQ(L.iDruckEnde, 2);
    EXPECT_FLOAT_EQ(g.plot.ErddruckSumme[2], 30.0f);
}

TEST_F(Ergebnis, PictureWithoutDepthDrawsOnlyHeadingAndCaptions) {
    auto& s = zorg::Grafik().plot;
    s.ZEndeKoten = 0;
    const auto L = Zeichnen();
    EXPECT_EQ(L.Tiefenmassstab, 0.0f);
    EXPECT_TRUE(Linien().empty());
    EXPECT_TRUE(Hat("(d) Erddruck"));
}

// ---------------------------------------------------------------- pressure figures and notes

TEST_F(Ergebnis, AdaptationAndWallFrictionLinesAtTheirThresholds) {
    struct Fall {
        float eta;
        float rvd;
        bool anpass, reibung;
    };
    P.Wandart = 2;
    P.Aushubstufen[1].Wandfuss = 3; // hinged in rock
    for (Fall f : {Fall{1.0f, 0.5f, false, false}, Fall{0.99f, 0.51f, true, true}}) {
        P.EtaAnpass = f.eta;
        zorg::Grafik().plot.Rvd = f.rvd;
        Zeichnen();
        EXPECT_EQ(Hat("etaAnpassFaktor = 0.99"), f.anpass);
        EXPECT_EQ(Hat("(gilt für Spundwand)"), f.anpass);
        EXPECT_EQ(Hat("(mit Wandreibungswinkel <> 0)"), f.reibung);
    }
    P.TeilsicherheitenAn = 0; // no adaptation lines in the global concept
    Zeichnen();
    EXPECT_FALSE(Hat("etaAnpassFaktor = 0.99"));
}

TEST_F(Ergebnis, SoldierPileNotesInBothSafetyConcepts) {
    P.Wandart = 1;
    auto& s = zorg::Grafik().plot;
    s.Rhd = 80, s.Rvd = 20, s.EdFuss = 30, s.AbgeschnDruck = 10, s.EpFaktor = 0.8f;
    Zeichnen();
    // Evd = (30 + 10) x 20 / 80 = 10; line g: smallest ordinate -40 x 0.8 = -32
    for (const char* t : {"Rhd = 80.0; Rvd = 20.0 kN/m; RFak = 0.800", "Ehd = 10.0 + 30.0 = 40.0 kN/m",
                          "Evd = Ehd * Rvd / Rhd = 10.0 kN/m", "-40.0 * 0.800 = -32.0 (TBW)"})
        EXPECT_TRUE(Hat(t)) << t;
    P.TeilsicherheitenAn = 0;
    Zeichnen();
    for (const char* t :
         {"zul.Ah = 80.0; zul.Av = 20.0 kN/m; RFak = 0.800", "vorh.Ah = 10.0 + 30.0 = 40.0 kN/m",
          "vorh.Av = zul.Av * vorh.Ah / zul.Ah = 10.0 kN/m"})
        EXPECT_TRUE(Hat(t)) << t;
    // no horizontal resistance: no vertical share; no resistance list: no line g
    s.Rhd = 0;
    s.AnzSigmaVPlot = 0;
    Zeichnen();
    for (const auto& r : Texte()) {
        EXPECT_EQ(r.text.find("vorh.Av"), std::string::npos);
        EXPECT_EQ(r.text.find(" (TBW)"), std::string::npos) << r.text;
        EXPECT_EQ(r.text.find("999999"), std::string::npos);
    }
}

TEST_F(Ergebnis, PressureAndWallLoadShareTheSmallerScale) {
    auto& s = zorg::Grafik().plot;
    s.WandBelastung[3] = 45; // largest wall load 45, largest pressure 30
    auto L = Zeichnen();
    EXPECT_FLOAT_EQ(L.MassstabDruck, L.MaxAusschlag / 45);
    EXPECT_FLOAT_EQ(L.MassstabBelastung, L.MaxAusschlag / 45);
    for (auto* v : {&s.WandBelastung})
        std::fill(v->begin(), v->end(), 0.0f);
    L = Zeichnen();
    EXPECT_FLOAT_EQ(L.MassstabDruck, L.MaxAusschlag / 30);
    EXPECT_EQ(L.MassstabBelastung, 0.0f);
}

TEST_F(Ergebnis, CutOffPressureNoteInOneOrTwoLines) {
    Breit();
    P.Wandart = 1;
    P.EntlastFaktor = 0.25f;
    zormc::St.AbgeschnUmlagern = 12;
    auto& s = zorg::Grafik().plot;
    s.AbgeschnDruck = 40;
    s.UmFigur = 1;
    const auto L = Zeichnen();
    const std::string z1 = "0.75 * abgeschn. Druck = 40.0 kN/m zum Erdauflager";
    const std::string z2 = "0.25 * abgeschn. Druck = 12.0 kN/m umlagern nach oben";
    const Record *a = Text(z1), *b = Text(z2);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NEAR(a->y1, L.yOben1 + L.Tiefenmassstab * (8 + 4) / 2, 1e-5);
    EXPECT_NEAR(b->x1, a->x1, 1e-6);
    // one line above, here higher still: that line would lie on the value labels of the pressure figure
    EXPECT_LT(b->y1, a->y1 - Th6(z2) + 1e-6);
    EXPECT_NEAR(a->x1 + Tw6(z1) / 2, L.xAchse2, 1e-5);
    s.UmFigur = 0;
    Zeichnen();
    EXPECT_TRUE(Hat("abgeschn. Druck = 40.0 kN/m"));
    EXPECT_FALSE(Hat(z1));
}

TEST_F(Ergebnis, CrossOutOnlyWhereTheFigureItselfCrossesTheExcavationLevel) {
    P.Wandart = 1;
    auto& s = zorg::Grafik().plot;
    s.zFuss = 6;
    // water pressure from 1 to 3 m: above the excavation level at 4 m
    s.AnzWasserPunkte = 2;
    Liste(s.WasserZ, {1, 3});
    Liste(s.WasserDruck, {0, 20});
    const auto L = Zeichnen();
    const auto dick = LinienMit(vb::draw::vbSolid, 8);
    ASSERT_EQ(dick.size(), 2u);
    // earth pressure: 20 at the excavation level (between 10 at 2 m and 30 at 6 m), 30 at its end
    const float sD = L.MassstabDruck, y4 = L.yOben1 + 4 * L.Tiefenmassstab,
                y6 = L.yOben1 + 6 * L.Tiefenmassstab;
    EXPECT_TRUE(LinieDa(dick, L.xAchse2, y4, L.xAchse2 + sD * 30, y6));
    EXPECT_TRUE(LinieDa(dick, L.xAchse2, y6, L.xAchse2 + sD * 20, y4));
    EXPECT_TRUE(Hat("20.0")); // the value at the excavation level
}

TEST_F(Ergebnis, AdditionalStressesAreDrawnAsDesignValuesOnACopy) {
    zormc::St.ZspSkala = 1.5f;
    auto& s = zorg::Grafik().plot;
    s.AnzZusatzSpannung = 2;
    Liste(s.ZusZ, {0, 99});
    Liste(s.ZusSpannung, {10, 10});
    P.AnzZusatzSpannung = 2;
    P.ZusSpannung[1] = P.ZusSpannung[2] = 10;
    const auto L = Zeichnen();
    const Record* r = Text("15.0");
    ASSERT_NE(r, nullptr);
    EXPECT_NEAR(r->x1, L.xZusatz + L.MassstabDruck * 15, 1e-5);
    EXPECT_FLOAT_EQ(s.ZusSpannung[1], 10.0f);
    EXPECT_FLOAT_EQ(s.ZusZ[2], 99.0f);
    EXPECT_FLOAT_EQ(P.ZusSpannung[1], 10.0f);
    P.TeilsicherheitenAn = 0;
    Zeichnen();
    EXPECT_FALSE(Hat("15.0"));
    EXPECT_TRUE(Hat("10.0"));
}

TEST_F(Ergebnis, WaterPressureOfATenthOrLessGetsNoLabels) {
    auto& s = zorg::Grafik().plot;
    s.AnzWasserPunkte = 3;
    Liste(s.WasserZ, {5, 6, 6});
    Liste(s.WasserDruck, {0, 0.1f, 0});
    Zeichnen();
    EXPECT_FALSE(Hat("0.1"));
    Liste(s.WasserDruck, {0, 12.5f, 0});
    Zeichnen();
    EXPECT_EQ(Anzahl("12.5"), 2); // maximum and end value
}

// ---------------------------------------------------------------- resulting wall load and bedding

TEST_F(Ergebnis, WallLoadLabelsAtTheExcavationLevelItsQuartersAndItsMaximum) {
    Knoten({0, 1.001f, 2, 3, 4, 8});
    auto& s = zorg::Grafik().plot;
    const float w[] = {11.1f, 22.2f, 33.3f, 44.4f, 55.5f, 66.6f};
    for (size_t i = 0; i < 6; ++i)
        s.WandBelastung[i + 1] = w[i];
    Zeichnen();
    EXPECT_FALSE(Hat("11.1"));
    EXPECT_FALSE(Hat("22.2")); // 0.001 m off the quarter
    EXPECT_TRUE(Hat("33.3"));
    EXPECT_TRUE(Hat("44.4"));
    EXPECT_TRUE(Hat("55.5"));
    EXPECT_TRUE(Hat("66.6"));
}

TEST_F(Ergebnis, ResistanceComparisonOnlyWithoutNegativeWallLoad) {
    Datei("ZOREwid.11", "3\r\n4,0\r\n6,-20\r\n8,-40\r\n");
    auto& s = zorg::Grafik().plot;
    auto L = Zeichnen();
    EXPECT_TRUE(L.VergleichGezeichnet);
    EXPECT_TRUE(Hat("Unterschiedliche Maßstäbe auf beiden Seiten!"));
    EXPECT_TRUE(Hat("-40.0(d)"));
    EXPECT_TRUE(Hat("-56.0(k)")); // Etap x minimum
    s.WandBelastung[2] = -0.05f;  // prints as nothing, but is negative
    L = Zeichnen();
    EXPECT_FALSE(L.VergleichGezeichnet);
    EXPECT_FALSE(Hat("Unterschiedliche Maßstäbe auf beiden Seiten!"));
    // without the resistance file the comparison is left out
    s.WandBelastung[2] = 1.5f;
    std::remove("ZOREwid.11");
    L = Zeichnen();
    EXPECT_FALSE(L.VergleichGezeichnet);
}

TEST_F(Ergebnis, BeddingLineIsThickAndNamedInTheCaption) {
    Datei("ZOREwid.11", "2\r\n4,0\r\n8,-40\r\n");
    Datei("ZOREwidVerw.11", "4,0\r\n6,10\r\n8,20\r\n");
    const auto L = Zeichnen();
    const auto dick = LinienMit(vb::draw::vbSolid, 4);
    ASSERT_EQ(dick.size(), 3u);
    EXPECT_TRUE(LinieDa(dick, L.xAchseWiderstand - L.MassstabSigmaV * 10, L.yOben1 + 6 * L.Tiefenmassstab,
                        L.xAchseWiderstand - L.MassstabSigmaV * 20, L.yOben1 + 8 * L.Tiefenmassstab));
    EXPECT_TRUE(Hat("Umlag./Überlag. bzw. Bereich der Senkfedern."));
    EXPECT_TRUE(Hat("dick: ERF. Erdwidst.(k) = (red.) Bettung(k) * Verformung(k)"));
    EXPECT_TRUE(Hat("dünn: Erdwiderstand (k) = außen, (d) = innen"));
    // one line: no spring range named; no file: no thick line and none of the bedding captions
    Datei("ZOREwidVerw.11", "6,10\r\n");
    Zeichnen();
    EXPECT_TRUE(Hat("Umlag./Überlag."));
    std::remove("ZOREwidVerw.11");
    Zeichnen();
    EXPECT_TRUE(LinienMit(vb::draw::vbSolid, 4).empty());
    EXPECT_FALSE(Hat("(zum Vergleich mit dicker Linie aus Bettung)"));
    P.TeilsicherheitenAn = 0;
    Datei("ZOREwidVerw.11", "4,0\r\n8,20\r\n");
    Zeichnen();
    EXPECT_TRUE(Hat("dick: ERF. Erdwidstand = (red.) Bettung * Verformung"));
    EXPECT_TRUE(Hat("dünn: Erdwiderstand = außen, Erdwid. / eta = innen"));
}

TEST_F(Ergebnis, FootSupportNoteByConceptAndWallKind) {
    struct Fall {
        int16_t ts, wandart, fuss;
        std::vector<std::string> texte;
    };
    const Fall faelle[] = {
        {1, 1, 1, {"Ehd = 30.0; Rhd = 80.0 kN/m", "(mit TBW-Reduktionsfakt. 0,80)"}},
        {1, 3, 1, {"Ehd = 30.0; Rhd = 80.0 kN/m"}},
        {0, 1, 1, {"zul.E = 80.0; vorh.E = 30.0 kN/m"}},
        {0, 3, 1, {"zul.A = 80.0; vorh.A = 30.0 kN/m"}},
        {1, 3, 3, {}},
    };
    const std::vector<std::string> alle = {"Ehd = 30.0; Rhd = 80.0 kN/m", "(mit TBW-Reduktionsfakt. 0,80)",
                                           "zul.E = 80.0; vorh.E = 30.0 kN/m",
                                           "zul.A = 80.0; vorh.A = 30.0 kN/m"};
    auto& s = zorg::Grafik().plot;
    s.EdFuss = 30;
    s.RdFuss = 80;
    for (const auto& f : faelle) {
        P.TeilsicherheitenAn = f.ts;
        P.Wandart = f.wandart;
        P.Aushubstufen[1].Wandfuss = f.fuss;
        Zeichnen();
        for (const auto& t : alle)
            EXPECT_EQ(Hat(t), std::find(f.texte.begin(), f.texte.end(), t) != f.texte.end())
                << t << " " << f.ts << f.wandart << f.fuss;
    }
}

TEST_F(Ergebnis, ExtraEmbedmentNoteWithItsEquilibriumLine) {
    auto& s = zorg::Grafik().plot;
    s.ZEndeKoten = 7.5f;
    s.zFuss = 6.0f;
    s.DeltaTPlot = 0.5f;
    Knoten({0, 4, 7.5f});
    Datei("ZOREwidvW.11", "3,-25\r\n0,0\r\n6,-20\r\n7.5,-40\r\n");
    Datei("ZOReP0.11", "3,-25\r\n0,0\r\n6,10\r\n7.5,10\r\n");
    const auto L = Zeichnen();
    // resultants between 6.0 and 7.5 m by hand: resistance (-20 - 40) / 2 x 1.5 = -45, pressure 15
    EXPECT_NEAR(L.ResDeltaTWiderstand, -45.0f, 1e-4);
    EXPECT_NEAR(L.ResDeltaTErddruck, 15.0f, 1e-4);
    EXPECT_TRUE(Hat("Rammtiefenzuschlag  0.50 m wegen Summe H = -25.0 kN/m"));
    EXPECT_TRUE(Hat("-25.0 + 45.0 - 15.0 = 5.0 ; Gleichgewicht erfüllt."));
    EXPECT_TRUE(Hat("angesetzt. Das tun andere Programme eventuell nicht."));
    // with a water file its term joins the line
    Datei("ZOReWas.11", "2,-25\r\n0,0\r\n7.5,20\r\n");
    Zeichnen();
    // water between 6 and 7.5: (16 + 20) / 2 x 1.5 = 27
    EXPECT_TRUE(Hat("-25.0 + 45.0 - 15.0 - 27.0 = -22.0 ; Gleichgewicht erfüllt."));
}

TEST_F(Ergebnis, LoadDiagramCopyPlusResistanceDownToTheRedistributionBase) {
    auto& s = zorg::Grafik().plot;
    s.zFuss = 6;
    s.HUmlagerung = 5;
    s.AnzAuflagerVersch = 3;
    s.LastbildKopieZ = {0, 0, 4, 6, 6};
    s.LastbildKopieE = {0, 0, 20, 20, 0};
    s.AnzSigmaVPlot = 3;
    s.SigmaVZ = {0, 0, 4, 6, 0};
    s.SigmaVWert = {0, 0, 0, -30, 0};
    const auto L = Zeichnen();
    EXPECT_TRUE(L.UeberlagerungGezeichnet);
    // at 5 m: 20 - 15 = 5; drawn from the excavation level (4 m) to the base (5 m), no further
    const auto strich = LinienMit(vb::draw::vbDash);
    const float sB = L.MassstabBelastung;
    auto y = [&](float z) { return L.yOben1 + z * L.Tiefenmassstab; };
    EXPECT_TRUE(LinieDa(strich, L.xAchse3 + sB * 20, y(4), L.xAchse3 + sB * 5, y(5)));
    EXPECT_FALSE(LinieDa(strich, L.xAchse3 + sB * 5, y(5), L.xAchse3 + sB * -10, y(6)));
    // the copy itself, closing on the axis
    EXPECT_TRUE(LinieDa(strich, L.xAchse3 + sB * 20, y(6), L.xAchse3, y(6)));
    // a copy that would need more than 200 points is left out of the sum
    s.AnzAuflagerVersch = 201;
    s.LastbildKopieZ.assign(203, 6.0f);
    s.LastbildKopieE.assign(203, 0.0f);
    EXPECT_FALSE(Zeichnen().UeberlagerungGezeichnet);
}

// ---------------------------------------------------------------- state quantities

TEST_F(Ergebnis, NormalForceFootValueAndDesignVerticalSum) {
    auto& s = zorg::Grafik().plot;
    s.Normalkraft[5] = 25.3f;
    auto L = Zeichnen();
    EXPECT_TRUE(Hat("25.3"));
    EXPECT_TRUE(Hat("(d) Sum V = -25.3 kN/m"));
    EXPECT_FLOAT_EQ(L.SummeV, -25.3f);
    EXPECT_EQ(Anzahl("(nach oben)"), 1);
    const Record* r = Text("(d) Sum V = -25.3 kN/m");
    EXPECT_NEAR(r->x1 + Tw("(d) Sum V = -25.3 kN/m") / 2, L.xAchse2 + L.Versatz, 1e-5);
    P.TeilsicherheitenAn = 0;
    Zeichnen();
    EXPECT_TRUE(Hat("Sum V = -25.3 kN/m"));
}

TEST_F(Ergebnis, HingeLabelAndCouplingForce) {
    Breit();
    zormc::St.zGelenk = 6.0f;
    Knoten({0, 5.999f, 6.0f, 6.5f, 7.0f, 8});
    auto& s = zorg::Grafik().plot;
    const float q[] = {0, 40, 15, 10, 5, 0};
    for (size_t i = 0; i < 6; ++i)
        s.Querkraft[i + 1] = q[i];
    s.Moment[3] = 12;
    const auto L = Zeichnen();
    EXPECT_TRUE(Hat("Gelenk z = 6.00"));
    const Record* dq = Text("dQ = -25.0");
    ASSERT_NE(dq, nullptr);
    const float sQ = L.MassstabQuerkraft, y7 = L.yOben2 + 7 * L.Tiefenmassstab;
    EXPECT_NEAR(dq->y1, y7 - Th("dQ = -25.0") / 2, 1e-5);
    EXPECT_NEAR(dq->x1, L.xAchse3 + sQ * 40 + Tw("40.0") + 5 * zorg::Grafik().ZeichenEinheit, 1e-5);
    const Record* k = Text("(Koppelkraft)");
    ASSERT_NE(k, nullptr);
    EXPECT_NEAR(k->x1, dq->x1, 1e-6);
    EXPECT_TRUE(Hat("15.0"));
    // without a hinge none of it
    zormc::St.zGelenk = 0;
    Zeichnen();
    for (const char* t : {"Gelenk z = 6.00", "dQ = -25.0", "(Koppelkraft)"})
        EXPECT_FALSE(Hat(t)) << t;
}

TEST_F(Ergebnis, ReducedShearBelowTheExcavationFollowsTheDegreeOfFixity) {
    struct Fall {
        int16_t fuss;
        float einsp;
        int16_t gebettet;
        float faktor; // 0: no reduced curve
    };
    auto& s = zorg::Grafik().plot;
    const float q[] = {10, 10, 20, 30, 40};
    for (size_t i = 0; i < 5; ++i)
        s.Querkraft[i + 1] = q[i];
    for (Fall f : {Fall{4, 0, 0, 0.5f}, Fall{1, 60, 0, 0.7f}, Fall{1, 100, 0, 0.5f}, Fall{1, 0.02f, 0, 0},
                   Fall{1, 60, 1, 0}}) {
        P.Aushubstufen[1].Wandfuss = f.fuss;
        s.EinspErg = f.einsp;
        P.FussGebettet[1] = f.gebettet;
        const auto L = Zeichnen();
        const auto punkte = LinienMit(vb::draw::vbDot);
        const float sQ = L.MassstabQuerkraft;
        auto y = [&](float z) { return L.yOben2 + z * L.Tiefenmassstab; };
        bool abgemindert = false;
        for (const auto& r : Texte())
            abgemindert |= r.text.find(" (abgemindert)") != std::string::npos;
        EXPECT_EQ(abgemindert, f.faktor != 0) << f.fuss << " " << f.einsp;
        if (f.faktor == 0) continue;
        // from the first point below the excavation level (6 m, shear 30) down to the foot
        EXPECT_TRUE(
            LinieDa(punkte, L.xAchse3 + sQ * f.faktor * 30, y(6), L.xAchse3 + sQ * f.faktor * 40, y(8)));
        EXPECT_FALSE(
            LinieDa(punkte, L.xAchse3 + sQ * f.faktor * 20, y(4), L.xAchse3 + sQ * f.faktor * 30, y(6)));
        EXPECT_TRUE(Hat(vb::Trim(vb::Format(f.faktor * 40, "#####0.0")) + " (abgemindert)"));
    }
}

TEST_F(Ergebnis, RockSupportForceStandsOnTheFootBesideTheShearAxis) {
    Breit();
    P.Aushubstufen[1].Wandfuss = 3;
    auto& s = zorg::Grafik().plot;
    for (float qn : {-18.4f, 18.4f}) {
        s.Querkraft[5] = qn;
        const auto L = Zeichnen();
        const std::string t = qn < 0 ? "Felslager H(d) = 18.4 kN/m" : "Felslager H(d) = -18.4 kN/m";
        const Record* r = Text(t);
        ASSERT_NE(r, nullptr) << t;
        if (qn < 0)
            EXPECT_NEAR(r->x1, L.xAchse3 + 2 * zorg::Grafik().ZeichenEinheit, 1e-6);
        else
            EXPECT_NEAR(r->x1 + Tw6(t), L.xAchse3, 1e-5);
    }
}

TEST_F(Ergebnis, ShearJumpThroughZeroLabelsBothSides) {
    Knoten({0, 2, 2, 8});
    auto& s = zorg::Grafik().plot;
    const float q[] = {45, 31, -51, -60};
    for (size_t i = 0; i < 4; ++i)
        s.Querkraft[i + 1] = q[i];
    Zeichnen();
    EXPECT_TRUE(Hat("31.0"));
    EXPECT_TRUE(Hat("-51.0"));
    EXPECT_EQ(Anzahl("45.0"), 1); // the extremes once
    EXPECT_EQ(Anzahl("-60.0"), 1);
    s.Querkraft[3] = 11; // no change of sign: no labels
    Zeichnen();
    EXPECT_FALSE(Hat("31.0"));
    EXPECT_FALSE(Hat("11.0"));
}

TEST_F(Ergebnis, DeflectionExtremesAreTheExtremesOfTheRecord) {
    auto& s = zorg::Grafik().plot;
    const float v[] = {12.34f, 8, -3.21f, -3.21f, 0};
    for (size_t i = 0; i < 5; ++i)
        s.Verformung[i + 1] = v[i];
    const auto L = Zeichnen();
    EXPECT_EQ(Anzahl("12.3"), 1);
    EXPECT_EQ(Anzahl("-3.2"), 1); // a minimum at two points is written at the upper one
    const Record* r = Text("-3.2");
    EXPECT_NEAR(r->y1 + Th("-3.2"), L.yOben2 + 4 * L.Tiefenmassstab, 1e-5);
    EXPECT_TRUE(Hat("siehe Hinweise beim Textausdruck"));
    EXPECT_TRUE(Hat("unterhalb ZUSTANDS-GRÖSSEN"));
}

// The note below the state quantities reads upward from 60 drawing units above the frame's bottom, beside the
// deflection axis; where the curve reaches right across the axis within the note's height (deflections of
// -8 and -10 mm at 6 and 8 m, drawn at axis - scale x value), the note stands one unit right of the curve.
TEST_F(Ergebnis, TheNoteBelowTheStateQuantitiesStandsRightOfTheDeflectionCurve) {
    auto& s = zorg::Grafik().plot;
    const float v[] = {0, -2, -5, -8, -10};
    for (size_t i = 0; i < 5; ++i)
        s.Verformung[i + 1] = v[i];
    const auto L = Zeichnen();
    const float u = zorg::Grafik().ZeichenEinheit;
    const Record* r = Text("siehe Hinweise beim Textausdruck");
    ASSERT_NE(r, nullptr);
    EXPECT_NEAR(r->x1, L.xAchse1 + 10 * L.MassstabVerformung + u, 1e-5);
    EXPECT_NEAR(r->y1, zorg::Grafik().BildUnten - 60 * u, 1e-5);
    // the second line beside the first, one line to the right
    const Record* r2 = Text("unterhalb ZUSTANDS-GRÖSSEN");
    ASSERT_NE(r2, nullptr);
    EXPECT_NEAR(r2->x1, r->x1 + Th("unterhalb ZUSTANDS-GRÖSSEN"), 1e-5);
    // a curve left of the axis, touching it at the head (within the note's height, 32 characters): the note
    // one unit right of the axis
    for (size_t i = 0; i < 5; ++i)
        s.Verformung[i + 1] = -v[i];
    const auto L2 = Zeichnen();
    EXPECT_NEAR(Text("siehe Hinweise beim Textausdruck")->x1, L2.xAchse1 + u, 1e-5);
}

TEST_F(Ergebnis, DrawingChangesNoProjectDataAndLeavesThePenAsFound) {
    P.Wandart = 1;
    zormc::St.ZspSkala = 1.5f;
    const auto vorher = P;
    Zeichnen();
    EXPECT_EQ(fenster_->DrawStyle(), vb::draw::vbSolid);
    EXPECT_EQ(fenster_->DrawWidth(), 1);
    EXPECT_TRUE(fenster_->FontTransparent());
    EXPECT_FLOAT_EQ(P.GrafikFontSize, vorher.GrafikFontSize);
    EXPECT_EQ(P.Aushubstufen, vorher.Aushubstufen);
    EXPECT_EQ(P.ZusSpannung, vorher.ZusSpannung);
}

TEST_F(Ergebnis, MaskedNumbersTakeTheLocalesSeparator) {
    vb::SetDecimalSeparator(',');
    zorg::Grafik().plot.SummeV2 = -12.34f;
    Zeichnen();
    EXPECT_TRUE(Hat("(k) Sum V = -12,3 kN/m"));
    EXPECT_TRUE(Hat("4,00 Aushub"));
    EXPECT_TRUE(Hat("Lastfall  1, Aushub  1"));
    EXPECT_EQ(Anzahl("7"), 2); // tick labels are whole numbers
}

} // namespace
} // namespace grafik_test
