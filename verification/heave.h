#pragma once
// Report section of the approximate check against hydraulic heave for vertical seepage around the
// wall foot: the heads and weights of the statics, the safeties (global concept) or utilisations
// (partial factors) of three models of the residual head, and the table for a deeper wall foot.
//
// Reads the statics' table zormb::B.GrundbruchTab (model m = 1..3 at index (m - 1) 81 + k, step
// k = 0..80 of 0.2 m) and St.HydrSchritte (steps of the table; below 0 taken as 0). With partial
// factors every entry k = 0..n is replaced by its reciprocal; an entry of 0 stays 0 and its row
// says "nicht bestimmbar" (no infinite utilisation).
#include <cstdint>

namespace zormd {

// The column steps of the deeper-foot table for n steps: 1..n when n <= 8, else n c / 8 for
// c = 1..8, halves to the even integer.
int16_t HeaveSchritt(int16_t n, int c);

void HydraulischerGrundbruchDrucken();

} // namespace zormd
