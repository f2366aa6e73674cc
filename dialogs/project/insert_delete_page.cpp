#include "dialogs/project/insert_delete_page.h"

#include "dialogs/project/page.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"

EinfuegenLoeschenSeite::EinfuegenLoeschenSeite(const Art& art) : vb::Form(art.name), art_(art) {
    setCaption(art.titel);
    Resizable = false;
    Frame1.setCaption(art.rahmen);
    Frame1.Move(120, 60, 6000, 1900);
    Label1.add(0, &Frame1).setCaption("Anzahl bisher  ............................");
    Label1(0).Move(480, 300, 3600, 240);
    Option1.add(1, &Frame1).setCaption(art.loeschen);
    Option1(1).Move(120, 660, 3960, 270);
    Option1.add(2, &Frame1).setCaption(art.einfuegen);
    Option1(2).Move(120, 1020, 3960, 270);
    for (int16_t i = 0; i < 3; ++i) {
        vb::TextBox& t = Text1.add(i, &Frame1);
        t.MaxLength = 2;
        t.Move(4300, 270 + 360 * i, 700, 285);
        Seite::Tastenfilter(t);
    }
    if (art.anzahlGesperrt) Text1(0).Locked = true;
    Label1.add(3, &Frame1).setCaption("Keine Eingabe: nichts ändern.");
    Label1(3).Move(480, 1440, 4000, 240);
    cmdOK.setCaption("OK");
    cmdOK.Move(4320, 2040, 1800, 480);
    setClientSize(6240, 2640);
    Option1.onClick([this](int16_t i) { Option1_Click(i); });
    Text1.onLostFocus([this](int16_t i) { Text1_LostFocus(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void EinfuegenLoeschenSeite::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { Text1(0).setText(vb::Str(art_.anzahl)); });
    Text1(1).setEnabled(false);
    Text1(2).setEnabled(false);
}

void EinfuegenLoeschenSeite::Option1_Click(int16_t Index) {
    const int16_t anderer = Index == 1 ? 2 : 1;
    Text1(Index).setEnabled(true);
    Seite::FokusZurueck(Text1(Index));
    Text1(anderer).setEnabled(false);
}

void EinfuegenLoeschenSeite::Text1_LostFocus(int16_t Index) {
    if (Index == 0) return;
    const auto n = Seite::GanzzahlLesen(Text1(Index).Text());
    if (!n || *n > art_.anzahl) {
        if (!n) vb::Beep();
        Text1(Index).setText(vb::Str(art_.anzahl));
        Seite::FokusZurueck(Text1(Index));
        return;
    }
    (Index == 1 ? loeschen_ : einfuegen_) = *n;
}

void EinfuegenLoeschenSeite::cmdOK_Click() {
    cmdOK.setEnabled(false);
    if (Option1(1).Value()) {
        loeschen_ = Seite::GanzzahlLesen(Text1(1).Text()).value_or(0);
        einfuegen_ = 0;
    }
    if (Option1(2).Value()) {
        einfuegen_ = Seite::GanzzahlLesen(Text1(2).Text()).value_or(0);
        loeschen_ = 0;
    }
    if (loeschen_ >= 1 && loeschen_ <= art_.anzahl) art_.loesche(loeschen_);
    if (einfuegen_ >= 1 && einfuegen_ <= art_.anzahl && art_.anzahl < art_.hoechstens)
        art_.fuegeEin(einfuegen_);
    // The page may be gone once it is unloaded: its return is taken before.
    void (*zurueck)() = art_.zurueck;
    vb::Unload(*this);
    zurueck();
}
