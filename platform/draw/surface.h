#pragma once
// A drawing surface with the behaviour of a Visual-Basic form, picture box or Printer object:
// a scale in twips or user units, a current point that Line, Circle and Print move, a pen
// (colour, width in device pixels, style), a font, and for the printer the document with its
// pages. The class does all of the coordinate and current-point work itself; a backend only
// renders calls whose positions are already converted to twips (window, PNG, PDF/printer) or
// keeps them (recorder).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vb::draw {

// ScaleMode values.
constexpr int16_t vbUser = 0;
constexpr int16_t vbTwips = 1;
constexpr int16_t vbPoints = 2;
constexpr int16_t vbPixels = 3;
constexpr int16_t vbCharacters = 4;
constexpr int16_t vbInches = 5;
constexpr int16_t vbMillimeters = 6;
constexpr int16_t vbCentimeters = 7;

// DrawStyle values (a style other than solid shows only with DrawWidth 1, as on Windows).
constexpr int16_t vbSolid = 0;
constexpr int16_t vbDash = 1;
constexpr int16_t vbDot = 2;
constexpr int16_t vbDashDot = 3;
constexpr int16_t vbDashDotDot = 4;
constexpr int16_t vbInvisible = 5;
constexpr int16_t vbInsideSolid = 6;

// Printer orientation and print-quality codes.
constexpr int16_t vbPRORPortrait = 1;
constexpr int16_t vbPRORLandscape = 2;
constexpr int16_t vbPRPQDraft = -1;
constexpr int16_t vbPRPQLow = -2;
constexpr int16_t vbPRPQMedium = -3;
constexpr int16_t vbPRPQHigh = -4;

// Colours are Visual-Basic colour numbers: red + 256 x green + 65536 x blue.
constexpr int32_t vbBlack = 0x000000;
constexpr int32_t vbWhite = 0xFFFFFF;
constexpr int32_t kNoColor = -1; // "no colour given": the call takes ForeColor

// Red, green and blue of a colour number; system colours (&H80000000 + index) map to the
// usual light theme (window white, window text black, button face light grey).
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};
Rgb ColorToRgb(int32_t color);
int32_t RGB(int r, int g, int b);

// The font of a surface as the Font object holds it.
struct FontSpec {
    std::string name = "Courier New";
    float size = 8.25f; // points
    bool bold = false;
    bool italic = false;
};

// A font as the Windows graphics interface describes it for rotated text: height in device
// pixels of the surface (positive: height of the character cell; negative: height of the
// characters, the em), weight (700 bold, 400 normal).
struct LogFont {
    std::string face;
    int32_t height = 0;
    int32_t weight = 400;
    bool italic = false;
};

// Line, open box (B) or filled box (BF).
enum class LineKind { Line, Box, FilledBox };

// How Print ends: move to the start of the next line, or stay behind the text (";").
enum class PrintEnd { NewLine, Stay };

// Width and height of a text in twips.
struct Extent {
    double width = 0;
    double height = 0;
};

// What a backend gets. Positions are twips from the top left of the drawing area (for the
// printer: of the printable area); the user-unit values are those the caller gave.
struct LineCall {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;     // user units
    double tx1 = 0, ty1 = 0, tx2 = 0, ty2 = 0; // twips
    LineKind kind = LineKind::Line;
    int32_t color = 0; // resolved (ForeColor when none was given)
    int16_t drawWidth = 1;
    int16_t drawStyle = vbSolid;
    double penTwips = 15; // DrawWidth in twips
};

struct CircleCall {
    double x = 0, y = 0, r = 0; // user units (radius in horizontal units)
    double tx = 0, ty = 0, rxTwips = 0, ryTwips = 0;
    // An arc: from angle start to angle end, counter-clockwise, in radians from the positive x
    // direction of the device (0 .. 2 pi). A radius line joins the centre to an end that was
    // given negative.
    bool arc = false;
    double start = 0, end = 0;
    bool startRadius = false, endRadius = false;
    int32_t color = 0;
    int16_t drawWidth = 1;
    int16_t drawStyle = vbSolid;
    double penTwips = 15;
};

struct TextCall {
    std::string text;      // UTF-8
    double x = 0, y = 0;   // user units of the top-left corner (Print) or device pixels (TextOut)
    double tx = 0, ty = 0; // twips of the top-left corner of the unrotated cell
    FontSpec font;
    double cellHeightTwips = 0; // > 0: the font is sized so that its cell has this height
    double emTwips = 0;         // > 0: the font is sized so that its em has this height
    int32_t angleTenths = 0;    // counter-clockwise, tenths of a degree
    int32_t color = 0;
    bool transparent = true;
    int32_t backColor = vbWhite;
    bool rotatedCall = false; // came through TextOutRotated
};

class Surface {
public:
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    bool IsPrinter() const { return printer_; }

    // --- scale ---------------------------------------------------------------------------
    int16_t ScaleMode() const { return mode_; }
    void SetScaleMode(int16_t mode); // fixed modes reset the origin to 0,0 and the extents
    double ScaleLeft() const { return left_; }
    double ScaleTop() const { return top_; }
    double ScaleWidth() const { return width_; }
    double ScaleHeight() const { return height_; }
    void SetScaleLeft(double v);
    void SetScaleTop(double v);
    void SetScaleWidth(double v);  // 0 raises error 380
    void SetScaleHeight(double v); // 0 raises error 380
    // Scale (x1, y1)-(x2, y2): user units with (x1, y1) at the top left and (x2, y2) at the
    // bottom right; equal coordinates raise error 380 and leave the scale as it was. Here and
    // in the four setters an infinite or undefined value raises error 6 (overflow) and
    // changes nothing.
    void Scale(double x1, double y1, double x2, double y2);
    void Scale(); // back to twips
    double TwipsPerPixelX() const { return tppX_; }
    double TwipsPerPixelY() const { return tppY_; }
    // The drawing area in twips (the client area, or the printable area of the page).
    double DeviceWidthTwips() const { return devW_; }
    double DeviceHeightTwips() const { return devH_; }
    // Conversions between the current scale and twips.
    double ToTwipsX(double x) const;
    double ToTwipsY(double y) const;
    double FromTwipsX(double tx) const;
    double FromTwipsY(double ty) const;

    // --- current point, pen, colours ---------------------------------------------------
    double CurrentX() const { return curX_; }
    double CurrentY() const { return curY_; }
    void SetCurrentX(double x) { curX_ = x; }
    void SetCurrentY(double y) { curY_ = y; }
    int32_t ForeColor() const { return fore_; }
    void SetForeColor(int32_t c) { fore_ = c; }
    int32_t BackColor() const { return back_; }
    void SetBackColor(int32_t c); // on a window or picture this clears it, as on Windows
    int16_t DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int16_t w); // below 1 raises error 380
    int16_t DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(int16_t s); // outside 0..6 raises error 380
    bool FontTransparent() const { return fontTransparent_; }
    void SetFontTransparent(bool t) { fontTransparent_ = t; }

    // --- font ----------------------------------------------------------------------------
    const FontSpec& Font() const { return font_; }
    void SetFontName(std::string_view name); // an empty name keeps the font (it only resets)
    // 0 or less keeps the size. A window's or picture's surface takes the nearest size whose em is
    // a whole number of pixels (SnapFontSize, fonts.h), and FontSize reads back that size.
    void SetFontSize(float size);
    void SetFontBold(bool bold);
    void SetFontItalic(bool italic);
    void SetFont(const FontSpec& f);
    // Names of the fonts this surface offers (the Windows names first).
    virtual std::vector<std::string> Fonts() const;

    // --- drawing -------------------------------------------------------------------------
    // Line (x1, y1)-(x2, y2), colour, B/BF. CurrentX/Y become (x2, y2).
    void Line(double x1, double y1, double x2, double y2, int32_t color = kNoColor,
              LineKind kind = LineKind::Line);
    // Line -(x2, y2): from the current point.
    void LineTo(double x2, double y2, int32_t color = kNoColor, LineKind kind = LineKind::Line);
    // Circle (x, y), r: the radius counts in horizontal units and the circle stays round on
    // the device. CurrentX/Y become the centre.
    void Circle(double x, double y, double r, int32_t color = kNoColor);
    // Circle (x, y), r, color, start, end: an arc from start to end (radians, counter-clockwise
    // from three o'clock, -2 pi .. 2 pi; a negative angle also draws the radius to that end, -0
    // cannot be told from 0). An angle beyond 2 pi raises error 5 and draws nothing.
    void Circle(double x, double y, double r, int32_t color, double start, double end);
    // Print: the text's top-left corner at the current point. NewLine: CurrentX := ScaleLeft,
    // CurrentY += TextHeight; Stay: CurrentX += TextWidth. An empty Print is a line feed.
    // Line breaks inside the text start new lines.
    void Print(std::string_view text = {}, PrintEnd end = PrintEnd::NewLine);
    // Width and height of a text in the current font, in current units. The height of an
    // empty text is one line; a text of several lines is as wide as its widest line.
    double TextWidth(std::string_view text) const;
    double TextHeight(std::string_view text) const;
    // Clears to BackColor, CurrentX/Y := 0. Not for the printer (error 438).
    void Cls();

    // --- rotated text (the Windows graphics-interface path) ----------------------------
    // Device resolution in dots per inch (1440 / twips per pixel, rounded).
    int32_t LogPixelsX() const;
    int32_t LogPixelsY() const;
    // Writes text with its reference corner (top left of the unrotated cell) at device pixel
    // (px, py), turned counter-clockwise by escapement tenths of a degree, transparent, in
    // ForeColor. The current point does not move. An empty text draws nothing.
    void TextOutRotated(int32_t px, int32_t py, std::string_view text, const LogFont& font,
                        int32_t escapement);
    // The same at a point in current units, with the current font (convenience).
    void PrintRotated(double x, double y, std::string_view text, int32_t angleTenths);

    // --- printer -------------------------------------------------------------------------
    // On other surfaces these raise error 438 (the object has no such property or method).
    int16_t Orientation() const;
    // Takes effect at once while the current page is still blank, else from the next page.
    void SetOrientation(int16_t o);
    int16_t PrintQuality() const;
    // Positive values are dots per inch (at most the device's); negative codes are kept and
    // change nothing else. Twips per pixel follow the quality.
    void SetPrintQuality(int16_t q);
    void NewPage();
    void EndDoc();  // sends the document; nothing happens when nothing was drawn
    void KillDoc(); // discards the document in progress
    bool DocumentOpen() const { return docOpen_; }
    int Page() const { return page_; } // page number within the open document (0: none)
    // Names the next documents after the project file they belong to and what is printed
    // ("Bericht", "B101"). A printer that writes PDF files (no printer set up) writes them
    // beside the project file as PrintFileName(projectFile, what) (devices.h); a system
    // printer ignores the name.
    void SetDocumentName(std::string_view projectFile, std::string_view what);
    // The file that the last finished document was written to, so that the program can say
    // where it went; empty when it went to a system printer or when it had nothing on it.
    std::string LastDocumentFile() const;

protected:
    Surface(bool printer, double widthTwips, double heightTwips, double tppX, double tppY);

    // Backend hooks.
    virtual void DoLine(const LineCall& c) = 0;
    virtual void DoCircle(const CircleCall& c) = 0;
    virtual void DoText(const TextCall& c) = 0;
    virtual Extent DoMeasure(std::string_view line, const FontSpec& f) const = 0;
    virtual void DoClear(int32_t backColor) = 0;
    virtual void DoBeginDoc(int16_t /*orientation*/) {}
    virtual void DoNewPage(int16_t /*orientation*/) {}
    virtual void DoTurnPage(int16_t /*orientation*/) {} // the blank page in progress turns
    virtual void DoEndDoc() {}
    virtual void DoKillDoc() {}
    virtual void DoDocumentName(const std::string& /*pdfFile*/) {}
    virtual std::string DoLastDocumentFile() const { return {}; }
    // The printable area of a page in this orientation, in twips, and the device's full
    // resolution (for print quality). Printers override these.
    virtual Extent PageExtent(int16_t orientation) const;
    virtual int16_t DeviceDpi() const { return 600; }

    // Font sizes snap to whole pixels of the device (windows and pictures do, printers do not).
    void SetSnapFontSizes(bool on) { snapFonts_ = on; }

    // Forgets the document in progress (a backend that failed to start it).
    void AbandonDocument();
    // Changes the drawing area (a window resized); twips per pixel may change too.
    void SetDevice(double widthTwips, double heightTwips, double tppX, double tppY);

private:
    friend class WindowSurface; // forwards its calls to another surface's backend hooks
    void CircleImpl(CircleCall c, double x, double y, double r, int32_t color);
    // A text call at (x, y) in user units with the current font, colours and transparency.
    TextCall TextAt(double x, double y, std::string_view text) const;
    // Ends the document's state; the next one starts on a blank page in the orientation now set.
    // Returns whether a document was open.
    bool CloseDocumentState();
    void ApplyModeExtents();
    double UnitTwips(int16_t mode) const;
    void RequirePrinter() const;
    void BeforeOutput(bool ink); // starts the printer document, marks the page as used

    bool printer_;
    double devW_, devH_, tppX_, tppY_;
    int16_t mode_ = vbTwips;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double curX_ = 0, curY_ = 0;
    int32_t fore_ = vbBlack;
    int32_t back_ = vbWhite;
    int16_t drawWidth_ = 1;
    int16_t drawStyle_ = vbSolid;
    bool fontTransparent_ = true;
    FontSpec font_;
    bool snapFonts_ = false;
    // printer state
    int16_t orientation_ = vbPRORPortrait;
    int16_t quality_ = 600;
    bool docOpen_ = false;
    bool pageInk_ = false;
    int page_ = 0;
};

// Splits a text at CR LF, LF or CR into its lines (at least one, possibly empty).
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace vb::draw
