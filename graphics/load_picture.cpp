// The loads of a load case on the statics picture: wall loads left of the wall, earth-side area loads as
// blocks behind it. The project data are only read.
#include <algorithm>
#include <cmath>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zorg {
namespace {

void Drucke(Flaeche& z, double x, double y, const std::string& t) {
    z.SetCurrentX(x);
    z.SetCurrentY(y);
    Beschriften(z, t);
}

std::string Schlicht(float v) {
    return vb::Trim(vb::Str(v));
}
std::string Regional(float v) {
    std::string t = Schlicht(v);
    std::replace(t.begin(), t.end(), '.', vb::DecimalSeparator());
    return t;
}

// Whether load j of a list "not acting in" (count in entry 0) acts in the stage.
template <class A> bool Wirkt(const A& nichtIn, int lf, int j, int stufe) {
    const int n = std::clamp<int>(nichtIn(lf, j, 0), 0, 8);
    for (int k = 1; k <= n; ++k)
        if (nichtIn(lf, j, k) == stufe) return false;
    return true;
}

} // namespace

int16_t LastIntervalle(float laenge, float u) {
    if (!(u > 0)) return 1;
    const double n = std::nearbyint(laenge / (4 * u));
    return static_cast<int16_t>(std::clamp(n, 1.0, 2000.0)); // bounded at any scale
}

void LastenZeichnen(Flaeche& z, int16_t lfIn, int16_t stufe) {
    const int lf = std::clamp<int>(lfIn, 0, zorm1::MaxLastfaelle);
    const float u = Grafik().ZeichenEinheit, d = P.DWand;
    const float xL = Grafik().BildLinks, xR = Grafik().BildRechts;
    const int nLuft = std::clamp<int>(P.AnzLastLuftLF[static_cast<size_t>(lf)], 0, 8);
    for (int j = 1; j <= nLuft; ++j) {
        if (!Wirkt(P.LuftLastNichtIn, lf, j, stufe)) continue;
        const float H = P.LuftLastH(lf, j), M = P.LuftLastM(lf, j), zl = P.LuftLastZ(lf, j);
        const float xa = xL + 5.0f / 6.0f * (-d - xL);
        Schraffur(z, xa, zl, 3);
        std::string t = vb::Format(zl, "##0.00");
        Drucke(z, xa - z.TextWidth(t) / 2, zl - 1.2 * z.TextHeight(t) - 3 * u, t);
        z.Line(xa - 16 * u, zl, xa + 20 * u, zl);
        Schraffur(z, xa + 20 * u, zl, 2);
        t = "H=" + Schlicht(H);
        Drucke(z, xa + 20 * u, zl - z.TextHeight(t) / 2, t);
        z.Circle(xa - 12 * u, zl, 12 * u, vb::draw::kNoColor, 3.141593 / 2, 3 * 3.141593 / 2);
        Schraffur(z, xa - 12 * u, zl + 12 * u, 2);
        t = "M=" + Schlicht(M);
        Drucke(z, xa - 12 * u, zl + 12 * u - z.TextHeight(t) / 2, t);
    }
    const int nErd = std::clamp<int>(P.AnzLastErdLF[static_cast<size_t>(lf)], 0, 8);
    float pmax = 0;
    for (int j = 1; j <= nErd; ++j)
        pmax = std::max(pmax, P.ErdLastPv(lf, j));
    if (pmax <= 0) return;
    const float sh = 0.04f * (Grafik().BildUnten - Grafik().BildOben) / pmax;
    for (int j = 1; j <= nErd; ++j) {
        if (!Wirkt(P.ErdLastNichtIn, lf, j, stufe)) continue;
        const float pv = P.ErdLastPv(lf, j), ph = P.ErdLastPh(lf, j), xA = P.ErdLastXA(lf, j);
        const float xE = std::min(P.ErdLastXE(lf, j), xR), zl = P.ErdLastZ(lf, j);
        if (!(xA < xR)) continue;
        const float hx = sh * ph, zo = zl - 28 * u * pv / pmax;
        z.SetDrawWidth(3);
        z.Line(xA, zl, xE, zl);
        z.Line(xA + hx, zo, xE + hx, zo);
        z.Line(xA, zl, xA + hx, zo);
        z.Line(xE, zl, xE + hx, zo);
        z.SetDrawWidth(1);
        const float L = xE - xA;
        const int16_t n = LastIntervalle(L, u);
        for (int i = 0; i <= n; ++i)
            z.Line(xA + i * L / n, zl, xA + hx + i * L / n, zo);
        std::string t = Schlicht(pv);
        if (ph != 0) t += " \\ " + Regional(ph);
        Drucke(z, (xA + xE - z.TextWidth(t)) / 2, (zo + zl - z.TextHeight(t)) / 2, t);
    }
}

} // namespace zorg
