// Input echo, first half: general notes, safety concept, wall, wall head and earth-pressure
// options, soil parameters, given coefficients and slopes.
#include "earthpressure/input_echo.h"

#include <algorithm>
#include <cmath>

#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zorma {

namespace {

// The chosen profile's line behind its caption; a line too long for the report goes on below the caption
// in pieces of 60 characters.
void ProfilTextDrucken(const std::string& was) {
    const std::string& i = Bericht.Einrueckung;
    if (vb::Len(i) + vb::Len(was) + vb::Len(P.ProfilText) <= kBerichtSpalten) {
        ZeileDrucken(i, was, P.ProfilText);
        return;
    }
    ZeileDrucken(i, was);
    TextDrucken(vb::Len(i) + 1, P.ProfilText);
}

bool Teilsicherheiten() {
    return P.TeilsicherheitenAn != 0;
}

void AllgemeineAngaben() {
    const std::string& i = Bericht.Einrueckung;
    ZeileDrucken(i, "ALLGEMEINE ANGABEN");
    ZeileDrucken(i, "------------------");
    if (zormcom::Lauf.kzStroem != 0) {
        ZeileDrucken(Bezeichnung(49));
        ZeileDrucken(Bezeichnung(50));
        Leerzeilen();
    }
    ZeileDrucken(i, "Kote z= 0.00 = OK Wand = OK 1.Schicht.");
    ZeileDrucken(i, "Senkrechte Abböschungen hinter der Wand sind möglich.");
    ZeileDrucken(i, "Deshalb lassen sich auch reine Hochwasserwände berechnen.");
    ZeileDrucken(i, "Alle Schichten verlaufen horizontal.");
    ZeileDrucken(i, "z positiv von oben nach unten.");
    ZeileDrucken(i, "x positiv ab Hinterkante Wand zur Erdseite hin.");
    ZeileDrucken(i, "Trägheitsmomente, Lasten, Schnittkräfte für 1.00m Wandbreite.");
    Leerzeilen();
    ZeileDrucken(i, "Zustandsgrössen:");
    ZeileDrucken(i, "Die mit * gekennzeichnete Wandverformung bleibt beim Einbau des");
    ZeileDrucken(i, "zugehörigen Ankers erhalten; sie wird in den folgenden Aushub-");
    ZeileDrucken(i, "zuständen als Auflagersenkung behandelt.");
    Leerzeilen();
    ZeileDrucken(Spalte(14), "WÄHLBARE ERDDRUCK-FIGUREN:");
    ZeileDrucken(Spalte(14), "--------------------------");
    const std::string b16 = Leerzeichen(16), b18 = Leerzeichen(18);
    ZeileDrucken(b16, "Aktiver Erddruck   z1, z2    Knickpunkte der E.-Figuren");
    ZeileDrucken(b16, "----------------   e1        Erddruck in z1");
    ZeileDrucken(b16, "                   e1 * eps  Erddruck im Endpunkt");
    ZeileDrucken(b16, "                             der Umlagerung");
    ZeileDrucken(b18, "0  keine Umlagerung");
    ZeileDrucken(b18, "1  Dreieck (1 Anker), Trapez ( > 1 Anker)");
    ZeileDrucken(b18, "2  Rechteck");
    Leerzeilen();
    ZeileDrucken(b18, "4  Trapez-Blöcke        ( z1, z2, eps )");
    ZeileDrucken(b18, "5  Rechteck-Blöcke      ( z1, z2, eps )");
    ZeileDrucken(b18, "6  beliebige Figur");
    ZeileDrucken(b18, "7  bis Aushub nach EAU-2004 (neu)");
    ZeileDrucken(b18, "8  bis Aushub nach EAB-2006 (neu)");
    Leerzeilen();
    ZeileDrucken(b18, "   Umlagerung : infolge Bodengewicht + alle Auflasten");
    ZeileDrucken(b18, "         oder : NUR infolge Bodengewicht + großfl. Lasten");
    Leerzeilen();
    ZeileDrucken(b16, "Ruhedruck          z1, z2   Knickpunkte der E.-Figuren");
    ZeileDrucken(b16, "---------");
    ZeileDrucken(b18, "0  keine Reduktion        :  Original-Erddruck BIS WANDFUSS");
    ZeileDrucken(b18, "1  e0=const. ab z1 bis z2 :  e = eps * e0 am Wandfuß");
    ZeileDrucken(b18, "2  e0=const. ab z1 bis z2 :  e = eps * e0 in Aushubkote");
    Leerzeilen();
    ZeileDrucken(b18, "   Reduktion NUR infolge Bodengewicht + großfl. Lasten.");
    Leerzeilen(4);
}

void Sicherheitskonzept() {
    const std::string& i = Bericht.Einrueckung;
    ZeileDrucken(i, "BERECHNUNG MIT TEILSICHERHEITSBEIWERTEN nach DIN 1054:2010-12");
    ZeileDrucken(i, "-------------------------------------------------------------");
    Leerzeilen();
    ZeileDrucken(i, "  Grundlage der Berechnung ist DIN EN 1997-1:2009-09 (Eurocode 7)");
    ZeileDrucken(i, "  in Verbindung mit DIN EN 1997-1/NA:2010-12 (Nationaler Anhang)");
    ZeileDrucken(i, "  und DIN 1054:2010-12. Sie ersetzen zusammen DIN 1054:2005-01");
    ZeileDrucken(i, "  einschließlich zugehöriger Änderungen und Berichtigungen.");
    Leerzeilen();
    ZeileDrucken(i, "  DIN 1054:2010-12 und DIN 1054:2005-01 liefern gleiche Schnitt-");
    ZeileDrucken(i, "  größen wegen gleicher Teilsicherheitsbeiwerte (Stand März 2012).");
    Leerzeilen();
    ZeileDrucken(i, "  Das Programm berechnet die Wand nach der aktuellen EAB 2006,");
    ZeileDrucken(i, "  EB 104 (Prinzip); Beginn 20.9.2006.");
    ZeileDrucken(i, "  Insbesondere ergeben sich etwas größere Ankerlängen, falls mit");
    ZeileDrucken(i, "  Ruhedruck-Anteilen gerechnet wird (EB 44). Eine gesonderte");
    ZeileDrucken(i, "  Nachlaufberechnung mit 0 % Ruhedruck (Bruchzustand) zur");
    ZeileDrucken(i, "  Bestimmung der Ankerlängen ist nicht mehr vorgesehen,");
    ZeileDrucken(i, "  aber für den Anwender zur Kontrolle jederzeit möglich.");
    Leerzeilen();
    ZeileDrucken(i, "  Gebrauchszustand = charakt. Werte ohne Teilsicherheiten (k)");
    ZeileDrucken(i, "  Bemessungswerte  = (Design)-Werte  mit Teilsicherheiten (d)");
    Leerzeilen(2);

    Drucken(i, "  Bemessungssituation .................................:");
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
        ZeileDrucken(situation);
        ZeileDrucken(i, zeile1);
        ZeileDrucken(i, zeile2);
        Leerzeilen();
    } else {
        ZeileBeenden();
    }

    ZeileDrucken(i, "  Anpassungsfaktor ... ..............................eta = ", ZweiStellen(P.EtaAnpass));
    ZeileDrucken(i, "   <=1.0: reduziert die erforderliche Fußverschiebung");
    ZeileDrucken(i, "          und den charakteristischen Erdwiderstand");
    if (P.Wandart == 1) {
        ZeileDrucken(i, "          einer geschlossenen Wand (z.B. Spundwand).");
        ZeileDrucken(i, "          Unabhängig vom TBW-Reduktionsfaktor nach EAB. ");
    }
    Leerzeilen();
    ZeileDrucken(i, "  Anwender-Einstufung des Untergrundes");
    const bool guenstig = P.UntergrundGuenstig != 0;
    ZeileDrucken(i, "  für den Nachweis des hydraulischen Grundbruchs .... ",
                 guenstig ? "günstig" : "ungünstig");
    ZeileDrucken(Leerzeichen(67), guenstig ? "-------" : "---------");
    Leerzeilen();
    ZeileDrucken(i, "  *  Zugehörige Teilsicherheiten für Grenzzustand HYD:");
    ZeileDrucken(i, "     (Verlust der Lagesicherheit; früher GZ 1A)");
    ZeileDrucken(i, "  Stabilisierende ständige Einwirkungen ........ gamGstb = ", ZweiStellen(P.gamGstb));
    ZeileDrucken(i, "  Destabilisierendege ständige Einwirkungen .... gamGdst = ", ZweiStellen(P.gamGdst));
    ZeileDrucken(i, "  Destabilisierende veränderliche Einwirkungen . gamQdst = ", ZweiStellen(P.gamQdst));
    if (guenstig)
        ZeileDrucken(i, "  Strömungskraft bei günstigem Untergrund ......    gamH = ", ZweiStellen(P.gamH));
    else
        ZeileDrucken(i, "  Strömungskraft bei ungünstigem Untergrund ......  gamH = ", ZweiStellen(P.gamH));
    Leerzeilen();
    ZeileDrucken(i, "  *  Zugehörige Teilsicherheiten für Grenzzustand STR und GEO-2:");
    ZeileDrucken(i, "     (Versagen von Bauwerken und Bauteilen; früher GZ 1B)");
    ZeileDrucken(i, "  Ständige Einwirkungen allgemein, Wasserdruck .... gamG = ", ZweiStellen(P.gamG));
    if (P.kzWred != 0) {
        ZeileDrucken(Leerzeichen(9), "--->",
                     "  Wasserdruck reduziert ........................ gamWred = ", ZweiStellen(P.gamWred));
        ZeileDrucken(Leerzeichen(9), "--->", "  (wirksam in dieser gesamten Berechnung !!!)");
    }
    ZeileDrucken(i, "  Ständige Einwirkungen aus Erdruhedruck ........ gamE0g = ", ZweiStellen(P.gamE0g));
    ZeileDrucken(i, "  Ungünstige veränderliche Einwirkungen ........... gamQ = ", ZweiStellen(P.gamQ));
    ZeileDrucken(i, "  Erdwiderstand ..................(früher gamEp).. gamRe = ", ZweiStellen(P.gamRe));
    if (P.kzRered != 0 || P.kzRered2 != 0) {
        ZeileDrucken(Leerzeichen(9), "--->",
                     "  Erdwiderstand reduziert ..................... gamRered = ", ZweiStellen(P.gamRered));
        ZeileDrucken(Leerzeichen(9), "--->", "  (wirksam in dieser gesamten Berechnung !!!)");
    }
    ZeileDrucken(i, "  Gleitwiderstand ................(früher gamGl).. gamRh = ", ZweiStellen(P.gamRh));
    Leerzeilen();
    ZeileDrucken(i, "  *  Zugehörige Teilsicherheiten für Grenzzustand GEO-3:");
    ZeileDrucken(i, "     (Verlust der Gesamtstandsicherheit; früher GZ 1C)");
    ZeileDrucken(i, "  Ständige Einwirkungen ........................... gamG = ", ZweiStellen(P.gamG1C));
    ZeileDrucken(i, "  Ungünstige veränderliche Einwirkungen ........... gamQ = ", ZweiStellen(P.gamQ1C));
    ZeileDrucken(i, "  Reibungswinkel tan(phi) des dränierten Bodens . gamPhi = ", ZweiStellen(P.gamPhi));
    ZeileDrucken(i, "  Kohäsion C des dränierten Bodens ................ gamC = ", ZweiStellen(P.gamC));
    ZeileDrucken(i, "  Scherfestigkeit Cu des undränierten Bodens ..... gamCu = ", ZweiStellen(P.gamC));
    Leerzeilen(2);
}

void Wand() {
    const std::string& i = Bericht.Einrueckung;
    const bool teil = Teilsicherheiten();
    Drucken(i, "Wandtyp:  ");
    switch (P.Wandtyp) {
    case 1:
        Drucken("TRÄGERBOHLWAND   Trägerbreite  ");
        ZahlDrucken(P.BBohl, 5, 3);
        Drucken("  Achsabst.   ");
        ZahlDrucken(P.ABohl, 4, 2);
        ZeileBeenden();
        Drucken(i, "------------------------   Fußbreite     ");
        ZahlDrucken(P.BBFuss, 5, 3);
        Drucken("  ab Kote z= ");
        ZahlDrucken(P.ZBFuss, 5, 2);
        ZeileBeenden();
        break;
    case 2:
        ZeileDrucken("SPUNDWAND");
        ZeileDrucken(i, "-------------------");
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        ZeileDrucken("ORTBETONWAND");
        ZeileDrucken(i, "----------------------");
        if (P.Wandtyp == 3) {
            Drucken(i, "Schlitzwand d(m) = ");
            ZahlDrucken(P.DWand, 4, 2);
            ZeileBeenden();
        } else if (P.Wandtyp == 4) {
            ZeileDrucken(i, "Überschnittene Bohrpfahlwand.");
            Drucken(i, "Pfahldurchmesser d(m) = ");
            ZahlDrucken(P.BPfDUeb, 4, 2);
            ZeileDrucken(" , Überschnitt ca. d/8.");
        } else {
            if (P.Wandtyp == 5) {
                ZeileDrucken(i, "Bohrpfähle mit Abstand, als Trägerbohlwand gerechnet");
                ZeileDrucken(i, "                        ----------------------------");
            } else {
                ZeileDrucken(i, "Bohrpfähle mit Abstand, als volle Wand (Schlitzwand) gerechnet");
                ZeileDrucken(i, "                        --------------------------------------");
            }
            Drucken(i, "Pfahldurchmesser d(m) ................ = ");
            ZahlDrucken(P.BPfD, 4, 2);
            ZeileBeenden();
            Drucken(i, "Achsabstand (m) ...................... = ");
            ZahlDrucken(P.BPfAbstand, 4, 2);
            ZeileBeenden();
        }
        if (P.BemessungEin != 0) {
            if (P.Wandtyp >= 4) {
                Drucken(i, "Einflußbreite(MQ) der bewehrten Pfähle (m) = ");
                ZahlDrucken(P.EBreiteM, 4, 2);
                ZeileBeenden();
            }
            Drucken(i, "Betonstahl BSt 500 S , Betonfestigkeit : ");
            if (teil) {
                Drucken("C ");
                ZahlDrucken(P.BetonKlasse - 100.0f, 2, 0);
            } else {
                Drucken("B ");
                ZahlDrucken(P.BetonKlasse, 2, 0);
            }
            ZeileBeenden();
            if (teil) {
                Drucken(i, "Randabstand d1(cm) ................... = ");
                ZahlDrucken(P.d1Rand, 3, 1);
            } else {
                Drucken(i, "Randabstand d1(cm) = ");
                ZahlDrucken(P.d1Rand, 4, 1);
                Drucken(" , eta(Stahl) = ");
                ZahlDrucken(P.EtaBSt500, 4, 2);
            }
            ZeileBeenden();
        }
        break;
    default:
        ZeileBeenden();
        break;
    }

    if ((P.Wandtyp == 1 || P.Wandtyp == 2) && P.BemessungEin != 0) {
        if (P.Wandtyp == 1)
            ProfilTextDrucken("Trägerprofil: ");
        else
            ProfilTextDrucken("Spundwandprofil: ");
        if (!teil) {
            if (P.StahlNachEAU != 0) {
                Drucken(i, "Spannungsnachweis nach EAU für Stahl S ");
                ZahlDrucken(P.StahlGuete, 3, 0);
            } else {
                Drucken(i, "Spannungsnachweis nach EAB für Stahl S ");
                ZahlDrucken(P.StahlGuete, 3, 0);
                if (P.Wandtyp == 1 && P.StahlGuete == 240) Drucken(" ( S 235 ... )");
            }
            ZeileBeenden();
        }
    }

    Drucken(i, "d = ");
    ZahlDrucken(P.DWand, 4, 2);
    Drucken(" (m)  gamma = ");
    ZahlDrucken(P.GamWand, 5, 2);
    ZeileDrucken(" (kN/m3)  für Summe V und Ankeransatz");
    ZeileDrucken(P.Kommentar[4]);

    // An open wall is not under seepage, and no heave check is made for it.
    if (P.Wandart == 1) {
        zormcom::Lauf.kzStroem = 0;
        zormcom::Lauf.kzHydGrBr = 0;
    }
    if (zormcom::Lauf.kzStroem != 0) {
        ZeileDrucken(i, "Die Wand gilt als unterströmt; die Strömungkraft wird näherungs-");
        ZeileDrucken(i, "weise durch Änderung der Erd- und Wasserwichten erfaßt. Aushub-");
        ZeileDrucken(i, "weise nicht wirksam, wenn der Erddruck, der Erdwiderstand oder");
        ZeileDrucken(i, "der Wasserdruck (über Zusatzspannungen) eigens eingegeben wird.");
        ZeileDrucken(i, "Verfahren nach Spundwand-Handbuch, Abschnitt 5.2.3.");
        ZeileDrucken(i, "Seit 23.8.2009 wird der Wasserdruck reiner Hochwasserwände korrekt");
        ZeileDrucken(i, "angepasst: Änderung nur im durchströmten Boden (gamma Bod > 0.00).");
        ZeileDrucken(i, "*** Unterströmung ergibt nicht immer die größte Belastung! ***");
        Leerzeilen();
    }
}

void WandkopfUndErddruck() {
    const std::string& i = Bericht.Einrueckung;
    switch (P.WandKopf) {
    case 1:
        ZeileDrucken(i, "Wandkopf  ", "frei beweglich");
        break;
    case 2:
        ZeileDrucken(i, "Wandkopf  ", "frei drehbar gelagert");
        break;
    case 3:
        ZeileDrucken(i, "Wandkopf  ", "starr eingespannt");
        break;
    case 4:
        ZeileDrucken(i, "Wandkopf  ", "horizontal verschieblich eingespannt");
        break;
    default:
        break;
    }
    Leerzeilen();
    if (P.EntlastFaktor > 0.0f && P.Wandart == 1) {
        ZeileDrucken(i, "Zur Entlastung des Erdauflagers einer durchgehenden Wand wird der");
        ZeileDrucken(i, "abgeschnittene Erddruck zum Teil nach oben umgelagert. Daraus");
        ZeileDrucken(i, "ergibt sich ein Anwachsen der Schnittgrößen der Trägerbohlwand.");
        ZeileDrucken(i, "Wirksam in Aushubzuständen mit Umlagerung. Analog EAB, EB 15.");
        Leerzeilen();
        ZeileDrucken(
            i, "Entlastungs-Faktor nach Wahl des Anwenders ............ :  ", ZweiStellen(P.EntlastFaktor));
        Leerzeilen();
    }
    if (P.Erddruckart == 1) {
        ZeileDrucken(i, "AKTIVER ERDDRUCK;");
        Drucken(i, "Ruhedruck-Anteil aus Bodengewicht und großfl. Lasten .. :  ");
        ZahlDrucken(P.RuheProz, 3, 0);
        ZeileDrucken(" %");
        Leerzeilen();
        Drucken(Bezeichnung(43));
        ZahlDrucken(P.MinEah, 7, 3);
        ZeileBeenden();
        ZeileDrucken(Bezeichnung(46));
        ZeileDrucken(Bezeichnung(47));
        ZeileDrucken(Bezeichnung(48));
        ZeileDrucken(Bezeichnung(11));
        Leerzeilen();
    } else if (P.Erddruckart == 2) {
        ZeileDrucken(i, "R U H E D R U C K ");
        Leerzeilen();
    }
    ZeileDrucken(i, "Erdwiderstand mit gekrümmten Gleitflächen nach");
    Drucken(i, "Caquot-Kérisel bei phi größer als ..................... :");
    ZahlDrucken(P.PhiCaq, 7, 2);
    ZeileDrucken("°");
    ZeileDrucken(i, "Die Wandreibungswinkel werden wie eingegeben verwendet.");
    ZeileDrucken(i, "Nicht wirksam bei Berechnung nach Culmann mit geraden Gleitflächen.");
    Leerzeilen();
    if (!Teilsicherheiten()) {
        Drucken(i, "Erforderlicher Sicherheitsbeiwert ( Erdwiderstand ) eta :  ");
        ZahlDrucken(P.Etap, 5, 2);
        ZeileBeenden();
        ZeileDrucken(i, "(auch beim Rammtiefenzuschlag für die C-Kraft nach Blum)        ");
        Leerzeilen();
    }
    Drucken(Bezeichnung(41));
    ZahlDrucken(P.DeltaZF, 7, 2);
    ZeileDrucken("° max");
    ZeileDrucken(Bezeichnung(42));
    ZeileDrucken(i, "    R.Winkel + :  phi*1/3 (EB 9)                  (19.01.2011)");
    ZeileDrucken(i, "    R.Winkel - : -phi*2/3 bei ebenen Gleitflächen (19.01.2011)");
    ZeileDrucken(i, "    R.Winkel - : -phi     bei gekrümmten   \"      (19.01.2011)");
    ZeileDrucken(i, "    (angesetzter Wert siehe bei Rammtiefenzuschlag)");
    Leerzeilen();
    if (P.zMGelenk > 0.0f) {
        Drucken(i, "Sonderfall M-Gelenk bei Kote .......................... :  ");
        ZahlDrucken(P.zMGelenk, 5, 2);
        ZeileDrucken(" m");
        ZeileDrucken(i, "    Die Biegelinie kann durch kleine Werte von E*I/m");
        ZeileDrucken(i, "    im Bereich des Gelenks angepaßt werden.");
        Leerzeilen(2);
    }
    Leerzeilen();
}

// One row of a layer block: the label, then one field per layer k = von..bis.
template <class Feld> void BlockZeile(const std::string& label, int von, int bis, Feld feld) {
    Drucken(label);
    for (int k = von; k <= bis; ++k)
        feld(k);
    ZeileBeenden();
}

void Bodenkennwerte() {
    const std::string& i = Bericht.Einrueckung;
    const float g = P.GradZuRad;
    if (Teilsicherheiten())
        ZeileDrucken(i, "BODENMECHANISCHE KENNWERTE", "  (charakteristische Werte)");
    else
        ZeileDrucken(i, "BODENMECHANISCHE KENNWERTE");
    ZeileDrucken(i, "--------------------------");

    for (int von = 1; von <= P.AnzErd; von += 4) {
        const int bis = std::min<int>(P.AnzErd, von + 3);
        // Depth of the top of layer k as the running sum of the thicknesses above it.
        auto oben = [](int k) {
            float s = 0.0f;
            for (int m = 1; m < k; ++m)
                s += P.SchichtDicke[m];
            return s;
        };
        BlockZeile(Bezeichnung(0), von, bis, [](int k) {
            Drucken(Leerzeichen(6));
            ZahlDrucken(static_cast<float>(k), 1, 0);
            Drucken(Leerzeichen(2));
        });
        BlockZeile(Bezeichnung(14), von, bis, [&](int k) { ZahlDrucken(oben(k), 9, 2); });
        BlockZeile(Bezeichnung(1), von, bis, [](int k) { ZahlDrucken(P.SchichtDicke[k], 9, 2); });
        BlockZeile(Bezeichnung(24), von, bis, [&](int k) { ZahlDrucken(oben(k + 1), 9, 2); });
        BlockZeile(Bezeichnung(2), von, bis, [&](int k) { ZahlDrucken(P.SchichtPhi[k] / g, 9, 2); });
        BlockZeile(Bezeichnung(3), von, bis, [&](int k) { ZahlDrucken(P.SchichtDeltaA[k] / g, 9, 2); });
        BlockZeile(Bezeichnung(4), von, bis, [](int k) { ZahlDrucken(P.SchichtCa[k], 9, 2); });
        BlockZeile(Bezeichnung(5), von, bis, [](int k) { ZahlDrucken(P.SchichtGamma[k], 9, 2); });
        BlockZeile(Bezeichnung(6), von, bis, [](int k) { ZahlDrucken(P.SchichtGammaAuftrieb[k], 9, 2); });
        BlockZeile(Bezeichnung(7), von, bis, [](int k) { ZahlDrucken(P.SchichtEI[k], 9, 2); });
        BlockZeile(Bezeichnung(9), von, bis, [](int k) { ZahlDrucken(P.SchichtCp[k], 9, 2); });
        BlockZeile(i + "Wandreib. passiv   (-+ °) ", von, bis,
                   [&](int k) { ZahlDrucken(P.SchichtDeltaP[k] / g, 9, 2); });
        ZeileDrucken(i, "(Erddruck-Neigungswinkel)");

        bool aushubseite = false;
        for (int k = von; k <= bis; ++k)
            if (P.SchichtGammaAush[k] != P.SchichtGamma[k] ||
                P.SchichtGammaAuftriebAush[k] != P.SchichtGammaAuftrieb[k])
                aushubseite = true;
        if (aushubseite) {
            Leerzeilen();
            ZeileDrucken(Bezeichnung(113));
            BlockZeile(Bezeichnung(114), von, bis, [](int k) { ZahlDrucken(P.SchichtGammaAush[k], 9, 2); });
            BlockZeile(Bezeichnung(115), von, bis,
                       [](int k) { ZahlDrucken(P.SchichtGammaAuftriebAush[k], 9, 2); });
        }
        Leerzeilen();
        if (Teilsicherheiten())
            ZeileDrucken(i, "zugehörige Beiwerte (für eine geschlossene Wand):", " charakt. Werte");
        else
            ZeileDrucken(i, "zugehörige Beiwerte (für eine geschlossene Wand):");
        if (P.Erddruckart == 1) {
            BlockZeile(i + "akt. E-Druckbeiwert  kagh ", von, bis,
                       [](int k) { ZahlDrucken(zormcom::Lauf.SchichtKagh[k], 9, 3); });
            BlockZeile(i + "Ruhedruckbeiwert       k0 ", von, bis, [](int k) {
                ZahlDrucken(static_cast<float>(1.0 - std::sin(static_cast<double>(P.SchichtPhi[k]))), 9, 3);
            });
            BlockZeile(i + "resultier. Beiwert  res.k ", von, bis, [](int k) {
                ZahlDrucken(zormcom::Lauf.SchichtKaAnteil[k] + zormcom::Lauf.SchichtK0Anteil[k], 9, 3);
            });
        } else {
            BlockZeile(i + "Ruhedruck            k0   ", von, bis,
                       [](int k) { ZahlDrucken(zormcom::Lauf.SchichtKaAnteil[k], 9, 3); });
        }
        // Layers without cohesion keep no cohesion coefficient for the run.
        BlockZeile(i + "Beiwert Kohäs. akt.  kach ", von, bis, [](int k) {
            if (P.SchichtCa[k] == 0.0f) zormcom::Lauf.SchichtKach[k] = 0.0f;
            ZahlDrucken(zormcom::Lauf.SchichtKach[k], 9, 3);
        });
        BlockZeile(i + "Beiwert Kohäs. pass  kpch ", von, bis, [](int k) {
            if (P.SchichtCp[k] == 0.0f) zormcom::Lauf.SchichtKpch[k] = 0.0f;
            ZahlDrucken(zormcom::Lauf.SchichtKpch[k], 9, 3);
        });
        BlockZeile(i + "Widerstandsbeiwert   kpgh ", von, bis,
                   [](int k) { ZahlDrucken(zormcom::Lauf.SchichtKpgh[k], 9, 3); });
        // A passive coefficient without a plane passive wedge is carried as 0: say so instead
        // of leaving the 0 to look like a result (kpch only where there is passive cohesion).
        for (int k = von; k <= bis; ++k) {
            const int fehlt = zormcom::Lauf.BeiwertNichtBestimmbar[static_cast<std::size_t>(k)];
            if ((fehlt & 1) != 0)
                HinweisDrucken(i, "*** Schicht " + std::to_string(k) +
                                      ": kpgh nicht bestimmbar (keine ebene Gleitfläche)");
            if ((fehlt & 2) != 0 && P.SchichtCp[k] != 0.0f)
                HinweisDrucken(i, "*** Schicht " + std::to_string(k) +
                                      ": kpch nicht bestimmbar (keine ebene Gleitfläche)");
            if ((fehlt & 4) != 0)
                HinweisDrucken(i, "*** Schicht " + std::to_string(k) +
                                      ": kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt");
        }
        Leerzeilen();
    }
}

void VorgegebeneBeiwerte() {
    const std::string& i = Bericht.Einrueckung;
    const float g = P.GradZuRad;
    ZeileDrucken(Bezeichnung(73));
    ZeileDrucken(Bezeichnung(74));
    ZeileDrucken(Bezeichnung(75));
    Leerzeilen();
    ZeileDrucken(Bezeichnung(70));
    ZeileDrucken(Bezeichnung(71));
    for (int k = 1; k <= P.AnzErd; ++k) {
        Drucken(i);
        ZahlDrucken(static_cast<float>(k), 3, 0);
        ZahlDrucken(P.SchichtDicke[k], 11, 2);
        ZahlDrucken(P.SchichtKaghVorgabe[k], 7, 3);
        ZahlDrucken(P.SchichtKachVorgabe[k], 7, 3);
        ZahlDrucken(P.SchichtKpchVorgabe[k], 7, 3);
        ZahlDrucken(P.SchichtKpghVorgabe[k], 7, 3);
        ZahlDrucken(P.SchichtDeltaANeu[k] / g, 13, 2);
        ZahlDrucken(P.SchichtDeltaPNeu[k] / g, 8, 2);
        ZeileBeenden();
    }
    Leerzeilen();
    bool stufen = false;
    for (int k = 1; k <= 12; ++k)
        if (P.DeltaNeuAushub[k] != 0) stufen = true;
    if (stufen) {
        ZeileDrucken("  ", Bezeichnung(77));
        Drucken(i);
        for (int k = 1; k <= 12; ++k)
            if (P.DeltaNeuAushub[k] != 0) ZahlDrucken(P.DeltaNeuAushub[k], 4, 0);
        ZeileDrucken(" (auch bei Berechnung nach Culmann 2.3.2011)");
        Leerzeilen();
    } else {
        Leerzeilen();
    }
}

void Boeschungen() {
    const std::string& i = Bericht.Einrueckung;
    if (P.AnzBoesch < 1) {
        Leerzeilen();
        return;
    }
    ZeileDrucken(Bezeichnung(21));
    ZeileDrucken(P.Kommentar[4].substr(0, 73));
    ZeileDrucken("  ", Bezeichnung(22));
    ZeileDrucken("  ", Bezeichnung(23));
    for (int k = 1; k <= P.AnzBoesch; ++k) {
        ZahlDrucken(P.BoeschX1[k], 21, 2);
        ZahlDrucken(P.BoeschX2[k], 8, 2);
        ZahlDrucken(P.BoeschZ1[k], 7, 2);
        ZahlDrucken(P.BoeschZ2[k], 7, 2);
        ZahlDrucken(P.BoeschGamma[k], 9, 2);
        ZahlDrucken(P.BoeschPhi[k], 11, 2);
        ZeileBeenden();
    }
    Leerzeilen();
    ZeileDrucken(i, "Böschungen werden nach dem Spundwand-Handbuch");
    ZeileDrucken(i, "  erfasst. Bei Böschungen unterhalb z = 0.00 werden die");
    ZeileDrucken(i, "  Bodenkennwerte der angeschnittenen Schichten verwendet.");
    ZeileDrucken(i, "  Der Wasserstand wird dabei beachtet.");
    Leerzeilen(2);
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
    Leerzeilen();
}

} // namespace zorma
