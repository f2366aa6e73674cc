// The slip circle at the end of a whole run of the anchored soldier pile wall: the critical circle of each
// load case, as "DIDUVU.ERG" gives it, passes through the earth-side wall foot of the governing stage and has
// the safety that a separate slice calculation after DIN 4084 (Bishop, slices of 1 cm on the true circle with
// its tangent run-outs) finds from the soil layers, the surface load and the anchors of the project; closing
// the progress window cancels the search, and the run still ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/stage_table.h"
#include "platform/forms/forms.h"
#include "platform/forms/headless.h"
#include "platform/runtime/vbnum.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "run/frmIterZeig.h"
#include "tests/run/example_copy.h"
#include "tests/run/handover_gl2.h"
#include "tests/run/run_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace {

using zorm1::P;

constexpr double kPi = 3.14159265358979;
constexpr double kGrad = kPi / 180.0;

double Wert(const std::string& s) {
    return vb::ValSingle(s);
}
int Ganz(const std::string& s) {
    return static_cast<int>(std::lround(vb::ValSingle(s)));
}

// The section of the project as the slice calculation sees it. x to the earth side from the back of the wall,
// z down from the wall head; the excavation in front of the wall (x < -d) down to zA; no groundwater. A wall
// of no thickness or unit weight is taken 0.01 m thick and of 25 kN/m3.
struct Schnitt {
    double d = 0.01, zA = 0, zFuss = 0;
    double gamWand = 25, phiWand = 45 * kGrad, cWand = 999;
    std::vector<double> oben, gamma, phi, c; // soil layers
    double q = 0, qStaendig = 0;             // surface load behind the wall (kN/m2) and its permanent share
    struct Anker {
        double z, laenge, neigung, kraft;
    };
    std::vector<Anker> anker;

    double Oberflaeche(double x) const { return x < -d ? zA : 0.0; }
    int Schicht(double z) const {
        int i = 0;
        while (i + 1 < static_cast<int>(oben.size()) && z >= oben[static_cast<std::size_t>(i + 1)])
            ++i;
        return i;
    }
    bool Wand(double x, double z) const { return x >= -d && x <= 0 && z < zFuss; }
    // Weight of the column between z1 and z2 at x, per metre of width.
    double Gewicht(double x, double z1, double z2) const {
        const int n = 200;
        double g = 0;
        for (int k = 0; k < n; ++k) {
            const double z = z1 + (k + 0.5) * (z2 - z1) / n;
            g += (Wand(x, z) ? gamWand : gamma[static_cast<std::size_t>(Schicht(z))]) * (z2 - z1) / n;
        }
        return g;
    }
};

// Safety of the circle (xM, zM, R) with run-outs of 30 degrees on the air side and 85 degrees on the earth
// side, after DIN 4084: eta = (R sum T + anchor friction) / (sum V dx + anchor moments), with
// T = (V tan phi + c b) / (cos a + tan phi sin a / eta) on every slice.
double Sicherheit(const Schnitt& s, double xM, double zM, double R) {
    const double aL = -30 * kGrad, aE = 85 * kGrad;
    const double xL = xM + R * std::sin(aL), zL = zM + R * std::cos(aL);
    const double xE = xM + R * std::sin(aE), zE = zM + R * std::cos(aE);
    const auto gleitlinie = [&](double x, double& z, double& a) {
        if (x < xL) {
            a = aL;
            z = zL - (xL - x) * std::tan(-aL);
        } else if (x > xE) {
            a = aE;
            z = zE - (x - xE) * std::tan(aE);
        } else {
            a = std::asin((x - xM) / R);
            z = zM + R * std::cos(a);
        }
    };
    struct Lamelle {
        double x, b, a, V, phi, c;
    };
    std::vector<Lamelle> lam;
    const double b = 0.01;
    for (double x = -99 + b / 2; x < 99; x += b) {
        double z = 0, a = 0;
        gleitlinie(x, z, a);
        const double oben = s.Oberflaeche(x);
        if (z <= oben) continue;
        Lamelle l{x, b, a, s.Gewicht(x, oben, z) * b, 0, 0};
        if (s.Wand(x, z)) {
            l.phi = s.phiWand;
            l.c = s.cWand;
        } else {
            l.phi = s.phi[static_cast<std::size_t>(s.Schicht(z))];
            l.c = s.c[static_cast<std::size_t>(s.Schicht(z))];
        }
        // The variable part of the surface load only where the slice lies right of the vertical tangent to
        // the friction circle (there it drives).
        if (x >= 0) l.V += s.q * b * (x - b / 2 < xM + R * std::sin(l.phi) ? s.qStaendig : 1.0);
        lam.push_back(l);
    }
    // Anchors: the force where the anchor leaves the sliding body, as a moment about the centre (only a
    // resisting one counts) and as friction on the slip line, reduced beyond 90 degrees to the slip line.
    double MA = 0, TA = 0;
    for (const auto& an : s.anker) {
        const double x0 = -s.d, z0 = an.z, cx = std::cos(an.neigung), cz = std::sin(an.neigung);
        double tS = -1;
        for (int k = 1; k <= 100000 && tS < 0; ++k) { // from the grout body back to the head
            const double t = an.laenge * (1.0 - k / 100000.0);
            double z = 0, a = 0;
            gleitlinie(x0 + t * cx, z, a);
            if (z0 + t * cz <= z && x0 + t * cx > 0) tS = t;
        }
        double zE2 = 0, aE2 = 0;
        gleitlinie(x0 + an.laenge * cx, zE2, aE2);
        if (tS < 0 || z0 + an.laenge * cz <= zE2) continue; // the whole anchor in the body
        const double xS = x0 + tS * cx, zS = z0 + tS * cz;
        double zs = 0, a = 0;
        gleitlinie(xS, zs, a);
        const double winkel = (an.neigung + a) / kGrad;
        const double r = winkel <= 90 ? 1.0 : std::max(0.0, 1.0 - (winkel - 90) / 15);
        const double fv = an.kraft * std::sin(an.neigung), fh = an.kraft * std::cos(an.neigung);
        const double m = fv * (xS - xM) - fh * (zS - zM);
        if (m < 0) MA += m * r;
        TA += (std::sin(a) * fh + std::cos(a) * fv) *
              std::tan(s.phi[static_cast<std::size_t>(s.Schicht(zS))]) * r;
    }
    double eta = 1.4;
    for (int it = 0; it < 500; ++it) {
        double ME = MA, MR = TA * R / eta;
        for (const auto& l : lam) {
            const double t = std::tan(l.phi);
            const double N = (l.V - l.b / std::cos(l.a) * l.c * std::sin(l.a) / eta) /
                             (std::cos(l.a) + t * std::sin(l.a) / eta);
            ME += l.V * (l.x - xM);
            MR += (N * t + l.b / std::cos(l.a) * l.c) * R;
        }
        const double neu = MR / ME;
        if (std::fabs(neu - eta) < 1e-6) return neu;
        eta = 0.5 * (eta + neu);
    }
    return eta;
}

class GleitkreisLauf : public zortest::LaufTest {
protected:
    // The anchored soldier pile wall with global safety and the slip circle; every load case keeps only its
    // unlimited surface load. Returns the section of the slice calculation (without foot and anchors).
    Schnitt Projekt() {
        Schnitt s;
        EXPECT_TRUE(zortest::VerankertGlobalLesen(1));
        s.q = P.ErdLastPv(1, 1);
        s.qStaendig = P.ErdLastDauer(1, 1) / 100.0;
        for (int i = 1; i <= P.AnzErd; ++i) {
            s.oben.push_back(i == 1 ? 0.0 : s.oben.back() + P.SchichtDicke[i - 1]);
            s.gamma.push_back(P.SchichtGamma[i]);
            s.phi.push_back(P.SchichtPhi[i] * kGrad);
            s.c.push_back(P.SchichtCa[i]);
        }
        EXPECT_TRUE(zorm1::EingabeSchreiben("gleitkreis"));
        zormcom::AushubLaden(P.AnzAush); // the deepest stage governs
        s.zA = P.zAush;
        zortest::LaufUmgebungZuruecksetzen();
        return s;
    }
};

TEST_F(GleitkreisLauf, TheCriticalCircleOfEveryLoadCaseHasTheSafetyOfAnIndependentSliceCalculation) {
    Schnitt s = Projekt();
    const std::vector<double> neigung{15 * kGrad, 15 * kGrad}; // both anchor levels
    ASSERT_EQ(zorrun::ProjektRechnen("gleitkreis"), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    EXPECT_FALSE(vb::isLoaded<frmIterZeig>());
    // The wall body as the run had it: the soldier pile's depth and its steel spread over the spacing, as
    // the wall page takes them from the profile HEB 300 (A = 149.1 cm2, spacing 2 m).
    {
        ASSERT_TRUE(zorm1::EingabeLesen("gleitkreis"));
        EXPECT_FLOAT_EQ(P.DWand, 0.3f);
        EXPECT_NEAR(P.GamWand, 149.1 * 78.5 / 2.0 / 0.3 / 10000.0, 1e-5);
        s.d = P.DWand;
        s.gamWand = P.GamWand;
        zortest::LaufUmgebungZuruecksetzen();
    }

    const auto erg = zortest::Zeilen("DIDUVU.ERG");
    ASSERT_EQ(erg.size(), 2u);
    const zortest::Uebergabe u = zortest::UebergabeLesen(zortest::Zeilen("wexasave.gl2"));
    ASSERT_EQ(u.bloecke.size(), 6u);
    ASSERT_EQ(u.kraefte.size(), 2u);
    const auto bericht = zortest::Zeilen("LPTZW");
    std::vector<std::vector<std::string>> plt; // per load case: head, circle, points
    {
        const auto z = zortest::Zeilen("DIDUVU.PLT");
        for (std::size_t i = 0; i < z.size();) {
            const int n = Ganz(zortest::Gl2Items(z[i]).at(2));
            plt.emplace_back(z.begin() + static_cast<std::ptrdiff_t>(i),
                             z.begin() + static_cast<std::ptrdiff_t>(std::min(z.size(), i + 2 + n)));
            i += 2 + static_cast<std::size_t>(n);
        }
    }
    ASSERT_EQ(plt.size(), erg.size());
    for (const auto& zeile : erg) {
        const auto w = zortest::Gl2Items(zeile);
        ASSERT_EQ(w.size(), 8u);
        const int lf = Ganz(w[0]), aushub = Ganz(w[1]), status = Ganz(w[6]);
        const double xM = Wert(w[2]), zM = Wert(w[3]), R = Wert(w[4]), eta = Wert(w[5]);
        SCOPED_TRACE(zeile);
        EXPECT_EQ(aushub, 3); // the deepest stage
        // The governing stage of the load case: its foot and anchors.
        const auto blk = std::find_if(u.bloecke.begin(), u.bloecke.end(), [&](const zortest::Gl2Block& b) {
            return b.lf == lf && b.aushub == aushub;
        });
        ASSERT_NE(blk, u.bloecke.end());
        s.zFuss = blk->fuss;
        // Record B carries the foot of the depth grid, which the verification stage builds with its
        // summary; without it there is no wall foot to search through.
        if (s.zFuss <= s.zA) GTEST_SKIP() << "record B holds no depth grid (foot " << s.zFuss << ")";
        EXPECT_EQ(status, 0);
        // The circle runs through the earth-side wall foot.
        EXPECT_NEAR(std::hypot(xM, s.zFuss - zM), R, 0.005);
        s.anker.clear();
        for (std::size_t k = 0; k < blk->anker.size(); ++k) {
            const auto [z, laenge] = blk->anker[k];
            double kraft = 0;
            for (const auto& [zk, f] : u.kraefte)
                if (zk == z) kraft = f;
            s.anker.push_back({z, laenge, neigung.at(k), kraft});
        }
        ASSERT_EQ(s.anker.size(), 2u);
        const double hand = Sicherheit(s, xM, zM, R);
        EXPECT_NEAR(eta, hand, 0.02 * hand);

        // The table row of the load case.
        const std::string zeilenAnfang = "        --->     " + vb::FormatField(static_cast<float>(lf), 2, 0);
        int zeilen = 0;
        for (const auto& z : bericht)
            if (z.rfind(zeilenAnfang, 0) == 0) {
                ++zeilen;
                EXPECT_EQ(z, zeilenAnfang + vb::FormatField(static_cast<float>(aushub), 8, 0) +
                                 vb::FormatField(static_cast<float>(xM), 11, 2) +
                                 vb::FormatField(static_cast<float>(zM), 7, 2) +
                                 vb::FormatField(static_cast<float>(R), 11, 2) + " m" +
                                 vb::FormatField(static_cast<float>(eta), 10, 2));
            }
        EXPECT_EQ(zeilen, 1);
        // The graphics block: the same circle, the slip line from surface to surface on the circle (its
        // 50-step polygon) or on the run-outs.
        const auto& p = plt.at(static_cast<std::size_t>(lf - 1));
        ASSERT_GE(p.size(), 4u);
        EXPECT_EQ(zortest::Gl2Items(p[1]), (std::vector<std::string>{w[2], w[3], w[4], w[5]}));
        const double xL = xM - R / 2, xE = xM + R * std::sin(85 * kGrad);
        for (std::size_t k = 2; k < p.size(); ++k) {
            const auto pt = zortest::Gl2Items(p[k]);
            const double x = Wert(pt.at(0)), z = Wert(pt.at(1));
            if (x > xL + 0.01 && x < xE - 0.01) {
                EXPECT_LE(std::hypot(x - xM, z - zM), R + 0.005) << p[k];
                EXPECT_GE(std::hypot(x - xM, z - zM), R * std::cos(1.15 * kGrad) - 0.005) << p[k];
            }
        }
        const auto erster = zortest::Gl2Items(p[2]), letzter = zortest::Gl2Items(p.back());
        EXPECT_NEAR(Wert(erster[1]), s.Oberflaeche(Wert(erster[0])), 0.01) << p[2];
        EXPECT_NEAR(Wert(letzter[1]), s.Oberflaeche(Wert(letzter[0])), 0.01) << p.back();
    }
}

TEST_F(GleitkreisLauf, ClosingTheProgressWindowCancelsTheSearchAndTheRunEnds) {
    Projekt();
    vb::script::close("frmIterZeig"); // as soon as it shows
    ASSERT_EQ(zorrun::ProjektRechnen("gleitkreis"), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    EXPECT_EQ(vb::script::pending(), 0u);
    EXPECT_FALSE(vb::isLoaded<frmIterZeig>());
    const auto erg = zortest::Zeilen("DIDUVU.ERG");
    ASSERT_EQ(erg.size(), 2u); // one record per load case, all cancelled
    for (const auto& zeile : erg)
        EXPECT_EQ(zortest::Gl2Items(zeile).at(6), "3") << zeile;
    // The table says so for each load case; the report ends as after every run.
    const auto bericht = zortest::Zeilen("LPTZW");
    int stern = 0;
    for (const auto& z : bericht)
        if (z.find("Berechnung abgebrochen; kein Ergebnis.") != std::string::npos) ++stern;
    EXPECT_EQ(stern, 2);
    EXPECT_EQ(zortest::Zeilen("ZORDENDE.DOS"), std::vector<std::string>{"\"ENDE\""});
}

TEST_F(GleitkreisLauf, ACalculationAfterOneTheUserCancelledSearchesEveryLoadCaseAgain) {
    Projekt();
    vb::script::close("frmIterZeig");
    ASSERT_EQ(zorrun::ProjektRechnen("gleitkreis"), zorrun::kLaufFertig);
    for (const auto& zeile : zortest::Zeilen("DIDUVU.ERG"))
        ASSERT_EQ(zortest::Gl2Items(zeile).at(6), "3") << zeile;

    // The next calculation of the same session: the window shows again and no load case is cancelled.
    std::vector<std::string> titel;
    std::function<void()> warten = [&] { // looks again at each step until the window shows
        if (frmIterZeig* f = vb::loadedInstance<frmIterZeig>())
            titel.push_back(f->Caption());
        else
            vb::script::call(warten);
    };
    vb::script::call(warten);
    ASSERT_EQ(zorrun::ProjektRechnen("gleitkreis"), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    EXPECT_EQ(vb::script::pending(), 0u);
    EXPECT_FALSE(vb::isLoaded<frmIterZeig>());
    EXPECT_EQ(titel, std::vector<std::string>{"Gleitkreis-Iteration im Lastfall  1, Aushub  3"});
    const auto erg = zortest::Zeilen("DIDUVU.ERG");
    ASSERT_EQ(erg.size(), 2u);
    for (const auto& zeile : erg) {
        const auto w = zortest::Gl2Items(zeile);
        EXPECT_EQ(w.at(6), "0") << zeile;
        EXPECT_LT(Wert(w.at(5)), 100.0) << zeile; // a circle was found
    }
    for (const auto& z : zortest::Zeilen("LPTZW"))
        EXPECT_EQ(z.find("Berechnung abgebrochen; kein Ergebnis."), std::string::npos) << z;
}

} // namespace
