#pragma once
// The window with the list of project files: take one for reading, or delete project files.
#include <functional>
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

    // Where "Ausgewählte Datei einlesen" hands the chosen entry: its folder (up to and including the
    // last separator) and its bare name, into the start dialog's read-folder and read-name boxes.
    // The start dialog sets it before it shows this window.
    static inline std::function<void(const std::string& pfad, const std::string& name)> Uebergabe;

private:
    std::string listenName_;
    std::string eintrag_; // the entry last clicked, trimmed
    int32_t eintragIndex_ = -1;
};
