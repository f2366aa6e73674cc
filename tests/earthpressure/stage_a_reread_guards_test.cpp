// The re-read of the working copy's head with slopes, and the readers of the first stage's
// hand-over files refusing values that would leave their arrays or divide by zero.
#include <fstream>

#include "earthpressure/number_lists.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "stage_a_fixture.h"

using zorm1::P;

namespace {

using namespace stagea_test;

class Nachlesen : public Arbeitsordner {};

// A working copy written by hand: two slopes, then the head statement, the project names and
// one layer. The values come back in the order they stand in the file.
TEST_F(Nachlesen, HeadWithSlopesInTheOrderOfTheFile) {
    {
        std::ofstream o(Datei("WEXASAVE"), std::ios::binary);
        o << "2\r\n"
             "0,4,0,-2,18,30\r\n"
             "4,12.5,-2,-3.25,19.5,32.5\r\n"
             "1,2,1,4,1.5,0,2,0.3,2,1\r\n"
             "50,0.5,1\r\n"
             "\"Titel\",\"4711\",\"Pos\",\"/tmp/x\",\"10.12.2026\"\r\n"
             "3,30,20,-15,5,6,1.5,18,10,50,0,0,0\r\n";
    }
    P.EntlastFaktor = 0.7f; // the file's relief factor is read and dropped
    P.EtaGlobal = 2.0f;     // so is the file's global safety of the layer
    zormb::EingabeNachlesen();
    ASSERT_EQ(P.AnzBoesch, 2);
    const float boesch[2][6] = {{0.0f, 4.0f, 0.0f, -2.0f, 18.0f, 30.0f},
                                {4.0f, 12.5f, -2.0f, -3.25f, 19.5f, 32.5f}};
    for (int i = 1; i <= 2; ++i) {
        const float ist[6] = {P.BoeschX1[i], P.BoeschX2[i],    P.BoeschZ1[i],
                              P.BoeschZ2[i], P.BoeschGamma[i], P.BoeschPhi[i]};
        for (int k = 0; k < 6; ++k)
            EXPECT_FLOAT_EQ(ist[k], boesch[i - 1][k]) << "slope " << i << " value " << k;
    }
    EXPECT_EQ(P.Wandart, 1);
    EXPECT_EQ(P.WandKopf, 2);
    EXPECT_EQ(P.Erddruckart, 1);
    EXPECT_EQ(P.KonzFaktor, 4);
    EXPECT_FLOAT_EQ(P.Etap, 1.5f);
    EXPECT_EQ(P.BeiwerteGegeben, 0);
    EXPECT_EQ(P.WandreibungStufen, 0); // 2 is not a valid switch
    EXPECT_FLOAT_EQ(P.BBohl, 0.3f);
    EXPECT_FLOAT_EQ(P.ABohl, 2.0f);
    EXPECT_EQ(P.AnzErd, 1);
    EXPECT_FLOAT_EQ(P.RuheProz, 50.0f);
    EXPECT_FLOAT_EQ(P.EntlastFaktor, 0.7f);
    EXPECT_EQ(P.AnkerLaengen, 1);
    EXPECT_EQ(P.ProjBez, "Titel");
    EXPECT_EQ(P.ProjNr, "4711");
    EXPECT_EQ(P.PosName, "Pos");
    EXPECT_EQ(P.GanzerNameOhneExt, "/tmp/x");
    EXPECT_EQ(P.Datum, "10.12.2026");
    EXPECT_FLOAT_EQ(P.SchichtDicke[1], 3.0f);
    EXPECT_FLOAT_EQ(P.SchichtPhi[1], 30.0f);
    EXPECT_FLOAT_EQ(P.SchichtDeltaA[1], 20.0f);
    EXPECT_FLOAT_EQ(P.SchichtDeltaP[1], -15.0f);
    EXPECT_FLOAT_EQ(P.SchichtCa[1], 5.0f);
    EXPECT_FLOAT_EQ(P.SchichtCp[1], 6.0f);
    EXPECT_FLOAT_EQ(P.EtaGlobal, 2.0f);
    EXPECT_FLOAT_EQ(P.SchichtGamma[1], 18.0f);
    EXPECT_FLOAT_EQ(P.SchichtGammaAuftrieb[1], 10.0f);
    EXPECT_FLOAT_EQ(P.SchichtEI[1], 50.0f);
    EXPECT_EQ(P.SchichtGammaAush[1], 0.0f); // no correction of zero excavation-side weights
    EXPECT_EQ(P.SchichtGammaAuftriebAush[1], 0.0f);
    EXPECT_FALSE(vb::IsOpen(zormcom::Lauf.DateiNr));
}

// Slopes the run wrote into its working copy come back as entered after the run changed them.
TEST_F(Nachlesen, SlopesOfARunComeBackAsEntered) {
    BeispielProjekt();
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 0.0f;
    P.BoeschX2[1] = 6.0f;
    P.BoeschZ1[1] = 0.0f;
    P.BoeschZ2[1] = -3.0f;
    P.BoeschGamma[1] = 19.0f;
    P.BoeschPhi[1] = 32.5f;
    zorma::EingabeAuswerten();
    P.AnzBoesch = 0;
    P.BoeschX2[1] = 0.0f;
    P.BoeschPhi[1] = 0.0f;
    zormb::EingabeNachlesen();
    ASSERT_EQ(P.AnzBoesch, 1);
    EXPECT_FLOAT_EQ(P.BoeschX2[1], 6.0f);
    EXPECT_FLOAT_EQ(P.BoeschZ2[1], -3.0f);
    EXPECT_FLOAT_EQ(P.BoeschGamma[1], 19.0f);
    EXPECT_FLOAT_EQ(P.BoeschPhi[1], 32.5f);
}

// When the working copy cannot be written (a folder of that name is in the way), the run stops
// before any report or hand-over file is written: the later stages would otherwise re-read an
// old or missing copy.
TEST_F(Nachlesen, RunStopsWhenTheWorkingCopyCannotBeWritten) {
    BeispielProjekt();
    fs::create_directory(Datei("WEXASAVE"));
    EXPECT_THROW(zorma::EingabeAuswerten(), zor::CalcAbort);
    EXPECT_FALSE(fs::exists(Datei("LPTZW")));
    EXPECT_FALSE(fs::exists(Datei("ZORDENDE.DOS")));
    EXPECT_TRUE(fs::is_directory(Datei("WEXASAVE")));
    EXPECT_EQ(vb::FreeFile(), 1);
}

// A load file whose count of wall loads exceeds the ten the run holds is refused before a load
// beyond the array is read, and the file is closed again.
TEST_F(Nachlesen, LoadFileWithTooManyLoadsIsRefused) {
    struct Fall {
        const char* text;
    } faelle[] = {{"1\r\n11,0\r\n"}, {"1\r\n0,16\r\n"}, {"1\r\n1,0\r\n5,0,1,9\r\n"}};
    for (const auto& f : faelle) {
        {
            std::ofstream o(Datei("ZORLAST"), std::ios::binary);
            o << f.text;
        }
        try {
            zormcom::LastfallLesen(1);
            ADD_FAILURE() << f.text;
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9) << f.text;
        }
        EXPECT_EQ(vb::FreeFile(), 1) << f.text;
    }
}

// Given passive points are divided by the safety of the earth resistance; a safety of 0 stops
// with an error instead of infinite ordinates.
TEST_F(Nachlesen, GivenPassivePointsWithoutSafetyAreRefused) {
    auto& L = zormcom::Lauf;
    P.zAush = 4.0f;
    P.Etap = 0.0f;
    L.AnzEphGegeben = 1;
    L.EphGegAktZ[1] = 5.0f;
    L.EphGegAktE[1] = -30.0f;
    try {
        zormcom::ErdwiderstandVorgabe();
        ADD_FAILURE();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.number(), 11);
    }
}

} // namespace
