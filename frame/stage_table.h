// The excavation stages: every stage keeps its input in `P.Aushubstufen[s]` (zorm1::Aushubstufe). The
// current-stage values in `P` (Wandfuss, zAush, ZAnker, ...) are what the dialogs and the calculation work
// on; AushubSpeichern and AushubLaden move one stage between the two.
//
// The stored form of a stage is a column of AushubZeilen singles, as the project file, the hand-over file
// "ZORAUSH" and the slip-circle input hold it: the fixed values first, then the three packed lists
// (bottom loads, additional stresses, pressure factors) each behind its count.
#pragma once

#include <cstdint>

#include "frame/project_data.h"

namespace zormcom {

// Copies the current-stage values into stage s: the fixed values, then the packed lists up to their counts.
// Places of the stored form that hold no value afterwards keep what they held before (a list that became
// shorter leaves its old entries behind its new end). A stage number outside 0..15 does nothing.
void AushubSpeichern(int16_t s);

// The inverse of AushubSpeichern: loads stage s into the current-stage values. Integer values are rounded to
// the nearest integer, halves to even; list entries behind a count keep their previous values. A stage number
// outside 0..15 does nothing.
void AushubLaden(int16_t s);

} // namespace zormcom

namespace zorm1 {

// The stored form of a stage, places 1..AushubZeilen (place 0 unused).
using AushubSpalte = Arr<float, AushubZeilen>;

// A stage in its stored form. The counts decide where the lists lie; each is kept within its list's
// capacity for that (a damaged count is carried as it is, its list cut).
AushubSpalte AushubAlsSpalte(const Aushubstufe& t);

// A stage from its stored form; AushubAlsSpalte gives back the same column for every column, whatever it
// holds.
Aushubstufe AushubAusSpalte(const AushubSpalte& z);

} // namespace zorm1
