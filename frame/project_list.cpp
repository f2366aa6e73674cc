#include "frame/project_list.h"

#include "frame/file_routines.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

using zorm1::P;

namespace DListe {

std::string ListenName() {
    return P.WurzelOrdner + kListenDatei;
}

std::vector<std::string> Lesen() {
    std::vector<std::string> v;
    std::string name = ListenName();
    if (!Anzeigen::DateiExistiert(name)) return v;
    const int16_t fn = vb::FreeFile();
    try {
        vb::Open(name, vb::OpenMode::Input, fn);
        while (!vb::Eof(fn)) {
            std::string eintrag;
            vb::Input(fn, eintrag);
            v.push_back(eintrag);
        }
    } catch (const vb::RuntimeError&) {
        // A damaged end of the list: the entries read so far count.
    }
    vb::Close(fn);
    return v;
}

bool Schreiben(const std::vector<std::string>& eintraege) {
    try {
        vb::SaveReplacingWhenChanged(ListenName(), [&eintraege](const std::string& temp) {
            const int16_t fn = vb::FreeFile();
            vb::Open(temp, vb::OpenMode::Output, fn);
            try {
                for (const auto& e : eintraege)
                    vb::Write(fn, e);
            } catch (...) {
                vb::Close(fn);
                throw;
            }
            vb::Close(fn);
        });
        return true;
    } catch (const vb::RuntimeError&) {
        zor::Melden("Die Liste der Eingabedateien konnte nicht gespeichert werden:\r\n" + ListenName());
        return false;
    }
}

void Bereinigen() {
    std::vector<std::string> bleiben;
    for (std::string e : Lesen())
        if (Anzeigen::DateiExistiert(e)) bleiben.push_back(e); // e is trimmed by the test
    Schreiben(bleiben);
}

bool Aktualisieren(const std::string& ganzerName) {
    std::vector<std::string> neu{ganzerName};
    for (const auto& e : Lesen())
        if (e != ganzerName) neu.push_back(e);
    return Schreiben(neu);
}

} // namespace DListe
