#include "run/windows.h"

#include "graphics/frmZorG1.h"
#include "platform/forms/registry.h"
#include "run/frmAuswahl.h"
#include "run/frmDListe.h"
#include "run/frmDateiwahl.h"
#include "run/frmTitel.h"
#include "run/frmZOR0.h"

void RegisterFrameRunWindows() {
    vb::RegisterForm<frmZOR0>("frmZOR0");
    vb::RegisterForm<frmDListe>("frmDListe");
    vb::RegisterForm<frmTitel>("frmTitel");
    vb::RegisterForm<frmDateiwahl>("frmDateiwahl");
    vb::RegisterForm<frmAuswahl>("frmAuswahl");
    zorg::RegisterGraphicsWindows();
}
