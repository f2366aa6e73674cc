// Input echo, second half: excavation stages, bedding notes, load cases and anchors.
#include <algorithm>
#include <string>

#include "earthpressure/handover_a.h"
#include "earthpressure/input_echo.h"
#include "earthpressure/report_file.h"
#include "earthpressure/stage_a.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"

using zorm1::P;

namespace zorma {

namespace {

bool Teilsicherheiten() {
    return P.TeilsicherheitenAn != 0;
}

// A count kept as a float in row 0 of a table, rounded to an integer.
int Zeilenzahl(float w) {
    if (!(w > -30000.0f && w < 30000.0f)) return 0;
    return vb::CInt(w);
}

void Figur6Erlaeuterung() {
    ZeileDrucken(Leerzeichen(3), Bezeichnung(51));
    Leerzeilen();
    ZeileDrucken(Bezeichnung(52));
    ZeileDrucken(Bezeichnung(53));
    Leerzeilen();
    ZeileDrucken(Bezeichnung(54));
    ZeileDrucken(Bezeichnung(55));
    ZeileDrucken(Bezeichnung(56));
    Leerzeilen();
    ZeileDrucken(Bezeichnung(57));
    ZeileDrucken(Bezeichnung(58));
    Leerzeilen();
    ZeileDrucken(Bezeichnung(59));
    ZeileDrucken(Bezeichnung(60));
    ZeileDrucken(Bezeichnung(61));
    Leerzeilen();
    ZeileDrucken(Bezeichnung(62));
    Leerzeilen();
}

const char* FigurText() {
    if (P.Erddruckart == 2) {
        switch (P.UmFigur) {
        case 0:
            return " ( keine Reduktion des Ruhedrucks )";
        case 1:
            return " ( reduz. Ruhedruck bis Wandfuß )";
        case 2:
            return " ( reduz. Ruhedruck bis Aushub )";
        default:
            return "";
        }
    }
    if (P.Erddruckart == 1) {
        switch (P.UmFigur) {
        case 0:
            return " ( keine Umlagerung )";
        case 1:
            return " ( Dreieck bzw. Trapez )";
        case 2:
            return " ( Rechteck )";
        case 4:
            return " ( Trapezblöcke )";
        case 5:
            return " ( Rechteckblöcke ) ";
        case 6:
            return " ( beliebige Figur )";
        case 7:
            return " ( nach EAU-2004, E215, E77 )";
        case 8:
            return " ( nach EAB-2006, EB 69, EB 70 )";
        default:
            return "";
        }
    }
    return "";
}

void Aushubzustand(int16_t s) {
    const std::string& i = Bericht.Einrueckung;
    auto& lauf = zormcom::Lauf;
    const bool teil = Teilsicherheiten();
    P.AushNr = s;
    zormcom::AushubLaden(s);
    lauf.BettungStufe = P.FussGebettet[s];

    Drucken(i, "AUSHUBZUSTAND ");
    ZahlDrucken(s, 2, 0);
    ZeileBeenden();
    ZeileDrucken(i, "----------------");
    Drucken(i, std::to_string(P.AnzAnker), " Anker z=");
    const int anker = std::min<int>(P.AnzAnker, 8);
    for (int k = 1; k <= anker; ++k)
        ZahlDrucken(P.ZAnker[k], k == 1 ? 6 : 7, 2);
    ZeileBeenden();
    Drucken(Leerzeichen(21), "z=");
    ZahlDrucken(P.zAush, 6, 2);
    ZeileDrucken("  Aushub-Kote ( horizontale Sohle ) ");
    Drucken(Leerzeichen(21), "z=");
    ZahlDrucken(P.ZNextAnker, 6, 2);
    ZeileDrucken("  Kote des nach diesem Aushub zu setzenden Ankers");
    Drucken(Leerzeichen(21), "z=");
    ZahlDrucken(P.ZWasserLuft, 6, 2);
    ZeileDrucken("  Wasserkote luftseitig");
    Drucken(Leerzeichen(21), "z=");
    ZahlDrucken(P.ZWasserErd, 6, 2);
    ZeileDrucken("  Wasserkote erdseitig");
    Leerzeilen();

    if (P.StBH != 0.0f) {
        ZeileDrucken(i, "Abböschung der Aushubsohle:");
        Drucken(i, "        von x1=");
        ZahlDrucken(P.StBx1, 6, 2);
        Drucken(" m  bis x2=");
        ZahlDrucken(P.StBx2, 6, 2);
        Drucken(" m  Tiefe=");
        ZahlDrucken(P.StBH, 6, 2);
        ZeileBeenden();
        Leerzeilen();
    }
    if (P.AnzSohlLast > 0) {
        ZeileDrucken(i, "Ständige Last auf der Aushubsohle:");
        for (int j = 1; j <= std::min<int>(P.AnzSohlLast, 8); ++j) {
            Drucken(i, "        x1=");
            ZahlDrucken(P.SohlLastX1[j], 6, 2);
            Drucken(" m  x2=");
            ZahlDrucken(P.SohlLastX2[j], 6, 2);
            Drucken(" m  q=");
            ZahlDrucken(P.SohlLastQ[j], 6, 2);
            Drucken(" kN/m2  z=");
            ZahlDrucken(P.SohlLastZ[j], 6, 2);
            ZeileBeenden();
        }
        Leerzeilen();
    }
    if (lauf.BettungStufe != 0) {
        ZeileDrucken(i, "elastische Bettung ab Aushubsohle:");
        ZeileDrucken(i, "        t(m)   C(MN/m3)");
        for (int r = 1; r <= std::min<int>(P.BettAnz[s], 20); ++r) {
            Drucken(i, "  ");
            ZahlDrucken(P.BettT(s, r), 10, 2);
            ZahlDrucken(P.BettC(s, r), 9, 2);
            ZeileBeenden();
        }
        Leerzeilen();
    }
    const int nE = std::min(Zeilenzahl(P.EahGeg(s, 0)), 15);
    if (nE > 1) {
        ZeileDrucken(Bezeichnung(90));
        ZeileDrucken(Bezeichnung(91));
        ZeileDrucken(Bezeichnung(92));
        for (int k = 1; k <= nE; ++k) {
            Drucken(Spalte(20));
            ZahlDrucken(P.ZEahGeg(s, k), 6, 2);
            ZahlDrucken(P.EahGeg(s, k), 9, 2);
            if (k == nE && teil) Drucken(" ( 1.00 - fache (k) Werte )");
            ZeileBeenden();
        }
        Leerzeilen();
        ZeileDrucken(i, "   Bei gegebenem Erddruck werden Böschungen und Auflasten nur ");
        ZeileDrucken(i, "   zur Ermittlung des Gewichtes und des Erddrucks auf die Ersatz-");
        ZeileDrucken(i, "   Ankerwand zur Bestimmung der erf. Ankerlängen verwendet.");
        Leerzeilen();
    }
    if (P.AnzZusatzSpannung > 0) {
        ZeileDrucken(Bezeichnung(33));
        ZeileDrucken(Bezeichnung(34));
        ZeileDrucken(Bezeichnung(35));
        for (int k = 1; k <= std::min<int>(P.AnzZusatzSpannung, 15); ++k) {
            Drucken(Spalte(20));
            ZahlDrucken(P.ZusZ[k], 6, 2);
            ZahlDrucken(P.ZusSpannung[k], 9, 2);
            ZeileBeenden();
        }
        ZeileDrucken(Spalte(17), "Wasserdruck darin enthalten ? ja = 1 ......................",
                     P.kzWasserenthAush[s]);
        if (P.kzWasserenthAush[s] == 1) {
            if (teil) ZeileDrucken(Spalte(17), "Teilsicherheit für Wasserdruck: gamG bzw. gamWred.");
            ZeileDrucken(Spalte(17), "Der Wasserdruck aus den eingegebenen Wasserständen");
            ZeileDrucken(Spalte(17), "wird eliminiert; gamma(Auftrieb) bleibt erhalten.");
            Leerzeilen();
        } else if (teil) {
            ZeileDrucken(Spalte(17), "Teilsicherheit für veränderl. Einwirkungen: gamQ.");
            Leerzeilen();
        } else {
            Leerzeilen();
        }
    }
    if (P.AnzErddruckFaktor > 0) {
        ZeileDrucken(i, "Veränderung des Erddrucks VOR der Umlag. / Überlag. / Redukt.:");
        ZeileDrucken(Leerzeichen(5), Bezeichnung(67));
        ZeileDrucken(Leerzeichen(8), Bezeichnung(44));
        ZeileDrucken(Leerzeichen(8), Bezeichnung(45));
        for (int k = 1; k <= std::min<int>(P.AnzErddruckFaktor, 15); ++k) {
            Drucken(Leerzeichen(20));
            ZahlDrucken(P.EVerZ[k], 5, 2);
            ZahlDrucken(P.EVerFaktor[k], 9, 2);
            ZeileBeenden();
        }
        Leerzeilen();
    }

    // Support of the wall foot; a later rule overrides an earlier one.
    BettungsFlagSetzen();
    std::string fuss;
    if (P.Wandfuss == 1 && P.Einsp == 0.0f) fuss = "ERDAUFLAGER, PUNKTFÖRMIG GELAGERT";
    if ((P.Wandfuss == 1 && P.Einsp > 0.0f) || P.Wandfuss == 2) fuss = "UK WAND: v = 0";
    if (P.Wandfuss == 3) fuss = "IN FELS GELAGERT: v = 0";
    if (P.Wandfuss == 4) fuss = "EINGESPANNT NACH BLUM";
    if (lauf.BettungStufe == 1 && (P.Wandfuss == 1 || P.Wandfuss == 2)) fuss = "ELASTISCH GEBETTET";
    ZeileDrucken(i, "Fußende der Wand          :  ", fuss);
    if (P.Wandfuss == 3) {
        Leerzeilen();
        ZeileDrucken(i, "Hinweis: Der Wandreibungswinkel wird für den Widerstandsbeiwert wie");
        ZeileDrucken(i, "         eingegeben verwendet. Für Summe V wird jedoch Epv = 0.00");
        ZeileDrucken(i, "         gesetzt. Dies soll den \"FELS\" simulieren: keine vertikale");
        ZeileDrucken(i, "         Verschiebung möglich. Dieser Hinweis gedruckt ab 7.2.2010.");
        Leerzeilen();
    }
    if (P.Wandfuss == 1 && P.Einsp > 0.0f) {
        Drucken(i, "Einspannung des Fußes     :  ");
        ZahlDrucken(P.Einsp, 7, 3);
        ZeileDrucken("  %");
    }
    if (P.Wandfuss == 2 || P.Wandfuss == 3) {
        Drucken(i, "UK Wand vorgegeben        :  z = ");
        ZahlDrucken(P.ZWandfuss, 5, 2);
        if (P.Wandfuss == 2)
            ZeileDrucken("; endgültige Kote s. u.");
        else
            ZeileBeenden();
    }
    if (P.UeberlagernNoetig != 0) {
        ZeileDrucken(Spalte(16), "Bei (Teil-) Einspannung nach Blum oder vorgegebener UK Wand wird");
        ZeileDrucken(Spalte(16), "eph(z) als negative Belastung auf das statische System angesetzt.");
        ZeileDrucken(Spalte(16), "Dies kann vermieden werden, wenn mit Bettung gerechnet wird.");
        P.kzUeb[s] = 1;
    }
    Leerzeilen();

    Drucken(i, "Gewählte Erddruck-Figur   : ");
    ZahlDrucken(P.UmFigur, 2, 0);
    ZeileDrucken(FigurText());

    if (P.Erddruckart == 1) {
        if (P.UmFigur == 7) {
            if (P.Herstellart.empty())
                ZeileDrucken(i, "   Herstellverfahren      :  abgegrabene Wand");
            else
                ZeileDrucken(i, "   Herstellverfahren      :  hinterfüllte Wand");
        }
        int e = 0;
        if (P.UmFigur == 6) e = 2;
        if (P.UmFigur == 7 || P.UmFigur == 8) e = 1;
        if (P.Wandtyp != 1 && P.Wandtyp != 5) {
            if (P.UmZeit[s] == 1 || P.UmZeit[s] == 2) e = 2;
            if (P.UmZeit[s] == 3 || P.UmZeit[s] == 4) e = 1;
        }
        if (P.UmFigur == 0) e = 0;
        if (e == 1) ZeileDrucken(Spalte(17), "Umlagerung bis Aushubsohle; der Rest bleibt erhalten.");
        if (e == 2) ZeileDrucken(Spalte(17), "Umlagerung des Erddrucks bis UK Wand.");
        Leerzeilen();
        if (P.UmFigur != 0) {
            if (P.UmArt[s] == 1)
                ZeileDrucken(i, "   umgelagert wird        :  Erddruck aus Bodengewicht + Auflast");
            else
                ZeileDrucken(i, "   umgelagert wird        :  Erddruck NUR aus Bodengewicht");
            Leerzeilen();
        }
    }
    if (P.UmFigur != 0 && P.Erddruckart != 2) {
        Drucken(Spalte(17), "Faktor                 : ");
        ZahlDrucken(P.EFaktor, 5, 2);
        ZeileDrucken(" für umgelagerten Erddruck");
    }
    if (P.Erddruckart == 2 || (P.Erddruckart == 1 && (P.UmFigur == 4 || P.UmFigur == 5))) {
        if (P.UmZ1 + P.UmZ2 + P.EpsUml != 0.0f) {
            Drucken(Spalte(17), "Kote z1                = ");
            ZahlDrucken(P.UmZ1, 5, 2);
            ZeileBeenden();
            Drucken(Spalte(17), "Kote z2                = ");
            ZahlDrucken(P.UmZ2, 5, 2);
            ZeileBeenden();
            Drucken(Spalte(17), "    eps                = ");
            ZahlDrucken(P.EpsUml, 5, 2);
            ZeileBeenden();
            Leerzeilen(2);
        } else {
            Leerzeilen();
        }
    } else {
        Leerzeilen();
    }

    if (P.Erddruckart == 1 && P.Wandart != 1) {
        if (P.UmFigur == 6) {
            Drucken(i, "   Erddruck aufsummieren bis zur Kote  ............ ze1 = ");
            ZahlDrucken(P.Ze1Fig6Aush[s], 5, 2);
            ZeileBeenden();
            ZeileDrucken(Leerzeichen(3), Bezeichnung(67));
            ZeileDrucken(Bezeichnung(64));
            ZeileDrucken(Bezeichnung(69));
            for (int k = 1; k <= std::min<int>(P.AnzFigur6Aush[s], 15); ++k) {
                Drucken(Spalte(17));
                ZahlDrucken(static_cast<float>(k), 2, 0);
                ZahlDrucken(P.Fig6Z(s, k), 11, 2);
                ZahlDrucken(P.Fig6Verh(s, k), 13, 2);
                ZeileBeenden();
            }
            Drucken(i, "   eps ( 0 ..... 1 )  =  ");
            ZahlDrucken(P.EpsFuss6Aush[s], 4, 2);
            ZeileDrucken("   Faktor für Druck am Wandfuß.");
            Leerzeilen();
        }
        if (P.UmZeit[s] == 0 && (P.UmFigur == 1 || P.UmFigur == 2 || P.UmFigur == 4 || P.UmFigur == 5)) {
            ZeileDrucken(Leerzeichen(3), Bezeichnung(81));
            ZeileDrucken(Leerzeichen(3), Bezeichnung(82));
            Leerzeilen();
        } else {
            if (teil)
                ZeileDrucken(i, "eah mit eph überlagern ?  ja = 1 .............................", P.kzUeb[s]);
            else
                ZeileDrucken(i, "eah mit eph / eta überlagern ?  ja = 1 .......................", P.kzUeb[s]);
            Leerzeilen(2);
        }
    }

    const int nP = std::min(Zeilenzahl(P.EphGeg(s, 0)), 15);
    if (nP >= 2) {
        ZeileDrucken(Bezeichnung(93), ";  t ab Aushub-Kote.");
        ZeileDrucken(i, "            z(m)   t(m)       eph (kN/m2)");
        for (int k = 1; k <= nP; ++k) {
            Drucken(Spalte(24));
            ZahlDrucken(std::min(P.zAush + P.TEphGeg(s, k), 99.0f), 6, 2);
            ZahlDrucken(std::min(P.TEphGeg(s, k), 99.0f - P.zAush), 7, 2);
            ZahlDrucken(P.EphGeg(s, k), 10, 2);
            if (k == nP && teil) Drucken(" ( 1.00 - fache (k) Werte )");
            ZeileBeenden();
        }
        Leerzeilen();
    }
    Leerzeilen();
}

void BettungsHinweise() {
    const std::string& i = Bericht.Einrueckung;
    ZeileDrucken(i, "Hinweise zur BETTUNG ( gilt für alle Aushubzustände )");
    ZeileDrucken(i, "-----------------------------------------------------");
    if (P.Wandart == 1) {
        ZeileDrucken(i, "   Die eingegebene Bettung ( MN/m3 ) gilt immer für eine ");
        ZeileDrucken(i, "   geschlossene Wand ( Spundwand z.B. ). Die Anpassung an");
        ZeileDrucken(i, "   die BOHLWAND wird im Programm vorgenommen: Reduktion RFak =");
        ZeileDrucken(i, "   (Erdwiderstand TBW Weißenbach) / Erdwiderstand(Spundwand).");
        Leerzeilen();
    }
    if (P.BettungPruefen == 0) {
        ZeileDrucken(i, "   Die Bettungsziffern werden vom Programm NICHT überprüft.");
        Leerzeilen();
    } else if (Teilsicherheiten()) {
        ZeileDrucken(i, "   Das Programm überprüft die Bedingung (charakt. Werte)");
        ZeileDrucken(i, "   BETTUNG (k) <= ERDWIDERSTAND (k) / VERSCHIEBUNG (k)");
        ZeileDrucken(i, "   ( DIN 1054:2010-12, A 9.7.1.4, A(3), A(4) )");
        Leerzeilen();
        ZeileDrucken(i, "   Falls erforderlich, wird die Bettung iterativ linear reduziert.");
        ZeileDrucken(i, "   Mit dieser reduzierten Bettung wird jeweils neu gerechnet.");
        ZeileDrucken(i, "   Die Iteration ist beendet, wenn keine weitere Reduktion mehr ");
        ZeileDrucken(i, "   erforderlich ist.");
        Leerzeilen();
        ZeileDrucken(i, "   Die SUMME des Bemessungs-Erdwiderstandes Eph,d darf nicht");
        ZeileDrucken(i, "   kleiner sein als die SUMME der positiven Federkräfte Bh,d.");
        Leerzeilen();
    } else {
        ZeileDrucken(i, "   Das Programm überprüft die Bedingung");
        ZeileDrucken(i, "   BETTUNG  <=  ERDWIDERSTAND (eta=1,0) / VERSCHIEBUNG");
        ZeileDrucken(i, "                               -------");
        ZeileDrucken(i, "   Falls erford., wird die Bettung iterativ linear reduziert.");
        ZeileDrucken(i, "   Mit dieser reduzierten Bettung wird jeweils neu gerechnet.");
        ZeileDrucken(i, "   Die Iteration ist beendet, wenn keine weitere Reduktion mehr ");
        ZeileDrucken(i, "   erforderlich ist.");
        Leerzeilen();
        ZeileDrucken(i, "   Der Erdwiderstand wird nicht in die Berechnung eingeführt;");
        ZeileDrucken(i, "   nur zu obiger Überprüfung wird er verwendet. Die Summe");
        ZeileDrucken(i, "   (und NUR die Summe) des möglichen Erdwiderstandes / eta darf");
        ZeileDrucken(i, "   nicht kleiner sein als die Summe der positiven Federkräfte.");
        ZeileDrucken(i, "   Siehe EAB, 3. Auflage, EB 19, Absatz 2, Satz 1.");
        Leerzeilen();
    }
    ZeileDrucken(i, "   Siehe Grafik Wandbelastung zur Kontrolle: dicke Kurve.");
    ZeileDrucken(i, "   (ERF. Erdwiderstand aus Bettung * Verformung) darf die dünne,");
    ZeileDrucken(i, "   punktierte Linie (vorh. Erdwiderstand) nicht übersteigen.");
    Leerzeilen();
    ZeileDrucken(i, "   Zustandsgrößen: Fed.Konst. = (red) Bettung / vert.Abstand (kN/m2) ");
    ZeileDrucken(i, "                   H-Kraft    = Fed.Konst. * Durchb. / 1000  (kN/m)");
    ZeileDrucken(i, "                   hor.Press. = H-Kraft / vert.Abstand       (kN/m2)");
    Leerzeilen();
}

void Lastfaelle() {
    const std::string& i = Bericht.Einrueckung;
    auto& lauf = zormcom::Lauf;
    const bool teil = Teilsicherheiten();
    Leerzeilen();
    if (teil) {
        ZeileDrucken(i, "BELASTUNGSFÄLLE (für alle Aushubzustände gleich)", "; Gebrauchslasten");
        ZeileDrucken(i, "-----------------------------------------------------------------");
    } else {
        ZeileDrucken(i, "BELASTUNGSFÄLLE (für alle Aushubzustände gleich)");
        ZeileDrucken(i, "------------------------------------------------");
    }
    Leerzeilen();
    for (int16_t lc = 1; lc <= P.AnzLF; ++lc) {
        P.LFNr = lc;
        P.NKopf = P.NKopfLF[lc];
        lauf.AnzLastLuft = P.AnzLastLuftLF[lc];
        lauf.AnzLastErd = P.AnzLastErdLF[lc];
        ZeileDrucken(i, "LASTFALL ", lc);
        ZeileDrucken(i, "-----------");
        if (lauf.AnzLastLuft + lauf.AnzLastErd == 0) {
            ZeileDrucken(i, "Keine äußeren Lasten vorhanden.");
            Leerzeilen();
        }
        if (lauf.AnzLastLuft != 0) {
            ZeileDrucken(Bezeichnung(15));
            ZeileDrucken(P.Kommentar[4]);
            ZeileDrucken(i, "   H*      M*     Kote    Last NICHT wirksam");
            ZeileDrucken(i, "   kN     kNm    z (m)    in Aushub Nr. ....");
            ZeileDrucken(P.Kommentar[4]);
            for (int j = 1; j <= std::min<int>(lauf.AnzLastLuft, 8); ++j) {
                Drucken(i);
                ZahlDrucken(P.LuftLastH(lc, j), 6, 1);
                ZahlDrucken(P.LuftLastM(lc, j), 8, 1);
                ZahlDrucken(P.LuftLastZ(lc, j), 8, 2);
                Drucken("  ");
                for (int k = 1; k <= std::min<int>(P.LuftLastNichtIn(lc, j, 0), 8); ++k)
                    ZahlDrucken(P.LuftLastNichtIn(lc, j, k), 3, 0);
                ZeileBeenden();
            }
            Leerzeilen();
            if (lc == 1) {
                ZeileDrucken(Leerzeichen(3), Bezeichnung(18));
                ZeileDrucken(Leerzeichen(3), Bezeichnung(19));
                ZeileDrucken(Leerzeichen(3), Bezeichnung(20));
                if (teil) ZeileDrucken(i, "   H*, M*  als ungünstig angesetzt : * gamQ");
                Leerzeilen();
            }
        }
        if (lauf.AnzLastErd != 0) {
            ZeileDrucken(Bezeichnung(16));
            ZeileDrucken(P.Kommentar[4]);
            ZeileDrucken(Bezeichnung(107));
            ZeileDrucken(Bezeichnung(108));
            ZeileDrucken(P.Kommentar[4]);
            for (int j = 1; j <= std::min<int>(lauf.AnzLastErd, 8); ++j) {
                Drucken(Spalte(12));
                ZahlDrucken(static_cast<float>(j), 4, 0);
                ZahlDrucken(P.ErdLastPv(lc, j), 6, 1);
                ZahlDrucken(P.ErdLastPh(lc, j), 6, 1);
                ZahlDrucken(P.ErdLastXA(lc, j), 8, 2);
                ZahlDrucken(P.ErdLastXE(lc, j), 7, 2);
                ZahlDrucken(P.ErdLastZ(lc, j), 7, 2);
                ZahlDrucken(P.ErdLastDauer(lc, j), 6, 0);
                Drucken("  ");
                const int n = std::min<int>(P.ErdLastNichtIn(lc, j, 0), 8);
                for (int k = 1; k <= std::min(n, 7); ++k)
                    ZahlDrucken(P.ErdLastNichtIn(lc, j, k), 3, 0);
                ZeileBeenden();
                if (n > 7) {
                    Drucken(Spalte(57));
                    for (int k = 8; k <= n; ++k)
                        ZahlDrucken(P.ErdLastNichtIn(lc, j, k), 3, 0);
                    ZeileBeenden();
                }
            }
            Leerzeilen();
            if (P.RuheProz > 0.01f) {
                ZeileDrucken("  ", Bezeichnung(110));
                ZeileDrucken("  ", Bezeichnung(111));
                ZeileDrucken("  ", P.Kommentar[4].substr(0, 40));
                for (int j = 1; j <= std::min<int>(lauf.AnzLastErd, 8); ++j) {
                    Drucken(Spalte(14));
                    ZahlDrucken(static_cast<float>(j), 4, 0);
                    ZahlDrucken(P.ErdLastRuheProz(lc, j), 10, 0);
                    ZahlDrucken(P.ErdLastRuheFaktor(lc, j), 12, 2);
                    ZeileBeenden();
                }
                Leerzeilen();
            }
        }
        if (P.NKopf != 0.0f) {
            ZeileDrucken(i, vb::Format(P.NKopf, "  ##0.0"), " kN/m auf dem Wandkopf mittig (Dauerlast)");
            Leerzeilen();
        }
    }

    ZeileDrucken(i, "Für alle Lastfälle gilt:");
    if (teil) {
        ZeileDrucken(i, "  (siehe EAB, EB 24, EB 80 ...)");
        ZeileDrucken(i, "  Unbegrenzte Flächenlasten: xE = 999,00: * gamG (", ZweiStellen(P.gamG),
                     ") <= 10 kN/m2");
        ZeileDrucken(i, "   (zum Bodengewicht)                     * gamQ (", ZweiStellen(P.gamQ),
                     ") der ev.Rest");
        ZeileDrucken(i, "  Begrenzte Flächenlasten : Dauer-Anteil: * gamG (", ZweiStellen(P.gamG), ")");
        ZeileDrucken(i, "                            Rest        : * gamQ (", ZweiStellen(P.gamQ), ")");
        Leerzeilen();
    }
    ZeileDrucken(i, "  Bei der Berechnung der Wand werden immer die Spannungen");
    ZeileDrucken(i, "  aus den GESAMTlasten angesetzt.");
    ZeileDrucken(i, "  Der VERKEHRSlast-Anteil wird beim Nachweis der");
    ZeileDrucken(i, "  tiefen Gleitfuge nur angesetzt, wenn der Gleitwinkel theta");
    ZeileDrucken(i, "  größer als der Reibungswinkel phi ist.");
    Leerzeilen();
    ZeileDrucken(i, "  Für den Nachweis der tiefen Gleitfuge zur Bestimmung");
    ZeileDrucken(i, "  der Ankerlängen ist es erforderlich, daß alle Lasten");
    ZeileDrucken(i, "  bis hinter den aktiven Gleitkeil jenseits der Ersatz-");
    ZeileDrucken(i, "  ankerwand eingegeben werden. Siehe dazu die Grafik!");
    Leerzeilen();

    bool begrenzt = false;
    for (int lc = 1; lc <= P.AnzLF; ++lc)
        for (int j = 1; j <= std::min<int>(P.AnzLastErdLF[lc], 8); ++j)
            if (P.ErdLastXA(lc, j) > 0.01f || P.ErdLastXE(lc, j) < 99.0f) begrenzt = true;
    if (begrenzt) {
        ZeileDrucken("  ", Bezeichnung(105));
        if (P.Erddruckart == 1) {
            if (P.RuheProz > 0.0f) ZeileDrucken(Bezeichnung(101));
            ZeileDrucken(Bezeichnung(38));
            ZeileDrucken(Bezeichnung(39));
            ZeileDrucken(Bezeichnung(40));
            ZeileDrucken(Bezeichnung(106), P.VerteilungAktiv);
            if (P.RuheProz > 0.0f) {
                ZeileDrucken(Bezeichnung(102));
                ZeileDrucken(Bezeichnung(37), P.KonzFaktor);
                Leerzeilen();
            } else {
                Leerzeilen();
            }
        } else {
            ZeileDrucken(Bezeichnung(37), P.KonzFaktor);
            Leerzeilen();
        }
        ZeileDrucken(i, "  q(h) > 0 belastet, q(h) < 0 entlastet die Wand.");
        ZeileDrucken(i, "  QH = q(h) * (xE-xA); wird 100 % aktiv angesetzt.");
        Leerzeilen(2);
    }
}

void AnkerVertikal() {
    const std::string& i = Bericht.Einrueckung;
    ZeileDrucken(i, "FÜR DEN VERTIKALANTEIL DER ANKERKRÄFTE BEI SUMME V:");
    ZeileDrucken(i, "---------------------------------------------------");
    ZeileDrucken(i, "Anker- bzw. Steifen-");
    ZeileDrucken(i, "-Kote  -Neigung");
    ZeileDrucken(i, " z(m)  (Altgr.)");
    ZeileDrucken(i, "---------------");
    for (int k = 1; k <= P.AnzAnkerGesamt; ++k) {
        Drucken(i);
        ZahlDrucken(P.ZAuflager[k], 5, 2);
        ZahlDrucken(P.AnkerNeigungGrad[k], 10, 2);
        ZeileBeenden();
    }
    Leerzeilen(3);
}

void TiefeGleitfuge() {
    const std::string& i = Bericht.Einrueckung;
    Leerzeilen();
    ZeileDrucken(i, "FÜR DEN NACHWEIS DER TIEFEN GLEITFUGE");
    ZeileDrucken(i, "-------------------------------------");
    ZeileDrucken(i, "Für diesen Nachweis wird der Erddruck Ea verwendet, mit");
    ZeileDrucken(i, "dem die Wand berechnet wird, INCL. ALLER VERÄNDERUNGEN.");
    ZeileDrucken(i, "                             --------------------------");
    if (!Teilsicherheiten()) {
        ZeileDrucken(i, "Bei erhöht aktivem Erddruck wird der Ankelängen-Nachweis");
        ZeileDrucken(i, "vorab mit rein aktivem Erddruck geführt. Eine gesonderte");
        ZeileDrucken(i, "Nachlauf-Berechnung ist nun nicht mehr erforderlich.");
        ZeileDrucken(i, "E1 auf Ersatz-Ankerwand aus Bodenkennwerten mit delta = 0°.");
        Leerzeilen();
    }
    ZeileDrucken(i, "Steifen ( lmin = 0.00, lmax = 0.00 )  ");
    ZeileDrucken(i, "Steifenkräfte gehen nicht in den Gleitfugen-Nachweis ein.");
    if (Teilsicherheiten()) {
        Leerzeilen();
    } else {
        Drucken(i, "Erf. Sicherheitsbeiwert .................................. ");
        ZahlDrucken(P.EtaGl, 4, 2);
        ZeileBeenden();
        if (P.AnzAnkerStufenPaare < 1) {
            Leerzeilen();
        } else {
            ZeileDrucken(i, "  Aushub  abw. Sicherheit");
            for (int k = 1; k <= std::min<int>(P.AnzAnkerStufenPaare, 15); ++k) {
                Drucken(i);
                ZahlDrucken(P.EtaAbwAushub[k], 6, 0);
                ZahlDrucken(P.EtaAbwWert[k], 13, 2);
                ZeileBeenden();
            }
            Leerzeilen();
        }
    }
    ZeileDrucken(i, "Anker- bzw. Steifen-");
    ZeileDrucken(i, "-Kote  -Neigung     -Länge (m)     Horizontal-");
    ZeileDrucken(i, " z(m)  (Altgr.)    lmin     lmax   abstand (m)");
    ZeileDrucken(i, "----------------------------------------------");
    for (int k = 1; k <= P.AnzAnkerGesamt; ++k) {
        ZahlDrucken(P.ZAuflager[k], 18, 2);
        ZahlDrucken(P.AnkerNeigungGrad[k], 9, 2);
        ZahlDrucken(P.AnkerLmin[k], 9, 2);
        ZahlDrucken(P.AnkerLmax[k], 9, 2);
        ZahlDrucken(P.AnkerAbstand[k], 9, 2);
        ZeileBeenden();
    }
    ZeileDrucken(i, "Falls erforderlich, werden die Anker-Längen vergrößert.");
    Leerzeilen(3);
}

} // namespace

void EchoAushubLastenAnker() {
    const std::string& i = Bericht.Einrueckung;
    ZeileDrucken(i, "AUSHUBZUSTÄNDE  (für alle Lastfälle gleich)");
    ZeileDrucken(i, "-------------------------------------------");
    Leerzeilen();
    bool figur6 = false;
    for (int s = 1; s <= P.AnzAush; ++s)
        if (P.AnzFigur6Aush[s] > 0) figur6 = true;
    if (figur6) Figur6Erlaeuterung();

    for (int16_t s = 1; s <= P.AnzAush; ++s)
        Aushubzustand(s);

    Leerzeilen(2);
    bool gebettet = false;
    for (int s = 1; s <= P.AnzAush; ++s)
        if (P.FussGebettet[s] == 1) gebettet = true;
    if (gebettet) BettungsHinweise();

    Lastfaelle();

    if (P.AnzAnkerGesamt >= 1 && P.AnkerLaengen != 1) AnkerVertikal();
    if (P.AnkerLaengen != 0 && P.AnzAnkerGesamt >= 1) TiefeGleitfuge();
}

} // namespace zorma
