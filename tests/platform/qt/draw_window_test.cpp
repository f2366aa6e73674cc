// The window surface: a widget that keeps its picture, so that it repaints without the
// program drawing again, and whose scale follows its size.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "platform/qt/draw_window.h"

using namespace vb::draw;
using vb::draw::qt::ImageSurface;
using vb::draw::qt::SurfaceWidget;

namespace {
bool Ink(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 128;
}
} // namespace

TEST(SurfaceWidget, RepaintsItsRetainedPictureAndKeepsItWhenResized) {
    SurfaceWidget w;
    int resized = 0;
    w.SetResizeHandler([&] { ++resized; });
    w.resize(300, 200);
    w.show();
    EXPECT_GE(resized, 1);
    ImageSurface& s = w.surface();
    const double tpp = s.TwipsPerPixelX();
    EXPECT_GT(tpp, 0);
    EXPECT_NEAR(s.ScaleWidth(), 300 * tpp, 1e-9);
    s.SetScaleMode(vbPixels);
    s.SetDrawWidth(3);
    s.Line(10, 100, 290, 100);

    // painting the widget shows the picture (what a covered window does when uncovered)
    QImage shown = w.grab().toImage();
    EXPECT_TRUE(Ink(shown, 150, 100));
    EXPECT_FALSE(Ink(shown, 150, 50));

    w.resize(400, 300);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 400); // pixel mode follows the new size
    QImage bigger = w.grab().toImage();
    EXPECT_TRUE(Ink(bigger, 150, 100));  // the old picture is kept
    EXPECT_FALSE(Ink(bigger, 350, 250)); // new area in the background colour
}

TEST(SurfaceWidget, AUserScaleStaysWhenTheWindowChangesSize) {
    SurfaceWidget w;
    w.resize(200, 100);
    ImageSurface& s = w.surface();
    s.Scale(-9, -6.75, 11, 8.25);
    w.resize(400, 200); // a hidden widget gets its resize event only when shown
    EXPECT_EQ(&w.surface(), &s);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 20);
    EXPECT_NEAR(s.ToTwipsX(11), 400 * s.TwipsPerPixelX(), 1e-9);
}
