#include "dialogs/project/frmBoden0.h"

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

frmBoden0::frmBoden0() : vb::Form("frmBoden0") {
    setCaption("Boden0");
    Resizable = false;
    Frame1.setCaption("Bodenschichten :");
    Frame1.Move(120, 60, 6000, 1900);
    Label1.add(0, &Frame1).setCaption("Anzahl bisher  ............................");
    Label1(0).Move(480, 300, 3600, 240);
    Option1.add(1, &Frame1).setCaption("Schicht  eliminieren    .......  Nr.");
    Option1(1).Move(120, 660, 3960, 270);
    Option1.add(2, &Frame1).setCaption("Schicht einfügen vor  .......  Nr.");
    Option1(2).Move(120, 1020, 3960, 270);
    for (int16_t i = 0; i < 3; ++i) {
        vb::TextBox& t = Text1.add(i, &Frame1);
        t.MaxLength = 2;
        t.Move(4300, 270 + 360 * i, 700, 285);
        Seite::Tastenfilter(t);
    }
    Label1.add(3, &Frame1).setCaption("Keine Eingabe: nichts ändern.");
    Label1(3).Move(480, 1440, 4000, 240);
    cmdOK.setCaption("OK");
    cmdOK.Move(4320, 2040, 1800, 480);
    setClientSize(6240, 2640);
    Option1.onClick([this](int16_t i) { Option1_Click(i); });
    Text1.onLostFocus([this](int16_t i) { Text1_LostFocus(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmBoden0::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { Text1(0).setText(vb::Str(P.AnzErd)); });
    Text1(1).setEnabled(false);
    Text1(2).setEnabled(false);
}

void frmBoden0::Option1_Click(int16_t Index) {
    const int16_t anderer = Index == 1 ? 2 : 1;
    Text1(Index).setEnabled(true);
    Seite::FokusZurueck(Text1(Index));
    Text1(anderer).setEnabled(false);
}

void frmBoden0::Text1_LostFocus(int16_t Index) {
    if (Index == 0) return;
    const auto n = Seite::GanzzahlLesen(Text1(Index).Text());
    if (!n || *n > P.AnzErd) {
        if (!n) vb::Beep();
        Text1(Index).setText(vb::Str(P.AnzErd));
        Seite::FokusZurueck(Text1(Index));
        return;
    }
    (Index == 1 ? loeschen_ : einfuegen_) = *n;
}

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

void frmBoden0::cmdOK_Click() {
    cmdOK.setEnabled(false);
    if (Option1(1).Value()) {
        loeschen_ = Seite::GanzzahlLesen(Text1(1).Text()).value_or(0);
        einfuegen_ = 0;
    }
    if (Option1(2).Value()) {
        einfuegen_ = Seite::GanzzahlLesen(Text1(2).Text()).value_or(0);
        loeschen_ = 0;
    }
    if (loeschen_ >= 1 && loeschen_ <= P.AnzErd) BodenLoesch(loeschen_);
    if (einfuegen_ >= 1 && einfuegen_ <= P.AnzErd && P.AnzErd < 8) BodenNeu(einfuegen_);
    vb::Unload(*this);
    if (vb::Form* a = vb::LoadedForm("frmAuswahl")) {
        if (vb::Control* c = a->find("txtAushub", 4))
            if (auto* t = dynamic_cast<vb::TextBox*>(c)) t->setText(vb::Str(P.AnzErd));
        a->Show();
        if (vb::Control* c = a->find("optAuswahl", 2); c && c->canTakeFocusNow()) c->SetFocus();
    }
}
