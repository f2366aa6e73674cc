#pragma once
// The page "Aushub0" (frmAushub0): one excavation stage deleted, or a new stage inserted before a given one;
// every per-stage value of the later stages (their Aushubstufe and the per-stage arrays)
// moves with its stage, and the list of stages with changed wall friction follows the moved stages (the page
// itself: dialogs/project/insert_delete_page.h). OK returns to the main window with the new stage count, the
// current stage kept within it, and the stages topic focused.
//
// The stage numbers are read as 16-bit integers (rounded) before the range test, so the test and the move
// use the same number. The only stage is never deleted: a project keeps at least one stage. A project of 15
// stages takes no further one.
#include <cstdint>

#include "dialogs/project/insert_delete_page.h"

class frmAushub0 : public EinfuegenLoeschenSeite {
public:
    frmAushub0();

    // Deletes stage d (1..AnzAush); the only stage is kept.
    static void AushubLoesch(int16_t d);
    // Inserts a copy of stage e before it (1 <= e <= AnzAush < 15).
    static void AushubNeu(int16_t e);
    // Copies the per-stage arrays of stage quelle into stage ziel (0..15) and moves the wall-friction stage
    // list entries naming quelle to ziel.
    static void AushubKopieren(int16_t ziel, int16_t quelle);

private:
    static void Zurueck();
};
