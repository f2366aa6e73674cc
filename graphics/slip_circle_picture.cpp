// The critical slip circle of the overall-stability check on the statics picture, from "DIDUVU.PLT".
#include <algorithm>
#include <cmath>
#include <vector>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

using zorm1::P;

namespace zorg {

bool GleitkreisLesen(int16_t lf, int16_t stufe, Gleitkreis& k) {
    if (!vb::FileExists("DIDUVU.PLT")) return false;
    try {
        vb::FileGuard f("DIDUVU.PLT", vb::OpenMode::Input);
        while (!vb::Eof(f.nr())) {
            int16_t l = 0, s = 0, n = 0;
            vb::Input(f.nr(), l, s, n);
            Gleitkreis g;
            vb::Input(f.nr(), g.xM, g.zM, g.R, g.eta);
            if (n < 0) return false;
            g.x.resize(static_cast<size_t>(n));
            g.z.resize(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i)
                vb::Input(f.nr(), g.x[static_cast<size_t>(i)], g.z[static_cast<size_t>(i)]);
            if (l == lf && s == stufe) {
                k = std::move(g);
                return true;
            }
        }
    } catch (const vb::RuntimeError&) {
        // a short or damaged file: no circle
    }
    return false;
}

void GleitkreisZeichnen(Flaeche& z, int16_t lf, int16_t stufe) {
    Gleitkreis k;
    if (!GleitkreisLesen(lf, stufe, k) || k.x.empty()) return;
    z.SetDrawStyle(vb::draw::vbDot);
    for (size_t i = 1; i < k.x.size(); ++i)
        z.Line(k.x[i - 1], k.z[i - 1], k.x[i], k.z[i]);
    z.Line(k.xM, k.zM, k.x.front(), k.z.front());
    z.Line(k.xM, k.zM, k.x.back(), k.z.back());
    z.SetDrawStyle(vb::draw::vbSolid);
    for (int i = 1; i <= 5; ++i)
        z.Circle(k.xM, k.zM, i * P.Massstab * 0.0001);
    const bool teilsi = P.TeilsicherheitenAn != 0;
    const double xC = 2 * Grafik().BildLinks / 3;
    const double x3 = xC + z.TextWidth("= Radius  ");
    const double h = z.TextHeight("A");
    double y = Grafik().BildOben / 2;
    auto zeile = [&](float wert, bool wertDa, const std::string& zwei, const std::string& drei) {
        if (wertDa) {
            const std::string t = vb::Trim(vb::Format(wert, "#####0.00"));
            z.SetCurrentX(xC - z.TextWidth(t));
            z.SetCurrentY(y);
            Beschriften(z, t, vb::draw::PrintEnd::Stay, true);
        }
        z.SetCurrentX(xC);
        z.SetCurrentY(y);
        Beschriften(z, zwei, vb::draw::PrintEnd::Stay, true);
        z.SetCurrentX(x3);
        z.SetCurrentY(y);
        Beschriften(z, drei, vb::draw::PrintEnd::Stay, true);
        y += h;
    };
    zeile(k.xM, true, " = xM", ";  maßgebender Punkt");
    zeile(k.zM, true, " = zM", ";  beim Geländebruch-Nachweis");
    zeile(k.R, true, " = Radius", ";  nach DIN 4084 (1981).");
    if (teilsi)
        // an eta of 0 gives no utilisation
        zeile(k.eta != 0 ? 1.0f / k.eta : 0.0f, k.eta != 0, " = Ed/Rd", ";  Ausnutzung nach GZ GEO-3");
    else
        zeile(k.eta, true, " = etamin", ";  erf. bei akt.Erddr. 1.3, bei Ruhedruck 1.4");
    if (k.eta < 1) {
        z.SetCurrentX(x3);
        z.SetCurrentY(y);
        Beschriften(z, "   ?!?!?!?!?!?!?!?!?!", vb::draw::PrintEnd::Stay, true);
    }
}

} // namespace zorg
