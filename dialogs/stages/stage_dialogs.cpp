#include "dialogs/stages/stage_dialogs.h"

#include "dialogs/stages/frmAushub0.h"
#include "dialogs/stages/frmAushub1.h"
#include "dialogs/stages/frmAushub1b.h"
#include "dialogs/stages/redistribution_pages.h"
#include "dialogs/stages/table_pages.h"
#include "platform/forms/registry.h"

void RegisterStageDialogs() {
    vb::RegisterForm<frmAushub000>("frmAushub000");
    vb::RegisterForm<frmAushub0>("frmAushub0");
    vb::RegisterForm<frmAushub1>("frmAushub1");
    vb::RegisterForm<frmAushub1b>("frmAushub1b");
    vb::RegisterForm<frmAushub2>("frmAushub2");
    vb::RegisterForm<frmAushub3>("frmAushub3");
    vb::RegisterForm<frmAushub3b>("frmAushub3b");
    vb::RegisterForm<frmAushub4>("frmAushub4");
    vb::RegisterForm<frmAushub6>("frmAushub6");
    vb::RegisterForm<frmAushub7>("frmAushub7");
    vb::RegisterForm<frmAushub8>("frmAushub8");
}
