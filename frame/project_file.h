// The project input file: the persistent form of the project data. A text file of 70 statements (one line per
// statement and pass of its loop), comma-separated items, texts in double quotes, Windows-1252 with CR LF.
// The same format serves the project file the user names, the working copy "WEXASAVE" and the project part of
// the slip-circle input. The statements, their items and the fields these hold are listed once
// (frame/project_file_table.h); writing and reading both walk that list.
#pragma once

#include <optional>
#include <string>

#include "platform/runtime/folder_lock.h"

namespace zorm1 {

// Writes the project data to the named file (created or replaced). Side effects on the project data: an
// EtaGlobal below 1 becomes 1.5, the stage lists of the earth-side loads are sorted ascending, a Massstab of
// 0 becomes 200, AnzPunkte1/2 are set per stage, and the header texts are first read from "zorH504.txt". The
// file is written beside the target under a temporary name and then renamed over it; when that fails, a
// message box says so, the old file stays as it was and the result is false.
//
// A project file is written only where it replaces nothing it should not: a name that is one of the files a
// run writes (ProjektNameFehler) is refused before anything is written; a read-only file is left as it is
// ("schreibgeschützt"); a symbolic or hard link keeps linking what now holds the new bytes; a file that another
// instance is saving or calculating (ProjektSperre) is left to it. Each refusal is told, and the result is
// false. A full disk is told with the folder that is full.
bool EingabeSchreiben(const std::string& dateiName);

// Why a project file of this name (folder and name) would be overwritten by a run, or nothing: its report copy
// (the name up to the first "." + ".AUS" beside it) is the file itself; or it lies in the working folder (the
// current folder) under the name of a file the run writes there ("LPTZW", the working copy "WEXASAVE", ...),
// whatever the case of its letters and with or without a trailing ".". The reason names the file.
std::optional<std::string> ProjektNameFehler(const std::string& dateiName);
// The message for it: "Die Datei   <name>   kann nicht als Projektdatei dienen:" with the reason.
std::string ProjektNameMeldung(const std::string& dateiName, const std::string& grund);

// The lock of a project file for a save or a whole calculation request (platform/runtime/folder_lock.h): held
// by this process while it lives (also when it holds it already); belegt() while another instance holds it.
class ProjektSperre {
public:
    explicit ProjektSperre(const std::string& dateiName) : sperre_(dateiName) {}
    bool belegt() const { return sperre_.belegt(); }

private:
    vb::DateiSperre sperre_;
};
// The message when another instance holds the lock.
std::string ProjektBelegtMeldung(const std::string& dateiName);
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
