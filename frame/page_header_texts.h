// The texts of the page header and footer boxes ("Heft 504") and of the page numbering, held as plain data so
// that reading and writing a project needs no window. The header dialog and its display strip show and edit
// these fields; "zorH504.txt" in the current folder keeps the eight texts between program runs.
#pragma once

#include <array>
#include <string>

namespace Anzeigen {

// The file of the header texts in the current folder.
inline constexpr const char* kH504Datei = "zorH504.txt";

// The eight texts in the order of "zorH504.txt".
struct Heft504Texte {
    std::string txtVerfasser;
    std::string txtVerfasser2;
    std::string txtBauwerk;
    std::string txtDatum;
    std::string txtBauteil;
    std::string txtBlock;
    std::string txtVorgang;
    std::string txtAsbNr;

    static constexpr int Anzahl = 8;
    // Item i = 0..7 in file order.
    std::string& operator[](int i);
    const std::string& operator[](int i) const;
    bool operator==(const Heft504Texte&) const = default;
};

struct Heft504Daten {
    // The header dialog frmHeft504: it exists (hidden or shown) once its texts have been used; its creation
    // reads "zorH504.txt". Its fields are the current texts of the whole program.
    bool DialogGeladen = false;
    Heft504Texte Dialog;
    // The display strip frmHeft504B: copies for display only.
    bool LeisteGeladen = false;
    Heft504Texte Leiste;
    // The boxes of the page-numbering dialog frmStartSeite.
    std::string txtVorsatz;
    std::string txtStartSeite;
    bool operator==(const Heft504Daten&) const = default;
};

extern Heft504Daten H504;

// Back to program start: no dialog, every text empty.
void ResetH504();

// The fields of the header dialog; on first use the (hidden) dialog is created, which reads "zorH504.txt".
Heft504Texte& Heft504();

// Reads "zorH504.txt" of the current folder into the fields of the dialog and of the strip. Errors are
// ignored: a missing file empties all fields; when the file ends early, the remaining fields receive the last
// text read.
void H504DateiLesen();

// Writes the eight texts of the dialog to "zorH504.txt", one quoted line each. The old file is replaced only
// when the new one has been written completely; a file that already holds exactly these lines is left as it
// is. Returns false (and shows nothing) when the file cannot be written.
bool H504DateiSchreiben();

} // namespace Anzeigen
