#include "frame/stage_table.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/vbnum.h"

using zorm1::AushubSpalte;
using zorm1::Aushubstufe;
using zorm1::P;

namespace {

bool StufeGueltig(int16_t s) {
    return s >= 0 && s <= zorm1::MaxAushub;
}

// An integer kept as a single back to its integer: nearest, halves to even. A value that no 16-bit integer
// can hold (only a damaged file gives one) loads as 0 instead of stopping the program.
int16_t Ganz(float v) {
    if (!std::isfinite(v) || v < -32768.5f || v >= 32767.5f) return 0;
    return vb::CInt(v);
}

// Loop bound of a list: the count, kept inside the list's capacity so that neither the list nor the stored
// form is ever indexed beyond its end.
int Grenze(int n, int max) {
    return std::clamp<int>(n, 0, max);
}

constexpr int kSohlLasten = 8;
constexpr int kTabellenZeilen = 15;

// Walks the places of the stored form that hold a value of the stage, in their order, calling f(place, value)
// (the value by reference, so that one walk serves both directions). A count is taken from the stage after f
// has seen it, so that reading fills it before the list behind it is placed. Returns the last place of the
// packed lists; the places 9..18 and those behind the returned one hold no value.
template <class Stufe, class F> int Plaetze(Stufe& t, F&& f) {
    f(1, t.Wandfuss);
    f(2, t.ZWandfuss);
    f(3, t.zAush);
    f(4, t.AnzAnker);
    f(5, t.UmFigur);
    f(6, t.UmZ1);
    f(7, t.UmZ2);
    f(8, t.EpsUml);
    int z = 18;
    for (int i = 1; i <= 8; ++i)
        f(++z, t.ZAnker[i]);
    f(++z, t.ZNextAnker);
    f(++z, t.ZWasserLuft);
    f(++z, t.EFaktor);
    f(++z, t.StBx1);
    f(++z, t.StBx2);
    f(++z, t.StBH);
    f(++z, t.ZWasserErd);
    f(++z, t.Einsp);
    f(++z, t.AnzSohlLast);
    const int m = Grenze(Ganz(t.AnzSohlLast), kSohlLasten);
    for (int i = 1; i <= m; ++i) {
        f(++z, t.SohlLastX1[i]);
        f(++z, t.SohlLastX2[i]);
        f(++z, t.SohlLastQ[i]);
        f(++z, t.SohlLastZ[i]);
    }
    f(++z, t.AnzZusatzSpannung);
    const int ks = Grenze(Ganz(t.AnzZusatzSpannung), kTabellenZeilen);
    for (int i = 1; i <= ks; ++i) {
        f(++z, t.ZusZ[i]);
        f(++z, t.ZusSpannung[i]);
    }
    f(++z, t.AnzErddruckFaktor);
    const int kf = Grenze(Ganz(t.AnzErddruckFaktor), kTabellenZeilen);
    for (int i = 1; i <= kf; ++i) {
        f(++z, t.EVerZ[i]);
        f(++z, t.EVerFaktor[i]);
    }
    return z;
}

// Places 9..18 hold no value of a stage.
constexpr int kFreiVon = 9;
constexpr int kFreiBis = 18;

} // namespace

namespace zorm1 {

AushubSpalte AushubAlsSpalte(const Aushubstufe& t) {
    AushubSpalte z = t.Ablage;
    z[0] = 0.0f;
    Plaetze(t, [&](int platz, const float& v) { z[static_cast<size_t>(platz)] = v; });
    return z;
}

Aushubstufe AushubAusSpalte(const AushubSpalte& z) {
    Aushubstufe t;
    const int ende = Plaetze(t, [&](int platz, float& v) { v = z[static_cast<size_t>(platz)]; });
    for (int r = kFreiVon; r <= kFreiBis; ++r)
        t.Ablage[static_cast<size_t>(r)] = z[static_cast<size_t>(r)];
    for (int r = ende + 1; r <= AushubZeilen; ++r)
        t.Ablage[static_cast<size_t>(r)] = z[static_cast<size_t>(r)];
    return t;
}

} // namespace zorm1

namespace zormcom {

void AushubSpeichern(int16_t s) {
    if (!StufeGueltig(s)) return;
    Aushubstufe& stufe = P.Aushubstufen[static_cast<size_t>(s)];
    Aushubstufe t;
    t.Wandfuss = P.Wandfuss;
    t.ZWandfuss = P.ZWandfuss;
    t.zAush = P.zAush;
    t.AnzAnker = P.AnzAnker;
    t.UmFigur = P.UmFigur;
    t.UmZ1 = P.UmZ1;
    t.UmZ2 = P.UmZ2;
    t.EpsUml = P.EpsUml;
    for (int i = 1; i <= 8; ++i)
        t.ZAnker[i] = P.ZAnker[i];
    t.ZNextAnker = P.ZNextAnker;
    t.ZWasserLuft = P.ZWasserLuft;
    t.EFaktor = P.EFaktor;
    t.StBx1 = P.StBx1;
    t.StBx2 = P.StBx2;
    t.StBH = P.StBH;
    t.ZWasserErd = P.ZWasserErd;
    t.Einsp = P.Einsp;
    t.AnzSohlLast = P.AnzSohlLast;
    for (int i = 1; i <= Grenze(P.AnzSohlLast, kSohlLasten); ++i) {
        t.SohlLastX1[i] = P.SohlLastX1[i];
        t.SohlLastX2[i] = P.SohlLastX2[i];
        t.SohlLastQ[i] = P.SohlLastQ[i];
        t.SohlLastZ[i] = P.SohlLastZ[i];
    }
    t.AnzZusatzSpannung = P.AnzZusatzSpannung;
    for (int i = 1; i <= Grenze(P.AnzZusatzSpannung, kTabellenZeilen); ++i) {
        t.ZusZ[i] = P.ZusZ[i];
        t.ZusSpannung[i] = P.ZusSpannung[i];
    }
    t.AnzErddruckFaktor = P.AnzErddruckFaktor;
    for (int i = 1; i <= Grenze(P.AnzErddruckFaktor, kTabellenZeilen); ++i) {
        t.EVerZ[i] = P.EVerZ[i];
        t.EVerFaktor[i] = P.EVerFaktor[i];
    }
    // What the stage held before stays at the places that hold no value now.
    t.Ablage = zorm1::AushubAlsSpalte(stufe);
    stufe = zorm1::AushubAusSpalte(zorm1::AushubAlsSpalte(t));
}

void AushubLaden(int16_t s) {
    if (!StufeGueltig(s)) return;
    const Aushubstufe& t = P.Aushubstufen[static_cast<size_t>(s)];
    P.Wandfuss = Ganz(t.Wandfuss);
    P.ZWandfuss = t.ZWandfuss;
    P.zAush = t.zAush;
    // A stage has at most 8 supports: a larger count comes only from a damaged file.
    P.AnzAnker = static_cast<int16_t>(Grenze(Ganz(t.AnzAnker), 8));
    P.UmFigur = Ganz(t.UmFigur);
    P.UmZ1 = t.UmZ1;
    P.UmZ2 = t.UmZ2;
    P.EpsUml = t.EpsUml;
    for (int i = 1; i <= 8; ++i)
        P.ZAnker[i] = t.ZAnker[i];
    P.ZNextAnker = t.ZNextAnker;
    P.ZWasserLuft = t.ZWasserLuft;
    P.EFaktor = t.EFaktor;
    P.StBx1 = t.StBx1;
    P.StBx2 = t.StBx2;
    P.StBH = t.StBH;
    P.ZWasserErd = t.ZWasserErd;
    P.Einsp = t.Einsp;
    // A count beyond its list (only a damaged file holds one) is cut to the list's capacity, so that every
    // later loop over the list stays inside it.
    const int m = Grenze(Ganz(t.AnzSohlLast), kSohlLasten);
    P.AnzSohlLast = static_cast<int16_t>(m);
    for (int i = 1; i <= m; ++i) {
        P.SohlLastX1[i] = t.SohlLastX1[i];
        P.SohlLastX2[i] = t.SohlLastX2[i];
        P.SohlLastQ[i] = t.SohlLastQ[i];
        P.SohlLastZ[i] = t.SohlLastZ[i];
    }
    const int ks = Grenze(Ganz(t.AnzZusatzSpannung), kTabellenZeilen);
    P.AnzZusatzSpannung = static_cast<int16_t>(ks);
    for (int i = 1; i <= ks; ++i) {
        P.ZusZ[i] = t.ZusZ[i];
        P.ZusSpannung[i] = t.ZusSpannung[i];
    }
    const int kf = Grenze(Ganz(t.AnzErddruckFaktor), kTabellenZeilen);
    P.AnzErddruckFaktor = static_cast<int16_t>(kf);
    for (int i = 1; i <= kf; ++i) {
        P.EVerZ[i] = t.EVerZ[i];
        P.EVerFaktor[i] = t.EVerFaktor[i];
    }
}

} // namespace zormcom
