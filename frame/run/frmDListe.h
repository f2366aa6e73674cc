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

private:
    std::string listenName_;
    std::string eintrag_; // the entry last clicked, trimmed
    int32_t eintragIndex_ = -1;
};
