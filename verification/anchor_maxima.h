#pragma once
// The anchor and strut maxima of the report: after the last stage of a load case the largest force of
// every project support level over the stages of that load case, after the last load case the largest
// forces over all load cases; each table again with the forces times AnkerFaktor when that is not 1.
//
// Forces kN/m (horizontal), levels and lengths m, inclinations from the anchor bookkeeping (radians,
// verification/anchor_files.h). A level without a length found is a strut row; an anchor row also
// shows the inclination, the length and the anchor force A = f Ah / cos(inclination) (a vertical
// anchor, cos 0, prints "***" there). The report (file 6) must be open.
namespace zormd {

// Load-case table: reads the bookkeeping back from "ZORGLF." (GlfLesen), then the lines of the load
// case LFNr (forces AnkerKraftMax, lengths AnkerGlfWert).
void AnkerMaximaLastfall();

// Overall table of the run (forces AnkerAhMax, lengths AnkerLaengeBem) from the bookkeeping in memory.
void AnkerMaximaGesamt();

} // namespace zormd
