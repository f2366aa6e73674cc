#include "frame/input_ranges.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

namespace zorm1 {

namespace {

// A range [min, max] of a value; `unit` is printed behind the bounds.
struct Bereich {
    float min;
    float max;
    const char* einheit;
};

// The ranges of the table. No value of a project comes near a million; the products of the stages overflow
// single precision far above it.
constexpr Bereich kBetrag{-1.0e6f, 1.0e6f, ""};
constexpr Bereich kTiefe{0.0f, 99.0f, "m"};        // level below the wall head, inside the model's depth
constexpr Bereich kKoteFrei{-99.0f, 99.0f, "m"};   // level that may lie above the wall head (slopes, loads)
// Water levels, as the stage page keeps them: from the wall head down (99: no water). A level far above the
// head loads the wall with a pressure no number field of the report holds.
constexpr Bereich kWasser{0.0f, 99.0f, "m"};
constexpr Bereich kBreite{0.0f, 10.0f, "m"};       // widths, spacings and thicknesses of the wall
constexpr Bereich kAbstandX{-999.0f, 999.0f, "m"}; // horizontal distances from the wall
constexpr Bereich kBodenWichte{0.0f, 50.0f, "kN/m3"};  // unit weights of soil
constexpr Bereich kWandWichte{0.0f, 100.0f, "kN/m3"};  // unit weight of the wall material (steel 78.5)
constexpr Bereich kReibung{0.0f, 89.9f, "Grad"};       // friction angle of a soil
constexpr Bereich kWandreibung{-89.9f, 89.9f, "Grad"}; // wall friction angle
constexpr Bereich kKohaesion{0.0f, 1000.0f, "kN/m2"};
constexpr Bereich kSteifigkeit{0.01f, 1.0e5f, "MNm2/m"}; // E*I of the wall per metre
constexpr Bereich kBettung{0.0f, kBettungsmodulMax, "MN/m3"}; // modulus of subgrade reaction (soil to rock)
constexpr Bereich kProzent{0.0f, 100.0f, "%"};
constexpr Bereich kVerhaeltnis{0.0f, 1.0f, ""};
constexpr Bereich kSpannung{-1.0e4f, 1.0e4f, "kN/m2"};
constexpr Bereich kKraft{-1.0e5f, 1.0e5f, "kN/m"};
constexpr Bereich kMoment{-1.0e5f, 1.0e5f, "kNm/m"};
constexpr Bereich kSicherheit{0.0f, 10.0f, ""};
constexpr Bereich kBeiwert{0.0f, 100.0f, ""};
// Partial factors of the user's own: the table of DIN 1054 runs from 0.95 (stabilising) to 1.8; 0 stands for
// none entered.
constexpr Bereich kTeilsicherheit{0.5f, 3.0f, ""};

// A value as the user typed it; one that is no number is said in words, never in the runtime's "1.#" form.
std::string Zahl(float v) {
    if (std::isnan(v)) return "keine Zahl";
    if (std::isinf(v)) return v > 0.0f ? "unendlich" : "-unendlich";
    return vb::StrPlain(v);
}

// The first value outside its range; the checks after it do nothing.
class Pruefung {
public:
    bool fehlt() const { return !fehler_; }
    const std::optional<std::string>& ergebnis() const { return fehler_; }

    void wert(float v, const Bereich& b, const std::string& was, int satz, const char* feld) {
        if (fehler_ || (v >= b.min && v <= b.max)) return;
        const std::string e = *b.einheit ? std::string(" ") + b.einheit : std::string();
        fehler_ = was + " (Satz " + std::to_string(satz) + ", " + feld + ") = " + Zahl(v) + e +
                  "; zulässig " + Zahl(b.min) + " bis " + Zahl(b.max) + e + ".";
    }

    // 0, or a value inside the range (a stiffness that only a layer the wall does not reach may lack).
    void wertOderNull(float v, const Bereich& b, const std::string& was, int satz, const char* feld) {
        if (fehler_ || v == 0.0f || (v >= b.min && v <= b.max)) return;
        const std::string e = *b.einheit ? std::string(" ") + b.einheit : std::string();
        fehler_ = was + " (Satz " + std::to_string(satz) + ", " + feld + ") = " + Zahl(v) + e +
                  "; zulässig 0 oder " + Zahl(b.min) + " bis " + Zahl(b.max) + e + ".";
    }

    // A code that may hold only the values listed.
    void code(int v, std::initializer_list<int> erlaubt, const std::string& was, int satz, const char* feld) {
        if (fehler_) return;
        std::string liste;
        for (int e : erlaubt) {
            if (e == v) return;
            liste += (liste.empty() ? "" : ", ") + std::to_string(e);
        }
        fehler_ = was + " (Satz " + std::to_string(satz) + ", " + feld + ") = " + std::to_string(v) +
                  "; zulässig " + liste + ".";
    }

    void text(const std::string& zeile) {
        if (!fehler_) fehler_ = zeile;
    }

private:
    std::optional<std::string> fehler_;
};

std::string Schicht(int i) {
    return " der Bodenschicht " + std::to_string(i);
}

std::string Stufe(int s) {
    return " im Aushubzustand " + std::to_string(s);
}

// Integer held in a stage's field (halves to even); a value no 16-bit integer holds counts as 30000.
int StufenZahl(float w) {
    if (!(w > -30000.0f && w < 30000.0f)) return 30000;
    return vb::CInt(w);
}

const zorm1::Aushubstufe& StufeVon(int s) {
    return P.Aushubstufen[static_cast<std::size_t>(s)];
}

void Schichten(Pruefung& p) {
    float kote = 0.0f;
    for (int i = 1; i <= P.AnzErd; ++i) {
        const std::string sch = Schicht(i);
        const bool letzte = i == P.AnzErd;
        // The last layer reaches depth 99 whatever thickness it has; the layers above it must leave it a
        // thickness, and their tops stay inside the model's depth.
        p.wert(P.SchichtDicke[i], letzte ? Bereich{0.0f, 999.0f, "m"} : kTiefe, "Dicke" + sch, 5,
               "SchichtDicke");
        if (!letzte) {
            kote += P.SchichtDicke[i];
            if (p.fehlt() && !(kote <= 98.99f))
                p.text("Unterkante" + sch + " (Satz 5, Summe der SchichtDicke) = " + Zahl(kote) +
                       " m; zulässig 0 bis 98.99 m (die letzte Schicht reicht bis 99 m).");
        }
        p.wert(P.SchichtPhi[i], kReibung, "Reibungswinkel" + sch, 5, "SchichtPhi");
        p.wert(P.SchichtDeltaA[i], kWandreibung, "Wandreibungswinkel deltaA" + sch, 5, "SchichtDeltaA");
        p.wert(P.SchichtDeltaP[i], kWandreibung, "Wandreibungswinkel deltaP" + sch, 5, "SchichtDeltaP");
        p.wert(P.SchichtCa[i], kKohaesion, "Kohäsion" + sch, 5, "SchichtCa");
        p.wert(P.SchichtCp[i], kKohaesion, "Kohäsion (Erdwiderstand)" + sch, 5, "SchichtCp");
        p.wert(P.SchichtGamma[i], kBodenWichte, "Wichte" + sch, 5, "SchichtGamma");
        p.wert(P.SchichtGammaAuftrieb[i], kBodenWichte, "Wichte unter Auftrieb" + sch, 5,
               "SchichtGammaAuftrieb");
        p.wertOderNull(P.SchichtEI[i], kSteifigkeit, "Wandsteifigkeit E*I" + sch, 5, "SchichtEI");
        p.wert(P.SchichtGammaAush[i], kBodenWichte, "Wichte im Aushub" + sch, 5, "SchichtGammaAush");
        p.wert(P.SchichtGammaAuftriebAush[i], kBodenWichte, "Wichte unter Auftrieb im Aushub" + sch, 5,
               "SchichtGammaAuftriebAush");
        p.wert(P.SchichtKpghVorgabe[i], kBeiwert, "vorgegebener Beiwert kpgh" + sch, 42,
               "SchichtKpghVorgabe");
        p.wert(P.SchichtKaghVorgabe[i], kBeiwert, "vorgegebener Beiwert kagh" + sch, 42,
               "SchichtKaghVorgabe");
        p.wert(P.SchichtKachVorgabe[i], kBeiwert, "vorgegebener Beiwert kach" + sch, 42,
               "SchichtKachVorgabe");
        p.wert(P.SchichtKpchVorgabe[i], kBeiwert, "vorgegebener Beiwert kpch" + sch, 42,
               "SchichtKpchVorgabe");
        p.wert(P.SchichtDeltaANeu[i], kWandreibung, "geänderter Wandreibungswinkel deltaA" + sch, 43,
               "SchichtDeltaANeu");
        p.wert(P.SchichtDeltaPNeu[i], kWandreibung, "geänderter Wandreibungswinkel deltaP" + sch, 43,
               "SchichtDeltaPNeu");
    }
}

void Boeschungen(Pruefung& p) {
    for (int k = 1; k <= P.AnzBoesch; ++k) {
        const std::string b = " der Böschung " + std::to_string(k);
        p.wert(P.BoeschX1[k], kAbstandX, "Anfang x1" + b, 2, "BoeschX1");
        p.wert(P.BoeschX2[k], kAbstandX, "Ende x2" + b, 2, "BoeschX2");
        p.wert(P.BoeschZ1[k], kKoteFrei, "Kote Anfang z1" + b, 2, "BoeschZ1");
        p.wert(P.BoeschZ2[k], kKoteFrei, "Kote Ende z2" + b, 2, "BoeschZ2");
        p.wert(P.BoeschGamma[k], kBodenWichte, "Wichte" + b, 2, "BoeschGamma");
        p.wert(P.BoeschPhi[k], kReibung, "Reibungswinkel" + b, 2, "BoeschPhi");
    }
}

void Allgemein(Pruefung& p) {
    p.code(P.Wandart, {1, 2, 3}, "Wandart", 3, "Wandart");
    p.code(P.WandKopf, {1, 2, 3, 4}, "Lagerung des Wandkopfs", 3, "WandKopf");
    p.code(P.Erddruckart, {1, 2}, "Erddruckansatz", 3, "Erddruckart");
    // The passive resistance is divided by it: any positive value is carried (a large one leaves almost
    // none).
    p.wert(P.Etap, Bereich{0.0f, 1.0e6f, ""}, "Sicherheit des Erdwiderstands", 3, "Etap");
    p.wert(P.BBohl, kBreite, "Breite der Bohlträger", 3, "BBohl");
    p.wert(P.ABohl, kBreite, "Achsabstand der Bohlträger", 3, "ABohl");
    p.wert(P.RuheProz, kProzent, "Anteil des Erdruhedrucks", 3, "RuheProz");
    p.wert(P.EntlastFaktor, kVerhaeltnis, "Erdauflager-Entlastungsfaktor", 3, "EntlastFaktor");
    p.wert(P.EtaGlobal, Bereich{0.0f, 1.0e6f, ""}, "Sicherheit des Erdwiderstands (global)", 5, "EtaGlobal");
    p.wert(P.EtaGl, Bereich{0.0f, 1.0e6f, ""}, "Sicherheit in der tiefen Gleitfuge", 8, "EtaGl");
    p.wert(P.DeltaZF, Bereich{-45.0f, 15.0f, "Grad"}, "Wandreibungswinkel am Wandfuß für die C-Kraft", 14,
           "DeltaZF");
    p.wert(P.MinEah, kVerhaeltnis, "Mindesterddruckbeiwert", 14, "MinEah");
    p.wert(P.KoteOKWand, Bereich{-1000.0f, 10000.0f, "m"}, "Kote der Wandoberkante", 24, "KoteOKWand");
    p.wert(P.PhiCaq, Bereich{-90.0f, 90.0f, "Grad"}, "Grenzwinkel für gekrümmte Gleitflächen", 29, "PhiCaq");
    p.wert(P.zMGelenk, kTiefe, "Kote des Gelenks", 29, "zMGelenk");
    p.wert(P.BBFuss, kBreite, "Fußbreite Beton", 38, "BBFuss");
    p.wert(P.ZBFuss, kTiefe, "Beton ab Kote z", 38, "ZBFuss");
    p.wert(P.DWand, kBreite, "Dicke der Wand", 38, "DWand");
    p.wert(P.GamWand, kWandWichte, "Wichte der Wand", 38, "GamWand");
    p.wert(P.BPfDUeb, kBreite, "Pfahldurchmesser der überschnittenen Bohrpfahlwand", 63, "BPfDUeb");
    p.wert(P.BPfD, kBreite, "Pfahldurchmesser der Bohrpfähle mit Abstand", 63, "BPfD");
    p.wert(P.BPfAbstand, kBreite, "Achsabstand der Bohrpfähle", 63, "BPfAbstand");
    struct Eintrag {
        float v;
        int satz;
        const char* feld;
    };
    for (const Eintrag& e :
         {Eintrag{P.EtaAnpass, 34, "EtaAnpass"}, Eintrag{P.Satz35Wert1, 35, "Satz35Wert1"},
          Eintrag{P.Satz35Wert2, 35, "Satz35Wert2"}, Eintrag{P.AsMmin, 35, "AsMmin"},
          Eintrag{P.EBreiteN, 35, "EBreiteN"}, Eintrag{P.AsQmin, 35, "AsQmin"},
          Eintrag{P.Massstab, 38, "Massstab"}, Eintrag{P.EtaBSt500, 62, "EtaBSt500"},
          Eintrag{P.BetonKlasse, 62, "BetonKlasse"}, Eintrag{P.EBreiteM, 62, "EBreiteM"},
          Eintrag{P.d1Rand, 62, "d1Rand"}, Eintrag{P.ZulSigma, 63, "ZulSigma"},
          Eintrag{P.ZulTau, 63, "ZulTau"}, Eintrag{P.AnkerStahlFliess, 63, "AnkerStahlFliess"},
          Eintrag{P.AnkerStahlStreck, 63, "AnkerStahlStreck"}, Eintrag{P.xNull, 63, "xNull"},
          Eintrag{P.zNull, 63, "zNull"}})
        p.wert(e.v, kBetrag, "Bemessungs- bzw. Grafikangabe", e.satz, e.feld);
    for (const Eintrag& e : {Eintrag{P.gamGEig, 65, "gamGEig"}, Eintrag{P.gamE0gEig, 65, "gamE0gEig"},
                             Eintrag{P.gamQEig, 65, "gamQEig"}, Eintrag{P.gamReEig, 65, "gamReEig"},
                             Eintrag{P.gamG1CEig, 65, "gamG1CEig"}, Eintrag{P.gamQ1CEig, 65, "gamQ1CEig"},
                             Eintrag{P.gamPhiEig, 66, "gamPhiEig"}, Eintrag{P.gamCEig, 66, "gamCEig"},
                             Eintrag{P.gamGstbEig, 66, "gamGstbEig"}, Eintrag{P.gamGdstEig, 66, "gamGdstEig"},
                             Eintrag{P.gamHEig, 66, "gamHEig"}, Eintrag{P.gamQdstEig, 66, "gamQdstEig"},
                             Eintrag{P.gamRhEig, 67, "gamRhEig"}})
        p.wertOderNull(e.v, kTeilsicherheit, "eigener Teilsicherheitsbeiwert", e.satz, e.feld);
}

void Anker(Pruefung& p) {
    for (int i = 1; i <= P.AnzAnkerGesamt; ++i) {
        const std::string a = " der Anker- bzw. Steifenlage " + std::to_string(i);
        p.wert(P.AnkerNeigungGrad[i], Bereich{-90.0f, 90.0f, "Grad"}, "Neigung" + a, 30, "AnkerNeigungGrad");
        p.wert(P.AnkerLmin[i], Bereich{0.0f, 999.0f, "m"}, "kleinste Länge" + a, 9, "AnkerLmin");
        p.wert(P.AnkerLmax[i], Bereich{0.0f, 999.0f, "m"}, "größte Länge" + a, 9, "AnkerLmax");
        p.wert(P.ZAuflager[i], kTiefe, "Kote" + a, 16, "ZAuflager");
        p.wert(P.AnkerAbstand[i], Bereich{0.0f, 100.0f, "m"}, "Abstand" + a, 64, "AnkerAbstand");
    }
    for (int k = 1; k <= P.AnzAnkerStufenPaare; ++k) {
        p.wert(P.EtaAbwAushub[k], kBetrag, "Aushubzustand der abweichenden Anker-Sicherheit", 49,
               "EtaAbwAushub");
        p.wert(P.EtaAbwWert[k], kSicherheit, "abweichende Anker-Sicherheit", 49, "EtaAbwWert");
    }
}

void Lasten(Pruefung& p) {
    for (int lc = 1; lc <= P.AnzLF; ++lc) {
        const std::string lf = " im Lastfall " + std::to_string(lc);
        p.wert(P.NKopfLF[lc], kKraft, "Normalkraft am Wandkopf" + lf, 70, "NKopfLF");
        for (int j = 1; j <= P.AnzLastLuftLF[lc]; ++j) {
            const std::string l = " der Wandlast " + std::to_string(j) + lf;
            p.wert(P.LuftLastH(lc, j), kKraft, "Horizontalkraft" + l, 12, "LuftLastH");
            p.wert(P.LuftLastM(lc, j), kMoment, "Moment" + l, 12, "LuftLastM");
            p.wert(P.LuftLastZ(lc, j), kTiefe, "Kote" + l, 12, "LuftLastZ");
        }
        for (int j = 1; j <= P.AnzLastErdLF[lc]; ++j) {
            const std::string l = " der Flächenlast " + std::to_string(j) + lf;
            p.wert(P.ErdLastPv(lc, j), kSpannung, "Vertikallast" + l, 13, "ErdLastPv");
            p.wert(P.ErdLastXA(lc, j), kAbstandX, "Anfang" + l, 13, "ErdLastXA");
            p.wert(P.ErdLastXE(lc, j), kAbstandX, "Ende" + l, 13, "ErdLastXE");
            p.wert(P.ErdLastZ(lc, j), kKoteFrei, "Kote" + l, 13, "ErdLastZ");
            p.wert(P.ErdLastDauer(lc, j), kBetrag, "Dauer" + l, 20, "ErdLastDauer");
            p.wert(P.ErdLastPh(lc, j), kSpannung, "Horizontallast" + l, 37, "ErdLastPh");
            p.wert(P.ErdLastRuheFaktor(lc, j), kBeiwert, "Faktor des Erdruhedrucks" + l, 47,
                   "ErdLastRuheFaktor");
        }
    }
}

} // namespace

std::optional<std::string> AuflagerUeberFussPruefen(int s) {
    const zorm1::Aushubstufe& t = StufeVon(s);
    const int fuss = StufenZahl(t.Wandfuss);
    if (fuss != 2 && fuss != 3) return std::nullopt;
    const int anker = std::min(StufenZahl(t.AnzAnker), 8);
    for (int i = 1; i <= anker; ++i) {
        const float z = t.ZAnker[static_cast<std::size_t>(i)];
        if (z > t.ZWandfuss)
            return "Kote der Ankerlage " + std::to_string(i) + Stufe(s) + " (Satz 7, ZAnker) = " + Zahl(z) +
                   " m; zulässig 0 bis " + Zahl(t.ZWandfuss) +
                   " m: eine Anker- bzw. Steifenlage liegt nicht unter dem vorgegebenen Wandfuß.";
    }
    return std::nullopt;
}

namespace {

// The values of stage s, its lists up to their counts.
void Aushubtabelle(Pruefung& p, int s) {
    const std::string az = Stufe(s);
    const zorm1::Aushubstufe& t = StufeVon(s);
    p.code(StufenZahl(t.Wandfuss), {1, 2, 3, 4}, "Lagerung des Wandfußes" + az, 7, "Wandfuss");
    // The wall reaches at least down to the excavation level, as the stage page keeps it, and its foot stays
    // above the model's depth of 99 m, below which the calculation places one more point.
    p.wert(t.zAush, Bereich{0.01f, 98.98f, "m"}, "Aushubtiefe" + az, 7, "zAush");
    p.wert(t.ZWandfuss, Bereich{t.zAush, 98.99f, "m"}, "Kote des Wandfußes" + az, 7, "ZWandfuss");
    if (auto f = UmlagerungsfigurPruefen(s)) p.text(*f);
    // The knee points of the block figures lie between the wall head and the excavation level, as their
    // page keeps them (a knee below it ends in more common points than any diagram holds); for the other
    // figures the general bound.
    const int figur = StufenZahl(t.UmFigur);
    const bool bloecke = (figur == 4 || figur == 5) && P.Erddruckart != 2;
    p.wert(t.UmZ1, bloecke ? Bereich{0.0f, t.zAush, "m"} : kBetrag, "Kote z1 der Umlagerungsfigur" + az, 7,
           "UmZ1");
    p.wert(t.UmZ2, bloecke ? Bereich{t.UmZ1, t.zAush, "m"} : kBetrag, "Kote z2 der Umlagerungsfigur" + az, 7,
           "UmZ2");
    p.wert(t.EpsUml, bloecke ? kVerhaeltnis : kBetrag, "Verhältnis eps der Umlagerungsfigur" + az, 7, "EpsUml");
    const int anker = StufenZahl(t.AnzAnker);
    for (int i = 1; i <= 8; ++i)
        p.wert(t.ZAnker[static_cast<std::size_t>(i)], i <= anker ? kTiefe : kBetrag,
               "Kote der Ankerlage " + std::to_string(i) + az, 7, "ZAnker");
    if (auto f = AuflagerUeberFussPruefen(s)) p.text(*f);
    p.wert(t.ZNextAnker, kTiefe, "Kote des nächsten Ankers" + az, 7, "ZNextAnker");
    p.wert(t.ZWasserLuft, kWasser, "luftseitiger Wasserstand" + az, 7, "ZWasserLuft");
    p.wert(t.EFaktor, kBeiwert, "Faktor für den umgelagerten Erddruck" + az, 7, "EFaktor");
    p.wert(t.StBx1, Bereich{-999.0f, 0.0f, "m"}, "Böschungsoberkante x1 der Aushubsohle" + az, 7, "StBx1");
    p.wert(t.StBx2, Bereich{-999.0f, 0.0f, "m"}, "Böschungsfuß x2 der Aushubsohle" + az, 7, "StBx2");
    p.wert(t.StBH, kTiefe, "Tiefe der geneigten Aushubsohle" + az, 7, "StBH");
    p.wert(t.ZWasserErd, kWasser, "erdseitiger Wasserstand" + az, 7, "ZWasserErd");
    p.wert(t.Einsp, kProzent, "Teileinspannung" + az, 7, "Einsp");
    const int m = std::min(StufenZahl(t.AnzSohlLast), 8);
    for (int i = 1; i <= m; ++i) {
        const std::string l = " der Last " + std::to_string(i) + " auf der Aushubsohle" + az;
        const auto k = static_cast<std::size_t>(i);
        p.wert(t.SohlLastX1[k], Bereich{-999.0f, 999.0f, "m"}, "Anfang x1" + l, 7, "SohlLastX1");
        p.wert(t.SohlLastX2[k], Bereich{-999.0f, 999.0f, "m"}, "Ende x2" + l, 7, "SohlLastX2");
        p.wert(t.SohlLastQ[k], kSpannung, "Last q" + l, 7, "SohlLastQ");
        p.wert(t.SohlLastZ[k], kTiefe, "Kote" + l, 7, "SohlLastZ");
    }
    const int ks = std::min(StufenZahl(t.AnzZusatzSpannung), 15);
    for (int i = 1; i <= ks; ++i) {
        const std::string z = " der Zusatzspannung " + std::to_string(i) + az;
        const auto k = static_cast<std::size_t>(i);
        p.wert(t.ZusZ[k], kTiefe, "Kote" + z, 7, "ZusZ");
        p.wert(t.ZusSpannung[k], kSpannung, "Spannung" + z, 7, "ZusSpannung");
    }
    const int kf = std::min(StufenZahl(t.AnzErddruckFaktor), 15);
    for (int i = 1; i <= kf; ++i) {
        const std::string f = " des Erddruck-Faktors " + std::to_string(i) + az;
        const auto k = static_cast<std::size_t>(i);
        p.wert(t.EVerZ[k], kTiefe, "Kote" + f, 7, "EVerZ");
        p.wert(t.EVerFaktor[k], kBeiwert, "Faktor" + f, 7, "EVerFaktor");
    }
}

void Aushub(Pruefung& p) {
    for (int s = 1; s <= P.AnzAush; ++s) {
        const std::string az = Stufe(s);
        Aushubtabelle(p, s);
        p.wert(P.ZWasserErdAush[s], kWasser, "erdseitiger Wasserstand" + az, 17, "ZWasserErdAush");
        p.wert(P.AushubWert19[s], kBetrag, "Wert 19" + az, 19, "AushubWert19");
        p.wert(P.Ze1Fig6Aush[s], kTiefe, "Kote ze1 der Umlagerungsfigur 6" + az, 21, "Ze1Fig6Aush");
        p.wert(P.EpsFuss6Aush[s], kVerhaeltnis, "eps am Wandfuß der Umlagerungsfigur 6" + az, 21,
               "EpsFuss6Aush");
        for (int k = 1; k <= P.AnzFigur6Aush[s]; ++k) {
            const std::string z = " der Zeile " + std::to_string(k) + " der Umlagerungsfigur 6" + az;
            p.wert(P.Fig6Verh(s, k), kBeiwert, "Verhältniswert" + z, 22, "Fig6Verh");
            p.wert(P.Fig6Z(s, k), kTiefe, "Kote" + z, 22, "Fig6Z");
        }
        if (s <= 20)
            for (int k = 1; k <= P.BettAnz[s]; ++k) {
                const std::string z = " der Zeile " + std::to_string(k) + " der Bettung" + az;
                p.wert(P.BettT(s, k), kTiefe, "Tiefe t" + z, 32, "BettT");
                p.wert(P.BettC(s, k), kBettung, "Bettungsmodul" + z, 32, "BettC");
            }
        if (auto f = VorgabeErddruckPruefen(s)) p.text(*f);
        const int nE = static_cast<int>(P.EphGeg(s, 0));
        for (int k = 1; k <= nE && k <= 15; ++k) {
            const std::string z = " der Zeile " + std::to_string(k) + " des vorgegebenen Erdwiderstands" + az;
            p.wert(P.TEphGeg(s, k), Bereich{0.0f, 999.0f, "m"}, "Tiefe t" + z, 41, "TEphGeg");
            p.wert(P.EphGeg(s, k), kSpannung, "Erdwiderstand eph" + z, 41, "EphGeg");
        }
    }
}

// The design values of the section and the factors of the safety pages: the adaptation factor as its box
// keeps it, the pile diameters of bored pile walls, and the axis distance of the reinforcement inside the
// section it reinforces.
void Bemessungsangaben(Pruefung& p) {
    p.wertOderNull(P.EtaAnpass, Bereich{0.2f, 1.0f, ""}, "Anpassungsfaktor eta", 34, "EtaAnpass");
    constexpr Bereich kPfahl{0.2f, 3.0f, "m"};
    p.wertOderNull(P.BPfDUeb, kPfahl, "Pfahldurchmesser der überschnittenen Bohrpfahlwand", 63, "BPfDUeb");
    p.wertOderNull(P.BPfD, kPfahl, "Pfahldurchmesser der Bohrpfähle mit Abstand", 63, "BPfD");
    // The section height of the concrete walls: the diaphragm wall's thickness, the pile's diameter.
    float h = 0.0f;
    if (P.Wandtyp == 3) h = P.DWand;
    if (P.Wandtyp == 4) h = P.BPfDUeb;
    if (P.Wandtyp == 5 || P.Wandtyp == 6) h = P.BPfD;
    // The profile's name (the first word of its line) stands in the heading of the steel check behind the
    // grade, on a soldier pile wall before the spacing of the piles: 80 columns carry 10 characters there
    // (the soldier pile list has 7 at most) and 33 on the other walls (the sheet pile list has 14).
    const int32_t kProfilName = P.Wandart == 1 ? 10 : 33;
    const std::string zeile = vb::LTrim(P.ProfilName);
    const std::string name = zeile.substr(0, zeile.find(' '));
    for (const auto& [text, satz, feld] : {std::tuple{name, 60, "ProfilName"}, std::tuple{P.ProfilText, 61, "ProfilText"}})
        if (p.fehlt() && vb::Len(text) > kProfilName)
            p.text("Name des Stahlprofils (Satz " + std::to_string(satz) + ", " + feld + ") hat " +
                   std::to_string(vb::Len(text)) + " Zeichen; zulässig höchstens " + std::to_string(kProfilName) +
                   " Zeichen.");
    // The values of the steel profile, as the preparation of the run reads them from its line: those of the
    // shipped lists with a wide margin for the user's own (0: a value the line lacks, which leaves the
    // profile unchecked with a notice).
    if (P.Wandtyp == 1 || P.Wandtyp == 2) {
        struct Profilwert {
            float v;
            Bereich b;
            const char* was;
        };
        for (const Profilwert& w : {Profilwert{P.ProfilWert3, {100.0f, 1.0e6f, "cm4"}, "Trägheitsmoment I"},
                                    Profilwert{P.ProfilWert5, {10.0f, 20000.0f, "cm3"}, "Widerstandsmoment W"},
                                    Profilwert{P.ProfilWert1, {5.0f, 1000.0f, "cm2"}, "Querschnittsfläche A"},
                                    Profilwert{P.ProfilWert4, {0.2f, 5.0f, "cm"}, "Stegdicke s"},
                                    Profilwert{P.ProfilWert2, {5.0f, 200.0f, "cm"}, "Profilhöhe h"}})
            p.wertOderNull(w.v, w.b, std::string(w.was) + " des Stahlprofils", 60, "ProfilName");
    }
    if (p.fehlt() && h > 0.0f && h <= 10.0f && !(P.d1Rand >= 0.0f && P.d1Rand < 50.0f * h))
        p.text("Achsabstand d1 der Bewehrung (Satz 62, d1Rand) = " + Zahl(P.d1Rand) + " cm; zulässig 0 bis unter " +
               Zahl(50.0f * h) + " cm (die halbe Querschnittshöhe h = " + Zahl(100.0f * h) + " cm).");
}

} // namespace

std::optional<std::string> VorgabeErddruckPruefen(int s) {
    if (s < 1 || s > MaxAushub) return std::nullopt;
    Pruefung p;
    const std::string az = Stufe(s);
    const float zahl = P.EahGeg(s, 0);
    const int n = zahl > 0.0f && zahl < 16.0f ? static_cast<int>(zahl) : 0;
    float vorige = 0.0f;
    for (int k = 1; k <= n; ++k) {
        const float z = P.ZEahGeg(s, k);
        const std::string zeile = " der Zeile " + std::to_string(k) + " des vorgegebenen Erddrucks" + az;
        p.wert(z, k == 1 ? Bereich{0.0f, 0.0f, "m"} : Bereich{vorige, 99.0f, "m"}, "Kote z" + zeile, 40,
               "ZEahGeg");
        p.wert(P.EahGeg(s, k), kSpannung, "Erddruck eah" + zeile, 40, "EahGeg");
        vorige = z;
    }
    // The page stores the level 99 for a last row above 98.99; a list read from a file may end anywhere.
    if (n >= 1 && p.fehlt() && !(P.ZEahGeg(s, n) >= 98.999f))
        p.text("Kote z der letzten Zeile (" + std::to_string(n) + ") des vorgegebenen Erddrucks" + az +
               " (Satz 40, ZEahGeg) = " + Zahl(P.ZEahGeg(s, n)) +
               " m; die Liste muß von z = 0 bis z = 99 (Wandfuß) reichen.");
    return p.ergebnis();
}

std::optional<std::string> UmlagerungsfigurPruefen(int s) {
    if (s < 1 || s > MaxAushub) return std::nullopt;
    Pruefung p;
    const std::string az = Stufe(s);
    const int figur = StufenZahl(StufeVon(s).UmFigur);
    if (P.Erddruckart == 2)
        p.code(figur, {0, 1, 2}, "Abminderungsfigur" + az, 7, "UmFigur");
    else if (P.Wandart == 1) // the soldier pile wall has neither its own figure 6 nor figure 7
        p.code(figur, {0, 1, 2, 4, 5, 8}, "Umlagerungsfigur der Trägerbohlwand" + az, 7, "UmFigur");
    else
        p.code(figur, {0, 1, 2, 4, 5, 6, 7, 8}, "Umlagerungsfigur" + az, 7, "UmFigur");
    if (p.fehlt() && P.Erddruckart != 2 && figur != 0 && StufenZahl(StufeVon(s).AnzAnker) == 0 &&
        (P.WandKopf == 1 || P.WandKopf == 4))
        p.text(
            "Umlagerungsfigur" + az + " (Satz 7, UmFigur) = " + std::to_string(figur) +
            "; ohne Anker oder Steife bei nicht gehaltenem Wandkopf ist nur 0 (keine Umlagerung) zulässig.");
    return p.ergebnis();
}

std::optional<std::string> EingabeBereichePruefen() {
    Pruefung p;
    Bemessungsangaben(p);
    Allgemein(p);
    Schichten(p);
    Boeschungen(p);
    Aushub(p);
    Anker(p);
    Lasten(p);
    return p.ergebnis();
}

std::string BerechnungNichtMoeglich(const std::string& zeile) {
    return "Die Berechnung ist nicht möglich:\r\n" + zeile + "\r\nBitte die Eingabe überprüfen.";
}

} // namespace zorm1
