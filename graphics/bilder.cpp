#include "graphics/bilder.h"

#include "frame/project_data.h"
#include "graphics/folge.h"

namespace zorg {

WeitereBilder& Weitere() {
    static WeitereBilder w;
    return w;
}

bool BildZeichnen(Flaeche& z, int16_t art, int16_t stufe, int16_t lf) {
    if (!MassstabEinrichten(z)) return false;
    switch (art) {
    case kSystem: SystemZeichnen(z, 0, 0); break;
    case kStatik:
        SystemZeichnen(z, 1, stufe);
        LastenZeichnen(z, lf, stufe);
        WasserAnkerZeichnen(z, stufe);
        StatikZeichnen(z, lf, stufe);
        if (zorm1::P.GelaendebruchEin != 0) GleitkreisZeichnen(z, lf, stufe);
        break;
    case kErgebnis:
        if (Weitere().Ergebnisse) Weitere().Ergebnisse(z, lf, stufe);
        break;
    case kHuelleLF:
        if (Weitere().Ueberlagerung) Weitere().Ueberlagerung(z, lf, 0);
        break;
    case kHuelleAlle:
        if (Weitere().Ueberlagerung) Weitere().Ueberlagerung(z, 0, 1);
        break;
    default: break;
    }
    return true;
}

// Filled in by the statics drawers.
void LastenZeichnen(Flaeche&, int16_t, int16_t) {}
void WasserAnkerZeichnen(Flaeche&, int16_t) {}
void GleitkreisZeichnen(Flaeche&, int16_t, int16_t) {}

} // namespace zorg
