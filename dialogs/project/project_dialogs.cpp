#include "dialogs/project/project_dialogs.h"

#include <functional>

#include "dialogs/project/design_page.h"
#include "dialogs/project/frmAnker1.h"
#include "dialogs/project/frmAusgabe.h"
#include "dialogs/project/frmBTeilSi.h"
#include "dialogs/project/frmBemessung.h"
#include "dialogs/project/frmBoden0.h"
#include "dialogs/project/frmBoden1.h"
#include "dialogs/project/frmLast0.h"
#include "dialogs/project/frmProfile.h"
#include "dialogs/project/frmWand1.h"
#include "dialogs/project/load_chain.h"
#include "dialogs/project/soil_chain.h"
#include "platform/forms/registry.h"
#include "request/support_levels.h"
#include "request/wall_section.h"

void RegisterProjectDialogs() {
    vb::RegisterForm<frmBTeilSi>("frmBTeilSi");
    vb::RegisterForm<frmBTeilSi2>("frmBTeilSi2");
    vb::RegisterForm<frmWand1>("frmWand1");
    vb::RegisterForm<frmBemessung>("frmBemessung");
    vb::RegisterForm<frmProfile>("frmProfile");
    vb::RegisterForm<frmAnker1>("frmAnker1");
    vb::RegisterForm<frmAusgabe>("frmAusgabe");
    vb::RegisterForm<frmBoden0>("frmBoden0");
    vb::RegisterForm<frmLast0>("frmLast0");
    vb::RegisterForm<frmLast1>("frmLast1");
    vb::RegisterForm<frmLast2>("frmLast2");
    vb::RegisterForm<frmLast3>("frmLast3");
    vb::RegisterForm<frmLast4>("frmLast4");
    vb::RegisterForm<frmBoden1>("frmBoden1");
    vb::RegisterForm<frmBoden1a>("frmBoden1a");
    vb::RegisterForm<frmBoden2>("frmBoden2");
    vb::RegisterForm<frmBoden3>("frmBoden3");
    frmBemessung::Laden = &Bemessung::SeiteLaden;
    vb::RegisterCall<void()>("frmWand1.BPfalsTBW", std::function<void()>(&frmWand1::BPfalsTBW));
    vb::RegisterCall<void()>("frmWand1.BETON2", std::function<void()>(&frmWand1::BETON2));
    vb::RegisterCall<void()>("frmBemessung.subEBreite", std::function<void()>(&Bemessung::subEBreite));
    vb::RegisterCall<void()>("frmAnker1.AnkerAktualisieren",
                             std::function<void()>(&Anker::AnkerAktualisieren));
}
