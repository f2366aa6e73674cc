#include "report/print_engine.h"

#include <cmath>
#include <string_view>

#include "frame/project_data.h"
#include "frame/report_copy.h"
#include "platform/draw/devices.h"
#include "platform/forms/forms.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "report/page_header_boxes.h"
#include "windows/window_routines.h"

namespace Anzeigen {

DruckZustand Druck;

namespace {

std::string g_letzteDatei;
bool g_vorbereitung = false;

vb::draw::Surface& Drucker() {
    return vb::draw::Printer();
}

// Whole twips, halves to even.
int32_t Ganz(double v) {
    return static_cast<int32_t>(std::nearbyint(v));
}

bool Enthaelt(const std::string& s, std::string_view t) {
    return s.find(t) != std::string::npos;
}

constexpr std::string_view kTitel[] = {"*** ERF",
                                       "Spannungsnachweis",
                                       "GELÄNDEBRUCH",
                                       "ANKERPRÜFUNGEN",
                                       "MAXIMALWERTE",
                                       "Zusammenfassung:",
                                       "Ausnutzung (TBW)",
                                       "Ausnutzung ...",
                                       "Vertikales Gleichgewicht",
                                       "Kontrolle des Gleich",
                                       "SICHERHEIT DES ERD",
                                       "ZUSTANDS-GRÖSSEN",
                                       "AUSHUBZUSTAND ",
                                       "LASTFALL ",
                                       "BELASTUNGSFÄLLE",
                                       "AUSHUBZUSTÄNDE",
                                       "KENNWERTE",
                                       "MIT TEILSICHERH",
                                       "WÄHLBARE",
                                       "ALLGEMEINE",
                                       "Nachweise am",
                                       "ERGEBNIS der",
                                       "B A U G R U"};

constexpr std::string_view kHinweise[] = {"bei Berechnung nach Culmann",
                                          "(auch beim Ramm",
                                          "auf phi = 35° begrenzt",
                                          "Der Winkel der inneren",
                                          "Bautechnik 1985",
                                          "Winkel ist unten und ",
                                          "des Winkels der geraden",
                                          "angegebenen Tiefen wurde",
                                          "Die Berechnung erfolgte",
                                          "gamGdk =",
                                          "Gewichtetes Mittel",
                                          "Durchbiegung im G",
                                          "Bemessungsgrößen",
                                          "wird dabei beachtet",
                                          "angeschnittenen Schichten",
                                          "Bei Böschungen unter",
                                          "Böschungen werden nach",
                                          "bei Einsp. nach Blum",
                                          "wird wie eingegeben",
                                          "wenn res.k",
                                          "Bodengewicht *",
                                          "+ Kohäsion",
                                          "wird bei bindigen Böden",
                                          "mit Dreieck-Umlagerung",
                                          "im Bereich des Gelenks",
                                          "Die Biegelinie kann",
                                          "R.Winkel",
                                          "(angesetzter Wert",
                                          "ohne Last > 10",
                                          "Bewegung",
                                          "nicht erfasst",
                                          "Vergleiche",
                                          "gamRe  ="};

// Draws the first run of two or more marks of Druck.ZeileAkt as a rule at f of the line height.
void Regel(char mark, double f, int16_t dicke) {
    std::string& z = Druck.ZeileAkt;
    const std::string paar(2, mark);
    const int32_t pos = vb::InStr(z, paar);
    if (pos == 0) return;
    const int32_t a = pos - 1; // characters before the run
    int32_t e = pos + 1;       // position of the run's last mark
    const int32_t len = vb::Len(z);
    while (e < len && vb::Mid(z, e + 1, 1)[0] == mark)
        ++e;
    vb::MidAssign(z, pos, e - a, std::string(static_cast<std::size_t>(e - a), ' '));
    auto& s = Drucker();
    const double breite = s.TextWidth("A");
    const double y0 = s.CurrentY();
    const double x1 = Ganz(Druck.TextX + (a + 0.5) * breite);
    const double x2 = x1 + (e - a) * breite;
    const double y = Ganz(y0 + Druck.ZeilenHoehe * f);
    s.SetDrawWidth(dicke);
    s.Line(x1, y, x2, y);
    s.SetDrawWidth(1);
    s.SetCurrentY(y0);
}

// The settings a printout may change, to put back when it fails.
struct Einstellungen {
    float size;
    int16_t bold;
    int16_t oben, unten, seitenNr, naechste;
    static Einstellungen Jetzt() {
        auto& P = zorm1::P;
        return {P.TextFontSize, P.TextFontBold, P.RandOben, P.RandUnten, P.SeitenNr, P.NaechsteSeite};
    }
    void Zurueck() const {
        auto& P = zorm1::P;
        P.TextFontSize = size;
        P.TextFontBold = bold;
        P.RandOben = oben;
        P.RandUnten = unten;
        P.SeitenNr = seitenNr;
        P.NaechsteSeite = naechste;
    }
};

// Ends the printout state whatever way the printing leaves.
struct LaufEnde {
    ~LaufEnde() { Druck.Laeuft = false; }
};

void NeueSeite() {
    auto& P = zorm1::P;
    auto& s = Drucker();
    s.NewPage();
    DruckerSchrift();
    if (P.H504Ein) H504TextSeite();
    RahmenDrucken();
    s.SetCurrentY(Druck.RandObenTw);
    if (Druck.ProjSeitenZaehler < 32767) ++Druck.ProjSeitenZaehler;
    for (int i = 1; i <= Druck.KopfZaehler; ++i) {
        s.SetCurrentX(Druck.ZeileX);
        if (i == Druck.ProjIndex)
            ProjZeileDrucken(Druck.Kopf[static_cast<std::size_t>(i)]);
        else
            s.Print(Druck.Kopf[static_cast<std::size_t>(i)]);
    }
    Druck.ZeilenZaehler = Druck.KopfZaehler;
}

void ZeileDrucken() {
    auto& P = zorm1::P;
    auto& s = Drucker();
    StrichLinie();
    DoppelLinie();
    s.SetCurrentX(Druck.ZeileX);
    if (Druck.FettOffen) {
        s.SetFontBold(P.TextFontBold != 0);
        Druck.FettOffen = false;
    }
    HinweisZeile();
    if (Druck.HinweisOffen) {
        KleinSchrift();
        s.SetCurrentX(Druck.ZeileX + 23 * s.TextWidth(" "));
        s.SetFontBold(true);
        Druck.ZeileAkt = vb::Trim(Druck.ZeileAkt);
    }
    TitelFett();
    if (Druck.FettOffen) s.SetFontBold(true);
    s.Print(Druck.ZeileAkt);
    ++Druck.ZeilenZaehler;
    if (Druck.HinweisOffen) {
        SchriftZurueck();
        s.SetFontBold(P.TextFontBold != 0);
        Druck.HinweisOffen = false;
    }
}

// Discards the document in progress and puts the settings back as they were before the printout.
void Abbrechen(int16_t fn, const Einstellungen& vorher) {
    if (fn) vb::Close(fn);
    try {
        Drucker().KillDoc();
    } catch (...) {
    }
    vorher.Zurueck();
    try {
        DruckerSchriftAnwenden();
    } catch (...) {
    }
    g_letzteDatei.clear();
}

} // namespace

void DruckZuruecksetzen() {
    Druck = DruckZustand{};
    g_letzteDatei.clear();
    g_vorbereitung = false;
}

bool DruckLaeuft() {
    return Druck.Laeuft || g_vorbereitung;
}

void DruckVorbereitung(bool an) {
    g_vorbereitung = an;
}

std::string LetzteDruckDatei() {
    return g_letzteDatei;
}

void DruckDateienMelden(const std::vector<std::string>& dateien) {
    std::vector<std::string> d;
    for (const auto& f : dateien)
        if (!f.empty()) d.push_back(f);
    if (d.empty()) return;
    if (d.size() == 1) {
        vb::MsgBox("Der Ausdruck wurde als PDF-Datei gespeichert:\r\n" + d.front(), vb::vbInformation);
        return;
    }
    // a long run of pictures: its first and last files stand for it
    std::string text = "Die " + std::to_string(d.size()) + " Ausdrucke wurden als PDF-Dateien gespeichert:";
    const std::size_t n = d.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (n > 8 && i == 3) {
            text += "\r\n...";
            i = n - 3;
        }
        text += "\r\n" + d[i];
    }
    vb::MsgBox(text, vb::vbInformation);
}

void DruckerSchriftAnwenden() {
    auto& P = zorm1::P;
    auto& s = Drucker();
    s.SetFontSize(P.TextFontSize);
    s.SetFontName(P.TextFontName);
    s.SetFontSize(P.TextFontSize);
    s.SetFontBold(P.TextFontBold != 0);
}

void DruckerSchrift() {
    Drucker().Print();
    DruckerSchriftAnwenden();
}

void DruckerSchriftSkalieren(float factor) {
    zorm1::P.TextFontSize *= factor;
    DruckerSchriftAnwenden();
}

void KleinSchrift() {
    auto& P = zorm1::P;
    Druck.GroesseVorKlein = P.TextFontSize;
    Druck.SchriftFaktor = P.TextFontSize > 0 ? 6.0f / P.TextFontSize : 1.0f;
    DruckerSchriftSkalieren(Druck.SchriftFaktor);
}

void SchriftZurueck() {
    // Back to exactly the size before: the reciprocal factor in single precision would drift.
    Druck.SchriftFaktor = Druck.SchriftFaktor != 0 ? 1.0f / Druck.SchriftFaktor : 1.0f;
    zorm1::P.TextFontSize = Druck.GroesseVorKlein;
    DruckerSchriftAnwenden();
}

bool IstTitel(const std::string& zeile) {
    for (auto t : kTitel)
        if (Enthaelt(zeile, t)) return true;
    return false;
}

bool IstHinweis(const std::string& zeile) {
    for (auto t : kHinweise)
        if (Enthaelt(zeile, t)) return true;
    return false;
}

void TitelFett() {
    if (IstTitel(Druck.ZeileAkt)) Druck.FettOffen = true;
}

void HinweisZeile() {
    Druck.HinweisOffen = IstHinweis(Druck.ZeileAkt);
}

int16_t KurzDruckFlag(int16_t flag, const std::string& z, const std::string& vor, const std::string& vorVor) {
    if (Enthaelt(z, "TEILSICHERHEIT")) flag = -1;
    if (Enthaelt(z, "Zugehörige Teilsicherheiten")) flag = -1;
    if (Enthaelt(z, "ALLGEMEINE AN")) flag = 0;
    if (Enthaelt(z, "Wandtyp:")) flag = -1;
    if (Enthaelt(z, std::string(64, '-')) && vor.empty() && vorVor.empty()) flag = 0;
    if (Enthaelt(z, "AUS ALLEN LASTF")) flag = -1;
    if (Enthaelt(z, "Spannungsnachweis")) flag = -1;
    if (Enthaelt(z, "Bemessung der ")) flag = -1;
    if (Enthaelt(z, "Ankernachweise:")) flag = -1;
    if (Enthaelt(z, "(C)")) flag = -1;
    return flag;
}

void SeiteZaehlen() {
    auto& P = zorm1::P;
    if (P.SeitenNr < 32767) ++P.SeitenNr;
    P.NaechsteSeite = P.SeitenNr;
}

void ProjZeileDrucken(const std::string& line) {
    auto& P = zorm1::P;
    auto& s = Drucker();
    std::string zaehler = "(" + std::to_string(Druck.ProjSeitenZaehler) + ")";
    if (zaehler.size() < 4) zaehler.append(4 - zaehler.size(), ' ');
    s.Print(zaehler + line, vb::draw::PrintEnd::Stay);
    if (P.H504Ein || P.SeitenNr < 1) {
        s.Print();
        return;
    }
    const int16_t boldVorher = P.TextFontBold;
    const float groesseVorher = P.TextFontSize;
    Druck.SchriftFaktor = 1.5f;
    P.TextFontBold = 1;
    const double x = s.CurrentX();
    const double y = s.CurrentY() - s.TextHeight("1") * (Druck.SchriftFaktor - 1) * 0.5;
    DruckerSchriftSkalieren(Druck.SchriftFaktor);
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(" " + P.SeitenVorsatz + std::to_string(P.SeitenNr));
    Druck.SchriftFaktor = 1.0f / Druck.SchriftFaktor;
    SeiteZaehlen();
    P.TextFontBold = boldVorher;
    P.TextFontSize = groesseVorher; // exactly, not by the reciprocal factor
    DruckerSchriftAnwenden();
}

void StrichLinie() {
    Regel('-', 0.55, 2);
}

void DoppelLinie() {
    Regel('=', 0.5, 5);
}

void RahmenDrucken() {
    if (!zorm1::P.RahmenEin) return;
    auto& s = Drucker();
    const double h = Druck.ZeilenHoehe;
    const double t = Druck.RandObenTw, b = Druck.RandUntenTw;
    const double rechts = Druck.SeiteBreite - Druck.RandRechtsTw;
    s.Line(Druck.TextX, t - h / 2, rechts, Druck.SeiteHoehe - b + h / 2, vb::draw::kNoColor,
           vb::draw::LineKind::Box);
    s.Line(Druck.TextX, t + 1.5 * h, rechts, t + 1.5 * h);
    s.Line(Druck.TextX, t + 4.5 * h, rechts, t + 4.5 * h);
}

bool DateiDrucken() {
    auto& P = zorm1::P;
    if (Druck.Laeuft) return false; // not re-entrant: window events run while it prints
    const Einstellungen vorher = Einstellungen::Jetzt();
    const std::string datei = DruckDatei;
    if (!vb::FileExists(datei)) {
        vb::MsgBox("Die Datei"
                   "\r\n" +
                       datei +
                       "\r\n"
                       "ist nicht vorhanden; es wird nichts gedruckt.",
                   vb::vbExclamation);
        return false;
    }
    auto& s = Drucker();
    Druck = DruckZustand{};
    Druck.Laeuft = true;
    LaufEnde ende;
    int16_t fn = 0;
    try {
        // 1.
        s.SetDocumentName(P.GanzerName, P.KurzAusdruck == -1 ? "Kurzausdruck" : "Bericht");
        s.SetOrientation(vb::draw::vbPRORPortrait);
        Druck.SchriftFaktor = 1.0f;
        Druck.DruckFlag = -1;
        DruckerSchrift();
        s.SetScaleMode(vb::draw::vbTwips);
        // 2. Twips per pixel follow the print quality on the surface itself.
        try {
            if (s.PrintQuality() > 600) s.SetPrintQuality(600);
        } catch (...) {
        }
        // 3., 4.
        Druck.SeiteBreite = Ganz(s.ScaleWidth());
        Druck.SeiteHoehe = Ganz(s.ScaleHeight());
        Druck.ZeilenHoehe = std::max<int32_t>(1, Ganz(s.TextHeight("Aq")));
        const double breite80 = s.TextWidth(std::string(80, 'a'));
        if (breite80 > 32767) {
            s.KillDoc(); // the empty print began a document: no blank page comes out
            vb::MsgBox("Text wird zu breit "
                       "\r"
                       "Wählen Sie eine kleinere Schrift, nicht fett ",
                       vb::vbOKOnly, "Überlauf");
            PfeilZeigen();
            vorher.Zurueck();
            return false;
        }
        Druck.Breite80 = Ganz(breite80);
        // 5.
        Druck.TwipsProMm = 1440.0 / 25.4;
        Druck.RandRechtsMm = 6;
        if (P.RandOben > 30) P.RandOben = 10;
        if (P.RandUnten > 30) P.RandUnten = 10;
        // 7. (before the boxes of step 6, which use the right edge)
        Druck.RandRechtsTw = Ganz(Druck.RandRechtsMm * Druck.TwipsProMm);
        Druck.TextX = Druck.SeiteBreite - Druck.Breite80 - Druck.RandRechtsTw;
        // 6.
        if (P.H504Ein) {
            Druck.H504Hoehe = 20;
            Druck.RandObenKopie = P.RandOben;
            Druck.RandUntenH504 = P.RandUnten;
            H504TextSeite();
        } else {
            Druck.H504Hoehe = 0;
        }
        // 8.
        Druck.RandObenTw = Ganz((P.RandOben + Druck.H504Hoehe + 3) * Druck.TwipsProMm);
        Druck.RandUntenTw = Ganz((P.RandUnten + Druck.H504Hoehe + 3) * Druck.TwipsProMm);
        Druck.NutzHoehe = Druck.SeiteHoehe - Druck.RandObenTw - Druck.RandUntenTw;
        Druck.ZeilenProSeite = Druck.NutzHoehe / Druck.ZeilenHoehe - 1;
        Druck.ZeilenZaehler = 0;
        Druck.ProjSeitenZaehler = 1;
        // 9.
        RahmenDrucken();
        // 10.
        fn = vb::FreeFile();
        vb::Open(datei, vb::OpenMode::Input, fn);
        Druck.KopfZaehler = 0;
        Druck.ProjIndex = 0;
        Druck.ZeileX = Druck.TextX + Druck.TwipsProMm;
        s.SetCurrentY(Druck.RandObenTw);
        // 11. Page head: the first seven lines (fewer when the report is shorter).
        for (int i = 1; i <= 7 && !vb::Eof(fn); ++i) {
            std::string z = vb::LineInput(fn);
            Druck.ZeileAkt = z;
            s.SetCurrentX(Druck.ZeileX);
            if (z.empty() && Druck.KopfZaehler == 0) continue;
            ++Druck.KopfZaehler;
            if (vb::InStr(z, "Proj") > 0) {
                z = vb::Len(z) > 4 ? vb::Mid(z, 5) : std::string();
                Druck.ProjIndex = Druck.KopfZaehler;
                ProjZeileDrucken(z);
            } else {
                s.Print(z);
            }
            Druck.Kopf[static_cast<std::size_t>(Druck.KopfZaehler)] = z;
            ++Druck.ZeilenZaehler;
        }
        Druck.ZeilenZaehler = Druck.KopfZaehler;
        // 12. Body.
        while (!vb::Eof(fn)) {
            Druck.ZeileVorVor = Druck.ZeileVor;
            Druck.ZeileVor = Druck.ZeileAkt;
            Druck.ZeileAkt = vb::LineInput(fn);
            vb::DoEvents();
            if (P.KurzAusdruck == -1)
                Druck.DruckFlag =
                    KurzDruckFlag(Druck.DruckFlag, Druck.ZeileAkt, Druck.ZeileVor, Druck.ZeileVorVor);
            if (Druck.DruckFlag == -1) ZeileDrucken();
            if (Druck.ZeilenZaehler > Druck.ZeilenProSeite) NeueSeite();
        }
        // 13.
        vb::Close(fn);
        fn = 0;
        s.EndDoc();
        g_letzteDatei = s.LastDocumentFile();
    } catch (const vb::RuntimeError& e) {
        // A printer or PDF failure, or the copy unreadable: told, and nothing of the printout stays.
        Abbrechen(fn, vorher);
        vb::MsgBox(std::string("Der Bericht konnte nicht gedruckt werden:") + "\r\n" + e.what(),
                   vb::vbExclamation, "Drucken");
        return false;
    } catch (...) {
        // Anything else (the program ends while it prints) leaves no document open and passes on.
        Abbrechen(fn, vorher);
        throw;
    }
    // 14.
    P.RandOben = static_cast<int16_t>(Ganz(Druck.RandObenTw / Druck.TwipsProMm - Druck.H504Hoehe - 3));
    P.RandUnten = static_cast<int16_t>(Ganz(Druck.RandUntenTw / Druck.TwipsProMm - Druck.H504Hoehe - 3));
    return true;
}

} // namespace Anzeigen
