// The settings file "ZORPFAD.DAT": reading, writing and the start dialog's defaults.
#include "frame/settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "frame/file_routines.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

using zorm1::P;

namespace Anzeigen {

namespace {

// The reading uses this fixed file number; nothing else may be open on it meanwhile.
constexpr int16_t kLeseNr = 1;

// Reads one item into a variable; the variable changes only when the item was read.
template <class T> void lesen(T& ziel) {
    T wert{};
    vb::InputItem(kLeseNr, wert);
    ziel = wert;
}

void verwerfen() {
    int16_t rest = 0;
    vb::InputItem(kLeseNr, rest);
}

// Twips per millimetre: picture margins of older files were stored in twips.
constexpr double kTwipsJeMm = 1440.0 / 25.4;

int16_t twipsZuMm(int16_t twips) {
    return vb::CInt(static_cast<double>(twips) / kTwipsJeMm);
}

// The reserved general item of line 8: nothing when empty, a number as it is, else a
// quoted text.
std::string allgemeinesItem(const std::string& wert) {
    if (wert.empty()) return {};
    if (vb::IsNumeric(wert)) return vb::Trim(wert);
    return vb::WriteItem(wert).text();
}

} // namespace

void PfadDateiLesen() {
    auto& P = zorm1::P;
    try {
        std::string name = P.WurzelOrdner + kEinstellungsDatei;
        if (!DateiExistiert(name)) name = kEinstellungsDatei;
        vb::Open(name, vb::OpenMode::Input, kLeseNr);
        lesen(P.DateiPfad);
        lesen(P.DateiName);
        lesen(P.GanzerName);
        lesen(P.GrafikRandLinks);
        lesen(P.GrafikRandRechts);
        lesen(P.GrafikRandOben);
        lesen(P.GrafikRandUnten);
        lesen(P.GrafikRandOU);
        lesen(P.GrafikRandLR);
        lesen(P.Einst3c);
        lesen(P.TextFontName);
        lesen(P.TextFontSize);
        lesen(P.TextFontBold);
        lesen(P.GrafikFontName);
        lesen(P.GrafikFontSize);
        lesen(P.GrafikFontBold);
        lesen(P.NaechsteSeite);
        verwerfen();
        lesen(P.RandOben);
        lesen(P.RandUnten);
        lesen(P.H504Ein);
        lesen(P.Querformat);
        lesen(P.Einst8a);
        lesen(P.Einst8b);
        lesen(P.Einst8c);
        verwerfen();
        lesen(P.HintergrundFarbe);
        lesen(P.VordergrundFarbe);
        verwerfen();
        for (int i = 0; i < 4; ++i)
            lesen(P.RahmenEin);
        vb::Close(kLeseNr);
    } catch (...) {
        // A missing or short file ends the reading quietly.
        vb::Close(kLeseNr);
    }
}

bool PfadDateiSchreiben() {
    auto& P = zorm1::P;
    const std::string name = P.WurzelOrdner + kEinstellungsDatei;

    // Picture margins still in twips (from an older version) become millimetres.
    if (static_cast<int32_t>(P.GrafikRandLinks) + P.GrafikRandRechts > 400) {
        P.GrafikRandLinks = twipsZuMm(P.GrafikRandLinks);
        P.GrafikRandRechts = twipsZuMm(P.GrafikRandRechts);
        P.GrafikRandUnten = twipsZuMm(P.GrafikRandUnten);
        P.GrafikRandOben = twipsZuMm(P.GrafikRandOben);
    }
    if (P.NaechsteSeite == 0) P.NaechsteSeite = P.SeitenNr;

    try {
        vb::SaveReplacingWhenChanged(name, [&](const std::string& temp) {
            const int16_t f = vb::FreeFile();
            vb::Open(temp, vb::OpenMode::Output, f);
            try {
                vb::Write(f, P.DateiPfad, P.DateiName, P.GanzerName);
                vb::Write(f, P.GrafikRandLinks, P.GrafikRandRechts, P.GrafikRandOben, P.GrafikRandUnten);
                vb::Write(f, P.GrafikRandOU, P.GrafikRandLR, P.Einst3c);
                vb::Write(f, P.TextFontName, P.TextFontSize, P.TextFontBold);
                vb::Write(f, P.GrafikFontName, P.GrafikFontSize, P.GrafikFontBold);
                vb::Write(f, P.NaechsteSeite, int16_t{0});
                vb::Write(f, P.RandOben, P.RandUnten, P.H504Ein, P.Querformat);
                vb::Print(f, vb::WriteItem(P.Einst8a).text() + "," + allgemeinesItem(P.Einst8b) + "," +
                                 vb::WriteItem(P.Einst8c).text());
                vb::Write(f, int16_t{0}, P.HintergrundFarbe, P.VordergrundFarbe, int16_t{0});
                vb::Write(f, P.RahmenEin, P.RahmenEin, P.RahmenEin, P.RahmenEin);
            } catch (...) {
                vb::Close(f);
                throw;
            }
            vb::Close(f);
        });
    } catch (const std::exception&) {
        zor::Melden("Die Einstellungen konnten nicht gespeichert werden:\n" + name +
                        "\n\nDie bisherige Datei bleibt unverändert.",
                    vb::vbExclamation);
        return false;
    }
    return true;
}

void StandardwerteSetzen() {
    auto& P = zorm1::P;
    if (!PfadExistiert(P.DateiPfad)) {
        // The drive of the root folder; on a file system without drives its top.
        const std::string& w = P.WurzelOrdner;
        P.DateiPfad = (w.size() >= 2 && w[1] == ':') ? w.substr(0, 2) : std::string(1, vb::PathSep);
    }
    if (P.GrafikFontName.empty()) P.GrafikFontName = "Courier New";
    if (P.TextFontName.empty()) P.TextFontName = "Courier New";
    if (P.TextFontSize == 0.0f) {
        P.TextFontSize = 8.25f;
        P.RandOben = 10;
        P.RandUnten = 10;
    }
    if (P.GrafikFontSize == 0.0f) {
        P.GrafikFontSize = 6.75f;
        P.GrafikRandLinks = 20;
        P.GrafikRandRechts = 5;
        P.GrafikRandOben = 10;
        P.GrafikRandUnten = 5;
    }
    if (!DateiExistiert(P.GanzerName)) P.DateiName.clear();
    if (P.DateiName.empty()) {
        P.DateiName = "testzor";
        P.DateiPfad = vb::CurDir();
        // The run command of the README keeps the projects in a folder of their own, apart from the
        // working files of the current folder: it names that folder in ZOR_PROJEKTORDNER.
        if (const char* o = std::getenv("ZOR_PROJEKTORDNER"); o && *o && vb::FolderExists(o)) P.DateiPfad = o;
    }
    // The folder always ends with the separator: a name typed behind it is joined to it as it stands.
    P.DateiPfad = MitBackslash(P.DateiPfad);
}

} // namespace Anzeigen
