#pragma once
// Redistribution of the earth pressure above a supported wall and the water-pressure diagram.
//
// A redistribution figure spreads the resultant E = St.LastResultierendeOben (kN/m) over a shape
// down to H = St.UmlagerungsTiefe (m), with ordinates chosen so that the figure carries
// P.EFaktor * E. The figures write St.Lastbild; the caller sets its point 1 to (0, 0) before
// figures 1, 4, 5 and 8.
#include <cstdint>

namespace zormcom {

// Parameters of figure 8 after EAB (EB 69 for soldier-pile walls, P.Wandart = 1; EB 70 for the
// others) from the supports in force (P.ZAnker(1..AnzAnker); a hinged or fixed head, P.WandKopf 2
// or 3, counts as a support at depth 0) and H = P.zAush: levels z1, z2 (m), ratio eps and the
// figure to draw, 4 (trapezoid) or 5 (blocks). The r limits (first support / H) include their
// value and are compared in single precision. With three and more supports eps is searched so
// that the centroid of the trapezoid lies at 0.475 H (EB 69) or 0.55 H (EB 70).
// Without any support, or with H <= 0, nothing changes.
void UmlagerungEB69(float& z1, float& z2, float& eps, int16_t& figur);

// eps of the trapezoid 0 - 1 - 1 - eps over 0, z1, z2, H (St.ProbeH) whose centroid ratio zs / H
// comes within 0.001 of the target St.ProbeZiel (at most 11 halvings; 0 or 1 when the target lies
// beyond). figur is not used.
void UmlagerungIteration(float& z1, float& z2, float& eps, int16_t& figur);

// Set the last ordinate of the trial figure to eps and store its centroid ratio into the current
// (1), the lower-bound (2) or the upper-bound (3) value.
void Schwerpunkt1(float eps);
void Schwerpunkt2(float eps);
void Schwerpunkt3(float eps);

} // namespace zormcom

namespace zormc {

// Figure 1, over the supports: rising from the head to the first support, constant over the
// supports, falling to 0 at H. With no support in force the head is the support at depth 0.
void UmlagerungAnkerlagen();

// Figure 2, rectangle from the depth z0 of the leading layers without unit weight to H.
void UmlagerungRechteck();

// Figure 4, trapezoid: 0 at the head, e0 from a = P.UmZ1 to b = P.UmZ2, r e0 at H (r = P.EpsUml).
// A figure of area 0 (or less) is refused with zor::CalcAbort naming the stage.
void UmlagerungTrapez();

// Figure 5, blocks: r e0 from the head to a, e0 from a to b, r e0 from b to H. Area 0 refused.
void UmlagerungBlock();

// Figure 8: parameters by zormcom::UmlagerungEB69 into P.UmZ1, P.UmZ2, P.EpsUml and zormc::St.FigurEB69,
// then figure 4 or 5.
void UmlagerungEAB();

// Figure 7, by the wall's build method (P.Herstellart "hinterfuellt" or empty): a trapezoid from z0
// to zAush with the mean ordinate e0, factors f1 above and 2 - f1 below by the mean support depth.
void UmlagerungBauweise();

// Figure 6 (26 with the limited loads added unredistributed): the stage's own ratio table
// (zormcom::Lauf.Fig6ZAkt/Fig6VerhAkt), scaled to the resultant of the load diagram down to
// Ze1Fig6 (99 = the foot), replaces the load diagram down to the foot.
void UmlagerungEigeneFigur(int16_t figur);

// Water-pressure diagram of one side into St.Wasserbild. The caller sets the water level as the
// depth of point 2 (St.Wasserbild.z[2]) and St.WasserNeigungUnten (slope below the break depth).
// d is the break depth, s1 the slope above it (kN/m3); with zormcom::Lauf.kzWasserenth set every ordinate is
// 0 and s1 becomes 0. The break branch (seepage, zormcom::Lauf.kzStroem) starts at the water level when d
// lies above it.
void WasserdruckBild(float& d, float& s1);

} // namespace zormc
