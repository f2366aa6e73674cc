#include "frame/run/windows.h"

#include "frame/run/frmDListe.h"
#include "frame/run/frmZOR0.h"
#include "graphics/frmZorG1.h"
#include "platform/forms/registry.h"

void RegisterFrameRunWindows() {
    vb::RegisterForm<frmZOR0>("frmZOR0");
    vb::RegisterForm<frmDListe>("frmDListe");
    zorg::RegisterGraphicsWindows();
}
