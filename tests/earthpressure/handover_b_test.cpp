// Hand-over files of the earth-pressure stage and the test for changed wall friction.
#include "earthpressure/handover_b.h"
#include "earthpressure/soil_pressure.h"
#include "earthpressure/state.h"
#include "stage_b_fixture.h"

using zorm1::P;

namespace {

using namespace stageb_test;
using zormb::B;

class HandoverB : public StageB {};

TEST_F(HandoverB, ChangedWallFrictionActsOnlyWhenChangedAndListed) {
    struct Fall {
        float da, daNeu, dp, dpNeu;
        int16_t stufe, geaendert, gelistet;
    };
    const Fall faelle[] = {
        {0.2f, 0.2f, -0.1f, -0.1f, 1, 0, 1}, // same angles, stage listed
        {0.2f, 0.3f, -0.1f, -0.1f, 2, 1, 0}, // changed, stage not listed
        {0.2f, 0.2f, -0.1f, -0.2f, 1, 1, 1}, // passive angle changed, listed
    };
    P.DeltaNeuAushub[3] = 1;
    for (const Fall& f : faelle) {
        P.SchichtDeltaA[1] = f.da;
        P.SchichtDeltaANeu[1] = f.daNeu;
        P.SchichtDeltaP[1] = f.dp;
        P.SchichtDeltaPNeu[1] = f.dpNeu;
        P.AushNr = f.stufe;
        int16_t g = -1, l = -1;
        zormb::WandreibungGeaendert(1, g, l);
        EXPECT_EQ(g, f.geaendert);
        EXPECT_EQ(l, f.gelistet);
    }
}

TEST_F(HandoverB, LayerTableRoundTripsAndTheSplitReachesZorz2) {
    Schichten({{3.0f, 30.0f, 18.0f, 8.0f, 5.0f, 20.0f}, {0.0f, 32.5f, 20.0f, 10.0f}});
    zormcom::Lauf.SchichtKagh[2] = 0.3f;
    P.SchichtKpchVorgabe[2] = 4.5f;
    P.DeltaZF = -0.25f;
    P.AnzBoesch = 1;
    P.BoeschX2[1] = 4.0f;
    P.BoeschZ2[1] = -2.0f;
    P.BoeschGamma[1] = 18.0f;
    P.BoeschPhi[1] = 30.0f;
    P.DeltaNeuAushub[2] = 3;
    zormcom::Lauf.kzStroem = 1;
    P.GradZuRad = 1.0f; // the angle of the foot friction goes through as it is
    P.AnzAush = 1;
    P.AnzLF = 1;
    zorma::Z11Schreiben();

    zormb::SchichtgrenzeEinfuegen(5.0f);
    zormcom::Lauf.SchichtKagh[3] = 9.0f;
    P.AnzBoesch = 0;
    P.DeltaNeuAushub[2] = 0;
    zormcom::Lauf.kzStroem = 0;
    zormb::Z2Schreiben();
    EXPECT_EQ(Zeilen("ZORZ2")[0], "3");
    EXPECT_EQ(Zeilen("ZORZ2").size(), 1u + 3u * 3u + 1u);
    EXPECT_EQ(Zeilen("ZORZ2").back(), "99,94");

    zormb::Z11Lesen();
    EXPECT_EQ(P.AnzErd, 2);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[3], 99.0f);
    EXPECT_FLOAT_EQ(P.SchichtDicke[2], 96.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKagh[2], 0.3f);
    EXPECT_FLOAT_EQ(P.SchichtKpchVorgabe[2], 4.5f);
    EXPECT_FLOAT_EQ(P.SchichtPhi[2], 32.5f * kGrad);
    EXPECT_FLOAT_EQ(P.DeltaZF, -0.25f);
    EXPECT_EQ(zormcom::Lauf.kzStroem, 1);
    EXPECT_EQ(P.AnzBoesch, 1);
    EXPECT_FLOAT_EQ(P.BoeschZ2[1], -2.0f);
    EXPECT_EQ(P.DeltaNeuAushub[2], 3);

    // The next pass undoes the same edits from the same bytes; a file written anew is read anew.
    zormb::SchichtgrenzeEinfuegen(5.0f);
    zormcom::Lauf.SchichtKagh[2] = 9.0f;
    P.AnzBoesch = 0;
    P.DeltaZF = 0.0f;
    zormcom::Lauf.kzStroem = 0;
    zormb::Z11Lesen();
    EXPECT_EQ(P.AnzErd, 2);
    EXPECT_FLOAT_EQ(P.SchichtDicke[2], 96.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKagh[2], 0.3f);
    EXPECT_FLOAT_EQ(P.DeltaZF, -0.25f);
    EXPECT_EQ(zormcom::Lauf.kzStroem, 1);
    EXPECT_EQ(P.AnzBoesch, 1);
    EXPECT_FLOAT_EQ(P.BoeschPhi[1], 30.0f);
    P.BoeschPhi[1] = 35.0f;
    zorma::Z11Schreiben();
    P.BoeschPhi[1] = 0.0f;
    zormb::Z11Lesen();
    EXPECT_FLOAT_EQ(P.BoeschPhi[1], 35.0f);
}

TEST_F(HandoverB, PressureFilesAndTheCopyForTheStatics) {
    B.Eah.n = 2;
    B.Eah.e[1] = 1.5f;
    B.Eah.z[1] = 0.0f;
    B.Eah.e[2] = 30.0f;
    B.Eah.z[2] = 99.0f;
    zormb::Z3Schreiben();
    EXPECT_EQ(Zeilen("ZORZ3"), (std::vector<std::string>{"2", "1.5,0", "30,99"}));

    B.BegrLast.n = B.ESumme.n = 2;
    B.BegrLast.e[1] = 0.0f;
    B.BegrLast.z[1] = B.ESumme.z[1] = 0.0f;
    B.ESumme.e[1] = 1.5f;
    B.BegrLast.e[2] = 2.0f;
    B.BegrLast.z[2] = B.ESumme.z[2] = 99.0f;
    B.ESumme.e[2] = 32.0f;
    zormb::Z4Schreiben();
    EXPECT_EQ(Zeilen("ZORZ4"), (std::vector<std::string>{"2,2", "0,1.5,0,0", "2,32,99,99"}));
    EXPECT_EQ(B.BegrLastKopie.n, 2);
    EXPECT_FLOAT_EQ(B.BegrLastKopie.e[2], 2.0f);
    EXPECT_FLOAT_EQ(B.BegrLastKopie.z[2], 99.0f);
}

} // namespace
