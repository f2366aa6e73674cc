#pragma once
// Window-free routines of the anchor and wall pages that the calculation request runs before every
// calculation: the project's list of support levels rebuilt from the stages, and the soldier-pile values of
// bored piles with spacing.
#include <vector>

namespace Anker {

// The distinct support levels of all stages 1..AnzAush, ascending: every one of the eight support levels of a
// stage (Aushubstufe::ZAnker) that is greater than 0, compared exactly. At most 20 levels (the size of
// ZAuflager); further ones are left out. Reads the stages only.
std::vector<float> AuflagerKotenAllerStufen();

// frmAnker1.AnkerAktualisieren: AnzAnkerGesamt and ZAuflager(1..20) := the list above (the rest 0), and every
// stage loaded in turn, so that the last stage stays loaded in the current-stage values.
void AnkerAktualisieren();

} // namespace Anker

namespace Wand {

// frmWand1.BPfalsTBW: bored piles with spacing (Wandtyp 5) are calculated as a soldier pile wall: Wandart :=
// 1, ABohl := BPfAbstand, BBohl := BPfD, BBFuss := BPfD, ZBFuss := 0. Any other wall type is left alone.
void BPfalsTBW();

} // namespace Wand
