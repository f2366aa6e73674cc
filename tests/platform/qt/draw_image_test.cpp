// Pictures drawn on an image and written as PNG: rotated labels, pens, boxes, circles.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <cmath>

#include "platform/draw/fonts.h"
#include "platform/qt/draw_image.h"

using namespace vb::draw;
using vb::draw::qt::ImageSurface;

// Fontconfig keeps a few bytes of its configuration until the process ends; the leak checker
// of the sanitizer build is told so for this test program.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace {

bool Ink(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 128;
}

// Bounding box of the dark pixels.
QRect InkBox(const QImage& img) {
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Ink(img, x, y)) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

} // namespace

// A rotated label turns about the top-left corner of its unrotated cell: the ink of a label
// at (200, 200) lies in the cell turned about that point, and fills most of its length.
TEST(ImageSurfaceRotated, LabelCornersFollowTheAngle) {
    const int px = 200, py = 200, cell = 24;
    struct Case {
        int angle;
        int dx, dy; // reading direction on the image
    };
    const Case cases[] = {{0, 1, 0}, {900, 0, -1}, {-900, 0, 1}, {1800, -1, 0}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        ImageSurface s(400, 400);
        s.SetFont({"Arial", 12, false, false});
        const std::string text = "HHHHHH";
        s.TextOutRotated(px, py, text, {"Arial", cell, 400, false}, c.angle);
        const std::string file = (QDir(dir.path()).filePath("label.png")).toStdString();
        ASSERT_TRUE(s.SavePng(file));
        QImage img(QString::fromStdString(file));
        ASSERT_EQ(img.size(), QSize(400, 400));
        QRect box = InkBox(img);
        ASSERT_FALSE(box.isNull());
        // The unrotated cell runs `length` along the reading direction and `cell` across it
        // (the cell's top edge on the left of the reading direction).
        int across = cell + 1;
        int downX = -c.dy, downY = c.dx; // from the cell's top edge towards its bottom
        int ax = px, ay = py;
        int bx = px + downX * across, by = py + downY * across;
        QRect allowed =
            QRect(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by)));
        // along the reading direction the label may reach as far as it likes from (px, py)
        if (c.dx > 0) allowed.setRight(400);
        if (c.dx < 0) allowed.setLeft(0);
        if (c.dy > 0) allowed.setBottom(400);
        if (c.dy < 0) allowed.setTop(0);
        EXPECT_TRUE(allowed.adjusted(-1, -1, 1, 1).contains(box))
            << "ink " << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
        // and its length is that of six capitals H of the face (0.722 em each, ~8.8 px at 24 px cell)
        int length = c.dx != 0 ? box.width() : box.height();
        double em = cell / (2288.0 / 2048.0);
        EXPECT_NEAR(length, 6 * 0.722 * em, 0.12 * 6 * 0.722 * em);
        // the first letter starts at the reference corner
        int start = c.dx > 0   ? box.left() - px
                    : c.dx < 0 ? px - box.right()
                    : c.dy > 0 ? box.top() - py
                               : py - box.bottom();
        EXPECT_LE(std::abs(start), 3);
    }
}

TEST(ImageSurfacePens, WidthsStylesBoxesAndCircles) {
    ImageSurface s(200, 200);
    s.SetScaleMode(vbPixels);
    s.SetDrawWidth(5);
    s.Line(20, 20, 180, 20);
    s.SetDrawWidth(1);
    s.SetDrawStyle(vbDot);
    s.Line(20, 60, 180, 60);
    s.SetDrawStyle(vbSolid);
    s.Line(20, 100, 60, 140, vbBlack, LineKind::FilledBox);
    s.Line(100, 100, 140, 140, kNoColor, LineKind::Box);
    s.Circle(160, 160, 20);
    const QImage& img = s.Image();
    // 5 pixels thick
    int thick = 0;
    for (int y = 10; y < 30; ++y)
        thick += Ink(img, 100, y);
    EXPECT_NEAR(thick, 5, 1);
    // dotted: ink and gaps along the line
    int on = 0;
    for (int x = 20; x < 180; ++x)
        on += Ink(img, x, 60);
    EXPECT_GT(on, 20);
    EXPECT_LT(on, 140);
    // filled box and open box
    EXPECT_TRUE(Ink(img, 40, 120));
    EXPECT_FALSE(Ink(img, 120, 120));
    EXPECT_TRUE(Ink(img, 100, 120));
    EXPECT_TRUE(Ink(img, 140, 120));
    // circle: on the rim, not in the centre
    EXPECT_TRUE(Ink(img, 180, 160) || Ink(img, 179, 160));
    EXPECT_TRUE(Ink(img, 160, 140) || Ink(img, 160, 141));
    EXPECT_FALSE(Ink(img, 160, 160));
}

// Far-off or undefined coordinates draw what is visible of them, and nothing else.
TEST(ImageSurfacePens, FarOffAndUndefinedPointsAreHandled) {
    ImageSurface s(100, 100);
    s.SetScaleMode(vbPixels);
    s.SetDrawStyle(vbDot);
    s.Line(0, 0, 1e12, 1e12);
    s.SetDrawStyle(vbSolid);
    s.Line(0, 50, std::nan(""), 50);
    s.Line(-1e15, 80, 1e15, 80, kNoColor, LineKind::Box);
    s.Circle(50, 50, 1e30);
    int diagonal = 0;
    for (int i = 0; i < 100; ++i)
        diagonal += Ink(s.Image(), i, i);
    EXPECT_GT(diagonal, 20);
    EXPECT_FALSE(Ink(s.Image(), 30, 50));
    EXPECT_TRUE(Ink(s.Image(), 30, 80));
}

TEST(ImageSurfaceText, OpaqueTextPaintsItsCellAndColoursApply) {
    ImageSurface s(200, 100);
    s.SetBackColor(RGB(255, 255, 0)); // clears to yellow
    EXPECT_EQ(QColor(s.Image().pixel(5, 5)), QColor(255, 255, 0));
    s.SetFontTransparent(false);
    s.SetBackColor(vbWhite);
    s.SetFontTransparent(false);
    s.SetForeColor(RGB(255, 0, 0));
    s.SetFont({"Courier New", 12, true, false});
    s.Print(" ");
    // a blank in an opaque font paints the back colour; the foreground shows in "X"
    s.SetCurrentX(0);
    s.SetCurrentY(600);
    s.SetFontTransparent(true);
    s.Print("XXXX");
    bool red = false;
    for (int y = 40; y < 60; ++y)
        for (int x = 0; x < 40; ++x)
            if (QColor(s.Image().pixel(x, y)).red() > 200 && QColor(s.Image().pixel(x, y)).green() < 80)
                red = true;
    EXPECT_TRUE(red);
}

TEST(ImageSurfaceText, MetricsOfTheFixedPitchFaceOnTheScreen) {
    ImageSurface s(100, 100);
    s.SetFont({"Courier New", 8.25f, false, false});
    // 8.25 pt at 96 dpi is 11 pixels per em; every character is as wide as the next
    EXPECT_DOUBLE_EQ(s.TextWidth("iiiiiiiiii"), s.TextWidth("MMMMMMMMMM"));
    EXPECT_NEAR(s.TextWidth(std::string(80, 'a')), 80 * 0.6 * 11 * 15, 80 * 0.5 * 15);
    EXPECT_NEAR(s.TextHeight("Aq"), 11 * 1.1328 * 15, 2 * 15);
}

TEST(ImageSurfacePng, WritingToAMissingFolderFailsAndLeavesNoFile) {
    ImageSurface s(10, 10);
    QTemporaryDir dir;
    std::string bad = (QDir(dir.path()).filePath("missing/x.png")).toStdString();
    EXPECT_FALSE(s.SavePng(bad));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(bad)));
}

TEST(QtFonts, TheScreenListsTheWindowsNamesFirstAndTheInstalledFaces) {
    vb::draw::qt::EnsureQtApp();
    auto fonts = ScreenFonts();
    ASSERT_GT(fonts.size(), 3u);
    EXPECT_EQ(fonts[0], "Arial");
    EXPECT_EQ(fonts[1], "Courier New");
    EXPECT_EQ(fonts[2], "Times New Roman");
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "Liberation Mono"), fonts.end());
}

// The recorder's model of the faces stays close to the faces as drawn.
TEST(QtFonts, TheModelMetricsMatchTheDrawnFaces) {
    ImageSurface s(10, 10, 2.4); // 600 dpi, little rounding
    struct Case {
        const char* font;
        const char* text;
        double tolerance; // relative
    };
    const Case cases[] = {
        {"Courier New", "Proj.Nr. 4711  Pos. Baugrube", 0.01}, // the size snaps to whole pixels
        {"Arial", "1234567890", 0.01},
        {"Arial", "Erddruck (k) 12.5 kN/m2", 0.08},
        {"Times New Roman", "Wandreibungswinkel", 0.12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.font) + ": " + c.text);
        FontSpec f{c.font, 10, false, false};
        s.SetFont(f);
        Extent model = ModelMeasure(c.text, f);
        EXPECT_NEAR(model.width, s.TextWidth(c.text), c.tolerance * model.width);
        EXPECT_NEAR(model.height, s.TextHeight(c.text), 0.02 * model.height);
    }
}

TEST(ImageSurfacePens, AnArcFromZeroToPiIsTheUpperHalfOfItsCircle) {
    ImageSurface s(200, 200);
    s.SetScaleMode(vbPixels);
    s.Circle(100, 100, 50, kNoColor, 0, 3.141592653589793);
    const QImage& img = s.Image();
    EXPECT_TRUE(Ink(img, 100, 50) || Ink(img, 100, 51));    // top of the rim
    EXPECT_FALSE(Ink(img, 100, 150) || Ink(img, 100, 149)); // bottom: not drawn
    EXPECT_FALSE(Ink(img, 125, 100));                       // no radius line
    // A negative start draws the radius to the start (three o'clock).
    s.Cls();
    s.Circle(100, 100, 50, kNoColor, -0.0001, 3.141592653589793);
    EXPECT_TRUE(Ink(s.Image(), 125, 100) || Ink(s.Image(), 125, 99));
}
