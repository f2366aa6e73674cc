// Inputs the calculation cannot carry, each a one-field change of an example project: the run either
// refuses the input before any stage, naming the field and its allowed range, or calculates; it never
// ends in an internal error, never hands on a value that is no number, and no report prints one.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/stage_table.h"
#include "platform/forms/headless.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;
using zorm1::P;

struct Fall {
    const char* name;
    const char* beispiel;
    std::function<void()> aendern;
    int status;          // exit status of the headless run
    const char* meldung; // a part of the one message ("" when the run must calculate without one)
};

// A word for a value that is no number as a runtime may print it ("nan", "inf", "1.#INF", "-1.#IND").
bool KeineZahl(const std::string& text) {
    std::string t;
    for (char c : text)
        t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t.find("1.#") != std::string::npos) return true;
    auto buchstabe = [&](std::size_t k) {
        return k < t.size() && std::isalpha(static_cast<unsigned char>(t[k]));
    };
    for (const char* w : {"nan", "inf", "ind"})
        for (std::size_t k = t.find(w); k != std::string::npos; k = t.find(w, k + 1))
            if ((k == 0 || !buchstabe(k - 1)) && !buchstabe(k + 3)) return true;
    return false;
}

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

std::string Lesbar(std::string s) {
    for (char& c : s)
        if (c == '\r') c = '\n';
    return s;
}

class Eingabebereich : public ::testing::TestWithParam<Fall> {
protected:
    void SetUp() override { zortest::LaufUmgebungZuruecksetzen(); }
    void TearDown() override { zortest::LaufUmgebungZuruecksetzen(); }
    zortest::WorkingFolder ordner_;
    zortest::Umgebung umgebung_;
};

TEST_P(Eingabebereich, IsRefusedWithItsRangeOrCalculates) {
    const Fall& f = GetParam();
    umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
    const std::string v = zortest::BeispielKopieren(f.beispiel, "P1");
    ASSERT_FALSE(v.empty());
    zortest::LaufUmgebungZuruecksetzen();
    ASSERT_TRUE(zorm1::EingabeLesen(v));
    f.aendern();
    ASSERT_TRUE(zorm1::EingabeSchreiben(v));
    zortest::LaufUmgebungZuruecksetzen();

    const int status = zorrun::ProjektRechnen(v);
    std::string meldungen;
    for (const auto& b : vb::headless::Log())
        meldungen += "[" + b.title + "] " + Lesbar(b.prompt) + "\n";
    EXPECT_EQ(status, f.status) << meldungen;
    EXPECT_EQ(meldungen.find("Interner Fehler"), std::string::npos) << meldungen;
    EXPECT_EQ(meldungen.find("Unerwarteter Fehler"), std::string::npos) << meldungen;
    if (*f.meldung)
        EXPECT_NE(meldungen.find(f.meldung), std::string::npos) << meldungen;
    else
        EXPECT_EQ(meldungen, "");
    for (const auto& e : fs::directory_iterator(ordner_.path())) {
        if (!e.is_regular_file()) continue;
        const std::string text = vb::ReadFileBytes(e.path().string());
        EXPECT_FALSE(KeineZahl(text)) << e.path().filename();
    }
}

// A bedded wall foot in stage 1 of Spundwand_frei (excavated to 3 m) with the modulus c at both depths.
void Bettung(float c) {
    P.FussGebettet[1] = 1;
    P.BettAnz[1] = 2;
    P.BettT(1, 1) = 0.0f;
    P.BettC(1, 1) = c;
    P.BettT(1, 2) = 96.0f;
    P.BettC(1, 2) = c;
}

// A given earth pressure in stage 1 with rows at the levels z and 10 kN/m2 on each.
void Vorgabe(std::vector<float> z) {
    P.EahGeg(1, 0) = static_cast<float>(z.size());
    for (std::size_t k = 0; k < z.size(); ++k) {
        P.ZEahGeg(1, static_cast<int>(k + 1)) = z[k];
        P.EahGeg(1, static_cast<int>(k + 1)) = 10.0f;
    }
}

// The redistribution figure of stage 1, which has no support in force in either example.
void Figur(int16_t f) {
    P.Aushubstufen[1].UmFigur = f;
}

const Fall kFaelle[] = {
    {"SlopeZ1Denormal", "Traegerbohlwand_Anker", [] { P.BoeschZ1[1] = 1e-45f; }, 0, ""},
    {"SlopeZ1Tiny", "Traegerbohlwand_Anker", [] { P.BoeschZ1[1] = 1e-7f; }, 0, ""},
    {"SlopeZ1DenormalSheetPile", "Neubau_Spundwand_von_Hand", [] { P.BoeschZ1[1] = 1e-45f; }, 0, ""},
    {"SlopeZ1TinySheetPile", "Neubau_Spundwand_von_Hand", [] { P.BoeschZ1[1] = 1e-7f; }, 0, ""},
    {"SlopeZ2Tiny", "Neubau_Spundwand_von_Hand", [] { P.BoeschZ2[1] = 1e-7f; }, 0, ""},
    {"HingeLevelHuge", "Spundwand_frei", [] { P.zMGelenk = -3.4e38f; }, 1,
     "Kote des Gelenks (Satz 29, zMGelenk) = -3.4E+38 m; zulässig 0 bis 99 m."},
    {"HingeLevelLarge", "Spundwand_frei", [] { P.zMGelenk = -1e30f; }, 1, "(Satz 29, zMGelenk) = -1E+30 m"},
    {"LayerEITiny", "Spundwand_frei", [] { P.SchichtEI[1] = 1e-38f; }, 1,
     "Wandsteifigkeit E*I der Bodenschicht 1 (Satz 5, SchichtEI) = 9.999999E-39 MNm2/m; zulässig 0 oder .01 "
     "bis 100000 MNm2/m."},
    {"LayerUnitWeight999999", "Spundwand_frei", [] { P.SchichtGamma[1] = 999999.0f; }, 1,
     "Wichte der Bodenschicht 1 (Satz 5, SchichtGamma) = 999999 kN/m3; zulässig 0 bis 50 kN/m3."},
    {"UpperLayer9999Thick", "Spundwand_frei", [] { P.SchichtDicke[1] = 99.99f; }, 1,
     "Dicke der Bodenschicht 1 (Satz 5, SchichtDicke) = 99.99 m; zulässig 0 bis 99 m."},
    {"UpperLayersBelowTheModel", "Spundwand_frei", [] { P.SchichtDicke[1] = 99.0f; }, 1,
     "Unterkante der Bodenschicht 1 (Satz 5, Summe der SchichtDicke) = 99 m; zulässig 0 bis 98.99 m"},
    // An overlapped bored pile wall without a pile diameter keeps the wall's thickness and unit weight as
    // stored (with a diameter, and on the other walls, the wall page's rules compute them anew).
    {"WallUnitWeightHuge", "Bohrpfahlwand", [] { P.BPfDUeb = 0.0f, P.GamWand = 3.4e38f; }, 1,
     "Wichte der Wand (Satz 38, GamWand) = 3.4E+38 kN/m3; zulässig 0 bis 100 kN/m3."},
    {"WallThicknessHuge", "Bohrpfahlwand", [] { P.BPfDUeb = 0.0f, P.DWand = 3.4e38f; }, 1,
     "Dicke der Wand (Satz 38, DWand) = 3.4E+38 m; zulässig 0 bis 10 m."},
    {"FootAboveTheExcavation", "Spundwand_frei",
     [] { P.Aushubstufen[1].Wandfuss = 2, P.Aushubstufen[1].ZWandfuss = 1.0f; }, 1,
     "Kote des Wandfußes im Aushubzustand 1 (Satz 7, ZWandfuss) = 1 m; zulässig 3.5 bis 98.99 m."},
    // The section design of the piles finds no strain state: the strain that is no number is not printed.
    {"DesignWithoutStrainState", "Bohrpfahlwand", [] { P.EBreiteM = 5000.0f; }, 1,
     "Im Lastfall 3, Aushubzustand 1 hat die Stufe \"Nachweise und Bemessung\" keinen Zahlenwert ergeben "
     "für\n\n"
     "\"Betondehnung  eps1 = (keine Zahl) o/oo\" (Datei \"LPTZW\")."},
    {"KneeOfTheBlockFigureBelowTheExcavation", "Traegerbohlwand_verankert",
     [] { P.Aushubstufen[2].UmZ2 = 45.0f; }, 1,
     "Kote z2 der Umlagerungsfigur im Aushubzustand 2 (Satz 7, UmZ2) = 45 m; zulässig"},
    // A stage excavated less deep than the one before keeps its supports below its excavation level: the foot
    // search starts below the deepest of them, so the stage calculates.
    {"StageShallowerThanTheOneBefore", "Schlitzwand_gesteift_GW", [] { P.Aushubstufen[2].zAush = 1.0f; }, 0, ""},
    {"StageShallowerThanTheOneBeforeOnPiles", "Bohrpfahlwand", [] { P.Aushubstufen[2].zAush = 2.0f; }, 0, ""},
    {"SupportBelowTheGivenFoot", "Spundwand_verankert",
     [] {
         P.Aushubstufen[2].Wandfuss = 2, P.Aushubstufen[2].ZWandfuss = 8.0f;
         P.Aushubstufen[2].ZAnker[1] = P.ZAuflager[1] = P.Aushubstufen[1].ZNextAnker = 8.5f;
     },
     1,
     "Kote der Ankerlage 1 im Aushubzustand 2 (Satz 7, ZAnker) = 8.5 m; zulässig 0 bis 8 m: eine Anker- bzw. "
     "Steifenlage liegt nicht unter dem vorgegebenen Wandfuß."},
    {"LastLayer9999Thick", "Spundwand_frei", [] { P.SchichtDicke[2] = 99.99f; }, 0, ""},
    {"UpperLayerEndsAt9899", "Spundwand_frei", [] { P.SchichtDicke[1] = 98.99f; }, 0, ""},
    {"BeddingModulusHugeNegative", "Spundwand_frei", [] { Bettung(-3.4e38f); }, 1,
     "Bettungsmodul der Zeile 1 der Bettung im Aushubzustand 1 (Satz 32, BettC) = -3.4E+38 MN/m3; zulässig 0 "
     "bis"},
    {"BeddingModulusNegative", "Spundwand_frei", [] { Bettung(-1.0f); }, 1, "(Satz 32, BettC) = -1 MN/m3"},
    {"GivenEarthPressureEndsAbove99", "Spundwand_frei",
     [] {
         Vorgabe({0.0f, 3.5f});
     },
     1,
     "Kote z der letzten Zeile (2) des vorgegebenen Erddrucks im Aushubzustand 1 (Satz 40, ZEahGeg) = 3.5 m; "
     "die Liste muß von z = 0 bis z = 99 (Wandfuß) reichen."},
    {"GivenEarthPressureTo99", "Spundwand_frei",
     [] {
         Vorgabe({0.0f, 3.5f, 99.0f});
     },
     0, ""},
    {"FigureOnUnsupportedSoldierPileStage", "Traegerbohlwand_verankert", [] { Figur(1); }, 1,
     "Umlagerungsfigur im Aushubzustand 1 (Satz 7, UmFigur) = 1; ohne Anker oder Steife bei nicht gehaltenem "
     "Wandkopf ist nur 0 (keine Umlagerung) zulässig."},
    {"FigureOnUnsupportedSheetPileStage", "Spundwand_frei", [] { Figur(2); }, 1,
     "Umlagerungsfigur im Aushubzustand 1 (Satz 7, UmFigur) = 2; ohne Anker"},
    {"FigureThree", "Traegerbohlwand_verankert", [] { Figur(3); }, 1,
     "Umlagerungsfigur der Trägerbohlwand im Aushubzustand 1 (Satz 7, UmFigur) = 3; zulässig 0, 1, 2, 4, 5, "
     "8."},
    {"OwnPartialFactor200", "Traegerbohlwand_Anker", [] { P.gamG1CEig = 200.0f; }, 1,
     "eigener Teilsicherheitsbeiwert (Satz 65, gamG1CEig) = 200; zulässig 0 oder .5 bis 3."},
    {"AdaptationFactor20", "Spundwand_verankert", [] { P.EtaAnpass = 20.0f; }, 1,
     "Anpassungsfaktor eta (Satz 34, EtaAnpass) = 20; zulässig 0 oder .2 bis 1."},
    {"CoverDeeperThanTheSection", "Bohrpfahlwand", [] { P.d1Rand = 5507.0f; }, 1,
     "Achsabstand d1 der Bewehrung (Satz 62, d1Rand) = 5507 cm; zulässig 0 bis unter"},
    // The design page's recommended reinforcement, made ready before the check, counts no bars for it.
    {"PileDiameterBeyondAnyWall", "Bohrpfahlwand", [] { P.BPfDUeb = 6.7e8f; }, 1,
     "Pfahldurchmesser der überschnittenen Bohrpfahlwand (Satz 63, BPfDUeb) = 6.7E+08 m; zulässig 0 oder .2 "
     "bis 3 m."},
    // The steel check's heading "Spannungsnachweis nach EAB,S 355, <name>, Achsabstand = 2,00 m" would pass
    // column 80.
    {"ProfileNameBeyondItsLine", "Traegerbohlwand_Anker",
     [] { P.ProfilName = "HEB260-Sonder             14920    1148   118.4      1     26TBW"; }, 1,
     "Name des Stahlprofils (Satz 60, ProfilName) hat 13 Zeichen; zulässig höchstens 10 Zeichen."},
    // 99 m of water above the wall head on the earth side: the vertical passive force of about -15000 kN/m
    // passed its number field in the vertical equilibrium.
    {"EarthWaterFarAboveTheHead", "Bohrpfahlwand", [] { P.Aushubstufen[2].ZWasserErd = -99.0f; }, 1,
     "erdseitiger Wasserstand im Aushubzustand 2 (Satz 7, ZWasserErd) = -99 m; zulässig 0 bis 99 m."},
    // A damaged profile line: the numbers read from it shift, and the web thickness of 1148 cm passed the
    // number field of the shear stress.
    {"ProfileLineWithShiftedValues", "Traegerbohlwand_Anker",
     [] { P.ProfilName = "HEBHEB 260, a = 2, 14920    1148   518.4      1     26TBW"; }, 1,
     "Widerstandsmoment W des Stahlprofils (Satz 60, ProfilName) = 2 cm3; zulässig 0 oder 10 bis 20000 cm3."},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Eingabebereich, ::testing::ValuesIn(kFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
