#pragma once
// Search of the critical slip circle of one load case: a grid of centres, rings of finer steps around the
// best centre, and shifts of the centre field while the best centre lies on its edge.
#include <cstdint>

namespace Zormg {

// Searches the critical circle through the fixed point FestPunkt of the built model (model.h):
// angles to radians, model lines onto the common grid, grid of (FeldTeileX + 1) x (FeldTeileZ + 1)
// centres, refinement passes with steps divided by 5 and up to four rings while they improve, until the
// step is at most 0.01 m; a best centre within 3 % of the field's width of an edge shifts the field by
// 0.9 of its width and the search begins anew (at most 10 shifts, then status 2 unless status 1 is set).
// A shift back into a field already searched ends the search instead: the minimum lies between the
// fields searched. A field may hold a local minimum only: unless FeldVerschieben is 0 or the search
// ended with a status, the same search runs again from further start fields (the second field
// ZweitFeld, and fields of the same size centred on the five lowest, mutually distant local minima of
// single circles on a grid of a third of the field's width and height over the region ten shifts could
// reach), and their best circle replaces the first one where it lowers the safety as the report shows
// it (two decimals of the safety, or of the utilisation with partial factors) or where the first found
// no valid circle; a safety below 0.7 (status 1) or a cancel (3) found there is taken as it is. The field,
// FeldTeileX/Z and Verschiebungen stay as the first search left them.
// Results: the best circle, xMKrit, zMKrit, RKrit, etaMin (999 when no circle had a body; 888 when
// every circle was invalid), its slip line, and Abbruch (0, 1 a safety below 0.7, 2 given up, 3
// cancelled by closing the progress window). The angles are degrees again at the end. Global concept:
// gamPhi, gamC, gamPhiWirk, gamCWirk := 1.
void MittelpunktIteration();

// The circle through FestPunkt with its centre at (xM, zM).
void RadiusIteration();

// Model lines 0..AnzLinien from their texts, extended to the model limits and brought onto one common
// abscissa grid with the crossings of the water line and the ground and the load points (LinienRaster).
// Abandons the calculation (zor::CalcAbort) when the lines cannot be brought onto one grid.
void ModellVorbereiten();

// Friction angles, anchor inclinations and run-out angles from degrees to radians (the air-side angle
// turned negative) and back.
void WinkelInBogenmass();
void WinkelInGrad();

} // namespace Zormg
