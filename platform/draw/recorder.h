#pragma once
// A drawing surface that draws nothing and keeps every call, for tests and for running the
// report printing and the pictures without a display. Text metrics come from a model of the
// Liberation faces (see fonts.h) unless a test installs its own measure.
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw/surface.h"

namespace vb::draw {

enum class RecordOp { Line, Circle, Print, Rotated, Clear, BeginDoc, NewPage, TurnPage, EndDoc, KillDoc };

// One recorded call. Positions are in the units the caller used: user units for Line,
// Circle, Print and PrintRotated; device pixels for TextOutRotated. tx/ty hold the same
// points in twips.
struct Record {
    RecordOp op = RecordOp::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line: both ends; Circle: centre and x2 = radius
    double tx1 = 0, ty1 = 0, tx2 = 0, ty2 = 0;
    LineKind kind = LineKind::Line;
    int32_t color = 0;
    int16_t drawWidth = 1;
    int16_t drawStyle = vbSolid;
    std::string text;
    FontSpec font;
    int32_t angleTenths = 0;
    bool transparent = true;
    bool pixelCall = false; // TextOutRotated (positions are device pixels)
    int16_t orientation = 0;
    bool arc = false; // Circle: an arc from start to end (radians), radius lines where marked
    double start = 0, end = 0;
    bool startRadius = false, endRadius = false;

    // A compact line, e.g. `Line (0,0)-(10,5) BF c=255`, `Circle (1,2),0.5`,
    // `Circle (1,2),0.5 arc 0..3.14159` ("-" before an angle with a radius line),
    // `Print (0,0) "abc" [Courier New 8.25]`, `TextOut 900 (10,20) "abc" [Arial 6.25 b]`,
    // `NewPage landscape`. Colour, width and style appear only when they are not black,
    // 1 and solid.
    std::string str() const;
};

class RecordingSurface : public Surface {
public:
    using Measure = std::function<Extent(std::string_view line, const FontSpec& f)>;

    // A window or picture of the given client size in pixels.
    static std::unique_ptr<RecordingSurface> Screen(double widthPx = 1280, double heightPx = 1024,
                                                    double twipsPerPixel = 15);
    // A printer whose portrait printable area is widthTwips x heightTwips (A4 with 5 mm
    // hardware margins by default) at dpi dots per inch.
    static std::unique_ptr<RecordingSurface> Printer(double widthTwips = kA4PrintableWidth,
                                                     double heightTwips = kA4PrintableHeight,
                                                     int16_t dpi = 600);

    // A4 (210 x 297 mm) less 5 mm on every side, as 600-dpi pixels in twips (the area of
    // the PDF printer).
    static constexpr double kA4PrintableWidth = 4724 * 2.4;
    static constexpr double kA4PrintableHeight = 6783 * 2.4;

    const std::vector<Record>& Records() const { return records_; }
    std::vector<std::string> Log() const; // str() of every record
    // Only the records of these kinds, as strings.
    std::vector<std::string> Log(std::initializer_list<RecordOp> ops) const;
    void ClearLog() { records_.clear(); }
    int DocumentsEnded() const { return ended_; }
    int DocumentsKilled() const { return killed_; }
    // For LastDocumentFile() the recording printer stands in for the PDF printer: a document
    // ended with something on it counts as written to the file its name gives (nothing is
    // written).

    void SetMeasure(Measure m) { measure_ = std::move(m); }
    // A window resized to a new client area in pixels.
    void Resize(double widthPx, double heightPx);

protected:
    RecordingSurface(bool printer, double widthTwips, double heightTwips, double tpp, int16_t dpi);

    void DoLine(const LineCall& c) override;
    void DoCircle(const CircleCall& c) override;
    void DoText(const TextCall& c) override;
    Extent DoMeasure(std::string_view line, const FontSpec& f) const override;
    void DoClear(int32_t backColor) override;
    void DoBeginDoc(int16_t orientation) override;
    void DoNewPage(int16_t orientation) override;
    void DoTurnPage(int16_t orientation) override;
    void DoEndDoc() override;
    void DoKillDoc() override;
    void DoDocumentName(const std::string& pdfFile) override { name_ = pdfFile; }
    std::string DoLastDocumentFile() const override { return last_; }
    Extent PageExtent(int16_t orientation) const override;
    int16_t DeviceDpi() const override { return dpi_; }

private:
    double portraitW_, portraitH_;
    int16_t dpi_;
    std::vector<Record> records_;
    Measure measure_;
    int ended_ = 0;
    int killed_ = 0;
    bool docInk_ = false; // the document in progress has something on it
    std::string name_, last_;
};

} // namespace vb::draw
