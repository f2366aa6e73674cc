// The one reset reaches the run state of every module of the earth-pressure folder.
#include <gtest/gtest.h>

#include "earthpressure/coefficients.h"
#include "earthpressure/diagrams.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/run_state.h"

TEST(Laufzustand, EinAufrufSetztJedenModulzustandZurueck) {
    zorm1::ResetProjectData();
    zorm1::P.AnzErd = 3; // project data are not run state
    zormcom::Lauf.AnzLastErd = 2;
    zormb::B.Eah.n = 7;
    zormb::B.gamEMisch = 1.3f;
    zormb::Keil.AnzGleitPunkte = 5;
    zormb::GleitErgebnis.E[3] = -12.0f;
    zorma::TexteBelegen();
    zormcom::BeiwertHinweis.KpghNichtBestimmbar = true;
    zormcom::AufrufKennung = 99;

    zor::LaufZuruecksetzen();

    EXPECT_EQ(zormcom::Lauf.AnzLastErd, 0);
    EXPECT_EQ(zormb::B.Eah.n, 0);
    EXPECT_EQ(zormb::B.gamEMisch, 0.0f);
    EXPECT_EQ(zormb::Keil.AnzGleitPunkte, 0);
    EXPECT_EQ(zormb::GleitErgebnis.E[3], 0.0f);
    EXPECT_EQ(zorma::Bericht.Einrueckung, "");
    EXPECT_FALSE(zormcom::BeiwertHinweis.KpghNichtBestimmbar);
    EXPECT_EQ(zormcom::AufrufKennung, 0);
    EXPECT_EQ(zorm1::P.AnzErd, 3);
}
