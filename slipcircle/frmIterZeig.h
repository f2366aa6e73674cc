#pragma once
// The progress window of the slip circle: a fixed white window in Courier New 9 pt into which the search
// prints at text rows (caption: load case and stage; row 2 the column heads, row 3 the progress line,
// rows 5 on notes and the field-shift message). Closing it asks the search to stop.
#include <string>

#include "platform/forms/forms.h"

class frmIterZeig : public vb::Form {
public:
    static constexpr int kZeilen = 13;         // text rows the client area holds
    static constexpr float kZeilenHoehe = 225; // twips per text row of Courier New 9 pt
    vb::ControlArray<vb::Label> lblZeile{*this, "lblZeile"};

    frmIterZeig();
    void Form_Load() override {}
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

    // Prints text into row zeile (1..kZeilen; other rows are not shown); the print position moves to the
    // next row.
    void Drucken(int zeile, const std::string& text);
    // Empties every row.
    void Leeren();
    // The text of a row ("" outside the window).
    std::string Zeile(int zeile) const;
    int Druckzeile() const { return druckzeile_; }

private:
    int druckzeile_ = 1;
};
