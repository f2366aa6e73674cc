#pragma once
// The slip-circle stage of a calculation run.
#include <cstdint>

namespace Zormg {

// For every load case of the hand-over files: input (input.h), model of the governing stage
// (model.h), search of the critical circle through the earth-side wall foot (search.h), and
// one line in "DIDUVU.ERG" (load case, stage, xM, zM, R, eta, status, deep-centre flag) and one block in
// "DIDUVU.PLT" (load case, stage, n; xM, zM, R, eta; n points of the slip line). Both files are emptied
// first; every record is complete on disk before the next load case starts.
// The progress observer (slipcircle/progress.h) hears of the stage's beginning and end, of each load case's
// search with its texts and progress line, and lets the user act now and then. A cancel asked for through
// it (D().AbbruchGewuenscht): the load case keeps its best circle, the remaining load cases get records
// without a circle (eta 999, no points); all of them carry status 3.
// Deep centres (TiefeMittelpunkte = 1): the centre field spans zAush - 1 .. zAush + 4; the other of the two
// fields (the default one, or the deep one) is the search's second start field.
// The run's load case and stage (LFNr, AushNr) are as they were on entry when the stage returns.
// Damaged input abandons the calculation (zor::CalcAbort) before either result file is touched.
void GleitkreisRechnen();

} // namespace Zormg
