#include "run/frmDateiwahl.h"

#include "frame/file_routines.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "windows/window_routines.h"

using zorm1::P;

frmDateiwahl::frmDateiwahl() : vb::Form("frmDateiwahl") {
    setCaption("Datei lesen");
    Resizable = false;
    mnuOrdnerneu.setCaption("&Ordner anlegen");
    setClientSize(9000, 6300);

    Drive1.Move(120, 120, 3600, 315);
    Dir1.Move(120, 540, 3600, 3720);
    File1.Move(3840, 120, 2880, 4140);
    List1.add(0).Move(6840, 420, 2040, 3840);
    List1(0).MultiSelect = 2;
    List1.add(1).setVisible(false);
    Label4.setCaption("Muster :");
    Label4.Move(6840, 120, 2040, 285);
    Label3.add(0).setCaption("Ausgewählter Pfad  :");
    Label3(0).Move(120, 4440, 1800, 285);
    txtPfad.Move(1980, 4410, 6900, 315);
    Label3.add(1).setCaption("Ausgewählte Datei :");
    Label3(1).Move(120, 4830, 1800, 285);
    txtDatei.Move(1980, 4800, 3000, 315);
    txtMuster.Move(5100, 4800, 3780, 315);
    cmdOK.setCaption("Auswahl übernehmen");
    cmdOK.Move(3840, 5460, 2640, 495);
    cmdOK.setFontBold(true);
    cmdEsc.setCaption("Abbrechen");
    cmdEsc.Move(6600, 5460, 2280, 495);

    Frame1.setCaption("Ordner anlegen unterhalb des oben");
    Frame1.Move(120, 4260, 3600, 1860);
    Label1.setCaption("dunkelblau markierten Ordners.");
    Label1.Move(120, 270, 3360, 285);
    Label2.setCaption("Name");
    Label2.Move(120, 660, 600, 285);
    txtOrdnerneu.setText("NeuOrdner");
    txtOrdnerneu.Move(780, 630, 2700, 315);
    cmdOrdnOK.setCaption("OK");
    cmdOrdnOK.Move(780, 1140, 1200, 435);
    cmdOrdnAbbr.setCaption("Abbr.");
    cmdOrdnAbbr.Move(2280, 1140, 1200, 435);
    Frame1.setVisible(false);

    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Change = [this] { Dir1_Change(); };
    Dir1.MouseDown = [this](int16_t, int16_t, float, float) { Dir1_MouseDown(); };
    Dir1.DblClick = [this] { Dir1_MouseDown(); };
    File1.Click = [this] { File1_Click(); };
    File1.DblClick = [this] { cmdOK_Click(); };
    List1.onClick([this](int16_t i) { List1_Click(i); });
    txtMuster.Change = [this] { txtMuster_Change(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdEsc.Click = [this] { cmdEsc_Click(); };
    mnuOrdnerneu.Click = [this] { mnuOrdnerneu_Click(); };
    cmdOrdnOK.Click = [this] { cmdOrdnOK_Click(); };
    cmdOrdnAbbr.Click = [this] { cmdOrdnAbbr_Click(); };
}

void frmDateiwahl::Form_Load() {
    Frame1.setVisible(false);
    const bool speichern = P.DateiwahlModus == 1;
    mnuOrdnerneu.setEnabled(speichern);
    setCaption(speichern ? "Datei speichern" : "Datei lesen");
    txtMuster.setText("*.");
    // The folder of the project; one that does not exist (or none) opens the current folder.
    std::string pfad = vb::Trim(P.DateiPfad);
    if (pfad.empty() || !vb::FolderExists(pfad)) pfad = vb::CurDir();
    const std::string alt = Dir1.Path();
    Dir1.setPath(pfad);
    if (Dir1.Path() == alt) Dir1_Change(); // setPath raises Change only when the folder changes
}

void frmDateiwahl::Drive1_Change() {
    try {
        txtPfad.setText("");
        Dir1.setPath(Drive1.Drive());
    } catch (const vb::RuntimeError&) {
        vb::Beep();
    }
}

void frmDateiwahl::Dir1_Change() {
    txtPfad.setText("");
    File1.setPath(Dir1.Path());
    setMousePointer(vb::vbHourglass);
    Anzeigen::MusterListeFuellen(List1(1), List1(0), File1);
    txtPfad.setText(Anzeigen::MitBackslash(Dir1.Path()));
    setMousePointer(vb::vbDefault);
}

void frmDateiwahl::Dir1_MouseDown() {
    const int32_t i = Dir1.ListIndex();
    if (i < -Dir1.ancestors() || i >= Dir1.ListCount()) return;
    const std::string ziel = Dir1.List(i);
    if (ziel.empty() || ziel == Dir1.Path()) return;
    try {
        Dir1.setPath(ziel);
    } catch (const vb::RuntimeError&) {
        vb::Beep(); // the folder has gone meanwhile
    }
}

void frmDateiwahl::File1_Click() {
    txtPfad.setText(Anzeigen::MitBackslash(File1.Path()));
    txtDatei.setText(File1.FileName());
}

void frmDateiwahl::List1_Click(int16_t Index) {
    if (Index != 0) return;
    std::string muster;
    for (int32_t i = 0; i < List1(0).ListCount(); ++i) {
        if (!List1(0).Selected(i)) continue;
        if (!muster.empty()) muster += ";";
        muster += List1(0).List(i);
    }
    txtMuster.setText(muster);
}

void frmDateiwahl::txtMuster_Change() {
    try {
        File1.setPattern(txtMuster.Text());
    } catch (const vb::RuntimeError&) {
        // An invalid pattern: the list keeps the one it has.
    }
}

void frmDateiwahl::StartBox(int16_t i, const std::string& text) {
    if (vb::Form* t = vb::LoadedForm("frmTitel")) vb::ControlOf<vb::TextBox>(*t, "txtEin", i).setText(text);
}

void frmDateiwahl::cmdOK_Click() {
    std::string pfadText = txtPfad.Text();
    std::string dateiText = txtDatei.Text();
    const std::string ordner = Anzeigen::NurPfad(pfadText);
    const std::string name = Anzeigen::NurDateiName(dateiText);
    if (P.DateiwahlModus == 1) {
        StartBox(2, ordner);
        if (!name.empty()) StartBox(3, name);
    } else {
        if (ordner.empty() || name.empty()) return;
        StartBox(0, ordner);
        StartBox(1, name);
    }
    Uebernommen = true;
    vb::Unload(*this);
}

void frmDateiwahl::cmdEsc_Click() {
    vb::Unload(*this);
}

void frmDateiwahl::mnuOrdnerneu_Click() {
    Frame1.setVisible(true);
}

void frmDateiwahl::cmdOrdnAbbr_Click() {
    Frame1.setVisible(false);
}

void frmDateiwahl::cmdOrdnOK_Click() {
    const std::string name = vb::Trim(txtOrdnerneu.Text());
    if (name.empty()) {
        vb::Beep(); // no name, no folder; the frame stays open
        return;
    }
    const std::string neu = Anzeigen::MitBackslash(Dir1.Path()) + name;
    try {
        vb::MkDir(neu);
    } catch (const std::exception&) {
        vb::MsgBox("Ein Ordner dieses Namens besteht schon!", vb::vbOKOnly);
        return;
    }
    // The start dialog's save folder gets the full path with the trailing separator.
    StartBox(2, Anzeigen::MitBackslash(neu));
    Dir1.setPath(neu);
    Frame1.setVisible(false);
}
