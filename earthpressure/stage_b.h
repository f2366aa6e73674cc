#pragma once
// The earth-pressure stage of a calculation run: for the current load case and excavation
// stage the active earth pressure of soil, cohesion, slopes and surface loads, the report
// section "ERDDRUCK" and the hand-over files for the statics; for a sloped or loaded
// excavation bottom also the passive pressure by trial slip planes.
//
// The lists and values the stage leaves behind live in `zormb::B` (earthpressure/state.h; the
// passive list, the user-given passive points and the run values shared with stage a in
// `zormcom::Lauf`); the statics and the verification stage read them from there. Every routine
// works on the live project data and on these lists and keeps nothing else between calls, so the
// deep slip plane may call the builders again on temporarily changed layer, slope and load tables.
#include "earthpressure/state.h"

namespace zormb {

// The earth-pressure stage for P.LFNr and P.AushNr.
void ErddruckBerechnen();

} // namespace zormb
