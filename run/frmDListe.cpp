#include "run/frmDListe.h"

#include <filesystem>
#include <system_error>

#include "frame/file_routines.h"
#include "frame/project_list.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

frmDListe::frmDListe() : vb::Form("frmDListe") {
    setCaption("Liste der vorhandenen Eingabedateien");
    setClientSize(8400, 4380);
    List1.Move(120, 120, 8160, 3420);
    List1.setFont("Courier New", 9);
    List1.MultiSelect = 2;
    const char* texte[] = {"Ausgewählte Datei einlesen", "Liste schließen", "Ausgewählte Datei löschen"};
    for (int16_t i = 0; i < 3; ++i) {
        auto& b = cmdOK.add(i);
        b.setCaption(texte[i]);
        b.Move(120 + i * 2760.0f, 3720, 2640, 495);
    }
    List1.Click = [this] { List1_Click(); };
    List1.DblClick = [this] { List1_DblClick(); };
    cmdOK.onClick([this](int16_t i) { cmdOK_Click(i); });
}

void frmDListe::Form_Load() {
    listenName_ = DListe::ListenName();
    // Only entries whose project files exist are shown; the list file itself is not changed here.
    for (std::string e : DListe::Lesen())
        if (Anzeigen::DateiExistiert(e)) List1.AddItem(e);
}

void frmDListe::List1_Click() {
    eintragIndex_ = List1.ListIndex();
    eintrag_ = vb::Trim(List1.List(eintragIndex_));
}

void frmDListe::List1_DblClick() {
    cmdOK_Click(0);
}

void frmDListe::cmdOK_Click(int16_t Index) {
    switch (Index) {
    case 0: {
        std::string e = eintrag_;
        if (!Anzeigen::DateiExistiert(e)) return; // nothing clicked, or the file is gone: stay open
        const std::string pfad = Anzeigen::NurPfad(e);
        const std::string name = Anzeigen::NurDateiName(e);
        // The chosen entry's folder (up to and including the last separator) and its bare name go
        // into the start dialog's read-folder and read-name boxes, when the dialog is there.
        if (vb::Form* titel = vb::LoadedForm("frmTitel")) {
            vb::ControlOf<vb::TextBox>(*titel, "txtEin", 0).setText(pfad);
            vb::ControlOf<vb::TextBox>(*titel, "txtEin", 1).setText(name);
        }
        Uebernommen = true;
        vb::Unload(*this);
        break;
    }
    case 1:
        vb::Unload(*this);
        break;
    case 2: {
        // Every selected entry: its project file goes (only that file; the report and slip-circle
        // copies beside it stay) and the entry leaves the list. A file that cannot be deleted keeps
        // its entry, and the user is told.
        int32_t i = 0;
        while (i < List1.ListCount()) {
            if (!List1.Selected(i)) {
                ++i;
                continue;
            }
            const std::string e = List1.List(i);
            std::error_code ec;
            const auto pfad = vb::Resolve(e);
            const bool weg = std::filesystem::remove(pfad, ec) || !std::filesystem::exists(pfad, ec);
            if (weg && !ec) {
                List1.RemoveItem(i);
            } else {
                vb::MsgBox("Die Datei" + std::string("\r\n\r\n") + e + "\r\n\r\nkann nicht gelöscht werden.",
                           vb::vbExclamation);
                ++i;
            }
        }
        std::vector<std::string> rest;
        for (int32_t k = 0; k < List1.ListCount(); ++k)
            rest.push_back(List1.List(k));
        DListe::Schreiben(rest);
        break;
    }
    default:
        break;
    }
}
