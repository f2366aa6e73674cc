#include "frame/run/run_windows.h"

#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"

using zorm1::P;

namespace zorrun {

namespace {

Fensteraufrufe Standard() {
    Fensteraufrufe f;
    f.BerichtFensterZeigen = [] { DruckDateiSchreiben(); };
    return f;
}

Fensteraufrufe& Installiert() {
    static Fensteraufrufe f = Standard();
    return f;
}

} // namespace

Fensteraufrufe& Fenster() {
    return Installiert();
}

void FensterStandard() {
    Installiert() = Standard();
}

std::function<bool()> DruckDateiSchreiben = BerichtKopieren;

std::string DruckDatei() {
    return P.GanzerNameOhneExt + ".AUS";
}

bool BerichtKopieren() {
    const std::string ziel = DruckDatei();
    try {
        vb::SaveReplacing(ziel, [](const std::string& temp) {
            const int16_t ein = vb::FreeFile();
            vb::Open("LPTZW", vb::OpenMode::Input, ein);
            const int16_t aus = vb::FreeFile();
            try {
                vb::Open(temp, vb::OpenMode::Output, aus);
                while (!vb::Eof(ein))
                    vb::Print(aus, vb::LineInput(ein));
            } catch (...) {
                vb::Close(aus);
                vb::Close(ein);
                throw;
            }
            vb::Close(aus);
            vb::Close(ein);
        });
        return true;
    } catch (const std::exception& e) {
        vb::MsgBox("Der Bericht konnte nicht nach\r\n" + ziel + "\r\nkopiert werden (" + e.what() +
                       ").\r\nDie bisherige Datei bleibt unverändert.",
                   vb::vbExclamation);
        return false;
    }
}

} // namespace zorrun
