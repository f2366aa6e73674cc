#include "graphics/result_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"
#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "graphics/pressure_figures.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "statics/state.h"

using zorm1::P;

namespace zorg {

namespace {

constexpr const char* kF1 = "#####0.0";
constexpr const char* kF2 = "#####0.00";
constexpr int kMaxArbeitsliste = 200; // points of the work lists of the load-diagram superposition

using vb::Format;
using vb::Trim;

std::string F1(float v) {
    return Trim(Format(v, kF1));
}
std::string F2(float v) {
    return Trim(Format(v, kF2));
}

// One drawing of the picture: the surface, the record, its maxima and the layout.
class Zeichnung {
public:
    Zeichnung(Flaeche& z, int16_t lf, int16_t stufe)
        : z_(z), g_(Grafik()), s_(Grafik().plot), m_(Grafik().max), lf_(lf), stufe_(stufe),
          u_(Grafik().ZeichenEinheit) {}

    ErgebnisLayout Zeichnen();

private:
    // --- text helpers
    float TW(const std::string& t) const { return static_cast<float>(z_.TextWidth(t)); }
    float TH(const std::string& t) const { return static_cast<float>(z_.TextHeight(t)); }
    // Prints t with its top left corner at (x, y), moving to the next line as Print does.
    void Drucke(const std::string& t, float x, float y) {
        g_.TextPuffer = t;
        z_.SetCurrentX(x);
        z_.SetCurrentY(y);
        Beschriften(z_, t, vb::draw::PrintEnd::NewLine);
    }
    // Prints t centred on x.
    void Mittig(const std::string& t, float x, float y) { Drucke(t, x - TW(t) / 2, y); }
    // A value label: "#####0.0" of v at (x, y); through the vertical check against grenze when pruefen.
    void Label(const std::string& t, float x, float y, bool pruefen, float grenze) {
        g_.TextPuffer = t;
        z_.SetCurrentX(x);
        z_.SetCurrentY(y);
        if (pruefen) TextYPruefen(z_, grenze);
        Beschriften(z_, g_.TextPuffer, vb::draw::PrintEnd::NewLine);
    }
    void Linie(float x1, float y1, float x2, float y2) { z_.Line(x1, y1, x2, y2); }
    void Gepunktet(float x1, float y1, float x2, float y2) {
        z_.SetDrawStyle(vb::draw::vbDot);
        Linie(x1, y1, x2, y2);
        z_.SetDrawStyle(vb::draw::vbSolid);
    }
    float Y1(float t) const { return L.yOben1 + t * L.Tiefenmassstab; }
    float Y2(float t) const { return L.yOben2 + t * L.Tiefenmassstab; }
    bool Teilsicherheiten() const { return P.TeilsicherheitenAn != 0; }
    std::string Endung() const { return std::to_string(10 * s_.AushNr + s_.LFNr); }

    // --- sections
    void Layout();
    void ErddruckKappen();
    void Skalen();
    void Achsen();
    void Tiefenskalen();
    std::string KoteLabel(float zt, const std::string& zusatz) const;
    void Koten();
    void Ueberschriften();
    void Erdwiderstand();
    void ErdwiderstandNotizen();
    struct Figur {
        std::vector<float> z, v;
        int n = 0;
        float achse = 0;
        float vmaxStart = -999999.0f;
        bool aushubOhneNull = false; // the excavation label is skipped when its value is 0
        float maxGrenze = 0;         // the maximum label needs vmax above this
        bool maxAmFolgepunkt = false;
        float maxVersatz = 0; // units right of the point
        int segmente = 0;     // segments 0..segmente - 1
        bool endLabel = false;
        float endWert = 0, endTiefe = 0;
        bool kreuz = false;
        bool kreuzNurMitMax = false; // the cross-out also needs a largest ordinate above 0
        float vF = 0;
    };
    void Spalte2(Figur& f);
    void Zusatzspannungen();
    void AbgeschnittenerDruck();
    void Lastbildkopie();
    void Wandbelastung();
    void Rammtiefenzuschlag();
    void Fusskraft();
    // The earth-resistance comparison: its lists as read, its turned captions, and the drawing.
    struct Vergleich {
        std::vector<float> zv, ev, zl, el; // bedding's required resistance; earth resistance
        int nVerw = 0, n = 0;
        bool verw = false;
        float mn = 0; // smallest ordinate of the earth resistance
    };
    struct Gedreht {
        float x, y;
        std::string text;
    };
    bool VergleichLesen(Vergleich& v) const;
    std::vector<Gedreht> VergleichTexte(const Vergleich& v) const;
    void WiderstandVergleich(Vergleich& v);
    std::vector<Gedreht> VerformungHinweis() const;
    void Verformung();
    void Moment();
    void Normalkraft();
    void Querkraft();
    // Hatching of a curve of the plot record's grid points (values 0..n).
    void KurveSchraffieren(const std::vector<float>& werte, float achse, float y0, float skala);

    Flaeche& z_;
    Zustand& g_;
    PlotSatz& s_;
    const SatzMaxima& m_;
    int16_t lf_, stufe_;
    float u_;
    ErgebnisLayout L;
    int16_t wandfuss_ = 0;
    bool minOffenBelastung_ = true;
    float xSkala_ = 0; // left end of the depth scales, their numbers included
};

// Every list of the record holds at least its count + 2 entries (points 0..n + 1).
void Auffuellen(std::vector<float>& v, int n) {
    const size_t soll = static_cast<size_t>(std::max(n, 0)) + 2;
    if (v.size() < soll) v.resize(soll, 0.0f);
}

ErgebnisLayout Zeichnung::Zeichnen() {
    wandfuss_ = static_cast<int16_t>(std::nearbyint(stufe_ >= 1 && stufe_ <= zorm1::MaxAushub
                                                        ? P.Aushubstufen[static_cast<size_t>(stufe_)].Wandfuss
                                                        : static_cast<float>(P.Wandfuss)));
    Auffuellen(s_.ErddruckZ, s_.AnzWiderstand);
    Auffuellen(s_.ErddruckSumme, s_.AnzWiderstand);
    Auffuellen(s_.SigmaVZ, s_.AnzSigmaVPlot);
    Auffuellen(s_.SigmaVWert, s_.AnzSigmaVPlot);
    for (auto* v : {&s_.KoteZ, &s_.WandBelastung, &s_.Verformung, &s_.Moment, &s_.Querkraft, &s_.Normalkraft})
        Auffuellen(*v, s_.AnzKoten);
    Auffuellen(s_.WasserZ, s_.AnzWasserPunkte);
    Auffuellen(s_.WasserDruck, s_.AnzWasserPunkte);
    Auffuellen(s_.ZusZ, s_.AnzZusatzSpannung);
    Auffuellen(s_.ZusSpannung, s_.AnzZusatzSpannung);
    Auffuellen(s_.LastbildKopieZ, s_.AnzAuflagerVersch);
    Auffuellen(s_.LastbildKopieE, s_.AnzAuflagerVersch);
    g_.SummeH = 0;

    g_.TextPuffer = "A";
    z_.SetDrawStyle(vb::draw::vbSolid);
    z_.SetDrawWidth(1);
    Layout();
    if (!(s_.ZEndeKoten > 0)) {
        // no depth to draw over: only heading and captions
        Ueberschriften();
        return L;
    }
    ErddruckKappen();
    Skalen();
    Achsen();
    Tiefenskalen();
    // the note beside the deformation axis, drawn with the deformation, claims its place before the levels
    SchriftKlein(z_);
    for (const Gedreht& t : VerformungHinweis())
        TextGedrehtFreihalten(z_, 900, t.x, t.y, t.text);
    SchriftNormal(z_);
    Koten();
    Ueberschriften();
    // pressure figures and notes
    Erdwiderstand();
    ErdwiderstandNotizen();
    int16_t anzahl = 0;
    DruckfigurAusDatei(z_, "ZOREwidvW." + Endung(), anzahl, L.xAchse1, 0, L.MassstabSigmaV, L.yOben1,
                       L.Tiefenmassstab, -1, L.ResDeltaTWiderstand);
    if (L.MassstabBelastung * L.MassstabDruck != 0.0f) {
        const float kleiner = std::min(L.MassstabBelastung, L.MassstabDruck);
        L.MassstabBelastung = L.MassstabDruck = kleiner;
    }
    {
        // the total horizontal earth pressure
        Figur f;
        f.n = L.iDruckEnde;
        f.z.assign(s_.ErddruckZ.begin(), s_.ErddruckZ.begin() + f.n + 2);
        f.v.assign(s_.ErddruckSumme.begin(), s_.ErddruckSumme.begin() + f.n + 2);
        f.z[static_cast<size_t>(f.n) + 1] = f.z[static_cast<size_t>(f.n)];
        f.v[static_cast<size_t>(f.n) + 1] = f.v[static_cast<size_t>(f.n)];
        f.achse = L.xAchse2;
        f.segmente = f.n + 1;
        f.endLabel = true;
        f.endWert = f.v[static_cast<size_t>(f.n)];
        f.endTiefe = f.z[static_cast<size_t>(f.n)];
        f.kreuz = P.Wandart == 1;
        f.vF = f.v[static_cast<size_t>(f.n)];
        Spalte2(f);
        int16_t weg = 0;
        DruckfigurAusDatei(z_, "ZOReP0." + Endung(), weg, L.xAchse2, 0, L.MassstabDruck, L.yOben1,
                           L.Tiefenmassstab, 0, L.ResDeltaTErddruck);
    }
    // sub-axes of water pressure and additional stresses
    Linie(L.xWasser, L.yOben1, L.xWasser, L.yOben1 + L.Diagrammhoehe);
    Linie(L.xZusatz, L.yOben1, L.xZusatz, L.yOben1 + L.Diagrammhoehe);
    {
        const std::string t = std::string(Teilsicherheiten() ? "(d) " : "") + "Wasserdruck";
        Drucke(t, L.xWasser - 2 * TW(t) / 3, L.yOben1 - TH(t));
        Figur f;
        const int nW = s_.AnzWasserPunkte;
        f.n = nW;
        f.z.assign(s_.WasserZ.begin(), s_.WasserZ.begin() + nW + 2);
        f.v.assign(s_.WasserDruck.begin(), s_.WasserDruck.begin() + nW + 2);
        f.z[static_cast<size_t>(nW) + 1] = 0;
        f.v[static_cast<size_t>(nW) + 1] = 0;
        f.achse = L.xWasser;
        f.aushubOhneNull = true;
        f.maxGrenze = 0.1f;
        f.maxVersatz = 1;
        f.segmente = nW + 1;
        const float vorletzt = nW > 0 ? f.v[static_cast<size_t>(nW) - 1] : 0.0f;
        f.endLabel = nW > 0 && vorletzt > 0.1f;
        f.endWert = vorletzt;
        f.endTiefe = f.z[static_cast<size_t>(nW)];
        f.vF = vorletzt;
        f.kreuz = nW > 0 && P.Wandart == 1;
        f.kreuzNurMitMax = true;
        Spalte2(f);
        int16_t weg = 0;
        DruckfigurAusDatei(z_, "ZOReWas." + Endung(), weg, L.xAchse2, -(L.xAchse2 - L.xAchse1) / 3,
                           L.MassstabDruck, L.yOben1, L.Tiefenmassstab, 0, L.ResDeltaTWasser);
    }
    Zusatzspannungen();
    AbgeschnittenerDruck();
    // resulting wall load, extra embedment, foot support and the comparison with the bedding
    Lastbildkopie();
    Wandbelastung();
    Rammtiefenzuschlag();
    // the captions of the comparison, drawn after the foot-support note, claim their places before it
    Vergleich v;
    const bool vergleich = minOffenBelastung_ && VergleichLesen(v);
    if (vergleich) {
        SchriftKlein(z_);
        for (const Gedreht& t : VergleichTexte(v))
            TextGedrehtFreihalten(z_, 900, t.x, t.y, t.text);
        SchriftNormal(z_);
    }
    Fusskraft();
    if (vergleich) WiderstandVergleich(v);
    // the four state quantities
    Verformung();
    Moment();
    Normalkraft();
    Querkraft();
    z_.SetDrawStyle(vb::draw::vbSolid);
    z_.SetDrawWidth(1);
    z_.SetFontTransparent(true);
    return L;
}

void Zeichnung::Layout() {
    const float links = Grafik().BildLinks, rechts = Grafik().BildRechts, oben = Grafik().BildOben,
                unten = Grafik().BildUnten;
    const float th = TH(g_.TextPuffer);
    L.Teilbreite = (rechts - links) / 6;
    L.MaxAusschlag = 0.4f * L.Teilbreite;
    L.HalbeHoehe = (unten - oben) / 2;
    L.xAchse1 = links + L.Teilbreite;
    L.xAchse2 = links + 3 * L.Teilbreite;
    L.xAchse3 = links + 5 * L.Teilbreite;
    L.yOben1 = oben + 2 * th;
    L.yOben2 = L.yOben1 + L.HalbeHoehe - 0.75f * th;
    L.Diagrammhoehe = unten - L.yOben2 - th - 16 * u_;
    L.xKote = L.xAchse1 + (L.xAchse2 - L.xAchse1) / 8;
    L.Versatz = -(L.xAchse2 - L.xAchse1) / 3;
    L.xAchseWiderstand = L.xAchse3 - 4 * u_;
    L.xWasser = L.xAchse2 - (L.xAchse2 - L.xAchse1) / 3;
    L.xZusatz = L.xAchse2 + (L.xAchse2 - L.xAchse1) / 3;
    L.Tiefenmassstab = s_.ZEndeKoten > 0 ? L.Diagrammhoehe / s_.ZEndeKoten : 0.0f;
}

void Zeichnung::ErddruckKappen() {
    const int n = s_.AnzWiderstand;
    auto& Z = s_.ErddruckZ;
    auto& E = s_.ErddruckSumme;
    const float zm = m_.MaxZSigmaV;
    L.iDruckEnde = static_cast<int16_t>(n);
    if (!(zm > 0)) return; // no depth to cut at: the list is drawn uncut
    for (int i = 1; i <= n; ++i) {
        const size_t k = static_cast<size_t>(i);
        if (Z[k] >= zm) {
            const float dz = Z[k] - Z[k - 1];
            if (dz != 0) E[k] = E[k - 1] + (E[k] - E[k - 1]) / dz * (zm - Z[k - 1]);
            Z[k] = zm;
            L.iDruckEnde = static_cast<int16_t>(i);
            return;
        }
    }
    // the list does not reach that depth: drawn uncut
}

void Zeichnung::Skalen() {
    float mx = 0;
    for (int k = 1; k <= L.iDruckEnde; ++k)
        mx = std::max(mx, std::fabs(s_.ErddruckSumme[static_cast<size_t>(k)]));
    if (mx == 0)
        for (int k = 1; k <= s_.AnzWasserPunkte; ++k)
            mx = std::max(mx, std::fabs(s_.WasserDruck[static_cast<size_t>(k)]));
    if (mx == 0)
        for (int k = 1; k <= s_.AnzZusatzSpannung; ++k)
            mx = std::max(mx, std::fabs(s_.ZusSpannung[static_cast<size_t>(k)]));
    L.MaxDruck = mx;
    auto skala = [&](float maximum) { return maximum > 0 ? L.MaxAusschlag / maximum : 0.0f; };
    L.MassstabDruck = skala(L.MaxDruck);
    L.MassstabSigmaV = skala(m_.MaxAbsSigmaV);
    L.MassstabBelastung = skala(m_.MaxAbsBelastung);
    L.MassstabVerformung = skala(m_.MaxAbsVerformung);
    L.MassstabMoment = skala(m_.MaxAbsMoment);
    L.MassstabQuerkraft = skala(m_.MaxAbsQuerkraft);
    L.MassstabNormalkraft = skala(m_.MaxAbsNormalkraft);
}

void Zeichnung::Achsen() {
    const float h = L.Diagrammhoehe;
    for (float x : {L.xAchse1, L.xAchse2, L.xAchse3})
        Linie(x, L.yOben1, x, L.yOben1 + h);
    for (float x : {L.xAchse1, L.xAchse2 - L.Versatz, L.xAchse2 + L.Versatz, L.xAchse3})
        Linie(x, L.yOben2, x, L.yOben2 + h);
}

void Zeichnung::Tiefenskalen() {
    const float rechts = Grafik().BildRechts;
    const int teilung = s_.ZEndeKoten > 10.0f ? 2 : 1;
    const float nr = std::nearbyint(s_.ZEndeKoten * 0.9f);
    const int n = static_cast<int>(std::clamp(nr, 0.0f, 1000.0f));
    xSkala_ = rechts - 6 * u_;
    for (float y0 : {L.yOben1, L.yOben2}) {
        for (int k = 0; k <= n; ++k) {
            const float y = y0 + static_cast<float>(k) * L.Tiefenmassstab;
            if (k % teilung == 0) {
                Linie(rechts, y, rechts - 6 * u_, y);
                const std::string t = Trim(vb::Str(static_cast<int16_t>(k)));
                Drucke(t, rechts - TW(t) - 10 * u_, y - TH(t) / 2);
                xSkala_ = std::min(xSkala_, rechts - TW(t) - 10 * u_);
            } else {
                Linie(rechts, y, rechts - 4 * u_, y);
            }
        }
        // no label lies on the ticks
        Freihalten(z_, rechts - 6 * u_, y0, rechts, y0 + static_cast<float>(n) * L.Tiefenmassstab);
    }
}

std::string Zeichnung::KoteLabel(float zt, const std::string& zusatz) const {
    const float wert = P.KoteOKWand != 0 ? P.KoteOKWand - zt : zt;
    std::string label = F2(wert) + zusatz;
    if (P.KoteOKWand != 0) label = F2(zt) + "(" + Trim(label) + ")";
    return label;
}

void Zeichnung::Koten() {
    const float links = Grafik().BildLinks, rechts = Grafik().BildRechts;
    const float xk = L.xKote, xl = xk + 6 * u_;
    auto beide = [&](float zt, auto&& f) {
        f(Y1(zt));
        f(Y2(zt));
    };
    // computed wall foot
    const float zr = s_.ZEndeKoten - s_.DeltaTPlot;
    beide(zr, [&](float y) { Gepunktet(links, y, rechts, y); });
    if (s_.DeltaTPlot > 0.2f) {
        const std::string t = KoteLabel(zr, " UK Wand rechn.");
        beide(zr, [&](float y) {
            Schraffur(z_, xk, y, 3);
            Drucke(t, xl, y - TH(t));
        });
    }
    // wall foot
    {
        const std::string t = KoteLabel(s_.ZEndeKoten, " UK Wand");
        beide(s_.ZEndeKoten, [&](float y) { Schraffur(z_, xk, y, 3); });
        beide(s_.ZEndeKoten, [&](float y) { Drucke(t, xl, y - TH(t) - u_); });
    }
    // excavation level of the stage
    {
        const float za = stufe_ >= 1 && stufe_ <= zorm1::MaxAushub
                             ? P.Aushubstufen[static_cast<size_t>(stufe_)].zAush
                             : s_.zAush;
        const std::string t = KoteLabel(za, " Aushub");
        beide(za, [&](float y) { Schraffur(z_, xk, y, 3); });
        beide(za, [&](float y) { Drucke(t, xl, y - TH(t) - u_); });
        beide(za, [&](float y) { Gepunktet(links, y, rechts, y); });
    }
    // wall head
    {
        const std::string t = KoteLabel(0, " OK Wand");
        beide(0, [&](float y) { Schraffur(z_, xk, y, 4); });
        beide(0, [&](float y) { Drucke(t, xl, y); });
        beide(0, [&](float y) { Gepunktet(links, y, rechts, y); });
    }
    // supports of the stage and the end of the statics table
    auto lager = [&](float zt) {
        beide(zt, [&](float y) { Gepunktet(links + 20 * u_, y, rechts, y); });
        z_.SetFontTransparent(false);
        const std::string t = F2(zt);
        beide(zt, [&](float y) {
            Schraffur(z_, links + 8 * u_, y, 2);
            Drucke(t, links + 10 * u_, y - TH(t) / 2);
        });
        z_.SetFontTransparent(true);
    };
    const StufenWerte st = StufeAusTabelle(stufe_);
    for (int i = 1; i <= st.AnzAnker; ++i)
        lager(st.ZAnker[static_cast<size_t>(i)]);
    if (s_.zEndeStatik != 0) lager(s_.zEndeStatik);
    // supported wall head
    if (P.WandKopf == 2 || P.WandKopf == 3) {
        const std::string t = KoteLabel(0, "");
        beide(0, [&](float y) {
            Schraffur(z_, links + 8 * u_, y, 2);
            Drucke(t, links + 10 * u_, y - TH(t) / 2);
        });
    }
}

void Zeichnung::Ueberschriften() {
    const std::string kopf = "Lastfall " + vb::Str(lf_) + ", Aushub " + vb::Str(stufe_);
    Drucke(kopf, Grafik().BildLinks + 4 * u_, Grafik().BildOben);
    const bool ts = Teilsicherheiten();
    const bool tbw = P.Wandart == 1;
    struct Titel {
        const char* text;
        float x;
        bool oben;
        const char* vor;
        const char* nach;
    };
    const Titel titel[] = {
        {"Erdwiderstand", L.xAchse1, true, "(d) ", "(Spundwand)"},
        {"Verformungen (mm)", L.xAchse1, false, "(k) ", ""},
        {"Erddruck", L.xAchse2, true, "(d) ", ""},
        {"Momente (kNm/m)", L.xAchse2 - L.Versatz, false, "(d) ", ""},
        {"Normalkräfte (kN/m)", L.xAchse2 + L.Versatz, false, "(d) ", ""},
        {"res. Wandbelastung", L.xAchse3, true, "(d) ", "(TBW)"},
        {"Querkräfte (kN/m)", L.xAchse3, false, "(d) ", ""},
    };
    for (const auto& t : titel) {
        const std::string text = std::string(ts ? t.vor : "") + t.text + (tbw ? t.nach : "");
        Mittig(text, t.x, (t.oben ? L.yOben1 : L.yOben2) - TH(text));
    }
    Mittig("(kN/m2)", L.xAchse2, Grafik().BildOben);
    if (ts) {
        const std::string t = "(k) Sum V = " + F1(s_.SummeV2) + " kN/m";
        Mittig(t, L.xAchse2 - L.Versatz, Grafik().BildUnten - TH(t) - 14 * u_);
        if (s_.SummeV2 < 0) Mittig("(nach oben)", L.xAchse2 - L.Versatz, Grafik().BildUnten - 16 * u_);
    }
}

// ---------------------------------------------------------------- pressure figures

void Zeichnung::Erdwiderstand() {
    const int nR = s_.AnzSigmaVPlot;
    auto& Z = s_.SigmaVZ;
    auto& V = s_.SigmaVWert;
    float vmin = 999999.0f;
    for (int i = 1; i <= nR; ++i)
        vmin = std::min(vmin, V[static_cast<size_t>(i)]);
    bool offen = true;
    Z[static_cast<size_t>(nR) + 1] = Z[static_cast<size_t>(nR)];
    const bool kopie3 =
        (s_.EinspErg != 0 || wandfuss_ == 2 || wandfuss_ == 3 || wandfuss_ == 4) && s_.BettungPlot == 0;
    const float s = L.MassstabSigmaV;
    for (int i = 0; i <= nR; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        const float xa = L.xAchse1 + s * V[a], ya = Y1(Z[a]);
        Linie(xa, ya, L.xAchse1 + s * V[b], Y1(Z[b]));
        z_.SetDrawStyle(vb::draw::vbDash);
        if (kopie3)
            Linie(L.xAchse3 + L.MassstabBelastung * V[a], ya, L.xAchse3 + L.MassstabBelastung * V[b],
                  Y1(Z[b]));
        else
            Linie(L.xAchseWiderstand + s * V[a], ya, L.xAchseWiderstand + s * V[b], Y1(Z[b]));
        z_.SetDrawStyle(vb::draw::vbSolid);
        if (Z[a] == s_.zAush && V[a] != 0) {
            const std::string t = F1(V[a]);
            Drucke(t, xa - TW(t) - u_, ya - TH(t) - u_);
        }
        if (vmin < 0 && V[a] == vmin && offen) {
            const std::string t = F1(vmin);
            Drucke(t, L.xAchse1 + s * vmin - TW(t) - u_, ya - TH(t) - u_);
            offen = false;
        }
    }
    Schraffieren(z_, std::span<const float>(V.data(), static_cast<size_t>(nR) + 1),
                 std::span<const float>(Z.data(), static_cast<size_t>(nR) + 1), static_cast<int16_t>(nR),
                 L.xAchse1, L.yOben1, s, L.Tiefenmassstab);
}

void Zeichnung::ErdwiderstandNotizen() {
    SchriftKlein(z_);
    z_.SetFontTransparent(false);
    const bool ts = Teilsicherheiten();
    const float yNotiz = L.yOben1 + L.Tiefenmassstab * (s_.zFuss + s_.zAush) / 2.2f;
    const float th = TH("A");
    const float x = L.xAchse1 + 4 * u_;
    if (P.EtaAnpass < 1.0f && ts) {
        Drucke("etaAnpassFaktor = " + F2(P.EtaAnpass), Grafik().BildLinks + 4 * u_, yNotiz);
        Drucke("(gilt für Spundwand)", Grafik().BildLinks + 4 * u_, static_cast<float>(z_.CurrentY()));
    }
    {
        std::string t = (ts ? "Rhd = " : "zul.Ah = ") + F1(s_.Rhd) + (ts ? "; Rvd = " : "; zul.Av = ") +
                        F1(s_.Rvd) + " kN/m";
        if (P.Wandart == 1) t += "; RFak = " + Trim(Format(s_.EpFaktor, "0.000"));
        Drucke(t, x, yNotiz);
    }
    if (std::fabs(s_.Rvd) > 0.5f && P.Wandart == 2 && wandfuss_ == 3)
        Drucke("(mit Wandreibungswinkel <> 0)", x, yNotiz + th);
    if (P.Wandart == 1) {
        const float summe = s_.EdFuss + s_.AbgeschnDruck;
        Drucke((ts ? "Ehd = " : "vorh.Ah = ") + F1(s_.AbgeschnDruck) + " + " + F1(s_.EdFuss) + " = " +
                   F1(summe) + " kN/m",
               x, yNotiz + th);
        if (s_.Rhd != 0) // without a horizontal resistance the vertical share cannot be given
            Drucke((ts ? "Evd = Ehd * Rvd / Rhd = " : "vorh.Av = zul.Av * vorh.Ah / zul.Ah = ") +
                       F1(summe * s_.Rvd / s_.Rhd) + " kN/m",
                   x, yNotiz + 2 * th);
        if (s_.AnzSigmaVPlot > 0) {
            float vmin = 999999.0f;
            for (int i = 1; i <= s_.AnzSigmaVPlot; ++i)
                vmin = std::min(vmin, s_.SigmaVWert[static_cast<size_t>(i)]);
            Drucke(Format(vmin, "####0.0") + " * " + Format(s_.EpFaktor, "0.000") + " = " +
                       Format(s_.EpFaktor * vmin, "####0.0") + " (TBW)",
                   x, yNotiz + 3 * th);
        }
    }
    z_.SetFontTransparent(true);
    SchriftNormal(z_);
}

void Zeichnung::Spalte2(Figur& f) {
    const float s = L.MassstabDruck;
    const int n = f.n;
    float vmax = f.vmaxStart;
    for (int i = 1; i <= n; ++i)
        vmax = std::max(vmax, f.v[static_cast<size_t>(i)]);
    bool offen = true;
    bool gekreuzt = false; // this figure crosses the excavation level
    float eAushub = 0;
    auto X = [&](float v) { return f.achse + s * v; };
    for (int i = 0; i < f.segmente; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        Linie(X(f.v[a]), Y1(f.z[a]), X(f.v[b]), Y1(f.z[b]));
        if (f.z[a] < s_.zAush && s_.zAush <= f.z[b]) {
            eAushub = f.v[a] + (f.v[b] - f.v[a]) * (s_.zAush - f.z[a]) / (f.z[b] - f.z[a]);
            gekreuzt = true;
            if (!(f.aushubOhneNull && eAushub == 0)) {
                const std::string t = F1(eAushub);
                Drucke(t, X(eAushub) + u_, Y1(s_.zAush) - TH(t));
            }
        }
        const size_t p = f.maxAmFolgepunkt ? b : a;
        if (f.v[p] == vmax && vmax > f.maxGrenze && offen) {
            const std::string t = F1(vmax);
            Label(t, X(f.v[p]) + f.maxVersatz * u_, Y1(f.z[p]) - TH(t), true, L.yOben1);
            offen = false;
        }
    }
    // the part below the excavation level that a soldier-pile wall does not take, crossed out; only where
    // the figure itself crosses the excavation level
    if (f.kreuz && (!f.kreuzNurMitMax || vmax > 0) && gekreuzt) {
        z_.SetDrawWidth(8);
        Linie(f.achse, Y1(s_.zAush), X(f.vF), Y1(s_.zFuss));
        Linie(f.achse, Y1(s_.zFuss), X(eAushub), Y1(s_.zAush));
        z_.SetDrawWidth(1);
    }
    if (f.endLabel) {
        const std::string t = F1(f.endWert);
        Label(t, X(f.endWert) + u_, Y1(f.endTiefe) - TH(t), true, L.yOben1);
    }
    Schraffieren(z_, std::span<const float>(f.v.data(), static_cast<size_t>(n) + 1),
                 std::span<const float>(f.z.data(), static_cast<size_t>(n) + 1), static_cast<int16_t>(n),
                 f.achse, L.yOben1, s, L.Tiefenmassstab);
}

void Zeichnung::Zusatzspannungen() {
    const std::string t = std::string(Teilsicherheiten() ? "(d) " : "") + "Zusatzdruck";
    Drucke(t, L.xZusatz - TW(t) / 3, L.yOben1 - TH(t));
    const int m = std::min<int>(s_.AnzZusatzSpannung, kMaxZusatz);
    if (m > 0) {
        // a working copy: the stage's own table stays as entered
        Figur f;
        f.z.assign(static_cast<size_t>(m) + 2, 0.0f);
        f.v.assign(static_cast<size_t>(m) + 2, 0.0f);
        for (int i = 1; i <= m; ++i) {
            const size_t k = static_cast<size_t>(i);
            f.z[k] = s_.ZusZ[k];
            f.v[k] = s_.ZusSpannung[k] * (Teilsicherheiten() ? zormc::St.ZspSkala : 1.0f);
        }
        int k = m;
        const float zm = m_.MaxZSigmaV;
        if (zm > 0)
            for (int i = 1; i <= m; ++i) {
                const size_t a = static_cast<size_t>(i);
                if (f.z[a] >= zm) {
                    const float dz = f.z[a] - f.z[a - 1];
                    if (dz != 0) f.v[a] = f.v[a - 1] + (f.v[a] - f.v[a - 1]) / dz * (zm - f.z[a - 1]);
                    f.z[a] = zm;
                    k = i;
                    break;
                }
            }
        f.n = k;
        f.achse = L.xZusatz;
        f.vmaxStart = -99999.0f;
        f.aushubOhneNull = true;
        f.maxAmFolgepunkt = true;
        f.segmente = k;
        f.kreuz = P.Wandart == 1;
        f.vF = f.v[static_cast<size_t>(k) - 1];
        Spalte2(f);
    }
    int16_t weg = 0;
    DruckfigurAusDatei(z_, "ZOReZsp." + Endung(), weg, L.xAchse2, (L.xAchse2 - L.xAchse1) / 3,
                       L.MassstabDruck, L.yOben1, L.Tiefenmassstab, 0, L.ResDeltaTZusatz);
}

void Zeichnung::AbgeschnittenerDruck() {
    if (P.Wandart != 1) return;
    SchriftKlein(z_);
    z_.SetFontTransparent(false);
    const float yC = L.yOben1 + L.Tiefenmassstab * (s_.zFuss + s_.zAush) / 2;
    const std::string D = F1(s_.AbgeschnDruck), U = F1(zormc::St.AbgeschnUmlagern);
    if (P.EntlastFaktor != 0 && s_.UmFigur != 0) {
        const std::string z1 =
            Format(1 - P.EntlastFaktor, "0.00") + " * abgeschn. Druck = " + D + " kN/m zum Erdauflager";
        const float x = L.xAchse2 - TW(z1) / 2;
        Drucke(z1, x, yC);
        const std::string z2 =
            Format(P.EntlastFaktor, "0.00") + " * abgeschn. Druck = " + U + " kN/m umlagern nach oben";
        Drucke(z2, x, yC - TH(z2));
    } else {
        Mittig("abgeschn. Druck = " + D + " kN/m", L.xAchse2, yC);
    }
    z_.SetFontTransparent(true);
    SchriftNormal(z_);
}

// ---------------------------------------------------------------- resulting wall load and bedding

void Zeichnung::Lastbildkopie() {
    const int m = s_.AnzAuflagerVersch;
    if (m <= 0) return;
    const float sB = L.MassstabBelastung;
    z_.SetDrawStyle(vb::draw::vbDash);
    for (int i = 1; i <= m; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        Linie(L.xAchse3 + sB * s_.LastbildKopieE[a], Y1(s_.LastbildKopieZ[a]),
              L.xAchse3 + sB * s_.LastbildKopieE[b], Y1(s_.LastbildKopieZ[b]));
    }
    // the copy plus the earth resistance of column 1, from the excavation level down to the base of the
    // redistribution; lists that do not fit the work lists or cannot be added leave this line out
    const int nR = s_.AnzSigmaVPlot;
    if (m <= kMaxArbeitsliste && nR >= 1 && nR <= kMaxArbeitsliste) {
        using Feld = std::array<float, kMaxArbeitsliste + 1>;
        Feld e1{}, z1{}, e2{}, z2{}, e3{}, z3{};
        for (int i = 1; i <= m; ++i) {
            e1[static_cast<size_t>(i)] = s_.LastbildKopieE[static_cast<size_t>(i)];
            z1[static_cast<size_t>(i)] = s_.LastbildKopieZ[static_cast<size_t>(i)];
        }
        int16_t n1 = static_cast<int16_t>(m), n2 = 0, n3 = 0;
        try {
            zormc::KurveAbTiefe(e1, e2, e3, z1, z2, z3, n1, n2, n3, s_.HUmlagerung, s_.zFuss);
            for (int i = 1; i <= nR; ++i) {
                e2[static_cast<size_t>(i)] = s_.SigmaVWert[static_cast<size_t>(i)];
                z2[static_cast<size_t>(i)] = s_.SigmaVZ[static_cast<size_t>(i)];
            }
            n2 = static_cast<int16_t>(nR);
            zormcom::DiagrammAddieren(12360, e1, e2, e3, z1, z2, z3, n1, n2, n3, 1);
            n1 = n3;
            for (int i = 1; i <= n3; ++i) {
                e1[static_cast<size_t>(i)] = e3[static_cast<size_t>(i)];
                z1[static_cast<size_t>(i)] = z3[static_cast<size_t>(i)];
            }
            for (int i = 1; i < n1; ++i) {
                const size_t a = static_cast<size_t>(i), b = a + 1;
                if (z1[a] >= s_.zAush)
                    Linie(L.xAchse3 + sB * e1[a], Y1(z1[a]), L.xAchse3 + sB * e1[b], Y1(z1[b]));
                if (z1[b] >= s_.HUmlagerung) break;
            }
            L.UeberlagerungGezeichnet = true;
        } catch (const zor::CalcAbort&) {
            // the two lists cannot be brought together: the sum is left out
        }
    }
    z_.SetDrawStyle(vb::draw::vbSolid);
}

void Zeichnung::Wandbelastung() {
    const int n = s_.AnzKoten;
    auto& Z = s_.KoteZ;
    auto& W = s_.WandBelastung;
    Z[static_cast<size_t>(n) + 1] = Z[static_cast<size_t>(n)];
    float mx = -999999.0f, mn = 999999.0f;
    for (int i = 1; i <= n; ++i) {
        mx = std::max(mx, W[static_cast<size_t>(i)]);
        mn = std::min(mn, W[static_cast<size_t>(i)]);
    }
    W[static_cast<size_t>(n) + 1] = W[static_cast<size_t>(n)];
    bool aushubOffen = true, maxOffen = true;
    bool& minOffen = minOffenBelastung_;
    minOffen = true;
    const float sB = L.MassstabBelastung;
    const float viertel[3] = {s_.zAush * 0.25f, s_.zAush * 0.5f, s_.zAush * 0.75f};
    for (int i = 0; i <= n; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        const float x = L.xAchse3 + sB * W[a], y = Y1(Z[a]);
        Linie(x, y, L.xAchse3 + sB * W[b], Y1(Z[b]));
        const std::string t = F1(W[a]);
        if (Z[a] >= s_.zAush && aushubOffen) {
            Label(t, x + u_, y - TH(t), true, L.yOben1);
            aushubOffen = false;
        }
        if (Z[a] == viertel[0] || Z[a] == viertel[1] || Z[a] == viertel[2])
            Label(t, x + u_, y - TH(t), true, L.yOben1);
        if (W[a] == mx && mx > 0 && maxOffen) {
            const std::string tm = F1(mx);
            Label(tm, x + u_, y - TH(tm), true, L.yOben1);
            maxOffen = false;
        } else if (W[a] == mn && mn < 0 && minOffen) {
            const std::string tm = F1(mn);
            Label(tm, x - TW(tm) - u_, y - TH(tm), true, L.yOben1);
            minOffen = false;
        }
    }
    KurveSchraffieren(W, L.xAchse3, L.yOben1, sB);
}

void Zeichnung::Rammtiefenzuschlag() {
    if (!vb::FileExists("ZOREwidvW." + Endung())) return;
    SchriftKlein(z_);
    const std::string t = "Rammtiefenzuschlag  " + Format(s_.DeltaTPlot, "0.00") +
                          " m wegen Summe H = " + Format(g_.SummeH, "0.0") + " kN/m";
    const float x0 = L.xAchse3 - 0.55f * TW(t);
    Drucke(t, x0, Y1(s_.KoteZ[static_cast<size_t>(s_.AnzKoten)]) + TH(t) / 2);
    for (const char* zeile : {"erforderlich. Zusammenstellung siehe Textausgabe.",
                              "Für deltaT wird auch der erdseitige Druck ab UK Wand",
                              "angesetzt. Das tun andere Programme eventuell nicht."})
        Drucke(zeile, x0, static_cast<float>(z_.CurrentY()));
    auto f = [](float v) { return Format(v, "0.0"); };
    std::string gl = f(g_.SummeH) + " + " + f(-L.ResDeltaTWiderstand) + " - " + f(L.ResDeltaTErddruck);
    if (L.ResDeltaTWasser != 0) gl += " - " + f(L.ResDeltaTWasser);
    if (L.ResDeltaTZusatz != 0) gl += " - " + f(L.ResDeltaTZusatz);
    gl += " = " +
          f(g_.SummeH - L.ResDeltaTWiderstand - L.ResDeltaTErddruck - L.ResDeltaTWasser - L.ResDeltaTZusatz) +
          " ; Gleichgewicht erfüllt.";
    Drucke(gl, x0, static_cast<float>(z_.CurrentY()));
    SchriftNormal(z_);
}

void Zeichnung::Fusskraft() {
    if (wandfuss_ == 3) return;
    SchriftKlein(z_);
    z_.SetFontTransparent(false);
    const bool ts = Teilsicherheiten();
    std::vector<std::string> zeilen;
    if (ts) {
        zeilen.push_back("Ehd = " + Format(s_.EdFuss, kF1) + "; Rhd = " + F1(s_.RdFuss) + " kN/m");
        if (P.Wandart == 1) zeilen.push_back("(mit TBW-Reduktionsfakt. 0,80)");
    } else {
        const char* kraft = P.Wandart == 1 ? "E" : "A";
        zeilen.push_back(std::string("zul.") + kraft + " = " + F1(s_.RdFuss) + "; vorh." + kraft + " = " +
                         Format(s_.EdFuss, kF1) + " kN/m");
    }
    // beside the axis; where the column is too narrow for the note, as far right as the depth scale leaves
    // room
    float breite = 0;
    for (const auto& t : zeilen)
        breite = std::max(breite, TW(t));
    const float x = std::min(L.xAchse3 + 4 * u_, xSkala_ - u_ - breite);
    float xZeile = x, y = Y1((s_.zFuss + s_.zAush) / 2);
    for (const auto& t : zeilen) {
        Drucke(t, xZeile, y);
        y = static_cast<float>(z_.CurrentY());
        // a second line starts where the first went (it may have moved to a free place)
        const auto& b = g_.Beschriftungen;
        if (!b.empty() && b.back().text == t) xZeile = static_cast<float>(z_.FromTwipsX(b.back().x1));
    }
    z_.SetFontTransparent(true);
    SchriftNormal(z_);
}

// Reads "depth, ordinate" pairs: n pairs (n < 0: every line of the file). False when the file is missing
// or shorter than its count.
bool PaareLesen(const std::string& name, bool mitAnzahl, std::vector<float>& zl, std::vector<float>& el,
                int& n) {
    if (!vb::FileExists(name)) return false;
    try {
        vb::FileGuard f(name, vb::OpenMode::Input);
        if (mitAnzahl) {
            int16_t k = 0;
            vb::Input(f.nr(), k);
            if (k < 1) return false;
            n = k;
        } else {
            n = 0;
            while (!vb::Eof(f.nr())) {
                const std::string zeile = vb::LineInput(f.nr());
                if (!Trim(zeile).empty()) ++n;
            }
            f.Close();
            vb::FileGuard g(name, vb::OpenMode::Input);
            zl.assign(static_cast<size_t>(n) + 2, 0.0f);
            el.assign(static_cast<size_t>(n) + 2, 0.0f);
            for (int i = 1; i <= n; ++i)
                vb::Input(g.nr(), zl[static_cast<size_t>(i)], el[static_cast<size_t>(i)]);
            return true;
        }
        zl.assign(static_cast<size_t>(n) + 2, 0.0f);
        el.assign(static_cast<size_t>(n) + 2, 0.0f);
        for (int i = 1; i <= n; ++i)
            vb::Input(f.nr(), zl[static_cast<size_t>(i)], el[static_cast<size_t>(i)]);
        return true;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

bool Zeichnung::VergleichLesen(Vergleich& v) const {
    v.verw = PaareLesen("ZOREwidVerw." + Endung(), false, v.zv, v.ev, v.nVerw);
    if (!v.verw) v.nVerw = 0;
    if (!PaareLesen("ZOREwid." + Endung(), true, v.zl, v.el, v.n))
        return false; // no resistance list: left out
    auto& zl = v.zl;
    auto& el = v.el;
    const int n = v.n;
    v.mn = 999999.0f;
    for (int i = 1; i <= n; ++i) {
        el[static_cast<size_t>(i)] *= s_.EpFaktor;
        v.mn = std::min(v.mn, el[static_cast<size_t>(i)]);
    }
    for (int i = n; i >= 1; --i)
        if (zl[static_cast<size_t>(i) - 1] == s_.zFuss) el[static_cast<size_t>(i)] = 0;
    zl[static_cast<size_t>(n) + 1] = zl[static_cast<size_t>(n)];
    el[static_cast<size_t>(n) + 1] = el[static_cast<size_t>(n)];
    zl[0] = zl[1];
    el[0] = 0;
    return true;
}

// The vertical captions of the comparison, in the small font, each read upward from its point.
std::vector<Zeichnung::Gedreht> Zeichnung::VergleichTexte(const Vergleich& v) const {
    const bool ts = Teilsicherheiten();
    const float th = TH("A"), sS = L.MassstabSigmaV;
    const std::string A = "Unterschiedliche Maßstäbe auf beiden Seiten!";
    const std::string B = "Vorgelagerter Erdwiderstand bzw. Rest-W. nach";
    const std::string C =
        std::string("Umlag./Überlag.") + (v.nVerw > 1 ? " bzw. Bereich der Senkfedern." : "");
    const std::string D = "Wirkt nicht mit auf die Wand; kein Erdauflager.";
    const std::string E = "Nur bei Summe H enthalten, zusätzlich zum Felslager.";
    std::vector<Gedreht> t;
    float yT = L.yOben1 + TW(B);
    const float ep = s_.EpFaktor != 0 ? s_.EpFaktor : 1.0f;
    float xT = L.xAchse3 + sS * (v.mn / ep);
    xT = std::min(xT, L.xAchse3 - 5 * th);
    if (wandfuss_ == 3 && s_.BettungPlot == 0) {
        yT = L.yOben1 + TW(E);
        t.push_back({xT + 2 * th, yT, D});
        t.push_back({xT + 3 * th, yT, E});
    }
    t.push_back({xT - th, yT, A});
    t.push_back({xT, yT, B});
    t.push_back({xT + th, yT, C});
    if (v.verw && v.nVerw >= 1) {
        t.push_back({xT + 2 * th, yT, "(zum Vergleich mit dicker Linie aus Bettung)"});
        const std::string F = ts ? "dick: ERF. Erdwidst.(k) = (red.) Bettung(k) * Verformung(k)"
                                 : "dick: ERF. Erdwidstand = (red.) Bettung * Verformung";
        const std::string G = ts ? "dünn: Erdwiderstand (k) = außen, (d) = innen"
                                 : "dünn: Erdwiderstand = außen, Erdwid. / eta = innen";
        yT = L.yOben1 + TW(F);
        t.push_back({Grafik().BildRechts - 3 * th, yT, F});
        t.push_back({Grafik().BildRechts - 4 * th, yT, G});
    }
    return t;
}

void Zeichnung::WiderstandVergleich(Vergleich& v) {
    auto& zl = v.zl;
    auto& el = v.el;
    auto& zv = v.zv;
    auto& ev = v.ev;
    const int n = v.n, nVerw = v.nVerw;
    const float mn = v.mn;
    const float xW = L.xAchseWiderstand, sS = L.MassstabSigmaV;
    Linie(xW, Y1(s_.zAush), xW, Y1(s_.zFuss));
    bool offen = true;
    const bool ts = Teilsicherheiten();
    for (int i = 0; i <= n; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        Linie(xW + sS * el[a], Y1(zl[a]), xW + sS * el[b], Y1(zl[b]));
        z_.SetDrawStyle(vb::draw::vbDot);
        Linie(xW + sS * P.Etap * el[a], Y1(zl[a]), xW + sS * P.Etap * el[b], Y1(zl[b]));
        z_.SetDrawStyle(vb::draw::vbSolid);
        if (el[a] == mn && mn < 0 && offen) {
            const std::string t1 = F1(mn) + (ts ? "(d)" : "");
            Drucke(t1, xW + sS * mn - TW(t1) - u_, Y1(zl[a]) - TH(t1));
            const std::string t2 = F1(P.Etap * mn) + (ts ? "(k)" : "");
            Drucke(t2, xW + sS * mn - TW(t2) - u_, Y1(zl[a]) - 2 * TH(t2));
            offen = false;
        }
    }
    // vertical captions; the thick line of the bedding is drawn between the first captions and the
    // last two
    SchriftKlein(z_);
    const std::vector<Gedreht> texte = VergleichTexte(v);
    const size_t vorDerLinie = v.verw && nVerw >= 1 ? texte.size() - 3 : texte.size();
    for (size_t k = 0; k < vorDerLinie; ++k)
        TextGedreht(z_, 900, texte[k].x, texte[k].y, texte[k].text, 0);
    if (v.verw && nVerw >= 1) {
        zv[0] = zv[1];
        zv[static_cast<size_t>(nVerw) + 1] = zv[static_cast<size_t>(nVerw)];
        ev[0] = 0;
        z_.SetDrawWidth(z_.IsPrinter() ? 8 : 4);
        for (int i = 1; i <= nVerw; ++i) {
            const size_t a = static_cast<size_t>(i) - 1, b = a + 1;
            Linie(xW - sS * ev[a], Y1(zv[a]), xW - sS * ev[b], Y1(zv[b]));
        }
        z_.SetDrawWidth(1);
        for (size_t k = vorDerLinie; k < texte.size(); ++k)
            TextGedreht(z_, 900, texte[k].x, texte[k].y, texte[k].text, 0);
    }
    SchriftNormal(z_);
    z_.SetDrawWidth(1);
    L.VergleichGezeichnet = true;
}

// ---------------------------------------------------------------- state quantities

void Zeichnung::KurveSchraffieren(const std::vector<float>& werte, float achse, float y0, float skala) {
    const int n = s_.AnzKoten;
    Schraffieren(z_, std::span<const float>(werte.data(), static_cast<size_t>(n) + 1),
                 std::span<const float>(s_.KoteZ.data(), static_cast<size_t>(n) + 1), static_cast<int16_t>(n),
                 achse, y0, skala, L.Tiefenmassstab);
}

namespace {
std::vector<float> Negiert(const std::vector<float>& v) {
    std::vector<float> r(v.size());
    std::transform(v.begin(), v.end(), r.begin(), [](float x) { return -x; });
    return r;
}
} // namespace

// The two lines of the note beside the deformation axis, in the font in force (the small one).
std::vector<Zeichnung::Gedreht> Zeichnung::VerformungHinweis() const {
    const int n = s_.AnzKoten;
    const auto& V = s_.Verformung;
    const auto& Z = s_.KoteZ;
    const float s = L.MassstabVerformung;
    const float y = Grafik().BildUnten - 60 * u_;
    const std::string t1 = "siehe Hinweise beim Textausdruck", t2 = "unterhalb ZUSTANDS-GRÖSSEN";
    // the note stands beside the axis, and right of the curve where the curve reaches across the axis
    // within the note's height (the text reads upward from y); the deformation past point n is the one at n
    const float oben = y - TW(t1);
    float x = L.xAchse1;
    for (int i = 0; i <= n; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        const float ya = Y2(Z[a]), yb = Y2(Z[b]);
        if (std::max(ya, yb) < oben || std::min(ya, yb) > y) continue;
        const float vb = V[i < n ? b : a];
        x = std::max({x, L.xAchse1 - s * V[a] + u_, L.xAchse1 - s * vb + u_});
    }
    return {{x, y, t1}, {x + TH(t2), y, t2}};
}

void Zeichnung::Verformung() {
    const int n = s_.AnzKoten;
    auto& V = s_.Verformung;
    const auto& Z = s_.KoteZ;
    V[static_cast<size_t>(n) + 1] = V[static_cast<size_t>(n)];
    const float s = L.MassstabVerformung;
    bool maxO = true, minO = true;
    for (int i = 0; i <= n; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        Linie(L.xAchse1 - s * V[a], Y2(Z[a]), L.xAchse1 - s * V[b], Y2(Z[b]));
        if (maxO || minO)
            MaxWertSchreiben(z_, V[a], m_.MaxVerformung, m_.MinVerformung, maxO, minO, L.xAchse1, 0, s,
                             L.yOben2, L.Tiefenmassstab * Z[a], 1);
    }
    SchriftKlein(z_);
    for (const Gedreht& t : VerformungHinweis())
        TextGedreht(z_, 900, t.x, t.y, t.text, 0);
    SchriftNormal(z_);
    KurveSchraffieren(Negiert(V), L.xAchse1, L.yOben2, s);
}

void Zeichnung::Moment() {
    const int n = s_.AnzKoten;
    auto& M = s_.Moment;
    const auto& Z = s_.KoteZ;
    M[static_cast<size_t>(n) + 1] = M[static_cast<size_t>(n)];
    const float s = L.MassstabMoment, achse = L.xAchse2 - L.Versatz;
    bool maxO = true, minO = true, gelenk = false;
    const float zG = zormc::St.zGelenk;
    for (int i = 1; i <= n; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        Linie(achse - s * M[a], Y2(Z[a]), achse - s * M[b], Y2(Z[b]));
        if (maxO || minO)
            MaxWertSchreiben(z_, M[a], m_.MaxMoment, m_.MinMoment, maxO, minO, L.xAchse2, -L.Versatz, s,
                             L.yOben2, L.Tiefenmassstab * Z[a], 1);
        if (zG > 0 && std::fabs(zG - Z[a]) < 0.005f && !gelenk) {
            const std::string t = "Gelenk z = " + F2(zG);
            Drucke(t, achse + 30 * u_, Y2(Z[a]) - TH(t) / 2);
            gelenk = true;
        }
    }
    KurveSchraffieren(Negiert(M), achse, L.yOben2, s);
}

void Zeichnung::Normalkraft() {
    const int n = s_.AnzKoten;
    auto& N = s_.Normalkraft;
    const auto& Z = s_.KoteZ;
    N[static_cast<size_t>(n) + 1] = N[static_cast<size_t>(n)];
    const float s = L.MassstabNormalkraft, achse = L.xAchse2 + L.Versatz;
    bool maxO = true, minO = true;
    for (int i = 0; i <= n; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        const float x = achse - s * N[a], y = Y2(Z[a]);
        Linie(x, y, achse - s * N[b], Y2(Z[b]));
        if (i == 1 && std::fabs(N[a]) > 1.0f) {
            const std::string t = F1(N[a]);
            Label(t, x + u_, y - TH(t) / 2, true, L.yOben2);
        }
        if (i == n) {
            const std::string t = F1(N[a]);
            Label(t, x + 4 * u_, y - TH(t), true, L.yOben2);
            L.SummeV = -N[a];
            const std::string sv =
                std::string(Teilsicherheiten() ? "(d) Sum V = " : "Sum V = ") + F1(L.SummeV) + " kN/m";
            Mittig(sv, achse, Grafik().BildUnten - TH(sv) - 14 * u_);
            if (L.SummeV < 0) Mittig("(nach oben)", achse, Grafik().BildUnten - 16 * u_);
        } else if (N[a] == m_.MaxNormalkraft && m_.MaxNormalkraft > 0.1f && maxO) {
            const std::string t = F1(m_.MaxNormalkraft);
            Label(t, x - TW(t) - u_, y - TH(t) / 2, true, L.yOben2);
            maxO = false;
        } else if (N[a] == m_.MinNormalkraft && m_.MinNormalkraft < 0 && minO) {
            const std::string t = F1(m_.MinNormalkraft);
            Label(t, x + u_, y - TH(t) / 2, true, L.yOben2);
            minO = false;
        }
    }
    KurveSchraffieren(Negiert(N), achse, L.yOben2, s);
}

void Zeichnung::Querkraft() {
    const int n = s_.AnzKoten;
    auto& Q = s_.Querkraft;
    const auto& Z = s_.KoteZ;
    Q[static_cast<size_t>(n) + 1] = Q[static_cast<size_t>(n)];
    const float s = L.MassstabQuerkraft, achse = L.xAchse3;
    bool maxO = true, minO = true, gekoppelt = false, reduziert = false;
    int spruenge = 0;
    float f = 1, gelenkSumme = 0;
    float ende[2] = {0, 0};
    int enden = 0;
    const bool gebettet = stufe_ >= 1 && stufe_ <= 20 && P.FussGebettet[stufe_] != 0;
    const float zG = zormc::St.zGelenk;
    auto X = [&](float q) { return achse + s * q; };
    for (int i = 1; i <= n; ++i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        const float q1 = Q[a], q2 = Q[b], y1 = Y2(Z[a]), y2 = Y2(Z[b]);
        Linie(X(q1), y1, X(q2), y2);
        if (!reduziert && Z[a] > s_.zAush && q1 > 0) {
            if (wandfuss_ == 4) {
                f = 0.5f;
                reduziert = true;
            } else if (s_.EinspErg > 0.02f && !gebettet) {
                f = 1 - 0.5f * s_.EinspErg / 100;
                reduziert = true;
            }
        }
        if (reduziert) {
            z_.SetDrawStyle(vb::draw::vbDot);
            Linie(achse + s * f * q1, y1, achse + s * f * q2, y2);
            z_.SetDrawStyle(vb::draw::vbSolid);
            if (i == n - 1) {
                SchriftKlein(z_);
                g_.TextPuffer = F1(f * q2);
                z_.SetCurrentX(achse + s * f * q2);
                z_.SetCurrentY(y2);
                TextYPruefen(z_, L.yOben2);
                Beschriften(z_, g_.TextPuffer + " (abgemindert)", vb::draw::PrintEnd::NewLine);
                SchriftNormal(z_);
            }
        }
        if (q1 * q2 <= 0.0f && spruenge == 0 && std::fabs(Z[b] - Z[a]) < 0.001f) spruenge = 2;
        if (maxO || minO)
            MaxWertSchreiben(z_, q1, m_.MaxQuerkraft, m_.MinQuerkraft, maxO, minO, achse, 0, s, L.yOben2,
                             L.Tiefenmassstab * Z[a], -1);
        if (!(Z[a] > s_.zAush && s_.BettungPlot == 1) && spruenge > 0) {
            const std::string t = F1(q1);
            if (q1 > 0 && q1 != m_.MaxQuerkraft)
                Label(t, X(q1) + u_, y1 - TH(t), true, L.yOben2);
            else if (q1 < -0.02f && q1 != m_.MinQuerkraft)
                Label(t, X(q1) - u_ - TW(t), y1 - TH(t), true, L.yOben2);
            --spruenge;
        }
        if (zG > 0 && std::fabs(Z[a] - zG) < 0.002f) {
            const std::string t = F1(q1);
            if (q1 > 0) {
                const float tw = TW(t);
                Label(t, X(q1), y1 - TH(t), true, L.yOben2);
                ende[enden == 0 ? 0 : 1] = X(q1) + tw;
                enden = std::min(enden + 1, 2);
            } else if (q1 < -0.02f) {
                Label(t, X(q1) - 2 * u_ - TW(t), y1 - TH(t), true, L.yOben2);
            }
            gelenkSumme += Z[a] < zG ? -q1 : q1;
        }
        if (gelenkSumme != 0 && !gekoppelt && Z[a] > zG) {
            const std::string t = "dQ = " + F1(gelenkSumme);
            const float x =
                enden == 0 ? achse + 30 * u_ : (enden == 1 ? ende[0] : std::max(ende[0], ende[1])) + 5 * u_;
            Drucke(t, x, y2 - TH(t) / 2);
            Drucke("(Koppelkraft)", x, y2 + TH(t) / 2);
            gekoppelt = true;
        }
    }
    if (wandfuss_ == 3) {
        SchriftKlein(z_);
        const float qn = Q[static_cast<size_t>(n)];
        const std::string t = "Felslager H(d) = " + Format(-qn, kF1) + " kN/m";
        Drucke(t, qn > 0 ? achse - TW(t) : achse + 2 * u_, Y2(Z[static_cast<size_t>(n)]) - TH(t));
        SchriftNormal(z_);
    }
    KurveSchraffieren(Q, achse, L.yOben2, s);
}

} // namespace

ErgebnisLayout ErgebnisseZeichnen(Flaeche& z, int16_t lf, int16_t stufe) {
    Zeichnung d(z, lf, stufe);
    return d.Zeichnen();
}

} // namespace zorg
