#pragma once
// Parts of the statics overlay that the tests look at on their own.
#include <utility>
#include <vector>

#include "graphics/drawing.h"
#include "graphics/plot.h"

namespace zorg {

// The first segment (from point k-1 to point k) of a polyline that the line through (x1, z1) and
// (x2, z2) meets within both, and the point; false when no segment is met (nothing is drawn then).
bool StrahlTreffer(const std::vector<std::pair<float, float>>& linie, float x1, float z1, float x2, float z2,
                   float& xs, float& zs, int& segment);
// Where a ray through (x1, z1) and (x2, z2) ends on a polyline: its first hit; without one, the point where
// it meets the line through the last segment. False only when that line is parallel to the ray (nothing
// is drawn then).
bool StrahlEnde(const std::vector<std::pair<float, float>>& linie, float x1, float z1, float x2, float z2,
                float& xs, float& zs);
// The earth-side ground line (wall head, slopes, then level to x = 999) and the excavation bottom line.
std::vector<std::pair<float, float>> Gelaendelinie();
std::vector<std::pair<float, float>> Sohllinie();
// The passive slip angle at the foot: interpolated between the two passive entries around the foot;
// the first entry's angle when it already lies below the foot; the record's angle without such entries.
float PassivWinkelAmFuss(const PlotSatz& s);

// The force polygon drawn from (x0, y0): its corner points in drawing order (start, after G+P, Ea,
// [Coh], Q, anchor force, E1) and its force scale (m of drawing per kN/m, G+P 20 mm of paper). A G+P of
// 0 draws nothing (no points).
struct Krafteck {
    std::vector<std::pair<float, float>> punkte;
    float massstab = 0;
};
Krafteck KrafteckZeichnen(Flaeche& z, const PlotSatz& s, float x0, float y0);

} // namespace zorg
