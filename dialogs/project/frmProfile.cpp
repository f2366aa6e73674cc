#include "dialogs/project/frmProfile.h"

#include "dialogs/project/frmWand1.h"
#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "request/wall_section.h"

using zorm1::P;

frmProfile::frmProfile() : vb::Form("frmProfile") {
    setCaption("Profile  für Spundwand und Trägerbohlwand");
    Resizable = false;
    List1.setFont("Courier New", 9);
    List1.Move(120, 120, 7800, 5400);
    Label1.setCaption("Der Spannungsnachweis erfolgt mit den zuletzt eingelesenen Querschnittswerten.");
    Label1.Move(120, 5640, 7800, 240);
    cmdOK.setCaption("OK");
    cmdOK.Move(120, 6000, 1800, 450);
    cmdElim.setCaption("bisherige Auswahl eliminieren");
    cmdElim.Move(2100, 6000, 3600, 450);
    cmdAbbruch.setCaption("Abbrechen");
    cmdAbbruch.Move(5900, 6000, 2020, 450);
    setClientSize(8040, 6570);
    List1.Click = [this] { List1_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdElim.Click = [this] { cmdElim_Click(); };
    cmdAbbruch.Click = [this] { vb::Unload(*this); };
}

void frmProfile::EIStahl() {
    Profil::EIStahlRechnen();
    // The values go into the wall page's boxes: a wall page that is not open comes up for them (its
    // loading shows the wall type, which closes this page), and they are derived again behind it.
    frmWand1& w = vb::form<frmWand1>();
    const bool dicke = Profil::EIStahlRechnen();
    w.txtEI.setText(Seite::ZahlMitBlank(P.EIWand));
    if (!dicke) return;
    w.txtDwand.setText(Seite::Zahl(P.DWand));
    w.txtGamwand.setText(Seite::Zahl(P.GamWand));
}

void frmProfile::Form_Load() {
    if (vb::Form* a = vb::LoadedForm("frmAuswahl"))
        if (vb::Control* c = a->find("cmdStart")) c->setEnabled(true);
    std::string datei;
    if (P.Wandart == 1) {
        P.ProfilPraefix = "TBW";
        datei = "zorTBw.txt";
        setCaption(" Profile für Trägerbohlwand");
    } else {
        P.ProfilPraefix = "SPW";
        P.ABohl = 1.0f;
        datei = "zorSPw.txt";
        setCaption(" Profile für Spundwand");
    }
    // The list lives in the working folder; a start from elsewhere finds it beside the program.
    std::string pfad = datei;
    if (!vb::FileExists(pfad)) pfad = vb::AppPath() + "/" + datei;
    if (!vb::FileExists(pfad)) {
        vb::MsgBox("Die Profilliste \"" + datei + "\" wurde nicht gefunden.", vb::vbExclamation);
    } else {
        const int16_t f = vb::FreeFile();
        vb::Open(pfad, vb::OpenMode::Input, f);
        while (!vb::Eof(f))
            List1.AddItem(vb::LineInput(f));
        vb::Close(f);
    }
    if (!P.ProfilName.empty()) {
        const int32_t blank = vb::InStr(P.ProfilName, " ");
        const std::string schluessel = blank > 0 ? vb::Left(P.ProfilName, blank) : P.ProfilName;
        for (int32_t i = 0; i < List1.ListCount(); ++i)
            if (vb::InStr(List1.List(i), schluessel) > 0) {
                List1.setListIndex(i);
                break;
            }
    }
    Show();
}

void frmProfile::List1_Click() {
    if (List1.ListIndex() < 0) return;
    P.ProfilName = List1.List(List1.ListIndex()) + P.ProfilPraefix;
    EIStahl();
}

void frmProfile::cmdOK_Click() {
    EIStahl();
    if (P.EIWand > 1.0f)
        for (int l = 1; l <= 8; ++l)
            P.SchichtEI[l] = P.EIWand;
    vb::Unload(*this);
}

void frmProfile::cmdElim_Click() {
    P.ProfilName.clear();
    EIStahl();
    vb::Unload(*this);
}
