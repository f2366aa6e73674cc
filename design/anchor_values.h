#pragma once
// Hands the anchor bookkeeping of the verification run (per support level 1..13) to the values the
// anchor tables read (zormd::AW): inclination, length range, largest length found, and the anchor
// forces along the anchor; the largest horizontal force of the run goes to the project value
// zormd::BS.AnkerAhMax. Call it before the anchor section prints.
namespace zormd {

void AnkerwerteUebernehmen();

} // namespace zormd
