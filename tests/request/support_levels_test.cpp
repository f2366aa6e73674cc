// The support levels rebuilt from the stages, and bored piles with spacing taken as a soldier pile wall.
#include <gtest/gtest.h>

#include <vector>

#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "request/support_levels.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace {

class Auflager : public ::testing::Test {
protected:
    void SetUp() override { ResetProjectData(); }
    void TearDown() override { ResetProjectData(); }
    // A stage with its excavation level and its eight support rows.
    static void Stufe(int16_t s, float zAush, std::vector<float> anker) {
        P.zAush = zAush;
        P.AnzAnker = 0;
        for (int i = 1; i <= 8; ++i) {
            P.ZAnker[i] = i <= static_cast<int>(anker.size()) ? anker[i - 1] : 0.0f;
            if (P.ZAnker[i] > 0.0f) ++P.AnzAnker;
        }
        P.ZNextAnker = 99.0f;
        zormcom::AushubSpeichern(s);
    }
};

TEST_F(Auflager, LevelsOfAllStagesAreSortedOnceEachAndTheLastStageStaysLoaded) {
    P.AnzAush = 3;
    Stufe(1, 2.0f, {4.5f});
    Stufe(2, 5.0f, {4.5f, 1.5f});
    Stufe(3, 8.0f, {1.5f, 4.5f, 6.0f});
    P.ZAuflager[7] = 9.9f;  // left from an earlier list
    Stufe(1, 2.0f, {4.5f}); // current stage 1 again
    Anker::AnkerAktualisieren();
    ASSERT_EQ(P.AnzAnkerGesamt, 3);
    EXPECT_EQ(P.ZAuflager[1], 1.5f);
    EXPECT_EQ(P.ZAuflager[2], 4.5f);
    EXPECT_EQ(P.ZAuflager[3], 6.0f);
    EXPECT_EQ(P.ZAuflager[7], 0.0f);
    EXPECT_EQ(P.zAush, 8.0f);
    EXPECT_EQ(P.AnzAnker, 3);
}

TEST_F(Auflager, MoreThanTwentyLevelsAreCutAtTheSizeOfTheList) {
    P.AnzAush = 3;
    for (int16_t s = 1; s <= 3; ++s)
        Stufe(s, 10.0f, {s + 0.1f, s + 0.2f, s + 0.3f, s + 0.4f, s + 0.5f, s + 0.6f, s + 0.7f, s + 0.8f});
    Anker::AnkerAktualisieren();
    EXPECT_EQ(P.AnzAnkerGesamt, 20);
}

TEST_F(Auflager, BoredPilesWithSpacingAreCalculatedAsASoldierPileWall) {
    P.Wandtyp = 5;
    P.Wandart = 3;
    P.BPfD = 0.62f;
    P.BPfAbstand = 1.5f;
    P.ZBFuss = 4.0f;
    Wand::BPfalsTBW();
    EXPECT_EQ(P.Wandart, 1);
    EXPECT_EQ(P.ABohl, 1.5f);
    EXPECT_EQ(P.BBohl, 0.62f);
    EXPECT_EQ(P.BBFuss, 0.62f);
    EXPECT_EQ(P.ZBFuss, 0.0f);

    P.Wandtyp = 4;
    P.Wandart = 3;
    Wand::BPfalsTBW();
    EXPECT_EQ(P.Wandart, 3);
}

} // namespace
