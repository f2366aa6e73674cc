#include "design/rect_section.h"

#include <cmath>

#include "design/state.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"

using zorm1::P;

namespace zormd {

// Rectangular section, parabola-rectangle concrete (eps_c2 -2, eps_cu -3.5 per mille), steel limit strain
// 25 per mille: omega and zeta for mu = i / 100. Row 0 holds half of row 1's omega.
const Tabellenzeile BemessungsTabelle[kTabellenZeilen] = {
    {0.00505f, 0.990f}, {0.0101f, 0.990f}, {0.0203f, 0.985f}, {0.0306f, 0.980f}, {0.041f, 0.976f},
    {0.0515f, 0.971f},  {0.0621f, 0.967f}, {0.0728f, 0.962f}, {0.0836f, 0.956f}, {0.0946f, 0.951f},
    {0.1057f, 0.946f},  {0.117f, 0.940f},  {0.1285f, 0.934f}, {0.1401f, 0.928f}, {0.1518f, 0.922f},
    {0.1638f, 0.916f},  {0.1759f, 0.910f}, {0.1882f, 0.903f}, {0.2007f, 0.897f}, {0.2134f, 0.890f},
    {0.2263f, 0.884f},  {0.2395f, 0.877f}, {0.2528f, 0.870f}, {0.2665f, 0.863f}, {0.2804f, 0.856f},
    {0.2946f, 0.849f},  {0.3091f, 0.841f}, {0.3239f, 0.834f}, {0.3391f, 0.826f}, {0.3546f, 0.818f},
    {0.3706f, 0.810f},  {0.3869f, 0.801f}, {0.4038f, 0.793f}, {0.4211f, 0.784f}, {0.4391f, 0.774f},
    {0.4576f, 0.765f},  {0.4768f, 0.755f}, {0.4968f, 0.745f}, {0.5177f, 0.734f}, {0.5396f, 0.723f},
    {0.5627f, 0.711f},
};

void RechteckBemessungGlobal(float& M, float& V, float& h, float& d1, float& As1, float& As2, float& asw,
                             float& tau0, float& tau) {
    const float fc = zormd::BS.BetonFestigkeit;
    const float fy = zormd::BS.StahlFestigkeit;
    const float d = h - d1;
    As1 = 0.0f;
    As2 = 0.0f;
    // Without effective depth or strengths nothing can be designed (the formulas would divide by 0 and
    // a result that is no number fails every range test below, which reads as "nothing needed").
    if (!(d > 0.0f) || !(fc > 0.0f) || !(fy > 0.0f)) {
        As1 = As2 = asw = 999.0f;
        return;
    }
    const float mu = static_cast<float>(std::fabs(M) / (1.0 * d * d * fc) * 0.001);
    if (mu > 0.4f) {
        As1 = As2 = 999.0f;
    } else if (mu >= 0.193f) {
        // Compression reinforcement.
        if (!(d - d1 > 0.0f)) {
            As1 = As2 = 999.0f;
        } else {
            const float F2 = static_cast<float>(1750.0 * (mu - 0.193) * d * d * fc / (d - d1));
            const float sigma2 = static_cast<float>(735.0 * (1.0 - 1.857 * d1 / d));
            const float fs2 = std::fmin(fy, sigma2);
            if (!(fs2 > 0.0f)) {
                As1 = As2 = 999.0f;
            } else {
                As2 = static_cast<float>(10.0 * F2 / fs2);
                As1 = static_cast<float>(10000.0 * (0.436 * d * fc + F2 / 1000.0) / fy);
            }
        }
    } else {
        float omega;
        if (mu <= 0.03f)
            omega = static_cast<float>(mu * 0.055 / 0.03);
        else
            omega = static_cast<float>(0.00127 + 1.739 * mu + 2.743 * mu * mu - 12.81 * mu * mu * mu +
                                       64.194 * mu * mu * mu * mu);
        As1 = static_cast<float>(10000.0 * omega * d * fc / fy);
    }
    float zeta;
    if (mu <= 0.16f)
        zeta = static_cast<float>(0.98 - (0.15 / 0.16) * mu);
    else if (mu <= 0.193f)
        zeta = static_cast<float>(0.83 - (mu - 0.16) * (0.5 / 0.33));
    else
        zeta = 0.78f;
    tau0 = static_cast<float>(std::fabs(V) / (1.0 * zeta * d) * 0.001);
    // No permissible shear stress (class not set): the shear cannot be designed.
    if (tau0 > zormd::BS.zulTau02 || !(zormd::BS.zulTau02 > 0.0f)) {
        asw = 999.0f;
        return;
    }
    tau = std::fmax(static_cast<float>(static_cast<double>(tau0) * tau0 / zormd::BS.zulTau02),
                    static_cast<float>(0.4 * tau0));
    asw = static_cast<float>(10000.0 * 1.75 * tau / fy);
}

namespace {
// Holds fcd and fyd in BetonFestigkeit and StahlFestigkeit for the duration of a call and puts the
// former values back on every path.
class FestigkeitenBemessung {
public:
    FestigkeitenBemessung() : beton_(zormd::BS.BetonFestigkeit), stahl_(zormd::BS.StahlFestigkeit) {
        zormd::BS.BetonFestigkeit = beton_ / zormcom::Vorgaben.gamC_Beton;
        zormd::BS.StahlFestigkeit = stahl_ / zormcom::Vorgaben.gamS_Stahl;
    }
    ~FestigkeitenBemessung() {
        zormd::BS.BetonFestigkeit = beton_;
        zormd::BS.StahlFestigkeit = stahl_;
    }
    FestigkeitenBemessung(const FestigkeitenBemessung&) = delete;
    FestigkeitenBemessung& operator=(const FestigkeitenBemessung&) = delete;

private:
    float beton_, stahl_;
};
} // namespace

void RechteckBemessungTabelle(float& M, float& N, float& V, float& h, float& d1, float& As1, float& As2,
                              float& asw) {
    const float d = h - d1;
    As1 = 0.0f;
    As2 = 0.0f;
    if (!(zormcom::Vorgaben.gamC_Beton > 0.0f) || !(zormcom::Vorgaben.gamS_Stahl > 0.0f) || !(d > 0.0f)) {
        As1 = As2 = 999.0f;
        return;
    }
    FestigkeitenBemessung festigkeiten;
    const float fcd = zormd::BS.BetonFestigkeit;
    const float fyd = zormd::BS.StahlFestigkeit;
    if (!(fcd > 0.0f) || !(fyd > 0.0f)) {
        As1 = As2 = 999.0f;
        return;
    }

    const float MEds = static_cast<float>(std::fabs(M) - (h / 2.0 - d1) * N);
    const float muEds = static_cast<float>(MEds / 1000.0 / (1.0 * d * d * fcd));
    if (muEds > 0.55f) {
        As1 = As2 = 999.0f;
        return;
    }
    float zeta;
    if (muEds >= 0.34f) {
        // Compression reinforcement.
        if (!(d - d1 > 0.0f)) {
            As1 = As2 = 999.0f;
            return;
        }
        const float F2 = static_cast<float>((muEds - 0.34) * d * d * fcd / (d - d1));
        const float sigma2 = static_cast<float>(3.5 / 1000.0 * 200000.0 * (1.0 - 1.859 * d1 / d));
        const float fs2 = std::fmin(fyd, sigma2);
        if (!(fs2 > 0.0f)) {
            As1 = As2 = 999.0f;
            return;
        }
        As2 = static_cast<float>(10000.0 * F2 / fs2);
        As1 = static_cast<float>(10000.0 * (0.4391 * d * fcd + F2 + N / 1000.0) / fyd);
        zeta = 0.774f;
    } else {
        // Table: the first row above muEds and linear interpolation to the row before (beyond row 0 for a
        // negative muEds).
        int i = 1;
        while (i < kTabellenZeilen - 1 && !(i / 100.0 > muEds))
            ++i;
        const double t = (i / 100.0 - muEds) * 100.0;
        const Tabellenzeile& hi = BemessungsTabelle[i];
        const Tabellenzeile& lo = BemessungsTabelle[i - 1];
        const float omega = static_cast<float>(hi.omega - (hi.omega - lo.omega) * t);
        zeta = static_cast<float>(hi.zeta - (hi.zeta - lo.zeta) * t);
        As1 = static_cast<float>(10000.0 * (omega * 1.0 * d * fcd + N / 1000.0) / fyd);
        if (As1 < 0.0f) As1 = 0.0f;
    }

    if (As1 > 0.0f && BW.SpritzbetonFlag == 0) {
        float z = zeta * d;
        float b = 1.0f;
        Querkraftbemessung(M, V, N, b, z, h);
        // Without a shear force no stirrups: CotTheta may still be 0 from program start.
        if (V == 0.0f)
            asw = 0.0f;
        else
            asw = static_cast<float>(10.0 * V / (static_cast<double>(fyd) * z * BW.CotTheta));
        // Concrete values of the shear design not set (fck, fcd 0): not designable rather than no number.
        if (!std::isfinite(asw)) asw = 999.0f;
    }
}

void Querkraftbemessung(float& /*M*/, float& V, float& N, float& b, float& z, float& h) {
    if (V == 0.0f) return;
    const float fck = zormcom::Vorgaben.fck;
    const float fcd = zormcom::Vorgaben.fcd;
    const float sigmaCd = static_cast<float>(N / 1000.0 / h);
    const float VEd = static_cast<float>(V / 1000.0);
    float VRdc = static_cast<float>(0.24 * std::pow(static_cast<double>(fck), 0.33333) *
                                    (1.0 + 1.2 * sigmaCd / fcd) * b * z);
    if (VRdc >= VEd) VRdc = static_cast<float>(0.999 * VEd);
    BW.VRdC = VRdc;
    float cot = static_cast<float>((1.2 - 1.4 * sigmaCd / fcd) / (1.0 - static_cast<double>(VRdc) / VEd));
    if (cot > 3.0f) cot = 3.0f;
    if (cot < 0.58f) cot = 0.58f;
    BW.CotTheta = cot;
    const double tanTheta = std::tan(std::atan(1.0 / cot));
    BW.VRdmax = static_cast<float>(0.75 * fcd * b * z / (cot + tanTheta) * 1000.0);
    if (P.CotThetaWahl == 1) BW.CotTheta = 1.2f;
}

} // namespace zormd
