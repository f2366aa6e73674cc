// The ranges of the input values: every project the examples and the tests calculate fits them, and a
// value just inside, at and just outside a bound of a few representative fields is accepted or named with
// its statement, field and range.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "frame/input_ranges.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "tests/support/large_project.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;
using zorm1::P;

class Bereiche : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
    }
    void TearDown() override {
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
    }
    zortest::WorkingFolder ordner_; // the page-header file the reader writes
};

TEST_F(Bereiche, EveryExampleAndTheLargeProjectFit) {
    std::vector<fs::path> dateien;
    for (const char* ordner : {ZOR_EXAMPLES, ZOR_TEST_DATA})
        for (const auto& e : fs::directory_iterator(ordner))
            if (e.is_regular_file() && e.path().extension().empty()) dateien.push_back(e.path());
    ASSERT_GE(dateien.size(), 9u);
    for (const auto& d : dateien) {
        SCOPED_TRACE(d.filename().string());
        zorm1::ResetProjectData();
        ASSERT_TRUE(zorm1::EingabeLesen(d.string()));
        EXPECT_EQ(zorm1::EingabeBereichePruefen(), std::nullopt);
    }
    zorm1::ResetProjectData();
    ASSERT_TRUE(zortest::GrossesProjekt(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert"));
    EXPECT_EQ(zorm1::EingabeBereichePruefen(), std::nullopt);
}

struct Grenzfall {
    const char* name;
    std::function<void(float)> setzen;
    float wert;
    const char* meldung; // nullptr: accepted
};

void PrintTo(const Grenzfall& f, std::ostream* os) {
    *os << f.name << " = " << f.wert;
}

class Grenzen : public Bereiche, public ::testing::WithParamInterface<Grenzfall> {};

// Stage 1 with the foot mode given, the foot at 8 m and one support in force at z.
void GegebenerFussMitStuetze(float modus, float z) {
    auto& t = P.Aushubstufen[1];
    t.Wandfuss = modus;
    t.ZWandfuss = 8.0f;
    t.AnzAnker = 1;
    t.ZAnker[1] = z;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Spundwand_frei: 2 layers (the first 1.5 m thick), stage 1 without a support, free
// wall head, active earth pressure.
const Grenzfall kGrenzen[] = {
    {"Wichte", [](float v) { P.SchichtGamma[1] = v; }, 0.0f, nullptr},
    {"Wichte", [](float v) { P.SchichtGamma[1] = v; }, 50.0f, nullptr},
    {"Wichte", [](float v) { P.SchichtGamma[1] = v; }, 50.01f,
     "Wichte der Bodenschicht 1 (Satz 5, SchichtGamma) = 50.01 kN/m3; zulässig 0 bis 50 kN/m3."},
    {"Wichte", [](float v) { P.SchichtGamma[1] = v; }, -0.01f, "(Satz 5, SchichtGamma) = -.01 kN/m3"},
    {"Wichte", [](float v) { P.SchichtGamma[1] = v; }, kNaN,
     "(Satz 5, SchichtGamma) = keine Zahl kN/m3; zulässig"},
    {"Wichte", [](float v) { P.SchichtGamma[1] = v; }, kInf,
     "(Satz 5, SchichtGamma) = unendlich kN/m3; zulässig"},
    {"EI", [](float v) { P.SchichtEI[2] = v; }, 0.01f, nullptr},
    {"EI", [](float v) { P.SchichtEI[2] = v; }, 0.0099f,
     "Wandsteifigkeit E*I der Bodenschicht 2 (Satz 5, SchichtEI) = .0099 MNm2/m; zulässig 0 oder .01 bis "
     "100000 MNm2/m."},
    {"EI", [](float v) { P.SchichtEI[2] = v; }, 0.0f, nullptr},
    {"Gelenk", [](float v) { P.zMGelenk = v; }, 0.0f, nullptr},
    {"Gelenk", [](float v) { P.zMGelenk = v; }, 99.0f, nullptr},
    {"Gelenk", [](float v) { P.zMGelenk = v; }, 99.01f,
     "Kote des Gelenks (Satz 29, zMGelenk) = 99.01 m; zulässig 0 bis 99 m."},
    {"Gelenk", [](float v) { P.zMGelenk = v; }, -0.01f, "(Satz 29, zMGelenk) = -.01 m"},
    {"Wandwichte", [](float v) { P.GamWand = v; }, 78.5f, nullptr},
    {"Wandwichte", [](float v) { P.GamWand = v; }, 3.4e38f,
     "Wichte der Wand (Satz 38, GamWand) = 3.4E+38 kN/m3; zulässig 0 bis 100 kN/m3."},
    {"Wanddicke", [](float v) { P.DWand = v; }, 3.4e38f,
     "Dicke der Wand (Satz 38, DWand) = 3.4E+38 m; zulässig 0 bis 10 m."},
    {"Schichtdicke", [](float v) { P.SchichtDicke[1] = v; }, 98.99f, nullptr},
    {"Schichtdicke", [](float v) { P.SchichtDicke[1] = v; }, 98.995f,
     "Unterkante der Bodenschicht 1 (Satz 5, Summe der SchichtDicke) = 98.995 m; zulässig 0 bis 98.99 m (die "
     "letzte Schicht reicht bis 99 m)."},
    {"Schichtdicke", [](float v) { P.SchichtDicke[1] = v; }, -0.01f, "(Satz 5, SchichtDicke) = -.01 m"},
    {"Einspannung", [](float v) { P.Aushubstufen[1].Einsp = v; }, 100.0f, nullptr},
    {"Einspannung", [](float v) { P.Aushubstufen[1].Einsp = v; }, 100.1f,
     "Teileinspannung im Aushubzustand 1 (Satz 7, Einsp) = 100.1 %; zulässig 0 bis 100 %."},
    {"Aushubtiefe", [](float v) { P.Aushubstufen[1].zAush = v; }, 0.01f, nullptr},
    {"Aushubtiefe", [](float v) { P.Aushubstufen[1].zAush = v; }, 0.0f,
     "Aushubtiefe im Aushubzustand 1 (Satz 7, zAush) = 0 m; zulässig .01 bis 98.98 m."},
    {"Wandfuss", [](float v) { P.Aushubstufen[1].Wandfuss = 2, P.Aushubstufen[1].ZWandfuss = v; }, 98.99f, nullptr},
    {"Wandfuss", [](float v) { P.Aushubstufen[1].Wandfuss = 2, P.Aushubstufen[1].ZWandfuss = v; }, 99.0f,
     "Kote des Wandfußes im Aushubzustand 1 (Satz 7, ZWandfuss) = 99 m; zulässig 3.5 bis 98.99 m."},
    {"Wandfuss", [](float v) { P.Aushubstufen[1].Wandfuss = 2, P.Aushubstufen[1].ZWandfuss = v; }, 3.49f,
     "Kote des Wandfußes im Aushubzustand 1 (Satz 7, ZWandfuss) = 3.49 m; zulässig 3.5 bis 98.99 m."},
    {"Bettungsmodul", [](float v) { P.FussGebettet[1] = 1, P.BettAnz[1] = 1, P.BettC(1, 1) = v; }, 0.0f,
     nullptr},
    {"Bettungsmodul", [](float v) { P.FussGebettet[1] = 1, P.BettAnz[1] = 1, P.BettC(1, 1) = v; }, -1.0f,
     "Bettungsmodul der Zeile 1 der Bettung im Aushubzustand 1 (Satz 32, BettC) = -1 MN/m3; zulässig 0 bis "
     "10000 MN/m3."},
    // Up to the modulus of sound rock; soils lie between about 1 and a few hundred MN/m3.
    {"Bettungsmodul", [](float v) { P.FussGebettet[1] = 1, P.BettAnz[1] = 1, P.BettC(1, 1) = v; }, 10000.0f,
     nullptr},
    {"Bettungsmodul", [](float v) { P.FussGebettet[1] = 1, P.BettAnz[1] = 1, P.BettC(1, 1) = v; }, 10001.0f,
     "Bettungsmodul der Zeile 1 der Bettung im Aushubzustand 1 (Satz 32, BettC) = 10001 MN/m3; zulässig 0 bis "
     "10000 MN/m3."},
    // A support in force at the given foot or above it; below it holds no wall. A searched foot (mode 1) has
    // no given level: its search starts below the deepest support.
    {"Stuetze", [](float v) { GegebenerFussMitStuetze(2, v); }, 8.0f, nullptr},
    {"Stuetze", [](float v) { GegebenerFussMitStuetze(2, v); }, 8.01f,
     "Kote der Ankerlage 1 im Aushubzustand 1 (Satz 7, ZAnker) = 8.01 m; zulässig 0 bis 8 m: eine Anker- bzw. "
     "Steifenlage liegt nicht unter dem vorgegebenen Wandfuß."},
    {"Stuetze", [](float v) { GegebenerFussMitStuetze(3, v); }, 8.5f, "(Satz 7, ZAnker) = 8.5 m; zulässig 0 bis 8 m"},
    {"Stuetze", [](float v) { GegebenerFussMitStuetze(1, v); }, 20.0f, nullptr},
    {"Erddruckart", [](float v) { P.Erddruckart = static_cast<int16_t>(v); }, 2.0f, nullptr},
    {"Erddruckart", [](float v) { P.Erddruckart = static_cast<int16_t>(v); }, 3.0f,
     "Erddruckansatz (Satz 3, Erddruckart) = 3; zulässig 1, 2."},
    {"Erddruckart", [](float v) { P.Erddruckart = static_cast<int16_t>(v); }, 0.0f,
     "(Satz 3, Erddruckart) = 0"},
    {"Reibungswinkel", [](float v) { P.SchichtPhi[2] = v; }, 89.9f, nullptr},
    {"Reibungswinkel", [](float v) { P.SchichtPhi[2] = v; }, 90.0f,
     "Reibungswinkel der Bodenschicht 2 (Satz 5, SchichtPhi) = 90 Grad; zulässig 0 bis 89.9 Grad."},
    {"Wandlast", [](float v) { P.AnzLastLuftLF[1] = 1, P.LuftLastZ(1, 1) = v; }, 99.0f, nullptr},
    {"Wandlast", [](float v) { P.AnzLastLuftLF[1] = 1, P.LuftLastZ(1, 1) = v; }, 100.0f,
     "Kote der Wandlast 1 im Lastfall 1 (Satz 12, LuftLastZ) = 100 m; zulässig 0 bis 99 m."},
    {"eigener Teilsicherheitsbeiwert", [](float v) { P.gamGEig = v; }, 0.0f, nullptr},
    {"eigener Teilsicherheitsbeiwert", [](float v) { P.gamGEig = v; }, 0.5f, nullptr},
    {"eigener Teilsicherheitsbeiwert", [](float v) { P.gamGEig = v; }, 3.0f, nullptr},
    {"eigener Teilsicherheitsbeiwert", [](float v) { P.gamG1CEig = v; }, 3.01f,
     "eigener Teilsicherheitsbeiwert (Satz 65, gamG1CEig) = 3.01; zulässig 0 oder .5 bis 3."},
    {"eigener Teilsicherheitsbeiwert", [](float v) { P.gamCEig = v; }, 0.49f,
     "(Satz 66, gamCEig) = .49; zulässig 0 oder .5 bis 3."},
    {"eigener Teilsicherheitsbeiwert", [](float v) { P.gamRhEig = v; }, -1.0f, "(Satz 67, gamRhEig) = -1;"},
    {"Anpassungsfaktor", [](float v) { P.EtaAnpass = v; }, 0.2f, nullptr},
    {"Anpassungsfaktor", [](float v) { P.EtaAnpass = v; }, 1.0f, nullptr},
    {"Anpassungsfaktor", [](float v) { P.EtaAnpass = v; }, 20.0f,
     "Anpassungsfaktor eta (Satz 34, EtaAnpass) = 20; zulässig 0 oder .2 bis 1."},
    {"Anpassungsfaktor", [](float v) { P.EtaAnpass = v; }, 0.19f, "(Satz 34, EtaAnpass) = .19;"},
    {"Pfahldurchmesser", [](float v) { P.BPfD = v; }, 3.0f, nullptr},
    {"Pfahldurchmesser", [](float v) { P.BPfD = v; }, 3.01f,
     "Pfahldurchmesser der Bohrpfähle mit Abstand (Satz 63, BPfD) = 3.01 m; zulässig 0 oder .2 bis 3 m."},
    {"Pfahldurchmesser", [](float v) { P.BPfDUeb = v; }, 6.7e8f, "(Satz 63, BPfDUeb) = 6.7E+08 m;"},
    // A diaphragm wall 80 cm thick: the reinforcement lies inside its half.
    {"d1", [](float v) { P.Wandtyp = 3, P.DWand = 0.8f, P.d1Rand = v; }, 39.9f, nullptr},
    {"d1", [](float v) { P.Wandtyp = 3, P.DWand = 0.8f, P.d1Rand = v; }, 40.0f,
     "Achsabstand d1 der Bewehrung (Satz 62, d1Rand) = 40 cm; zulässig 0 bis unter 40 cm (die halbe "
     "Querschnittshöhe h = 80 cm)."},
    {"d1", [](float v) { P.Wandtyp = 3, P.DWand = 0.8f, P.d1Rand = v; }, -1.0f, "(Satz 62, d1Rand) = -1 cm;"},
    // A bored pile of 90 cm: its diameter is the section's height.
    {"d1", [](float v) { P.Wandtyp = 4, P.BPfDUeb = 0.9f, P.d1Rand = v; }, 44.9f, nullptr},
    {"d1", [](float v) { P.Wandtyp = 4, P.BPfDUeb = 0.9f, P.d1Rand = v; }, 5507.0f,
     "(Satz 62, d1Rand) = 5507 cm; zulässig 0 bis unter 45 cm (die halbe Querschnittshöhe h = 90 cm)."},
    // The profile's name in the heading of the steel check: on the soldier pile wall the spacing follows it.
    {"Profilname", [](float) { P.Wandart = 1, P.ProfilName = "HEB260-12345  14920  1148  118.4  1  26TBW"; },
     0.0f, "Name des Stahlprofils (Satz 60, ProfilName) hat 12 Zeichen; zulässig höchstens 10 Zeichen."},
    {"Profilname", [](float) { P.Wandart = 1, P.ProfilName = "  2UPN400     40700    2040     183    2.8     40TBW"; },
     0.0f, nullptr},
    {"Profilname", [](float) { P.Wandart = 2, P.ProfilName = "AZ14-770-10/10     24240    1405   137.2      1   34.5SPW"; },
     0.0f, nullptr},
    {"Profiltext", [](float) { P.Wandart = 2, P.ProfilText = std::string(33, 'X'); }, 0.0f, nullptr},
    {"Profiltext", [](float) { P.Wandart = 2, P.ProfilText = std::string(31, 'X') + "Tä"; }, 0.0f, nullptr},
    {"Profiltext", [](float) { P.Wandart = 2, P.ProfilText = std::string(32, 'X') + "Tä"; }, 0.0f,
     "Name des Stahlprofils (Satz 61, ProfilText) hat 34 Zeichen; zulässig höchstens 33 Zeichen."},
    // Water levels from the wall head down, as the stage page keeps them.
    {"Wasserstand", [](float v) { P.Aushubstufen[1].ZWasserErd = v; }, 0.0f, nullptr},
    {"Wasserstand", [](float v) { P.Aushubstufen[1].ZWasserErd = v; }, -0.01f,
     "erdseitiger Wasserstand im Aushubzustand 1 (Satz 7, ZWasserErd) = -.01 m; zulässig 0 bis 99 m."},
    {"Wasserstand", [](float v) { P.Aushubstufen[1].ZWasserLuft = v; }, -99.0f,
     "(Satz 7, ZWasserLuft) = -99 m; zulässig 0 bis 99 m."},
    {"Wasserstand", [](float v) { P.ZWasserErdAush[1] = v; }, -5.0f,
     "(Satz 17, ZWasserErdAush) = -5 m; zulässig 0 bis 99 m."},
    // The values of a steel profile, as read from its line (I, W, A, s, h); 0 is a value the line lacks.
    {"Profilwerte", [](float v) { P.Wandtyp = 2, P.ProfilWert5 = v; }, 10.0f, nullptr},
    {"Profilwerte", [](float v) { P.Wandtyp = 2, P.ProfilWert5 = v; }, 0.0f, nullptr},
    {"Profilwerte", [](float v) { P.Wandtyp = 2, P.ProfilWert5 = v; }, 2.0f,
     "Widerstandsmoment W des Stahlprofils (Satz 60, ProfilName) = 2 cm3; zulässig 0 oder 10 bis 20000 cm3."},
    {"Profilwerte", [](float v) { P.Wandtyp = 1, P.ProfilWert4 = v; }, 1148.0f,
     "Stegdicke s des Stahlprofils (Satz 60, ProfilName) = 1148 cm; zulässig 0 oder .2 bis 5 cm."},
    {"Profilwerte", [](float v) { P.Wandtyp = 1, P.ProfilWert2 = v; }, 200.1f, "Profilhöhe h des Stahlprofils"},
    {"Profilwerte", [](float v) { P.Wandtyp = 1, P.ProfilWert3 = v; }, 2.0e6f, "Trägheitsmoment I des Stahlprofils"},
    {"Profilwerte", [](float v) { P.Wandtyp = 1, P.ProfilWert1 = v; }, 4.0f, "Querschnittsfläche A des Stahlprofils"},
    {"Profilwerte", [](float v) { P.Wandtyp = 3, P.ProfilWert4 = v; }, 1148.0f, nullptr}, // no steel profile
    // A steel wall has no reinforcement to place.
    {"d1", [](float v) { P.Wandtyp = 1, P.d1Rand = v; }, 5507.0f, nullptr},
};

TEST_P(Grenzen, InsideAndAtTheBoundAcceptedOutsideNamed) {
    const Grenzfall& f = GetParam();
    ASSERT_TRUE(zorm1::EingabeLesen(std::string(ZOR_TEST_DATA) + "/Spundwand_frei"));
    ASSERT_EQ(zorm1::EingabeBereichePruefen(), std::nullopt);
    f.setzen(f.wert);
    const auto fehler = zorm1::EingabeBereichePruefen();
    if (!f.meldung) {
        EXPECT_EQ(fehler, std::nullopt);
        return;
    }
    ASSERT_TRUE(fehler.has_value());
    EXPECT_NE(fehler->find(f.meldung), std::string::npos) << *fehler;
}

INSTANTIATE_TEST_SUITE_P(Felder, Grenzen, ::testing::ValuesIn(kGrenzen));

// The given earth pressure of a stage: levels from 0 rising to 99.
TEST_F(Bereiche, GivenEarthPressureRunsFromTheHeadToTheFoot) {
    struct Liste {
        std::vector<float> z;
        const char* meldung;
    };
    const Liste faelle[] = {
        {{0.0f, 99.0f}, nullptr},
        {{0.0f, 3.5f, 3.5f, 99.0f}, nullptr}, // a step in the pressure
        {{}, nullptr},                        // no given pressure
        {{0.0f, 3.5f},
         "Kote z der letzten Zeile (2) des vorgegebenen Erddrucks im Aushubzustand 1 (Satz 40, "
         "ZEahGeg) = 3.5 m; die Liste muß von z = 0 bis z = 99 (Wandfuß) reichen."},
        {{0.5f, 99.0f},
         "Kote z der Zeile 1 des vorgegebenen Erddrucks im Aushubzustand 1 (Satz 40, ZEahGeg) = "
         ".5 m; zulässig 0 bis 0 m."},
        {{0.0f, 5.0f, 4.0f, 99.0f},
         "Kote z der Zeile 3 des vorgegebenen Erddrucks im Aushubzustand 1 (Satz 40, "
         "ZEahGeg) = 4 m; zulässig 5 bis 99 m."},
        {{0.0f, 99.5f},
         "Kote z der Zeile 2 des vorgegebenen Erddrucks im Aushubzustand 1 (Satz 40, ZEahGeg) = "
         "99.5 m; zulässig 0 bis 99 m."},
    };
    for (const Liste& l : faelle) {
        SCOPED_TRACE(l.meldung ? l.meldung : "accepted");
        zorm1::ResetProjectData();
        ASSERT_TRUE(zorm1::EingabeLesen(std::string(ZOR_TEST_DATA) + "/Spundwand_frei"));
        P.EahGeg(1, 0) = static_cast<float>(l.z.size());
        for (std::size_t k = 0; k < l.z.size(); ++k) {
            P.ZEahGeg(1, static_cast<int>(k + 1)) = l.z[k];
            P.EahGeg(1, static_cast<int>(k + 1)) = 20.0f;
        }
        const auto eine = zorm1::VorgabeErddruckPruefen(1);
        EXPECT_EQ(eine, zorm1::EingabeBereichePruefen()); // the same line for the page and for stage a
        if (l.meldung)
            EXPECT_EQ(eine.value_or(""), l.meldung);
        else
            EXPECT_EQ(eine, std::nullopt);
    }
}

// A redistribution figure only where the page offers one: not in a stage without a support while the wall
// head is free or displaceably fixed, and never the figure 3 the page does not have.
TEST_F(Bereiche, RedistributionFigureOnlyWhereThePageOffersOne) {
    struct Fall {
        int16_t wandart, wandKopf, erddruckart, anker, figur;
        bool zulaessig;
    };
    const Fall faelle[] = {
        {2, 1, 1, 0, 0, true},  {2, 1, 1, 0, 1, false}, {2, 4, 1, 0, 8, false}, {2, 2, 1, 0, 1, true},
        {2, 3, 1, 0, 5, true},  {2, 1, 1, 1, 1, true},  {2, 1, 1, 1, 3, false}, {2, 1, 1, 1, 9, false},
        {2, 1, 2, 0, 1, true},  {2, 1, 2, 0, 4, false}, {2, 1, 1, 2, 8, true},  {1, 1, 1, 0, 1, false},
        {1, 1, 1, 1, 6, false}, {1, 1, 1, 1, 7, false}, {3, 1, 1, 1, 7, true},  {1, 1, 1, 1, 8, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("Wandart " + std::to_string(f.wandart) + ", WandKopf " + std::to_string(f.wandKopf) +
                     ", Erddruckart " + std::to_string(f.erddruckart) + ", AnzAnker " +
                     std::to_string(f.anker) + ", UmFigur " + std::to_string(f.figur));
        zorm1::ResetProjectData();
        P.AnzAush = 1;
        P.Wandart = f.wandart;
        P.WandKopf = f.wandKopf;
        P.Erddruckart = f.erddruckart;
        P.Aushubstufen[1].AnzAnker = f.anker;
        P.Aushubstufen[1].UmFigur = f.figur;
        EXPECT_EQ(!zorm1::UmlagerungsfigurPruefen(1).has_value(), f.zulaessig);
    }
}

} // namespace
