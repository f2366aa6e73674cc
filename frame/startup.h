#pragma once
// Start-up: the program's version text and the root folder that holds the settings file, the list
// of project files and the list of page-header sets.
#include <string>
#include <vector>

namespace Anzeigen {

inline constexpr const char* kVersionstext = "V.07.05.2012";
inline constexpr const char* kWurzelName = "JyRootJy";
inline constexpr const char* kProbeDatei = "asdfghjk";

// The user's data folder: $XDG_DATA_HOME when it holds an absolute path, else ~/.local/share; ""
// without either. No trailing separator.
std::string DatenOrdner();

// The folders tried for the root folder, in order: the user's data folder, the home folder, the
// system's temporary folder.
std::vector<std::string> WurzelOrdnerKandidaten();

// Finds and prepares the root folder. The user's data folder is created first when it is missing
// (with the parents it lacks, each only for the user: mode 0700). The first candidate in which the
// probe file can be created and removed gets the folder "JyRootJy/" (created when missing; failures
// are ignored and leave the files to be created on first use). Sets P.WurzelOrdner (ending in the separator).
// When no candidate is writable, a message names the folders tried (frame/messages.h) and the result is
// false: the caller ends the program. True when the root folder is set.
bool WurzelOrdnerSuchen();

} // namespace Anzeigen
