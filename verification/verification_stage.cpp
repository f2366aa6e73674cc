#include "verification/verification_stage.h"
#include "verification/anchor_files.h"
#include "verification/anchor_maxima.h"
#include "verification/deep_slip_section.h"
#include "verification/depth_grid.h"
#include "verification/slip_circle_table.h"

#include <cmath>
#include <cstdint>

#include "earthpressure/diagrams.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/run_status.h"
#include "frame/stage_table.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "slipcircle/slip_circle_stage.h"
#include "statics/state.h"
#include "verification/earth_resistance.h"
#include "verification/embedment.h"
#include "verification/equilibrium.h"
#include "verification/heave.h"
#include "verification/plot_records.h"
#include "verification/required_embedment.h"
#include "verification/state.h"
#include "verification/state_table.h"
#include "verification/vertical_equilibrium.h"

using zorm1::P;
using zormc::St;
using zormcom::Lauf;

namespace zormd {

namespace {

Nachweisabschnitte Standard() {
    return Nachweisabschnitte{GlfrLesen,
                              ErdwiderstandAbschnitt,
                              EinbindungAbschnitt,
                              GleichgewichtAbschnitt,
                              VertikalGleichgewichtAbschnitt,
                              BemessungsschnitteAbschnitt,
                              MassgebendeSchnitteAbschnitt,
                              ErforderlicheEinbindungAbschnitt,
                              HydraulischerGrundbruchAbschnitt,
                              TiefeGleitfugeAbschnitt,
                              LastfallMaximaAbschnitt,
                              GesamtMaximaAbschnitt,
                              GleitkreisRechnenAbschnitt,
                              GleitkreisTabelleAbschnitt,
                              BemessungAbschnitt};
}

Nachweisabschnitte& Installiert() {
    static Nachweisabschnitte s = Standard();
    return s;
}

void Aufrufen(const std::function<void()>& f) {
    if (f) f();
}

void PlotSatz(const char* art) {
    PlotSatzAnhaengen(art, "zzzplot2");
    PlotSatzAnhaengen(art, "wexasave.gl2");
}

void EndeMarkeSchreiben() {
    vb::FileGuard d("ZORDENDE.DOS", vb::OpenMode::Output);
    vb::Write(d.nr(), "ENDE");
    d.Close();
}

// Passive list of the stage: user-given points, or "ZOREPP." of the earth-pressure stage.
void ErdwiderstandLesen() {
    auto& eph = Lauf.Eph;
    if (Lauf.AnzEphGegeben > 0) {
        zormcom::ErdwiderstandVorgabe();
        N.EppArt = 0; // no trial-plane list belongs to this stage
        N.EphWinkel.fill(0.0f);
        N.EphGegAktE.fill(0.0f);
        return;
    }
    vb::FileGuard d("ZOREPP.", vb::OpenMode::Input);
    int16_t n = 0;
    vb::Input(d.nr(), N.EppArt);
    if (!vb::Eof(d.nr())) vb::Input(d.nr(), n); // a flag alone: no list (earth-pressure stage only)
    if (n < 0 || n > zor::kMaxOrdinaten)
        throw zor::CalcAbort("Die Erdwiderstandsliste \"ZOREPP.\" hat " + std::to_string(n) +
                             " Punkte (höchstens 250); die Berechnung wird abgebrochen.");
    eph.n = n;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        vb::Input(d.nr(), eph.z[k], eph.e[k], N.EphWinkel[k], N.EphGegAktE[k]);
    }
}

} // namespace

Nachweisabschnitte& Abschnitte() {
    return Installiert();
}

void AbschnitteStandard() {
    Installiert() = Standard();
}

void NachweiseVorbereiten() {
    // 1.-3.
    vb::CloseAll();
    N.AnkerAh.fill(0.0f);
    N.AnkerAv.fill(0.0f);
    N.MaxMoment = N.MinMoment = 0.0f;
    N.zEndeStatik = 0.0f;
    // The shear extremes belong to this stage alone (the summary scales them per stage).
    N.MaxQuerkraft = N.MinQuerkraft = 0.0f;
    N.QuerkraftReduziert = 0;
    N.NegAuflagerFlag = 0;
    N.AnzKoten = 0;
    if (P.Wandart != 1 && St.gamMittel != 0.0f) St.EpvWand /= St.gamMittel;
    // 4.-5.
    zorma::BerichtAnhaengen();
    N.zGLF = 0.0f;
    zormcom::LastfallLesen(P.LFNr);
    zormcom::AushubDateiLesen(P.AushNr);
    zormcom::AushubLaden(P.AushNr);
    // 6.-8.
    if (Lauf.IterZustand == 3) P.Wandfuss = 1;
    Aufrufen(Abschnitte().GlfrLesen);
    N.MaxHDruck = 0.0f;
    St.BettungStufe =
        P.AushNr >= 0 && P.AushNr <= 20 ? P.FussGebettet[static_cast<std::size_t>(P.AushNr)] : 0;
    // 9. C force.
    if (std::fabs(St.CKraft) < 0.5f) {
        St.CKraft = 0.0f;
        St.EinspErg = 0.0f;
    }
    if ((St.BettungStufe == 1 && P.Wandfuss == 1) || P.Wandfuss == 3 || St.GebetteteKragwand != 0) {
        St.CKraft = 0.0f;
        St.CKraftV = 0.0f;
    }
    if (std::fabs(St.EinspErg) < 0.1f) St.EinspErg = 0.0f;
    if (P.Einsp != 0.0f) St.EinspErg = P.Einsp;
    // 10. Extra embedment.
    float a = 0.0f;
    if (P.Wandart == 1) {
        St.DeltaT = 0.0f;
        a = 0.2f * (zormcom::Lauf.zFuss - P.zAush);
        if (St.EinspErg != 0.0f) a = St.EinspErg * a / 100.0f;
    }
    if (St.CKraft == 0.0f) a = 0.0f;
    if (St.DeltaT < 0.04f) St.DeltaT = 0.0f;
    if (St.DeltaT < a) St.DeltaT = a;
    // 11.-13.
    N.EinbindeTiefe = zormcom::Lauf.zFuss - P.zAush;
    const auto& gb = zormb::B.GrundbruchTab;
    N.GrundbruchPlot = {gb[0], gb[81], gb[162]};
    zorma::Bericht.Einrueckung = std::string(13, ' ');
    ErdwiderstandLesen();
    float flaeche = 0.0f, eEnde = 0.0f;
    zormc::Integrieren(Lauf.Eph, zormcom::Lauf.zFuss, flaeche, eEnde);
    const float teiler = Lauf.AnzEphGegeben > 0 || P.Etap == 0.0f ? 1.0f : P.Etap;
    N.Rhd = -flaeche / teiler;
}

void Nachweise(zor::Laufstatus& status) {
    NachweiseVorbereiten();
    auto& s = Abschnitte();

    Aufrufen(s.Erdwiderstand); // 1
    PlotSatz("A");
    Aufrufen(s.Einbindung);                                         // 2
    ZustandsgroessenDrucken(ZustandsgroessenBerechnen());           // 3
    FussZeileDrucken(FussZeileBerechnen());                         // 4
    BettungsTabelleDrucken(BettungsTabelleLesen());                 // 5
    Aufrufen(s.Gleichgewicht);                                      // 6
    Aufrufen(s.VertikalGleichgewicht);                              // 7
    Aufrufen(s.Bemessungsschnitte);                                 // 8
    PlotSatz("B");                                                  // the grid as section 8 left it
    if (s.ErforderlicheEinbindung && s.ErforderlicheEinbindung()) { // 9
        EndeMarkeSchreiben();
        status = zor::Laufstatus::Ende;
        return;
    }
    if (zormcom::Lauf.kzHydGrBr != 0) Aufrufen(s.HydraulischerGrundbruch); // 10
    Aufrufen(s.TiefeGleitfuge);                                            // 11
    PlotSatz("C");                                                         // 12

    // Next stage, next load case.
    P.AushNr = static_cast<int16_t>(P.AushNr + 1);
    if (P.AushNr <= P.AnzAush) {
        status = zor::Laufstatus::Nochmal;
        return;
    }
    if (P.AnzAnker > 0) Aufrufen(s.LastfallMaxima);
    P.AushNr = 1;
    P.LFNr = static_cast<int16_t>(P.LFNr + 1);
    if (P.LFNr <= P.AnzLF) {
        Aufrufen(s.GlfrLesen);
        Lauf.IterZustand = 0;
        status = zor::Laufstatus::Nochmal;
        return;
    }

    // End of the run.
    if (P.AnzLF > 1 && P.AnzAnker > 0) Aufrufen(s.GesamtMaxima);
    UebergabeDateienSchreiben();
    if (P.GelaendebruchEin != 0) {
        Aufrufen(s.Gleitkreis); // closes every file, the report too
        zorma::Bericht.Einrueckung = std::string(13, ' ');
        zorma::BerichtAnhaengen();
        Aufrufen(s.GleitkreisTabelle);
    }
    zorma::Leerzeilen();
    Aufrufen(s.Bemessung);
    zorma::Leerzeilen();
    zorma::BerichtSchliessen();
    EndeMarkeSchreiben();
    status = zor::Laufstatus::Ende;
}

void UebergabeDateienSchreiben() {
    {
        vb::FileGuard aus("wexasave.GL1", vb::OpenMode::Output);
        vb::Write(aus.nr(), "ZOR", "", "wexasave.GL1", "ZOR", "ZOR", int16_t{1}, int16_t{2}, int16_t{3},
                  int16_t{4});
        {
            vb::FileGuard ein("WEXASAVE", vb::OpenMode::Input);
            while (!vb::Eof(ein.nr()))
                vb::Print(aus.nr(), vb::LineInput(ein.nr()));
        }
        aus.Close();
    }
    if (P.AnzAnkerGesamt > 0) {
        vb::FileGuard d("wexasave.gl2", vb::OpenMode::Append);
        vb::Write(d.nr(), "Gebrauchskraft");
        vb::Write(d.nr(), P.AnzAnkerGesamt);
        for (int i = 1; i <= P.AnzAnkerGesamt && i <= kMaxAnkerSlots; ++i)
            vb::Write(d.nr(), P.ZAuflager[static_cast<std::size_t>(i)],
                      N.AnkerKraft[static_cast<std::size_t>(i)]);
        d.Close();
    }
    vb::FileGuard d("ANKMAX.-12", vb::OpenMode::Output);
    vb::Write(d.nr(), N.AnkerLaengeMax, N.GlfMaxGesamt, -100.0f);
    d.Close();
}

// ---- sections that other parts of the program fill in
void GlfrLesen() {
    GlfrDateiLesen();
}
void ErdwiderstandAbschnitt() {
    ErdwiderstandDrucken();
}
void EinbindungAbschnitt() {
    EinbindungBerechnen();
    EinbindungDrucken();
}
void GleichgewichtAbschnitt() {
    GleichgewichtBerechnen();
    GleichgewichtDrucken();
}
void VertikalGleichgewichtAbschnitt() {
    VertikalGleichgewichtDrucken(VertikalGleichgewichtBerechnen());
}
void BemessungsschnitteAbschnitt() {
    BemessungsschnitteDrucken(Abschnitte().MassgebendeSchnitte);
}
void MassgebendeSchnitteAbschnitt() {}
bool ErforderlicheEinbindungAbschnitt() {
    return ErforderlicheEinbindungDrucken();
}
void HydraulischerGrundbruchAbschnitt() {
    const Grundbruchwerte w = HydraulischerGrundbruchBerechnen();
    if (!w.WasserUnterFuss)
        for (std::size_t m = 0; m < 3; ++m)
            N.GrundbruchPlot[m] = w.Wert[m][0];
    HydraulischerGrundbruchDrucken(w);
}
void TiefeGleitfugeAbschnitt() {
    TiefeGleitfugeBericht();
}
void LastfallMaximaAbschnitt() {
    AnkerMaximaLastfall();
}
void GesamtMaximaAbschnitt() {
    AnkerMaximaGesamt();
}
void GleitkreisRechnenAbschnitt() {
    Zormg::GleitkreisRechnen();
}
void GleitkreisTabelleAbschnitt() {
    GleitkreisTabelle();
}
void BemessungAbschnitt() {}

} // namespace zormd
