#include "platform/draw/recorder.h"

#include <charconv>
#include <cmath>

#include "platform/draw/fonts.h"

namespace vb::draw {

namespace {

std::string Num(double v) {
    if (std::fabs(v) < 5e-10) v = 0; // no "-0"
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, ec == std::errc() ? end : buf);
}

std::string FontText(const FontSpec& f) {
    std::string s = "[" + f.name + " " + Num(f.size);
    if (f.bold) s += " b";
    if (f.italic) s += " i";
    return s + "]";
}

std::string PenText(int32_t color, int16_t width, int16_t style) {
    std::string s;
    if (color != 0) s += " c=" + std::to_string(color);
    if (width != 1) s += " w=" + std::to_string(width);
    if (style != 0) s += " s=" + std::to_string(style);
    return s;
}

const char* OrientationText(int16_t o) {
    return o == vbPRORLandscape ? "landscape" : "portrait";
}

} // namespace

std::string Record::str() const {
    switch (op) {
    case RecordOp::Line: {
        std::string s = "Line (" + Num(x1) + "," + Num(y1) + ")-(" + Num(x2) + "," + Num(y2) + ")";
        if (kind == LineKind::Box) s += " B";
        if (kind == LineKind::FilledBox) s += " BF";
        return s + PenText(color, drawWidth, drawStyle);
    }
    case RecordOp::Circle: {
        std::string s = "Circle (" + Num(x1) + "," + Num(y1) + ")," + Num(x2);
        if (arc)
            s += " arc " + std::string(startRadius ? "-" : "") + Num(start) + ".." + (endRadius ? "-" : "") +
                 Num(end);
        return s + PenText(color, drawWidth, drawStyle);
    }
    case RecordOp::Print: {
        std::string s = "Print (" + Num(x1) + "," + Num(y1) + ") \"" + text + "\" " + FontText(font);
        if (color != 0) s += " c=" + std::to_string(color);
        if (!transparent) s += " opaque";
        return s;
    }
    case RecordOp::Rotated: {
        std::string s = std::string(pixelCall ? "TextOut " : "Text ") + std::to_string(angleTenths) + " (" +
                        Num(x1) + "," + Num(y1) + ") \"" + text + "\" " + FontText(font);
        if (color != 0) s += " c=" + std::to_string(color);
        return s;
    }
    case RecordOp::Clear:
        return "Cls" + (color != vbWhite ? " c=" + std::to_string(color) : std::string());
    case RecordOp::BeginDoc:
        return std::string("BeginDoc ") + OrientationText(orientation);
    case RecordOp::NewPage:
        return std::string("NewPage ") + OrientationText(orientation);
    case RecordOp::TurnPage:
        return std::string("TurnPage ") + OrientationText(orientation);
    case RecordOp::EndDoc:
        return "EndDoc";
    case RecordOp::KillDoc:
        return "KillDoc";
    }
    return {};
}

std::unique_ptr<RecordingSurface> RecordingSurface::Screen(double widthPx, double heightPx,
                                                           double twipsPerPixel) {
    return std::unique_ptr<RecordingSurface>(
        new RecordingSurface(false, widthPx * twipsPerPixel, heightPx * twipsPerPixel, twipsPerPixel,
                             static_cast<int16_t>(std::lround(1440.0 / twipsPerPixel))));
}

std::unique_ptr<RecordingSurface> RecordingSurface::Printer(double widthTwips, double heightTwips,
                                                            int16_t dpi) {
    return std::unique_ptr<RecordingSurface>(
        new RecordingSurface(true, widthTwips, heightTwips, 1440.0 / dpi, dpi));
}

RecordingSurface::RecordingSurface(bool printer, double widthTwips, double heightTwips, double tpp,
                                   int16_t dpi)
    : Surface(printer, widthTwips, heightTwips, tpp, tpp), portraitW_(widthTwips), portraitH_(heightTwips),
      dpi_(dpi) {}

std::vector<std::string> RecordingSurface::Log() const {
    std::vector<std::string> out;
    out.reserve(records_.size());
    for (const auto& r : records_)
        out.push_back(r.str());
    return out;
}

std::vector<std::string> RecordingSurface::Log(std::initializer_list<RecordOp> ops) const {
    std::vector<std::string> out;
    for (const auto& r : records_)
        for (RecordOp op : ops)
            if (r.op == op) {
                out.push_back(r.str());
                break;
            }
    return out;
}

void RecordingSurface::Resize(double widthPx, double heightPx) {
    SetDevice(widthPx * TwipsPerPixelX(), heightPx * TwipsPerPixelY(), TwipsPerPixelX(), TwipsPerPixelY());
}

void RecordingSurface::DoLine(const LineCall& c) {
    docInk_ = true;
    Record r;
    r.op = RecordOp::Line;
    r.x1 = c.x1;
    r.y1 = c.y1;
    r.x2 = c.x2;
    r.y2 = c.y2;
    r.tx1 = c.tx1;
    r.ty1 = c.ty1;
    r.tx2 = c.tx2;
    r.ty2 = c.ty2;
    r.kind = c.kind;
    r.color = c.color;
    r.drawWidth = c.drawWidth;
    r.drawStyle = c.drawStyle;
    records_.push_back(std::move(r));
}

void RecordingSurface::DoCircle(const CircleCall& c) {
    docInk_ = true;
    Record r;
    r.op = RecordOp::Circle;
    r.x1 = c.x;
    r.y1 = c.y;
    r.x2 = c.r;
    r.tx1 = c.tx;
    r.ty1 = c.ty;
    r.tx2 = c.rxTwips;
    r.arc = c.arc;
    r.start = c.start;
    r.end = c.end;
    r.startRadius = c.startRadius;
    r.endRadius = c.endRadius;
    r.color = c.color;
    r.drawWidth = c.drawWidth;
    r.drawStyle = c.drawStyle;
    records_.push_back(std::move(r));
}

void RecordingSurface::DoText(const TextCall& c) {
    docInk_ = true;
    Record r;
    r.op = (c.angleTenths != 0 || c.rotatedCall) ? RecordOp::Rotated : RecordOp::Print;
    r.pixelCall = c.rotatedCall;
    r.x1 = c.x;
    r.y1 = c.y;
    r.tx1 = c.tx;
    r.ty1 = c.ty;
    r.text = c.text;
    r.font = c.font;
    r.angleTenths = c.angleTenths;
    r.color = c.color;
    r.transparent = c.transparent;
    records_.push_back(std::move(r));
}

Extent RecordingSurface::DoMeasure(std::string_view line, const FontSpec& f) const {
    if (measure_) return measure_(line, f);
    return ModelMeasure(line, f);
}

void RecordingSurface::DoClear(int32_t backColor) {
    Record r;
    r.op = RecordOp::Clear;
    r.color = backColor;
    records_.push_back(std::move(r));
}

void RecordingSurface::DoBeginDoc(int16_t orientation) {
    docInk_ = false;
    Record r;
    r.op = RecordOp::BeginDoc;
    r.orientation = orientation;
    records_.push_back(std::move(r));
}

void RecordingSurface::DoNewPage(int16_t orientation) {
    Record r;
    r.op = RecordOp::NewPage;
    r.orientation = orientation;
    records_.push_back(std::move(r));
}

void RecordingSurface::DoTurnPage(int16_t orientation) {
    Record r;
    r.op = RecordOp::TurnPage;
    r.orientation = orientation;
    records_.push_back(std::move(r));
}

void RecordingSurface::DoEndDoc() {
    Record r;
    r.op = RecordOp::EndDoc;
    records_.push_back(std::move(r));
    ++ended_;
    last_ = docInk_ ? name_ : std::string();
    docInk_ = false;
}

void RecordingSurface::DoKillDoc() {
    Record r;
    r.op = RecordOp::KillDoc;
    records_.push_back(std::move(r));
    ++killed_;
}

Extent RecordingSurface::PageExtent(int16_t orientation) const {
    if (!IsPrinter()) return {DeviceWidthTwips(), DeviceHeightTwips()};
    if (orientation == vbPRORLandscape) return {portraitH_, portraitW_};
    return {portraitW_, portraitH_};
}

} // namespace vb::draw
