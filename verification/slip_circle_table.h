#pragma once
// Result table of the slip circle at the end of the run: one line per load case from
// "DIDUVU.ERG" (load case, stage, centre, radius, safety or utilisation) and the anchor forces the
// slip circle took into account, to the report (file 6, open).
//
// Records of "DIDUVU.ERG": load case, stage, xM, zM, R, eta (888: no valid circle), status (1: broken
// off far below 1.0, 2: search given up, 3: cancelled by the user), deep-centre flag.
// A load case without a valid circle, a search given up or cancelled, and a load case whose record
// is missing print a "***" line instead of a result.
namespace zormd {

void GleitkreisTabelle();

} // namespace zormd
