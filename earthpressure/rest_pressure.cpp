#include "earthpressure/rest_pressure.h"

#include <cmath>

#include "earthpressure/figure_points.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "earthpressure/surface_loads.h"
#include "frame/project_data.h"

using zorm1::P;

namespace zormb {

namespace {
constexpr float kPi = 3.141593f;
}

float FroehlichOrdinate(int16_t nu, float p, float xA, float xE, float dz) {
    float thA, thE;
    if (dz == 0.0f) {
        // On the load level both edges are seen horizontally.
        thA = thE = static_cast<float>(2.0 * std::atan(1.0));
    } else {
        thA = static_cast<float>(std::atan(static_cast<double>(xA / dz)));
        thE = static_cast<float>(std::atan(static_cast<double>(xE / dz)));
    }
    const double sA = std::sin(static_cast<double>(thA)), cA = std::cos(static_cast<double>(thA));
    const double sE = std::sin(static_cast<double>(thE)), cE = std::cos(static_cast<double>(thE));
    double e = 0.0;
    switch (nu) {
    case 3:
        e = p / kPi * ((thE - thA) - (sE * cE - sA * cA));
        break;
    case 4:
        e = p / 4.0 * (sE * sE * sE - sA * sA * sA);
        break;
    case 5:
        e = -(2.0 / 3.0) * p / kPi *
            (cE * cE * cE * sE - cA * cA * cA * sA - 0.5 * (cE * sE - sA * cA + thE - thA));
        break;
    case 6:
        e = 15.0 / 16.0 * p *
            ((sE * sE * sE - sA * sA * sA) / 3.0 - (std::pow(sE, 5) - std::pow(sA, 5)) / 5.0);
        break;
    default:
        e = 0.0;
        break;
    }
    return static_cast<float>(e);
}

FroehlichTiefen FroehlichRaster(float zL, float zUnten) {
    FroehlichTiefen t;
    if (zL >= zUnten) {
        // A load at or below the lower end acts nowhere on the wall.
        t.null = {0.0f, zUnten};
        return t;
    }
    float z;
    if (zL > 0.0f) {
        t.null = {0.0f, zL};
        z = zL + 0.001f;
    } else if (zL == 0.0f) {
        t.null = {0.0f};
        z = zL + 0.001f;
    } else {
        // A load above the wall head: its stress at the wall begins at the wall head.
        z = 0.0f;
    }
    t.rechnen.push_back(z);
    z = std::floor(z / 0.25f) * 0.25f;
    bool unten = false;
    for (int guard = 0; guard < 1000; ++guard) {
        const float tt = std::floor(z - 40.0f);
        if (tt < 0.0f) {
            float s;
            if (z < 4.8f)
                s = 0.25f;
            else if (z < 9.8f)
                s = 0.5f;
            else if (z < 19.8f)
                s = 1.0f;
            else
                s = 2.0f;
            z = z + s;
            if (z >= zUnten) break;
            t.rechnen.push_back(z);
        } else {
            if (tt == 0.0f) {
                t.rechnen.push_back(zUnten);
                unten = true;
            }
            break;
        }
    }
    // Every figure ends at the lower end, also for deep loads whose grid stops short of it.
    if (!unten && t.rechnen.back() < zUnten) t.rechnen.push_back(zUnten);
    return t;
}

void BegrenzteLastRuhe() {
    auto& L = zormcom::Lauf;
    LastfigurLeer(B.BegrLast);
    const float zUnten = zormcom::Lauf.SchichtKote[P.AnzErd + 1];
    zor::Ordinatenliste f;
    for (int16_t j = 1; j <= L.AnzLastErd; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt2(j, wirkt);
        if (!(wirkt == 1 && L.ErdXE[j] < 99.0f)) continue;
        const float zL = L.ErdZ[j];
        const FroehlichTiefen t = FroehlichRaster(zL, zUnten);
        f.n = 0;
        for (float z : t.null)
            PunktAnhaengen(f, z, 0.0f);
        for (float z : t.rechnen)
            PunktAnhaengen(f, z, FroehlichOrdinate(P.KonzFaktor, L.ErdPv[j], L.ErdXA[j], L.ErdXE[j], z - zL));
        const float dauer = P.ErdLastDauer(P.LFNr, j) * 0.01f;
        for (int16_t k = 1; k <= f.n; ++k) {
            float e = f.e[k] * L.ErdRuheFaktor[j];
            e = e * static_cast<float>(L.ErdRuheProz[j]) * 0.01f;
            f.e[k] = (e - dauer * e) * P.gamQ + dauer * e * P.gamG;
        }
        LastfigurAddieren(B.BegrLast, f);
    }
}

} // namespace zormb
