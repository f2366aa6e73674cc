#pragma once
// Node grid and load diagram of the beam of one stage.
//
// Node markers (St.Knoten.e, the solver's encoding): 0 none; -1 support; -(10 * LFNr + j)
// excavation-side wall load j of the current load case; any other value a spring stiffness in
// MN/m2 per metre of wall.
#include "earthpressure/diagrams.h"

namespace zormc {

// Builds the node grid of the current stage and brings it onto common depths with the load
// diagram St.Lastbild:
//  - the wall head, the supports in force (P.ZAnker(1..AnzAnker)),
//  - with a bedded foot (zormc::St.BettungStufe = 1) bedding nodes from zormc::St.HUmlagerung to
//  zormcom::Lauf.zFuss (steps
//    0.1 m growing to 1.0 m) and the depths of the bedding curve St.BettFeder (depths below
//    HUmlagerung), each with the spring of the bedding resultant between its neighbours split by
//    the lever rule, times EphPfahl / Eph for soldier-pile walls; a support in the bedded zone stays
//    a support and takes no spring share;
//  - without a bedded foot in foot modes 1 and 2 the earth-support point St.ZErdauflager (a
//    support), then the foot zormcom::Lauf.zFuss;
//  - the wall loads of the current load case acting in the stage (zormcom::Lauf) down to the foot;
//    a wall load that meets a node with a marker moves 0.005 m down (up at the foot);
//  - the moment hinge P.zMGelenk when above the foot, shifted up in steps of 0.01 m from any node
//    depth and from zAush; zormc::St.zGelenk is the hinge used (0 = none). A hinge pushed up to the head is
//    dropped with a "***" note (St.Hinweise).
// Afterwards St.Knoten and St.Lastbild share depths and count; St.Wasserbild is a copy of the grid.
// A grid beyond 250 points throws zor::CalcAbort.
void KnotenAufbauen();

// Load diagram for pure earth pressure at rest: the earth-pressure sum minus the limited loads,
// reduced by the at-rest reduction figure of the stage (P.UmFigur 0, 1 or 2 with P.UmZ1, P.UmZ2,
// P.EpsUml), plus the limited loads; down to zormcom::Lauf.zFuss. begrenzt shares its points with summe
// (begrenzt.n points).
void LastbildAufbauen(zor::Ordinatenliste& lastbild, const zor::Ordinatenliste& summe,
                      const zor::Ordinatenliste& begrenzt);

// St.SigmaV := the load diagram from P.zAush down (first point interpolated at zAush);
// St.LastResultierendeOben := area of the load diagram from the head to zAush.
void LastUnterSohle();

// Adds the limited-load pressure above the excavation level (the copy the earth-pressure stage
// made, zormb::B.BegrLastKopie) to St.Lastbild.
void ZusatzlastAddieren();

} // namespace zormc
