#pragma once
// Polylines on common abscissae: merging two lines, cleaning all lines of the slip-circle
// model, forming a line from an abscissa list and collecting crossings.
#include <cstdint>

#include "earthpressure/polylines.h"

namespace Zormg {

// The merge of two lines onto common abscissae (earthpressure/polylines.h), shared with the
// passive wedge model of the earth-pressure stage.
using zor::LinienVerschneiden;

// Brings the model lines 0..AnzLinien + n onto one common set of abscissae: line 0 is
// merged with every other line in turn, and whole passes repeat until one adds no point.
// The passes are bounded; a model that does not settle abandons the calculation.
void LinienBereinigen(int16_t n);

// Line k := the distinct values of XListe(1..AnzXListe) (a value closer than 0.0001 to the
// last one taken is dropped), z = 0; all points of the line are cleared first.
void KreisLinieSetzen(int16_t k);

// Appends to XListe the abscissa of every crossing of a segment of line k with a segment
// of the lines 0..AnzLinien (line k itself included when it lies in that range).
// AnzXListe is not reset here.
void SchnittpunkteSammeln(int16_t k);

} // namespace Zormg
