#include "platform/qt/draw_image.h"

#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace vb::draw::qt {

namespace {
QImage MakeImage(int w, int h, double tpp) {
    QImage img(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    int dpm = static_cast<int>(std::lround(1440.0 / tpp / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    return img;
}
} // namespace

ImageSurface::ImageSurface(int widthPx, int heightPx, double twipsPerPixel)
    : Surface(false, std::max(1, widthPx) * twipsPerPixel, std::max(1, heightPx) * twipsPerPixel,
              twipsPerPixel, twipsPerPixel),
      renderer_(1440.0 / twipsPerPixel, 1440.0 / twipsPerPixel) {
    EnsureQtApp();
    image_ = MakeImage(widthPx, heightPx, twipsPerPixel);
}

bool ImageSurface::SavePng(const std::string& path) const {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image_.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void ImageSurface::Resize(int widthPx, int heightPx) {
    QImage img = MakeImage(widthPx, heightPx, TwipsPerPixelX());
    img.fill(ToQColor(BackColor()));
    {
        QPainter p(&img);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(img);
    SetDevice(image_.width() * TwipsPerPixelX(), image_.height() * TwipsPerPixelY(), TwipsPerPixelX(),
              TwipsPerPixelY());
    Changed();
}

void ImageSurface::DoLine(const LineCall& c) {
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, antialias_);
        renderer_.Line(p, c);
    }
    Changed();
}

void ImageSurface::DoCircle(const CircleCall& c) {
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, antialias_);
        renderer_.Circle(p, c);
    }
    Changed();
}

void ImageSurface::DoText(const TextCall& c) {
    {
        QPainter p(&image_);
        renderer_.Text(p, c, &image_);
    }
    Changed();
}

Extent ImageSurface::DoMeasure(std::string_view line, const FontSpec& f) const {
    return Measure(line, f, const_cast<QImage*>(&image_));
}

void ImageSurface::DoClear(int32_t backColor) {
    image_.fill(ToQColor(backColor));
    Changed();
}

} // namespace vb::draw::qt
