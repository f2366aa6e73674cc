#include "platform/qt/draw_qt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/draw/fonts.h"

namespace vb::draw::qt {

void EnsureQtApp() {
    if (!QCoreApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "zor";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv); // lives as long as the program
    }
    if (ScreenFonts().size() <= StandardFontNames().size()) { // not yet installed, or reset
        std::vector<std::string> fonts = StandardFontNames();
        for (const QString& family : QFontDatabase::families()) {
            std::string name = family.toStdString();
            if (std::find(fonts.begin(), fonts.end(), name) == fonts.end()) fonts.push_back(name);
        }
        SetScreenFonts(std::move(fonts));
    }
}

QColor ToQColor(int32_t color) {
    Rgb c = ColorToRgb(color);
    return QColor(c.r, c.g, c.b);
}

QFont MakeFont(const FontSpec& f) {
    QFont font(QString::fromStdString(InstalledFamily(f.name)));
    if (IsFixedPitchName(f.name)) font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(f.size > 0 ? f.size : 8.25);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setKerning(false);
    return font;
}

QFont MakeFont(const TextCall& c, QPaintDevice* device) {
    QFont font = MakeFont(c.font);
    if (c.emTwips > 0) {
        font.setPointSizeF(c.emTwips / 20.0);
    } else if (c.cellHeightTwips > 0) {
        // the cell (ascent + descent) of the face per point of size, measured at a large size
        QFont probe = font;
        probe.setPointSizeF(100);
        QFontMetricsF fm(probe, device);
        double cellPerPoint = fm.height() * 72.0 / device->logicalDpiY() / 100.0;
        if (cellPerPoint > 0) font.setPointSizeF(c.cellHeightTwips / 20.0 / cellPerPoint);
    }
    return font;
}

Extent Measure(std::string_view line, const FontSpec& f, QPaintDevice* device) {
    QFontMetricsF fm(MakeFont(f), device);
    QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    return {fm.horizontalAdvance(text) * 1440.0 / device->logicalDpiX(),
            fm.height() * 1440.0 / device->logicalDpiY()};
}

namespace {

QPen MakePen(int32_t color, int16_t drawWidth, int16_t drawStyle, double widthPx, double dpi) {
    if (drawStyle == vbInvisible) return QPen(Qt::NoPen);
    QPen pen(ToQColor(color));
    double w = std::max(1.0, widthPx);
    pen.setWidthF(w);
    pen.setJoinStyle(drawWidth > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    pen.setCapStyle(drawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
    // Patterns show only on thin pens; their lengths keep their size on paper (screen pixels
    // at 96 dpi), given in pen widths.
    if (drawWidth == 1 && drawStyle >= vbDash && drawStyle <= vbDashDotDot) {
        double u = dpi / 96.0 / w;
        double dash = 6 * u, dot = 1.5 * u, gap = 3 * u;
        QVector<qreal> pattern;
        switch (drawStyle) {
        case vbDash:
            pattern = {dash, gap};
            break;
        case vbDot:
            pattern = {dot, dot};
            break;
        case vbDashDot:
            pattern = {dash, gap, dot, gap};
            break;
        default:
            pattern = {dash, gap, dot, gap, dot, gap};
            break;
        }
        pen.setDashPattern(pattern);
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

} // namespace

void Renderer::Line(QPainter& p, const LineCall& c) const {
    QPen pen = MakePen(c.color, c.drawWidth, c.drawStyle, X(c.penTwips), dpiX_);
    QPointF a(X(c.tx1), Y(c.ty1)), b(X(c.tx2), Y(c.ty2));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (c.kind == LineKind::Line) {
        p.drawLine(a, b);
        return;
    }
    QRectF r = QRectF(a, b).normalized();
    if (c.kind == LineKind::FilledBox) {
        // the fill covers the box with its edges, in the line's colour
        p.fillRect(r.adjusted(0, 0, 1, 1), ToQColor(c.color));
    }
    p.drawRect(r);
}

void Renderer::Circle(QPainter& p, const CircleCall& c) const {
    p.setPen(MakePen(c.color, c.drawWidth, c.drawStyle, X(c.penTwips), dpiX_));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(X(c.tx), Y(c.ty)), X(c.rxTwips), Y(c.ryTwips));
}

void Renderer::Text(QPainter& p, const TextCall& c, QPaintDevice* device) const {
    QFont font = MakeFont(c, device);
    QFontMetricsF fm(font, device);
    QString text = QString::fromStdString(c.text);
    p.save();
    p.translate(X(c.tx), Y(c.ty));
    if (c.angleTenths != 0) p.rotate(-c.angleTenths / 10.0); // counter-clockwise on the page
    if (!c.transparent)
        p.fillRect(QRectF(0, 0, fm.horizontalAdvance(text), fm.height()), ToQColor(c.backColor));
    p.setFont(font);
    p.setPen(ToQColor(c.color));
    p.drawText(QPointF(0, fm.ascent()), text);
    p.restore();
}

} // namespace vb::draw::qt
