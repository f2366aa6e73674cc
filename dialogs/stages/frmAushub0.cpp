#include "dialogs/stages/frmAushub0.h"

#include <algorithm>

#include "dialogs/project/page.h"
#include "dialogs/stages/depth_table.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

frmAushub0::frmAushub0()
    : EinfuegenLoeschenSeite({.name = "frmAushub0",
                              .titel = "Aushub0",
                              .rahmen = "Aushubzustände :",
                              .loeschen = "Aushub eliminieren     .......  Nr.",
                              .einfuegen = "Aushub einfügen vor  .......  Nr.",
                              .anzahl = P.AnzAush,
                              .hoechstens = zorm1::MaxAushub,
                              .anzahlGesperrt = true,
                              .loesche = &AushubLoesch,
                              .fuegeEin = &AushubNeu,
                              .zurueck = &Zurueck}) {}

void frmAushub0::AushubKopieren(int16_t z, int16_t q) {
    if (z < 0 || z > zorm1::MaxAushub || q < 0 || q > zorm1::MaxAushub) return;
    P.ZWasserErdAush[z] = P.ZWasserErdAush[q];
    P.AushubWert19[z] = P.AushubWert19[q];
    P.UmZeit[z] = P.UmZeit[q];
    P.UmArt[z] = P.UmArt[q];
    P.kzUeb[z] = P.kzUeb[q];
    P.kzWasserenthAush[z] = P.kzWasserenthAush[q];
    P.AnzFigur6Aush[z] = P.AnzFigur6Aush[q];
    P.Ze1Fig6Aush[z] = P.Ze1Fig6Aush[q];
    P.EpsFuss6Aush[z] = P.EpsFuss6Aush[q];
    for (int16_t i = 1; i <= std::clamp<int16_t>(P.AnzFigur6Aush[q], 0, 15); ++i) {
        P.Fig6Z(z, i) = P.Fig6Z(q, i);
        P.Fig6Verh(z, i) = P.Fig6Verh(q, i);
    }
    P.FussGebettet[z] = P.FussGebettet[q];
    P.BettAnz[z] = P.BettAnz[q];
    for (int16_t i = 1; i <= std::clamp<int16_t>(P.BettAnz[q], 0, 20); ++i) {
        P.BettT(z, i) = P.BettT(q, i);
        P.BettC(z, i) = P.BettC(q, i);
    }
    const int16_t ne = Tabelle::ZaehlerLesen(P.EahGeg(q, 0));
    for (int16_t i = 0; i <= ne; ++i) {
        P.ZEahGeg(z, i) = P.ZEahGeg(q, i);
        P.EahGeg(z, i) = P.EahGeg(q, i);
    }
    const int16_t np = Tabelle::ZaehlerLesen(P.EphGeg(q, 0));
    for (int16_t i = 0; i <= np; ++i) {
        P.TEphGeg(z, i) = P.TEphGeg(q, i);
        P.EphGeg(z, i) = P.EphGeg(q, i);
    }
    for (int16_t k = 1; k <= 12; ++k)
        if (P.DeltaNeuAushub[k] == q) P.DeltaNeuAushub[k] = z;
}

void frmAushub0::AushubLoesch(int16_t d) {
    if (P.AnzAush <= 1 || d < 1 || d > P.AnzAush || P.AnzAush > zorm1::MaxAushub) return;
    for (int16_t k = 1; k <= 12; ++k)
        if (P.DeltaNeuAushub[k] == d) P.DeltaNeuAushub[k] = 0;
    for (int16_t s = d; s <= P.AnzAush - 1; ++s) {
        zormcom::AushubLaden(int16_t(s + 1));
        zormcom::AushubSpeichern(s);
        AushubKopieren(s, int16_t(s + 1));
    }
    --P.AnzAush;
}

void frmAushub0::AushubNeu(int16_t e) {
    if (e < 1 || e > P.AnzAush || P.AnzAush >= zorm1::MaxAushub) return;
    for (int16_t s = P.AnzAush; s >= e; --s) {
        zormcom::AushubLaden(s);
        zormcom::AushubSpeichern(int16_t(s + 1));
        AushubKopieren(int16_t(s + 1), s);
    }
    ++P.AnzAush;
}

void frmAushub0::Zurueck() {
    vb::Form* a = vb::LoadedForm("frmAuswahl");
    if (!a) return;
    if (vb::Control* c = a->find("txtAushub", 0))
        if (auto* t = dynamic_cast<vb::TextBox*>(c)) t->setText(vb::Str(P.AnzAush));
    if (vb::Control* c = a->find("txtAushub", 1)) {
        if (auto* t = dynamic_cast<vb::TextBox*>(c)) {
            P.AushNr = Seite::GanzzahlLesen(t->Text()).value_or(P.AushNr);
            if (P.AushNr > P.AnzAush) {
                t->setText(vb::StrPlain(P.AnzAush));
                P.AushNr = P.AnzAush;
            }
        }
    }
    a->Show();
    if (vb::Control* c = a->find("optAuswahl", 3); c && c->canTakeFocusNow()) c->SetFocus();
}
