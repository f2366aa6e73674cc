// Input echo, first half: general notes, safety concept, wall, wall head and earth-pressure
// options, soil parameters, given coefficients and slopes.
#include "earthpressure/input_echo.h"

#include <algorithm>
#include <cmath>

#include "earthpressure/handover_a.h"
#include "earthpressure/input_echo_lines.h"
#include "frame/project_data.h"

using zorm1::P;

namespace zorma {

using namespace echo;

namespace {

bool Teilsicherheiten() {
    return P.TeilsicherheitenAn != 0;
}

void AllgemeineAngaben() {
    const std::string& i = E();
    Zeile(i, "ALLGEMEINE ANGABEN");
    Zeile(i, "------------------");
    if (P.kzStroem != 0) {
        Zeile(L(49));
        Zeile(L(50));
        Leer();
    }
    Zeile(i, "Kote z= 0.00 = OK Wand = OK 1.Schicht.");
    Zeile(i, "Senkrechte Abböschungen hinter der Wand sind möglich.");
    Zeile(i, "Deshalb lassen sich auch reine Hochwasserwände berechnen.");
    Zeile(i, "Alle Schichten verlaufen horizontal.");
    Zeile(i, "z positiv von oben nach unten.");
    Zeile(i, "x positiv ab Hinterkante Wand zur Erdseite hin.");
    Zeile(i, "Trägheitsmomente, Lasten, Schnittkräfte für 1.00m Wandbreite.");
    Leer();
    Zeile(i, "Zustandsgrössen:");
    Zeile(i, "Die mit * gekennzeichnete Wandverformung bleibt beim Einbau des");
    Zeile(i, "zugehörigen Ankers erhalten; sie wird in den folgenden Aushub-");
    Zeile(i, "zuständen als Auflagersenkung behandelt.");
    Leer();
    Zeile(C(14), "WÄHLBARE ERDDRUCK-FIGUREN:");
    Zeile(C(14), "--------------------------");
    const std::string b16 = B(16), b18 = B(18);
    Zeile(b16, "Aktiver Erddruck   z1, z2    Knickpunkte der E.-Figuren");
    Zeile(b16, "----------------   e1        Erddruck in z1");
    Zeile(b16, "                   e1 * eps  Erddruck im Endpunkt");
    Zeile(b16, "                             der Umlagerung");
    Zeile(b18, "0  keine Umlagerung");
    Zeile(b18, "1  Dreieck (1 Anker), Trapez ( > 1 Anker)");
    Zeile(b18, "2  Rechteck");
    Leer();
    Zeile(b18, "4  Trapez-Blöcke        ( z1, z2, eps )");
    Zeile(b18, "5  Rechteck-Blöcke      ( z1, z2, eps )");
    Zeile(b18, "6  beliebige Figur");
    Zeile(b18, "7  bis Aushub nach EAU-2004 (neu)");
    Zeile(b18, "8  bis Aushub nach EAB-2006 (neu)");
    Leer();
    Zeile(b18, "   Umlagerung : infolge Bodengewicht + alle Auflasten");
    Zeile(b18, "         oder : NUR infolge Bodengewicht + großfl. Lasten");
    Leer();
    Zeile(b16, "Ruhedruck          z1, z2   Knickpunkte der E.-Figuren");
    Zeile(b16, "---------");
    Zeile(b18, "0  keine Reduktion        :  Original-Erddruck BIS WANDFUSS");
    Zeile(b18, "1  e0=const. ab z1 bis z2 :  e = eps * e0 am Wandfuß");
    Zeile(b18, "2  e0=const. ab z1 bis z2 :  e = eps * e0 in Aushubkote");
    Leer();
    Zeile(b18, "   Reduktion NUR infolge Bodengewicht + großfl. Lasten.");
    Leer(4);
}

void Sicherheitskonzept() {
    const std::string& i = E();
    Zeile(i, "BERECHNUNG MIT TEILSICHERHEITSBEIWERTEN nach DIN 1054:2010-12");
    Zeile(i, "-------------------------------------------------------------");
    Leer();
    Zeile(i, "  Grundlage der Berechnung ist DIN EN 1997-1:2009-09 (Eurocode 7)");
    Zeile(i, "  in Verbindung mit DIN EN 1997-1/NA:2010-12 (Nationaler Anhang)");
    Zeile(i, "  und DIN 1054:2010-12. Sie ersetzen zusammen DIN 1054:2005-01");
    Zeile(i, "  einschließlich zugehöriger Änderungen und Berichtigungen.");
    Leer();
    Zeile(i, "  DIN 1054:2010-12 und DIN 1054:2005-01 liefern gleiche Schnitt-");
    Zeile(i, "  größen wegen gleicher Teilsicherheitsbeiwerte (Stand März 2012).");
    Leer();
    Zeile(i, "  Das Programm berechnet die Wand nach der aktuellen EAB 2006,");
    Zeile(i, "  EB 104 (Prinzip); Beginn 20.9.2006.");
    Zeile(i, "  Insbesondere ergeben sich etwas größere Ankerlängen, falls mit");
    Zeile(i, "  Ruhedruck-Anteilen gerechnet wird (EB 44). Eine gesonderte");
    Zeile(i, "  Nachlaufberechnung mit 0 % Ruhedruck (Bruchzustand) zur");
    Zeile(i, "  Bestimmung der Ankerlängen ist nicht mehr vorgesehen,");
    Zeile(i, "  aber für den Anwender zur Kontrolle jederzeit möglich.");
    Leer();
    Zeile(i, "  Gebrauchszustand = charakt. Werte ohne Teilsicherheiten (k)");
    Zeile(i, "  Bemessungswerte  = (Design)-Werte  mit Teilsicherheiten (d)");
    Leer(2);

    Teil(i, "  Bemessungssituation .................................:");
    const char* situation = nullptr;
    const char* zeile1 = nullptr;
    const char* zeile2 = nullptr;
    switch (P.Bemessungssituation) {
    case 0:
        situation = " 0";
        zeile1 = "  ---> 0 = Eingabe von eigenen Teilsicherheitsbeiwerten";
        zeile2 = "           --------------------------------------------";
        break;
    case 1:
        situation = " BS-P";
        zeile1 = "  ------> BS-P = ständige Bemessungssituation";
        zeile2 = "  (früher LF 1 = ständige Bemessungssituation)";
        break;
    case 2:
        situation = " BS-T";
        zeile1 = "  ------> BS-T = vorübergehende Bemessungssituation";
        zeile2 = "  (früher LF 2 = vorübergehende Bemessungssituation)";
        break;
    case 3:
        situation = " BS-A";
        zeile1 = "  ------> BS-A = außergewöhnliche Bemessungssituation ";
        zeile2 = "  (früher LF 3 = außergewöhnliche Bemessungssituation)";
        break;
    case 23:
        situation = " BS-T/A";
        zeile1 = "  ------> BS-T/A = Sonderfall nach EAB 2006, EB 24, Absatz 4";
        zeile2 = "  (früher LF 2/3 = Sonderfall nach EAB 2006, EB 24, Absatz 4)";
        break;
    default:
        break;
    }
    if (situation != nullptr) {
        Zeile(situation);
        Zeile(i, zeile1);
        Zeile(i, zeile2);
        Leer();
    } else {
        Ende();
    }

    Zeile(i, "  Anpassungsfaktor ... ..............................eta = ", F(P.EtaAnpass));
    Zeile(i, "   <=1.0: reduziert die erforderliche Fußverschiebung");
    Zeile(i, "          und den charakteristischen Erdwiderstand");
    if (P.Wandart == 1) {
        Zeile(i, "          einer geschlossenen Wand (z.B. Spundwand).");
        Zeile(i, "          Unabhängig vom TBW-Reduktionsfaktor nach EAB. ");
    }
    Leer();
    Zeile(i, "  Anwender-Einstufung des Untergrundes");
    const bool guenstig = P.UntergrundGuenstig != 0;
    Zeile(i, "  für den Nachweis des hydraulischen Grundbruchs .... ", guenstig ? "günstig" : "ungünstig");
    Zeile(B(67), guenstig ? "-------" : "---------");
    Leer();
    Zeile(i, "  *  Zugehörige Teilsicherheiten für Grenzzustand HYD:");
    Zeile(i, "     (Verlust der Lagesicherheit; früher GZ 1A)");
    Zeile(i, "  Stabilisierende ständige Einwirkungen ........ gamGstb = ", F(P.gamGstb));
    Zeile(i, "  Destabilisierendege ständige Einwirkungen .... gamGdst = ", F(P.gamGdst));
    Zeile(i, "  Destabilisierende veränderliche Einwirkungen . gamQdst = ", F(P.gamQdst));
    if (guenstig)
        Zeile(i, "  Strömungskraft bei günstigem Untergrund ......    gamH = ", F(P.gamH));
    else
        Zeile(i, "  Strömungskraft bei ungünstigem Untergrund ......  gamH = ", F(P.gamH));
    Leer();
    Zeile(i, "  *  Zugehörige Teilsicherheiten für Grenzzustand STR und GEO-2:");
    Zeile(i, "     (Versagen von Bauwerken und Bauteilen; früher GZ 1B)");
    Zeile(i, "  Ständige Einwirkungen allgemein, Wasserdruck .... gamG = ", F(P.gamG));
    if (P.kzWred != 0) {
        Zeile(B(9), "--->", "  Wasserdruck reduziert ........................ gamWred = ", F(P.gamWred));
        Zeile(B(9), "--->", "  (wirksam in dieser gesamten Berechnung !!!)");
    }
    Zeile(i, "  Ständige Einwirkungen aus Erdruhedruck ........ gamE0g = ", F(P.gamE0g));
    Zeile(i, "  Ungünstige veränderliche Einwirkungen ........... gamQ = ", F(P.gamQ));
    Zeile(i, "  Erdwiderstand ..................(früher gamEp).. gamRe = ", F(P.gamRe));
    if (P.kzRered != 0 || P.kzRered2 != 0) {
        Zeile(B(9), "--->", "  Erdwiderstand reduziert ..................... gamRered = ", F(P.gamRered));
        Zeile(B(9), "--->", "  (wirksam in dieser gesamten Berechnung !!!)");
    }
    Zeile(i, "  Gleitwiderstand ................(früher gamGl).. gamRh = ", F(P.gamRh));
    Leer();
    Zeile(i, "  *  Zugehörige Teilsicherheiten für Grenzzustand GEO-3:");
    Zeile(i, "     (Verlust der Gesamtstandsicherheit; früher GZ 1C)");
    Zeile(i, "  Ständige Einwirkungen ........................... gamG = ", F(P.gamG1C));
    Zeile(i, "  Ungünstige veränderliche Einwirkungen ........... gamQ = ", F(P.gamQ1C));
    Zeile(i, "  Reibungswinkel tan(phi) des dränierten Bodens . gamPhi = ", F(P.gamPhi));
    Zeile(i, "  Kohäsion C des dränierten Bodens ................ gamC = ", F(P.gamC));
    Zeile(i, "  Scherfestigkeit Cu des undränierten Bodens ..... gamCu = ", F(P.gamC));
    Leer(2);
}

void Wand() {
    const std::string& i = E();
    const bool teil = Teilsicherheiten();
    Teil(i, "Wandtyp:  ");
    switch (P.Wandtyp) {
    case 1:
        Teil("TRÄGERBOHLWAND   Trägerbreite  ");
        Z(P.BBohl, 5, 3);
        Teil("  Achsabst.   ");
        Z(P.ABohl, 4, 2);
        Ende();
        Teil(i, "------------------------   Fußbreite     ");
        Z(P.BBFuss, 5, 3);
        Teil("  ab Kote z= ");
        Z(P.ZBFuss, 5, 2);
        Ende();
        break;
    case 2:
        Zeile("SPUNDWAND");
        Zeile(i, "-------------------");
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        Zeile("ORTBETONWAND");
        Zeile(i, "----------------------");
        if (P.Wandtyp == 3) {
            Teil(i, "Schlitzwand d(m) = ");
            Z(P.DWand, 4, 2);
            Ende();
        } else if (P.Wandtyp == 4) {
            Zeile(i, "Überschnittene Bohrpfahlwand.");
            Teil(i, "Pfahldurchmesser d(m) = ");
            Z(P.BPfDUeb, 4, 2);
            Zeile(" , Überschnitt ca. d/8.");
        } else {
            if (P.Wandtyp == 5) {
                Zeile(i, "Bohrpfähle mit Abstand, als Trägerbohlwand gerechnet");
                Zeile(i, "                        ----------------------------");
            } else {
                Zeile(i, "Bohrpfähle mit Abstand, als volle Wand (Schlitzwand) gerechnet");
                Zeile(i, "                        --------------------------------------");
            }
            Teil(i, "Pfahldurchmesser d(m) ................ = ");
            Z(P.BPfD, 4, 2);
            Ende();
            Teil(i, "Achsabstand (m) ...................... = ");
            Z(P.BPfAbstand, 4, 2);
            Ende();
        }
        if (P.BemessungEin != 0) {
            if (P.Wandtyp >= 4) {
                Teil(i, "Einflußbreite(MQ) der bewehrten Pfähle (m) = ");
                Z(P.EBreiteM, 4, 2);
                Ende();
            }
            Teil(i, "Betonstahl BSt 500 S , Betonfestigkeit : ");
            if (teil) {
                Teil("C ");
                Z(P.BetonKlasse - 100.0f, 2, 0);
            } else {
                Teil("B ");
                Z(P.BetonKlasse, 2, 0);
            }
            Ende();
            if (teil) {
                Teil(i, "Randabstand d1(cm) ................... = ");
                Z(P.d1Rand, 3, 1);
            } else {
                Teil(i, "Randabstand d1(cm) = ");
                Z(P.d1Rand, 4, 1);
                Teil(" , eta(Stahl) = ");
                Z(P.EtaBSt500, 4, 2);
            }
            Ende();
        }
        break;
    default:
        Ende();
        break;
    }

    if ((P.Wandtyp == 1 || P.Wandtyp == 2) && P.BemessungEin != 0) {
        if (P.Wandtyp == 1)
            Zeile(i, "Trägerprofil: ", P.ProfilText);
        else
            Zeile(i, "Spundwandprofil: ", P.ProfilText);
        if (!teil) {
            if (P.StahlNachEAU != 0) {
                Teil(i, "Spannungsnachweis nach EAU für Stahl S ");
                Z(P.StahlGuete, 3, 0);
            } else {
                Teil(i, "Spannungsnachweis nach EAB für Stahl S ");
                Z(P.StahlGuete, 3, 0);
                if (P.Wandtyp == 1 && P.StahlGuete == 240) Teil(" ( S 235 ... )");
            }
            Ende();
        }
    }

    Teil(i, "d = ");
    Z(P.DWand, 4, 2);
    Teil(" (m)  gamma = ");
    Z(P.GamWand, 5, 2);
    Zeile(" (kN/m3)  für Summe V und Ankeransatz");
    Zeile(P.Kommentar[4]);

    // An open wall is not under seepage, and no heave check is made for it.
    if (P.Wandart == 1) {
        P.kzStroem = 0;
        P.kzHydGrBr = 0;
    }
    if (P.kzStroem != 0) {
        Zeile(i, "Die Wand gilt als unterströmt; die Strömungkraft wird näherungs-");
        Zeile(i, "weise durch Änderung der Erd- und Wasserwichten erfaßt. Aushub-");
        Zeile(i, "weise nicht wirksam, wenn der Erddruck, der Erdwiderstand oder");
        Zeile(i, "der Wasserdruck (über Zusatzspannungen) eigens eingegeben wird.");
        Zeile(i, "Verfahren nach Spundwand-Handbuch, Abschnitt 5.2.3.");
        Zeile(i, "Seit 23.8.2009 wird der Wasserdruck reiner Hochwasserwände korrekt");
        Zeile(i, "angepasst: Änderung nur im durchströmten Boden (gamma Bod > 0.00).");
        Zeile(i, "*** Unterströmung ergibt nicht immer die größte Belastung! ***");
        Leer();
    }
}

void WandkopfUndErddruck() {
    const std::string& i = E();
    switch (P.WandKopf) {
    case 1:
        Zeile(i, "Wandkopf  ", "frei beweglich");
        break;
    case 2:
        Zeile(i, "Wandkopf  ", "frei drehbar gelagert");
        break;
    case 3:
        Zeile(i, "Wandkopf  ", "starr eingespannt");
        break;
    case 4:
        Zeile(i, "Wandkopf  ", "horizontal verschieblich eingespannt");
        break;
    default:
        break;
    }
    Leer();
    if (P.EntlastFaktor > 0.0f && P.Wandart == 1) {
        Zeile(i, "Zur Entlastung des Erdauflagers einer durchgehenden Wand wird der");
        Zeile(i, "abgeschnittene Erddruck zum Teil nach oben umgelagert. Daraus");
        Zeile(i, "ergibt sich ein Anwachsen der Schnittgrößen der Trägerbohlwand.");
        Zeile(i, "Wirksam in Aushubzuständen mit Umlagerung. Analog EAB, EB 15.");
        Leer();
        Zeile(i, "Entlastungs-Faktor nach Wahl des Anwenders ............ :  ", F(P.EntlastFaktor));
        Leer();
    }
    if (P.Erddruckart == 1) {
        Zeile(i, "AKTIVER ERDDRUCK;");
        Teil(i, "Ruhedruck-Anteil aus Bodengewicht und großfl. Lasten .. :  ");
        Z(P.RuheProz, 3, 0);
        Zeile(" %");
        Leer();
        Teil(L(43));
        Z(P.MinEah, 7, 3);
        Ende();
        Zeile(L(46));
        Zeile(L(47));
        Zeile(L(48));
        Zeile(L(11));
        Leer();
    } else if (P.Erddruckart == 2) {
        Zeile(i, "R U H E D R U C K ");
        Leer();
    }
    Zeile(i, "Erdwiderstand mit gekrümmten Gleitflächen nach");
    Teil(i, "Caquot-Kérisel bei phi größer als ..................... :");
    Z(P.PhiCaq, 7, 2);
    Zeile("°");
    Zeile(i, "Die Wandreibungswinkel werden wie eingegeben verwendet.");
    Zeile(i, "Nicht wirksam bei Berechnung nach Culmann mit geraden Gleitflächen.");
    Leer();
    if (!Teilsicherheiten()) {
        Teil(i, "Erforderlicher Sicherheitsbeiwert ( Erdwiderstand ) eta :  ");
        Z(P.Etap, 5, 2);
        Ende();
        Zeile(i, "(auch beim Rammtiefenzuschlag für die C-Kraft nach Blum)        ");
        Leer();
    }
    Teil(L(41));
    Z(P.DeltaZF, 7, 2);
    Zeile("° max");
    Zeile(L(42));
    Zeile(i, "    R.Winkel + :  phi*1/3 (EB 9)                  (19.01.2011)");
    Zeile(i, "    R.Winkel - : -phi*2/3 bei ebenen Gleitflächen (19.01.2011)");
    Zeile(i, "    R.Winkel - : -phi     bei gekrümmten   \"      (19.01.2011)");
    Zeile(i, "    (angesetzter Wert siehe bei Rammtiefenzuschlag)");
    Leer();
    if (P.zMGelenk > 0.0f) {
        Teil(i, "Sonderfall M-Gelenk bei Kote .......................... :  ");
        Z(P.zMGelenk, 5, 2);
        Zeile(" m");
        Zeile(i, "    Die Biegelinie kann durch kleine Werte von E*I/m");
        Zeile(i, "    im Bereich des Gelenks angepaßt werden.");
        Leer(2);
    }
    Leer();
}

// One row of a layer block: the label, then one field per layer k = von..bis.
template <class Feld> void BlockZeile(const std::string& label, int von, int bis, Feld feld) {
    Teil(label);
    for (int k = von; k <= bis; ++k)
        feld(k);
    Ende();
}

void Bodenkennwerte() {
    const std::string& i = E();
    const float g = P.GradZuRad;
    if (Teilsicherheiten())
        Zeile(i, "BODENMECHANISCHE KENNWERTE", "  (charakteristische Werte)");
    else
        Zeile(i, "BODENMECHANISCHE KENNWERTE");
    Zeile(i, "--------------------------");

    for (int von = 1; von <= P.AnzErd; von += 4) {
        const int bis = std::min<int>(P.AnzErd, von + 3);
        // Depth of the top of layer k as the running sum of the thicknesses above it.
        auto oben = [](int k) {
            float s = 0.0f;
            for (int m = 1; m < k; ++m)
                s += P.SchichtDicke[m];
            return s;
        };
        BlockZeile(L(0), von, bis, [](int k) {
            Teil(B(6));
            Z(static_cast<float>(k), 1, 0);
            Teil(B(2));
        });
        BlockZeile(L(14), von, bis, [&](int k) { Z(oben(k), 9, 2); });
        BlockZeile(L(1), von, bis, [](int k) { Z(P.SchichtDicke[k], 9, 2); });
        BlockZeile(L(24), von, bis, [&](int k) { Z(oben(k + 1), 9, 2); });
        BlockZeile(L(2), von, bis, [&](int k) { Z(P.SchichtPhi[k] / g, 9, 2); });
        BlockZeile(L(3), von, bis, [&](int k) { Z(P.SchichtDeltaA[k] / g, 9, 2); });
        BlockZeile(L(4), von, bis, [](int k) { Z(P.SchichtCa[k], 9, 2); });
        BlockZeile(L(5), von, bis, [](int k) { Z(P.SchichtGamma[k], 9, 2); });
        BlockZeile(L(6), von, bis, [](int k) { Z(P.SchichtGammaAuftrieb[k], 9, 2); });
        BlockZeile(L(7), von, bis, [](int k) { Z(P.SchichtEI[k], 9, 2); });
        BlockZeile(L(9), von, bis, [](int k) { Z(P.SchichtCp[k], 9, 2); });
        BlockZeile(i + "Wandreib. passiv   (-+ °) ", von, bis,
                   [&](int k) { Z(P.SchichtDeltaP[k] / g, 9, 2); });
        Zeile(i, "(Erddruck-Neigungswinkel)");

        bool aushubseite = false;
        for (int k = von; k <= bis; ++k)
            if (P.SchichtGammaAush[k] != P.SchichtGamma[k] ||
                P.SchichtGammaAuftriebAush[k] != P.SchichtGammaAuftrieb[k])
                aushubseite = true;
        if (aushubseite) {
            Leer();
            Zeile(L(113));
            BlockZeile(L(114), von, bis, [](int k) { Z(P.SchichtGammaAush[k], 9, 2); });
            BlockZeile(L(115), von, bis, [](int k) { Z(P.SchichtGammaAuftriebAush[k], 9, 2); });
        }
        Leer();
        if (Teilsicherheiten())
            Zeile(i, "zugehörige Beiwerte (für eine geschlossene Wand):", " charakt. Werte");
        else
            Zeile(i, "zugehörige Beiwerte (für eine geschlossene Wand):");
        if (P.Erddruckart == 1) {
            BlockZeile(i + "akt. E-Druckbeiwert  kagh ", von, bis, [](int k) { Z(P.SchichtKagh[k], 9, 3); });
            BlockZeile(i + "Ruhedruckbeiwert       k0 ", von, bis, [](int k) {
                Z(static_cast<float>(1.0 - std::sin(static_cast<double>(P.SchichtPhi[k]))), 9, 3);
            });
            BlockZeile(i + "resultier. Beiwert  res.k ", von, bis,
                       [](int k) { Z(P.SchichtKaAnteil[k] + P.SchichtK0Anteil[k], 9, 3); });
        } else {
            BlockZeile(i + "Ruhedruck            k0   ", von, bis,
                       [](int k) { Z(P.SchichtKaAnteil[k], 9, 3); });
        }
        // Layers without cohesion keep no cohesion coefficient for the run.
        BlockZeile(i + "Beiwert Kohäs. akt.  kach ", von, bis, [](int k) {
            if (P.SchichtCa[k] == 0.0f) P.SchichtKach[k] = 0.0f;
            Z(P.SchichtKach[k], 9, 3);
        });
        BlockZeile(i + "Beiwert Kohäs. pass  kpch ", von, bis, [](int k) {
            if (P.SchichtCp[k] == 0.0f) P.SchichtKpch[k] = 0.0f;
            Z(P.SchichtKpch[k], 9, 3);
        });
        BlockZeile(i + "Widerstandsbeiwert   kpgh ", von, bis, [](int k) { Z(P.SchichtKpgh[k], 9, 3); });
        // A passive coefficient without a plane passive wedge is carried as 0: say so instead
        // of leaving the 0 to look like a result (kpch only where there is passive cohesion).
        for (int k = von; k <= bis; ++k) {
            const int fehlt = zormcom::Lauf.BeiwertNichtBestimmbar[static_cast<std::size_t>(k)];
            if ((fehlt & 1) != 0)
                Zeile(i, "*** Schicht ", std::to_string(k),
                      ": kpgh nicht bestimmbar (keine ebene Gleitfläche)");
            if ((fehlt & 2) != 0 && P.SchichtCp[k] != 0.0f)
                Zeile(i, "*** Schicht ", std::to_string(k),
                      ": kpch nicht bestimmbar (keine ebene Gleitfläche)");
            if ((fehlt & 4) != 0)
                Zeile(i, "*** Schicht ", std::to_string(k),
                      ": kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt");
        }
        Leer();
    }
}

void VorgegebeneBeiwerte() {
    const std::string& i = E();
    const float g = P.GradZuRad;
    Zeile(L(73));
    Zeile(L(74));
    Zeile(L(75));
    Leer();
    Zeile(L(70));
    Zeile(L(71));
    for (int k = 1; k <= P.AnzErd; ++k) {
        Teil(i);
        Z(static_cast<float>(k), 3, 0);
        Z(P.SchichtDicke[k], 11, 2);
        Z(P.SchichtKaghVorgabe[k], 7, 3);
        Z(P.SchichtKachVorgabe[k], 7, 3);
        Z(P.SchichtKpchVorgabe[k], 7, 3);
        Z(P.SchichtKpghVorgabe[k], 7, 3);
        Z(P.SchichtDeltaANeu[k] / g, 13, 2);
        Z(P.SchichtDeltaPNeu[k] / g, 8, 2);
        Ende();
    }
    Leer();
    bool stufen = false;
    for (int k = 1; k <= 12; ++k)
        if (P.DeltaNeuAushub[k] != 0) stufen = true;
    if (stufen) {
        Zeile("  ", L(77));
        Teil(i);
        for (int k = 1; k <= 12; ++k)
            if (P.DeltaNeuAushub[k] != 0) Z(P.DeltaNeuAushub[k], 4, 0);
        Zeile(" (auch bei Berechnung nach Culmann 2.3.2011)");
        Leer();
    } else {
        Leer();
    }
}

void Boeschungen() {
    const std::string& i = E();
    if (P.AnzBoesch < 1) {
        Leer();
        return;
    }
    Zeile(L(21));
    Zeile(P.Kommentar[4].substr(0, 73));
    Zeile("  ", L(22));
    Zeile("  ", L(23));
    for (int k = 1; k <= P.AnzBoesch; ++k) {
        Z(P.BoeschX1[k], 21, 2);
        Z(P.BoeschX2[k], 8, 2);
        Z(P.BoeschZ1[k], 7, 2);
        Z(P.BoeschZ2[k], 7, 2);
        Z(P.BoeschGamma[k], 9, 2);
        Z(P.BoeschPhi[k], 11, 2);
        Ende();
    }
    Leer();
    Zeile(i, "Böschungen werden nach dem Spundwand-Handbuch");
    Zeile(i, "  erfasst. Bei Böschungen unterhalb z = 0.00 werden die");
    Zeile(i, "  Bodenkennwerte der angeschnittenen Schichten verwendet.");
    Zeile(i, "  Der Wasserstand wird dabei beachtet.");
    Leer(2);
}

} // namespace

void EchoAllgemeinWandBoden() {
    if (P.AllgAngaben != 0) AllgemeineAngaben();
    if (P.TeilsicherheitenAn != 0) Sicherheitskonzept();
    Wand();
    WandkopfUndErddruck();
    Bodenkennwerte();
    if (P.BeiwerteGegeben == 1) VorgegebeneBeiwerte();
    Boeschungen();
    Leer();
}

} // namespace zorma
