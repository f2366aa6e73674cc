#pragma once
// The start dialog: new input or a project file to read, the folder and name the project is saved under,
// the project titles and four comment lines; its OK hands over to the safety pages, the main window and
// the wall page.
//
// The read folder and the save folder share DateiPfad, the read name and the save name DateiName: the box
// or file button handled last decides them. The pages it opens after OK (frmBTeilSi, frmBTeilSi2,
// frmWand1) are reached by name (platform/forms/registry.h); a page that is not part of the program is
// left out. OK says why it does not go on: nothing read while "Daten einlesen " is chosen, no save folder, a
// save name that is empty, holds a folder separator or names a folder; an empty save name left in its box
// becomes "xyz", and the user is told so. Between the safety pages and the main window, OK makes the project
// ready for its calculation (request/project_preparation.h), as the headless run does.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/forms/forms.h"

class frmTitel : public vb::Form {
public:
    vb::Frame fraZOR{*this, "fraZOR"};
    vb::Label Label1{*this, "Label1", &fraZOR};
    vb::Label Label2{*this, "Label2", &fraZOR};
    vb::Label Label3{*this, "Label3", &fraZOR};
    vb::Frame fraQUM{*this, "fraQUM"};
    vb::ControlArray<vb::OptionButton> cmdLesen{*this, "cmdLesen"};
    vb::ControlArray<vb::Label> lblPfad{*this, "lblPfad"};
    vb::ControlArray<vb::TextBox> txtEin{*this, "txtEin"};
    vb::ControlArray<vb::CommandButton> cmdDatei{*this, "cmdDatei"};
    vb::Label Label5{*this, "Label5"};
    vb::Label Label6{*this, "Label6"};
    vb::Frame Frame3{*this, "Frame3"};
    vb::TextBox Text1{*this, "Text1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdEsc{*this, "cmdEsc"};

    frmTitel();
    void Form_Load() override;
    void Form_Activate() override;

    void cmdOK_Click();
    void cmdOK_GotFocus();
    void cmdEsc_Click();
    void cmdLesen_Click(int16_t Index);
    void cmdDatei_Click(int16_t Index);
    void txtEin_GotFocus(int16_t Index);
    void txtEin_KeyPress(int16_t Index, int16_t& KeyAscii);
    void txtEin_LostFocus(int16_t Index);

    // DateiName := the text of txtEin(Index), then the derived names (NamenAbleiten).
    void xPath(int16_t Index);
    // Shows the project's save folder and name, titles and comments in txtEin(2) to (11).
    void Anzeigen();
    // NameOhneExt, GanzerName and GanzerNameOhneExt from DateiPfad and DateiName (DateiName trimmed).
    static void NamenAbleiten();

    // What keeps the project from being saved under a name, in plain words (an empty name, a folder
    // separator, "." or ".."); nothing when the name will do. OK checks the save name with it.
    static std::optional<std::string> SpeichernameFehler(const std::string& name);

    // Back from the main window to save under another name: the read part emptied and disabled, only the
    // save place and the titles remain; the focus on the save folder.
    void NurSpeichern();

private:
    // A message why OK does not go on, then the focus on txtEin(box); OK stays enabled.
    void Hinweis(const std::string& text, int16_t box);
    // Reads the project file GanzerName: the slip-circle arrays anew, then the file, then the boxes; when the
    // file cannot be read, the focus goes to the read folder txtEin(0).
    void Einlesen();
};
