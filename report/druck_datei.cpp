#include "report/druck_datei.h"

#include <cstdint>

#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"

namespace Anzeigen {

std::string DruckDatei;

namespace {
constexpr const char* kBericht = "LPTZW";

// The lines of a text as Line Input # reads them (ended by CR LF, LF or CR; the last one also by the end
// of the text), each written back by Print # with CR LF: the bytes between the line ends stay as they are.
std::string MitCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32 + 2);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t ende = text.find_first_of("\r\n", pos);
        if (ende == std::string::npos) ende = text.size();
        out.append(text, pos, ende - pos);
        out += "\r\n";
        pos = ende;
        if (pos < text.size() && text[pos] == '\r') {
            ++pos;
            if (pos < text.size() && text[pos] == '\n') ++pos;
        } else if (pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return out;
}
} // namespace

KopieErgebnis DruckDateiKopieren() {
    DruckDatei = zorm1::P.GanzerNameOhneExt + ".AUS";
    try {
        if (!vb::FileExists(kBericht)) return KopieErgebnis::BerichtFehlt;
        if (vb::FileLen(kBericht) < 1) return KopieErgebnis::BerichtLeer;
    } catch (...) {
        return KopieErgebnis::BerichtFehlt;
    }
    try {
        vb::SaveReplacing(DruckDatei, [&](const std::string& temp) {
            const std::string kopie = MitCrLf(vb::ReadFileBytes(kBericht));
            vb::FileGuard ziel(temp, vb::OpenMode::Output);
            vb::PutBytes(ziel.nr(), kopie);
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
