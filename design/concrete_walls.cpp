// Reinforcement of diaphragm walls and bored piles from max M and max Q of the run (normal force 0, on the
// safe side), with the design heading, the shear line, the staggering hint and the two message boxes.
#include <cmath>

#include "design/circle_section.h"
#include "design/design_stage.h"
#include "design/rect_section.h"
#include "design/report_fields.h"
#include "design/state.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "verification/state.h"

using zorm1::P;
using zorma::ZahlText;
using zorma::ZeileDrucken;

namespace zormd {

namespace {

const std::string kEinzug(13, ' ');

bool Teilsicherheiten() {
    return P.TeilsicherheitenAn != 0;
}

// Fixed citation of the shear design method of the circular section.
const char* const kSchubbemessung = "Schubbemessung analog Beton- und Stahlbetonbau, Heft 12/81, vom";

} // namespace

void BemessungKopf(float& faktor, float& h) {
    if (!Teilsicherheiten())
        ZeileDrucken(kEinzug + "Bemessungs-Schnittgrößen S´ = S * Einflußbreite * eta(St) / 1.75");
    else
        ZeileDrucken(kEinzug + "Bemessungs-Schnittgrößen S´ = S * Einflußbreite");
    zorma::Leerzeilen();
    const std::string d1 = vb::Format(P.d1Rand);
    const std::string d = vb::Format(h * 100.0f - P.d1Rand);
    if (!Teilsicherheiten()) {
        ZeileDrucken(kEinzug + "BSt 500 S; B " + vb::Format(P.BetonKlasse) + "; d1 = " + d1 +
                     " cm; d = " + d + " cm; eta(Stahl) = " + vb::Format(P.EtaBSt500, "#.00"));
        ZeileDrucken(kEinzug + "zul.tau01; zul.tau02; zul.tau03 =  " + vb::Format(BS.zulTau01) + " ;  " +
                     vb::Format(BS.zulTau02) + " ;  " + vb::Format(BS.zulTau03) + "  MN/m2");
    } else {
        const float fck = P.BetonKlasse - 100.0f;
        std::string klasse = vb::Format(fck);
        if (fck == 20.0f) klasse += "/25";
        if (fck == 25.0f) klasse += "/30";
        if (fck == 30.0f) klasse += "/37";
        if (fck == 35.0f) klasse += "/45";
        ZeileDrucken(kEinzug + "BSt 500 S; C " + klasse + "; d1 = " + d1 + " cm; d = " + d +
                     " cm; gamS = " + vb::Format(zormcom::Vorgaben.gamS_Stahl, "0.00") +
                     "; gamC = " + vb::Format(zormcom::Vorgaben.gamC_Beton, "0.00"));
    }
    zorma::Leerzeilen();
    // Piles with spacing carry values per pile already: the influence width does not enter.
    if (P.Wandtyp == 5)
        faktor = Teilsicherheiten() ? 1.0f : static_cast<float>(P.EtaBSt500 / 1.75);
    else if (!Teilsicherheiten())
        faktor = static_cast<float>(static_cast<double>(P.EtaBSt500) * P.EBreiteM / 1.75);
    else
        faktor = P.EBreiteM;
}

void QuerkraftZeile(std::string& einzug, float& Q, float& asw, float& tau0) {
    ZeileDrucken(einzug + "            ------------------------------ (N = 0; sichere Seite)");
    BS.ZeilenPuffer =
        einzug + "max(abs.Q)´ = " + Feld6(Q, "####.0") + " kN ; AsBü =" + Feld6(asw, "##0.0") + " cm2/m";
    if (!Teilsicherheiten()) BS.ZeilenPuffer += " ;  tau0=" + Feld6(tau0, "##0.0") + " MN/m2";
}

void CotThetaZeile(std::string& zeile, float& cotTheta, std::string& einzug) {
    if (Teilsicherheiten())
        ZeileDrucken(zeile + " bei cot(theta) = " + vb::Format(cotTheta, "0.00") + " <---");
    else
        ZeileDrucken(zeile);
    ZeileDrucken(einzug + "            --------------------------------");
}

void MeldungUeberlastet(float& As, float& asw) {
    if (As == 888.0f) return;
    if (As <= 900.0f && asw <= 900.0f && As != 0.0f && asw != 0.0f) return;
    if (As == 0.0f) As = 999.0f;
    if (asw == 0.0f) {
        asw = 999.0f;
        BW.tau0 = 9.99f;
    }
    zor::Melden("Der Querschnitt ist überlastet !!! \r\nKeine sinnvolle Bemessung möglich.\r\n",
                vb::vbExclamation);
    zorma::HinweisDrucken(kEinzug, "*** Der Querschnitt ist überlastet: keine sinnvolle Bemessung möglich.");
}

void MeldungKeineKonvergenz(float& As, float& asw) {
    if (As != 888.0f) return;
    asw = 888.0f;
    BW.tau0 = 8.88f;
    zor::Melden(
        "Keine Konvergenz bei der Biegebemessung !!! \r\nWählen Sie etwas andere Abmessungen d oder d1."
        "\r\n\r\nAuch eine ganz schwache Auslastung kann der Grund sein. ",
        vb::vbExclamation);
    zorma::HinweisDrucken(kEinzug, "*** Keine Konvergenz bei der Biegebemessung: nicht bemessen.");
}

void StaffelungHinweis() {
    ZeileDrucken(kEinzug + "  gew: _______________________ , Bü ______________________ <---");
    zorma::Leerzeilen();
    ZeileDrucken(kEinzug + "Ausgehend vom errechneten Maximalwert der Biege- und der Schub-");
    ZeileDrucken(kEinzug + "bewehrung kann die Bewehrung mit Hilfe der M- und Q- Grenzlinien");
    ZeileDrucken(kEinzug + "gestaffelt werden. Dabei ist das Versatzmaß zu beachten.");
    ZeileDrucken(kEinzug + "Wichtig ist auch die stabile Ausführung des Bewehrungskorbes.");
    zorma::Leerzeilen();
}

void SchlitzwandBemessung() {
    if (Teilsicherheiten()) ZeileDrucken(zorma::Einzug(), "EAB 2006, Anhang A7:");
    ZeileDrucken(kEinzug + "Bemessung der Schlitzwand h =" + ZahlText(P.DWand * 100.0f, 3, 0) +
                 " cm; Bew. für Einflußbr.(MQ)= " + ZahlText(P.EBreiteM, 4, 2) + " m");
    std::string d2 = kEinzug + "-------------------------";
    if (Teilsicherheiten()) d2 += "                     Einflußbr.(N) = " + ZahlText(P.EBreiteN, 4, 2) + " m";
    ZeileDrucken(d2);
    float faktor = 0.0f;
    float h = P.DWand;
    BemessungKopf(faktor, h);

    float M = zormd::N.BemMaxMoment * faktor;
    float Q = zormd::N.BemMaxQuerkraft * faktor;
    BS.BemQuerkraft = Q;
    float N = 0.0f;
    float d1 = P.d1Rand / 100.0f;
    float As1 = 0.0f, As2 = 0.0f, asw = 0.0f;
    if (!Teilsicherheiten())
        zormd::RechteckBemessungGlobal(M, Q, h, d1, As1, As2, asw, BW.tau0, BW.tauMassg);
    else
        zormd::RechteckBemessungTabelle(M, N, Q, h, d1, As1, As2, asw);

    ZeileDrucken(kEinzug + "max(abs.M)´ = " + Feld6(M, "####.0") + " kNm;  Asz =" + Feld6(As1, "##0.0") +
                 " cm2   ;  Asd =" + Feld6(As2, "##0.0") + " cm2");
    QuerkraftZeile(BS.Einzug, Q, asw, BW.tau0);
    CotThetaZeile(BS.ZeilenPuffer, BW.CotTheta, BS.Einzug);
    if (Teilsicherheiten()) BemessungErgebnis();
    zorma::Leerzeilen();
    MeldungUeberlastet(As1, asw);
    StaffelungHinweis();
    zorma::Leerzeilen();
}

void BohrpfahlBemessung() {
    BS.BemQuerschnitt = P.Wandtyp == 4 ? P.BPfDUeb : P.BPfD;
    if (Teilsicherheiten()) ZeileDrucken(zorma::Einzug(), "EAB 2006, Anhang A7:");
    ZeileDrucken(kEinzug + "Bemessung der Bohrpfähle h = " + ZahlText(BS.BemQuerschnitt * 100.0f, 3, 0) +
                 " cm; Einflußbreite(MQ) = " + ZahlText(P.EBreiteM, 4, 2) + " m");
    std::string b2 = kEinzug + "------------------------";
    if (Teilsicherheiten()) b2 += "             Einflußbreite(N)  = " + ZahlText(P.EBreiteN, 4, 2) + " m";
    ZeileDrucken(b2);
    float faktor = 0.0f;
    BemessungKopf(faktor, BS.BemQuerschnitt);

    float M = zormd::N.BemMaxMoment * faktor;
    float Q = zormd::N.BemMaxQuerkraft * faktor;
    BS.BemQuerkraft = Q;
    float N = 0.0f;
    float D = BS.BemQuerschnitt * 100.0f;
    float d1 = P.d1Rand;
    float As = 0.0f, asw = 0.0f;
    zormd::KreisBemessung(D, d1, M, Q, N, As, asw);
    // A bending design without convergence may leave 0 in As: it is the no-convergence case all the same.
    if (M != 0.0f && BW.KreisNichtKonvergiert) As = 888.0f;
    MeldungUeberlastet(As, asw);
    MeldungKeineKonvergenz(As, asw);

    ZeileDrucken(kEinzug + kSchubbemessung);
    if (!Teilsicherheiten()) {
        ZeileDrucken(kEinzug + "Dehnungszustand der erforderlichen Momenten-Bewehrung ausgehend.");
        ZeileDrucken(kEinzug + "                    ---------------------------------");
    } else {
        ZeileDrucken(kEinzug + "Dehnungszustand der erford. bzw. Mindest-Bewehrung (> 0) ausgehend.");
        ZeileDrucken(kEinzug + "                    ------------------------------------");
    }
    float eps1 = static_cast<float>(zorm0::K.KreisErgD1);
    float eps3 = static_cast<float>(zorm0::K.KreisErgD3);
    DehnungenZeilen(eps1, eps3, BW.KreisBreiteNullN0, BW.KreisStegBreiteN0, BW.KreisHebelarmN0,
                    BW.KreisBewGrad);
    ZeileDrucken(kEinzug + "max(abs.M)´ = " + Feld6(M, "####.0") + " kNm;  As  =" + Feld6(As, "##0.0") +
                 " cm2 gleichmäßig verteilt");
    QuerkraftZeile(BS.Einzug, Q, asw, BW.tau0);
    CotThetaZeile(BS.ZeilenPuffer, BW.CotTheta, BS.Einzug);
    if (Teilsicherheiten()) BemessungErgebnis();
    zorma::Leerzeilen();
    StaffelungHinweis();
    zorma::Leerzeilen();
}

} // namespace zormd
