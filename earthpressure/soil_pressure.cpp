#include "earthpressure/soil_pressure.h"

#include <algorithm>
#include <cmath>

#include "earthpressure/coefficients.h"
#include "earthpressure/figure_points.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "earthpressure/surface_loads.h"
#include "frame/project_data.h"

using zorm1::P;

namespace zormb {

namespace {

// Most layers the layer arrays can hold (the shortest have the entries 0..30, and the entry
// below the last layer is used). The earth-pressure stage itself holds at most 12 layers (its
// hand-over files and the excavation-side unit weights, entries 0..12); the substitute anchor
// wall of the deep slip plane adds layers of its own, for which those weights are not needed.
constexpr int kMaxSchichten = 29;
constexpr int kMaxSchichtenAush = 12;

template <typename A> void Verschieben(A& a, int von, int bis) {
    for (int k = bis; k >= von; --k)
        a[k + 1] = a[k];
}

} // namespace

void SchichtgrenzeEinfuegen(float z) {
    const int n = P.AnzErd;
    int i = 0;
    for (int L = 1; L <= n; ++L) {
        if (z - zormcom::Lauf.SchichtKote[L + 1] <= 0.001f) {
            i = L;
            break;
        }
    }
    if (i == 0) return;
    if (std::fabs(z - zormcom::Lauf.SchichtKote[i + 1]) < 0.001f ||
        std::fabs(z - zormcom::Lauf.SchichtKote[i]) < 0.001f)
        return;
    if (n + 1 > kMaxSchichten)
        throw zor::CalcAbort("Zu viele Bodenschichten: eine Schicht kann nicht mehr geteilt werden.");

    Verschieben(zormcom::Lauf.SchichtKote, i, n + 1);
    Verschieben(P.SchichtDicke, i, n);
    Verschieben(P.SchichtPhi, i, n);
    Verschieben(P.SchichtDeltaA, i, n);
    Verschieben(P.SchichtDeltaP, i, n);
    Verschieben(P.SchichtDeltaANeu, i, n);
    Verschieben(P.SchichtDeltaPNeu, i, n);
    Verschieben(P.SchichtGamma, i, n);
    Verschieben(P.SchichtGammaAuftrieb, i, n);
    Verschieben(P.SchichtGammaAush, i, std::min(n, kMaxSchichtenAush - 1));
    Verschieben(P.SchichtGammaAuftriebAush, i, std::min(n, kMaxSchichtenAush - 1));
    Verschieben(P.SchichtCa, i, n);
    Verschieben(P.SchichtCp, i, n);
    Verschieben(P.SchichtEI, i, n);
    Verschieben(zormcom::Lauf.SchichtKaAnteil, i, n);
    Verschieben(zormcom::Lauf.SchichtK0Anteil, i, n);
    Verschieben(B.SchichtFeld3, i, n);
    Verschieben(zormcom::Lauf.SchichtKagh, i, n);
    Verschieben(zormcom::Lauf.SchichtKpgh, i, n);
    Verschieben(zormcom::Lauf.SchichtKach, i, n);
    Verschieben(zormcom::Lauf.SchichtKpch, i, n);
    Verschieben(P.SchichtKaghVorgabe, i, n);
    Verschieben(P.SchichtKpghVorgabe, i, n);
    Verschieben(P.SchichtKachVorgabe, i, n);
    Verschieben(P.SchichtKpchVorgabe, i, n);

    P.AnzErd = static_cast<int16_t>(n + 1);
    zormcom::Lauf.SchichtKote[i + 1] = z;
    P.SchichtDicke[i] = z - zormcom::Lauf.SchichtKote[i];
    P.SchichtDicke[i + 1] = zormcom::Lauf.SchichtKote[i + 2] - z;
}

int16_t SchichtVonPunkt(int16_t i, std::span<const float> Z) {
    float z = Z[i];
    for (int L = 1; L <= P.AnzErd; ++L) {
        if (zormcom::Lauf.SchichtKote[L] == z) {
            const bool hatVor = i >= 1;
            const bool hatNach = static_cast<std::size_t>(i) + 1 < Z.size();
            if (hatVor && Z[i] == Z[i - 1])
                z = z + 0.0001f;
            else if (hatNach && Z[i] == Z[i + 1])
                z = z - 0.0001f;
            break;
        }
    }
    for (int L = 1; L <= P.AnzErd; ++L)
        if (zormcom::Lauf.SchichtKote[L + 1] >= z) return static_cast<int16_t>(L);
    return static_cast<int16_t>(P.AnzErd + 1);
}

void ErddruckBoden(int16_t variante) {
    const int n = P.AnzErd;
    // 1. Unit weight acting in each layer and its change at the water level.
    for (int i = 1; i <= n; ++i) {
        float g, g2;
        if (P.ZWasserErd - zormcom::Lauf.SchichtKote[i] > 0.01f) {
            g = P.SchichtGamma[i];
            g2 = P.SchichtGammaAuftrieb[i];
        } else {
            g = P.SchichtGammaAuftrieb[i];
            g2 = P.SchichtGamma[i];
        }
        if (variante == 0) {
            P.SchichtGamma[i] = g;
            P.SchichtGammaAuftrieb[i] = g2 - g;
        }
    }

    // 2. Vertical stress from the layer weights, with zero-height jumps marking the boundaries.
    B.SchichtSigma.n = 0;
    PunktAnhaengen(B.SchichtSigma, zormcom::Lauf.SchichtKote[1], 0.0f);
    float s = P.SchichtDicke[1] * P.SchichtGamma[1];
    for (int i = 2; i <= n + 1; ++i) {
        PunktAnhaengen(B.SchichtSigma, zormcom::Lauf.SchichtKote[i], s);
        if (zormcom::Lauf.SchichtKote[i] < 98.99f)
            PunktAnhaengen(B.SchichtSigma, zormcom::Lauf.SchichtKote[i], s);
        if (i <= n) s = s + P.SchichtDicke[i] * P.SchichtGamma[i];
    }

    // 3. Total vertical stress.
    zormcom::DiagrammAddieren(B.Gz, B.SchichtSigma, B.SigmaV, 1);
    // The pressure is computed on the depths of the vertical stress.
    B.Eah.n = B.SigmaV.n;

    // 4. Horizontal pressure point by point.
    float A = 0, Bs = 0, Ac = 0, Bc = 0;
    for (int16_t k = 1; k <= B.Eah.n; ++k) {
        const int16_t L = SchichtVonPunkt(k, B.SigmaV.z);
        B.Eah.z[k] = B.SigmaV.z[k];
        const float sv = B.SigmaV.e[k];
        if (variante == 0) {
            float a, b;
            if (P.Erddruckart == 2) {
                B.Eah.e[k] = sv * zormcom::Lauf.SchichtKaAnteil[L] * P.gamE0g;
                a = 0.0f;
                b = B.Eah.e[k];
            } else {
                a = P.gamG * (sv * zormcom::Lauf.SchichtKaAnteil[L] -
                              (1.0f - P.RuheProz / 100.0f) * P.SchichtCa[L] * zormcom::Lauf.SchichtKach[L]);
                b = zormcom::Lauf.SchichtK0Anteil[L] * sv * P.gamE0g;
                B.Eah.e[k] = a + b;
            }
            if (P.TeilsicherheitenAn != 0) {
                A += a;
                Bs += b;
                if (P.gamG != 0.0f) Ac += a / P.gamG;
                if (P.gamE0g != 0.0f) Bc += b / P.gamE0g;
            }
        } else {
            float beta = 0.0f, Kagh = 0, Kpgh = 0, Kach = 0, Kpch = 0;
            zormcom::ErddruckBeiwerte(P.SchichtPhi[L], zormcom::Lauf.AlphaWand, beta, 0.0f, 0.0f, Kagh, Kpgh,
                                      Kach, Kpch);
            float e = Kagh * sv - Kach * P.SchichtCa[L];
            if (P.RuheProz != 0.0f && P.TeilsicherheitenAn != 0)
                e = e * (1.0f - P.RuheProz / 100.0f) +
                    sv * (1.0f - static_cast<float>(std::sin(P.SchichtPhi[L]))) * P.RuheProz / 100.0f;
            B.Eah.e[k] = e;
        }
    }

    // 5. Effective partial factor of the soil pressure.
    if (variante == 0 && P.TeilsicherheitenAn != 0 && Ac + Bc != 0.0f) {
        if (P.Erddruckart == 1) {
            B.gamEMisch = (A + Bs) / (Ac + Bc);
            if (P.gamG != 0.0f) B.gamEMischBSP = P.gamGBSP * B.gamEMisch / P.gamG;
        } else if (P.Erddruckart == 2) {
            B.gamEMisch = P.gamE0g;
            B.gamEMischBSP = P.gamE0gBSP;
        }
    }
}

void Mindesterddruck(float faktor) {
    for (int i = 1; i <= P.AnzErd; ++i)
        B.MinErddruckMerker[i] =
            (P.SchichtCa[i] != 0.0f && P.SchichtKaghVorgabe[i] == 0.0f) ? P.MinEah * faktor : 0.0f;
    B.MinErddruckMerker[P.AnzErd + 1] = 0.0f;

    // Minimum pressure on the depths of the vertical stress.
    zor::Ordinatenliste minimum;
    minimum.n = B.SigmaV.n;
    for (int16_t k = 1; k <= minimum.n; ++k) {
        minimum.z[k] = B.SigmaV.z[k];
        minimum.e[k] = B.SigmaV.e[k] * B.MinErddruckMerker[SchichtVonPunkt(k, B.SigmaV.z)];
    }

    // Minimum and soil pressure on common depths: the soil pressure goes to ESumme (and to
    // EahNeg), the minimum stays in r. A merge that did not happen (an empty list) leaves no point.
    zor::Ordinatenliste r;
    zormcom::DiagrammAddieren(minimum, B.Eah, r, 0);
    const int16_t n = r.n;
    B.ESumme.n = 0;
    B.EahNeg.n = 0;
    if (n > 0) {
        ListeKopieren(B.Eah, B.ESumme);
        ListeKopieren(B.Eah, B.EahNeg);
    }
    const zor::Ordinatenfeld& E = B.ESumme.e;
    const zor::Ordinatenfeld& z = B.ESumme.z;
    const zor::Ordinatenfeld& M = r.e;

    // Raised pressure, with the crossing where the soil pressure takes over from the minimum.
    B.Eah.n = 0;
    for (int16_t k = 1; k <= n; ++k) {
        PunktAnhaengen(B.Eah, z[k], E[k] < M[k] ? M[k] : E[k]);
        if (k < n && E[k + 1] >= M[k + 1] && std::fabs(z[k + 1] - z[k]) >= 0.0001f &&
            (E[k + 1] - M[k + 1]) * (E[k] - M[k]) < 0.0f) {
            const float dz = z[k + 1] - z[k];
            const float a1 = (M[k + 1] - M[k]) / dz;
            const float a2 = (E[k + 1] - E[k]) / dz;
            const float zc = z[k] + (M[k] - E[k]) / (a2 - a1);
            const float ec = (a2 * M[k] - a1 * E[k]) / (a2 - a1);
            PunktAnhaengen(B.Eah, zc, ec);
            PunktAnhaengen(B.Eah, zc, ec);
        }
    }

    // Negative part of the soil pressure before the minimum.
    B.EahNeg.n = 0;
    for (int16_t k = 1; k <= n; ++k) {
        PunktAnhaengen(B.EahNeg, z[k], std::min(E[k], 0.0f));
        if (k < n && std::fabs(z[k + 1] - z[k]) >= 0.0001f && E[k] * E[k + 1] < 0.0f) {
            const float zc = z[k] + (z[k + 1] - z[k]) * E[k] / (E[k] - E[k + 1]);
            PunktAnhaengen(B.EahNeg, zc, 0.0f);
            PunktAnhaengen(B.EahNeg, zc, 0.0f);
        }
    }
    // One count serves the vertical-stress list and the negative part from here on; it is copied
    // so that both lists carry it.
    B.SigmaV.n = B.EahNeg.n;
}

void NegativeAbschneiden() {
    if (zormcom::Lauf.AnzLastErd == 0) LastfigurLeer(B.BegrLast);
    B.BegrLast.z[1] = B.EahNeg.z[1];
    zormcom::DiagrammAddieren(B.EahNeg, B.BegrLast, B.ESumme, 1);
    const int16_t n = B.ESumme.n;
    const zor::Ordinatenfeld& e = B.ESumme.e;
    const zor::Ordinatenfeld& z = B.ESumme.z;
    B.BegrLast.n = 0;
    for (int16_t k = 1; k <= n; ++k) {
        PunktAnhaengen(B.BegrLast, z[k], std::max(e[k], 0.0f));
        if (k < n && e[k] * e[k + 1] < 0.0f && std::fabs(z[k + 1] - z[k]) >= 0.0001f) {
            const float zc = z[k] + (z[k + 1] - z[k]) * e[k] / (e[k] - e[k + 1]);
            PunktAnhaengen(B.BegrLast, zc, 0.0f);
            PunktAnhaengen(B.BegrLast, zc, 0.0f);
        }
    }
}

} // namespace zormb
