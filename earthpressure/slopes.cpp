#include "earthpressure/slopes.h"

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
// Smallest friction angle of the slope's depth ratios (0.001 degrees, the least the layer input
// accepts): without friction the ratios of the active coefficients are 1 and the depths of the
// surcharge would be undefined, while with this angle they take their finite limits.
constexpr float kPhiMin = 0.001f * 3.141593f / 180.0f;

float Mittel(std::span<const float> V, float a, float b) {
    float m = 0.0f;
    zormcom::SchichtMittel(V, zormcom::Lauf.SchichtKote, P.AnzErd, a, b, m);
    return m;
}

// Mean from the top of the first layer down to z (at least 1 mm).
float MittelBis(std::span<const float> V, float z) {
    const float oben = zormcom::Lauf.SchichtKote[1];
    return Mittel(V, oben, z > oben ? z : oben + 0.001f);
}

float Kagh(float phi, float beta, float delta) {
    return zormcom::KaghAktiv(phi, zormcom::Lauf.AlphaWand, beta, delta);
}

float Begrenzt(float beta, float grenze) {
    return std::fabs(beta) > grenze ? std::copysign(grenze, beta) : beta;
}

// Ratio factor of the depth over which a slope builds up its surcharge.
float Verhaeltnis(float beta, float phi, float delta) {
    if (phi < kPhiMin) phi = kPhiMin;
    const float b = Begrenzt(beta, phi);
    const float r = Kagh(phi, b, delta) / Kagh(phi, 0.0f, delta);
    const float s = static_cast<float>(std::sin(static_cast<double>(phi)));
    const float c = static_cast<float>(std::cos(static_cast<double>(phi)));
    float r0 = (std::fabs(b) * (s + c - 1.0f) / phi + 1.0f - s) / (1.0f - s);
    r0 = std::max(r0, r);
    float m = (1.0f - P.RuheProz / 100.0f) / std::fabs(r - 1.0f);
    if (P.RuheProz != 0.0f) m += (P.RuheProz / 100.0f) / std::fabs(r0 - 1.0f);
    return m;
}

} // namespace

void ErddruckBoeschung(zor::Ordinatenliste& R, zor::Ordinatenliste& F, zor::Ordinatenliste& S,
                       [[maybe_unused]] float deltaP) {
    const float oben = zormcom::Lauf.SchichtKote[1];
    R.n = 0;
    PunktAnhaengen(R, oben, 0.0f);
    PunktAnhaengen(R, kTiefeUnendlich, 0.0f);
    float zPrev = -99999.0f;

    for (int k = 1; k <= P.AnzBoesch; ++k) {
        if (P.BoeschGamma[k] == 0.0f) continue;
        const float x1 = P.BoeschX1[k], x2 = P.BoeschX2[k];
        float z1 = P.BoeschZ1[k], z2 = P.BoeschZ2[k];
        // A level segment is no surcharge.
        if (z1 == z2) continue;
        const float dx = x2 - x1;
        float dz = z1 - z2;

        // Unit weight: mean over the height of the segment below the wall head.
        float gamma = P.BoeschGamma[k];
        if (!(z1 <= 0.0f && z2 <= 0.0f)) {
            const float zLow = std::max(z1, z2), zUp = std::min(z1, z2);
            const float h0 = std::max(-zUp, 0.0f);
            // The water level is held between the upper end below the wall head and the lower end, so a
            // level above the segment makes all of it buoyant instead of giving a negative height.
            const float oben = zUp + h0;
            const float wasser = std::clamp(P.ZWasserErd, oben, zLow);
            const float h1 = wasser - oben;
            const float h2 = zLow - wasser;
            const float gs = Mittel(P.SchichtGamma, zLow - h2 - h1, zLow - h2);
            const float gb = h2 != 0.0f ? Mittel(P.SchichtGammaAuftrieb, zLow - h2, zLow) : 0.0f;
            const float h = h0 + h1 + h2;
            if (h == 0.0f) continue;
            gamma = (gamma * h0 + gs * h1 + gb * h2) / h;
        }

        // Kind of segment: 0 rising, 1 falling above the wall head behind another slope
        // (a negative surcharge), 2 otherwise.
        int art;
        if (z2 < z1) {
            art = 0;
        } else if (z1 < -0.01f && k >= 2) {
            art = 1;
            gamma = -gamma;
            std::swap(z1, z2);
            dz = -dz;
        } else {
            art = 2;
        }
        const float beta = static_cast<float>(std::atan(static_cast<double>(dz / dx)));

        float zA = 0.0f, zE1 = 0.0f, zEnd = 0.0f, q = 0.0f;
        float phiA = P.SchichtPhi[1], phiB = phiA, phiC = phiA;
        float deltaB = P.SchichtDeltaA[1], deltaC = deltaB;
        for (int pass = 1; pass <= 6; ++pass) {
            if (pass >= 2) {
                phiA = MittelBis(P.SchichtPhi, zA);
                phiB = MittelBis(P.SchichtPhi, zE1);
                deltaB = MittelBis(P.SchichtDeltaA, zE1);
                phiC = MittelBis(P.SchichtPhi, zEnd);
                deltaC = MittelBis(P.SchichtDeltaA, zEnd);
            }
            if (phiA < kPhiMin) phiA = kPhiMin;
            if (phiC < kPhiMin) phiC = kPhiMin;
            const float b1 = Begrenzt(beta, phiA);
            const float d = x1 * static_cast<float>(std::tan(static_cast<double>(std::fabs(b1))));
            zA = z1 + d;
            const float m1 = Verhaeltnis(beta, phiB, deltaB);
            zE1 = zA + m1 * d;
            const float m2 = Verhaeltnis(beta, phiC, deltaC);
            if (art == 2) {
                zE1 = x1 * static_cast<float>(std::tan(static_cast<double>(phiB / 2.0f + kViertelPi))) + z1;
                zEnd = x2 * static_cast<float>(std::tan(static_cast<double>(phiC / 2.0f + kViertelPi))) + z2;
            } else {
                float D = std::fabs(dz) * m2;
                const float pm = (phiC + phiA) / 2.0f;
                if (std::fabs(beta) > pm)
                    D = D * static_cast<float>(std::tan(static_cast<double>(pm))) /
                        static_cast<float>(std::tan(static_cast<double>(std::fabs(beta))));
                zEnd = zE1 + D;
            }
            q = gamma * dz;
            if (zE1 > 99.0f) zE1 = 99.0f;
            if (zEnd - zE1 < 0.002f) zEnd = zE1 + 0.001f;
            if (zEnd > 99.0f) {
                q = (99.0f - zE1) * q / (zEnd - zE1);
                zEnd = 99.0f;
            }
        }

        if (zEnd < zPrev) {
            zE1 = zPrev;
            zEnd = zPrev + 0.0001f;
        } else if (zE1 < zPrev) {
            zE1 = zPrev;
        }
        zPrev = zE1;

        // Figure of the slope: zero down to zE1, linear to q at zEnd, constant below. A ramp
        // that begins above the wall head enters the list with its value at the wall head.
        float zE1f = zE1, zEndf = zEnd, v1 = 0.0f;
        if (zE1f < oben) {
            v1 = zEndf > oben ? q * (oben - zE1f) / (zEndf - zE1f) : q;
            zE1f = oben;
            if (zEndf < oben) zEndf = oben;
        }
        F.n = 0;
        PunktAnhaengen(F, oben, 0.0f);
        PunktAnhaengen(F, zE1f, 0.0f);
        PunktAnhaengen(F, zE1f, v1);
        PunktAnhaengen(F, zEndf, q);
        PunktAnhaengen(F, kTiefeUnendlich, q);

        zormcom::DiagrammAddieren(R, F, S, 1);
        ListeKopieren(S, R);
    }

    // No jumps and no two depths closer than 1 cm.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 1; i <= R.n - 1; ++i)
            if (R.z[i + 1] - R.z[i] < 0.01f) R.z[i + 1] = R.z[i] + 0.01f;
    // The list ends at 99: at its first point that the spacing has left at or pushed beyond it.
    for (int i = 1; i <= R.n; ++i) {
        if (R.z[i] >= 99.0f) {
            R.z[i] = 99.0f;
            R.n = static_cast<int16_t>(i);
            break;
        }
    }
}

} // namespace zormb
