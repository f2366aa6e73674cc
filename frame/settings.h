#pragma once
// The settings file "ZORPFAD.DAT" in the root folder: the project file last used and
// the display and printing settings of the report window and the graphics.
//
// The folder and name of the project file (DateiPfad, DateiName, GanzerName) and the
// page numbers (NaechsteSeite, SeitenNr), the root folder (WurzelOrdner) and the
// graphics page sums (GrafikRandOU, GrafikRandLR) are project-wide state in the
// project data; the rest of the settings lives here.
#include <cstdint>
#include <string>

namespace Anzeigen {

struct Einstellungen {
    int16_t GrafikRandLinks = 0;   // margins of printed pictures, mm
    int16_t GrafikRandRechts = 0;
    int16_t GrafikRandOben = 0;
    int16_t GrafikRandUnten = 0;
    float Einst3c = 0;             // reserved, kept as read
    std::string TextFontName;      // font of the printed report
    float TextFontSize = 0;        // points
    int16_t TextFontBold = 0;
    std::string GrafikFontName;    // font of the graphics
    float GrafikFontSize = 0;      // points
    int16_t GrafikFontBold = 0;
    int16_t RandOben = 0;          // margins of the printed report, mm
    int16_t RandUnten = 0;
    int16_t H504Ein = 0;           // header and footer boxes: 0 off, -1 on
    int16_t Querformat = 0;        // pictures in landscape: 0 no, -1 yes
    std::string Einst8a;           // reserved, kept as read
    std::string Einst8b;           // reserved general item, kept as read (empty item when empty)
    int16_t Einst8c = 0;           // reserved, kept as read
    int32_t HintergrundFarbe = 0;  // colours of the report window and the graphics
    int32_t VordergrundFarbe = 0;
    int16_t RahmenEin = 0;         // frame around printed report pages: 0 off, -1 on
};
extern Einstellungen Einst;

// Back to the start values (empty texts, zeros).
void EinstellungenZuruecksetzen();

// Reads the settings file (root folder, else the current folder). Never reports an
// error: a missing file, an early end or an item that cannot be converted ends the
// reading there; values read so far keep their new values, the rest stay as they were.
void PfadDateiLesen();

// Writes the settings file into the root folder (through a temporary file, so a
// failed save leaves the old file intact). Picture margins that are still in twips
// (left + right > 400) are converted to mm first. Returns false (after a message box)
// when the file could not be written.
bool PfadDateiSchreiben();

// The defaults the start dialog applies right after reading the settings: project
// folder, fonts, font sizes with their margins, and the default project "testzor".
void StandardwerteSetzen();

} // namespace Anzeigen
