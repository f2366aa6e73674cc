#include "report/frmFont02.h"

#include <cmath>

#include "frame/project_data.h"
#include "platform/draw/devices.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"
#include "report/frmAnzeigen.h"

int32_t FontTextBreite(const std::string& fontName, const std::string& text) {
    auto& s = vb::draw::Printer();
    const vb::draw::FontSpec vorher = s.Font();
    s.SetFontName(fontName);
    const double w = s.TextWidth(text);
    s.SetFont(vorher);
    return static_cast<int32_t>(std::nearbyint(w));
}

frmFont02::frmFont02() : vb::Form("frmFont02") {
    setCaption("Auswahl Screen- bzw. Printer- Fonts ........... Schriftprobe");
    setClientSize(6960, 3480);
    Picture1.Move(0, 0, 2775, 3480);
    Picture1.setBackColor(0xC0C0C0);
    Combo1.Move(120, 120, 2655, 315);
    Combo1.Style = 2;
    const char* boxen[] = {"fett", "kursiv"};
    for (int16_t i = 0; i < 2; ++i) {
        auto& c = Check1.add(i, &Picture1);
        c.setCaption(boxen[i]);
        c.Move(120 + 1200.0f * i, 600, 1080, 285);
    }
    Label3.setCaption("Anzahl Fonts:");
    Label3.Move(120, 1020, 1400, 255);
    Label1.add(1, &Picture1).Move(1560, 1020, 800, 255);
    Label2.setCaption("Schriftgröße in  Punkten:");
    Label2.Move(120, 1380, 1800, 255);
    Label1.add(0, &Picture1).Move(1920, 1380, 700, 255);
    HScroll1.Move(120, 1740, 2535, 255);
    HScroll1.setMin(6);
    HScroll1.setMax(40);
    HScroll1.setValue(6);
    const char* knoepfe[] = {"OK", "Abbrechen"};
    for (int16_t i = 0; i < 2; ++i) {
        auto& b = Command1.add(i, &Picture1);
        b.setCaption(knoepfe[i]);
        b.Move(120 + 1320.0f * i, 2880, 1200, 435);
    }
    Text1.MultiLine = true;
    Text1.ScrollBars = 2;
    Text1.Move(2880, 120, 3945, 3195);
    Text1.setFont("Courier New", 8.25f, true);
    const std::string c1(1, '\x01');
    const std::string punkte(30, '.');
    Text1.setText(
        "Zeile1      1\r\n::::::      2\r\n" + c1 + "\r\nProportionalschriften sind wegen  \r\n" + c1 +
        "\r\nder Tabellen ungeeignet.      \r\n" + punkte +
        "\r\nOk sind:  Courier New  (empf.)\r\n          Lucida Console\r\n\r\n          OCR-A BT\r\n"
        "          OCR-B 10 BT\r\n" +
        punkte + "\r\nDie oberen 2 Zeilen müssen gleich \r\n\r\nlang sein, damit die Tabellen \r\nstimmen.");
    Picture3.setVisible(false);

    Combo1.Click = [this] { Combo1_Click(); };
    Check1.onClick([this](int16_t i) { Check1_Click(i); });
    Check1.onKeyDown([this](int16_t i, int16_t& k, int16_t s) { Check1_KeyDown(i, k, s); });
    Check1.onMouseUp([this](int16_t i, int16_t, int16_t, float, float) { Check1_MouseUp(i); });
    HScroll1.Change = [this] { HScroll1_Change(); };
    HScroll1.Scroll = [this] { HScroll1_Change(); };
    Command1.onClick([this](int16_t i) { Command1_Click(i); });
}

void frmFont02::Form_Load() {
    const auto& P = zorm1::P;
    FontsLaden(Combo1, Anzeigen::FontZiel == 1 ? 1 : 0);
    if (!P.TextFontName.empty() && P.TextFontSize >= 3) {
        Anzeigen::TextFontNameAlt = P.TextFontName;
        Anzeigen::TextFontSizeAlt = P.TextFontSize;
    } else {
        Anzeigen::TextFontNameAlt = Text1.FontName();
        Anzeigen::TextFontSizeAlt = Text1.FontSize();
    }
    try {
        const int32_t i = IndexNr(Combo1, Anzeigen::TextFontNameAlt);
        if (i >= 0) Combo1.setListIndex(i);
    } catch (...) {
    }
    try {
        HScroll1.setValue(static_cast<int16_t>(vb::CInt(Anzeigen::TextFontSizeAlt)));
    } catch (...) {
    }
    try {
        Check1(0).setValue(Text1.FontBold() ? 1 : 0);
    } catch (...) {
    }
    HScroll1_Change();
}

void frmFont02::FontsLaden(vb::Control&, int16_t Index) {
    std::vector<std::string> fonts;
    if (Index == 1) {
        for (int32_t i = 0; i < vb::Screen::FontCount(); ++i)
            fonts.push_back(vb::Screen::Fonts(i));
    } else {
        fonts = vb::draw::Printer().Fonts();
    }
    Combo1.Clear();
    for (const auto& f : fonts)
        if (IndexNr(Combo1, f) < 0) Combo1.AddItem(f);
    Label1(1).setCaption(std::to_string(fonts.size()));
}

int32_t frmFont02::IndexNr(const vb::ListControl& Ctrl, const std::string& T) {
    for (int32_t i = Ctrl.ListCount() - 1; i >= 0; --i)
        if (Ctrl.List(i) == T) return i;
    return -1;
}

void frmFont02::Combo1_Click() {
    try {
        Text1.setFontName(Combo1.Text());
        for (int16_t i = 0; i < 2; ++i)
            Check1(i).setValue(gemerkt_[static_cast<std::size_t>(i)]);
        Check1(0).setValue(Text1.FontBold() ? 1 : 0);
    } catch (...) {
        vb::MsgBox("Auf dem Bildschirm nicht darstellbar", vb::vbExclamation, Text1.FontName());
    }
}

void frmFont02::Check1_Click(int16_t) {
    Text1.setFontBold(Check1(0).Value() == 1);
    Check1(0).setValue(Text1.FontBold() ? 1 : 0); // the sample's actual bold
    Text1.setFontItalic(Check1(1).Value() == 1);
}

void frmFont02::Check1_KeyDown(int16_t Index, int16_t KeyCode, int16_t) {
    if (KeyCode == 13) gemerkt_[static_cast<std::size_t>(Index)] = Check1(Index).Value();
}

void frmFont02::Check1_MouseUp(int16_t Index) {
    gemerkt_[static_cast<std::size_t>(Index)] = Check1(Index).Value();
}

void frmFont02::HScroll1_Change() {
    Text1.setFontSize(HScroll1.Value());
    Label1(0).setCaption(vb::Format(Text1.FontSize(), ".#0"));
}

void frmFont02::Command1_Click(int16_t Index) {
    if (Index == 1) {
        vb::Unload(*this);
        return;
    }
    const int32_t w1 = FontTextBreite(Text1.FontName(), std::string(20, 'A'));
    const int32_t w2 = FontTextBreite(Text1.FontName(), std::string(20, '.'));
    if (w1 != w2) {
        if (vb::MsgBox("Siehe Schriftprobe; Zeilen 1 und 2 sind ungleich lang.", vb::vbOKCancel,
                       "       Schrift ungeeignet wegen Tabellen !") == vb::vbCancel)
            return;
    }
    auto& P = zorm1::P;
    if (Anzeigen::FontZiel == 1) {
        if (auto* a = vb::loadedInstance<frmAnzeigen>())
            a->Text2.setFont(Text1.FontName(), Text1.FontSize(), Text1.FontBold(), Text1.FontItalic());
    } else {
        P.TextFontName = Text1.FontName();
        P.TextFontSize = Text1.FontSize();
        P.TextFontBold = 0; // the print font is never bold
    }
    vb::Unload(*this);
}
