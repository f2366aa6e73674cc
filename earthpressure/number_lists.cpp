#include "earthpressure/number_lists.h"

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"

using zorm1::P;

namespace zormb {

void ZahlenAusText(std::string& text, std::span<int16_t> liste) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) {
        text.clear();
    } else {
        const auto ende = text.find_last_not_of(' ');
        text = text.substr(anfang, ende - anfang + 1);
    }
    if (liste.empty()) throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");

    int16_t anzahl = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        long wert = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            wert = wert * 10 + (text[i] - '0');
            if (wert > 32767) throw vb::RuntimeError(6, "Überlauf");
            ++i;
        }
        ++anzahl;
        if (static_cast<std::size_t>(anzahl) >= liste.size())
            throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
        liste[static_cast<std::size_t>(anzahl)] = static_cast<int16_t>(wert);
    }
    liste[0] = anzahl;
}

void EingabeNachlesen() {
    zormcom::Lauf.DateiNr = vb::FreeFile();
    const int16_t f = zormcom::Lauf.DateiNr;
    vb::Open("WEXASAVE.", vb::OpenMode::Input, f);
    vb::FileGuard d(f);

    int16_t anzBoesch = 0;
    vb::Input(f, anzBoesch);
    if (anzBoesch < 0 || anzBoesch > zorm1::MaxBoeschungen)
        throw vb::RuntimeError(9, "Zu viele Böschungen in der Arbeitskopie \"WEXASAVE.\"");
    P.AnzBoesch = anzBoesch;
    for (int i = 1; i <= P.AnzBoesch; ++i)
        vb::Input(f, P.BoeschX1[i], P.BoeschX2[i], P.BoeschZ1[i], P.BoeschZ2[i], P.BoeschGamma[i],
                  P.BoeschPhi[i]);

    float verworfen = 0.0f;
    int16_t anzErd = 0;
    vb::Input(f, P.Wandart, P.WandKopf, P.Erddruckart, P.KonzFaktor, P.Etap, P.BeiwerteGegeben,
              P.WandreibungStufen, P.BBohl, P.ABohl, anzErd);
    if (anzErd < 0 || anzErd > zorm1::MaxSchichtenDatei)
        throw vb::RuntimeError(9, "Zu viele Bodenschichten in der Arbeitskopie \"WEXASAVE.\"");
    P.AnzErd = anzErd;
    vb::Input(f, P.RuheProz, verworfen, P.AnkerLaengen);
    if (P.WandreibungStufen > 1) P.WandreibungStufen = 0;

    vb::Input(f, P.ProjBez, P.ProjNr, P.PosName, P.GanzerNameOhneExt, P.Datum);

    for (int i = 1; i <= P.AnzErd; ++i) {
        vb::Input(f, P.SchichtDicke[i], P.SchichtPhi[i], P.SchichtDeltaA[i], P.SchichtDeltaP[i],
                  P.SchichtCa[i], P.SchichtCp[i], verworfen, P.SchichtGamma[i], P.SchichtGammaAuftrieb[i],
                  P.SchichtEI[i], P.SchichtGammaAush[i], P.SchichtGammaAuftriebAush[i], verworfen);
    }
    d.Close();
}

} // namespace zormb
