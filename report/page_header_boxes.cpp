#include "report/page_header_boxes.h"

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "platform/draw/devices.h"
#include "report/print_engine.h"

namespace Anzeigen {

std::array<std::string, 11> H504Zeilen;

namespace {

vb::draw::Surface& Drucker() {
    return vb::draw::Printer();
}

// Maps a point of the box layout (a from the left edge, d below the box's top) to page coordinates:
// upright (a, top + d); on a landscape page the boxes read down the page and "below" runs to smaller x.
struct Abbildung {
    bool quer = false;
    double x(double a, double top, double d) const { return quer ? top - d : a; }
    double y(double a, double top, double d) const { return quer ? a : top + d; }
};

void Linie(const Abbildung& m, double a1, double d1, double a2, double d2, double top) {
    Drucker().Line(m.x(a1, top, d1), m.y(a1, top, d1), m.x(a2, top, d2), m.y(a2, top, d2));
}

// The box from L to R, 20 mm high, its vertical line at R - 30 and its horizontal line at 14 mm (to R for
// the header, to R - 30 for the footer).
void Kasten(const Abbildung& m, double L, double R, double top, double mm, bool kopf) {
    auto& s = Drucker();
    s.Line(m.x(L, top, 0), m.y(L, top, 0), m.x(R, top, 20 * mm), m.y(R, top, 20 * mm), vb::draw::kNoColor,
           vb::draw::LineKind::Box);
    Linie(m, R - 30 * mm, 0, R - 30 * mm, 20 * mm, top);
    Linie(m, L, 14 * mm, kopf ? R : R - 30 * mm, 14 * mm, top);
}

void Text(double x, double y, const std::string& t) {
    auto& s = Drucker();
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(t);
}

// The rotated texts of a landscape page: the reference corner at layout point (a, d).
void TextQuer(double a, double top, double d, const std::string& t) {
    Drucker().PrintRotated(top - d, a, t, -900);
}

void KopfzeilenQuer(double L, double T, double R, double mm) {
    TextQuer(L + 1 * mm, T, 2 * mm, H504Zeilen[1]);
    TextQuer(L + 1 * mm, T, 5 * mm, H504Zeilen[2]);
    TextQuer(L + 1 * mm, T, 10 * mm, H504Zeilen[3]);
    TextQuer(L + 1 * mm, T, 15.5 * mm, H504Zeilen[4]);
    TextQuer(R - 70 * mm, T, 15.5 * mm, H504Zeilen[5]);
    TextQuer(R - 29 * mm, T, 15.5 * mm, H504Zeilen[6]);
}

void SeitenNrH504Grafik(double L, double F, double R, double mm) {
    (void)L;
    auto& P = zorm1::P;
    auto& s = Drucker();
    TextQuer(R - 60 * mm, F, 9 * mm, "S.");
    if (P.SeitenNr > 0) {
        const double h = s.TextHeight("1");
        const float groesse = P.TextFontSize;
        const int16_t bold = P.TextFontBold;
        DruckerSchriftSkalieren(1.5f);
        P.TextFontBold = 1;
        s.SetFontBold(true);
        TextQuer(R - 57 * mm, F, 9 * mm - 0.25 * h, " " + P.SeitenVorsatz + std::to_string(P.SeitenNr));
        SeiteZaehlen();
        P.TextFontBold = bold;
        P.TextFontSize = groesse;
        DruckerSchriftAnwenden();
    }
}

void FusszeilenQuer(double L, double F, double R, double mm) {
    TextQuer(L + 1 * mm, F, 3 * mm, H504Zeilen[7]);
    TextQuer(R - 29 * mm, F, 3 * mm, H504Zeilen[8]);
    TextQuer(L + 1 * mm, F, 9 * mm, H504Zeilen[9]);
    TextQuer(L + 1 * mm, F, 15.5 * mm, H504Zeilen[10]);
    SeitenNrH504Grafik(L, F, R, mm);
}

} // namespace

void H504ZeilenBilden() {
    const Heft504Texte& t = Heft504();
    H504Zeilen[1] = "Verfasser:  " + t.txtVerfasser;
    H504Zeilen[2] = "            " + t.txtVerfasser2;
    H504Zeilen[3] = "Programm :  Z O R  (Baugrubenwand)";
    H504Zeilen[4] = "Bauwerk  :  " + t.txtBauwerk;
    H504Zeilen[5] = "ASB Nr. " + t.txtAsbNr;
    H504Zeilen[6] = "Datum: " + t.txtDatum;
    H504Zeilen[7] = "Bauteil  :  " + t.txtBauteil;
    H504Zeilen[8] = "Archiv Nr.:";
    H504Zeilen[9] = "Block    :  " + t.txtBlock;
    H504Zeilen[10] = "Vorgang  :  " + t.txtVorgang;
}

void H504Kopfzeilen(double x, double t, double r, double mm) {
    auto& s = Drucker();
    Text(x, t + 2 * mm, H504Zeilen[1]);
    s.SetCurrentX(x); // line 2 on the next print line
    s.Print(H504Zeilen[2]);
    Text(x, t + 10 * mm, H504Zeilen[3]);
    Text(x, t + 15.5 * mm, H504Zeilen[4]);
    Text(r - 70 * mm, t + 15.5 * mm, H504Zeilen[5]);
    Text(r - 29 * mm, t + 15.5 * mm, H504Zeilen[6]);
}

void SeitenNrH504Text(double r, double f, double mm) {
    auto& P = zorm1::P;
    auto& s = Drucker();
    s.SetCurrentX(r - 60 * mm);
    s.SetCurrentY(f + 9 * mm);
    s.Print("S.", vb::draw::PrintEnd::Stay);
    if (P.SeitenNr > 0) {
        const double x = s.CurrentX();
        const double h = s.TextHeight("1");
        const float groesse = P.TextFontSize;
        DruckerSchriftSkalieren(1.5f);
        const bool bold = s.Font().bold;
        s.SetFontBold(true);
        s.SetCurrentX(x);
        s.SetCurrentY(s.CurrentY() - 0.25 * h);
        s.Print(" " + P.SeitenVorsatz + std::to_string(P.SeitenNr));
        SeiteZaehlen();
        P.TextFontSize = groesse; // exactly the size before
        DruckerSchriftAnwenden();
        s.SetFontBold(bold);
    } else {
        s.Print();
    }
}

void H504Fusszeilen(double x, double f, double r, double mm) {
    Text(x, f + 3 * mm, H504Zeilen[7]);
    Text(r - 29 * mm, f + 3 * mm, H504Zeilen[8]);
    Text(x, f + 9 * mm, H504Zeilen[9]);
    Text(x, f + 15.3 * mm, H504Zeilen[10]);
    SeitenNrH504Text(r, f, mm);
}

void H504TextSeite() {
    auto& P = zorm1::P;
    auto& s = Drucker();
    H504ZeilenBilden();
    const float groesse = P.TextFontSize;
    P.TextFontSize = 8.25f;
    DruckerSchriftAnwenden();
    const double mm = Druck.TwipsProMm;
    const double L = Druck.H504Hoehe * mm;
    const double R = Druck.SeiteBreite - Druck.RandRechtsMm * mm;
    const double T = Druck.RandObenKopie * mm;
    const Abbildung m;
    s.SetDrawWidth(1);
    Kasten(m, L, R, T, mm, true);
    H504Kopfzeilen(L + 1 * mm, T, R, mm);
    const double F = Druck.SeiteHoehe - Druck.RandUntenH504 * mm - 20 * mm;
    H504Fusszeilen(L + 1 * mm, F, R, mm);
    Kasten(m, L, R, F, mm, false);
    if (P.RahmenEin) {
        s.Line(L, T + 20 * mm, L, F);
        s.Line(R, T + 20 * mm, R, F);
    }
    P.TextFontSize = groesse;
    DruckerSchriftAnwenden();
}

void H504GrafikSeite(const GrafikSeite& g) {
    auto& P = zorm1::P;
    H504ZeilenBilden();
    const double mm = g.Massstab / 1000.0;
    Druck.RandObenKopie = Druck.RandUntenH504 = 20;
    const float groesse = P.TextFontSize;
    const int16_t bold = P.TextFontBold;
    P.TextFontSize = 8.25f;
    P.TextFontBold = P.GrafikFontBold;
    DruckerSchriftAnwenden();
    const double versatz = 0.5;
    if (!g.Querformat) {
        const Abbildung m;
        const double L = g.BildLinks, R = g.BildRechts;
        const double T = g.BildOben - (20 + versatz) * mm;
        const double F = g.BildUnten + versatz * mm;
        Kasten(m, L, R, T, mm, true);
        H504Kopfzeilen(L + 1 * mm, T, R, mm);
        H504Fusszeilen(L + 1 * mm, F, R, mm);
        Kasten(m, L, R, F, mm, false);
    } else {
        Abbildung m;
        m.quer = true;
        const double L = g.BildOben, R = g.BildUnten;
        const double T = g.BildRechts + (20 + versatz) * mm;
        const double F = g.BildLinks - versatz * mm;
        Kasten(m, L, R, T, mm, true);
        KopfzeilenQuer(L, T, R, mm);
        FusszeilenQuer(L, F, R, mm);
        Kasten(m, L, R, F, mm, false);
    }
    P.TextFontSize = groesse;
    P.TextFontBold = bold;
}

void SeitenNrGrafik(const GrafikSeite& g) {
    auto& P = zorm1::P;
    auto& s = Drucker();
    const float groesse = P.TextFontSize;
    Druck.SchriftFaktor = 1.5f;
    DruckerSchriftSkalieren(Druck.SchriftFaktor);
    std::string t = "S. ";
    if (!g.Querformat) {
        s.SetFontBold(true);
        double x = g.BildRechts - 140 * g.ZeichenEinheit;
        const double y = g.BildOben - s.TextHeight("S. ");
        if (P.SeitenNr > 0) {
            t = "S. " + P.SeitenVorsatz + std::to_string(P.SeitenNr);
            x = g.BildRechts - s.TextWidth(t);
        }
        Text(x, y, t);
    } else {
        const int16_t bold = P.TextFontBold;
        P.TextFontBold = 1;
        s.SetFontBold(true);
        const double x = g.BildRechts + s.TextHeight("S. ");
        double y = g.BildUnten - 140 * g.ZeichenEinheit;
        if (P.SeitenNr > 0) {
            t = "S. " + P.SeitenVorsatz + std::to_string(P.SeitenNr);
            y = g.BildUnten - s.TextWidth(t);
        }
        s.PrintRotated(x, y, t, -900);
        P.TextFontBold = bold;
    }
    if (P.SeitenNr > 0) SeiteZaehlen();
    Druck.SchriftFaktor = 1.0f / Druck.SchriftFaktor;
    P.TextFontSize = groesse; // exactly the size before
    DruckerSchriftAnwenden();
}

} // namespace Anzeigen
