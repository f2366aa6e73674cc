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
void BegrenzteFigur(zor::Ordinatenliste& L, float R, float z1, float z2, float z3, F skalieren) {
    L.n = 0;
    PunktAnhaengen(L, std::min(z1, zormcom::Lauf.SchichtKote[1]), 0.0f);
    PunktAnhaengen(L, z1, 0.0f);
    const float h = z3 - z1;
    switch (P.VerteilungAktiv) {
    case 1:
        PunktAnhaengen(L, z2, 2.0f * R / h);
        break;
    case 2:
        PunktAnhaengen(L, z1, 2.0f * R / h);
        break;
    default: // rectangle (also for options the dialogs do not offer)
        PunktAnhaengen(L, z1, R / h);
        PunktAnhaengen(L, z3, R / h);
        break;
    }
    PunktAnhaengen(L, z3, 0.0f);
    PunktAnhaengen(L, kTiefeUnendlich, 0.0f);
    for (int16_t k = 1; k <= L.n; ++k)
        L.e[k] = skalieren(L.e[k]);
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
        if (z < zormcom::Lauf.SchichtKote[i + 1]) {
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
        if (z <= zormcom::Lauf.SchichtKote[L + 1]) {
            gefunden = 1;
            break;
        }
        if (z >= kTiefeUnendlich) {
            gefunden = 1;
            z = kTiefeUnendlich;
            break;
        }
        x2 = x2 - (zormcom::Lauf.SchichtKote[L + 1] - z0) / t;
        z = zormcom::Lauf.SchichtKote[L + 1];
        ++L;
    }
    if (z < zormcom::Lauf.SchichtKote[1]) z = zormcom::Lauf.SchichtKote[1];
}

void Einflussbereich(int16_t j, zor::Ordinatenliste& F, float& zAus) {
    F.z[1] = zormcom::Lauf.SchichtKote[1];
    F.e[1] = 0.0f;
    zAus = zormcom::Lauf.ErdZ[j];
    float x = zormcom::Lauf.ErdXA[j];
    int16_t gef = 0;
    Einflusstiefe(1, gef, 0.0f, x, zAus);
    F.z[2] = zAus;
    F.e[2] = 0.0f;
    F.n = 2;
}

void LastfigurLeer(zor::Ordinatenliste& L) {
    L.n = 2;
    L.z[1] = zormcom::Lauf.SchichtKote[1];
    L.e[1] = 0.0f;
    L.z[2] = kTiefeUnendlich;
    L.e[2] = 0.0f;
}

void LastfigurAddieren(zor::Ordinatenliste& S, zor::Ordinatenliste& F) {
    B.LastSumme.n = 0;
    zormcom::DiagrammAddieren(S, F, B.LastSumme, 1);
    if (S.n == 0 || F.n == 0) return;
    ListeKopieren(B.LastSumme, S);
}

void FlaechenlastFigur(zor::Ordinatenliste& S) {
    auto& L = zormcom::Lauf;
    LastfigurLeer(S);
    bool zehnVerbraucht = false;
    zor::Ordinatenliste f;
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt2(j, wirkt);
        if (!(L.ErdXE[j] >= 99.0f && wirkt == 1)) continue;
        float z1 = 0.0f;
        Einflussbereich(j, f, z1);
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
        f.z[3] = z2;
        f.e[3] = q;
        f.z[4] = kTiefeUnendlich;
        f.e[4] = q;
        f.n = 4;
        LastfigurAddieren(S, f);
    }
}

void BegrenzteLastAktiv() {
    auto& L = zormcom::Lauf;
    LastfigurLeer(B.BegrLast);
    zor::Ordinatenliste f;
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt2(j, wirkt);
        if (!(L.ErdXE[j] < 99.0f && wirkt == 1)) continue;
        float z1, z2, z3;
        Einflusstiefen(j, z1, z2, z3);
        // A load whose influence lines give no depth range acts nowhere on the wall.
        if (!(z3 > z1)) continue;
        float phim = 0.0f, deltam = 0.0f;
        zormcom::SchichtMittel(P.SchichtPhi, zormcom::Lauf.SchichtKote, P.AnzErd, z1, z3, phim);
        zormcom::SchichtMittel(P.SchichtDeltaA, zormcom::Lauf.SchichtKote, P.AnzErd, z1, z3, deltam);
        const float theta = phim / 2.0f + kViertelPi;
        const float dE = (L.ErdXE[j] - L.ErdXA[j]) * L.ErdPv[j] *
                         static_cast<float>(std::sin(static_cast<double>(theta - phim))) *
                         static_cast<float>(std::cos(static_cast<double>(deltam))) /
                         static_cast<float>(std::cos(static_cast<double>(theta - phim - deltam)));
        // The load's at-rest share replaces part of its active figure only in a pass that adds
        // the at-rest figure of the limited loads; with pure active pressure (the first run with
        // global safety) the load acts with all of its active pressure.
        const float ruhe = P.RuheProz > 0.0001f ? 1.0f - static_cast<float>(L.ErdRuheProz[j]) / 100.0f : 1.0f;
        const float dauer = P.ErdLastDauer(P.LFNr, j) / 100.0f;
        BegrenzteFigur(f, dE, z1, z2, z3, [&](float e) { return Teilsicherheit(e * ruhe, dauer); });
        LastfigurAddieren(B.BegrLast, f);
    }
}

void HorizontallastFigur(zor::Ordinatenliste& F, zor::Ordinatenliste& S) {
    auto& L = zormcom::Lauf;
    LastfigurLeer(S);
    zor::Ordinatenliste f;
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt2(j, wirkt);
        const float H = (L.ErdXE[j] - L.ErdXA[j]) * L.ErdPh[j];
        if (!(L.ErdXE[j] < 99.0f && wirkt == 1 && H != 0.0f)) continue;
        float z1, z2, z3;
        Einflusstiefen(j, z1, z2, z3);
        if (!(z3 > z1)) continue;
        const float dauer = P.ErdLastDauer(P.LFNr, j) / 100.0f;
        BegrenzteFigur(f, H, z1, z2, z3, [&](float e) { return Teilsicherheit(e, dauer); });
        ListeKopieren(f, F);
        LastfigurAddieren(S, F);
    }
}

} // namespace zormb
