#include "earthpressure/stage_a.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "earthpressure/coefficients.h"
#include "earthpressure/curved_passive.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/input_echo.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"

using zorm1::P;

namespace zorma {

namespace {

void LeerAnlegen(const char* name) {
    vb::FileGuard d(name, vb::OpenMode::Output);
    d.Close();
}

// The first line of the settings file: folder, name and full name of the project file.
// Stage a takes the folder and the name again (the name into NameOhneExt); the full name
// is not used. A missing or short file leaves the values as they are.
void EinstellungenKopfLesen() {
    const std::string name = P.WurzelOrdner + "ZORPFAD.DAT";
    if (!vb::FileExists(name)) return;
    vb::FileGuard d(name, vb::OpenMode::Input);
    try {
        std::string pfad, datei, ganz;
        vb::Input(d.nr(), pfad, datei, ganz);
        P.DateiPfad = pfad;
        P.NameOhneExt = datei;
    } catch (const vb::RuntimeError&) {
    }
    d.Close();
}

// Values the calculation cannot work with are refused before anything is written. No depth, width,
// load, unit weight, angle, factor or percentage of a project comes near a million; far larger values
// overflow single precision in the products of the calculation and leave results that are no numbers.
constexpr float kGroessterBetrag = 1.0e6f;

[[noreturn]] void WertAblehnen(const std::string& was) {
    throw zor::CalcAbort("Die Berechnung ist nicht möglich:\r\n" + was + "\r\nBitte die Eingabe überprüfen.");
}

void Betrag(float v, const std::string& was) {
    if (!(std::fabs(v) <= kGroessterBetrag))
        WertAblehnen(was + " = " + vb::StrPlain(v) + " (zulässig ist ein Betrag bis 1000000).");
}

// The input values of the earth-pressure calculation, angles still in degrees. The counts have been
// checked against the arrays before.
void PruefeEingabeWerte() {
    for (int i = 1; i <= P.AnzErd; ++i) {
        const std::string sch = " der Bodenschicht " + std::to_string(i);
        // The coefficients need a friction angle below 90 degrees (cos phi > 0, tan phi finite and
        // not negative).
        const float phi = P.SchichtPhi[i];
        if (!(phi >= 0.0f && phi < 90.0f))
            WertAblehnen("Reibungswinkel" + sch + " = " + vb::StrPlain(phi) +
                         " Grad (zulässig 0 bis unter 90 Grad).");
        Betrag(P.SchichtDicke[i], "Dicke" + sch);
        Betrag(P.SchichtDeltaA[i], "Wandreibungswinkel deltaA" + sch);
        Betrag(P.SchichtDeltaP[i], "Wandreibungswinkel deltaP" + sch);
        Betrag(P.SchichtDeltaANeu[i], "geänderter Wandreibungswinkel deltaA" + sch);
        Betrag(P.SchichtDeltaPNeu[i], "geänderter Wandreibungswinkel deltaP" + sch);
        Betrag(P.SchichtCa[i], "Kohäsion" + sch);
        Betrag(P.SchichtCp[i], "Kohäsion (Erdwiderstand)" + sch);
        Betrag(P.SchichtGamma[i], "Wichte" + sch);
        Betrag(P.SchichtGammaAuftrieb[i], "Wichte unter Auftrieb" + sch);
        Betrag(P.SchichtGammaAush[i], "Wichte im Aushub" + sch);
        Betrag(P.SchichtGammaAuftriebAush[i], "Wichte unter Auftrieb im Aushub" + sch);
        Betrag(P.SchichtKaghVorgabe[i], "vorgegebener Beiwert kagh" + sch);
        Betrag(P.SchichtKachVorgabe[i], "vorgegebener Beiwert kach" + sch);
        Betrag(P.SchichtKpchVorgabe[i], "vorgegebener Beiwert kpch" + sch);
        Betrag(P.SchichtKpghVorgabe[i], "vorgegebener Beiwert kpgh" + sch);
    }
    Betrag(P.RuheProz, "Anteil des Erdruhedrucks");
    Betrag(P.EntlastFaktor, "Entlastungsfaktor");
    Betrag(P.MinEah, "Mindesterddruck");
    Betrag(P.DeltaZF, "Schrittweite");
    Betrag(P.KoteOKWand, "Kote der Wandoberkante");
    Betrag(P.PhiCaq, "Grenzwinkel für gekrümmte Gleitflächen");
    for (int k = 1; k <= P.AnzBoesch; ++k) {
        const std::string b = " der Böschung " + std::to_string(k);
        Betrag(P.BoeschX1[k], "x1" + b);
        Betrag(P.BoeschX2[k], "x2" + b);
        Betrag(P.BoeschZ1[k], "z1" + b);
        Betrag(P.BoeschZ2[k], "z2" + b);
        Betrag(P.BoeschGamma[k], "Wichte" + b);
        Betrag(P.BoeschPhi[k], "Winkel" + b);
    }
    for (int lc = 1; lc <= P.AnzLF; ++lc) {
        const std::string lf = " im Lastfall " + std::to_string(lc);
        Betrag(P.NKopfLF[lc], "Normalkraft am Wandkopf" + lf);
        for (int j = 1; j <= P.AnzLastLuftLF[lc]; ++j) {
            const std::string l = " der Wandlast " + std::to_string(j) + lf;
            Betrag(P.LuftLastH(lc, j), "Horizontalkraft" + l);
            Betrag(P.LuftLastM(lc, j), "Moment" + l);
            Betrag(P.LuftLastZ(lc, j), "Kote" + l);
        }
        for (int j = 1; j <= P.AnzLastErdLF[lc]; ++j) {
            const std::string l = " der Flächenlast " + std::to_string(j) + lf;
            Betrag(P.ErdLastPv(lc, j), "Vertikallast" + l);
            Betrag(P.ErdLastPh(lc, j), "Horizontallast" + l);
            Betrag(P.ErdLastXA(lc, j), "Anfang" + l);
            Betrag(P.ErdLastXE(lc, j), "Ende" + l);
            Betrag(P.ErdLastZ(lc, j), "Kote" + l);
            Betrag(P.ErdLastRuheFaktor(lc, j), "Faktor des Erdruhedrucks" + l);
        }
    }
    for (int s = 1; s <= P.AnzAush; ++s) {
        const std::string az = " im Aushubzustand " + std::to_string(s);
        Betrag(P.ZWasserErdAush[s], "erdseitiger Wasserstand" + az);
        // The stage's values in their order, the lists up to their counts (checked before).
        const zorm1::Aushubstufe& t = P.Aushubstufen[static_cast<size_t>(s)];
        Betrag(t.Wandfuss, "Lagerung des Wandfußes" + az);
        Betrag(t.ZWandfuss, "Kote des Wandfußes" + az);
        Betrag(t.zAush, "Aushubtiefe" + az);
        Betrag(t.AnzAnker, "Anzahl der Anker" + az);
        Betrag(t.UmFigur, "Umlagerungsfigur" + az);
        Betrag(t.UmZ1, "Kote z1 der Umlagerungsfigur" + az);
        Betrag(t.UmZ2, "Kote z2 der Umlagerungsfigur" + az);
        Betrag(t.EpsUml, "Verhältnis der Umlagerung" + az);
        for (int i = 1; i <= 8; ++i)
            Betrag(t.ZAnker[static_cast<size_t>(i)], "Kote der Ankerlage " + std::to_string(i) + az);
        Betrag(t.ZNextAnker, "Kote der nächsten Ankerlage" + az);
        Betrag(t.ZWasserLuft, "luftseitiger Wasserstand" + az);
        Betrag(t.EFaktor, "Faktor auf den umgelagerten Erddruck" + az);
        Betrag(t.StBx1, "Anfang der geneigten Aushubsohle" + az);
        Betrag(t.StBx2, "Ende der geneigten Aushubsohle" + az);
        Betrag(t.StBH, "Tiefe der geneigten Aushubsohle" + az);
        Betrag(t.ZWasserErd, "erdseitiger Wasserstand" + az);
        Betrag(t.Einsp, "Einspanngrad des Wandfußes" + az);
        Betrag(t.AnzSohlLast, "Anzahl der Lasten auf der Aushubsohle" + az);
        const auto zahl = [](float v, int max) {
            return std::clamp(static_cast<int>(std::nearbyint(v)), 0, max);
        };
        for (int i = 1; i <= zahl(t.AnzSohlLast, 8); ++i) {
            const std::string last = "Last " + std::to_string(i) + " auf der Aushubsohle" + az;
            const size_t k = static_cast<size_t>(i);
            Betrag(t.SohlLastX1[k], last);
            Betrag(t.SohlLastX2[k], last);
            Betrag(t.SohlLastQ[k], last);
            Betrag(t.SohlLastZ[k], last);
        }
        Betrag(t.AnzZusatzSpannung, "Anzahl der Zusatzspannungen" + az);
        for (int i = 1; i <= zahl(t.AnzZusatzSpannung, 15); ++i) {
            Betrag(t.ZusZ[static_cast<size_t>(i)], "Zusatzspannung " + std::to_string(i) + az);
            Betrag(t.ZusSpannung[static_cast<size_t>(i)], "Zusatzspannung " + std::to_string(i) + az);
        }
        Betrag(t.AnzErddruckFaktor, "Anzahl der Erddruck-Faktoren" + az);
        for (int i = 1; i <= zahl(t.AnzErddruckFaktor, 15); ++i) {
            Betrag(t.EVerZ[static_cast<size_t>(i)], "Erddruck-Faktor " + std::to_string(i) + az);
            Betrag(t.EVerFaktor[static_cast<size_t>(i)], "Erddruck-Faktor " + std::to_string(i) + az);
        }
        for (int k = 1; k <= P.EahGeg(s, 0) && k <= 15; ++k) {
            Betrag(P.ZEahGeg(s, k), "Kote des vorgegebenen Erddrucks" + az);
            Betrag(P.EahGeg(s, k), "vorgegebener Erddruck" + az);
        }
        for (int k = 1; k <= P.EphGeg(s, 0) && k <= 15; ++k) {
            Betrag(P.TEphGeg(s, k), "Tiefe des vorgegebenen Erdwiderstands" + az);
            Betrag(P.EphGeg(s, k), "vorgegebener Erdwiderstand" + az);
        }
        Betrag(P.Ze1Fig6Aush[s], "Kote der Umlagerungsfigur 6" + az);
        Betrag(P.EpsFuss6Aush[s], "Faktor der Umlagerungsfigur 6" + az);
        for (int k = 1; k <= P.AnzFigur6Aush[s]; ++k) {
            Betrag(P.Fig6Verh(s, k), "Verhältnis der Umlagerungsfigur 6" + az);
            Betrag(P.Fig6Z(s, k), "Kote der Umlagerungsfigur 6" + az);
        }
    }
}

} // namespace

void SchichtBeiwerte(int16_t schicht, float& phi, float& alpha, float& beta, float& deltaA, float& deltaP,
                     float& Kagh, float& Kpgh, float& Kach, float& Kpch) {
    if (schicht < 0 || schicht > 100) throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
    zormcom::ErddruckBeiwerte(phi, alpha, beta, deltaA, deltaP, Kagh, Kpgh, Kach, Kpch);
    zormcom::Lauf.SchichtKagh[schicht] = Kagh;
    zormcom::Lauf.SchichtKpgh[schicht] = Kpgh;
    zormcom::Lauf.SchichtKach[schicht] = Kach;
    zormcom::Lauf.SchichtKpch[schicht] = Kpch;
}

void BettungsFlagSetzen() {
    if (P.AushNr < 0 || P.AushNr > 20) throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
    if ((P.Einsp > 0.0f && P.Wandfuss == 1) || P.Wandfuss == 2 || P.Wandfuss == 3 || P.Wandfuss == 4)
        P.UeberlagernNoetig = 1;
    else
        P.UeberlagernNoetig = 0;
    if (P.FussGebettet[P.AushNr] != 0) P.UeberlagernNoetig = 0;
}

void EingabeAuswerten() {
    auto& L = zormcom::Lauf;

    // Nothing is written before the data are known to fit the arrays and the hand-over files.
    PruefeUebergabeGrenzen();
    PruefeEingabeWerte();
    // The degree factor is set when the program starts; a run must never divide by an unset one.
    if (P.GradZuRad == 0.0f) P.GradZuRad = 3.141593f / 180.0f;

    // 1. Results of an earlier slip-circle search must not be read in this run.
    LeerAnlegen("DIDUVU.ERG");

    // 2. Leading layers without soil (a flood wall above ground).
    L.DickeOhneWichte = 0.0f;
    for (int i = 1; i <= P.AnzErd; ++i) {
        if (P.SchichtGamma[i] != 0.0f) break;
        L.DickeOhneWichte += P.SchichtDicke[i];
    }

    // 3. The input as entered (angles in degrees) into the working copy.
    vb::CloseAll();
    if (!zorm1::ArbeitskopieSchreiben("WEXASAVE."))
        throw zor::CalcAbort("Die Arbeitskopie \"WEXASAVE.\" der Eingabe konnte nicht geschrieben werden.");

    // 4. Name of the project file for an outside slip-circle program.
    {
        vb::FileGuard d("DIDUVU.AKT", vb::OpenMode::Output);
        vb::Write(d.nr(), P.GanzerName);
        d.Close();
    }

    // 5. State of the seepage iteration before its first pass.
    {
        vb::FileGuard d("zorz10", vb::OpenMode::Output);
        vb::Write(d.nr(), 0, 0, 10, 10, 0, 0);
        d.Close();
    }

    // 6. Plot records and slip-circle input of the verification stage start empty.
    LeerAnlegen("ZZZPLOT2");
    LeerAnlegen("wexasave.gl2");

    // 7. Layer entries behind the last layer (up to 9) are cleared.
    for (int i = P.AnzErd + 1; i <= 9; ++i) {
        P.SchichtDicke[i] = 0.0f;
        P.SchichtPhi[i] = 0.0f;
        P.SchichtDeltaA[i] = 0.0f;
        P.SchichtDeltaANeu[i] = 0.0f;
        P.SchichtDeltaPNeu[i] = 0.0f;
        P.SchichtCa[i] = 0.0f;
        P.SchichtGamma[i] = 0.0f;
        P.SchichtGammaAuftrieb[i] = 0.0f;
        P.SchichtGammaAush[i] = 0.0f;
        P.SchichtGammaAuftriebAush[i] = 0.0f;
        P.SchichtEI[i] = 0.0f;
        zormcom::Lauf.SchichtKaAnteil[i] = 0.0f;
        P.SchichtCp[i] = 0.0f;
        P.SchichtDeltaP[i] = 0.0f;
    }

    // 8. Report labels.
    TexteBelegen();

    // 9. Folder and name of the project file from the settings file.
    EinstellungenKopfLesen();

    // 10. Layer depths; the last layer reaches depth 99.
    const int n = P.AnzErd;
    zormcom::Lauf.SchichtKote[1] = 0.0f;
    for (int i = 1; i <= n; ++i)
        zormcom::Lauf.SchichtKote[i + 1] = zormcom::Lauf.SchichtKote[i] + P.SchichtDicke[i];
    zormcom::Lauf.SchichtKote[n + 1] = 99.0f;
    P.SchichtDicke[n] = 99.0f - zormcom::Lauf.SchichtKote[n];

    // 11. Layer angles to radians (slope angles, anchor inclinations and DeltaZF stay in degrees).
    for (int i = 1; i <= n; ++i) {
        P.SchichtPhi[i] *= P.GradZuRad;
        P.SchichtDeltaA[i] *= P.GradZuRad;
        P.SchichtDeltaP[i] *= P.GradZuRad;
        P.SchichtDeltaANeu[i] *= P.GradZuRad;
        P.SchichtDeltaPNeu[i] *= P.GradZuRad;
    }

    // 12. Coefficients of every layer.
    L.AlphaWand = 0.0f;
    L.BeiwertNichtBestimmbar.fill(0);
    for (int i = 1; i <= n; ++i) {
        float phi = P.SchichtPhi[i];
        float deltaA = P.SchichtDeltaA[i];
        float deltaP = P.SchichtDeltaP[i];
        float beta = 0.0f;
        float kagh = 0.0f, kpgh = 0.0f, kach = 0.0f, kpch = 0.0f;
        const int16_t schicht = static_cast<int16_t>(i);
        const float k0 = static_cast<float>(1.0 - std::sin(static_cast<double>(phi)));
        // Passive coefficients without a plane passive wedge (very high friction angles with
        // a steep negative wall friction) are carried as 0 and noted in the echo.
        auto nichtBestimmbar = [&] {
            L.BeiwertNichtBestimmbar[i] =
                static_cast<int16_t>((zormcom::BeiwertHinweis.KpghNichtBestimmbar ? 1 : 0) +
                                     (zormcom::BeiwertHinweis.KpchNichtBestimmbar ? 2 : 0));
        };
        if (P.Erddruckart == 1) {
            SchichtBeiwerte(schicht, phi, L.AlphaWand, beta, deltaA, deltaP, kagh, kpgh, kach, kpch);
            nichtBestimmbar();
            zormcom::Lauf.SchichtK0Anteil[i] = P.RuheProz * k0 / 100.0f;
            zormcom::Lauf.SchichtKaAnteil[i] = (1.0f - P.RuheProz / 100.0f) * zormcom::Lauf.SchichtKagh[i];
        } else if (P.Erddruckart == 2) {
            zormcom::Lauf.SchichtKaAnteil[i] = k0;
            SchichtBeiwerte(schicht, phi, L.AlphaWand, beta, deltaA, deltaP, kagh, kpgh, kach, kpch);
            nichtBestimmbar();
        }
        if (P.PhiCaq * P.GradZuRad < phi && deltaP < 0.01f) {
            float kp = 0.0f;
            const bool amRand = zormb::KpCaquot(phi, deltaP, L.AlphaWand, 0.0f, kp);
            zormcom::Lauf.SchichtKpgh[i] = kp;
            L.BeiwertNichtBestimmbar[i] &= static_cast<int16_t>(~1); // the curved surfaces give kpgh
            if (amRand) L.BeiwertNichtBestimmbar[i] |= 4;
        }
    }

    // 13. Report with page head and the echo of the input.
    // File 6 does not stay open when stage a is left by an error.
    vb::FileGuard bericht(kBerichtDateiNr);
    BerichtAnlegen();
    EchoAllgemeinWandBoden();
    EchoAushubLastenAnker();

    // Given coefficients replace the computed ones; a given 0 keeps the computed value. The
    // given kagh is the resulting coefficient, so its at-rest share has no separate base.
    if (P.BeiwerteGegeben == 1) {
        for (int i = 1; i <= n; ++i) {
            if (P.SchichtKaghVorgabe[i] != 0.0f) {
                zormcom::Lauf.SchichtKagh[i] = P.SchichtKaghVorgabe[i];
                zormcom::Lauf.SchichtKaAnteil[i] =
                    (1.0f - P.RuheProz / 100.0f) * zormcom::Lauf.SchichtKagh[i];
                zormcom::Lauf.SchichtK0Anteil[i] = P.RuheProz * zormcom::Lauf.SchichtKagh[i] / 100.0f;
            }
            if (P.SchichtKachVorgabe[i] != 0.0f) zormcom::Lauf.SchichtKach[i] = P.SchichtKachVorgabe[i];
            if (P.SchichtKpghVorgabe[i] != 0.0f) zormcom::Lauf.SchichtKpgh[i] = P.SchichtKpghVorgabe[i];
            if (P.SchichtKpchVorgabe[i] != 0.0f) zormcom::Lauf.SchichtKpch[i] = P.SchichtKpchVorgabe[i];
        }
    }

    // 14. Hand-over files of loads, stages and anchors.
    LastSchreiben();
    AushSchreiben();
    GlfrSchreiben();

    // 15. The stage loop of the driver starts with load case 1, stage 1.
    L.IterZustand = 0;
    P.LFNr = 1;
    P.AushNr = 1;

    // 16. Soil layers and buoyant unit weights.
    Z11Schreiben();
    Z12Schreiben();

    // 17. The end marker comes last: once it exists, every hand-over file is complete.
    {
        vb::FileGuard d("ZORDENDE.DOS", vb::OpenMode::Output);
        vb::Write(d.nr(), "ENDE");
        d.Close();
    }
    bericht.Close();
}

} // namespace zorma
