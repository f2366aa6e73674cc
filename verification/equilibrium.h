#pragma once
// Section 6 of a stage: the foot point of the deep slip plane, the horizontal sum Summe H1 of all
// forces the program knows with its table, and for soldier pile walls with a negative sum the result
// diagram files and the extra embedment that closes the missing force.
#include "earthpressure/diagrams.h"

namespace zormd {

// The depth below z0 at which the area under the list (below z0) reaches the force F (kN/m,
// negative: the missing force, against a negative remaining resistance), searched with steps of
// 1.0, 0.1 and 0.01 m (at most 50 each); dz is the distance to the first 0.01 m step past F.
// Returns false when F is never reached (the list ends, or its resistance is too small); dz is
// then 0.
bool TiefeFuerKraft(const zor::Ordinatenliste& R, float z0, float F, float& dz);

// Foot point of the deep slip plane (N.zGLF) when supports act and it is still 0: zFuss, or for a
// bedded foot the depth where the mean shear of the point rows below the excavation level turns
// from <= 0 to positive.
void FussPunktGleitfuge();

// Hext: the excavation-side wall loads acting in the stage, times gamQ in the partial-factor mode.
float AeussereHorizontalkraft();

// The values of the section (driver slot 6): the foot point of the deep slip plane, Hext, the vertical
// working values (VertikalWerteBilden), N.SummeH1 (0 within 0.5 kN/m), for a soldier pile wall with a
// negative sum the diagram files of the stage and the extra embedment N.DtH that closes it, merged into
// St.DeltaT (cleared below 0.01 m and for a foot hinged in rock).
void GleichgewichtBerechnen();

// The report lines of the section from those values; changes nothing.
void GleichgewichtDrucken();

} // namespace zormd
