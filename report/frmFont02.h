#pragma once
// The font dialog of the report window: the text print font (FontZiel 0) or the font of the report box
// (FontZiel 1), with a sample and a warning for fonts that are not fixed-pitch.
#include <array>
#include <cstdint>
#include <string>

#include "platform/forms/forms.h"

namespace Anzeigen {
inline int16_t FontZiel = 0; // 0 the text print font, 1 the font of the report box
inline std::string TextFontNameAlt;
inline float TextFontSizeAlt = 0.0f;
} // namespace Anzeigen

class frmFont02 : public vb::Form {
public:
    vb::PictureBox Picture1{*this, "Picture1"};
    vb::ComboBox Combo1{*this, "Combo1", &Picture1};
    vb::ControlArray<vb::CheckBox> Check1{*this, "Check1"};
    vb::Label Label3{*this, "Label3", &Picture1};
    vb::Label Label2{*this, "Label2", &Picture1};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::HScrollBar HScroll1{*this, "HScroll1", &Picture1};
    vb::ControlArray<vb::CommandButton> Command1{*this, "Command1"};
    vb::TextBox Text1{*this, "Text1"};
    vb::PictureBox Picture3{*this, "Picture3"};

    frmFont02();
    void Form_Load() override;
    void Combo1_Click();
    void Check1_Click(int16_t Index);
    void Check1_KeyDown(int16_t Index, int16_t KeyCode, int16_t Shift);
    void Check1_MouseUp(int16_t Index);
    void HScroll1_Change();
    void Command1_Click(int16_t Index);
    void FontsLaden(vb::Control& Ctrl, int16_t Index);
    static int32_t IndexNr(const vb::ListControl& Ctrl, const std::string& T);

private:
    std::array<int16_t, 4> gemerkt_{}; // the last confirmed values of "fett" and "kursiv"
};

// The width of a text in a font, as the measuring box measures it (on the program's printer, whose metrics
// are those of the paper), in whole twips.
int32_t FontTextBreite(const std::string& fontName, const std::string& text);
