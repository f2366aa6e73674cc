#pragma once
// Report block of the earth resistance in front of the narrow piles of a soldier pile wall after
// Weissenbach: substitute widths, mean soil values, coefficients, resistances, the vertical
// resistance and the verdict of the piles' earth support.
//
// Reads the statics' values (zormc::St, EpvWand, EphPfahl, MFuss, EW1..EW3, EWidh, ...) and the
// safety concept of zorm1::P; prints into the open report (file 6). Sets N.ErdauflagerVerhaeltnis
// (eta' in the global concept, Ed / Rd with partial factors; 2.0 when EphPfahl is 0) and N.BvTBW,
// the mobilised vertical resistance EpvWand MFuss / EphPfahl (0 when EphPfahl is 0).
namespace zormd {

void Weissenbach();

} // namespace zormd
