#pragma once
// The main window after the start dialog: the topics of the input, the numbers of the current excavation
// stage and load case, the calculation request, saving, and the ways out (end, restart, another file name).
//
// The input pages it opens (frmWand1, frmBoden1, frmAushub1, frmLast1, frmAnker1, frmAusgabe, frmBoden0,
// frmAushub0, frmLast0) are reached by name (platform/forms/registry.h); a page that is not part of the
// program is left out quietly. The calculation request reaches the window by its name
// (request/run_windows.h).
//
// Every way out that ends the program ("Programm beenden", "ZOR neu starten", "Abbruch", the close box)
// deletes the working files of the runs (zorm1::DateienLoeschen); only the first two save the project. The
// ways out are disabled while a page of a topic is open and come back when the window is active again and no
// request calculates (also while the pictures of a request wait).
#include <cstdint>
#include <string>

#include "platform/forms/forms.h"

class frmAuswahl : public vb::Form {
public:
    vb::Frame Frame1{*this, "Frame1"};
    vb::ControlArray<vb::OptionButton> optAuswahl{*this, "optAuswahl"};
    vb::Label lblSonder{*this, "lblSonder", &Frame1};
    vb::ControlArray<vb::Label> lblNr{*this, "lblNr"};
    vb::ControlArray<vb::TextBox> txtAushub{*this, "txtAushub"};
    vb::Label lblHinweis{*this, "lblHinweis"};
    vb::TextBox txtDateiName{*this, "txtDateiName"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdStart{*this, "cmdStart"};
    vb::CommandButton cmdEnd{*this, "cmdEnd"};
    vb::CommandButton cmdNeustart{*this, "cmdNeustart"};
    vb::CommandButton cmdNeustart2{*this, "cmdNeustart2"};
    vb::CommandButton cmdEsc{*this, "cmdEsc"};

    frmAuswahl();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    void Form_Unload(int16_t& Cancel) override;

    void optAuswahl_Click(int16_t Index);
    void optAuswahl_LostFocus(int16_t Index);
    void txtAushub_GotFocus(int16_t Index);
    void txtAushub_LostFocus(int16_t Index);
    void cmdOK_Click();
    void cmdStart_Click();
    void cmdEnd_Click();
    void cmdEsc_Click();
    void cmdNeustart_Click();
    void cmdNeustart2_Click();

    // Opens the stage chain for AushNr (the water level and the support levels of a new stage prefilled).
    void Aushub();
    // Opens the load-case chain for LFNr.
    void Lasten();
    // Writes the project file GanzerName and the settings file, then unloads every input page. False (after
    // the writer's message) when a file could not be written; the project stays in memory.
    static bool EingabeSpeichern();

    // The program file "ZOR neu starten" starts: this program's own executable.
    static std::string ProgrammDatei();

    // A typed stage or load-case number: the box's value rounded (halves to even); beyond the 16-bit range
    // it counts as above any count (32767), below it as 0.
    static int16_t Nummer(const std::string& text);

private:
    void Fokus(vb::Control& c);
    // A new number for stage (box 1) or load case (box 3), then the chain opened.
    void NummerUebernehmen(int16_t box);
};
