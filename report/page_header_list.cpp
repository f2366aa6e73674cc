#include "report/page_header_list.h"

#include "frame/file_routines.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

namespace Anzeigen {

namespace {
constexpr const char* kTrenner = " -|- ";

// All lines of the list file as stored (empty lines included).
std::vector<std::string> AlleZeilen() {
    std::vector<std::string> out;
    std::string name = H504ListenName();
    if (!DateiExistiert(name)) return out;
    int16_t fn = 0;
    try {
        fn = vb::FreeFile();
        vb::Open(name, vb::OpenMode::Input, fn);
        while (!vb::Eof(fn))
            out.push_back(vb::LineInput(fn));
        vb::Close(fn);
    } catch (...) {
        if (fn) vb::Close(fn);
    }
    return out;
}

bool Schreiben(const std::vector<std::string>& zeilen) {
    const std::string name = H504ListenName();
    try {
        vb::SaveReplacing(name, [&](const std::string& temp) {
            const int16_t fn = vb::FreeFile();
            vb::Open(temp, vb::OpenMode::Output, fn);
            try {
                for (const auto& z : zeilen)
                    vb::Print(fn, z);
            } catch (...) {
                vb::Close(fn);
                throw;
            }
            vb::Close(fn);
        });
    } catch (...) {
        vb::MsgBox("Die Liste"
                   "\r\n" +
                       name +
                       "\r\n"
                       "konnte nicht geschrieben werden.",
                   vb::vbExclamation);
        return false;
    }
    return true;
}
} // namespace

std::string H504ListenName() {
    return zorm1::P.WurzelOrdner + "H504List.txt";
}

std::string GesamtString(const Heft504Texte& t) {
    const std::string felder[] = {t.txtBauwerk,    t.txtBauteil, t.txtBlock, t.txtVorgang, t.txtVerfasser,
                                  t.txtVerfasser2, t.txtDatum,   "",         t.txtAsbNr};
    std::string z;
    for (int i = 0; i < 9; ++i) {
        if (i) z += kTrenner;
        z += vb::Trim(felder[i]);
    }
    return vb::Trim(z);
}

void EinzelStrings(const std::string& zeile, Heft504Texte& t) {
    std::string* felder[] = {&t.txtBauwerk,    &t.txtBauteil, &t.txtBlock, &t.txtVorgang, &t.txtVerfasser,
                             &t.txtVerfasser2, &t.txtDatum,   nullptr,     &t.txtAsbNr};
    std::size_t a = 0;
    for (int k = 0; k < 9; ++k) {
        const std::size_t e = zeile.find("-|-", a);
        const std::string stueck =
            vb::Trim(zeile.substr(a, e == std::string::npos ? std::string::npos : e - a));
        if (felder[k]) *felder[k] = stueck;
        if (e == std::string::npos) break;
        a = e + 3;
    }
}

std::vector<std::string> H504ListeLesen() {
    std::vector<std::string> out;
    for (auto& z : AlleZeilen())
        if (!z.empty()) out.push_back(z);
    return out;
}

bool H504ListeSchreiben(const std::string& erste, const std::vector<std::string>& eintraege) {
    std::vector<std::string> zeilen;
    if (!erste.empty()) zeilen.push_back(erste);
    for (const auto& e : eintraege) {
        std::string t = vb::Trim(e);
        if (t != erste) zeilen.push_back(t);
    }
    return Schreiben(zeilen);
}

bool H504SatzEintragen() {
    H504DateiSchreiben();
    const std::string neu = GesamtString(Heft504());
    std::vector<std::string> zeilen{neu};
    for (const auto& z : AlleZeilen()) {
        std::string t = vb::Trim(z);
        if (t != neu) zeilen.push_back(t);
    }
    const bool ok = Schreiben(zeilen);
    zorm1::P.H504Ein = -1;
    return ok;
}

} // namespace Anzeigen
