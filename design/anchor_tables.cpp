#include "design/anchor_tables.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "design/design_stage.h"
#include "design/state.h"
#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "statics/state.h"

using zorm1::P;

namespace zormd {

namespace {

constexpr int16_t kBericht = zorma::kBerichtDateiNr;
constexpr double kPi = 3.1415929794311523; // pi in single precision
const std::string kEinzug(13, ' ');

std::string Feld(float v, std::string_view mask) {
    return Rechtsbuendig6(vb::Format(v, mask));
}

void Zeile(const std::string& text) {
    vb::Print(kBericht, text);
}
void Leerzeile() {
    vb::Print(kBericht);
}

int Ebenen() {
    return std::clamp<int>(P.AnzAnkerGesamt, 0, MaxAnkerLagen);
}

bool NimmtTeil(int i) {
    return P.AnkerAbstand[i] != 0.0f && AW.AnkerLmaxD[i] + AW.AnkerLminD[i] > 0.0f;
}

// A level without a force to design with: its maximum never set (-9999), no force, or inclined 90 degrees.
bool OhneKraft(int i) {
    const float A = AnkerKraftJeAnker(i);
    return !(std::isfinite(A) && A > 0.0f);
}

void OhneKraftZeile(int i) {
    for (const std::string& z :
         zorma::HinweisZeilen(kEinzug, "*** Kote " + vb::Format(P.ZAuflager[i], "##0.00") +
                                           ": keine gültige Ankerkraft, Anker nicht bemessen"))
        Zeile(z);
}

// Anchor force of the purely active run per anchor (kN); a value that is not positive counts as none.
double AktivJeAnker(int i) {
    const double a = static_cast<double>(AW.Abstand) * AW.AnkerKraftAktiv[i];
    return std::isfinite(a) && a > 0.0 ? a : 0.0;
}

// The tables hold strand counts and bar diameters of two digits ("Stück", "erf.d"): no strand anchor has
// a hundred strands, no anchor bar a diameter of 100 mm. A force that needs more leaves no anchor of the
// kind in hand.
constexpr double kGroessteZahl = 99.0;

// True when every count or diameter q of a level's rows, rounded up as the tables count, fits the table.
bool ImTabellenbereich(std::initializer_list<double> qs) {
    for (const double q : qs)
        if (!(q + 0.5 < kGroessteZahl + 0.5)) return false;
    return true;
}

void ZuGrossZeile(int i, const std::string& was) {
    for (const std::string& z : zorma::HinweisZeilen(kEinzug, "*** Kote " + vb::Format(P.ZAuflager[i], "##0.00") +
                                                                  ": " + was))
        Zeile(z);
}

// Strands of level i in every row the table prints for it fit the table.
bool LitzenImBereich(int i) {
    const double A = AnkerKraftJeAnker(i);
    const double aktiv = static_cast<double>(P.AnkerAbstand[i]) * AW.AnkerKraftAktiv[i];
    const double aktivJe = std::isfinite(aktiv) && aktiv > 0.0 ? aktiv : 0.0;
    if (P.TeilsicherheitenAn == 0)
        return ImTabellenbereich({1000.0 * A * AW.EtaStahlZugglied / 1570.0 / 140.0,
                                  P.RuheProz > 0.0f ? 1000.0 * aktivJe * AW.EtaStahlAktiv / 1570.0 / 140.0 : 0.0});
    return ImTabellenbereich(
        {1000.0 * A * P.gamStahlAnker / 1507.2 / 140.0, 1000.0 * static_cast<double>(static_cast<float>(1.1 * A)) / 1416.0 / 140.0});
}

// The same for the bar diameters (mm) of the steel fy, ft in hand.
bool StaebeImBereich(int i, double fy, double ft) {
    const double A = AnkerKraftJeAnker(i);
    const double aktiv = static_cast<double>(P.AnkerAbstand[i]) * AW.AnkerKraftAktiv[i];
    const double aktivJe = std::isfinite(aktiv) && aktiv > 0.0 ? aktiv : 0.0;
    if (P.TeilsicherheitenAn == 0)
        return ImTabellenbereich(
            {std::sqrt(1000.0 * A * AW.EtaStahlZugglied * 4.0 / kPi / fy),
             P.RuheProz > 0.0f ? std::sqrt(1000.0 * aktivJe * AW.EtaStahlAktiv * 4.0 / kPi / fy) : 0.0});
    return ImTabellenbereich({std::sqrt(1000.0 * A * P.gamStahlAnker * 4.0 / kPi / (0.96 * fy)),
                              std::sqrt(1000.0 * 4.0 * static_cast<double>(static_cast<float>(1.1 * A)) / kPi /
                                        (0.8 * ft))});
}

void Strichzeile(int n) {
    Zeile(kEinzug + vb::String(n, "-"));
}

} // namespace

std::string Rechtsbuendig6(const std::string& s) {
    std::string t = s;
    Rechtsbuendig6(t);
    return t;
}

int16_t Aufgerundet(double q) {
    return vb::CInt(q + 0.5);
}

float AnkerKraftJeAnker(int i) {
    return static_cast<float>(static_cast<double>(zormc::St.AnkerFaktor) * zormd::BS.AnkerAhMax[i] *
                              P.AnkerAbstand[i] / std::cos(static_cast<double>(AW.AnkerNeigungRad[i])));
}

void AnkerZeileLitze(int16_t& i) {
    AW.Abstand = P.AnkerAbstand[i];
    const float gradZuRad = P.GradZuRad > 0.0f ? P.GradZuRad : static_cast<float>(3.141593 / 180.0);
    AW.ZeilenPuffer = kEinzug + Feld(P.ZAuflager[i], "##0.00") + "  " +
                      Feld(zormc::St.AnkerFaktor * zormd::BS.AnkerAhMax[i], "###0.0") + " " +
                      Feld(AW.AnkerNeigungRad[i] / gradZuRad, "#0.0") + Feld(AW.AnkerLaengeBem[i], "##0.0") +
                      " " + Feld(AW.Abstand, "#0.00") + "  ";
    AW.AnkerKraftAkt = AnkerKraftJeAnker(i);
    AW.FeldPuffer = Feld(AW.AnkerKraftAkt, "###0.0");
    if (P.TeilsicherheitenAn == 0)
        AW.ZeilenPuffer += "  " + AW.FeldPuffer + "  ---> ";
    else
        AW.ZeilenPuffer += AW.FeldPuffer + "(d) ---> ";
}

void AnkerZeileReinAktiv(int16_t& i) {
    const float horizontal =
        static_cast<float>(AW.AnkerKraftAktiv[i] * std::cos(static_cast<double>(AW.AnkerNeigungRad[i])));
    AW.ZeilenPuffer = std::string(21, ' ') + Feld(horizontal, "###0.0") + "  (rein aktiv)          ";
    AW.AnkerKraftAkt = AW.Abstand * AW.AnkerKraftAktiv[i];
    AW.FeldPuffer = Feld(AW.AnkerKraftAkt, "###0.0");
}

void AnkerZeilePruefkraft(int16_t& i) {
    AW.ZeilenPuffer = std::string(21, ' ') + "(Prüfkraft mit Faktor 1.10) ";
    AW.AnkerKraftAkt = static_cast<float>(1.1 * AnkerKraftJeAnker(i));
    AW.FeldPuffer = Feld(AW.AnkerKraftAkt, "###0.0");
}

void AnkerZeileBemessung(int16_t& /*i*/) {
    AW.ZeilenPuffer += AW.FeldPuffer + "(d) ---> ";
    AW.ds2 = Aufgerundet(std::sqrt(1000.0 * 4.0 * AW.AnkerKraftAkt / kPi / (0.8 * AW.ft)));
    MaximaMerken();
    AW.Azul = static_cast<float>(static_cast<double>(AW.ds2) * AW.ds2 * kPi / 4.0 * 0.8 * AW.ft / 1000.0);
    AW.ZeilenPuffer += vb::Format(AW.ds2, "##") + Feld(AW.Azul, "####");
    AusnutzungAnhaengen();
}

void MaximaMerken() {
    if (AW.ds2 < AW.ds) AW.ds2 = AW.ds;
    if (AW.n2 < AW.n) AW.n2 = AW.n;
}

void AusnutzungAnhaengen() {
    const double ausnutzung = AW.Azul != 0.0f ? 100.0 * AW.AnkerKraftAkt / AW.Azul : 0.0;
    AW.ZeilenPuffer += Feld(static_cast<float>(ausnutzung), "###");
    Zeile(AW.ZeilenPuffer);
}

void AnkerTabelle() {
    const float fy = AW.fy, ft = AW.ft;
    Zeile(kEinzug + "für Einstabanker St " + vb::Format(fy, "####") + " / " + vb::Format(ft, "####") +
          " N/mm2");
    Strichzeile(16);
    Zeile(kEinzug + "  Kote     Ah   Neig. Länge  Anker-   Anker-   erf.d  zul.A   Ausn.");
    Zeile(kEinzug + "   (m)  (kN/m)    (°)   (m)  Abst(m)  Kr.(kN)   (mm)   (kN)   (%)");
    const bool global = P.TeilsicherheitenAn == 0;
    // Strengths that are no positive numbers leave no bar to size (the roots would be of a negative
    // number or infinite).
    if (!(fy > 0.0f) || (!global && !(ft > 0.0f))) {
        Zeile(kEinzug + "*** Streckgrenze und Zugfestigkeit müssen größer als 0 sein");
        Leerzeile();
        return;
    }
    for (int16_t i = 1; i <= Ebenen(); ++i) {
        if (!NimmtTeil(i)) continue;
        if (OhneKraft(i)) {
            OhneKraftZeile(i);
            continue;
        }
        if (!StaebeImBereich(i, fy, ft)) {
            ZuGrossZeile(i, "über 99 mm nötig, kein Einstabanker reicht aus");
            continue;
        }
        AnkerZeileLitze(i);
        const double A = AW.AnkerKraftAkt;
        if (global) {
            AW.ds = Aufgerundet(std::sqrt(1000.0 * A * AW.EtaStahlZugglied * 4.0 / kPi / fy));
            if (P.RuheProz > 0.0f) {
                const int16_t dsAktiv =
                    Aufgerundet(std::sqrt(1000.0 * AktivJeAnker(i) * AW.EtaStahlAktiv * 4.0 / kPi / fy));
                if (dsAktiv > AW.ds) AW.ds = dsAktiv;
            }
            AW.Azul = static_cast<float>(static_cast<double>(AW.ds) * AW.ds * kPi / 4.0 * fy /
                                         AW.EtaStahlZugglied / 1000.0);
        } else {
            AW.ds = Aufgerundet(std::sqrt(1000.0 * A * P.gamStahlAnker * 4.0 / kPi / (0.96 * fy)));
            AW.Azul = static_cast<float>(static_cast<double>(AW.ds) * AW.ds * kPi / 4.0 * 0.96 * fy /
                                         P.gamStahlAnker / 1000.0);
        }
        AW.ZeilenPuffer += vb::Format(AW.ds, "##") + Feld(AW.Azul, "###");
        AusnutzungAnhaengen();

        bool zweiteZeile = false;
        if (global && P.RuheProz > 0.0f) {
            AnkerZeileReinAktiv(i);
            AW.ZeilenPuffer += AW.FeldPuffer + " " + " ---> ";
            AW.ds2 = Aufgerundet(
                std::sqrt(1000.0 * std::fmax(0.0, AW.AnkerKraftAkt) * AW.EtaStahlAktiv * 4.0 / kPi / fy));
            MaximaMerken();
            AW.Azul = static_cast<float>(static_cast<double>(AW.ds2) * AW.ds2 * kPi / 4.0 * fy /
                                         AW.EtaStahlAktiv / 1000.0);
            AW.ZeilenPuffer += vb::Format(AW.ds2, "##") + Feld(AW.Azul, "####");
            AusnutzungAnhaengen();
            zweiteZeile = true;
        } else if (!global) {
            AnkerZeilePruefkraft(i);
            AnkerZeileBemessung(i);
            zweiteZeile = true;
        }
        if (zweiteZeile) Leerzeile();
    }
    Leerzeile();
}

namespace {

std::string Anzahl(int16_t n) {
    return vb::Format(n, "#") + (n < 10 ? " " : "");
}

void Litzentabelle() {
    Zeile(kEinzug + "für Litzenanker St 1570 / 1770 N/mm2 (0.6\" = 15,3 mm ; 140 mm2) ");
    Strichzeile(15);
    Zeile(kEinzug + "  Kote     Ah   Neig. Länge  Anker-   Anker-  Litzen  zul.A   Ausn.");
    Zeile(kEinzug + "   (m)  (kN/m)    (°)   (m)  Abst(m)  Kr.(kN)  Stück   (kN)   (%) ");
    const bool global = P.TeilsicherheitenAn == 0;
    for (int16_t i = 1; i <= Ebenen(); ++i) {
        if (!NimmtTeil(i)) continue;
        if (OhneKraft(i)) {
            OhneKraftZeile(i);
            continue;
        }
        if (!LitzenImBereich(i)) {
            ZuGrossZeile(i, "über 99 Litzen nötig, kein Litzenanker reicht aus");
            continue;
        }
        AnkerZeileLitze(i);
        const double A = AW.AnkerKraftAkt;
        if (global) {
            AW.n = std::max<int16_t>(2, Aufgerundet(1000.0 * A * AW.EtaStahlZugglied / 1570.0 / 140.0));
            if (P.RuheProz > 0.0f) {
                const int16_t nAktiv =
                    Aufgerundet(1000.0 * AktivJeAnker(i) * AW.EtaStahlAktiv / 1570.0 / 140.0);
                if (nAktiv > AW.n) AW.n = nAktiv;
            }
            AW.Azul = static_cast<float>(AW.n * 140.0 * 1570.0 / AW.EtaStahlZugglied / 1000.0);
        } else {
            AW.n = std::max<int16_t>(2, Aufgerundet(1000.0 * A * P.gamStahlAnker / 1507.2 / 140.0));
            AW.Azul = static_cast<float>(AW.n * 140.0 * 1507.2 / P.gamStahlAnker / 1000.0);
        }
        AW.ZeilenPuffer += Anzahl(AW.n) + Feld(AW.Azul, "####");
        AusnutzungAnhaengen();

        bool zweiteZeile = false;
        if (global && P.RuheProz > 0.0f) {
            AnkerZeileReinAktiv(i);
            AW.ZeilenPuffer += AW.FeldPuffer + " " + " ---> ";
            AW.n2 =
                Aufgerundet(1000.0 * std::fmax(0.0, AW.AnkerKraftAkt) * AW.EtaStahlAktiv / 1570.0 / 140.0);
            MaximaMerken();
            AW.Azul = static_cast<float>(AW.n2 * 140.0 * 1570.0 / AW.EtaStahlAktiv / 1000.0);
            zweiteZeile = true;
        } else if (!global) {
            AnkerZeilePruefkraft(i);
            AW.ZeilenPuffer += AW.FeldPuffer + "(d) ---> ";
            AW.n2 = Aufgerundet(1000.0 * AW.AnkerKraftAkt / 1416.0 / 140.0);
            MaximaMerken();
            AW.Azul = static_cast<float>(AW.n2 * 140.0 * 1416.0 / 1000.0);
            zweiteZeile = true;
        }
        if (zweiteZeile) {
            AW.ZeilenPuffer += Anzahl(AW.n2) + Feld(AW.Azul, "####");
            AusnutzungAnhaengen();
            Leerzeile();
        }
    }
    Leerzeile();
}

void Pruefkraefte() {
    Zeile(kEinzug + "ANKERPRÜFUNGEN; Faktor gamA = 1.10; DIN 1054:2010-12, Zu 8.7, Zu 8.8");
    Strichzeile(68);
    Zeile(kEinzug + "  Kote   Anker- = Bemessungs-Kraft(d) je Anker in Ankerrichtung.");
    Zeile(kEinzug + "   (m)   Kr.(kN)  (Prüfkraft(kN) = Ankerkraft(d) * Faktor gamA)");
    Zeile(kEinzug + "  -------------");
    for (int i = 1; i <= Ebenen(); ++i) {
        if (!NimmtTeil(i)) continue;
        if (OhneKraft(i)) {
            OhneKraftZeile(i);
            continue;
        }
        const float A = AnkerKraftJeAnker(i);
        Zeile(kEinzug + Feld(P.ZAuflager[i], "##0.00") + "   " + Feld(A, "###0.0") + "   (   " +
              Feld(static_cast<float>(1.1 * A), "###0.0") + "   )");
    }
    Leerzeile();
    Zeile(kEinzug + "  Diese Prüfkräfte gelten für die Eignungsprüfung und die");
    Zeile(kEinzug + "  Abnahmeprüfung von Kurzzeitankern und Dauerankern.");
    Leerzeile();
    Zeile(kEinzug + "  Die Prüfkräfte müssen vom Verpresskörper in den umgebenden");
    Zeile(kEinzug + "  Boden übertragen werden; Einzelheiten siehe DIN EN 1537.");
    Leerzeile();
    Zeile(kEinzug + "  Festlege-Faktor für die Anker (EAB 2006, EB 42):");
    Zeile(kEinzug + "     bei aktivem  Erddruck  >= 80 %");
    Zeile(kEinzug + "     bei erhöhtem Erddruck    100 % der charakt. Ankerkräfte");
    Zeile(kEinzug + "     Mit diesem Faktor werden die Anker festlelegt (vorgespannt).");
    Leerzeile();
}

void Festlegekraefte() {
    Zeile(kEinzug + "Festlegekräfte der Anker (k)");
    Strichzeile(57);
    Zeile(kEinzug + "  Kote   Anker- = charkt. Kraft je Anker in Ankerrichtung.");
    Zeile(kEinzug + "   (m)   Kr.(kN)  (        Festlegekräfte         )");
    Zeile(kEinzug + "  -------------   (     80%      90%     100%     )");
    for (int i = 1; i <= Ebenen(); ++i) {
        if (!NimmtTeil(i)) continue;
        AW.AnkerKraftAkt = P.AnkerAbstand[i] * AW.AnkerKraft[i];
        const float Ak = AW.AnkerKraftAkt;
        if (OhneKraft(i) || !(std::isfinite(Ak) && Ak > 0.0f)) {
            OhneKraftZeile(i);
            continue;
        }
        Zeile(kEinzug + Feld(P.ZAuflager[i], "##0.00") + "   " + Feld(Ak, "###0.0") + "   (   " +
              Feld(static_cast<float>(0.8 * Ak), "###0.0") + "   " +
              Feld(static_cast<float>(0.9 * Ak), "###0.0") + "   " + Feld(Ak, "###0.0") + "    )");
    }
    Leerzeile();
    Leerzeile();
    Zeile(kEinzug + "ANKERNACHWEISE:");
    Zeile(kEinzug + "--------------");
    Zeile(kEinzug + "  Bemessungs-Ankerkraft(d)  nach GZ STR; gamM = 1.15.");
    Zeile(kEinzug + "  Beim Stahl angesetzt:     0.96 * Streckgrenze / gamM.");
    Leerzeile();
    Zeile(kEinzug + "  Bemessungs-Prüfkraft(d) : 0.8  * Zugfestigkeit, gamM = 1.00");
    Zeile(kEinzug + "                          = 0.95 * f.t,0.1%,k; Abweich. gering");
}

} // namespace

void AnkerNachweise() {
    bool eine = false;
    for (int i = 1; i <= Ebenen(); ++i)
        eine = eine || NimmtTeil(i);
    if (eine) {
        AW.EtaStahlAktiv = 1.75f;
        AW.EtaStahlZugglied = static_cast<float>(1.75 - 0.42 * P.RuheProz / 100.0);
        AW.FestlegeFaktor = static_cast<float>(0.8 + 0.2 * P.RuheProz / 100.0);
        Leerzeile();
        if (P.TeilsicherheitenAn == 0) {
            Zeile(kEinzug + "ANKERNACHWEISE:");
            Zeile(kEinzug + "--------------                                   (aktiv, Ruhe)");
            Zeile(kEinzug + "erf. Sicherh. des Stahlzuggliedes eta(S) = " +
                  vb::Format(AW.EtaStahlZugglied, "#.#0") + "  (1,75   1,33)");
            Zeile(kEinzug + "Festlege-Faktor für die Anker            = " +
                  vb::Format(AW.FestlegeFaktor, "0.00") + "  (0,80   1,00)");
        } else {
            Pruefkraefte();
            Festlegekraefte();
        }
        Leerzeile();
        Zeile(kEinzug + "A.-Länge von Vorderk. Wand (bei d = " + vb::Format(P.DWand, "0.00") +
              ") bis Mitte Verpressk.");
        Strichzeile(62);
        Zeile(kEinzug + "Dazu kommt der luftseitige Überstand (ca. 1,0 m) und die halbe");
        Zeile(kEinzug + "Verpresskörperlänge (ca. 4,0/2 bis 8,0/2 m); Anwender-Festleg.");
        Zeile(kEinzug + "Der Ankerabstand soll nicht größer sein als 0.5 * Verpress-L.");
        Zeile(kEinzug + "Andernfalls Anker um (Abstand - Verpress-L. / 2) verlängern.");
        Zeile(kEinzug);

        Litzentabelle();
        if (P.StahlStaebe != 0) {
            AW.fy = 1080.0f;
            AW.ft = 1230.0f;
            AnkerTabelle();
        }
        if (P.AnkerStahlStreck != 0.0f) {
            AW.fy = P.AnkerStahlStreck;
            AW.ft = P.AnkerStahlFliess;
            AnkerTabelle();
        }

        Zeile(kEinzug + "  Ankerlängen gewählt:");
        Zeile(kEinzug + "  --------------------");
        Zeile(kEinzug + "  Kote: rechn.L. + Überst. + Verpr./2 =  Ges.-L. :  gew.(m)");
        Leerzeile();
        for (int i = 1; i <= Ebenen(); ++i) {
            if (!NimmtTeil(i)) continue;
            Zeile(kEinzug + Feld(P.ZAuflager[i], "##0.00") + "  " + Feld(AW.AnkerLaengeBem[i], "##0.0") +
                  "   + _______ + ______/2 = ________ : ________ <---");
            Leerzeile();
        }
    }
    Leerzeile();
    Leerzeile();
    P.DatenGelesen = -1;
}

} // namespace zormd
