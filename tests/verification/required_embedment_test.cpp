// The required-embedment section: the reason of dt and its notes, the minimum of the partial-factor
// mode, the stop at the load zero point and the fixity notes.
#include "earthpressure/state.h"
#include "verification/required_embedment.h"

#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "statics/state.h"
#include "tests/verification/report_fixture.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

using zorm1::P;
using zormc::St;
using zortest::E;

namespace {

class Einbindetiefe : public zortest::BerichtTest {
protected:
    void SetUp() override {
        BerichtTest::SetUp();
        P.Wandart = 1;
        P.Wandfuss = 1;
        P.zAush = 5.0f;
        zormcom::Lauf.zFuss = 8.0f;
        zormc::St.BettungStufe = 1;
        zormd::N.EinbindeTiefe = 3.0f;
        P.ZWasserLuft = P.ZWasserErd = 99.0f;
    }
    std::vector<std::string> Drucken(bool* stopp = nullptr) {
        bool s = false;
        auto z = Bericht([&] { s = zormd::ErforderlicheEinbindungDrucken(); });
        if (stopp) *stopp = s;
        return z;
    }
};

// Soldier piles with a C force, t = 3.0: dt = 0.2 t = 0.60 for the C force, with the Weissenbach note.
TEST_F(Einbindetiefe, CForceOfSoldierPiles) {
    St.DeltaT = 0.6f;
    const auto z = Drucken();
    EXPECT_EQ(z[0], "         *** ERFORDERLICHE EINBINDETIEFE:");
    EXPECT_EQ(z[2], E + "Rechn. Einbindetiefe  t =   3.00 m  ab Aushubsohle ");
    EXPECT_EQ(z[3], E + "Rammtiefenzuschlag   dt =   0.60 m  für Kraft C erforderlich");
    EXPECT_EQ(z[4], E + "  (bei Trägerbohlw.  dt =   0.20 *  t; Weißenbach Baugruben T. 3)");
    EXPECT_EQ(z[5], E + "Gesamte Einbindetiefe   =   3.60 m  ab Aushubsohle");
    EXPECT_EQ(z[6], E + "Gesamte Wandlänge       =   8.60 m");
}

// dt from Summe H: the first reason, no notes A2..A6, then C1..C6 (with water on both sides C4, C5);
// a search that found nothing leaves the notes out.
TEST_F(Einbindetiefe, ExtraEmbedmentForSummeH) {
    St.DeltaT = 1.25f;
    zormd::N.DtH = 1.25f;
    zormd::N.DtHGesucht = true;
    zormd::N.SummeH1 = -40.0f;
    P.ZWasserErd = 3.0f;
    auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Rammtiefenzuschlag   dt =   1.25 m  wegen Summe H = 0 erford."));
    EXPECT_EQ(Anzahl(z, "(bei Trägerbohlw."), 0);
    EXPECT_TRUE(Enthaelt(z, "        ---> Summe H >= 0 war nicht eingehalten. Durch den oben angegebenen"));
    EXPECT_TRUE(Enthaelt(z, "                        obwohl dieser bei einer TBW nicht auftreten kann."));

    zormd::N.DtHBestimmbar = false;
    St.DeltaT = 0.6f;
    z = Drucken();
    EXPECT_EQ(Anzahl(z, "Summe H >= 0 war nicht eingehalten"), 0);
    EXPECT_EQ(Anzahl(z, "wegen Summe H = 0"), 0);
}

// Partial factors, diaphragm wall, t = 4.0, 50 % fixity, no C force: minDt = 0.1 x 4 x 50 / 100 = 0.20.
TEST_F(Einbindetiefe, MinimumOfThePartialFactorMode) {
    P.Wandart = 2;
    P.TeilsicherheitenAn = 1;
    zormc::St.EinspErg = 50.0f;
    zormd::N.EinbindeTiefe = 4.0f;
    St.DeltaT = 0.0f;
    zormd::MindestRammtiefenzuschlag();
    EXPECT_NEAR(St.DeltaT, 0.2f, 1e-6f);
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Rammtiefenzuschlag   dt =   0.20 m  für Kraft C erforderlich"));
    EXPECT_TRUE(Enthaelt(z, E + "                (min dt =   0.20 m  =0.1*t*Einspanngrad ab 20.2.2008)"));
    // The global mode forms no minimum.
    P.TeilsicherheitenAn = 0;
    St.DeltaT = 0.0f;
    zormd::MindestRammtiefenzuschlag();
    EXPECT_EQ(St.DeltaT, 0.0f);
}

// Without dt: a foot 0.02 m above the load zero point stops the run after three lines; 0.005 m does not.
TEST_F(Einbindetiefe, StopAtTheLoadZeroPoint) {
    bool stopp = false;
    St.ZRuhedruckFuss = 8.02f;
    auto z = Drucken(&stopp);
    EXPECT_TRUE(stopp);
    EXPECT_EQ(z.back(), E + "    Einbindetiefe suchen lassen: Fußtiefe NICHT vorgeben.");
    EXPECT_EQ(Anzahl(z, "Gesamte Wandlänge"), 0);

    St.ZRuhedruckFuss = 8.005f;
    z = Drucken(&stopp);
    EXPECT_FALSE(stopp);
    EXPECT_TRUE(Enthaelt(z, E + "Gesamte Wandlänge       =   8.00 m"));

    // A given foot with a negative sum is a warning, never the stop.
    P.Wandfuss = 2;
    zormd::N.SummeH1 = -3.0f;
    St.ZRuhedruckFuss = 9.0f;
    z = Drucken(&stopp);
    EXPECT_FALSE(stopp);
    EXPECT_TRUE(Enthaelt(z, "         *** Summe H >= 0 ist nicht erfüllt. Größere Fußtiefe wählen"));
}

// Fixity notes: 100 % prints D4 and, with EinspDrucken, D1 but never D2; 60 % with dt from the C
// force prints D2 on soldier piles.
TEST_F(Einbindetiefe, FixityNotes) {
    zormc::St.BettungStufe = 0;
    P.Wandfuss = 2;
    St.EinspDrucken = 1;
    zormc::St.EinspErg = 100.0f;
    St.DeltaT = 0.6f;
    auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Einspanngrad            = 100.00 %"));
    EXPECT_TRUE(Enthaelt(z, E + "Die Einbindetiefe wurde auf 100 % Einspannung reduziert."));
    EXPECT_EQ(Anzahl(z, "(wurde bei der Ermittlung von dt berücksichtigt)"), 0);
    zormc::St.EinspErg = 60.0f;
    z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Einspanngrad            =  60.00 %"));
    EXPECT_TRUE(Enthaelt(z, E + "(wurde bei der Ermittlung von dt berücksichtigt)"));
    EXPECT_EQ(Anzahl(z, "100 % Einspannung"), 0);
}

} // namespace
