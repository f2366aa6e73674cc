// The project file's writer and reader walk one table (frame/project_file_table.h). These tests take whole
// projects through a save and a read: the examples as they are shipped, and many generated projects that
// vary every count and every value; and they check that the lines of the file are the table's statements.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/project_file_table.h"
#include "frame/stage_table.h"
#include "platform/runtime/vbfile.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ProjectData;

namespace fs = std::filesystem;

namespace {

class Projektdatei : public ::testing::Test {
protected:
    void SetUp() override { Zuruecksetzen(); }
    void TearDown() override { Zuruecksetzen(); }
    static void Zuruecksetzen() {
        zor::meldeprotokoll::Zuruecksetzen();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        P.GradZuRad = 3.141593f / 180.0f;
    }
    zortest::WorkingFolder dir_;
};

std::string Bytes(const std::string& name) {
    return vb::ReadFileBytes(name);
}

// The project files shipped with the program and kept for the tests.
std::vector<fs::path> Beispiele() {
    std::vector<fs::path> dateien;
    for (const char* ordner : {ZOR_EXAMPLES, ZOR_TEST_DATA})
        for (const auto& e : fs::directory_iterator(ordner))
            if (e.is_regular_file() && e.path().extension().empty()) dateien.push_back(e.path());
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

// "" when both texts are equal, else the first line in which they differ, with both lines.
std::string ErsterUnterschied(const std::string& a, const std::string& b) {
    if (a == b) return "";
    const auto za = zortest::CrLfZeilen(a), zb = zortest::CrLfZeilen(b);
    for (size_t i = 0; i < std::max(za.size(), zb.size()); ++i) {
        const std::string x = i < za.size() ? za[i] : "(end)", y = i < zb.size() ? zb[i] : "(end)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "same lines, different bytes";
}

// A shipped project read and saved keeps every line, apart from the one correction the reader makes to
// these files (the first two values of statement 35, 0 there, become 100 and 10); saved again after a read,
// the file stays the same byte for byte.
TEST_F(Projektdatei, EveryExampleComesBackByteForByte) {
    const auto beispiele = Beispiele();
    ASSERT_GE(beispiele.size(), 9u);
    for (const fs::path& b : beispiele) {
        SCOPED_TRACE(b.string());
        Zuruecksetzen();
        const std::string original = Bytes(b.string());
        ASSERT_TRUE(zorm1::EingabeLesen(b.string()));
        ASSERT_TRUE(zorm1::ArbeitskopieSchreiben("erst"));
        const std::string erst = Bytes("erst");

        const auto zo = zortest::CrLfZeilen(original), ze = zortest::CrLfZeilen(erst);
        ASSERT_EQ(ze.size(), zo.size());
        for (size_t i = 0; i < zo.size(); ++i)
            if (zo[i] != ze[i]) {
                ASSERT_EQ(zo[i].substr(0, 4), "0,0,") << "line " << i + 1;
                EXPECT_EQ(ze[i], "100,10," + zo[i].substr(4)) << "line " << i + 1;
            }

        Zuruecksetzen();
        ASSERT_TRUE(zorm1::EingabeLesen("erst"));
        const ProjectData einmal = P;
        ASSERT_TRUE(zorm1::ArbeitskopieSchreiben("zweit"));
        EXPECT_EQ(ErsterUnterschied(Bytes("zweit"), erst), "");
        EXPECT_TRUE(P == einmal);
    }
}

// A generator of valid projects: it walks the file's table and gives every item a value of its kind, every
// count one within its list, then sets what a valid project keeps consistent (see Gueltig). Seeded, so every
// run makes the same projects.
class Zufallsprojekt {
public:
    explicit Zufallsprojekt(uint32_t seed) : g_(seed) {}

    template <class F> void Satz(int, F&& items) { items(); }
    void Wert(int16_t& v) { v = Ganz(); }
    void Wert(float& v) { v = Zahl(); }
    void Wert(std::string& v) { v = Text(); }
    void Anzahl(int16_t& n, int max) { n = Zaehler(max); }
    template <class T> void Leer(T) {}
    void Seite(int16_t& nr, std::string& text) {
        nr = Ganz();
        text = std::to_string(nr);
    }
    bool Ende() { return false; }
    template <class F> void BeimSchreiben(F&&) {}
    template <class F> void NachDemLesen(F&& f) { f(); }
    Anzeigen::Heft504Texte& Kopftexte() { return Anzeigen::H504.Dialog; }

    // A whole project into P and the header texts, the latter also into "zorH504.txt" where a save takes
    // them from.
    void Erzeugen() {
        zorm1::Projektdatei(*this, P);
        Gueltig();
        // As the header texts' own save writes them, one quoted line each, but without waiting for the disk.
        vb::FileGuard d("zorH504.txt", vb::OpenMode::Output);
        const Anzeigen::Heft504Texte& h = Anzeigen::H504.Dialog;
        for (int i = 0; i < Anzeigen::Heft504Texte::Anzahl; ++i)
            vb::Print(d.nr(), "\"" + h[i] + "\"");
        d.Close();
    }

private:
    int Bereich(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }

    // Integers: mostly small codes, sometimes negative or at the ends of the 16-bit range.
    int16_t Ganz() {
        switch (Bereich(0, 9)) {
        case 0:
            return static_cast<int16_t>(Bereich(-32768, 32767));
        case 1:
            return static_cast<int16_t>(Bereich(-5, -1));
        default:
            return static_cast<int16_t>(Bereich(0, 12));
        }
    }
    // Singles: zero, whole numbers, values of two decimals as typed, values that need all nine digits, and
    // any finite single from the tiniest to the largest.
    float Zahl() {
        switch (Bereich(0, 9)) {
        case 0:
            return 0.0f;
        case 1:
            return static_cast<float>(Bereich(-100, 100));
        case 2: {
            float v;
            do
                v = std::bit_cast<float>(static_cast<uint32_t>(Bereich(0, 0x7fffffff)) |
                                         (Bereich(0, 1) ? 0x80000000u : 0u));
            while (!std::isfinite(v));
            return v;
        }
        case 3:
            return std::uniform_real_distribution<float>(-1e6f, 1e6f)(g_);
        default:
            return static_cast<float>(Bereich(-20000, 20000)) / 100.0f;
        }
    }
    // Texts: blanks, commas, digits, letters and umlauts; never a double quote or a line break, which a
    // project file cannot hold.
    std::string Text() {
        static const std::vector<std::string> zeichen = {" ", ",", ".", "-", "/", "0", "7",
                                                         "a", "Z", "ä", "Ö", "ß", "é", "°"};
        std::string t;
        for (int i = Bereich(0, 3) == 0 ? 0 : Bereich(1, 40); i > 0; --i)
            t += zeichen[static_cast<size_t>(Bereich(0, static_cast<int>(zeichen.size()) - 1))];
        return t;
    }
    // Counts: every value from none to the capacity; the stages and load cases tend to few, so that ten
    // thousand projects stay quick.
    int16_t Zaehler(int max) {
        if (max >= 13 && Bereich(0, 9) != 0) return static_cast<int16_t>(Bereich(0, 2));
        return static_cast<int16_t>(Bereich(0, max));
    }

    // An excavation stage with counts its lists hold, and values at the places the stored form keeps.
    zorm1::Aushubstufe Stufe() {
        zorm1::Aushubstufe t;
        for (float& v : t.Ablage)
            v = Zahl();
        t.Wandfuss = static_cast<float>(Bereich(1, 4));
        t.zAush = Zahl();
        t.ZWandfuss = t.Wandfuss == 1.0f ? t.zAush + 0.01f : Zahl();
        t.AnzAnker = static_cast<float>(Bereich(0, 8));
        t.UmFigur = static_cast<float>(Bereich(0, 8));
        for (float* v : {&t.UmZ1, &t.UmZ2, &t.EpsUml, &t.ZNextAnker, &t.ZWasserLuft, &t.EFaktor, &t.StBx1,
                         &t.StBx2, &t.StBH, &t.ZWasserErd, &t.Einsp})
            *v = Zahl();
        for (size_t i = 1; i <= 8; ++i)
            t.ZAnker[i] = Zahl();
        t.AnzSohlLast = static_cast<float>(Bereich(0, 8));
        for (size_t i = 1; i <= static_cast<size_t>(t.AnzSohlLast); ++i) {
            t.SohlLastX1[i] = Zahl();
            t.SohlLastX2[i] = Zahl();
            t.SohlLastQ[i] = Zahl();
            t.SohlLastZ[i] = Zahl();
        }
        t.AnzZusatzSpannung = static_cast<float>(Bereich(0, 15));
        for (size_t i = 1; i <= static_cast<size_t>(t.AnzZusatzSpannung); ++i) {
            t.ZusZ[i] = Zahl();
            t.ZusSpannung[i] = Zahl();
        }
        t.AnzErddruckFaktor = static_cast<float>(Bereich(0, 15));
        for (size_t i = 1; i <= static_cast<size_t>(t.AnzErddruckFaktor); ++i) {
            t.EVerZ[i] = Zahl();
            t.EVerFaktor[i] = Zahl();
        }
        return zorm1::AushubAusSpalte(zorm1::AushubAlsSpalte(t));
    }

    // What a valid project keeps consistent, as the program's pages and its saves leave it.
    void Gueltig() {
        for (int s = 1; s <= P.AnzAush; ++s)
            P.Aushubstufen[static_cast<size_t>(s)] = Stufe();
        if (P.WandreibungStufen > 1) P.WandreibungStufen = 0;
        for (int i = 1; i <= P.AnzErd; ++i) {
            if (P.SchichtGammaAush[i] == 0.0f) P.SchichtGammaAush[i] = P.SchichtGamma[i];
            if (P.SchichtGammaAuftriebAush[i] == 0.0f)
                P.SchichtGammaAuftriebAush[i] = P.SchichtGammaAuftrieb[i];
        }
        if (P.UntergrundGuenstig != 0) P.UntergrundGuenstig = 1;
        if (static_cast<float>(P.GradZuRad * P.PhiCaq) == 1.0f) P.PhiCaq = 0.0f;
        if (P.Satz35Wert1 <= 0.0f) P.Satz35Wert1 = 100.0f;
        if (P.Bemessungssituation < 0 || P.Bemessungssituation > 23) P.Bemessungssituation = 2;
        // The global safety is at least 1 where layers hold it; without partial factors it is Etap.
        if (P.TeilsicherheitenAn == 0) {
            if (P.AnzErd > 0 && P.Etap < 1.0f) P.Etap = 1.5f;
            P.EtaGlobal = P.Etap;
        } else if (P.AnzErd == 0) {
            P.EtaGlobal = ProjectData{}.EtaGlobal;
        } else if (P.EtaGlobal < 1.0f) {
            P.EtaGlobal = 1.5f;
        }
    }

    std::mt19937 g_;
};

// Ten thousand generated projects, each saved, read into an empty project and saved again: the project read
// is the project saved, field for field, and the two files are the same byte for byte.
TEST_F(Projektdatei, GeneratedProjectsComeBackFieldForFieldAndByteForByte) {
    // In memory where the system has such a folder: ten thousand saves need not wait for a disk.
    std::error_code ec;
    std::string ordner = "/dev/shm/zor_projekte_XXXXXX";
    if (!fs::is_directory("/dev/shm", ec) || !::mkdtemp(ordner.data())) ordner.clear();
    const fs::path vorher = fs::current_path();
    if (!ordner.empty()) fs::current_path(ordner);
    struct Aufraeumen {
        fs::path zurueck, weg;
        ~Aufraeumen() {
            std::error_code e;
            fs::current_path(zurueck, e);
            if (!weg.empty()) fs::remove_all(weg, e);
        }
    } aufraeumen{vorher, ordner};

    const int anzahl = 10000;
    int fehler = 0;
    for (int n = 0; n < anzahl && fehler < 3; ++n) {
        Zuruecksetzen();
        Zufallsprojekt(static_cast<uint32_t>(20261211 + n)).Erzeugen();
        ASSERT_TRUE(zorm1::ArbeitskopieSchreiben("erst")) << n;
        ProjectData erwartet = P; // with what a save makes of the data (the sorted stage lists, ...)
        erwartet.DatenGelesen = -1;
        const Anzeigen::Heft504Texte texte = Anzeigen::H504.Dialog;

        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        P.GradZuRad = erwartet.GradZuRad;
        const bool gelesen = zorm1::EingabeLesen("erst");
        ASSERT_TRUE(gelesen) << "project " << n;
        const bool gleich = P == erwartet && Anzeigen::H504.Dialog == texte;
        ASSERT_TRUE(zorm1::ArbeitskopieSchreiben("zweit"));
        const std::string unterschied = ErsterUnterschied(Bytes("zweit"), Bytes("erst"));
        EXPECT_TRUE(gleich) << "project " << n;
        EXPECT_EQ(unterschied, "") << "project " << n;
        if (!gleich || !unterschied.empty()) ++fehler;
    }
}

// Walks the table as the writer (schreibend) or as the reader does and notes every statement with its items:
// the item's kind and the project field it holds (its offset in the project data, in the header texts, or
// -1 for a value the walk keeps itself). Writing, it keeps the values it meets; reading, it gives them back
// in their order, as the file would.
class Aufzeichner {
public:
    struct Satzeintrag {
        int nr;
        std::vector<std::pair<char, long>> items;
        bool operator==(const Satzeintrag&) const = default;
    };
    using Inhalt = std::variant<int16_t, float, std::string>;

    Aufzeichner(bool schreibend, std::vector<Inhalt>* inhalt) : schreibend_(schreibend), inhalt_(inhalt) {}

    template <class F> void Satz(int nr, F&& items) {
        saetze.push_back({nr, {}});
        items();
    }
    void Wert(int16_t& v) { Item('I', v); }
    void Wert(float& v) { Item('S', v); }
    void Wert(std::string& v) { Item('T', v); }
    void Anzahl(int16_t& n, int max) {
        if (schreibend_) n = zorm1::Bis(n, max);
        Item('N', n);
    }
    template <class T> void Leer(T) { saetze.back().items.emplace_back('0', -1); }
    void Seite(int16_t& nr, std::string& text) {
        Item('P', nr);
        text = std::to_string(nr);
    }
    bool Ende() { return false; }
    template <class F> void BeimSchreiben(F&& f) {
        if (schreibend_) f();
    }
    template <class F> void NachDemLesen(F&& f) {
        if (!schreibend_) f();
    }
    Anzeigen::Heft504Texte& Kopftexte() { return Anzeigen::H504.Dialog; }

    std::vector<Satzeintrag> saetze;
    bool AllesGelesen() const { return gelesen_ == inhalt_->size(); }

private:
    template <class T> void Item(char art, T& feld) {
        const auto* a = reinterpret_cast<const char*>(&feld);
        const auto* p = reinterpret_cast<const char*>(&P);
        const auto* h = reinterpret_cast<const char*>(&Anzeigen::H504.Dialog);
        long wo = -1;
        if (a >= p && a < p + sizeof(ProjectData)) wo = a - p;
        if (a >= h && a < h + sizeof(Anzeigen::Heft504Texte)) wo = 1000000 + (a - h);
        saetze.back().items.emplace_back(art, wo);
        if (schreibend_) {
            inhalt_->push_back(feld);
        } else {
            ASSERT_LT(gelesen_, inhalt_->size());
            feld = std::get<T>((*inhalt_)[gelesen_++]);
        }
    }
    bool schreibend_;
    std::vector<Inhalt>* inhalt_;
    size_t gelesen_ = 0;
};

// The items of a line of the file: commas outside the quotes separate them.
size_t Items(const std::string& zeile) {
    size_t n = 1;
    bool inText = false;
    for (char c : zeile) {
        if (c == '"') inText = !inText;
        if (c == ',' && !inText) ++n;
    }
    return n;
}

// Whatever the table holds, the writer and the reader meet the same statements with the same items on the
// same fields, in the same order; and the file holds a line per statement with an item per item. A field
// added to the table is thus written and read at one place.
TEST_F(Projektdatei, WriterAndReaderMeetTheSameItemsAndTheFileHoldsThem) {
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(seed);
        Zuruecksetzen();
        Zufallsprojekt(seed).Erzeugen();
        // At least one entry in every list, so that every statement occurs.
        const auto eins = [](int16_t& n) { n = std::max<int16_t>(n, 1); };
        P.AnkerLaengen = 1;
        for (int16_t* n : {&P.AnzBoesch, &P.AnzErd, &P.AnzAnkerGesamt, &P.AnzLF, &P.AnzAnkerStufenPaare,
                           &P.AnzLastLuftLF[1], &P.AnzLastErdLF[1], &P.AnzFigur6Aush[1], &P.BettAnz[1]})
            eins(*n);
        if (P.AnzAush == 0) {
            P.AnzAush = 1;
            zormcom::AushubSpeichern(1);
        }
        P.ErdLastNichtIn(1, 1, 0) = std::max<int16_t>(P.ErdLastNichtIn(1, 1, 0), 1);
        P.LuftLastNichtIn(1, 1, 0) = std::max<int16_t>(P.LuftLastNichtIn(1, 1, 0), 1);
        P.EahGeg(1, 0) = std::max(P.EahGeg(1, 0), 1.0f);
        P.EphGeg(1, 0) = std::max(P.EphGeg(1, 0), 1.0f);
        ASSERT_TRUE(zorm1::ArbeitskopieSchreiben("projekt"));
        const auto zeilen = zortest::CrLfZeilen(Bytes("projekt"));

        std::vector<Aufzeichner::Inhalt> inhalt;
        Aufzeichner schreiber(true, &inhalt), leser(false, &inhalt);
        zorm1::Projektdatei(schreiber, P);
        zorm1::Projektdatei(leser, P);
        EXPECT_TRUE(schreiber.saetze == leser.saetze);
        EXPECT_TRUE(leser.AllesGelesen());

        ASSERT_EQ(schreiber.saetze.size(), zeilen.size());
        std::set<int> nummern;
        for (size_t i = 0; i < zeilen.size(); ++i) {
            const auto& satz = schreiber.saetze[i];
            EXPECT_EQ(Items(zeilen[i]), satz.items.size()) << "line " << i + 1 << ", statement " << satz.nr;
            nummern.insert(satz.nr);
        }
        EXPECT_EQ(nummern.size(), 70u);
        EXPECT_EQ(*nummern.begin(), 1);
        EXPECT_EQ(*nummern.rbegin(), 70);
    }
}

} // namespace
