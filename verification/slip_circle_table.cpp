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

std::string Rechts(const std::string& s, std::size_t breite) {
    return s.size() < breite ? std::string(breite - s.size(), ' ') + s : s;
}

} // namespace

void GleitkreisTabelle() {
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
    const int16_t f = vb::FreeFile();
    const bool datei = vb::FileExists("DIDUVU.ERG");
    if (datei) vb::Open("DIDUVU.ERG", vb::OpenMode::Input, f);
    bool letzterAbbruch = false;
    for (int16_t i = 1; i <= P.AnzLF; ++i) {
        letzterAbbruch = false;
        int16_t lf = 0, aushub = 0, status = 0, tief = 0;
        float xM = 0, zM = 0, R = 0, eta = 0;
        if (!datei || vb::Eof(f)) {
            ZeileDrucken(E, "*** LF ", i, ": kein Ergebnis des Geländebruchs vorhanden.");
            continue;
        }
        vb::Input(f, lf, aushub, xM, zM, R, eta, status, tief);
        P.TiefeMittelpunkte = tief;
        if (status == 1) {
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
        const bool gueltig = eta != 888.0f && eta != 999.0f && eta > 0.0f;
        if (status == 3 || !gueltig) {
            const char* grund = status == 3 ? ": Berechnung abgebrochen; kein Ergebnis."
                                : status == 2
                                    ? ": Suche ohne Ergebnis aufgegeben; Nachweis nicht erbracht."
                                    : ": kein gültiger Gleitkreis gefunden; Nachweis nicht erbracht.";
            ZeileDrucken(E, "*** LF ", i, grund);
        } else {
            Drucken("        --->     ");
            ZahlDrucken(lf, 2, 0);
            ZahlDrucken(aushub, 8, 0);
            ZahlDrucken(xM, 11, 2);
            ZahlDrucken(zM, 7, 2);
            ZahlDrucken(R, 11, 2);
            Drucken(" m");
            if (!teil) {
                ZahlDrucken(eta, 10, 2);
            } else {
                Drucken("    Ausnutz.=");
                ZahlDrucken(1.0f / eta, 5, 2);
            }
            ZeileBeenden();
            // A search given up with its best circle still on the edge of the field: the best circle
            // found, but a smaller safety may lie beyond.
            if (status == 2) ZeileDrucken(E, "*** LF ", i, ": Suche abgebrochen, Minimum nicht eingegrenzt.");
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
    if (datei) vb::Close(f);
    Leerzeilen(2);
}

} // namespace zormd
