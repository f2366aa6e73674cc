#include "frame/stage_table.h"

#include <algorithm>
#include <cmath>

#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace zormcom {

namespace {

bool StufeGueltig(int16_t s) {
    return s >= 0 && s <= zorm1::MaxAushub;
}

// An integer row back to its integer: nearest, halves to even. A value that no 16-bit integer can hold (only
// a damaged file gives one) loads as 0 instead of stopping the program.
int16_t ZeileGanz(float v) {
    if (!std::isfinite(v) || v < -32768.5f || v >= 32767.5f) return 0;
    return vb::CInt(v);
}

// Loop bound of a packed list: the count, kept inside the list's capacity so that neither the list nor the
// table column is ever indexed beyond its end.
int Grenze(int16_t n, int max) {
    return std::clamp<int>(n, 0, max);
}

} // namespace

void AushubSpeichern(int16_t s) {
    if (!StufeGueltig(s)) return;
    auto& T = P.AushubTabelle;
    T(s, 1) = P.Wandfuss;
    T(s, 2) = P.ZWandfuss;
    T(s, 3) = P.zAush;
    T(s, 4) = P.AnzAnker;
    T(s, 5) = P.UmFigur;
    T(s, 6) = P.UmZ1;
    T(s, 7) = P.UmZ2;
    T(s, 8) = P.EpsUml;
    for (int i = 1; i <= 8; ++i)
        T(s, 18 + i) = P.ZAnker[i];
    T(s, 27) = P.ZNextAnker;
    T(s, 28) = P.ZWasserLuft;
    T(s, 29) = P.EFaktor;
    T(s, 30) = P.StBx1;
    T(s, 31) = P.StBx2;
    T(s, 32) = P.StBH;
    T(s, 33) = P.ZWasserErd;
    T(s, 34) = P.Einsp;
    T(s, 35) = P.AnzSohlLast;
    const int m = Grenze(P.AnzSohlLast, 8);
    for (int i = 1; i <= m; ++i) {
        const int r = 36 + 4 * (i - 1);
        T(s, r) = P.SohlLastX1[i];
        T(s, r + 1) = P.SohlLastX2[i];
        T(s, r + 2) = P.SohlLastQ[i];
        T(s, r + 3) = P.SohlLastZ[i];
    }
    const int p = 36 + 4 * m;
    T(s, p) = P.AnzZusatzSpannung;
    const int ks = Grenze(P.AnzZusatzSpannung, 15);
    for (int i = 1; i <= ks; ++i) {
        T(s, p + 1 + 2 * (i - 1)) = P.ZusZ[i];
        T(s, p + 2 + 2 * (i - 1)) = P.ZusSpannung[i];
    }
    const int q = p + 1 + 2 * ks;
    T(s, q) = P.AnzErddruckFaktor;
    const int kf = Grenze(P.AnzErddruckFaktor, 15);
    for (int i = 1; i <= kf; ++i) {
        T(s, q + 1 + 2 * (i - 1)) = P.EVerZ[i];
        T(s, q + 2 + 2 * (i - 1)) = P.EVerFaktor[i];
    }
}

void AushubLaden(int16_t s) {
    if (!StufeGueltig(s)) return;
    const auto& T = P.AushubTabelle;
    P.Wandfuss = ZeileGanz(T(s, 1));
    P.ZWandfuss = T(s, 2);
    P.zAush = T(s, 3);
    // The stage's supports fill rows 19..26: a larger count comes only from a damaged table.
    P.AnzAnker = static_cast<int16_t>(Grenze(ZeileGanz(T(s, 4)), 8));
    P.UmFigur = ZeileGanz(T(s, 5));
    P.UmZ1 = T(s, 6);
    P.UmZ2 = T(s, 7);
    P.EpsUml = T(s, 8);
    for (int i = 1; i <= 8; ++i)
        P.ZAnker[i] = T(s, 18 + i);
    P.ZNextAnker = T(s, 27);
    P.ZWasserLuft = T(s, 28);
    P.EFaktor = T(s, 29);
    P.StBx1 = T(s, 30);
    P.StBx2 = T(s, 31);
    P.StBH = T(s, 32);
    P.ZWasserErd = T(s, 33);
    P.Einsp = T(s, 34);
    // A count beyond its list (only a damaged table holds one) is cut to the list's capacity, so that every
    // later loop over the list stays inside it.
    const int m = Grenze(ZeileGanz(T(s, 35)), 8);
    P.AnzSohlLast = static_cast<int16_t>(m);
    for (int i = 1; i <= m; ++i) {
        const int r = 36 + 4 * (i - 1);
        P.SohlLastX1[i] = T(s, r);
        P.SohlLastX2[i] = T(s, r + 1);
        P.SohlLastQ[i] = T(s, r + 2);
        P.SohlLastZ[i] = T(s, r + 3);
    }
    const int p = 36 + 4 * m;
    const int ks = Grenze(ZeileGanz(T(s, p)), 15);
    P.AnzZusatzSpannung = static_cast<int16_t>(ks);
    for (int i = 1; i <= ks; ++i) {
        P.ZusZ[i] = T(s, p + 1 + 2 * (i - 1));
        P.ZusSpannung[i] = T(s, p + 2 + 2 * (i - 1));
    }
    const int q = p + 1 + 2 * ks;
    const int kf = Grenze(ZeileGanz(T(s, q)), 15);
    P.AnzErddruckFaktor = static_cast<int16_t>(kf);
    for (int i = 1; i <= kf; ++i) {
        P.EVerZ[i] = T(s, q + 1 + 2 * (i - 1));
        P.EVerFaktor[i] = T(s, q + 2 + 2 * (i - 1));
    }
}

} // namespace zormcom
