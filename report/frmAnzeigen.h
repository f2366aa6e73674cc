#pragma once
// The report window: shows the report copy of the last run in blocks of 65,535 characters, and prints it
// (in full or as the short printout); its menus set the print and screen fonts, the colours, the print
// margins, the header and footer boxes and the page frame.
//
// The run driver unloads the window before a run (vb::Unload<frmAnzeigen>() returns false while a printout is
// prepared or runs: the request must then wait or be refused, see Anzeigen::DruckLaeuft) and shows it after
// the run (vb::form<frmAnzeigen>().Show()); loading it copies "LPTZW" beside the project file
// (DruckDateiKopieren) and tells the user when that fails.
#include <cstdint>
#include <string>

#include "platform/forms/forms.h"

class frmAnzeigen : public vb::Form {
public:
    vb::Label Label1{*this, "Label1"};
    vb::Label Label5{*this, "Label5"};
    vb::Label Label4{*this, "Label4"};
    vb::HScrollBar HScroll1{*this, "HScroll1"};
    vb::TextBox Text2{*this, "Text2"};
    vb::TextBox DruckOk{*this, "DruckOk"};
    vb::PictureBox Picture1{*this, "Picture1"};
    vb::Label Label2{*this, "Label2", &Picture1};
    vb::ControlArray<vb::TextBox> Text1{*this, "Text1"};
    vb::ControlArray<vb::Label> Label3{*this, "Label3"};
    vb::Label Label6{*this, "Label6", &Picture1};
    vb::CommandButton cmdRaenderOK{*this, "cmdRaenderOK", &Picture1};

    vb::Menu mnuEinstellungen{*this, "mnuEinstellungen"};
    vb::Menu mnuFontS{*this, "mnuFontS", &mnuEinstellungen};
    vb::Menu mnuFontDrucker{*this, "mnuFontDrucker", &mnuFontS};
    vb::Menu mnuFontScreen{*this, "mnuFontScreen", &mnuFontS};
    vb::Menu mnuRaender{*this, "mnuRaender", &mnuEinstellungen};
    vb::Menu mnuH504ein{*this, "mnuH504ein", &mnuEinstellungen};
    vb::Menu mnuH504aus{*this, "mnuH504aus", &mnuEinstellungen};
    vb::Menu mnuRahmenJa{*this, "mnuRahmenJa", &mnuEinstellungen};
    vb::Menu mnuRahmenNein{*this, "mnuRahmenNein", &mnuEinstellungen};
    vb::Menu mnuFarbwahl{*this, "mnuFarbwahl"};
    vb::Menu mnuKurz{*this, "mnuKurz"};
    vb::Menu mnuDrucken{*this, "mnuDrucken"};

    frmAnzeigen();
    void Form_Load() override;
    void Form_Resize() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    void HScroll1_Change();
    void mnuDrucken_Click();
    void mnuKurz_Click();
    void mnuFarbwahl_Click();
    void mnuFontDrucker_Click();
    void mnuFontScreen_Click();
    void mnuH504aus_Click();
    void mnuH504ein_Click();
    void mnuRaender_Click();
    void mnuRahmenJa_Click();
    void mnuRahmenNein_Click();
    void cmdRaenderOK_Click();
    void Text1_GotFocus(int16_t Index);
    void Text1_LostFocus(int16_t Index);

    // Length of the report copy in characters and the number of its last block.
    int32_t Laenge() const { return laenge_; }
    int16_t LetzterBlock() const { return letzterBlock_; }

private:
    void Drucken();
    int32_t laenge_ = 0;
    int16_t letzterBlock_ = 0;
};

namespace Anzeigen {
inline constexpr int32_t kBlockLaenge = 65535;
// Puts block `block` of the file into the box: the characters from block x n + 1 on, n = min(length,
// 65,535) of them or the rest; an empty or missing file gives the empty text.
void TextBlockLaden(vb::TextBox& box, int16_t block, const std::string& datei);
// A margin typed in a box, as a whole number (halves to even) within the 16-bit range.
int16_t RandAusText(const std::string& text);
} // namespace Anzeigen
