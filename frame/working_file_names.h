#pragma once
// The names of the files a run writes into the working folder (the current folder), and the leftovers of
// older installations that the program deletes there at its end.
#include <string>
#include <vector>

namespace zorm1 {

// The working and result files of runs, as names and patterns (a name ending in "." is a file without
// extension, "*" a wildcard; Windows rules for case and the trailing dot).
const std::vector<std::string>& LaufdateiNamen();

// The names and patterns DateienLoeschen deletes, in its order (55 entries): the leftovers of installations of
// older versions, then LaufdateiNamen.
const std::vector<std::string>& LoeschNamen();

} // namespace zorm1
