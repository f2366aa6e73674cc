// The verification stage on the example projects, through the run driver: every state-quantity
// table closes (the head support and every force of the H-Kraft column carry the load of the fields),
// the anchor forces above the excavation level are the supports printed there, and the files hold no
// non-number.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "frame/run_state.h"
#include "frame/run_status.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "statics/state.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

namespace {

using zorm1::P;
using zormc::St;

struct Stufe {
    int lf = 0, aush = 0;
    float last = 0;       // load of the fields, sum of L (q0 + dq / 2) (kN/m)
    float summeAnker = 0; // SummeAnkerAh after the table
    int zeilen = 0;       // rows of the solve
};

std::vector<float> Zahlen(const std::string& zeile) {
    std::vector<float> out;
    static const std::regex zahl(R"(-?\d+\.\d+)");
    for (auto it = std::sregex_iterator(zeile.begin(), zeile.end(), zahl); it != std::sregex_iterator(); ++it)
        out.push_back(std::stof(it->str()));
    return out;
}

class Nachweisstufe : public ::testing::Test {
protected:
    void SetUp() override { Zuruecksetzen(); }
    void TearDown() override {
        Zuruecksetzen();
        zorrun::StufenStandard();
    }
    static void Zuruecksetzen() {
        vb::headless::ResetForms();
        vb::headless::Reset();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        zor::LaufZuruecksetzen();
        vb::SetDecimalSeparator('.');
    }

    void Rechnen(const std::string& beispiel) {
        const std::string v = zortest::BeispielKopieren(beispiel);
        ASSERT_FALSE(v.empty());
        Zuruecksetzen();
        vb::SetDecimalSeparator('.');
        zorrun::Stufen().Nachweise = [this](zor::Laufstatus& status) {
            Stufe s;
            s.lf = P.LFNr;
            s.aush = P.AushNr;
            for (int i = 1; i <= St.AnzZeilen && i <= zormc::kMaxZeile; ++i) {
                const auto& r = St.ErgebnisTabelle[static_cast<std::size_t>(i)];
                const int art = static_cast<int>(std::lround(r[zormc::kArt]));
                if (art == zormc::kEnde) break;
                if (art == zormc::kFeld) s.last += r[3] * (r[5] + r[6] / 2.0f);
                ++s.zeilen;
            }
            zormd::Nachweise(status);
            s.summeAnker = zormd::N.SummeAnkerAh;
            stufen.push_back(s);
        };
        umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
        ASSERT_EQ(zorrun::ProjektRechnen(v), zorrun::kLaufFertig);
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        ASSERT_FALSE(stufen.empty());
        bericht = zortest::Zeilen("LPTZW");
    }

    // The rows of the n-th state-quantity table (between its rule line and the first empty line).
    std::vector<std::string> Tabelle(std::size_t n) const {
        std::size_t gefunden = 0;
        for (std::size_t i = 0; i < bericht.size(); ++i) {
            if (bericht[i].find("ZUSTANDS-GRÖSSEN  LASTFALL") == std::string::npos || gefunden++ != n)
                continue;
            std::size_t a = i;
            while (a < bericht.size() && bericht[a] != std::string(13, ' ') + std::string(64, '-'))
                ++a;
            std::vector<std::string> out;
            for (std::size_t k = a + 1; k < bericht.size() && !bericht[k].empty(); ++k)
                out.push_back(bericht[k]);
            return out;
        }
        return {};
    }

    std::vector<Stufe> stufen;
    std::vector<std::string> bericht;
    zortest::WorkingFolder ordner_;
    zortest::Umgebung umgebung_;
};

TEST_F(Nachweisstufe, EveryTableOfTheExamplesClosesOnTheLoadOfItsFields) {
    for (const char* beispiel : {"Spundwand_frei", "Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW"}) {
        SCOPED_TRACE(beispiel);
        stufen.clear();
        Rechnen(beispiel);
        ASSERT_EQ(stufen.size(), static_cast<std::size_t>(P.AnzLF * P.AnzAush));
        for (std::size_t n = 0; n < stufen.size(); ++n) {
            const Stufe& s = stufen[n];
            SCOPED_TRACE(std::to_string(s.lf) + "/" + std::to_string(s.aush));
            if (n > 0) {
                EXPECT_TRUE(s.lf > stufen[n - 1].lf ||
                            (s.lf == stufen[n - 1].lf && s.aush == stufen[n - 1].aush + 1));
            }
            const auto t = Tabelle(n);
            ASSERT_FALSE(t.empty());
            float kraefte = 0.0f, oberhalb = 0.0f;
            bool aushub = false;
            int zeilen = 0;
            for (const auto& z : t) {
                if (z.find("Aushubkote") != std::string::npos) aushub = true;
                const auto w = Zahlen(z);
                const std::size_t erstes = z.find_first_not_of(' ');
                if (w.size() == 6 && z.find(" Auflag.") != std::string::npos) { // supported head
                    kraefte += w[5];
                    oberhalb += w[5];
                } else if (erstes != std::string::npos && erstes >= 13 + 20 && w.size() >= 3) { // force row
                    kraefte += w[2];
                    if (!aushub && z.find(" Auflag. ") != std::string::npos) oberhalb += w[2];
                    ++zeilen;
                }
            }
            EXPECT_GT(std::fabs(s.last), 1.0f);
            EXPECT_NEAR(kraefte, s.last, 0.01f * static_cast<float>(zeilen + 2)) << n;
            EXPECT_NEAR(s.summeAnker, oberhalb, 0.01f * static_cast<float>(zeilen + 2)) << n;
        }
        const std::regex keineZahl(R"(\b(nan|inf|infinity)\b)", std::regex::icase);
        for (const char* datei : {"LPTZW", "zzzplot2", "wexasave.gl2", "ANKMAX.-12"})
            EXPECT_FALSE(std::regex_search(zortest::Text(datei), keineZahl)) << datei;
        EXPECT_EQ(zortest::Zeilen("ZORDENDE.DOS"), std::vector<std::string>{"\"ENDE\""});
        Zuruecksetzen();
    }
}

} // namespace

namespace {

// Sheet pile wall fixed after Blum (hand values of the statics: largest moment -112.65 kNm/m at 4.95 m,
// extra embedment 0.296 m for the C force): the zero-shear row and the C-force block show them.
TEST_F(Nachweisstufe, TheSheetPileTableShowsTheHandCheckedMomentAndExtraEmbedment) {
    Rechnen("Spundwand_frei");
    const auto t = Tabelle(0);
    std::vector<std::string> stern;
    for (const auto& z : t)
        if (z.find('*') != std::string::npos) stern.push_back(z);
    ASSERT_EQ(stern.size(), 1u);
    const auto w = Zahlen(stern[0]);
    ASSERT_EQ(w.size(), 5u);
    EXPECT_NEAR(w[0], 4.95f, 0.011f);
    EXPECT_NEAR(w[3], -112.65f, 0.07f);
    EXPECT_EQ(stern[0].find('*'), 13u + 35); // the star of the zero shear stands behind M
    bool block = false;
    for (const auto& z : bericht)
        if (z.find(" dt = Abs(C) * gamRe / (2 * sigmaC * kpghC * cos(deltaC)) =  0.30 m") !=
                std::string::npos ||
            z.find(" dt = Abs(C) * eta / (2 * sigmaC * kpghC * cos(deltaC)) =  0.30 m") != std::string::npos)
            block = true;
    EXPECT_TRUE(block);
    EXPECT_EQ(std::count_if(t.begin(), t.end(),
                            [](const std::string& z) { return z.find(" Kraft C -") != std::string::npos; }),
              1);
}

} // namespace
