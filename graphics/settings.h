#pragma once
// The settings of the graphics window: the submenu "Einstellungen..." and its frames for the scale, the
// printer margins, the graphics font and the shift of the origin, and the orientation entries. The
// frames only store values (when a box, option or check box is left) and, with their OK, ask for a
// redraw; the page set-up reads the values at the next drawing.
//
// Where the values live: Massstab, xNull, zNull in the project data (saved with the project file);
// the margins GrafikRand*, the font GrafikFontName/Size/Bold and Querformat in the settings file
// "ZORPFAD.DAT".
//
// Guards: a number beyond what its field can hold (a margin outside -32768..32767, a scale or shift
// beyond the single range) is refused with a beep and the box shows the stored value again; margins
// keep their minimums (6, 6, 6, 5 mm) and are refused likewise when they leave no drawing area on the
// printer's sheet; the font-size display is written and read with the locale's decimal separator.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/forms/forms.h"

namespace zorg {

// Margin minimum of a box (mm): 5 for the bottom margin, 6 for the others.
enum class Rand : int16_t { Links, Oben, Rechts, Unten };
int16_t RandMinimum(Rand r);

// Whether the margins (mm, as the settings hold them) leave a drawing area on a sheet whose printable
// area is breite x hoehe mm in portrait, with the 20.5 mm header and footer bands when h504 is set.
bool RaenderLassenPlatz(int16_t links, int16_t oben, int16_t rechts, int16_t unten, float breiteMm,
                        float hoeheMm, bool h504);

// Looks for the first installed screen font whose name (ignoring case) occurs in GrafikFontName; when
// one is found GrafikFontName becomes its name and the result is true, else GrafikFontName := vorher.
bool SchriftVorhanden(const std::string& vorher);

// Sizes and places the graphics window for the orientation and sets its caption.
void GrafikFensterFormat(vb::Form& fenster);

class GrafikEinstellungen {
public:
    // Builds the menu and the frames on the window; neuZeichnen is the window's redraw request.
    GrafikEinstellungen(vb::Form& fenster, std::function<void()> neuZeichnen);

    vb::Menu mnuEinstellungen;
    vb::Menu mnuSchrift, mnuRaender, mnuMassstab, mnuQuerein, mnuQueraus, mnuNullpunkt;

    vb::Frame frmMass;
    vb::TextBox txtMass;
    vb::CommandButton cmdOKMass;
    vb::Label Label9;

    vb::Frame frmRand;
    vb::TextBox txtRandLinks, txtRandOben, txtRandUnten, txtRandRechts;
    vb::Label lblLinks, lblOben, lblUnten, lblRechts, lblKopf, lblFuss, Label6;
    vb::Frame frmPapier;
    vb::CommandButton cmdOKRand;

    vb::Frame frmSchrift;
    vb::ControlArray<vb::OptionButton> Option1;
    vb::CheckBox chkSchriftFett;
    vb::HScrollBar HScroll1;
    vb::ControlArray<vb::Label> Label1;
    vb::CommandButton cmdOKSchrift;

    vb::Frame frmNullpunkt;
    vb::TextBox txtxNull, txtZnull;
    vb::Label lblX0, lblX0Richtung, lblZ0, lblZ0Richtung;
    vb::CommandButton cmdxNullOK;

    // Hides the frames of scale, margins and font (the origin frame stays open until its OK).
    void RahmenSchliessen();
    // Fills the size display, the scroll bar, the margin boxes and the bold box from the settings.
    void EinstellungenAnzeigen();

    void mnuMassstab_Click();
    void txtMass_LostFocus();
    void cmdOKMass_Click();
    void mnuRaender_Click();
    void txtRand_LostFocus(Rand r);
    void cmdOKRand_Click();
    void mnuSchrift_Click();
    void Option1_LostFocus(int16_t index);
    void chkSchriftFett_LostFocus();
    void HScroll1_Change();
    void cmdOKSchrift_Click();
    void mnuQuerein_Click();
    void mnuQueraus_Click();
    void mnuNullpunkt_Click();
    void txtxNull_LostFocus();
    void txtZnull_LostFocus();
    void cmdxNullOK_Click();

private:
    vb::TextBox& RandBox(Rand r);
    void Ausrichtung(int16_t quer);
    vb::Form& fenster_;
    std::function<void()> neuZeichnen_;
};

} // namespace zorg
