#pragma once
// Report section of the deep slip plane for the current load case and stage: the anchors of the
// check from the stage's supports, the length search (or, in the second run of the global safety
// concept, the cache "DOVUDUvozud." + DateiEndung of the first run), the anchor bookkeeping, and
// the report lines (head, one row per anchor, the overall block, the closing lines) to file 6.
#include <string>

namespace zormd {

// Preparation of the length search of the stage and the search itself (anchors of the check set).
void TiefeGleitfuge();

// What the computing step tells the report lines: whether the stage has a check (anchors with length
// ranges and AnkerLaengen 1; otherwise nothing is printed), and whether its values came from the cache.
struct Gleitfugenwerte {
    bool Nachweis = false;
    bool AusCache = false;
};

// The anchors of the check and the struts, the length search or the cache, the anchor bookkeeping and
// the anchor combination of plot record "C"; prints nothing.
Gleitfugenwerte TiefeGleitfugeBerechnen();

// The report lines from the values the computing step left (N, the search's state); changes nothing.
void TiefeGleitfugeDrucken(const Gleitfugenwerte& w);

// The whole section (slot 11): computed, then printed.
void TiefeGleitfugeBericht();

// Cache of the stage: name, write, read (false when the file does not exist). Besides the values of the
// report it keeps the substitute anchor wall, the wedge reach and whether the overall rounds ended without
// meeting the check, so that the run reading it prints its "***" line too.
std::string GlfCacheDatei();
void GlfCacheSchreiben();
bool GlfCacheLesen();

} // namespace zormd
