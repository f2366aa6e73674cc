#pragma once
// The printer as a drawing surface: the system's default printer where one is set up,
// otherwise every document is written as a PDF file. The surface has the nominal resolution
// of 600 dots per inch; the printable area is that of the printer, or A4 less 5 mm on every
// side for PDF files. A page is produced only when something is drawn on it, so setting the
// orientation before the first drawing turns the page, and an EndDoc right after NewPage
// prints no blank page.
#include <memory>
#include <string>

#include "platform/draw/surface.h"

namespace vb::draw::qt {

class PrinterSurface : public Surface {
public:
    enum class Target { Auto, Pdf, System };

    // Auto: the system's default printer when there is one, else PDF files.
    explicit PrinterSurface(Target target = Target::Auto);
    ~PrinterSurface() override;

    bool WritesPdf() const;
    std::string PrinterName() const; // the system printer's name; empty for PDF files

    // The file the next document goes to when it is written as PDF. Without one the
    // document goes to a new file "ZOR-Ausdruck.pdf" (or "ZOR-Ausdruck-2.pdf", ...) in the
    // current folder.
    void SetPdfPath(const std::string& path);
    const std::string& PdfPath() const;
    // Where the last finished document went (the PDF file, or the printer's name) and how
    // many pages it had; empty and 0 when the last EndDoc found nothing to print.
    const std::string& LastDocument() const;
    int LastDocumentPages() const;

protected:
    void DoLine(const LineCall& c) override;
    void DoCircle(const CircleCall& c) override;
    void DoText(const TextCall& c) override;
    Extent DoMeasure(std::string_view line, const FontSpec& f) const override;
    void DoClear(int32_t backColor) override;
    void DoBeginDoc(int16_t orientation) override;
    void DoNewPage(int16_t orientation) override;
    void DoTurnPage(int16_t orientation) override;
    void DoEndDoc() override; // a document that cannot be written raises error 482
    void DoKillDoc() override;
    void DoDocumentName(const std::string& pdfFile) override; // sets the PDF path
    std::string DoLastDocumentFile() const override;
    Extent PageExtent(int16_t orientation) const override;
    int16_t DeviceDpi() const override { return 600; }

private:
    struct Impl;
    friend struct Impl;
    PrinterSurface(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d_;
};

// Makes a printer surface for the system (Auto) and installs it as the program's Printer()
// (see devices.h); it lives until the program ends.
PrinterSurface& InstallPrinter();

} // namespace vb::draw::qt
