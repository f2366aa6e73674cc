// The block of detailed results after the pre-design: the strut check of concrete walls and the two
// governing sections of the design with the local normal force at the grid points.
#include <cmath>

#include "design/design_stage.h"
#include "design/report_fields.h"
#include "design/state.h"
#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;
using zorma::Drucken;
using zorma::Spalte;
using zorma::ZahlText;
using zorma::ZeileDrucken;

namespace zormd {

namespace {

const std::string kEinzug(13, ' ');

bool Teilsicherheiten() {
    return P.TeilsicherheitenAn != 0;
}

bool Stahlwand() {
    return P.Wandtyp == 1 || P.Wandtyp == 2;
}

// Comparison stress sqrt(sigma^2 + 3 tau^2) and its line against 1.1 ZulSigma.
std::string VergleichsZeile(float sigma, float tau) {
    const float sv = static_cast<float>(
        std::sqrt(static_cast<double>(sigma) * sigma + 3.0 * static_cast<double>(tau) * tau));
    const float grenze = static_cast<float>(1.1 * P.ZulSigma);
    return std::string(42, ' ') + "sigma(V) = " + Feld6(sv, "##0.0") + " N/mm2" +
           (grenze > sv ? " < 1.1 *" : " > 1.1 *") + vb::Str(P.ZulSigma);
}

void Druckstrebe() {
    VRdCZeile(BW.VRdC, BS.BemQuerkraft);
    const float VEd = BS.BemQuerkraft;
    std::string v1 = kEinzug + "  Druckstrebe:    VEd / VRdmax = " + vb::Format(VEd, "####.0") + " / " +
                     vb::Format(BW.VRdmax, "####.0") + "  =  ";
    if (VEd != 0.0f && !(BW.VRdmax > 0.0f)) {
        // No strut resistance from a shear design: the ratio cannot be formed.
        zorma::HinweisDrucken("", v1 + "nicht bestimmbar");
        zorma::HinweisDrucken(kEinzug + "  ", "*** Ohne VRdmax ist die Druckstrebe nicht nachgewiesen.");
    } else {
        const float r = VEd == 0.0f ? 0.0f : VEd / BW.VRdmax;
        ZeileDrucken(v1 + vb::Format(r, "0.00") + (r <= 1.0f ? " <= 1,00" : " UNZULÄSSIG"));
        if (static_cast<double>(r) > 1.01)
            ZeileDrucken("           *** Die Querkrafttragfähigkeit der Druckstrebe ist überschritten.");
    }
    ZeileDrucken(Spalte(16), "AsBü = 10 * VEd / ((500/1,15) * z * cot(theta)); Formel 75 DIN 1045-1");
}

void Dehnungen(Schnittsatz& s) {
    DehnungenZeilen(s.D1, s.D3, s.B, s.C, s.G, s.A);
}

} // namespace

void BemessungErgebnis() {
    if (!Stahlwand()) Druckstrebe();
    if (P.MitNormalkraft == 0) return;

    zorma::Leerzeilen();
    ZeileDrucken(kEinzug + "  Genauere Berechnung mit örtlichem ( N + M + Q ) - Einfluß,");
    ZeileDrucken(kEinzug + "  ----------------------------------------------------------");
    ZeileDrucken(kEinzug + "  aushub- und lastfallweise, an allen ( ns =", BS.Laengs.Ns, ") Querschnitten.");
    if (P.Wandtyp >= 4) {
        ZeileDrucken(kEinzug + "  Mindest-Längsbewehrung = " + ZahlText(P.AsMmin, 6, 2) + " cm2");
        ZeileDrucken(kEinzug + "  Mindest-Wendelbewerung = " + ZahlText(P.AsQmin, 6, 2) + " cm2/m");
    }
    if (BS.NichtBemessbar > 0)
        zorma::HinweisDrucken(kEinzug + "  ",
                              "*** " + std::to_string(BS.NichtBemessbar) +
                                  " Querschnitt(e) nicht bemessbar (überlastet oder ohne Konvergenz)!");
    zorma::Leerzeilen();

    Schnittsatz& L = BS.Laengs;
    Schnittsatz& Q = BS.Quer;
    if (Stahlwand()) {
        ZeileDrucken(kEinzug + "  Maßgebl. Längsspannung sigma(M + N) = " + Feld6(BS.MaxLaengs, "##0.0") +
                     " N/mm2" + (BS.MaxLaengs < P.ZulSigma ? " <" : " >") + vb::Str(P.ZulSigma));
        ZeileDrucken(std::string(42, ' ') + "tau (ca) = " + Feld6(L.Begleitwert, "##0.0") + " N/mm2");
        ZeileDrucken(VergleichsZeile(BS.MaxLaengs, L.Begleitwert));
    } else {
        if (P.Wandtyp >= 4) Dehnungen(L);
        std::string c1 = kEinzug + "  Maßgeb. Längsbew. As =";
        FlaecheZeile(c1, BS.MaxLaengs);
        VRdCZeile(L.VRdC, L.Nx);
        std::string c2 = std::string(23, ' ') + "Bü-Bew. AsBü =";
        FlaecheProMeter(c2, L.Begleitwert, L.Cot);
    }
    SchnittgroessenZeile(L.zs, L.N, L.M, L.Nx, L.LF, L.Aushub);

    if (Stahlwand()) {
        ZeileDrucken(kEinzug + "  Maßgebende Schubspannung tau (ca)   = " + Feld6(BS.MaxQuer, "##0.0") +
                     " N/mm2");
        ZeileDrucken(std::string(38, ' ') + "sigma(N + M) = " + Feld6(Q.Begleitwert, "##0.0") + " N/mm2");
        ZeileDrucken(VergleichsZeile(Q.Begleitwert, BS.MaxQuer));
    } else {
        if (P.Wandtyp >= 4) Dehnungen(Q);
        std::string c3 = kEinzug + "  Maßgeb. Bü-Bew. AsBü =";
        FlaecheProMeter(c3, BS.MaxQuer, Q.Cot);
        VRdCZeile(Q.VRdC, Q.Nx);
        std::string c4 = std::string(23, ' ') + "Längsbew. As =";
        FlaecheZeile(c4, Q.Begleitwert);
    }
    SchnittgroessenZeile(Q.zs, Q.N, Q.M, Q.Nx, Q.LF, Q.Aushub);
}

void DehnungenZeilen(float& eps1, float& eps3, float& b0, float& bw, float& z, float& prozent) {
    ZeileDrucken(kEinzug + "            Betondehnung  eps1 =" + ZahlText(eps1, 6, 2) + " o/oo");
    ZeileDrucken(kEinzug + "            Stahldehnung  eps3 =" + ZahlText(eps3, 6, 2) + " o/oo");
    ZeileDrucken(kEinzug + "            Null-Linienbr.  b0 =" + ZahlText(b0, 6, 2) + " m");
    if (Teilsicherheiten())
        ZeileDrucken(kEinzug + "            Druckz.-Breite  bw =" + ZahlText(bw, 6, 2) +
                     " m für VRdC, VRdmax");
    ZeileDrucken(kEinzug + "            Hebelarm         z =" + ZahlText(z, 6, 2) + " m");
    ZeileDrucken(kEinzug + "            BewehrungsProzent  =" + ZahlText(prozent, 6, 2) + " %");
    zorma::Leerzeilen();
}

void SchnittgroessenZeile(float& zs, float& N, float& M, float& Q, int16_t& lastfall, int16_t& aushub) {
    ZeileDrucken(kEinzug + "  bei zs =" + ZahlText(zs, 6, 2) + " m:  N =" + ZahlText(N, 6, 1) +
                 " kN   M =" + ZahlText(M, 7, 1) + " kNm   Q =" + ZahlText(Q, 7, 1) + " kN");
    // Per metre only where the widths are not 1.0, and only where they can be divided by.
    if (!(P.EBreiteM == 1.0f && P.EBreiteN == 1.0f) && P.EBreiteM != 0.0f && P.EBreiteN != 0.0f)
        ZeileDrucken(kEinzug + "                     N =" + ZahlText(N / P.EBreiteN, 6, 1) +
                     " kN/m M =" + ZahlText(M / P.EBreiteM, 7, 1) +
                     " kNm/m Q =" + ZahlText(Q / P.EBreiteM, 7, 1) + " kN/m");
    ZeileDrucken(kEinzug + "                   (Lastfall", lastfall,
                 ", Aushub " + vb::StrPlain(aushub) + ")");
    zorma::Leerzeilen();
}

void VRdCZeile(float& VRdC, float& VEd) {
    if (!Teilsicherheiten()) return;
    ZeileDrucken(Spalte(32), "VRdC = " + ZahlText(VRdC * 1000.0f, 5, 1) + " kN" +
                                 "   VEd = " + ZahlText(std::fabs(VEd), 5, 1) + " kN");
    if (VEd == 0.0f) return; // no quotient: the reduction to 0.999 VEd has nothing to say
    const float q = static_cast<float>(VRdC * 1000.0 / VEd);
    if (static_cast<double>(std::fabs(q)) > 0.99)
        ZeileDrucken(Spalte(32), "VRdC auf 0.999 * VEd reduziert wegen cot(theta)");
}

void FlaecheProMeter(std::string& zeile, float& flaeche, float& cotTheta) {
    zeile += Feld6(flaeche, "##0.0") + " cm2/m";
    Drucken(zeile);
    if (Teilsicherheiten())
        ZeileDrucken(" bei cot(theta) = " + vb::Format(cotTheta, "0.00") + " <---");
    else
        zorma::ZeileBeenden();
}

void FlaecheZeile(std::string& zeile, float& flaeche) {
    zeile += Feld6(flaeche, "##0.0") + " cm2";
    ZeileDrucken(zeile);
}

} // namespace zormd
