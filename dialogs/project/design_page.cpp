#include "dialogs/project/design_page.h"

#include "design/steel_profile.h"
#include "dialogs/project/frmBemessung.h"
#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "request/wall_section.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace Bemessung {

namespace {

void Handler(frmBemessung& f) {
    frmBemessung* s = &f;
    f.optCotTheta.onClick([](int16_t i) { P.CotThetaWahl = i; });
    f.optN.onClick([](int16_t i) { P.MitNormalkraft = i; });
    f.optEAB.onClick([s](int16_t) {
        P.StahlNachEAU = s->optEAB(0).Value() ? 0 : 1;
        StahlSpannungenZeigen();
    });
    f.optStahlSorte.onClick([s](int16_t) {
        P.StahlGuete = s->optStahlSorte(0).Value() ? 240 : s->optStahlSorte(1).Value() ? 270 : 355;
        StahlSpannungenZeigen();
    });
    f.optEta.onClick([s](int16_t) { P.EtaBSt500 = s->optEta(0).Value() ? 1.75f : 1.50f; });
    Seite::Zahlbox(f.txtAsMmin, P.AsMmin);
    Seite::Zahlbox(f.txtAsQmin, P.AsQmin);
    Seite::Zahlbox(f.txtEBreiteM, P.EBreiteM);
    Seite::Zahlbox(f.txtEBreiteN, P.EBreiteN);
    Seite::Zahlbox(f.txtd1, P.d1Rand);
    f.Command1.Click = [] {
        Seite::Hilfe({"Mindestbewehrungen sind z. B. angegeben in DIN EN 1536,",
                      "Tabellen 6 und 7; Hinweise auch in der ZTV-ING(2010).",
                      "Diese Mindestbewehrungen erscheinen uns zu gering zu sein",
                      "für den rauen Baubetrieb im Tiefbau. Die Bewehrungskörbe",
                      "müssen stabil und ROBUST ausgeführt werden.",
                      "Deshalb die Empfehlungen für Bohrpfähle > 40 cm.", ""},
                     vb::vbInformation, "Mindestbewehrung");
    };
    f.cmdOK.Click = [s] {
        frmBemessung& f = *s;
        f.cmdOK.setEnabled(false);
        if (const auto d1 = Seite::ZahlLesen(f.txtd1.Text())) P.d1Rand = *d1;
        const auto em = Seite::ZahlLesen(f.txtEBreiteM.Text());
        P.EBreiteM = em && *em != 0.0f ? *em : 1.0f;
        // The width for the normal force follows as at the opening: a steel wall has none before this OK,
        // and a width of 0 would divide its normal force by 0 in the report.
        if (P.EBreiteN <= 0.0f) P.EBreiteN = P.EBreiteM;
        P.EtaBSt500 = f.optEta(0).Value() ? 1.75f : 1.50f;
        P.StahlGuete = f.optStahlSorte(0).Value() ? 240 : f.optStahlSorte(1).Value() ? 270 : 355;
        StahlSpannungenZeigen();
        vb::UnloadByName("frmAusgabe");
        vb::Unload(f);
        Seite::StartFokus(); // the end of the output chain
    };
}

void Aus(std::initializer_list<vb::Control*> cs) {
    for (vb::Control* c : cs)
        c->setEnabled(false);
}

} // namespace

void StahlSpannungenZeigen() {
    zormd::StahlSpannungenSetzen();
    frmBemessung& seite = vb::form<frmBemessung>();
    seite.txtSigma.setText(vb::Format(P.ZulSigma));
    // The opening of the page may have unloaded it again; ask for it anew.
    vb::form<frmBemessung>().txtTau.setText(vb::Format(P.ZulTau));
}

void SpannungenSetzen() {
    if (vb::isLoaded<frmBemessung>())
        StahlSpannungenZeigen();
    else
        SeiteOeffnen();
}

void SeiteLaden(frmBemessung& f) {
    Handler(f);
    const bool teil = P.TeilsicherheitenAn != 0;
    f.Frame7(2).setVisible(false);
    if (teil) {
        Aus({&f.Frame2, &f.optEAB(0), &f.optEAB(1)});
        f.Frame7(0).setVisible(false);
        f.Frame7(2).setVisible(true);
        f.optN(P.MitNormalkraft != 0 ? 1 : 0).setValue(true);
        f.optCotTheta(P.CotThetaWahl != 0 ? 1 : 0).setValue(true);
    }
    if (P.Wandtyp > 2) {
        if (P.Wandtyp == 3 || !teil)
            Aus({&f.Frame6, &f.txtAsMmin, &f.txtAsQmin, &f.Label8, &f.Label10, &f.Label6, &f.Label9,
                 &f.Command1});
        if (!teil) Aus({&f.Label7, &f.txtEBreiteN, &f.Frame7(3), &f.optCotTheta(0), &f.optCotTheta(1)});
        Aus({&f.Frame1, &f.Frame2, &f.optEAB(0), &f.optEAB(1), &f.Frame3, &f.optStahlSorte(0),
             &f.optStahlSorte(1), &f.optStahlSorte(2), &f.lblSigma, &f.lblTau, &f.txtSigma, &f.txtTau,
             &f.Frame4});
    } else {
        P.MitNormalkraft = teil ? 1 : 0;
        Aus({&f.Frame5,         &f.Frame6,         &f.Frame7(2), &f.Frame7(3), &f.optN(0),     &f.optN(1),
             &f.optCotTheta(0), &f.optCotTheta(1), &f.txtAsMmin, &f.txtAsQmin, &f.txtEBreiteM, &f.txtEBreiteN,
             &f.txtd1,          &f.Command1,       &f.Label2,    &f.Label3,    &f.Label4,      &f.Label5,
             &f.Label6,         &f.Label7,         &f.Label8,    &f.Label9,    &f.Label10});
        f.Frame7(0).setVisible(false);
        f.optEAB(P.StahlNachEAU == 1 ? 1 : 0).setValue(true);
        if (P.StahlGuete == 270) f.optStahlSorte(1).setValue(true);
        if (P.StahlGuete == 355) f.optStahlSorte(2).setValue(true);
    }
    // The stored safety of the reinforcing steel; 0 (never chosen) is the usual 1.75.
    if (P.EtaBSt500 == 1.50f) f.optEta(3).setValue(true);
    subEBreite();
    if (P.StahlGuete == 0) P.StahlGuete = 240;
    StahlSpannungenZeigen();
    f.txtEBreiteM.setText(Seite::Zahl(P.EBreiteM));
    f.txtEBreiteN.setText(Seite::Zahl(P.EBreiteN));
    if (P.d1Rand != 0.0f) f.txtd1.setText(Seite::Zahl(P.d1Rand));
    const float D = P.BPfDUeb != 0.0f ? P.BPfDUeb : P.BPfD;
    const Mindestbewehrung m = Empfehlung(D, P.d1Rand);
    if (m.n > 0) {
        f.Label9.setCaption(f.Label9.Caption() + vb::Str(m.As) + " cm2");
        if (P.AsMmin <= 0.0f) P.AsMmin = m.As;
        if (P.AsQmin <= 0.0f) P.AsQmin = 6.54f;
    }
    if (P.AsMmin != 0.0f) f.txtAsMmin.setText(Seite::Zahl(P.AsMmin));
    if (P.AsQmin != 0.0f) f.txtAsQmin.setText(Seite::Zahl(P.AsQmin));
    if (P.EtaBSt500 == 0.0f) P.EtaBSt500 = 1.75f;
    f.Show();
    f.cmdOK.setEnabled(true);
    if (P.DatenGelesen != 0 && f.cmdOK.canTakeFocusNow()) f.cmdOK.SetFocus();
    Anzeigen::MausAufSteuerelement(f.cmdOK);
}

} // namespace Bemessung
