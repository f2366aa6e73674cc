#include "dialogs/project/wall_section.h"

#include <cmath>

#include "design/steel_profile.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace Wand {

namespace {
struct Beton {
    float code, E, fest, t1, t2, t3;
};
constexpr Beton kBeton[] = {
    {25, 30000, 17.5f, 0.75f, 1.8f, 3.0f},  {35, 34000, 23.0f, 1.0f, 2.4f, 4.0f},
    {120, 24900, 17.0f, 0.75f, 1.8f, 3.0f}, {125, 26700, 21.25f, 0.75f, 1.8f, 3.0f},
    {130, 28300, 25.5f, 1.0f, 2.4f, 4.0f},  {135, 29900, 29.75f, 1.0f, 2.4f, 4.0f},
};
void Setzen(const Beton& b) {
    P.EModul = b.E;
    P.BetonFestigkeit = b.fest;
    P.zulTau01 = b.t1;
    P.zulTau02 = b.t2;
    P.zulTau03 = b.t3;
}
} // namespace

void BETON2(bool bSorten) {
    P.StahlFestigkeit = 500.0f;
    if (bSorten) {
        if (P.BetonKlasse != 35.0f) P.BetonKlasse = 25.0f;
        Setzen(P.BetonKlasse == 35.0f ? kBeton[1] : kBeton[0]);
        return;
    }
    for (const Beton& b : kBeton)
        if (b.code >= 120 && P.BetonKlasse == b.code) Setzen(b);
}

void BETON2() {
    BETON2(P.TeilsicherheitenAn == 0);
}

float EIausDicke(float d) {
    P.EIWand = d * d * d * P.EModul / 12.0f;
    return P.EIWand;
}

bool EIausPfaehlen() {
    if (P.BPfAbstand == 0.0f) return false;
    const double pi = 4.0 * std::atan(1.0);
    P.EIWand = static_cast<float>(P.EModul * pi * std::pow(double(P.BPfD), 4) / 64.0 / P.BPfAbstand);
    return true;
}

void TBWKennung() {
    P.Wandart = P.Wandtyp > 3 ? 3 : P.Wandtyp;
    Bemessung::subEBreite();
}

} // namespace Wand

namespace Bemessung {

void subEBreite() {
    if (P.EBreiteM == 0.0f) {
        switch (P.Wandtyp) {
        case 3:
            P.EBreiteM = 1.0f;
            break;
        case 4:
            P.EBreiteM = 2.0f * P.BPfDUeb * 0.875f;
            break;
        case 5:
        case 6:
            P.EBreiteM = P.BPfAbstand;
            break;
        default:
            break;
        }
    }
    if (P.EBreiteN <= 0.0f) P.EBreiteN = P.EBreiteM;
}

Mindestbewehrung Empfehlung(float D, float d1) {
    Mindestbewehrung m;
    if (!(D > 0.4f)) return m;
    m.n = static_cast<int>(vb::Int((D - 2.0f * d1 / 100.0f) * 3.141593f / 0.2f + 0.5f));
    const double stab = 2.0 * 2.0 * (4.0 * std::atan(1.0)) / 4.0; // one bar of 20 mm, cm2
    m.As = static_cast<float>(vb::Round(m.n * stab, 1));
    return m;
}

} // namespace Bemessung

namespace Profil {

float DickeAusName(const std::string& name, bool& gefunden) {
    std::string s = name;
    const int32_t p = vb::InStr(s, "2U");
    if (p > 0) vb::MidAssign(s, p, 2, "  ");
    std::string ziffern;
    for (char c : s)
        if (c >= '0' && c <= '9') ziffern += c;
    gefunden = !ziffern.empty();
    return gefunden ? static_cast<float>(vb::Val(ziffern) / 1000.0) : 0.0f;
}

bool EIStahlRechnen() {
    float w1 = P.ProfilWert1, w2 = P.ProfilWert2, w3 = P.ProfilWert3, w4 = P.ProfilWert4, w5 = P.ProfilWert5;
    // Stored as in the project's fields: number 1 (I) in Wert3, 2 in Wert5, 3 (A) in Wert1, 4 in Wert4,
    // 5 (depth) in Wert2.
    if (P.ProfilName.empty()) {
        P.ProfilText.clear();
        w1 = w2 = w3 = w4 = w5 = 0.0f;
    } else {
        float n1 = 0, n2 = 0, n3 = 0, n4 = 0, n5 = 0;
        // The stored line stays as chosen: splitting appends a blank to the line it is given, which would
        // make the stored line grow by one blank at every confirmation of the wall page.
        std::string zeile = P.ProfilName;
        zorm1::ProfilZeileZerlegen(zeile, P.ProfilText, n1, n2, n3, n4, n5);
        w3 = n1;
        w5 = n2;
        w1 = n3;
        w4 = n4;
        w2 = n5;
    }
    P.ProfilWert1 = w1;
    P.ProfilWert2 = w2;
    P.ProfilWert3 = w3;
    P.ProfilWert4 = w4;
    P.ProfilWert5 = w5;
    if (P.ABohl == 0.0f) P.ABohl = 1.0f;
    P.EIWand = P.ProfilWert3 * 210000.0f / 1.0e8f / P.ABohl;
    if (P.ProfilWert2 <= 10.0f) return false;
    float d = P.ProfilWert2 / 100.0f;
    if (P.ProfilPraefix == "TBW") {
        bool gefunden = false;
        d = DickeAusName(P.ProfilText, gefunden);
        if (!gefunden || d <= 0.0f) return false; // no height in the name: nothing to divide by
    }
    P.DWand = d;
    P.GamWand = P.ProfilWert1 * 78.5f / P.ABohl / P.DWand / 10000.0f;
    P.GamWand2 = P.GamWand * 10.0f / 78.5f;
    return true;
}

} // namespace Profil
