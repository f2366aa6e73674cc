#include "graphics/pressure_figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "earthpressure/diagrams.h"
#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

using zorm1::P;

namespace zorg {

namespace {
constexpr const char* kFormatEins = "#####0.0";
constexpr int kMaxSchraffurLinien = 10000;
} // namespace

void Schraffieren(Flaeche& z, std::span<const float> werte, std::span<const float> tiefen, int16_t n,
                  float x0, float y0, float sx, float sz) {
    const int vorhanden = static_cast<int>(std::min(werte.size(), tiefen.size())) - 1;
    const int nn = std::min<int>(n, vorhanden);
    if (nn < 0) return;
    const float ende = tiefen[static_cast<size_t>(nn)];
    const float q = ende / 0.1f;
    if (!std::isfinite(q)) return;
    const float mr = std::nearbyint(q); // halves to the even neighbour
    if (mr <= 1.0f) return;
    const int m = static_cast<int>(std::min(mr, static_cast<float>(kMaxSchraffurLinien)));
    std::vector<float> wert(static_cast<size_t>(m) + 1, 0.0f);
    std::vector<float> stufe(static_cast<size_t>(m) + 1, 0.0f);
    for (int i = 1; i <= m; ++i)
        stufe[static_cast<size_t>(i)] = static_cast<float>(i) * ende / static_cast<float>(m);
    for (int k = 1; k <= nn; ++k) {
        const float za = tiefen[static_cast<size_t>(k - 1)], zb = tiefen[static_cast<size_t>(k)];
        const float wa = werte[static_cast<size_t>(k - 1)], wb = werte[static_cast<size_t>(k)];
        for (int i = 1; i <= m; ++i) {
            const float zi = stufe[static_cast<size_t>(i)];
            if (za < zi && zi <= zb) wert[static_cast<size_t>(i)] = wa + (zi - za) * (wb - wa) / (zb - za);
        }
    }
    for (int i = 1; i <= m; ++i) {
        const float y = y0 + stufe[static_cast<size_t>(i)] * sz;
        z.Line(x0, y, x0 + wert[static_cast<size_t>(i)] * sx, y);
    }
}

bool DruckfigurAusDatei(Flaeche& z, const std::string& name, int16_t& n, float x0, float dx, float se,
                        float y0, float sz, int16_t seite, float& differenz) {
    auto& g = Grafik();
    if (!vb::FileExists(name)) return false;
    const float tiefe = g.plot.ZEndeKoten;
    const float zFuss = g.plot.zFuss;
    int16_t m = 0;
    float kopf = 0;
    std::vector<float> zl, el;
    try {
        vb::FileGuard f(name, vb::OpenMode::Input);
        vb::Input(f.nr(), m, kopf);
        if (m < 1) return false;
        zl.assign(static_cast<size_t>(m) + 2, 0.0f);
        el.assign(static_cast<size_t>(m) + 2, 0.0f);
        for (int i = 1; i <= m; ++i)
            vb::Input(f.nr(), zl[static_cast<size_t>(i)], el[static_cast<size_t>(i)]);
    } catch (const vb::RuntimeError&) {
        return false; // shorter than its count or damaged: the figure is left out
    }
    // the list has to reach the picture's depth
    if (!(zl[static_cast<size_t>(m)] >= tiefe)) return false;
    float ec = 0;
    zormc::InterpolierenOben(zl, el, m, tiefe, ec);
    int k = m;
    for (int i = 1; i <= m; ++i)
        if (zl[static_cast<size_t>(i)] >= tiefe) {
            k = i;
            break;
        }
    zl[static_cast<size_t>(k)] = tiefe;
    el[static_cast<size_t>(k)] = ec;
    zl[static_cast<size_t>(k) + 1] = tiefe;
    el[static_cast<size_t>(k) + 1] = 0.0f;
    auto X = [&](float e) { return x0 + dx + e * se; };
    auto Y = [&](float t) { return y0 + t * sz; };
    for (int i = 1; i <= k; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        z.Line(X(el[a]), Y(zl[a]), X(el[b]), Y(zl[b]));
    }
    const float eEnde = el[static_cast<size_t>(k)];
    g.TextPuffer = vb::Trim(vb::Format(eEnde, kFormatEins));
    const double w = z.TextWidth(g.TextPuffer), h = z.TextHeight(g.TextPuffer);
    z.SetCurrentX(X(eEnde) + seite * w);
    z.SetCurrentY(Y(tiefe) - h);
    PufferDrucken(z);
    // resultant between the wall foot and the picture's depth
    float aTiefe = 0, aFuss = 0, weg = 0;
    const int16_t nk = static_cast<int16_t>(k);
    zormc::Integrieren(el, zl, nk, tiefe, aTiefe, weg);
    zormc::Integrieren(el, zl, nk, zFuss, aFuss, weg);
    const float diff = aTiefe - aFuss;
    g.TextPuffer = "(" + vb::Trim(vb::Format(diff, kFormatEins)) + ")";
    z.SetCurrentX(x0 + dx + se * eEnde / 2 - z.TextWidth(g.TextPuffer) / 2);
    z.SetCurrentY(y0 + sz * (tiefe + zFuss) / 2 - z.TextHeight(g.TextPuffer) / 2);
    PufferDrucken(z);
    n = nk;
    differenz = diff;
    g.SummeH = kopf;
    return true;
}

void MaxWertSchreiben(Flaeche& z, float wert, float maxWert, float minWert, bool& maxOffen, bool& minOffen,
                      float x0a, float x0b, float faktor, float zt, float dz, int16_t seite) {
    auto& g = Grafik();
    const float s = seite == -1 ? -1.0f : 0.0f;
    const float u = Grafik().ZeichenEinheit;
    float v = 0;
    bool maximum = false;
    if (maxOffen && maxWert > 0 && wert == maxWert) {
        v = maxWert;
        maximum = true;
    } else if (minOffen && minWert < 0 && wert == minWert) {
        v = minWert;
    } else {
        return;
    }
    g.TextPuffer = vb::Trim(vb::Format(v, kFormatEins));
    const float tw = static_cast<float>(z.TextWidth(g.TextPuffer));
    const float xp = x0a + x0b - faktor * static_cast<float>(seite) * v;
    z.SetCurrentX(maximum ? xp - (s + 1) * tw - u : xp + s * tw - u);
    z.SetCurrentY(zt + dz - z.TextHeight(g.TextPuffer));
    TextYPruefen(z, zt);
    PufferDrucken(z);
    (maximum ? maxOffen : minOffen) = false;
}

} // namespace zorg
