#include "earthpressure/surface_loads.h"

#include <algorithm>
#include <cmath>

#include "earthpressure/coefficients.h"
#include "earthpressure/figure_points.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"

using zorm1::P;

namespace zormb {

namespace {

constexpr float kViertelPi = 0.7853982f;

float Tan(float a) {
    return static_cast<float>(std::tan(static_cast<double>(a)));
}

// Splits an ordinate of a load figure into its permanent part (gamG) and the rest (gamQ).
float Teilsicherheit(float e, float f) {
    return (e - f * e) * P.gamQ + f * e * P.gamG;
}

// Depths of the influence lines of load j from its level: z1 by the phi line from xA, z2 by
// the 45 + phi/2 line from xA, z3 by the 45 + phi/2 line from xE.
void Einflusstiefen(int16_t j, float& z1, float& z2, float& z3) {
    const auto& L = zormcom::Lauf;
    int16_t gef = 0;
    float x;
    z1 = L.ErdZ[j];
    x = L.ErdXA[j];
    Einflusstiefe(1, gef, 0.0f, x, z1);
    z2 = L.ErdZ[j];
    x = L.ErdXA[j];
    Einflusstiefe(2, gef, 0.0f, x, z2);
    z3 = L.ErdZ[j];
    x = L.ErdXE[j];
    Einflusstiefe(2, gef, 0.0f, x, z3);
}

// Figure of one limited load with the resultant R spread between z1 and z3 after the
// distribution option; every ordinate passes through `skalieren`.
template <typename F>
void BegrenzteFigur(zor::Ordinatenfeld& e, zor::Ordinatenfeld& z, int16_t& n, float R, float z1, float z2,
                    float z3, F skalieren) {
    n = 0;
    PunktAnhaengen(e, z, n, std::min(z1, P.SchichtKote[1]), 0.0f);
    PunktAnhaengen(e, z, n, z1, 0.0f);
    const float h = z3 - z1;
    switch (P.VerteilungAktiv) {
    case 1:
        PunktAnhaengen(e, z, n, z2, 2.0f * R / h);
        break;
    case 2:
        PunktAnhaengen(e, z, n, z1, 2.0f * R / h);
        break;
    default: // rectangle (also for options the dialogs do not offer)
        PunktAnhaengen(e, z, n, z1, R / h);
        PunktAnhaengen(e, z, n, z3, R / h);
        break;
    }
    PunktAnhaengen(e, z, n, z3, 0.0f);
    PunktAnhaengen(e, z, n, kTiefeUnendlich, 0.0f);
    for (int16_t k = 1; k <= n; ++k)
        e[k] = skalieren(e[k]);
}

} // namespace

void LastenAufBoeschung(float zRef) {
    auto& L = zormcom::Lauf;
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        if (!(L.ErdZ[j] < zRef)) continue;
        const float Pv = (L.ErdXE[j] - L.ErdXA[j]) * L.ErdPv[j];
        const float Ph = (L.ErdXE[j] - L.ErdXA[j]) * L.ErdPh[j];
        for (int k = P.AnzBoesch; k >= 1; --k) {
            const float x1 = P.BoeschX1[k], x2 = P.BoeschX2[k];
            const float z1 = P.BoeschZ1[k], z2 = P.BoeschZ2[k];
            if (!(x1 < L.ErdXA[j] && z2 <= z1 && L.ErdZ[j] < z1 && zRef > z2)) continue;
            // A level segment carries no load down.
            if (z2 == z1) continue;
            const float zS = std::min(zRef, z1);
            const float xS = x1 + (zS - z1) / (z2 - z1) * (x2 - x1);
            const float tPhi = Tan(P.BoeschPhi[k] * P.GradZuRad);
            float xA = tPhi > 0.0f ? L.ErdXA[j] - (zS - L.ErdZ[j]) / tPhi : xS;
            if (xA < xS) xA = xS;
            L.ErdXA[j] = xA;
            if (L.ErdXE[j] < 100.0f)
                L.ErdXE[j] =
                    L.ErdXE[j] - (zS - L.ErdZ[j]) / Tan((45.0f + P.BoeschPhi[k] / 2.0f) * P.GradZuRad);
            const float b = L.ErdXE[j] - L.ErdXA[j];
            if (b > 0.0f) {
                L.ErdPv[j] = Pv / b;
                L.ErdPh[j] = Ph / b;
            }
            L.ErdZ[j] = zS;
        }
    }
}

void Einflusstiefe(int16_t modus, int16_t& gefunden, float x1, float& x2, float& z) {
    gefunden = 0;
    const int n = P.AnzErd;
    int L = 0;
    for (int i = 0; i <= n; ++i) {
        if (z < P.SchichtKote[i + 1]) {
            L = i;
            break;
        }
    }
    // Each layer is left at most once; the guard only bounds the walk.
    for (int schritt = 0; L <= n && schritt <= n + 1; ++schritt) {
        const float theta = modus == 1 ? P.SchichtPhi[L] : P.SchichtPhi[L] / 2.0f + kViertelPi;
        const float z0 = z;
        const float t = Tan(theta);
        z = z + std::fabs(x2 - x1) * t;
        if (z <= P.SchichtKote[L + 1]) {
            gefunden = 1;
            break;
        }
        if (z >= kTiefeUnendlich) {
            gefunden = 1;
            z = kTiefeUnendlich;
            break;
        }
        x2 = x2 - (P.SchichtKote[L + 1] - z0) / t;
        z = P.SchichtKote[L + 1];
        ++L;
    }
    if (z < P.SchichtKote[1]) z = P.SchichtKote[1];
}

void Einflussbereich(int16_t j, std::span<float> e, std::span<float> z, int16_t& n, float& zAus) {
    z[1] = P.SchichtKote[1];
    e[1] = 0.0f;
    zAus = zormcom::Lauf.ErdZ[j];
    float x = zormcom::Lauf.ErdXA[j];
    int16_t gef = 0;
    Einflusstiefe(1, gef, 0.0f, x, zAus);
    z[2] = zAus;
    e[2] = 0.0f;
    n = 2;
}

void LastfigurLeer(int16_t& n, std::span<float> e, std::span<float> z) {
    n = 2;
    z[1] = P.SchichtKote[1];
    e[1] = 0.0f;
    z[2] = kTiefeUnendlich;
    e[2] = 0.0f;
}

void LastfigurAddieren(std::span<float> eS, std::span<float> zS, int16_t& nS, std::span<float> eF,
                       std::span<float> zF, int16_t& nF) {
    int16_t n = 0;
    zormcom::DiagrammAddieren(eS, eF, B.LastSummeE, zS, zF, B.LastSummeZ, nS, nF, n, 1);
    if (nS == 0 || nF == 0) return;
    ListeKopieren(B.LastSummeE, B.LastSummeZ, n, eS, zS);
    nS = n;
}

void FlaechenlastFigur(int16_t& n, std::span<float> e, std::span<float> z) {
    auto& L = zormcom::Lauf;
    LastfigurLeer(n, e, z);
    bool zehnVerbraucht = false;
    zor::Ordinatenfeld fe{}, fz{};
    int16_t fn = 0;
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt2(j, wirkt);
        if (!(L.ErdXE[j] >= 99.0f && wirkt == 1)) continue;
        float z1 = 0.0f;
        Einflussbereich(j, fe, fz, fn, z1);
        float q = L.ErdPv[j];
        if (P.TeilsicherheitenAn != 0) {
            // 10 kN/m2 of the first load above 10 kN/m2 count as permanent, the rest as variable;
            // the vertical stress is multiplied by gamG later.
            if (!zehnVerbraucht && q > 10.0f) {
                q = (q - 10.0f) * P.gamQ / P.gamG + 10.0f;
                zehnVerbraucht = true;
            } else if (zehnVerbraucht) {
                q = P.gamQ * q / P.gamG;
            }
        }
        float z2 = L.ErdZ[j];
        float x = L.ErdXA[j];
        int16_t gef = 0;
        Einflusstiefe(2, gef, 0.0f, x, z2);
        fz[3] = z2;
        fe[3] = q;
        fz[4] = kTiefeUnendlich;
        fe[4] = q;
        fn = 4;
        LastfigurAddieren(e, z, n, fe, fz, fn);
    }
}

void BegrenzteLastAktiv() {
    auto& L = zormcom::Lauf;
    LastfigurLeer(B.AnzWiderstand, B.BegrLastE, B.BegrLastZ);
    zor::Ordinatenfeld fe{}, fz{};
    int16_t fn = 0;
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt2(j, wirkt);
        if (!(L.ErdXE[j] < 99.0f && wirkt == 1)) continue;
        float z1, z2, z3;
        Einflusstiefen(j, z1, z2, z3);
        // A load whose influence lines give no depth range acts nowhere on the wall.
        if (!(z3 > z1)) continue;
        float phim = 0.0f, deltam = 0.0f;
        zormcom::SchichtMittel(P.SchichtPhi, P.SchichtKote, P.AnzErd, z1, z3, phim);
        zormcom::SchichtMittel(P.SchichtDeltaA, P.SchichtKote, P.AnzErd, z1, z3, deltam);
        const float theta = phim / 2.0f + kViertelPi;
        const float dE = (L.ErdXE[j] - L.ErdXA[j]) * L.ErdPv[j] *
                         static_cast<float>(std::sin(static_cast<double>(theta - phim))) *
                         static_cast<float>(std::cos(static_cast<double>(deltam))) /
                         static_cast<float>(std::cos(static_cast<double>(theta - phim - deltam)));
        // The load's at-rest share replaces part of its active figure only in a pass that adds
        // the at-rest figure of the limited loads; with pure active pressure (the first run with
        // global safety) the load acts with all of its active pressure.
        const float ruhe = P.RuheProz > 0.0001f ? 1.0f - static_cast<float>(L.ErdRuheProz[j]) / 100.0f : 1.0f;
        const float f = P.ErdLastDauer(P.LFNr, j) / 100.0f;
        BegrenzteFigur(fe, fz, fn, dE, z1, z2, z3, [&](float e) { return Teilsicherheit(e * ruhe, f); });
        LastfigurAddieren(B.BegrLastE, B.BegrLastZ, B.AnzWiderstand, fe, fz, fn);
    }
}

void HorizontallastFigur(std::span<float> eF, std::span<float> zF, int16_t& nF, std::span<float> eS,
                         std::span<float> zS, int16_t& nS) {
    auto& L = zormcom::Lauf;
    LastfigurLeer(nS, eS, zS);
    zor::Ordinatenfeld fe{}, fz{};
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt2(j, wirkt);
        const float H = (L.ErdXE[j] - L.ErdXA[j]) * L.ErdPh[j];
        if (!(L.ErdXE[j] < 99.0f && wirkt == 1 && H != 0.0f)) continue;
        float z1, z2, z3;
        Einflusstiefen(j, z1, z2, z3);
        if (!(z3 > z1)) continue;
        const float f = P.ErdLastDauer(P.LFNr, j) / 100.0f;
        int16_t n = 0;
        BegrenzteFigur(fe, fz, n, H, z1, z2, z3, [&](float e) { return Teilsicherheit(e, f); });
        nF = n;
        ListeKopieren(fe, fz, n, eF, zF);
        LastfigurAddieren(eS, zS, nS, eF, zF, nF);
    }
}

} // namespace zormb
