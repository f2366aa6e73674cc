#pragma once
// The window-free file and path routines shared by the dialogs, the settings and list files, the
// start-up and the report: file and folder tests, folder paths, splitting names, the extensions the
// file dialog leaves out, and character replacement. The folder separator is the platform's ("/").
// Several routines trim the caller's variable in place before they work on it; callers rely on that.
#include <string>

namespace Anzeigen {

// True when the file can be opened and holds at least 1 byte; a missing file, a folder, an empty or
// invalid name and an empty file give false. Never throws. Trims name in place.
bool DateiExistiert(std::string& name);

// True when a folder (with or without a trailing separator) or a file exists under path. Never throws.
bool PfadExistiert(const std::string& path);

// Makes a usable folder path ending in the separator: trimmed in place; empty -> the current folder;
// a bare drive ("D:") -> the current folder; the separator appended when missing. Existence not tested.
void PfadNormieren(std::string& path);

// Text after the last separator; the whole text when there is none; "" for "". Trims in place.
std::string NurDateiName(std::string& pathAndName);
// Text up to and including the last separator; "" when there is none. Trims in place.
std::string NurPfad(std::string& pathAndName);
// Text after the FIRST "."; "" when there is none. Trims in place.
std::string Erweiterung(std::string& name);
// Text before the FIRST "."; the whole text when there is none. Trims in place.
std::string OhneErweiterung(std::string& name);
// The trimmed path with the separator appended when it does not end with one; "" for an empty or
// blank path. path is not changed.
std::string MitBackslash(const std::string& path);

// flag := true when ext (upper case) is one of the 22 extensions the file dialog does not offer
// ("EXE", "AUS", "BAK", ... exact comparison), else false.
void SystemErweiterung(const std::string& ext, bool& flag);

// The German letters and the degree sign of text written in the DOS code page and read as
// Windows-1252 become the program's characters ("Gr\u0081n" -> "Grün"). An empty text is left alone.
void UmlauteWandeln(std::string& text);

// Replaces in place every occurrence of the one-character text find by the first character of repl;
// the length in characters does not change.
void ZeichenErsetzen(std::string& text, const std::string& find, const std::string& repl);

} // namespace Anzeigen
