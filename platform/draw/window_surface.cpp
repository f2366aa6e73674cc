#include "platform/draw/window_surface.h"

#include "platform/draw/fonts.h"

namespace vb::draw {

WindowSurface::WindowSurface(double widthTwips, double heightTwips, double twipsPerPixel)
    : Surface(false, widthTwips, heightTwips, twipsPerPixel, twipsPerPixel) {
    SetSnapFontSizes(true);
}

WindowSurface::~WindowSurface() = default;

void WindowSurface::SetTarget(Surface* target) {
    if (!target && target_ == own_.get()) return; // the backend drops only what it gave
    target_ = target;
    if (target) own_.reset();
}

void WindowSurface::SetOwnTarget(std::shared_ptr<Surface> target) {
    own_ = std::move(target);
    target_ = own_.get();
}

void WindowSurface::SetClientArea(double widthTwips, double heightTwips, double twipsPerPixel) {
    SetDevice(widthTwips, heightTwips, twipsPerPixel, twipsPerPixel);
}

void WindowSurface::Close() {
    closed_ = true;
    if (!own_) target_ = nullptr;
    tap_ = nullptr;
    attach_ = nullptr;
}

Surface* WindowSurface::Ready() {
    if (closed_) return nullptr;
    if (!target_ && attach_ && !attaching_) {
        attaching_ = true;
        auto attach = attach_; // the attach may replace itself
        attach(*this);
        attaching_ = false;
    }
    return target_;
}

void WindowSurface::DoLine(const LineCall& c) {
    if (Surface* t = Ready()) {
        t->DoLine(c);
        if (tap_) tap_->DoLine(c);
    }
}

void WindowSurface::DoCircle(const CircleCall& c) {
    if (Surface* t = Ready()) {
        t->DoCircle(c);
        if (tap_) tap_->DoCircle(c);
    }
}

void WindowSurface::DoText(const TextCall& c) {
    if (Surface* t = Ready()) {
        t->DoText(c);
        if (tap_) tap_->DoText(c);
    }
}

Extent WindowSurface::DoMeasure(std::string_view line, const FontSpec& f) const {
    // Measuring needs the device: it fetches the target as drawing does.
    if (Surface* t = const_cast<WindowSurface*>(this)->Ready()) return t->DoMeasure(line, f);
    return ModelMeasure(line, f);
}

void WindowSurface::DoClear(int32_t backColor) {
    // A surface without a target has nothing to clear; its target starts in the background colour.
    if (closed_ || !target_) return;
    target_->DoClear(backColor);
    if (tap_) tap_->DoClear(backColor);
}

} // namespace vb::draw
