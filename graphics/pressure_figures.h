#pragma once
// Pieces of the result and envelope pictures that draw a diagram: the hatching of a diagram, a figure read
// from one of the per-stage figure files of the verification stage, and the label of a curve's extreme
// value. Everything is drawn on the surface it is given, in user units after the page set-up: x in m of
// the drawing, depth y downward.
#include <cstdint>
#include <span>
#include <string>

#include "graphics/drawing.h"

namespace zorg {

// Hatches the area between the axis x0 and the polyline through the points 0..n (value werte(k) at depth
// tiefen(k), drawn at x0 + sx x value, y0 + sz x depth) with horizontal lines. m := tiefen(n) / 0.1
// rounded to the nearest whole number (halves to even); for m <= 1 nothing is drawn. Otherwise the
// levels are i x tiefen(n) / m, i = 1..m; each gets the value of the last segment k (1..n) with
// tiefen(k - 1) < level <= tiefen(k), interpolated linearly, 0 when no segment holds it, and one line
// from the axis to that value. Points beyond the arrays count as absent (n is cut to what they hold);
// at most 10000 lines.
void Schraffieren(Flaeche& z, std::span<const float> werte, std::span<const float> tiefen, int16_t n,
                  float x0, float y0, float sx, float sz);

// The figure of a per-stage file ("ZOREwidvW." ... followed by the stage's extension, current folder):
// line 1 the count n and the stage's horizontal force sum (kept in Grafik().SummeH), then n lines of
// depth (not decreasing) and ordinate. The list is cut at the picture's depth (Grafik().plot.ZEndeKoten)
// at the value it reaches there from above, closed back to the axis at that depth and drawn at
// x = x0 + dx + se x ordinate, y = y0 + sz x depth; its end value is written beside the end point (seite
// -1: on its left, 0: on its right) and the resultant between the wall foot (Grafik().plot.zFuss) and
// the picture's depth, "(" value ")", halfway down between them. n receives the index of the cut point,
// differenz the resultant.
// Returns false, and draws nothing and changes neither n, differenz nor SummeH, when the file is missing,
// shorter than its count, holds something that is no number, a count below 1, or a last depth above the
// picture's depth.
bool DruckfigurAusDatei(Flaeche& z, const std::string& name, int16_t& n, float x0, float dx, float se,
                        float y0, float sz, int16_t seite, float& differenz);

// The label of a curve's extreme value, written once per curve: when maxOffen is set, maxWert > 0 and
// wert = maxWert, "#####0.0" of maxWert beside the point drawn at x0a + x0b - faktor x seite x maxWert,
// depth y zt + dz (the label ends one unit left of the point for seite 1, starts one unit left of it
// for seite -1), maxOffen cleared; otherwise the same for the minimum (minWert < 0, placed the other
// way round). The label stands just above the point's depth and is moved below zt when it would reach
// it; a value below 0.1 in magnitude prints nothing (the flag is cleared all the same).
void MaxWertSchreiben(Flaeche& z, float wert, float maxWert, float minWert, bool& maxOffen, bool& minOffen,
                      float x0a, float x0b, float faktor, float zt, float dz, int16_t seite);

} // namespace zorg
