#pragma once
// The pictures of the sequence, each drawn on the surface it is given after the page set-up.
#include <cstdint>
#include <functional>
#include <vector>

#include "graphics/drawing.h"

namespace zorg {

// Page set-up, then the drawers of picture kind art (2 system, 3 statics, 4 results, 6 envelope of a load
// case, 7 envelope of all load cases). False when the set-up finds no drawing area (printer margins).
bool BildZeichnen(Flaeche& z, int16_t art, int16_t stufe, int16_t lf);

// Prints the picture as one document named after the project and its tag "B" & 100 + bildNr, with
// the tag and the project's name in its lower left corner and the header boxes or the page number.
// False (no document) when the printer's margins leave no drawing area. `gezeichnet` runs once the
// picture's drawers are done, before the tag and the boxes (the window's pause and pointer).
bool BildDrucken(Flaeche& d, int16_t art, int16_t stufe, int16_t lf, int16_t bildNr,
                 const std::function<void()>& gezeichnet = nullptr);

// Picture 1 (art 0) or the system part of the statics picture of stage stufe (art 1).
void SystemZeichnen(Flaeche& z, int16_t art, int16_t stufe);
// Intervals of the load lines of a strip: about one per mm of paper, at least 1 (halves to even).
int16_t LastIntervalle(float laenge, float u);
// The loads of a load case on the statics picture.
void LastenZeichnen(Flaeche& z, int16_t lf, int16_t stufe);
// The inclination (degrees) of the row of the project's anchor table (AnkerNeigungGrad) at level z; 0 when
// no row holds that level.
float NeigungAufHoehe(float z);
// Supports, excavation and water levels of a stage.
void WasserAnkerZeichnen(Flaeche& z, int16_t stufe);
// Support forces, anchors, wall and foot, slip planes with the force polygon of the record in hand.
void StatikZeichnen(Flaeche& z, int16_t lf, int16_t stufe);
// The first record of "DIDUVU.PLT" for the load case and stage: centre, radius, eta and the arc's
// points; false when the file is missing, short or holds no such record.
struct Gleitkreis {
    float xM = 0, zM = 0, R = 0, eta = 0;
    std::vector<float> x, z;
};
bool GleitkreisLesen(int16_t lf, int16_t stufe, Gleitkreis& k);
// The slip circle of "DIDUVU.PLT" (nothing when the file is missing or short).
void GleitkreisZeichnen(Flaeche& z, int16_t lf, int16_t stufe);

} // namespace zorg
