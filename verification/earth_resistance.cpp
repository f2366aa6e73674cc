#include "verification/earth_resistance.h"

#include <string>

#include "earthpressure/diagrams.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/section_tools.h"
#include "verification/state.h"

using zorma::Spalte;
using zormcom::Lauf;

namespace zormd {

namespace {

// A design ordinate as the table prints it.
float Bemessung(float e) {
    return Teilsicherheiten() && P.Etap != 0.0f ? e / P.Etap : e;
}

void Kopf() {
    Drucken(Einzug(), "ERDWIDERSTAND eph vor einer geschlossenen Wand");
    if (!Teilsicherheiten()) {
        ZeileDrucken("( eta = 1,00 )");
        ZeileDrucken(Einzug(), std::string(60, '-'));
    } else {
        ZeileDrucken("; Bemessungswerte(d)");
        ZeileDrucken(Einzug(), "nach GZ STR mit etaAnpassFaktor = ", vb::Format(P.EtaAnpass, "0.00"),
                     " und gamRe = ", vb::Format(P.Etap, "0.00"), ")");
        ZeileDrucken(Einzug(), std::string(56, '-'));
    }
}

void Vorgabe() {
    ZeileDrucken(Einzug(), "            Vom Anwender eingegeben:");
    ZeileDrucken(Einzug(), "            z(m)   t(m)       eph (kN/m2)");
    const int n = Lauf.AnzEphGegeben;
    for (int i = 1; i <= n && i <= 15; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const float z = Lauf.EphGegAktZ[k];
        Drucken(Spalte(24));
        ZahlDrucken(z, 6, 2);
        ZahlDrucken(z - P.zAush, 7, 2);
        ZahlDrucken(Bemessung(Lauf.EphGegAktE[k]), 10, 2);
        if (Teilsicherheiten() && i == n)
            ZeileDrucken(" ( 1/gamRe - fache Werte )");
        else
            ZeileBeenden();
    }
}

void Gleitflaechen() {
    for (const char* t :
         {"  Die Berechnung erfolgte nach dem Culmann-Verfahren. Für die",
          "  angegebenen Tiefen wurde der Gesamt-Erddruck durch Variation",
          "  des Winkels der geraden Gleitfläche ermittelt. Der maßgebende",
          "  Winkel ist unten und in der Grafik angegeben.", "  >>>>   Bautechnik 1985, Heft 9, S. 292  <<<<",
          "  Der Winkel der inneren Reibung wird hier beim Erdwiderstand Eph",
          "  auf phi = 35° begrenzt; max Wandreibung -2/3 phi; ab 11/06 <<<<"})
        ZeileDrucken(Einzug(), t);
    Leerzeilen();
    if (!Teilsicherheiten())
        ZeileDrucken(Einzug(), "             z      t       Summe      Gleitfl.-Winkel   Verlauf");
    else
        ZeileDrucken(Einzug(), "             z      t    Summe(k)   Gleitfl.-Winkel   Verlauf(d)");
    ZeileDrucken(Einzug(), "            (m)    (m)     (kN/m)             (°)        (kN/m2)");
    ZeileDrucken(Einzug(), "            ----------------------------------------------------");
    const auto& L = Lauf.Eph;
    for (int i = 1; i <= L.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (L.z[k] < P.zAush) continue;
        Drucken(Einzug());
        ZahlDrucken(L.z[k], 16, 2);
        ZahlDrucken(L.z[k] - P.zAush, 7, 2);
        ZahlDrucken(N.EphGegAktE[k], 10, 1);
        ZahlDrucken(P.GradZuRad != 0.0f ? N.EphWinkel[k] / P.GradZuRad : 0.0f, 16, 1);
        ZahlDrucken(Bemessung(L.e[k]), 15, 2);
        ZeileBeenden();
    }
}

void Beiwerte() {
    ZeileDrucken(Einzug(), "         Die Berechnung erfolgte mit Widerstandsbeiwerten.");
    ZeileDrucken(Einzug(), "             z      t        eph");
    ZeileDrucken(Einzug(), "            (m)    (m)    (kN/m2)");
    const auto& L = Lauf.Eph;
    for (int i = 1; i <= L.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (L.z[k] < P.zAush || L.z[k] >= zormcom::Lauf.zFuss) continue;
        Drucken(Einzug());
        ZahlDrucken(L.z[k], 16, 2);
        ZahlDrucken(L.z[k] - P.zAush, 7, 2);
        ZahlDrucken(Bemessung(L.e[k]), 10, 2);
        ZeileBeenden();
    }
    float eF = 0.0f;
    if (L.n > 0) zormc::Interpolieren(L, zormcom::Lauf.zFuss, eF);
    Drucken(Einzug());
    ZahlDrucken(zormcom::Lauf.zFuss, 16, 2);
    ZahlDrucken(zormcom::Lauf.zFuss - P.zAush, 7, 2);
    ZahlDrucken(Bemessung(eF), 10, 2);
    ZeileBeenden();
}

void Reduktionsfaktor() {
    if (St.BettungStufe != 0) {
        ZeileDrucken(Einzug(), "   Die Bettung vor schmalen Druckflächen wurde im gleichen Ver-");
        ZeileDrucken(Einzug(), "   hältnis reduziert wie der Erdwiderstand nach Weißenbach:");
    } else {
        ZeileDrucken(Einzug(), "   Der Widerstandsverlauf vor schmalen Druckflächen wurde ");
        ZeileDrucken(Einzug(), "   aus obigen Werten ermittelt mit dem Reduktionsfaktor:");
    }
    if (!Teilsicherheiten())
        Drucken(Einzug(), "   RFak = zul.E (Weißenbach) / zul.A (Spundwand) = ");
    else
        Drucken(Einzug(), "   RFak = Rd(TBW Weißenbach) / Rd(Spundwand) = ");
    ZahlDrucken(St.EpFaktor, 5, 3);
    ZeileDrucken("  <= 1,000");
    Leerzeilen();
}

void AenderungsTabelle() {
    ZeileDrucken(Einzug(), "ERDDRUCK  infolge Bodengewicht (kN/m2):");
    ZeileDrucken(Einzug(), "--------       z (m)          vor         nach   der Veränderung");
    const int n = St.AnzErddruckAenderung;
    for (int i = 1; i <= n && i < static_cast<int>(St.ErddruckAenderung.size()); ++i) {
        const auto& r = St.ErddruckAenderung[static_cast<std::size_t>(i)];
        Drucken(Einzug());
        ZahlDrucken(r[0], 20, 2);
        ZahlDrucken(r[1], 13, 2);
        ZahlDrucken(r[2], 13, 2);
        ZeileBeenden();
    }
    Leerzeilen();
}

} // namespace

void ErdwiderstandDrucken() {
    Kopf();
    if (Lauf.AnzEphGegeben > 0)
        Vorgabe();
    else if (N.EppArt == 1)
        Gleitflaechen();
    else
        Beiwerte();
    Leerzeilen();
    if (P.Wandart == 1) Reduktionsfaktor();
    // (the driver writes the plot records "A" after this section; they go to files of their own)
    if (P.AnzErddruckFaktor != 0) AenderungsTabelle();
}

} // namespace zormd
