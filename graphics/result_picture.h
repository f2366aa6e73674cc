#pragma once
// The result picture of one load case and excavation stage: seven diagrams over the depth of the wall in
// two rows of three columns, drawn from the plot record and its maxima that the picture sequence read last
// (Grafik().plot, Grafik().max) and from the stage's per-stage files in the current folder.
//
//   upper row: earth resistance | earth pressure with water pressure and additional stresses | resulting
//              wall load with the earth-resistance and bedding comparison
//   lower row: deflection | normal force and bending moment | shear force
//
// Depth z is drawn at y = yOben1 + z x Tiefenmassstab (upper row) or yOben2 + z x Tiefenmassstab (lower
// row); a diagram's largest absolute value lies MaxAusschlag from its axis. Drawing changes no project
// data: the stage's values come from the plot record and the project's stage (the wall-foot mode of the
// stage). The held record's earth-pressure list is cut at MaxZSigmaV in place, which a redraw
// repeats without change.
#include <cstdint>

#include "graphics/drawing.h"

namespace zorg {

// The layout values and scales of a drawing of the result picture (user units, scales in user units per
// unit of the value; a scale is 0 when its maximum is 0).
struct ErgebnisLayout {
    float Teilbreite = 0, MaxAusschlag = 0, HalbeHoehe = 0;
    float xAchse1 = 0, xAchse2 = 0, xAchse3 = 0, Versatz = 0, xKote = 0;
    float yOben1 = 0, yOben2 = 0, Diagrammhoehe = 0, Tiefenmassstab = 0;
    float MaxDruck = 0;
    float MassstabDruck = 0, MassstabSigmaV = 0, MassstabBelastung = 0, MassstabVerformung = 0,
          MassstabMoment = 0, MassstabQuerkraft = 0, MassstabNormalkraft = 0;
    int16_t iDruckEnde = 0;
    float xAchseWiderstand = 0, xWasser = 0, xZusatz = 0;
    // resultants over the extra embedment from "ZOREwidvW.", "ZOReP0.", "ZOReWas.", "ZOReZsp." (0: no file)
    float ResDeltaTWiderstand = 0, ResDeltaTErddruck = 0, ResDeltaTWasser = 0, ResDeltaTZusatz = 0;
    bool UeberlagerungGezeichnet = false; // the sum of the load-diagram copy and the resistance was drawn
    bool VergleichGezeichnet = false;     // the earth-resistance comparison of column 3 was drawn
    float SummeV = 0;                     // the design vertical force sum written under the normal force
};

// Draws the result picture of load case lf and stage stufe on the surface (after the page set-up) and
// returns its layout. A record whose picture depth ZEndeKoten is 0 or less draws heading and captions
// only. Files that are missing, short or do not fit the picture leave their figure out.
ErgebnisLayout ErgebnisseZeichnen(Flaeche& z, int16_t lf, int16_t stufe);

} // namespace zorg
