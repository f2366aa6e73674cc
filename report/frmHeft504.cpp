#include "report/frmHeft504.h"

#include <string>

#include "frame/page_header_texts.h"
#include "platform/forms/msgbox.h"
#include "report/page_header_list.h"
#include "windows/window_routines.h"

namespace {

// Shows a set of texts in the fields without writing them back.
void Zeigen(const std::array<vb::TextBox*, 8>& felder, const Anzeigen::Heft504Texte& t) {
    for (int i = 0; i < Anzeigen::Heft504Texte::Anzahl; ++i)
        felder[static_cast<std::size_t>(i)]->setText(t[i]);
}

// After a set was put into the dialog's and the strip's texts: the windows that are open show it.
void OffeneFensterZeigen() {
    if (auto* d = vb::loadedInstance<frmHeft504>()) d->FelderZeigen();
    if (auto* s = vb::loadedInstance<frmHeft504B>()) s->FelderZeigen();
}

} // namespace

// ---------------------------------------------------------------------------------------- frmHeft504

frmHeft504::frmHeft504() : vb::Form("frmHeft504") {
    felder_ = {&txtVerfasser, &txtVerfasser2, &txtBauwerk, &txtDatum,
               &txtBauteil,   &txtBlock,      &txtVorgang, &txtAsbNr};
    setCaption("Eingaben für Heft 504 - Kopf- und Fußzeilen ändern :");
    setClientSize(9600, 6600);
    frmDinA4.Move(120, 120, 9360, 5160);
    frmKopfZeilen.setCaption("Kopfzeilen");
    frmKopfZeilen.Move(120, 240, 9120, 1800);
    frmFusszeilen.setCaption("Fußzeilen");
    frmFusszeilen.Move(120, 3120, 9120, 1440);
    for (auto* t : felder_)
        t->setFont("Courier New", 9);
    txtProgramm.setFont("Courier New", 9);
    Text2.setFont("Courier New", 9);
    struct Feld {
        vb::TextBox* box;
        const char* label;
        float x, y, w;
    };
    const Feld kopf[] = {
        {&txtVerfasser, "Verfasser:", 1200, 240, 4200}, {&txtVerfasser2, "", 1200, 600, 4200},
        {&txtProgramm, "Programm :", 1200, 960, 4200},  {&txtBauwerk, "Bauwerk  :", 1200, 1320, 3600},
        {&txtAsbNr, "ASB Nr.", 5880, 1320, 1200},       {&txtDatum, "Datum:", 7800, 1320, 1200}};
    int16_t n = 0;
    for (const auto& f : kopf) {
        f.box->Move(f.x, f.y, f.w, 315);
        if (*f.label) {
            auto& l = Label1.add(n++, &frmKopfZeilen);
            l.setCaption(f.label);
            l.Move(f.x - 1080, f.y + 30, 1060, 255);
        }
    }
    auto& text = Label1.add(n++, &frmDinA4);
    text.setCaption("  Text  bzw. Grafik");
    text.Move(240, 2160, 2400, 255);
    Text2.Move(2760, 2160, 3600, 315);
    const Feld fuss[] = {{&txtBauteil, "Bauteil  :", 1200, 240, 4200},
                         {nullptr, "Archiv Nr.:", 6960, 240, 0},
                         {&txtBlock, "Block    :", 1200, 600, 4200},
                         {&txtVorgang, "Vorgang  :", 1200, 960, 4200}};
    for (const auto& f : fuss) {
        if (f.box) f.box->Move(f.x, f.y, f.w, 315);
        auto& l = Label1.add(n++, &frmFusszeilen);
        l.setCaption(f.label);
        l.Move(f.x - 1080, f.y + 30, 1060, 255);
    }
    auto& hinweis = Label1.add(n++, &frmDinA4);
    hinweis.setCaption("Seite = 0 oder leer: keine Ausgabe von Seite");
    hinweis.Move(240, 4680, 6000, 255);
    cmdOK.setCaption("in aktuelle H504-Zeilen übernehmen ");
    cmdOK.Move(120, 5400, 3240, 435);
    cmdAbbruch.setCaption(" abbrechen ");
    cmdAbbruch.Move(3480, 5400, 1440, 435);
    cmdListeSchreiben.setCaption("in H504-Liste eintragen");
    cmdListeSchreiben.Move(5040, 5400, 2160, 435);
    cmdListe.setCaption("H504-Liste lesen");
    cmdListe.Move(7320, 5400, 2160, 435);

    for (int i = 0; i < 8; ++i) {
        vb::TextBox* box = felder_[static_cast<std::size_t>(i)];
        box->Change = [this, box, i] {
            if (!zeigen_) Anzeigen::H504.Dialog[i] = box->Text();
        };
    }
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdAbbruch.Click = [this] { cmdAbbruch_Click(); };
    cmdListe.Click = [this] { cmdListe_Click(); };
    cmdListeSchreiben.Click = [this] { cmdListeSchreiben_Click(); };
}

void frmHeft504::Form_Load() {
    Anzeigen::FormZentrieren(*this);
    // The texts are those of "zorH504.txt", unless a project read has just put its own in.
    if (!Anzeigen::H504.DialogGeladen) Anzeigen::H504DateiLesen();
    FelderZeigen();
}

void frmHeft504::FelderZeigen() {
    zeigen_ = true;
    Zeigen(felder_, Anzeigen::H504.Dialog);
    zeigen_ = false;
}

void frmHeft504::Form_Unload(int16_t&) {
    // The dialog is gone: its next use reads the file again.
    Anzeigen::H504.DialogGeladen = false;
}

void frmHeft504::cmdOK_Click() {
    if (!Anzeigen::H504DateiSchreiben()) {
        vb::MsgBox("Die Datei zorH504.txt konnte nicht geschrieben werden."
                   "\r\n"
                   "Die Texte bleiben im Fenster.",
                   vb::vbExclamation);
        return;
    }
    vb::Unload(*this);
}

void frmHeft504::cmdAbbruch_Click() {
    vb::Unload(*this);
}

void frmHeft504::cmdListe_Click() {
    vb::form<frmHeft504Liste>().Show(vb::vbModal);
}

void frmHeft504::cmdListeSchreiben_Click() {
    Anzeigen::H504SatzEintragen();
}

// ---------------------------------------------------------------------------------------- frmHeft504B

frmHeft504B::frmHeft504B() : vb::Form("frmHeft504B") {
    felder_ = {&txtVerfasser, &txtVerfasser2, &txtBauwerk, &txtDatum,
               &txtBauteil,   &txtBlock,      &txtVorgang, &txtAsbNr};
    setCaption("aktuelle Kopf- und Fußzeilen nach Heft 504 :");
    // three columns of fields; "Datum:" and "AsbNr :" stand between the middle and the right column
    setClientSize(7800, 1440);
    const float x[] = {60, 60, 60, 6000, 2700, 2700, 2700, 6000};
    const float y[] = {60, 360, 660, 60, 60, 360, 660, 360};
    for (std::size_t i = 0; i < 8; ++i) {
        felder_[i]->Move(x[i], y[i], i == 3 || i == 7 ? 1200 : 2580, 285);
        felder_[i]->setFont("Courier New", 8.25f);
        felder_[i]->Locked = true;
    }
    auto& datum = Label1.add(0);
    datum.setCaption("Datum:");
    datum.Move(5340, 90, 660, 255);
    auto& asb = Label1.add(1);
    asb.setCaption("AsbNr :");
    asb.Move(5340, 390, 660, 255);
    cmdAendern.setCaption("ändern");
    cmdAendern.Move(6000, 720, 1200, 375);
    cmdAendern.Click = [this] { cmdAendern_Click(); };
}

void frmHeft504B::Form_Load() {
    Move(0, 0, Width(), Height());
    H504Lesen();
}

void frmHeft504B::Form_Unload(int16_t&) {
    Anzeigen::H504.LeisteGeladen = false;
}

void frmHeft504B::H504Lesen() {
    Anzeigen::H504.Leiste = Anzeigen::Heft504();
    Anzeigen::H504.LeisteGeladen = true;
    FelderZeigen();
}

void frmHeft504B::FelderZeigen() {
    Zeigen(felder_, Anzeigen::H504.Leiste);
}

void frmHeft504B::cmdAendern_Click() {
    vb::form<frmHeft504>().Show(vb::vbModal);
    if (vb::loadedInstance<frmHeft504B>() == this) H504Lesen();
}

// ---------------------------------------------------------------------------------------- frmHeft504Liste

frmHeft504Liste::frmHeft504Liste() : vb::Form("frmHeft504Liste") {
    setCaption("Liste der vorhandenen  Heft-504 - Kopf- und Fußzeilen. Gewünschte Zeile anclicken.");
    setClientSize(9600, 4200);
    List1.Move(120, 120, 9360, 3300);
    List1.setFont("Courier New", 8.25f);
    List1.MultiSelect = 2;
    const char* texte[] = {"Liste schließen", "Auswahl aus Liste entfernen"};
    for (int16_t i = 0; i < 2; ++i) {
        auto& b = cmdOK.add(i);
        b.setCaption(texte[i]);
        b.Move(120 + i * 3000.0f, 3600, 2880, 435);
    }
    List1.Click = [this] { List1_Click(); };
    List1.DblClick = [this] { List1_DblClick(); };
    cmdOK.onClick([this](int16_t i) { cmdOK_Click(i); });
}

void frmHeft504Liste::Form_Load() {
    if (auto* d = vb::loadedInstance<frmHeft504>())
        Move(d->Left() + d->Width() / 2 - Width() / 2, d->Top() + 0.2f * d->Height(), Width(), Height());
    for (auto& z : Anzeigen::H504ListeLesen())
        List1.AddItem(z);
}

void frmHeft504Liste::List1_Click() {
    const int32_t i = List1.ListIndex();
    if (i < 0) return;
    const std::string zeile = List1.List(i);
    Anzeigen::Heft504(); // the dialog's texts exist before a set is put in
    Anzeigen::EinzelStrings(zeile, Anzeigen::H504.Dialog);
    Anzeigen::EinzelStrings(zeile, Anzeigen::H504.Leiste);
    OffeneFensterZeigen();
}

void frmHeft504Liste::List1_DblClick() {
    cmdOK_Click(0);
}

void frmHeft504Liste::cmdOK_Click(int16_t Index) {
    if (Index == 0) {
        vb::Unload(*this);
        return;
    }
    int32_t i = 0;
    while (i <= List1.ListCount() - 1) {
        if (List1.Selected(i))
            List1.RemoveItem(i);
        else
            ++i;
    }
    H504ListeSchr();
}

void frmHeft504Liste::H504ListeSchr() {
    std::vector<std::string> eintraege;
    for (int32_t i = 0; i < List1.ListCount(); ++i)
        eintraege.push_back(List1.List(i));
    Anzeigen::H504ListeSchreiben("", eintraege);
}
