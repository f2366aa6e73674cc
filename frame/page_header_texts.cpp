#include "frame/page_header_texts.h"

#include <optional>

#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

namespace Anzeigen {

namespace {
constexpr const char* H504Datei = kH504Datei;

// A text as one quoted item; a double quote inside cannot be stored and becomes an apostrophe.
std::string Gequotet(const std::string& s) {
    std::string t = s;
    for (char& c : t)
        if (c == '"') c = '\'';
    return "\"" + t + "\"";
}
} // namespace

Heft504Daten H504;

std::string& Heft504Texte::operator[](int i) {
    return const_cast<std::string&>(static_cast<const Heft504Texte&>(*this)[i]);
}

const std::string& Heft504Texte::operator[](int i) const {
    switch (i) {
    case 0:
        return txtVerfasser;
    case 1:
        return txtVerfasser2;
    case 2:
        return txtBauwerk;
    case 3:
        return txtDatum;
    case 4:
        return txtBauteil;
    case 5:
        return txtBlock;
    case 6:
        return txtVorgang;
    default:
        return txtAsbNr;
    }
}

void ResetH504() {
    H504 = Heft504Daten{};
}

Heft504Texte& Heft504() {
    if (!H504.DialogGeladen) H504DateiLesen();
    return H504.Dialog;
}

void H504DateiLesen() {
    H504.DialogGeladen = true;
    H504.LeisteGeladen = true;
    std::string text;               // the last text read; a failed read leaves it as it was
    std::optional<vb::FileGuard> d; // empty when the file cannot be opened
    try {
        d.emplace(H504Datei, vb::OpenMode::Input);
    } catch (...) {
    }
    for (int i = 0; i < Heft504Texte::Anzahl; ++i) {
        if (d) {
            try {
                vb::InputItem(d->nr(), text);
            } catch (...) {
            }
        }
        H504.Dialog[i] = text;
        H504.Leiste[i] = text;
    }
    if (d) d->Close();
}

bool H504DateiSchreiben() {
    const Heft504Texte& t = Heft504();
    try {
        // Every project read writes its texts here; a file that already holds them stays as it is.
        vb::SaveReplacingWhenChanged(H504Datei, [&](const std::string& temp) {
            vb::FileGuard d(temp, vb::OpenMode::Output);
            for (int i = 0; i < Heft504Texte::Anzahl; ++i)
                vb::Print(d.nr(), Gequotet(t[i]));
            d.Close();
        });
    } catch (...) {
        return false;
    }
    return true;
}

} // namespace Anzeigen
