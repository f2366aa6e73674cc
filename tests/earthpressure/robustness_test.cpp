// Damaged project files: the example projects with one item or line changed, dropped or doubled, or
// cut short. Reading such a file either fails and leaves the project as it was, or succeeds, and then
// stage a and the earth-pressure stage of every load case and stage either come through or refuse the
// calculation with a calculation error; they never crash, hang, throw anything else or write a value
// that is not a number into the report or a hand-over file.
#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <typeinfo>
#include <vector>

#include "earthpressure/stage_a.h"
#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "stage_b_fixture.h"
#include "tests/support/text_file.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace {

using namespace stageb_test;
namespace fs = std::filesystem;

// The case in progress, for the message of a sanitizer or a hang.
char g_fall[512] = "";

void FallSetzen(const std::string& s) {
    std::snprintf(g_fall, sizeof g_fall, "%s", s.c_str());
}

void FallMelden() {
    std::fprintf(stderr, "\n*** damaged project file case: %s\n", g_fall);
}

// Ends the process with the case in progress when a case takes far longer than any should.
class Waechter {
public:
    Waechter() {
        thread_ = std::thread([this] {
            std::unique_lock<std::mutex> lock(m_);
            unsigned long zuletzt = ~0ul;
            while (!ende_) {
                if (cv_.wait_for(lock, std::chrono::seconds(60), [this] { return ende_; })) break;
                if (fortschritt_.load() == zuletzt) {
                    std::fprintf(stderr, "\n*** no progress for 60 s\n");
                    FallMelden();
                    std::abort();
                }
                zuletzt = fortschritt_.load();
            }
        });
    }
    ~Waechter() {
        {
            std::lock_guard<std::mutex> lock(m_);
            ende_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }
    void Weiter() { ++fortschritt_; }

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool ende_ = false;
    std::atomic<unsigned long> fortschritt_{0};
    std::thread thread_;
};

std::string DateiBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Verbinden(const std::vector<std::string>& z) {
    std::string t;
    for (const auto& s : z)
        t += s + "\r\n";
    return t;
}

// The items of a line, split at the commas outside quotes.
std::vector<std::string> Items(const std::string& zeile) {
    std::vector<std::string> it(1);
    bool inText = false;
    for (char c : zeile) {
        if (c == '"') inText = !inText;
        if (c == ',' && !inText)
            it.emplace_back();
        else
            it.back() += c;
    }
    return it;
}

std::string Zeile(const std::vector<std::string>& it) {
    std::string s;
    for (std::size_t k = 0; k < it.size(); ++k)
        s += (k ? "," : "") + it[k];
    return s;
}

// What replaces an item: nothing, signs, the edges of the integer items, huge values, a text.
const std::vector<std::string> kWerte = {"0",     "-1",     "-7.5", "0.001", "1",    "2",    "3",
                                         "25",    "100",    "99",   "1E6",   "-1E6", "3E38", "-3E38",
                                         "32767", "32768",  "-999", "1E-30", "abc",  "",     "\"x\"",
                                         "9999",  "-32768", "0.5",  "45",    "60",   "88"};

struct Mutant {
    std::string text;
    std::string beschreibung;
    bool ersetzt = false; // an item was replaced by a value
};

// One change of the text: a value in place of an item (half of the cases), an item or a line dropped
// or doubled, or the text cut short.
Mutant Mutieren(const std::string& original, std::mt19937& rng, bool nurErsetzen = false) {
    auto zufall = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    std::vector<std::string> z = zortest::ZeilenAus(original);
    const std::size_t l = zufall(z.size());
    const int art = nurErsetzen ? 0 : static_cast<int>(zufall(10));
    std::vector<std::string> it = Items(z[l]);
    const std::size_t i = zufall(it.size());
    const std::string wo = "line " + std::to_string(l + 1) + " item " + std::to_string(i + 1);
    switch (art) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4: {
        const std::string& w = kWerte[zufall(kWerte.size())];
        const std::string alt = it[i];
        it[i] = w;
        z[l] = Zeile(it);
        return {Verbinden(z), wo + ": " + alt + " -> " + w, true};
    }
    case 5:
        if (it.size() > 1)
            it.erase(it.begin() + static_cast<long>(i));
        else
            it[i].clear();
        z[l] = Zeile(it);
        return {Verbinden(z), wo + " dropped"};
    case 6:
        it.insert(it.begin() + static_cast<long>(i), it[i]);
        z[l] = Zeile(it);
        return {Verbinden(z), wo + " doubled"};
    case 7:
        z.erase(z.begin() + static_cast<long>(l));
        return {Verbinden(z), "line " + std::to_string(l + 1) + " dropped"};
    case 8:
        z.insert(z.begin() + static_cast<long>(l), z[l]);
        return {Verbinden(z), "line " + std::to_string(l + 1) + " doubled"};
    default: {
        const std::size_t n = zufall(original.size());
        return {original.substr(0, n), "cut after " + std::to_string(n) + " bytes"};
    }
    }
}

// A value that is not a number as the runtime prints it ("nan", "-inf", "NaN", "1.#INF", "-1.#IND"...):
// one of these words standing on its own.
bool KeineZahl(const std::string& text) {
    const std::string t = vb::LCase(text);
    auto buchstabe = [&](std::size_t k) {
        return k < t.size() && std::isalpha(static_cast<unsigned char>(t[k]));
    };
    for (const char* w : {"nan", "inf", "ind"})
        for (std::size_t k = t.find(w); k != std::string::npos; k = t.find(w, k + 1))
            if ((k == 0 || !buchstabe(k - 1)) && !buchstabe(k + 3)) return true;
    return false;
}

class BeschaedigteDatei : public StageB {
protected:
    void SetUp() override {
        StageB::SetUp();
        zor::meldeprotokoll::Zuruecksetzen();
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(FallMelden);
#endif
    }
    void TearDown() override {
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(nullptr);
#endif
    }

    void Zuruecksetzen() {
        vb::ResetRuntime();
        ResetProjectData();
        Anzeigen::ResetH504();
        zor::LaufZuruecksetzen();
        zor::meldeprotokoll::Zuruecksetzen();
        vb::SetDecimalSeparator('.');
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir_.path()))
            fs::remove_all(e.path(), ec);
        P.GradZuRad = kGrad;
        P.TiefeUnendlich = 99.0f;
        P.Versionstext = "V.07.05.2012";
        P.WurzelOrdner = dir_.path().string() + "/";
    }

    // Reads a project file into the project data as the start dialog does.
    static bool Lesen(const std::string& datei, const std::string& name) {
        if (!zorm1::EingabeLesen(datei)) return false;
        P.GanzerName = "/projekte/" + name;
        P.gamG = 1.20f;
        P.gamE0g = 1.10f;
        P.gamQ = 1.30f;
        return true;
    }

    // Runs the calculation as far as the earth-pressure stage; returns false when it was refused.
    // A fault fails the test with the case.
    bool Rechnen(const std::string& fall) {
        try {
            zorma::EingabeAuswerten();
            const int anzLF = P.AnzLF, anzAush = P.AnzAush;
            for (int lf = 1; lf <= anzLF; ++lf)
                for (int a = 1; a <= anzAush; ++a) {
                    P.LFNr = static_cast<int16_t>(lf);
                    P.AushNr = static_cast<int16_t>(a);
                    zormb::ErddruckBerechnen();
                }
        } catch (const zor::CalcAbort&) {
            return false;
        } catch (const vb::RuntimeError&) {
            return false;
        } catch (const std::exception& e) {
            ADD_FAILURE() << fall << ": " << typeid(e).name() << ": " << e.what();
            return false;
        } catch (...) {
            ADD_FAILURE() << fall << ": unknown exception";
            return false;
        }
        return true;
    }

    // No file the calculation wrote into the working folder holds a value that is not a number.
    void KeineNaN(const std::string& fall) {
        vb::ResetRuntime(); // flushes and closes what is still open
        for (const auto& e : fs::directory_iterator(dir_.path())) {
            if (!e.is_regular_file()) continue;
            const std::string name = e.path().filename().string();
            if (name == "projekt.zor" || vb::UCase(name).rfind("WEXASAVE", 0) == 0 || name == "zorH504.txt")
                continue; // the input and its copies hold the user's texts
            const std::string t = DateiBytes(e.path());
            for (const auto& zeile : zortest::ZeilenAus(t))
                if (KeineZahl(zeile)) {
                    ADD_FAILURE() << fall << ": " << name << ": " << zeile;
                    return;
                }
        }
    }

    void Pruefen(const std::string& beispiel, unsigned seed, int anzahl) {
        Waechter waechter;
        const std::string original = DateiBytes(fs::path(ZOR_TEST_DATA) / beispiel);
        ASSERT_FALSE(original.empty());
        std::mt19937 rng(seed);
        int gelesen = 0, gerechnet = 0;
        for (int n = 0; n < anzahl; ++n) {
            waechter.Weiter();
            // A changed value comes with up to two more, so that a file that still reads changes more
            // values of the calculation.
            Mutant m = Mutieren(original, rng);
            for (unsigned k = m.ersetzt ? rng() % 3 : 0; k > 0; --k) {
                const Mutant weiter = Mutieren(m.text, rng, true);
                m = {weiter.text, m.beschreibung + "; " + weiter.beschreibung, true};
            }
            const std::string fall = beispiel + " #" + std::to_string(n) + " (" + m.beschreibung + ")";
            FallSetzen(fall);

            // The project the user had open before: the example itself.
            Zuruecksetzen();
            ASSERT_TRUE(Lesen(std::string(ZOR_TEST_DATA) + "/" + beispiel, beispiel));
            const ProjectData vorher = P;
            const Anzeigen::Heft504Daten h504Vorher = Anzeigen::H504;

            const fs::path datei = dir_ / "projekt.zor";
            {
                std::ofstream out(datei, std::ios::binary | std::ios::trunc);
                out << m.text;
            }
            if (!Lesen(datei.string(), beispiel)) {
                EXPECT_TRUE(P == vorher) << fall << ": a failed read changed the project data";
                EXPECT_TRUE(Anzeigen::H504 == h504Vorher)
                    << fall << ": a failed read changed the header texts";
                EXPECT_TRUE(!zor::meldeprotokoll::Eintraege().empty() &&
                            zor::meldeprotokoll::Eintraege().back().titel == "Falsche Datei")
                    << fall << ": a failed read was not told";
                continue;
            }
            ++gelesen;
            if (Rechnen(fall)) ++gerechnet;
            KeineNaN(fall);
            if (HasFailure()) {
                std::fprintf(stderr, "first failing case: %s\n", fall.c_str());
                return;
            }
        }
        // The mutants must reach the calculation, or the test proves nothing about it.
        EXPECT_GT(gelesen, anzahl / 3) << beispiel;
        EXPECT_GT(gerechnet, anzahl / 5) << beispiel;
    }
};

TEST_F(BeschaedigteDatei, SheetPileWallCantilever) {
    Pruefen("Spundwand_frei", 1001u, 200);
}

TEST_F(BeschaedigteDatei, SoldierPileWallAnchored) {
    Pruefen("Traegerbohlwand_verankert", 2002u, 200);
}

TEST_F(BeschaedigteDatei, DiaphragmWallStruttedWithGroundWater) {
    Pruefen("Schlitzwand_gesteift_GW", 3003u, 200);
}

} // namespace

namespace {

// Values the calculation cannot work with are refused by stage a before it writes anything, with a
// message that names the value; the project data stay as they were.
class UnbrauchbarerWert : public BeschaedigteDatei {
protected:
    // Reads the example, changes one value and runs stage a; returns the message of a refusal.
    std::string StufeA(const std::function<void()>& aendern) {
        Zuruecksetzen();
        EXPECT_TRUE(
            Lesen(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert", "Traegerbohlwand_verankert"));
        aendern();
        const ProjectData vorher = P;
        try {
            zorma::EingabeAuswerten();
        } catch (const zor::CalcAbort& e) {
            if (vorher == vorher) { // (a value that is no number equals nothing)
                EXPECT_TRUE(P == vorher) << "a refused run changed the project data";
            }
            EXPECT_FALSE(fs::exists(dir_ / "LPTZW")) << "a refused run wrote a report";
            return e.what();
        }
        return {};
    }
};

TEST_F(UnbrauchbarerWert, FrictionAngleOfNinetyDegreesOrMoreOrNegativeIsRefused) {
    for (float phi : {90.0f, 99.0f, 3e38f, -5.0f, std::nanf("")}) {
        const std::string m = StufeA([&] { P.SchichtPhi[2] = phi; });
        EXPECT_NE(m.find("Reibungswinkel der Bodenschicht 2"), std::string::npos) << phi << ": " << m;
        EXPECT_NE(m.find("zulässig 0 bis 89.9 Grad"), std::string::npos) << m;
    }
}

TEST_F(UnbrauchbarerWert, ValuesOutsideTheirRangeAreRefusedAndTheBoundIsCalculated) {
    struct Fall {
        std::function<float&()> wert;
        const char* name;
        float grenze; // the largest value allowed
    };
    const std::vector<Fall> faelle = {
        {[]() -> float& { return P.ErdLastPv(1, 1); }, "Vertikallast der Flächenlast 1 im Lastfall 1",
         1.0e4f},
        {[]() -> float& { return P.ErdLastXE(1, 1); }, "Ende der Flächenlast 1 im Lastfall 1", 999.0f},
        {[]() -> float& { return P.ErdLastPh(1, 2); }, "Horizontallast der Flächenlast 2 im Lastfall 1",
         1.0e4f},
        {[]() -> float& { return P.ErdLastRuheFaktor(1, 1); }, "Faktor des Erdruhedrucks der Flächenlast 1",
         100.0f},
        {[]() -> float& { return P.RuheProz; }, "Anteil des Erdruhedrucks", 100.0f},
        {[]() -> float& { return P.SchichtGamma[3]; }, "Wichte der Bodenschicht 3", 50.0f},
        {[]() -> float& { return P.Aushubstufen[1].ZWasserErd; }, "erdseitiger Wasserstand im Aushubzustand 1",
         99.0f},
        {[]() -> float& { return P.Aushubstufen[2].EFaktor; },
         "Faktor für den umgelagerten Erddruck im Aushubzustand 2", 100.0f},
    };
    for (const auto& f : faelle) {
        for (float v : {3e38f, -3e38f, std::nanf(""), f.grenze * 1.01f}) {
            const std::string m = StufeA([&] { f.wert() = v; });
            EXPECT_NE(m.find(f.name), std::string::npos) << v << ": " << m;
            EXPECT_NE(m.find("zulässig"), std::string::npos) << m;
            EXPECT_FALSE(KeineZahl(m)) << m;
        }
        EXPECT_EQ(StufeA([&] { f.wert() = f.grenze; }), "") << f.name;
    }
}

} // namespace
