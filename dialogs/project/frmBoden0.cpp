#include "dialogs/project/frmBoden0.h"

#include "frame/project_data.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

frmBoden0::frmBoden0()
    : EinfuegenLoeschenSeite({.name = "frmBoden0",
                              .titel = "Boden0",
                              .rahmen = "Bodenschichten :",
                              .loeschen = "Schicht  eliminieren    .......  Nr.",
                              .einfuegen = "Schicht einfügen vor  .......  Nr.",
                              .anzahl = P.AnzErd,
                              .hoechstens = 8,
                              .anzahlGesperrt = false,
                              .loesche = &BodenLoesch,
                              .fuegeEin = &BodenNeu,
                              .zurueck = &Zurueck}) {}

void frmBoden0::SchichtKopieren(int16_t z, int16_t q) {
    P.SchichtDicke[z] = P.SchichtDicke[q];
    P.SchichtPhi[z] = P.SchichtPhi[q];
    P.SchichtDeltaA[z] = P.SchichtDeltaA[q];
    P.SchichtDeltaP[z] = P.SchichtDeltaP[q];
    P.SchichtCa[z] = P.SchichtCa[q];
    P.SchichtCp[z] = P.SchichtCp[q];
    P.SchichtGamma[z] = P.SchichtGamma[q];
    P.SchichtGammaAuftrieb[z] = P.SchichtGammaAuftrieb[q];
    P.SchichtGammaAush[z] = P.SchichtGammaAush[q];
    P.SchichtGammaAuftriebAush[z] = P.SchichtGammaAuftriebAush[q];
    P.SchichtEI[z] = P.SchichtEI[q];
    P.SchichtKaghVorgabe[z] = P.SchichtKaghVorgabe[q];
    P.SchichtKachVorgabe[z] = P.SchichtKachVorgabe[q];
    P.SchichtKpchVorgabe[z] = P.SchichtKpchVorgabe[q];
    P.SchichtKpghVorgabe[z] = P.SchichtKpghVorgabe[q];
    P.SchichtDeltaANeu[z] = P.SchichtDeltaANeu[q];
    P.SchichtDeltaPNeu[z] = P.SchichtDeltaPNeu[q];
}

void frmBoden0::BodenLoesch(int16_t i) {
    if (P.AnzErd <= 1 || i < 1 || i > P.AnzErd || P.AnzErd > 8) return;
    for (int16_t k = i; k <= P.AnzErd; ++k)
        SchichtKopieren(k, int16_t(k + 1));
    --P.AnzErd;
}

void frmBoden0::BodenNeu(int16_t i) {
    if (i < 1 || i > P.AnzErd || P.AnzErd >= 8) return;
    for (int16_t k = P.AnzErd; k >= i; --k)
        SchichtKopieren(int16_t(k + 1), k);
    ++P.AnzErd;
}

void frmBoden0::Zurueck() {
    if (vb::Form* a = vb::LoadedForm("frmAuswahl")) {
        if (vb::Control* c = a->find("txtAushub", 4))
            if (auto* t = dynamic_cast<vb::TextBox*>(c)) t->setText(vb::Str(P.AnzErd));
        a->Show();
        if (vb::Control* c = a->find("optAuswahl", 2); c && c->canTakeFocusNow()) c->SetFocus();
    }
}
