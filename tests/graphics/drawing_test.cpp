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

// On the window the picture is the printed one enlarged or reduced as a whole: the window's shorter side
// shows what the printed picture's shorter side holds. The printed picture here: a printable area of 200 x
// 287 mm less margins of 20, 5 (left, right), 10, 5 mm (top, bottom), i.e. 175 x 272 mm in portrait, 175 x
// 231 mm with the header boxes, 272 x 175 mm in landscape; its shorter side is 175 mm in all three. A window
// of 200 x 150 mm shows it at 150 / 175, one of 300 x 250 mm at 250 / 175. The font follows in whole pixels
// (never above), the frame is the window's in mm of that page, and on the printer nothing changes.
TEST_F(GrafikTest, TheWindowShowsThePrintedPictureEnlargedOrReducedToItsShorterSide) {
    auto drucker = RecordingSurface::Printer(200 / 25.4 * 1440, 287 / 25.4 * 1440);
    drucker->SetMeasure(Einfach);
    vb::draw::SetPrinter(drucker.get());
    P.Massstab = 100;
    P.GrafikFontSize = 8;
    P.GrafikRandLinks = 20, P.GrafikRandRechts = 5, P.GrafikRandOben = 10, P.GrafikRandUnten = 5;
    auto gross = RecordingSurface::Screen(Px(300), Px(250));
    gross->SetMeasure(Einfach);
    const struct {
        RecordingSurface* fenster;
        double b, h; // the window, mm
        int16_t quer, h504;
        double faktor;
    } faelle[] = {{fenster_.get(), 200, 150, 0, 0, 150.0 / 175},
                  {fenster_.get(), 200, 150, 0, -1, 150.0 / 175},
                  {fenster_.get(), 200, 150, -1, 0, 150.0 / 175},
                  {gross.get(), 300, 250, 0, 0, 250.0 / 175},
                  {gross.get(), 300, 250, -1, -1, 250.0 / 175}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message()
                     << f.b << " x " << f.h << " mm, quer " << f.quer << ", h504 " << f.h504);
        P.Querformat = f.quer;
        P.H504Ein = f.h504;
        ASSERT_TRUE(zorg::MassstabEinrichten(*f.fenster));
        EXPECT_NEAR(zorg::Grafik().SchirmFaktor, f.faktor, 1e-3);
        // the frame: the window in mm of the printed page, at 1 : 100, 45 % left of and above the origin
        EXPECT_NEAR(zorg::Grafik().BildLinks, -f.b / f.faktor * 0.1 * 0.45, 2e-3);
        EXPECT_NEAR(zorg::Grafik().BildUnten, f.h / f.faktor * 0.1 * 0.55, 2e-3);
        // the drawing unit stays 0.25 mm of that page
        EXPECT_FLOAT_EQ(zorg::Grafik().ZeichenEinheit, 0.025f);
        // 8 pt x factor in 96-dpi pixels, down to the whole pixel
        const double pixel = std::floor(8 * f.faktor * 96 / 72);
        EXPECT_FLOAT_EQ(f.fenster->Font().size, static_cast<float>(pixel * 72 / 96));
        // the small print of the paper's labels is not used on the window; the setting keeps its value
        zorg::SchriftKlein(*f.fenster);
        EXPECT_FLOAT_EQ(f.fenster->Font().size, static_cast<float>(pixel * 72 / 96));
        zorg::SchriftNormal(*f.fenster);
        EXPECT_FLOAT_EQ(P.GrafikFontSize, 8.0f);
        ASSERT_TRUE(zorg::MassstabEinrichten(*drucker));
        EXPECT_EQ(drucker->Font().size, 8.0f);
        EXPECT_EQ(zorg::Grafik().SchirmFaktor, 1.0f);
    }
    vb::draw::SetPrinter(quadrat_.get());
}

// The project keeps the net extents of the printed pictures (statement 38 of the project file and the
// settings): a printable area of 200 x 287 mm less margins of 20, 5 (left, right) and 10, 5 mm (top, bottom)
// gives 175 and 272 mm in portrait; in landscape the sheet's width loses the top and bottom margins (185 mm)
// and its height the left and right ones (262 mm). The window shows pictures in between without touching
// them, so an unchanged project saves the same bytes whether the last picture was shown or printed.
TEST_F(GrafikTest, TheWindowLeavesTheStoredExtentsOfThePrintedPicturesAlone) {
    auto drucker = RecordingSurface::Printer(200 / 25.4 * 1440, 287 / 25.4 * 1440);
    P.Massstab = 100;
    P.GrafikRandLinks = 20, P.GrafikRandRechts = 5, P.GrafikRandOben = 10, P.GrafikRandUnten = 5;
    P.GrafikRandOU = 111, P.GrafikRandLR = 222; // as read from the project file
    ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
    EXPECT_EQ(P.GrafikRandOU, 111);
    EXPECT_EQ(P.GrafikRandLR, 222);
    for (int16_t quer : {int16_t{0}, int16_t{-1}}) {
        P.Querformat = quer;
        ASSERT_TRUE(zorg::MassstabEinrichten(*drucker));
        ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
        EXPECT_EQ(P.GrafikRandOU, quer ? 185 : 175);
        EXPECT_EQ(P.GrafikRandLR, quer ? 262 : 272);
    }
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
    zorg::MassstabEinrichten(*quadrat_);
    zorg::SchriftNormal(*quadrat_); // no small font in force
    EXPECT_EQ(P.GrafikFontSize, 8.0f);
    zorg::SchriftKlein(*quadrat_);
    EXPECT_FLOAT_EQ(P.GrafikFontSize, 6.0f);
    EXPECT_FLOAT_EQ(quadrat_->Font().size, 6.0f);
    zorg::SchriftNormal(*quadrat_);
    EXPECT_FLOAT_EQ(P.GrafikFontSize, 8.0f);
    EXPECT_FLOAT_EQ(quadrat_->Font().size, 8.0f);
    // on the window the small labels keep the graphics font
    zorg::MassstabEinrichten(*fenster_);
    zorg::SchriftKlein(*fenster_);
    EXPECT_FLOAT_EQ(fenster_->Font().size, 8.0f);
    zorg::SchriftNormal(*fenster_);
    EXPECT_FLOAT_EQ(P.GrafikFontSize, 8.0f);
}

// Labels stand free. The window: 200 x 150 mm at 1 : 100, frame x -9 .. 11 m, z -6.75 .. 8.25 m, 567 twips
// per m (756 pixels for 20 m); Arial 8 with the simple metrics: a character 96 twips wide (0.1693 m), a line
// 192 twips high (0.3386 m); an overlap of up to a pixel (15 twips) is not seen. Worked out by hand: "CD" at
// (0.1, 0.1) lies on "AB" at (0, 0); half a line down (0.2693) it still overlaps by 0.07 m, a whole line down
// (0.4386) it is free (cost 0.339 m, less than 1.5 lines up, 0.508, or a line's height to the right, 1.5 x
// 0.3386); "EFGH" at x 10.5 would end at 11.177, beyond the frame: it ends at 11.
TEST_F(GrafikTest, LabelsMoveInsideTheFrameAndOffEachOther) {
    P.Massstab = 100;
    ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
    const double zeile = 192.0 / 567, zeichen = 96.0 / 567;
    const struct {
        const char* text;
        double x, y;
        bool fest;
        double xErwartet, yErwartet;
    } faelle[] = {
        {"AB", 0, 0, false, 0, 0},                     // free: stays
        {"CD", 0.1, 0.1, false, 0.1, 0.1 + zeile},     // on "AB": a line down
        {"AB", 0, 0, false, 0, 0},                     // the same label once more over itself
        {"AB", 0.05, 0.05, false, 0.05, 0.05},         // the same value again at one point: over itself
        {"EFGH", 10.5, 2, false, 11 - 4 * zeichen, 2}, // beyond the right edge: ends at it
        {"IJ", 0, -6.9, false, 0, -6.75},              // above the top edge: below it
        {"XY", 12, 0, false, 12, 0},                   // wholly outside: not shown, stays
        {"KL", 0.1, 0.1, true, 0.1, 0.1},              // a table's column keeps its place
    };
    for (const auto& f : faelle) {
        fenster_->ClearLog();
        fenster_->SetCurrentX(f.x);
        fenster_->SetCurrentY(f.y);
        zorg::Beschriften(*fenster_, f.text, vb::draw::PrintEnd::Stay, f.fest);
        const Record* r = Text(f.text);
        ASSERT_NE(r, nullptr) << f.text;
        EXPECT_NEAR(r->x1, f.xErwartet, 2e-3) << f.text;
        EXPECT_NEAR(r->y1, f.yErwartet, 2e-3) << f.text;
    }
    // a label where the printed picture's tag goes ("B101 zu /daten/Baugrube.zor", 28 characters at 6 pt:
    // 144 twips high, 0.254 m at 1 : 100 on paper (567 twips per m), one unit of 0.025 m above it): a label
    // of 0.3387 m standing on the frame's bottom moves up a line, the nearest place clear of the tag's box
    auto drucker = RecordingSurface::Printer();
    drucker->SetMeasure(Einfach);
    zorg::Grafik().Kennung = "B101 zu /daten/Baugrube.zor";
    ASSERT_TRUE(zorg::MassstabEinrichten(*drucker));
    zorg::Grafik().Kennung.clear();
    const double unten = zorg::Grafik().BildUnten, links = zorg::Grafik().BildLinks;
    drucker->SetCurrentX(links + 0.1);
    drucker->SetCurrentY(unten - zeile);
    zorg::Beschriften(*drucker, "AB");
    int gedruckt = 0;
    for (const auto& r : drucker->Records())
        if (r.op == RecordOp::Print && r.text == "AB") {
            ++gedruckt;
            EXPECT_NEAR(r.x1, links + 0.1, 2e-3);
            EXPECT_NEAR(r.y1, unten - 2 * zeile, 2e-3);
        }
    EXPECT_EQ(gedruckt, 1);
    drucker->KillDoc();
    // a new picture forgets the labels of the last
    ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
    fenster_->ClearLog();
    fenster_->SetCurrentX(0.1);
    fenster_->SetCurrentY(0.1);
    zorg::Beschriften(*fenster_, "CD");
    EXPECT_NEAR(Text("CD")->y1, 0.1, 1e-6);
}

// Places kept free before their labels come: the tick strip of a scale (10.8 .. 11 m at the right edge, z 0
// .. 5) and a caption turned upward that is drawn later ("ABCDEFGHIJ" from (5, 3): x 5 .. 5.3386, z 1.307 ..
// 3). Window and metrics as above. By hand: "EFGH" at x 10.5 ends at the edge (10.323 .. 11) and lies on the
// strip by 0.2 m; the nearest free place is a line's height to the left (cost 1.5 x 0.3386 = 0.508; above the
// strip it would need 2.31 m): x 9.984. "CD" at (5.1, 2) lies on the caption; a line's height to the right
// (5.4386, cost 0.508) is nearer than above it (0.677), below it (1.016) or two lines to the left (1.016).
// "IJKL" at (10.5, 6), below the scale, only moves inside the frame.
TEST_F(GrafikTest, LabelsKeepClearOfAScaleAndOfACaptionStillToCome) {
    P.Massstab = 100;
    ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
    const double zeile = 192.0 / 567, zeichen = 96.0 / 567;
    zorg::Freihalten(*fenster_, 10.8f, 0.0f, 11.0f, 5.0f);
    zorg::TextGedrehtFreihalten(*fenster_, 900, 5.0f, 3.0f, "ABCDEFGHIJ");
    const struct {
        const char* text;
        double x, y, xErwartet, yErwartet;
    } faelle[] = {
        {"EFGH", 10.5, 2, 11 - 4 * zeichen - zeile, 2}, // on the scale: a line's height to the left
        {"CD", 5.1, 2, 5.1 + zeile, 2},                 // on the caption: beside it
        {"IJKL", 10.5, 6, 11 - 4 * zeichen, 6},         // below the scale's last tick: ends at the edge
    };
    for (const auto& f : faelle) {
        fenster_->ClearLog();
        fenster_->SetCurrentX(f.x);
        fenster_->SetCurrentY(f.y);
        zorg::Beschriften(*fenster_, f.text);
        const Record* r = Text(f.text);
        ASSERT_NE(r, nullptr) << f.text;
        EXPECT_NEAR(r->x1, f.xErwartet, 2e-3) << f.text;
        EXPECT_NEAR(r->y1, f.yErwartet, 2e-3) << f.text;
    }
}

// A row of a table moves as a whole. Window and metrics as above (a line 0.3386 m, half a line 0.1693 m, a
// character 0.1693 m; one pixel, 0.0265 m, of overlap is allowed): the row "AB" at x 0, "CD" at x 1 and "XY"
// at x 12 (outside the frame) at depth 2, a region kept free at x 0.5 .. 1.5 lies on "CD" alone. By hand:
// - region z 1.9 .. 2.25: above it the row's top may be at most 1.9 + 0.0265 - 0.3386 = 1.588 (three half
//   lines up, 1.492), below it at least 2.2235 (two half lines down, 2.3386): two half lines down;
// - region z 2.1 .. 2.7: up to at most 1.788 (two half lines, 1.6614), down to at least 2.6735 (four half
//   lines, 2.6772): two half lines up; with the row above ending at 1.9 (yMin) only down is left: 2.6772;
// - a strip over the frame's whole height: no depth for the row; "AB" (at x -1) keeps its place and "CD"
//   alone moves sideways as Beschriften places it: to the right it must start at 1.5 - 0.0265 at least (two
//   line heights, x 1.6772), to the left end at 0.5265 at most (three line heights): x 1.6772.
// "XY", outside the frame, stays at depth 2 in every case.
TEST_F(GrafikTest, ARowOfATableMovesAsAWholeAndKeepsBelowTheRowBefore) {
    P.Massstab = 100;
    const double zeile = 192.0 / 567;
    const struct {
        float y1, y2; // the region kept free (x 0.5 .. 1.5)
        double xAB;   // where "AB" stands
        double yMin;  // the foot of the row before
        double y;     // where the row stands
        double xCD;   // where "CD" stands
    } faelle[] = {
        {1.9f, 2.25f, 0, -6.75, 2 + zeile, 1},
        {2.1f, 2.7f, 0, -6.75, 2 - zeile, 1},
        {2.1f, 2.7f, 0, 1.9, 2 + 2 * zeile, 1},
        {-6.75f, 8.25f, -1, -6.75, 2, 1 + 2 * zeile},
    };
    for (const auto& f : faelle) {
        ASSERT_TRUE(zorg::MassstabEinrichten(*fenster_));
        fenster_->ClearLog();
        zorg::Freihalten(*fenster_, 0.5f, f.y1, 1.5f, f.y2);
        const double y =
            zorg::ZeileBeschriften(*fenster_, {{f.xAB, "AB"}, {1.0, "CD"}, {12.0, "XY"}}, 2, f.yMin);
        EXPECT_NEAR(y, f.y1 < -6 ? 2 : f.y, 2e-3) << f.y1;
        const Record *ab = Text("AB"), *cd = Text("CD"), *xy = Text("XY");
        ASSERT_TRUE(ab && cd && xy);
        EXPECT_NEAR(ab->x1, f.xAB, 2e-3) << f.y1;
        EXPECT_NEAR(ab->y1, f.y1 < -6 ? 2 : f.y, 2e-3) << f.y1;
        EXPECT_NEAR(cd->x1, f.xCD, 2e-3) << f.y1;
        EXPECT_NEAR(cd->y1, f.y, 2e-3) << f.y1;
        EXPECT_NEAR(xy->x1, 12, 2e-3) << f.y1;
        EXPECT_NEAR(xy->y1, 2, 2e-3) << f.y1;
    }
}

} // namespace
} // namespace grafik_test
