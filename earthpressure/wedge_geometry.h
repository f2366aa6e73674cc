#pragma once
// Plane model of the excavation side for the passive trial slip planes: numbered points,
// polylines defined by lists of point codes, all lines on one common grid of x positions,
// the soil values of every layer slice and, per trial plane, the slip line, the columns of the
// wedge and the share of the bottom loads on each column.
//
// x in m, 0 at the wall face, negative toward the excavation (every line starts at x = -999);
// z in m below the wall head. The model is rebuilt from the project data at every search; it
// lives in zormb::Keil (earthpressure/state.h).
#include <cstdint>

#include "earthpressure/state.h"

#include "earthpressure/polylines.h"

namespace zormb {

// Index of the point with the given code, 0 when there is none.
void PunktCodeSuchen(int16_t code, int16_t& index);

// Brings every line 0..LetzteGleitLinie + 1 onto the x positions of all others.
void GelaendeSchneiden();

// Fills GleitListe1(kExit..kWall - 1) with the bottom loads above the slip line per column.
void GleitkeilGeometrie(int16_t kExit, int16_t kWall);

// Builds the model from the current stage and the layers as entered (angles in degrees).
void KeilmodellAufbauen();

// Builds the trial wedge of the depth zp at the wall and the plane angle theta (radians,
// positive when the plane rises away from the wall): the slip line, the lines clipped to it,
// the exit and wall indices and the column loads.
void Probekeil(float zp, float theta, int16_t& kExit, int16_t& kWall);

// A trial wedge merges its lines in one walk over the saved grid where it can (see Probekeil); with
// false it restores the lines and merges them by GelaendeSchneiden, the slower reference the tests
// hold the walk against. True at program start.
void EinWegMerge(bool an);
bool EinWegMerge();

} // namespace zormb
