#include "frame/run/fenster.h"

#include "frame/run/frmAuswahl.h"
#include "frame/run/frmDListe.h"
#include "frame/run/frmDateiwahl.h"
#include "frame/run/frmTitel.h"
#include "frame/run/frmZOR0.h"
#include "platform/forms/registry.h"
#include "report/frmAnzeigen.h"

namespace zorrun {

void FensterRegistrieren() {
    vb::RegisterForm<frmZOR0>("frmZOR0");
    vb::RegisterForm<frmTitel>("frmTitel");
    vb::RegisterForm<frmDateiwahl>("frmDateiwahl");
    vb::RegisterForm<frmDListe>("frmDListe");
    vb::RegisterForm<frmAuswahl>("frmAuswahl");
    vb::RegisterForm<frmAnzeigen>("frmAnzeigen");
}

} // namespace zorrun
