#include "platform/qt/draw_printer.h"

#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/draw/devices.h"
#include "platform/qt/draw_qt.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/winfs.h"

namespace vb::draw::qt {

namespace {
constexpr int kDpi = 600;

QPageLayout::Orientation QtOrientation(int16_t o) {
    return o == vbPRORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QPageLayout PdfLayout(int16_t o) {
    return QPageLayout(QPageSize(QPageSize::A4), QtOrientation(o), QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

Extent TwipsOf(const QRect& pixels) {
    return {pixels.width() * 1440.0 / kDpi, pixels.height() * 1440.0 / kDpi};
}
} // namespace

struct PrinterSurface::Impl {
    bool pdf = true;
    std::string printerName;
    Extent portrait, landscape;
    std::string pdfPath, lastDocument;
    int lastPages = 0;

    // the document in progress
    std::vector<int16_t> pages; // orientation of every page asked for
    size_t realized = 0;        // pages started on the device
    std::string target, temp;
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    Renderer renderer{kDpi, kDpi};
    QImage measureDevice; // text metrics at 600 dpi

    QPagedPaintDevice* Device() {
        if (writer) return writer.get();
        return printer.get();
    }

    std::string NextDefaultPdf() const {
        std::string name = "ZOR-Ausdruck.pdf";
        for (int n = 2; QFileInfo::exists(QString::fromStdString(name)); ++n)
            name = "ZOR-Ausdruck-" + std::to_string(n) + ".pdf";
        return name;
    }

    // Starts the pages asked for up to the current one.
    void Realize(PrinterSurface& owner) {
        while (realized < pages.size()) {
            int16_t o = pages[realized];
            if (realized == 0) {
                if (pdf) {
                    target = pdfPath.empty() ? NextDefaultPdf() : pdfPath;
                    temp = target + ".part";
                    writer = std::make_unique<QPdfWriter>(QString::fromStdString(temp));
                    writer->setResolution(kDpi);
                    writer->setPageLayout(PdfLayout(o));
                    writer->setCreator("ZOR");
                    writer->setTitle(QFileInfo(QString::fromStdString(target)).completeBaseName());
                } else {
                    printer =
                        std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
                    printer->setResolution(kDpi);
                    printer->setPageOrientation(QtOrientation(o));
                    if (!pdfPath.empty()) // the job carries the document's name in the queue
                        printer->setDocName(QFileInfo(QString::fromStdString(pdfPath)).completeBaseName());
                    target = printerName;
                }
                if (!painter.begin(Device())) {
                    writer.reset();
                    printer.reset();
                    pages.clear();
                    realized = 0;
                    owner.AbandonDocument();
                    throw vb::RuntimeError(482, "Druckerfehler: \"" + target +
                                                    "\" kann nicht beschrieben werden.");
                }
            } else {
                Device()->setPageOrientation(QtOrientation(o));
                Device()->newPage();
                // the painter keeps the first page's size: give it the new page's
                QRect r(QPoint(0, 0), QSize(Device()->width(), Device()->height()));
                painter.setViewport(r);
                painter.setWindow(r);
                painter.setClipping(false);
            }
            ++realized;
        }
    }

    void Reset() {
        writer.reset();
        printer.reset();
        pages.clear();
        realized = 0;
        temp.clear();
    }
};

PrinterSurface::PrinterSurface(Target target)
    : PrinterSurface([target] {
          EnsureQtApp();
          auto d = std::make_unique<Impl>();
          QPrinterInfo info = QPrinterInfo::defaultPrinter();
          d->pdf = target == Target::Pdf || (target == Target::Auto && info.isNull());
          if (!d->pdf) {
              if (info.isNull()) throw vb::RuntimeError(482, "Kein Drucker eingerichtet.");
              d->printerName = info.printerName().toStdString();
              QPrinter probe(info, QPrinter::HighResolution);
              probe.setResolution(kDpi);
              probe.setPageOrientation(QPageLayout::Portrait);
              d->portrait = TwipsOf(probe.pageLayout().paintRectPixels(kDpi));
              probe.setPageOrientation(QPageLayout::Landscape);
              d->landscape = TwipsOf(probe.pageLayout().paintRectPixels(kDpi));
          } else {
              d->portrait = TwipsOf(PdfLayout(vbPRORPortrait).paintRectPixels(kDpi));
              d->landscape = TwipsOf(PdfLayout(vbPRORLandscape).paintRectPixels(kDpi));
          }
          d->measureDevice = QImage(8, 8, QImage::Format_RGB32);
          int dpm = static_cast<int>(kDpi / 0.0254 + 0.5);
          d->measureDevice.setDotsPerMeterX(dpm);
          d->measureDevice.setDotsPerMeterY(dpm);
          return d;
      }()) {}

PrinterSurface::PrinterSurface(std::unique_ptr<Impl> impl)
    : Surface(true, impl->portrait.width, impl->portrait.height, 1440.0 / kDpi, 1440.0 / kDpi),
      d_(std::move(impl)) {}

PrinterSurface::~PrinterSurface() {
    if (DocumentOpen()) {
        try {
            KillDoc();
        } catch (...) {
        }
    }
}

bool PrinterSurface::WritesPdf() const {
    return d_->pdf;
}
std::string PrinterSurface::PrinterName() const {
    return d_->printerName;
}
void PrinterSurface::SetPdfPath(const std::string& path) {
    d_->pdfPath = path;
}
const std::string& PrinterSurface::PdfPath() const {
    return d_->pdfPath;
}
const std::string& PrinterSurface::LastDocument() const {
    return d_->lastDocument;
}
int PrinterSurface::LastDocumentPages() const {
    return d_->lastPages;
}

Extent PrinterSurface::PageExtent(int16_t orientation) const {
    return orientation == vbPRORLandscape ? d_->landscape : d_->portrait;
}

void PrinterSurface::DoLine(const LineCall& c) {
    d_->Realize(*this);
    d_->renderer.Line(d_->painter, c);
}

void PrinterSurface::DoCircle(const CircleCall& c) {
    d_->Realize(*this);
    d_->renderer.Circle(d_->painter, c);
}

void PrinterSurface::DoText(const TextCall& c) {
    d_->Realize(*this);
    d_->renderer.Text(d_->painter, c, d_->Device());
}

Extent PrinterSurface::DoMeasure(std::string_view line, const FontSpec& f) const {
    // One measuring device at the printer's resolution, so that a text measures the same
    // before and after the document has begun.
    return Measure(line, f, &d_->measureDevice);
}

void PrinterSurface::DoClear(int32_t) {}

void PrinterSurface::DoBeginDoc(int16_t orientation) {
    d_->Reset();
    d_->pages.push_back(orientation);
}

void PrinterSurface::DoNewPage(int16_t orientation) {
    d_->pages.push_back(orientation);
}

void PrinterSurface::DoTurnPage(int16_t orientation) {
    if (!d_->pages.empty() && d_->realized < d_->pages.size()) d_->pages.back() = orientation;
}

void PrinterSurface::DoEndDoc() {
    if (d_->realized == 0) { // nothing was drawn: no document
        d_->Reset();
        d_->lastDocument.clear();
        d_->lastPages = 0;
        return;
    }
    int pages = static_cast<int>(d_->realized);
    bool ok = d_->painter.end();
    d_->writer.reset(); // closes the file
    d_->printer.reset();
    std::string target = d_->target, temp = d_->temp;
    d_->Reset();
    if (d_->pdf) {
        // replaces an older file of the same name in one step, on the disk before it is reported done
        if (ok) ok = vb::ReplaceDurably(temp, target);
        if (!ok) {
            QFile::remove(QString::fromStdString(temp));
            throw vb::RuntimeError(482, "Druckerfehler: \"" + target + "\" konnte nicht geschrieben werden.");
        }
    } else if (!ok) {
        throw vb::RuntimeError(482, "Druckerfehler: der Druck auf \"" + target + "\" ist fehlgeschlagen.");
    }
    d_->lastDocument = target;
    d_->lastPages = pages;
}

void PrinterSurface::DoDocumentName(const std::string& pdfFile) {
    d_->pdfPath = pdfFile;
}

std::string PrinterSurface::DoLastDocumentFile() const {
    return d_->pdf ? d_->lastDocument : std::string();
}

void PrinterSurface::DoKillDoc() {
    if (d_->realized > 0) {
        if (d_->printer) d_->printer->abort();
        d_->painter.end();
        d_->writer.reset();
        if (d_->pdf) QFile::remove(QString::fromStdString(d_->temp));
    }
    d_->Reset();
}

PrinterSurface& InstallPrinter() {
    static PrinterSurface* printer = new PrinterSurface(PrinterSurface::Target::Auto); // lives to the end
    SetPrinter(printer);
    return *printer;
}

} // namespace vb::draw::qt
