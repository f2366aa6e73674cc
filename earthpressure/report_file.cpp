// The report text file of a run: creation, page head, label table and number output.
#include "earthpressure/report_file.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zorma {

Berichtzustand Bericht;

void BerichtZuruecksetzen() {
    Bericht = Berichtzustand{};
}

namespace {

// The fixed labels of the report, before the indent is put in front.
void labelsEintragen(std::array<std::string, 121>& t) {
    t[0] = "E R D S C H I C H T   NR. ";
    t[1] = "Schichthöhe           (m) ";
    t[2] = "Innere Reibung        (°) ";
    t[3] = "Wandreib. aktiv    (+- °) ";
    t[4] = "Kohäsion aktiv    (kN/m2) ";
    t[5] = "gamma Bod. feucht (kN/m3) ";
    t[6] = "gamma Bod. Auftr. (kN/m3) ";
    t[7] = "Wand-E*I/m       (MNm2/m) ";
    t[9] = "Kohäsion passiv   (kN/m2) ";
    t[10] = "Beiwert kagh        -";
    t[11] = "    NICHT wirksam, wenn res.k vorgegegen wird.";
    t[13] = "Ruhedruck-Anteil aus Bodengewicht + großfl. Lasten (%) :";
    t[14] = "Kote oben             (m) ";
    t[15] = "Wandbelastungen luftseitig pro m Wandlänge ";
    t[16] = "Flächenlasten vertikal und horizontal pro m Wandlänge ";
    t[17] = "Lasteingabe durch Eingabe von   0   beenden";
    t[18] = "H*  + , wenn die Kraft gegen das Erdreich drückt.";
    t[19] = "M*  + , wenn das Moment luftseitig von oben nach unten";
    t[20] = "        gegen das Erdreich dreht.";
    t[21] = "BÖSCHUNGEN auf der Erdseite ;  Gelände ab (x2,z2) horizontal";
    t[22] = "Anfang   Ende   Kote1  Kote2  spez.Gew.  Innere Reibung";
    t[23] = " x1(m)   x2(m)  z1(m)  z2(m)  ga(kN/m3)     (°)";
    t[24] = "Kote unten            (m) ";
    t[25] = "LASTEN auf der Aushubsohle ";
    t[26] = "Anfang   Ende    Last    Kote";
    t[27] = " x1(m)   x2(m)   kN/m2   z (m)";
    t[29] = "ABBÖSCHUNG  der Aushubsohle ";
    t[30] = "von x1  bis x2   Tiefe     x1, x2 jeweils negativ.";
    t[31] = "   (m)     (m)     (m)     Tiefe nach unten ab Aushubkote.";
    t[33] = "Horizontale Zusatzspannungen ";
    t[34] = "        Kote  Spannung (+,-); keine Umlag. / Redukt. dieser Sp.";
    t[35] = "        z(m)    kN/m2";
    t[37] = "    Konzentrationsfaktor des Bodens nach Fröhlich    : ";
    t[38] = "    Verteilung als RECHTECK ........................ :  0";
    t[39] = "                   DREIECK, max. Lastordinate mittig :  1";
    t[40] = "                   DREIECK, max. Lastordinate oben   :  2";
    t[41] = "Reibungswinkel Erdseite am Wandfuß für C-Kraft (+,-) .. :";
    t[42] = "bei Einsp. nach Blum; intern begrenzt auf; s. dt-Ausgabe: ";
    t[43] = "Als Mindest-Erddruckbeiwert  kagh' wird angesetzt ..... :";
    t[44] = "Kote    Faktor     ( e' = e * f )";
    t[45] = "z(m)   f (>= 0)    ( e nur aus Bodengewicht)";
    t[46] = "    kagh' wird bei bindigen Böden verwendet, wenn der";
    t[47] = "    Erddruck aus Bodengewicht + Kohäsion kleiner ist";
    t[48] = "    als das Bodengewicht * kagh'.";
    t[49] = "Näherungsnachweis gegen hydraul. Grundbruch nach Davidenkoff.";
    t[50] = "Lit.: R. Davidenkoff, Die Wasserwirtschaft 46 (1956)";
    t[51] = "Umlagerungsfigur  6 ( beliebige Figur )";
    t[52] = "   Der Erddruck wird vom Wandkopf bis zur Kote ze1 aufsummiert.";
    t[53] = "   Der Erddruck unterhalb der Kote ze1 wird eliminiert.";
    t[54] = "   Diese Summe ( multipliziert mit dem eingegebenen Faktor )";
    t[55] = "   wird flächengleich umgelagert bis zur Kote ze2.";
    t[56] = "   ze2 ist die zuletzt eingegebene und ausgedruckte Kote.";
    t[57] = "   Die Umlagerungsfigur ist geometrisch ähnlich ( affin )";
    t[58] = "   zu der Figur, die mittels z und e´´(z) eingegeben wird.";
    t[59] = "   Die Ordinate e´´(ze2) wird mit dem Wandfuß verbunden;";
    t[60] = "   der Erddruck E´´ zwischen ze2 und dem Wandfuß wird also ";
    t[61] = "   'angehängt'. Bei e´´(ze2) = 0.0 ist auch E´´= 0.0 ";
    t[62] = "   Bei Umlagerungsfigur 6 wird erst eah umgelagert.";
    t[64] = "   Summe umlagern affin zu folgendem Verlauf:";
    t[67] = "   z = 99 : Kennzahl für die Kote des Wandfußes";
    t[68] = "   z =  0 : summieren bis Belastungsnullpunkt.";
    t[69] = "   Zeile  Kote z (m)  Erddruck e´´(z)";
    t[70] = "Schicht  Höhe   res.k   kach   kpch   kpgh        deltaa  deltap";
    t[71] = " Nr.       m       -      -      -      -           °       °";
    t[73] = "1.  Erddruck-Beiwerte (teilweise) vorgegeben:";
    t[74] = "    Wert hier = 0.00: Berechnung erfolgt aus den Bodenwerten.";
    t[75] = "2.  Wandreibungswinkel für einzelne Aushubzustände ändern:";
    t[76] = "Sollen die bisherigen Werte überschrieben werden ?  ja = 1 ... #";
    t[77] = "Obige Wandreibungswinkel werden verwendet bei Aushub Nr.: ";
    t[81] = "Erst eah mit eph überlagern, dann den überlagerten Erddruck";
    t[82] = "bis zum Lastnullpunkt umlagern.";
    t[87] = "Erst eah bis zum Aushub umlagern, dann den umgelagerten";
    t[90] = "Horizontaler Erddruck :   ( incl. Einfluss von Böschungen,";
    t[91] = "        Kote     eah              Auflasten, Auftrieb, aber";
    t[92] = "        z(m)    kN/m2             ohne Wasserdruck )";
    t[93] = "Horizontaler Erdwiderstand gegeben";
    t[94] = "        Kote     eph ( eta = 1.0 )";
    t[98] = "Erddruck mit dem Erdwiderstand überlagern.";
    t[99] = "eah bis zum Aushub umlagern; den umgelagerten Erddruck jedoch";
    t[100] = "NICHT mit dem Erdwiderstand überlagern.";
    t[101] = "  - aktiver Erddruck:";
    t[102] = "  - Ruhedruck:";
    t[103] = "  Die Horizontaldrücke sind unabhängig von Erddruckbeiwerten.";
    t[104] = "  Ausnahme: Lasten mit   xE >= 99 m   werden mit e = q * k... behandelt.";
    t[105] = "ERDDRUCK aus begrenzten Flächenlasten";
    t[106] = "                                              Wahl   : ";
    t[107] = "L.  q(v)  q(h)  Anfang   Ende   Kote  DAUER-  Last NICHT wirksam";
    t[108] = "Nr.  (kN/m2)     xA(m)  xE(m)   z(m)  Anteil%      in Aushub Nr.";
    t[110] = "Last  Ruhedruck-  Faktor für   wirksam nur bei";
    t[111] = "Nr.   Anteil %    Ruhedruck    begrenzten Lasten (xE <= 99 m).";
    t[113] = "Aushubseite; Änderung der Bodenwichten für Sonderfälle möglich:";
    t[114] = "gamma Bod. feucht (kN/m3) ";
    t[115] = "gamma Bod. Auftr. (kN/m3) ";
}

const std::string kIndent(13, ' ');

// Continues the line at column c; where the line already reaches column c, one blank
// separates the text instead of a new line.
void anSpalte(std::string& zeile, int32_t c, const std::string& text) {
    const int32_t laenge = vb::Len(zeile);
    if (laenge < c - 1)
        zeile += std::string(static_cast<size_t>(c - 1 - laenge), ' ');
    else if (laenge >= c)
        zeile += ' ';
    zeile += text;
}

} // namespace

std::string KopfZeile(const std::string& projNr, const std::string& posName) {
    // Longest project number kept, so that "Pos. " still starts by column 55.
    constexpr int32_t kProjNrMax = 30;
    std::string zeile = kIndent + "Proj.Nr. " + vb::Left(projNr, kProjNrMax);
    anSpalte(zeile, 40, "Pos. ");
    // Room for the position name so that " S." still ends within 80 columns.
    const int32_t platz = 80 - vb::Len(zeile) - 3;
    zeile += vb::Left(posName, platz > 0 ? platz : 0);
    anSpalte(zeile, 62, "S.");
    return zeile;
}

void TexteBelegen() {
    auto& t = Bericht.BerichtText;
    for (auto& s : t)
        s.clear();
    labelsEintragen(t);
    Bericht.Einrueckung = kIndent;
    for (auto& s : t)
        if (!s.empty()) s = Bericht.Einrueckung + s;
}

std::string ZahlText(float wert, int16_t breite, int16_t stellen) {
    return vb::FormatField(wert, breite, stellen);
}

void ZahlDrucken(float wert, int16_t breite, int16_t stellen) {
    vb::PrintNoEol(kBerichtDateiNr, ZahlText(wert, breite, stellen));
}

std::vector<std::string> HinweisZeilen(const std::string& einzug, const std::string& text) {
    if (vb::Len(einzug) + vb::Len(text) <= kBerichtSpalten) return {einzug + text};
    // Broken at blanks; the blanks where a line is broken are dropped, the others stay.
    const std::string weiter = einzug + (text.rfind("*** ", 0) == 0 ? "    " : "");
    std::vector<std::string> zeilen;
    std::string zeile;  // the text of the line being filled
    int32_t laenge = 0; // its characters
    auto breite = [&] {
        return std::max<int32_t>(kBerichtSpalten - vb::Len(zeilen.empty() ? einzug : weiter), 20);
    };
    auto abschliessen = [&] {
        zeilen.push_back((zeilen.empty() ? einzug : weiter) + zeile);
        zeile.clear();
        laenge = 0;
    };
    std::size_t a = 0;
    while (a < text.size()) {
        // The blanks before the next word, and the word.
        std::size_t w0 = text.find_first_not_of(' ', a);
        if (w0 == std::string::npos) break; // blanks at the end
        const int32_t blanks = static_cast<int32_t>(w0 - a);
        std::size_t e = text.find(' ', w0);
        if (e == std::string::npos) e = text.size();
        std::string wort = text.substr(w0, e - w0);
        a = e;
        int32_t w = vb::Len(wort);
        for (;;) {
            const int32_t vor = laenge > 0 ? blanks : 0;
            if (laenge + vor + w <= breite()) {
                zeile += std::string(static_cast<std::size_t>(vor), ' ') + wort;
                laenge += vor + w;
                break;
            }
            if (laenge > 0) {
                abschliessen();
                continue;
            }
            // A word longer than a whole line: cut.
            const int32_t b = breite();
            zeile = vb::Left(wort, b);
            abschliessen();
            wort = vb::Mid(wort, b + 1);
            w = vb::Len(wort);
        }
    }
    if (laenge > 0 || zeilen.empty()) abschliessen();
    return zeilen;
}

void HinweisDrucken(const std::string& einzug, const std::string& text) {
    for (const std::string& z : HinweisZeilen(einzug, text))
        ZeileDrucken(z);
}

std::string HinweisZahl(float wert, int stellen) {
    return vb::Trim(ZahlText(wert, 1, static_cast<int16_t>(std::clamp(stellen, 0, 6))));
}

namespace {
// The first n characters of the text, which loses them: a long text goes in pieces in one pass over it.
std::string Abtrennen(std::string_view& text, int32_t n) {
    std::string stueck = vb::Left(text, n);
    text.remove_prefix(stueck.size());
    return stueck;
}
} // namespace

void TextDrucken(int spalte, const std::string& text) {
    const int32_t laenge = vb::Len(text);
    if (spalte - 1 + laenge <= kBerichtSpalten) {
        ZeileDrucken(Spalte(spalte), text);
        return;
    }
    std::string_view rest = text;
    for (int32_t k = 0; k * 60 < laenge; ++k)
        ZeileDrucken(Spalte(spalte), Abtrennen(rest, 60));
}

void SeitenkopfSchreiben() {
    auto& P = zorm1::P;

    P.Kommentar[3] = kIndent + "ZOR    B A U G R U B E N - W Ä N D E ";

    // Page head: the print engine repeats these seven lines on every page and puts the
    // page counter into the first columns of the line holding "Proj".
    ZeileBeenden();
    ZeileBeenden();
    ZeileDrucken(KopfZeile(P.ProjNr, P.PosName));
    ZeileBeenden();
    // The page head keeps its seven lines: an office line longer than the report is cut.
    ZeileDrucken(vb::Left(P.Kommentar[1], kBerichtSpalten));
    ZeileDrucken(vb::Left(P.Kommentar[2], kBerichtSpalten));
    ZeileBeenden();

    // Title block.
    ZeileBeenden();
    // A title too long for the line goes on in pieces of 60 characters, as the file's name below; the date
    // stays behind its last piece (on a line of its own where that piece reaches its column).
    const std::string datum = vb::Left(P.Datum, 64);
    std::string_view titel = P.ProjBez;
    int32_t titelLaenge = vb::Len(titel);
    if (titelLaenge > 64) {
        for (; titelLaenge > 60; titelLaenge -= 60)
            ZeileDrucken(Spalte(14), Abtrennen(titel, 60));
    }
    ZeileDrucken(kIndent + std::string(titel), Spalte(78 - vb::Len(datum)), datum);
    P.Kommentar[4] = kIndent + std::string(64, '=');
    ZeileDrucken(P.Kommentar[4]);
    ZeileDrucken(P.Kommentar[3], Spalte(78 - vb::Len(P.Versionstext)), P.Versionstext);
    ZeileDrucken(P.Kommentar[4]);
    P.Kommentar[4] = kIndent + std::string(64, '-');

    // The project file's name from column 14, in pieces of 60 characters when it does
    // not fit into the 64 columns up to column 77.
    const std::string& name = P.GanzerNameOhneExt;
    const int32_t laenge = vb::Len(name);
    if (laenge <= 64) {
        ZeileDrucken(Spalte(14), name);
    } else {
        std::string_view rest = name;
        for (int32_t k = 0; k <= laenge / 60; ++k)
            ZeileDrucken(Spalte(14), Abtrennen(rest, 60));
    }
    ZeileBeenden();
    for (int i = 5; i <= 8; ++i)
        TextDrucken(1, P.Kommentar[i]);
    ZeileBeenden();
}

void BerichtAnlegen() {
    Bericht.AusgabeDatei = "LPTZW";
    vb::Close(kBerichtDateiNr);
    vb::Open(Bericht.AusgabeDatei, vb::OpenMode::Output, kBerichtDateiNr);
    SeitenkopfSchreiben();
}

void BerichtAnhaengen() {
    vb::Close(kBerichtDateiNr);
    vb::Open(Bericht.AusgabeDatei, vb::OpenMode::Append, kBerichtDateiNr);
}

void BerichtSchliessen() {
    vb::Close(kBerichtDateiNr);
}

} // namespace zorma
