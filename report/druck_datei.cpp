#include "report/druck_datei.h"

#include <cstdint>

#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"

namespace Anzeigen {

std::string DruckDatei;

namespace {
constexpr const char* kBericht = "LPTZW";
}

KopieErgebnis DruckDateiKopieren() {
    DruckDatei = zorm1::P.GanzerNameOhneExt + ".AUS";
    try {
        if (!vb::FileExists(kBericht)) return KopieErgebnis::BerichtFehlt;
        if (vb::FileLen(kBericht) < 1) return KopieErgebnis::BerichtLeer;
    } catch (...) {
        return KopieErgebnis::BerichtFehlt;
    }
    int16_t quelle = 0;
    try {
        vb::SaveReplacing(DruckDatei, [&](const std::string& temp) {
            quelle = vb::FreeFile();
            vb::Open(kBericht, vb::OpenMode::Input, quelle);
            const int16_t ziel = vb::FreeFile();
            try {
                vb::Open(temp, vb::OpenMode::Output, ziel);
                while (!vb::Eof(quelle))
                    vb::Print(ziel, vb::LineInput(quelle));
            } catch (...) {
                vb::Close(ziel);
                throw;
            }
            vb::Close(ziel);
            vb::Close(quelle);
            quelle = 0;
        });
    } catch (...) {
        if (quelle) vb::Close(quelle);
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
