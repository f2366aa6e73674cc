// The stage overlay of a statics picture: supports in force, the next support, the excavation level with
// its sloped bottom, the water levels and the permanent loads on the excavation bottom.
#include <algorithm>
#include <cmath>

#include "earthpressure/state.h"
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

// A water level's label: the depth with "W", and the elevation with "W" in parentheses.
std::string WasserText(float zt) {
    const std::string tiefe = vb::Trim(vb::Format(zt, "#####0.00"));
    if (P.KoteOKWand == 0) return tiefe + "W";
    return tiefe + "(" + vb::Trim(vb::Format(P.KoteOKWand - zt, "#####0.00")) + "W)";
}

} // namespace

float NeigungAufHoehe(float z) {
    const int lagen = std::clamp<int>(P.AnzAnkerGesamt, 0, kMaxAnkerLagen);
    for (int j = 1; j <= lagen; ++j)
        if (P.ZAuflager[static_cast<size_t>(j)] == z) return P.AnkerNeigungGrad[static_cast<size_t>(j)];
    return 0; // a level that no row of the anchor table holds: drawn horizontal
}

void WasserAnkerZeichnen(Flaeche& z, int16_t stufe) {
    const StufenWerte w = StufeAusTabelle(stufe); // a copy: drawing changes no project data
    const PlotSatz& s = Grafik().plot;
    const float u = Grafik().ZeichenEinheit, d = P.DWand;
    const float xL = Grafik().BildLinks, xR = Grafik().BildRechts, zB = Grafik().BildUnten;
    z.SetDrawStyle(vb::draw::vbSolid);
    const bool kopf = P.WandKopf == 2 || P.WandKopf == 3;
    if (w.ZNextAnker != 99.0f || w.AnzAnker > 0 || kopf)
        Drucke(z, xL + 4 * u, -2 * z.TextHeight("Ank./St."), "Ank./St.");
    if (kopf) {
        Schraffur(z, xL + 8 * u, 0, 2);
        Schraffur(z, -d, 0, 2);
        if (P.KoteOKWand != 0) {
            const std::string t = KotenText(0);
            Drucke(z, xL + 10 * u, -z.TextHeight(t) / 2, t);
        }
    }
    for (int i = 1; i <= w.AnzAnker; ++i) {
        const float za = w.ZAnker[static_cast<size_t>(i)];
        Schraffur(z, xL + 8 * u, za, 2);
        KeilSymbol(z, -d, za, P.GradZuRad * NeigungAufHoehe(za));
        const std::string t = KotenText(za);
        Drucke(z, xL + 10 * u, za - z.TextHeight(t) / 2, t);
    }
    if (w.ZNextAnker < zB) {
        Markierung(z, xL + 8 * u, w.ZNextAnker, 2);
        Markierung(z, -d, w.ZNextAnker, 2);
        const std::string t = KotenText(w.ZNextAnker);
        Drucke(z, xL + 10 * u, w.ZNextAnker - z.TextHeight(t) / 2, t);
    }
    const float xS = xL + 2 * (-d - xL) / 3;
    Schraffur(z, xS, w.zAush, 3);
    {
        const std::string t = KotenText(w.zAush);
        Drucke(z, xS - z.TextWidth(t) / 2, w.zAush - 1.4 * z.TextHeight(t), t);
    }
    if (w.ZWasserLuft < zB) {
        const float zW = w.ZWasserLuft;
        z.SetDrawStyle(vb::draw::vbDash);
        z.Line(xL, zW, 0, zW);
        z.SetDrawStyle(vb::draw::vbSolid);
        if (s.zFuss + s.DeltaTPlot < zW && zormcom::Lauf.kzStroem != 0)
            Drucke(z, xL + 4 * u, zW + 4 * u,
                   "*** Wasser tiefer als Wandfuß: Berechnung mit Strömungseinfluß unbrauchbar ***");
        const float xW = xL + (-d - xL) / 3;
        Markierung(z, xW, zW, 3);
        WasserspiegelZeichen(z, xW, zW);
        const std::string t = WasserText(zW);
        Drucke(z, xW - z.TextWidth(t) / 2, zW - 1.4 * z.TextHeight(t), t);
    }
    if (w.ZWasserErd < zB) {
        const float zE = w.ZWasserErd;
        z.SetDrawStyle(vb::draw::vbDash);
        z.Line(0, zE, xR, zE);
        z.SetDrawStyle(vb::draw::vbSolid);
        const float xE = 0.2f * xR;
        Markierung(z, xE, zE, 3);
        WasserspiegelZeichen(z, xE, zE);
        const std::string t = WasserText(zE);
        Drucke(z, xE - z.TextWidth(t) / 2, zE - 1.4 * z.TextHeight(t), t);
    }
    z.SetDrawWidth(3);
    const float x1 = w.StBx1, x2 = w.StBx2, H = w.StBH, zS = w.zAush;
    z.Line(x1 - d, zS, -d, zS);
    z.Line(x1 - d, zS, x2 - d, zS + H);
    z.Line(x2 - d, zS + H, xL, zS + H);
    z.SetDrawWidth(1);
    float qmax = 0;
    for (int i = 1; i <= w.AnzSohlLast; ++i)
        qmax = std::max(qmax, w.SohlLastQ[static_cast<size_t>(i)]);
    if (qmax <= 0) return;
    for (int i = 1; i <= w.AnzSohlLast; ++i) {
        const size_t k = static_cast<size_t>(i);
        float a1 = std::max(w.SohlLastX1[k], xL), a2 = std::max(w.SohlLastX2[k], xL);
        float xa = a1 - d, xb = a2 - d;
        if (xa < xb) std::swap(xa, xb);
        const float zq = w.SohlLastZ[k], ztop = zq - 16 * u * w.SohlLastQ[k] / qmax;
        z.Line(xa, zq, xb, ztop, vb::draw::kNoColor, vb::draw::LineKind::Box);
        if (u > 0) {
            const double n = std::min<double>(std::nearbyint((xa - xb) / u), 20000.0);
            for (int j = 2; j <= n; j += 4)
                z.Line(xb + j * u, zq, xb + j * u, ztop);
        }
        const std::string t = vb::Trim(vb::Str(w.SohlLastQ[k]));
        Drucke(z, (xa + xb) / 2 - z.TextWidth(t) / 2, zq - 1.2 * z.TextHeight(t), t);
    }
}

} // namespace zorg
