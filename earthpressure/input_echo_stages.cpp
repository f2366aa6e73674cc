// Input echo, second half: excavation stages, bedding notes, load cases and anchors.
#include <algorithm>
#include <string>

#include "earthpressure/handover_a.h"
#include "earthpressure/input_echo.h"
#include "earthpressure/input_echo_lines.h"
#include "earthpressure/stage_a.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"

using zorm1::P;

namespace zorma {

using namespace echo;

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
    Zeile(B(3), L(51));
    Leer();
    Zeile(L(52));
    Zeile(L(53));
    Leer();
    Zeile(L(54));
    Zeile(L(55));
    Zeile(L(56));
    Leer();
    Zeile(L(57));
    Zeile(L(58));
    Leer();
    Zeile(L(59));
    Zeile(L(60));
    Zeile(L(61));
    Leer();
    Zeile(L(62));
    Leer();
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
    const std::string& i = E();
    auto& lauf = zormcom::Lauf;
    const bool teil = Teilsicherheiten();
    P.AushNr = s;
    zormcom::AushubLaden(s);
    lauf.BettungStufe = P.FussGebettet[s];

    Teil(i, "AUSHUBZUSTAND ");
    Z(s, 2, 0);
    Ende();
    Zeile(i, "----------------");
    Teil(i, std::to_string(P.AnzAnker), " Anker z=");
    const int anker = std::min<int>(P.AnzAnker, 8);
    for (int k = 1; k <= anker; ++k)
        Z(P.ZAnker[k], k == 1 ? 6 : 7, 2);
    Ende();
    Teil(B(21), "z=");
    Z(P.zAush, 6, 2);
    Zeile("  Aushub-Kote ( horizontale Sohle ) ");
    Teil(B(21), "z=");
    Z(P.ZNextAnker, 6, 2);
    Zeile("  Kote des nach diesem Aushub zu setzenden Ankers");
    Teil(B(21), "z=");
    Z(P.ZWasserLuft, 6, 2);
    Zeile("  Wasserkote luftseitig");
    Teil(B(21), "z=");
    Z(P.ZWasserErd, 6, 2);
    Zeile("  Wasserkote erdseitig");
    Leer();

    if (P.StBH != 0.0f) {
        Zeile(i, "Abböschung der Aushubsohle:");
        Teil(i, "        von x1=");
        Z(P.StBx1, 6, 2);
        Teil(" m  bis x2=");
        Z(P.StBx2, 6, 2);
        Teil(" m  Tiefe=");
        Z(P.StBH, 6, 2);
        Ende();
        Leer();
    }
    if (P.AnzSohlLast > 0) {
        Zeile(i, "Ständige Last auf der Aushubsohle:");
        for (int j = 1; j <= std::min<int>(P.AnzSohlLast, 8); ++j) {
            Teil(i, "        x1=");
            Z(P.SohlLastX1[j], 6, 2);
            Teil(" m  x2=");
            Z(P.SohlLastX2[j], 6, 2);
            Teil(" m  q=");
            Z(P.SohlLastQ[j], 6, 2);
            Teil(" kN/m2  z=");
            Z(P.SohlLastZ[j], 6, 2);
            Ende();
        }
        Leer();
    }
    if (lauf.BettungStufe != 0) {
        Zeile(i, "elastische Bettung ab Aushubsohle:");
        Zeile(i, "        t(m)   C(MN/m3)");
        for (int r = 1; r <= std::min<int>(P.BettAnz[s], 20); ++r) {
            Teil(i, "  ");
            Z(P.BettT(s, r), 10, 2);
            Z(P.BettC(s, r), 9, 2);
            Ende();
        }
        Leer();
    }
    const int nE = std::min(Zeilenzahl(P.EahGeg(s, 0)), 15);
    if (nE > 1) {
        Zeile(L(90));
        Zeile(L(91));
        Zeile(L(92));
        for (int k = 1; k <= nE; ++k) {
            Teil(C(20));
            Z(P.ZEahGeg(s, k), 6, 2);
            Z(P.EahGeg(s, k), 9, 2);
            if (k == nE && teil) Teil(" ( 1.00 - fache (k) Werte )");
            Ende();
        }
        Leer();
        Zeile(i, "   Bei gegebenem Erddruck werden Böschungen und Auflasten nur ");
        Zeile(i, "   zur Ermittlung des Gewichtes und des Erddrucks auf die Ersatz-");
        Zeile(i, "   Ankerwand zur Bestimmung der erf. Ankerlängen verwendet.");
        Leer();
    }
    if (P.AnzZusatzSpannung > 0) {
        Zeile(L(33));
        Zeile(L(34));
        Zeile(L(35));
        for (int k = 1; k <= std::min<int>(P.AnzZusatzSpannung, 15); ++k) {
            Teil(C(20));
            Z(P.ZusZ[k], 6, 2);
            Z(P.ZusSpannung[k], 9, 2);
            Ende();
        }
        Zeile(C(17), "Wasserdruck darin enthalten ? ja = 1 ......................", P.kzWasserenthAush[s]);
        if (P.kzWasserenthAush[s] == 1) {
            if (teil) Zeile(C(17), "Teilsicherheit für Wasserdruck: gamG bzw. gamWred.");
            Zeile(C(17), "Der Wasserdruck aus den eingegebenen Wasserständen");
            Zeile(C(17), "wird eliminiert; gamma(Auftrieb) bleibt erhalten.");
            Leer();
        } else if (teil) {
            Zeile(C(17), "Teilsicherheit für veränderl. Einwirkungen: gamQ.");
            Leer();
        } else {
            Leer();
        }
    }
    if (P.AnzErddruckFaktor > 0) {
        Zeile(i, "Veränderung des Erddrucks VOR der Umlag. / Überlag. / Redukt.:");
        Zeile(B(5), L(67));
        Zeile(B(8), L(44));
        Zeile(B(8), L(45));
        for (int k = 1; k <= std::min<int>(P.AnzErddruckFaktor, 15); ++k) {
            Teil(B(20));
            Z(P.EVerZ[k], 5, 2);
            Z(P.EVerFaktor[k], 9, 2);
            Ende();
        }
        Leer();
    }

    // Support of the wall foot; a later rule overrides an earlier one.
    BettungsFlagSetzen();
    std::string fuss;
    if (P.Wandfuss == 1 && P.Einsp == 0.0f) fuss = "ERDAUFLAGER, PUNKTFÖRMIG GELAGERT";
    if ((P.Wandfuss == 1 && P.Einsp > 0.0f) || P.Wandfuss == 2) fuss = "UK WAND: v = 0";
    if (P.Wandfuss == 3) fuss = "IN FELS GELAGERT: v = 0";
    if (P.Wandfuss == 4) fuss = "EINGESPANNT NACH BLUM";
    if (lauf.BettungStufe == 1 && (P.Wandfuss == 1 || P.Wandfuss == 2)) fuss = "ELASTISCH GEBETTET";
    Zeile(i, "Fußende der Wand          :  ", fuss);
    if (P.Wandfuss == 3) {
        Leer();
        Zeile(i, "Hinweis: Der Wandreibungswinkel wird für den Widerstandsbeiwert wie");
        Zeile(i, "         eingegeben verwendet. Für Summe V wird jedoch Epv = 0.00");
        Zeile(i, "         gesetzt. Dies soll den \"FELS\" simulieren: keine vertikale");
        Zeile(i, "         Verschiebung möglich. Dieser Hinweis gedruckt ab 7.2.2010.");
        Leer();
    }
    if (P.Wandfuss == 1 && P.Einsp > 0.0f) {
        Teil(i, "Einspannung des Fußes     :  ");
        Z(P.Einsp, 7, 3);
        Zeile("  %");
    }
    if (P.Wandfuss == 2 || P.Wandfuss == 3) {
        Teil(i, "UK Wand vorgegeben        :  z = ");
        Z(P.ZWandfuss, 5, 2);
        if (P.Wandfuss == 2)
            Zeile("; endgültige Kote s. u.");
        else
            Ende();
    }
    if (P.UeberlagernNoetig != 0) {
        Zeile(C(16), "Bei (Teil-) Einspannung nach Blum oder vorgegebener UK Wand wird");
        Zeile(C(16), "eph(z) als negative Belastung auf das statische System angesetzt.");
        Zeile(C(16), "Dies kann vermieden werden, wenn mit Bettung gerechnet wird.");
        P.kzUeb[s] = 1;
    }
    Leer();

    Teil(i, "Gewählte Erddruck-Figur   : ");
    Z(P.UmFigur, 2, 0);
    Zeile(FigurText());

    if (P.Erddruckart == 1) {
        if (P.UmFigur == 7) {
            if (P.Herstellart.empty())
                Zeile(i, "   Herstellverfahren      :  abgegrabene Wand");
            else
                Zeile(i, "   Herstellverfahren      :  hinterfüllte Wand");
        }
        int e = 0;
        if (P.UmFigur == 6) e = 2;
        if (P.UmFigur == 7 || P.UmFigur == 8) e = 1;
        if (P.Wandtyp != 1 && P.Wandtyp != 5) {
            if (P.UmZeit[s] == 1 || P.UmZeit[s] == 2) e = 2;
            if (P.UmZeit[s] == 3 || P.UmZeit[s] == 4) e = 1;
        }
        if (P.UmFigur == 0) e = 0;
        if (e == 1) Zeile(C(17), "Umlagerung bis Aushubsohle; der Rest bleibt erhalten.");
        if (e == 2) Zeile(C(17), "Umlagerung des Erddrucks bis UK Wand.");
        Leer();
        if (P.UmFigur != 0) {
            if (P.UmArt[s] == 1)
                Zeile(i, "   umgelagert wird        :  Erddruck aus Bodengewicht + Auflast");
            else
                Zeile(i, "   umgelagert wird        :  Erddruck NUR aus Bodengewicht");
            Leer();
        }
    }
    if (P.UmFigur != 0 && P.Erddruckart != 2) {
        Teil(C(17), "Faktor                 : ");
        Z(P.EFaktor, 5, 2);
        Zeile(" für umgelagerten Erddruck");
    }
    if (P.Erddruckart == 2 || (P.Erddruckart == 1 && (P.UmFigur == 4 || P.UmFigur == 5))) {
        if (P.UmZ1 + P.UmZ2 + P.EpsUml != 0.0f) {
            Teil(C(17), "Kote z1                = ");
            Z(P.UmZ1, 5, 2);
            Ende();
            Teil(C(17), "Kote z2                = ");
            Z(P.UmZ2, 5, 2);
            Ende();
            Teil(C(17), "    eps                = ");
            Z(P.EpsUml, 5, 2);
            Ende();
            Leer(2);
        } else {
            Leer();
        }
    } else {
        Leer();
    }

    if (P.Erddruckart == 1 && P.Wandart != 1) {
        if (P.UmFigur == 6) {
            Teil(i, "   Erddruck aufsummieren bis zur Kote  ............ ze1 = ");
            Z(P.Ze1Fig6Aush[s], 5, 2);
            Ende();
            Zeile(B(3), L(67));
            Zeile(L(64));
            Zeile(L(69));
            for (int k = 1; k <= std::min<int>(P.AnzFigur6Aush[s], 15); ++k) {
                Teil(C(17));
                Z(static_cast<float>(k), 2, 0);
                Z(P.Fig6Z(s, k), 11, 2);
                Z(P.Fig6Verh(s, k), 13, 2);
                Ende();
            }
            Teil(i, "   eps ( 0 ..... 1 )  =  ");
            Z(P.EpsFuss6Aush[s], 4, 2);
            Zeile("   Faktor für Druck am Wandfuß.");
            Leer();
        }
        if (P.UmZeit[s] == 0 && (P.UmFigur == 1 || P.UmFigur == 2 || P.UmFigur == 4 || P.UmFigur == 5)) {
            Zeile(B(3), L(81));
            Zeile(B(3), L(82));
            Leer();
        } else {
            if (teil)
                Zeile(i, "eah mit eph überlagern ?  ja = 1 .............................", P.kzUeb[s]);
            else
                Zeile(i, "eah mit eph / eta überlagern ?  ja = 1 .......................", P.kzUeb[s]);
            Leer(2);
        }
    }

    const int nP = std::min(Zeilenzahl(P.EphGeg(s, 0)), 15);
    if (nP >= 2) {
        Zeile(L(93), ";  t ab Aushub-Kote.");
        Zeile(i, "            z(m)   t(m)       eph (kN/m2)");
        for (int k = 1; k <= nP; ++k) {
            Teil(C(24));
            Z(std::min(P.zAush + P.TEphGeg(s, k), 99.0f), 6, 2);
            Z(std::min(P.TEphGeg(s, k), 99.0f - P.zAush), 7, 2);
            Z(P.EphGeg(s, k), 10, 2);
            if (k == nP && teil) Teil(" ( 1.00 - fache (k) Werte )");
            Ende();
        }
        Leer();
    }
    Leer();
}

void BettungsHinweise() {
    const std::string& i = E();
    Zeile(i, "Hinweise zur BETTUNG ( gilt für alle Aushubzustände )");
    Zeile(i, "-----------------------------------------------------");
    if (P.Wandart == 1) {
        Zeile(i, "   Die eingegebene Bettung ( MN/m3 ) gilt immer für eine ");
        Zeile(i, "   geschlossene Wand ( Spundwand z.B. ). Die Anpassung an");
        Zeile(i, "   die BOHLWAND wird im Programm vorgenommen: Reduktion RFak =");
        Zeile(i, "   (Erdwiderstand TBW Weißenbach) / Erdwiderstand(Spundwand).");
        Leer();
    }
    if (P.BettungPruefen == 0) {
        Zeile(i, "   Die Bettungsziffern werden vom Programm NICHT überprüft.");
        Leer();
    } else if (Teilsicherheiten()) {
        Zeile(i, "   Das Programm überprüft die Bedingung (charakt. Werte)");
        Zeile(i, "   BETTUNG (k) <= ERDWIDERSTAND (k) / VERSCHIEBUNG (k)");
        Zeile(i, "   ( DIN 1054:2010-12, A 9.7.1.4, A(3), A(4) )");
        Leer();
        Zeile(i, "   Falls erforderlich, wird die Bettung iterativ linear reduziert.");
        Zeile(i, "   Mit dieser reduzierten Bettung wird jeweils neu gerechnet.");
        Zeile(i, "   Die Iteration ist beendet, wenn keine weitere Reduktion mehr ");
        Zeile(i, "   erforderlich ist.");
        Leer();
        Zeile(i, "   Die SUMME des Bemessungs-Erdwiderstandes Eph,d darf nicht");
        Zeile(i, "   kleiner sein als die SUMME der positiven Federkräfte Bh,d.");
        Leer();
    } else {
        Zeile(i, "   Das Programm überprüft die Bedingung");
        Zeile(i, "   BETTUNG  <=  ERDWIDERSTAND (eta=1,0) / VERSCHIEBUNG");
        Zeile(i, "                               -------");
        Zeile(i, "   Falls erford., wird die Bettung iterativ linear reduziert.");
        Zeile(i, "   Mit dieser reduzierten Bettung wird jeweils neu gerechnet.");
        Zeile(i, "   Die Iteration ist beendet, wenn keine weitere Reduktion mehr ");
        Zeile(i, "   erforderlich ist.");
        Leer();
        Zeile(i, "   Der Erdwiderstand wird nicht in die Berechnung eingeführt;");
        Zeile(i, "   nur zu obiger Überprüfung wird er verwendet. Die Summe");
        Zeile(i, "   (und NUR die Summe) des möglichen Erdwiderstandes / eta darf");
        Zeile(i, "   nicht kleiner sein als die Summe der positiven Federkräfte.");
        Zeile(i, "   Siehe EAB, 3. Auflage, EB 19, Absatz 2, Satz 1.");
        Leer();
    }
    Zeile(i, "   Siehe Grafik Wandbelastung zur Kontrolle: dicke Kurve.");
    Zeile(i, "   (ERF. Erdwiderstand aus Bettung * Verformung) darf die dünne,");
    Zeile(i, "   punktierte Linie (vorh. Erdwiderstand) nicht übersteigen.");
    Leer();
    Zeile(i, "   Zustandsgrößen: Fed.Konst. = (red) Bettung / vert.Abstand (kN/m2) ");
    Zeile(i, "                   H-Kraft    = Fed.Konst. * Durchb. / 1000  (kN/m)");
    Zeile(i, "                   hor.Press. = H-Kraft / vert.Abstand       (kN/m2)");
    Leer();
}

void Lastfaelle() {
    const std::string& i = E();
    auto& lauf = zormcom::Lauf;
    const bool teil = Teilsicherheiten();
    Leer();
    if (teil) {
        Zeile(i, "BELASTUNGSFÄLLE (für alle Aushubzustände gleich)", "; Gebrauchslasten");
        Zeile(i, "-----------------------------------------------------------------");
    } else {
        Zeile(i, "BELASTUNGSFÄLLE (für alle Aushubzustände gleich)");
        Zeile(i, "------------------------------------------------");
    }
    Leer();
    for (int16_t lc = 1; lc <= P.AnzLF; ++lc) {
        P.LFNr = lc;
        P.NKopf = P.NKopfLF[lc];
        lauf.AnzLastLuft = P.AnzLastLuftLF[lc];
        lauf.AnzLastErd = P.AnzLastErdLF[lc];
        Zeile(i, "LASTFALL ", lc);
        Zeile(i, "-----------");
        if (lauf.AnzLastLuft + lauf.AnzLastErd == 0) {
            Zeile(i, "Keine äußeren Lasten vorhanden.");
            Leer();
        }
        if (lauf.AnzLastLuft != 0) {
            Zeile(L(15));
            Zeile(P.Kommentar[4]);
            Zeile(i, "   H*      M*     Kote    Last NICHT wirksam");
            Zeile(i, "   kN     kNm    z (m)    in Aushub Nr. ....");
            Zeile(P.Kommentar[4]);
            for (int j = 1; j <= std::min<int>(lauf.AnzLastLuft, 8); ++j) {
                Teil(i);
                Z(P.LuftLastH(lc, j), 6, 1);
                Z(P.LuftLastM(lc, j), 8, 1);
                Z(P.LuftLastZ(lc, j), 8, 2);
                Teil("  ");
                for (int k = 1; k <= std::min<int>(P.LuftLastNichtIn(lc, j, 0), 8); ++k)
                    Z(P.LuftLastNichtIn(lc, j, k), 3, 0);
                Ende();
            }
            Leer();
            if (lc == 1) {
                Zeile(B(3), L(18));
                Zeile(B(3), L(19));
                Zeile(B(3), L(20));
                if (teil) Zeile(i, "   H*, M*  als ungünstig angesetzt : * gamQ");
                Leer();
            }
        }
        if (lauf.AnzLastErd != 0) {
            Zeile(L(16));
            Zeile(P.Kommentar[4]);
            Zeile(L(107));
            Zeile(L(108));
            Zeile(P.Kommentar[4]);
            for (int j = 1; j <= std::min<int>(lauf.AnzLastErd, 8); ++j) {
                Teil(C(12));
                Z(static_cast<float>(j), 4, 0);
                Z(P.ErdLastPv(lc, j), 6, 1);
                Z(P.ErdLastPh(lc, j), 6, 1);
                Z(P.ErdLastXA(lc, j), 8, 2);
                Z(P.ErdLastXE(lc, j), 7, 2);
                Z(P.ErdLastZ(lc, j), 7, 2);
                Z(P.ErdLastDauer(lc, j), 6, 0);
                Teil("  ");
                const int n = std::min<int>(P.ErdLastNichtIn(lc, j, 0), 8);
                for (int k = 1; k <= std::min(n, 7); ++k)
                    Z(P.ErdLastNichtIn(lc, j, k), 3, 0);
                Ende();
                if (n > 7) {
                    Teil(C(57));
                    for (int k = 8; k <= n; ++k)
                        Z(P.ErdLastNichtIn(lc, j, k), 3, 0);
                    Ende();
                }
            }
            Leer();
            if (P.RuheProz > 0.01f) {
                Zeile("  ", L(110));
                Zeile("  ", L(111));
                Zeile("  ", P.Kommentar[4].substr(0, 40));
                for (int j = 1; j <= std::min<int>(lauf.AnzLastErd, 8); ++j) {
                    Teil(C(14));
                    Z(static_cast<float>(j), 4, 0);
                    Z(P.ErdLastRuheProz(lc, j), 10, 0);
                    Z(P.ErdLastRuheFaktor(lc, j), 12, 2);
                    Ende();
                }
                Leer();
            }
        }
        if (P.NKopf != 0.0f) {
            Zeile(i, vb::Format(P.NKopf, "  ##0.0"), " kN/m auf dem Wandkopf mittig (Dauerlast)");
            Leer();
        }
    }

    Zeile(i, "Für alle Lastfälle gilt:");
    if (teil) {
        Zeile(i, "  (siehe EAB, EB 24, EB 80 ...)");
        Zeile(i, "  Unbegrenzte Flächenlasten: xE = 999,00: * gamG (", F(P.gamG), ") <= 10 kN/m2");
        Zeile(i, "   (zum Bodengewicht)                     * gamQ (", F(P.gamQ), ") der ev.Rest");
        Zeile(i, "  Begrenzte Flächenlasten : Dauer-Anteil: * gamG (", F(P.gamG), ")");
        Zeile(i, "                            Rest        : * gamQ (", F(P.gamQ), ")");
        Leer();
    }
    Zeile(i, "  Bei der Berechnung der Wand werden immer die Spannungen");
    Zeile(i, "  aus den GESAMTlasten angesetzt.");
    Zeile(i, "  Der VERKEHRSlast-Anteil wird beim Nachweis der");
    Zeile(i, "  tiefen Gleitfuge nur angesetzt, wenn der Gleitwinkel theta");
    Zeile(i, "  größer als der Reibungswinkel phi ist.");
    Leer();
    Zeile(i, "  Für den Nachweis der tiefen Gleitfuge zur Bestimmung");
    Zeile(i, "  der Ankerlängen ist es erforderlich, daß alle Lasten");
    Zeile(i, "  bis hinter den aktiven Gleitkeil jenseits der Ersatz-");
    Zeile(i, "  ankerwand eingegeben werden. Siehe dazu die Grafik!");
    Leer();

    bool begrenzt = false;
    for (int lc = 1; lc <= P.AnzLF; ++lc)
        for (int j = 1; j <= std::min<int>(P.AnzLastErdLF[lc], 8); ++j)
            if (P.ErdLastXA(lc, j) > 0.01f || P.ErdLastXE(lc, j) < 99.0f) begrenzt = true;
    if (begrenzt) {
        Zeile("  ", L(105));
        if (P.Erddruckart == 1) {
            if (P.RuheProz > 0.0f) Zeile(L(101));
            Zeile(L(38));
            Zeile(L(39));
            Zeile(L(40));
            Zeile(L(106), P.VerteilungAktiv);
            if (P.RuheProz > 0.0f) {
                Zeile(L(102));
                Zeile(L(37), P.KonzFaktor);
                Leer();
            } else {
                Leer();
            }
        } else {
            Zeile(L(37), P.KonzFaktor);
            Leer();
        }
        Zeile(i, "  q(h) > 0 belastet, q(h) < 0 entlastet die Wand.");
        Zeile(i, "  QH = q(h) * (xE-xA); wird 100 % aktiv angesetzt.");
        Leer(2);
    }
}

void AnkerVertikal() {
    const std::string& i = E();
    Zeile(i, "FÜR DEN VERTIKALANTEIL DER ANKERKRÄFTE BEI SUMME V:");
    Zeile(i, "---------------------------------------------------");
    Zeile(i, "Anker- bzw. Steifen-");
    Zeile(i, "-Kote  -Neigung");
    Zeile(i, " z(m)  (Altgr.)");
    Zeile(i, "---------------");
    for (int k = 1; k <= P.AnzAnkerGesamt; ++k) {
        Teil(i);
        Z(P.ZAuflager[k], 5, 2);
        Z(P.AnkerNeigungGrad[k], 10, 2);
        Ende();
    }
    Leer(3);
}

void TiefeGleitfuge() {
    const std::string& i = E();
    Leer();
    Zeile(i, "FÜR DEN NACHWEIS DER TIEFEN GLEITFUGE");
    Zeile(i, "-------------------------------------");
    Zeile(i, "Für diesen Nachweis wird der Erddruck Ea verwendet, mit");
    Zeile(i, "dem die Wand berechnet wird, INCL. ALLER VERÄNDERUNGEN.");
    Zeile(i, "                             --------------------------");
    if (!Teilsicherheiten()) {
        Zeile(i, "Bei erhöht aktivem Erddruck wird der Ankelängen-Nachweis");
        Zeile(i, "vorab mit rein aktivem Erddruck geführt. Eine gesonderte");
        Zeile(i, "Nachlauf-Berechnung ist nun nicht mehr erforderlich.");
        Zeile(i, "E1 auf Ersatz-Ankerwand aus Bodenkennwerten mit delta = 0°.");
        Leer();
    }
    Zeile(i, "Steifen ( lmin = 0.00, lmax = 0.00 )  ");
    Zeile(i, "Steifenkräfte gehen nicht in den Gleitfugen-Nachweis ein.");
    if (Teilsicherheiten()) {
        Leer();
    } else {
        Teil(i, "Erf. Sicherheitsbeiwert .................................. ");
        Z(P.EtaGl, 4, 2);
        Ende();
        if (P.AnzAnkerStufenPaare < 1) {
            Leer();
        } else {
            Zeile(i, "  Aushub  abw. Sicherheit");
            for (int k = 1; k <= std::min<int>(P.AnzAnkerStufenPaare, 15); ++k) {
                Teil(i);
                Z(P.EtaAbwAushub[k], 6, 0);
                Z(P.EtaAbwWert[k], 13, 2);
                Ende();
            }
            Leer();
        }
    }
    Zeile(i, "Anker- bzw. Steifen-");
    Zeile(i, "-Kote  -Neigung     -Länge (m)     Horizontal-");
    Zeile(i, " z(m)  (Altgr.)    lmin     lmax   abstand (m)");
    Zeile(i, "----------------------------------------------");
    for (int k = 1; k <= P.AnzAnkerGesamt; ++k) {
        Z(P.ZAuflager[k], 18, 2);
        Z(P.AnkerNeigungGrad[k], 9, 2);
        Z(P.AnkerLmin[k], 9, 2);
        Z(P.AnkerLmax[k], 9, 2);
        Z(P.AnkerAbstand[k], 9, 2);
        Ende();
    }
    Zeile(i, "Falls erforderlich, werden die Anker-Längen vergrößert.");
    Leer(3);
}

} // namespace

void EchoAushubLastenAnker() {
    const std::string& i = E();
    Zeile(i, "AUSHUBZUSTÄNDE  (für alle Lastfälle gleich)");
    Zeile(i, "-------------------------------------------");
    Leer();
    bool figur6 = false;
    for (int s = 1; s <= P.AnzAush; ++s)
        if (P.AnzFigur6Aush[s] > 0) figur6 = true;
    if (figur6) Figur6Erlaeuterung();

    for (int16_t s = 1; s <= P.AnzAush; ++s)
        Aushubzustand(s);

    Leer(2);
    bool gebettet = false;
    for (int s = 1; s <= P.AnzAush; ++s)
        if (P.FussGebettet[s] == 1) gebettet = true;
    if (gebettet) BettungsHinweise();

    Lastfaelle();

    if (P.AnzAnkerGesamt >= 1 && P.AnkerLaengen != 1) AnkerVertikal();
    if (P.AnkerLaengen != 0 && P.AnzAnkerGesamt >= 1) TiefeGleitfuge();
}

} // namespace zorma
