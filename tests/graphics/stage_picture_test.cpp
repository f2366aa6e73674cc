// The stage overlay: supports from the anchor table by their level, water levels, bottom loads.
#include <cmath>
#include <cstdio>
#include <fstream>

#include "earthpressure/state.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace grafik_test {
namespace {

class Stufe : public Massstab100Test {
protected:
    void SetUp() override {
        Massstab100Test::SetUp();
        P.DWand = 0.5f;
        P.GradZuRad = 3.141593f / 180;
        auto& T = P.Aushubstufen[2];
        T.zAush = 5.0f;
        T.AnzAnker = 1;     // one support in force ...
        T.ZAnker[1] = 3.0f; // ... at 3.0 m, which is row 2 of the anchor table
        T.ZNextAnker = 99;
        T.ZWasserLuft = 99;
        T.ZWasserErd = 99;
        P.AnzAnkerGesamt = 2;
        P.ZAuflager[1] = 1.0f;
        P.AnkerNeigungGrad[1] = 5;
        P.ZAuflager[2] = 3.0f;
        P.AnkerNeigungGrad[2] = 30;
        zorg::MassstabEinrichten(*fenster_);
        fenster_->ClearLog();
    }
    std::vector<Record> Dick(int16_t breite) const {
        std::vector<Record> r;
        for (const auto& l : Linien())
            if (l.drawWidth == breite) r.push_back(l);
        return r;
    }
};

TEST_F(Stufe, SupportWedgePointsAlongTheInclinationOfItsLevelsRow) {
    zorg::WasserAnkerZeichnen(*fenster_, 2);
    const auto keil = Dick(3); // the wedge, then the excavation bottom
    ASSERT_GE(keil.size(), 3u);
    // the base's middle lies behind the tip, against the pointing direction
    const double mx = (keil[0].x2 + keil[1].x2) / 2, mz = (keil[0].y2 + keil[1].y2) / 2;
    const double richtung = std::atan2(keil[0].y1 - mz, keil[0].x1 - mx);
    EXPECT_NEAR(richtung, 30 * M_PI / 180, 1e-4);
    EXPECT_NEAR(keil[0].x1, -0.5, 1e-6);
    EXPECT_NEAR(keil[0].y1, 3.0, 1e-6);
    EXPECT_NE(Text("Ank./St."), nullptr);
    EXPECT_NE(Text("3.00"), nullptr);
}

// The wall thickness is dimensioned in centimetres over the wall only when it is thicker than 0.10 m.
TEST_F(Stufe, WallThicknessOfSixtyCentimetresIsDimensionedAndTenCentimetresIsNot) {
    P.AnzErd = 1;
    P.SchichtDicke[1] = 10;
    for (const auto& [d, text] : {std::pair{0.6f, "60"}, std::pair{0.1f, ""}}) {
        SCOPED_TRACE(d);
        P.DWand = d;
        fenster_->ClearLog();
        zorg::SystemZeichnen(*fenster_, 0, 0);
        // the two ticks at the wall faces, 16 units high, below the top edge
        int striche = 0;
        for (const auto& l : Linien())
            if (l.x1 == l.x2 && (std::fabs(l.x1) < 1e-6 || std::fabs(l.x1 + d) < 1e-6) &&
                std::fabs(std::fabs(l.y2 - l.y1) - 16 * zorg::Grafik().ZeichenEinheit) < 1e-5)
                ++striche;
        EXPECT_EQ(striche, *text ? 2 : 0);
        EXPECT_EQ(Text("60") != nullptr, *text != 0);
    }
}

TEST_F(Stufe, FlatBottomIsOneThickLineAndWaterOf99IsNotDrawn) {
    zorg::WasserAnkerZeichnen(*fenster_, 2);
    int boden = 0;
    for (const auto& l : Dick(3))
        if (std::fabs(l.y1 - 5) < 1e-6 && std::fabs(l.y2 - 5) < 1e-6 && std::fabs(l.x2 - l.x1) > 0) ++boden;
    EXPECT_EQ(boden, 1); // from the wall face to the left edge; the other two have no length
    for (const auto& l : Linien())
        EXPECT_NE(l.drawStyle, vb::draw::vbDash);
}

TEST_F(Stufe, DeepExcavationSideWaterWarnsOnlyWithSeepage) {
    P.Aushubstufen[2].ZWasserLuft = 7.0f;
    zorg::Grafik().plot.zFuss = 6.0f;
    zorg::Grafik().plot.DeltaTPlot = 0.5f;
    const std::string warnung =
        "*** Wasser tiefer als Wandfuß: Berechnung mit Strömungseinfluß unbrauchbar ***";
    for (int16_t stroem : {0, 1}) {
        zormcom::Lauf.kzStroem = stroem;
        fenster_->ClearLog();
        zorg::WasserAnkerZeichnen(*fenster_, 2);
        EXPECT_EQ(Text(warnung) != nullptr, stroem != 0);
        EXPECT_NE(Text("7.00W"), nullptr);
    }
}

TEST_F(Stufe, BottomLoadsAreClippedOnCopiesAndScaledToTheLargest) {
    auto& T = P.Aushubstufen[2];
    T.AnzSohlLast = 2;
    T.SohlLastX1[1] = -2, T.SohlLastX2[1] = -500, T.SohlLastQ[1] = 10,
    T.SohlLastZ[1] = 5; // beyond the left edge
    T.SohlLastX1[2] = -1, T.SohlLastX2[2] = -3, T.SohlLastQ[2] = 20, T.SohlLastZ[2] = 5;
    const auto vorher = P.Aushubstufen;
    zorg::WasserAnkerZeichnen(*fenster_, 2);
    EXPECT_EQ(P.Aushubstufen, vorher);
    std::vector<Record> kaesten;
    for (const auto& r : fenster_->Records())
        if (r.op == RecordOp::Line && r.kind == vb::draw::LineKind::Box) kaesten.push_back(r);
    ASSERT_EQ(kaesten.size(), 2u);
    EXPECT_NEAR(kaesten[0].y1 - kaesten[0].y2, 8 * 0.025, 1e-6); // half the largest: 8 units
    EXPECT_NEAR(kaesten[1].y1 - kaesten[1].y2, 16 * 0.025, 1e-6);
    EXPECT_NEAR(kaesten[0].x2, zorg::Grafik().BildLinks - 0.5,
                1e-5); // the left edge, less the wall thickness
}

} // namespace
} // namespace grafik_test

namespace grafik_test {
namespace {

class Kreis : public Massstab100Test {
protected:
    void SetUp() override {
        Massstab100Test::SetUp();
        zorg::MassstabEinrichten(*fenster_);
        fenster_->ClearLog();
        std::ofstream f("DIDUVU.PLT", std::ios::binary);
        f << "1,1,2\n3,-2,9,1.4\n-5,4,4,7\n";      // another stage
        f << "1,2,3\n2,-1,10,.95\n-6,5,0,9,5,8\n"; // this one
        f << "1,2,2\n0,0,1,2\n1,1,2,2\n";          // a second record of it: not drawn
    }
};

TEST_F(Kreis, FirstRecordOfTheStageIsDrawnWithItsLegendAndWarning) {
    struct Fall {
        int16_t teilsi;
        const char* wert;
        const char* spalte;
    };
    for (Fall f : {Fall{0, "0.95", " = etamin"}, Fall{-1, "1.05", " = Ed/Rd"}}) {
        P.TeilsicherheitenAn = f.teilsi;
        fenster_->ClearLog();
        zorg::GleitkreisZeichnen(*fenster_, 1, 2);
        EXPECT_NE(Text(f.wert), nullptr) << f.wert;
        EXPECT_NE(Text(f.spalte), nullptr);
        EXPECT_NE(Text("   ?!?!?!?!?!?!?!?!?!"), nullptr);
        EXPECT_NE(Text("10.00"), nullptr); // the radius of the first record of stage 2
        int punkte = 0;
        for (const auto& r : fenster_->Records())
            if (r.op == RecordOp::Circle) {
                ++punkte;
                EXPECT_EQ(r.x1, 2.0);
            }
        EXPECT_EQ(punkte, 5); // radii 0.01 .. 0.05 m at 1 : 100
    }
}

TEST_F(Kreis, MissingShortOrForeignRecordsDrawNothing) {
    zorg::GleitkreisZeichnen(*fenster_, 2, 1);
    EXPECT_TRUE(fenster_->Records().empty());
    {
        std::ofstream f("DIDUVU.PLT", std::ios::binary);
        f << "1,1,5\n3,-2,9,1.4\n-5,4\n";
    }
    zorg::GleitkreisZeichnen(*fenster_, 1, 1);
    EXPECT_TRUE(fenster_->Records().empty());
    std::remove("DIDUVU.PLT");
    zorg::GleitkreisZeichnen(*fenster_, 1, 1);
    EXPECT_TRUE(fenster_->Records().empty());
}

} // namespace
} // namespace grafik_test
