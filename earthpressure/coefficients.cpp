// Coulomb earth-pressure coefficients of a plane wall and layer means.
#include "earthpressure/coefficients.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

constexpr float kHalbePi = 1.5707964f;

// Trigonometric functions in double precision, rounded to single precision.
float sinF(float w) {
    return static_cast<float>(std::sin(static_cast<double>(w)));
}
float cosF(float w) {
    return static_cast<float>(std::cos(static_cast<double>(w)));
}
float tanF(float w) {
    return static_cast<float>(std::tan(static_cast<double>(w)));
}
float quadrat(float w) {
    return static_cast<float>(std::pow(static_cast<double>(w), 2.0));
}
float wurzelBetrag(float w) {
    return static_cast<float>(std::sqrt(std::fabs(static_cast<double>(w))));
}

} // namespace

namespace zormcom {

Beiwertzustand BeiwertHinweis;

void BeiwerteZuruecksetzen() {
    BeiwertHinweis = Beiwertzustand{};
}

namespace {

// The coefficients depend on the five angles alone, and a run asks for the same few sets again and again
// (every slope segment, every layer of every pass): the last results are kept by the bit patterns of
// the angles and handed out unchanged, the note of the call included.
struct Beiwertsatz {
    uint32_t schluessel[5];
    float beta, Kagh, Kpgh, Kach, Kpch;
    Beiwertzustand hinweis;
    bool belegt = false;
};
constexpr std::size_t kBeiwertSaetze = 256;
thread_local std::array<Beiwertsatz, kBeiwertSaetze> beiwertSaetze{};

void Berechnen(float phi, float alpha, float& beta, float deltaA, float deltaP, float& Kagh, float& Kpgh,
               float& Kach, float& Kpch);

} // namespace

void ErddruckBeiwerte(float phi, float alpha, float& beta, float deltaA, float deltaP, float& Kagh,
                      float& Kpgh, float& Kach, float& Kpch) {
    const uint32_t k[5] = {std::bit_cast<uint32_t>(phi), std::bit_cast<uint32_t>(alpha),
                           std::bit_cast<uint32_t>(beta), std::bit_cast<uint32_t>(deltaA),
                           std::bit_cast<uint32_t>(deltaP)};
    uint32_t h = 2166136261u;
    for (const uint32_t w : k)
        h = (h ^ w) * 16777619u;
    Beiwertsatz& satz = beiwertSaetze[(h ^ (h >> 15)) % kBeiwertSaetze];
    if (satz.belegt && std::equal(k, k + 5, satz.schluessel)) {
        beta = satz.beta;
        Kagh = satz.Kagh;
        Kpgh = satz.Kpgh;
        Kach = satz.Kach;
        Kpch = satz.Kpch;
        BeiwertHinweis = satz.hinweis;
        return;
    }
    Berechnen(phi, alpha, beta, deltaA, deltaP, Kagh, Kpgh, Kach, Kpch);
    std::copy(k, k + 5, satz.schluessel);
    satz.beta = beta;
    satz.Kagh = Kagh;
    satz.Kpgh = Kpgh;
    satz.Kach = Kach;
    satz.Kpch = Kpch;
    satz.hinweis = BeiwertHinweis;
    satz.belegt = true;
}

namespace {

void Berechnen(float phi, float alpha, float& beta, float deltaA, float deltaP, float& Kagh, float& Kpgh,
               float& Kach, float& Kpch) {
    BeiwertHinweis = Beiwertzustand{};
    // A slope as steep as the friction angle has no active wedge: lower it a hair.
    if (beta >= phi) beta = 0.999999f * phi;

    const float cosAlpha2 = quadrat(cosF(alpha));

    // Soil weight, active side.
    Kagh = KaghAktiv(phi, alpha, beta, deltaA);

    // Soil weight, passive side (wall friction as given).
    const float rp =
        wurzelBetrag((sinF(phi + beta) * sinF(phi - deltaP)) / (cosF(alpha + beta) * cosF(alpha - deltaP)));
    // With rp at or above 1 no plane passive wedge exists: the formula would divide by
    // zero or give a value without meaning.
    if (rp < 1.0f) {
        Kpgh = quadrat(cosF(phi - alpha)) / (cosAlpha2 * quadrat(1.0f - rp));
    } else {
        Kpgh = 0.0f;
        BeiwertHinweis.KpghNichtBestimmbar = true;
    }

    // Cohesion.
    const float F = 2.0f * cosF(phi) * cosF(beta) * (1.0f - tanF(alpha) * tanF(beta));
    Kach = F * cosF(alpha - deltaA) / (1.0f + sinF(phi + deltaA - alpha - beta));

    // On the passive side the wall friction of the cohesion term is limited to -2 phi / 3.
    float dp = deltaP;
    const float grenze = -2.0f * phi / 3.0f;
    if (dp < grenze) dp = grenze;
    // The passive wedge of the cohesion term exists while its angle stays below 90 degrees.
    const float winkel = phi - dp + alpha + beta;
    const float nenner = 1.0f - sinF(winkel);
    if (winkel < kHalbePi && nenner > 0.0f) {
        Kpch = F * cosF(alpha - dp) / nenner;
    } else {
        Kpch = 0.0f;
        BeiwertHinweis.KpchNichtBestimmbar = true;
    }
}

} // namespace

float KaghAktiv(float phi, float alpha, float beta, float deltaA) {
    if (beta >= phi) beta = 0.999999f * phi;
    const float cosAlpha2 = quadrat(cosF(alpha));
    const float ra =
        wurzelBetrag((sinF(phi - beta) * sinF(phi + deltaA)) / (cosF(alpha + beta) * cosF(alpha - deltaA)));
    return quadrat(cosF(phi + alpha)) / (cosAlpha2 * quadrat(1.0f + ra));
}

void SchichtMittel(std::span<const float> V, std::span<const float> K, int16_t n, float a, float b,
                   float& ergebnis) {
    ergebnis = 0.0f;
    if (!(b - a > 0.0f) || n < 1) return;
    int letzte = n;
    if (static_cast<int>(K.size()) - 2 < letzte) letzte = static_cast<int>(K.size()) - 2;
    if (static_cast<int>(V.size()) - 1 < letzte) letzte = static_cast<int>(V.size()) - 1;
    if (letzte < 1) return;

    int erste = 0;
    for (int i = 1; i <= letzte; ++i)
        if (K[i + 1] > a) {
            erste = i;
            break;
        }
    if (erste == 0) {
        // Both depths below the bottom of the last layer: the last layer goes on.
        ergebnis = V[letzte];
        return;
    }

    // Each layer adds its value times its thickness inside a..b: the first from a, the last down
    // to b. Summing the parts (in double) instead of whole layers less the part below b keeps a
    // narrow range inside a thick layer from cancelling away: its mean is the layer's value.
    double S = 0.0;
    for (int j = erste; j <= letzte; ++j) {
        const double oben = j == erste ? static_cast<double>(a) : static_cast<double>(K[j]);
        const bool letzteSchicht = b <= K[j + 1];
        const double unten = letzteSchicht ? static_cast<double>(b) : static_cast<double>(K[j + 1]);
        S += (unten - oben) * static_cast<double>(V[j]);
        if (letzteSchicht) break;
    }
    ergebnis = static_cast<float>(S / (static_cast<double>(b) - static_cast<double>(a)));
}

} // namespace zormcom
