#pragma once
// The progress window of the slip circle: a fixed white window in Courier New 9 pt into which the search
// prints at text rows (caption: load case and stage; row 2 the column heads, row 3 the progress line,
// rows 5 on notes and the field-shift message). Text is printed opaque, so a row of blanks clears the
// row. Closing the window asks the search to stop.
#include <string>
#include <vector>

#include "platform/forms/forms.h"

class frmIterZeig : public vb::Form {
public:
    frmIterZeig();
    void Form_Load() override {}
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

    // Prints text at the start of text row zeile (1 = top); the print position moves to the next row.
    void Drucken(int zeile, const std::string& text);
    // Clears the window.
    void Leeren();
    // The text last printed into a row ("" when none since the last clearing).
    std::string Zeile(int zeile) const;

private:
    std::vector<std::string> zeilen_;
};
