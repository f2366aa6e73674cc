// The input echo's less common branches: other wall types, wall heads, design situations,
// figure texts, foot texts, bedding notes and loads. Every expected line is put together from
// the texts and field widths of the report layout: Z(x, w, d) is x with d decimals
// right-aligned in w characters, [c n] continues the line at column n.
#include <string>
#include <utility>
#include <vector>

#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "frame/run_state.h"
#include "platform/runtime/errors.h"
#include "stage_a_fixture.h"
#include "tests/support/project_builder.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using namespace stagea_test;

const std::string I13(13, ' ');
const std::string C17(16, ' '); // text from column 17
const std::string Rule = I13 + std::string(64, '-');

class EchoZweige : public Arbeitsordner {
protected:
    // A whole report line.
    bool HatZeile(const std::string& zeile) {
        for (const auto& l : Bericht())
            if (l == zeile) return true;
        return false;
    }

    void Neu() {
        zortest::Zuruecksetzen();
        fs::remove(Datei("LPTZW"));
        BeispielProjekt();
    }

    static void Teilsicherheiten() {
        P.TeilsicherheitenAn = 1;
        P.Bemessungssituation = 2;
        P.EtaAnpass = 1.0f;
    }
};

void GleicheZeilen(const std::vector<std::string>& ist, const std::vector<std::string>& soll,
                   const std::string& fall) {
    ASSERT_EQ(ist.size(), soll.size()) << fall;
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(ist[k], soll[k]) << fall << ", line " << k;
}

TEST_F(EchoZweige, EveryDesignSituationWithItsTwoLines) {
    struct Fall {
        int16_t bs;
        std::string ende, z1, z2;
    } faelle[] = {
        {0, " 0", "  ---> 0 = Eingabe von eigenen Teilsicherheitsbeiwerten",
         "           --------------------------------------------"},
        {1, " BS-P", "  ------> BS-P = ständige Bemessungssituation",
         "  (früher LF 1 = ständige Bemessungssituation)"},
        {2, " BS-T", "  ------> BS-T = vorübergehende Bemessungssituation",
         "  (früher LF 2 = vorübergehende Bemessungssituation)"},
        {3, " BS-A", "  ------> BS-A = außergewöhnliche Bemessungssituation ",
         "  (früher LF 3 = außergewöhnliche Bemessungssituation)"},
        {23, " BS-T/A", "  ------> BS-T/A = Sonderfall nach EAB 2006, EB 24, Absatz 4",
         "  (früher LF 2/3 = Sonderfall nach EAB 2006, EB 24, Absatz 4)"},
    };
    for (const auto& f : faelle) {
        Neu();
        Teilsicherheiten();
        P.Bemessungssituation = f.bs;
        zorma::EingabeAuswerten();
        GleicheZeilen(Abschnitt("Bemessungssituation ....", "Anpassungsfaktor"),
                      {I13 + "  Bemessungssituation .................................:" + f.ende, I13 + f.z1,
                       I13 + f.z2, ""},
                      std::to_string(f.bs));
    }
}

// An open wall gets the two extra lines under the adjustment factor; the reduced factors of
// the water pressure and of the earth resistance (first switch alone) get their two lines each.
TEST_F(EchoZweige, PartialFactorsOfAnOpenWallWithReducedWaterPressureAndEarthResistance) {
    BeispielProjekt();
    P.Wandtyp = 1;
    P.Wandart = 1;
    Teilsicherheiten();
    P.EtaAnpass = 0.8f;
    P.kzWred = 1;
    P.kzRered = 1;
    P.gamG = 1.2f;
    P.gamWred = 1.05f;
    P.gamE0g = 1.1f;
    P.gamRe = 1.3f;
    P.gamRered = 1.15f;
    P.BBohl = 0.3f;
    P.ABohl = 2.0f;
    zorma::EingabeAuswerten();
    const std::string pfeil = std::string(9, ' ') + "--->";
    GleicheZeilen(Abschnitt("Anpassungsfaktor", "Anwender-Einstufung"),
                  {
                      I13 + "  Anpassungsfaktor ... ..............................eta = 0,80",
                      I13 + "   <=1.0: reduziert die erforderliche Fußverschiebung",
                      I13 + "          und den charakteristischen Erdwiderstand",
                      I13 + "          einer geschlossenen Wand (z.B. Spundwand).",
                      I13 + "          Unabhängig vom TBW-Reduktionsfaktor nach EAB. ",
                      "",
                  },
                  "adjustment");
    GleicheZeilen(Abschnitt("Wasserdruck .... gamG", "Ungünstige veränderliche"),
                  {
                      I13 + "  Ständige Einwirkungen allgemein, Wasserdruck .... gamG = 1,20",
                      pfeil + "  Wasserdruck reduziert ........................ gamWred = 1,05",
                      pfeil + "  (wirksam in dieser gesamten Berechnung !!!)",
                      I13 + "  Ständige Einwirkungen aus Erdruhedruck ........ gamE0g = 1,10",
                  },
                  "water");
    GleicheZeilen(Abschnitt("(früher gamEp)", "Gleitwiderstand"),
                  {
                      I13 + "  Erdwiderstand ..................(früher gamEp).. gamRe = 1,30",
                      pfeil + "  Erdwiderstand reduziert ..................... gamRered = 1,15",
                      pfeil + "  (wirksam in dieser gesamten Berechnung !!!)",
                  },
                  "resistance");
}

// The wall lines of each wall type, from the title to the rule under the wall's weight.
TEST_F(EchoZweige, WallLinesOfEachType) {
    struct Fall {
        std::string name;
        int16_t typ, art;
        bool teil, bemessung, eau;
        std::vector<std::string> soll;
    };
    const std::string gewicht = I13 + "d = 0,60 (m)  gamma = 24,50 (kN/m3)  für Summe V und Ankeransatz";
    const std::vector<Fall> faelle = {
        {"soldier piles",
         1,
         1,
         false,
         false,
         false,
         {I13 + "Wandtyp:  TRÄGERBOHLWAND   Trägerbreite  0,300  Achsabst.   2,00",
          I13 + "------------------------   Fußbreite     0,250  ab Kote z=  6,50", gewicht, Rule}},
        {"sheet piles, EAU",
         2,
         2,
         false,
         true,
         true,
         {I13 + "Wandtyp:  SPUNDWAND", I13 + "-------------------", I13 + "Spundwandprofil: AZ 18",
          I13 + "Spannungsnachweis nach EAU für Stahl S 240", gewicht, Rule}},
        {"sheet piles, EAB", // the note on S 235 belongs to soldier piles only
         2,
         2,
         false,
         true,
         false,
         {I13 + "Wandtyp:  SPUNDWAND", I13 + "-------------------", I13 + "Spundwandprofil: AZ 18",
          I13 + "Spannungsnachweis nach EAB für Stahl S 240", gewicht, Rule}},
        {"sheet piles, partial factors",
         2,
         2,
         true,
         true,
         false,
         {I13 + "Wandtyp:  SPUNDWAND", I13 + "-------------------", I13 + "Spundwandprofil: AZ 18", gewicht,
          Rule}},
        {"diaphragm wall, partial factors",
         3,
         3,
         true,
         true,
         false,
         {I13 + "Wandtyp:  ORTBETONWAND", I13 + "----------------------", I13 + "Schlitzwand d(m) = 0,60",
          I13 + "Betonstahl BSt 500 S , Betonfestigkeit : C 30",
          I13 + "Randabstand d1(cm) ................... = 5,5", gewicht, Rule}},
        {"spaced piles as soldier piles",
         5,
         1,
         false,
         false,
         false,
         {I13 + "Wandtyp:  ORTBETONWAND", I13 + "----------------------",
          I13 + "Bohrpfähle mit Abstand, als Trägerbohlwand gerechnet",
          I13 + "                        ----------------------------",
          I13 + "Pfahldurchmesser d(m) ................ = 0,62",
          I13 + "Achsabstand (m) ...................... = 1,20", gewicht, Rule}},
        {"spaced piles as full wall, partial factors",
         6,
         3,
         true,
         true,
         false,
         {I13 + "Wandtyp:  ORTBETONWAND", I13 + "----------------------",
          I13 + "Bohrpfähle mit Abstand, als volle Wand (Schlitzwand) gerechnet",
          I13 + "                        --------------------------------------",
          I13 + "Pfahldurchmesser d(m) ................ = 0,62",
          I13 + "Achsabstand (m) ...................... = 1,20",
          I13 + "Einflußbreite(MQ) der bewehrten Pfähle (m) = 0,75",
          I13 + "Betonstahl BSt 500 S , Betonfestigkeit : C 30",
          I13 + "Randabstand d1(cm) ................... = 5,5", gewicht, Rule}},
    };
    for (const auto& f : faelle) {
        Neu();
        if (f.teil) Teilsicherheiten();
        P.Wandtyp = f.typ;
        P.Wandart = f.art;
        P.BemessungEin = f.bemessung ? 1 : 0;
        P.StahlNachEAU = f.eau ? 1 : 0;
        P.StahlGuete = 240;
        P.ProfilText = "AZ 18";
        P.BBohl = 0.3f;
        P.ABohl = 2.0f;
        P.BBFuss = 0.25f;
        P.ZBFuss = 6.5f;
        P.BPfD = 0.62f;
        P.BPfAbstand = 1.2f;
        P.EBreiteM = 0.75f;
        P.BetonKlasse = 130.0f; // C 30 is kept as 130
        P.d1Rand = 5.5f;
        P.DWand = 0.6f;
        P.GamWand = 24.5f;
        zorma::EingabeAuswerten();
        GleicheZeilen(Abschnitt("Wandtyp:", "Wandkopf"), f.soll, f.name);
    }
}

TEST_F(EchoZweige, WallHeadTexts) {
    const std::pair<int16_t, std::string> faelle[] = {{1, "frei beweglich"},
                                                      {2, "frei drehbar gelagert"},
                                                      {3, "starr eingespannt"},
                                                      {4, "horizontal verschieblich eingespannt"}};
    for (const auto& [kopf, text] : faelle) {
        Neu();
        P.WandKopf = kopf;
        zorma::EingabeAuswerten();
        GleicheZeilen(Abschnitt("Wandkopf", "AKTIVER ERDDRUCK"), {I13 + "Wandkopf  " + text, ""}, text);
    }
}

// The relief of the earth support is told only for an open wall; the moment hinge gets its
// three lines and two empty ones before the closing empty line.
TEST_F(EchoZweige, ReliefOfTheEarthSupportAndMomentHinge) {
    struct Fall {
        int16_t typ, art;
        bool entlastung;
    } faelle[] = {{1, 1, true}, {2, 2, false}};
    for (const auto& f : faelle) {
        Neu();
        P.Wandtyp = f.typ;
        P.Wandart = f.art;
        P.BBohl = 0.3f;
        P.ABohl = 2.0f;
        P.EntlastFaktor = 0.5f;
        P.zMGelenk = 3.5f;
        zorma::EingabeAuswerten();
        const auto a = Abschnitt("Wandkopf", "AKTIVER ERDDRUCK");
        if (f.entlastung)
            GleicheZeilen(a,
                          {
                              I13 + "Wandkopf  frei beweglich",
                              "",
                              I13 + "Zur Entlastung des Erdauflagers einer durchgehenden Wand wird der",
                              I13 + "abgeschnittene Erddruck zum Teil nach oben umgelagert. Daraus",
                              I13 + "ergibt sich ein Anwachsen der Schnittgrößen der Trägerbohlwand.",
                              I13 + "Wirksam in Aushubzuständen mit Umlagerung. Analog EAB, EB 15.",
                              "",
                              I13 + "Entlastungs-Faktor nach Wahl des Anwenders ............ :  0,50",
                              "",
                          },
                          "open wall");
        else
            GleicheZeilen(a, {I13 + "Wandkopf  frei beweglich", ""}, "closed wall");
        GleicheZeilen(Abschnitt("Sonderfall M-Gelenk", "BODENMECHANISCHE KENNWERTE"),
                      {
                          I13 + "Sonderfall M-Gelenk bei Kote .......................... :   3,50 m",
                          I13 + "    Die Biegelinie kann durch kleine Werte von E*I/m",
                          I13 + "    im Bereich des Gelenks angepaßt werden.",
                          "",
                          "",
                          "",
                      },
                      "hinge");
    }
}

// The figure text by the approach (1 active, 2 at rest) and the figure number.
TEST_F(EchoZweige, FigureTextByApproachAndFigure) {
    struct Fall {
        int16_t art, figur;
        std::string text;
    } faelle[] = {
        {2, 0, " ( keine Reduktion des Ruhedrucks )"},
        {2, 1, " ( reduz. Ruhedruck bis Wandfuß )"},
        {2, 2, " ( reduz. Ruhedruck bis Aushub )"},
        {1, 1, " ( Dreieck bzw. Trapez )"},
        {1, 2, " ( Rechteck )"},
        {1, 5, " ( Rechteckblöcke ) "},
        {1, 7, " ( nach EAU-2004, E215, E77 )"},
        {1, 8, " ( nach EAB-2006, EB 69, EB 70 )"},
    };
    for (const auto& f : faelle) {
        Neu();
        P.WandKopf = 2; // a held wall head: the figure is offered in a stage without supports
        P.Erddruckart = f.art;
        if (f.art == 2) P.RuheProz = 100.0f;
        zormcom::AushubLaden(1);
        P.UmFigur = f.figur;
        zormcom::AushubSpeichern(1);
        zorma::EingabeAuswerten();
        EXPECT_TRUE(HatZeile(I13 + "Gewählte Erddruck-Figur   :  " + std::to_string(f.figur) + f.text))
            << f.art << "/" << f.figur;
    }
    // A figure the pages do not offer (no figure 3; at rest only 0 to 2) is refused before the echo.
    for (const auto& [art, figur] : {std::pair<int16_t, int16_t>{1, 3}, {2, 4}}) {
        Neu();
        P.WandKopf = 2;
        P.Erddruckart = art;
        if (art == 2) P.RuheProz = 100.0f;
        P.Aushubstufen[1].UmFigur = figur;
        try {
            zorma::EingabeAuswerten();
            ADD_FAILURE() << art << "/" << figur << " calculated";
        } catch (const zor::CalcAbort& e) {
            EXPECT_NE(std::string(e.what()).find("(Satz 7, UmFigur) = " + std::to_string(figur)),
                      std::string::npos)
                << e.what();
        }
    }
}

// At rest: no factor line and no superposition question, but the figure's levels.
TEST_F(EchoZweige, AtRestFigureWithItsLevels) {
    BeispielProjekt();
    P.Erddruckart = 2;
    P.RuheProz = 100.0f;
    zormcom::AushubLaden(1);
    P.UmFigur = 1;
    P.UmZ1 = 1.0f;
    P.UmZ2 = 3.0f;
    P.EpsUml = 0.5f;
    P.EFaktor = 1.2f;
    zormcom::AushubSpeichern(1);
    zorma::EingabeAuswerten();
    GleicheZeilen(Abschnitt("Gewählte Erddruck-Figur", "BELASTUNGSFÄLLE"),
                  {
                      I13 + "Gewählte Erddruck-Figur   :  1 ( reduz. Ruhedruck bis Wandfuß )",
                      C17 + "Kote z1                =  1,00", C17 + "Kote z2                =  3,00",
                      C17 + "    eps                =  0,50", "", "",
                      "", // end of the stage
                      "",
                      "", // after the last stage
                      "", // before the load cases
                  },
                  "at rest");
}

// How far the active pressure is redistributed: the figure decides for soldier pile walls (types
// 1 and 5), the time of redistribution for the other walls where it is set; figure 0 never.
TEST_F(EchoZweige, ExtentOfTheRedistribution) {
    const std::string bisSohle = C17 + "Umlagerung bis Aushubsohle; der Rest bleibt erhalten.";
    const std::string bisFuss = C17 + "Umlagerung des Erddrucks bis UK Wand.";
    struct Fall {
        int16_t typ, art, figur, zeit;
        int e;
    } faelle[] =
        {
            {2, 2, 1, 0, 0}, {2, 2, 1, 1, 2}, {2, 2, 2, 2, 2}, {2, 2, 8, 0, 1},
            {2, 2, 8, 2, 2}, {2, 2, 1, 4, 1}, {1, 1, 8, 2, 1}, {5, 1, 1, 3, 0},
            {1, 1, 2, 1, 0}, {2, 2, 0, 3, 0}, {3, 3, 6, 0, 2}, // (a soldier pile wall has no figure 6)
        };
    for (const auto& f : faelle) {
        Neu();
        P.WandKopf = 2;
        P.Wandtyp = f.typ;
        P.Wandart = f.art;
        P.BBohl = 0.3f;
        P.ABohl = 2.0f;
        P.BPfD = 0.6f;
        P.BPfAbstand = 1.5f;
        zormcom::AushubLaden(1);
        P.UmFigur = f.figur;
        zormcom::AushubSpeichern(1);
        P.UmZeit[1] = f.zeit;
        zorma::EingabeAuswerten();
        const std::string fall =
            std::to_string(f.typ) + "/" + std::to_string(f.figur) + "/" + std::to_string(f.zeit);
        EXPECT_EQ(Enthaelt(bisSohle), f.e == 1) << fall;
        EXPECT_EQ(Enthaelt(bisFuss), f.e == 2) << fall;
    }
}

// Figure 7 names the way the wall is built; with partial factors the superposition question
// has its own wording, followed by the stage's flag as the print statement writes an integer.
TEST_F(EchoZweige, FigureSevenOfAClosedWallWithPartialFactors) {
    struct Fall {
        std::string herstellart, text;
    } faelle[] = {{"", "abgegrabene Wand"}, {"H", "hinterfüllte Wand"}};
    for (const auto& f : faelle) {
        Neu();
        P.WandKopf = 2;
        Teilsicherheiten();
        P.Herstellart = f.herstellart;
        zormcom::AushubLaden(1);
        P.UmFigur = 7;
        P.EFaktor = 1.1f;
        zormcom::AushubSpeichern(1);
        P.UmArt[1] = 1;
        zorma::EingabeAuswerten();
        GleicheZeilen(Abschnitt("Gewählte Erddruck-Figur", "BELASTUNGSFÄLLE"),
                      {
                          I13 + "Gewählte Erddruck-Figur   :  7 ( nach EAU-2004, E215, E77 )",
                          I13 + "   Herstellverfahren      :  " + f.text,
                          C17 + "Umlagerung bis Aushubsohle; der Rest bleibt erhalten.",
                          "",
                          I13 + "   umgelagert wird        :  Erddruck aus Bodengewicht + Auflast",
                          "",
                          C17 + "Faktor                 :  1,10 für umgelagerten Erddruck",
                          "",
                          I13 + "eah mit eph überlagern ?  ja = 1 ............................. 0 ",
                          "",
                          "",
                          "",
                          "",
                          "",
                          "",
                      },
                      f.text);
    }
}

// The lines after the question whether the additional stresses contain the water pressure.
TEST_F(EchoZweige, AdditionalStressesWithAndWithoutWaterPressure) {
    struct Fall {
        bool teil;
        int16_t wasser;
        std::vector<std::string> soll;
    } faelle[] = {
        {true,
         1,
         {C17 + "Wasserdruck darin enthalten ? ja = 1 ...................... 1 ",
          C17 + "Teilsicherheit für Wasserdruck: gamG bzw. gamWred.",
          C17 + "Der Wasserdruck aus den eingegebenen Wasserständen",
          C17 + "wird eliminiert; gamma(Auftrieb) bleibt erhalten.", ""}},
        {true,
         0,
         {C17 + "Wasserdruck darin enthalten ? ja = 1 ...................... 0 ",
          C17 + "Teilsicherheit für veränderl. Einwirkungen: gamQ.", ""}},
        {false, 0, {C17 + "Wasserdruck darin enthalten ? ja = 1 ...................... 0 ", ""}},
    };
    for (const auto& f : faelle) {
        Neu();
        if (f.teil) Teilsicherheiten();
        zormcom::AushubLaden(1);
        P.AnzZusatzSpannung = 1;
        P.ZusZ[1] = 2.0f;
        P.ZusSpannung[1] = -7.25f;
        zormcom::AushubSpeichern(1);
        P.kzWasserenthAush[1] = f.wasser;
        zorma::EingabeAuswerten();
        const auto a = Abschnitt("Horizontale Zusatzspannungen", "Fußende der Wand");
        ASSERT_EQ(a.size(), 4 + f.soll.size()) << f.teil << f.wasser;
        EXPECT_EQ(a[3], std::string(19, ' ') + "  2,00    -7,25"); // [c 20] + Z(2, 6, 2) + Z(-7.25, 9, 2)
        GleicheZeilen(std::vector<std::string>(a.begin() + 4, a.end()), f.soll,
                      std::to_string(f.teil) + std::to_string(f.wasser));
    }
}

// Foot text and superposition note: a later rule overrides an earlier one, and a bedded foot
// needs no superposition whatever the support.
TEST_F(EchoZweige, FootTextAndSuperpositionNote) {
    const std::string note = "Bei (Teil-) Einspannung nach Blum oder vorgegebener UK Wand wird";
    struct Fall {
        int16_t fuss;
        float einsp;
        bool gebettet;
        std::string text;
        bool ueberlagern;
    } faelle[] = {
        {1, 0.0f, false, "ERDAUFLAGER, PUNKTFÖRMIG GELAGERT", false},
        {1, 0.0f, true, "ELASTISCH GEBETTET", false},
        {1, 30.0f, true, "ELASTISCH GEBETTET", false},
        {2, 0.0f, false, "UK WAND: v = 0", true},
        {2, 0.0f, true, "ELASTISCH GEBETTET", false},
        {3, 0.0f, true, "IN FELS GELAGERT: v = 0", false},
        {4, 0.0f, false, "EINGESPANNT NACH BLUM", true},
        {4, 0.0f, true, "EINGESPANNT NACH BLUM", false},
    };
    for (const auto& f : faelle) {
        Neu();
        Stufe(1, 4.0f, f.fuss);
        P.Einsp = f.einsp;
        P.ZWandfuss = 10.0f;
        zormcom::AushubSpeichern(1);
        if (f.gebettet) {
            P.FussGebettet[1] = 1;
            P.BettAnz[1] = 1;
            P.BettT(1, 1) = 0.0f;
            P.BettC(1, 1) = 20.0f;
        }
        zorma::EingabeAuswerten();
        const std::string fall =
            std::to_string(f.fuss) + "/" + std::to_string(f.einsp) + "/" + std::to_string(f.gebettet);
        EXPECT_TRUE(HatZeile(I13 + "Fußende der Wand          :  " + f.text)) << fall;
        EXPECT_EQ(Enthaelt(note), f.ueberlagern) << fall;
        EXPECT_EQ(P.kzUeb[1], f.ueberlagern ? 1 : 0) << fall;
        if (f.fuss == 2) {
            EXPECT_TRUE(HatZeile(I13 + "UK Wand vorgegeben        :  z = 10,00; endgültige Kote s. u."))
                << fall;
        }
        if (f.gebettet)
            GleicheZeilen(Abschnitt("elastische Bettung ab Aushubsohle", "Fußende der Wand"),
                          {I13 + "elastische Bettung ab Aushubsohle:", I13 + "        t(m)   C(MN/m3)",
                           I13 + "  " + "      0,00" + "    20,00", ""},
                          fall);
    }
}

// The bedding notes of an open wall with the check by global safety, and of a closed wall with
// the check by partial factors.
TEST_F(EchoZweige, BeddingNotesByWallAndSafetyConcept) {
    const std::vector<std::string> schluss = {
        I13 + "   Siehe Grafik Wandbelastung zur Kontrolle: dicke Kurve.",
        I13 + "   (ERF. Erdwiderstand aus Bettung * Verformung) darf die dünne,",
        I13 + "   punktierte Linie (vorh. Erdwiderstand) nicht übersteigen.",
        "",
        I13 + "   Zustandsgrößen: Fed.Konst. = (red) Bettung / vert.Abstand (kN/m2) ",
        I13 + "                   H-Kraft    = Fed.Konst. * Durchb. / 1000  (kN/m)",
        I13 + "                   hor.Press. = H-Kraft / vert.Abstand       (kN/m2)",
        "",
        "", // first line of the load cases
    };
    struct Fall {
        std::string name;
        int16_t typ, art;
        bool teil;
        std::vector<std::string> mitte;
    };
    const std::vector<Fall> faelle = {
        {"open wall, global safety",
         1,
         1,
         false,
         {
             I13 + "   Die eingegebene Bettung ( MN/m3 ) gilt immer für eine ",
             I13 + "   geschlossene Wand ( Spundwand z.B. ). Die Anpassung an",
             I13 + "   die BOHLWAND wird im Programm vorgenommen: Reduktion RFak =",
             I13 + "   (Erdwiderstand TBW Weißenbach) / Erdwiderstand(Spundwand).",
             "",
             I13 + "   Das Programm überprüft die Bedingung",
             I13 + "   BETTUNG  <=  ERDWIDERSTAND (eta=1,0) / VERSCHIEBUNG",
             I13 + "                               -------",
             I13 + "   Falls erford., wird die Bettung iterativ linear reduziert.",
             I13 + "   Mit dieser reduzierten Bettung wird jeweils neu gerechnet.",
             I13 + "   Die Iteration ist beendet, wenn keine weitere Reduktion mehr ",
             I13 + "   erforderlich ist.",
             "",
             I13 + "   Der Erdwiderstand wird nicht in die Berechnung eingeführt;",
             I13 + "   nur zu obiger Überprüfung wird er verwendet. Die Summe",
             I13 + "   (und NUR die Summe) des möglichen Erdwiderstandes / eta darf",
             I13 + "   nicht kleiner sein als die Summe der positiven Federkräfte.",
             I13 + "   Siehe EAB, 3. Auflage, EB 19, Absatz 2, Satz 1.",
             "",
         }},
        {"closed wall, partial factors",
         2,
         2,
         true,
         {
             I13 + "   Das Programm überprüft die Bedingung (charakt. Werte)",
             I13 + "   BETTUNG (k) <= ERDWIDERSTAND (k) / VERSCHIEBUNG (k)",
             I13 + "   ( DIN 1054:2010-12, A 9.7.1.4, A(3), A(4) )",
             "",
             I13 + "   Falls erforderlich, wird die Bettung iterativ linear reduziert.",
             I13 + "   Mit dieser reduzierten Bettung wird jeweils neu gerechnet.",
             I13 + "   Die Iteration ist beendet, wenn keine weitere Reduktion mehr ",
             I13 + "   erforderlich ist.",
             "",
             I13 + "   Die SUMME des Bemessungs-Erdwiderstandes Eph,d darf nicht",
             I13 + "   kleiner sein als die SUMME der positiven Federkräfte Bh,d.",
             "",
         }},
    };
    for (const auto& f : faelle) {
        Neu();
        if (f.teil) Teilsicherheiten();
        P.Wandtyp = f.typ;
        P.Wandart = f.art;
        P.BBohl = 0.3f;
        P.ABohl = 2.0f;
        P.BettungPruefen = 1;
        P.FussGebettet[1] = 1;
        P.BettAnz[1] = 1;
        P.BettC(1, 1) = 20.0f;
        zorma::EingabeAuswerten();
        std::vector<std::string> soll = {I13 + "Hinweise zur BETTUNG ( gilt für alle Aushubzustände )",
                                         I13 + "-----------------------------------------------------"};
        soll.insert(soll.end(), f.mitte.begin(), f.mitte.end());
        soll.insert(soll.end(), schluss.begin(), schluss.end());
        GleicheZeilen(Abschnitt("Hinweise zur BETTUNG", "BELASTUNGSFÄLLE"), soll, f.name);
    }
}

// Wall loads in two load cases: the sign notes come once, after the first load case's table
// only, with the partial factor of the loads when partial factors are on.
TEST_F(EchoZweige, WallLoadsInTwoLoadCases) {
    for (const bool teil : {true, false}) {
        Neu();
        if (teil) Teilsicherheiten();
        P.AnzLF = 2;
        for (int lc = 1; lc <= 2; ++lc) {
            P.AnzLastLuftLF[lc] = 1;
            P.AnzLastErdLF[lc] = 0;
            P.LuftLastH(lc, 1) = 12.5f * lc;
            P.LuftLastM(lc, 1) = -3.0f;
            P.LuftLastZ(lc, 1) = 0.75f;
        }
        P.LuftLastNichtIn(2, 1, 0) = 1;
        P.LuftLastNichtIn(2, 1, 1) = 1;
        zorma::EingabeAuswerten();
        const std::vector<std::string> kopf = {
            I13 + "Wandbelastungen luftseitig pro m Wandlänge ",
            Rule,
            I13 + "   H*      M*     Kote    Last NICHT wirksam",
            I13 + "   kN     kNm    z (m)    in Aushub Nr. ....",
            Rule,
        };
        std::vector<std::string> lf1 = {I13 + "LASTFALL  1 ", I13 + "-----------"};
        lf1.insert(lf1.end(), kopf.begin(), kopf.end());
        lf1.insert(lf1.end(), {
                                  I13 + "  12,5    -3,0    0,75  ",
                                  "",
                                  "   " + I13 + "H*  + , wenn die Kraft gegen das Erdreich drückt.",
                                  "   " + I13 + "M*  + , wenn das Moment luftseitig von oben nach unten",
                                  "   " + I13 + "        gegen das Erdreich dreht.",
                              });
        if (teil) lf1.push_back(I13 + "   H*, M*  als ungünstig angesetzt : * gamQ");
        lf1.push_back("");
        GleicheZeilen(Abschnitt("LASTFALL  1", "LASTFALL  2"), lf1,
                      teil ? "load case 1, partial factors" : "load case 1");
        std::vector<std::string> lf2 = {I13 + "LASTFALL  2 ", I13 + "-----------"};
        lf2.insert(lf2.end(), kopf.begin(), kopf.end());
        lf2.insert(lf2.end(), {I13 + "  25,0    -3,0    0,75    1", ""});
        GleicheZeilen(Abschnitt("LASTFALL  2", "Für alle Lastfälle gilt:"), lf2, "load case 2");
    }
}

// With an at-rest share the earth-side loads get their at-rest table; a limited load adds the
// notes on limited loads, whose rows depend on the approach and on the at-rest share.
TEST_F(EchoZweige, AtRestShareOfLoadsAndLimitedLoads) {
    const std::string begrenzt = "  " + I13 + "ERDDRUCK aus begrenzten Flächenlasten";
    const std::string konz = I13 + "    Konzentrationsfaktor des Bodens nach Fröhlich    :  4 ";
    const std::string verteilung = I13 + "                                              Wahl   :  1 ";
    const std::vector<std::string> qh = {I13 + "  q(h) > 0 belastet, q(h) < 0 entlastet die Wand.",
                                         I13 + "  QH = q(h) * (xE-xA); wird 100 % aktiv angesetzt.", "", ""};
    const std::vector<std::string> rechteck = {
        I13 + "    Verteilung als RECHTECK ........................ :  0",
        I13 + "                   DREIECK, max. Lastordinate mittig :  1",
        I13 + "                   DREIECK, max. Lastordinate oben   :  2",
        verteilung,
    };
    struct Fall {
        std::string name;
        int16_t art;
        float ruhe;
        std::vector<std::string> mitte;
    };
    std::vector<std::string> aktivMitRuhe = {I13 + "  - aktiver Erddruck:"};
    aktivMitRuhe.insert(aktivMitRuhe.end(), rechteck.begin(), rechteck.end());
    aktivMitRuhe.insert(aktivMitRuhe.end(), {I13 + "  - Ruhedruck:", konz, ""});
    std::vector<std::string> aktiv = rechteck;
    aktiv.push_back("");
    const std::vector<Fall> faelle = {
        {"active with at-rest share", 1, 50.0f, aktivMitRuhe},
        {"purely active", 1, 0.0f, aktiv},
        {"at rest", 2, 100.0f, {konz, ""}},
    };
    for (const auto& f : faelle) {
        Neu();
        P.Erddruckart = f.art;
        P.RuheProz = f.ruhe;
        P.VerteilungAktiv = 1;
        P.ErdLastXA(1, 1) = 1.5f; // limited
        P.ErdLastXE(1, 1) = 4.0f;
        P.ErdLastRuheProz(1, 1) = 50;
        P.ErdLastRuheFaktor(1, 1) = 0.8f;
        zorma::EingabeAuswerten();
        std::vector<std::string> soll = {begrenzt};
        soll.insert(soll.end(), f.mitte.begin(), f.mitte.end());
        soll.insert(soll.end(), qh.begin(), qh.end());
        auto a = Abschnitt("ERDDRUCK aus begrenzten", "FÜR DEN");
        if (a.size() > soll.size()) a.resize(soll.size());
        GleicheZeilen(a, soll, f.name);

        const auto tabelle = Abschnitt("Last  Ruhedruck-", "Für alle Lastfälle gilt:");
        if (f.ruhe > 0.01f)
            GleicheZeilen(tabelle,
                          {
                              "  " + I13 + "Last  Ruhedruck-  Faktor für   wirksam nur bei",
                              "  " + I13 + "Nr.   Anteil %    Ruhedruck    begrenzten Lasten (xE <= 99 m).",
                              "  " + I13 + std::string(27, '-'),
                              I13 + "   1" + "        50" + "        0,80",
                              "",
                          },
                          f.name);
        else
            EXPECT_TRUE(tabelle.empty()) << f.name;
    }
}

// A passive coefficient of cohesion that has no plane wedge is noted only for a layer that has
// passive cohesion; without it the coefficient is 0 anyway (phi 55 degrees, deltaP -55 degrees
// leave no plane passive wedge).
TEST_F(EchoZweige, NoNoteOnTheCohesionCoefficientOfALayerWithoutPassiveCohesion) {
    BeispielProjekt();
    P.PhiCaq = 35.0f;
    P.SchichtPhi[2] = 55.0f;
    P.SchichtDeltaP[2] = -55.0f;
    P.SchichtCp[2] = 0.0f;
    zorma::EingabeAuswerten();
    EXPECT_FALSE(Enthaelt("kpch nicht bestimmbar"));
    EXPECT_TRUE(Enthaelt(I13 + "Beiwert Kohäs. pass  kpch " + "    0,000" + "    0,000"));
    EXPECT_EQ(zormcom::Lauf.SchichtKpch[2], 0.0f);
}

} // namespace
