#include "design/design_stage.h"

#include <cmath>

#include "design/anchor_tables.h"
#include "design/anchor_values.h"
#include "design/rect_section.h"
#include "design/report_fields.h"
#include "design/state.h"
#include "design/steel_profile.h"
#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

using zorm1::P;
using zorma::ZeileDrucken;

namespace zormd {

namespace {

const std::string kEinzug(13, ' ');

void Links(std::string& text, int n) {
    const int32_t len = vb::Len(text);
    if (len < n) text = std::string(static_cast<std::size_t>(n - len), ' ') + text;
}

// q rounded up to a whole number the way the lagging counts: the integer nearest to q + 0.5, halves to
// the even neighbour (a whole odd q grows by one).
double Aufrunden(double q) {
    return std::nearbyint(q + 0.5);
}

bool Teilsicherheiten() {
    return P.TeilsicherheitenAn != 0;
}

void KeinStahlprofilZeile() {
    ZeileDrucken(kEinzug + "*** Kein Stahlprofil der Wandart gewählt (oder ein Profilwert 0):");
    ZeileDrucken(kEinzug + "    kein Nachweis des Profils, keine Ausfachung.");
    zorma::Leerzeilen();
}

// Steel check and laggings of a soldier pile or sheet pile wall whose profile list matches.
void StahlwandAbschnitte() {
    zormd::ProfilZeileZerlegen(P.ProfilName, P.ProfilText, P.ProfilWert3, P.ProfilWert5, P.ProfilWert1,
                               P.ProfilWert4, P.ProfilWert2);
    if (P.ProfilWert5 == 0.0f || P.ProfilWert1 == 0.0f || P.ProfilWert2 == 0.0f || P.ProfilWert4 == 0.0f) {
        KeinStahlprofilZeile();
        return;
    }
    StahlprofilNachweis();
    if (P.Wandtyp != 1) return;
    HolzUndStahlplattenAusfachung();
    const float abstand = P.BPfAbstand;
    const float breite = P.BPfD;
    P.BPfAbstand = P.ABohl;
    P.BPfD = P.BBohl;
    Spritzbetonausfachung();
    P.BPfAbstand = abstand;
    P.BPfD = breite;
    zorma::Leerzeilen();
}

void WandAbschnitte() {
    const std::string& liste = BS.FeldPuffer;
    if (P.Wandtyp == 1 && liste != "TBW") {
        KeinStahlprofilZeile();
    } else if (P.Wandtyp == 2 && liste != "SPW") {
        KeinStahlprofilZeile();
    } else if (P.Wandtyp == 3) {
        SchlitzwandBemessung();
    } else if (P.Wandtyp == 4) {
        BohrpfahlBemessung();
    } else if (P.Wandtyp == 5 || P.Wandtyp == 6) {
        BohrpfahlBemessung();
        Spritzbetonausfachung();
    } else if (P.ProfilName.empty()) {
        if (P.Wandtyp == 1 || P.Wandtyp == 2) KeinStahlprofilZeile();
    } else if (P.Wandtyp == 1 || P.Wandtyp == 2) {
        StahlwandAbschnitte();
    }
}

} // namespace

void Rechtsbuendig6(std::string& text) {
    Links(text, 6);
}
void Rechtsbuendig4(std::string& text) {
    Links(text, 4);
}
void Rechtsbuendig3(std::string& text) {
    Links(text, 3);
}

void Bemessung() {
    vb::CloseAll();
    AW.EtaStahlAktiv = 1.75f;
    zorma::BerichtAnhaengen();
    BS.Einzug = kEinzug;
    P.ProfilName = vb::Trim(P.ProfilName);
    BS.FeldPuffer = vb::Right(P.ProfilName, 3);

    if (P.BemessungEin == 1) WandAbschnitte();

    // The anchor section: it finds the levels to check itself and ends the stage.
    AnkerwerteUebernehmen();
    BS.Einzug = kEinzug;
    AnkerNachweise();
}

void BemessungAnmelden() {
    Abschnitte().Bemessung = Bemessung;
    Abschnitte().MassgebendeSchnitte = MassgebendeSchnitte;
}

void StahlprofilNachweis() {
    zormd::N.BemMinNormalkraft = std::fabs(zormd::N.BemMinNormalkraft);
    const float M = zormd::N.BemMaxMoment;
    const float N = zormd::N.BemMinNormalkraft;
    const float Q = zormd::N.BemMaxQuerkraft;
    const float W = P.ProfilWert5, A = P.ProfilWert1, h = P.ProfilWert2, s = P.ProfilWert4;
    const float sigmaM = M / W * 1000.0f;
    const float sigmaN = N / A * 10.0f;
    const float tau = Q / s / h * 10.0f;
    const float summe = sigmaM + sigmaN;

    ZeileDrucken(zorma::Einzug(), "EAB 2006, Anhang A8:");
    std::string kopf = kEinzug + "Spannungsnachweis ";
    if (!Teilsicherheiten()) kopf += P.StahlNachEAU == 1 ? "nach EAU," : "nach EAB,";
    kopf += "S " + vb::Trim(vb::StrPlain(P.StahlGuete)) + ", " + P.ProfilText;
    if (P.Wandart == 1) kopf += ", Achsabstand = " + vb::Format(P.ABohl, "0.00") + " m";
    ZeileDrucken(kopf);
    ZeileDrucken(kEinzug + "----------------- ( siehe auch DIN 4124 )");
    zorma::Leerzeilen();
    if (!Teilsicherheiten()) {
        ZeileDrucken(kEinzug + "  Stahlgüte :            zul sigma  tau (EAU)  sigma  tau (EAB)");
        ZeileDrucken(kEinzug + "  S 240 GP, St Sp 37, St 37 :  160   92 (N/mm2)  180  104");
        ZeileDrucken(kEinzug + "  S 270 GP, St Sp 45        :  180  104          205  118");
        ZeileDrucken(kEinzug + "  S 355 GP, St Sp S,  St 52 :  240  139          270  156");
    } else {
        ZeileDrucken(kEinzug + "                             ( fyd  fyd/Sqr(3) )");
        ZeileDrucken(kEinzug + "  Stahlgüte :            zul sigma  tau");
        ZeileDrucken(kEinzug + "  S 240 GP, St Sp 37, S 235 :  218  126");
        ZeileDrucken(kEinzug + "  S 270 GP, St Sp 45        :  245  142");
        ZeileDrucken(kEinzug + "  S 355 GP, St Sp S         :  323  186");
    }
    ZeileDrucken(kEinzug);
    ZeileDrucken(kEinzug + "  Vorbemessung mit max. M, N, Q aus allen Aushubzuständen");
    ZeileDrucken(kEinzug + "  -------------------------------------------------------");
    ZeileDrucken(kEinzug + "  sigma(M)   = 1000 * " + Feld6(M, "###0.0") + " /" + Feld6(W, "####") +
                 "        = " + Feld6(sigmaM, "###0.0") + " N/mm2");
    ZeileDrucken(kEinzug + "  sigma(N)   =   10 * " + Feld6(N, "###0.0") + " /" + Feld6(A, "###.0") +
                 "        = " + Feld6(sigmaN, "###0.0") + " N/mm2");
    ZeileDrucken(kEinzug + "  sigma(M + N)                              = " + Feld6(summe, "###0.0") +
                 " N/mm2" + (summe < P.ZulSigma ? " <" : " >") + vb::Str(P.ZulSigma));
    ZeileDrucken(kEinzug + "  tau (ca)   =   10 * " + Feld6(Q, "###0.0") + " /  " + Feld4(s, "0.00") + " / " +
                 Feld4(h, "00.0") + " = " + Feld6(tau, "###0.0") + " N/mm2" + (tau < P.ZulTau ? " <" : " >") +
                 vb::Str(P.ZulTau));
    if (summe > P.ZulSigma || tau > P.ZulTau)
        ZeileDrucken(std::string(60, ' ') + "UNZULÄSSIG" + (P.MitNormalkraft != 0 ? " s. unten!" : ""));
    BemessungErgebnis();
    ZeileDrucken(kEinzug);
}

void HolzUndStahlplattenAusfachung() {
    const float e = zormd::N.BemVerbauDruck;
    const float a = P.ABohl;
    const float bStrich = P.BBohl * 4.0f / 5.0f;
    const float l = a - bStrich;
    const float M = static_cast<float>(static_cast<double>(l) * l * e / 8.0);

    // Timber.
    const float f = Teilsicherheiten() ? 1.85f : 1.5f;
    if (Teilsicherheiten()) {
        ZeileDrucken(zorma::Einzug(), "EAB 2006, Anhang A9:");
        ZeileDrucken(kEinzug + "Nadelholz, Festigkeitsklasse C24, kmod = 1.00, gamM = 1.30");
        ZeileDrucken(kEinzug + "---> fm,d = 1.00 * 24 / 1.30 = 18.5 N/mm2     ab 7.11.2008");
        zorma::Leerzeilen();
    }
    float d = static_cast<float>(Aufrunden(std::sqrt(6.0 * M / f)));
    if (d < 5.0f) d = 5.0f;
    const float Wh = 100.0f * d * d / 6.0f;
    const float sigmaH = M * 10.0f * 6.0f / d / d;
    ZeileDrucken(kEinzug + "Holzausfachung  S 10 ; ---> d =" + Feld3(d, "##") +
                 " cm   W = " + Feld4(Wh, "###0") + " cm3/m");
    ZeileDrucken(kEinzug + "maßgeb. e ; siehe Grafik Wandbelastung    = " + Feld4(e, "##.0") + " kN/m2");
    if (zormd::N.BemVerbauDruckFlag == 0) {
        ZeileDrucken(kEinzug + "  nur großflächige Gleichlast <= 10 kN/m2 :");
        ZeileDrucken(kEinzug + "  ohne Umlagerung oder mit Dreieck-Umlagerung : e = max h * 2/3");
    }
    ZeileDrucken(kEinzug + "M = " + Feld4(e, "#0.0") + " * ( " + Feld4(a, "0.00") + " - " +
                 vb::Format(bStrich, "0.00") + " ) ^ 2  /  8      = " + Feld4(M, "##0.0") + " kNm/m ");
    ZeileDrucken(kEinzug + "sigma = 1000 * M / W                      = " + Feld4(sigmaH, "#0.0") +
                 " N/mm2 < " + vb::Format(f * 10.0f, "0.0"));
    zorma::Leerzeilen();

    // Steel plates.
    if (Teilsicherheiten()) ZeileDrucken(kEinzug + "EAB 2006, Anhang A8:");
    if (!(P.ZulSigma > 0.0f)) {
        zorma::HinweisDrucken(
            kEinzug, "*** Ausfachung mit Stahlplatten: zul sigma = " + zorma::HinweisZahl(P.ZulSigma, 1) +
                         " N/mm2 nicht > 0, Plattendicke nicht bestimmbar.");
        zorma::Leerzeilen();
        return;
    }
    float t = static_cast<float>(Aufrunden(std::sqrt(M * 6.0f / (P.ZulSigma / 10.0f)) * 10.0));
    if (t < 5.0f) t = 5.0f;
    const float tc = t / 10.0f;
    const float Ws = 100.0f * tc * tc / 6.0f;
    const float sigmaS = M * 10.0f * 6.0f / tc / tc;
    ZeileDrucken(kEinzug + "Ausfachung mit Stahlplatten d =" + Feld3(t, "##") +
                 " mm   W = " + Feld4(Ws, "###0") + " cm3/m");
    ZeileDrucken(kEinzug + "sigma = 1000 * M / W                      = " + Feld4(sigmaS, "#0") + " N/mm2 <" +
                 vb::Str(P.ZulSigma));
    zorma::Leerzeilen();
}

void Spritzbetonausfachung() {
    constexpr int kDicken = 46; // 10 cm to 100 cm in steps of 2 cm
    BW.SpritzbetonFlag = 1;
    const float a = P.BPfAbstand;
    const float b = P.BPfD;
    const float e = zormd::N.BemVerbauDruck;
    float l = static_cast<float>(a - b * 0.8);
    float M = static_cast<float>(static_cast<double>(l) * l * e / 8.0);
    float Q = l * e / 2.0f;
    float N = 0.0f;
    const float festigkeit = BS.BetonFestigkeit;
    float h = 0.10f;
    float d1 = 0.045f;
    float As = 0.0f, As2 = 0.0f, asw = 0.0f;
    bool gefunden = false;
    for (int schritt = 0; schritt < kDicken; ++schritt) {
        if (!Teilsicherheiten()) {
            zormd::BS.BetonFestigkeit = 17.5f;
            zormd::RechteckBemessungGlobal(M, Q, h, d1, As, As2, asw, BW.tau0, BW.tauMassg);
        } else {
            zormd::BS.BetonFestigkeit = 17.0f;
            zormd::RechteckBemessungTabelle(M, N, Q, h, d1, As, As2, asw);
        }
        if (As < 999.0f && static_cast<float>(As / h) <= 50.0f) {
            gefunden = true;
            break;
        }
        if (schritt + 1 < kDicken) h = h + 0.02f;
    }
    BS.BetonFestigkeit = festigkeit;
    BW.SpritzbetonFlag = 0;

    if (Teilsicherheiten()) ZeileDrucken(zorma::Einzug(), "EAB 2006, Anhang A7:");
    const std::string zwischen = P.Wandtyp == 1 ? " cm zwischen den Trägern:" : " cm zwischen den Pfählen:";
    const std::string beton = Teilsicherheiten() ? "C 20/25," : "  B 25, ";
    if (!gefunden) {
        zorma::HinweisDrucken(kEinzug, "*** Spritzbetonausfachung " + beton + " bis h = 100" + zwischen);
        ZeileDrucken(kEinzug + "    keine Dicke mit As / h <= 50 (0,5 %) bemessbar.");
    } else {
        // The thickness goes up in steps of 2 cm; added up in single precision it strays from the step
        // (87.99998): it is printed in whole centimetres.
        ZeileDrucken(kEinzug + "Spritzbetonausfachung " + beton + " h >= " + vb::Format(std::round(h * 100.0f)) +
                     zwischen);
    }
    ZeileDrucken(kEinzug + "-----------------------------------------");
    ZeileDrucken(kEinzug + "maßgeb. e ; siehe Grafik Wandbelastung    = " + Feld4(e, "#0.0") + " kN/m2");
    ZeileDrucken(kEinzug + "M = " + Feld4(e, "#0.0") + " * ( " + Feld4(a, "0.00") + " - " + Feld4(b, "0.00") +
                 " * 0,8 ) ^ 2 / 8  = " + Feld4(M, "##0.0") + " kNm/m ");
    if (gefunden) {
        ZeileDrucken(kEinzug + "Biege-Bewehrung As = " + Feld4(As, "#0.00") + " cm2/m; Betondeckung 4 cm" +
                     "; d1=4,5; d=" + vb::Format((h - d1) * 100.0f, "##.#") + " cm");
        ZeileDrucken(kEinzug + "-------------------------------- (ohne Gewölbewirkung)");
        if (P.Wandtyp != 1) ZeileDrucken(kEinzug + "Auf ausreichende Auflagerung achten!");
        ZeileDrucken(kEinzug + "Gewölbewirkung nur ansetzbar, wenn Gewölbeschub H aufnehmbar!");
        ZeileDrucken(kEinzug + "Dann: H = M / f(Stich); sigma = H / (d/3) <!= zul.sigma.Beton");
        zorma::Leerzeilen();
        ZeileDrucken(kEinzug + "  gew: ____________________________________________________ <---");
    }
    zorma::Leerzeilen(3);
}

} // namespace zormd
