#include "platform/qt/draw_qt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QVector>
#include <algorithm>
#include <clocale>
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
        // Qt sets the C library's locale from the environment; number texts must not follow it.
        std::setlocale(LC_NUMERIC, "C");
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
    font.setPointSizeF(f.size > 0 ? std::clamp(static_cast<double>(f.size), 0.5, 2160.0) : 8.25);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setKerning(false);
    return font;
}

QFont MakeFont(const TextCall& c, QPaintDevice* device) {
    QFont font = MakeFont(c.font);
    if (c.emTwips > 0) {
        font.setPointSizeF(std::min(c.emTwips / 20.0, 2160.0));
    } else if (c.cellHeightTwips > 0) {
        // the cell (ascent + descent) of the face per point of size, measured at a large size
        QFont probe = font;
        probe.setPointSizeF(100);
        QFontMetricsF fm(probe, device);
        double cellPerPoint = fm.height() * 72.0 / device->logicalDpiY() / 100.0;
        if (cellPerPoint > 0) font.setPointSizeF(std::min(c.cellHeightTwips / 20.0 / cellPerPoint, 2160.0));
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

namespace {

// The area beyond which nothing is drawn: the device and as much again on every side.
QRectF Reach(const QPainter& p) {
    const QPaintDevice* d = p.device();
    double w = d ? d->width() : 10000, h = d ? d->height() : 10000;
    return QRectF(-w, -h, 3 * w, 3 * h);
}

// Cuts the segment a-b to the rectangle (Liang-Barsky); false when nothing of it is inside.
// Far-off end points (a value that ran away in a picture) thus reach neither the paint
// engines nor the PDF file.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0, t1 = 1, dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    QPointF a0 = a;
    a = QPointF(a0.x() + t0 * dx, a0.y() + t0 * dy);
    b = QPointF(a0.x() + t1 * dx, a0.y() + t1 * dy);
    return true;
}

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

QPointF Clamped(QPointF v, const QRectF& r) {
    return QPointF(std::clamp(v.x(), r.left(), r.right()), std::clamp(v.y(), r.top(), r.bottom()));
}

} // namespace

void Renderer::Line(QPainter& p, const LineCall& c) const {
    if (!Finite({c.tx1, c.ty1, c.tx2, c.ty2, c.penTwips})) return; // nothing sensible to draw
    QPen pen = MakePen(c.color, c.drawWidth, c.drawStyle, X(c.penTwips), dpiX_);
    QPointF a(X(c.tx1), Y(c.ty1)), b(X(c.tx2), Y(c.ty2));
    const QRectF reach = Reach(p);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (c.kind == LineKind::Line) {
        if (ClipSegment(a, b, reach)) p.drawLine(a, b);
        return;
    }
    // edges moved onto the reach lie outside the device as before
    QRectF r = QRectF(Clamped(a, reach), Clamped(b, reach)).normalized();
    if (c.kind == LineKind::FilledBox) {
        // the fill covers the box with its edges, in the line's colour
        p.fillRect(r.adjusted(0, 0, 1, 1), ToQColor(c.color));
    }
    p.drawRect(r);
}

void Renderer::Circle(QPainter& p, const CircleCall& c) const {
    if (!Finite({c.tx, c.ty, c.rxTwips, c.ryTwips, c.penTwips})) return;
    const QRectF reach = Reach(p);
    double rx = X(c.rxTwips), ry = Y(c.ryTwips), cx = X(c.tx), cy = Y(c.ty);
    // a circle that lies wholly beyond the reach, or whose rim passes far outside it, is
    // not drawn (its visible part would be a straight line through the picture)
    if (cx + rx < reach.left() || cx - rx > reach.right() || cy + ry < reach.top() ||
        cy - ry > reach.bottom())
        return;
    if (rx > 4 * reach.width() || ry > 4 * reach.height()) return;
    p.setPen(MakePen(c.color, c.drawWidth, c.drawStyle, X(c.penTwips), dpiX_));
    p.setBrush(Qt::NoBrush);
    if (!c.arc) {
        p.drawEllipse(QPointF(cx, cy), rx, ry);
        return;
    }
    // As the Windows arc: equal ends give the whole ellipse.
    constexpr double twoPi = 6.283185307179586;
    double span = c.end - c.start;
    if (span <= 0) span += twoPi;
    const QRectF box(cx - rx, cy - ry, 2 * rx, 2 * ry);
    constexpr double sixteenthsPerRadian = 16.0 * 180.0 / 3.141592653589793;
    p.drawArc(box, static_cast<int>(std::lround(c.start * sixteenthsPerRadian)),
              static_cast<int>(std::lround(span * sixteenthsPerRadian)));
    auto rim = [&](double a) { return QPointF(cx + rx * std::cos(a), cy - ry * std::sin(a)); };
    if (c.startRadius) p.drawLine(QPointF(cx, cy), rim(c.start));
    if (c.endRadius) p.drawLine(QPointF(cx, cy), rim(c.end));
}

void Renderer::Text(QPainter& p, const TextCall& c, QPaintDevice* device) const {
    if (!Finite({c.tx, c.ty, c.cellHeightTwips, c.emTwips})) return;
    // A label anchored beyond the reach cannot show on the device; drawn all the same, its
    // far-off position would spoil the page description of a PDF file (and every text on
    // that page with it).
    if (!Reach(p).contains(QPointF(X(c.tx), Y(c.ty)))) return;
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
