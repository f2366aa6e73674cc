// The envelope pictures on the recorder: hand-made maxima records and wall lines, expectations worked
// from the layout rules (columns of a sixth of the frame, half width 0.6 w, depth stretched to the frame).
#include <fstream>
#include <sstream>

#include "graphics/drawing.h"
#include "graphics/envelope_picture.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/anchor_files.h"

using zorm1::P;

namespace grafik_test {
namespace {

// One state of "ZORG.ZZZ": z, deflection, moment, shear force per node.
struct Zustand {
    int lf = 1, stufe = 1;
    float zAush = 4.0f;
    std::vector<std::array<float, 4>> knoten;
};

void ZorgDatei(const std::vector<Zustand>& zs) {
    std::ofstream f("ZORG.ZZZ", std::ios::binary);
    for (const auto& s : zs) {
        f << s.lf << "," << s.stufe << "," << s.knoten.size() << ",0.5,10," << s.zAush << "\r\n";
        for (const auto& k : s.knoten)
            f << k[0] << "," << k[1] << "," << k[2] << "," << k[3] << "\r\n";
    }
}

// Two lines of a load-case maxima record: foot, wall-load depth, |v|, |M|, |Q|; max/min v, M, Q; Sum V (k),
// Sum V (d).
std::string Fall(float fuss, float lastTiefe, float av, float am, float aq, float vmax, float vmin,
                 float mmax, float mmin, float qmax, float qmin, float svk, float svd) {
    std::ostringstream o;
    o << fuss << "," << lastTiefe << "," << av << "," << am << "," << aq << "\r\n"
      << vmax << "," << vmin << "," << mmax << "," << mmin << "," << qmax << "," << qmin << "," << svk << ","
      << svd << "\r\n";
    return o.str();
}

void Datei(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

class Ueberlagerung : public Massstab100Test {
protected:
    void SetUp() override {
        Massstab100Test::SetUp();
        zormd::AnkerbuchZuruecksetzen();
        ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
        L = zorg::Grafik().BildLinks, R = zorg::Grafik().BildRechts, T = zorg::Grafik().BildOben,
        B = zorg::Grafik().BildUnten, u = zorg::Grafik().ZeichenEinheit;
        w = (R - L) / 6;
        h = static_cast<float>(fenster_->TextHeight("Ü"));
        yT = T + 2 * h;
        yB = B - 1.1f * h - 16 * u;
    }

    void Zeichnen(int16_t lf, int16_t alle) {
        fenster_->ClearLog();
        zorg::UeberlagerungZeichnen(*fenster_, lf, alle);
    }
    // Lines whose both ends lie on x (within a rounding of the scale).
    std::vector<Record> SenkrechtBei(float x) const {
        std::vector<Record> r;
        for (const auto& l : Linien())
            if (std::fabs(l.x1 - x) < 1e-3 && std::fabs(l.x2 - x) < 1e-3) r.push_back(l);
        return r;
    }
    float Y(float z, float fuss) const { return yT + (yB - yT) / fuss * z; }

    float L = 0, R = 0, T = 0, B = 0, u = 0, w = 0, h = 0, yT = 0, yB = 0;
};

TEST_F(Ueberlagerung, RulerLastMetreAndLabelStepFollowTheGreatestFootDepth) {
    struct Fall {
        float fuss;
        int bis, schritt;
    } faelle[] = {{9.5f, 9, 1}, {10.0f, 9, 1}, {15.0f, 14, 2}, {20.0f, 18, 2}, {25.0f, 22, 5}, {0.0f, 0, 1}};
    for (const auto& f : faelle) {
        const auto l = zorg::LinealVon(f.fuss);
        EXPECT_EQ(l.bis, f.bis) << f.fuss;
        EXPECT_EQ(l.schritt, f.schritt) << f.fuss;
    }
}

TEST_F(Ueberlagerung, RulerOfFifteenMetresLabelsEveryOtherMetreAtTheRightEdge) {
    Datei("ZORGMAX2.ZZZ", Fall(15, 14, 10, 100, 50, 10, 0, 100, 0, 50, 0, 5, 6));
    Zeichnen(1, 0);
    int kurz = 0, lang = 0;
    for (const auto& l : Linien()) {
        if (std::fabs(l.x2 - R) > 1e-4 || std::fabs(l.y1 - l.y2) > 1e-6) continue;
        const double laenge = l.x2 - l.x1;
        if (std::fabs(laenge - 4 * u) < 1e-4) ++kurz;
        if (std::fabs(laenge - 6 * u) < 1e-4) ++lang;
    }
    EXPECT_EQ(kurz, 7); // 1, 3, ..., 13
    EXPECT_EQ(lang, 8); // 0, 2, ..., 14
    for (int k = 0; k <= 14; k += 2) {
        const Record* t = Text(std::to_string(k));
        ASSERT_NE(t, nullptr) << k;
        EXPECT_NEAR(t->x1 + fenster_->TextWidth(t->text), R - 10 * u, 1e-4);
        EXPECT_NEAR(t->y1 + fenster_->TextHeight(t->text) / 2, Y(static_cast<float>(k), 15), 1e-4);
    }
    EXPECT_EQ(Text("13"), nullptr);
}

TEST_F(Ueberlagerung, LoadCaseEnvelopeDrawsOnlyItsOwnStatesScaledToTheFrame) {
    // three load cases; load case 2 is the picture's; its deflections are 2 mm, the others' 1 and 3 mm
    Datei("ZORGMAX2.ZZZ", Fall(8, 8, 9, 9, 9, 1, 0, 0, 0, 0, 0, 1, 1) +
                              Fall(10, 10, 4, 20, 10, 2, 0, 20, -5, 10, -2, 1, 1) +
                              Fall(8, 8, 9, 9, 9, 3, 0, 0, 0, 0, 0, 1, 1));
    std::vector<Zustand> zs;
    for (int lf = 1; lf <= 3; ++lf)
        for (int st = 1; st <= 2; ++st)
            zs.push_back(
                {lf, st, 4.0f, {{0, float(lf), 20, 10}, {5, float(lf), -5, -2}, {10, float(lf), 0, 0}}});
    ZorgDatei(zs);
    Zeichnen(2, 0);
    const float axV = L + w;
    const float sV = 0.6f * w / 4;                    // greatest magnitude of the deflection 4 mm
    EXPECT_EQ(SenkrechtBei(axV - sV * 2).size(), 6u); // 2 states x (2 segments + the closing one)
    EXPECT_TRUE(SenkrechtBei(axV - sV * 1).empty());
    EXPECT_TRUE(SenkrechtBei(axV - sV * 3).empty());
    // the moment line of a state: 20 kNm/m at the head is the half width left of the axis, at depth 0
    const float axM = L + 3 * w;
    bool kopf = false;
    for (const auto& l : Linien())
        kopf |= std::fabs(l.x1 - (axM - 0.6f * w)) < 1e-4 && std::fabs(l.y1 - yT) < 1e-4 &&
                std::fabs(l.x2 - (axM + 0.6f * w * 5 / 20)) < 1e-4 && std::fabs(l.y2 - Y(5, 10)) < 1e-4;
    EXPECT_TRUE(kopf);
    ASSERT_NE(Text("Überlagerung Lastfall 2"), nullptr);
    EXPECT_NEAR(Text("Überlagerung Lastfall 2")->x1, L + 4 * u, 1e-4);
}

TEST_F(Ueberlagerung, ShearLineClosesOnTheAxisAtTheFoot) {
    Datei("ZORGMAX3.ZZZ", Fall(10, 10, 1, 1, 40, 0, 0, 0, 0, 40, 0, 1, 1));
    ZorgDatei({{1, 1, 4.0f, {{0, 0, 0, 0}, {10, 0, 0, 40}}}});
    Zeichnen(0, 1);
    const float axQ = L + 5 * w;
    bool schluss = false;
    for (const auto& l : Linien())
        schluss |= std::fabs(l.x1 - (axQ + 0.6f * w)) < 1e-4 && std::fabs(l.x2 - axQ) < 1e-4 &&
                   std::fabs(l.y1 - yB) < 1e-4 && std::fabs(l.y2 - yB) < 1e-4;
    EXPECT_TRUE(schluss);
}

TEST_F(Ueberlagerung, ReducedShearFactorFollowsFootModeFixityAndBedding) {
    struct Fall {
        int16_t fuss;
        float einsp;
        bool gebettet;
        float f;
    } faelle[] = {{4, 0, false, 0.5f},   {4, 100, true, 0.5f},   {1, 100, false, 0.5f},
                  {2, 50, false, 0.75f}, {1, 0.2f, false, 0.0f}, {1, 0.21f, false, 1 - 0.5f * 0.21f / 100},
                  {1, 100, true, 0.0f},  {1, 0, false, 0.0f}};
    for (const auto& f : faelle)
        EXPECT_FLOAT_EQ(zorg::QuerkraftFaktor(f.fuss, f.einsp, f.gebettet), f.f) << f.fuss << " " << f.einsp;
}

TEST_F(Ueberlagerung, FootFixedAfterBlumDrawsHalfTheShearFromTheFirstPositiveValueBelowTheExcavation) {
    P.Wandfuss = 4;
    Datei("ZORGMAX2.ZZZ", Fall(10, 10, 1, 1, 20, 0, 0, 0, 0, 20, -10, 1, 1));
    // excavation at 4 m: the node at 4 m does not count (strictly below), 6 m has Q < 0, 8 m is the first
    ZorgDatei({{1, 1, 4.0f, {{0, 0, 0, 0}, {4, 0, 0, 10}, {6, 0, 0, -10}, {8, 0, 0, 20}, {10, 0, 0, 0}}}});
    Zeichnen(1, 0);
    const float axQ = L + 5 * w, sQ = 0.6f * w / 20;
    std::vector<Record> punktiert;
    for (const auto& l : Linien())
        if (l.drawStyle == vb::draw::vbDot && l.x1 > L + 4 * w) punktiert.push_back(l);
    ASSERT_EQ(punktiert.size(), 2u); // 8 -> 10 m and the closing segment at the foot
    EXPECT_NEAR(punktiert[0].y1, Y(8, 10), 1e-4);
    EXPECT_NEAR(punktiert[0].x1, axQ + sQ * 0.5f * 20, 1e-4);
    EXPECT_NEAR(punktiert[0].x2, axQ, 1e-4);
}

TEST_F(Ueberlagerung, TextsWithPartialFactorsAndTheirAbsenceUnderGlobalSafety) {
    zormc::St.zGelenk = 4.5f;
    Datei("ZORGMAX2.ZZZ", Fall(10.3f, 10.0f, 1, 30, 10, 1, 0, 30, -10, 10, 0, -12.34f, 15.0f));
    ZorgDatei({{1, 1, 4.0f, {{0, 0, 30, 0}, {5, 1, -10, 10}, {10, 0, 30, 0}}}});
    P.TeilsicherheitenAn = 1;
    Zeichnen(1, 0);
    for (const char* t : {"(k) Verformungen (mm)", "(d) Momente (kNm/m)", "(d) Querkräfte (kN/m)",
                          "(k) max Sum V = -12.3 kN/m", "(d) max Sum V = 15.0 kN/m", "0.00 OK Wand",
                          "10.30 UK Wand mit Rammtiefenzuschlag", "Gelenk z = 4.50"})
        EXPECT_NE(Text(t), nullptr) << t;
    // the extreme labels: greatest moment 30.0 once although reached twice, least -10.0, greatest shear 10.0
    int dreissig = 0;
    for (const auto& t : Texte())
        dreissig += t.text == "30.0";
    EXPECT_EQ(dreissig, 1);
    EXPECT_NE(Text("-10.0"), nullptr);
    EXPECT_NE(Text("10.0"), nullptr);
    EXPECT_NE(Text("1.0"), nullptr);
    int gelenk = 0;
    for (const auto& t : Texte())
        gelenk += t.text.rfind("Gelenk", 0) == 0;
    EXPECT_EQ(gelenk, 1);

    P.TeilsicherheitenAn = 0;
    Zeichnen(1, 0);
    EXPECT_NE(Text("Verformungen (mm)"), nullptr);
    EXPECT_NE(Text("max Sum V = -12.3 kN/m"), nullptr);
    for (const auto& t : Texte()) {
        EXPECT_EQ(t.text.find("(d)"), std::string::npos) << t.text;
        EXPECT_EQ(t.text.find("(k)"), std::string::npos) << t.text;
    }
}

TEST_F(Ueberlagerung, ExtraLengthOfTwoDecimetresAddsNoSuffixAndUnraisedSumVIsNotWritten) {
    Datei("ZORGMAX3.ZZZ", Fall(8.2f, 8.0f, 1, 1, 1, 0, 0, 0, 0, 0, 0, -99999, -99999));
    P.TeilsicherheitenAn = 1;
    Zeichnen(0, 1);
    EXPECT_NE(Text("8.20 UK Wand"), nullptr);
    EXPECT_NE(Text("Überlagerung aller Lastfälle "), nullptr);
    for (const auto& t : Texte())
        EXPECT_EQ(t.text.find("Sum V"), std::string::npos) << t.text;
}

TEST_F(Ueberlagerung, NoDepthDrawsFrameAndTitlesOnlyAndZeroMagnitudeKeepsTheLineOnTheAxis) {
    Datei("ZORGMAX2.ZZZ", Fall(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1));
    ZorgDatei({{1, 1, 4.0f, {{0, 1, 1, 1}, {5, 1, 1, 1}}}});
    Zeichnen(1, 0);
    EXPECT_NE(Text("Verformungen (mm)"), nullptr);
    EXPECT_EQ(Linien().size(), 2u); // the two dotted frame lines
    EXPECT_EQ(Text("0.00 OK Wand"), nullptr);

    Datei("ZORGMAX2.ZZZ", Fall(5, 5, 0, 10, 10, 0, 0, 10, 0, 10, 0, 1, 1));
    Zeichnen(1, 0);
    const float axV = L + w;
    EXPECT_EQ(SenkrechtBei(axV).size(), 3u); // the axis and the two segments of the deflection line on it
}

TEST_F(Ueberlagerung, SupportLevelsCarryTheirLargestForceWithLoadCaseAndStage) {
    P.AnzAnkerGesamt = 2;
    P.ZAuflager[1] = 1.5f;
    P.ZAuflager[2] = 4.0f;
    P.KoteOKWand = 100;
    auto& g = zorg::Grafik();
    g.AnkerKraftMax[1] = 123.44f, g.AnkerMaxStufe[1] = 2;
    g.AnkerKraftMax[2] = 50.0f, g.AnkerMaxStufe[2] = 3;
    zormd::AB.AnkerAhMax[1] = -9999.0f; // the start value: no force reached the level in the run
    zormd::AB.AnkerAhMax[2] = 77.77f, zormd::AB.AnkerMaxLF[2] = 2, zormd::AB.AnkerMaxAushub[2] = 3;
    Datei("ZORGMAX2.ZZZ", Fall(10, 10, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1));
    Datei("ZORGMAX3.ZZZ", Fall(10, 10, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1));
    Zeichnen(1, 0);
    const Record* ah = Text("max.Ah = 123.4 kN/m");
    ASSERT_NE(ah, nullptr);
    EXPECT_FALSE(ah->transparent);
    EXPECT_FLOAT_EQ(ah->font.size, 8.0f); // printed small on paper, the graphics font on the window
    zorg::SchriftKlein(*fenster_);
    EXPECT_NEAR(ah->x1 + fenster_->TextWidth(ah->text), L + 2 * w, 1e-4);
    zorg::SchriftNormal(*fenster_);
    EXPECT_NE(Text("(Aushub 2)"), nullptr);
    EXPECT_NE(Text("(Aushub 3)"), nullptr);
    EXPECT_NE(Text("1.50(98.50)"), nullptr);
    EXPECT_FLOAT_EQ(P.GrafikFontSize, 8.0f); // the normal font again
    Zeichnen(0, 1);
    EXPECT_NE(Text("max.Ah = 77.8 kN/m"), nullptr);
    EXPECT_NE(Text("(Lastfall 2, Aushub 3)"), nullptr);
    for (const auto& t : Texte())
        EXPECT_EQ(t.text.find("9999"), std::string::npos) << t.text;
    // the support's dotted line from L + 20 u to the right edge at its stretched depth
    bool linie = false;
    for (const auto& l : Linien())
        linie |= l.drawStyle == vb::draw::vbDot && std::fabs(l.x1 - (L + 20 * u)) < 1e-4 &&
                 std::fabs(l.y1 - Y(4, 10)) < 1e-4;
    EXPECT_TRUE(linie);
}

} // namespace
} // namespace grafik_test
