// The surface's Visual-Basic rules checked on the recording backend: scale, current point,
// pen, printer document and the call log.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/draw/devices.h"
#include "platform/draw/fonts.h"
#include "platform/draw/recorder.h"
#include "platform/runtime/errors.h"

using namespace vb::draw;

namespace {

// Courier New / Liberation Mono: advance 1229/2048 em, cell (1705 + 615)/2048 em; 1 pt = 20 twips.
double CourierWidth(double points, int chars) {
    return points * 20 * 1229.0 / 2048.0 * chars;
}
double CourierHeight(double points) {
    return points * 20 * 2320.0 / 2048.0;
}

int ErrorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(SurfaceScale, TwipsByDefaultWithExtentsOfTheDevice) {
    auto s = RecordingSurface::Screen(800, 600); // 15 twips per pixel
    EXPECT_EQ(s->ScaleMode(), vbTwips);
    EXPECT_DOUBLE_EQ(s->ScaleWidth(), 12000);
    EXPECT_DOUBLE_EQ(s->ScaleHeight(), 9000);
    EXPECT_DOUBLE_EQ(s->TwipsPerPixelX(), 15);
    s->SetScaleMode(vbPixels);
    EXPECT_DOUBLE_EQ(s->ScaleWidth(), 800);
    s->SetScaleMode(vbMillimeters);
    EXPECT_NEAR(s->ScaleWidth(), 12000 / 1440.0 * 25.4, 1e-9);
}

TEST(SurfaceScale, UserScaleMapsCornersAndKeepsYDownward) {
    // 200 mm x 150 mm client area at 1 : 100: x from -9 to 11 m, z from -6.75 to 8.25 m
    auto s = RecordingSurface::Screen(200 / 25.4 * 96, 150 / 25.4 * 96);
    s->Scale(-9.0, -6.75, 11.0, 8.25);
    EXPECT_EQ(s->ScaleMode(), vbUser);
    EXPECT_DOUBLE_EQ(s->ScaleLeft(), -9.0);
    EXPECT_DOUBLE_EQ(s->ScaleTop(), -6.75);
    EXPECT_DOUBLE_EQ(s->ScaleWidth(), 20.0);
    EXPECT_DOUBLE_EQ(s->ScaleHeight(), 15.0);
    double mmTw = 1440 / 25.4;
    EXPECT_NEAR(s->ToTwipsX(0), 0.45 * 200 * mmTw, 1e-6); // wall head 45 % from the left
    EXPECT_NEAR(s->ToTwipsY(0), 0.45 * 150 * mmTw, 1e-6); // and 45 % from the top
    EXPECT_NEAR(s->ToTwipsY(8.25), 150 * mmTw, 1e-6);     // depth grows downward
    // 1 m at 1 : 100 is 10 mm of paper
    EXPECT_NEAR(s->ToTwipsX(1) - s->ToTwipsX(0), 10 * mmTw, 1e-6);
    // text sizes come back in metres: a line of 8.25-pt Courier is 186.9 twips = 3.30 mm of
    // paper, 0.330 m at 1 : 100
    EXPECT_NEAR(s->TextHeight("Aq"), CourierHeight(8.25) / mmTw / 10.0, 1e-9);
    s->Scale();
    EXPECT_EQ(s->ScaleMode(), vbTwips);
    EXPECT_DOUBLE_EQ(s->ScaleLeft(), 0);
}

TEST(SurfaceScale, EmptyExtentIsRefusedAndTheScaleStays) {
    auto s = RecordingSurface::Screen(100, 100);
    s->Scale(0, 0, 10, 10);
    EXPECT_EQ(ErrorNumber([&] { s->Scale(1, 0, 1, 10); }), 380);
    EXPECT_EQ(ErrorNumber([&] { s->Scale(0, 2, 10, 2); }), 380);
    EXPECT_EQ(ErrorNumber([&] { s->SetScaleWidth(0); }), 380);
    // a scale that ran away (a frame computed from an absurd scale denominator) is an overflow
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ErrorNumber([&] { s->Scale(-inf, 0, inf, 10); }), 6);
    EXPECT_EQ(ErrorNumber([&] { s->Scale(-1e308, 0, 1e308, 10); }), 6);
    EXPECT_EQ(ErrorNumber([&] { s->Scale(0, std::nan(""), 10, 10); }), 6);
    EXPECT_EQ(ErrorNumber([&] { s->SetScaleLeft(inf); }), 6);
    EXPECT_EQ(ErrorNumber([&] { s->SetScaleHeight(std::nan("")); }), 6);
    EXPECT_DOUBLE_EQ(s->ScaleLeft(), 0);
    EXPECT_DOUBLE_EQ(s->ScaleWidth(), 10);
    EXPECT_DOUBLE_EQ(s->ScaleHeight(), 10);
    EXPECT_DOUBLE_EQ(s->TextWidth("abc"), s->TextWidth("abc")); // still a number
}

TEST(SurfaceScale, ResizeChangesFixedModesButNotAUserScale) {
    auto s = RecordingSurface::Screen(100, 100);
    s->Resize(200, 50);
    EXPECT_DOUBLE_EQ(s->ScaleWidth(), 3000);
    s->Scale(0, 0, 10, 10);
    s->Resize(400, 400);
    EXPECT_DOUBLE_EQ(s->ScaleWidth(), 10);
    EXPECT_DOUBLE_EQ(s->ToTwipsX(10), 6000);
}

TEST(SurfaceCurrentPoint, LineCircleAndPrintMoveItTheVisualBasicWay) {
    auto s = RecordingSurface::Screen(1000, 1000);
    s->SetFont({"Courier New", 10, false, false});
    const double w = CourierWidth(10, 1), h = CourierHeight(10);

    s->Line(100, 200, 300, 400);
    EXPECT_DOUBLE_EQ(s->CurrentX(), 300);
    EXPECT_DOUBLE_EQ(s->CurrentY(), 400);
    s->LineTo(500, 450, kNoColor, LineKind::Box); // from the current point
    EXPECT_EQ(s->Log().back(), "Line (300,400)-(500,450) B");
    EXPECT_DOUBLE_EQ(s->CurrentX(), 500);

    s->Circle(50, 60, 10);
    EXPECT_DOUBLE_EQ(s->CurrentX(), 50);
    EXPECT_DOUBLE_EQ(s->CurrentY(), 60);

    s->SetCurrentX(1000);
    s->SetCurrentY(2000);
    s->Print("abc", PrintEnd::Stay); // "abc";
    EXPECT_EQ(s->Log().back(), "Print (1000,2000) \"abc\" [Courier New 10]");
    EXPECT_NEAR(s->CurrentX(), 1000 + 3 * w, 1e-9);
    EXPECT_DOUBLE_EQ(s->CurrentY(), 2000);
    s->Print("de"); // continues behind "abc", then goes to the next line
    EXPECT_NEAR(s->Records().back().x1, 1000 + 3 * w, 1e-9);
    EXPECT_DOUBLE_EQ(s->CurrentX(), 0);
    EXPECT_NEAR(s->CurrentY(), 2000 + h, 1e-9);
    size_t before = s->Records().size();
    s->Print(); // an empty Print is a line feed and draws nothing
    EXPECT_EQ(s->Records().size(), before);
    EXPECT_NEAR(s->CurrentY(), 2000 + 2 * h, 1e-9);
}

TEST(SurfaceCurrentPoint, NewLineReturnsToTheLeftEdgeOfAUserScale) {
    auto s = RecordingSurface::Screen(1000, 1000);
    s->Scale(-5, -2, 5, 8);
    s->SetCurrentX(3);
    s->SetCurrentY(1);
    s->Print("x");
    EXPECT_DOUBLE_EQ(s->CurrentX(), -5);
    EXPECT_GT(s->CurrentY(), 1);
}

TEST(SurfaceCurrentPoint, LineBreaksInsideATextStartNewLines) {
    auto s = RecordingSurface::Screen(1000, 1000);
    s->SetFont({"Courier New", 10, false, false});
    s->SetCurrentX(500);
    s->Print("ab\r\ncd", PrintEnd::Stay);
    ASSERT_EQ(s->Records().size(), 2u);
    EXPECT_DOUBLE_EQ(s->Records()[1].x1, 0);
    EXPECT_NEAR(s->Records()[1].y1, CourierHeight(10), 1e-9);
    EXPECT_NEAR(s->CurrentX(), CourierWidth(10, 2), 1e-9);
    EXPECT_NEAR(s->TextHeight("a\nb"), 2 * CourierHeight(10), 1e-9);
    EXPECT_NEAR(s->TextWidth("a\nbbb"), CourierWidth(10, 3), 1e-9);
}

TEST(SurfaceText, EightyFixedPitchCharactersFitTheReportPage) {
    // The report's text block is 80 widths of "a" ending 6 mm inside the printable area.
    auto p = RecordingSurface::Printer();
    p->SetFont({"Courier New", 8.25f, false, false});
    double breite80 = p->TextWidth(std::string(80, 'a'));
    EXPECT_NEAR(breite80, 80 * 8.25 * 20 * 0.6, 80 * 8.25 * 20 * 0.001); // 7920 twips
    double textX = p->ScaleWidth() - breite80 - 340;
    EXPECT_GT(textX, 20 * 1440 / 25.4); // right of the 20 mm of the header boxes
    // Characters count, not bytes.
    EXPECT_DOUBLE_EQ(p->TextWidth("Ä"), p->TextWidth("A"));
}

TEST(SurfacePen, InvalidWidthsAndStylesAreRefused) {
    auto s = RecordingSurface::Screen();
    EXPECT_EQ(ErrorNumber([&] { s->SetDrawWidth(0); }), 380);
    EXPECT_EQ(ErrorNumber([&] { s->SetDrawStyle(7); }), 380);
    EXPECT_EQ(s->DrawWidth(), 1);
    EXPECT_EQ(s->DrawStyle(), vbSolid);
}

TEST(SurfaceColors, NumbersAreRedPlus256GreenPlus65536Blue) {
    EXPECT_EQ(RGB(255, 255, 255), 16777215);
    EXPECT_EQ(RGB(255, 0, 0), 255);
    Rgb blue = ColorToRgb(0xFF0000);
    EXPECT_EQ(blue.r, 0);
    EXPECT_EQ(blue.b, 255);
    Rgb face = ColorToRgb(static_cast<int32_t>(0x8000000Fu)); // button face
    EXPECT_EQ(face.r, 240);
    Rgb text = ColorToRgb(static_cast<int32_t>(0x80000008u)); // window text
    EXPECT_EQ(text.g, 0);
}

TEST(SurfaceFont, EmptyNameAndNonPositiveSizeKeepTheFont) {
    auto s = RecordingSurface::Screen();
    s->SetFontName("Arial");
    s->SetFontSize(6.25f);
    s->SetFontName(""); // the printer font is reset this way before it is set again
    s->SetFontSize(0);
    EXPECT_EQ(s->Font().name, "Arial");
    EXPECT_FLOAT_EQ(s->Font().size, 6.25f);
}

TEST(SurfaceLog, LinesBoxesAndCirclesAreKeptInUserUnits) {
    auto s = RecordingSurface::Screen(800, 600);
    s->Scale(-9, -6.75, 11, 8.25);
    s->SetForeColor(RGB(0, 0, 255));
    s->Line(0, 0, 0, 5.5);
    s->SetForeColor(vbBlack);
    s->SetDrawStyle(vbDot);
    s->Line(-9, 2.5, 11, 2.5);
    s->SetDrawStyle(vbSolid);
    s->SetDrawWidth(3);
    s->Line(-1, -1, 1, 1, kNoColor, LineKind::Box);
    s->SetDrawWidth(1);
    s->Line(-9, -6.75, 11, -1, vbWhite, LineKind::FilledBox);
    s->Circle(2.5, 4, 1.25);
    s->Print("B101");
    std::vector<std::string> expected = {
        "Line (0,0)-(0,5.5) c=16711680",         "Line (-9,2.5)-(11,2.5) s=2", "Line (-1,-1)-(1,1) B w=3",
        "Line (-9,-6.75)-(11,-1) BF c=16777215", "Circle (2.5,4),1.25",
    };
    EXPECT_EQ(s->Log({RecordOp::Line, RecordOp::Circle}), expected);
    // the circle's radius is measured on the horizontal scale: 1.25 m of 20 m over 800 px
    EXPECT_NEAR(s->Records()[4].tx2, 1.25 / 20 * 800 * 15, 1e-9);
}

TEST(SurfaceRotated, DevicePixelCallsKeepTheGraphicsInterfaceFont) {
    auto p = RecordingSurface::Printer();
    EXPECT_EQ(p->LogPixelsX(), 600);
    EXPECT_EQ(p->LogPixelsY(), 600);
    // 8.25 pt x 22 / 2.4 twips per pixel = 76 pixels of cell height, bold
    p->TextOutRotated(1000, 2000, "S. 5", {"Courier New", 76, 700, false}, -900);
    ASSERT_EQ(p->Records().size(), 2u); // the document begins with the first output
    const Record& r = p->Records()[1];
    EXPECT_EQ(r.op, RecordOp::Rotated);
    EXPECT_TRUE(r.pixelCall);
    EXPECT_EQ(r.angleTenths, -900);
    EXPECT_DOUBLE_EQ(r.tx1, 2400);
    EXPECT_DOUBLE_EQ(r.ty1, 4800);
    EXPECT_TRUE(r.font.bold);
    // cell 76 px = 182.4 twips; Courier's cell is 1.1328 em: about 8.05 pt
    EXPECT_NEAR(r.font.size, 182.4 / (2320.0 / 2048.0) / 20, 1e-4);
    EXPECT_DOUBLE_EQ(p->CurrentX(), 0); // the current point does not move
    size_t n = p->Records().size();
    p->TextOutRotated(0, 0, "", {"Arial", 10, 400, false}, 900); // an empty text draws nothing
    EXPECT_EQ(p->Records().size(), n);
}

TEST(SurfacePrinter, TwipsPerPixelBelongToEachSurfaceAndFollowTheQuality) {
    auto screen = RecordingSurface::Screen();
    auto p = RecordingSurface::Printer(RecordingSurface::kA4PrintableWidth,
                                       RecordingSurface::kA4PrintableHeight, 1200);
    EXPECT_EQ(p->PrintQuality(), 1200);
    EXPECT_DOUBLE_EQ(p->TwipsPerPixelX(), 1.2);
    p->SetPrintQuality(600);
    EXPECT_DOUBLE_EQ(p->TwipsPerPixelX(), 2.4);
    EXPECT_DOUBLE_EQ(p->TwipsPerPixelY(), 2.4);
    EXPECT_DOUBLE_EQ(screen->TwipsPerPixelX(), 15);
    p->SetPrintQuality(vbPRPQHigh); // a quality code keeps the resolution
    EXPECT_EQ(p->PrintQuality(), -4);
    EXPECT_DOUBLE_EQ(p->TwipsPerPixelX(), 2.4);
    p->SetPrintQuality(2400); // never beyond the device
    EXPECT_EQ(p->PrintQuality(), 1200);
    EXPECT_EQ(ErrorNumber([&] { p->SetPrintQuality(0); }), 380);
}

TEST(SurfacePrinter, PrinterMethodsOnAWindowAndClsOnThePrinterAreErrors) {
    auto screen = RecordingSurface::Screen();
    auto p = RecordingSurface::Printer();
    EXPECT_EQ(ErrorNumber([&] { screen->NewPage(); }), 438);
    EXPECT_EQ(ErrorNumber([&] { screen->EndDoc(); }), 438);
    EXPECT_EQ(ErrorNumber([&] { screen->SetOrientation(vbPRORLandscape); }), 438);
    EXPECT_EQ(ErrorNumber([&] { p->Cls(); }), 438);
    EXPECT_EQ(ErrorNumber([&] { p->SetOrientation(3); }), 380);
}

TEST(SurfacePrinter, OrientationTurnsABlankPageAndOtherwiseTheNextOne) {
    auto p = RecordingSurface::Printer();
    const double w = RecordingSurface::kA4PrintableWidth, h = RecordingSurface::kA4PrintableHeight;
    p->Print(); // starts the document, the page is still blank
    p->SetOrientation(vbPRORLandscape);
    EXPECT_DOUBLE_EQ(p->ScaleWidth(), h);
    p->Line(0, 0, 100, 100);
    p->SetOrientation(vbPRORPortrait); // the landscape page has ink: the next page turns
    EXPECT_DOUBLE_EQ(p->ScaleWidth(), h);
    p->SetCurrentX(50);
    p->NewPage();
    EXPECT_DOUBLE_EQ(p->ScaleWidth(), w);
    EXPECT_DOUBLE_EQ(p->CurrentX(), 0);
    EXPECT_EQ(p->Page(), 2);
    p->Print("x");
    p->EndDoc();
    EXPECT_FALSE(p->DocumentOpen());
    std::vector<std::string> expected = {"BeginDoc portrait", "TurnPage landscape", "NewPage portrait",
                                         "EndDoc"};
    EXPECT_EQ(p->Log({RecordOp::BeginDoc, RecordOp::TurnPage, RecordOp::NewPage, RecordOp::EndDoc}),
              expected);
    EXPECT_EQ(p->DocumentsEnded(), 1);
}

TEST(SurfacePrinter, EndDocWithoutOutputAndKillDoc) {
    auto p = RecordingSurface::Printer();
    p->EndDoc();
    EXPECT_EQ(p->DocumentsEnded(), 0);
    p->Line(0, 0, 1, 1);
    p->KillDoc();
    EXPECT_EQ(p->DocumentsKilled(), 1);
    EXPECT_FALSE(p->DocumentOpen());
    p->EndDoc(); // the discarded document is not sent afterwards
    EXPECT_EQ(p->DocumentsEnded(), 0);
    // a turn asked for while the page had ink waits for the next page; a discarded document
    // hands it to the next one, and the printable area shows it at once
    p->Line(0, 0, 1, 1);
    p->SetOrientation(vbPRORLandscape);
    EXPECT_DOUBLE_EQ(p->ScaleWidth(), RecordingSurface::kA4PrintableWidth);
    p->KillDoc();
    EXPECT_DOUBLE_EQ(p->ScaleWidth(), RecordingSurface::kA4PrintableHeight);
    p->Line(0, 0, 1, 1);
    EXPECT_EQ(p->Log({RecordOp::BeginDoc}).back(), "BeginDoc landscape");
}

TEST(SurfaceWindow, SettingTheBackColorClearsAWindowOnly) {
    auto s = RecordingSurface::Screen();
    s->Line(0, 0, 1, 1);
    s->SetBackColor(RGB(255, 255, 192));
    EXPECT_EQ(s->Log().back(), "Cls c=" + std::to_string(RGB(255, 255, 192)));
    s->SetCurrentX(10);
    s->Cls();
    EXPECT_DOUBLE_EQ(s->CurrentX(), 0);
    auto p = RecordingSurface::Printer();
    p->SetBackColor(vbWhite);
    EXPECT_TRUE(p->Records().empty());
}

TEST(Devices, TheRecordingPrinterStandsInUntilOneIsInstalled) {
    ResetDevices();
    EXPECT_TRUE(Printer().IsPrinter());
    EXPECT_EQ(&Printer(), &HeadlessPrinter());
    auto other = RecordingSurface::Printer();
    SetPrinter(other.get());
    EXPECT_EQ(&Printer(), other.get());
    ResetDevices();
    EXPECT_EQ(&Printer(), &HeadlessPrinter());
}

TEST(Devices, PdfStandInIsNamedAfterTheProjectAndThePrintout) {
    EXPECT_EQ(PrintFileName("/daten/Baugrube7", "Bericht"), "/daten/Baugrube7-Bericht.pdf");
    EXPECT_EQ(PrintFileName("/daten/Baugrube7.txt", "B101"), "/daten/Baugrube7-B101.pdf");
    EXPECT_EQ(PrintFileName("Baugrube7", ""), "Baugrube7.pdf");
}

TEST(Fonts, WindowsNamesMapToTheLiberationFacesAndComeFirst) {
    EXPECT_EQ(InstalledFamily("Courier New"), "Liberation Mono");
    EXPECT_EQ(InstalledFamily("arial"), "Liberation Sans");
    EXPECT_EQ(InstalledFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(InstalledFamily("Lucida Console"), "Lucida Console");
    ResetDevices();
    auto fonts = ScreenFonts();
    ASSERT_GE(fonts.size(), 3u);
    EXPECT_EQ(fonts[0], "Arial");
    EXPECT_EQ(fonts[1], "Courier New");
    EXPECT_EQ(fonts[2], "Times New Roman");
}

TEST(SurfacePrinter, TheRecordingPrinterTellsWhereANamedDocumentWent) {
    auto p = RecordingSurface::Printer();
    p->SetDocumentName("/daten/Baugrube7", "Bericht");
    EXPECT_EQ(p->LastDocumentFile(), ""); // nothing finished yet
    p->Print("Proj.Nr. 4711");
    p->EndDoc();
    EXPECT_EQ(p->LastDocumentFile(), "/daten/Baugrube7-Bericht.pdf");
    p->Print(); // a line feed only: nothing went anywhere
    p->EndDoc();
    EXPECT_EQ(p->LastDocumentFile(), "");
    auto screen = RecordingSurface::Screen();
    EXPECT_EQ(ErrorNumber([&] { screen->SetDocumentName("x", "y"); }), 438);
}

TEST(SurfaceArc, StartAndEndAnglesDrawAnArcWithRadiusLinesForNegativeEnds) {
    const double pi = 3.141592653589793;
    auto s = RecordingSurface::Screen(400, 300);
    s->Circle(10, 20, 5, kNoColor, 0, pi);                           // the upper half
    s->Circle(10, 20, 5, 255, -pi / 2, -static_cast<float>(2 * pi)); // a quarter sector, 2 pi as a Single
    EXPECT_EQ(s->Log(), (std::vector<std::string>{"Circle (10,20),5 arc 0..3.14159",
                                                  "Circle (10,20),5 arc -1.5708..-6.28319 c=255"}));
    EXPECT_DOUBLE_EQ(s->CurrentX(), 10);
    EXPECT_EQ(ErrorNumber([&] { s->Circle(0, 0, 1, kNoColor, 0, 7); }), 5);
    EXPECT_EQ(ErrorNumber([&] { s->Circle(0, 0, 1, kNoColor, -6.5, 1); }), 5);
    EXPECT_EQ(s->Log().size(), 2u); // nothing drawn by the refused calls
}
