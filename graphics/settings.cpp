#include "graphics/settings.h"

#include <algorithm>
#include <cmath>

#include "frame/project_data.h"
#include "platform/draw/devices.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "report/frmHeft504.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace zorg {

namespace {

constexpr float kSchriftMin = 6, kSchriftMax = 40;

int16_t& RandWert(Rand r) {
    switch (r) {
    case Rand::Links:
        return P.GrafikRandLinks;
    case Rand::Oben:
        return P.GrafikRandOben;
    case Rand::Rechts:
        return P.GrafikRandRechts;
    default:
        return P.GrafikRandUnten;
    }
}

// A box text as the number it shows ("." as decimal separator); false for a number that a single
// cannot hold.
bool Zahl(const std::string& text, double& wert) {
    try {
        wert = vb::Val(text);
    } catch (const vb::RuntimeError&) {
        return false;
    }
    return std::isfinite(wert) && std::fabs(wert) <= 3.4028234e38;
}

std::string BoxText(float v) {
    return vb::Trim(vb::Str(v));
}

// The printable area of the printer in portrait, whole mm.
void Blatt(float& breite, float& hoehe) {
    const auto& d = vb::draw::Printer();
    const double a = std::min(d.DeviceWidthTwips(), d.DeviceHeightTwips());
    const double b = std::max(d.DeviceWidthTwips(), d.DeviceHeightTwips());
    breite = static_cast<float>(std::nearbyint(a * 25.4 / 1440.0));
    hoehe = static_cast<float>(std::nearbyint(b * 25.4 / 1440.0));
}

// The number of the font-size display, read with the separator it was written with (the locale's).
float AnzeigeZahl(const std::string& text) {
    std::string t = text;
    const char sep = vb::DecimalSeparator();
    if (sep != '.') std::replace(t.begin(), t.end(), sep, '.');
    double w = 0;
    return Zahl(t, w) ? static_cast<float>(w) : 0.0f;
}

} // namespace

int16_t RandMinimum(Rand r) {
    return r == Rand::Unten ? 5 : 6;
}

bool RaenderLassenPlatz(int16_t links, int16_t oben, int16_t rechts, int16_t unten, float breiteMm,
                        float hoeheMm, bool h504) {
    const float kopf = h504 ? 20.5f : 0.0f;
    return breiteMm - links - rechts > 0 && hoeheMm - oben - unten - 2 * kopf > 0;
}

bool SchriftVorhanden(const std::string& vorher) {
    const std::string gesucht = vb::UCase(P.GrafikFontName);
    const int32_t n = vb::Screen::FontCount();
    for (int32_t i = 0; i < n; ++i) {
        const std::string name = vb::Screen::Fonts(i);
        if (name.empty()) continue; // an empty name would match every text
        if (vb::InStr(gesucht, vb::UCase(name)) > 0) {
            P.GrafikFontName = name;
            return true;
        }
    }
    P.GrafikFontName = vorher;
    return false;
}

void GrafikFensterFormat(vb::Form& f) {
    const float W = vb::Screen::Width(), H = vb::Screen::Height();
    const float leiste = vb::form<frmHeft504B>().Height();
    float top = 0, breite = 0;
    if (P.Querformat != 0) {
        breite = 0.5f * W;
        f.setCaption("Grafik anzeigen; Ausdruck im Querformat");
        top = 1.7f * leiste;
    } else {
        breite = 0.35f * W;
        f.setCaption("Grafik anzeigen; Ausdruck im Hochformat");
        top = leiste;
    }
    // a maximised window comes back to the size of the orientation
    if (f.WindowState() != vb::vbNormal) f.setWindowState(vb::vbNormal);
    f.Move(0, top, breite, std::max(H - top - 500, 1000.0f));
}

GrafikEinstellungen::GrafikEinstellungen(vb::Form& f, std::function<void()> neuZeichnen)
    : mnuEinstellungen(f, "mnuEinstellungen"), mnuSchrift(f, "mnuSchrift", &mnuEinstellungen),
      mnuRaender(f, "mnuRaender", &mnuEinstellungen), mnuMassstab(f, "mnuMassstab", &mnuEinstellungen),
      mnuQuerein(f, "mnuQuerein", &mnuEinstellungen), mnuQueraus(f, "mnuQueraus", &mnuEinstellungen),
      mnuNullpunkt(f, "mnuNullpunkt", &mnuEinstellungen), frmMass(f, "frmMass"),
      txtMass(f, "txtMass", &frmMass), cmdOKMass(f, "cmdOKMass", &frmMass), Label9(f, "Label9", &frmMass),
      frmRand(f, "frmRand"), txtRandLinks(f, "txtRandLinks", &frmRand),
      txtRandOben(f, "txtRandOben", &frmRand), txtRandUnten(f, "txtRandUnten", &frmRand),
      txtRandRechts(f, "txtRandRechts", &frmRand), lblLinks(f, "lblLinks", &frmRand),
      lblOben(f, "lblOben", &frmRand), lblUnten(f, "lblUnten", &frmRand), lblRechts(f, "lblRechts", &frmRand),
      lblKopf(f, "lblKopf", &frmRand), lblFuss(f, "lblFuss", &frmRand), Label6(f, "Label6", &frmRand),
      frmPapier(f, "frmPapier", &frmRand), cmdOKRand(f, "cmdOKRand", &frmRand), frmSchrift(f, "frmSchrift"),
      Option1(f, "Option1"), chkSchriftFett(f, "chkSchriftFett", &frmSchrift),
      HScroll1(f, "HScroll1", &frmSchrift), Label1(f, "Label1"), cmdOKSchrift(f, "cmdOKSchrift", &frmSchrift),
      frmNullpunkt(f, "frmNullpunkt"), txtxNull(f, "txtxNull", &frmNullpunkt),
      txtZnull(f, "txtZnull", &frmNullpunkt), lblX0(f, "lblX0", &frmNullpunkt),
      lblX0Richtung(f, "lblX0Richtung", &frmNullpunkt), lblZ0(f, "lblZ0", &frmNullpunkt),
      lblZ0Richtung(f, "lblZ0Richtung", &frmNullpunkt), cmdxNullOK(f, "cmdxNullOK", &frmNullpunkt),
      fenster_(f), neuZeichnen_(std::move(neuZeichnen)) {
    // menu
    mnuEinstellungen.setCaption("Einstellungen...");
    mnuSchrift.setCaption("Schrift...");
    mnuRaender.setCaption("Ränder...");
    mnuMassstab.setCaption("Maßstab...");
    mnuQuerein.setCaption("Querfomat");
    mnuQueraus.setCaption("Hochformat");
    mnuNullpunkt.setCaption("Nullpunkt...");
    mnuSchrift.Click = [this] { mnuSchrift_Click(); };
    mnuRaender.Click = [this] { mnuRaender_Click(); };
    mnuMassstab.Click = [this] { mnuMassstab_Click(); };
    mnuQuerein.Click = [this] { mnuQuerein_Click(); };
    mnuQueraus.Click = [this] { mnuQueraus_Click(); };
    mnuNullpunkt.Click = [this] { mnuNullpunkt_Click(); };

    // every number box: whole text selected on entry, the numeric key filter
    for (vb::TextBox* t :
         {&txtMass, &txtRandLinks, &txtRandOben, &txtRandUnten, &txtRandRechts, &txtxNull, &txtZnull}) {
        t->GotFocus = [t] {
            t->setSelStart(0);
            t->setSelLength(vb::Len(t->Text()));
        };
        t->KeyPress = [](int16_t& k) { Anzeigen::ZahlTaste(k); };
    }

    // scale
    frmMass.setCaption("Maßstab      1 :");
    frmMass.Move(120, 120, 3600, 1800);
    txtMass.Move(120, 300, 1200, 315);
    cmdOKMass.setCaption("OK");
    cmdOKMass.Move(1440, 300, 600, 315);
    Label9.setCaption(
        "Der Maßstab sollte nur so groß gewählt werden, daß die gesamte Wand auf das Papier (den "
        "Bildschirm) paßt. Ansonsten  können Probleme beim Drucken (Clipping) auftreten.");
    Label9.Move(120, 720, 3360, 960);
    txtMass.LostFocus = [this] { txtMass_LostFocus(); };
    cmdOKMass.Click = [this] { cmdOKMass_Click(); };
    frmMass.setVisible(false);

    // margins around a sketch of the page
    frmRand.setCaption("Drucker: Ränder für Bilder in mm");
    frmRand.Move(120, 120, 5160, 4200);
    frmPapier.setCaption("Grafik im Hochformat oder im Querformat");
    frmPapier.Move(1080, 720, 3000, 1800);
    lblOben.setCaption("oben");
    lblOben.Move(1200, 300, 600, 255);
    txtRandOben.Move(1920, 300, 600, 315);
    lblKopf.setCaption("oben ; ev. Kopfzeilen");
    lblKopf.Move(2640, 330, 2040, 255);
    lblLinks.setCaption("links");
    lblLinks.Move(120, 1200, 600, 255);
    txtRandLinks.Move(240, 1500, 600, 315);
    lblRechts.setCaption("rechts");
    lblRechts.Move(4200, 1200, 720, 255);
    txtRandRechts.Move(4320, 1500, 600, 315);
    lblUnten.setCaption("unten");
    lblUnten.Move(1200, 2640, 600, 255);
    txtRandUnten.Move(1920, 2640, 600, 315);
    lblFuss.setCaption("unten ; ev. Fußzeilen");
    lblFuss.Move(2640, 2670, 2040, 255);
    Label6.setCaption("Die Angaben der Ränder beziehen sich\nauf das Hochkant - DIN A4 - Format ! ! !\n"
                      "Bei zu klein eingestellten Rändern ( < 7 )\nwerden ev. mehrere Blätter ausgegeben.");
    Label6.Move(120, 3060, 3600, 1020);
    cmdOKRand.setCaption("OK");
    cmdOKRand.Move(4200, 3480, 720, 375);
    txtRandLinks.LostFocus = [this] { txtRand_LostFocus(Rand::Links); };
    txtRandOben.LostFocus = [this] { txtRand_LostFocus(Rand::Oben); };
    txtRandRechts.LostFocus = [this] { txtRand_LostFocus(Rand::Rechts); };
    txtRandUnten.LostFocus = [this] { txtRand_LostFocus(Rand::Unten); };
    cmdOKRand.Click = [this] { cmdOKRand_Click(); };
    frmRand.setVisible(false);

    // font
    frmSchrift.setCaption("Schrift für die Grafik :");
    frmSchrift.Move(120, 120, 4200, 2880);
    const char* namen[] = {"Arial nur für Grafik", "( Times New Roman )", "( Courier New )"};
    for (int16_t i = 0; i < 3; ++i) {
        auto& o = Option1.add(i, &frmSchrift);
        o.setCaption(namen[i]);
        o.Move(120, 300 + 330 * i, 2400, 285);
    }
    Option1.onLostFocus([this](int16_t i) { Option1_LostFocus(i); });
    chkSchriftFett.setCaption("Fett");
    chkSchriftFett.Move(2760, 300, 960, 285);
    chkSchriftFett.LostFocus = [this] { chkSchriftFett_LostFocus(); };
    auto& text = Label1.add(3, &frmSchrift);
    text.setCaption("Schriftgröße in  Punkten: 4 Punkte = ca. 1,00 mm");
    text.Move(120, 1380, 3960, 255);
    HScroll1.setMin(static_cast<int16_t>(kSchriftMin));
    HScroll1.setMax(static_cast<int16_t>(kSchriftMax));
    HScroll1.Move(120, 1740, 2880, 255);
    auto& groesse = Label1.add(4, &frmSchrift);
    groesse.Move(3120, 1740, 720, 255);
    HScroll1.Change = [this] { HScroll1_Change(); };
    HScroll1.Scroll = [this] { HScroll1_Change(); };
    cmdOKSchrift.setCaption("OK");
    cmdOKSchrift.Move(3120, 2280, 720, 375);
    cmdOKSchrift.Click = [this] { cmdOKSchrift_Click(); };
    frmSchrift.setVisible(false);

    // origin shift
    frmNullpunkt.setCaption("...verschieben");
    frmNullpunkt.Move(4200, 120, 3000, 1500);
    lblX0.setCaption("x0");
    lblX0.Move(120, 300, 360, 255);
    txtxNull.Move(480, 300, 900, 315);
    lblX0Richtung.setCaption("+ nach     rechts");
    lblX0Richtung.Move(1440, 330, 1440, 255);
    lblZ0.setCaption("z0");
    lblZ0.Move(120, 720, 360, 255);
    txtZnull.Move(480, 720, 900, 315);
    lblZ0Richtung.setCaption("+ nach     unten");
    lblZ0Richtung.Move(1440, 750, 1440, 255);
    cmdxNullOK.setCaption("OK");
    cmdxNullOK.Move(2160, 1080, 720, 315);
    txtxNull.LostFocus = [this] { txtxNull_LostFocus(); };
    txtZnull.LostFocus = [this] { txtZnull_LostFocus(); };
    cmdxNullOK.Click = [this] { cmdxNullOK_Click(); };
    frmNullpunkt.setVisible(false);
}

void GrafikEinstellungen::RahmenSchliessen() {
    frmSchrift.setVisible(false);
    frmRand.setVisible(false);
    frmMass.setVisible(false);
}

void GrafikEinstellungen::EinstellungenAnzeigen() {
    Label1(4).setCaption(vb::CStr(P.GrafikFontSize));
    const float g = std::isfinite(P.GrafikFontSize) ? std::clamp(P.GrafikFontSize, kSchriftMin, kSchriftMax)
                                                    : kSchriftMin;
    HScroll1.setValue(vb::CInt(g));
    txtRandLinks.setText(vb::Trim(vb::Str(P.GrafikRandLinks)));
    txtRandRechts.setText(vb::Trim(vb::Str(P.GrafikRandRechts)));
    txtRandOben.setText(vb::Trim(vb::Str(P.GrafikRandOben)));
    txtRandUnten.setText(vb::Trim(vb::Str(P.GrafikRandUnten)));
    chkSchriftFett.setValue(P.GrafikFontBold != 0 ? vb::vbChecked : vb::vbUnchecked);
}

void GrafikEinstellungen::mnuMassstab_Click() {
    frmSchrift.setVisible(false);
    frmRand.setVisible(false);
    frmMass.setVisible(true);
    txtMass.setText(BoxText(P.Massstab));
}

void GrafikEinstellungen::txtMass_LostFocus() {
    double w = 0;
    if (!Zahl(txtMass.Text(), w)) {
        vb::Beep();
        txtMass.setText(BoxText(P.Massstab));
        return;
    }
    P.Massstab = static_cast<float>(w);
}

void GrafikEinstellungen::cmdOKMass_Click() {
    frmMass.setVisible(false);
    if (neuZeichnen_) neuZeichnen_();
}

void GrafikEinstellungen::mnuRaender_Click() {
    frmMass.setVisible(false);
    frmSchrift.setVisible(false);
    frmRand.setVisible(true);
}

vb::TextBox& GrafikEinstellungen::RandBox(Rand r) {
    switch (r) {
    case Rand::Links:
        return txtRandLinks;
    case Rand::Oben:
        return txtRandOben;
    case Rand::Rechts:
        return txtRandRechts;
    default:
        return txtRandUnten;
    }
}

void GrafikEinstellungen::txtRand_LostFocus(Rand r) {
    vb::TextBox& box = RandBox(r);
    int16_t& rand = RandWert(r);
    double w = 0;
    bool ok = Zahl(box.Text(), w) && std::nearbyint(w) >= -32768.0 && std::nearbyint(w) <= 32767.0;
    int16_t neu = ok ? vb::CInt(w) : rand;
    if (ok && neu < RandMinimum(r)) neu = RandMinimum(r);
    if (ok) {
        int16_t l = P.GrafikRandLinks, o = P.GrafikRandOben, re = P.GrafikRandRechts, u = P.GrafikRandUnten;
        (r == Rand::Links ? l : r == Rand::Oben ? o : r == Rand::Rechts ? re : u) = neu;
        float breite = 0, hoehe = 0;
        Blatt(breite, hoehe);
        ok = RaenderLassenPlatz(l, o, re, u, breite, hoehe, P.H504Ein != 0);
    }
    if (!ok) {
        vb::Beep();
        box.setText(vb::Trim(vb::Str(rand)));
        return;
    }
    rand = neu;
    if (vb::Trim(vb::Str(neu)) != vb::Trim(box.Text())) box.setText(vb::Trim(vb::Str(neu)));
}

void GrafikEinstellungen::cmdOKRand_Click() {
    frmRand.setVisible(false);
    if (neuZeichnen_) neuZeichnen_();
}

void GrafikEinstellungen::mnuSchrift_Click() {
    frmMass.setVisible(false);
    frmRand.setVisible(false);
    frmSchrift.setVisible(true);
    chkSchriftFett.setValue(P.GrafikFontBold != 0 ? vb::vbChecked : vb::vbUnchecked);
    int16_t gewaehlt = -1;
    for (int16_t i = 0; i < 3 && gewaehlt < 0; ++i)
        if (vb::InStr(Option1(i).Caption(), P.GrafikFontName) > 0) gewaehlt = i;
    for (int16_t i = 0; i < 3; ++i)
        if (i != gewaehlt) Option1(i).setValue(false);
    if (gewaehlt >= 0) Option1(gewaehlt).setValue(true);
}

void GrafikEinstellungen::Option1_LostFocus(int16_t index) {
    const std::string vorher = P.GrafikFontName;
    P.GrafikFontName = Option1(index).Caption();
    SchriftVorhanden(vorher);
}

void GrafikEinstellungen::chkSchriftFett_LostFocus() {
    P.GrafikFontBold = chkSchriftFett.Value();
}

void GrafikEinstellungen::HScroll1_Change() {
    fenster_.setFontSize(HScroll1.Value());
    Label1(4).setCaption(vb::Format(fenster_.FontSize(), ".#0"));
}

void GrafikEinstellungen::cmdOKSchrift_Click() {
    frmSchrift.setVisible(false);
    const float g = AnzeigeZahl(Label1(4).Caption());
    if (g > 0) P.GrafikFontSize = g; // an empty display keeps the size
    if (neuZeichnen_) neuZeichnen_();
}

void GrafikEinstellungen::Ausrichtung(int16_t quer) {
    P.Querformat = quer;
    GrafikFensterFormat(fenster_);
    if (vb::IsRegistered("frmStartSeite")) vb::FormByName("frmStartSeite").Show();
}

void GrafikEinstellungen::mnuQuerein_Click() {
    Ausrichtung(-1);
}

void GrafikEinstellungen::mnuQueraus_Click() {
    Ausrichtung(0);
}

void GrafikEinstellungen::mnuNullpunkt_Click() {
    frmMass.setVisible(false);
    frmSchrift.setVisible(false);
    frmRand.setVisible(false);
    frmNullpunkt.setVisible(true);
    txtxNull.setText(BoxText(P.xNull));
    txtZnull.setText(BoxText(P.zNull));
    if (txtxNull.canTakeFocusNow()) txtxNull.SetFocus();
}

void GrafikEinstellungen::txtxNull_LostFocus() {
    double w = 0;
    if (!Zahl(txtxNull.Text(), w)) {
        vb::Beep();
        txtxNull.setText(BoxText(P.xNull));
        return;
    }
    P.xNull = static_cast<float>(w);
}

void GrafikEinstellungen::txtZnull_LostFocus() {
    double w = 0;
    if (!Zahl(txtZnull.Text(), w)) {
        vb::Beep();
        txtZnull.setText(BoxText(P.zNull));
        return;
    }
    P.zNull = static_cast<float>(w);
}

void GrafikEinstellungen::cmdxNullOK_Click() {
    frmNullpunkt.setVisible(false);
    if (neuZeichnen_) neuZeichnen_();
}

} // namespace zorg
