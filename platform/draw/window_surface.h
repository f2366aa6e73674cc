#pragma once
// The drawing surface of a window or a picture box. It holds the whole state of the picture (the
// drawing area, the scale, the current point, the pen, the colours and the font): the window's
// BackColor, ForeColor, font and size are this state, not a copy of it. The drawing itself goes
// to a target that the forms backend supplies: a recorder (or an image) headless, the window's
// retained picture under Qt. The target is fetched on the first drawing or measuring, so a
// window that never draws gets none.
//
// When the window goes (unloaded, or the picture box destroyed) the surface is closed: drawing
// on it does nothing, measuring uses the model metrics of fonts.h, and Closed() tells a waiting
// loop that holds the surface (a std::shared_ptr from the window) that its window is gone.
#include <functional>
#include <memory>

#include "platform/draw/surface.h"

namespace vb::draw {

class WindowSurface : public Surface {
public:
    // A client area of widthTwips x heightTwips on a screen of twipsPerPixel.
    WindowSurface(double widthTwips, double heightTwips, double twipsPerPixel);
    ~WindowSurface() override;

    // Called when drawing finds no target; it gives one with SetTarget or SetOwnTarget (or none:
    // the call draws nothing).
    void SetAttach(std::function<void(WindowSurface&)> attach) { attach_ = std::move(attach); }
    // The backend's target (it keeps ownership and calls SetTarget(nullptr) before it frees it).
    void SetTarget(Surface* target);
    // A target the surface keeps (the headless recorder); it lives as long as someone holds it.
    void SetOwnTarget(std::shared_ptr<Surface> target);
    Surface* Target() const { return target_; }
    std::shared_ptr<Surface> OwnTarget() const { return own_; }
    // A second target that gets every call the target gets (a test's recorder under Qt).
    void SetTap(Surface* tap) { tap_ = tap; }

    // The client area changed (the window or the picture box was resized).
    void SetClientArea(double widthTwips, double heightTwips, double twipsPerPixel);

    // The window is gone: the backend's target is dropped, the own one kept for its log.
    void Close();
    bool Closed() const { return closed_; }

protected:
    void DoLine(const LineCall& c) override;
    void DoCircle(const CircleCall& c) override;
    void DoText(const TextCall& c) override;
    Extent DoMeasure(std::string_view line, const FontSpec& f) const override;
    void DoClear(int32_t backColor) override;

private:
    Surface* Ready(); // the target, fetched when missing; nullptr when there is none
    std::function<void(WindowSurface&)> attach_;
    Surface* target_ = nullptr;
    std::shared_ptr<Surface> own_;
    Surface* tap_ = nullptr;
    bool closed_ = false;
    bool attaching_ = false;
};

} // namespace vb::draw
