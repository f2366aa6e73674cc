#include "windows/unload_dialogs.h"

#include "platform/forms/registry.h"

namespace zorm1 {

void MaskenEntladen() {
    static const char* const kFenster[] = {
        "frmStartSeite", "frmHeft504B", "frmTitel",   "frmAushub000", "frmAushub0",  "frmAushub1",
        "frmAushub1b",   "frmAushub2",  "frmAushub3", "frmAushub3b",  "frmAushub4",  "frmAushub6",
        "frmAushub7",    "frmAushub8",  "frmBoden0",  "frmBoden1",    "frmBoden1a",  "frmBoden2",
        "frmBoden3",     "frmLast0",    "frmLast1",   "frmLast2",     "frmLast3",    "frmLast4",
        "frmWand1",      "frmAnker1",   "frmAusgabe", "frmProfile",   "frmBemessung"};
    for (const char* name : kFenster)
        vb::UnloadByName(name);
}

} // namespace zorm1
