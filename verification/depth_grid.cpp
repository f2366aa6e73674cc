#include "verification/depth_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "earthpressure/diagrams.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "verification/required_embedment.h"
#include "verification/section_tools.h"
#include "verification/state.h"
#include "verification/state_table.h"
#include "verification/vertical_equilibrium.h"

namespace zormd {

namespace {

float FlaecheZusatz(float z) {
    const int nz = P.AnzZusatzSpannung;
    if (nz <= 0 || static_cast<int>(St.ZusSpannungV.size()) <= nz) return 0.0f;
    float f = 0.0f, e = 0.0f;
    zormc::Integrieren(std::span<const float>(St.ZusSpannungV), std::span<const float>(P.ZusZ),
                       static_cast<int16_t>(nz), z, f, e);
    return f;
}

float& Element(std::vector<float>& v, int i) {
    return v[static_cast<std::size_t>(i)];
}

void Wertzeile(const char* teil, const char* global, float wert, const char* einheit) {
    Drucken(Einzug(), Teilsicherheiten() ? teil : global);
    ZahlDrucken(wert, 7, 1);
    ZeileDrucken(einheit);
}

} // namespace

void KotenRasterBilden() {
    KotenRaster();
    auto& z = N.KotenListe;
    const int n = N.AnzKoten;
    std::sort(z.begin() + 1, z.begin() + 1 + n);
    for (int durchgang = 0; durchgang < 2; ++durchgang)
        for (int i = 1; i <= n - 1; ++i)
            if (Element(z, i) == Element(z, i + 1))
                for (int j = i + 1; j <= n - 1; ++j)
                    Element(z, j) = Element(z, j + 1);
    for (int i = 1; i <= n; ++i)
        if (std::fabs(Element(z, i) - zormcom::Lauf.zFuss) < 0.001f) {
            // The grid ends one point after the first point at the foot. When that point is the last
            // one (the statics' rows end just above the foot), the foot level itself follows it.
            N.AnzKoten = static_cast<int16_t>(i + 1);
            if (i == n) {
                if (z.size() < static_cast<std::size_t>(n) + 2)
                    z.resize(static_cast<std::size_t>(n) + 2, 0.0f);
                Element(z, n + 1) = zormcom::Lauf.zFuss;
            }
            break;
        }
    const auto m = static_cast<std::size_t>(N.AnzKoten);
    if (z.size() < m + 3) z.resize(m + 3, 0.0f);
    for (auto* v : {&N.KotenDruck, &N.KotenW, &N.KotenM, &N.KotenQ})
        v->assign(m + 3, 0.0f);
    N.KotenQKopie.assign(m + 2, 0.0f);
    N.KotenN.assign(m + 21, 0.0f);
}

void KotenZustandBilden() {
    const int zeilen = LetzteZeile();
    for (int r = 1; r <= zeilen; ++r) {
        if (ZeilenArt(r) != zormc::kFeld) continue;
        const float zEnde = Zeilenwert(r, zormc::kTiefe);
        const float zAnfang = zEnde - Zeilenwert(r, 3);
        for (int k = 1; k <= N.AnzKoten; ++k) {
            const float z = Element(N.KotenListe, k);
            if (z < zAnfang || z > zEnde) continue;
            for (int s = 1; s <= 4; ++s)
                N.TMVektor2[static_cast<std::size_t>(s)] = Zeilenwert(r - 1, zormc::kW + s - 1);
            N.ElementNr = static_cast<int16_t>(r);
            N.ElementFaktor = z - zAnfang;
            ElementKraefte();
            Element(N.KotenDruck, k) = N.ElementBettung + N.ElementWertEI;
            Element(N.KotenW, k) = static_cast<float>(N.Zustand[1]);
            Element(N.KotenM, k) = static_cast<float>(N.Zustand[3]);
            Element(N.KotenQ, k) = static_cast<float>(N.Zustand[4]);
        }
    }
    for (int k = 1; k <= N.AnzKoten; ++k)
        Element(N.KotenQKopie, k) = Element(N.KotenQ, k);
    Element(N.KotenQKopie, N.AnzKoten + 1) = Element(N.KotenQ, N.AnzKoten);
}

bool TbwBelastung() {
    return P.Wandtyp == 1 || P.Wandtyp == 5;
}

void KotenNormalkraftBilden() {
    const float gm = VertikalFaktorMittel(), gG = VertikalFaktorG();
    const bool tbw = TbwBelastung();
    const float aGesamt = Flaeche(St.EphKopieListe, zormcom::Lauf.zFuss + 0.0001f);
    const float e0 = Flaeche(St.ESummeKopie, P.zAush);
    const float s0 = FlaecheZusatz(P.zAush);
    const float einbindung = zormcom::Lauf.zFuss - P.zAush;
    float minN = 0.0f;
    float n = 0.0f;
    for (int k = 1; k <= N.AnzKoten; ++k) {
        const float z = Element(N.KotenListe, k);
        n = -P.NKopf - P.DWand * z * P.GamWand;
        if (z > P.ZWasserLuft) n += P.GamWand2 * P.DWand * (z - P.ZWasserLuft);
        n *= gG;
        n -= tbw && z > P.zAush ? e0 : Flaeche(St.ESummeKopie, z);
        n -= tbw && z > P.zAush ? s0 : FlaecheZusatz(z);
        if (z >= P.zAush && P.Wandfuss != 3) {
            // With no embedment the C force's vertical component acts whole below the excavation.
            const float anteil = einbindung > 0.0f ? (z - P.zAush) / einbindung : 1.0f;
            n -= anteil * St.CKraftV * gm;
            float p = Flaeche(St.EphKopieListe, z);
            // Bv distributed as the passive diagram: scaled whatever the sign of Bv / area.
            if (aGesamt != 0.0f) p *= N.BvTBW / aGesamt;
            if (N.BvTBW == 0.0f) p = 0.0f;
            n -= p * gm;
        }
        for (int a = 1; a <= P.AnzAnkerGesamt && a <= kMaxAnkerSlots; ++a)
            if (z > P.ZAuflager[static_cast<std::size_t>(a)]) n -= N.AnkerAv[static_cast<std::size_t>(a)];
        Element(N.KotenN, k) = n;
        minN = std::min(minN, n);
    }
    N.MinNormalkraft = minN;
    N.SummeVd = N.AnzKoten > 0 ? -n : 0.0f;
}

void HinweisSpitzendruck() {
    Leerzeilen();
    ZeileDrucken(Einzug(), Teilsicherheiten()
                               ? "       V(d) muß über die Aufstandsflächen (Spitzendruck) oder über"
                               : "       V muß über die Aufstandsflächen (Spitzendruck) oder über");
    ZeileDrucken(Einzug(), "       die Vergrößerung der rechn. Einbindetiefe abgetragen werden.");
    ZeileDrucken(Einzug(), "       Eigener Nachweis nach EAB, EB85 erforderlich; maßgebend ist");
    ZeileDrucken(Einzug(), "       i. a. nur der Hauptbauzustand.");
}

void ZusammenfassungDrucken() {
    if (St.CKraft != 0.0f && N.QuerkraftReduziert != 0) {
        ZeileDrucken(Einzug(), "Zusammenfassung:",
                     Teilsicherheiten() ? " (Q(d): C-Kraft 50% abgemindert bei 100% Einspann.)"
                                        : " (Q : C-Kraft 50% abgemindert bei 100% Einspann.)");
        ZeileDrucken(Einzug(), "   Ab der Zusammenfassung wird die Querkraft unterhalb der Aushubsohle");
        ZeileDrucken(Einzug(), "   abgemindert. Die Querkraft am Wandfuß entspricht der C-Kraft. Diese");
        ZeileDrucken(Einzug(), "   darf nach EAB, EB 9 (Bild EB 9-1) bzw. EB 84 auf beiden Seiten der");
        ZeileDrucken(Einzug(), "   Wand je zur Hälfte angesetzt werden.");
    } else {
        ZeileDrucken(Einzug(), "Zusammenfassung:");
    }
    const char* richtung = N.SummeVk > 0.0f ? "nach unten" : "nach oben";
    const float minN = N.MinNormalkraft;
    if (P.Wandart == 1) {
        const float a = P.ABohl;
        Drucken(Einzug(), "je Träger  (Abstand = ");
        ZahlDrucken(a, 4, 2);
        ZeileDrucken(" m) für die Bemessung", Teilsicherheiten() ? " (GZ STR):" : ":");
        Wertzeile("---------  max M(d) =", "---------  max M    =", N.MaxMoment * a, " kNm");
        Wertzeile("           min M(d) =", "           min M    =", N.MinMoment * a, " kNm");
        Wertzeile("           max Q(d) =", "           max Q    =", N.MaxQuerkraft * a, " kN");
        Wertzeile("           min Q(d) =", "           min Q    =", N.MinQuerkraft * a, " kN");
        Wertzeile("           min N(d) =", "           min N    =", minN * a,
                  minN < 0.0f ? " kN Druck" : " kN Zug");
        Wertzeile("           max h(d) =", "           max h    =", N.MaxHDruck, " kN/m2");
        Drucken(Einzug(), Teilsicherheiten() ? "       (k) Sum V    =" : "           Sum V    =");
        ZahlDrucken(N.SummeVk, 7, 1);
        ZeileDrucken(Teilsicherheiten() ? " kN = V(k) nach EAB, EB9; " : " kN ", richtung);
        if (Teilsicherheiten()) {
            Drucken(Einzug(), "       (d) Sum V    =");
            ZahlDrucken(N.SummeVd * a, 7, 1);
            ZeileDrucken(" kN = V(d) nach EAB, EB84");
        }
    } else {
        ZeileDrucken(Einzug(), "je m Wand  für die Bemessung", Teilsicherheiten() ? " (GZ STR):" : ":");
        Wertzeile("---------  max M(d) =", "---------  max M    =", N.MaxMoment, " kNm/m");
        Wertzeile("           min M(d) =", "           min M    =", N.MinMoment, " kNm/m");
        Wertzeile("           max Q(d) =", "           max Q    =", N.MaxQuerkraft, " kN/m");
        Wertzeile("           min Q(d) =", "           min Q    =", N.MinQuerkraft, " kN/m");
        Wertzeile("           min N(d) =", "           min N    =", minN, " kN/m");
        Wertzeile("           max h(d) =", "           max h    =", N.MaxHDruck, " kN/m2");
        Drucken(Einzug(), Teilsicherheiten() ? "       (k) Sum V2   =" : "           Sum V2   =");
        ZahlDrucken(N.SummeVk, 7, 1);
        ZeileDrucken(Teilsicherheiten() ? " kN/m = V(k) nach EAB, EB9; " : " kN/m ", richtung);
        if (Teilsicherheiten()) {
            Drucken(Einzug(), "       (d) Sum V2   =");
            ZahlDrucken(N.SummeVd, 7, 1);
            ZeileDrucken(" kN/m = V(d) nach EAB, EB84");
        }
    }
    HinweisSpitzendruck();
    Leerzeilen(2);
}

void BemessungswerteFortschreiben() {
    float minN = N.MinNormalkraft;
    if (P.Wandart == 1) {
        const float a = P.ABohl;
        N.MaxMoment *= a;
        N.MinMoment *= a;
        N.MaxQuerkraft *= a;
        N.MinQuerkraft *= a;
        minN *= a;
    }
    N.BemMaxMoment = zormc::MaxWert(zormc::MaxWert(N.BemMaxMoment, N.MaxMoment), -N.MinMoment);
    N.BemMaxQuerkraft = zormc::MaxWert(zormc::MaxWert(N.BemMaxQuerkraft, N.MaxQuerkraft), -N.MinQuerkraft);
    N.BemMinNormalkraft = zormc::MinWert(N.BemMinNormalkraft, minN);
    const float h = N.MaxHDruck;
    if (zormcom::Lauf.LastKleinFlag != 0) {
        if (N.BemVerbauDruck < h) {
            N.BemVerbauDruck = h;
            N.BemVerbauDruckFlag = 1;
        }
        return;
    }
    const bool reduziert = P.UmFigur == 0 || (P.UmFigur == 1 && P.AnzAnker == 1);
    const float hh = reduziert ? 2.0f * h / 3.0f : h;
    if (N.BemVerbauDruck < hh) {
        N.BemVerbauDruck = hh;
        N.BemVerbauDruckFlag = 0;
    }
}

void BemessungsschnitteDrucken(const std::function<void()>& massgebend) {
    KotenRasterBilden();
    KotenZustandBilden();
    KotenNormalkraftBilden();
    if (massgebend) massgebend();
    MindestRammtiefenzuschlag();
    if (N.AnzKoten > 0) N.AnzKoten = static_cast<int16_t>(N.AnzKoten - 1);
    N.SummeVk = P.Wandart == 1 ? N.SummeV2k * P.ABohl : N.SummeV2k;
    ZusammenfassungDrucken();
    BemessungswerteFortschreiben();
}

} // namespace zormd
