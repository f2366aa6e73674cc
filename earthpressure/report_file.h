#pragma once
// The report text file of a calculation run ("LPTZW", 80 columns), its page head,
// the table of fixed report labels, the left indent and the fixed-width number output.
//
// The report is open under file number 6 while a stage writes to it: stage a creates
// it (BerichtAnlegen), later stages append (BerichtAnhaengen) and close it
// (BerichtSchliessen). Lines end with CR LF, the file is Windows-1252.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"

namespace zorma {

// File number of the report throughout a run.
inline constexpr int kBerichtDateiNr = 6;

// Module state of the report output.
struct Berichtzustand {
    std::string AusgabeDatei = "LPTZW";       // name of the report file (working folder)
    std::string Einrueckung;                  // left indent of report lines: 13 blanks
    std::array<std::string, 121> BerichtText; // fixed report labels 0..120, with the indent
};
extern Berichtzustand Bericht;

// Back to the state at program start (no labels, no indent).
void BerichtZuruecksetzen();

// The left indent of report lines (13 blanks once TexteBelegen has run).
inline const std::string& Einzug() {
    return Bericht.Einrueckung;
}

// Fills the label table BerichtText (each non-empty label prefixed by the 13-blank
// indent) and sets Einrueckung to 13 blanks. May be called any number of times.
void TexteBelegen();

// The number as ZahlDrucken prints it: right-aligned in a field of `breite` characters
// with `stellen` decimals (mask "(n-1)x# 0[.000]"), the locale's decimal separator,
// never cut when longer than the field.
std::string ZahlText(float wert, int16_t breite, int16_t stellen);

// Prints ZahlText(wert, breite, stellen) to file 6 without ending the line.
void ZahlDrucken(float wert, int16_t breite, int16_t stellen);

// ---- Report lines. Every line of the report goes through these (file 6, which must be open).
// The items are texts, numbers as vb::Print writes them, Spalte(n) and ZahlText(...).

// Prints the items and ends the line; without items an empty line.
template <class... T> void ZeileDrucken(const T&... items) {
    vb::Print(kBerichtDateiNr, items...);
}
// Prints the items; the line stays open for more.
template <class... T> void Drucken(const T&... items) {
    vb::PrintNoEol(kBerichtDateiNr, items...);
}
// Ends the open line.
inline void ZeileBeenden() {
    vb::Print(kBerichtDateiNr);
}
// n empty lines.
inline void Leerzeilen(int n = 1) {
    for (int i = 0; i < n; ++i)
        ZeileBeenden();
}
// The next item starts at column n (1-based); a line already beyond it goes on in column n of
// the next line.
inline vb::Tab Spalte(int n) {
    return vb::Tab{n};
}
// n blanks.
inline std::string Leerzeichen(int n) {
    return std::string(static_cast<std::size_t>(n < 0 ? 0 : n), ' ');
}
// A number with two decimals, not padded (a factor such as gamG = 1.20).
inline std::string ZweiStellen(float wert) {
    return vb::Format(wert, "0.00");
}
// ---- Notices of this program (lines beginning "***" that say what the calculation could not do).
// The report has 80 columns: the lines of a notice, `einzug` (blanks) and the text, broken at blanks where
// the text would run beyond column 80; the lines after the first are indented under the text behind a leading
// "*** ". A word longer than a whole line is cut. Columns are characters.
inline constexpr int kBerichtSpalten = 80;
std::vector<std::string> HinweisZeilen(const std::string& einzug, const std::string& text);
// Prints the lines of HinweisZeilen (file 6).
void HinweisDrucken(const std::string& einzug, const std::string& text);
// A number in a notice: `stellen` decimals, the report's decimal separator, no padding ("12,50").
std::string HinweisZahl(float wert, int stellen);
// A text given by the user (a title, a comment line) printed from column `spalte`: where it fits into the
// 80 columns as it stands, one line; otherwise in pieces of 60 characters from the same column, as the
// project file's name in the title block.
void TextDrucken(int spalte, const std::string& text);

// Fixed report label n (0..120) with its indent, as TexteBelegen filled it.
inline const std::string& Bezeichnung(int n) {
    return Bericht.BerichtText[static_cast<std::size_t>(n)];
}

// Sets AusgabeDatei to "LPTZW", opens it for output as file 6 (former content is lost)
// and writes the page head and the title block (project texts from the project data).
// Also sets Kommentar(3) (title line) and leaves Kommentar(4) as the "-" rule used
// below section titles. The file stays open.
void BerichtAnlegen();

// Line 3 of the page head: 13 blanks, "Proj.Nr. " and the project number, "Pos. " and
// the position name at column 40, "S." at column 62 (the print engine puts the page
// number behind it). A text that already reaches the column of the next item is
// followed by one blank instead of a new line, so the page head always has its seven
// lines; the line stays within 80 columns (the project number keeps at most 30
// characters, the position name what then fits).
std::string KopfZeile(const std::string& projNr, const std::string& posName);

// Writes the page head and the title block to file 6 (already open); used by
// BerichtAnlegen.
void SeitenkopfSchreiben();

// Opens the report for appending as file 6.
void BerichtAnhaengen();

// Closes file 6.
void BerichtSchliessen();

} // namespace zorma
