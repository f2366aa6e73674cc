#pragma once
// Plot records "A", "B" and "C" of a load case and stage, appended to "zzzplot2" (graphics) and to
// "wexasave.gl2" (slip circle). Both files are item lists; the "wexasave.gl2" variant of a record is
// a prefix of the "zzzplot2" one: record "B" without the normal-force line behind each grid point,
// record "C" ends after the line of EppArt and AnzEph.
//
//   "A": every line of "zzzplote" (earth-pressure plot block of the stage), then LFNr, AushNr,
//        AnzAuflagerAlle and the statics' point list St.SigmaVKopie (depth, value).
//   "B": LFNr, AushNr, AnzKoten, DeltaT (raised to 0 when negative, in St), foot = last grid point +
//        DeltaT; per grid point z, load, w / gamMittel, M, Q (and N in "zzzplot2").
//   "C": the deep slip plane (anchors, slip line, struts), water and additional stresses, the passive
//        list (points only with EppArt not 0), "zzzplotw", the wall results, the load-diagram copy and
//        the force polygon of the deep slip plane, its last line closed by the run's partial factors on the
//        earth pressure and on the resistance (gamEWirk, gamReWirk; 0 with global safety).
// A missing or empty copied file adds no lines. AnkerLaengeMax keeps the largest anchor length written
// in a record "C" of the run.
#include <string>

namespace zormd {

// kind "A", "B" or "C" (any other writes nothing), appended to the file `datei` (opened and closed here).
void PlotSatzAnhaengen(const std::string& art, const std::string& datei);

} // namespace zormd
