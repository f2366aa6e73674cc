#pragma once
// A drawing surface on an image: the retained picture of a window, or a PNG file.
#include <QImage>
#include <functional>
#include <string>

#include "platform/draw/surface.h"
#include "platform/qt/draw_qt.h"

namespace vb::draw::qt {

class ImageSurface : public Surface {
public:
    // An image of widthPx x heightPx pixels at twipsPerPixel (15: 96 dpi), cleared to white.
    ImageSurface(int widthPx, int heightPx, double twipsPerPixel = 15);

    const QImage& Image() const { return image_; }
    // Writes the picture as a PNG file (through a temporary file, so an old file stays
    // intact when writing fails); false when it could not be written.
    bool SavePng(const std::string& path) const;
    // A new size in pixels; the picture is kept, new area takes the background colour.
    void Resize(int widthPx, int heightPx);
    // Called after every change of the picture (the window repaints).
    void SetChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }
    // Smooth edges for lines and circles (off by default, as on Windows).
    void SetAntialiasing(bool on) { antialias_ = on; }

protected:
    void DoLine(const LineCall& c) override;
    void DoCircle(const CircleCall& c) override;
    void DoText(const TextCall& c) override;
    Extent DoMeasure(std::string_view line, const FontSpec& f) const override;
    void DoClear(int32_t backColor) override;

private:
    void Changed() {
        if (changed_) changed_();
    }
    QImage image_;
    Renderer renderer_;
    std::function<void()> changed_;
    bool antialias_ = false;
};

} // namespace vb::draw::qt
