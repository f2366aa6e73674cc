#pragma once
// Earth-side slopes as an additional vertical stress on the wall's depth axis: each slope
// segment acts like a surcharge gamma x height that sets in below a starting depth and
// reaches its full value at an end depth.
#include "earthpressure/diagrams.h"

namespace zormb {

// Builds the vertical stress of the slopes of the current slope table into the list R, with F
// and S as scratch lists. deltaP does not change the result (only active coefficients are used); it stays for
// the callers. A slope with unit weight 0 and a level segment contribute nothing. The result starts at the
// top of the first layer, ends at 99, has no jumps and no two depths closer than 1 cm.
void ErddruckBoeschung(zor::Ordinatenliste& R, zor::Ordinatenliste& F, zor::Ordinatenliste& S, float deltaP);

} // namespace zormb
