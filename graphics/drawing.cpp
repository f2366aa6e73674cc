#include "graphics/drawing.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "frame/project_data.h"
#include "platform/draw/devices.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zorg {

Zustand& Grafik() {
    static Zustand z;
    return z;
}
void GrafikZuruecksetzen() {
    Grafik() = Zustand{};
}

StufenWerte StufeAusTabelle(int16_t s) {
    StufenWerte w;
    if (s < 1 || s > zorm1::MaxAushub) return w;
    const zorm1::Aushubstufe& T = P.Aushubstufen[static_cast<size_t>(s)];
    auto ganz = [](float v, int hi) {
        const float r = std::nearbyint(v);
        return static_cast<int16_t>(std::isfinite(r) ? std::clamp(r, 0.0f, static_cast<float>(hi)) : 0.0f);
    };
    w.zAush = T.zAush;
    w.AnzAnker = ganz(T.AnzAnker, 8);
    for (int i = 1; i <= 8; ++i)
        w.ZAnker[static_cast<size_t>(i)] = T.ZAnker[static_cast<size_t>(i)];
    w.ZNextAnker = T.ZNextAnker;
    w.ZWasserLuft = T.ZWasserLuft;
    w.StBx1 = T.StBx1;
    w.StBx2 = T.StBx2;
    w.StBH = T.StBH;
    w.ZWasserErd = T.ZWasserErd;
    w.AnzSohlLast = ganz(T.AnzSohlLast, 8);
    for (int i = 1; i <= w.AnzSohlLast; ++i) {
        const size_t k = static_cast<size_t>(i);
        w.SohlLastX1[k] = T.SohlLastX1[k];
        w.SohlLastX2[k] = T.SohlLastX2[k];
        w.SohlLastQ[k] = T.SohlLastQ[k];
        w.SohlLastZ[k] = T.SohlLastZ[k];
    }
    return w;
}

namespace {

// Whole mm of an extent in twips, halves to even.
int16_t Mm(double twips) {
    const double mm = std::nearbyint(twips * 25.4 / 1440.0);
    return static_cast<int16_t>(std::clamp(mm, -32768.0, 32767.0));
}

float H3(Flaeche& z) {
    return static_cast<float>(z.TextHeight("3"));
}

void Linie(Flaeche& z, double x1, double y1, double x2, double y2) {
    z.Line(x1, y1, x2, y2);
}

} // namespace

namespace {

// The size of the graphics font on the surface (see GrafikSchriftSetzen).
float Schriftgroesse(const Flaeche& z, float punkte) {
    const float f = Grafik().SchirmFaktor;
    if (z.IsPrinter() || !(f > 0.0f) || f == 1.0f || !(punkte > 0.0f)) return punkte;
    const double pixelProPunkt = 1440.0 / z.TwipsPerPixelY() / 72.0;
    const double pixel = std::max(1.0, std::floor(punkte * f * pixelProPunkt + 1e-6));
    return static_cast<float>(pixel / pixelProPunkt);
}

// The net extents in mm of the picture on the printed page in the orientation of the settings (as the
// set-up on the printer computes them); 0 when the printer gives no page.
std::pair<double, double> DruckNetto() {
    const auto& d = vb::draw::Printer();
    const double a = d.DeviceWidthTwips() * 25.4 / 1440.0, b = d.DeviceHeightTwips() * 25.4 / 1440.0;
    const double kurz = std::min(a, b), lang = std::max(a, b);
    if (!(kurz > 0)) return {0, 0};
    const double R = P.H504Ein != 0 ? 20.5 : 0.0;
    if (P.Querformat != 0)
        return {lang - P.GrafikRandOben - P.GrafikRandUnten - 2 * R,
                kurz - P.GrafikRandLinks - P.GrafikRandRechts};
    return {kurz - P.GrafikRandLinks - P.GrafikRandRechts,
            lang - P.GrafikRandOben - P.GrafikRandUnten - 2 * R};
}

} // namespace

void GrafikSchriftSetzen(Flaeche& z) {
    const float groesse = Schriftgroesse(z, P.GrafikFontSize);
    z.SetFontSize(groesse);
    if (!P.GrafikFontName.empty()) z.SetFontName(P.GrafikFontName);
    z.SetFontSize(groesse);
    z.SetFontBold(P.GrafikFontBold != 0);
}

void GrafikSchriftSkalieren(Flaeche& z, float faktor) {
    P.GrafikFontSize = P.GrafikFontSize * faktor;
    GrafikSchriftSetzen(z);
}

void SchriftKlein(Flaeche& z) {
    auto& g = Grafik();
    if (P.GrafikFontSize <= 0) return;
    // on the window the small print of the paper would not be readable: its labels keep the graphics font
    g.KleinFaktor = z.IsPrinter() ? 6.0f / P.GrafikFontSize : 1.0f;
    GrafikSchriftSkalieren(z, g.KleinFaktor);
}

void SchriftNormal(Flaeche& z) {
    auto& g = Grafik();
    if (g.KleinFaktor == 0) return; // no small font in force: the font stays as it is
    g.KleinFaktor = 1.0f / g.KleinFaktor;
    GrafikSchriftSkalieren(z, g.KleinFaktor);
}

bool MassstabEinrichten(Flaeche& z) {
    auto& g = Grafik();
    if (!(P.Massstab > 0)) P.Massstab = 100.0f;
    if (P.GrafikFontSize == 0) P.GrafikFontSize = 6.25f;
    g.Beschriftungen.clear();
    z.SetScaleMode(vb::draw::vbTwips);
    const int16_t B = Mm(z.ScaleWidth());
    const int16_t T = Mm(z.ScaleHeight());
    // On the window the picture is the printed one enlarged or reduced as a whole: the window's shorter side
    // shows what the printed picture's shorter side holds, labels and symbols included.
    g.SchirmFaktor = 1;
    if (!z.IsPrinter()) {
        const auto [nx, nz] = DruckNetto();
        const double kurz = std::min<double>(B, T);
        if (nx > 0 && nz > 0 && kurz > 0) g.SchirmFaktor = static_cast<float>(kurz / std::min(nx, nz));
    }
    GrafikSchriftSetzen(z);
    const float M = P.Massstab;
    float Nx = 0, Nz = 0;
    float links = 0, oben = 0, rechts = 0, unten = 0;
    if (z.IsPrinter()) {
        const bool h504 = P.H504Ein != 0;
        g.RandObenKopie = h504 ? 20 : 0;
        g.RandUntenH504 = h504 ? 20 : 0;
        g.H504Versatz = h504 ? 0.5f : 0.0f;
        const float R = static_cast<float>(g.RandObenKopie) + g.H504Versatz;
        int16_t ou = 0, lr = 0;
        if (P.Querformat != 0) {
            ou = static_cast<int16_t>(B - P.GrafikRandOben - P.GrafikRandUnten);
            lr = static_cast<int16_t>(T - P.GrafikRandLinks - P.GrafikRandRechts);
            Nx = ou - 2 * R;
            Nz = lr;
        } else {
            ou = static_cast<int16_t>(B - P.GrafikRandLinks - P.GrafikRandRechts);
            lr = static_cast<int16_t>(T - P.GrafikRandOben - P.GrafikRandUnten);
            Nx = ou;
            Nz = lr - 2 * R;
        }
        // margins that leave no drawing area: no picture on this sheet
        if (!(Nx > 0) || !(Nz > 0) || ou <= 0 || lr <= 0) return false;
        P.GrafikRandOU = ou;
        P.GrafikRandLR = lr;
        const float Lx = Nx * M / 1000.0f * 0.45f;
        const float Lz = Nz * M / 1000.0f * 0.45f;
        Grafik().BildLinks = -Lx;
        Grafik().BildRechts = Lx * 0.55f / 0.45f;
        Grafik().BildOben = -Lz;
        Grafik().BildUnten = Lz * 0.55f / 0.45f;
        const float breite = Grafik().BildRechts - Grafik().BildLinks,
                    hoehe = Grafik().BildUnten - Grafik().BildOben;
        if (P.Querformat != 0) {
            links = hoehe * P.GrafikRandLinks / lr;
            rechts = hoehe * P.GrafikRandRechts / lr;
            oben = breite * (P.GrafikRandOben + R) / Nx;
            unten = breite * (P.GrafikRandUnten + R) / Nx;
        } else {
            links = breite * P.GrafikRandLinks / ou;
            rechts = breite * P.GrafikRandRechts / ou;
            oben = hoehe * (P.GrafikRandOben + R) / Nz;
            unten = hoehe * (P.GrafikRandUnten + R) / Nz;
        }
    } else {
        // The project keeps the net extents of the printed pictures (they are saved with it): the window
        // leaves them alone, so that a project saved after pictures were shown keeps its bytes.
        // the frame in mm of the printed page it stands for
        Nx = static_cast<float>(B / g.SchirmFaktor);
        Nz = static_cast<float>(T / g.SchirmFaktor);
        const float Lx = Nx * M / 1000.0f * 0.45f;
        const float Lz = Nz * M / 1000.0f * 0.45f;
        Grafik().BildLinks = -Lx;
        Grafik().BildRechts = Lx * 0.55f / 0.45f;
        Grafik().BildOben = -Lz;
        Grafik().BildUnten = Lz * 0.55f / 0.45f;
    }
    g.RandLinksUE = links;
    g.RandObenUE = oben;
    g.RandRechtsUE = rechts;
    g.RandUntenUE = unten;
    Grafik().BildLinks -= P.xNull;
    Grafik().BildRechts -= P.xNull;
    Grafik().BildOben -= P.zNull;
    Grafik().BildUnten -= P.zNull;
    Grafik().ZeichenEinheit = M * 0.25f / 1000.0f;
    try {
        if (P.Querformat != 0)
            z.Scale(Grafik().BildLinks - unten, Grafik().BildOben - links, Grafik().BildRechts + oben,
                    Grafik().BildUnten + rechts);
        else
            z.Scale(Grafik().BildLinks - links, Grafik().BildOben - oben, Grafik().BildRechts + rechts,
                    Grafik().BildUnten + unten);
    } catch (const vb::RuntimeError&) {
        // an empty client area: the surface keeps its scale (the window draws nothing visible)
    }
    if (!z.IsPrinter()) z.Cls();
    if (z.IsPrinter() && !g.Kennung.empty()) {
        // the tag's box in the frame's lower left corner, in the small font it is printed with
        const vb::draw::FontSpec f = z.Font();
        z.SetFontSize(6);
        const double w = 8 * g.ZeichenEinheit + z.TextWidth(g.Kennung), h = z.TextHeight(g.Kennung);
        z.SetFont(f);
        const double x1 = z.ToTwipsX(g.BildLinks), x2 = z.ToTwipsX(g.BildLinks + w);
        const double y1 = z.ToTwipsY(g.BildUnten - h - g.ZeichenEinheit), y2 = z.ToTwipsY(g.BildUnten);
        g.Beschriftungen.push_back(
            {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), g.Kennung});
    }
    return true;
}

void GrafikRandLoeschen(Flaeche& z) {
    if (!z.IsPrinter()) return;
    const double l = Grafik().BildLinks, r = Grafik().BildRechts, o = Grafik().BildOben,
                 u = Grafik().BildUnten;
    using vb::draw::LineKind;
    z.Line(r, o - 500, r + 500, u + 500, vb::draw::vbWhite, LineKind::FilledBox);
    z.Line(l, o - 500, l - 500, u + 500, vb::draw::vbWhite, LineKind::FilledBox);
    z.Line(l, o, r, o - 500, vb::draw::vbWhite, LineKind::FilledBox);
    z.Line(l, u, r, u + 500, vb::draw::vbWhite, LineKind::FilledBox);
    z.Line(l, o, r, u, vb::draw::kNoColor, LineKind::Box);
}

void Markierung(Flaeche& z, float x, float zt, int16_t art) {
    const float h = 0.5f * H3(z);
    if (art == 2) {
        Linie(z, x, zt, x - h, zt - h);
        Linie(z, x, zt, x - h, zt + h);
    } else if (art == 3) {
        Linie(z, x, zt, x - h, zt - h);
        Linie(z, x - h, zt - h, x + h, zt - h);
        Linie(z, x + h, zt - h, x, zt);
    }
}

void Schraffur(Flaeche& z, float x, float zt, int16_t art) {
    if (art < 1 || art > 4) return;
    const float L = (art <= 2 ? 0.8f * 0.5f : 0.5f) * H3(z);
    for (int i = -20; i <= 20; ++i) {
        const float q = static_cast<float>(i) * L / 20.0f;
        switch (art) {
        case 1:
            Linie(z, x, zt, x + L, zt + q);
            break;
        case 2:
            Linie(z, x, zt, x - L, zt + q);
            break;
        case 3:
            Linie(z, x, zt, x + q, zt - L);
            break;
        default:
            Linie(z, x, zt, x + q, zt + L);
            break;
        }
    }
}

void Zackenlinie(Flaeche& z, float x1, float z1, float x2, float z2, float faktor, int16_t n) {
    if (n < 1) return;
    const float dx = x2 - x1, dz = z2 - z1;
    // a vertical line counts as running at +/- 90 degrees instead of dividing by 0
    const float A = dx != 0 ? std::atan(dz / dx) : (dz >= 0 ? 1.5707963f : -1.5707963f);
    const float len = std::sqrt(dx * dx + dz * dz);
    const float sx = dx / n, sz = dz / n, S = len / n * faktor;
    float xa = x1, za = z1;
    for (int i = 0; i < n; ++i) {
        const float px = xa + sx / 2 + S * std::sin(A), pz = za + sz / 2 - S * std::cos(A);
        const float qx = xa + sx, qz = za + sz;
        Linie(z, xa, za, px, pz);
        Linie(z, px, pz, qx, qz);
        xa = qx;
        za = qz;
    }
}

void WasserspiegelZeichen(Flaeche& z, float x, float zt) {
    const float u = Grafik().ZeichenEinheit;
    z.SetDrawWidth(3);
    const float halb[4] = {12, 9, 6, 3}, tief[4] = {1, 4, 7, 10};
    for (int i = 0; i < 4; ++i)
        Linie(z, x - halb[i] * u, zt + tief[i] * u, x + halb[i] * u, zt + tief[i] * u);
    z.SetDrawWidth(1);
}

void KeilSymbol(Flaeche& z, float x, float zt, float winkel) {
    const float L = 0.4f * H3(z);
    const float W = L * std::sin(45.0f * 3.141593f / 180.0f);
    const float c = std::cos(winkel), s = std::sin(winkel);
    const float p1x = x - L * c - W * s, p1z = zt - L * s + W * c;
    const float p2x = x - L * c + W * s, p2z = zt - L * s - W * c;
    z.SetDrawWidth(z.IsPrinter() ? 12 : 3);
    Linie(z, x, zt, p1x, p1z);
    Linie(z, x, zt, p2x, p2z);
    Linie(z, p2x, p2z, p1x, p1z);
    z.SetDrawWidth(1);
}

void PfeilspitzeFest(Flaeche& z, float x1, float z1, float x2, float z2) {
    const float s = 6.0f * Grafik().ZeichenEinheit;
    float theta = 1.5707963f;
    if (x2 - x1 != 0) theta = std::fabs(std::atan((z2 - z1) / (x2 - x1)));
    const float sx = x1 <= x2 ? 1.0f : -1.0f;
    const float sy = z1 >= z2 ? 1.0f : -1.0f;
    for (float a : {theta + 0.3490659f, theta - 0.3490659f})
        Linie(z, x2, z2, x2 - sx * s * std::cos(a), z2 + sy * s * std::sin(a));
}

namespace {

using Kasten = Zustand::Kasten;

// The frame in twips of the surface.
Kasten RahmenTwips(const Flaeche& z) {
    const auto& g = Grafik();
    const double a = z.ToTwipsX(g.BildLinks), b = z.ToTwipsX(g.BildRechts), c = z.ToTwipsY(g.BildOben),
                 d = z.ToTwipsY(g.BildUnten);
    return {std::min(a, b), std::min(c, d), std::max(a, b), std::max(c, d), {}};
}

// Whether a box lies on none of the labels so far; boxes that overlap by no more than spiel (twips) stand
// free.
bool Frei(const Kasten& k, double spiel) {
    for (const Kasten& b : Grafik().Beschriftungen)
        if (std::min(k.x2, b.x2) - std::max(k.x1, b.x1) > spiel &&
            std::min(k.y2, b.y2) - std::max(k.y1, b.y1) > spiel)
            return false;
    return true;
}

// What an overlap may be without being seen: a pixel of the screen, 0.1 mm on paper.
double Spiel(const Flaeche& z) {
    return z.IsPrinter() ? 1440.0 / 254.0 : z.TwipsPerPixelX();
}

// The box of a text of w x h twips turned by winkel tenths of a degree about its corner (x, y) (twips).
Kasten GedrehterKasten(double x, double y, double w, double h, int32_t winkel) {
    const double a = winkel / 10.0 * 3.14159265358979 / 180.0, c = std::cos(a), s = std::sin(a);
    Kasten k{1e300, 1e300, -1e300, -1e300, {}};
    for (auto [u, v] : {std::pair{0.0, 0.0}, {w, 0.0}, {0.0, h}, {w, h}}) {
        const double px = x + u * c + v * s, py = y - u * s + v * c;
        k.x1 = std::min(k.x1, px), k.x2 = std::max(k.x2, px), k.y1 = std::min(k.y1, py),
        k.y2 = std::max(k.y2, py);
    }
    return k;
}

} // namespace

void TextGedreht(Flaeche& z, int32_t winkel, float x, float zt, const std::string& text, int16_t schrift) {
    const vb::draw::FontSpec vorher = z.Font();
    if (schrift == 1) {
        vb::draw::FontSpec f = vorher;
        if (!P.TextFontName.empty()) f.name = P.TextFontName;
        if (P.TextFontSize > 0) f.size = Schriftgroesse(z, P.TextFontSize);
        f.bold = P.TextFontBold != 0;
        z.SetFont(f);
    }
    // its place is kept free for the labels printed after it
    TextGedrehtFreihalten(z, winkel, x, zt, text);
    z.PrintRotated(x, zt, text, winkel);
    if (schrift == 1) z.SetFont(vorher);
}

void TextGedrehtFreihalten(Flaeche& z, int32_t winkel, float x, float zt, const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return;
    const double tx = z.ToTwipsX(x), ty = z.ToTwipsY(zt);
    const double w = std::fabs(z.ToTwipsX(x + z.TextWidth(text)) - tx);
    const double h = std::fabs(z.ToTwipsY(zt + z.TextHeight(text)) - ty);
    const Zustand::Kasten k = GedrehterKasten(tx, ty, w, h, winkel);
    const Zustand::Kasten r = RahmenTwips(z);
    if (!(k.x2 <= r.x1 || k.x1 >= r.x2 || k.y2 <= r.y1 || k.y1 >= r.y2)) Grafik().Beschriftungen.push_back(k);
}

void Freihalten(Flaeche& z, float x1, float y1, float x2, float y2) {
    const double a = z.ToTwipsX(x1), b = z.ToTwipsX(x2), c = z.ToTwipsY(y1), d = z.ToTwipsY(y2);
    // no text: no label counts as the same text printed again over it
    Grafik().Beschriftungen.push_back({std::min(a, b), std::min(c, d), std::max(a, b), std::max(c, d), {}});
}

std::string KotenText(float zt) {
    if (P.KoteOKWand == 0) return vb::Trim(vb::Format(zt, "#####0.00"));
    const float kote = P.KoteOKWand - zt;
    return vb::Trim(vb::Format(zt, "#####0.00")) + "(" + vb::Trim(vb::Format(kote, "#####0.00")) + ")";
}

float ZahlAmAnfang(const std::string& text) {
    std::string t;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) t += text[i++];
    bool punkt = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            t += c;
        } else if ((c == '.' || c == ',') && !punkt) {
            punkt = true;
            t += '.';
        } else {
            break;
        }
    }
    if (t.empty() || t == "-" || t == "+" || t == "." || t == "-." || t == "+.") return 0;
    return std::strtof(t.c_str(), nullptr);
}

void TextYPruefen(Flaeche& z, float grenze) {
    auto& g = Grafik();
    if (z.CurrentY() <= grenze) z.SetCurrentY(grenze + Grafik().ZeichenEinheit);
    if (std::fabs(ZahlAmAnfang(g.TextPuffer)) < 0.1f) g.TextPuffer.clear();
}

void PufferDrucken(Flaeche& z) {
    Beschriften(z, Grafik().TextPuffer);
}

void Beschriften(Flaeche& z, const std::string& text, vb::draw::PrintEnd ende, bool fest) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        z.Print(text, ende);
        return;
    }
    const double x = z.CurrentX(), y = z.CurrentY();
    const double tx = z.ToTwipsX(x), ty = z.ToTwipsY(y);
    const double w = std::fabs(z.ToTwipsX(x + z.TextWidth(text)) - tx);
    const double h = std::fabs(z.ToTwipsY(y + z.TextHeight(text)) - ty);
    const Kasten r = RahmenTwips(z);
    Kasten k{tx, ty, tx + w, ty + h, text};
    const bool aussen = k.x2 <= r.x1 || k.x1 >= r.x2 || k.y2 <= r.y1 || k.y1 >= r.y2;
    if (aussen || fest || !(w > 0) || !(h > 0)) {
        if (!aussen) Grafik().Beschriftungen.push_back(k);
        z.Print(text, ende);
        return;
    }
    // inside the frame
    auto hinein = [&](double a, double lo, double hi) { return hi < lo ? lo : std::clamp(a, lo, hi); };
    const double x0 = hinein(tx, r.x1, r.x2 - w), y0 = hinein(ty, r.y1, r.y2 - h);
    // the nearest free place: half a line up or down at a time, then a line's height to the side at a time
    Kasten best{x0, y0, x0 + w, y0 + h, {}};
    const double spiel = Spiel(z);
    best.text = text;
    // the same text printed again over itself (the same value stated twice at one point) keeps its place
    const bool nochmal =
        std::any_of(Grafik().Beschriftungen.begin(), Grafik().Beschriftungen.end(), [&](const Kasten& b) {
            return b.text == text && std::min(b.x2, best.x2) > std::max(b.x1, best.x1) &&
                   std::min(b.y2, best.y2) > std::max(b.y1, best.y1);
        });
    if (!nochmal && !Frei(best, spiel)) {
        double kosten = 1e300;
        for (int i = -16; i <= 16; ++i)
            for (int j = -8; j <= 8; ++j) {
                const double dy = i * h / 2, dx = j * h;
                const double c = std::fabs(dy) + 1.5 * std::fabs(dx);
                if (c >= kosten) continue;
                const double nx = x0 + dx, ny = y0 + dy;
                if (nx < r.x1 || nx + w > r.x2 || ny < r.y1 || ny + h > r.y2) continue;
                const Kasten v{nx, ny, nx + w, ny + h, text};
                if (!Frei(v, spiel)) continue;
                kosten = c;
                best = v;
            }
    }
    Grafik().Beschriftungen.push_back(best);
    z.SetCurrentX(z.FromTwipsX(best.x1));
    z.SetCurrentY(z.FromTwipsY(best.y1));
    z.Print(text, ende);
}

double ZeileBeschriften(Flaeche& z, const std::vector<std::pair<double, std::string>>& zeile, double y,
                        double yMin) {
    const Kasten r = RahmenTwips(z);
    const double ty = z.ToTwipsY(y);
    struct Teil {
        double x, w, h;
        bool zeigen; // drawn inside the frame
    };
    std::vector<Teil> teile;
    double h = 0;
    for (const auto& [x, t] : zeile) {
        const double tx = z.ToTwipsX(x);
        const double w = std::fabs(z.ToTwipsX(x + z.TextWidth(t)) - tx);
        const double th = std::fabs(z.ToTwipsY(y + z.TextHeight(t)) - ty);
        const bool leer = t.find_first_not_of(' ') == std::string::npos;
        const bool aussen = tx + w <= r.x1 || tx >= r.x2 || ty + th <= r.y1 || ty >= r.y2;
        teile.push_back({tx, w, th, !leer && !aussen && w > 0 && th > 0});
        if (teile.back().zeigen) h = std::max(h, th);
    }
    // the nearest depth where the whole row stands free: half a line up or down at a time, up first
    const double spiel = Spiel(z), grenze = z.ToTwipsY(yMin);
    auto frei = [&](double ny) {
        if (ny < grenze - spiel || ny < r.y1 || ny + h > r.y2) return false;
        for (const Teil& t : teile)
            if (t.zeigen &&
                (t.x < r.x1 || t.x + t.w > r.x2 || !Frei({t.x, ny, t.x + t.w, ny + t.h, {}}, spiel)))
                return false;
        return true;
    };
    double ny = ty;
    bool gefunden = h > 0 && frei(ty);
    for (int i = 1; i <= 16 && h > 0 && !gefunden; ++i)
        for (const double v : {ty - i * h / 2, ty + i * h / 2})
            if (!gefunden && frei(v)) {
                ny = v;
                gefunden = true;
            }
    if (!gefunden) {
        // no depth for the row as a whole: each text finds its own place
        for (const auto& [x, t] : zeile) {
            z.SetCurrentX(x);
            z.SetCurrentY(y);
            Beschriften(z, t);
        }
        return y;
    }
    const double neu = z.FromTwipsY(ny);
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const Teil& t = teile[i];
        if (t.zeigen) Grafik().Beschriftungen.push_back({t.x, ny, t.x + t.w, ny + t.h, zeile[i].second});
        z.SetCurrentX(zeile[i].first);
        z.SetCurrentY(t.zeigen ? neu : y);
        z.Print(zeile[i].second, vb::draw::PrintEnd::Stay);
    }
    return neu;
}

} // namespace zorg
