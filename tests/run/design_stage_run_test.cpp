// The design stage at the end of whole runs of the example projects: its sections are recomputed by
// hand from the run's own summary lines (max M, min M, max Q, min Q, min N of every stage) and the profile
// values of the example (HEB300: W 1678, A 149.1, s 1.1, h 30; AZ18: W 1800, A 150.4, s 0.95, h 38).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "frame/project_file.h"
#include "platform/forms/msgbox.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace {

const std::string E(13, ' ');

// The value after "label =" in a summary line, read with the comma of the report.
float Wert(const std::string& zeile, const std::string& label) {
    const auto p = zeile.find(label);
    if (p == std::string::npos) return NAN;
    std::string rest = zeile.substr(p + label.size());
    std::replace(rest.begin(), rest.end(), ',', '.');
    return std::stof(rest);
}

// "%6.1f" with a comma, as the report's masks print it.
std::string Zahl(double v, const char* format = "%6.1f") {
    char b[32];
    std::snprintf(b, sizeof b, format, v);
    std::string s = b;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

struct Maxima {
    double M = 0, Q = 0, N = 0; // largest |M|, |Q|, most compressive N over all stages
};

class BemessungsLauf : public ::testing::Test {
protected:
    void SetUp() override { zortest::LaufUmgebungZuruecksetzen(); }
    void TearDown() override {
        zortest::LaufUmgebungZuruecksetzen();
        zorrun::StufenStandard();
    }
    // change: alters the copy's project data before the run.
    void Rechnen(const std::string& beispiel, void (*aendern)() = nullptr) {
        const std::string v = zortest::BeispielKopieren(beispiel);
        ASSERT_FALSE(v.empty());
        if (aendern) {
            zortest::LaufUmgebungZuruecksetzen();
            ASSERT_TRUE(zorm1::EingabeLesen(v));
            aendern();
            ASSERT_TRUE(zorm1::EingabeSchreiben(v));
        }
        zortest::LaufUmgebungZuruecksetzen();
        zorrun::StufenStandard();
        umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
        ASSERT_EQ(zorrun::ProjektRechnen(v), zorrun::kLaufFertig);
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        bericht = zortest::Zeilen("LPTZW");
    }
    // Both forms of the summary: "max M(d) =" (partial factors) and "max M    =" (global safety).
    Maxima AusZusammenfassungen() const {
        Maxima m;
        auto wert = [](const std::string& z, const char* art, float& v) {
            for (const std::string& label : {std::string(art) + "(d) =", std::string(art) + "    ="})
                if (z.find(label) != std::string::npos) {
                    v = Wert(z, label);
                    return true;
                }
            return false;
        };
        for (const auto& z : bericht) {
            float v = 0;
            if (wert(z, "max M", v)) m.M = std::max<double>(m.M, v);
            if (wert(z, "min M", v)) m.M = std::max<double>(m.M, -v);
            if (wert(z, "max Q", v)) m.Q = std::max<double>(m.Q, v);
            if (wert(z, "min Q", v)) m.Q = std::max<double>(m.Q, -v);
            if (wert(z, "min N", v)) m.N = std::min<double>(m.N, v);
        }
        return m;
    }
    bool Enthaelt(const std::string& text) const {
        return std::find(bericht.begin(), bericht.end(), text) != bericht.end();
    }
    bool Teil(const std::string& stueck) const {
        return std::any_of(bericht.begin(), bericht.end(),
                           [&](const std::string& s) { return s.find(stueck) != std::string::npos; });
    }
    // The numbers of the line that starts with the text.
    std::vector<float> Zahlen(const std::string& anfang) const {
        for (const auto& z : bericht) {
            if (z.rfind(anfang, 0) != 0) continue;
            std::vector<float> w;
            std::string t = z.substr(anfang.size());
            t = t.substr(0, t.find(" N/mm2")); // the numbers before the unit
            std::replace(t.begin(), t.end(), ',', '.');
            for (std::size_t i = 0; i < t.size();) {
                if (std::isdigit(static_cast<unsigned char>(t[i])) || t[i] == '-') {
                    std::size_t n = 0;
                    w.push_back(std::stof(t.substr(i), &n));
                    i += n;
                } else {
                    ++i;
                }
            }
            return w;
        }
        return {};
    }
    // The steel check of a profile from the maxima of the run: the forces as the summaries print them, the
    // stresses within the rounding of the printed forces.
    void Stahlnachweis(double W, double A, double s, double h) {
        const Maxima m = AusZusammenfassungen();
        ASSERT_GT(m.M, 0.0);
        const auto sM = Zahlen(E + "  sigma(M)   = 1000 * ");
        const auto sN = Zahlen(E + "  sigma(N)   =   10 * ");
        const auto sMN = Zahlen(E + "  sigma(M + N)                              = ");
        const auto tau = Zahlen(E + "  tau (ca)   =   10 * ");
        ASSERT_EQ(sM.size(), 3u);
        ASSERT_EQ(sN.size(), 3u);
        ASSERT_GE(sMN.size(), 1u);
        ASSERT_EQ(tau.size(), 4u);
        EXPECT_NEAR(sM[0], m.M, 0.051);
        EXPECT_NEAR(sM[1], W, 0.5);
        EXPECT_NEAR(sM[2], m.M / W * 1000.0, 0.1);
        EXPECT_NEAR(sN[0], -m.N, 0.051);
        EXPECT_NEAR(sN[1], A, 0.051);
        EXPECT_NEAR(sN[2], -m.N / A * 10.0, 0.1);
        EXPECT_NEAR(sMN[0], m.M / W * 1000.0 - m.N / A * 10.0, 0.15);
        EXPECT_NEAR(tau[0], m.Q, 0.051);
        EXPECT_NEAR(tau[1], s, 0.001);
        EXPECT_NEAR(tau[2], h, 0.001);
        EXPECT_NEAR(tau[3], m.Q / s / h * 10.0, 0.1);
    }
    std::vector<std::string> bericht;
    zortest::WorkingFolder ordner_;
    zortest::Umgebung umgebung_;
};

TEST_F(BemessungsLauf, AnchoredSoldierPileWallGetsItsSteelCheckLaggingsAndAnchorSection) {
    Rechnen("Traegerbohlwand_verankert");
    Stahlnachweis(1678, 149.1, 1.1, 30);
    EXPECT_TRUE(Teil(E + "Spannungsnachweis S 355, HEB300, Achsabstand = 2,00 m"));
    // Lagging over l = 2.00 - 0.8 * 0.30 = 1.76 m for the printed e: M = e l^2 / 8, timber d from 6 M / 1.85.
    float e = NAN;
    for (const auto& z : bericht)
        if (z.find("Holzausfachung") != std::string::npos)
            e = 0.0f;
        else if (e == 0.0f && z.find("maßgeb. e ; siehe Grafik Wandbelastung    =") != std::string::npos) {
            e = Wert(z, "Wandbelastung    =");
            break;
        }
    ASSERT_GT(e, 0.0f);
    const double M = e * 1.76 * 1.76 / 8.0;
    const double d = std::nearbyint(std::sqrt(6.0 * M / 1.85) + 0.5);
    EXPECT_TRUE(Teil(E + "Holzausfachung  S 10 ; ---> d =" + Zahl(d, "%3.0f") + " cm")) << e;
    EXPECT_TRUE(Teil(" ) ^ 2  /  8      = " + Zahl(M, "%4.1f") + " kNm/m "));
    EXPECT_TRUE(Teil(" cm zwischen den Trägern:"));
    EXPECT_TRUE(Teil("Ausfachung mit Stahlplatten d ="));
    // Anchors with lengths: the anchor section follows, with the single-bar table of its own steel 835/1030.
    EXPECT_TRUE(Teil("für Einstabanker St 835 / 1030 N/mm2"));
    // Its rows carry the run's anchor maxima ("Faktor * Kraft": z, Ah, inclination, length) with the force
    // per anchor A = Ah a / cos(inclination), a = 2.00 m.
    int zeilen = 0;
    bool faktor = false;
    for (std::size_t i = 0; i < bericht.size(); ++i) {
        if (bericht[i].find("Faktor * Kraft für Anker- und Steifen-Nachweise:") != std::string::npos)
            faktor = true;
        if (!faktor || bericht[i].find("Anker  ") == std::string::npos) continue;
        std::string t = bericht[i];
        std::replace(t.begin(), t.end(), ',', '.');
        float z = 0, ah = 0, neigung = 0, laenge = 0;
        char art[16] = {};
        ASSERT_EQ(std::sscanf(t.c_str(), "%f %f %15s %f %f", &z, &ah, art, &neigung, &laenge), 5)
            << bericht[i];
        const double A = ah * 2.0 / std::cos(neigung * 3.14159265358979 / 180.0);
        const std::string zeile = E + Zahl(z, "%6.2f") + "  " + Zahl(ah, "%6.1f") + " " +
                                  Zahl(neigung, "%6.1f") + Zahl(laenge, "%6.1f") + " " + Zahl(2.0, "%6.2f") +
                                  "  " + Zahl(A, "%6.1f") + "(d) ---> ";
        EXPECT_TRUE(Teil(zeile)) << zeile;
        ++zeilen;
    }
    EXPECT_EQ(zeilen, 2);
    EXPECT_TRUE(Teil("Ankerlängen gewählt:"));
}

TEST_F(BemessungsLauf, StruttedDiaphragmWallGetsItsReinforcementWithoutAnchorTables) {
    Rechnen("Schlitzwand_gesteift_GW");
    const Maxima m = AusZusammenfassungen();
    EXPECT_TRUE(Teil(E + "max(abs.M)´ = " + Zahl(m.M) + " kNm;  Asz ="));
    EXPECT_TRUE(Teil(E + "max(abs.Q)´ = " + Zahl(m.Q) + " kN ; AsBü ="));
    EXPECT_TRUE(Enthaelt(E + "BSt 500 S; C 25/30; d1 = 8 cm; d = 72 cm; gamS = 1,15; gamC = 1,50"));
    EXPECT_TRUE(Teil("  Druckstrebe:    VEd / VRdmax = "));
    EXPECT_FALSE(Teil("Asz = 999,0"));
    EXPECT_FALSE(Teil("*** Der Querschnitt"));
    EXPECT_FALSE(Teil("ANKERNACHWEISE"));
    EXPECT_FALSE(Teil("Ankerlängen gewählt"));
}

TEST_F(BemessungsLauf, CantileverSheetPileWallGetsItsSteelCheckOnly) {
    Rechnen("Spundwand_frei");
    Stahlnachweis(1800, 150.4, 0.95, 38);
    EXPECT_FALSE(Teil("Holzausfachung"));
    EXPECT_FALSE(Teil("Spritzbetonausfachung"));
    EXPECT_FALSE(Teil("Ankerlängen gewählt"));
}

TEST_F(BemessungsLauf, BoredPilesWithSpacingGetTheirPileShotcreteAndDetailedResults) {
    // The strutted diaphragm wall as bored piles D 90 cm at 1.20 m (type 6), designed with the local N.
    Rechnen("Schlitzwand_gesteift_GW", [] {
        auto& P = zorm1::P;
        P.Wandtyp = 6;
        P.BPfD = 0.9f;
        P.BPfAbstand = 1.2f;
        P.EBreiteM = P.EBreiteN = 1.2f;
        P.d1Rand = 7.0f;
        P.AsMmin = 0.0f;
        P.AsQmin = 0.0f;
        P.BemessungEin = 1;
        P.MitNormalkraft = 1;
    });
    const Maxima m = AusZusammenfassungen();
    // Partial factors: M' = max |M| x EBreiteM, per metre values of the summaries.
    const auto k4 = Zahlen(E + "max(abs.M)´ = ");
    ASSERT_GE(k4.size(), 2u);
    EXPECT_NEAR(k4[0], m.M * 1.2, 0.1);
    EXPECT_TRUE(Teil(E + "Bemessung der Bohrpfähle h =  90 cm; Einflußbreite(MQ) = 1,20 m"));
    EXPECT_TRUE(Teil("            Betondehnung  eps1 ="));
    EXPECT_TRUE(Teil(" cm zwischen den Pfählen:"));
    EXPECT_TRUE(Teil(E + "Auf ausreichende Auflagerung achten!"));
    // The detailed design ran at every grid point: its heading, a governing section with its place.
    EXPECT_TRUE(Teil(E + "  aushub- und lastfallweise, an allen ( ns ="));
    EXPECT_TRUE(Teil(E + "  Maßgeb. Längsbew. As ="));
    EXPECT_TRUE(Teil(E + "                   (Lastfall "));
    EXPECT_FALSE(Teil("( ns = 0 )"));
    // The governing longitudinal section needs at most what the pre-design with max M and N = 0 needs
    // or more; both are designs of the same section, so both are finite and not the markers.
    const auto c1 = Zahlen(E + "  Maßgeb. Längsbew. As =");
    ASSERT_FALSE(c1.empty());
    EXPECT_GT(c1[0], 0.0f);
    EXPECT_LT(c1[0], 888.0f);
    // Every grid section of these piles can be designed: the sections near the foot, under a compression
    // with next to no moment, need no steel and only the minimum stirrups.
    EXPECT_FALSE(Teil("nicht bemessbar"));
    // The governing shear section's stirrups follow from its own printed lever arm, strut angle and
    // shear force: AsBü = 10 VEd / ((500 / 1.15) z cot(theta)), within the rounding of z and cot(theta).
    std::size_t quer = 0;
    while (quer < bericht.size() && bericht[quer].find("Maßgeb. Bü-Bew. AsBü =") == std::string::npos)
        ++quer;
    ASSERT_LT(quer + 1, bericht.size());
    float z = NAN;
    for (std::size_t i = 0; i < quer; ++i)
        if (bericht[i].find("Hebelarm         z =") != std::string::npos) z = Wert(bericht[i], "z =");
    const float asw = Wert(bericht[quer], "AsBü =");
    const float cot = Wert(bericht[quer], "cot(theta) =");
    const float vEd = Wert(bericht[quer + 1], "VEd =");
    ASSERT_GT(z, 0.3f); // a lever arm of the section, not M / |N| of a compression
    EXPECT_NEAR(asw, 10.0 * vEd / ((500.0 / 1.15) * z * cot), 0.015 * asw + 0.05);
    EXPECT_LE(vEd, m.Q * 1.2 + 0.1);
}

TEST_F(BemessungsLauf, SoldierPileWallWithGlobalSafety) {
    Rechnen("Traegerbohlwand_verankert", [] {
        auto& P = zorm1::P;
        P.TeilsicherheitenAn = 0;
        P.StahlGuete = 240;
        P.StahlNachEAU = 0;
        P.ZulSigma = 180.0f;
        P.ZulTau = 104.0f;
    });
    Stahlnachweis(1678, 149.1, 1.1, 30);
    EXPECT_TRUE(Enthaelt(E + "Spannungsnachweis nach EAB,S 240, HEB300, Achsabstand = 2,00 m"));
    EXPECT_TRUE(Enthaelt(E + "  S 240 GP, St Sp 37, St 37 :  160   92 (N/mm2)  180  104"));
    EXPECT_TRUE(Teil(" N/mm2 < 180"));
    EXPECT_FALSE(Teil("Anhang A9"));
    EXPECT_TRUE(Teil("sigma = 1000 * M / W                      = ") && Teil(" N/mm2 < 15,0"));
    EXPECT_TRUE(Teil(E + "Spritzbetonausfachung   B 25,  h >= "));
    EXPECT_TRUE(Enthaelt(E + "erf. Sicherh. des Stahlzuggliedes eta(S) = 1,75  (1,75   1,33)"));
    EXPECT_TRUE(Teil("Ankerlängen gewählt:"));
}

} // namespace
