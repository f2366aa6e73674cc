#pragma once
// Area loads on the earth side: unlimited loads (end x >= 99) act through the earth-pressure
// coefficients as a vertical stress; limited strip loads give a pressure figure on the wall
// between the slip lines from their edges.
#include <cstdint>

#include "earthpressure/diagrams.h"

namespace zormb {

// Moves the loads of the current load case that stand on an earth-side slope above the level
// zRef down to that level; their resultants stay. A level slope segment moves nothing.
void LastenAufBoeschung(float zRef);

// Depth z where a line from the load edge (x2, z) down toward the wall (x1) reaches it, layer
// by layer: modus 1 at the friction angle, modus 2 at 45 degrees + phi/2. x2 becomes the
// horizontal distance still to go in the last layer; gefunden = 1 when the wall was reached.
void Einflusstiefe(int16_t modus, int16_t& gefunden, float x1, float& x2, float& z);

// Two-point zero figure F of load j from the wall head to the depth zAus of its phi line from xA.
void Einflussbereich(int16_t j, zor::Ordinatenliste& F, float& zAus);

// The zero figure: (top of the first layer, 0) and (99, 0).
void LastfigurLeer(zor::Ordinatenliste& L);

// Adds figure F to the sum S in place (F is resampled onto the common depths). Nothing
// happens when either list is empty.
void LastfigurAddieren(zor::Ordinatenliste& S, zor::Ordinatenliste& F);

// Vertical-stress figure L of the unlimited loads acting in the stage.
void FlaechenlastFigur(zor::Ordinatenliste& L);

// Active pressure figure of the limited loads into B.BegrLast (reduced by a load's at-rest share
// when the pass has one: its at-rest figure then comes from BegrenzteLastRuhe).
void BegrenzteLastAktiv();

// Figure of the horizontal components of the limited loads into S, with F as scratch.
void HorizontallastFigur(zor::Ordinatenliste& F, zor::Ordinatenliste& S);

} // namespace zormb
