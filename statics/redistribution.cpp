#include "statics/redistribution.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "statics/state.h"

using zorm1::P;

namespace zormcom {

namespace {

// Centroid ratio zs / H of the trial figure with its last ordinate eps.
float Verhaeltnis(float eps) {
    zor::Ordinatenliste& f = zormc::St.Probefigur;
    f.e[4] = eps;
    float R = 0.0f, zs = 0.0f;
    zormc::ResultierendeSchwerpunkt(f, 0.0f, zormc::St.ProbeH, R, zs);
    return zormc::St.ProbeH > 0.0f ? zs / zormc::St.ProbeH : 0.0f;
}

void Suche(float z1, float z2, float H, float ziel, float& eps) {
    auto& S = zormc::St;
    S.ProbeH = H;
    S.ProbeZiel = ziel;
    zor::Ordinatenliste& f = S.Probefigur;
    f.n = 4;
    f.z[1] = 0.0f;
    f.z[2] = z1;
    f.z[3] = z2;
    f.z[4] = H;
    f.e[1] = 0.0f;
    f.e[2] = 1.0f;
    f.e[3] = 1.0f;
    f.e[4] = 0.0f;
    int16_t fig = 4;
    UmlagerungIteration(z1, z2, eps, fig);
}

} // namespace

void Schwerpunkt1(float eps) {
    zormc::St.SchwerAktuell = Verhaeltnis(eps);
}
void Schwerpunkt2(float eps) {
    zormc::St.SchwerUnten = Verhaeltnis(eps);
}
void Schwerpunkt3(float eps) {
    zormc::St.SchwerOben = Verhaeltnis(eps);
}

void UmlagerungIteration(float& /*z1*/, float& /*z2*/, float& eps, int16_t& /*figur*/) {
    auto& S = zormc::St;
    const float t = S.ProbeZiel;
    S.EpsUnten = 0.0f;
    Schwerpunkt2(S.EpsUnten);
    if (S.SchwerUnten > t) {
        eps = 0.0f;
        return;
    }
    S.EpsOben = 1.0f;
    Schwerpunkt3(S.EpsOben);
    if (S.SchwerOben < t) {
        eps = 1.0f;
        return;
    }
    S.UmlZaehler = 0;
    for (;;) {
        const float mitte = (S.EpsUnten + S.EpsOben) / 2.0f;
        // The mean of the two bound ratios decides which half is kept.
        if ((S.SchwerUnten + S.SchwerOben) / 2.0f <= t) {
            S.EpsUnten = mitte;
            Schwerpunkt2(S.EpsUnten);
        } else {
            S.EpsOben = mitte;
            Schwerpunkt3(S.EpsOben);
        }
        eps = (S.EpsUnten + S.EpsOben) / 2.0f;
        Schwerpunkt1(eps);
        if (std::fabs(S.SchwerAktuell - t) <= 0.001f) return;
        ++S.UmlZaehler;
        if (S.UmlZaehler > 10) return;
    }
}

void UmlagerungEB69(float& z1, float& z2, float& eps, int16_t& figur) {
    std::vector<float> A{0.0f}; // A[1..n]
    if (P.WandKopf == 2 || P.WandKopf == 3) A.push_back(0.0f);
    for (int i = 1; i <= P.AnzAnker && i <= 8; ++i)
        A.push_back(P.ZAnker[i]);
    const int n = static_cast<int>(A.size()) - 1;
    const float H = P.zAush;
    if (n < 1 || !(H > 0.0f)) return;
    const float r = A[1] / H;
    if (P.Wandart == 1) {
        if (n == 1) {
            if (r <= 0.1f) {
                z1 = 0.0f, z2 = H - 0.01f, eps = 1.0f, figur = 5;
            } else if (r <= 0.2f) {
                z1 = 0.0f, z2 = H / 2.0f, eps = 1.0f / 1.5f, figur = 5;
            } else if (r <= 0.3f) {
                z1 = 0.0f, z2 = H / 2.0f, eps = 0.5f, figur = 5;
            } else {
                z1 = A[1], z2 = A[1] + 0.01f, eps = 0.0f, figur = 4;
            }
        } else if (n == 2) {
            if (r <= 0.1f) {
                z1 = 0.0f, z2 = A[2], eps = 0.5f, figur = 5;
            } else {
                z1 = A[1], z2 = A[2], eps = 0.0f, figur = 4;
            }
        } else {
            z1 = A[2];
            z2 = (n == 3) ? A[3] : (n == 4) ? A[4] : A[n - 1];
            figur = 4;
            Suche(z1, z2, H, 0.475f, eps);
        }
    } else {
        if (n == 1) {
            if (r <= 0.1f) {
                z1 = 0.0f, z2 = H - 0.01f, eps = 1.0f, figur = 5;
            } else if (r <= 0.2f) {
                z1 = 0.0f, z2 = H / 2.0f, eps = 1.0f / 1.2f, figur = 5;
            } else if (r <= 0.3f) {
                z1 = 0.0f, z2 = H / 2.0f, eps = 1.0f / 1.5f, figur = 5;
            } else {
                z1 = A[1], z2 = A[1] + 0.01f, eps = 0.5f, figur = 4;
            }
        } else if (n == 2) {
            if (r <= 0.1f) {
                z1 = 0.0f, z2 = A[2], eps = 1.0f / 1.5f, figur = 5;
            } else if (r <= 0.2f) {
                z1 = A[1], z2 = A[2], eps = 0.5f, figur = 4;
            } else {
                z1 = A[1], z2 = A[2], eps = 1.0f, figur = 4;
            }
        } else {
            z1 = A[2];
            z2 = (n == 3) ? A[3] : A[n - 1];
            figur = 4;
            Suche(z1, z2, H, 0.55f, eps);
        }
    }
}

} // namespace zormcom

namespace zormc {

namespace {

void Punkt(int i, float z, float e) {
    St.Lastbild.z[i] = z;
    St.Lastbild.e[i] = e;
}

[[noreturn]] void FlaecheNull() {
    throw zor::CalcAbort("Die Umlagerungsfigur des Aushubzustands " + std::to_string(P.AushNr) +
                         " hat die Fläche 0 (z1, z2 und eps prüfen). Die Berechnung wird abgebrochen.");
}

float Ordinate(float A) {
    return P.EFaktor * St.LastResultierendeOben / A;
}

void Trapez(float a, float b, float r) {
    const float H = St.UmlagerungsTiefe;
    const float A = (b - a / 2.0f) + (1.0f + r) / 2.0f * (H - b);
    if (!(A > 0.0f) || !std::isfinite(A)) FlaecheNull();
    const float e0 = Ordinate(A);
    Punkt(2, a, e0);
    Punkt(3, b, e0);
    Punkt(4, H, r * e0);
    St.Lastbild.n = 4;
}

void Block(float a, float b, float r) {
    const float H = St.UmlagerungsTiefe;
    const float A = (b - a) * (1.0f - r) + r * H;
    if (!(A > 0.0f) || !std::isfinite(A)) FlaecheNull();
    const float e0 = Ordinate(A);
    Punkt(2, 0.0f, r * e0);
    Punkt(3, a, r * e0);
    Punkt(4, a, e0);
    Punkt(5, b, e0);
    Punkt(6, b, r * e0);
    Punkt(7, H, r * e0);
    St.Lastbild.n = 7;
}

} // namespace

void UmlagerungAnkerlagen() {
    const float H = St.UmlagerungsTiefe;
    const int n = std::min<int>(P.AnzAnker, 9);
    if (n < 1) {
        // Only the head is supported: it is the support at depth 0.
        const float A = H / 2.0f;
        if (!(A > 0.0f)) FlaecheNull();
        const float e0 = Ordinate(A);
        Punkt(2, 0.0f, e0);
        Punkt(3, H, 0.0f);
        St.Lastbild.n = 3;
        return;
    }
    const float A = (P.ZAnker[n] - P.ZAnker[1] + H) / 2.0f;
    if (!(A > 0.0f)) FlaecheNull();
    const float e0 = Ordinate(A);
    for (int k = 1; k <= n; ++k)
        Punkt(k + 1, P.ZAnker[k], e0);
    Punkt(n + 2, H, 0.0f);
    St.Lastbild.n = static_cast<int16_t>(n + 2);
}

void UmlagerungRechteck() {
    const float H = St.UmlagerungsTiefe;
    const float z0 = zormcom::Lauf.DickeOhneWichte;
    float A = H - z0;
    if (A <= 0.0f) A = 0.01f;
    const float e0 = Ordinate(A);
    const float zo = std::min(z0, H); // a figure without width keeps its depths in order
    Punkt(1, 0.0f, 0.0f);
    Punkt(2, zo, 0.0f);
    Punkt(3, zo, e0);
    Punkt(4, H, e0);
    St.Lastbild.n = 4;
}

void UmlagerungTrapez() {
    Trapez(P.UmZ1, P.UmZ2, P.EpsUml);
}

void UmlagerungBlock() {
    Block(P.UmZ1, P.UmZ2, P.EpsUml);
}

void UmlagerungEAB() {
    zormcom::UmlagerungEB69(P.UmZ1, P.UmZ2, P.EpsUml, zormc::St.FigurEB69);
    if (zormc::St.FigurEB69 == 5)
        UmlagerungBlock();
    else
        UmlagerungTrapez();
}

void UmlagerungBauweise() {
    const float zA = P.zAush;
    const float z0 = zormcom::Lauf.DickeOhneWichte;
    const int n = std::min<int>(P.AnzAnker, 8);
    float am = 0.0f;
    for (int i = 1; i <= n; ++i)
        am += P.ZAnker[i];
    if (n > 0) am /= static_cast<float>(n);
    const float q = zA > 0.0f ? am / zA : 0.0f;
    float f1;
    if (P.Herstellart == "hinterfuellt")
        f1 = (q <= 0.1f) ? 0.0f : (q <= 0.2f) ? 0.25f : 0.5f;
    else
        f1 = (q <= 0.1f) ? 0.7f : (q <= 0.2f) ? 0.85f : 1.0f;
    const float f2 = 2.0f - f1;
    float A = zA - z0;
    if (A <= 0.0f) A = 0.01f;
    const float e0 = Ordinate(A);
    const float zo = std::min(z0, zA);
    Punkt(1, 0.0f, 0.0f);
    Punkt(2, zo, 0.0f);
    Punkt(3, zo, f1 * e0);
    Punkt(4, zA, f2 * e0);
    St.Lastbild.n = 4;
}

void UmlagerungEigeneFigur(int16_t figur) {
    const zormcom::Laufwerte& L = zormcom::Lauf;
    const float zF = zormcom::Lauf.zFuss;
    const float H6 = (L.Ze1Fig6 == 99.0f) ? zF : L.Ze1Fig6;
    float E = 0.0f, y = 0.0f;
    Integrieren(St.Lastbild, H6, E, y);
    const zormb::Erddruckzustand& B = zormb::B;
    if (figur == 26 && B.BegrLastKopie.n > 0) {
        float Eb = 0.0f;
        Integrieren(B.BegrLastKopie, H6, Eb, y);
        E -= Eb;
    }
    const int m = std::clamp<int>(L.AnzFigur6, 0, 15);
    if (m < 1) return;
    zor::Ordinatenliste v;
    v.n = static_cast<int16_t>(m);
    for (int k = 1; k <= m; ++k) {
        v.z[k] = std::min(L.Fig6ZAkt[k], zF);
        v.e[k] = L.Fig6VerhAkt[k];
    }
    float A = 0.0f;
    Integrieren(v, H6, A, y);
    if (A == 0.0f) A = 1.0f;
    const float c = P.EFaktor * E / A;
    zor::Ordinatenliste& lb = St.Lastbild;
    for (int k = 1; k <= m; ++k) {
        lb.z[k] = v.z[k];
        lb.e[k] = c * v.e[k];
    }
    lb.z[m + 1] = zF;
    lb.e[m + 1] = L.EpsFuss6 * c * v.e[m];
    lb.n = static_cast<int16_t>(m + 1);
    if (figur == 26 && B.BegrLastKopie.n > 0) {
        zor::Ordinatenliste k = B.BegrLastKopie;
        KurveKappen(k, zF);
        zor::Ordinatenliste summe;
        zormcom::DiagrammAddieren(k, lb, summe, 1);
        lb = summe;
    }
}

void WasserdruckBild(float& d, float& s1) {
    zor::Ordinatenliste& w = St.Wasserbild;
    const float zW = w.z[2];
    float s2 = St.WasserNeigungUnten;
    w.z[1] = 0.0f;
    w.e[1] = 0.0f;
    w.e[2] = 0.0f;
    w.n = 2;
    if (zormcom::Lauf.kzWasserenth != 0) {
        s2 = 0.0f;
        s1 = 0.0f;
    }
    const int anz = std::min<int>(P.AnzErd, 99);
    int i = 0;
    for (int k = 1; k <= anz; ++k) {
        if (zormcom::Lauf.SchichtKote[k + 1] + 0.0001f >= zW) {
            i = k;
            break;
        }
    }
    if (i == 0) return;
    auto anhaengen = [&](float z, float e) {
        if (w.n >= zor::kMaxOrdinaten) return;
        ++w.n;
        w.z[w.n] = z;
        w.e[w.n] = e;
    };
    const bool knick =
        zormcom::Lauf.kzStroem != 0 && ((s1 > 0.0f && d != 0.0f) || (s1 < 0.0f && zW < P.zAush));
    if (!knick) {
        for (int j = i; j <= anz; ++j) {
            const float zb = zormcom::Lauf.SchichtKote[j + 1];
            anhaengen(zb, (zb - zW) * s2);
        }
        return;
    }
    // A break depth above the water level starts the break at the water level.
    const float dk = std::max(d, zW);
    const float pd = (dk - zW) * s1;
    bool geschrieben = false;
    for (int j = i; j <= anz; ++j) {
        const float zb = zormcom::Lauf.SchichtKote[j + 1];
        if (dk < zb && !geschrieben) {
            anhaengen(dk, pd);
            geschrieben = true;
        }
        anhaengen(zb, zb <= dk ? (zb - zW) * s1 : pd + (zb - dk) * s2);
    }
}

} // namespace zormc
