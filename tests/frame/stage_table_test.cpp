#include <algorithm>
#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "frame/stage_table.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace {

class StageTable : public ::testing::Test {
protected:
    void SetUp() override { ResetProjectData(); }
    void TearDown() override { ResetProjectData(); }
};

// A stage with the fullest lists: 8 bottom loads, 15 stress rows, 15 factor rows.
void FillFullStage() {
    P.Wandfuss = 4;
    P.ZWandfuss = 12.5f;
    P.zAush = 7.25f;
    P.AnzAnker = 3;
    P.UmFigur = 6;
    P.UmZ1 = 1.5f;
    P.UmZ2 = 4.75f;
    P.EpsUml = 0.4f;
    for (int i = 1; i <= 8; ++i)
        P.ZAnker[i] = 0.5f * i;
    P.ZNextAnker = 99.0f;
    P.ZWasserLuft = 8.0f;
    P.EFaktor = 1.0f;
    P.StBx1 = -1.0f;
    P.StBx2 = -3.0f;
    P.StBH = 1.2f;
    P.ZWasserErd = 3.5f;
    P.Einsp = 40.0f;
    P.AnzSohlLast = 8;
    for (int i = 1; i <= 8; ++i) {
        P.SohlLastX1[i] = -0.1f * i;
        P.SohlLastX2[i] = -1.0f * i;
        P.SohlLastQ[i] = 10.0f + i;
        P.SohlLastZ[i] = 7.0f + 0.01f * i;
    }
    P.AnzZusatzSpannung = 15;
    P.AnzErddruckFaktor = 15;
    for (int i = 1; i <= 15; ++i) {
        P.ZusZ[i] = 0.3f * i;
        P.ZusSpannung[i] = 2.0f * i;
        P.EVerZ[i] = i == 15 ? 99.0f : 0.7f * i;
        P.EVerFaktor[i] = 1.0f + 0.05f * i;
    }
}

TEST_F(StageTable, FullestStageUsesRowsUpTo129AndLoadsBackIdentically) {
    FillFullStage();
    for (int r = 0; r <= 130; ++r)
        P.AushubTabelle(5, r) = -777.0f;
    P.AushubTabelle(5, 130) = 123.0f;
    zormcom::AushubSpeichern(5);

    const auto& T = P.AushubTabelle;
    // Fixed rows.
    EXPECT_EQ(T(5, 1), 4.0f);
    EXPECT_EQ(T(5, 2), 12.5f);
    EXPECT_EQ(T(5, 3), 7.25f);
    EXPECT_EQ(T(5, 4), 3.0f);
    EXPECT_EQ(T(5, 5), 6.0f);
    EXPECT_EQ(T(5, 8), 0.4f);
    EXPECT_EQ(T(5, 19), 0.5f); // ZAnker(1)
    EXPECT_EQ(T(5, 26), 4.0f); // ZAnker(8), stored whatever AnzAnker is
    EXPECT_EQ(T(5, 27), 99.0f);
    EXPECT_EQ(T(5, 34), 40.0f);
    EXPECT_EQ(T(5, 35), 8.0f);
    // Rows 9..18 are not touched.
    for (int r = 9; r <= 18; ++r)
        EXPECT_EQ(T(5, r), -777.0f) << r;
    // Packed lists: bottom load 8 in rows 64..67, stress count in row 68 (36 + 4 * 8),
    // factor count in row 99 (68 + 1 + 2 * 15), last factor in row 129.
    EXPECT_EQ(T(5, 36), P.SohlLastX1[1]);
    EXPECT_EQ(T(5, 67), P.SohlLastZ[8]);
    EXPECT_EQ(T(5, 68), 15.0f);
    EXPECT_EQ(T(5, 69), P.ZusZ[1]);
    EXPECT_EQ(T(5, 98), P.ZusSpannung[15]);
    EXPECT_EQ(T(5, 99), 15.0f);
    EXPECT_EQ(T(5, 100), P.EVerZ[1]);
    EXPECT_EQ(T(5, 128), 99.0f);
    EXPECT_EQ(T(5, 129), P.EVerFaktor[15]);
    EXPECT_EQ(T(5, 130), 123.0f);
    // Other columns are not touched.
    EXPECT_EQ(T(4, 1), 0.0f);
    EXPECT_EQ(T(6, 1), 0.0f);

    const ProjectData stored = P;
    // Wipe the current-stage values, then load.
    const auto table = P.AushubTabelle;
    ResetProjectData();
    P.AushubTabelle = table;
    zormcom::AushubLaden(5);
    EXPECT_EQ(P.Wandfuss, stored.Wandfuss);
    EXPECT_EQ(P.ZWandfuss, stored.ZWandfuss);
    EXPECT_EQ(P.zAush, stored.zAush);
    EXPECT_EQ(P.AnzAnker, stored.AnzAnker);
    EXPECT_EQ(P.UmFigur, stored.UmFigur);
    EXPECT_EQ(P.UmZ1, stored.UmZ1);
    EXPECT_EQ(P.UmZ2, stored.UmZ2);
    EXPECT_EQ(P.EpsUml, stored.EpsUml);
    EXPECT_EQ(P.ZAnker, stored.ZAnker);
    EXPECT_EQ(P.ZNextAnker, stored.ZNextAnker);
    EXPECT_EQ(P.ZWasserLuft, stored.ZWasserLuft);
    EXPECT_EQ(P.EFaktor, stored.EFaktor);
    EXPECT_EQ(P.StBx1, stored.StBx1);
    EXPECT_EQ(P.StBx2, stored.StBx2);
    EXPECT_EQ(P.StBH, stored.StBH);
    EXPECT_EQ(P.ZWasserErd, stored.ZWasserErd);
    EXPECT_EQ(P.Einsp, stored.Einsp);
    EXPECT_EQ(P.AnzSohlLast, 8);
    EXPECT_EQ(P.SohlLastX1, stored.SohlLastX1);
    EXPECT_EQ(P.SohlLastX2, stored.SohlLastX2);
    EXPECT_EQ(P.SohlLastQ, stored.SohlLastQ);
    EXPECT_EQ(P.SohlLastZ, stored.SohlLastZ);
    EXPECT_EQ(P.AnzZusatzSpannung, 15);
    EXPECT_EQ(P.ZusZ, stored.ZusZ);
    EXPECT_EQ(P.ZusSpannung, stored.ZusSpannung);
    EXPECT_EQ(P.AnzErddruckFaktor, 15);
    EXPECT_EQ(P.EVerZ, stored.EVerZ);
    EXPECT_EQ(P.EVerFaktor, stored.EVerFaktor);
}

TEST_F(StageTable, ShorterListsLeaveOldRowsBehindAndLoadIgnoresThem) {
    FillFullStage();
    zormcom::AushubSpeichern(2);
    // The same stage with one bottom load, two stress rows and no factor rows.
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -0.5f;
    P.SohlLastX2[1] = -2.5f;
    P.SohlLastQ[1] = 20.0f;
    P.SohlLastZ[1] = 7.25f;
    P.AnzZusatzSpannung = 2;
    P.ZusZ[1] = 1.0f;
    P.ZusSpannung[1] = 5.0f;
    P.ZusZ[2] = 2.0f;
    P.ZusSpannung[2] = 6.0f;
    P.AnzErddruckFaktor = 0;
    zormcom::AushubSpeichern(2);

    const auto& T = P.AushubTabelle;
    EXPECT_EQ(T(2, 35), 1.0f);
    EXPECT_EQ(T(2, 36), -0.5f);
    EXPECT_EQ(T(2, 40), 2.0f); // p = 36 + 4
    EXPECT_EQ(T(2, 41), 1.0f);
    EXPECT_EQ(T(2, 44), 6.0f);
    EXPECT_EQ(T(2, 45), 0.0f); // q = 40 + 1 + 4
    // Rows behind the packed part keep the longer lists stored before.
    EXPECT_EQ(T(2, 46), 13.0f); // SohlLastQ(3) of the first store, row 36 + 4 * 2 + 2
    EXPECT_EQ(T(2, 68), 15.0f);
    EXPECT_EQ(T(2, 129), 1.0f + 0.05f * 15);

    // Loading reads only the packed part; the entries behind the counts keep their values in memory.
    P.SohlLastQ[2] = -1.0f;
    P.ZusZ[3] = -2.0f;
    P.EVerZ[1] = -3.0f;
    zormcom::AushubLaden(2);
    EXPECT_EQ(P.AnzSohlLast, 1);
    EXPECT_EQ(P.SohlLastQ[1], 20.0f);
    EXPECT_EQ(P.SohlLastQ[2], -1.0f);
    EXPECT_EQ(P.AnzZusatzSpannung, 2);
    EXPECT_EQ(P.ZusSpannung[2], 6.0f);
    EXPECT_EQ(P.ZusZ[3], -2.0f);
    EXPECT_EQ(P.AnzErddruckFaktor, 0);
    EXPECT_EQ(P.EVerZ[1], -3.0f);
}

TEST_F(StageTable, IntegerRowsRoundHalvesToEven) {
    struct Case {
        float stored;
        int16_t loaded;
    };
    const Case cases[] = {{2.0f, 2}, {2.5f, 2}, {3.5f, 4}, {1.4999f, 1}, {0.5f, 0}, {-1.5f, -2}, {4.6f, 5}};
    for (const auto& c : cases) {
        P.AushubTabelle(1, 1) = c.stored; // Wandfuss
        P.AushubTabelle(1, 4) = c.stored; // AnzAnker
        P.AushubTabelle(1, 5) = c.stored; // UmFigur
        zormcom::AushubLaden(1);
        EXPECT_EQ(P.Wandfuss, c.loaded) << c.stored;
        EXPECT_EQ(P.AnzAnker, std::max<int16_t>(c.loaded, 0)) << c.stored; // a count is never negative
        EXPECT_EQ(P.UmFigur, c.loaded) << c.stored;
    }
}

TEST_F(StageTable, CountRowsRoundBeforeTheyPlaceTheNextList) {
    // A bottom-load count of 1.5 rounds to 2, so the stress count sits in row 44, not 40.
    P.AushubTabelle(3, 35) = 1.5f;
    P.AushubTabelle(3, 40) = 9.0f;
    P.AushubTabelle(3, 44) = 1.0f;
    P.AushubTabelle(3, 45) = 2.5f;
    P.AushubTabelle(3, 46) = 30.0f;
    P.AushubTabelle(3, 47) = 0.0f;
    zormcom::AushubLaden(3);
    EXPECT_EQ(P.AnzSohlLast, 2);
    EXPECT_EQ(P.AnzZusatzSpannung, 1);
    EXPECT_EQ(P.ZusZ[1], 2.5f);
    EXPECT_EQ(P.ZusSpannung[1], 30.0f);
    EXPECT_EQ(P.AnzErddruckFaktor, 0);
}

TEST_F(StageTable, DamagedCountsAndStageNumbersStayInsideTheArrays) {
    // Counts beyond their lists are cut to the capacity instead of running past the arrays.
    P.AushubTabelle(1, 35) = 40.0f;
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzSohlLast, 8);
    P.AushubTabelle(1, 35) = 1e9f; // not even a 16-bit integer
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzSohlLast, 0);
    P.AushubTabelle(1, 35) = -3.0f;
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzSohlLast, 0);
    P.AushubTabelle(1, 4) = 12.0f; // more supports than the rows 19..26 hold
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzAnker, 8);

    P.AnzSohlLast = 9;
    P.AnzZusatzSpannung = 16;
    P.AnzErddruckFaktor = 100;
    zormcom::AushubSpeichern(1); // must stay inside the column of 130 rows

    // Stage numbers outside the table do nothing.
    P.Wandfuss = 3;
    const auto before = P.AushubTabelle;
    zormcom::AushubSpeichern(16);
    zormcom::AushubSpeichern(-1);
    EXPECT_EQ(P.AushubTabelle, before);
    zormcom::AushubLaden(16);
    zormcom::AushubLaden(-1);
    EXPECT_EQ(P.Wandfuss, 3);
}

} // namespace
