#pragma once
// Report block of the earth resistance in front of the narrow piles of a soldier pile wall after
// Weissenbach: substitute widths, mean soil values, coefficients, resistances, the vertical
// resistance and the verdict of the piles' earth support.
//
// WeissenbachWerte sets, from the statics' values (zormc::St) and the safety concept of zorm1::P,
// N.ErdauflagerVerhaeltnis (eta' in the global concept, Ed / Rd with partial factors; 2.0 when EphPfahl
// is 0) and N.BvTBW, the mobilised vertical resistance EpvWand MFuss / EphPfahl (0 when EphPfahl is 0).
// Weissenbach prints the block into the open report (file 6) from those values and changes nothing.
namespace zormd {

void WeissenbachWerte();
void Weissenbach();

} // namespace zormd
