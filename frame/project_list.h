#pragma once
// The list of project files "ZorDList.txt" in the root folder: the project files for which a
// calculation was requested, newest first, one quoted entry per line.
#include <string>
#include <vector>

namespace DListe {

inline constexpr const char* kListenDatei = "ZorDList.txt";

// The list's full name: the root folder followed by "ZorDList.txt".
std::string ListenName();

// The entries of the list as stored (an empty or missing list gives none).
std::vector<std::string> Lesen();

// Writes the entries as the new list (through a temporary file, so the old list stays intact when
// the save fails). On failure a message names the list and false is returned.
bool Schreiben(const std::vector<std::string>& eintraege);

// The clean-up at every start (frmTitel.DListe): the entries whose project files exist (present and
// not empty) are kept, trimmed, in their order; the others are dropped. Without a list an empty one
// is created.
void Bereinigen();

// At a calculation request: the current project goes first; every other entry follows in its order
// unless it equals ganzerName exactly, whether its file exists or not.
bool Aktualisieren(const std::string& ganzerName);

} // namespace DListe
