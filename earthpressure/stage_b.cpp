#include "earthpressure/stage_b.h"

#include <cmath>
#include <string>

#include "earthpressure/coefficients.h"
#include "earthpressure/curved_passive.h"
#include "earthpressure/figure_points.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/handover_b.h"
#include "earthpressure/number_lists.h"
#include "earthpressure/report_file.h"
#include "earthpressure/rest_pressure.h"
#include "earthpressure/slopes.h"
#include "earthpressure/soil_pressure.h"
#include "earthpressure/state.h"
#include "earthpressure/surface_loads.h"
#include "earthpressure/trial_planes.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zormb {

namespace {

using zorma::ZahlText;
using zorma::ZeileDrucken;

// Seepage state of the pass from "zorz10".
void SickerzustandLesen() {
    vb::FileGuard d("zorz10", vb::OpenMode::Input);
    const int16_t f = d.nr();
    float w3 = 0, w4 = 0;
    vb::Input(f, B.GammaGeaendert, B.SickerKonv, w3, w4, B.GefaelleErd, B.GefaelleLuft);
    if (B.GammaGeaendert == 1) {
        for (int i = 1; i <= P.AnzErd; ++i)
            vb::Input(f, P.SchichtGammaAuftrieb[i], P.SchichtGammaAuftriebAush[i]);
    } else {
        B.GefaelleErd = 0.0f;
        B.GefaelleLuft = 0.0f;
    }
    d.Close();
}

int16_t DruckLastfallBestimmen() {
    return (zormcom::Lauf.kzStroem == 1 && B.SickerKonv == 0) ? 0 : 1;
}

// Coefficients of layer i with the changed wall friction angles of the stage. Returns what the
// report must note: 1 kpgh, 2 kpch without a plane passive wedge (carried as 0), 4 kpgh from
// curved slip surfaces taken at the edge of its table.
int BeiwerteNeu(int i) {
    zormcom::Lauf.AlphaWand = 0.0f;
    P.SchichtDeltaA[i] = P.SchichtDeltaANeu[i];
    P.SchichtDeltaP[i] = P.SchichtDeltaPNeu[i];
    const float phi = P.SchichtPhi[i];
    float beta = 0.0f, ka = 0, kp = 0, kac = 0, kpc = 0;
    zormcom::ErddruckBeiwerte(phi, zormcom::Lauf.AlphaWand, beta, P.SchichtDeltaANeu[i],
                              P.SchichtDeltaPNeu[i], ka, kp, kac, kpc);
    int hinweis = 0;
    if (zormcom::BeiwertHinweis.KpghNichtBestimmbar && P.SchichtKpghVorgabe[i] == 0.0f) hinweis |= 1;
    if (zormcom::BeiwertHinweis.KpchNichtBestimmbar && P.SchichtKpchVorgabe[i] == 0.0f &&
        P.SchichtCp[i] != 0.0f)
        hinweis |= 2;
    if (P.SchichtKaghVorgabe[i] == 0.0f) zormcom::Lauf.SchichtKagh[i] = ka;
    if (P.SchichtKpghVorgabe[i] == 0.0f) zormcom::Lauf.SchichtKpgh[i] = kp;
    if (P.SchichtKachVorgabe[i] == 0.0f) zormcom::Lauf.SchichtKach[i] = kac;
    if (P.SchichtKpchVorgabe[i] == 0.0f) zormcom::Lauf.SchichtKpch[i] = kpc;
    const float s = static_cast<float>(std::sin(static_cast<double>(phi)));
    if (P.Erddruckart == 1) {
        zormcom::Lauf.SchichtK0Anteil[i] = (1.0f - s) * P.RuheProz / 100.0f;
        zormcom::Lauf.SchichtKaAnteil[i] = (1.0f - P.RuheProz / 100.0f) * zormcom::Lauf.SchichtKagh[i];
    } else if (P.Erddruckart == 2) {
        zormcom::Lauf.SchichtKaAnteil[i] = 1.0f - s;
    }
    if (phi > P.PhiCaq * P.GradZuRad + 0.000001f && P.SchichtDeltaPNeu[i] < 0.0f &&
        P.SchichtKpghVorgabe[i] == 0.0f) {
        float kpc2 = 0.0f;
        if (zormb::KpCaquot(phi, P.SchichtDeltaPNeu[i], zormcom::Lauf.AlphaWand, 0.0f, kpc2)) hinweis |= 4;
        hinweis &= ~1; // the curved surfaces give kpgh
        zormcom::Lauf.SchichtKpgh[i] = kpc2;
    }
    if (P.SchichtCa[i] == 0.0f) zormcom::Lauf.SchichtKach[i] = 0.0f;
    if (P.SchichtCp[i] == 0.0f) zormcom::Lauf.SchichtKpch[i] = 0.0f;
    return hinweis;
}

void KopfLastfall() {
    zorma::Bericht.Einrueckung = std::string(13, ' ');
    ZeileDrucken(P.Kommentar[4]);
    ZeileDrucken(zorma::Bericht.Einrueckung + "         LASTFALL " + ZahlText(P.LFNr, 2, 0) + "  AUSHUB " +
                 ZahlText(P.AushNr, 2, 0));
    ZeileDrucken(P.Kommentar[4]);
}

void SickerHinweis() {
    if (!(B.GefaelleErdWirksam != 0.0f && zormcom::Lauf.kzStroem != 0 && B.GefaelleLuftWirksam != 0.0f))
        return;
    const std::string t(12, ' ');
    ZeileDrucken(t + "  Wegen Stömungsdruck wurden die Bodenwichten und die Wasser- ");
    ZeileDrucken(t + "  wichten beider Seiten iterativ geändert. Oberhalb des Bodens");
    ZeileDrucken(t + "  bleibt das Wassergewicht unverändert bei 10 kN/m3 (23.8.2009)");
    ZeileDrucken(t + "  gap´ wird begrenzt auf >= 0,001 = Schwebezustand  ( 1.4.2010)");
    ZeileDrucken("");
    ZeileDrucken(t +
                 "  Mittleres hydraulisches Gefälle   aktiv    ia =" + ZahlText(B.GefaelleErdWirksam, 8, 4));
    ZeileDrucken(t +
                 "                                    passiv   ip =" + ZahlText(B.GefaelleLuftWirksam, 8, 4));
    ZeileDrucken(t + "  gaa´ = gaa + ia * 10 , gwa´ = ( 1 - ia ) * 10 =" +
                 ZahlText((1.0f - B.GefaelleErdWirksam) * 10.0f, 6, 2));
    ZeileDrucken(t + "  gap´ = gap + ip * 10 , gwp´ = ( 1 - ip ) * 10 =" +
                 ZahlText((1.0f - B.GefaelleLuftWirksam) * 10.0f, 6, 2));
    ZeileDrucken("");
}

void KopfErddruck(bool vorgegeben) {
    const std::string e(13, ' ');
    ZeileDrucken("");
    ZeileDrucken(e + "ERDDRUCK (m , kN/m2)     ohne Wasserdruck, ohne Zusatzdruck.");
    if (P.TeilsicherheitenAn != 0)
        ZeileDrucken(e, "(Bemessungswerte nach Grenzzustand GZ STR mit gamG = ", zorma::ZweiStellen(P.gamG),
                     zorma::Spalte(45), " gamE0g = ", zorma::ZweiStellen(P.gamE0g),
                     " gamQ = ", zorma::ZweiStellen(P.gamQ), ")");
    ZeileDrucken(P.Kommentar[4]);
    const std::string z(22, ' ');
    if (vorgegeben) {
        ZeileDrucken(z + "Kote  z         eh-Summe       vom Anwender eingegeben.");
    } else {
        ZeileDrucken(z + "Kote  z         eh-Summe        eh-Boden     eh-Auflast");
        ZeileDrucken(z + "                           +  großfl. L.   begrenzte L.");
    }
}

// Adds list A and the limited-load list into ESumme and copies the sum into BegrLast.
void SummeNachBegrLast(const zor::Ordinatenliste& A) {
    zormcom::DiagrammAddieren(A, B.BegrLast, B.ESumme, 1);
    ListeKopieren(B.ESumme, B.BegrLast);
}

void ZorgzSchreiben() {
    vb::FileGuard d("ZORGZ", vb::OpenMode::Output);
    vb::Write(d.nr(), B.Gz.n);
    for (int i = 1; i <= B.Gz.n; ++i)
        vb::Write(d.nr(), B.Gz.z[i], B.Gz.e[i]);
    d.Close();
}

void PloteSchreiben() {
    vb::FileGuard d("ZZZPLOTE", vb::OpenMode::Output);
    vb::Write(d.nr(), P.AnzLF, P.LFNr, P.AnzAush, P.AushNr, B.BegrLast.n);
    for (int i = 1; i <= B.BegrLast.n; ++i)
        vb::Write(d.nr(), B.ESumme.z[i], B.ESumme.e[i], B.ESumme.e[i] - B.BegrLast.e[i], B.BegrLast.e[i]);
    d.Close();
}

} // namespace

void ErddruckBerechnen() {
    auto& L = zormcom::Lauf;

    // A minimum earth pressure suspended by the given pressure of an earlier stage holds again.
    // The first stage of the first load case begins a new run, in which the project's value (read
    // back after the last run) stands already.
    if (B.MinEahAusgesetzt != 0) {
        if (!(P.LFNr == 1 && P.AushNr == 1)) P.MinEah = B.MinEahGesichert;
        B.MinEahAusgesetzt = 0;
    }

    // 1. Head load, flag of the small loads, report for appending.
    P.NKopf = P.NKopfLF[P.LFNr];
    L.LastKleinFlag = 0;
    zorma::BerichtAnhaengen();

    // 2. Input of the pass as stage a left it.
    zormcom::LastfallLesen(P.LFNr);
    zormcom::AushubDateiLesen(P.AushNr);
    zormcom::AushubLaden(P.AushNr);
    Z11Lesen();
    // The changed passive wall friction per layer as entered: the water-level split below moves
    // it with the layers, but the trial-plane search works on the layers as entered.
    const auto deltaPNeuEingabe = P.SchichtDeltaPNeu;

    // 3. Extension of the per-stage files.
    zormcom::Lauf.DateiEndung = std::to_string(10 * P.AushNr + P.LFNr);

    // 4.-7. Seepage and heave options of the pass.
    if (std::fabs(P.ZWasserErd - P.ZWasserLuft) < 0.01f) {
        zormcom::Lauf.kzStroem = 0;
        zormcom::Lauf.kzHydGrBr = 0;
    }
    B.GrundbruchTab.fill(0.0f);
    if (zormcom::Lauf.kzStroem != 0) SickerzustandLesen();
    // The buoyant weights in front of the wall as the seepage iteration has corrected them, for
    // the trial-plane search on the layers as entered (the same layers, before the split below).
    const bool gammaKorrigiert = zormcom::Lauf.kzStroem != 0 && B.GammaGeaendert == 1;
    const int16_t anzErdKorrigiert = P.AnzErd;
    const auto gammaAuftriebAushKorrigiert = P.SchichtGammaAuftriebAush;
    if (zormcom::Lauf.kzWasserenth != 0) {
        zormcom::Lauf.kzHydGrBr = 0;
        zormcom::Lauf.kzStroem = 0;
    }

    // 8.-9. Does this pass print? The seepage iteration prints only its converged pass.
    B.DruckLastfall = DruckLastfallBestimmen();
    if (B.DruckLastfall == 1) KopfLastfall();

    // 10. Layers whose wall friction changes in this stage.
    bool kopfGeschrieben = false;
    for (int16_t i = 1; i <= P.AnzErd; ++i) {
        int16_t geaendert = 0, gelistet = 0;
        WandreibungGeaendert(i, geaendert, gelistet);
        if (!(geaendert == 1 && gelistet == 1)) continue;
        const int hinweis = BeiwerteNeu(i);
        if (B.DruckLastfall == 1) {
            if (!kopfGeschrieben) {
                ZeileDrucken(zorma::Bericht.Einrueckung + "         wegen geänderter Wandreibungswinkel :");
                ZeileDrucken("         " + vb::Left(zorma::Bericht.BerichtText[70], 55));
                ZeileDrucken("         " + vb::Left(zorma::Bericht.BerichtText[71], 55));
                kopfGeschrieben = true;
            }
            ZeileDrucken(zorma::Bericht.Einrueckung + "         " + ZahlText(i, 3, 0) +
                         ZahlText(P.SchichtDicke[i], 10, 2) + ZahlText(zormcom::Lauf.SchichtKagh[i], 8, 3) +
                         ZahlText(zormcom::Lauf.SchichtKach[i], 7, 3) +
                         ZahlText(zormcom::Lauf.SchichtKpch[i], 7, 3) +
                         ZahlText(zormcom::Lauf.SchichtKpgh[i], 7, 3));
            const std::string& e = zorma::Bericht.Einrueckung;
            const std::string schicht = "*** Schicht " + std::to_string(i);
            if ((hinweis & 1) != 0)
                zorma::HinweisDrucken(e, schicht + ": kpgh nicht bestimmbar (keine ebene Gleitfläche)");
            if ((hinweis & 2) != 0)
                zorma::HinweisDrucken(e, schicht + ": kpch nicht bestimmbar (keine ebene Gleitfläche)");
            if ((hinweis & 4) != 0)
                zorma::HinweisDrucken(e, schicht + ": kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt");
        }
    }

    // 11. One empty line in every pass.
    ZeileDrucken("");

    // 12. Loads standing on slopes above the wall head move down to it.
    LastenAufBoeschung(0.0f);

    // 13. Vertical stress from slopes and unlimited loads.
    ErddruckBoeschung(B.Gz, B.SigmaV, B.SchichtSigma, 0.0f);
    FlaechenlastFigur(B.BegrLast);
    zormcom::DiagrammAddieren(B.Gz, B.BegrLast, B.SigmaV, 1);
    ListeKopieren(B.SigmaV, B.Gz);
    ZorgzSchreiben();

    // 14.-15. Layer boundary at the earth-side water level; soil pressure.
    if (P.ZWasserErd > 0.0f) SchichtgrenzeEinfuegen(P.ZWasserErd);
    ErddruckBoden(0);

    // 16. Pressures given by the user for the stage.
    const int s = P.AushNr;
    int nE = static_cast<int>(std::floor(P.EahGeg(s, 0)));
    nE = nE < 0 ? 0 : (nE > 15 ? 15 : nE);
    int nP = static_cast<int>(std::floor(P.EphGeg(s, 0)));
    nP = nP < 0 ? 0 : (nP > 15 ? 15 : nP);
    L.AnzEphGegeben = static_cast<int16_t>(nP);
    for (int k = 1; k <= nP; ++k) {
        float z = P.zAush + P.TEphGeg(s, k);
        L.EphGegAktZ[k] = z > 99.0f ? 99.0f : z;
        L.EphGegAktE[k] = P.EphGeg(s, k);
    }
    if (nE >= 1) {
        for (int k = 1; k <= nE; ++k) {
            B.Eah.z[k] = P.ZEahGeg(s, k);
            B.Eah.e[k] = P.gamG * P.EahGeg(s, k);
        }
        B.Eah.n = static_cast<int16_t>(nE);
    }
    if (nE > 0 || nP > 0) zormcom::Lauf.kzStroem = 0;
    if (nE > 0) {
        // The given pressure replaces the minimum earth pressure in this stage only.
        B.MinEahGesichert = P.MinEah;
        B.MinEahAusgesetzt = 1;
        P.MinEah = 0.0f;
    } else {
        Mindesterddruck(P.gamG);
    }

    // 17. Soil pressure and layer table for the statics.
    Z3Schreiben();
    Z2Schreiben();

    // 18.-19. Section head.
    B.DruckLastfall = DruckLastfallBestimmen();
    if (B.DruckLastfall == 1) {
        SickerHinweis();
        KopfErddruck(nE > 0);
    }

    if (nE == 0) {
        // 20. Pressure of the surface loads.
        if (P.Erddruckart == 1) {
            BegrenzteLastAktiv();
            NegativeAbschneiden();
            PunkteBereinigen(B.BegrLast);
            if (P.RuheProz > 0.0001f) {
                ListeKopieren(B.BegrLast, B.SigmaV);
                BegrenzteLastRuhe();
                bool wirksam = false;
                for (int k = 1; k <= B.BegrLast.n; ++k)
                    if (B.BegrLast.e[k] > 0.1f) wirksam = true;
                if (wirksam) {
                    SummeNachBegrLast(B.SigmaV);
                } else {
                    ListeKopieren(B.SigmaV, B.BegrLast);
                }
            }
        } else if (P.Erddruckart == 2) {
            BegrenzteLastRuhe();
        }
        ListeKopieren(B.BegrLast, B.SigmaV);
        HorizontallastFigur(B.ESumme, B.BegrLast);
        SummeNachBegrLast(B.SigmaV);
        if (B.BegrLast.n < 2) LastfigurLeer(B.BegrLast);

        // Earth-pressure sum.
        zormcom::DiagrammAddieren(B.Eah, B.BegrLast, B.ESumme, 1);
        if (B.DruckLastfall == 1) {
            for (int k = 1; k <= B.ESumme.n; ++k)
                ZeileDrucken(
                    std::string(23, ' ') + ZahlText(B.ESumme.z[k], 6, 2) + ZahlText(B.ESumme.e[k], 17, 2) +
                    ZahlText(B.ESumme.e[k] - B.BegrLast.e[k], 16, 2) + ZahlText(B.BegrLast.e[k], 15, 2));
            ZeileDrucken("");
            ZeileDrucken("");
        }
    } else {
        // 21. The given pressure is the sum; the loads are contained in it.
        if (B.DruckLastfall == 1) {
            for (int k = 1; k <= B.Eah.n; ++k)
                ZeileDrucken(std::string(23, ' ') + ZahlText(B.Eah.z[k], 6, 2) + ZahlText(B.Eah.e[k], 17, 2));
            ZeileDrucken("");
            ZeileDrucken("");
        }
        ListeKopieren(B.Eah, B.ESumme);
        for (int k = 1; k <= B.Eah.n; ++k) {
            B.BegrLast.e[k] = 0.0f;
            B.BegrLast.z[k] = B.Eah.z[k];
        }
        B.BegrLast.n = B.Eah.n;
    }

    // 22.-24. Hand-over files.
    PloteSchreiben();
    L.IterZustand = 0;
    Z4Schreiben();
    if (zormcom::Lauf.kzStroem == 0) B.SickerKonv = 1;
    // "ZOREPP." holds no list ("0") unless the trial planes below give one; the file is written once.
    const auto keineListe = [] {
        vb::FileGuard d("ZOREPP.", vb::OpenMode::Output);
        vb::Write(d.nr(), static_cast<int16_t>(0));
        d.Close();
    };
    const bool gleitflaechen = L.AnzEphGegeben == 0 && (P.StBH != 0.0f || P.AnzSohlLast != 0);
    if (!gleitflaechen) keineListe();
    zormb::GleitErgebnis.AnzGleitflaechen = 0;

    // 25. Passive pressure by trial slip planes for a sloped or loaded bottom, on the layers as entered.
    if (gleitflaechen) {
        try {
            EingabeNachlesen();
            P.SchichtDeltaPNeu = deltaPNeuEingabe;
            // Seepage lightens the soil in front of the wall for the passive wedges too.
            if (gammaKorrigiert && P.AnzErd == anzErdKorrigiert)
                P.SchichtGammaAuftriebAush = gammaAuftriebAushKorrigiert;
            ErdwiderstandGleitflaechen();
        } catch (...) {
            // the pass ends here: the file says that it holds no list of this pass
            if (zormb::GleitErgebnis.AnzGleitflaechen == 0) {
                try {
                    keineListe();
                } catch (...) {
                    // the error that ended the pass is the one to report
                }
            }
            throw;
        }
        // the search was not possible for this stage (it has said so)
        if (zormb::GleitErgebnis.AnzGleitflaechen == 0) keineListe();
        EingabeNachlesen();
    }
}

} // namespace zormb
