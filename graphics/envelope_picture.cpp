#include <algorithm>
#include <cmath>
#include <vector>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/envelope_picture.h"
#include "graphics/pressure_figures.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "statics/state.h"
#include "verification/anchor_files.h"

using zorm1::P;

namespace zorg {

namespace {

constexpr float kSummeVStart = -99999.0f; // start value of the Sum V maxima: no record raised it
constexpr float kKraftStart = -9999.0f;   // start value of the run's largest anchor forces
constexpr int kMaxKnoten = 20000;         // node lines of one state beyond this mark a damaged file
constexpr int kMaxLinealMeter = 1000;     // ruler ticks beyond this are not drawn

// One state of "ZORG.ZZZ".
struct Wandlinie {
    int16_t lf = 0, stufe = 0;
    float zAush = 0;
    std::vector<float> z, v, m, q; // index 1..n + 1 (node n + 1 closes the shear line on the axis)
};

// Reads the next state; false at the end of the file or at a damaged state.
bool WandlinieLesen(int16_t fn, Wandlinie& w) {
    if (vb::Eof(fn)) return false;
    try {
        int16_t n = 0;
        float dt = 0, zEnde = 0;
        vb::Input(fn, w.lf, w.stufe, n, dt, zEnde, w.zAush);
        if (n < 1 || n > kMaxKnoten) return false;
        const size_t g = static_cast<size_t>(n) + 2;
        w.z.assign(g, 0.0f);
        w.v.assign(g, 0.0f);
        w.m.assign(g, 0.0f);
        w.q.assign(g, 0.0f);
        for (size_t i = 1; i <= static_cast<size_t>(n); ++i)
            vb::Input(fn, w.z[i], w.v[i], w.m[i], w.q[i]);
        const size_t k = static_cast<size_t>(n);
        w.z[k + 1] = w.z[k];
        w.v[k + 1] = w.v[k];
        w.m[k + 1] = w.m[k];
        w.q[k + 1] = 0.0f;
        return true;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

// The extreme values of a line and whether each is still to be written.
struct Extremwert {
    float max = 0, min = 0;
    bool maxOffen = true, minOffen = true;
    // seite 1: the line is drawn at x0 - faktor x value; -1: at x0 + faktor x value
    void Schreiben(Flaeche& z, float wert, float x0, float faktor, float y, int16_t seite) {
        MaxWertSchreiben(z, wert, max, min, maxOffen, minOffen, x0, 0, faktor, y, 0, seite);
    }
};

void Drucken(Flaeche& z, double x, double y, const std::string& t) {
    z.SetCurrentX(x);
    z.SetCurrentY(y);
    Beschriften(z, t);
}

// A number behind a text as Str writes it (" 2").
std::string Nr(int16_t n) {
    return vb::Str(n);
}

} // namespace

bool FallMaximaLesen(const std::string& datei, int nr, FallMaxima& m) {
    if (nr < 1 || !vb::FileExists(datei)) return false;
    try {
        vb::FileGuard f(datei, vb::OpenMode::Input);
        for (int i = 1; i <= nr; ++i)
            vb::Input(f.nr(), m.ZFuss, m.ZSigmaV, m.AbsVerformung, m.AbsMoment, m.AbsQuerkraft,
                      m.MaxVerformung, m.MinVerformung, m.MaxMoment, m.MinMoment, m.MaxQuerkraft,
                      m.MinQuerkraft, m.SummeV2, m.SummeV);
        return true;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

float QuerkraftFaktor(int16_t wandfuss, float einspErg, bool fussGebettet) {
    if (wandfuss == 4) return 0.5f;
    if (einspErg > 0.2f && !fussGebettet) return 1.0f - 0.5f * einspErg / 100.0f;
    return 0.0f;
}

Lineal LinealVon(float zFussMax) {
    Lineal l;
    if (!(zFussMax > 0) || !std::isfinite(zFussMax)) return l;
    const float bis = 0.9f * zFussMax; // single precision: 0.9 x 15 m is 13.5 and rounds to the even 14
    l.bis = std::min(static_cast<int>(std::nearbyint(bis)), kMaxLinealMeter);
    l.schritt = zFussMax <= 10.0f ? 1 : (zFussMax <= 20.0f ? 2 : 5);
    return l;
}

void UeberlagerungZeichnen(Flaeche& z, int16_t lf, int16_t alle) {
    using vb::draw::PrintEnd;
    const bool typ7 = alle != 0;
    const bool teilsi = P.TeilsicherheitenAn != 0;
    const float u = Grafik().ZeichenEinheit;
    const float L = Grafik().BildLinks, R = Grafik().BildRechts, T = Grafik().BildOben,
                B = Grafik().BildUnten;
    z.SetDrawStyle(vb::draw::vbSolid);

    // 1. the maxima record and the title
    FallMaxima mx;
    bool mxOk = false;
    std::string titel;
    if (typ7) {
        mxOk = FallMaximaLesen("ZORGMAX3.ZZZ", 1, mx);
        titel = "Überlagerung aller Lastfälle ";
    } else {
        mxOk = FallMaximaLesen("ZORGMAX2.ZZZ", lf, mx);
        titel = "Überlagerung Lastfall " + vb::Trim(vb::Str(lf));
    }
    if (!mxOk) mx = FallMaxima{};
    const float zuschlag = mx.ZFuss - mx.ZSigmaV;

    const float h = static_cast<float>(z.TextHeight("Ü"));
    const float w = (R - L) / 6.0f;
    const float axV = L + w, axM = L + 3 * w, axQ = L + 5 * w;
    const float halb = 0.6f * w;
    const float yT = T + 2 * h;
    const float yB = B - 1.1f * h - 16 * u;
    const float mitte = L + 2 * w; // midway between the deflection and the moment axis

    // 2. frame and title
    z.SetDrawStyle(vb::draw::vbDot);
    z.Line(L, yT, R, yT);
    z.Line(L, yB, R, yB);
    z.SetDrawStyle(vb::draw::vbSolid);
    Drucken(z, L + 4 * u, T, titel);

    // 3. column heads
    auto kopf = [&](float achse, const std::string& t) {
        Drucken(z, achse - z.TextWidth(t) / 2, yT - u - z.TextHeight(t), t);
    };
    kopf(axV, (teilsi ? "(k) " : "") + std::string("Verformungen (mm)"));
    kopf(axM, (teilsi ? "(d) " : "") + std::string("Momente (kNm/m)"));
    kopf(axQ, (teilsi ? "(d) " : "") + std::string("Querkräfte (kN/m)"));

    // 4. Sum V below the bottom line (only values that a record raised)
    auto summe = [&](float achse, const std::string& vorn, float wert) {
        if (!(wert > kSummeVStart) || !std::isfinite(wert)) return;
        const std::string t = vorn + vb::Trim(vb::Format(wert, "#####0.0")) + " kN/m";
        Drucken(z, achse - z.TextWidth(t) / 2, yB + 2 * u, t);
    };
    summe(axQ, (teilsi ? "(k) " : "") + std::string("max Sum V = "), mx.SummeV2);
    if (teilsi) summe(axM, "(d) max Sum V = ", mx.SummeV);

    const bool tiefeOk = mx.ZFuss > 0 && std::isfinite(mx.ZFuss);
    if (!tiefeOk) return; // no depth to stretch: frame and titles only
    const float s = (yB - yT) / mx.ZFuss;
    auto Y = [&](float tiefe) { return yT + s * tiefe; };
    auto skala = [&](float betrag) { return betrag > 0 && std::isfinite(betrag) ? halb / betrag : 0.0f; };
    const float sV = skala(mx.AbsVerformung), sM = skala(mx.AbsMoment), sQ = skala(mx.AbsQuerkraft);

    // 5. level marks, right-aligned at the middle between deflection and moment axis
    auto kote = [&](float tiefe, const std::string& zusatz, float y) {
        const std::string t = KotenText(tiefe) + zusatz;
        Drucken(z, mitte - z.TextWidth(t), y, t);
    };
    const int16_t stufeMax = Grafik().StufeMaxAushub;
    if (stufeMax >= 1 && stufeMax <= zorm1::MaxAushub) {
        const float zA = P.Aushubstufen[static_cast<size_t>(stufeMax)].zAush;
        kote(zA, " max. Aushub", Y(zA) - h);
        z.SetDrawStyle(vb::draw::vbDot);
        z.Line(L, Y(zA), R, Y(zA));
        z.SetDrawStyle(vb::draw::vbSolid);
    }
    kote(mx.ZFuss, std::string(" UK Wand") + (zuschlag > 0.2f ? " mit Rammtiefenzuschlag" : ""), yB - h);
    kote(0.0f, " OK Wand", yT + u);

    // 6. axes
    for (float a : {axV, axM, axQ})
        z.Line(a, yT, a, yB);

    // 7. depth ruler at the right edge
    const Lineal lin = LinealVon(mx.ZFuss);
    for (int k = 0; k <= lin.bis; ++k) {
        const float y = Y(static_cast<float>(k));
        if (k % lin.schritt == 0) {
            z.Line(R - 6 * u, y, R, y);
            const std::string t = vb::Trim(vb::Str(static_cast<int16_t>(k)));
            Drucken(z, R - 10 * u - z.TextWidth(t), y - z.TextHeight(t) / 2, t);
        } else {
            z.Line(R - 4 * u, y, R, y);
        }
    }
    Freihalten(z, R - 6 * u, Y(0.0f), R,
               Y(static_cast<float>(std::max(lin.bis, 0)))); // no label on the ticks

    // 8. the wall lines of the states
    Extremwert eV{mx.MaxVerformung, mx.MinVerformung}, eM{mx.MaxMoment, mx.MinMoment},
        eQ{mx.MaxQuerkraft, mx.MinQuerkraft};
    bool gelenkGeschrieben = false;
    if (vb::FileExists("ZORG.ZZZ")) {
        try {
            vb::FileGuard f("ZORG.ZZZ", vb::OpenMode::Input);
            Wandlinie wl;
            while (WandlinieLesen(f.nr(), wl)) {
                if (!typ7 && wl.lf != lf) continue;
                const int n = static_cast<int>(wl.z.size()) - 2;
                const bool gebettet =
                    wl.stufe >= 1 && wl.stufe <= zorm1::MaxAushub && P.FussGebettet[wl.stufe] != 0;
                const float fq = QuerkraftFaktor(P.Wandfuss, zormc::St.EinspErg, gebettet);
                int abReduziert = 0; // first node below the excavation with a positive shear force
                for (int i = 1; i <= n && fq > 0; ++i)
                    if (wl.z[static_cast<size_t>(i)] > wl.zAush && wl.q[static_cast<size_t>(i)] > 0) {
                        abReduziert = i;
                        break;
                    }
                for (int i = 1; i <= n; ++i) {
                    const size_t a = static_cast<size_t>(i), b = a + 1;
                    const float ya = Y(wl.z[a]), yb = Y(wl.z[b]);
                    z.Line(axV - sV * wl.v[a], ya, axV - sV * wl.v[b], yb);
                    z.Line(axM - sM * wl.m[a], ya, axM - sM * wl.m[b], yb);
                    if (!gelenkGeschrieben && zormc::St.zGelenk > 0) {
                        gelenkGeschrieben = true;
                        const std::string t =
                            "Gelenk z = " + vb::Trim(vb::Format(zormc::St.zGelenk, "#####0.00"));
                        Drucken(z, axM + 30 * u, Y(zormc::St.zGelenk) - z.TextHeight(t) / 2, t);
                    }
                    z.Line(axQ + sQ * wl.q[a], ya, axQ + sQ * wl.q[b], yb);
                    if (abReduziert > 0 && i >= abReduziert) {
                        z.SetDrawStyle(vb::draw::vbDot);
                        z.Line(axQ + sQ * fq * wl.q[a], ya, axQ + sQ * fq * wl.q[b], yb);
                        z.SetDrawStyle(vb::draw::vbSolid);
                    }
                    eV.Schreiben(z, wl.v[a], axV, sV, ya, 1);
                    eM.Schreiben(z, wl.m[a], axM, sM, ya, 1);
                    eQ.Schreiben(z, wl.q[a], axQ, sQ, ya, -1);
                }
            }
        } catch (const vb::RuntimeError&) {
            // the file cannot be opened: no wall lines
        }
    }

    // 9. support levels with their largest forces
    const int lagen = std::clamp<int>(P.AnzAnkerGesamt, 0, kMaxAnkerLagen);
    SchriftKlein(z);
    const float k = Grafik().KleinFaktor;
    z.SetFontTransparent(false);
    const auto& g = Grafik();
    const auto& ab = zormd::AB;
    for (int i = 1; i <= lagen; ++i) {
        const size_t j = static_cast<size_t>(i);
        const float y = Y(P.ZAuflager[i]);
        z.SetDrawStyle(vb::draw::vbDot);
        z.Line(L + 20 * u, y, R, y);
        z.SetDrawStyle(vb::draw::vbSolid);
        Schraffur(z, L + 8 * u, y, 2);
        const std::string koteT = KotenText(P.ZAuflager[i]);
        Drucken(z, L + 10 * u, y - k * z.TextHeight(koteT) / 2, koteT);
        const float kraft = typ7 ? ab.AnkerAhMax[j] : g.AnkerKraftMax[j];
        if (!(kraft > kKraftStart) || !std::isfinite(kraft)) continue; // no force reached this level
        const std::string ah =
            (teilsi ? "max.Ah(d) = " : "max.Ah = ") + vb::Trim(vb::Format(kraft, "#####0.0")) + " kN/m";
        Drucken(z, mitte - z.TextWidth(ah), y - k * z.TextHeight(ah) / 2, ah);
        const std::string wo =
            typ7 ? "(Lastfall" + Nr(ab.AnkerMaxLF[j]) + ", Aushub" + Nr(ab.AnkerMaxAushub[j]) + ")"
                 : "(Aushub" + Nr(g.AnkerMaxStufe[j]) + ")";
        Drucken(z, mitte - z.TextWidth(wo), y + 2 * k * z.TextHeight(wo) / 3, wo);
    }

    // 10. back to the normal state
    z.SetDrawStyle(vb::draw::vbSolid);
    z.SetFontTransparent(true);
    SchriftNormal(z);
}

} // namespace zorg
