#pragma once
// The window with the list of project files: take one for reading, or delete project files.
#include <string>

#include "platform/forms/forms.h"

class frmDListe : public vb::Form {
public:
    vb::ListBox List1{*this, "List1"};
    vb::ControlArray<vb::CommandButton> cmdOK{*this, "cmdOK"};

    frmDListe();
    void Form_Load() override;
    void List1_Click();
    void List1_DblClick();
    void cmdOK_Click(int16_t Index);

    // True once "Ausgewählte Datei einlesen" handed an entry to the start dialog; the start dialog clears it
    // before it shows the list, so that closing the list without a choice reads nothing.
    static inline bool Uebernommen = false;

private:
    std::string listenName_;
    std::string eintrag_; // the entry last clicked, trimmed
    int32_t eintragIndex_ = -1;
};
