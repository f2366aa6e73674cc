// The figures read from the per-stage files, the hatching and the extreme-value label, checked on the
// recorder against hand geometry and hand resultants.
#include <fstream>
#include <vector>

#include "graphics/drawing.h"
#include "graphics/pressure_figures.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace grafik_test {
namespace {

class Druckfigur : public Massstab100Test {
protected:
    void SetUp() override {
        Massstab100Test::SetUp();
        zorg::MassstabEinrichten(*fenster_);
        fenster_->ClearLog();
    }
    static void Datei(const std::string& name, const std::string& inhalt) {
        std::ofstream f(name, std::ios::binary);
        f << inhalt;
    }
    // Axis at x 1, offset 0.5, 0.01 m of drawing per unit, depth 0 at y 2, 0.5 m of drawing per m.
    bool Lesen(const std::string& name, int16_t& n, float& diff, int16_t seite = 0) {
        return zorg::DruckfigurAusDatei(*fenster_, name, n, 1.0f, 0.5f, 0.01f, 2.0f, 0.5f, seite, diff);
    }
    static constexpr double X(double e) { return 1.5 + 0.01 * e; }
    static constexpr double Y(double z) { return 2.0 + 0.5 * z; }
};

TEST_F(Druckfigur, ListIsCutAtThePictureDepthAndClosedBackToTheAxis) {
    // depths 0, 2, 4, 6 cut at 5: the value at 5 lies halfway between 40 (at 4) and 60 (at 6)
    Datei("ZOReP0.11", "4,-12.5\r\n0,0\r\n2,20\r\n4,40\r\n6,60\r\n");
    auto& g = zorg::Grafik();
    g.plot.ZEndeKoten = 5.0f;
    g.plot.zFuss = 5.0f;
    int16_t n = 0;
    float diff = 99;
    ASSERT_TRUE(Lesen("ZOReP0.11", n, diff));
    EXPECT_EQ(n, 4);
    EXPECT_FLOAT_EQ(g.SummeH, -12.5f);
    const auto l = Linien();
    ASSERT_EQ(l.size(), 4u); // points 1-2, 2-3, 3-cut, cut-axis; none from the axis to the first point
    EXPECT_NEAR(l[2].x2, X(50), 1e-6);
    EXPECT_NEAR(l[2].y2, Y(5), 1e-6);
    EXPECT_NEAR(l[3].x2, X(0), 1e-6);
    EXPECT_NEAR(l[3].y2, Y(5), 1e-6);
    ASSERT_NE(Text("50.0"), nullptr);
    EXPECT_NEAR(Text("50.0")->x1, X(50), 1e-6); // right of the end point
    // foot at the picture depth: nothing between them
    EXPECT_FLOAT_EQ(diff, 0.0f);
    EXPECT_NE(Text("(0.0)"), nullptr);
}

TEST_F(Druckfigur, ResultantBetweenFootAndPictureDepthByTheTrapezoidRule) {
    // from 6.0 to 9.0 m: (-20 + -40) / 2 x 3 = -90 kN/m, written in brackets at 7.5 m
    Datei("ZOREwidvW.21", "3,-25\r\n0,0\r\n6,-20\r\n9,-40\r\n");
    auto& g = zorg::Grafik();
    g.plot.ZEndeKoten = 9.0f;
    g.plot.zFuss = 6.0f;
    int16_t n = 0;
    float diff = 0;
    ASSERT_TRUE(Lesen("ZOREwidvW.21", n, diff, -1));
    EXPECT_NEAR(diff, -90.0f, 1e-4);
    const Record* r = Text("(-90.0)");
    ASSERT_NE(r, nullptr);
    const double th = fenster_->TextHeight("(-90.0)"), tw = fenster_->TextWidth("(-90.0)");
    EXPECT_NEAR(r->y1 + th / 2, Y(7.5), 1e-6);
    EXPECT_NEAR(r->x1 + tw / 2, 1.5 + 0.01 * -40 / 2, 1e-6); // halfway to the end value
    // the end value on the left of its point
    const Record* e = Text("-40.0");
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->x1 + fenster_->TextWidth("-40.0"), X(-40), 1e-6);
}

TEST_F(Druckfigur, DepthOnAJumpKeepsTheValueReachedFromAbove) {
    Datei("ZOReWas.11", "4,0\r\n0,0\r\n5,30\r\n5,0\r\n8,0\r\n");
    auto& g = zorg::Grafik();
    g.plot.ZEndeKoten = 5.0f;
    int16_t n = 0;
    float diff = 0;
    ASSERT_TRUE(Lesen("ZOReWas.11", n, diff));
    EXPECT_EQ(n, 2);
    EXPECT_NE(Text("30.0"), nullptr);
}

TEST_F(Druckfigur, FilesThatDoNotFitLeaveTheFigureOut) {
    auto& g = zorg::Grafik();
    g.plot.ZEndeKoten = 5.0f;
    g.SummeH = 7;
    Datei("kurz.11", "4,-10\r\n0,0\r\n2,20\r\n");  // shorter than its count
    Datei("flach.11", "2,-10\r\n0,0\r\n4,20\r\n"); // ends above the picture's depth
    Datei("leer.11", "0,-10\r\n");                 // no point
    Datei("kaputt.11", "2,-10\r\n0,0\r\nx,y\r\n"); // no numbers
    for (const char* name : {"kurz.11", "flach.11", "leer.11", "kaputt.11", "fehlt.11"}) {
        int16_t n = 33;
        float diff = 44;
        EXPECT_FALSE(Lesen(name, n, diff)) << name;
        EXPECT_EQ(n, 33) << name;
        EXPECT_EQ(diff, 44) << name;
    }
    EXPECT_EQ(g.SummeH, 7);
    EXPECT_TRUE(fenster_->Records().empty());
}

TEST_F(Druckfigur, LabelsUseTheLocalesSeparator) {
    vb::SetDecimalSeparator(',');
    Datei("ZOReP0.11", "2,0\r\n0,0\r\n5,12.5\r\n");
    zorg::Grafik().plot.ZEndeKoten = 5.0f;
    zorg::Grafik().plot.zFuss = 4.0f;
    int16_t n = 0;
    float diff = 0;
    ASSERT_TRUE(Lesen("ZOReP0.11", n, diff));
    EXPECT_NE(Text("12,5"), nullptr);
    EXPECT_NE(Text("(11,3)"), nullptr); // (10 + 12.5) / 2 x 1, rounded half away from zero
}

TEST_F(Druckfigur, HatchingLinesAboutATenthOfAMetreApart) {
    struct Fall {
        float ende;
        size_t linien;
    };
    for (Fall f : {Fall{3.0f, 30}, Fall{0.14f, 0}, Fall{0.25f, 2}}) {
        fenster_->ClearLog();
        const std::vector<float> w{0, 10}, t{0, f.ende};
        zorg::Schraffieren(*fenster_, w, t, 1, 0, 0, 1, 1);
        EXPECT_EQ(Linien().size(), f.linien) << f.ende;
    }
    // 0.25 m: 2.5 rounds to 2, lines at 0.125 and 0.25 m, as long as the value there
    const auto l = Linien();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_NEAR(l[0].y1, 0.125, 1e-6);
    EXPECT_NEAR(l[0].x2, 5.0, 1e-5);
    EXPECT_NEAR(l[1].y1, 0.25, 1e-6);
    EXPECT_NEAR(l[1].x2, 10.0, 1e-5);
}

TEST_F(Druckfigur, HatchingFollowsThePolylineAndIsEmptyAboveItsFirstPoint) {
    // the polyline starts at depth 1 (point 0 on the axis at depth 1 as well) and runs to 2 m
    const std::vector<float> w{0, 20, -20}, t{1, 1.5f, 2};
    zorg::Schraffieren(*fenster_, w, t, 2, 3, 1, 0.05f, 2);
    const auto l = Linien();
    ASSERT_EQ(l.size(), 20u);
    for (const auto& r : l) {
        const double z = (r.y1 - 1) / 2; // depth of the line
        double v = 0;
        if (z > 1 && z <= 1.5) v = 20 * (z - 1) / 0.5;
        if (z > 1.5 && z <= 2.0) v = 20 - 40 * (z - 1.5) / 0.5;
        EXPECT_NEAR(r.x1, 3, 1e-6);
        EXPECT_NEAR(r.x2 - r.x1, v * 0.05, 1e-5) << z;
    }
    EXPECT_NEAR(l[4].x2, 3.0, 1e-6); // 0.5 m: above the first point, length 0
}

TEST_F(Druckfigur, ExtremeLabelIsWrittenOnceBesideItsPoint) {
    const float u = zorg::Grafik().ZeichenEinheit;
    bool maxO = true, minO = true;
    // deflection-like curve drawn at axis - s x v (seite 1): the maximum ends one unit left of its point
    for (float v : {12.34f, 12.34f, -3.0f, -3.0f})
        zorg::MaxWertSchreiben(*fenster_, v, 12.34f, -3.0f, maxO, minO, 2.0f, 0.5f, 0.1f, 1.0f, 0.5f, 1);
    EXPECT_FALSE(maxO);
    EXPECT_FALSE(minO);
    const auto t = Texte();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "12.3");
    EXPECT_NEAR(t[0].x1 + fenster_->TextWidth("12.3"), 2.5 - 0.1 * 12.34 - u, 1e-5);
    EXPECT_EQ(t[1].text, "-3.0");
    EXPECT_NEAR(t[1].x1, 2.5 + 0.1 * 3.0 - u, 1e-5);
    // a maximum of 0.04 prints nothing and is done all the same
    fenster_->ClearLog();
    maxO = true;
    zorg::MaxWertSchreiben(*fenster_, 0.04f, 0.04f, 0, maxO, minO, 0, 0, 1, 0, 0, -1);
    EXPECT_FALSE(maxO);
    for (const auto& r : Texte())
        EXPECT_TRUE(r.text.empty());
}

} // namespace
} // namespace grafik_test
