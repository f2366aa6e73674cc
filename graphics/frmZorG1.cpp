#include "graphics/frmZorG1.h"

#include <cmath>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "platform/draw/devices.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "report/frmColours.h"
#include "report/frmStartSeite.h"
#include "report/page_header_boxes.h"
#include "report/print_engine.h"
#include "windows/window_routines.h"

using zorm1::P;

frmZorG1::frmZorG1()
    : vb::Form("frmZorG1"), folge_(zorg::Bilderfolge::Anschluesse{
                                [this](int16_t, int16_t stufe, int16_t lf) { BildZeichnen(stufe, lf); },
                                [this](int16_t, int16_t stufe, int16_t lf) { BildDrucken(stufe, lf); },
                                [this](const std::function<bool()>& fertig) {
                                    vb::WaitUntil([this, &fertig] { return folge_.anf.Ende || fertig(); },
                                                  "Grafik: Warten auf den Benutzer");
                                },
                                [](const std::string& m) { vb::MsgBox(m, vb::vbExclamation); }}) {
    setCaption("Grafik anzeigen; Ausdruck im Hochformat");
    setClientSize(12000, 9000);
    DruckOk.setText("Drucken");
    DruckOk.setVisible(false);
    // the jump frame: the number box and its OK side by side, as the scale frame holds its box
    frmBildNr.setCaption("zu Bild Nr.");
    frmBildNr.Move(120, 120, 2280, 780);
    frmBildNr.setVisible(false);
    txtBildNr.Move(120, 300, 1080, 315);
    cmdOKBildNr.setCaption("OK");
    cmdOKBildNr.Move(1440, 300, 720, 315);
    mnuAlleBilderDrucken.setCaption("Alle folg. Bilder drucken");
    mnuBildDrucken.setCaption("Bild drucken");
    mnuZurueck.setCaption("zurück zu Bild 1");
    mnuBildNr.setCaption("zu Bild ...");
    mnuWeiter.setCaption("weiter");
    mnuWeiter.Click = [this] { mnuWeiter_Click(); };
    mnuZurueck.Click = [this] { mnuZurueck_Click(); };
    mnuBildNr.Click = [this] { mnuBildNr_Click(); };
    mnuBildDrucken.Click = [this] { mnuBildDrucken_Click(); };
    mnuAlleBilderDrucken.Click = [this] { mnuAlleBilderDrucken_Click(); };
    txtBildNr.GotFocus = [this] {
        txtBildNr.setSelStart(0);
        txtBildNr.setSelLength(vb::Len(txtBildNr.Text()));
    };
    txtBildNr.KeyPress = [](int16_t& k) { Anzeigen::ZahlTaste(k); };
    txtBildNr.LostFocus = [this] { txtBildNr_LostFocus(); };
    cmdOKBildNr.Click = [this] { cmdOKBildNr_Click(); };
}

void frmZorG1::Farben() {
    if (P.HintergrundFarbe != 0) {
        surface().SetBackColor(P.HintergrundFarbe);
        surface().SetForeColor(P.VordergrundFarbe);
    }
}

void frmZorG1::Form_Load() {
    Farben();
    // the colour palette recolours the open window and draws its picture again
    Anzeigen::GrafikFarbenNeu = [this] {
        if (!loaded()) return;
        Farben();
        Form_Resize();
    };
    zorg::GrafikFensterFormat(*this);
    Show();
    if (vb::IsRegistered("frmStartSeite")) vb::FormByName("frmStartSeite").Show();
    if (folge_.anf.Ende) return;
    mnuBildNr.setVisible(zorg::BildAnzahlVon(P.AnzLF, P.AnzAush) >= 6);
    std::vector<float> zAush(static_cast<size_t>(zorm1::MaxAushub) + 1, 0.0f);
    for (int s = 1; s <= zorm1::MaxAushub; ++s)
        zAush[static_cast<size_t>(s)] = P.Aushubstufen[static_cast<size_t>(s)].zAush;
    folge_.Laufen(P.AnzLF, std::min<int16_t>(P.AnzAush, zorm1::MaxAushub), zAush);
}

void frmZorG1::Form_Resize() {
    NeuZeichnen();
}

void frmZorG1::NeuZeichnen() {
    einst.RahmenSchliessen();
    folge_.anf.NeuZeichnen = true;
}

void frmZorG1::Form_Unload(int16_t&) {
    folge_.anf.Ende = true;
    Anzeigen::GrafikFarbenNeu = nullptr; // a colour chosen now shows when the window is next loaded
}

void frmZorG1::mnuWeiter_Click() {
    einst.RahmenSchliessen();
    folge_.anf.Weiter = true;
}
void frmZorG1::mnuZurueck_Click() {
    folge_.anf.Neustart = true;
}
void frmZorG1::mnuBildNr_Click() {
    frmBildNr.setVisible(true);
    txtBildNr.setText(vb::Trim(vb::Str(folge_.anf.ZielBild)));
    // the number is typed at once: the box takes the focus (and selects what it shows)
    if (txtBildNr.canTakeFocusNow()) txtBildNr.SetFocus();
}
void frmZorG1::mnuBildDrucken_Click() {
    einst.RahmenSchliessen();
    folge_.anf.Druck = true;
}
void frmZorG1::mnuAlleBilderDrucken_Click() {
    einst.RahmenSchliessen();
    folge_.anf.Druck = true;
    folge_.anf.AlleDrucken = true;
    folge_.anf.Weiter = true;
}
void frmZorG1::txtBildNr_LostFocus() {
    folge_.ZielSetzen(vb::Val(txtBildNr.Text()));
}
void frmZorG1::cmdOKBildNr_Click() {
    frmBildNr.setVisible(false);
}

void frmZorG1::BildZeichnen(int16_t stufe, int16_t lf) {
    stufe_ = stufe;
    lf_ = lf;
    // printing every following picture was broken off (a restart): say where those went
    if (!folge_.anf.AlleDrucken && !offen_.empty()) DruckeMelden();
    if (folge_.anf.Ende || !loaded()) return;
    einst.EinstellungenAnzeigen();
    zorg::BildZeichnen(surface(), folge_.BildTyp, stufe, lf);
}

void frmZorG1::BildDrucken(int16_t stufe, int16_t lf) {
    if (folge_.anf.Ende || !loaded()) return;
    auto& d = vb::draw::Printer();
    DruckOk.setVisible(true);
    // The hourglass while the picture goes to the printer; once drawn, a second's pause, then the
    // pointer comes back (the platform's Sleep: headless runs count it and do not wait).
    setMousePointer(vb::vbHourglass);
    einst.EinstellungenAnzeigen();
    const bool ok = zorg::BildDrucken(d, folge_.BildTyp, stufe, lf, folge_.BildNr, [this] {
        vb::Sleep(1000);
        setMousePointer(vb::vbDefault);
    });
    setMousePointer(vb::vbDefault);
    DruckOk.setVisible(false);
    if (!ok) {
        vb::MsgBox("Die Ränder lassen keinen Platz für das Bild: bitte kleinere Ränder wählen.",
                   vb::vbExclamation);
        return;
    }
    ausdrucke_.push_back(d.LastDocumentFile());
    offen_.push_back(d.LastDocumentFile());
    // one message for a picture, one for every following picture once the last of them is printed
    if (!folge_.anf.AlleDrucken || folge_.BildNr >= folge_.BildAnzahl) DruckeMelden();
}

void frmZorG1::DruckeMelden() {
    std::vector<std::string> d;
    d.swap(offen_);
    Anzeigen::DruckDateienMelden(d);
}

namespace zorg {
void RegisterGraphicsWindows() {
    vb::RegisterForm<frmZorG1>("frmZorG1");
    // the page numbering, shown over the graphics window when it opens
    vb::RegisterForm<frmStartSeite>("frmStartSeite");
    vb::RegisterCall<void()>("frmZorG1.FolgeBeenden", std::function<void()>([] {
                                 if (vb::Form* f = vb::LoadedForm("frmZorG1"))
                                     static_cast<frmZorG1*>(f)->FolgeBeenden();
                             }));
}
} // namespace zorg
