// The stage table: every excavation stage keeps its input values in one column of
// `P.AushubTabelle` (rows 1..130, single precision). The current-stage values in `P`
// (Wandfuss, zAush, ZAnker, ...) are what the dialogs and the calculation work on;
// these two routines move one stage between the table and the current-stage values.
#pragma once

#include <cstdint>

namespace zormcom {

// Copies the current-stage values into column s of the stage table: rows 1..8 and 19..35, then from row 36
// the packed lists (bottom loads, additional stresses, pressure factors) with their counts. Rows 9..18 and
// the rows behind the packed part are left as they are. A stage number outside 0..15 does nothing.
void AushubSpeichern(int16_t s);

// The inverse of AushubSpeichern: loads column s into the current-stage values. Integer rows are rounded to
// the nearest integer, halves to even; list entries behind a count keep their previous values. A stage number
// outside 0..15 does nothing.
void AushubLaden(int16_t s);

} // namespace zormcom
