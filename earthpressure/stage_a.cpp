#include "earthpressure/stage_a.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "earthpressure/coefficients.h"
#include "earthpressure/curved_passive.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/input_echo.h"
#include "earthpressure/report_file.h"
#include "frame/input_ranges.h"
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
    if (const auto fehler = zorm1::EingabeBereichePruefen())
        throw zor::CalcAbort(zorm1::BerechnungNichtMoeglich(*fehler));
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
