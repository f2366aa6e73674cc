#pragma once
// The depth tables of the stage pages: up to 15 rows (a level or depth, a value), read from the first row to
// the last as a piecewise-linear diagram over the wall for the current stage. Six pages carry one; the rows,
// the order rule of the levels, the end of a table, its closing at OK and its filling are the same on all of
// them apart from the differences of the page's kind (Art).
//
// Rows are 1..15: there is no row 0 and no row 16 on any page. A count read from the project data is kept
// inside 0..15 before it addresses a row, and a table that ends in row 15 gets no marker row behind it.
// Levels and values are single precision; a cell left with a number beyond single precision beeps and shows
// the stored value again, with the focus back.
#include <cstdint>
#include <functional>

#include "platform/forms/forms.h"

namespace Tabelle {

// The page a table belongs to.
enum class Art {
    Bettung,      // frmAushub1b: depth t below the excavation level, modulus C (MN/m3)
    Erddruck,     // frmAushub2: level z, given eah (kN/m2)
    Figur6,       // frmAushub3: level z, ratio of the own redistribution figure 6
    Zusatz,       // frmAushub6: level z, additional horizontal stress (kN/m2)
    Faktor,       // frmAushub7: level z, factor on the earth pressure
    Erdwiderstand // frmAushub8: depth t below the excavation level, given eph (kN/m2)
};

class Tiefentabelle {
public:
    using Feld = std::function<float&(int16_t zeile)>;
    // The table of a page: its frame, its two cell arrays (indices 1..15, created here inside the frame at
    // x, y with the given column widths), the stored level and value of a row, and the row count.
    Tiefentabelle(Art art, vb::Frame& rahmen, vb::ControlArray<vb::TextBox>& ebenen,
                  vb::ControlArray<vb::TextBox>& werte, Feld ebene, Feld wert,
                  std::function<int16_t()> anzahl, std::function<void(int16_t)> setzeAnzahl);
    // Creates the 30 cells and binds their handlers (select on focus, key filter, leave).
    void ZellenAnlegen(float x, float y, float breite, float abstand, float zeilenhoehe);

    Art art;
    int16_t LetzteZeile = 0; // the last row that stays on the page
    bool TabelleZu = true;   // the last value cell left ended the table (set when the page is activated)
    // Figure 6: run when a level cell of 0 or less ends the table (the focus goes to the foot ratio).
    std::function<void()> nachEndeFigur6;

    // The count kept inside 0..15.
    int16_t Anzahl() const;
    // Empties both cells of the rows LetzteZeile + 1 to 15; stored values stay.
    void Leeren();
    // The frame and all 30 cells enabled (switch ticked) or disabled.
    void Freigeben(bool an);
    // The cells of row i show its stored level and value.
    void ZeileZeigen(int16_t i);
    // Rows 1..count shown, LetzteZeile := count, rows behind emptied.
    void ZeilenZeigen();

    void EbeneVerlassen(int16_t i);
    void WertVerlassen(int16_t i);
    // The end test after a value cell was left (BettungEnde on the bedding page).
    void Zeile99(int16_t i);
    // The closing at OK with the switch on or off (the page's own steps afterwards are its own).
    void Schliessen(bool an);
    // The level of row i as its cell reads (0 for an empty or unreadable cell).
    float ZellenEbene(int16_t i) const;

private:
    bool IstTiefe() const { return art == Art::Bettung || art == Art::Erdwiderstand; }
    float Fuss() const; // the wall foot of a depth table: 99 - zAush
    vb::Frame& rahmen_;
    vb::ControlArray<vb::TextBox>& ebenen_;
    vb::ControlArray<vb::TextBox>& werte_;
    Feld ebene_, wert_;
    std::function<int16_t()> anzahl_;
    std::function<void(int16_t)> setzeAnzahl_;
};

// A count kept in a value array (row 0), read back as the nearest integer inside 0..15.
int16_t ZaehlerLesen(float v);

} // namespace Tabelle
