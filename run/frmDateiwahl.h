#pragma once
// The program's own file dialog, shown modally by the start dialog: for reading (DateiwahlModus 0) it picks
// a project file, for saving (1) the folder and, optionally, the name; in the saving mode a new folder can be
// made. It lists folders and files by path and never changes the process's current folder (the working
// files of a run live there). It hands its choice to the start dialog's boxes (txtEin of "frmTitel", found
// by name): reading txtEin(0) and (1), saving txtEin(2) and, when a file was chosen, txtEin(3).
#include <cstdint>

#include "platform/forms/forms.h"

class frmDateiwahl : public vb::Form {
public:
    vb::Menu mnuOrdnerneu{*this, "mnuOrdnerneu"};
    vb::DriveListBox Drive1{*this, "Drive1"};
    vb::DirListBox Dir1{*this, "Dir1"};
    vb::FileListBox File1{*this, "File1"};
    vb::ControlArray<vb::Label> Label3{*this, "Label3"};
    vb::TextBox txtPfad{*this, "txtPfad"};
    vb::TextBox txtDatei{*this, "txtDatei"};
    vb::Label Label4{*this, "Label4"};
    vb::TextBox txtMuster{*this, "txtMuster"};
    vb::ControlArray<vb::ListBox> List1{*this, "List1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdEsc{*this, "cmdEsc"};
    vb::Frame Frame1{*this, "Frame1"};
    vb::Label Label1{*this, "Label1", &Frame1};
    vb::Label Label2{*this, "Label2", &Frame1};
    vb::TextBox txtOrdnerneu{*this, "txtOrdnerneu", &Frame1};
    vb::CommandButton cmdOrdnOK{*this, "cmdOrdnOK", &Frame1};
    vb::CommandButton cmdOrdnAbbr{*this, "cmdOrdnAbbr", &Frame1};

    frmDateiwahl();
    void Form_Load() override;
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_MouseDown();
    void File1_Click();
    void List1_Click(int16_t Index);
    void txtMuster_Change();
    void cmdOK_Click();
    void cmdEsc_Click();
    void mnuOrdnerneu_Click();
    void cmdOrdnOK_Click();
    void cmdOrdnAbbr_Click();

    // True once "Auswahl übernehmen" (or a double click on a file) handed a choice over; the start dialog
    // clears it before it shows the dialog.
    static inline bool Uebernommen = false;

private:
    // The start dialog's box i gets the text (nothing when the start dialog is not loaded).
    static void StartBox(int16_t i, const std::string& text);
};
