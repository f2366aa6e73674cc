#pragma once
// The point-and-line model of the slip circle for the governing excavation stage and the current load case.
#include <cstdint>

namespace Zormg {

// Builds the model of load case Lastfall on stage GkAushub from the input of GLDatenLesen:
//   points (number, x, z), the line texts 0 (water line), 1 (ground surface), 2.. (wall outline, slope
//   bodies, layer tops), the values of every layer (wall, slopes n..1, soil layers 1..m), the loads of the
//   load case (earth-side loads with their sign turned, wall loads as 0.2 m high line loads on the
//   excavation face, bottom loads), points clipped to -99 <= x <= 99, the default centre field (x -6..0,
//   z -6..0, 15 x 15 parts, shifting on) and the run-out angles 30 and 85 degrees.
// Overwrites the project values AnzSohlLast and StBH; DatenGelesen := True. The arrays must have been made
// by FelderDimensionieren. A model beyond its arrays (150 points, 20 lines, 30 loads) abandons the
// calculation (zor::CalcAbort) before any of it is built.
void SystemAufbauen();

// Checks that the model of a load case fits the arrays (lines, loads, points); a model that does not
// abandons the calculation (zor::CalcAbort) with a message naming "wexasave.GL1". Returns the number of
// bottom loads of the governing stage.
int16_t ModellPruefen(int16_t lastfall);

} // namespace Zormg
