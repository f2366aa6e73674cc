#pragma once
// Section 8 of a stage: the depth grid of the wall with the state quantities and the normal force on
// it, the governing design sections (a slot of the design stage), the minimum extra embedment, the
// summary "Zusammenfassung:" with the note on base pressure, and the running design values of the run.
//
// Units: depths m, M kNm/m, Q and N kN/m (N negative for compression), load ordinates kN/m2. The grid
// and its values live in zormd::N (verification/state.h); the running design values in zorm1::P
// (BemMaxMoment, BemMaxQuerkraft, BemMinNormalkraft, BemVerbauDruck, BemVerbauDruckFlag). The report
// (file 6) must be open. Plot record "B" is written by the driver right after the section, from the
// grid as the section leaves it (its last point already dropped).
#include <functional>

namespace zormd {

// Step 1: the grid of KotenRaster sorted ascending, equal neighbours shifted out (twice; the count
// stays, so the last value stands twice at the end), the grid ended one point after the first point
// within 1 mm of zFuss (no such point: the count stays; when that point is the last of the grid, the
// foot level zFuss is added after it). The value lists are sized to the grid and cleared.
void KotenRasterBilden();

// Step 2: w, M, Q and the load ordinate at every grid point from the field rows of the statics' row
// table (a point on the boundary of two fields takes the lower field); KotenQKopie from KotenQ.
// Points in no field keep 0.
void KotenZustandBilden();

// True for the wall types whose earth pressure below the excavation does not load the wall vertically
// (Wandtyp 1 and 5): their vertical earth pressure and additional stresses count down to zAush only.
bool TbwBelastung();

// Step 3: the normal force at every grid point from the head load, the wall's weight and buoyancy,
// the vertical earth pressure and additional stresses, the C force's vertical component spread
// linearly over the embedment (taken whole when zFuss = zAush), the mobilised vertical passive
// resistance Bv distributed as the passive diagram copy (scaled by Bv / its area whatever the sign;
// 0 when Bv is 0) and the vertical anchor components above the point. Design values, the same
// factors as the vertical equilibrium, so that -N at the foot equals Summe V2(d) of its last table.
// Sets N.MinNormalkraft and N.SummeVd (-N at the last point).
void KotenNormalkraftBilden();

// The summary lines of the stage, the note on base pressure and two empty lines.
void ZusammenfassungDrucken();

// The note on base pressure: an empty line and four lines.
void HinweisSpitzendruck();

// Step 8: per pile for a soldier pile wall (MaxMoment, MinMoment, MaxQuerkraft, MinQuerkraft and
// MinNormalkraft times ABohl), then the running design values and the lagging pressure.
void BemessungswerteFortschreiben();

// The whole section: grid, state quantities, normal force, then `massgebend` (the governing design
// sections; may be empty), the minimum extra embedment, the last point dropped, SummeVk, summary,
// running design values.
void BemessungsschnitteDrucken(const std::function<void()>& massgebend);

} // namespace zormd
