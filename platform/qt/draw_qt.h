#pragma once
// What the Qt drawing backends share: the application object, fonts by their Windows names,
// and the rendering of the surface's calls with a QPainter.
#include <QColor>
#include <QFont>

#include "platform/draw/surface.h"

class QPainter;
class QPaintDevice;

namespace vb::draw::qt {

// Creates the application object when none exists yet (without a display the offscreen
// platform is chosen), and installs the system's fonts as the screen's font list.
void EnsureQtApp();

QColor ToQColor(int32_t color);

// The Qt font for a font spec: the Windows names map to the Liberation faces; kerning is off,
// as in the Windows text output the layouts were made for.
QFont MakeFont(const FontSpec& f);
// The font of a text call: sized by cell height or em when the call gives one.
QFont MakeFont(const TextCall& c, QPaintDevice* device);

// Width and height of one line in twips on the device.
Extent Measure(std::string_view line, const FontSpec& f, QPaintDevice* device);

// Renders the calls on a painter whose coordinates are device pixels at dpiX x dpiY.
class Renderer {
public:
    Renderer(double dpiX, double dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}
    void SetDpi(double dpiX, double dpiY) {
        dpiX_ = dpiX;
        dpiY_ = dpiY;
    }
    void Line(QPainter& p, const LineCall& c) const;
    void Circle(QPainter& p, const CircleCall& c) const;
    void Text(QPainter& p, const TextCall& c, QPaintDevice* device) const;

private:
    double X(double twips) const { return twips * dpiX_ / 1440.0; }
    double Y(double twips) const { return twips * dpiY_ / 1440.0; }
    double dpiX_, dpiY_;
};

} // namespace vb::draw::qt
