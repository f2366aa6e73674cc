#include "verification/slip_circle_table.h"

#include <string>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "verification/state.h"

namespace zormd {

namespace {

using zorm1::P;
using zorma::HinweisDrucken;

// The load case's number as Print writes an integer (sign blank, digits, one blank).
std::string LfText(int16_t i) {
    return std::string(vb::PrintItem(i).text());
}

std::string Rechts(const std::string& s, std::size_t breite) {
    return s.size() < breite ? std::string(breite - s.size(), ' ') + s : s;
}

} // namespace

Gleitkreisergebnisse GleitkreisErgebnisseLesen() {
    Gleitkreisergebnisse g;
    g.resize(static_cast<std::size_t>(P.AnzLF > 0 ? P.AnzLF : 0));
    if (!vb::FileExists("DIDUVU.ERG")) return g;
    vb::FileGuard d("DIDUVU.ERG", vb::OpenMode::Input);
    for (auto& e : g) {
        if (vb::Eof(d.nr())) break;
        vb::Input(d.nr(), e.lf, e.aushub, e.xM, e.zM, e.R, e.eta, e.status, e.tief);
        e.vorhanden = true;
        P.TiefeMittelpunkte = e.tief;
    }
    return g;
}

void GleitkreisTabelleDrucken(const Gleitkreisergebnisse& g) {
    using namespace zorma;
    const std::string& E = Bericht.Einrueckung;
    const bool teil = P.TeilsicherheitenAn != 0;
    ZeileDrucken(E, "GELÄNDEBRUCH - NACHWEIS  nach DIN 4084 (1981) -----> Gleitkreis");
    ZeileDrucken(E, std::string(63, '-'));
    if (!teil) {
        ZeileDrucken(E, "Erf. Sicherheit: bei aktivem Erddruck 1.3, bei Ruhedruck 1.4");
        ZeileDrucken(E, "Lastfall  Aushub     M ( x , z )     Radius     vorh. Sicherheit");
        ZeileDrucken(E, std::string(64, '-'));
    } else {
        ZeileDrucken(E, "Nachweis nach EAB 2006, EB 45. Bei erhöht aktivem Erddruck mit");
        ZeileDrucken(E, "größeren Teilsicherheiten gamPhi u. gamC; 23.9.2006");
        Leerzeilen();
        ZeileDrucken(E, "Nach Grenzzustand GZ GEO-3 mit :  gamG   = ", vb::Format(P.gamG1C, "##0.00"),
                     "  gamQ = ", vb::Format(P.gamQ1C, "##0.00"), " (ung.)");
        ZeileDrucken(Spalte(48), "gamPhi = ", vb::Format(zormcom::Vorgaben.gamPhiWirk, "##0.00"),
                     "  gamC = ", vb::Format(zormcom::Vorgaben.gamCWirk, "##0.00"));
        ZeileDrucken(E, "Lastfall   Aushub    M ( x , z )      Radius     Ed/Rd <!= 1.00");
        ZeileDrucken(E, std::string(63, '-'));
    }
    bool letzterAbbruch = false;
    for (std::size_t k = 0; k < g.size(); ++k) {
        const auto i = static_cast<int16_t>(k + 1);
        const Gleitkreisergebnis& e = g[k];
        letzterAbbruch = false;
        if (!e.vorhanden) {
            HinweisDrucken(E, "*** LF " + LfText(i) + ": kein Ergebnis des Geländebruchs vorhanden.");
            continue;
        }
        if (e.status == 1) {
            letzterAbbruch = true;
            ZeileDrucken(E, "LF", i,
                         teil ? ": Abbruch der Iteration; die Ausnutzung liegt deutlich"
                              : ": Abbruch der Iteration; die Sicherheit liegt deutlich");
            ZeileDrucken(E, teil ? "  über 1.0. Abhilfe: größere Einbindetiefe, längere Anker."
                                 : "  unter 1.0. Abhilfe: größere Einbindetiefe, längere Anker.");
            ZeileDrucken(E, "  Ein schmaler Bruchkörper ist ein Hinweis auf Grundbruchgefahr.");
            ZeileDrucken(E, "  Gesonderter Nachweis erforderlich.           ----------------");
            continue;
        }
        const bool gueltig = e.eta != 888.0f && e.eta != 999.0f && e.eta > 0.0f;
        if (e.status == 3 || !gueltig) {
            const char* grund = e.status == 3 ? ": Berechnung abgebrochen; kein Ergebnis."
                                : e.status == 2
                                    ? ": Suche ohne Ergebnis aufgegeben; Nachweis nicht erbracht."
                                    : ": kein gültiger Gleitkreis gefunden; Nachweis nicht erbracht.";
            HinweisDrucken(E, "*** LF " + LfText(i) + grund);
        } else {
            Drucken("        --->     ");
            ZahlDrucken(e.lf, 2, 0);
            ZahlDrucken(e.aushub, 8, 0);
            ZahlDrucken(e.xM, 11, 2);
            ZahlDrucken(e.zM, 7, 2);
            ZahlDrucken(e.R, 11, 2);
            Drucken(" m");
            if (!teil) {
                ZahlDrucken(e.eta, 10, 2);
            } else {
                Drucken("    Ausnutz.=");
                ZahlDrucken(1.0f / e.eta, 5, 2);
            }
            ZeileBeenden();
            // A search given up with its best circle still on the edge of the field: the best circle
            // found, but a smaller safety may lie beyond.
            if (e.status == 2)
                HinweisDrucken(E, "*** LF " + LfText(i) + ": Suche abgebrochen, Minimum nicht eingegrenzt.");
        }
    }
    if (P.AnzAnkerGesamt > 0 && P.AnzLF > 0 && !letzterAbbruch) {
        Leerzeilen();
        ZeileDrucken(E, teil ? "  Berücksichtigt wurden die max. charakteristischen Ankerkräfte:"
                             : "  Berücksichtigt wurden die maximalen Ankerkräfte:");
        ZeileDrucken(E, "  Kote   Anker-  (kN/m in Anker-Richtung)");
        ZeileDrucken(E, "   (m)   -Kraft ");
        ZeileDrucken(E, "  -------------");
        for (int j = 1; j <= P.AnzAnkerGesamt && j <= kMaxAnkerSlots; ++j)
            ZeileDrucken(E, Rechts(vb::Format(P.ZAuflager[j], "##0.00"), 6), "   ",
                         Rechts(vb::Format(N.AnkerKraft[j], "###0.0"), 6), "   ");
    }
    Leerzeilen(2);
}

void GleitkreisTabelle() {
    GleitkreisTabelleDrucken(GleitkreisErgebnisseLesen());
}

} // namespace zormd
