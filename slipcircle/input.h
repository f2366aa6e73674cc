#pragma once
// Input of the slip circle: the project copy "wexasave.GL1" and the plot records with the anchor block
// in "wexasave.gl2", both written by the verification stage at the end of a run.
#include <cstdint>

namespace Zormg {

// Reads both hand-over files of the current folder.
//   modus 0: the whole of both files; finds the governing excavation stage GkAushub (the last stage
//            whose excavation level lies deeper than that of the block read before it, across load
//            cases) and the number of load cases GlAnzLF.
//   modus != 0: the project copy and the plot records up to the block of load case Lastfall and stage
//            GkAushub; that block gives the anchors (kN/m along the anchor, inclination in degrees) and
//            struts of the model, sorted by level. Forces of the anchor block replace those of the block.
// Every open file is closed first (the report included). The wall body (DWand, GamWand) is taken from
// every copy. Side effects on the project data as the files hold them (titles, LFNr, AushNr, zFuss,
// additional stresses ...). FestPunkt := 99, DatenGelesen := True.
// A missing, short or disordered file, or a count beyond the arrays of the slip circle, abandons the
// calculation (zor::CalcAbort) with a message that names the file; mode 0 checks the whole of both
// files, so a load case read later in mode 1 cannot fail.
void GLDatenLesen(int16_t modus);

// index := the first i = 1..AnzPunkte with PunktNummer(i) = nummer, 0 when there is none.
void PunktSuchen(int16_t nummer, int16_t& index);

} // namespace Zormg
