#pragma once
// The working files of the runs deleted at the program's end.
#include "frame/working_file_names.h" // LoeschNamen

namespace zorm1 {

// Deletes the files of the names and patterns of LoeschNamen in the current folder (the working folder of
// the runs), ignoring every error. The root folder is left alone. A working folder that holds projects too
// loses only those files: the project's own files (the project file, its ".AUS", ".gl1" and ".gl2") stay
// even where a name of the list would take them, and so does every other file.
void DateienLoeschen();

} // namespace zorm1
