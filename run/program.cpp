#include "run/program.h"

#include <exception>
#include <string>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "platform/forms/forms.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "request/working_folder.h"
#include "run/connect_windows.h"
#include "run/windows.h"

namespace zorrun {

namespace {
std::unique_ptr<vb::OrdnerSperre> sperre; // the kernel releases it however the process ends
} // namespace

bool ArbeitsordnerBelegen() {
    sperre = ArbeitsordnerSperren();
    return sperre != nullptr;
}

bool ArbeitsordnerFreigeben() {
    const bool gehalten = sperre && sperre->gehalten();
    sperre.reset();
    return gehalten;
}

int ProgrammAusfuehren() {
    // Every window by its name, for the libraries below the one that defines it.
    RegisterFrameRunWindows();
    RegisterProjectDialogs();
    RegisterStageDialogs();
    // The calculation's messages and the slip circle's progress in the program's windows.
    FensterAnschliessen();
    if (!ArbeitsordnerBelegen()) return kProgrammOrdnerBelegt; // the message box has said so
    int code = kProgrammEnde;
    bool gestartet = false;
    for (;;) {
        try {
            if (!gestartet) {
                gestartet = true;
                vb::FormByName("frmZOR0");
            }
            vb::RunUntilNoForms();
            break;
        } catch (const vb::ProgramEnd& e) {
            code = e.code;
            break;
        } catch (const std::exception& e) {
            // An error no handler has trapped: the user is told, and the program goes on with its
            // windows as they are (it ends when none is left).
            vb::MsgBox(std::string("Unerwarteter Fehler:\r\n\r\n") + e.what(), vb::vbCritical);
            if (vb::Forms().empty()) {
                code = kProgrammFehler;
                break;
            }
        }
    }
    return code;
}

} // namespace zorrun
