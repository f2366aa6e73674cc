// The program: the start window first; the program ends when its last window is gone.
#include <QApplication>
#include <clocale>
#include <exception>
#include <string>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "platform/forms/forms.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/qt/draw_printer.h"
#include "platform/qt/forms_qt.h"
#include "run/connect_windows.h"
#include "run/windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZOR");
    // Qt takes the C library's locale from the environment; number texts and files must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    vb::qtforms::Install();
    // Printouts go to the system's default printer, or to PDF files where none is set up.
    vb::draw::qt::InstallPrinter();
    // Every window by its name, for the libraries below the one that defines it.
    RegisterFrameRunWindows();
    RegisterProjectDialogs();
    RegisterStageDialogs();
    // The calculation's messages and the slip circle's progress in the program's windows.
    zorrun::FensterAnschliessen();
    int code = 0;
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
                code = 1;
                break;
            }
        }
    }
    vb::qtforms::Uninstall();
    return code;
}
