// The project input file: the persistent form of the project data. A text file of 70 statements (one line per
// statement and pass of its loop), comma-separated items, texts in double quotes, Windows-1252 with CR LF.
// The same format serves the project file the user names, the working copy "WEXASAVE" and the project part of
// the slip-circle input. The statements, their items and the fields these hold are listed once
// (frame/project_file_table.h); writing and reading both walk that list.
#pragma once

#include <string>

namespace zorm1 {

// Writes the project data to the named file (created or replaced). Side effects on the project data: an
// EtaGlobal below 1 becomes 1.5, the stage lists of the earth-side loads are sorted ascending, a Massstab of
// 0 becomes 200, AnzPunkte1/2 are set per stage, and the header texts are first read from "zorH504.txt". The
// file is written beside the target under a temporary name and then renamed over it; when that fails, a
// message box says so, the old file stays as it was and the result is false.
bool EingabeSchreiben(const std::string& dateiName);
// The same for the working copy of a run ("WEXASAVE" in the working folder), which the user does not keep:
// replaced by the rename as well, but not flushed to the disk.
bool ArbeitskopieSchreiben(const std::string& dateiName);

// Reads the named project file into the project data. A file that ends at one of the points where an early
// end is allowed counts as read. On success DatenGelesen becomes -1, the header texts are written to
// "zorH504.txt" when the file holds them, and the result is true. On any error (missing file, wrong item,
// early end elsewhere, a count beyond its array) the project data and the header texts stay exactly as before
// the read, the beep sounds and the "Falsche Datei" message goes out (frame/messages.h), and the result is
// false; where the focus goes then is the caller's affair.
bool EingabeLesen(const std::string& dateiName);

} // namespace zorm1
