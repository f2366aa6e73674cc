#pragma once
// The copy of a run's report beside the project file: "LPTZW" of the current folder becomes
// <project file without extension>.AUS, the file the report window shows and prints and the engineer keeps.
// Window-free, so the headless run and the report window share it.
#include <string>

namespace Anzeigen {

// Full name of the report copy (set by DruckDateiKopieren; the print engine prints this file).
extern std::string DruckDatei;

enum class KopieErgebnis {
    Ok,
    BerichtFehlt, // "LPTZW" is missing: nothing copied, the previous copy stays
    BerichtLeer,  // "LPTZW" holds nothing: nothing copied, the previous copy stays
    Schreibfehler // the copy could not be written: the previous copy stays
};

// DruckDatei := the project file's folder and name without extension (P.DateiPfad and P.DateiName, the file
// read or the save place chosen) + ".AUS", beside the project file; the full name the project file holds
// (P.GanzerNameOhneExt, which the report's head prints) is never a name to write. Then the lines of "LPTZW"
// (current folder) are written to it, each ended by CR LF, through a temporary file in the same folder that
// replaces the old copy by a rename. Shows nothing; never throws.
KopieErgebnis DruckDateiKopieren();

// The message for a failed copy ("" for Ok), naming the files.
std::string KopieMeldung(KopieErgebnis e);

} // namespace Anzeigen
