#include <algorithm>
#include <cmath>
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
    // The stage as a file left it: every place filled, the last one with its own value.
    zorm1::AushubSpalte alt{};
    alt.fill(-777.0f);
    alt[130] = 123.0f;
    P.Aushubstufen[5] = zorm1::AushubAusSpalte(alt);
    zormcom::AushubSpeichern(5);

    const auto spalte = zorm1::AushubAlsSpalte(P.Aushubstufen[5]);
    const auto T = [&](int s, int r) {
        return s == 5
                   ? spalte[static_cast<size_t>(r)]
                   : zorm1::AushubAlsSpalte(P.Aushubstufen[static_cast<size_t>(s)])[static_cast<size_t>(r)];
    };
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
    const auto stufen = P.Aushubstufen;
    ResetProjectData();
    P.Aushubstufen = stufen;
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

    const auto spalte = zorm1::AushubAlsSpalte(P.Aushubstufen[2]);
    const auto T = [&](int, int r) { return spalte[static_cast<size_t>(r)]; };
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
        P.Aushubstufen[1].Wandfuss = c.stored;
        P.Aushubstufen[1].AnzAnker = c.stored;
        P.Aushubstufen[1].UmFigur = c.stored;
        zormcom::AushubLaden(1);
        EXPECT_EQ(P.Wandfuss, c.loaded) << c.stored;
        EXPECT_EQ(P.AnzAnker, std::max<int16_t>(c.loaded, 0)) << c.stored; // a count is never negative
        EXPECT_EQ(P.UmFigur, c.loaded) << c.stored;
    }
}

TEST_F(StageTable, CountRowsRoundBeforeTheyPlaceTheNextList) {
    // A bottom-load count of 1.5 rounds to 2, so the stress count sits in row 44, not 40.
    zorm1::AushubSpalte spalte{};
    spalte[35] = 1.5f;
    spalte[40] = 9.0f;
    spalte[44] = 1.0f;
    spalte[45] = 2.5f;
    spalte[46] = 30.0f;
    spalte[47] = 0.0f;
    P.Aushubstufen[3] = zorm1::AushubAusSpalte(spalte);
    EXPECT_EQ(zorm1::AushubAlsSpalte(P.Aushubstufen[3]), spalte);
    zormcom::AushubLaden(3);
    EXPECT_EQ(P.AnzSohlLast, 2);
    EXPECT_EQ(P.AnzZusatzSpannung, 1);
    EXPECT_EQ(P.ZusZ[1], 2.5f);
    EXPECT_EQ(P.ZusSpannung[1], 30.0f);
    EXPECT_EQ(P.AnzErddruckFaktor, 0);
}

TEST_F(StageTable, DamagedCountsAndStageNumbersStayInsideTheArrays) {
    // Counts beyond their lists are cut to the capacity instead of running past the arrays.
    P.Aushubstufen[1].AnzSohlLast = 40.0f;
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzSohlLast, 8);
    P.Aushubstufen[1].AnzSohlLast = 1e9f; // not even a 16-bit integer
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzSohlLast, 0);
    P.Aushubstufen[1].AnzSohlLast = -3.0f;
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzSohlLast, 0);
    P.Aushubstufen[1].AnzAnker = 12.0f; // more supports than a stage holds
    zormcom::AushubLaden(1);
    EXPECT_EQ(P.AnzAnker, 8);

    P.AnzSohlLast = 9;
    P.AnzZusatzSpannung = 16;
    P.AnzErddruckFaktor = 100;
    zormcom::AushubSpeichern(1); // must stay inside the lists and the stored form
    EXPECT_EQ(zorm1::AushubAusSpalte(zorm1::AushubAlsSpalte(P.Aushubstufen[1])), P.Aushubstufen[1]);

    // Stage numbers outside the table do nothing.
    P.Wandfuss = 3;
    const auto before = P.Aushubstufen;
    zormcom::AushubSpeichern(16);
    zormcom::AushubSpeichern(-1);
    EXPECT_EQ(P.Aushubstufen, before);
    zormcom::AushubLaden(16);
    zormcom::AushubLaden(-1);
    EXPECT_EQ(P.Wandfuss, 3);
}

} // namespace

namespace {

// Every column a file can hold comes back place for place through a stage, whatever its counts say: the
// counts place the lists, the places that hold no value are carried as they are.
TEST(StoredStage, EveryColumnComesBackUnchanged) {
    struct Zaehler {
        float sohl, zus, faktor;
    };
    const Zaehler faelle[] = {
        {0, 0, 0},    {1, 2, 3},       {8, 15, 15},   {1.5f, 0.5f, 2.5f}, // halves to even
        {9, 16, 100}, {-1, -3, -0.6f}, {1e9f, 40, 7}, {3, 15, 0},
    };
    for (const Zaehler& z : faelle) {
        zorm1::AushubSpalte spalte{};
        for (size_t r = 1; r <= 130; ++r)
            spalte[r] = 0.25f * static_cast<float>(r) - 7.0f;
        // The count places follow from the counts before them, as a reader meets them.
        const auto ganz = [](float v, int max) {
            return std::clamp<int>(v >= -32768.5f && v < 32767.5f ? static_cast<int>(std::nearbyint(v)) : 0,
                                   0, max);
        };
        spalte[35] = z.sohl;
        const size_t p = 36 + 4 * static_cast<size_t>(ganz(z.sohl, 8));
        spalte[p] = z.zus;
        const size_t q = p + 1 + 2 * static_cast<size_t>(ganz(z.zus, 15));
        spalte[q] = z.faktor;

        const zorm1::Aushubstufe t = zorm1::AushubAusSpalte(spalte);
        EXPECT_EQ(zorm1::AushubAlsSpalte(t), spalte) << z.sohl << "/" << z.zus << "/" << z.faktor;
        EXPECT_EQ(zorm1::AushubAusSpalte(zorm1::AushubAlsSpalte(t)), t);
        EXPECT_EQ(t.AnzSohlLast, z.sohl); // a damaged count is carried as it stands
        EXPECT_EQ(t.zAush, spalte[3]);
        EXPECT_EQ(t.ZAnker[8], spalte[26]);
        EXPECT_EQ(t.Einsp, spalte[34]);
        if (ganz(z.sohl, 8) >= 1) {
            EXPECT_EQ(t.SohlLastZ[1], spalte[39]);
        }
        if (ganz(z.zus, 15) >= 1) {
            EXPECT_EQ(t.ZusSpannung[1], spalte[p + 2]);
        }
        if (ganz(z.faktor, 15) >= 1) {
            EXPECT_EQ(t.EVerFaktor[1], spalte[q + 2]);
        }
    }
}

} // namespace
