#pragma once
// The envelope pictures: the deflection, moment and shear-force lines of several states drawn over each
// other in three columns, the depth stretched so that the deepest wall foot fills the frame.
//
//  - type 6 (lf, 0): the stages of load case lf, scaled with its record of "ZORGMAX2.ZZZ";
//  - type 7 (0, 1): every stage of every load case, scaled with "ZORGMAX3.ZZZ".
// The wall lines come from "ZORG.ZZZ" (written while the sequence shows the stages), the support levels
// from the project data, their largest forces from the sequence's maxima of the load case (type 6) or the
// verification's maxima of the run (type 7).
//
// Guards: a greatest foot depth of 0 (or no maxima record) draws only the frame and the titles; a
// greatest magnitude of 0 draws its line on the axis; a Sum V maximum that no record raised (the start
// value -99999) is not written; a short "ZORG.ZZZ" draws the states read so far.
#include <cstdint>
#include <string>

#include "graphics/drawing.h"
#include "graphics/plot.h"

namespace zorg {

// Record nr (1-based) of "ZORGMAX2.ZZZ" or "ZORGMAX3.ZZZ"; false when the file is missing or shorter.
bool FallMaximaLesen(const std::string& datei, int nr, FallMaxima& m);

// The reduction factor of the dotted second shear line: 0.5 for a foot fixed after Blum (Wandfuss 4);
// 1 - 0.5 EinspErg / 100 when the reached fixity EinspErg (%) exceeds 0.2 and the foot is not bedded;
// else 0 (no second line).
float QuerkraftFaktor(int16_t wandfuss, float einspErg, bool fussGebettet);

// The depth ruler: the last whole metre (0.9 x greatest foot depth, halves to even) and the step of
// the labels (1 up to 10 m, 2 up to 20 m, 5 beyond).
struct Lineal {
    int bis = 0, schritt = 1;
};
Lineal LinealVon(float zFussMax);

// Draws the envelope on the surface (after the page set-up): (lf, 0) type 6, (0, 1) type 7.
void UeberlagerungZeichnen(Flaeche& z, int16_t lf, int16_t alle);

} // namespace zorg
