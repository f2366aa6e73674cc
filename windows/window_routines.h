#pragma once
// The window routines every dialog shares: the key filter of the numeric boxes, the mouse pointer
// onto the control to use next, centring a window, the screen metrics, the pattern list of the file
// dialog and the screen-wide hourglass.
#include <cstdint>

#include "platform/forms/forms.h"

namespace Anzeigen {

// The screen's twips per pixel, written by BildschirmMasse and read by the report printing and the
// graphics.
struct FensterDaten {
    float TwipsProPixelX = 0.0f;
    float TwipsProPixelY = 0.0f;
};
extern FensterDaten Fenster;
void FensterZuruecksetzen();

// Key filter of every numeric box: backspace passes; "," becomes "."; every code below 43, "/" and
// every code above 57 becomes 0 (the key is dropped) with a beep. What passes: + - . 0..9, backspace.
void ZahlTaste(int16_t& KeyAscii);

// Puts the mouse pointer into the control at 80 % of its width and half its height (pixels rounded
// half to even), so that it lands on the right-hand part of a button.
void MausAufSteuerelement(vb::Control& ctl);
void MausAufSteuerelement(vb::Form& frm); // a window: the same point of its client area

// Centres the window on the screen (twips, not rounded).
void FormZentrieren(vb::Form& frm);

// Stores the screen's twips per pixel in Fenster.
void BildschirmMasse();

// Fills the pattern list of the file dialog with "*.*" and one pattern per extension found among the
// files of the file list's folder (excluded extensions left out); the file list keeps its pattern.
void MusterListeFuellen(vb::ListBox& sammelListe, vb::ListBox& musterListe, vb::FileListBox& dateiListe);

// The hourglass over the whole screen, and the arrow again.
void SanduhrZeigen();
void PfeilZeigen();

} // namespace Anzeigen
