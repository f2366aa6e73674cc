#pragma once
// Report section of the deep slip plane for the current load case and stage: the anchors of the
// check from the stage's supports, the length search (or, in the second run of the global safety
// concept, the cache "DOVUDUvozud." + DateiEndung of the first run), the anchor bookkeeping, and
// the report lines (head, one row per anchor, the overall block, the closing lines) to file 6.
#include <string>

namespace zormd {

// Preparation of the length search of the stage and the search itself (anchors of the check set).
void TiefeGleitfuge();

// The whole section (slot 11).
void TiefeGleitfugeBericht();

// Cache of the stage: name, write, read (false when the file does not exist). Besides the values of the
// report it keeps the substitute anchor wall, the wedge reach and whether the overall rounds ended without
// meeting the check, so that the run reading it prints its "***" line too.
std::string GlfCacheDatei();
void GlfCacheSchreiben();
bool GlfCacheLesen();

} // namespace zormd
