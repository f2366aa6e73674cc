#pragma once
// What every input page shares (the project pages here and the stage pages above): numbers in boxes, the
// three handlers of a numeric box, opening a page, OK inside a chain and on its last page, help boxes.
//
// Numbers in boxes: written in the shortest form with "." ("1.5", ".3", "-2", "1E+07"), read as the leading
// number of the text (blanks skipped, reading stops at the first other character, empty text 0). A number
// beyond single precision, or an integer outside -32768..32767, is refused: the beep sounds, the box shows
// the field again and gets the focus back; the field keeps its value.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/forms.h"

namespace Seite {

// Box text of a number: without the leading blank ("1.5", ".3", "-2").
std::string Zahl(float v);
// Box text with the leading blank of non-negative numbers (" 1.5"), where a page keeps it.
std::string ZahlMitBlank(float v);
// The leading number of a box text; nullopt when it lies beyond single precision.
std::optional<float> ZahlLesen(std::string_view text);
// The number of a box as a page reads it at OK: its leading number, 0 when that lies beyond single precision.
float Wert(const vb::TextBox& box);
// The leading number rounded to the nearest integer, halves to even; nullopt outside -32768..32767.
std::optional<int16_t> GanzzahlLesen(std::string_view text);

// A numeric box bound to one project field. The handlers: GotFocus selects the whole text; KeyPress goes
// through the key filter (Anzeigen::ZahlTaste); LostFocus reads the text into the field and then runs
// `danach` (a page's check, correction or derived values). A refused number beeps, rewrites the box from
// the field and puts the focus back; `danach` does not run then.
void Zahlbox(vb::TextBox& box, float& feld, std::function<void()> danach = {});
void Zahlbox(vb::TextBox& box, int16_t& feld, std::function<void()> danach = {});
// The same handlers with the reading left to the page: `lesen` gets the text when the box is left.
void Zahlbox(vb::TextBox& box, std::function<void(const std::string&)> lesen);
// Only GotFocus (select all) and KeyPress (key filter), for boxes a page reads at OK.
void Tastenfilter(vb::TextBox& box);

// The corrected-value form: the box rewritten from the field and the focus put back.
void Korrigiert(vb::TextBox& box, float feld, bool fokusZurueck = true);
// The replacement-text form: the box gets the literal and the focus back.
void Ersetzt(vb::TextBox& box, std::string_view text);
// The whole text of a box selected (typing replaces it).
void Markieren(vb::TextBox& box);
// Puts the focus back on a box, after the handler that leaves it has run (a LostFocus may not take the
// focus back while the focus is still moving).
void FokusZurueck(vb::Control& c);

// Opening a page (its Form_Load): Show, `fuellen`, cmdOK enabled, the focus on cmdOK when a project file
// was read, the mouse onto cmdOK.
void Oeffnen(vb::Form& seite, vb::CommandButton& cmdOK, const std::function<void()>& fuellen);

// OK inside a chain: the next page unloaded when it is still loaded, then loaded afresh (by its name).
void Weiter(std::string_view naechsteSeite);

// OK on the last page of a chain: every input page unloaded; frmAuswahl shown first when `zeigen`; the
// focus onto frmAuswahl's optAuswahl(thema) (0: the start button cmdStart instead), then the mouse onto
// its cmdOK (onto cmdStart with thema 0). The main window is reached by its name and left alone while it
// is not part of the program.
void KetteEnde(int16_t thema, bool zeigen = false);
// The focus and the mouse onto frmAuswahl's start button "Berechnung starten" (the end of the output chain),
// no page unloaded.
void StartFokus();
// The number box txtAushub(index) of frmAuswahl shows a number (plain digits).
void AuswahlNummer(int16_t index, int16_t nummer);

// A help box: the lines joined by CR LF (an empty line gives a doubled break), one OK button.
void Hilfe(const std::vector<std::string>& zeilen, int symbol, std::string_view titel);

} // namespace Seite
