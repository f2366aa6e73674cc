// The printer written as PDF files: pages and their orientation, the text that can be read
// back, the printable area and the report font's metrics, discarded documents.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/qt/draw_printer.h"
#include "platform/runtime/errors.h"

using namespace vb::draw;
using vb::draw::qt::PrinterSurface;

namespace {

const double kMm = 1440 / 25.4; // twips per millimetre

bool HaveTool(const char* tool) {
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

QString Run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// "Page    2 size: 841.89 x 595.276 pts (A4)" -> width > height
struct PageSize {
    double w = 0, h = 0;
};
std::vector<PageSize> PageSizes(const QString& pdf) {
    std::vector<PageSize> sizes;
    QString info = Run("pdfinfo", {"-f", "1", "-l", "99", pdf});
    QRegularExpression re(R"(Page\s+\d+\s+size:\s+([\d.]+)\s+x\s+([\d.]+))");
    for (auto it = re.globalMatch(info); it.hasNext();) {
        auto m = it.next();
        sizes.push_back({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return sizes;
}

QString PageText(const QString& pdf, int page) {
    return Run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-layout", pdf, "-"});
}

} // namespace

TEST(PdfPrinter, PrintableAreaIsA4LessFiveMillimetres) {
    PrinterSurface p(PrinterSurface::Target::Pdf);
    EXPECT_TRUE(p.WritesPdf());
    EXPECT_NEAR(p.ScaleWidth(), 200 * kMm, 3);
    EXPECT_NEAR(p.ScaleHeight(), 287 * kMm, 10);
    EXPECT_DOUBLE_EQ(p.TwipsPerPixelX(), 2.4);
    EXPECT_EQ(p.LogPixelsY(), 600);
    p.SetOrientation(vbPRORLandscape);
    EXPECT_NEAR(p.ScaleWidth(), 287 * kMm, 10);
    EXPECT_NEAR(p.ScaleHeight(), 200 * kMm, 3);
}

TEST(PdfPrinter, ReportFontMetricsFitEightyColumns) {
    PrinterSurface p(PrinterSurface::Target::Pdf);
    p.SetFont({"Courier New", 8.25f, false, false});
    // 80 x 0.6 em of 8.25 pt = 7920 twips; the line is 1.1328 em = 187 twips high
    double breite80 = p.TextWidth(std::string(80, 'a'));
    EXPECT_NEAR(breite80, 7920, 80);
    EXPECT_NEAR(p.TextHeight("Aq"), 187, 6);
    double textX = p.ScaleWidth() - breite80 - 340;
    EXPECT_GT(textX, 20 * kMm);
    // the fixed-pitch test of the font dialog: 20 capitals as wide as 20 dots
    EXPECT_NEAR(p.TextWidth(std::string(20, 'A')), p.TextWidth(std::string(20, '.')), 1e-6);
    p.SetFontName("Arial");
    EXPECT_GT(p.TextWidth(std::string(20, 'A')), 1.5 * p.TextWidth(std::string(20, '.')));
}

TEST(PdfPrinter, TwoPagesPortraitThenLandscapeWithTextToReadBack) {
    if (!HaveTool("pdfinfo") || !HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils missing";
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("projekt Bericht.pdf");
    PrinterSurface p(PrinterSurface::Target::Pdf);
    p.SetPdfPath(pdf.toStdString());
    p.SetOrientation(vbPRORPortrait);
    p.SetFont({"Courier New", 10, false, false});
    p.Print();
    p.SetCurrentX(20 * kMm);
    p.SetCurrentY(20 * kMm);
    p.Print("Seite eins: Prüfung der Standsicherheit");
    p.Line(20 * kMm, 40 * kMm, 180 * kMm, 40 * kMm);
    p.SetOrientation(vbPRORLandscape);
    p.NewPage();
    p.SetCurrentX(20 * kMm);
    p.SetCurrentY(20 * kMm);
    p.Print("Querformat Seite zwei");
    // rotated text still reads back
    p.TextOutRotated(static_cast<int32_t>(250 / 25.4 * 600), static_cast<int32_t>(150 / 25.4 * 600),
                     "Gedreht", {"Arial", 60, 700, false}, 900);
    EXPECT_FALSE(QFile::exists(pdf)); // not before the document ends
    p.EndDoc();
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(p.LastDocument(), pdf.toStdString());
    EXPECT_EQ(p.LastDocumentPages(), 2);
    EXPECT_FALSE(QFile::exists(pdf + ".part"));

    auto sizes = PageSizes(pdf);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NEAR(sizes[0].w, 595.3, 1); // A4 portrait in points
    EXPECT_NEAR(sizes[0].h, 841.9, 1);
    EXPECT_NEAR(sizes[1].w, 841.9, 1); // landscape
    EXPECT_NEAR(sizes[1].h, 595.3, 1);
    EXPECT_TRUE(PageText(pdf, 1).contains("Seite eins: Prüfung der Standsicherheit"));
    QString second = PageText(pdf, 2);
    EXPECT_TRUE(second.contains("Querformat Seite zwei"));
    EXPECT_FALSE(second.contains("Seite eins"));
}

TEST(PdfPrinter, OrientationSetBeforeTheFirstDrawingTurnsTheFirstPage) {
    if (!HaveTool("pdfinfo")) GTEST_SKIP() << "poppler-utils missing";
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("B101.pdf");
    PrinterSurface p(PrinterSurface::Target::Pdf);
    p.SetPdfPath(pdf.toStdString());
    p.Print(); // starts the document while the page is blank
    p.SetOrientation(vbPRORLandscape);
    p.Line(0, 0, 1000, 1000);
    p.NewPage(); // EndDoc right after NewPage prints no blank page
    p.EndDoc();
    auto sizes = PageSizes(pdf);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_GT(sizes[0].w, sizes[0].h);
    EXPECT_EQ(p.Orientation(), vbPRORLandscape); // the setting stays for the next document
}

TEST(PdfPrinter, DiscardedAndEmptyDocumentsLeaveNoFile) {
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("weg.pdf");
    PrinterSurface p(PrinterSurface::Target::Pdf);
    p.SetPdfPath(pdf.toStdString());
    p.Print("verworfen");
    p.KillDoc();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(QFile::exists(pdf + ".part"));
    p.Print(); // only a line feed: nothing to print
    p.EndDoc();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(p.LastDocument().empty());
}

TEST(PdfPrinter, AFileThatCannotBeWrittenIsAPrinterError) {
    QTemporaryDir dir;
    PrinterSurface p(PrinterSurface::Target::Pdf);
    p.SetPdfPath(QDir(dir.path()).filePath("fehlt/x.pdf").toStdString());
    int number = 0;
    try {
        p.Print("x");
        p.EndDoc();
    } catch (const vb::RuntimeError& e) {
        number = e.number();
    }
    EXPECT_EQ(number, 482);
    EXPECT_FALSE(p.DocumentOpen());
}

TEST(PdfPrinter, WithoutAPathDocumentsGoToNewFilesInTheCurrentFolder) {
    QTemporaryDir dir;
    QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    {
        PrinterSurface p(PrinterSurface::Target::Pdf);
        p.Print("eins");
        p.EndDoc();
        p.Print("zwei");
        p.EndDoc();
        EXPECT_EQ(p.LastDocument(), "ZOR-Ausdruck-2.pdf");
    }
    EXPECT_TRUE(QFile::exists("ZOR-Ausdruck.pdf"));
    EXPECT_TRUE(QFile::exists("ZOR-Ausdruck-2.pdf"));
    QDir::setCurrent(old);
}

// With no printer set up a printout becomes a PDF file beside the project file, named after the
// project and what was printed; printing it again replaces the file.
TEST(PdfPrinter, ANamedDocumentGoesBesideTheProjectFile) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils missing";
    QTemporaryDir dir;
    const std::string project = QDir(dir.path()).filePath("Baugrube7").toStdString();
    const QString pdf = QDir(dir.path()).filePath("Baugrube7-Bericht.pdf");
    PrinterSurface p(PrinterSurface::Target::Pdf);
    p.SetDocumentName(project, "Bericht");
    p.Print("erster Ausdruck");
    p.EndDoc();
    EXPECT_EQ(p.LastDocumentFile(), pdf.toStdString());
    p.Print("zweiter Ausdruck");
    p.EndDoc();
    QString text = PageText(pdf, 1);
    EXPECT_TRUE(text.contains("zweiter Ausdruck"));
    EXPECT_FALSE(text.contains("erster"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Baugrube7-Bericht.pdf"});
    p.Print(); // nothing to print: no file, and nothing to tell
    p.EndDoc();
    EXPECT_EQ(p.LastDocumentFile(), "");
}

// A label that a picture places far off the page is left out; the page and its other texts stay
// readable.
TEST(PdfPrinter, AFarOffLabelDoesNotSpoilThePage) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils missing";
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("weit.pdf");
    PrinterSurface p(PrinterSurface::Target::Pdf);
    p.SetPdfPath(pdf.toStdString());
    p.SetFont({"Arial", 10, false, false});
    p.SetCurrentX(1e30);
    p.SetCurrentY(1e30);
    p.Print("weit weg");
    p.TextOutRotated(2000000000, 100, "auch weit", {"Arial", 60, 400, false}, 900);
    p.SetCurrentX(20 * kMm);
    p.SetCurrentY(20 * kMm);
    p.Print("auf der Seite");
    p.EndDoc();
    QProcess check;
    check.start("pdftotext", {pdf, "-"});
    check.waitForFinished(30000);
    EXPECT_TRUE(QString::fromUtf8(check.readAllStandardOutput()).contains("auf der Seite"));
    EXPECT_TRUE(QString::fromUtf8(check.readAllStandardError()).isEmpty()); // no syntax errors
}
