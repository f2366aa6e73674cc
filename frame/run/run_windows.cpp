#include "frame/run/run_windows.h"

#include "platform/forms/forms.h"
#include "report/frmAnzeigen.h"

namespace zorrun {

namespace {

Fensteraufrufe Standard() {
    Fensteraufrufe f;
    f.ErgebnisFensterEntladen = [] { vb::Unload<frmAnzeigen>(); };
    f.BerichtFensterZeigen = [] { vb::form<frmAnzeigen>().Show(); };
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
