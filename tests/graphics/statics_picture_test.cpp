// The statics overlay checked on the recorder against hand geometry.
#include <cmath>

#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "graphics/statics_picture.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace grafik_test {
namespace {

class Statik : public Massstab100Test {
protected:
    void SetUp() override {
        Massstab100Test::SetUp();
        P.DWand = 0.5f;
        P.zAush = 4;
        P.AnzAnkerGesamt = 2;
        P.ZAuflager[1] = 1.0f; // a row of another level first: the anchor takes row 2
        P.AnkerNeigungGrad[1] = 5.0f;
        P.ZAuflager[2] = 2.0f;
        P.AnkerNeigungGrad[2] = 20.0f;
        P.AnkerAbstand[2] = 2.5f;
        auto& s = zorg::Grafik().plot;
        s = zorg::PlotSatz{};
        s.zFuss = 7;
        s.KraftMax = 6;
        s.GleitWinkelPlot1 = 0.9f;
        s.GleitWinkelPlot2 = 0.5f;
        s.AnzAnkerPlot = 1;
        s.AnkerPlotZ = {0, 2.0f, 0};
        s.AnkerPlotLaenge = {0, 9.0f};
        s.AnkerPlotAh = {0, 150.0f};
        s.GlfAnkerFolge = "91";
        s.EtaGlfPlot = 1.6f;
        s.GlfMaxPlot = 30;
        // a closed polygon: sum of horizontal and vertical parts 0
        s.GlfWert[9] = 200;
        s.GlfWert[3] = 60, s.GlfWert[4] = 20;
        s.GlfWert[16] = 40, s.GlfWert[17] = 150;
        s.GlfWert[18] = 70, s.GlfWert[19] = -10;
        s.GlfWert[2] = 30, s.GlfWert[1] = 40;
        zorg::MassstabEinrichten(*fenster_);
        fenster_->ClearLog();
    }
    std::vector<Record> Gepunktet() const {
        std::vector<Record> r;
        for (const auto& l : Linien())
            if (l.drawStyle == vb::draw::vbDot) r.push_back(l);
        return r;
    }
};

TEST_F(Statik, ActiveSlipPlaneMeetsLevelGroundAtFootDepthOverTanTheta) {
    zorg::StatikZeichnen(*fenster_, 1, 1);
    bool gefunden = false;
    for (const auto& l : Gepunktet())
        if (l.x1 == 0 && std::fabs(l.y1 - 7) < 1e-6) {
            EXPECT_NEAR(l.x2, 7 / std::tan(0.9), 1e-3);
            EXPECT_NEAR(l.y2, 0, 1e-4);
            gefunden = true;
        }
    EXPECT_TRUE(gefunden);
}

TEST_F(Statik, AnchorPointTakesTheInclinationOfItsOwnLevelsRow) {
    zorg::StatikZeichnen(*fenster_, 1, 1);
    const double a = 20 * 3.141593 / 180;
    const double xa = 9 * std::cos(a) - 0.5, za = 2 + 9 * std::sin(a);
    int punkte = 0;
    for (const auto& r : fenster_->Records())
        if (r.op == RecordOp::Circle && std::fabs(r.x1 - xa) < 1e-4 && std::fabs(r.y1 - za) < 1e-4) ++punkte;
    EXPECT_EQ(punkte, 14); // the filled dot: radii 0 .. 2 units
    // the deep slip plane "91": one segment from the foot point to anchor 1
    bool segment = false;
    for (const auto& l : Linien())
        if (l.x1 == 0 && std::fabs(l.y1 - 6) < 1e-6 && std::fabs(l.x2 - xa) < 1e-4) segment = true;
    EXPECT_TRUE(segment);
    // force along the anchor with its spacing: 150 / cos 20 = 159.6; x 2.5 = 399.1
    const Record* t = Text("159.6 kN/m  * Abstand 2.50 m = 399.1 kN/Anker");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->angleTenths, -200);
}

// The grout body's axis runs 1.2 x L either side of the anchor point, at most 2.5 m: 2.4 m long for a 1 m
// anchor, 5 m for 9 m; its ends lie on the anchor's line (20 degrees from the wall face at 2 m).
TEST_F(Statik, GroutBodyIsTwiceOnePointTwoAnchorLengthsLongAndAtMostFiveMetres) {
    const double a = 20 * 3.141593 / 180;
    for (const auto& [L, laenge] : {std::pair{1.0f, 2.4}, std::pair{9.0f, 5.0}}) {
        SCOPED_TRACE(L);
        zorg::Grafik().plot.AnkerPlotLaenge = {0, L};
        fenster_->ClearLog();
        zorg::StatikZeichnen(*fenster_, 1, 1);
        const double x0 = (L - laenge / 2) * std::cos(a) - 0.5, z0 = 2 + (L - laenge / 2) * std::sin(a);
        const double x1 = (L + laenge / 2) * std::cos(a) - 0.5, z1 = 2 + (L + laenge / 2) * std::sin(a);
        int achsen = 0;
        for (const auto& l : Linien())
            if (std::hypot(l.x1 - x0, l.y1 - z0) < 1e-3 && std::hypot(l.x2 - x1, l.y2 - z1) < 1e-3) ++achsen;
        EXPECT_EQ(achsen, 1);
    }
}

TEST_F(Statik, ForcePolygonClosesAndGPIsTwentyMillimetresLong) {
    const auto k = zorg::KrafteckZeichnen(*fenster_, zorg::Grafik().plot, 1.0f, 1.0f);
    ASSERT_EQ(k.punkte.size(), 6u); // start, G+P, Ea, Q, anchor force, E1 (no cohesion)
    EXPECT_NEAR(k.punkte[1].second - k.punkte[0].second, 2.0, 1e-5);
    EXPECT_NEAR(k.punkte.back().first, 1.0, 1e-5);
    EXPECT_NEAR(k.punkte.back().second, 1.0, 1e-5);
    EXPECT_NE(Text("G+P = 200.0"), nullptr);
    EXPECT_NE(Text("E1 = ohne Wandreibungswinkel"), nullptr);
}

TEST_F(Statik, ZeroDivisorsAndBadChainDigitsDrawNothingWrong) {
    auto& s = zorg::Grafik().plot;
    s.GlfWert[9] = 0;        // no G+P: no polygon
    s.KraftMax = 0;          // no foot-point depth: no sliding body
    s.EtaGlfPlot = 0;        // no utilisation
    s.GlfAnkerFolge = "907"; // digits beyond the one anchor
    P.TeilsicherheitenAn = -1;
    P.AnkerNeigungGrad[2] = 90; // vertical: no force along it
    zorg::StatikZeichnen(*fenster_, 1, 1);
    for (const auto& l : Linien()) {
        EXPECT_TRUE(std::isfinite(l.x2) && std::isfinite(l.y2));
        EXPECT_GT(l.x2, -900000.0);
    }
    for (const auto& t : Texte()) {
        EXPECT_EQ(t.text.find("G+P"), std::string::npos);
        EXPECT_EQ(t.text.find("Ausnutzung"), std::string::npos);
        EXPECT_EQ(t.text.find("kN/Anker"), std::string::npos);
    }
}

// The computed foot's label stands below the foot's level line and its wedge (0.5 x the height of "3" deep)
// and ends left of the wall's face (x = -d = -0.5 m), so that neither the passive slip plane coming down to
// the foot from the left nor the C-force arrow right of the wall runs through it; nor does the line of the
// lengthened foot (7 m + deltaT), near or far.
TEST_F(Statik, ComputedFootLabelStandsBelowItsLevelAndLeftOfTheWall) {
    zorg::Grafik().plot.AnzAnkerPlot = 0; // no anchor, so no notes on the anchor lengths down there
    for (float deltaT : {0.0f, 0.1f, 0.3f, 0.6f, 2.0f}) {
        zorg::Grafik().plot.DeltaTPlot = deltaT;
        zorg::Grafik().Beschriftungen.clear();
        fenster_->ClearLog();
        zorg::StatikZeichnen(*fenster_, 1, 1);
        const Record* r = Text("7.00  UK Wand rechn.");
        ASSERT_NE(r, nullptr) << deltaT;
        const double h3 = fenster_->TextHeight("3"), h = fenster_->TextHeight(r->text);
        EXPECT_GE(r->y1, 7 + 0.5 * h3) << deltaT;
        EXPECT_LE(r->x1 + fenster_->TextWidth(r->text), -0.5 + 1e-6) << deltaT;
        if (deltaT > 0.02f) {
            const double zL = 7 + deltaT;
            EXPECT_TRUE(r->y1 >= zL + 0.5 * h3 || r->y1 + h <= zL) << deltaT; // the line and its wedge clear
        }
    }
}

TEST_F(Statik, PassiveAngleAtTheFoot) {
    zorg::PlotSatz s;
    s.zFuss = 7;
    s.GleitWinkelPlot2 = 0.5f;
    s.GleitkeileFlag = 1;
    struct Fall {
        std::vector<float> z, w;
        float erwartet;
    };
    for (const Fall& f : {Fall{{0, 6, 8, 0}, {0, 0.2f, 0.4f, 0}, 0.3f},    // between 6 and 8
                          Fall{{0, 8, 9, 0}, {0, 0.6f, 0.7f, 0}, 0.6f},    // first entry below the foot
                          Fall{{0, 2, 3, 0}, {0, 0.6f, 0.7f, 0}, 0.5f},    // none below: the record's angle
                          Fall{{0, 7, 7, 0}, {0, 0.6f, 0.7f, 0}, 0.5f}}) { // equal depths at the foot
        s.EphPlotZ = f.z;
        s.EphWinkel = f.w;
        s.AnzGleitflaechen = 2;
        EXPECT_NEAR(zorg::PassivWinkelAmFuss(s), f.erwartet, 1e-6);
    }
}

TEST_F(Statik, RayMeetingNoGroundSegmentIsNotDrawn) {
    const auto G = zorg::Gelaendelinie();
    float xs = 0, zs = 0;
    int seg = 0;
    EXPECT_FALSE(zorg::StrahlTreffer(G, 0, 5, 1000, 5, xs, zs, seg)); // parallel to level ground
    EXPECT_TRUE(zorg::StrahlTreffer(G, 0, 5, 1000, -995, xs, zs, seg));
    EXPECT_NEAR(xs, 5, 1e-3);
}

// A slip plane that misses the ground (here it falls instead of rising) is drawn to where it meets the line
// through the ground's last segment; only a ray parallel to that line draws nothing.
TEST_F(Statik, ASlipPlaneMissingTheGroundEndsOnTheLineOfItsLastSegment) {
    const auto G = zorg::Gelaendelinie(); // level ground z = 0 from the wall to x = 999
    float xs = 0, zs = 0;
    // from the foot at 5 m through (1000, 105): the line z = 5 + 0.1 x meets z = 0 at x = -50
    ASSERT_TRUE(zorg::StrahlEnde(G, 0, 5, 1000, 105, xs, zs));
    EXPECT_NEAR(xs, -50, 1e-3);
    EXPECT_NEAR(zs, 0, 1e-6);
    EXPECT_FALSE(zorg::StrahlEnde(G, 0, 5, 1000, 5, xs, zs));
    // in the statics picture the active slip plane from the foot, dotted
    P.DWand = 0.6f;
    P.AnzErd = 1;
    P.SchichtDicke[1] = 10;
    auto& s = zorg::Grafik().plot;
    s.zFuss = 5;
    s.GleitWinkelPlot1 = std::atan(-0.1f);
    zorg::StatikZeichnen(*fenster_, 1, 1);
    bool gezeichnet = false;
    for (const auto& l : Linien())
        gezeichnet |= l.drawStyle == vb::draw::vbDot && l.x1 == 0 && l.y1 == 5 &&
                      std::abs(l.x2 + 50) < 1e-2 && std::abs(l.y2) < 1e-3;
    EXPECT_TRUE(gezeichnet);
}

} // namespace
} // namespace grafik_test

namespace grafik_test {
namespace {

TEST_F(GrafikTest, PicturesAtOneToAMillionDrawABoundedNumberOfLines) {
    P.Massstab = 1e6f;
    P.DWand = 0.6f;
    P.AnzErd = 1;
    P.SchichtDicke[1] = 5;
    zorg::Grafik().ZFussMax = 10;
    zorg::Grafik().plot.zFuss = 8;
    for (int16_t art : {2, 3}) {
        fenster_->ClearLog();
        ASSERT_TRUE(zorg::BildZeichnen(*fenster_, art, 1, 1));
        EXPECT_LT(fenster_->Records().size(), 20000u) << art; // the frame spans 110 km
    }
}

} // namespace
} // namespace grafik_test
