#pragma once
// The small page that deletes one numbered item of the project, or inserts a new item before a given one:
// the soil layers (frmBoden0) and the excavation stages (frmAushub0). The page knows the count and its
// upper limit; moving the items' values and bringing the main window back are the pages' own.
//
// Controls, all in the frame Frame1: Text1(0) shows the count ("Anzahl bisher"); Option1(1) with Text1(1),
// the number of the item to delete; Option1(2) with Text1(2), the number of the item before which a new
// one is inserted; the note "Keine Eingabe: nichts ändern."; cmdOK. The boxes are numeric boxes of two
// characters at most.
//
// Opening: the count shown with its leading blank; boxes 1 and 2 disabled, no option chosen. Choosing an
// option enables its box, puts the focus on it and disables the other box. Leaving box 1 or 2: its number
// read as a 16-bit integer (rounded); above the count, or not readable (then with the beep), the box shows
// the count and gets the focus back and the page's number stays; else it becomes the page's number.
//
// OK, in this order: cmdOK disabled; the chosen option's box read again (unreadable: 0), the other number
// set to 0; a delete number from 1 to the count deletes that item; an insert number from 1 to the count,
// while the count is below the limit, inserts before it; the page unloaded; the page's return to the main
// window. No option chosen: both numbers stay 0 and nothing changes.
#include <cstdint>

#include "platform/forms/forms.h"

class EinfuegenLoeschenSeite : public vb::Form {
public:
    vb::Frame Frame1{*this, "Frame1"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::ControlArray<vb::OptionButton> Option1{*this, "Option1"};
    vb::ControlArray<vb::TextBox> Text1{*this, "Text1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    void Form_Load() override;
    void Option1_Click(int16_t Index);
    void Text1_LostFocus(int16_t Index);
    void cmdOK_Click();

protected:
    // What differs between the pages.
    struct Art {
        const char* name;      // the window's name
        const char* titel;     // its caption
        const char* rahmen;    // the caption of Frame1
        const char* loeschen;  // the caption of Option1(1)
        const char* einfuegen; // the caption of Option1(2)
        int16_t& anzahl;       // the project's count of the items
        int16_t hoechstens;    // no insertion while the count has reached this
        bool anzahlGesperrt;   // Text1(0) locked against typing
        // Deletes item nr (1..count); inserts before item nr (1..count, count below the limit).
        void (*loesche)(int16_t nr);
        void (*fuegeEin)(int16_t nr);
        // Runs after the page is unloaded (it touches no control of the page): the count handed to the
        // main window, which is brought back.
        void (*zurueck)();
    };
    explicit EinfuegenLoeschenSeite(const Art& art);

private:
    const Art art_;
    int16_t loeschen_ = 0, einfuegen_ = 0;
};
