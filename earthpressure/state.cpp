#include "earthpressure/state.h"

#include "earthpressure/coefficients.h"
#include "earthpressure/report_file.h"
#include "frame/run_state.h"

namespace zormcom {

Laufwerte Lauf;
Laufvorgaben Vorgaben;

void LaufwerteZuruecksetzen() {
    Lauf = Laufwerte{};
    Vorgaben = Laufvorgaben{};
}

} // namespace zormcom

namespace zormb {

Erddruckzustand B;
Keilmodell Keil;
Gleitergebnis GleitErgebnis;

void ErddruckZustandZuruecksetzen() {
    B = Erddruckzustand{};
}

void KeilZuruecksetzen() {
    Keil = Keilmodell{};
}

void GleitErgebnisZuruecksetzen() {
    GleitErgebnis = Gleitergebnis{};
}

} // namespace zormb

namespace zor {

void ErddruckLaufZuruecksetzen() {
    zormcom::LaufwerteZuruecksetzen();
    zormb::ErddruckZustandZuruecksetzen();
    zormb::KeilZuruecksetzen();
    zormb::GleitErgebnisZuruecksetzen();
    zorma::BerichtZuruecksetzen();
    zormcom::BeiwerteZuruecksetzen();
    zormcom::DiagrammZustandZuruecksetzen();
}

namespace {
const LaufzustandAnmeldung anmeldung(&ErddruckLaufZuruecksetzen);
} // namespace

} // namespace zor
