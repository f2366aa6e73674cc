#include "request/wall_section.h"

#include <cmath>

#include "design/state.h"
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
    zormd::BS.BetonFestigkeit = b.fest;
    zormd::BS.zulTau01 = b.t1;
    zormd::BS.zulTau02 = b.t2;
    zormd::BS.zulTau03 = b.t3;
}
} // namespace

void BETON2(bool bSorten) {
    zormd::BS.StahlFestigkeit = 500.0f;
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

namespace {

// A value as its box shows it and gives it back when the focus leaves the box.
float Box(float v) {
    return vb::ValSingle(vb::StrPlain(v));
}

} // namespace

void SeiteOeffnen() {
    const bool teil = P.TeilsicherheitenAn != 0;
    float& klasse = P.BetonKlasse;
    if (teil) {
        if (klasse < 100.0f) klasse += 100.0f;
        if (klasse < 120.0f) klasse = 120.0f;
    } else {
        if (klasse > 100.0f) klasse -= 100.0f;
        if (klasse < 25.0f) klasse = 25.0f;
    }
    if (P.Erddruckart == 2 || P.Wandart == 1) P.kzStroem = 0;
    P.EIWand = 0.0f;
    // The grade's option is chosen anew (B 25 is chosen from the start): its click takes the constants and
    // the E*I of a concrete wall.
    const bool gradWahl =
        (!teil && klasse == 35.0f) ||
        (teil && (klasse == 120.0f || klasse == 125.0f || klasse == 130.0f || klasse == 135.0f));
    if (gradWahl) {
        BETON2(!teil);
        if (P.Wandtyp == 3) EIausDicke(P.DWand);
        if (P.Wandtyp == 4) EIausDicke(P.DWand / 1.2f);
        if (P.Wandtyp == 5 || P.Wandtyp == 6) EIausPfaehlen();
    }
    BETON2(!teil);
    if (P.Wandtyp == 0) P.Wandtyp = P.Wandart;
    if (P.Wandtyp == 0) P.Wandtyp = 2;
    if (P.Wandtyp > 2) {
        P.ProfilPraefix.clear();
        P.ProfilName.clear();
        P.ProfilText.clear();
        P.ProfilWert1 = P.ProfilWert2 = P.ProfilWert3 = P.ProfilWert4 = P.ProfilWert5 = 0.0f;
    }
    if (P.WandKopf < 1 || P.WandKopf > 4) P.WandKopf = 1;
    if (P.Erddruckart != 1 && P.Erddruckart != 2) P.Erddruckart = 1;
    if (!teil && P.Etap == 0.0f) P.Etap = 1.5f;
    if (P.Wandtyp == 3 && P.DWand != 0.0f) EIausDicke(P.DWand);

    // The boxes of thickness and unit weight as the page fills them and passes the focus through them: a box
    // the focus leaves gives the value it shows back to its field.
    enum class Fokus { Anderswo, Dicke, Gewicht, Schlitzwand } fokus = Fokus::Anderswo;
    float textDicke = 0.0f, textGewicht = 0.0f;
    auto verlassen = [&] {
        if (fokus == Fokus::Dicke) P.DWand = Box(textDicke);
        if (fokus == Fokus::Gewicht) P.GamWand = Box(textGewicht);
        fokus = Fokus::Anderswo;
    };
    auto fokusAuf = [&](Fokus f) {
        if (fokus == f) return;
        verlassen();
        fokus = f;
    };
    auto zeigen = [&](float d, float gamma) {
        if (d != 0.0f) {
            textDicke = d;
            fokusAuf(Fokus::Dicke);
        }
        if (gamma != 0.0f) {
            textGewicht = gamma;
            fokusAuf(Fokus::Gewicht);
        }
    };
    if (P.Wandtyp == 4 && P.BPfDUeb != 0.0f) {
        const float d = Box(P.BPfDUeb);
        P.BPfDUeb = d;
        P.GamWand = 25.0f / 1.1f;
        P.GamWand2 = P.GamWand * 10.0f / 25.0f;
        zeigen(d, P.GamWand);
        P.DWand = d;
        EIausDicke(d / 1.2f);
        EIausDicke(P.BPfDUeb / 1.2f);
    }
    auto pfaehleMitAbstand = [&] {
        EIausPfaehlen();
        if (P.BPfAbstand != 0.0f) {
            P.GamWand = 25.0f * P.BPfD * 3.141593f / 4.0f / P.BPfAbstand;
            P.GamWand2 = P.GamWand * 10.0f / 25.0f;
            zeigen(P.BPfD, P.GamWand);
        }
        Bemessung::subEBreite();
    };
    const bool pfahlWerte = (P.Wandtyp == 5 || P.Wandtyp == 6) && P.BPfD != 0.0f;
    if (pfahlWerte) pfaehleMitAbstand();
    if (P.BBFuss <= 0.0f) {
        P.ZBFuss = 0.0f;
        P.BBFuss = P.BBohl;
    }
    zeigen(P.DWand, P.GamWand);
    if (P.BettungPruefen > 0) P.BettungPruefen = 1;
    if (P.kzStroemEin == 1) P.kzStroem = 1;
    if (P.kzHydGrBrEin == 1) P.kzHydGrBr = 1;
    if (P.ZulSigma == 0.0f) Bemessung::SeiteOeffnen();

    // The wall type's option chosen: its click.
    const int16_t typ = P.Wandtyp;
    if (typ == 1 || typ == 2) {
        P.ProfilPraefix = typ == 1 ? "TBW" : "SPW";
        if (vb::InStr(P.ProfilName, P.ProfilPraefix) == 0) P.ProfilName.clear();
    }
    if (typ == 1) P.ABohl = P.ABohl != 0.0f ? Box(P.ABohl) : 2.5f; // the box's first text is 2.50
    if ((typ == 1 || typ == 2) && Profil::EIStahlRechnen()) {
        textDicke = P.DWand;
        textGewicht = P.GamWand;
    }
    if (typ == 3) fokusAuf(Fokus::Schlitzwand);
    if (typ == 5 || typ == 6) {
        // Read from their boxes, which were filled only when the piles have a diameter.
        P.BPfD = pfahlWerte ? Box(P.BPfD) : 0.0f;
        P.BPfAbstand = pfahlWerte ? Box(P.BPfAbstand) : 0.0f;
        pfaehleMitAbstand();
    }
    TBWKennung();
    // The focus goes to the wall type's option.
    if (fokus == Fokus::Schlitzwand) {
        // Leaving the diaphragm wall's thickness: E*I from it, the unit weights of concrete.
        const float d = P.DWand != 0.0f ? Box(P.DWand) : 0.0f;
        EIausDicke(d);
        P.GamWand = 25.0f;
        P.GamWand2 = 10.0f;
        P.DWand = d;
        fokus = Fokus::Anderswo;
    }
    verlassen();
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

void SeiteOeffnen() {
    const bool teil = P.TeilsicherheitenAn != 0;
    if (teil) {
        P.MitNormalkraft = P.MitNormalkraft != 0 ? 1 : 0;
        P.CotThetaWahl = P.CotThetaWahl != 0 ? 1 : 0;
    }
    if (P.Wandtyp <= 2) P.MitNormalkraft = teil ? 1 : 0;
    subEBreite();
    if (P.StahlGuete == 0) P.StahlGuete = 240;
    zormd::StahlSpannungenSetzen();
    const float D = P.BPfDUeb != 0.0f ? P.BPfDUeb : P.BPfD;
    if (Empfehlung(D, P.d1Rand).n > 0) {
        if (P.AsMmin <= 0.0f) P.AsMmin = Empfehlung(D, P.d1Rand).As;
        if (P.AsQmin <= 0.0f) P.AsQmin = 6.54f;
    }
    if (P.EtaBSt500 == 0.0f) P.EtaBSt500 = 1.75f;
}

Mindestbewehrung Empfehlung(float D, float d1) {
    Mindestbewehrung m;
    if (!(D > 0.4f)) return m;
    // A diameter or an axis distance no pile has (the input check of the run refuses it) gets no
    // recommendation rather than a count beyond any integer.
    const float anzahl = vb::Int((D - 2.0f * d1 / 100.0f) * 3.141593f / 0.2f + 0.5f);
    if (!(anzahl >= 1.0f && anzahl <= 1000.0f)) return m;
    m.n = static_cast<int>(anzahl);
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
        zormd::ProfilZeileZerlegen(zeile, P.ProfilText, n1, n2, n3, n4, n5);
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
