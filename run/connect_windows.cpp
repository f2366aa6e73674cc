#include "run/connect_windows.h"

#include "platform/forms/forms.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "report/frmAnzeigen.h"
#include "request/run_windows.h"
#include "run/slip_circle_progress.h"
#include "windows/unload_dialogs.h"

namespace zorrun {

namespace {
Meldungsfenster meldungen;
GleitkreisFenster gleitkreis;

// The main window's control, when the main window is loaded and has it.
template <class C> C* Hauptfenster(const char* name, int16_t index = -1) {
    vb::Form* f = vb::LoadedForm("frmAuswahl");
    return f ? dynamic_cast<C*>(f->find(name, index)) : nullptr;
}

// A window of the program loaded by its name; nothing when it is not part of the program yet.
void Laden(const char* name) {
    if (vb::IsRegistered(name)) vb::FormByName(name);
}

Fensteraufrufe Standard() {
    Fensteraufrufe f;
    f.Schaltflaeche = [](const std::string& name, bool frei) {
        if (auto* b = Hauptfenster<vb::CommandButton>(name.c_str())) b->setEnabled(frei);
    };
    f.Sanduhr = [](bool sanduhr) {
        if (vb::Form* h = vb::LoadedForm("frmAuswahl"))
            h->setMousePointer(sanduhr ? vb::vbHourglass : vb::vbDefault);
    };
    f.LastfallFokus = [] {
        auto* o = Hauptfenster<vb::OptionButton>("optAuswahl", 4);
        if (o && o->canTakeFocusNow()) o->SetFocus();
    };
    f.EndeFokus = [] {
        auto* b = Hauptfenster<vb::CommandButton>("cmdEnd");
        if (b && b->canTakeFocusNow()) b->SetFocus();
    };
    f.AnkerDialogEntladen = [] { vb::UnloadByName("frmAnker1"); };
    f.AnkerDialogLaden = [] { Laden("frmAnker1"); };
    f.ProfilListeLaden = [] { Laden("frmProfile"); };
    f.MaskenEntladen = zorm1::MaskenEntladen;
    f.ErgebnisFensterEntladen = [] { return vb::Unload<frmAnzeigen>() && vb::UnloadByName("frmZorG1"); };
    f.BerichtFensterZeigen = [] { vb::form<frmAnzeigen>().Show(); };
    f.GrafikFensterLaden = [] { Laden("frmZorG1"); };
    f.Nachgeben = [] { vb::DoEvents(); };
    f.GrafikFolgeBeenden = [] {
        if (!vb::LoadedForm("frmZorG1") || !vb::HasCall("frmZorG1.FolgeBeenden")) return false;
        vb::CallByName<void()>("frmZorG1.FolgeBeenden");
        return true;
    };
    return f;
}

} // namespace

void FensterStandard() {
    Fenster() = Standard();
}

int Meldungsfenster::Zeigen(std::string_view text, int knoepfe, std::string_view titel) {
    return vb::MsgBox(text, knoepfe, titel);
}

void Meldungsfenster::Signalton() {
    vb::Beep();
}

void FensterAnschliessen() {
    zor::MeldungenAnschliessen(&meldungen);
    Zormg::FortschrittAnschliessen(&gleitkreis);
    FensterStandard();
}

void FensterTrennen() {
    zor::MeldungenAnschliessen(nullptr);
    Zormg::FortschrittAnschliessen(nullptr);
}

} // namespace zorrun
