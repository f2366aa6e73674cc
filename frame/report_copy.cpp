#include "frame/report_copy.h"

#include <cstdint>

#include "frame/file_routines.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"

namespace Anzeigen {

std::string DruckDatei;

namespace {
constexpr const char* kBericht = "LPTZW";

// Writes the lines of a text as Line Input # reads them (ended by CR LF, LF or CR; the last one also by
// the end of the text) to file fn as Print # writes them, each with CR LF: the bytes between the line ends
// stay as they are.
void MitCrLfSchreiben(int16_t fn, const std::string& text) {
    std::string stueck; // written out in pieces of about 64 KB
    stueck.reserve(65536 + 2);
    const char* p = text.data();
    const char* const ende = p + text.size();
    while (p < ende) {
        const char* z = p;
        while (z < ende && *z != '\r' && *z != '\n')
            ++z;
        stueck.append(p, z);
        stueck += "\r\n";
        if (z < ende && *z++ == '\r' && z < ende && *z == '\n') ++z; // CR LF, LF or CR
        p = z;
        if (stueck.size() >= 65536) {
            vb::PutBytes(fn, stueck);
            stueck.clear();
        }
    }
    vb::PutBytes(fn, stueck);
}
} // namespace

KopieErgebnis DruckDateiKopieren() {
    std::string name = zorm1::P.DateiName;
    DruckDatei = zorm1::P.DateiPfad + Anzeigen::OhneErweiterung(name) + ".AUS";
    try {
        if (!vb::FileExists(kBericht)) return KopieErgebnis::BerichtFehlt;
        if (vb::FileLen(kBericht) < 1) return KopieErgebnis::BerichtLeer;
    } catch (...) {
        return KopieErgebnis::BerichtFehlt;
    }
    try {
        vb::SaveReplacing(DruckDatei, [&](const std::string& temp) {
            const std::string bericht = vb::ReadFileBytes(kBericht);
            vb::FileGuard ziel(temp, vb::OpenMode::Output);
            MitCrLfSchreiben(ziel.nr(), bericht);
            ziel.Close();
        });
    } catch (...) {
        return KopieErgebnis::Schreibfehler;
    }
    return KopieErgebnis::Ok;
}

std::string KopieMeldung(KopieErgebnis e) {
    switch (e) {
    case KopieErgebnis::Ok:
        return {};
    case KopieErgebnis::BerichtFehlt:
        return "Die Ausgabe-Datei LPTZW der Berechnung fehlt."
               "\r\n"
               "Angezeigt wird " +
               DruckDatei + ".";
    case KopieErgebnis::BerichtLeer:
        return "Die Ausgabe-Datei LPTZW der Berechnung ist leer."
               "\r\n"
               "Angezeigt wird " +
               DruckDatei + ".";
    case KopieErgebnis::Schreibfehler:
        return "Die Ausgabe konnte nicht nach"
               "\r\n" +
               DruckDatei +
               "\r\n"
               "kopiert werden. Die bisherige Datei bleibt erhalten.";
    }
    return {};
}

} // namespace Anzeigen
