// The system picture and the system part of the statics pictures.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zorg {
namespace {

constexpr int kMaxTicks = 2000; // ticks, labels and wall lines of one kind on one picture

int16_t Stufe(int16_t s) {
    return static_cast<int16_t>(std::clamp<int>(s, 1, zorm1::MaxAushub));
}
int Schichten() {
    return std::clamp<int>(P.AnzErd, 0, 30);
}

void Drucke(Flaeche& z, double x, double y, const std::string& t) {
    z.SetCurrentX(x);
    z.SetCurrentY(y);
    Beschriften(z, t);
}

std::string Zahl(float v, const char* maske) {
    return vb::Trim(vb::Format(v, maske));
}

// Start of a layer boundary with top zt over an excavation at zA with its sloped bottom from x1 to x2
// (already shifted by the wall) and extra depth H.
float GrenzeStart(float zt, float zA, float x1, float x2, float H) {
    if (zt <= zA) return 0;
    if (zt > zA + H) return Grafik().BildLinks;
    if (H == 0) return Grafik().BildLinks;
    return (x2 - x1) / H * (zt - zA) + x1;
}

void Skala(Flaeche& z, float u, int s, int i, float x) {
    const bool lang = i % s == 0;
    z.Line(x, Grafik().BildOben, x, Grafik().BildOben + (lang ? 6 : 3) * u);
    if (lang) {
        const std::string t = std::to_string(i);
        Drucke(z, x - z.TextWidth(t) / 2, Grafik().BildOben + 6 * u, t);
    }
}

// One value of the soil table in column j (column width b): its x and its text.
std::pair<double, std::string> TabellenWert(Flaeche& z, int j, float b, float wert) {
    const std::string t = Zahl(wert, "#####0.00");
    return {(j - 0.5) * b - z.TextWidth(t) + 2.5 * z.TextWidth("0"), t};
}

// The values of layer k with its top zt in the soil table's columns j = 1 .. 8 (column width b): each
// right-aligned 2.5 digits right of its column line, on the row's depth (the middle of the layer; for the
// last layer 12 units below its top); a row reaching below the frame is left out. The row moves as a whole
// where it would lie on other labels, not above yMin; returns the depth of the row's foot (yMin when there
// is no row).
double Tabellenzeile(Flaeche& z, float zt, int k, float b, const float (&werte)[9], double yMin) {
    const float u = Grafik().ZeichenEinheit;
    const float zeile = k == P.AnzErd ? zt + 12 * u : zt + P.SchichtDicke[static_cast<size_t>(k)] / 2;
    std::vector<std::pair<double, std::string>> texte;
    double th = 0;
    for (int j = 1; j <= 8; ++j) {
        texte.push_back(TabellenWert(z, j, b, werte[j]));
        th = z.TextHeight(texte.back().second);
    }
    const double y = zeile - th / 2;
    if (!(y + th / 2 < Grafik().BildUnten)) return yMin;
    return ZeileBeschriften(z, texte, y, yMin) + th;
}

// The column headings of the soil table, rising at 22.5 degrees to the foot of their column line at
// xj = (j - 0.5) b, zh = BildUnten - 5 LH (LH = 1.5 x the height of "A").
const char* const kKopf[9] = {"",
                              "Schichthöhe (m)",
                              "Innere Reibung phi (°)",
                              "Wandreibung aktiv (°)",
                              "Wandreibung passiv (°)",
                              "Kohäsion aktiv (kN/m2)",
                              "Kohäsion passiv (kN/m2)",
                              "gamma feucht (kN/m3)",
                              "gamma u. Auftr.(kN/m3)"};

struct Kopf {
    double xj, zh; // foot of the column line
    float x, zt;   // top left corner of the turned heading
};

Kopf KopfLage(Flaeche& z, int j) {
    const float b = Grafik().BildRechts / 9;
    const double LH = 1.5 * z.TextHeight("A");
    const double zh = Grafik().BildUnten - 5 * LH;
    const double c = std::cos(22.5 * 3.14159265 / 180), sn = std::sin(22.5 * 3.14159265 / 180);
    const double xj = (j - 0.5) * b;
    const double tw = z.TextWidth(kKopf[j]);
    return {xj, zh, static_cast<float>(xj - tw * c), static_cast<float>(zh + tw * sn)};
}

} // namespace

void SystemZeichnen(Flaeche& z, int16_t art, int16_t stufe) {
    const float u = Grafik().ZeichenEinheit;
    const float d = P.DWand;
    z.SetDrawStyle(vb::draw::vbSolid);
    // picture 1: the headings of the soil table stand at the foot of the frame, drawn last; they claim their
    // places first, so that the labels around them (the deepest excavation, the levels, the values of the
    // lowest layers) move clear of them
    if (art == 0)
        for (int j = 1; j <= 8; ++j) {
            const Kopf k = KopfLage(z, j);
            TextGedrehtFreihalten(z, 225, k.x, k.zt, kKopf[j]);
        }
    const int s = Grafik().BildRechts > 10 ? 5 : 1;
    // scale along the top edge, and of the excavation side from the front face of the wall
    for (int i = 0; i + 1 < Grafik().BildRechts && i < kMaxTicks; ++i)
        Skala(z, u, s, i, static_cast<float>(i));
    Drucke(z, Grafik().BildRechts - 1.5 * z.TextWidth("x"), Grafik().BildOben + 6 * u, "x");
    const int links = static_cast<int>(std::nearbyint(Grafik().BildLinks + 1));
    for (int i = 0; i >= links && i > -kMaxTicks; --i)
        Skala(z, u, s, i, static_cast<float>(i) - d);
    // wall thickness
    if (d > 0.1f) {
        const float zd = Grafik().BildOben + 40 * u;
        z.Line(-1.5 * d, zd, 0.5 * d, zd);
        z.Line(-d, zd + 8 * u, -d, zd - 8 * u);
        z.Line(0, zd + 8 * u, 0, zd - 8 * u);
        const std::string t = vb::Trim(vb::Str(d * 100.0f));
        Drucke(z, -(z.TextWidth(t) + d) / 2, zd - z.TextHeight(t) - 2 * u, t);
        z.Circle(-d, zd, 3 * u);
        z.Circle(0, zd, 3 * u);
    }
    // depth scale along the right edge (statics pictures)
    if (art != 0) {
        auto tick = [&](int i) {
            const bool lang = i % s == 0;
            z.Line(Grafik().BildRechts, i, Grafik().BildRechts - (lang ? 6 : 4) * u, i);
            if (lang) {
                const std::string t = std::to_string(i);
                Drucke(z, Grafik().BildRechts - z.TextWidth(t) - 10 * u, i - z.TextHeight(t) / 2, t);
            }
        };
        const int unten = static_cast<int>(std::nearbyint(0.9f * Grafik().BildUnten));
        for (int i = 0; i <= unten && i < kMaxTicks; ++i)
            tick(i);
        const int oben = static_cast<int>(std::nearbyint(0.9f * Grafik().BildOben));
        for (int i = -1; i >= oben && i > -kMaxTicks; --i)
            tick(i);
        // no label lies on the ticks
        const float zOben = static_cast<float>(std::clamp(oben, -kMaxTicks + 1, 0)),
                    zUnten = static_cast<float>(std::clamp(unten, 0, kMaxTicks - 1));
        Freihalten(z, Grafik().BildRechts - 6 * u, zOben, Grafik().BildRechts, zUnten);
        Drucke(z, Grafik().BildRechts - 2.5 * z.TextWidth("z"),
               Grafik().BildUnten - 30 * u - z.TextHeight("z"), "z");
    }
    // ground surface with its slopes
    z.SetDrawWidth(3);
    float xa = 0, za = 0;
    const int nb = std::clamp<int>(P.AnzBoesch, 0, zorm1::MaxBoeschungen);
    for (int i = 1; i <= nb; ++i) {
        const float x1 = P.BoeschX1[static_cast<size_t>(i)], z1 = P.BoeschZ1[static_cast<size_t>(i)];
        const float x2 = P.BoeschX2[static_cast<size_t>(i)], z2 = P.BoeschZ2[static_cast<size_t>(i)];
        z.Line(xa, za, x1, z1);
        z.Line(x1, z1, x2, z2);
        if (art == 0) {
            z.SetDrawWidth(1);
            Schraffur(z, x2, z2, 3);
            z.SetDrawWidth(3);
            const std::string t = KotenText(z2);
            Drucke(z, x2 - z.TextWidth(t) / 2, z.CurrentY() - z.TextHeight(t), t);
        }
        xa = x2;
        za = z2;
    }
    z.Line(xa, za, Grafik().BildRechts, za);
    z.SetDrawWidth(1);

    if (art != 0) {
        const int16_t st = Stufe(stufe);
        const zorm1::Aushubstufe& a = P.Aushubstufen[static_cast<size_t>(st)];
        const float zA = a.zAush, x1 = a.StBx1 - d, x2 = a.StBx2 - d;
        const float H = a.StBH;
        z.SetDrawStyle(vb::draw::vbDot);
        float zt = 0;
        for (int k = 1; k <= Schichten(); ++k) {
            z.Line(GrenzeStart(zt, zA, x1, x2, H), zt, Grafik().BildRechts, zt);
            zt += P.SchichtDicke[static_cast<size_t>(k)];
            if (zt > Grafik().BildUnten) break;
        }
        z.SetDrawStyle(vb::draw::vbSolid);
        return;
    }

    // picture 1: the wall as a solid band down to the deepest foot
    const float zw = std::min(Grafik().ZFussMax, Grafik().BildUnten);
    if (u > 0) {
        int n = 0;
        for (float x = -d;; x += u) {
            z.Line(x, 0, x, zw);
            if (x >= 0 || ++n >= 500) break;
        }
    }
    Drucke(z, Grafik().BildLinks + 6 * u, Grafik().BildOben + 24 * u, "Bodenaufbau");
    Drucke(z, Grafik().BildLinks + 6 * u, Grafik().BildOben + 24 * u + z.TextHeight("M"),
           "M = 1 :" + vb::Str(P.Massstab));
    // axis signs
    z.Circle(0, -100 * u, 3 * u);
    z.Line(-10 * u, -100 * u, 100 * u, -100 * u);
    z.Line(0, -110 * u, 0, -20 * u);
    z.Line(90 * u, -105 * u, 100 * u, -100 * u);
    z.Line(90 * u, -95 * u, 100 * u, -100 * u);
    Drucke(z, 100 * u, -100 * u - z.TextHeight(" x") / 2, " x");
    z.Circle(-100 * u, 0, 3 * u);
    z.Line(-100 * u, -10 * u, -100 * u, 100 * u);
    z.Line(-110 * u, 0, -20 * u, 0);
    z.Line(-105 * u, 90 * u, -100 * u, 100 * u);
    z.Line(-95 * u, 90 * u, -100 * u, 100 * u);
    Drucke(z, -102 * u, 100 * u, "z");
    Drucke(z, -100 * u + z.TextWidth("AAA"), -z.TextHeight("OK"), "OK Wand");
    // deepest excavation
    const int16_t sm = Stufe(Grafik().StufeMaxAushub > 0 ? Grafik().StufeMaxAushub : 1);
    const zorm1::Aushubstufe& a = P.Aushubstufen[static_cast<size_t>(sm)];
    const float zA = a.zAush, x1 = a.StBx1 - d, x2 = a.StBx2 - d;
    const float H = a.StBH;
    z.SetDrawWidth(3);
    z.Line(0, zA, x1, zA);
    z.Line(x1, zA, x2, zA + H);
    z.Line(Grafik().BildLinks, zA + H, x2, zA + H);
    Drucke(z, -d - z.TextWidth("Max. AushubAA"), zA - z.TextHeight("Max. Aushub") - u, "Max. Aushub");
    z.SetDrawWidth(1);
    z.Line(Grafik().BildLinks + 5 * u, zA, Grafik().BildLinks + 25 * u, zA);
    Schraffur(z, Grafik().BildLinks + 15 * u, zA, 3);
    {
        const std::string t = KotenText(zA);
        const double x =
            std::max<double>(Grafik().BildLinks + 15 * u - z.TextWidth(t) / 2, Grafik().BildLinks);
        Drucke(z, x, z.CurrentY() - z.TextHeight(t), t);
    }
    // soil layers with their table
    const float b = Grafik().BildRechts / 9;
    double tabelleUnten = Grafik().BildOben; // the foot of the table's last row
    float zt = 0;
    for (int k = 1; k <= Schichten(); ++k) {
        const size_t kk = static_cast<size_t>(k);
        z.SetDrawStyle(vb::draw::vbDot);
        z.Line(GrenzeStart(zt, zA, x1, x2, H), zt, Grafik().BildRechts, zt);
        z.SetDrawStyle(vb::draw::vbSolid);
        Schraffur(z, Grafik().BildRechts - 20 * u, zt, 3);
        const std::string t = KotenText(zt);
        const double th = z.TextHeight(t);
        const double y = z.CurrentY() - th;
        if (y + th / 2 < Grafik().BildUnten) Drucke(z, Grafik().BildRechts - z.TextWidth(t), y, t);
        const float werte[9] = {0,
                                P.SchichtDicke[kk],
                                P.SchichtPhi[kk],
                                P.SchichtDeltaA[kk],
                                P.SchichtDeltaP[kk],
                                P.SchichtCa[kk],
                                P.SchichtCp[kk],
                                P.SchichtGamma[kk],
                                P.SchichtGammaAuftrieb[kk]};
        tabelleUnten = Tabellenzeile(z, zt, k, b, werte, tabelleUnten);
        if (zt + P.SchichtDicke[kk] > Grafik().BildUnten) break;
        zt += P.SchichtDicke[kk];
    }
    Drucke(z, Grafik().BildRechts - z.TextWidth("Kote z") - 6 * u, -3 * z.TextHeight("Kote z"), "Kote z");
    // column headings, rising at 22.5 degrees to the foot of their column line
    for (int j = 1; j <= 8; ++j) {
        const Kopf k = KopfLage(z, j);
        z.Line(k.xj, k.zh, k.xj, k.zh - 50 * u);
        TextGedreht(z, 225, k.x, k.zt, kKopf[j], 0);
    }
    // wall type and section
    std::string typ, profil;
    auto f2 = [](float v) { return vb::Format(v, "0.00"); };
    switch (P.Wandtyp) {
    case 1:
        typ = "TRÄGERBOHLWAND";
        profil = "Trägerbreite = " + f2(P.BBohl) + " m, Achsabstand " + f2(P.ABohl) + " m";
        break;
    case 2:
        typ = "SPUNDWAND";
        profil = "Profil: " + P.ProfilText;
        break;
    case 3:
        typ = "ORTBETONWAND";
        profil = "Schlitzwand, d = " + f2(P.DWand) + " m";
        break;
    case 4:
        typ = "ORTBETONWAND";
        profil = "Bohrpfahlwand überschnitten, d = " + f2(P.BPfDUeb) + " m";
        break;
    case 5:
    case 6:
        typ = "ORTBETONWAND";
        profil = "Bohrpfähle mit Abstand,  d = " + f2(P.BPfD) + " m,  a = " + f2(P.BPfAbstand) + " m";
        break;
    default:
        break;
    }
    Drucke(z, Grafik().BildLinks + 5 * u, Grafik().BildOben + 80 * u, "Wandtyp: " + typ);
    Drucke(z, Grafik().BildLinks + 5 * u, Grafik().BildOben + 80 * u + z.TextHeight("A"), profil);
}

} // namespace zorg
