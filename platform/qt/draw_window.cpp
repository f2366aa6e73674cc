#include "platform/qt/draw_window.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace vb::draw::qt {

namespace {
double ScreenTwipsPerPixel(QWidget* w) {
    int dpi = w->logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}
} // namespace

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget((EnsureQtApp(), parent)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_ = std::make_unique<ImageSurface>(std::max(1, width()), std::max(1, height()),
                                              ScreenTwipsPerPixel(this));
    surface_->SetChangeHandler([this] { update(); });
}

SurfaceWidget::~SurfaceWidget() {
    surface_->SetChangeHandler({});
}

void SurfaceWidget::SyncSize() {
    QSize want(std::max(1, width()), std::max(1, height()));
    if (surface_->Image().size() != want) surface_->Resize(want.width(), want.height());
}

ImageSurface& SurfaceWidget::surface() {
    SyncSize();
    return *surface_;
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), surface_->Image(), event->rect());
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SyncSize();
    if (resized_) resized_();
}

} // namespace vb::draw::qt
