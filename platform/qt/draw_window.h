#pragma once
// The drawing surface of a window: a plain QWidget that shows a retained image, so that a
// covered or restored window repaints its picture without the program drawing it again.
// Embed it like any widget (for instance as the client area of the graphics window or of a
// picture box) and draw through surface().
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/qt/draw_image.h"

namespace vb::draw::qt {

class SurfaceWidget : public QWidget {
public:
    explicit SurfaceWidget(QWidget* parent = nullptr);
    ~SurfaceWidget() override;

    // The surface, sized to the widget (also while the widget is hidden and has not yet had
    // its resize event).
    ImageSurface& surface();
    const ImageSurface& surface() const { return *surface_; }
    // Called after the widget took a new size (the picture is usually drawn again then).
    void SetResizeHandler(std::function<void()> handler) { resized_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SyncSize();
    std::unique_ptr<ImageSurface> surface_;
    std::function<void()> resized_;
};

} // namespace vb::draw::qt
