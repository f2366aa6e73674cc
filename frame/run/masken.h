#pragma once
// Housekeeping of the program frame: unloading every input page, and deleting the working files at the end.
#include <string>
#include <vector>

namespace zorm1 {

// The windows MaskenEntladen unloads, in its order (29 names).
const std::vector<std::string>& MaskenNamen();

// Unloads the input pages, the start dialog and the page-numbering windows in the order of MaskenNamen; a
// window that is not loaded is skipped. May be called from the OK of a page in the list.
void MaskenEntladen();

// The names and patterns DateienLoeschen deletes, in its order (55 entries; a name ending in "." is a file
// without extension, "*" a wildcard; Windows rules for case and the trailing dot).
const std::vector<std::string>& LoeschNamen();

// Deletes the names and patterns of LoeschNamen in the current folder (the working
// folder of the runs), ignoring every error. The current folder is left alone when it is the root folder
// or the project's folder, so that nothing the user keeps there is lost.
void DateienLoeschen();

} // namespace zorm1
