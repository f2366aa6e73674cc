#include "slipcircle/input.h"

#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace Zormg {

namespace {

constexpr const char* kDateiGL1 = "wexasave.GL1";
constexpr const char* kDateiGL2 = "wexasave.GL2";

[[noreturn]] void Fehler(const std::string& datei, const std::string& grund) {
    throw zor::CalcAbort("Die Datei \"" + datei + "\" ist für den Gleitkreis nicht lesbar (" + grund +
                         "). Die Gleitkreis-Berechnung wurde abgebrochen.");
}

// Item-by-item reading of one hand-over file; every failure names the file.
class Leser {
public:
    explicit Leser(const char* datei) : datei_(datei) {
        try {
            fn_ = vb::FreeFile();
            vb::Open(datei_, vb::OpenMode::Input, fn_);
        } catch (const vb::RuntimeError&) {
            Fehler(datei_, "Datei fehlt");
        }
    }
    ~Leser() { vb::Close(fn_); }
    Leser(const Leser&) = delete;
    Leser& operator=(const Leser&) = delete;

    int16_t I() {
        int16_t v = 0;
        lies([&] { vb::InputItem(fn_, v); });
        return v;
    }
    float S() {
        float v = 0.0f;
        lies([&] { vb::InputItem(fn_, v); });
        return v;
    }
    std::string T() {
        std::string v;
        lies([&] { vb::InputItem(fn_, v); });
        return v;
    }
    void Weiter(int n) {
        for (int i = 0; i < n; ++i)
            T();
    }
    // A count read from the file that bounds a later loop or an array.
    int16_t Anzahl(int max, const char* was) {
        const int16_t n = I();
        if (n < 0 || n > max)
            Fehler(datei_,
                   std::string(was) + " " + std::to_string(n) + " außerhalb 0.." + std::to_string(max));
        return n;
    }
    bool Ende() { return vb::Eof(fn_); }
    std::string Zeile() {
        std::string s;
        lies([&] { s = vb::LineInput(fn_); });
        return s;
    }
    [[noreturn]] void Falsch(const std::string& grund) const { Fehler(datei_, grund); }

private:
    template <class F> void lies(F f) {
        try {
            f();
        } catch (const vb::RuntimeError& e) {
            Fehler(datei_, e.number() == 62 ? "Dateiende zu früh erreicht" : "unerwarteter Eintrag");
        }
    }
    std::string datei_;
    int16_t fn_ = 0;
};

template <class T> void neu(std::vector<T>& v, int oben) {
    v.assign(static_cast<std::size_t>(oben) + 1, T{});
}

// The project copy: a header line of nine items, then statements 1 to 61 of the project input file.
void ProjektKopieLesen() {
    Daten& d = D();
    auto& p = P;
    Leser f(kDateiGL1);
    f.Weiter(9);
    // 1, 2
    d.GlAnzBoesch = f.Anzahl(zorm1::MaxBoeschungen, "Zahl der Böschungen");
    for (auto* v :
         {&d.GlBoeschX1, &d.GlBoeschX2, &d.GlBoeschZ1, &d.GlBoeschZ2, &d.GlBoeschGamma, &d.GlBoeschPhi})
        neu(*v, d.GlAnzBoesch);
    for (int i = 1; i <= d.GlAnzBoesch; ++i) {
        d.GlBoeschX1[i] = f.S();
        d.GlBoeschX2[i] = f.S();
        d.GlBoeschZ1[i] = f.S();
        d.GlBoeschZ2[i] = f.S();
        d.GlBoeschGamma[i] = f.S();
        d.GlBoeschPhi[i] = f.S();
    }
    // 3
    f.Weiter(1);
    p.WandKopf = f.I();
    p.Erddruckart = f.I();
    f.Weiter(6);
    d.GlAnzErd = f.Anzahl(zorm1::MaxSchichtenDatei, "Zahl der Bodenschichten");
    f.Weiter(3);
    // 4
    p.ProjBez = f.T();
    p.ProjNr = f.T();
    p.PosName = f.T();
    p.GanzerNameOhneExt = f.T();
    p.Datum = f.T();
    // 5
    for (auto* v :
         {&d.GlSchichtDicke, &d.GlSchichtPhi, &d.GlSchichtC, &d.GlSchichtGamma, &d.GlSchichtGammaAuftrieb})
        neu(*v, d.GlAnzErd);
    for (int i = 1; i <= d.GlAnzErd; ++i) {
        d.GlSchichtDicke[i] = f.S();
        d.GlSchichtPhi[i] = f.S();
        f.Weiter(2);
        d.GlSchichtC[i] = f.S();
        f.Weiter(2);
        d.GlSchichtGamma[i] = f.S();
        d.GlSchichtGammaAuftrieb[i] = f.S();
        f.Weiter(4);
    }
    // 6, 7
    d.GlAnzAush = f.Anzahl(kMaxStufen, "Zahl der Aushubstufen");
    d.GlAushub.fill(zorm1::Aushubstufe{});
    for (int s = 1; s <= d.GlAnzAush; ++s) {
        zorm1::AushubSpalte spalte{};
        for (int r = 1; r <= zorm1::AushubZeilen; ++r)
            spalte[static_cast<size_t>(r)] = f.S();
        d.GlAushub[static_cast<size_t>(s)] = zorm1::AushubAusSpalte(spalte);
    }
    // 8, 9
    p.AnkerLaengen = f.I();
    f.Weiter(1);
    d.GlAnzAnker = f.Anzahl(kMaxAuflager, "Zahl der Auflager");
    neu(d.GlZAuflager, d.GlAnzAnker);
    neu(d.GlAnkerNeigung, d.GlAnzAnker);
    // The project file holds the length ranges only for the flag 1 (as its writer and reader).
    if (p.AnkerLaengen == 1) f.Weiter(3 * d.GlAnzAnker);
    // 10 to 13
    d.GlAnzLF = f.Anzahl(kMaxLastfaelle, "Zahl der Lastfälle");
    for (int lc = 1; lc <= d.GlAnzLF; ++lc) {
        d.GlAnzLastLuft[lc] = f.Anzahl(kMaxLuftLasten, "Zahl der Wandlasten");
        d.GlAnzLastErd[lc] = f.Anzahl(kMaxErdLasten, "Zahl der Geländelasten");
        for (int j = 1; j <= d.GlAnzLastLuft[lc]; ++j) {
            d.GlLuftLastH(lc, j) = f.S();
            f.Weiter(1);
            d.GlLuftLastZ(lc, j) = f.S();
        }
        for (int j = 1; j <= d.GlAnzLastErd[lc]; ++j) {
            d.GlErdLastPv(lc, j) = f.S();
            d.GlErdLastXA(lc, j) = f.S();
            d.GlErdLastXE(lc, j) = f.S();
            d.GlErdLastZ(lc, j) = f.S();
        }
    }
    // 14, 15
    f.Weiter(3);
    // 16, 17
    for (int k = 1; k <= d.GlAnzAnker; ++k)
        d.GlZAuflager[k] = f.S();
    for (int s = 1; s <= d.GlAnzAush; ++s)
        d.GlZWasserErd[s] = f.S();
    // 18, 19
    f.Weiter(4 + d.GlAnzAush);
    // 20
    for (int lc = 1; lc <= d.GlAnzLF; ++lc)
        for (int j = 1; j <= d.GlAnzLastErd[lc]; ++j)
            d.GlErdLastDauer(lc, j) = f.S();
    // 21, 22
    for (int s = 1; s <= d.GlAnzAush; ++s) {
        p.AnzFigur6Aush[s] = f.Anzahl(15, "Zahl der Zeilen der Figur 6");
        f.Weiter(5 + 2 * p.AnzFigur6Aush[s]);
    }
    // 23, 24
    f.Weiter(d.GlAnzErd + 1);
    // 25, 26
    for (int lc = 1; lc <= d.GlAnzLF; ++lc)
        for (int j = 1; j <= d.GlAnzLastErd[lc]; ++j) {
            const int16_t c = f.Anzahl(15, "Zahl der Stufen ohne Last");
            d.GlErdLastNichtIn(lc, j, 0) = c;
            for (int k = 1; k <= c; ++k)
                d.GlErdLastNichtIn(lc, j, k) = f.I();
        }
    // 27, 28
    for (int lc = 1; lc <= d.GlAnzLF; ++lc)
        for (int j = 1; j <= d.GlAnzLastLuft[lc]; ++j) {
            const int16_t c = f.Anzahl(8, "Zahl der Stufen ohne Wandlast");
            d.GlLuftLastNichtIn(lc, j, 0) = c;
            for (int k = 1; k <= c; ++k)
                d.GlLuftLastNichtIn(lc, j, k) = f.I();
        }
    // 29, 30
    f.Weiter(2);
    for (int k = 1; k <= d.GlAnzAnker; ++k)
        d.GlAnkerNeigung[k] = f.S();
    // 31, 32
    for (int s = 1; s <= d.GlAnzAush; ++s) {
        f.Weiter(1);
        p.BettAnz[s] = f.Anzahl(20, "Zahl der Bettungszeilen");
        f.Weiter(2 * p.BettAnz[s]);
    }
    // 33 to 36
    f.Weiter(6 + 20);
    // 37
    for (int lc = 1; lc <= d.GlAnzLF; ++lc)
        for (int j = 1; j <= d.GlAnzLastErd[lc]; ++j)
            d.GlErdLastPh(lc, j) = f.S();
    // 38: the wall body of every project copy.
    f.Weiter(2);
    d.GkDWand = f.S();
    d.GkGamWand = f.S();
    f.Weiter(3);
    // 39 to 41
    for (int s = 1; s <= d.GlAnzAush; ++s) {
        p.AnzPunkte1 = f.Anzahl(15, "Zahl der Punkte");
        p.AnzPunkte2 = f.Anzahl(15, "Zahl der Punkte");
        f.Weiter(2 * (p.AnzPunkte1 + p.AnzPunkte2));
    }
    // 42 to 47
    f.Weiter(6 * d.GlAnzErd + 15 + d.GlAnzAush);
    for (int lc = 1; lc <= d.GlAnzLF; ++lc)
        f.Weiter(2 * d.GlAnzLastErd[lc]);
    // 48, 49
    p.AnzAnkerStufenPaare = f.Anzahl(15, "Zahl der Stufenpaare");
    f.Weiter(2 * p.AnzAnkerStufenPaare);
    // 50 to 61
    f.Weiter(12);
}

struct Block {
    float z = 0.0f; // excavation level of the block
    std::vector<float> ankerZ, ankerL, ankerAh;
    std::vector<float> steifeZ, steifeAh;
};

void Kennung(Leser& f, int lc, int s, const char* satz) {
    const int16_t a = f.I();
    const int16_t b = f.I();
    P.LFNr = a;
    P.AushNr = b;
    if (a != lc || b != s)
        f.Falsch(std::string("Satz ") + satz + " von Lastfall " + std::to_string(a) + ", Aushub " +
                 std::to_string(b) + " statt Lastfall " + std::to_string(lc) + ", Aushub " +
                 std::to_string(s));
}

// One block of records "A", "B", "C" of load case lc and stage s.
Block BlockLesen(Leser& f, int lc, int s) {
    Daten& d = D();
    Block b;
    // "A": the copied earth-pressure block, then the point list.
    {
        f.Weiter(1);
        const int16_t a = f.I();
        f.Weiter(1);
        const int16_t c = f.I();
        P.LFNr = a;
        P.AushNr = c;
        if (a != lc || c != s)
            f.Falsch("Satz A von Lastfall " + std::to_string(a) + ", Aushub " + std::to_string(c) +
                     " statt Lastfall " + std::to_string(lc) + ", Aushub " + std::to_string(s));
        const int16_t n = f.Anzahl(32767, "Zahl der Erddruckzeilen");
        f.Weiter(4 * n);
    }
    Kennung(f, lc, s, "A");
    d.AnzAuflagerAlle = f.Anzahl(32767, "Zahl der Punkte");
    f.Weiter(2 * d.AnzAuflagerAlle);
    // "B"
    Kennung(f, lc, s, "B");
    const int16_t m = f.Anzahl(32767, "Zahl der Koten");
    f.Weiter(1);
    d.GkFussZ = f.S();
    f.Weiter(5 * m);
    // "C"
    Kennung(f, lc, s, "C");
    d.AnzAnkerGlf = f.Anzahl(kMaxAnker, "Zahl der Anker");
    for (int i = 1; i <= d.AnzAnkerGlf; ++i) {
        b.ankerZ.push_back(f.S());
        b.ankerL.push_back(f.S());
        b.ankerAh.push_back(f.S());
    }
    d.zGLF = f.S();
    f.Weiter(1);
    d.GlfMaxAushub = f.S();
    zormcom::Lauf.zFuss = f.S();
    f.Weiter(4);
    b.z = f.S();
    const int16_t st = f.Anzahl(kMaxAnker, "Zahl der Steifen");
    for (int i = 1; i <= st; ++i) {
        b.steifeZ.push_back(f.S());
        b.steifeAh.push_back(f.S());
    }
    f.Weiter(2);
    P.AnzZusatzSpannung = f.Anzahl(15, "Zahl der Zusatzspannungen");
    f.Weiter(1);
    for (int i = 1; i <= P.AnzZusatzSpannung; ++i) {
        P.ZusZ[i] = f.S();
        P.ZusSpannung[i] = f.S();
    }
    f.Weiter(2);
    return b;
}

void AnkerUebernehmen(const Block& b) {
    Daten& d = D();
    Zustand& z = Z();
    if (static_cast<int>(b.ankerZ.size() + b.steifeZ.size()) > kMaxAnker)
        Fehler(kDateiGL2, "mehr als " + std::to_string(kMaxAnker) + " Anker und Steifen");
    d.AnzGkAnker = 0;
    for (std::size_t i = 0; i < b.ankerZ.size(); ++i) {
        const int k = ++d.AnzGkAnker;
        z.GkAnkerKraft[k] = b.ankerAh[i];
        z.GkAnkerX[k] = -d.GkDWand;
        z.GkAnkerZ[k] = b.ankerZ[i];
        z.GkAnkerLaenge[k] = b.ankerL[i];
        for (int a = 1; a <= d.GlAnzAnker; ++a)
            if (std::fabs(b.ankerZ[i] - d.GlZAuflager[a]) < 0.0001f) {
                z.GkAnkerNeigung[k] = d.GlAnkerNeigung[a];
                break;
            }
        z.GkAnkerKraft[k] = z.GkAnkerKraft[k] / std::cos(z.GkAnkerNeigung[k] * P.GradZuRad);
    }
    for (std::size_t i = 0; i < b.steifeZ.size(); ++i) {
        const int k = ++d.AnzGkAnker;
        z.GkAnkerKraft[k] = b.steifeAh[i];
        z.GkAnkerX[k] = -d.GkDWand;
        z.GkAnkerZ[k] = b.steifeZ[i];
        z.GkAnkerLaenge[k] = 0.0f;
        z.GkAnkerNeigung[k] = 0.0f;
    }
}

void PlotSaetzeLesen(int16_t modus) {
    Daten& d = D();
    Leser f(kDateiGL2);
    float zVorher = 0.0f;
    bool fertig = false;
    for (int lc = 1; lc <= d.GlAnzLF && !fertig; ++lc)
        for (int s = 1; s <= d.GlAnzAush; ++s) {
            const Block b = BlockLesen(f, lc, s);
            if (modus == 0) {
                if (b.z > zVorher) d.GkAushub = static_cast<int16_t>(s);
                zVorher = b.z;
            } else if (lc == d.Lastfall && s == d.GkAushub) {
                AnkerUebernehmen(b);
                fertig = true;
                break;
            }
        }
    if (modus != 0 && !fertig)
        f.Falsch("kein Satz für Lastfall " + std::to_string(d.Lastfall) + ", Aushub " +
                 std::to_string(d.GkAushub));

    // The anchor block at the end: the characteristic force of every support level.
    std::vector<float> blockZ, blockKraft;
    while (!f.Ende()) {
        if (f.Zeile().find("Gebrauchskraft") == std::string::npos) continue;
        const int16_t n = f.Anzahl(kMaxAuflager, "Zahl der Ankerkräfte");
        for (int i = 1; i <= n; ++i) {
            blockZ.push_back(f.S());
            blockKraft.push_back(f.S());
        }
        break;
    }
    if (modus == 0) return;

    Zustand& z = Z();
    for (bool getauscht = true; getauscht;) {
        getauscht = false;
        for (int i = 1; i < d.AnzGkAnker; ++i)
            if (z.GkAnkerZ[i] > z.GkAnkerZ[i + 1]) {
                for (auto* v :
                     {&z.GkAnkerKraft, &z.GkAnkerX, &z.GkAnkerZ, &z.GkAnkerLaenge, &z.GkAnkerNeigung})
                    std::swap((*v)[i], (*v)[i + 1]);
                getauscht = true;
            }
    }
    for (int i = 1; i <= d.AnzGkAnker; ++i)
        for (std::size_t k = 0; k < blockZ.size(); ++k)
            if (blockZ[k] == z.GkAnkerZ[i]) {
                z.GkAnkerKraft[i] = blockKraft[k];
                break;
            }
}

} // namespace

void GLDatenLesen(int16_t modus) {
    vb::CloseAll();
    ProjektKopieLesen();
    PlotSaetzeLesen(modus);
    D().FestPunkt = 99;
    P.DatenGelesen = -1;
}

void PunktSuchen(int16_t nummer, int16_t& index) {
    const Zustand& z = Z();
    index = 0;
    for (int i = 1; i <= z.AnzPunkte && static_cast<std::size_t>(i) < z.PunktNummer.size(); ++i)
        if (z.PunktNummer[i] == nummer) {
            index = static_cast<int16_t>(i);
            return;
        }
}

} // namespace Zormg
