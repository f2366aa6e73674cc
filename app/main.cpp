// The program: the start window first; the program ends when its last window is gone.
#include <QApplication>
#include <exception>
#include <string>

#include "frame/frmZOR0.h"
#include "platform/forms/forms.h"
#include "platform/forms/msgbox.h"
#include "platform/qt/forms_qt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZOR");
    vb::qtforms::Install();
    int code = 0;
    try {
        vb::form<frmZOR0>();
        vb::RunUntilNoForms();
    } catch (const vb::ProgramEnd& e) {
        code = e.code;
    } catch (const std::exception& e) {
        vb::MsgBox(std::string("Unerwarteter Fehler:\r\n\r\n") + e.what(), vb::vbCritical);
        code = 1;
    }
    vb::qtforms::Uninstall();
    return code;
}
