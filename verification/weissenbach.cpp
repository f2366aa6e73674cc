#include "verification/weissenbach.h"

#include <string>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/section_tools.h"
#include "verification/state.h"

using zorma::Spalte;

namespace zormd {

void WeissenbachWerte() {
    if (P.TeilsicherheitenAn == 0)
        N.ErdauflagerVerhaeltnis =
            St.MFuss != 0.0f ? St.EphPfahl / St.MFuss * zormcom::Vorgaben.Etap2 : zormcom::Vorgaben.Etap2;
    else
        N.ErdauflagerVerhaeltnis = St.EphPfahl != 0.0f ? St.MFuss / St.EphPfahl : 2.0f;
    // Mobilised share of the vertical resistance; none when the piles have no resistance.
    N.BvTBW = St.EphPfahl != 0.0f ? St.EpvWand * St.MFuss / St.EphPfahl : 0.0f;
}

void Weissenbach() {
    const bool teil = P.TeilsicherheitenAn != 0;
    ZeileDrucken(Einzug(), "Nachweis nach Weißenbach für schmale Druckfl. pro m Wandlänge");
    ZeileDrucken(Einzug(), std::string(9, ' '),
                 "(\"Die Bautechnik\" 6/1962, S. 204 bis 211, Formeln 1 bis 8)");
    if (teil) {
        ZeileDrucken(Einzug(), "         TBW-Reduktionsfaktor nach EAB 2006, EB 14 und EB 25; dort");
        ZeileDrucken(Einzug(), "         \"Anpassungsfaktor\" genannt. Er entspricht der Erhöhung");
        ZeileDrucken(Einzug(), "         von 1,5 auf 2,0 nach Weißenbach bei globaler Sicherheit.");
    } else {
        ZeileDrucken(Spalte(23), "mit etaE = etaA * 2,0 / 1,5.");
    }
    const float R = N.ErdauflagerVerhaeltnis;

    if (St.TBWFall >= 0 && St.TBWFall <= 2) {
        const std::string a = vb::Format(P.ABohl - St.b0TBW, "0.00");
        const std::string t = vb::Format(zormcom::Lauf.zFuss - P.zAush, "0.00");
        if (St.TBWFall == 0)
            ZeileDrucken(Einzug(), "         Großer lichter Druckwandabstand ", a, " > ", t, " wirks.Tiefe");
        else
            ZeileDrucken(Einzug(), "         Kleiner lichter Druckwandabstand ", a, " < ", t, " wirks.Tiefe");
        if (St.TBWFall == 0)
            ZeileDrucken(Einzug(), "         Keine Überschneidung der Seitenwiderstände.");
        else if (St.TBWFall == 1)
            ZeileDrucken(Einzug(), "         Überschneidung der Seitenwiderstände maßgebend.");
        else
            ZeileDrucken(Einzug(), "         Jedoch Überschneidung der Seitenwiderstände nicht maßgebend.");
        if (St.TBWFall == 1)
            ZeileDrucken(Einzug(), "         Ewidh mit Wandreibung nur auf b0.");
        else
            ZeileDrucken(Einzug(), "         Ewidh mit Wandreibung auf (b0 + bs,r).");
        ZeileDrucken(Einzug(), "         EWidv mit Wandreibung nur auf b0.");
    }
    Leerzeilen();
    Drucken(Einzug(), "a0 = ");
    ZahlDrucken(P.ABohl, 5, 2);
    ZeileDrucken(" m    bs,r und bs,koh    sind die Startwerte der Berechnung");
    Drucken(Einzug(), "b0 = ");
    ZahlDrucken(St.b0TBW, 5, 2);
    Drucken(" m", "    bs,r = ");
    ZahlDrucken(St.bsR, 6, 2);
    Drucken(" m", "    bs,koh = ");
    ZahlDrucken(St.bsKoh, 6, 2);
    ZeileDrucken(" m");
    Drucken(Einzug(), "Mittelwerte     phi  = ");
    ZahlDrucken(St.phiTBW, 6, 2);
    Drucken(" °", "    deltap = ");
    ZahlDrucken(St.deltapTBW, 6, 2);
    ZeileDrucken(" °");
    Drucken(Einzug(), "Beiwerte        kh,r =  ");
    ZahlDrucken(St.khR, 5, 2);
    Drucken("      kh,koh =  ");
    ZahlDrucken(St.khKoh, 5, 2);
    ZeileDrucken(" (deltap <> 0)");
    Drucken(Einzug(), "                kh,r =  ");
    ZahlDrucken(St.khR0, 5, 2);
    Drucken("      kh,koh =  ");
    ZahlDrucken(St.khKoh0, 5, 2);
    ZeileDrucken(" (deltap  = 0)");

    const float bv = N.BvTBW;
    const auto ew = [](const char* links, float wert, const char* rechts) {
        Drucken(Spalte(27), links);
        ZahlDrucken(wert, 7, 2);
        ZeileDrucken(rechts);
    };
    ew("( EW1 =  ", St.EW1, " kN/m Startwert )");
    ew("( EW2 =  ", St.EW2, " kN/m bei kleiner Druckwandbreite )");
    ew("( EW3 =  ", St.EW3, " kN/m bei kleinem Druckwandabstand )");
    ew("( ... =  ", 0.0f, " kN/m nicht zutreffend )");
    Leerzeilen();
    if (teil) {
        Drucken(Spalte(14), "EWidh(k) ........... =");
        ZahlDrucken(St.EWidh, 7, 2);
        ZeileDrucken(" kN/m", " mit TBW-Reduktionsfakt. 0,800");
    } else {
        Drucken(Spalte(14), "EWidh .............. =");
        ZahlDrucken(St.EWidh, 7, 2);
        ZeileDrucken(" kN/m");
    }
    if (St.cTBW != 0.0f)
        ZeileDrucken(Einzug(), "                              Kohäsion zu 50% angesetzt; EAB, EB14.");
    if (St.TBWFall == 1) {
        Drucken(Spalte(35), "= ");
        ZahlDrucken(St.EphTBW, 6, 2);
        Drucken(" (deltap <> 0) + ");
        ZahlDrucken(St.EWidh - St.EphTBW, 6, 2);
        ZeileDrucken(" (deltap = 0)");
    }
    if (teil) {
        Drucken(Spalte(14), "Epv1(k)=EWidv(k) ... =");
        ZahlDrucken(St.EpvWand, 7, 2);
        Drucken(" kN/m = ");
        ZahlDrucken(St.EphTBW, 6, 2);
        ZeileDrucken(" * Tan(deltap)");
        Drucken(Spalte(14), "Epv2(k)=Bv(k) ...... =");
        ZahlDrucken(bv, 7, 2);
        ZeileDrucken(" kN/m = Epv1(k) * ( Ed / Rd  TBW )");
        Drucken(Spalte(14), "Bv(d)=Bv(k)*gamGdk . =");
        ZahlDrucken(St.gamMittel * bv, 7, 2);
        ZeileDrucken(" kN/m ; bei Summe V2 (TBW) verwendet.");
    } else {
        Drucken(Spalte(14), "Epv1 = EWidv ....... =");
        ZahlDrucken(St.EpvWand, 7, 2);
        Drucken(" kN/m = ");
        ZahlDrucken(St.EphTBW, 6, 2);
        ZeileDrucken(" * Tan(deltap)");
        Drucken(Spalte(14), "Epv2 = Bv .......... =");
        ZahlDrucken(bv, 7, 2);
        ZeileDrucken(" kN/m = Epv1(k) * (vorh.E / zul.E)");
    }
    Leerzeilen();
    if (!teil) {
        Drucken(Einzug(), "Erdauflager (TBW)         zul.E =");
        ZahlDrucken(St.EphPfahl, 7, 2);
        Drucken(" bei etaE =");
        ZahlDrucken(zormcom::Vorgaben.Etap2, 5, 2);
        ZeileBeenden();
        Drucken(Einzug(), "                         vorh.E =");
        ZahlDrucken(St.MFuss, 7, 2);
        ZeileBeenden();
        Drucken("        ---> vorhandene Sicherheit      eta' =");
        ZahlDrucken(R, 7, 2);
        Drucken(1.02f * R >= zormcom::Vorgaben.Etap2 ? " >=" : " < ");
        ZahlDrucken(zormcom::Vorgaben.Etap2, 5, 2);
        ZeileBeenden();
    } else {
        Drucken(Einzug(), "Erdauflager (TBW)            Rd =");
        ZahlDrucken(St.EphPfahl, 7, 2);
        Drucken(" = ");
        ZahlDrucken(St.EWidh, 7, 2);
        Drucken(" / ");
        ZahlDrucken(P.gamRe, 4, 2);
        ZeileBeenden();
        Drucken(Einzug(), "                             Ed =");
        ZahlDrucken(St.MFuss, 7, 2);
        ZeileBeenden();
        Drucken("        ---> Ausnutzung (TBW) ...... Ed / Rd =");
        ZahlDrucken(R, 7, 2);
        if (R > 1.02f) Drucken("  > 1.00 UNZULÄSSIG!");
        ZeileBeenden();
    }
}

} // namespace zormd
