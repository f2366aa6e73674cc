#include "dialogs/project/frmLast0.h"

#include <algorithm>

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace {

constexpr int kMaxLF = 8;
constexpr int kMaxLuft = 8; // wall loads per load case
constexpr int kMaxErd = 8;  // area loads per load case (the at-rest arrays end at 8)
constexpr int kMaxEintrag = 8;

int Anzahl(int16_t n, int hoechstens) {
    return std::clamp<int>(n, 0, hoechstens);
}

// Slot z takes the loads of slot q (loads 1 to q's counts; loads behind them keep their values).
void LastfallKopieren(int z, int q) {
    const int nl = Anzahl(P.AnzLastLuftLF[q], kMaxLuft);
    for (int j = 1; j <= nl; ++j) {
        P.LuftLastH(z, j) = P.LuftLastH(q, j);
        P.LuftLastM(z, j) = P.LuftLastM(q, j);
        P.LuftLastZ(z, j) = P.LuftLastZ(q, j);
        const int ne = Anzahl(P.LuftLastNichtIn(q, j, 0), kMaxEintrag);
        for (int e = 0; e <= ne; ++e)
            P.LuftLastNichtIn(z, j, e) = P.LuftLastNichtIn(q, j, e);
    }
    P.AnzLastLuftLF[z] = P.AnzLastLuftLF[q];
    const int ne = Anzahl(P.AnzLastErdLF[q], kMaxErd);
    for (int j = 1; j <= ne; ++j) {
        P.ErdLastPv(z, j) = P.ErdLastPv(q, j);
        P.ErdLastPh(z, j) = P.ErdLastPh(q, j);
        P.ErdLastXA(z, j) = P.ErdLastXA(q, j);
        P.ErdLastXE(z, j) = P.ErdLastXE(q, j);
        P.ErdLastZ(z, j) = P.ErdLastZ(q, j);
        P.ErdLastDauer(z, j) = P.ErdLastDauer(q, j);
        P.ErdLastRuheProz(z, j) = P.ErdLastRuheProz(q, j);
        P.ErdLastRuheFaktor(z, j) = P.ErdLastRuheFaktor(q, j);
        const int nn = Anzahl(P.ErdLastNichtIn(q, j, 0), kMaxEintrag);
        for (int e = 0; e <= nn; ++e)
            P.ErdLastNichtIn(z, j, e) = P.ErdLastNichtIn(q, j, e);
    }
    P.AnzLastErdLF[z] = P.AnzLastErdLF[q];
    P.NKopfLF[z] = P.NKopfLF[q];
}

void LastfallLeeren(int s) {
    P.AnzLastLuftLF[s] = 0;
    P.AnzLastErdLF[s] = 0;
    P.NKopfLF[s] = 0.0f;
    for (int j = 0; j <= 8; ++j) {
        P.LuftLastH(s, j) = P.LuftLastM(s, j) = P.LuftLastZ(s, j) = 0.0f;
        P.ErdLastRuheProz(s, j) = 0;
        P.ErdLastRuheFaktor(s, j) = 0.0f;
        for (int e = 0; e <= 8; ++e)
            P.LuftLastNichtIn(s, j, e) = P.ErdLastNichtIn(s, j, e) = 0;
    }
    for (int j = 0; j <= 15; ++j)
        P.ErdLastPv(s, j) = P.ErdLastPh(s, j) = P.ErdLastXA(s, j) = P.ErdLastXE(s, j) = P.ErdLastZ(s, j) =
            P.ErdLastDauer(s, j) = 0.0f;
}

} // namespace

frmLast0::frmLast0() : vb::Form("frmLast0") {
    setCaption("Last0");
    Resizable = false;
    Frame1.setCaption("Lastfälle :");
    Frame1.Move(120, 60, 6000, 1500);
    Label1.add(0, &Frame1).setCaption("Anzahl bisher  ............................");
    Label1(0).Move(480, 300, 3600, 240);
    Option1.setCaption("Lastfall eliminieren    .......  Nr.");
    Option1.Move(120, 660, 3960, 270);
    for (int16_t i = 0; i < 2; ++i) {
        vb::TextBox& t = Text1.add(i, &Frame1);
        t.MaxLength = 2;
        t.Move(4300, 270 + 360 * i, 700, 285);
        Seite::Tastenfilter(t);
    }
    Label1.add(1, &Frame1).setCaption("Keine Eingabe: nichts ändern. Mindestens 1 LF bleibt erhalten.");
    Label1(1).Move(480, 1080, 5400, 240);
    cmdOK.setCaption("OK");
    cmdOK.Move(4320, 1640, 1800, 480);
    setClientSize(6240, 2240);
    Option1.Click = [this] {
        Text1(1).setEnabled(true);
        Seite::FokusZurueck(Text1(1));
    };
    Text1.onLostFocus([this](int16_t i) { Text1_LostFocus(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmLast0::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { Text1(0).setText(vb::Str(P.AnzLF)); });
    Text1(1).setEnabled(false);
}

void frmLast0::Text1_LostFocus(int16_t Index) {
    if (Index != 1) return;
    const auto v = Seite::GanzzahlLesen(Text1(1).Text());
    if (!v || *v > P.AnzLF) {
        if (!v) vb::Beep();
        Text1(1).setText(vb::Str(P.AnzLF));
        Seite::FokusZurueck(Text1(1));
        return;
    }
    nummer_ = *v < 1 ? 0 : *v;
}

void frmLast0::LFLoesch(int16_t k) {
    const int n = Anzahl(P.AnzLF, kMaxLF);
    if (k < 1 || k > n) return;
    for (int s = k; s <= n && s < kMaxLF; ++s)
        LastfallKopieren(s, s + 1);
    if (n == kMaxLF) LastfallLeeren(kMaxLF);
    P.AnzLF = static_cast<int16_t>(n - 1);
}

void frmLast0::cmdOK_Click() {
    cmdOK.setEnabled(false);
    if (Option1.Value()) nummer_ = Seite::GanzzahlLesen(Text1(1).Text()).value_or(0);
    if (nummer_ >= 1 && nummer_ <= P.AnzLF) LFLoesch(nummer_);
    vb::Unload(*this);
    if (vb::Form* a = vb::LoadedForm("frmAuswahl")) {
        auto box = [a](int16_t i) { return dynamic_cast<vb::TextBox*>(a->find("txtAushub", i)); };
        if (auto* t = box(2)) t->setText(vb::Str(P.AnzLF));
        if (auto* t = box(3)) {
            P.LFNr = Seite::GanzzahlLesen(t->Text()).value_or(0);
            if (P.LFNr > P.AnzLF) {
                t->setText(vb::Str(P.AnzLF));
                P.LFNr = P.AnzLF;
            }
        }
        if (vb::Control* c = a->find("optAuswahl", 4); c && c->canTakeFocusNow()) c->SetFocus();
        a->Show();
    }
}
