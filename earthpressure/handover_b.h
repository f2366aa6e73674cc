#pragma once
// Hand-over files of the earth-pressure stage.
//
// At the start of every pass the layer table, the earth-side slopes and the stages with
// changed wall friction are restored from "ZORZ11" (written by stage a), because the stage
// changes the layer table in place. At its end the stage writes for the statics:
//   "ZORZ2"  the layer table as the stage left it (split layers, rearranged unit weights)
//   "ZORZ3"  the active earth pressure from soil weight and cohesion (ordinate, depth)
//   "ZORZ4"  limited-load pressure and earth-pressure sum on common depths
// Item files: one write statement per line, items separated by commas, "." as separator.
#include <cstdint>

#include "platform/runtime/vbfile.h"

namespace zormb {

// Reads "ZORZ11" into the layer table (AnzErd, the three records per layer with the given
// coefficients, the last boundary, the seepage flags, DeltaZF in radians), the slopes and
// DeltaNeuAushub. Counts beyond the arrays raise run-time error 9.
void Z11Lesen();

void Z2Schreiben();
void Z3Schreiben();

// Writes "ZORZ4" and keeps a copy of the limited-load list in B.BegrLastKopie.
void Z4Schreiben();

// geaendert = 1 when layer i has changed wall friction angles (compared exactly),
// gelistet = 1 when the current stage is one of DeltaNeuAushub.
void WandreibungGeaendert(int16_t i, int16_t& geaendert, int16_t& gelistet);

} // namespace zormb
