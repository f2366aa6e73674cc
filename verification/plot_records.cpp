#include "verification/plot_records.h"

#include <cstdint>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"
#include "statics/state.h"
#include "verification/state.h"

using zorm1::P;
using zormc::St;

namespace zormd {

namespace {

// Every line of `quelle` printed into the open file `ziel`; nothing when it is missing.
void Kopieren(const char* quelle, int16_t ziel) {
    if (!vb::FileExists(quelle)) return;
    vb::FileGuard ein(quelle, vb::OpenMode::Input);
    while (!vb::Eof(ein.nr()))
        vb::Print(ziel, vb::LineInput(ein.nr()));
}

void SatzA(int16_t f) {
    Kopieren("zzzplote", f);
    const int16_t n = St.AnzAuflagerAlle < 0 ? int16_t{0}
                      : St.AnzAuflagerAlle > zormc::Statikzustand::kMaxSigmaVKopie
                          ? int16_t{zormc::Statikzustand::kMaxSigmaVKopie}
                          : St.AnzAuflagerAlle;
    vb::Write(f, P.LFNr, P.AushNr, n);
    for (int i = 1; i <= n; ++i)
        vb::Write(f, St.SigmaVKopie[static_cast<std::size_t>(i)][1],
                  St.SigmaVKopie[static_cast<std::size_t>(i)][2]);
}

float Koten(const std::vector<float>& v, int i) {
    return static_cast<std::size_t>(i) < v.size() ? v[static_cast<std::size_t>(i)] : 0.0f;
}

void SatzB(int16_t f, bool normalkraft) {
    if (St.DeltaT < 0.0f) St.DeltaT = 0.0f;
    const int m = N.AnzKoten;
    const float fuss = Koten(N.KotenListe, m) + St.DeltaT;
    vb::Write(f, P.LFNr, P.AushNr, N.AnzKoten, St.DeltaT, fuss);
    const float gam = St.gamMittel != 0.0f ? St.gamMittel : 1.0f;
    for (int i = 1; i <= m; ++i) {
        vb::Write(f, Koten(N.KotenListe, i), Koten(N.KotenDruck, i), Koten(N.KotenW, i) / gam,
                  Koten(N.KotenM, i), Koten(N.KotenQKopie, i));
        if (normalkraft) vb::Write(f, Koten(N.KotenN, i));
    }
}

void SatzC(int16_t f, bool kurz) {
    const int a = N.AnzAnkerGlf < 0 ? 0 : N.AnzAnkerGlf > kMaxAnkerGlf ? kMaxAnkerGlf : N.AnzAnkerGlf;
    vb::Write(f, P.LFNr, P.AushNr, static_cast<int16_t>(a));
    for (int i = 1; i <= a; ++i) {
        const auto k = static_cast<std::size_t>(i);
        vb::Write(f, N.GlfAnkerZ[k], N.AnkerLaenge[k], N.GlfAnkerAh[k]);
        if (N.AnkerLaenge[k] > N.AnkerLaengeMax) N.AnkerLaengeMax = N.AnkerLaenge[k];
    }
    vb::Write(f, N.zGLF, N.GlfAnkerKombination, N.GlfMaxAushub, zormcom::Lauf.zFuss, St.GleitWinkel1,
              St.GleitWinkel2, N.EtaGlf, St.BettungStufe, P.zAush);
    const int s = N.AnzSteifen < 0 ? 0 : N.AnzSteifen > kMaxAnkerSlots ? kMaxAnkerSlots : N.AnzSteifen;
    vb::Write(f, static_cast<int16_t>(s));
    for (int i = 1; i <= s; ++i)
        vb::Write(f, N.SteifenZ[static_cast<std::size_t>(i)], N.SteifenAh[static_cast<std::size_t>(i)]);
    const int r = P.AnzZusatzSpannung < 0 ? 0 : P.AnzZusatzSpannung > 15 ? 15 : P.AnzZusatzSpannung;
    vb::Write(f, P.ZWasserErd, P.ZWasserLuft, static_cast<int16_t>(r), zormcom::Lauf.kzWasserenth);
    for (int i = 1; i <= r; ++i)
        vb::Write(f, P.ZusZ[static_cast<std::size_t>(i)], P.ZusSpannung[static_cast<std::size_t>(i)]);
    const auto& eph = zormcom::Lauf.Eph;
    vb::Write(f, N.EppArt, eph.n);
    if (kurz) return;
    if (N.EppArt != 0)
        for (int i = 1; i <= eph.n && i <= zor::kMaxOrdinaten; ++i) {
            const auto k = static_cast<std::size_t>(i);
            vb::Write(f, eph.z[k], eph.e[k], N.EphWinkel[k], N.EphGegAktE[k]);
        }
    Kopieren("zzzplotw", f);
    // V(k) per metre of wall: the summary keeps it per pile for a soldier pile wall.
    const float vk = P.Wandart == 1 && P.ABohl != 0.0f ? N.SummeVk / P.ABohl : N.SummeVk;
    vb::Write(f, N.SummeVd, vk, zormd::N.zEndeStatik, zormd::N.Rhd, zormd::N.RdFuss, zormd::N.EdFuss,
              zormc::St.AbgeschnDruck, P.UmFigur, int16_t{0}, zormcom::Lauf.zFuss, zormc::St.HUmlagerung);
    const auto& gb = N.GrundbruchPlot;
    const int q = zormc::St.AnzAuflagerVersch < 0     ? 0
                  : zormc::St.AnzAuflagerVersch > 250 ? 250
                                                      : zormc::St.AnzAuflagerVersch;
    vb::Write(f, static_cast<int16_t>(q), zormc::St.EinspErg, zormc::St.Rvd, zormc::St.EpFaktor,
              zormc::St.gamMittel, gb[0], gb[1], gb[2]);
    for (int i = 1; i <= q; ++i)
        vb::Write(f, St.LastbildKopieZ[static_cast<std::size_t>(i)],
                  St.LastbildKopieE[static_cast<std::size_t>(i)]);
    vb::Write(f, N.GlfEavAW, N.GlfEahAW, N.GlfEahWand, N.GlfEavWand, N.GlfSumCh, N.GlfSumCv, N.GlfQhMoegl,
              N.GlfQvMoegl, N.GlfSumG, N.GlfAhMoegl, N.GlfAvMoegl);
    // the line of the force polygon's points closes with the run's partial factors on the earth pressure and
    // on the resistance (0 with global safety), which the statics picture states as the safety required: the
    // pictures may be drawn where the run's factors are no longer in memory
    vb::Write(f, N.GlfXSchwerpunkt, N.GlfZEahWand, N.GlfZEahAW, N.GlfXQMoegl, N.GlfQh, N.GlfQv, N.GlfSumAh,
              N.GlfSumAv, N.GlfXQ, zormcom::Vorgaben.gamEWirk, zormcom::Vorgaben.gamReWirk);
}

} // namespace

void PlotSatzAnhaengen(const std::string& art, const std::string& datei) {
    if (art != "A" && art != "B" && art != "C") return;
    vb::FileGuard d(datei, vb::OpenMode::Append);
    if (art == "A")
        SatzA(d.nr());
    else if (art == "B")
        SatzB(d.nr(), datei == "zzzplot2");
    else
        SatzC(d.nr(), datei == "wexasave.gl2");
    d.Close();
}

} // namespace zormd
