#include "frame/run/run_windows.h"

#include "frame/unload_dialogs.h"
#include "platform/forms/forms.h"
#include "platform/forms/registry.h"
#include "report/frmAnzeigen.h"

namespace zorrun {

namespace {

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
    f.GrafikFolgeBeenden = [] {
        if (!vb::LoadedForm("frmZorG1") || !vb::HasCall("frmZorG1.FolgeBeenden")) return false;
        vb::CallByName<void()>("frmZorG1.FolgeBeenden");
        return true;
    };
    return f;
}

Fensteraufrufe& Installiert() {
    static Fensteraufrufe f = Standard();
    return f;
}

} // namespace

Fensteraufrufe& Fenster() {
    return Installiert();
}

void FensterStandard() {
    Installiert() = Standard();
}

} // namespace zorrun
