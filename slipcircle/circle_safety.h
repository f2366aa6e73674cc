#pragma once
// Safety of one slip circle by the slice method of DIN 4084 (1981), with the loads on the sliding body.
//
// Model coordinates (x to the earth side, z downward, m); angles in radians (the centre search converts
// the model's degrees before it evaluates circles). Lines 0..AnzLinien must lie on the common grid
// LinienRaster made by the centre search (search.h: ModellVorbereiten).
#include <cstdint>

namespace Zormg {

// Evaluates the circle with the centre (xM, zM) and the radius Radius of the run state:
//   slip line = arc from AuslaufwinkelLuft to AuslaufwinkelErde in 50 steps with straight run-outs to the
//   model limits; slices on the common abscissae of all lines; weights above and below the water line,
//   surcharges, water moment, load moments, anchors and struts; eta = resisting / driving moment iterated
//   from 1.4 until two values differ by at most 0.01 (at most 200 steps; unsettled: the lower of the last
//   two values). Global concept or partial factors (gamG1C, gamQ1C, gamPhiWirk, gamCWirk).
// Results: eta (888 for a circle whose driving or resisting moment is 0 or less, whose safety exceeds 888,
// or that gives no finite number), the minima of the centre, the ring and the load case with the critical
// slip line, KreisZaehler, Abbruch (1: a safety below 0.7; 2: the circle after 1000 invalid ones with a
// negative anchor moment, not counted). Every 50th circle is shown in row 3 of the progress window.
// A circle without a sliding body (or one reaching the left model limit), or whose arc ends beyond the
// model limits, changes nothing and is not counted. The body ends at the slip line's last crossing of the
// ground: where that crossing went into a nearby vertex of the common abscissae and the last slice would
// reach beyond it, the crossing becomes a vertex of every line and the body's last point.
void KreisSicherheit();

// First and last slip-line point of the sliding body (0 when there is none).
void LamellenBereich(int16_t& erste, int16_t& letzte);

// Width, base angle, weight, friction angle and cohesion of the slices erste..letzte-1.
void LamellenWerte(int16_t erste, int16_t letzte);

// Adds the vertical intensities of the loads to LamGewicht (permanent) and LamVerkehr (variable).
void LamellenZusatz(int16_t erste, int16_t letzte);

// Moment of the horizontal intensities of the loads about the centre (kN m/m, positive driving).
void LastenMomente(int16_t erste, int16_t letzte, float& ML);

// Share of an anchor's force that counts where it crosses the slip line at the angle winkelGrad
// (inclination plus base angle, degrees): 1 up to 90 degrees, then less by 1/15 per degree, 0 from 105.
double AnkerAbminderung(double winkelGrad);

// A value rounded to 7 significant digits.
float Auf7Stellen(double v);

} // namespace Zormg
