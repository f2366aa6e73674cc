// The deep slip plane of the anchored soldier pile wall through a whole run: the report sections of every
// stage with anchors, lengths that meet the required safety and are the shortest in 0.1 m steps that do, and
// the force polygon after Kranz recomputed by hand from the slip body of the printed lengths (weight and
// friction of the soil along the slip line, Rankine pressure on the substitute anchor wall) and the
// earth-pressure force on the wall the run kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_status.h"
#include "platform/forms/headless.h"
#include "platform/runtime/vbnum.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/run/run_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/anchor_files.h"
#include "verification/state.h"

namespace {

using zorm1::P;

constexpr double kPi = 3.14159265358979;

double Zahl(std::string s) {
    for (char& c : s)
        if (c == ',') c = '.';
    return std::stod(s);
}

std::vector<double> Zahlen(const std::string& zeile) {
    std::vector<double> out;
    static const std::regex zahl(R"(-?\d+[,.]\d+)");
    for (auto it = std::sregex_iterator(zeile.begin(), zeile.end(), zahl); it != std::sregex_iterator(); ++it)
        out.push_back(Zahl(it->str()));
    return out;
}

// The soil of the project, as a hand calculation takes it: layer tops, unit weight, friction angle, cohesion.
struct Boden {
    std::vector<double> oben, gamma, phi, c; // phi in radians
    double q = 0.0;                          // unlimited surface load (kN/m2), variable
    int Schicht(double z) const {
        int i = 0;
        while (i + 1 < static_cast<int>(oben.size()) && z >= oben[static_cast<std::size_t>(i + 1)])
            ++i;
        return i;
    }
    // Vertical soil stress at depth z (no groundwater).
    double Sigma(double z) const {
        double s = 0.0;
        for (std::size_t i = 0; i < oben.size(); ++i) {
            const double unten = i + 1 < oben.size() ? oben[i + 1] : 99.0;
            if (z > oben[i]) s += gamma[i] * (std::min(z, unten) - oben[i]);
        }
        return s;
    }
};

// Kranz for the single slip line from the wall point (0, zG) to the grout-body centre (xA, zA) of an anchor
// inclined by i: the possible horizontal anchor force
//   A_h = (E_ah,wall - E_ah,AW + C_h + T) / (1 + tan i T / V),
// T the friction of the slices G tan(phi - theta) less that of the wall's vertical force, V = G - E_av,wall -
// C_v.
struct Kranz {
    double G = 0, T = 0, Ch = 0, Cv = 0, EahAW = 0, A = 0;
};
Kranz Hand(const Boden& b, double zG, double xA, double zA, double neigung, double eahWand, double eavWand) {
    Kranz k;
    const double theta = std::atan((zG - zA) / xA);
    const int n = 20000;
    const double dx = xA / n;
    for (int j = 0; j < n; ++j) {
        const double x = (j + 0.5) * dx;
        const double z = zG - (zG - zA) * x / xA;
        const int s = b.Schicht(z);
        const double phi = b.phi[static_cast<std::size_t>(s)];
        // the variable surface load only where the slip line is at least as steep as the friction angle
        const double g = (b.Sigma(z) + (theta >= phi ? b.q : 0.0)) * dx;
        k.G += g;
        k.T += g * std::tan(phi - theta);
        k.Ch += b.c[static_cast<std::size_t>(s)] * dx;
        k.Cv += b.c[static_cast<std::size_t>(s)] * dx * (zG - zA) / xA;
    }
    k.T -= eavWand * std::tan(b.phi[static_cast<std::size_t>(b.Schicht(zG))] - theta);
    for (int j = 0; j < n; ++j) {
        const double z = (j + 0.5) * zA / n;
        const double ka = std::pow(std::tan(kPi / 4 - b.phi[static_cast<std::size_t>(b.Schicht(z))] / 2), 2);
        k.EahAW += ka * (b.Sigma(z) + b.q) * zA / n;
    }
    const double H = eahWand - k.EahAW + k.Ch + k.T;
    const double V = k.G - eavWand - k.Cv;
    k.A = H / (1.0 + std::tan(neigung) * k.T / V);
    return k;
}

struct Zeile {
    double z = 0, laenge = 0, summeAh = 0, zulAh = 0, eta = 0;
    bool unzul = false;
};
struct Abschnitt {
    int lf = 0, aushub = 0;
    std::vector<std::string> text; // from the head to the closing lines
    std::vector<Zeile> zeilen;
    double zGLF = 0, xAW = 0, zAW = 0;
};

std::vector<Abschnitt> Abschnitte(const std::vector<std::string>& bericht) {
    std::vector<Abschnitt> out;
    for (const auto& kopf : zortest::GleitfugenKoepfe(bericht)) {
        const std::size_t i = kopf.zeile;
        Abschnitt a;
        a.lf = kopf.lf;
        a.aushub = kopf.aushub;
        // From the head to the closing lines (table Z and the notes of the last stage).
        std::size_t k = i;
        for (; k < bericht.size() && bericht[k].find("zAW  =") == std::string::npos; ++k)
            a.text.push_back(bericht[k]);
        for (std::size_t n = k; n < bericht.size() && n < k + 4; ++n)
            a.text.push_back(bericht[n]);
        std::size_t r = 0;
        while (r < a.text.size() && a.text[r] != std::string(13, ' ') + std::string(60, '-'))
            ++r;
        for (++r; r < a.text.size() && !a.text[r].empty(); ++r) {
            if (a.text[r].find('=') != std::string::npos) continue;
            const auto w = Zahlen(a.text[r]);
            if (w.size() < 4) continue;
            Zeile z{w[0],
                    w[1],
                    w[2],
                    w[3],
                    w.size() > 4 ? w[4] : 0.0,
                    a.text[r].find("UNZUL.<---") != std::string::npos};
            a.zeilen.push_back(z);
        }
        for (const auto& t : a.text) {
            const auto w = Zahlen(t);
            if (w.empty()) continue;
            if (t.find("zGLF =") != std::string::npos) a.zGLF = w[0];
            if (t.find("xAW  =") != std::string::npos) a.xAW = w[0];
            if (t.find("zAW  =") != std::string::npos) a.zAW = w[0];
        }
        out.push_back(a);
    }
    return out;
}

bool Enthaelt(const std::vector<std::string>& z, const std::string& t) {
    for (const auto& l : z)
        if (l == t) return true;
    return false;
}

class TiefeGleitfugeLauf : public zortest::LaufTest {};

// Global safety, one run; every load case keeps only its unlimited surface load (10 kN/m2, variable), so that
// the slip bodies can be worked by hand.
TEST_F(TiefeGleitfugeLauf, TheAnchoredSoldierPileWallGetsAnchorLengthsThatMeetTheRequiredSafety) {
    ASSERT_TRUE(zortest::VerankertGlobalLesen(0));
    P.EtaGl = 2.2f; // both anchors of stage 3 need more than their shortest length
    ASSERT_TRUE(zorm1::EingabeSchreiben("global"));
    Boden boden;
    for (int i = 1; i <= P.AnzErd; ++i) {
        boden.oben.push_back(i == 1 ? 0.0 : boden.oben.back() + P.SchichtDicke[i - 1]);
        boden.gamma.push_back(P.SchichtGamma[i]);
        boden.phi.push_back(P.SchichtPhi[i] * kPi / 180.0);
        boden.c.push_back(P.SchichtCa[i]);
    }
    boden.q = P.ErdLastPv(1, 1);
    const double etaGl = P.EtaGl;
    std::map<double, std::pair<double, double>> bereich; // level -> lmin, lmax
    for (int j = 1; j <= P.AnzAnkerGesamt; ++j)
        bereich[P.ZAuflager[j]] = {P.AnkerLmin[j], P.AnkerLmax[j]};
    ASSERT_EQ(bereich.size(), 2u);
    const double neigung = 15.0 * kPi / 180.0; // both levels
    zortest::LaufUmgebungZuruecksetzen();

    ASSERT_EQ(zorrun::ProjektRechnen("global"), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    const auto abschnitte = Abschnitte(zortest::Zeilen("LPTZW"));
    // Stages 2 (anchor at 1.5 m) and 3 (1.5 and 4.0 m) of both load cases.
    ASSERT_EQ(abschnitte.size(), 4u);

    const std::string e(13, ' ');
    std::map<std::pair<int, double>, double> vorige; // (load case, level) -> length of the stage before
    for (const auto& a : abschnitte) {
        SCOPED_TRACE("LF " + std::to_string(a.lf) + ", Aushub " + std::to_string(a.aushub));
        const bool letzte = a.aushub == 3;
        // Table H (global safety), table Z, and table G with more than one anchor.
        for (const std::string& z :
             {e + std::string(55, '-'), e + "Ankerlängen von AUSSEN - Kante Wand bis Mitte Verpresskörper.",
              e + "Erddruck auf Hinterkante Wand, bei Spundwänden und Trägerbohl-",
              e + "wänden auf Achse Wand bezogen; Unterscheidung ab 17.11.2006.", e + "Einzel-Nachweise",
              e + "Anker-   Anker- ", e + "Kote     Länge    Summ.Ah   zul.SAh    eta = zul.SAh/Summ.Ah"})
            EXPECT_TRUE(Enthaelt(a.text, z)) << z;
        EXPECT_FALSE(Enthaelt(a.text, e + "Die Kräfte wurden HIER mit  0 %  Ruhedruck ermittelt."));
        EXPECT_EQ(Enthaelt(a.text, e + "Für den Druck auf die Ersatzankerwand ist die Eingabe der Lasten"),
                  letzte);
        ASSERT_EQ(a.zeilen.size(), static_cast<std::size_t>(a.aushub - 1));
        bool gesamt = false;
        for (const auto& t : a.text)
            gesamt = gesamt || t.rfind(e + "Gesamt-Nachweis:", 0) == 0;
        EXPECT_EQ(gesamt, a.zeilen.size() > 1);
        if (gesamt) {
            // The overall check is met, or the section says that it is not.
            double eta = 0;
            for (const auto& t : a.text)
                if (t.rfind(e + "           eta :", 0) == 0) eta = Zahlen(t).at(0);
            EXPECT_TRUE(
                eta >= etaGl ||
                Enthaelt(a.text, e + "*** Gesamt-Nachweis mit den erreichten Ankerlängen nicht erfüllt."))
                << eta;
            EXPECT_EQ(Enthaelt(a.text, e + "Die Gesamtgleitfläche ist die Verbindung des Gleitpunktes zGLF"),
                      letzte);
        }

        for (const auto& z : a.zeilen) {
            SCOPED_TRACE("Anker " + std::to_string(z.z));
            ASSERT_EQ(bereich.count(z.z), 1u);
            const auto [lmin, lmax] = bereich[z.z];
            EXPECT_GE(z.laenge, lmin - 1e-6);
            EXPECT_LE(z.laenge, lmax + 1e-6);
            // eta = zul.SAh / Summ.Ah, and met unless the anchor reached its longest length.
            EXPECT_NEAR(z.eta, z.zulAh / z.summeAh, 0.006);
            EXPECT_EQ(z.unzul, z.eta < etaGl);
            if (z.unzul) {
                EXPECT_DOUBLE_EQ(z.laenge, lmax);
            }
            // Within a load case no level's length falls from stage to stage.
            auto& l = vorige[{a.lf, z.z}];
            EXPECT_GE(z.laenge, l - 1e-6);
            l = z.laenge;
        }
    }

    // Force polygons by hand, with the wall's earth-pressure forces the run kept for the stage. The lengths
    // are measured from the wall's outer edge, the slip bodies from its axis: half the wall's thickness (the
    // soldier pile's depth, which the wall page takes from the profile) lies between them.
    ASSERT_TRUE(zorm1::EingabeLesen("global"));
    const double xWand = P.DWand / 2.0;
    EXPECT_NEAR(xWand, 0.15, 1e-6); // HEB 300
    int kuerzer = 0;
    for (const auto& a : abschnitte) {
        SCOPED_TRACE("LF " + std::to_string(a.lf) + ", Aushub " + std::to_string(a.aushub));
        const auto cache = zortest::Zeilen("DOVUDUvozud." + std::to_string(10 * a.aushub + a.lf));
        ASSERT_GE(cache.size(), a.zeilen.size() + 2);
        std::vector<double> werte;
        {
            std::string s = cache[a.zeilen.size() + 1];
            std::size_t p = 0;
            for (;;) {
                const std::size_t q = s.find(',', p);
                werte.push_back(std::stod(s.substr(p, q - p)));
                if (q == std::string::npos) break;
                p = q + 1;
            }
        }
        ASSERT_EQ(werte.size(), 11u);
        const double eahWand = werte[2], eavWand = werte[3];
        // The substitute anchor wall stands at the centre farthest from the wall.
        double xAW = 0, zAW = 0;
        for (const auto& r : a.zeilen)
            if (r.laenge * std::cos(neigung) - xWand >= xAW) {
                xAW = r.laenge * std::cos(neigung) - xWand;
                zAW = r.z + r.laenge * std::sin(neigung);
            }
        EXPECT_NEAR(a.xAW, xAW, 0.006);
        EXPECT_NEAR(a.zAW, zAW, 0.006);
        // The single check of every anchor: its centre from the printed length, the forces of the anchors
        // in its slip body as printed.
        for (const Zeile& z : a.zeilen) {
            SCOPED_TRACE("Anker " + std::to_string(z.z));
            const double xA = z.laenge * std::cos(neigung) - xWand, zA = z.z + z.laenge * std::sin(neigung);
            const Kranz k = Hand(boden, a.zGLF, xA, zA, neigung, eahWand, eavWand);
            EXPECT_NEAR(z.zulAh, k.A, 0.005 * k.A);
            // eta as printed (two decimals) from the force of the hand polygon, within the polygon's 0.5 %.
            EXPECT_NEAR(z.eta, k.A / z.summeAh, 0.005 * k.A / z.summeAh + 0.005);
            // The shortest length in 0.1 m steps that meets the safety (lengths beyond lmin).
            const auto [lmin, lmax] = bereich[z.z];
            if (z.laenge > lmin + 0.05 && !z.unzul) {
                const double l = z.laenge - 0.1;
                const Kranz kurz = Hand(boden, a.zGLF, l * std::cos(neigung) - xWand, z.z + l * std::sin(neigung),
                                        neigung, eahWand, eavWand);
                EXPECT_LT(kurz.A / z.summeAh, etaGl) << z.laenge;
                ++kuerzer;
            }
            if (a.zeilen.size() == 1) {
                EXPECT_NEAR(werte[8], k.G, 0.002 * k.G); // the weight of the slip body evaluated last
            }
        }
    }
    EXPECT_EQ(kuerzer, 4); // both anchors of stage 3 in both load cases
}

// The working file of the anchor bookkeeping holds what memory holds whenever a call of the verification
// stage has ended (its last act is the write): every load case and stage of the anchored wall.
TEST_F(TiefeGleitfugeLauf, TheAnchorWorkingFileEqualsTheValuesInMemoryAfterEveryCall) {
    ASSERT_TRUE(zortest::VerankertGlobalLesen(0));
    P.EtaGl = 2.2f; // both anchors of stage 3 need more than their shortest length
    ASSERT_TRUE(zorm1::EingabeSchreiben("global"));
    zortest::LaufUmgebungZuruecksetzen();
    const auto echt = zorrun::Stufen().Nachweise;
    int aufrufe = 0;
    std::map<int, float> laengste; // level -> largest length found so far in the run
    zorrun::Stufen().Nachweise = [&](zor::Laufstatus& status) {
        const int lf = P.LFNr, aushub = P.AushNr;
        echt(status);
        SCOPED_TRACE("LF " + std::to_string(lf) + ", Aushub " + std::to_string(aushub));
        ++aufrufe;
        std::vector<double> w;
        for (std::string zeile : zortest::Zeilen("ZORGLF.")) {
            std::size_t p = 0;
            for (;;) {
                const std::size_t q = zeile.find(',', p);
                w.push_back(std::stod(zeile.substr(p, q - p)));
                if (q == std::string::npos) break;
                p = q + 1;
            }
        }
        const int n = P.AnzAnkerGesamt;
        ASSERT_EQ(w.size(), 4u + 8u * static_cast<std::size_t>(n));
        auto gleich = [](double datei, float speicher, const char* was) {
            EXPECT_NEAR(datei, speicher, 1e-6 * std::max(1.0, std::fabs(static_cast<double>(speicher))))
                << was;
        };
        gleich(w[0], P.EtaGl, "EtaGl");
        EXPECT_EQ(w[1], n);
        gleich(w[2], zormd::N.GlfMaxAushub, "GlfMaxAushub");
        gleich(w[3], zormd::N.GlfMaxGesamt, "GlfMaxGesamt");
        const auto& ab = zormd::AB;
        for (int j = 1; j <= n; ++j) {
            SCOPED_TRACE("Ankerlage " + std::to_string(j));
            const double* r = &w[4 + 8 * static_cast<std::size_t>(j - 1)];
            gleich(r[0], P.ZAuflager[j], "level");
            gleich(r[1], ab.AnkerNeigungRad[j], "inclination");
            gleich(r[2], ab.AnkerLminD[j], "lmin");
            gleich(r[3], ab.AnkerLmaxD[j], "lmax");
            gleich(r[4], ab.AnkerGlfWert[j], "length found");
            gleich(r[5], ab.AnkerKraftMax[j], "largest force of the load case");
            gleich(r[6], ab.AnkerAhMax[j], "largest force of the run");
            gleich(r[7], ab.AnkerLaengeBem[j], "largest length of the run");
            // By hand: the inclination of 15 degrees, the run's largest length never falls and is at least
            // the length of this stage, the run's largest force at least the load case's.
            EXPECT_NEAR(r[1], 15.0 * kPi / 180.0, 1e-6);
            EXPECT_GE(r[7], laengste[j] - 1e-6);
            EXPECT_GE(r[7], r[4] - 1e-6);
            EXPECT_GE(r[6], r[5] - 1e-3);
            laengste[j] = static_cast<float>(r[7]);
        }
    };
    ASSERT_EQ(zorrun::ProjektRechnen("global"), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    EXPECT_EQ(aufrufe, P.AnzLF * P.AnzAush);
    // Both levels got lengths by the end of the run.
    ASSERT_EQ(laengste.size(), 2u);
    for (const auto& [j, l] : laengste)
        EXPECT_GT(l, 0.0f) << j;
}

} // namespace
