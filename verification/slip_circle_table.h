#pragma once
// Result table of the slip circle at the end of the run: one line per load case from
// "DIDUVU.ERG" (load case, stage, centre, radius, safety or utilisation) and the anchor forces the
// slip circle took into account, to the report (file 6, open).
//
// Records of "DIDUVU.ERG": load case, stage, xM, zM, R, eta (888: no valid circle), status (1: broken
// off far below 1.0, 2: search given up, 3: cancelled by the user), deep-centre flag.
// A load case without a valid circle, a search given up or cancelled, and a load case whose record
// is missing print a "***" line instead of a result.
#include <cstdint>
#include <vector>

namespace zormd {

// The record of one load case; vorhanden false when the file has none for it.
struct Gleitkreisergebnis {
    bool vorhanden = false;
    int16_t lf = 0, aushub = 0;
    float xM = 0.0f, zM = 0.0f, R = 0.0f; // centre and radius (m)
    float eta = 0.0f;                     // safety; 888 or 999: no valid circle
    int16_t status = 0, tief = 0;
};
// Per load case 1..AnzLF (index 0 is load case 1).
using Gleitkreisergebnisse = std::vector<Gleitkreisergebnis>;

// Reads the records of "DIDUVU.ERG" (none when the file is missing); the deep-centre flag of the last
// record read becomes P.TiefeMittelpunkte.
Gleitkreisergebnisse GleitkreisErgebnisseLesen();

// The table from those records; changes nothing.
void GleitkreisTabelleDrucken(const Gleitkreisergebnisse& g);

// Both: read, then print.
void GleitkreisTabelle();

} // namespace zormd
