#include "platform/draw/surface.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "platform/draw/devices.h"
#include "platform/draw/fonts.h"
#include "platform/runtime/errors.h"

namespace vb::draw {

namespace {
[[noreturn]] void InvalidValue() {
    throw vb::RuntimeError(380, "Invalid property value");
}
// A scale value that ran away (infinite or undefined) would send every later position and
// text size of the surface the same way: it is refused as the overflow it is.
void RequireFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) throw vb::RuntimeError(6, "Overflow");
}
} // namespace

Rgb ColorToRgb(int32_t color) {
    uint32_t c = static_cast<uint32_t>(color);
    if (c & 0x80000000u) {
        switch (c & 0xFFu) {
        case 5:  // window background
        case 14: // highlight text
            return {255, 255, 255};
        case 8:  // window text
        case 9:  // caption text
        case 18: // button text
            return {0, 0, 0};
        case 16: // button shadow
        case 17: // grey text
            return {160, 160, 160};
        default: // button face and the rest
            return {240, 240, 240};
        }
    }
    return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
            static_cast<uint8_t>((c >> 16) & 0xFF)};
}

int32_t RGB(int r, int g, int b) {
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    return clamp(r) + 256 * clamp(g) + 65536 * clamp(b);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

Surface::Surface(bool printer, double widthTwips, double heightTwips, double tppX, double tppY)
    : printer_(printer), devW_(widthTwips), devH_(heightTwips), tppX_(tppX), tppY_(tppY) {
    quality_ = static_cast<int16_t>(std::lround(1440.0 / tppX));
    ApplyModeExtents();
}

// ---- scale -----------------------------------------------------------------------------

double Surface::UnitTwips(int16_t mode) const {
    switch (mode) {
    case vbPoints:
        return 20.0;
    case vbPixels:
        return tppX_;
    case vbCharacters:
        return 120.0;
    case vbInches:
        return 1440.0;
    case vbMillimeters:
        return 1440.0 / 25.4;
    case vbCentimeters:
        return 1440.0 / 2.54;
    default:
        return 1.0;
    }
}

void Surface::ApplyModeExtents() {
    if (mode_ == vbUser) return;
    double ux = UnitTwips(mode_);
    double uy = mode_ == vbPixels ? tppY_ : (mode_ == vbCharacters ? 240.0 : ux);
    left_ = 0;
    top_ = 0;
    width_ = devW_ / ux;
    height_ = devH_ / uy;
}

void Surface::SetScaleMode(int16_t mode) {
    if (mode < vbUser || mode > vbCentimeters) InvalidValue();
    mode_ = mode;
    ApplyModeExtents();
}

void Surface::SetScaleLeft(double v) {
    RequireFinite({v});
    mode_ = vbUser;
    left_ = v;
}

void Surface::SetScaleTop(double v) {
    RequireFinite({v});
    mode_ = vbUser;
    top_ = v;
}

void Surface::SetScaleWidth(double v) {
    RequireFinite({v});
    if (v == 0) InvalidValue();
    mode_ = vbUser;
    width_ = v;
}

void Surface::SetScaleHeight(double v) {
    RequireFinite({v});
    if (v == 0) InvalidValue();
    mode_ = vbUser;
    height_ = v;
}

void Surface::Scale(double x1, double y1, double x2, double y2) {
    RequireFinite({x1, y1, x2, y2, x2 - x1, y2 - y1});
    if (x1 == x2 || y1 == y2) InvalidValue();
    mode_ = vbUser;
    left_ = x1;
    top_ = y1;
    width_ = x2 - x1;
    height_ = y2 - y1;
}

void Surface::Scale() {
    mode_ = vbTwips;
    ApplyModeExtents();
}

double Surface::ToTwipsX(double x) const {
    return (x - left_) * devW_ / width_;
}
double Surface::ToTwipsY(double y) const {
    return (y - top_) * devH_ / height_;
}
double Surface::FromTwipsX(double tx) const {
    return left_ + tx * width_ / devW_;
}
double Surface::FromTwipsY(double ty) const {
    return top_ + ty * height_ / devH_;
}

void Surface::SetDevice(double widthTwips, double heightTwips, double tppX, double tppY) {
    devW_ = widthTwips;
    devH_ = heightTwips;
    tppX_ = tppX;
    tppY_ = tppY;
    ApplyModeExtents();
}

// ---- pen, colours, font ----------------------------------------------------------------

void Surface::SetBackColor(int32_t c) {
    back_ = c;
    if (!printer_) DoClear(c);
}

void Surface::SetDrawWidth(int16_t w) {
    if (w < 1) InvalidValue();
    drawWidth_ = w;
}

void Surface::SetDrawStyle(int16_t s) {
    if (s < vbSolid || s > vbInsideSolid) InvalidValue();
    drawStyle_ = s;
}

void Surface::SetFontName(std::string_view name) {
    if (name.empty()) return;
    font_.name = std::string(name);
}

void Surface::SetFontSize(float size) {
    if (!(size > 0)) return;
    font_.size = snapFonts_ ? SnapFontSize(size, tppY_) : size;
}

void Surface::SetFontBold(bool bold) {
    font_.bold = bold;
}
void Surface::SetFontItalic(bool italic) {
    font_.italic = italic;
}

void Surface::SetFont(const FontSpec& f) {
    SetFontName(f.name);
    SetFontSize(f.size);
    font_.bold = f.bold;
    font_.italic = f.italic;
}

std::vector<std::string> Surface::Fonts() const {
    return ScreenFonts();
}

// ---- drawing ---------------------------------------------------------------------------

void Surface::BeforeOutput(bool ink) {
    if (!printer_) return;
    if (!docOpen_) {
        docOpen_ = true;
        page_ = 1;
        pageInk_ = false;
        DoBeginDoc(orientation_);
    }
    if (ink) pageInk_ = true;
}

void Surface::Line(double x1, double y1, double x2, double y2, int32_t color, LineKind kind) {
    BeforeOutput(true);
    LineCall c;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.tx1 = ToTwipsX(x1);
    c.ty1 = ToTwipsY(y1);
    c.tx2 = ToTwipsX(x2);
    c.ty2 = ToTwipsY(y2);
    c.kind = kind;
    c.color = color == kNoColor ? fore_ : color;
    c.drawWidth = drawWidth_;
    c.drawStyle = drawStyle_;
    c.penTwips = drawWidth_ * tppX_;
    DoLine(c);
    curX_ = x2;
    curY_ = y2;
}

void Surface::LineTo(double x2, double y2, int32_t color, LineKind kind) {
    Line(curX_, curY_, x2, y2, color, kind);
}

void Surface::Circle(double x, double y, double r, int32_t color) {
    CircleImpl(CircleCall{}, x, y, r, color);
}

void Surface::Circle(double x, double y, double r, int32_t color, double start, double end) {
    constexpr double twoPi = 6.283185307179586;
    RequireFinite({start, end});
    // the angles are single-precision values in the calling code: 2 pi given as a Single passes
    if (std::fabs(start) > twoPi * (1 + 1e-6) || std::fabs(end) > twoPi * (1 + 1e-6))
        throw vb::RuntimeError(5, "Invalid procedure call or argument");
    CircleCall c;
    c.arc = true;
    c.startRadius = std::signbit(start) && start != 0;
    c.endRadius = std::signbit(end) && end != 0;
    c.start = std::min(std::fabs(start), twoPi);
    c.end = std::min(std::fabs(end), twoPi);
    CircleImpl(c, x, y, r, color);
}

void Surface::CircleImpl(CircleCall c, double x, double y, double r, int32_t color) {
    BeforeOutput(true);
    c.x = x;
    c.y = y;
    c.r = r;
    c.tx = ToTwipsX(x);
    c.ty = ToTwipsY(y);
    c.rxTwips = std::fabs(r * devW_ / width_);
    c.ryTwips = c.rxTwips; // twips are the same length both ways: the circle stays round
    c.color = color == kNoColor ? fore_ : color;
    c.drawWidth = drawWidth_;
    c.drawStyle = drawStyle_;
    c.penTwips = drawWidth_ * tppX_;
    DoCircle(c);
    curX_ = x;
    curY_ = y;
}

void Surface::Print(std::string_view text, PrintEnd end) {
    auto lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        BeforeOutput(!line.empty());
        Extent ext = DoMeasure(line, font_);
        if (!line.empty()) {
            DoText(TextAt(curX_, curY_, line));
        }
        bool last = i + 1 == lines.size();
        if (!last || end == PrintEnd::NewLine) {
            curX_ = left_;
            curY_ += ext.height * height_ / devH_;
        } else {
            curX_ += ext.width * width_ / devW_;
        }
    }
}

double Surface::TextWidth(std::string_view text) const {
    double w = 0;
    for (auto line : SplitLines(text))
        w = std::max(w, DoMeasure(line, font_).width);
    return w * width_ / devW_;
}

double Surface::TextHeight(std::string_view text) const {
    auto lines = SplitLines(text);
    double h = DoMeasure(lines.front(), font_).height * static_cast<double>(lines.size());
    return h * height_ / devH_;
}

void Surface::Cls() {
    if (printer_) throw vb::RuntimeError(438, "Object doesn't support this property or method");
    DoClear(back_);
    curX_ = 0;
    curY_ = 0;
}

// ---- rotated text ----------------------------------------------------------------------

int32_t Surface::LogPixelsX() const {
    return static_cast<int32_t>(std::lround(1440.0 / tppX_));
}
int32_t Surface::LogPixelsY() const {
    return static_cast<int32_t>(std::lround(1440.0 / tppY_));
}

void Surface::TextOutRotated(int32_t px, int32_t py, std::string_view text, const LogFont& font,
                             int32_t escapement) {
    if (text.empty()) return;
    BeforeOutput(true);
    TextCall c;
    c.text = std::string(text);
    c.x = px;
    c.y = py;
    c.tx = px * tppX_;
    c.ty = py * tppY_;
    c.font.name = font.face.empty() ? font_.name : font.face;
    c.font.bold = font.weight >= 600;
    c.font.italic = font.italic;
    if (font.height > 0) {
        c.cellHeightTwips = font.height * tppY_;
        c.font.size = static_cast<float>(c.cellHeightTwips / ModelCellPerEm(c.font.name) / 20.0);
    } else if (font.height < 0) {
        c.emTwips = -font.height * tppY_;
        c.font.size = static_cast<float>(c.emTwips / 20.0);
    } else {
        c.font.size = font_.size;
    }
    c.angleTenths = escapement;
    c.color = fore_;
    c.transparent = true;
    c.backColor = back_;
    c.rotatedCall = true;
    DoText(c);
}

TextCall Surface::TextAt(double x, double y, std::string_view text) const {
    TextCall c;
    c.text = std::string(text);
    c.x = x;
    c.y = y;
    c.tx = ToTwipsX(x);
    c.ty = ToTwipsY(y);
    c.font = font_;
    c.color = fore_;
    c.transparent = fontTransparent_;
    c.backColor = back_;
    return c;
}

void Surface::PrintRotated(double x, double y, std::string_view text, int32_t angleTenths) {
    if (text.empty()) return;
    BeforeOutput(true);
    TextCall c = TextAt(x, y, text);
    c.angleTenths = angleTenths;
    c.transparent = true;
    DoText(c);
}

// ---- printer ---------------------------------------------------------------------------

void Surface::RequirePrinter() const {
    if (!printer_) throw vb::RuntimeError(438, "Object doesn't support this property or method");
}

Extent Surface::PageExtent(int16_t orientation) const {
    // Printers override this; a fixed page turns by swapping its sides.
    double shortSide = std::min(devW_, devH_), longSide = std::max(devW_, devH_);
    if (orientation == vbPRORLandscape) return {longSide, shortSide};
    return {shortSide, longSide};
}

int16_t Surface::Orientation() const {
    RequirePrinter();
    return orientation_;
}

void Surface::SetOrientation(int16_t o) {
    RequirePrinter();
    if (o != vbPRORPortrait && o != vbPRORLandscape) InvalidValue();
    orientation_ = o;
    if (!docOpen_ || !pageInk_) {
        // the page in progress is still blank: it takes the new orientation
        Extent e = PageExtent(o);
        SetDevice(e.width, e.height, tppX_, tppY_);
        if (docOpen_) DoTurnPage(o);
    }
}

int16_t Surface::PrintQuality() const {
    RequirePrinter();
    return quality_;
}

void Surface::SetPrintQuality(int16_t q) {
    RequirePrinter();
    if (q > 0) {
        q = std::min(q, DeviceDpi());
        quality_ = q;
        SetDevice(devW_, devH_, 1440.0 / q, 1440.0 / q);
    } else if (q < 0 && q >= vbPRPQHigh) {
        quality_ = q;
    } else {
        InvalidValue();
    }
}

void Surface::NewPage() {
    RequirePrinter();
    BeforeOutput(false);
    ++page_;
    pageInk_ = false;
    Extent e = PageExtent(orientation_);
    SetDevice(e.width, e.height, tppX_, tppY_);
    DoNewPage(orientation_);
    curX_ = 0;
    curY_ = 0;
}

bool Surface::CloseDocumentState() {
    const bool open = docOpen_;
    docOpen_ = false;
    page_ = 0;
    pageInk_ = false;
    // an orientation set for the next page applies to the next document
    Extent e = PageExtent(orientation_);
    SetDevice(e.width, e.height, tppX_, tppY_);
    curX_ = 0;
    curY_ = 0;
    return open;
}

void Surface::EndDoc() {
    RequirePrinter();
    if (CloseDocumentState()) DoEndDoc();
}

void Surface::AbandonDocument() {
    docOpen_ = false;
    page_ = 0;
    pageInk_ = false;
}

void Surface::SetDocumentName(std::string_view projectFile, std::string_view what) {
    RequirePrinter();
    DoDocumentName(PrintFileName(projectFile, what));
}

std::string Surface::LastDocumentFile() const {
    RequirePrinter();
    return DoLastDocumentFile();
}

void Surface::KillDoc() {
    RequirePrinter();
    if (CloseDocumentState()) DoKillDoc();
}

} // namespace vb::draw
