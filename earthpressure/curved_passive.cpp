// Passive earth-pressure coefficient for curved slip surfaces (Caquot-Kérisel) and the
// thinning of ordinate lists whose depths repeat more than twice.
#include "earthpressure/curved_passive.h"

#include <array>
#include <cmath>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"

namespace {

// Reduction factors over phi = 10, 15, ..., 60 degrees (rows) and |deltaP| / phi =
// 0.0, 0.1, ..., 1.0 (columns).
constexpr int kZeilen = 11;
constexpr int kSpalten = 11;
constexpr std::array<std::array<float, kSpalten>, kZeilen> kReduktion{{
    {0.864f, 0.881f, 0.898f, 0.912f, 0.929f, 0.946f, 0.962f, 0.978f, 0.989f, 0.991f, 1.0f},
    {0.775f, 0.803f, 0.830f, 0.854f, 0.881f, 0.907f, 0.934f, 0.961f, 0.979f, 0.986f, 1.0f},
    {0.678f, 0.716f, 0.752f, 0.787f, 0.824f, 0.862f, 0.901f, 0.939f, 0.968f, 0.983f, 1.0f},
    {0.574f, 0.620f, 0.666f, 0.711f, 0.759f, 0.808f, 0.860f, 0.912f, 0.954f, 0.980f, 1.0f},
    {0.467f, 0.520f, 0.574f, 0.627f, 0.686f, 0.746f, 0.811f, 0.878f, 0.937f, 0.980f, 1.0f},
    {0.362f, 0.417f, 0.475f, 0.536f, 0.603f, 0.674f, 0.752f, 0.836f, 0.916f, 0.980f, 1.0f},
    {0.262f, 0.316f, 0.375f, 0.439f, 0.512f, 0.592f, 0.682f, 0.783f, 0.886f, 0.980f, 1.0f},
    {0.174f, 0.221f, 0.276f, 0.339f, 0.414f, 0.500f, 0.600f, 0.718f, 0.848f, 0.979f, 1.0f},
    {0.102f, 0.138f, 0.185f, 0.242f, 0.313f, 0.399f, 0.506f, 0.638f, 0.797f, 0.975f, 1.0f},
    {0.049f, 0.074f, 0.108f, 0.153f, 0.215f, 0.295f, 0.401f, 0.543f, 0.731f, 0.966f, 1.0f},
    {0.018f, 0.030f, 0.050f, 0.081f, 0.127f, 0.193f, 0.290f, 0.434f, 0.647f, 0.948f, 1.0f},
}};

constexpr float kPi = 3.141593f;
constexpr float kPiViertel = 0.7853982f;
// Degree-to-radian factor as the program sets it, for when the project data hold none.
const float kGradZuRadVorgabe = static_cast<float>(3.141593 / 180.0);

double d(float w) {
    return static_cast<double>(w);
}
float f(double w) {
    return static_cast<float>(w);
}

// Rounds to the nearest integer, halves to the even one.
int runden(float w) {
    return static_cast<int>(std::nearbyint(w));
}

} // namespace

namespace zormb {

bool KpCaquot(float phi, float deltaP, float alpha, float beta, float& Kpgh) {
    const float gradZuRad = zorm1::P.GradZuRad != 0.0f ? zorm1::P.GradZuRad : kGradZuRadVorgabe;
    const float phiGrad = phi / gradZuRad;

    // 1. Fit for full wall friction (wall friction equal to phi).
    const float t = f(std::tan(d(phi)));
    const float s = f(std::sin(d(phi)));
    const float c = f(std::cos(d(phi)));
    const float b = phi != 0.0f ? beta / phi : 0.0f;
    const float dw = phi;
    const float A = 0.275f * f(std::pow(d(t), 5.0 / 3.0)) + 1.1f * t;
    const float B = 1.135f * f(std::pow(d(t), 9.0 / 8.0));
    const float C = 0.425f * f(std::pow(d(s), 6.0)) + 0.463f * s;
    const float D = A - C - f(std::log10(d(c * c)));
    const float G = (1.0f - 0.7f * t) * 0.07f * t;
    const float H = 0.34f * s / (s * s + s + 0.1f);
    const float sa = f(std::sin(d(alpha)));
    const float T1 = sa * B - f(std::log10(std::cos(d(alpha)))) * f(std::pow(d(c), 6.0)) +
                     f(std::pow(d(sa), 3.0)) * s / 2.0f;
    const float sPb4 = f(std::sin(d(kPiViertel * b)));
    const float T2 = -0.422f * C * f(std::pow(std::tan(d(19.0f * kPi * b / 60.0f)), 2.0)) +
                     D * (1.16f * f(std::pow(d(sPb4), 5.0)) + 1.124f * sPb4) - G * f(std::sin(d(kPi * b))) +
                     2.5f * 2.0f * f(std::pow(10.0, -6.0 * 2.0)) * f(std::sin(d(2.0f * phi)));
    const float S = 0.62f * f(std::sin(d(dw))) + 1.0f - f(std::cos(d(dw)));
    const float wGrad = 0.5f * (80.0f + 17.0f * b * b * b - 25.0f * b * b * b * b - phiGrad);
    const float W = f(std::sin(d(wGrad * kPi / 180.0f)));
    const float F = 1.0f - f(std::pow(d(1.0f - b), 2.5));
    const float E = A - T1 + T2 + H * W * S * F;
    const float K = f(std::pow(10.0, d(E)));

    // 2. Reduction factor by bilinear interpolation in the table. Angles beyond the
    // table are taken at its edge; the 60-degree row also serves above 60 degrees.
    bool ausserhalb = false;
    float phiTabelle = phiGrad;
    if (phiTabelle < 9.9995f) {
        phiTabelle = 10.0f;
        ausserhalb = true;
    } else if (phiTabelle > 60.0005f) {
        phiTabelle = 60.0f;
        ausserhalb = true;
    }
    float verhaeltnis = phi != 0.0f ? std::fabs(deltaP) / phi : 1.0f;
    if (verhaeltnis > 1.0f) {
        verhaeltnis = 1.0f;
        ausserhalb = true;
    }
    int i0 = runden(phiTabelle - 10.0f) / 5;
    int j0 = runden(verhaeltnis < 1.0f ? 100.0f * std::fabs(deltaP) / phi : 100.0f) / 10;
    // From 59.5 degrees on the rounding points at the 60-degree row, which has no row
    // above it: interpolate between the rows of 55 and 60 degrees, so that the factor
    // runs on smoothly up to 60 degrees instead of jumping to the 60-degree value.
    if (i0 > kZeilen - 2) i0 = kZeilen - 2;
    if (j0 > kSpalten - 1) j0 = kSpalten - 1;
    const int i1 = i0 + 1 < kZeilen - 1 ? i0 + 1 : kZeilen - 1;
    const int j1 = j0 + 1 < kSpalten - 1 ? j0 + 1 : kSpalten - 1;
    const float u = phiTabelle - 5.0f * static_cast<float>(i0) - 10.0f;
    const float v = verhaeltnis - 0.1f * static_cast<float>(j0);
    const auto& T = kReduktion;
    const float R0 = T[i0][j0] + (T[i0][j1] - T[i0][j0]) * v / 0.1f;
    const float R1 = T[i1][j0] + (T[i1][j1] - T[i1][j0]) * v / 0.1f;
    const float R = R0 + (R1 - R0) * u / 5.0f;

    // 3. Horizontal coefficient for the actual wall friction.
    Kpgh = K * R / c * f(std::cos(d(deltaP)));
    // Near 90 degrees the fit grows beyond every single (from about 86 degrees): no coefficient.
    if (!std::isfinite(Kpgh))
        throw zor::CalcAbort(
            "Die Berechnung ist nicht möglich:\r\nDer Erdwiderstandsbeiwert kpgh für gekrümmte "
            "Gleitflächen ist beim Reibungswinkel " +
            vb::StrPlain(std::round(phiGrad * 100.0f) / 100.0f) +
            " Grad nicht bestimmbar.\r\nBitte die Eingabe überprüfen.");
    return ausserhalb;
}

void PunkteBereinigen(std::span<float> e, std::span<float> z, int16_t& n) {
    const int oben = static_cast<int>(e.size() < z.size() ? e.size() : z.size()) - 1;
    if (n > oben) n = static_cast<int16_t>(oben);
    if (n < 0) n = 0;
    for (int i = n + 1; i <= oben; ++i) {
        e[i] = 0.0f;
        z[i] = 0.0f;
    }
    int behalten = 0;
    for (int i = 1; i <= n; ++i) {
        if (i + 2 <= n && z[i + 2] == z[i]) continue;
        ++behalten;
        e[behalten] = e[i];
        z[behalten] = z[i];
    }
    for (int i = behalten + 1; i <= n; ++i) {
        e[i] = 0.0f;
        z[i] = 0.0f;
    }
    n = static_cast<int16_t>(behalten);
}

void PunkteBereinigen(zor::Ordinatenliste& L) {
    PunkteBereinigen(L.e, L.z, L.n);
}

} // namespace zormb
