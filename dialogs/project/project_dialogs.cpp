#include "dialogs/project/project_dialogs.h"

#include "dialogs/project/frmBTeilSi.h"
#include "platform/forms/registry.h"

void RegisterProjectDialogs() {
    vb::RegisterForm<frmBTeilSi>("frmBTeilSi");
    vb::RegisterForm<frmBTeilSi2>("frmBTeilSi2");
}
