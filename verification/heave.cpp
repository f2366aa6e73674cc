#include "verification/heave.h"

#include <algorithm>
#include <string>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/section_tools.h"

using zorma::Spalte;

namespace zormd {

namespace {

float TabellenWert(int m, int k) {
    return zormb::B.GrundbruchTab[static_cast<std::size_t>((m - 1) * 81 + k)];
}

void Modellwert(const Grundbruchwerte& w, int m) {
    const float v = w.Wert[static_cast<std::size_t>(m - 1)][0];
    if (v == 0.0f && w.Teilsicherheiten)
        Drucken(" n.b."); // "nicht bestimmbar" in the number's five columns: the line keeps its width
    else
        ZahlDrucken(v, 5, 2);
}

} // namespace

int16_t HeaveSchritt(int16_t n, int c) {
    if (n <= 8) return static_cast<int16_t>(c);
    return static_cast<int16_t>(vb::CInt(static_cast<double>(n) * c / 8.0));
}

Grundbruchwerte HydraulischerGrundbruchBerechnen() {
    Grundbruchwerte w;
    w.Teilsicherheiten = P.TeilsicherheitenAn != 0;
    w.kzStroem = zormcom::Lauf.kzStroem;
    w.GefaelleLuft = zormb::B.GefaelleLuftWirksam;
    w.gamGstb = P.gamGstb;
    w.gamH = P.gamH;
    w.WasserUnterFuss = zormcom::Lauf.zFuss + St.DeltaT < P.ZWasserLuft;
    if (w.WasserUnterFuss) return w;
    w.Schritte = St.HydrSchritte < 0 ? int16_t{0} : std::min<int16_t>(St.HydrSchritte, kGrundbruchSchritte);
    w.hF = St.hF;
    w.hWu = St.hWu;
    w.hr = St.hF - St.hWu;
    w.GBr = St.GBr;
    w.Stroemungskraft = St.Stroemungskraft;
    for (int m = 1; m <= 3; ++m)
        for (int k = 0; k <= w.Schritte; ++k) {
            const float v = TabellenWert(m, k);
            w.Wert[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(k)] =
                w.Teilsicherheiten && v != 0.0f ? 1.0f / v : v;
        }
    return w;
}

void HydraulischerGrundbruchDrucken(const Grundbruchwerte& w) {
    const bool teil = w.Teilsicherheiten;
    const int16_t n = w.Schritte;
    const auto wertBei = [&w](int m, int k) {
        return w.Wert[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(k)];
    };
    ZeileDrucken(Einzug(), "NÄHERUNGSNACHWEIS nur für lotrechte Umströmung:");
    ZeileDrucken(Einzug(), "-----------------------------------------------");
    ZeileDrucken(Einzug(), "Sicherheit gegen hydraul. Grundbruch bei Gesamt-Einbindetiefe.");
    ZeileDrucken(Einzug(), "Obere Schichten mit gamf, gama = 0.0 (genau) wurden beachtet.");
    if (w.kzStroem == 0) {
        ZeileDrucken(Einzug(), "Wand ohne Strömungsdruck: Eigenlast GBr des durchströmten      ***");
        ZeileDrucken(Einzug(), "Bodens mit gap(unter Auftrieb) wie eingegeben verwendet.       ***");
    } else {
        ZeileDrucken(Einzug(), "Wand mit Strömungsdruck: Eigenlast GBr des durchströmten       ***");
        ZeileDrucken(Einzug(), "Bodens mit gap´(unter Auftrieb) = gap + ip * 10; ip = ",
                     vb::Format(w.GefaelleLuft, "0.0000"), "  ***");
        ZeileDrucken(Einzug(), "gap´ wird begrenzt auf >= 0,001 = Schwebezustand  ( 1.4.2010)  ***");
    }
    ZeileDrucken(Einzug(), "------------------------------------------------------------- ");
    if (!teil) {
        ZeileDrucken(Einzug(), "  eta >= 1.50  erforderliche Sicherheit");
        ZeileDrucken(Einzug(), "  -------------------------------------");
    } else {
        Drucken(Einzug(), "Ausn. <= 1.00  nach GZ HYD  mit gamGstb = ");
        ZahlDrucken(w.gamGstb, 4, 2);
        Drucken(" und gamH = ");
        ZahlDrucken(w.gamH, 4, 2);
        ZeileBeenden();
        ZeileDrucken(Einzug(), "  -----------------------------------------------------------");
    }
    if (w.WasserUnterFuss) {
        ZeileDrucken(Einzug(), "---> Das Wasser ist luftseitig unter die Unterkante der");
        ZeileDrucken(Einzug(), "---> Wand abgesenkt. Es ist keine Strömung nach oben vorhanden.");
        if (w.kzStroem != 0)
            ZeileDrucken(Einzug(), "---> Die Berechnung mit Strömungseinfluß ist unbrauchbar.");
        Leerzeilen(2);
        return;
    }

    Drucken(Einzug(), "  1)   =");
    Modellwert(w, 1);
    ZeileDrucken("  hydr. Druckhöhe nach EAU:2004, E115, Bild E115-3");
    const auto wert = [](const char* text, float v, const char* rest) {
        Drucken(Spalte(25), text);
        ZahlDrucken(v, 6, 2);
        ZeileDrucken(rest);
    };
    ZeileDrucken(Spalte(25), "        ( Baumgart-Davidenkoff ) ab 11.2005");
    wert("    hF  = ", w.hF, " m = Potentialhöhe über dem Wandfuß lufts.");
    wert("    hWu = ", w.hWu, " m = Wasserhöhe über dem Wandfuß lufts.");
    wert("    hr  = ", w.hr, " m = hF - hWu für die Strömungskraft");
    wert("    GBr = ", w.GBr, " kN/m2 Eigenlast des Bodens ab Wandfuß");
    wert("    WStr= ", w.Stroemungskraft, " kN/m2 Strömungskraft = hr * 10");
    if (teil) {
        Drucken(Spalte(25), "    WStr / GBr * gamH / gamGstb = ");
        if (wertBei(1, 0) != 0.0f)
            ZahlDrucken(wertBei(1, 0), 4, 2);
        else
            Drucken("n.b."); // not determinable, in the number's four columns
        ZeileDrucken(" = Ausnutzung");
    } else {
        Drucken(Spalte(25), "    GBr / WStr = ");
        ZahlDrucken(wertBei(1, 0), 4, 2);
        ZeileDrucken(" = vorh. Sicherheit eta");
    }
    Drucken(Einzug(), "  2)   =");
    Modellwert(w, 2);
    ZeileDrucken("  hydr. Druckh. n. Schulze/Kastner; EAU alt, E115");
    Drucken(Einzug(), "( 3)   =");
    Modellwert(w, 3);
    ZeileDrucken("  hydr. Druckh. linear abnehmend; nicht empfohlen! )");
    Leerzeilen();
    if (n == 0) {
        Leerzeilen(2);
        return;
    }
    ZeileDrucken(Einzug(), "Vergrößerung der Einbindetiefe um dz und zugeh. ",
                 teil ? "Ausnutzung" : "Sicherheit eta");
    ZeileDrucken(Einzug(), "        (Neuberechnung mit größerer Wandlänge empfohlen)");
    Drucken(Einzug(), "  dz(m)=");
    for (int c = 1; c <= 8; ++c) {
        const int16_t s = HeaveSchritt(n, c);
        ZahlDrucken(0.2f * static_cast<float>(s), 5, 2);
        Drucken("  ");
        if (s >= n) break;
    }
    ZeileBeenden();
    for (int m = 1; m <= 3; ++m) {
        Drucken(Einzug(), "  " + std::to_string(m) + ")   =");
        for (int c = 1; c <= 8; ++c) {
            const int16_t s = HeaveSchritt(n, c);
            if (s > n) break;
            const float v = wertBei(m, s);
            if (teil ? v < 0.95f : v > 1.53f) break;
            ZahlDrucken(v, 5, 2);
            Drucken("  ");
        }
        ZeileBeenden();
    }
    Leerzeilen(2);
}

} // namespace zormd
