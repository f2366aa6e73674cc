#include "dialogs/stages/frmAushub0.h"

#include <algorithm>

#include "dialogs/project/page.h"
#include "dialogs/stages/depth_table.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

frmAushub0::frmAushub0() : vb::Form("frmAushub0") {
    setCaption("Aushub0");
    Resizable = false;
    Frame1.setCaption("Aushubzustände :");
    Frame1.Move(120, 60, 6000, 1900);
    Label1.add(0, &Frame1).setCaption("Anzahl bisher  ............................");
    Label1(0).Move(480, 300, 3600, 240);
    Option1.add(1, &Frame1).setCaption("Aushub eliminieren     .......  Nr.");
    Option1(1).Move(120, 660, 3960, 270);
    Option1.add(2, &Frame1).setCaption("Aushub einfügen vor  .......  Nr.");
    Option1(2).Move(120, 1020, 3960, 270);
    for (int16_t i = 0; i < 3; ++i) {
        vb::TextBox& t = Text1.add(i, &Frame1);
        t.MaxLength = 2;
        t.Move(4300, 270 + 360 * i, 700, 285);
        Seite::Tastenfilter(t);
    }
    Text1(0).Locked = true;
    Label1.add(3, &Frame1).setCaption("Keine Eingabe: nichts ändern.");
    Label1(3).Move(480, 1440, 4000, 240);
    cmdOK.setCaption("OK");
    cmdOK.Move(4320, 2040, 1800, 480);
    setClientSize(6240, 2640);
    Option1.onClick([this](int16_t i) { Option1_Click(i); });
    Text1.onLostFocus([this](int16_t i) { Text1_LostFocus(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAushub0::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { Text1(0).setText(vb::Str(P.AnzAush)); });
    Text1(1).setEnabled(false);
    Text1(2).setEnabled(false);
}

void frmAushub0::Option1_Click(int16_t Index) {
    const int16_t anderer = Index == 1 ? 2 : 1;
    Text1(Index).setEnabled(true);
    Seite::FokusZurueck(Text1(Index));
    Text1(anderer).setEnabled(false);
}

void frmAushub0::Text1_LostFocus(int16_t Index) {
    if (Index == 0) return;
    const auto n = Seite::GanzzahlLesen(Text1(Index).Text());
    if (!n || *n > P.AnzAush) {
        if (!n) vb::Beep();
        Text1(Index).setText(vb::Str(P.AnzAush));
        Seite::FokusZurueck(Text1(Index));
        return;
    }
    (Index == 1 ? loeschen_ : einfuegen_) = *n;
}

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

void frmAushub0::cmdOK_Click() {
    cmdOK.setEnabled(false);
    if (Option1(1).Value()) {
        loeschen_ = Seite::GanzzahlLesen(Text1(1).Text()).value_or(0);
        einfuegen_ = 0;
    }
    if (Option1(2).Value()) {
        einfuegen_ = Seite::GanzzahlLesen(Text1(2).Text()).value_or(0);
        loeschen_ = 0;
    }
    if (loeschen_ >= 1 && loeschen_ <= P.AnzAush) AushubLoesch(loeschen_);
    if (einfuegen_ >= 1 && einfuegen_ <= P.AnzAush && P.AnzAush < zorm1::MaxAushub) AushubNeu(einfuegen_);
    vb::Unload(*this);
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
