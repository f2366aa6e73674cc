#pragma once
// The print engine of the report: prints the report copy DruckDatei page by page on the program's printer
// (vb::draw::Printer(): the system printer, a PDF file beside the project file, or the recording printer
// of the tests), with the page head of the report's first lines and its page counter, bold titles, small
// hint lines, rules in place of runs of "--" and "==", the optional frame, header and footer boxes and page
// numbers, and the short printout. Positions are twips from the top left of the printable area.
//
// Settings used (project data P): TextFontName/Size/Bold, RandOben/RandUnten (mm), H504Ein, RahmenEin,
// KurzAusdruck (-1 during a short printout), SeitenNr, NaechsteSeite, SeitenVorsatz, GanzerName.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Anzeigen {

// The geometry and line state of one printout (rebuilt by every printout).
struct DruckZustand {
    int32_t SeiteBreite = 0, SeiteHoehe = 0; // printable area, twips
    int32_t ZeilenHoehe = 0;                 // text height of "Aq"
    int32_t Breite80 = 0;                    // text width of 80 x "a"
    double TwipsProMm = 1440.0 / 25.4;
    int16_t RandRechtsMm = 6;
    int32_t RandRechtsTw = 0;
    int32_t TextX = 0; // left edge of the text block
    double ZeileX = 0; // start of every printed line: 1 mm right of TextX
    int16_t H504Hoehe = 0;
    int32_t RandObenTw = 0, RandUntenTw = 0; // top and bottom margin of the page, twips
    int32_t NutzHoehe = 0, ZeilenProSeite = 0;
    int32_t ZeilenZaehler = 0;
    int32_t ProjSeitenZaehler = 0;
    int16_t KopfZaehler = 0, ProjIndex = 0;
    std::array<std::string, 8> Kopf{}; // head lines 1..7 as printed on page 1 (the "Proj" line shortened)
    std::string ZeileAkt, ZeileVor, ZeileVorVor;
    int16_t DruckFlag = -1;
    bool FettOffen = false, HinweisOffen = false;
    float SchriftFaktor = 1.0f;
    float GroesseVorKlein = 0.0f; // the size KleinSchrift replaced (SchriftZurueck restores it)
    int16_t RandObenKopie = 0, RandUntenH504 = 0; // mm, handed to the header and footer boxes
    bool Laeuft = false;                          // a printout is in progress
};
extern DruckZustand Druck;

// Back to the state at program start (tests).
void DruckZuruecksetzen();

// Prints DruckDatei completely and ends the document. Returns true when the document went out; false when
// nothing was printed (the font too wide: "Überlauf"; the file missing; a printer or PDF failure, each told
// by a message box, the settings then as before the printout; a printout already running). When the
// document went to a PDF file, LetzteDruckDatei() names it.
bool DateiDrucken();
// Whether a printout is in progress or being prepared by the report window (window events run meanwhile):
// no second printout, no closing of the report window and no calculation request may start then.
bool DruckLaeuft();
// The report window holds the printer from its notice to the end of the document.
void DruckVorbereitung(bool an);
// The PDF file the last printout was written to ("" for a system printer or when nothing was written).
std::string LetzteDruckDatei();
// Tells the user where printouts went that were written as PDF files (one message for all of them); empty
// names (a system printer) are left out, and without a file nothing is said.
void DruckDateienMelden(const std::vector<std::string>& dateien);

// Text print font on the printer: an empty print (a line feed), then name, size and bold of the setting.
void DruckerSchrift();
// TextFontSize *= factor, then applies name, size and bold.
void DruckerSchriftSkalieren(float factor);
// Name, size and bold of the setting applied to the printer (no print).
void DruckerSchriftAnwenden();
// 6 pt for a hint line, and back to exactly the size before.
void KleinSchrift();
void SchriftZurueck();

// Line tests on Druck.ZeileAkt.
void TitelFett();
void HinweisZeile();
bool IstTitel(const std::string& zeile);
bool IstHinweis(const std::string& zeile);
// Short-print table: the DruckFlag after testing the line (prev and prevprev are the two lines before it).
int16_t KurzDruckFlag(int16_t flag, const std::string& zeile, const std::string& vor,
                      const std::string& vorVor);

// The head line with the counter of this printout (and the page number when numbering is on and the boxes
// are off); line is the head line without its first 4 characters.
void ProjZeileDrucken(const std::string& line);
// The first run of "--" / "==" of Druck.ZeileAkt drawn as a rule and blanked in the line.
void StrichLinie();
void DoppelLinie();
// The page frame when RahmenEin is on.
void RahmenDrucken();

// Counts a numbered page: SeitenNr + 1 (it stops at 32767), NaechsteSeite := SeitenNr.
void SeiteZaehlen();

} // namespace Anzeigen
