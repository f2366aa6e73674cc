#pragma once
// The settings file "ZORPFAD.DAT" in the root folder: the project file last used and
// the display and printing settings of the report window and the graphics.
//
// The values live in the project data (frame/project_data.h): DateiPfad, DateiName,
// GanzerName, the picture margins, fonts, page numbers, flags and colours.
#include <string>

namespace Anzeigen {

// Name of the settings file in the root folder.
inline constexpr const char* kEinstellungsDatei = "ZORPFAD.DAT";

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
// folder, fonts, font sizes with their margins, and the default project "testzor" in the current folder, or
// in the folder ZOR_PROJEKTORDNER names when it exists (the projects kept apart from the working files).
void StandardwerteSetzen();

} // namespace Anzeigen
