#include "report/frmAnzeigen.h"

#include <algorithm>

#include "frame/project_data.h"
#include "frame/report_copy.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "report/frmColours.h"
#include "report/frmFont02.h"
#include "report/frmHeft504.h"
#include "report/frmStartSeite.h"
#include "report/print_engine.h"

namespace Anzeigen {

void TextBlockLaden(vb::TextBox& box, int16_t block, const std::string& datei) {
    int32_t L = 0;
    try {
        L = vb::FileExists(datei) ? vb::FileLen(datei) : 0;
    } catch (...) {
        L = 0;
    }
    if (L < 1) {
        box.setText("");
        return;
    }
    const int32_t n = std::min(L, kBlockLaenge);
    std::string bytes;
    int16_t fn = 0;
    try {
        fn = vb::FreeFile();
        vb::Open(datei, vb::OpenMode::Binary, fn);
        bytes = vb::GetBytes(fn, static_cast<int32_t>(block) * n + 1, n);
        vb::Close(fn);
    } catch (...) {
        if (fn) vb::Close(fn);
    }
    box.setText(vb::FromCp1252(bytes));
}

int16_t RandAusText(const std::string& text) {
    const double v = vb::Round(vb::Val(text));
    return static_cast<int16_t>(std::clamp(v, -32768.0, 32767.0));
}

} // namespace Anzeigen

frmAnzeigen::frmAnzeigen() : vb::Form("frmAnzeigen") {
    setCaption(" Ausgabe-Datei anzeigen:");
    setClientSize(9210, 5385);
    Label1.Move(0, 0, 8790, 285);
    Label1.setFontBold(true);
    Label5.setCaption("Text-Block Nr.  .....");
    Label5.Move(2835, 300, 1600, 285);
    Label5.setBackColor(0x00FFFF);
    Label5.setForeColor(0xFF0000);
    Label4.Move(4500, 300, 600, 285);
    Label4.setBackColor(0xFF0000);
    Label4.setForeColor(0x00FFFF);
    HScroll1.Move(5160, 300, 3630, 285);
    for (vb::Control* c : {static_cast<vb::Control*>(&Label5), static_cast<vb::Control*>(&Label4),
                           static_cast<vb::Control*>(&HScroll1)})
        c->setVisible(false);
    HScroll1.setMin(0);
    HScroll1.setMax(0);
    Text2.MultiLine = true;
    // both scroll bars: a box with a horizontal one does not wrap, so that every report line stays one line
    // (a few are longer than the 80 columns the window shows)
    Text2.ScrollBars = 3;
    Text2.Move(0, 600, 9210, 4785);
    Text2.setFont("Courier New", 9);
    Text2.setBackColor(0xFFFFFF);
    Text2.setForeColor(0);
    DruckOk.setText("Drucken");
    DruckOk.Move(3630, -30, 1035, 315);
    DruckOk.setFontBold(true);
    DruckOk.setVisible(false);
    Picture1.Move(0, 630, 2175, 2655);
    Picture1.setBackColor(0xC0C0C0);
    Picture1.setVisible(false);
    Label2.setCaption("Ränder für Druckausgabe :");
    Label2.Move(120, 120, 1935, 255);
    const char* einheiten[] = {"oben  (mm)", "unten  (mm)"};
    for (int16_t i = 0; i < 2; ++i) {
        Text1.add(i, &Picture1).Move(120, 480 + 420.0f * i, 855, 360);
        Label3.add(i, &Picture1).Move(1080, 540 + 420.0f * i, 960, 255);
        Label3(i).setCaption(einheiten[i]);
    }
    Label6.setCaption("Der linke und der rechte Rand werden vom Programm festgelegt.");
    Label6.Move(120, 1380, 1935, 735);
    cmdRaenderOK.setCaption(" OK");
    cmdRaenderOK.Move(600, 2160, 975, 375);

    mnuEinstellungen.setCaption("Einstellungen...");
    mnuFontS.setCaption("Schrift ...");
    mnuFontDrucker.setCaption("Drucker");
    mnuFontScreen.setCaption("Monitor");
    mnuRaender.setCaption("Ränder ...");
    mnuH504ein.setCaption("H504  ein");
    mnuH504aus.setCaption("H504 aus");
    mnuRahmenJa.setCaption("Rahmen  ja");
    mnuRahmenNein.setCaption("Rahmen  nein");
    mnuFarbwahl.setCaption("Farbwahl ...");
    mnuKurz.setCaption("Kurzausdruck");
    mnuDrucken.setCaption("Datei drucken");

    HScroll1.Change = [this] { HScroll1_Change(); };
    HScroll1.KeyPress = [this](int16_t&) { HScroll1_Change(); };
    mnuDrucken.Click = [this] { mnuDrucken_Click(); };
    mnuKurz.Click = [this] { mnuKurz_Click(); };
    mnuFarbwahl.Click = [this] { mnuFarbwahl_Click(); };
    mnuFontDrucker.Click = [this] { mnuFontDrucker_Click(); };
    mnuFontScreen.Click = [this] { mnuFontScreen_Click(); };
    mnuH504ein.Click = [this] { mnuH504ein_Click(); };
    mnuH504aus.Click = [this] { mnuH504aus_Click(); };
    mnuRaender.Click = [this] { mnuRaender_Click(); };
    mnuRahmenJa.Click = [this] { mnuRahmenJa_Click(); };
    mnuRahmenNein.Click = [this] { mnuRahmenNein_Click(); };
    cmdRaenderOK.Click = [this] { cmdRaenderOK_Click(); };
    Text1.onGotFocus([this](int16_t i) { Text1_GotFocus(i); });
    Text1.onLostFocus([this](int16_t i) { Text1_LostFocus(i); });
}

void frmAnzeigen::Form_Load() {
    auto& P = zorm1::P;
    if (P.HintergrundFarbe != 0) {
        Text2.setBackColor(P.HintergrundFarbe);
        Text2.setForeColor(P.VordergrundFarbe);
    }
    const auto kopie = Anzeigen::DruckDateiKopieren();
    if (kopie != Anzeigen::KopieErgebnis::Ok) vb::MsgBox(Anzeigen::KopieMeldung(kopie), vb::vbExclamation);
    Move(0.4f * vb::Screen::Width(), 0, Width(), vb::Screen::Height() - 500);
    try {
        laenge_ = vb::FileExists(Anzeigen::DruckDatei) ? vb::FileLen(Anzeigen::DruckDatei) : 0;
    } catch (...) {
        laenge_ = 0;
    }
    letzterBlock_ = static_cast<int16_t>(std::min<int32_t>(laenge_ / Anzeigen::kBlockLaenge, 32767));
    if (letzterBlock_ > 0) {
        HScroll1.setVisible(true);
        Label4.setVisible(true);
        Label5.setVisible(true);
        HScroll1.setMax(letzterBlock_);
        Label4.setCaption("1");
    }
    Label1.setCaption(P.GanzerName);
    Anzeigen::TextBlockLaden(Text2, 0, Anzeigen::DruckDatei);
    Text1(0).setText(std::to_string(P.RandOben));
    Text1(1).setText(std::to_string(P.RandUnten));
    if (P.H504Ein) vb::form<frmHeft504B>().Show();
}

void frmAnzeigen::Form_Resize() {
    if (WindowState() == vb::vbMinimized) return;
    try {
        Text2.setWidth(ScaleWidth());
        Text2.setHeight(std::max(0.0f, ScaleHeight() - Text2.Top()));
    } catch (...) {
    }
}

void frmAnzeigen::Form_QueryUnload(int16_t& Cancel, int16_t) {
    // The window stays while a printout runs: the printout reads its copy and its settings.
    if (Anzeigen::DruckLaeuft()) Cancel = 1;
}

void frmAnzeigen::HScroll1_Change() {
    const int16_t neu = HScroll1.Value();
    Anzeigen::TextBlockLaden(Text2, neu, Anzeigen::DruckDatei);
    const int vorher = static_cast<int>(vb::Val(Label4.Caption())) - 1;
    if (vorher > neu)
        Text2.setSelStart(vb::Len(Text2.Text()));
    else
        Text2.setSelStart(0);
    Label4.setCaption(std::to_string(neu + 1));
    Label4.Refresh();
}

void frmAnzeigen::Drucken() {
    if (Anzeigen::DruckLaeuft()) return;
    vb::Menu* menues[] = {&mnuDrucken, &mnuKurz, &mnuEinstellungen, &mnuFarbwahl};
    for (auto* m : menues)
        m->setEnabled(false);
    Anzeigen::DruckVorbereitung(true);
    DruckOk.setVisible(true);
    vb::DoEvents();
    vb::Sleep(200);
    bool ok = false;
    try {
        ok = Anzeigen::DateiDrucken();
    } catch (...) {
        Anzeigen::DruckVorbereitung(false);
        throw;
    }
    Anzeigen::DruckVorbereitung(false);
    // the window may have been asked to close meanwhile; it stays until here
    DruckOk.setVisible(false);
    for (auto* m : menues)
        m->setEnabled(true);
    if (ok) Anzeigen::DruckDateienMelden({Anzeigen::LetzteDruckDatei()});
}

void frmAnzeigen::mnuDrucken_Click() {
    Drucken();
}

void frmAnzeigen::mnuKurz_Click() {
    if (Anzeigen::DruckLaeuft()) return;
    zorm1::P.KurzAusdruck = -1;
    Drucken();
    zorm1::P.KurzAusdruck = 0;
}

void frmAnzeigen::mnuFarbwahl_Click() {
    vb::form<frmColours>().Show(vb::vbModal);
}

void frmAnzeigen::mnuFontDrucker_Click() {
    Anzeigen::FontZiel = 0;
    setMousePointer(vb::vbHourglass);
    vb::form<frmFont02>().Show(vb::vbModal);
    setMousePointer(vb::vbDefault);
}

void frmAnzeigen::mnuFontScreen_Click() {
    Anzeigen::FontZiel = 1;
    setMousePointer(vb::vbHourglass);
    vb::form<frmFont02>().Show(vb::vbModal);
    setMousePointer(vb::vbDefault);
}

void frmAnzeigen::mnuH504ein_Click() {
    auto& P = zorm1::P;
    P.H504Ein = -1;
    vb::form<frmHeft504B>().Show();
    vb::form<frmStartSeite>().Show();
    P.SeitenNr = P.StartSeite;
}

void frmAnzeigen::mnuH504aus_Click() {
    auto& P = zorm1::P;
    P.H504Ein = 0;
    vb::Unload<frmHeft504B>();
    vb::form<frmStartSeite>().Show();
    P.SeitenNr = P.StartSeite;
}

void frmAnzeigen::mnuRaender_Click() {
    Picture1.setVisible(true);
}

void frmAnzeigen::mnuRahmenJa_Click() {
    zorm1::P.RahmenEin = -1;
}

void frmAnzeigen::mnuRahmenNein_Click() {
    zorm1::P.RahmenEin = 0;
}

void frmAnzeigen::cmdRaenderOK_Click() {
    auto& P = zorm1::P;
    P.RandOben = Anzeigen::RandAusText(Text1(0).Text());
    P.RandUnten = Anzeigen::RandAusText(Text1(1).Text());
    Picture1.setVisible(false);
}

void frmAnzeigen::Text1_GotFocus(int16_t Index) {
    auto& t = Text1(Index);
    t.setSelStart(0);
    t.setSelLength(vb::Len(t.Text()));
}

void frmAnzeigen::Text1_LostFocus(int16_t Index) {
    auto& t = Text1(Index);
    if (vb::Val(t.Text()) <= 1) t.setText("1");
}
