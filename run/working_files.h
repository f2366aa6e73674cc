#pragma once
// The working files of the runs deleted at the program's end.
#include <string>
#include <vector>

namespace zorm1 {

// The names and patterns DateienLoeschen deletes, in its order (55 entries; a name ending in "." is a file
// without extension, "*" a wildcard; Windows rules for case and the trailing dot).
const std::vector<std::string>& LoeschNamen();

// Deletes the names and patterns of LoeschNamen in the current folder (the working
// folder of the runs), ignoring every error. The current folder is left alone when it is the root folder
// or the project's folder, so that nothing the user keeps there is lost.
void DateienLoeschen();

} // namespace zorm1
