#pragma once
// The working files of the runs deleted at the program's end.
#include <string>
#include <vector>

namespace zorm1 {

// The names and patterns DateienLoeschen deletes, in its order (55 entries; a name ending in "." is a file
// without extension, "*" a wildcard; Windows rules for case and the trailing dot).
const std::vector<std::string>& LoeschNamen();

// Deletes the files of the names and patterns of LoeschNamen in the current folder (the working folder of
// the runs), ignoring every error. The root folder is left alone. A working folder that holds projects too
// loses only those files: the project's own files (the project file, its ".AUS", ".gl1" and ".gl2") stay
// even where a name of the list would take them, and so does every other file.
void DateienLoeschen();

} // namespace zorm1
