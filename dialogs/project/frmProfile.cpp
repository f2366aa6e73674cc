#include "dialogs/project/frmProfile.h"

#include <string>

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
    for (vb::Label* l : {&lblKopf, &lblEinheit}) {
        l->setFont("Courier New", 9);
        l->setCaption(Spaltenkoepfe(false, l == &lblEinheit));
        l->Move(135, l == &lblKopf ? 90 : 330, 7785, 240); // over the list's text, inside its frame
    }
    List1.setFont("Courier New", 9);
    List1.Move(120, 600, 7800, 5400);
    Label1.setCaption("Der Spannungsnachweis erfolgt mit den zuletzt eingelesenen Querschnittswerten.");
    Label1.Move(120, 6120, 7800, 240);
    cmdOK.setCaption("OK");
    cmdOK.Move(120, 6480, 1800, 450);
    cmdElim.setCaption("bisherige Auswahl eliminieren");
    cmdElim.Move(2100, 6480, 3600, 450);
    cmdAbbruch.setCaption("Abbrechen");
    cmdAbbruch.Move(5900, 6480, 2020, 450);
    setClientSize(8040, 7050);
    List1.Click = [this] { List1_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdElim.Click = [this] { cmdElim_Click(); };
    cmdAbbruch.Click = [this] { vb::Unload(*this); };
}

std::string frmProfile::Spaltenkoepfe(bool spundwand, int zeile) {
    // the columns end where the lists end their numbers: I at 24, W at 32, A at 40, s at 47, h at 54
    const std::string m = spundwand ? "/m" : "";
    const struct Spalte {
        const char* wert;
        std::string einheit;
        std::size_t ende;
    } spalten[] = {
        {"I", "cm4" + m, 24}, {"W", "cm3" + m, 32}, {"A", "cm2" + m, 40}, {"s", "cm", 47}, {"h", "cm", 54}};
    std::string kopf = zeile == 0 ? "Profil" : "";
    for (const Spalte& s : spalten) {
        const std::string text = zeile == 0 ? s.wert : s.einheit;
        kopf += std::string(s.ende - kopf.size() - text.size(), ' ') + text;
    }
    return kopf;
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
        lblKopf.setCaption(Spaltenkoepfe(false, 0));
        lblEinheit.setCaption(Spaltenkoepfe(false, 1));
    } else {
        P.ProfilPraefix = "SPW";
        P.ABohl = 1.0f;
        datei = "zorSPw.txt";
        setCaption(" Profile für Spundwand");
        lblKopf.setCaption(Spaltenkoepfe(true, 0));
        lblEinheit.setCaption(Spaltenkoepfe(true, 1));
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
