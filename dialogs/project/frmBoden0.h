#pragma once
// The page "Boden0" (frmBoden0): one soil layer deleted, or a new layer inserted before a given one, every
// per-layer input value of the layers below moving with its layer (the page itself:
// dialogs/project/insert_delete_page.h). OK returns to the main window with the new layer count and the
// soil layers topic focused.
#include <cstdint>

#include "dialogs/project/insert_delete_page.h"

class frmBoden0 : public EinfuegenLoeschenSeite {
public:
    frmBoden0();

    // Deletes layer i (1..AnzErd); the only layer is kept (a project has at least one).
    static void BodenLoesch(int16_t i);
    // Inserts a copy of layer i before it (1 <= i <= AnzErd < 8).
    static void BodenNeu(int16_t i);

private:
    static void SchichtKopieren(int16_t ziel, int16_t quelle);
    static void Zurueck();
};
