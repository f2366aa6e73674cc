#include "statics/beam_nodes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "statics/state.h"

using zorm1::P;

namespace zormc {

namespace {

struct Marke {
    float z;
    float m;
};

// Depths closer than this count as one node.
constexpr float kGleich = 0.001f;

bool IstAuflager(float m) {
    return m == -1.0f;
}

// Sorts by depth (stable) and joins points closer than 0.001 m; a joined node keeps the first
// depth and the first non-zero marker.
void Vereinigen(std::vector<Marke>& v) {
    std::stable_sort(v.begin(), v.end(), [](const Marke& a, const Marke& b) { return a.z < b.z; });
    std::vector<Marke> r;
    for (const Marke& p : v) {
        if (!r.empty() && p.z - r.back().z < kGleich) {
            if (r.back().m == 0.0f) r.back().m = p.m;
            continue;
        }
        r.push_back(p);
    }
    v.swap(r);
}

void Pruefen(std::size_t n) {
    if (n > static_cast<std::size_t>(zor::kMaxOrdinaten))
        throw zor::CalcAbort("Das Knotennetz der Wand braucht mehr als 250 Punkte. Die Berechnung wird "
                             "abgebrochen.");
}

// Resultant (MN/m2) and centroid of the piecewise linear curve (z, k) between za and zb; the curve
// counts 0 outside its points.
void Bettungsresultierende(const std::vector<Marke>& kurve, float za, float zb, double& R, double& zs) {
    R = 0.0;
    double M = 0.0;
    for (std::size_t i = 0; i + 1 < kurve.size(); ++i) {
        const double z1 = kurve[i].z, z2 = kurve[i + 1].z;
        if (z2 - z1 <= 0.0) continue;
        const double a = std::max<double>(z1, za), b = std::min<double>(z2, zb);
        if (b <= a) continue;
        auto wert = [&](double z) {
            return kurve[i].m + (kurve[i + 1].m - kurve[i].m) * (z - z1) / (z2 - z1);
        };
        const double ka = wert(a), kb = wert(b), dz = b - a;
        const double r1 = dz * ka / 2.0, r2 = dz * kb / 2.0;
        R += r1 + r2;
        M += (a + dz / 3.0) * r1 + (a + 2.0 * dz / 3.0) * r2;
    }
    if (std::fabs(R) > 1e-12)
        zs = M / R;
    else {
        R = 0.0;
        zs = za;
    }
}

// Bedding nodes below HUmlagerung with their springs, merged into the marker list.
void Bettung(std::vector<Marke>& marken) {
    const float hu = St.HUmlagerung, zf = zormcom::Lauf.zFuss;
    std::vector<Marke> neu{{hu, 0.0f}};
    float d = 0.0f, schritt = 0.1f;
    for (int k = 0; k < 1000; ++k) {
        d += schritt;
        float z = hu + d;
        if (z >= zf) {
            neu.push_back({zf, 0.0f});
            break;
        }
        neu.push_back({z, 0.0f});
        if (d >= 12.0f)
            schritt = 1.0f;
        else if (d >= 9.0f)
            schritt = 0.5f;
        else if (d >= 5.75f)
            schritt = 0.4f;
        else if (d >= 4.55f)
            schritt = 0.3f;
        else if (d >= 3.05f)
            schritt = 0.25f;
        else if (d >= 1.85f)
            schritt = 0.2f;
        else if (d >= 0.95f)
            schritt = 0.15f;
    }
    // Absolute bedding curve, cut at the foot.
    std::vector<Marke> kurve;
    const zor::Ordinatenliste& bf = St.BettFeder;
    for (int i = 1; i <= bf.n; ++i) {
        const float z = hu + bf.z[i];
        if (z >= zf) {
            if (i > 1 && !kurve.empty() && bf.z[i] > bf.z[i - 1]) {
                const float zv = hu + bf.z[i - 1];
                const float k = bf.e[i - 1] + (bf.e[i] - bf.e[i - 1]) * (zf - zv) / (z - zv);
                kurve.push_back({zf, k});
            } else if (kurve.empty())
                kurve.push_back({zf, bf.e[i]});
            break;
        }
        kurve.push_back({z, bf.e[i]});
    }
    for (const Marke& k : kurve)
        if (k.z >= hu) neu.push_back({k.z, 0.0f});
    marken.insert(marken.end(), neu.begin(), neu.end());
    Vereinigen(marken);
    Pruefen(marken.size());

    float r = 1.0f;
    if (P.Wandart == 1 && St.Eph > 0.0f) r = St.EphPfahl / St.Eph;
    std::size_t j0 = 0;
    while (j0 < marken.size() && marken[j0].z < hu - kGleich)
        ++j0;
    for (std::size_t j = j0; j + 1 < marken.size(); ++j) {
        const float dz = marken[j + 1].z - marken[j].z;
        if (dz <= 0.0f) continue;
        double R, zs;
        Bettungsresultierende(kurve, marken[j].z, marken[j + 1].z, R, zs);
        // A support in the bedded zone stays a support; its spring share goes.
        if (!IstAuflager(marken[j].m)) marken[j].m += static_cast<float>((marken[j + 1].z - zs) * R / dz * r);
        if (!IstAuflager(marken[j + 1].m))
            marken[j + 1].m += static_cast<float>((zs - marken[j].z) * R / dz * r);
    }
}

bool HatMarke(const std::vector<Marke>& marken, float z) {
    if (z < kGleich) return true; // the head takes no marker
    for (const Marke& p : marken)
        if (std::fabs(p.z - z) < kGleich && p.m != 0.0f) return true;
    return false;
}

void Wandlasten(std::vector<Marke>& marken) {
    const zormcom::Laufwerte& L = zormcom::Lauf;
    const int n = std::min<int>(L.AnzLastLuft, 10);
    for (int j = 1; j <= n; ++j) {
        int16_t wirkt = 0;
        zormcom::LastWirkt1(static_cast<int16_t>(j), wirkt);
        if (wirkt == 0 || (L.LuftH[j] == 0.0f && L.LuftM[j] == 0.0f) || !(L.LuftZ[j] <= zormcom::Lauf.zFuss))
            continue;
        float z = L.LuftZ[j];
        // A wall load on a node that already has a marker moves 0.005 m down (up at the foot).
        const float schritt = (z + 0.005f > zormcom::Lauf.zFuss) ? -0.005f : 0.005f;
        for (int k = 0; k < 20 && HatMarke(marken, z); ++k)
            z += schritt;
        marken.push_back({z, -static_cast<float>(10 * P.LFNr + j)});
        Vereinigen(marken);
    }
}

void Gelenk(std::vector<Marke>& marken) {
    St.zGelenk = 0.0f;
    if (P.zMGelenk == 0.0f || !(P.zMGelenk < zormcom::Lauf.zFuss)) return;
    // Shifted from the entered level each time, so the result does not depend on earlier stages.
    float zg = P.zMGelenk;
    auto trifft = [&](float z) {
        if (std::fabs(z - P.zAush) < 0.0095f) return true;
        for (const Marke& p : marken)
            if (std::fabs(p.z - z) < 0.0095f) return true;
        return false;
    };
    while (trifft(zg)) {
        zg -= 0.01f;
        if (zg <= 0.01f) {
            St.Hinweise.push_back("*** Das Momentengelenk in " + zorma::HinweisZahl(P.zMGelenk, 2) +
                                  " m trifft Knoten bis zum Wandkopf; es bleibt unberücksichtigt.");
            return;
        }
    }
    St.zGelenk = zg;
    marken.push_back({zg, 0.0f});
    Vereinigen(marken);
}

} // namespace

void KnotenAufbauen() {
    std::vector<Marke> marken{{0.0f, 0.0f}};
    for (int i = 1; i <= P.AnzAnker && i <= 8; ++i)
        marken.push_back({P.ZAnker[i], -1.0f});
    if (St.BettungStufe == 1) {
        Bettung(marken);
    } else {
        if (P.Wandfuss == 1 || P.Wandfuss == 2) marken.push_back({St.ZErdauflager, -1.0f});
        marken.push_back({zormcom::Lauf.zFuss, 0.0f});
        Vereinigen(marken);
    }
    Wandlasten(marken);
    Gelenk(marken);
    Pruefen(marken.size());

    // Node grid = the union of the marker depths and the load-diagram depths.
    zor::Ordinatenliste mk;
    for (const Marke& p : marken) {
        ++mk.n;
        mk.z[mk.n] = p.z;
        mk.e[mk.n] = p.m;
    }
    zor::Ordinatenliste vereint;
    if (St.Lastbild.n > 0) {
        zormcom::DiagrammAddieren(mk, St.Lastbild, vereint, 0);
    } else {
        vereint = mk;
    }
    St.Knoten = vereint;
    St.Knoten.e.fill(0.0f);
    // Markers go to exactly matching depths only.
    int k = 1;
    for (int i = 1; i <= St.Knoten.n && k <= mk.n; ++i) {
        while (k <= mk.n && mk.z[k] < St.Knoten.z[i])
            ++k;
        if (k <= mk.n && St.Knoten.z[i] == mk.z[k]) {
            St.Knoten.e[i] = mk.e[k];
            ++k;
        }
    }
    St.Wasserbild = St.Knoten;
}

void LastbildAufbauen(zor::Ordinatenliste& lastbild, const zor::Ordinatenliste& summe,
                      const zor::Ordinatenliste& begrenzt) {
    // At-rest pressure without the limited loads, and the limited loads.
    zor::Ordinatenliste ruhe, begr;
    ruhe.n = summe.n;
    for (int i = 1; i <= summe.n; ++i) {
        ruhe.z[i] = summe.z[i];
        ruhe.e[i] = summe.e[i] - (i <= begrenzt.n ? begrenzt.e[i] : 0.0f);
    }
    begr = begrenzt;
    if (begr.n == 0) {
        begr.n = summe.n;
        for (int i = 1; i <= summe.n; ++i) {
            begr.z[i] = summe.z[i];
            begr.e[i] = 0.0f;
        }
    }
    const float z1 = P.UmZ1, z2 = P.UmZ2, eps = P.EpsUml, zA = P.zAush, zF = zormcom::Lauf.zFuss;
    // Grid of the figure's depths (the excavation level too, so the ramp ends there).
    std::vector<float> g{0.0f, z1, z2, zA, zA + 0.002f, zF, 99.0f};
    std::sort(g.begin(), g.end());
    zor::Ordinatenliste gitter;
    for (float z : g) {
        if (gitter.n > 0 && z - gitter.z[gitter.n] < kGleich) continue;
        ++gitter.n;
        gitter.z[gitter.n] = z;
        gitter.e[gitter.n] = 0.0f;
    }
    zor::Ordinatenliste r1, r2;
    zormcom::DiagrammAddieren(ruhe, gitter, r1, 0);
    zormcom::DiagrammAddieren(r1, begr, r2, 0);
    const zor::Ordinatenliste& a = r2; // at-rest values on the common depths
    lastbild.n = 0;
    float e1 = 0.0f;
    const int fig = P.UmFigur;
    for (int i = 1; i <= a.n; ++i) {
        const float z = a.z[i];
        if (z > zF) break;
        const float av = a.e[i], bv = begr.e[i];
        float e = av + bv;
        if (fig == 1 || fig == 2) {
            const bool beiZ1 = std::fabs(z - z1) < kGleich;
            if (z < z1 && !beiZ1) {
                e = av + bv;
            } else if (beiZ1) {
                e1 = (fig == 1) ? av : av + bv;
                e = (fig == 1) ? e1 + bv : e1;
            } else if (fig == 1) {
                e = e1 + bv;
                if (z > z2 && zF - z2 > 0.0f) e -= (z - z2) * (1.0f - eps) * e1 / (zF - z2);
            } else {
                if (z <= z2)
                    e = e1;
                else if (z <= zA)
                    e = (zA - z2 > 0.0f) ? e1 - (z - z2) * (1.0f - eps) * e1 / (zA - z2) : e1;
                else
                    e = 0.0f;
            }
        }
        ++lastbild.n;
        lastbild.z[lastbild.n] = z;
        lastbild.e[lastbild.n] = e;
    }
}

void LastUnterSohle() {
    const zor::Ordinatenliste& lb = St.Lastbild;
    zor::Ordinatenliste& w = St.SigmaV;
    const float zA = P.zAush;
    w.n = 0;
    if (lb.n < 1) {
        St.LastResultierendeOben = 0.0f;
        return;
    }
    float y = 0.0f;
    Interpolieren(lb, zA, y);
    w.n = 1;
    w.z[1] = zA;
    w.e[1] = y;
    for (int i = 1; i <= lb.n; ++i) {
        if (lb.z[i] > zA) {
            ++w.n;
            w.z[w.n] = lb.z[i];
            w.e[w.n] = lb.e[i];
        }
    }
    float flaeche = 0.0f, yEnde = 0.0f;
    Integrieren(lb, zA, flaeche, yEnde);
    St.LastResultierendeOben = flaeche;
}

void ZusatzlastAddieren() {
    const zormb::Erddruckzustand& B = zormb::B;
    if (B.BegrLastKopie.n < 1 || St.Lastbild.n < 1) return;
    zor::Ordinatenliste w = B.BegrLastKopie;
    KurveKappen(w, P.zAush);
    if (w.n + 2 > zor::kMaxOrdinaten) return;
    ++w.n;
    w.z[w.n] = P.zAush;
    w.e[w.n] = 0.0f;
    ++w.n;
    w.z[w.n] = St.Lastbild.z[St.Lastbild.n];
    w.e[w.n] = 0.0f;
    zor::Ordinatenliste summe;
    zormcom::DiagrammAddieren(w, St.Lastbild, summe, 1);
    St.Lastbild = summe;
}

} // namespace zormc
