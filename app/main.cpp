// The program: the Qt windows and printer installed, then the program itself (run/program.h); it ends
// when its last window is gone.
#include <QApplication>
#include <clocale>

#include "platform/qt/draw_printer.h"
#include "platform/qt/forms_qt.h"
#include "run/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZOR");
    // Qt takes the C library's locale from the environment; number texts and files must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    vb::qtforms::Install();
    // Printouts go to the system's default printer, or to PDF files where none is set up.
    vb::draw::qt::InstallPrinter();
    const int code = zorrun::ProgrammAusfuehren();
    vb::qtforms::Uninstall();
    return code;
}
