// The working safety factors as the two safety pages set them when confirmed as they open from a saved
// project. Expected values are the factors of DIN 1054:2010-12 and EAB/EAU as the pages list them.
#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "request/safety_factors.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace {

class Sicherheitsbeiwerte : public ::testing::Test {
protected:
    void SetUp() override { ResetProjectData(); }
    void TearDown() override { ResetProjectData(); }
};

TEST_F(Sicherheitsbeiwerte, GlobalSafetySetsEveryFactorToOneAndKeepsEtapUnlessEtaGlobalIsAboveOne) {
    P.Etap = 1.5f;
    Sicherheiten::SicherheitsbeiwerteSetzen();
    EXPECT_EQ(P.TeilsicherheitenAn, 0);
    EXPECT_EQ(P.Bemessungssituation, 2); // the page's preset, stored by its OK
    EXPECT_EQ(P.UntergrundGuenstig, 0);
    for (float f : {P.gamG, P.gamE0g, P.gamQ, P.gamRe, P.gamRh, P.gamG1C, P.gamQ1C, P.gamPhi, P.gamC,
                    P.gamGstb, P.gamGdst, P.gamH, P.gamQdst, P.gamWred, P.gamRered, P.EtaAnpass})
        EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(P.gamStahlAnker, 1.75f);
    EXPECT_EQ(P.Etap, 1.5f);

    P.EtaGlobal = 1.3f;
    Sicherheiten::SicherheitsbeiwerteSetzen();
    EXPECT_EQ(P.Etap, 1.3f);
}

struct Fall {
    int16_t situation, guenstig;
    float gamG, gamE0g, gamQ, gamRe, gamPhi, gamGdst, gamQdst, gamH;
    int16_t situationDanach;
};

TEST_F(Sicherheitsbeiwerte, PartialFactorsFollowTheDesignSituationAndTheSubsoilClass) {
    const Fall faelle[] = {
        {1, 1, 1.35f, 1.20f, 1.50f, 1.40f, 1.25f, 1.05f, 1.50f, 1.35f, 1},
        {1, 0, 1.35f, 1.20f, 1.50f, 1.40f, 1.25f, 1.05f, 1.50f, 1.80f, 1},
        {2, 0, 1.20f, 1.10f, 1.30f, 1.30f, 1.15f, 1.05f, 1.30f, 1.60f, 2},
        {3, 1, 1.10f, 1.00f, 1.10f, 1.20f, 1.10f, 1.00f, 1.00f, 1.20f, 3},
        {23, 0, 1.15f, 1.05f, 1.20f, 1.25f, 1.13f, 1.03f, 1.15f, 1.50f, 23},
        {0, 0, 1.20f, 1.10f, 1.30f, 1.30f, 1.15f, 1.05f, 1.30f, 1.60f, 2}, // no situation saved: BS-T
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.situation * 10 + f.guenstig);
        ResetProjectData();
        P.TeilsicherheitenAn = -1;
        P.Bemessungssituation = f.situation;
        P.UntergrundGuenstig = f.guenstig;
        Sicherheiten::KonzeptUebernehmen();
        EXPECT_EQ(P.TeilsicherheitenAn, 1);
        EXPECT_EQ(P.Bemessungssituation, f.situationDanach);
        EXPECT_EQ(P.gamG, f.gamG);
        EXPECT_EQ(P.gamE0g, f.gamE0g);
        EXPECT_EQ(P.gamQ, f.gamQ);
        EXPECT_EQ(P.gamRe, f.gamRe);
        EXPECT_EQ(P.gamPhi, f.gamPhi);
        EXPECT_EQ(P.gamC, f.gamPhi);
        EXPECT_EQ(P.gamGdst, f.gamGdst);
        EXPECT_EQ(P.gamQdst, f.gamQdst);
        EXPECT_EQ(P.gamH, f.gamH);
        EXPECT_EQ(P.gamGstb, 0.95f);
        EXPECT_EQ(P.gamStahlAnker, 1.15f);
        EXPECT_EQ(P.gamGBSP, 1.35f);
        EXPECT_EQ(P.gamQBSP, 1.50f);
        EXPECT_EQ(P.gamE0gBSP, 1.20f);
        EXPECT_EQ(P.EtaAnpass, 1.0f); // an empty adaption factor counts as 1
    }
}

TEST_F(Sicherheitsbeiwerte, OwnFactorsReplaceTheTableAndAZeroOwnFactorBecomesOne) {
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 23;
    P.kzRered = 1;
    P.UntergrundGuenstig = 1;
    P.EtaAnpass = 0.6f;
    P.gamE0gEig = 1.1f;
    P.gamGEig = 1.25f;
    P.gamHEig = 1.7f;
    P.gamReEig = 0.0f; // empty box
    Sicherheiten::SicherheitsbeiwerteSetzen();
    EXPECT_EQ(P.Bemessungssituation, 0);
    EXPECT_EQ(P.gamG, 1.25f);
    EXPECT_EQ(P.gamE0g, 1.1f);
    EXPECT_EQ(P.gamRe, 1.0f);
    EXPECT_EQ(P.gamReEig, 1.0f);
    EXPECT_EQ(P.gamH, 1.7f); // whatever the subsoil
    EXPECT_EQ(P.gamStahlAnker, 1.15f);
    EXPECT_EQ(P.EtaAnpass, 0.6f);
    // Own factors clear the E 215 reduction; without the EAB one no reduced factor is in force.
    EXPECT_EQ(P.kzRered, 0);
    EXPECT_EQ(P.gamRered, 0.0f);
    EXPECT_EQ(P.gamWred, 1.1f);
}

struct Reduktion {
    int16_t situation, kzRered, kzRered2, kzWred;
    int16_t kzReredDanach, kzRered2Danach, kzWredDanach;
    float gamRered;
};

TEST_F(Sicherheitsbeiwerte, ReducedFactorsFollowTheSavedFlagsAsTheCheckBoxesTakeThem) {
    const Reduktion faelle[] = {
        {2, 1, 0, 0, 1, 0, 0, 1.15f},                               // E 215 in BS-T
        {1, 1, 0, 1, 1, 0, 1, 1.20f},                               // E 215 and E 216 together
        {23, 1, 0, 0, 1, 0, 0, 1.13f}, {3, 0, 0, 0, 0, 0, 0, 0.0f}, // none
        {2, 1, 1, 0, 0, 1, 0, 1.0f},                                // EAB excludes both EAU reductions
        {2, 0, 1, 1, 0, 0, 1, 0.0f}, // a saved E 216 switches the EAB box off as the page loads
    };
    for (const Reduktion& r : faelle) {
        SCOPED_TRACE(r.situation * 1000 + r.kzRered * 100 + r.kzRered2 * 10 + r.kzWred);
        ResetProjectData();
        P.TeilsicherheitenAn = 1;
        P.Bemessungssituation = r.situation;
        P.kzRered = r.kzRered;
        P.kzRered2 = r.kzRered2;
        P.kzWred = r.kzWred;
        Sicherheiten::SicherheitsbeiwerteSetzen();
        EXPECT_EQ(P.kzRered, r.kzReredDanach);
        EXPECT_EQ(P.kzRered2, r.kzRered2Danach);
        EXPECT_EQ(P.kzWred, r.kzWredDanach);
        EXPECT_EQ(P.gamRered, r.gamRered);
        EXPECT_EQ(P.gamWred, P.gamE0g);
    }
}

} // namespace
