#include "design/circle_section.h"

#include <cmath>

#include "design/circle_kernel.h"
#include "design/rect_section.h"
#include "design/state.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"

using zorm1::P;

namespace zormd {

double ArcCos(double x, float pi) {
    if (x >= 1.0) return 0.0;
    if (x <= -1.0) return pi;
    return static_cast<double>(pi) / 2.0 - std::atan(x / std::sqrt(1.0 - x * x));
}

void KreisBemessung(float& D, float& d1, float& M, float& V, float& N, float& As, float& asw) {
    if (M == 0.0f) return;
    BW.KreisNichtKonvergiert = false;
    BW.KreisAswMindest = false;
    const float pi = static_cast<float>(zorm0::kPi);

    // Longitudinal reinforcement.
    double r = D / 2.0;
    double rs = r - d1;
    double d = r + rs;
    double delta = d1 / d;
    double Ac = zorm0::kPi * r * r;
    const double epsY = 1000.0 * zormd::BS.StahlFestigkeit / 200000.0;
    double fcd = zormd::BS.BetonFestigkeit / 10.0 / zormcom::Vorgaben.gamC_Beton;
    double fyd = zormd::BS.StahlFestigkeit / 10.0 / zormcom::Vorgaben.gamS_Stahl;
    // No ring inside the section or no strengths: nothing can be designed.
    if (!(r > 0.0) || !(rs > 0.0) || !(fcd > 0.0) || !(fyd > 0.0) || !std::isfinite(fcd) ||
        !std::isfinite(fyd)) {
        As = 999.0f;
        asw = 999.0f;
        return;
    }
    float AsMin = P.AsMmin;
    float rho = 0.0f;
    zorm0::KreisBemessen(AsMin, r, rs, d, delta, Ac, fcd, fyd, N, M, As, rho);
    BW.KreisBewGrad = rho;
    BW.KreisNichtKonvergiert = !zorm0::K.Konvergiert;

    auto mindestens = [&] {
        asw = P.AsQmin;
        BW.KreisAswMindest = true;
    };

    // Tension steel from the strain state (angles at the centre from the lowest point of the ring).
    const float epsS = static_cast<float>(zorm0::K.KreisErgD3);
    const float epsC = static_cast<float>(zorm0::K.KreisErgD1);
    if (static_cast<double>(epsS) * epsC >= 0.0) {
        mindestens();
        return;
    }
    const double G = (static_cast<double>(epsS) - epsC) * rs / d;
    double c0 = 1.0 - epsS / G;
    const double theta0 = ArcCos(c0, pi);
    double e1 = epsS, ey = epsY, e0 = 0.0;
    if (theta0 == 0.0) {
        mindestens();
        return;
    }
    if (theta0 == static_cast<double>(pi)) {
        // The whole ring in tension: strains shifted by the strain at the top of the ring.
        e0 = epsS - 2.0 * G;
        e1 = epsS - e0;
        ey = epsY - e0;
        c0 = -1.0;
    }
    const double thetaY = (epsY < epsS) ? ArcCos(ey / G + c0, pi) : 0.0;
    const double k = As * 200000.0 / pi * 0.0001;
    double T = k * ((e1 - G) * (theta0 - thetaY) + ey * thetaY + G * (std::sin(theta0) - std::sin(thetaY)) +
                    e0 * pi);
    if (T == 0.0) T = 0.00000000000000000001;
    const double S = (std::sin(theta0) - std::sin(thetaY)) * (e1 - G) + ey * std::sin(thetaY) +
                     G * (theta0 - thetaY) / 2.0 +
                     G * (std::sin(2.0 * theta0) - std::sin(2.0 * thetaY)) / 4.0;
    const double es = k * (rs / 100.0) * S / T;

    // Lever arm and widths.
    const double cb = (static_cast<double>(epsC) * rs / r + epsS) / (static_cast<double>(epsC) - epsS);
    const double beta = ArcCos(cb, pi);
    const double b = (D / 100.0) * std::sin(beta);
    double gamma;
    if (P.TeilsicherheitenAn != 0)
        gamma = zormcom::Vorgaben.gamS_Stahl;
    else
        gamma = (epsS < 3.0f) ? 1.75 + 0.35 * (1.0 - epsS / 3.0) : 1.75;
    const double nenner = T / gamma - N;
    const double z = nenner != 0.0 ? (std::fabs(M) - es * N) / nenner : 0.0;
    // A lever arm that is not positive leaves no shear design (it would give a negative or infinite asw).
    if (!(z > 0.0) || !std::isfinite(z)) {
        asw = 999.0f;
        return;
    }
    const double a = r / 100.0 - (z - es);
    double bw;
    if (a > 0.0)
        bw = 2.0 * std::sqrt(std::fmax(0.0, 2.0 * a * r / 100.0 - a * a));
    else
        bw = 0.75 * b;
    // Under a normal force the strain state's lever arm shrinks with the moment (towards M / |N| for a
    // section with little or no tension steel, 0 for a centric force): it is no truss the stirrups work
    // in. Below 0.9 r the stirrups are designed with the lever arm 0.9 r.
    const double zMindest = 0.9 * r / 100.0;
    const double zSchub = (N != 0.0f && z < zMindest) ? zMindest : z;
    BW.KreisHebelarm = static_cast<float>(zSchub);
    BW.KreisBreiteNull = static_cast<float>(b);
    BW.KreisStegBreite = static_cast<float>(bw);
    if (N == 0.0f) {
        BW.KreisHebelarmN0 = BW.KreisHebelarm;
        BW.KreisBreiteNullN0 = BW.KreisBreiteNull;
        BW.KreisStegBreiteN0 = BW.KreisStegBreite;
    }

    // Shear reinforcement.
    double aswRechnung;
    if (P.TeilsicherheitenAn != 0) {
        float Mb = std::fabs(M);
        float bwf = BW.KreisStegBreite;
        float zf = BW.KreisHebelarm;
        float flaeche = static_cast<float>(Ac / 10000.0);
        Querkraftbemessung(Mb, V, N, bwf, zf, flaeche);
        if (V == 0.0f)
            aswRechnung = 0.0;
        else
            aswRechnung =
                10.0 * V / ((zormd::BS.StahlFestigkeit / zormcom::Vorgaben.gamS_Stahl) * zf * BW.CotTheta);
    } else {
        if (!(b > 0.0) || !(zormd::BS.zulTau02 > 0.0f)) {
            asw = 999.0f;
            return;
        }
        BW.tau0 = static_cast<float>(V / (b * zSchub * 1000.0));
        if (BW.tau0 > 1.03 * zormd::BS.zulTau03) {
            asw = 999.0f;
            return;
        }
        double kt = BW.tau0 / zormd::BS.zulTau02;
        if (kt < 0.4) kt = 0.4;
        if (kt > 1.0) kt = 1.0;
        aswRechnung = 10.0 * kt * V / zSchub / (zormd::BS.StahlFestigkeit / 1.75);
    }
    // The minimum holds everywhere.
    asw = static_cast<float>(aswRechnung);
    if (!std::isfinite(asw)) {
        asw = 999.0f;
        return;
    }
    if (asw < P.AsQmin) mindestens();
}

} // namespace zormd
