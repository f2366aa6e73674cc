// Page set-up and drawing helpers checked against values worked out by hand.
#include <algorithm>
#include <cmath>

#include "graphics/drawing.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace grafik_test {
namespace {

TEST_F(GrafikTest, WindowOfTwoHundredByOneHundredFiftyMillimetresAtOneToHundred) {
    P.Massstab = 100;
    ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
    EXPECT_NEAR(zorg::Grafik().BildLinks, -9.0f, 1e-5);
    EXPECT_NEAR(zorg::Grafik().BildRechts, 11.0f, 1e-5);
    EXPECT_NEAR(zorg::Grafik().BildOben, -6.75f, 1e-5);
    EXPECT_NEAR(zorg::Grafik().BildUnten, 8.25f, 1e-5);
    EXPECT_FLOAT_EQ(zorg::Grafik().ZeichenEinheit, 0.025f);
    // the window is scaled to exactly the frame: its corners are the client area's corners
    EXPECT_NEAR(fenster_->ScaleLeft(), -9.0, 1e-5);
    EXPECT_NEAR(fenster_->ScaleLeft() + fenster_->ScaleWidth(), 11.0, 1e-5);
    EXPECT_NEAR(fenster_->ScaleTop() + fenster_->ScaleHeight(), 8.25, 1e-5);
}

TEST_F(GrafikTest, ScaleZeroOrNegativeIsDrawnAtOneToHundredAndOriginShiftMovesTheFrame) {
    for (float m : {0.0f, -50.0f}) {
        P.Massstab = m;
        P.GrafikFontSize = 0;
        P.xNull = 2;
        P.zNull = -1;
        ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
        EXPECT_EQ(P.Massstab, 100.0f);
        EXPECT_EQ(P.GrafikFontSize, 6.25f);
        EXPECT_NEAR(zorg::Grafik().BildLinks, -11.0f, 1e-5); // the drawing moves 2 m to the right
        EXPECT_NEAR(zorg::Grafik().BildOben, -5.75f, 1e-5);  // and 1 m up
    }
}

TEST_F(GrafikTest, PrinterPortraitWithHeaderBoxesLosesFortyOneMillimetres) {
    // printable area 200 x 287 mm, margins 10 each: net 180 x 267 mm, boxes take 2 x 20.5 mm
    auto drucker = RecordingSurface::Printer(200 / 25.4 * 1440, 287 / 25.4 * 1440);
    drucker->SetMeasure(Einfach);
    P.Massstab = 100;
    P.GrafikRandLinks = P.GrafikRandRechts = P.GrafikRandOben = P.GrafikRandUnten = 10;
    for (int16_t h504 : {0, -1}) {
        P.H504Ein = h504;
        ASSERT_TRUE(zorg::MassstabEinrichten(*drucker));
        const float nz = h504 ? 267 - 41 : 267;
        EXPECT_NEAR(zorg::Grafik().BildUnten - zorg::Grafik().BildOben, nz * 0.1f, 1e-4);
        EXPECT_NEAR(zorg::Grafik().BildRechts - zorg::Grafik().BildLinks, 18.0f, 1e-4);
        // top margin in user units: (10 + 20.5) mm at 1 : 100 with boxes, 10 mm without
        EXPECT_NEAR(zorg::Grafik().RandObenUE, h504 ? 3.05f : 1.0f, 1e-4);
    }
}

// The window's frame (200 x 150 mm) is smaller than the picture on the printed page: the graphics font
// shrinks by the smaller ratio of the frames, in whole pixels and never above it, so that the labels keep the
// proportion they have on paper; on the printer it keeps its size.
TEST_F(GrafikTest, OnAWindowSmallerThanThePrintedPictureTheFontShrinksByTheRatioOfTheFrames) {
    auto drucker = RecordingSurface::Printer(200 / 25.4 * 1440, 287 / 25.4 * 1440);
    drucker->SetMeasure(Einfach);
    vb::draw::SetPrinter(drucker.get());
    P.Massstab = 100;
    P.GrafikFontSize = 8;
    P.GrafikRandLinks = 20, P.GrafikRandRechts = 5, P.GrafikRandOben = 10, P.GrafikRandUnten = 5;
    const struct {
        int16_t quer, h504;
        double nx, nz; // the printed picture's net extents, mm
    } faelle[] = {{0, 0, 175, 272}, {0, -1, 175, 272 - 41}, {-1, 0, 287 - 15, 200 - 25}};
    for (const auto& f : faelle) {
        P.Querformat = f.quer;
        P.H504Ein = f.h504;
        ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
        const double faktor = std::min({1.0, 200 / f.nx, 150 / f.nz});
        EXPECT_NEAR(zorg::Grafik().SchirmFaktor, faktor, 1e-3) << f.quer << f.h504;
        // 8 pt x factor in 96-dpi pixels, down to the whole pixel
        const double pixel = std::floor(8 * faktor * 96 / 72);
        EXPECT_FLOAT_EQ(fenster_->Font().size, static_cast<float>(pixel * 72 / 96)) << f.quer << f.h504;
        EXPECT_FLOAT_EQ(static_cast<float>(fenster_->TextWidth("00")),
                        static_cast<float>(2 * 12 * pixel * 72 / 96 * fenster_->ScaleWidth() /
                                           fenster_->DeviceWidthTwips()));
        // the small font of the labels shrinks alike; the setting keeps its value
        zorg::SchriftKlein(*fenster_);
        EXPECT_FLOAT_EQ(fenster_->Font().size,
                        static_cast<float>(std::floor(6 * faktor * 96 / 72) * 72 / 96));
        zorg::SchriftNormal(*fenster_);
        EXPECT_FLOAT_EQ(P.GrafikFontSize, 8.0f);
        ASSERT_TRUE(zorg::MassstabEinrichten(*drucker));
        EXPECT_EQ(drucker->Font().size, 8.0f);
        EXPECT_EQ(zorg::Grafik().SchirmFaktor, 1.0f);
    }
    // a window as large as the printed picture keeps the size
    auto gross = RecordingSurface::Screen(Px(180), Px(280));
    P.Querformat = 0;
    P.H504Ein = 0;
    ASSERT_TRUE(zorg::MassstabEinrichten(*gross));
    EXPECT_EQ(gross->Font().size, 8.0f);
    vb::draw::SetPrinter(quadrat_.get());
}

TEST_F(GrafikTest, PrinterMarginsThatLeaveNoDrawingAreaAreRefused) {
    auto drucker = RecordingSurface::Printer(200 / 25.4 * 1440, 287 / 25.4 * 1440);
    P.Massstab = 100;
    P.H504Ein = -1;
    P.GrafikRandLinks = P.GrafikRandRechts = 10;
    P.GrafikRandOben = P.GrafikRandUnten = 130; // 287 - 260 = 27 mm, less than the 41 of the boxes
    EXPECT_FALSE(zorg::MassstabEinrichten(*drucker));
}

TEST_F(GrafikTest, ArrowheadStrokesLieTwentyDegreesEitherSideOfTheShaft) {
    P.Massstab = 100;
    zorg::MassstabEinrichten(*fenster_);
    const float s = 6 * 0.025f;
    struct Fall {
        float x1, z1, x2, z2;
    };
    // right, left, down, up, oblique
    for (Fall f :
         {Fall{0, 0, 1, 0}, Fall{1, 0, 0, 0}, Fall{0, 0, 0, 1}, Fall{0, 1, 0, 0}, Fall{0, 0, 2, 1}}) {
        fenster_->ClearLog();
        zorg::PfeilspitzeFest(*fenster_, f.x1, f.z1, f.x2, f.z2);
        const auto l = Linien();
        ASSERT_EQ(l.size(), 2u);
        const double schaft = std::atan2(f.z1 - f.z2, f.x1 - f.x2); // from the tip back to the tail
        for (const auto& r : l) {
            EXPECT_NEAR(r.x1, f.x2, 1e-6);
            EXPECT_NEAR(r.y1, f.z2, 1e-6);
            EXPECT_NEAR(std::hypot(r.x2 - r.x1, r.y2 - r.y1), s, 1e-5);
            double d = std::atan2(r.y2 - r.y1, r.x2 - r.x1) - schaft;
            while (d > M_PI)
                d -= 2 * M_PI;
            while (d < -M_PI)
                d += 2 * M_PI;
            EXPECT_NEAR(std::fabs(d), 20 * M_PI / 180, 1e-5);
        }
    }
}

TEST_F(GrafikTest, SawtoothOnAVerticalLineIsDrawnWithoutDividingByZero) {
    zorg::MassstabEinrichten(*fenster_);
    zorg::Zackenlinie(*fenster_, 1, 0, 1, 2, 0.25f, 4);
    const auto l = Linien();
    ASSERT_EQ(l.size(), 8u);
    EXPECT_NEAR(l.back().x2, 1.0, 1e-6);
    EXPECT_NEAR(l.back().y2, 2.0, 1e-6);
    // the peaks stand a quarter tooth (0.125 m) off the line
    EXPECT_NEAR(std::fabs(l[0].x2 - 1.0), 0.125, 1e-6);
    for (const auto& r : l)
        EXPECT_TRUE(std::isfinite(r.x2) && std::isfinite(r.y2));
    fenster_->ClearLog();
    zorg::Zackenlinie(*fenster_, 0, 0, 1, 1, 0.25f, 0);
    EXPECT_TRUE(Linien().empty());
}

TEST_F(GrafikTest, WedgeAndTriangleFollowTheFontNotTheScale) {
    // H3 = 24 x 8 twips; at 1 : 100 one twip is 100 / 56.69 mm of paper... measured in user units
    for (float m : {50.0f, 200.0f}) {
        P.Massstab = m;
        zorg::MassstabEinrichten(*fenster_);
        fenster_->ClearLog();
        const double h3 = fenster_->TextHeight("3");
        zorg::Schraffur(*fenster_, 0, 0, 1);
        auto l = Linien();
        ASSERT_EQ(l.size(), 41u);
        EXPECT_NEAR(l.front().x2, 0.4 * h3, 1e-6);
        EXPECT_NEAR(l.back().y2 - l.front().y2, 0.8 * h3, 1e-6);
        fenster_->ClearLog();
        zorg::Markierung(*fenster_, 0, 0, 3);
        l = Linien();
        ASSERT_EQ(l.size(), 3u);
        // 2 h wide and h high, h = half the height of "3": in twips the same at both scales
        EXPECT_NEAR(l[1].tx2 - l[1].tx1, 24 * 8, 1e-3);
        EXPECT_NEAR(l[0].ty1 - l[0].ty2, 12 * 8, 1e-3);
    }
}

TEST_F(GrafikTest, LevelLabelsAndTheLabelGuard) {
    vb::SetDecimalSeparator('.');
    EXPECT_EQ(zorg::KotenText(7.25f), "7.25");
    P.KoteOKWand = 150.5f;
    EXPECT_EQ(zorg::KotenText(7.25f), "7.25(143.25)");
    vb::SetDecimalSeparator(',');
    EXPECT_EQ(zorg::KotenText(7.25f), "7,25(143,25)");
    zorg::MassstabEinrichten(*fenster_);
    struct Fall {
        const char* text;
        bool bleibt;
    };
    for (Fall f : {Fall{"0.05", false}, Fall{"-0.09", false}, Fall{"0,05", false}, Fall{"abc", false},
                   Fall{"0.10", true}, Fall{"-0.10", true}, Fall{"12.3", true}, Fall{"7.25(143.25)", true}}) {
        zorg::Grafik().TextPuffer = f.text;
        fenster_->SetCurrentY(1.0);
        zorg::TextYPruefen(*fenster_, 2.0f);
        EXPECT_EQ(!zorg::Grafik().TextPuffer.empty(), f.bleibt) << f.text;
        EXPECT_NEAR(fenster_->CurrentY(), 2.0 + zorg::Grafik().ZeichenEinheit, 1e-6);
    }
}

TEST_F(GrafikTest, SmallFontAndBackRestoresTheSizeAndNormalAloneChangesNothing) {
    zorg::MassstabEinrichten(*fenster_);
    zorg::SchriftNormal(*fenster_); // no small font in force
    EXPECT_EQ(P.GrafikFontSize, 8.0f);
    zorg::SchriftKlein(*fenster_);
    EXPECT_FLOAT_EQ(P.GrafikFontSize, 6.0f);
    zorg::SchriftNormal(*fenster_);
    EXPECT_FLOAT_EQ(P.GrafikFontSize, 8.0f);
}

} // namespace
} // namespace grafik_test
