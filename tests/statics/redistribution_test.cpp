// Redistribution parameters after EAB, redistribution figures and the water-pressure diagram.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/errors.h"
#include "statics/redistribution.h"
#include "statics/state.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using namespace zormc;

class Umlagerung : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectData();
        zor::LaufZuruecksetzen();
        P.WandKopf = 1;
        P.Wandart = 3;
        P.AushNr = 2;
        P.EFaktor = 1.0f;
    }
    static void Anker(std::vector<float> z) {
        P.AnzAnker = static_cast<int16_t>(z.size());
        for (std::size_t i = 0; i < z.size(); ++i)
            P.ZAnker[i + 1] = z[i];
    }
    struct Param {
        float z1 = -5, z2 = -5, eps = -5;
        int16_t fig = -5;
    };
    static Param EB69() {
        Param p;
        zormcom::UmlagerungEB69(p.z1, p.z2, p.eps, p.fig);
        return p;
    }
    static float Flaeche(const zor::Ordinatenliste& l, float bis) {
        float a = 0.0f, y = 0.0f;
        Integrieren(l.e, l.z, l.n, bis, a, y);
        return a;
    }
};

TEST_F(Umlagerung, ParametersByWallKindAndSupports) {
    struct Fall {
        const char* name;
        int16_t wandart, kopf;
        float zAush;
        std::vector<float> anker;
        float z1, z2, eps;
        int16_t fig;
    };
    const Fall faelle[] = {
        {"strut at 0.15 H, diaphragm wall", 3, 1, 10.0f, {1.5f}, 0.0f, 5.0f, 0.8333f, 5},
        {"strut at 0.15 H, soldier piles", 1, 1, 10.0f, {1.5f}, 0.0f, 5.0f, 0.6667f, 5},
        {"hinged head alone", 3, 2, 10.0f, {}, 0.0f, 9.99f, 1.0f, 5},
        {"soldier piles, anchors at 0.25 H and 5", 1, 1, 8.0f, {2.0f, 5.0f}, 2.0f, 5.0f, 0.0f, 4},
        // r = 1.5 / 5 lies exactly on the limit 0.3 and takes its row
        {"soldier piles, one anchor at r = 0.3", 1, 1, 5.0f, {1.5f}, 0.0f, 2.5f, 0.5f, 5},
        {"soldier piles, one anchor at r = 0.4", 1, 1, 5.0f, {2.0f}, 2.0f, 2.01f, 0.0f, 4},
        {"diaphragm, one anchor deep", 3, 1, 5.0f, {2.0f}, 2.0f, 2.01f, 0.5f, 4},
        {"diaphragm, fixed head and anchor: n = 2, r = 0", 3, 3, 10.0f, {4.0f}, 0.0f, 4.0f, 0.6667f, 5},
        {"diaphragm, two anchors r = 0.15", 3, 1, 10.0f, {1.5f, 5.0f}, 1.5f, 5.0f, 0.5f, 4},
        {"diaphragm, two anchors r = 0.25", 3, 1, 10.0f, {2.5f, 5.0f}, 2.5f, 5.0f, 1.0f, 4},
    };
    for (const Fall& f : faelle) {
        SetUp();
        P.Wandart = f.wandart;
        P.WandKopf = f.kopf;
        P.zAush = f.zAush;
        Anker(f.anker);
        const Param p = EB69();
        EXPECT_NEAR(p.z1, f.z1, 1e-5) << f.name;
        EXPECT_NEAR(p.z2, f.z2, 1e-5) << f.name;
        EXPECT_NEAR(p.eps, f.eps, 1e-4) << f.name;
        EXPECT_EQ(p.fig, f.fig) << f.name;
        EXPECT_EQ(P.AnzAnker, static_cast<int16_t>(f.anker.size())) << f.name;
    }
    // No support: nothing changes.
    SetUp();
    P.zAush = 6.0f;
    const Param p = EB69();
    EXPECT_EQ(p.z1, -5.0f);
    EXPECT_EQ(p.fig, -5);
}

// Struts at 2, 5 and 8 m, zAush 11, diaphragm wall: trapezoid from 5 to 8; the centroid
// (41.333 + 15 eps) / (7 + 1.5 eps) = 0.55 H gives eps = 0.1716 by hand.
TEST_F(Umlagerung, CentroidSearchPutsTheCentroidAtTheTargetShare) {
    P.zAush = 11.0f;
    Anker({2.0f, 5.0f, 8.0f});
    const Param p = EB69();
    EXPECT_EQ(p.z1, 5.0f);
    EXPECT_EQ(p.z2, 8.0f);
    EXPECT_EQ(p.fig, 4);
    EXPECT_NEAR(p.eps, 0.1716, 0.001);
    EXPECT_NEAR((41.3333 + 15.0 * p.eps) / (11.0 * (7.0 + 1.5 * p.eps)), 0.55, 0.001);
    EXPECT_NEAR(St.SchwerAktuell, 0.55, 0.001);
    // Four supports on a soldier-pile wall end the trapezoid at the fourth, on other walls at the third.
    Anker({1.0f, 3.0f, 5.0f, 7.0f});
    P.Wandart = 1;
    EXPECT_EQ(EB69().z2, 7.0f);
    P.Wandart = 3;
    EXPECT_EQ(EB69().z2, 5.0f);
    // Targets out of reach: eps 0 when even eps = 0 leaves the centroid too deep, 1 when eps = 1 leaves
    // it too high.
    P.zAush = 10.0f;
    P.Wandart = 1;
    Anker({1.0f, 9.0f, 9.5f});
    EXPECT_EQ(EB69().eps, 0.0f);
    P.Wandart = 3;
    Anker({0.2f, 0.5f, 1.0f});
    EXPECT_EQ(EB69().eps, 1.0f);
}

// Each figure carries EFaktor x E (E = 90 kN/m, EFaktor 1.2) down to its depth.
TEST_F(Umlagerung, EveryFigureCarriesTheFactoredResultant) {
    struct Fall {
        int fig;
        float erstesE0; // expected e0 for EFaktor 1
    };
    P.EFaktor = 1.2f;
    St.LastResultierendeOben = 90.0f;
    St.UmlagerungsTiefe = 6.0f;
    P.zAush = 6.0f;
    zormcom::Lauf.zFuss = 9.0f;
    P.UmZ1 = 1.0f;
    P.UmZ2 = 3.0f;
    P.EpsUml = 0.5f;
    Anker({2.0f, 4.0f});
    for (int fig : {1, 2, 4, 5, 7, 8, 6}) {
        St.Lastbild.n = 1;
        St.Lastbild.z[1] = 0.0f;
        St.Lastbild.e[1] = 0.0f;
        float bis = 6.0f;
        switch (fig) {
        case 1:
            UmlagerungAnkerlagen();
            break;
        case 2:
            UmlagerungRechteck();
            break;
        case 4:
            UmlagerungTrapez();
            break;
        case 5:
            UmlagerungBlock();
            break;
        case 7:
            UmlagerungBauweise();
            break;
        case 8:
            UmlagerungEAB();
            break;
        case 6: {
            // The load diagram to be redistributed: 90 kN/m down to Ze1Fig6 = 6.
            zor::Ordinatenliste& lb = St.Lastbild;
            lb.n = 3;
            lb.z = {0.0f, 0.0f, 6.0f, 9.0f};
            lb.e = {0.0f, 0.0f, 30.0f, 30.0f};
            auto& L = zormcom::Lauf;
            L.Ze1Fig6 = 6.0f;
            L.AnzFigur6 = 3;
            L.Fig6ZAkt[1] = 0.0f, L.Fig6VerhAkt[1] = 0.5f;
            L.Fig6ZAkt[2] = 2.0f, L.Fig6VerhAkt[2] = 1.0f;
            L.Fig6ZAkt[3] = 6.0f, L.Fig6VerhAkt[3] = 1.0f;
            L.EpsFuss6 = 0.5f;
            UmlagerungEigeneFigur(6);
            EXPECT_EQ(lb.n, 4);
            EXPECT_EQ(lb.z[4], 9.0f);
            EXPECT_NEAR(lb.e[4], 0.5f * lb.e[3], 1e-4);
            break;
        }
        }
        EXPECT_NEAR(Flaeche(St.Lastbild, bis), 1.2f * 90.0f, 1e-3) << "figure " << fig;
        for (int i = 2; i <= St.Lastbild.n; ++i)
            EXPECT_LE(St.Lastbild.z[i - 1], St.Lastbild.z[i]) << "figure " << fig;
    }
}

TEST_F(Umlagerung, FigureOrdinatesByHand) {
    St.UmlagerungsTiefe = 6.0f;
    P.UmZ1 = 1.0f;
    P.UmZ2 = 3.0f;
    P.EpsUml = 0.5f;
    St.LastResultierendeOben = 90.0f;
    UmlagerungTrapez(); // A = 2.5 + 0.75 * 3 = 4.75
    EXPECT_NEAR(St.Lastbild.e[2], 18.947f, 1e-3);
    EXPECT_NEAR(St.Lastbild.e[4], 9.474f, 1e-3);
    UmlagerungBlock(); // A = 2 * 0.5 + 3 = 4
    EXPECT_EQ(St.Lastbild.n, 7);
    EXPECT_FLOAT_EQ(St.Lastbild.e[2], 11.25f);
    EXPECT_FLOAT_EQ(St.Lastbild.e[4], 22.5f);
    EXPECT_FLOAT_EQ(St.Lastbild.e[7], 11.25f);

    St.UmlagerungsTiefe = 5.0f;
    St.LastResultierendeOben = 100.0f;
    UmlagerungRechteck();
    const std::vector<float> z{0, 0, 0, 0, 5}, e{0, 0, 0, 20, 20};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(St.Lastbild.z[i], z[i]);
        EXPECT_FLOAT_EQ(St.Lastbild.e[i], e[i]);
    }
    // Open water above the ground: the rectangle starts at z0; z0 beyond H leaves a figure without width.
    zormcom::Lauf.DickeOhneWichte = 7.0f;
    UmlagerungRechteck();
    EXPECT_FLOAT_EQ(St.Lastbild.e[4], 100.0f * 100.0f);
    for (int i = 2; i <= 4; ++i)
        EXPECT_LE(St.Lastbild.z[i - 1], St.Lastbild.z[i]);
    zormcom::Lauf.DickeOhneWichte = 0.0f;

    St.UmlagerungsTiefe = 6.0f;
    St.LastResultierendeOben = 60.0f;
    Anker({2.0f});
    UmlagerungAnkerlagen();
    EXPECT_EQ(St.Lastbild.n, 3);
    EXPECT_EQ(St.Lastbild.z[2], 2.0f);
    EXPECT_FLOAT_EQ(St.Lastbild.e[2], 20.0f);
    EXPECT_EQ(St.Lastbild.z[3], 6.0f);
    EXPECT_EQ(St.Lastbild.e[3], 0.0f);
    // Only the head supported: the head is the support at depth 0, e0 = 2E/H.
    Anker({});
    St.Lastbild.z[1] = 0.0f;
    St.Lastbild.e[1] = 0.0f;
    UmlagerungAnkerlagen();
    ASSERT_EQ(St.Lastbild.n, 3);
    EXPECT_EQ(St.Lastbild.z[2], 0.0f);
    EXPECT_FLOAT_EQ(St.Lastbild.e[2], 20.0f);
    EXPECT_EQ(St.Lastbild.z[3], 6.0f);
    EXPECT_EQ(St.Lastbild.e[3], 0.0f);

    // Figure 7: excavated wall, one support 0.5 m below the head, zAush 8: q = 0.0625, f1 0.7, f2 1.3;
    // backfilled: f1 0, f2 2.
    P.zAush = 8.0f;
    St.LastResultierendeOben = 80.0f;
    Anker({0.5f});
    UmlagerungBauweise();
    EXPECT_FLOAT_EQ(St.Lastbild.e[3], 7.0f);
    EXPECT_FLOAT_EQ(St.Lastbild.e[4], 13.0f);
    P.Herstellart = "hinterfuellt";
    Anker({2.0f});
    UmlagerungBauweise(); // q = 0.25: 0.5 and 1.5
    EXPECT_FLOAT_EQ(St.Lastbild.e[3], 5.0f);
    EXPECT_FLOAT_EQ(St.Lastbild.e[4], 15.0f);
}

// Figures 4 and 5 of area 0 have no ordinate: refused with the stage named.
TEST_F(Umlagerung, FigureWithoutAreaIsRefused) {
    St.UmlagerungsTiefe = 6.0f;
    St.LastResultierendeOben = 90.0f;
    P.UmZ1 = 2.0f;
    P.UmZ2 = 2.0f;
    P.EpsUml = 0.0f;
    try {
        UmlagerungBlock();
        FAIL() << "no refusal";
    } catch (const zor::CalcAbort& e) {
        EXPECT_NE(std::string(e.what()).find("Aushubzustands 2"), std::string::npos) << e.what();
    }
    P.UmZ1 = 0.0f;
    P.UmZ2 = 0.0f;
    St.UmlagerungsTiefe = 0.0f;
    EXPECT_THROW(UmlagerungTrapez(), zor::CalcAbort);
}

class Wasser : public Umlagerung {
protected:
    void SetUp() override {
        Umlagerung::SetUp();
        P.AnzErd = 3;
        zormcom::Lauf.SchichtKote[1] = 0.0f;
        zormcom::Lauf.SchichtKote[2] = 2.0f;
        zormcom::Lauf.SchichtKote[3] = 6.0f;
        zormcom::Lauf.SchichtKote[4] = 99.0f;
        P.zAush = 5.0f;
    }
    static void Bild(float zW, float d, float s1, float s2) {
        St.Wasserbild.z[2] = zW;
        St.WasserNeigungUnten = s2;
        WasserdruckBild(d, s1);
    }
    static float Wert(float z) {
        float y = 0.0f;
        Interpolieren(St.Wasserbild.z, St.Wasserbild.e, St.Wasserbild.n, z, y);
        return y;
    }
    static void Geordnet() {
        for (int i = 2; i <= St.Wasserbild.n; ++i)
            EXPECT_LE(St.Wasserbild.z[i - 1], St.Wasserbild.z[i]);
    }
};

TEST_F(Wasser, SlopeFromTheWaterLevelDown) {
    Bild(7.0f, 0.0f, 10.0f, 10.0f); // water below all layer tops but the last
    ASSERT_EQ(St.Wasserbild.n, 3);
    EXPECT_EQ(St.Wasserbild.z[2], 7.0f);
    EXPECT_EQ(St.Wasserbild.z[3], 99.0f);
    EXPECT_FLOAT_EQ(St.Wasserbild.e[3], 920.0f);
    Bild(3.0f, 0.0f, 10.0f, 10.0f);
    EXPECT_FLOAT_EQ(Wert(6.0f), 30.0f);
    EXPECT_FLOAT_EQ(Wert(2.5f), 0.0f);
    // Under seepage without open water (d = 0) there is no break: the reduced slope from the level down.
    zormcom::Lauf.kzStroem = 1;
    Bild(3.0f, 0.0f, 10.0f, 6.0f);
    EXPECT_FLOAT_EQ(Wert(6.0f), 18.0f);
    // Water pressure among the additional stresses: 0 everywhere, s1 := 0.
    zormcom::Lauf.kzWasserenth = 1;
    float d = 2.0f, s1 = 10.0f;
    St.Wasserbild.z[2] = 0.0f;
    WasserdruckBild(d, s1);
    EXPECT_EQ(s1, 0.0f);
    for (int i = 1; i <= St.Wasserbild.n; ++i)
        EXPECT_EQ(St.Wasserbild.e[i], 0.0f);
}

TEST_F(Wasser, BreakToTheSeepageSlope) {
    zormcom::Lauf.kzStroem = 1;
    // Earth side: open water 2 m deep from the head, 10 kN/m3 in it, 6 below.
    Bild(0.0f, 2.0f, 10.0f, 6.0f);
    Geordnet();
    EXPECT_FLOAT_EQ(Wert(2.0f), 20.0f);
    EXPECT_FLOAT_EQ(Wert(6.0f), 44.0f);
    EXPECT_FLOAT_EQ(St.Wasserbild.e[St.Wasserbild.n], 20.0f + 97.0f * 6.0f);
    // Excavation side: water 1 m above the excavation level, -10 in it, -4 below.
    Bild(4.0f, 5.0f, -10.0f, -4.0f);
    Geordnet();
    EXPECT_FLOAT_EQ(Wert(5.0f), -10.0f);
    EXPECT_FLOAT_EQ(Wert(6.0f), -14.0f);
    // A break depth above the water level starts the break at the water level.
    Bild(3.0f, 1.0f, 10.0f, 6.0f);
    Geordnet();
    EXPECT_FLOAT_EQ(Wert(3.0f), 0.0f);
    EXPECT_FLOAT_EQ(Wert(6.0f), 18.0f);
}

} // namespace
