// The statics overlay of a statics picture: support forces, anchors with their grout bodies, the deep
// slip plane through the anchor points, head load, wall and foot marks, the slip planes at the foot and
// the legend with the sliding body and its force polygon.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "graphics/statics_picture.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zorg {
namespace {

constexpr float kGradProRad = 57.29578f;

std::string T(float v, const char* maske) {
    return vb::Trim(vb::Format(v, maske));
}

void Drucke(Flaeche& z, double x, double y, const std::string& t) {
    z.SetCurrentX(x);
    z.SetCurrentY(y);
    Beschriften(z, t);
}
// Printed only when its top lies above the bottom edge of the frame.
void DruckeInnen(Flaeche& z, double x, double y, const std::string& t) {
    if (y < Grafik().BildUnten) Drucke(z, x, y, t);
}

// Level label centred on x.
void KoteMittig(Flaeche& z, float x, float y, const std::string& zusatz, float zt) {
    const std::string k = KotenText(zt);
    DruckeInnen(z, x - z.TextWidth(k) / 2, y, k + zusatz);
}

} // namespace

bool StrahlTreffer(const std::vector<std::pair<float, float>>& linie, float x1, float z1, float x2, float z2,
                   float& xs, float& zs, int& segment) {
    xs = zormc::kKeinSchnitt;
    zs = zormc::kKeinSchnitt;
    for (size_t k = 1; k < linie.size(); ++k) {
        int16_t treffer = 0;
        float x = 0, y = 0;
        zormc::Schnittpunkt(x1, z1, x2, z2, linie[k - 1].first, linie[k - 1].second, linie[k].first,
                            linie[k].second, x, y, treffer);
        if (treffer == 1 && x != zormc::kKeinSchnitt && y != zormc::kKeinSchnitt) {
            xs = x;
            zs = y;
            segment = static_cast<int>(k);
            return true;
        }
    }
    return false;
}

bool StrahlEnde(const std::vector<std::pair<float, float>>& linie, float x1, float z1, float x2, float z2,
                float& xs, float& zs) {
    int segment = 0;
    if (StrahlTreffer(linie, x1, z1, x2, z2, xs, zs, segment)) return true;
    if (linie.size() < 2) return false;
    const auto& a = linie[linie.size() - 2];
    const auto& b = linie.back();
    int16_t treffer = 0;
    float x = 0, y = 0;
    zormc::Schnittpunkt(x1, z1, x2, z2, a.first, a.second, b.first, b.second, x, y, treffer);
    if (x == zormc::kKeinSchnitt || y == zormc::kKeinSchnitt) return false;
    xs = x;
    zs = y;
    return true;
}

std::vector<std::pair<float, float>> Gelaendelinie() {
    std::vector<std::pair<float, float>> g{{0.0f, 0.0f}};
    const int nb = std::clamp<int>(P.AnzBoesch, 0, zorm1::MaxBoeschungen);
    for (int s = 1; s <= nb; ++s) {
        const size_t i = static_cast<size_t>(s);
        g.emplace_back(P.BoeschX1[i], P.BoeschZ1[i]);
        g.emplace_back(P.BoeschX2[i], P.BoeschZ2[i]);
    }
    g.emplace_back(999.0f, g.back().second);
    return g;
}

std::vector<std::pair<float, float>> Sohllinie() {
    const float d = P.DWand;
    const StufenWerte& w = Grafik().stufe;
    return {
        {-d, w.zAush}, {-d + w.StBx1, w.zAush}, {-d + w.StBx2, w.zAush + w.StBH}, {-99.0f, w.zAush + w.StBH}};
}

float PassivWinkelAmFuss(const PlotSatz& s) {
    if (s.GleitkeileFlag != 1) return s.GleitWinkelPlot2;
    const int n = std::min<int>(s.AnzGleitflaechen, static_cast<int>(s.EphPlotZ.size()) - 2);
    for (int i = 1; i <= n; ++i) {
        const size_t k = static_cast<size_t>(i);
        if (s.EphPlotZ[k] > s.zFuss) {
            if (i == 1) return s.EphWinkel[1]; // the first entry already lies below the foot
            const float dz = s.EphPlotZ[k] - s.EphPlotZ[k - 1];
            if (dz == 0) return s.EphWinkel[k];
            return s.EphWinkel[k - 1] +
                   (s.zFuss - s.EphPlotZ[k - 1]) * (s.EphWinkel[k] - s.EphWinkel[k - 1]) / dz;
        }
    }
    return s.GleitWinkelPlot2; // no pair around the foot: the record's angle stays
}

Krafteck KrafteckZeichnen(Flaeche& z, const PlotSatz& s, float x0, float y0) {
    Krafteck k;
    const float u = Grafik().ZeichenEinheit;
    const float gp = s.GlfWert[9];
    if (!(gp > 0) || !std::isfinite(gp)) return k; // no G+P: no polygon
    const float f = P.Massstab * 20.0f / 1000.0f / gp;
    k.massstab = f;
    auto pfeil = [&](float xa, float ya, float xb, float yb) {
        z.Line(xa, ya, xb, yb);
        PfeilspitzeFest(z, xa, ya, xb, yb);
        k.punkte.emplace_back(xb, yb);
    };
    auto fmt = [](float v) { return vb::Format(v, "#.0"); };
    k.punkte.emplace_back(x0, y0);
    // G+P downward
    const float x1 = x0, y1 = y0 + f * gp;
    pfeil(x0, y0, x1, y1);
    {
        const std::string t = "G+P = " + fmt(gp);
        Drucke(z, x0 - 0.84 * z.TextWidth(t), (y0 + y1) / 2 - z.TextHeight(t) / 2, t);
    }
    // Ea
    {
        const std::string t = "Ea = " + fmt(std::hypot(s.GlfWert[3], s.GlfWert[4]));
        Drucke(z, x1 - z.TextWidth(t), y1, t);
    }
    const float x2 = x1 + f * s.GlfWert[3], y2 = y1 - f * s.GlfWert[4];
    pfeil(x1, y1, x2, y2);
    float x3 = x2, y3 = y2;
    if (s.GlfWert[5] != 0 || s.GlfWert[6] != 0) {
        x3 = x2 + f * s.GlfWert[5];
        y3 = y2 - f * s.GlfWert[6];
        pfeil(x2, y2, x3, y3);
        Drucke(z, (x2 + x3) / 2, (y2 + y3) / 2, "Coh = " + fmt(std::hypot(s.GlfWert[5], s.GlfWert[6])));
    }
    const int16_t breite = z.DrawWidth();
    z.SetDrawWidth(6);
    const float x4 = x3 + f * s.GlfWert[16], y4 = y3 - f * s.GlfWert[17];
    pfeil(x3, y3, x4, y4);
    Drucke(z, (x3 + x4) / 2 + 2 * u, (y3 + y4) / 2 - z.TextHeight("Q") / 2, "Q");
    const float x5 = x4 - f * s.GlfWert[18], y5 = y4 - f * s.GlfWert[19];
    pfeil(x4, y4, x5, y5);
    Drucke(z, (x4 + x5) / 2, (y4 + y5) / 2 - z.TextHeight("mögl.AnkerKraft"), "mögl.AnkerKraft");
    z.SetDrawWidth(1);
    const float x6 = x5 - f * s.GlfWert[2], y6 = y5 - f * s.GlfWert[1];
    pfeil(x5, y5, x6, y6);
    const std::string e1 = "E1 = " + fmt(std::hypot(s.GlfWert[1], s.GlfWert[2]));
    const double links = x6 - z.TextWidth(e1);
    Drucke(z, links, y4 - 1.1 * z.TextHeight(e1), e1);
    Drucke(z, links, y4 - 2 * z.TextHeight(e1), "E1 = ohne Wandreibungswinkel");
    z.SetDrawWidth(breite);
    return k;
}

void StatikZeichnen(Flaeche& z, int16_t lf, int16_t stufe) {
    const PlotSatz& s = Grafik().plot;
    const float u = Grafik().ZeichenEinheit;
    const float d = P.DWand;
    const float xL = Grafik().BildLinks, xR = Grafik().BildRechts, zT = Grafik().BildOben,
                zB = Grafik().BildUnten;
    const bool teilsi = P.TeilsicherheitenAn != 0;
    z.SetDrawStyle(vb::draw::vbSolid);
    // 2. support forces
    for (int i = 1; i <= s.AnzAuflagerKraft; ++i) {
        const size_t k = static_cast<size_t>(i);
        const std::string t = "St= " + T(s.AuflagerKraft[k], "#####0.0") + " kN/m ";
        DruckeInnen(z, -d - z.TextWidth(t) - 10 * u, s.AuflagerKraftZ[k] - z.TextHeight(t) / 2, t);
    }
    // 3., 4. hydraulic heave and notes in the small font
    SchriftKlein(z);
    const double hk = z.TextHeight("A");
    if (s.GrundbruchEta0 != 0 && P.kzHydGrBrEin != 0)
        Drucke(z, xL + 4 * u, zB - 8 * hk,
               std::string("NW Hydr.Grundbruch: ") + (teilsi ? "Ausn.(1/2/3) = " : "eta(1/2/3) = ") +
                   vb::Format(s.GrundbruchEta0, "0.00") + " / " + vb::Format(s.GrundbruchEta1, "0.00") +
                   " / " + vb::Format(s.GrundbruchEta2, "0.00"));
    if (s.AnzAnkerPlot > 0) {
        if (P.RuheProz > 0 && P.RuheProz < 100) {
            Drucke(z, xL + 4 * u, zB - 6 * hk,
                   "Angegebene Anker- und Steifenkräfte mit" + vb::Str(P.RuheProz) + " % Ruhedruckanteil.");
            Drucke(z, xL + 4 * u, zB - 5 * hk,
                   teilsi ? "Rechn. Ankerlängen mit" + vb::Str(P.RuheProz) + " % Ruhedruck ermittelt."
                          : std::string("Rechn. Ankerlängen mit rein aktivem Erddruck ermittelt."));
        }
        Drucke(z, xL + 4 * u, zB - 4 * hk, "Rechn. Ankerlängen von VK Wand bis Mitte Verpresskörper.");
        Drucke(z, xL + 4 * u, zB - 3 * hk,
               "Dazu kommt der luftseitige Überstand und die halbe Verpresskörperlänge.");
    }
    SchriftNormal(z);
    // 5. anchors
    const int na = s.AnzAnkerPlot;
    std::vector<float> XA(static_cast<size_t>(na) + 1, 0.0f), ZA(static_cast<size_t>(na) + 1, 0.0f);
    float sumAh = 0;
    const int lagen = std::clamp<int>(P.AnzAnkerGesamt, 0, kMaxAnkerLagen);
    for (int i = na; i >= 1; --i) {
        const size_t k = static_cast<size_t>(i);
        const float za = s.AnkerPlotZ[k], L = s.AnkerPlotLaenge[k], Ah = s.AnkerPlotAh[k];
        // the anchor-table row of this level; none: inclination 0 and no spacing
        float neigung = 0, a = 0;
        for (int j = 1; j <= lagen; ++j)
            if (P.ZAuflager[static_cast<size_t>(j)] == za) {
                neigung = P.AnkerNeigungGrad[static_cast<size_t>(j)];
                a = P.AnkerAbstand[static_cast<size_t>(j)];
            }
        const float alpha = P.GradZuRad * neigung;
        sumAh += Ah;
        const double h = z.TextHeight("A");
        Drucke(z, xL + 90 * u, za - h / 2,
               "Ah= " + T(Ah, "#####0.0") + " kN/m; " + "alfa= " + T(neigung, "#####0.0") +
                   "°; L= " + T(L, "#####0.0") + " m");
        // force along the anchor: not for a vertical anchor
        const float c = std::cos(alpha);
        if (std::fabs(c) > 1e-4f) {
            const float A = Ah / c;
            std::string t = T(A, "#####0.0") + " kN/m ";
            if (a > 0) t += " * Abstand " + T(a, "0.00") + " m = " + T(a * A, "###.#") + " kN/Anker";
            TextGedreht(z, static_cast<int32_t>(std::lround(-10.0f * neigung)),
                        static_cast<float>(3 * u + (h + 7 * u) * std::sin(alpha)),
                        static_cast<float>(za + (3 * u + d) * std::tan(alpha) - (h + 7 * u) * c), t, 0);
        }
        XA[k] = L * std::cos(alpha) - d;
        ZA[k] = za + L * std::sin(alpha);
        z.SetDrawWidth(3);
        z.Line(XA[k], ZA[k], -std::cos(alpha) - d, za - std::sin(alpha));
        // grout body
        const float g = std::min(1.2f * L, 2.5f);
        const float ex = std::cos(alpha), ez = std::sin(alpha); // along the anchor
        const float nx = -ez * 3 * u, nz = ex * 3 * u;          // across, below the axis for nz > 0
        auto punkt = [&](float dist, float seite) {
            return std::pair<float, float>{dist * ex - d + seite * nx, za + dist * ez + seite * nz};
        };
        const auto iu = punkt(L - g, 1), io = punkt(L - g, -1), au = punkt(L + g, 1), ao = punkt(L + g, -1);
        z.Line(iu.first, iu.second, io.first, io.second);
        z.Line(au.first, au.second, ao.first, ao.second);
        Zackenlinie(z, au.first, au.second, iu.first, iu.second, -0.25f, 20);
        Zackenlinie(z, io.first, io.second, ao.first, ao.second, 0.25f, 20);
        const auto im = punkt(L - g, 0), am = punkt(L + g, 0);
        z.Line(im.first, im.second, am.first, am.second);
        z.SetDrawWidth(1);
        for (int r = 0; r <= 13; ++r)
            z.Circle(XA[k], ZA[k], std::min(2.0f, 0.15f * r) * u);
    }
    // 6. sum of the anchor forces
    if (sumAh > 0)
        Drucke(z, xL + 90 * u, -2.5 * z.TextHeight("A"),
               std::string(teilsi ? "Sum(Ah)(d) = " : "Sum(Ah) = ") + vb::Format(sumAh, "#.0") + " kN/m");
    // 7. deep slip plane through the anchor points (digits outside 1..na are skipped)
    float xe = 0, ze = s.KraftMax;
    float thetaGl[5] = {0, 0, 0, 0, 0};
    std::vector<int> kette;
    for (size_t k = 1; k < s.GlfAnkerFolge.size(); ++k) {
        const char c = s.GlfAnkerFolge[k];
        if (c < '1' || c > '9') continue;
        const int j = c - '0';
        if (j > na) continue;
        kette.push_back(j);
    }
    if (na > 0) {
        int seg = 0;
        for (int j : kette) {
            const size_t jj = static_cast<size_t>(j);
            z.Line(xe, ze, XA[jj], ZA[jj]);
            if (seg < 4 && XA[jj] != xe) thetaGl[seg + 1] = -std::atan((ZA[jj] - ze) / (XA[jj] - xe));
            ++seg;
            xe = XA[jj];
            ze = ZA[jj];
        }
        z.Line(16 * u, s.KraftMax, 80 * u, s.KraftMax);
        Schraffur(z, 64 * u, s.KraftMax, 4);
        KoteMittig(z, 64 * u, s.KraftMax + 0.4f * static_cast<float>(z.TextHeight("A")), "", s.KraftMax);
    }
    // 8. head load
    const float nKopf = P.NKopfLF[static_cast<size_t>(std::clamp<int>(lf, 0, zorm1::MaxLastfaelle))];
    if (nKopf != 0) {
        z.SetDrawWidth(6);
        z.Line(-d / 2, -40 * u, -d / 2, 0);
        PfeilspitzeFest(z, -d / 2, -40 * u, -d / 2, 0);
        z.SetDrawWidth(1);
        const std::string t = T(nKopf, "#####0.00") + " kN/m";
        Drucke(z, -d / 2 - z.TextWidth(t) - 4 * u, -40 * u, t);
    }
    // 9. the wall down to its computed foot
    z.SetDrawWidth(2);
    const float zW = std::min(s.zFuss + s.DeltaTPlot, zB);
    if (u > 0)
        for (int k = 0; k <= 500; ++k) {
            const float x = -d + k * u;
            z.Line(x, 0, x, zW);
            if (x >= 0) break;
        }
    z.SetDrawWidth(1);
    // 10.-12. foot, lengthened foot, wall head
    const float xS = xL + 2 * (-d - xL) / 3;
    const float h = static_cast<float>(z.TextHeight("A"));
    z.Line(xS - 16 * u, s.zFuss, -d - 16 * u, s.zFuss);
    Schraffur(z, xS, s.zFuss, 4);
    {
        // below the level line and its wedge, and ending left of the wall: clear of the passive slip plane
        // that comes down to the foot and of the C-force arrow right of the wall; where the line of the
        // lengthened foot would run through it, one line below that foot's label
        const std::string k = KotenText(s.zFuss), t = k + "  UK Wand rechn.";
        const float x = std::min(xS - static_cast<float>(z.TextWidth(k)) / 2,
                                 -d - 2 * u - static_cast<float>(z.TextWidth(t)));
        float y = s.zFuss + 0.5f * static_cast<float>(z.TextHeight("3")) + u;
        const float zL = s.zFuss + s.DeltaTPlot;
        if (s.DeltaTPlot > 0.02f && zL < y + static_cast<float>(z.TextHeight(t)) + u) y = zL + h / 2 + h;
        DruckeInnen(z, x, y, t);
    }
    if (s.DeltaTPlot > 0.02f) {
        z.SetDrawWidth(5);
        const float zC = s.zFuss + 8 * u;
        Schraffur(z, 5 * u, zC, 1);
        z.Line(5 * u, zC, 45 * u, zC);
        DruckeInnen(z, 45 * u, zC - h / 2, " C-Kraft");
        z.SetDrawWidth(1);
        const float zL = s.zFuss + s.DeltaTPlot;
        z.Line(xS - 16 * u, zL, -d - 16 * u, zL);
        Schraffur(z, xS, zL, 4);
        KoteMittig(z, xS, zL + h / 2,
                   "  UK Wand mit Rammtiefenzuschlag; zur Aufnahme der C-Kraft bzw. wegen Summe H = 0", zL);
    }
    z.Line(xS - 16 * u, 0, -d - 16 * u, 0);
    Schraffur(z, xS, 0, 3);
    KoteMittig(z, xS, -1.4f * h, "", 0);

    // --- slip planes ---
    auto G = Gelaendelinie();
    const float zR = Grafik().AnkMaxWert3;
    z.SetDrawStyle(vb::draw::vbDot);
    {
        float xs = 0, zs = 0;
        const float t1 = std::tan(s.GleitWinkelPlot1);
        if (StrahlEnde(G, 0, s.zFuss, 1000, s.zFuss - 1000 * t1, xs, zs)) z.Line(0, s.zFuss, xs, zs);
    }
    float zG = 0;
    bool ersatzwand = false;
    if (na >= 1) {
        float xs = 0, zs = 0;
        int seg = 0;
        if (StrahlTreffer(G, xe, ze, 2 * xe - s.GlfMaxPlot, zR, xs, zs, seg)) z.Line(xe, ze, xs, zs);
        if (StrahlTreffer(G, xe, ze, s.GlfMaxPlot, zR, xs, zs, seg)) z.Line(xe, ze, xs, zs);
        z.SetDrawStyle(vb::draw::vbSolid);
        if (StrahlEnde(G, xe, ze, xe, zR, xs, zs)) {
            z.Line(xe, ze, xe, zs);
            zG = zs;
            ersatzwand = true;
            // the ground line ends at the substitute wall
            for (size_t k = 1; k < G.size(); ++k)
                if (G[k].first > xe) {
                    G[k] = {xe, zG};
                    G.resize(k + 1);
                    break;
                }
        }
    }
    z.SetDrawStyle(vb::draw::vbSolid);
    const auto B = Sohllinie();
    const float wp = PassivWinkelAmFuss(s);
    auto gleitlinie = [&](float z1, float winkel) {
        float xs = 0, zs = 0;
        if (StrahlEnde(B, -d, z1, -d - 1000, z1 - 1000 * std::tan(winkel), xs, zs)) z.Line(-d, z1, xs, zs);
    };
    gleitlinie(s.zFuss, wp);
    if (s.GleitkeileFlag == 1) {
        z.SetDrawStyle(vb::draw::vbDot);
        const int n = std::min<int>(s.AnzGleitflaechen, static_cast<int>(s.EphPlotZ.size()) - 2);
        for (int i = 1; i <= n && s.EphPlotZ[static_cast<size_t>(i)] <= s.zFuss; ++i)
            if (s.EphPlotZ[static_cast<size_t>(i)] > Grafik().stufe.zAush + 0.1f)
                gleitlinie(s.EphPlotZ[static_cast<size_t>(i)], s.EphWinkel[static_cast<size_t>(i)]);
        z.SetDrawStyle(vb::draw::vbSolid);
    }
    {
        const std::string t = "theta.p = " + T(wp * kGradProRad, "#####0.0") + "°";
        DruckeInnen(z, -d - 30 * u - z.TextWidth(t), s.zFuss - h - u, t);
    }
    if (s.GleitkeileFlag == 1) {
        SchriftKlein(z);
        const double hk2 = z.TextHeight("A");
        const double y0 = Grafik().stufe.zAush + Grafik().stufe.StBH + 4 * hk2;
        const char* zeilen[4] = {
            "Für den Gesamt-Erdwiderstand maßgebende", "Gleitflächenwinkel bei den einzelnen Tiefen.",
            "Jeder Gleitkeil wird unabhängig berechnet;", "deshalb sind Überschneidungen denkbar."};
        for (int i = 0; i < 4; ++i)
            DruckeInnen(z, xL + 3 * u, y0 + i * hk2, zeilen[i]);
        SchriftNormal(z);
        z.SetDrawWidth(1);
    }
    {
        std::string t = "theta.a = " + T(s.GleitWinkelPlot1 * kGradProRad, "#####0.0") + "°";
        if (na >= 1) {
            t += "; theta.gl = " + T(thetaGl[1] * kGradProRad, "#####0.0") + "°";
            for (int i = 2; i <= 4; ++i)
                if (thetaGl[i] != 0) t += " / " + T(thetaGl[i] * kGradProRad, "#####0.0") + "°";
        }
        if (s.zFuss - h - u < zB) {
            Drucke(z, 90 * u, s.zFuss - h - u, t);
            z.Line(90 * u, s.zFuss, 90 * u + z.TextWidth(t), s.zFuss);
        }
    }
    // 11. title
    Drucke(z, xL + 2 * u, zT + 24 * u, "Lastfall " + std::to_string(lf));
    Drucke(z, xL + 2 * u, zT + 24 * u + 1.1 * h, "Aushub " + std::to_string(stufe));
    Drucke(z, xL + 2 * u, zT + 24 * u + 2.2 * h, "M = 1 : " + vb::Trim(vb::Str(P.Massstab)));
    // 12. legend with the sliding body and the force polygon
    if (na < 1) return;
    SchriftKlein(z);
    const bool quer = P.Querformat != 0;
    const double hl = z.TextHeight("A");
    // The lines of the legend at their places from its upper left corner: the heading, the safety, the
    // values and the notes. The safety with partial factors states the factors of the run that wrote the
    // record (also where the pictures are drawn by a program that did not make the run); a record without
    // them takes those of the run of this program.
    struct Zeile {
        double dx, dy;
        std::string text;
    };
    std::vector<Zeile> kopf, werte;
    kopf.push_back({24 * u, 8 * u, "Gleitkörper; Gesamtnachweis"});
    if (teilsi) kopf.push_back({24 * u, 8 * u + hl, "Gebrauchszustand (k)"});
    if (teilsi) {
        const bool imSatz = s.gamEWirkPlot != 0 || s.gamReWirkPlot != 0;
        const float gamE = imSatz ? s.gamEWirkPlot : zormcom::Vorgaben.gamEWirk;
        const float gamRe = imSatz ? s.gamReWirkPlot : zormcom::Vorgaben.gamReWirk;
        kopf.push_back({24 * u, 130 * u,
                        "erf. Sicherheit " + vb::Format(gamE, "#.000") + "*" + vb::Format(gamRe, "#.000") +
                            " = " + vb::Format(gamE * gamRe, "0.00")});
        if (s.EtaGlfPlot != 0)
            kopf.push_back({24 * u, 130 * u + hl, "Ausnutzung = " + vb::Format(1.0f / s.EtaGlfPlot, "0.00")});
    } else {
        kopf.push_back({24 * u, 130 * u, "erf. Sicherheit    =  " + vb::Format(P.EtaGl, "0.00")});
        kopf.push_back({24 * u, 130 * u + hl, "vorh. Sicherheit =  " + vb::Format(s.EtaGlfPlot, "0.00")});
    }
    {
        const double vx = quer ? 80 * u : 220 * u;
        const double vy1 = quer ? 205 * u : 44 * u, vy2 = quer ? 246 * u : 84 * u;
        werte.push_back({vx, vy1, "Ah = " + vb::Format(s.GlfWert[18], "##0.0") + " kN/m"});
        werte.push_back({vx, vy1 + hl, "Av = " + vb::Format(s.GlfWert[19], "##0.0") + " kN/m"});
        werte.push_back({vx, vy2, "Qh = " + vb::Format(s.GlfWert[16], "##0.0") + " kN/m"});
        werte.push_back({vx, vy2 + hl, "Qv = " + vb::Format(s.GlfWert[17], "##0.0") + " kN/m"});
        const double gx = quer ? 24 * u : 160 * u, gy = quer ? 296 * u : 138 * u;
        if (teilsi) {
            werte.push_back({gx, gy, "gamGdk = " + vb::Format(s.GamMittelPlot, "0.000")});
            werte.push_back({gx, gy + hl,
                             vb::Format(s.GamMittelPlot, "0.000") + " * " +
                                 vb::Format(s.GlfWert[18], "##0.0") + " = " +
                                 vb::Format(s.GamMittelPlot * s.GlfWert[18], "##0.0") + " kN/m"});
            werte.push_back({gx, gy + 2 * hl, "vgl. Sum(Ah)(d) links oben."});
        } else if (P.RuheProz != 0) {
            werte.push_back({gx, gy, "Ankerlängen, Ea, E1 wurden mit"});
            werte.push_back({gx, gy + hl, "0 % Ruhedruck berechnet; hier"});
            werte.push_back({gx, gy + 2 * hl, "ev. andere Kräfte als links oben."});
        }
    }
    // The frame at the lower right corner, widened to the left where a line would run past its right edge
    // (a narrow landscape frame, a wide font): each line ends 4 units inside, as far as the picture allows.
    const float x2 = xR - 24 * u, z2 = zB - 24 * u;
    double breite = quer ? 160 * u : 300 * u;
    for (const auto* liste : {&kopf, &werte})
        for (const Zeile& l : *liste)
            breite = std::max(breite, l.dx + z.TextWidth(l.text) + 4 * u);
    const float x1 = std::max(xL, static_cast<float>(x2 - breite)), z1 = quer ? z2 - 338 * u : z2 - 180 * u;
    z.Line(x1, z1, x2, z2, vb::draw::vbWhite, vb::draw::LineKind::FilledBox);
    z.Line(x1, z1, x2, z2, vb::draw::kNoColor, vb::draw::LineKind::Box);
    const Krafteck k =
        KrafteckZeichnen(z, s, quer ? x1 + 44 * u : x1 + 180 * u, quer ? z1 + 200 * u : z1 + 40 * u);
    for (const Zeile& l : kopf)
        Drucke(z, x1 + l.dx, z1 + l.dy, l.text);
    // the sliding body to its own geometric scale (the wall down to the foot point is 20 mm long)
    if (s.KraftMax > 0 && k.massstab > 0) {
        const float f = k.massstab;
        const float ox = quer ? x1 + 44 * u : x1 + 24 * u, oz = z1 + 40 * u;
        const float sk = P.Massstab * 20.0f / 1000.0f / s.KraftMax;
        auto X = [&](float x) { return ox + sk * x; };
        auto Z = [&](float zz) { return oz + sk * zz; };
        auto pfeil = [&](float xa, float za2, float xb, float zb) {
            z.Line(xa, za2, xb, zb);
            PfeilspitzeFest(z, xa, za2, xb, zb);
        };
        z.Line(ox, oz, X(0), Z(s.KraftMax));
        pfeil(X(0) - f * s.GlfWert[3], Z(s.GlfWert[13]) + f * s.GlfWert[4], X(0), Z(s.GlfWert[13]));
        float px = 0, pz = s.KraftMax;
        for (int j : kette) {
            const size_t jj = static_cast<size_t>(j);
            z.Line(X(px), Z(pz), X(XA[jj]), Z(ZA[jj]));
            px = XA[jj];
            pz = ZA[jj];
        }
        if (ersatzwand) {
            z.Line(X(xe), Z(ze), X(xe), Z(zG));
            pfeil(X(xe) + f * s.GlfWert[2], Z(s.GlfWert[14]), X(xe), Z(s.GlfWert[14]));
            for (size_t i = 1; i < G.size(); ++i)
                z.Line(X(G[i - 1].first), Z(G[i - 1].second), X(G[i].first), Z(G[i].second));
        }
        pfeil(X(s.GlfWert[12]), Z(s.GlfWert[13]) - f * s.GlfWert[9], X(s.GlfWert[12]), Z(s.GlfWert[13]));
        z.SetDrawWidth(6);
        pfeil(X(0), Z(s.KraftMax / 3), X(0) - f * s.GlfWert[18], Z(s.KraftMax / 3) - f * s.GlfWert[19]);
        const float pqx = X(s.GlfWert[20]), pqz = Z(s.KraftMax - s.GlfWert[20] * std::tan(thetaGl[1]));
        pfeil(pqx - f * s.GlfWert[16], pqz + f * s.GlfWert[17], pqx, pqz);
        z.SetDrawWidth(1);
        if (s.GlfWert[5] != 0 || s.GlfWert[6] != 0) {
            const float cx = X(0.7f * xe), cz = Z(s.KraftMax - 0.7f * xe * std::tan(thetaGl[1])) + u;
            pfeil(cx, cz, cx + f * s.GlfWert[5], cz - f * s.GlfWert[6]);
        }
    }
    for (const Zeile& l : werte)
        Drucke(z, x1 + l.dx, z1 + l.dy, l.text);
    SchriftNormal(z);
    z.SetDrawWidth(1);
    z.SetDrawStyle(vb::draw::vbSolid);
}

} // namespace zorg
