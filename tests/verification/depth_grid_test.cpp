// The depth grid of section 8 with its state quantities and normal force, the summary, the running
// design values.
#include <cmath>
#include <functional>
#include <utility>

#include "earthpressure/state.h"
#include "fixture.h"
#include "statics/state.h"
#include "verification/depth_grid.h"
#include "verification/state.h"

namespace verification_test {
namespace {

// ---- grid

class Raster : public Bericht {
protected:
    // Head at 0, a field down to `ende` (EI 50, load q0), the end row at `ende`.
    static void Balken(float ende, float q0 = 0.0f) {
        Zeile(1, 0.0f, {}, {});
        Zeile(2, ende, {ende, 50.0f, q0, 0.0f}, {});
        Zeile(5, ende, {}, {});
    }
    static std::vector<float> Koten() {
        return std::vector<float>(N.KotenListe.begin() + 1, N.KotenListe.begin() + 1 + N.AnzKoten);
    }
};

// Rows down to 2.05 under a foot at 2.0: the row points 2.0499 and 2.0501 are clamped to 2.0 and the
// points of the lower field (1.105 .. 1.945) come after them; sorted, the grid ends one point after the
// first point at the foot, which is the second 2.0 (the point the section drops before the record).
TEST_F(Raster, SortedAndEndingOnePointAfterTheFoot) {
    Zeile(1, 0.0f, {}, {});
    Zeile(2, 1.0f, {1.0f, 50.0f, 0.0f, 0.0f}, {});
    Zeile(3, 1.0f, {}, {});
    Zeile(2, 2.05f, {1.05f, 50.0f, 0.0f, 0.0f}, {});
    Zeile(5, 2.05f, {}, {});
    zormcom::Lauf.zFuss = 2.0f;
    zormd::KotenRasterBilden();
    const auto z = Koten();
    // 0, 0.1 .. 0.9, 0.9999, 1.0001, 1.105 .. 1.945 (ten fields of 0.105), 2.0, 2.0
    ASSERT_EQ(z.size(), 1u + 9u + 2u + 9u + 2u);
    for (std::size_t i = 1; i + 1 < z.size(); ++i)
        EXPECT_LT(z[i - 1], z[i]) << i;
    EXPECT_EQ(z.front(), 0.0f);
    EXPECT_FLOAT_EQ(z[20], 1.945f);
    EXPECT_EQ(z[21], 2.0f);
    EXPECT_EQ(z[22], 2.0f);
    // The lists are sized to the grid, not to a fixed capacity.
    EXPECT_EQ(N.KotenM.size(), static_cast<std::size_t>(N.AnzKoten) + 3);
    EXPECT_EQ(N.KotenN.size(), static_cast<std::size_t>(N.AnzKoten) + 21);
}

// The rows end 0.95 mm above the foot: the point near the foot is the last one, so the foot level
// follows it instead of a point behind the grid.
TEST_F(Raster, FootBelowTheLastRowIsAdded) {
    Balken(2.0f);
    zormcom::Lauf.zFuss = 2.00095f;
    zormd::KotenRasterBilden();
    const auto z = Koten();
    ASSERT_GE(z.size(), 2u);
    EXPECT_FLOAT_EQ(z[z.size() - 2], 2.0001f);
    EXPECT_EQ(z.back(), 2.00095f);
}

// A long wall (300 rows of 0.5 m, 0.1 m subdivisions) needs more than 1000 points.
TEST_F(Raster, LongWallHasItsWholeGrid) {
    Zeile(1, 0.0f, {}, {});
    for (int i = 1; i <= 298; ++i)
        Zeile(2, 0.5f * static_cast<float>(i), {0.5f, 50.0f, 0.0f, 0.0f}, {});
    Zeile(5, 149.0f, {}, {});
    zormcom::Lauf.zFuss = 149.0f;
    zormd::KotenRasterBilden();
    EXPECT_GT(N.AnzKoten, 1000);
    EXPECT_EQ(N.KotenListe[static_cast<std::size_t>(N.AnzKoten)], 149.0f);
}

// M and Q by the beam equations from the state at the start of each field: Q = Q0 - q0 x,
// M = M0 + Q0 x - q0 x^2 / 2; a point on the boundary of two fields takes the lower field's start.
TEST_F(Raster, StateQuantitiesFromTheFieldStarts) {
    Zeile(1, 0.0f, {}, {0.0f, 0.0f, 0.0f, 0.0f});
    Zeile(2, 2.0f, {2.0f, 50.0f, 10.0f, 0.0f}, {0.0f, 0.0f, -20.0f, -20.0f});
    Zeile(3, 2.0f, {}, {0.0f, 0.0f, -20.0f, -15.0f}); // a spring takes 5 kN/m
    Zeile(2, 3.0f, {1.0f, 50.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -35.0f, -15.0f});
    Zeile(5, 3.0f, {}, {});
    zormcom::Lauf.zFuss = 3.0f;
    N.KotenListe = {0.0f, 0.0f, 1.0f, 2.0f, 2.5f, 3.0f};
    N.AnzKoten = 5;
    for (auto* v : {&N.KotenDruck, &N.KotenW, &N.KotenM, &N.KotenQ})
        v->assign(8, 0.0f);
    N.KotenQKopie.assign(7, 0.0f);
    zormd::KotenZustandBilden();
    struct Fall {
        int k;
        float M, Q, druck;
    };
    for (const Fall f :
         {Fall{1, 0.0f, 0.0f, 10.0f}, Fall{2, -5.0f, -10.0f, 10.0f}, Fall{3, -20.0f, -15.0f, 0.0f},
          Fall{4, -27.5f, -15.0f, 0.0f}, Fall{5, -35.0f, -15.0f, 0.0f}}) {
        SCOPED_TRACE(f.k);
        const auto k = static_cast<std::size_t>(f.k);
        EXPECT_NEAR(N.KotenM[k], f.M, 1e-4f);
        EXPECT_NEAR(N.KotenQ[k], f.Q, 1e-4f);
        EXPECT_NEAR(N.KotenDruck[k], f.druck, 1e-4f);
        EXPECT_EQ(N.KotenQKopie[k], N.KotenQ[k]);
    }
    EXPECT_EQ(N.KotenQKopie[6], N.KotenQ[5]);
}

// ---- normal force

class Normalkraft : public Bericht {
protected:
    void SetUp() override {
        Bericht::SetUp();
        P.Wandtyp = 3;
        P.Wandart = 3;
        P.zAush = 10.0f;
        zormcom::Lauf.zFuss = 15.0f;
        P.ZWasserLuft = 99.0f;
        Punkte({5.0f, 10.0f, 12.5f, 15.0f});
    }
    static void Punkte(std::vector<float> z) {
        N.KotenListe.assign(1, 0.0f);
        N.KotenListe.insert(N.KotenListe.end(), z.begin(), z.end());
        N.AnzKoten = static_cast<int16_t>(z.size());
        N.KotenN.assign(z.size() + 21, 0.0f);
    }
    static void Liste(zor::Ordinatenliste& L, std::vector<std::pair<float, float>> punkte) {
        L = zor::Ordinatenliste{};
        L.n = static_cast<int16_t>(punkte.size());
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            L.z[i + 1] = punkte[i].first;
            L.e[i + 1] = punkte[i].second;
        }
    }
    static float N_(int k) { return N.KotenN[static_cast<std::size_t>(k)]; }
};

// The diaphragm wall of the vertical equilibrium (0.8 m, 25 kN/m3, water at 8.0 m on the excavation
// side) with a vertical earth pressure of area z^2 / 2, an anchor at 2.0 m with Av 66.99, Cv 12 and
// Bv -75 spread as a passive copy falling to -50 at the foot (area -125, r = 0.6):
// N(5) = -100 - 12.5 - 66.99; N(12.5) = -250 + 36 - 78.125 - 6 + 18.75 - 66.99;
// -N(15) = 300 - 56 + 112.5 + 66.99 + 12 - 75 = 360.49 = Summe V2.
TEST_F(Normalkraft, DiaphragmWallByHand) {
    P.DWand = 0.8f;
    P.GamWand = 25.0f;
    P.GamWand2 = 10.0f;
    P.ZWasserLuft = 8.0f;
    Liste(St.ESummeKopie, {{0.0f, 0.0f}, {15.0f, 15.0f}});
    Liste(St.EphKopieListe, {{10.0f, 0.0f}, {15.0f, -50.0f}});
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 2.0f;
    N.AnkerAv[1] = 66.99f;
    St.CKraftV = 12.0f;
    N.BvTBW = -75.0f;
    zormd::KotenNormalkraftBilden();
    EXPECT_NEAR(N_(1), -179.49f, 0.005f);
    EXPECT_NEAR(N_(2), -300.99f, 0.005f);
    EXPECT_NEAR(N_(3), -346.365f, 0.005f);
    EXPECT_NEAR(N_(4), -360.49f, 0.005f);
    EXPECT_NEAR(N.SummeVd, 360.49f, 0.005f);
    EXPECT_NEAR(N.MinNormalkraft, -360.49f, 0.005f);
}

// Cases that leave one force at the foot (15 m) and the expected N there.
TEST_F(Normalkraft, ForcesBelowTheExcavation) {
    struct Fall {
        const char* name;
        std::function<void()> setzen;
        float nFuss;
    };
    const std::vector<Fall> faelle = {
        // With the foot at the excavation the C force's component acts whole (no 0 / 0).
        {"foot at the excavation",
         [] {
             P.zAush = 15.0f;
             St.CKraftV = 12.0f;
         },
         -12.0f},
        {"C spread over the embedment", [] { St.CKraftV = 12.0f; }, -12.0f},
        // A positive Bv against a negative passive area: scaled by r < 0, -N at the foot is Bv.
        {"positive Bv",
         [] {
             Liste(St.EphKopieListe, {{10.0f, 0.0f}, {15.0f, -50.0f}});
             N.BvTBW = 30.0f;
         },
         -30.0f},
        {"Bv 0 takes no passive share",
         [] {
             Liste(St.EphKopieListe, {{10.0f, 0.0f}, {15.0f, -50.0f}});
             N.BvTBW = 0.0f;
         },
         0.0f},
        {"rock foot takes no C and no Bv",
         [] {
             P.Wandfuss = 3;
             St.CKraftV = 12.0f;
             Liste(St.EphKopieListe, {{10.0f, 0.0f}, {15.0f, -50.0f}});
             N.BvTBW = -75.0f;
         },
         0.0f},
        // Soldier pile loading: the vertical earth pressure counts down to the excavation only.
        {"soldier piles",
         [] {
             P.Wandtyp = 1;
             Liste(St.ESummeKopie, {{0.0f, 0.0f}, {15.0f, 15.0f}});
         },
         -50.0f},
        {"other walls",
         [] {
             Liste(St.ESummeKopie, {{0.0f, 0.0f}, {15.0f, 15.0f}});
         },
         -112.5f},
        // Partial factors: the wall's own weight times gamG, the rest as design values (gamMittel).
        {"partial factors",
         [] {
             P.TeilsicherheitenAn = 1;
             P.gamG = 1.35f;
             zormc::St.gamMittel = 1.2f;
             P.DWand = 0.1f;
             P.GamWand = 10.0f;
             St.CKraftV = 10.0f;
         },
         -(15.0f * 1.35f + 12.0f)},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TearDown();
        SetUp();
        f.setzen();
        zormd::KotenNormalkraftBilden();
        EXPECT_NEAR(N_(4), f.nFuss, 1e-3f);
        EXPECT_TRUE(std::isfinite(N_(3)));
        EXPECT_EQ(N.SummeVd, -N_(4));
    }
}

// ---- summary and running design values

class Zusammenfassung : public Bericht {
protected:
    void SetUp() override {
        Bericht::SetUp();
        N.MaxMoment = 40.0f;
        N.MinMoment = -12.0f;
        N.MaxQuerkraft = 30.0f;
        N.MinQuerkraft = -20.0f;
        N.MinNormalkraft = -16.0f;
        N.MaxHDruck = 25.5f;
        N.SummeVk = 50.0f;
        N.SummeVd = 8.0f;
    }
};

// A soldier pile wall at 2.5 m spacing: per pile, moment times 2.5.
TEST_F(Zusammenfassung, SoldierPileWallPerPile) {
    P.Wandart = 1;
    P.ABohl = 2.5f;
    P.TeilsicherheitenAn = 1;
    zormd::ZusammenfassungDrucken();
    const std::string e(13, ' ');
    const std::vector<std::string> soll = {
        e + "Zusammenfassung:",
        e + "je Träger  (Abstand = 2.50 m) für die Bemessung (GZ STR):",
        e + "---------  max M(d) =  100.0 kNm",
        e + "           min M(d) =  -30.0 kNm",
        e + "           max Q(d) =   75.0 kN",
        e + "           min Q(d) =  -50.0 kN",
        e + "           min N(d) =  -40.0 kN Druck",
        e + "           max h(d) =   25.5 kN/m2",
        e + "       (k) Sum V    =   50.0 kN = V(k) nach EAB, EB9; nach unten",
        e + "       (d) Sum V    =   20.0 kN = V(d) nach EAB, EB84",
        "",
        e + "       V(d) muß über die Aufstandsflächen (Spitzendruck) oder über",
        e + "       die Vergrößerung der rechn. Einbindetiefe abgetragen werden.",
        e + "       Eigener Nachweis nach EAB, EB85 erforderlich; maßgebend ist",
        e + "       i. a. nur der Hauptbauzustand.",
        "",
        ""};
    EXPECT_EQ(Zeilen(), soll);
    zormd::BemessungswerteFortschreiben();
    EXPECT_EQ(zormd::N.BemMaxMoment, 100.0f);
    EXPECT_EQ(zormd::N.BemMaxQuerkraft, 75.0f);
    EXPECT_EQ(zormd::N.BemMinNormalkraft, -40.0f);
}

// Global mode, per metre, the shear reduced at the C force: the note lines and "nach oben".
TEST_F(Zusammenfassung, OtherWallPerMetreWithTheReducedShearNote) {
    P.Wandart = 2;
    St.CKraft = -80.0f;
    N.QuerkraftReduziert = 1;
    N.SummeVk = -3.0f;
    N.MinNormalkraft = 0.0f;
    zormd::ZusammenfassungDrucken();
    const auto z = Zeilen();
    const std::string e(13, ' ');
    ASSERT_GE(z.size(), 13u);
    EXPECT_EQ(z[0], e + "Zusammenfassung: (Q : C-Kraft 50% abgemindert bei 100% Einspann.)");
    EXPECT_EQ(z[1], e + "   Ab der Zusammenfassung wird die Querkraft unterhalb der Aushubsohle");
    EXPECT_EQ(z[4], e + "   Wand je zur Hälfte angesetzt werden.");
    EXPECT_EQ(z[5], e + "je m Wand  für die Bemessung:");
    EXPECT_EQ(z[6], e + "---------  max M    =   40.0 kNm/m");
    EXPECT_EQ(z[10], e + "           min N    =    0.0 kN/m");
    EXPECT_EQ(z[12], e + "           Sum V2   =   -3.0 kN/m nach oben");
    EXPECT_EQ(z[14], e + "       V muß über die Aufstandsflächen (Spitzendruck) oder über");
    EXPECT_TRUE(Mit(z, "(d) Sum V2").empty());
}

// The lagging pressure over stages: a stage with a limited or heavy load takes its full h and sets
// the flag; other stages take 2/3 h (no redistribution figure, or figure 1 with one anchor) or h and
// clear the flag only when they are larger.
TEST_F(Zusammenfassung, LaggingPressureOverTheStages) {
    struct Stufe {
        int16_t klein, figur, anker;
        float h, druck;
        int16_t flag;
    };
    for (const Stufe s :
         {Stufe{1, 0, 0, 30.0f, 30.0f, 1}, Stufe{0, 0, 0, 40.0f, 30.0f, 1}, Stufe{0, 2, 2, 36.0f, 36.0f, 0},
          Stufe{1, 2, 2, 35.0f, 36.0f, 0}, Stufe{0, 1, 1, 60.0f, 40.0f, 0}, Stufe{0, 1, 2, 39.0f, 40.0f, 0},
          Stufe{1, 1, 2, 41.0f, 41.0f, 1}}) {
        SCOPED_TRACE(s.h);
        zormcom::Lauf.LastKleinFlag = s.klein;
        P.UmFigur = s.figur;
        P.AnzAnker = s.anker;
        N.MaxHDruck = s.h;
        zormd::BemessungswerteFortschreiben();
        EXPECT_NEAR(zormd::N.BemVerbauDruck, s.druck, 1e-4f);
        EXPECT_EQ(zormd::N.BemVerbauDruckFlag, s.flag);
    }
    // A new run starts from 0.
    zor::LaufZuruecksetzen();
    EXPECT_EQ(zormd::N.BemVerbauDruck, 0.0f);
    EXPECT_EQ(zormd::N.BemMaxMoment, 0.0f);
}

// The section: the slot between the normal force and the dropped point sees the whole grid; the
// plot record then has one point less.
TEST_F(Raster, TheGoverningSectionsSeeTheWholeGrid) {
    Balken(3.0f, 10.0f);
    zormcom::Lauf.zFuss = 3.0f;
    P.zAush = 2.0f;
    int gesehen = 0;
    float letzte = 0.0f;
    zormd::BemessungsschnitteDrucken([&] {
        gesehen = N.AnzKoten;
        letzte = N.KotenListe[static_cast<std::size_t>(N.AnzKoten)];
    });
    EXPECT_EQ(letzte, 3.0f);
    EXPECT_EQ(N.AnzKoten, gesehen - 1);
    EXPECT_FALSE(Mit(Zeilen(), "Zusammenfassung:").empty());
}
} // namespace
} // namespace verification_test
