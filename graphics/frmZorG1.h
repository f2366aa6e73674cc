#pragma once
// The graphics window: loaded after a run, it shows itself and runs the picture sequence inside its
// loading (Form_Load returns when the sequence ends). Its menus only set the requests that the sequence's
// wait serves: "weiter", "zurück zu Bild 1", "zu Bild ...", "Bild drucken", "Alle folg. Bilder drucken".
//
// Closing the window, a new calculation request (the run driver unloads the window) or the end of the
// program ends the sequence: the plot file is closed, nothing more is drawn, and the call that loaded the
// window returns. Every picture is drawn on the window's surface; a printed picture is one document
// named after the project and its tag ("B101" ...); where it went as a PDF file, the window says.
//
// The window can be resized and maximised; the picture on show is then drawn anew to the new size.
#include <cstdint>
#include <string>

#include "graphics/picture_sequence.h"
#include "graphics/settings.h"
#include "platform/forms/forms.h"

class frmZorG1 : public vb::Form {
public:
    // the settings submenu (first on the menu bar) and its frames
    zorg::GrafikEinstellungen einst{*this, [this] { NeuZeichnen(); }};
    vb::TextBox DruckOk{*this, "DruckOk"};
    vb::Frame frmBildNr{*this, "frmBildNr"};
    vb::TextBox txtBildNr{*this, "txtBildNr", &frmBildNr};
    vb::CommandButton cmdOKBildNr{*this, "cmdOKBildNr", &frmBildNr};

    vb::Menu mnuAlleBilderDrucken{*this, "mnuAlleBilderDrucken"};
    vb::Menu mnuBildDrucken{*this, "mnuBildDrucken"};
    vb::Menu mnuZurueck{*this, "mnuZurueck"};
    vb::Menu mnuBildNr{*this, "mnuBildNr"};
    vb::Menu mnuWeiter{*this, "mnuWeiter"};

    frmZorG1();
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int16_t& Cancel) override;

    void mnuWeiter_Click();
    void mnuZurueck_Click();
    void mnuBildNr_Click();
    void mnuBildDrucken_Click();
    void mnuAlleBilderDrucken_Click();
    void txtBildNr_LostFocus();
    void cmdOKBildNr_Click();

    // Closes the frames of scale, margins and font and asks for a redraw.
    void NeuZeichnen();
    // Draws the picture in hand on the window again, or prints it (one document).
    void BildZeichnen(int16_t stufe, int16_t lf);
    void BildDrucken(int16_t stufe, int16_t lf);
    // Ends the sequence (a new calculation request, the end of the program).
    void FolgeBeenden() { folge_.anf.Ende = true; }

    zorg::Bilderfolge& Folge() { return folge_; }
    // The documents printed by this window, in order (file names where a PDF was written).
    const std::vector<std::string>& Ausdrucke() const { return ausdrucke_; }

private:
    // The chosen colours on the window (when a background colour is chosen).
    void Farben();
    // Says where the printed pictures not yet named went.
    void DruckeMelden();
    zorg::Bilderfolge folge_;
    std::vector<std::string> ausdrucke_;
    std::vector<std::string> offen_; // printed, where not yet said
    int16_t stufe_ = 0, lf_ = 0;
};

namespace zorg {
// Registers the window under "frmZorG1" and its routine "frmZorG1.FolgeBeenden".
void RegisterGraphicsWindows();
} // namespace zorg
