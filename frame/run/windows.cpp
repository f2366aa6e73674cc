#include "frame/run/windows.h"

#include "frame/run/frmAuswahl.h"
#include "frame/run/frmDListe.h"
#include "frame/run/frmDateiwahl.h"
#include "frame/run/frmTitel.h"
#include "frame/run/frmZOR0.h"
#include "graphics/frmZorG1.h"
#include "platform/forms/registry.h"

void RegisterFrameRunWindows() {
    vb::RegisterForm<frmZOR0>("frmZOR0");
    vb::RegisterForm<frmDListe>("frmDListe");
    vb::RegisterForm<frmTitel>("frmTitel");
    vb::RegisterForm<frmDateiwahl>("frmDateiwahl");
    vb::RegisterForm<frmAuswahl>("frmAuswahl");
    zorg::RegisterGraphicsWindows();
}
