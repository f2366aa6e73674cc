#include "statics/soldier_piles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "earthpressure/coefficients.h"
#include "earthpressure/diagrams.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "statics/vertical_stress.h"

using zorm1::P;

namespace zormc {

namespace {

// kh,r by rows of the passive wall friction 0..27.5 degrees, columns of the friction angle 15..50
// degrees; the last value of a row and the last row are written twice.
const char* const kKhR[13] = {
    "1.7 1.86 2.04 2.24 2.47 2.71 3 3.32 3.7 4.11 4.6 5.16 5.82 6.62 7.55 7.55",
    "1.79 1.95 2.17 2.39 2.63 2.9 3.23 3.6 4 4.48 5.04 5.69 6.45 7.32 8.45 8.45",
    "1.87 2.05 2.28 2.51 2.79 3.08 3.45 3.86 4.31 4.86 5.48 6.22 7.09 8.1 9.43 9.43",
    "1.94 2.14 2.38 2.64 2.94 3.26 3.66 4.11 4.61 5.22 5.92 6.75 7.74 8.85 10.4 10.4",
    "2.01 2.22 2.48 2.75 3.08 3.43 3.87 4.35 4.91 5.59 6.36 7.28 8.4 9.7 11.5 11.5",
    "2.11 2.3 2.58 2.87 3.22 3.6 4.07 4.59 5.21 5.95 6.8 7.82 9.08 10.6 12.5 12.5",
    "2.25 2.38 2.67 2.98 3.35 3.76 4.27 4.83 5.5 6.31 7.24 8.38 9.77 11.5 13.6 13.6",
    "0 2.63 2.77 3.09 3.48 3.92 4.46 5.07 5.8 6.67 7.69 8.95 10.5 12.4 14.7 14.7",
    "0 0 3.11 3.23 3.62 4.08 4.66 5.31 6.1 7.03 8.15 9.53 11.2 13.3 15.9 15.9",
    "0 0 0 3.7 3.81 4.27 4.86 5.56 6.41 7.41 8.62 10.1 12 14.3 17.2 17.2",
    "0 0 0 0 4.4 4.51 5.11 5.84 6.72 7.82 9.12 10.7 12.8 15.3 18.5 18.5",
    "0 0 0 0 0 5.24 5.46 6.15 7.12 8.27 9.64 11.4 13.6 16.4 19.9 19.9",
    "0 0 0 0 0 5.24 5.46 6.15 7.12 8.27 9.64 11.4 13.6 16.4 19.9 19.9",
};

// kh,koh (the cohesion term uses twice kh,koh), laid out as kh,r.
const char* const kKhKoh[13] = {
    "1.3 1.36 1.43 1.5 1.57 1.65 1.73 1.82 1.92 2.03 2.14 2.27 2.41 2.57 2.75 2.75",
    "1.37 1.44 1.51 1.59 1.67 1.76 1.85 1.95 2.07 2.19 2.33 2.48 2.66 2.85 3.06 3.06",
    "1.44 1.52 1.6 1.68 1.77 1.87 1.98 2.09 2.23 2.38 2.54 2.71 2.92 3.15 3.41 3.41",
    "1.51 1.58 1.67 1.75 1.86 1.96 2.08 2.21 2.37 2.53 2.72 2.91 3.14 3.41 3.72 3.72",
    "1.58 1.65 1.74 1.84 1.95 2.07 2.2 2.34 2.52 2.7 2.91 3.13 3.4 3.7 4.05 4.05",
    "1.68 1.71 1.8 1.9 2.02 2.15 2.29 2.44 2.63 2.83 3.06 3.31 3.61 3.95 4.34 4.34",
    "1.79 1.77 1.86 1.97 2.1 2.24 2.39 2.56 2.76 2.98 3.23 3.51 3.84 4.22 4.65 4.65",
    "0 1.92 1.92 2.03 2.16 2.31 2.47 2.66 2.87 3.11 3.38 3.69 4.05 4.46 4.94 4.94",
    "0 0 2.08 2.09 2.22 2.37 2.55 2.75 2.97 3.23 3.52 3.86 4.25 4.7 5.22 5.22",
    "0 0 0 2.27 2.29 2.43 2.62 2.82 3.06 3.34 3.65 4.02 4.43 4.84 5.49 5.49",
    "0 0 0 0 2.48 2.5 2.69 2.89 3.15 3.45 3.77 4.16 4.61 5.14 5.75 5.75",
    "0 0 0 0 0 2.73 2.77 2.96 3.23 3.54 3.88 4.29 4.77 5.34 6 6",
    "0 0 0 0 0 2.73 2.77 2.96 3.23 3.54 3.88 4.29 4.77 5.34 6 6",
};

// Degrees to radians as the run converted the layer angles (the start dialog's value).
float Rad() {
    return P.GradZuRad > 0.0f ? P.GradZuRad : 3.141593f / 180.0f;
}

// The state of a candidate that may be discarded again.
struct Kandidat {
    float EpTBW, EpvTBW, EphTBW, sR, sKoh, bsR, bsKoh, khRAkt, khKohAkt;
};

Kandidat Merken(float sR, float sKoh) {
    const Statikzustand& S = St;
    return {S.EpTBW, S.EpvTBW, S.EphTBW, sR, sKoh, S.bsR, S.bsKoh, S.khRAkt, S.khKohAkt};
}

void Zurueck(const Kandidat& k, float& sR, float& sKoh) {
    Statikzustand& S = St;
    S.EpTBW = k.EpTBW;
    S.EpvTBW = k.EpvTBW;
    S.EphTBW = k.EphTBW;
    sR = k.sR;
    sKoh = k.sKoh;
    S.bsR = k.bsR;
    S.bsKoh = k.bsKoh;
    S.khRAkt = k.khRAkt;
    S.khKohAkt = k.khKohAkt;
}

void Hinweis(const char* text) {
    St.Hinweise.emplace_back(text);
}

} // namespace

void TabellenWertePaar(const char* zeile, int k, float& w1, float& w2) {
    const std::string text = std::string(" ") + zeile + " ";
    // The k-th number lies between the k-th and the (k + 1)-th blank.
    std::size_t pos = 0;
    for (int b = 0; b < k; ++b) {
        pos = text.find(' ', pos);
        if (pos == std::string::npos) {
            w1 = w2 = 0.0f;
            return;
        }
        ++pos;
    }
    auto zahl = [&](std::size_t& p) {
        const std::size_t e = text.find(' ', p);
        const std::string s = text.substr(p, e == std::string::npos ? std::string::npos : e - p);
        p = (e == std::string::npos) ? text.size() : e + 1;
        return s.empty() ? 0.0f : std::strtof(s.c_str(), nullptr);
    };
    w1 = zahl(pos);
    w2 = zahl(pos);
}

void KpTabelle(float phiGrad, float deltaGrad, float& khr, float& khkoh) {
    if (phiGrad >= 52.5f) {
        Hinweis(("*** Mittlerer Reibungswinkel " + zorma::HinweisZahl(phiGrad, 1) +
                 " Grad außerhalb der Tabelle nach Weißenbach; die Werte für 50 Grad werden verwendet.")
                    .c_str());
        phiGrad = 50.0f;
    }
    int k = static_cast<int>(std::floor((phiGrad - 15.0f) / 2.5f)) + 1;
    int j = static_cast<int>(std::floor(deltaGrad / 2.5f)) + 1;
    k = std::clamp(k, 1, 15);
    j = std::clamp(j, 1, 12);
    const float fphi = phiGrad - 15.0f - 2.5f * static_cast<float>(k - 1);
    const float fdelta = deltaGrad - 2.5f * static_cast<float>(j - 1);
    auto wert = [&](const char* const* tafel) {
        float a = 0.0f, b = 0.0f;
        TabellenWertePaar(tafel[j - 1], k, a, b);
        const float u = a + (b - a) * fphi / 2.5f;
        TabellenWertePaar(tafel[j], k, a, b);
        const float w = a + (b - a) * fphi / 2.5f;
        return u + (w - u) * fdelta / 2.5f;
    };
    khr = wert(kKhR);
    khkoh = wert(kKhKoh);
}

void ErdwiderstandAbgemindert() {
    St.EpvTBW = St.TanDeltaP * St.EpTBW;
    St.EphTBW = St.EpTBW;
}

void ErdwiderstandTabelle(float phiGrad, float deltaGrad) {
    Statikzustand& S = St;
    KpTabelle(phiGrad, deltaGrad, S.khRTab, S.khKohTab);
    const float khr = S.khRTab, khkoh = S.khKohTab;
    if (deltaGrad == 0.0f)
        S.khR0 = khr;
    else
        S.khR = khr;
    S.khRAkt = khr;
    const float T = S.EinbindeTiefe;
    S.EpReibTBW = S.bsR * 0.5f * S.GammaTTBW * T * khr;
    S.EpTBW += S.EpReibTBW;
    S.cHalbTBW = 0.0f;
    S.EpKohTBW = 0.0f;
    S.khKohAkt = 0.0f;
    if (S.cTBW != 0.0f) {
        S.cHalbTBW = S.cTBW / 2.0f;
        if (deltaGrad == 0.0f)
            S.khKoh0 = khkoh;
        else
            S.khKoh = khkoh;
        S.EpKohTBW = 2.0f * S.bsKoh * khkoh * T * S.cHalbTBW;
        S.EpTBW += S.EpKohTBW;
        S.khKohAkt = khkoh;
    }
}

void ErdwiderstandTraeger(float phi, float delta, float /*c*/, float t) {
    Statikzustand& S = St;
    S.EpReibTBW = S.EpKohTBW = S.khRTab = S.khKohTab = S.khRAkt = S.khKohAkt = 0.0f;
    S.khR0 = S.khR = S.khKoh0 = S.khKoh = 0.0f;
    S.EpTBW = S.EW1 = S.EW2 = S.EW3 = 0.0f;
    S.EphTBW = S.EpvTBW = 0.0f;
    S.TBWFall = 0;
    S.TanDeltaP = static_cast<float>(std::tan(-static_cast<double>(delta)));
    const float a = P.ABohl, b0 = S.b0TBW;
    if (!(a > 0.0f) || !(b0 > 0.0f) || !(t > 0.0f)) {
        S.bsR = S.bsKoh = 0.0f;
        Hinweis(
            "*** Kein Erdwiderstand der Bohlträger: Trägerbreite, Trägerabstand oder Einbindetiefe ist nicht "
            "größer als 0.");
        return;
    }
    const float q = b0 / a;
    const float tanPhi = std::tan(phi);
    float sR = std::min(0.6f * tanPhi * t, a - b0);
    float sKoh = std::min(0.9f * (1.0f + tanPhi) * t, a - b0);
    S.bsR = (b0 + sR) / a;
    S.bsKoh = (b0 + sKoh) / a;
    const float phiGrad = phi / Rad();
    const float deltaGrad = delta / Rad();

    // Start value from the substitute widths.
    ErdwiderstandTabelle(phiGrad, deltaGrad);
    S.EW1 = S.EpTBW;
    ErdwiderstandAbgemindert();

    // Narrow piles.
    if (0.3f * t > b0) {
        const Kandidat k = Merken(sR, sKoh);
        const float r = std::min(0.3f * t / a, 1.0f);
        const float bR = r - q + S.bsR, bK = r - q + S.bsKoh;
        const float ep =
            (2.0f * S.khKohAkt * S.cHalbTBW * bK + 0.5f * S.GammaTTBW * S.khRAkt * bR) * t * std::sqrt(q / r);
        if (ep <= S.EpTBW) {
            S.EpTBW = ep;
            S.EW2 = ep;
            ErdwiderstandAbgemindert();
        } else {
            Zurueck(k, sR, sKoh);
            S.EW2 = 0.0f;
        }
    }

    // Wall friction acts on the pile faces only.
    const float f = b0 / (b0 + sR);
    S.EphTBW *= f;
    S.EpvTBW *= f;

    // Small clear spacing: the pile faces with wall friction plus the spaces without.
    if (a - b0 < t) {
        const Kandidat k = Merken(sR, sKoh);
        S.EpTBW = (S.EpKohTBW / S.bsKoh + S.EpReibTBW / S.bsR) * q;
        ErdwiderstandAbgemindert();
        sR = sKoh = a - b0;
        S.bsR = S.bsKoh = (a - b0) / a;
        S.TBWFall = 1;
        ErdwiderstandTabelle(phiGrad, 0.0f);
        S.khKohAkt = k.khKohAkt;
        S.khRAkt = k.khRAkt;
        S.EW3 = S.EpTBW;
        if (!(S.EpTBW <= k.EpTBW)) {
            Zurueck(k, sR, sKoh);
            S.TBWFall = 2;
            S.EW3 = 0.0f;
        }
    }
    S.bsR = sR;
    S.bsKoh = sKoh;
}

void ErdwiderstandTBW() {
    Statikzustand& S = St;
    const float zA = P.zAush, zF = zormcom::Lauf.zFuss;
    const float t = zF - zA;
    const float rad = Rad();
    const int n = P.AnzErd;
    float phim = 0.0f, deltam = 0.0f, cm = 0.0f;
    zormcom::SchichtMittel(P.SchichtPhi, zormcom::Lauf.SchichtKote, n, zA, zF, phim);
    S.phiTBW = phim / rad;
    const float phi = std::max(phim, 15.0f * rad);
    const float dmax = std::min(phi - 2.5f * rad, 27.5f * rad);
    zormcom::SchichtMittel(P.SchichtDeltaP, zormcom::Lauf.SchichtKote, n, zA, zF, deltam);
    if (std::fabs(deltam) > dmax) deltam = (deltam < 0.0f ? -dmax : dmax);
    S.deltapTBW = deltam / rad;
    zormcom::SchichtMittel(P.SchichtCp, zormcom::Lauf.SchichtKote, n, zA, zF, cm);
    S.cTBW = cm;
    S.ZErdauflager = zA + 0.6f * t;

    if (P.Erddruckart == 1 && (P.UmFigur == 0 || P.UmFigur == 20) && S.ESumme.n > 0) {
        const zor::Ordinatenliste& es = S.ESumme;
        zor::Ordinatenliste& lb = S.Lastbild;
        lb.n = 0;
        for (int i = 1; i <= es.n && lb.n < zor::kMaxOrdinaten - 3; ++i) {
            ++lb.n;
            lb.z[lb.n] = es.z[i];
            lb.e[lb.n] = es.e[i];
            if (i == es.n || es.z[i + 1] >= zA) break;
        }
        float e = 0.0f;
        InterpolierenOben(es, zA, e);
        lb.z[lb.n + 1] = zA, lb.e[lb.n + 1] = e;
        lb.z[lb.n + 2] = zA, lb.e[lb.n + 2] = 0.0f;
        lb.z[lb.n + 3] = zF, lb.e[lb.n + 3] = 0.0f;
        lb.n = static_cast<int16_t>(lb.n + 3);
    }

    S.BezugsTiefe = zA;
    VertikalspannungUnterSohle();
    // Stress list cut at the foot.
    zor::Ordinatenliste& gz = S.Gz;
    for (int i = 1; i < gz.n; ++i) {
        if (gz.z[i + 1] > zF) {
            float y = gz.e[i];
            if (gz.z[i + 1] > gz.z[i])
                y = gz.e[i] + (gz.e[i + 1] - gz.e[i]) * (zF - gz.z[i]) / (gz.z[i + 1] - gz.z[i]);
            gz.z[i + 1] = zF;
            gz.e[i + 1] = y;
            gz.n = static_cast<int16_t>(i + 1);
            break;
        }
    }
    float s = 0.0f;
    for (int i = 2; i <= gz.n; ++i)
        s += (gz.e[i - 1] + gz.e[i]) * (gz.z[i] - gz.z[i - 1]) / 2.0f;
    S.GammaTTBW = (t > 0.0f) ? 2.0f * s / t : 0.0f;

    if (zF < P.ZBFuss)
        S.b0TBW = P.BBohl;
    else if (zA >= P.ZBFuss)
        S.b0TBW = P.BBFuss;
    else
        S.b0TBW = (t > 0.0f) ? ((zF - P.ZBFuss) * P.BBFuss + (P.ZBFuss - zA) * P.BBohl) / t : P.BBohl;

    ErdwiderstandTraeger(phi, std::fabs(deltam), S.cTBW, t);
}

void GleitflaechenWinkel(float phi, float beta, float deltaA, float deltaP, float& thetaA, float& thetaP) {
    const float t = std::tan(phi);
    const float tb = std::tan(beta);
    const float dp = std::max(deltaP, -2.0f * phi / 3.0f);
    // Each angle is computed only where its root and its divisor allow it.
    const float nennerA = t + std::tan(deltaA);
    if (nennerA != 0.0f) {
        const float arg = (1.0f + t * t) * (t - tb) / nennerA;
        if (arg >= 0.0f && std::isfinite(arg)) thetaA = std::atan(t + std::sqrt(arg));
    }
    const float nennerP = -t + std::tan(dp);
    if (nennerP != 0.0f) {
        const float arg = (1.0f + t * t) * (-t - tb) / nennerP;
        if (arg >= 0.0f && std::isfinite(arg)) thetaP = std::atan(-t + std::sqrt(arg));
    }
}

} // namespace zormc
