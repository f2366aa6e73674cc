#include "earthpressure/handover_b.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "earthpressure/figure_points.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"

using zorm1::P;

namespace zormb {

namespace {

void AnzahlPruefen(int wert, int unten, int oben, const char* datei) {
    if (wert < unten || wert > oben)
        throw vb::RuntimeError(9, std::string("Index außerhalb des gültigen Bereichs beim Lesen von \"") +
                                      datei + "\"");
}

// Reads the items of a file into their variables and notes each value, or, for the same bytes read
// again, gives the variables the values noted, in the same order.
class Leser {
public:
    Leser(int16_t f, std::vector<uint32_t>& werte, bool wieder) : f_(f), werte_(werte), wieder_(wieder) {}
    template <class... T> void operator()(T&... v) { (Eins(v), ...); }

private:
    void Eins(float& v) {
        if (wieder_) {
            v = std::bit_cast<float>(werte_.at(pos_++));
        } else {
            vb::InputItem(f_, v);
            werte_.push_back(std::bit_cast<uint32_t>(v));
        }
    }
    void Eins(int16_t& v) {
        if (wieder_) {
            v = static_cast<int16_t>(werte_.at(pos_++));
        } else {
            vb::InputItem(f_, v);
            werte_.push_back(static_cast<uint16_t>(v));
        }
    }
    int16_t f_;
    std::vector<uint32_t>& werte_;
    bool wieder_;
    std::size_t pos_ = 0;
};

} // namespace

void Z11Lesen() {
    vb::FileGuard d("ZORZ11", vb::OpenMode::Input);
    const int16_t f = d.nr();
    const std::string_view inhalt = vb::InputData(f);
    const bool wieder = !B.Z11Datei.empty() && inhalt == B.Z11Datei;
    if (!wieder) {
        B.Z11Datei.clear();
        B.Z11Werte.clear();
    }
    Leser lies(f, B.Z11Werte, wieder);
    lies(P.AnzErd);
    AnzahlPruefen(P.AnzErd, 1, 12, "ZORZ11");
    for (int i = 1; i <= P.AnzErd; ++i) {
        lies(zormcom::Lauf.SchichtKaAnteil[i], zormcom::Lauf.SchichtK0Anteil[i], B.SchichtFeld3[i],
             zormcom::Lauf.SchichtKote[i], P.SchichtDicke[i], P.SchichtPhi[i], P.SchichtDeltaA[i],
             P.SchichtGammaAush[i], P.SchichtGammaAuftriebAush[i], P.SchichtDeltaP[i]);
        lies(P.SchichtCa[i], P.SchichtCp[i], P.SchichtGamma[i], P.SchichtGammaAuftrieb[i], P.SchichtEI[i],
             P.SchichtKaghVorgabe[i], P.SchichtKachVorgabe[i], P.SchichtKpchVorgabe[i], P.SchichtKpghVorgabe[i]);
        lies(zormcom::Lauf.SchichtKagh[i], zormcom::Lauf.SchichtKpgh[i], zormcom::Lauf.SchichtKach[i],
             zormcom::Lauf.SchichtKpch[i], P.SchichtDeltaANeu[i], P.SchichtDeltaPNeu[i]);
    }
    lies(zormcom::Lauf.SchichtKote[P.AnzErd + 1], zormcom::Lauf.kzStroem, zormcom::Lauf.kzHydGrBr,
         P.SchichtDicke[P.AnzErd], P.DeltaZF);
    lies(P.AnzBoesch);
    AnzahlPruefen(P.AnzBoesch, 0, 8, "ZORZ11");
    for (int k = 1; k <= P.AnzBoesch; ++k)
        lies(P.BoeschX1[k], P.BoeschX2[k], P.BoeschZ1[k], P.BoeschZ2[k], P.BoeschGamma[k], P.BoeschPhi[k]);
    for (int k = 1; k <= 12; ++k)
        lies(P.DeltaNeuAushub[k]);
    if (!wieder) B.Z11Datei.assign(inhalt);
    d.Close();
}

void Z2Schreiben() {
    vb::FileGuard d("ZORZ2", vb::OpenMode::Output);
    const int16_t f = d.nr();
    const int n = P.AnzErd;
    vb::Write(f, P.AnzErd);
    for (int i = 1; i <= n; ++i) {
        // The excavation side has unit weights for the first 12 layers only.
        const bool aush = static_cast<std::size_t>(i) < P.SchichtGammaAush.size();
        vb::Write(f, zormcom::Lauf.SchichtKaAnteil[i], zormcom::Lauf.SchichtK0Anteil[i], B.SchichtFeld3[i],
                  zormcom::Lauf.SchichtKote[i], P.SchichtDicke[i], P.SchichtPhi[i], P.SchichtDeltaA[i],
                  aush ? P.SchichtGammaAush[i] : 0.0f, aush ? P.SchichtGammaAuftriebAush[i] : 0.0f,
                  P.SchichtDeltaP[i]);
        vb::Write(f, P.SchichtCa[i], P.SchichtCp[i], P.SchichtGamma[i], P.SchichtGammaAuftrieb[i],
                  P.SchichtEI[i], P.SchichtKaghVorgabe[i]);
        vb::Write(f, zormcom::Lauf.SchichtKagh[i], zormcom::Lauf.SchichtKpgh[i], zormcom::Lauf.SchichtKach[i],
                  zormcom::Lauf.SchichtKpch[i], P.SchichtDeltaANeu[i], P.SchichtDeltaPNeu[i]);
    }
    vb::Write(f, zormcom::Lauf.SchichtKote[n + 1], P.SchichtDicke[n]);
    d.Close();
}

void Z3Schreiben() {
    vb::FileGuard d("ZORZ3", vb::OpenMode::Output);
    const int16_t f = d.nr();
    vb::Write(f, B.Eah.n);
    for (int i = 1; i <= B.Eah.n; ++i)
        vb::Write(f, B.Eah.e[i], B.Eah.z[i]);
    d.Close();
}

void Z4Schreiben() {
    {
        vb::FileGuard d("ZORZ4", vb::OpenMode::Output);
        const int16_t f = d.nr();
        vb::Write(f, B.BegrLast.n, B.ESumme.n);
        for (int i = 1; i <= B.BegrLast.n; ++i)
            vb::Write(f, B.BegrLast.e[i], B.ESumme.e[i], B.BegrLast.z[i], B.ESumme.z[i]);
        d.Close();
    }
    ListeKopieren(B.BegrLast, B.BegrLastKopie);
}

void WandreibungGeaendert(int16_t i, int16_t& geaendert, int16_t& gelistet) {
    geaendert = 0;
    gelistet = 0;
    if (P.SchichtDeltaA[i] != P.SchichtDeltaANeu[i] || P.SchichtDeltaP[i] != P.SchichtDeltaPNeu[i])
        geaendert = 1;
    for (int k = 1; k <= 12; ++k) {
        if (P.DeltaNeuAushub[k] == P.AushNr) {
            gelistet = 1;
            break;
        }
    }
}

} // namespace zormb
