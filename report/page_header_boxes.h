#pragma once
// Header and footer boxes after "Heft 504" and page numbers on printed pages: report text pages (called by
// the print engine), and picture pages upright or landscape (called by the graphics after a picture). The
// ten box lines come from the header texts (frame/page_header_texts.h). Page numbers share the counter
// SeitenNr.
#include <array>
#include <string>

namespace Anzeigen {

// Box lines 1..10 (index 0 unused), rebuilt by H504ZeilenBilden.
extern std::array<std::string, 11> H504Zeilen;
void H504ZeilenBilden();

// Boxes of the current report page (printer in twips; uses the geometry of the print engine's Druck:
// TwipsProMm, RandRechtsMm, H504Hoehe, RandObenKopie, RandUntenH504, SeiteBreite, SeiteHoehe). The text
// print font with its own size is applied again on return.
void H504TextSeite();

// The drawing frame of a picture page in the printer's user units (x to the right, depth downward):
// left, right, top and bottom edge, the drawing unit (0.25 mm of paper), the scale 1 : Massstab and the
// orientation.
struct GrafikSeite {
    float BildLinks = 0, BildRechts = 0, BildOben = 0, BildUnten = 0;
    float ZeichenEinheit = 0;
    float Massstab = 0;
    bool Querformat = false;
};

// Boxes of a picture page after the picture (H504Ein on); the font setting is left as before.
void H504GrafikSeite(const GrafikSeite& g);
// Only the page number of a picture page without the boxes ("S. " when numbering is off).
void SeitenNrGrafik(const GrafikSeite& g);

// Parts of the boxes, with the printer's print position: lines 1-6 of the header box, lines 7-10 and the
// page number of the footer box (x = L + 1 mm, top of the box, right edge R, one millimetre in page units).
void H504Kopfzeilen(double x, double t, double r, double mm);
void H504Fusszeilen(double x, double f, double r, double mm);
void SeitenNrH504Text(double r, double f, double mm);

} // namespace Anzeigen
