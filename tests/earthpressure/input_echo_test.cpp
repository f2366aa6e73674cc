// The echo of the input in the report: whole reports of example projects compared line by
// line with reports checked by hand, and single sections that depend on one switch.
#include <algorithm>
#include <fstream>

#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "frame/project_file.h"
#include "platform/runtime/errors.h"
#include "stage_a_fixture.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using namespace stagea_test;

class Echo : public Arbeitsordner {
protected:
    // Reads an example project as the start dialog does and sets what the program has set
    // before a run (degree factor, version text, working partial factors of the dialog).
    void Laden(const std::string& name) {
        P.GradZuRad = kGrad;
        P.TiefeUnendlich = 99.0f;
        P.Versionstext = "V.07.05.2012";
        ASSERT_TRUE(zorm1::EingabeLesen(std::string(ZOR_TEST_DATA) + "/" + name));
        P.GanzerName = "/projekte/" + name;
        // Working partial factors as the safety dialog sets them for BS-T.
        P.gamG = 1.20f;
        P.gamE0g = 1.10f;
        P.gamQ = 1.30f;
        P.gamRe = 1.30f;
        P.gamRered = 1.30f;
        P.gamRh = 1.10f;
        P.gamGstb = 0.95f;
        P.gamGdst = 1.05f;
        P.gamQdst = 1.30f;
        P.gamH = 1.30f;
        P.gamWred = 1.05f;
        P.gamG1C = 1.00f;
        P.gamQ1C = 1.20f;
        P.gamPhi = 1.15f;
        P.gamC = 1.15f;
    }

    // Compares the report with the expected one (UTF-8, one line per report line).
    void Vergleiche(const std::string& erwartet) {
        const auto ist = Bericht();
        // The expected reports are kept in UTF-8 for reading; the report itself is Windows-1252.
        const auto sollUtf8 = Zeilen(fs::path(ZOR_TEST_DATA) / "echo" / erwartet, false);
        const std::size_t n = std::max(ist.size(), sollUtf8.size());
        int fehler = 0;
        for (std::size_t k = 0; k < n && fehler < 10; ++k) {
            const std::string a = k < ist.size() ? ist[k] : "<fehlt>";
            const std::string b = k < sollUtf8.size() ? sollUtf8[k] : "<fehlt>";
            if (a != b) {
                ++fehler;
                ADD_FAILURE() << erwartet << " line " << k + 1 << "\n  report:   [" << a << "]\n  expected: ["
                              << b << "]";
            }
        }
        if (fehler > 0) {
            std::ofstream o("/tmp/" + erwartet + ".ist", std::ios::binary);
            for (const auto& z : ist)
                o << z << "\n";
        }
    }
};

const std::string I13(13, ' ');

TEST_F(Echo, AnchoredSoldierPileWall) {
    Laden("Traegerbohlwand_verankert");
    zorma::EingabeAuswerten();
    Vergleiche("Traegerbohlwand_verankert.txt");
}

TEST_F(Echo, StruttedDiaphragmWallWithGroundWater) {
    Laden("Schlitzwand_gesteift_GW");
    zorma::EingabeAuswerten();
    Vergleiche("Schlitzwand_gesteift_GW.txt");
    for (int s = 1; s <= 3; ++s)
        EXPECT_EQ(P.kzUeb[s], 1) << s; // foot level given: superposition
}

// The strutted wall with five layers (two blocks), design situation BS-T/A, a wall load, a
// head load, an earth-side load inactive in eight stages, a sloped and loaded bottom, a
// bedded foot, given passive points below depth 99 and the reduced water-pressure factor.
TEST_F(Echo, FiveLayersSpecialDesignSituationAndStageOptions) {
    Laden("Schlitzwand_gesteift_GW");
    P.Bemessungssituation = 23;
    P.kzWred = 1;
    P.AnzErd = 5;
    P.SchichtDicke[4] = 4.0f;
    P.SchichtDicke[5] = 10.0f;
    P.SchichtPhi[5] = 27.5f;
    P.SchichtDeltaA[5] = 18.33f;
    P.SchichtDeltaP[5] = -13.75f;
    P.SchichtCa[5] = 5.0f;
    P.SchichtCp[5] = 0.0f;
    P.SchichtGamma[5] = 20.5f;
    P.SchichtGammaAuftrieb[5] = 10.5f;
    P.SchichtGammaAush[5] = 21.0f;
    P.SchichtGammaAuftriebAush[5] = 10.5f;
    P.SchichtEI[5] = 1280.0f;

    P.AnzLastLuftLF[1] = 1;
    P.LuftLastH(1, 1) = 12.5f;
    P.LuftLastM(1, 1) = -3.0f;
    P.LuftLastZ(1, 1) = 0.75f;
    P.LuftLastNichtIn(1, 1, 0) = 2;
    P.LuftLastNichtIn(1, 1, 1) = 1;
    P.LuftLastNichtIn(1, 1, 2) = 3;
    P.NKopfLF[2] = 45.0f;
    P.ErdLastNichtIn(2, 2, 0) = 8;
    for (int k = 1; k <= 8; ++k)
        P.ErdLastNichtIn(2, 2, k) = static_cast<int16_t>(k);

    zormcom::AushubLaden(3);
    P.StBx1 = -1.0f;
    P.StBx2 = -3.0f;
    P.StBH = 1.5f;
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -0.5f;
    P.SohlLastX2[1] = -4.0f;
    P.SohlLastQ[1] = 20.0f;
    P.SohlLastZ[1] = 12.0f;
    zormcom::AushubSpeichern(3);
    P.FussGebettet[3] = 1;
    P.kzUeb[3] = 0;
    P.BettAnz[3] = 2;
    P.BettT(3, 1) = 0.0f;
    P.BettC(3, 1) = 10.0f;
    P.BettT(3, 2) = 8.0f;
    P.BettC(3, 2) = 40.0f;
    P.EphGeg(3, 0) = 2.0f;
    P.TEphGeg(3, 1) = 0.0f;
    P.EphGeg(3, 1) = -10.0f;
    P.TEphGeg(3, 2) = 95.0f;
    P.EphGeg(3, 2) = -500.0f;

    zorma::EingabeAuswerten();
    Vergleiche("Schlitzwand_5_Schichten_BS-TA.txt");
    EXPECT_EQ(P.kzUeb[3], 0); // bedded foot: stage a does not switch the superposition on
}

// Seepage wanted: the heave labels come in the general notes, the eight seepage notes after the
// wall's rule. For an open wall the general notes are written before seepage is switched off,
// so they keep the heave labels, while the seepage notes are left out.
TEST_F(Echo, SeepageNotesOfAClosedWallButNotOfAnOpenOne) {
    Laden("Schlitzwand_gesteift_GW");
    zormcom::Lauf.kzStroem = 1;
    zormcom::Lauf.kzHydGrBr = 1;
    zorma::EingabeAuswerten();
    const auto kopf = Abschnitt("ALLGEMEINE ANGABEN", "Kote z= 0.00");
    ASSERT_EQ(kopf.size(), 5u);
    EXPECT_EQ(kopf[2], I13 + "Näherungsnachweis gegen hydraul. Grundbruch nach Davidenkoff.");
    EXPECT_EQ(kopf[3].substr(0, 13), I13);
    EXPECT_GT(kopf[3].size(), 13u);
    EXPECT_EQ(kopf[4], "");
    const auto wand = Abschnitt("für Summe V und Ankeransatz", "Wandkopf");
    ASSERT_EQ(wand.size(), 11u);
    EXPECT_EQ(wand[1], I13 + std::string(64, '-'));
    EXPECT_EQ(wand[2], I13 + "Die Wand gilt als unterströmt; die Strömungkraft wird näherungs-");
    EXPECT_EQ(wand[3], I13 + "weise durch Änderung der Erd- und Wasserwichten erfaßt. Aushub-");
    EXPECT_EQ(wand[4], I13 + "weise nicht wirksam, wenn der Erddruck, der Erdwiderstand oder");
    EXPECT_EQ(wand[5], I13 + "der Wasserdruck (über Zusatzspannungen) eigens eingegeben wird.");
    EXPECT_EQ(wand[7], I13 + "Seit 23.8.2009 wird der Wasserdruck reiner Hochwasserwände korrekt");
    EXPECT_EQ(wand[8], I13 + "angepasst: Änderung nur im durchströmten Boden (gamma Bod > 0.00).");
    EXPECT_EQ(wand[9], I13 + "*** Unterströmung ergibt nicht immer die größte Belastung! ***");
    EXPECT_EQ(wand[10], "");
    EXPECT_EQ(zormcom::Lauf.kzStroem, 1);
    EXPECT_EQ(Zeilen(Datei("ZORZ11"))[13].substr(0, 7), "99,1,1,");

    ResetProjectData();
    Laden("Traegerbohlwand_verankert");
    zormcom::Lauf.kzStroem = 1;
    zormcom::Lauf.kzHydGrBr = 1;
    zorma::EingabeAuswerten();
    EXPECT_TRUE(Enthaelt(I13 + "Näherungsnachweis gegen hydraul. Grundbruch nach Davidenkoff."));
    EXPECT_FALSE(Enthaelt("unterströmt"));
    EXPECT_EQ(zormcom::Lauf.kzStroem, 0);
    EXPECT_EQ(zormcom::Lauf.kzHydGrBr, 0);
    EXPECT_EQ(Zeilen(Datei("ZORZ11"))[10].substr(0, 7), "99,0,0,");
}

TEST_F(Echo, GlobalSafetyHasNoPartialFactorSectionButTheRequiredSafety) {
    BeispielProjekt();
    zorma::EingabeAuswerten();
    EXPECT_FALSE(Enthaelt("TEILSICHERHEITSBEIWERTEN"));
    EXPECT_FALSE(Enthaelt("(charakteristische Werte)"));
    EXPECT_FALSE(Enthaelt("charakt. Werte"));
    EXPECT_TRUE(Enthaelt(I13 + "Erforderlicher Sicherheitsbeiwert ( Erdwiderstand ) eta :   1,50"));
    EXPECT_TRUE(Enthaelt(I13 + "BELASTUNGSFÄLLE (für alle Aushubzustände gleich)"));
    EXPECT_FALSE(Enthaelt("Gebrauchslasten"));
}

TEST_F(Echo, DesignSituationOutsideTheListEndsTheLineAfterTheColon) {
    BeispielProjekt();
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 7;
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("Bemessungssituation ....", "Anpassungsfaktor");
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0], I13 + "  Bemessungssituation .................................:");
}

// No page writes a wall head outside 1 to 4: stage a refuses it before the report is begun.
TEST_F(Echo, WallHeadOutsideOneToFourIsRefusedBeforeTheReport) {
    BeispielProjekt();
    P.WandKopf = 5;
    try {
        zorma::EingabeAuswerten();
        ADD_FAILURE() << "calculated";
    } catch (const zor::CalcAbort& e) {
        EXPECT_NE(
            std::string(e.what()).find("Lagerung des Wandkopfs (Satz 3, WandKopf) = 5; zulässig 1, 2, 3, 4."),
            std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(fs::exists(Datei("LPTZW")));
}

TEST_F(Echo, PureAtRestPressureHasOneCoefficientRowAndNoMinimumPressure) {
    BeispielProjekt();
    P.Erddruckart = 2;
    P.RuheProz = 100.0f;
    zorma::EingabeAuswerten();
    EXPECT_TRUE(Enthaelt(I13 + "R U H E D R U C K "));
    EXPECT_FALSE(Enthaelt("Mindest-Erddruckbeiwert"));
    EXPECT_FALSE(Enthaelt("kagh     "));
    // K0 = 1 - sin 30° and 1 - sin 22.5°
    EXPECT_TRUE(Enthaelt(I13 + "Ruhedruck            k0       0,500    0,617"));
}

TEST_F(Echo, GivenCoefficientsWithoutStageListEndWithOneEmptyLine) {
    BeispielProjekt();
    P.BeiwerteGegeben = 1;
    P.SchichtKaghVorgabe[1] = 0.3f;
    P.SchichtDeltaANeu[2] = 10.0f;
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("Schicht  Höhe   res.k", "AUSHUBZUSTÄNDE");
    ASSERT_GE(a.size(), 6u);
    EXPECT_EQ(a[2], I13 + "  1       3,00  0,300  0,000  0,000  0,000         0,00    0,00");
    EXPECT_EQ(a[3], I13 + "  2      96,00  0,000  0,000  0,000  0,000        10,00    0,00");
    EXPECT_EQ(a[4], "");
    EXPECT_EQ(a[5], ""); // no stage list: one empty line
    EXPECT_FALSE(Enthaelt("Obige Wandreibungswinkel"));
}

TEST_F(Echo, GivenCoefficientsWithStageList) {
    BeispielProjekt();
    P.BeiwerteGegeben = 1;
    P.DeltaNeuAushub[1] = 2;
    P.DeltaNeuAushub[3] = 11;
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("Obige Wandreibungswinkel", "AUSHUBZUSTÄNDE");
    ASSERT_GE(a.size(), 3u);
    EXPECT_EQ(a[0], "  " + I13 + "Obige Wandreibungswinkel werden verwendet bei Aushub Nr.: ");
    EXPECT_EQ(a[1], I13 + "   2  11 (auch bei Berechnung nach Culmann 2.3.2011)");
    EXPECT_EQ(a[2], "");
}

TEST_F(Echo, StageOptionsThatPrintNothing) {
    BeispielProjekt();
    zormcom::AushubLaden(1);
    P.StBx1 = -1.0f; // sloped bottom without depth
    P.StBx2 = -2.0f;
    P.StBH = 0.0f;
    zormcom::AushubSpeichern(1);
    P.EphGeg(1, 0) = 1.0f; // a single given passive point
    zorma::EingabeAuswerten();
    EXPECT_FALSE(Enthaelt("Abböschung der Aushubsohle"));
    EXPECT_FALSE(Enthaelt("Horizontaler Erdwiderstand gegeben"));
    // A single row of given earth pressure cannot reach from the head to the foot: refused.
    P.EahGeg(1, 0) = 1.0f;
    P.ZEahGeg(1, 1) = 2.0f;
    P.EahGeg(1, 1) = 5.0f;
    EXPECT_THROW(zorma::EingabeAuswerten(), zor::CalcAbort);
}

TEST_F(Echo, AnchorSectionsDependOnTheDeepSlipPlaneSwitch) {
    struct Fall {
        int16_t laengen, anzahl;
        bool vertikal, gleitfuge;
    } faelle[] = {{0, 1, true, false}, {1, 1, false, true}, {2, 1, true, true}, {1, 0, false, false}};
    for (const auto& f : faelle) {
        ResetProjectData();
        BeispielProjekt();
        P.AnkerLaengen = f.laengen;
        P.AnzAnkerGesamt = f.anzahl;
        P.ZAuflager[1] = 1.5f;
        P.AnkerNeigungGrad[1] = 15.0f;
        fs::remove(Datei("LPTZW"));
        zorma::EingabeAuswerten();
        EXPECT_EQ(Enthaelt("FÜR DEN VERTIKALANTEIL"), f.vertikal) << f.laengen << "/" << f.anzahl;
        EXPECT_EQ(Enthaelt("FÜR DEN NACHWEIS DER TIEFEN GLEITFUGE"), f.gleitfuge)
            << f.laengen << "/" << f.anzahl;
    }
}

TEST_F(Echo, GlobalSafetyDeepSlipPlaneListsDeviatingSafetiesPerStage) {
    BeispielProjekt();
    P.AnkerLaengen = 1;
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 1.5f;
    P.AnkerNeigungGrad[1] = 15.0f;
    P.AnkerLmin[1] = 8.0f;
    P.AnkerLmax[1] = 20.0f;
    P.AnkerAbstand[1] = 2.5f;
    P.AnzAnkerStufenPaare = 1;
    P.EtaAbwAushub[1] = 3.0f;
    P.EtaAbwWert[1] = 1.3f;
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("Erf. Sicherheitsbeiwert", "Anker- bzw. Steifen-");
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0], I13 + "Erf. Sicherheitsbeiwert .................................. 1,50");
    EXPECT_EQ(a[1], I13 + "  Aushub  abw. Sicherheit");
    EXPECT_EQ(a[2], I13 + "     3         1,30");
    EXPECT_EQ(a[3], "");
    EXPECT_TRUE(Enthaelt("              1,50    15,00     8,00    20,00     2,50"));
    EXPECT_TRUE(Enthaelt(I13 + "E1 auf Ersatz-Ankerwand aus Bodenkennwerten mit delta = 0°."));
}

TEST_F(Echo, SoldierPileSteelCheckWithGlobalSafety) {
    BeispielProjekt();
    P.Wandtyp = 1;
    P.Wandart = 1;
    P.BemessungEin = 1;
    P.ProfilText = "HEB300";
    P.StahlGuete = 240;
    P.BBohl = 0.3f;
    P.ABohl = 2.0f;
    zorma::EingabeAuswerten();
    EXPECT_TRUE(Enthaelt(I13 + "Trägerprofil: HEB300"));
    EXPECT_TRUE(Enthaelt(I13 + "Spannungsnachweis nach EAB für Stahl S 240 ( S 235 ... )"));
}

TEST_F(Echo, LoadCaseWithoutLoadsStillPrintsItsHeadLoad) {
    BeispielProjekt();
    P.AnzLastErdLF[1] = 0;
    P.NKopfLF[1] = 12.5f;
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("LASTFALL  1", "Für alle Lastfälle gilt:");
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[2], I13 + "Keine äußeren Lasten vorhanden.");
    EXPECT_EQ(a[3], "");
    EXPECT_EQ(a[4], I13 + "  12,5 kN/m auf dem Wandkopf mittig (Dauerlast)");
    EXPECT_EQ(P.NKopf, 12.5f);
}

// The curved-slip-surface table of kpgh ends at 60°: a steeper layer is taken at the table's
// edge and the echo says so; a layer inside the table gets no note.
TEST_F(Echo, CurvedSurfaceCoefficientAtTheTableEdgeIsNoted) {
    const std::string note = I13 + "*** Schicht 2: kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt";
    struct Fall {
        float phi;
        bool note;
    } faelle[] = {{62.0f, true}, {40.0f, false}};
    for (const auto& f : faelle) {
        ResetProjectData();
        BeispielProjekt();
        P.PhiCaq = 35.0f;
        P.SchichtPhi[2] = f.phi;
        P.SchichtDeltaP[2] = -20.0f;
        fs::remove(Datei("LPTZW"));
        zorma::EingabeAuswerten();
        EXPECT_EQ(Enthaelt(note), f.note) << f.phi;
        EXPECT_FALSE(Enthaelt("Schicht 1: kp")) << f.phi;
    }
}

// For phi = 55° and deltaP = -55° on a vertical wall no plane passive wedge exists: the root
// term of Kpgh is sqrt(sin 55° sin 110° / cos 55°) = 1.16 > 1, and the cohesion wedge angle
// phi - max(deltaP, -2 phi / 3) = 91.7° exceeds 90°. Both coefficients are carried as 0 and
// the echo says that they could not be determined. Where the curved slip surfaces apply
// (phi above PhiCaq, deltaP below 0), kpgh comes from them and no note is needed for it.
TEST_F(Echo, PassiveCoefficientsWithoutPlaneWedgeAreReportedAsNotDeterminable) {
    struct Fall {
        float phiCaq;
        bool kpghNote;
    } faelle[] = {{60.0f, true}, {35.0f, false}};
    for (const auto& f : faelle) {
        ResetProjectData();
        BeispielProjekt();
        P.PhiCaq = f.phiCaq;
        P.SchichtPhi[2] = 55.0f;
        P.SchichtDeltaP[2] = -55.0f;
        P.SchichtCp[2] = 5.0f;
        fs::remove(Datei("LPTZW"));
        zorma::EingabeAuswerten();
        EXPECT_EQ(zormcom::Lauf.SchichtKpch[2], 0.0f);
        EXPECT_EQ(Enthaelt(I13 + "*** Schicht 2: kpgh nicht bestimmbar (keine ebene Gleitfläche)"),
                  f.kpghNote)
            << f.phiCaq;
        EXPECT_TRUE(Enthaelt(I13 + "*** Schicht 2: kpch nicht bestimmbar (keine ebene Gleitfläche)"))
            << f.phiCaq;
        EXPECT_FALSE(Enthaelt("Schicht 1: kp")) << f.phiCaq;
        if (f.kpghNote) {
            EXPECT_EQ(zormcom::Lauf.SchichtKpgh[2], 0.0f);
            EXPECT_TRUE(Enthaelt(I13 + "Widerstandsbeiwert   kpgh     4,807    0,000"));
        } else {
            EXPECT_GT(zormcom::Lauf.SchichtKpgh[2], 10.0f);
        }
    }
}

// Expected lines built from the field widths: Z(x, w, d) right-aligned in w characters.
TEST_F(Echo, SlopeTableInItsColumns) {
    BeispielProjekt();
    P.AnzBoesch = 2;
    const float werte[2][6] = {{0.0f, 4.0f, 0.0f, -2.0f, 18.0f, 30.0f},
                               {4.0f, 12.5f, -2.0f, -3.25f, 19.5f, 32.5f}};
    for (int i = 1; i <= 2; ++i) {
        P.BoeschX1[i] = werte[i - 1][0];
        P.BoeschX2[i] = werte[i - 1][1];
        P.BoeschZ1[i] = werte[i - 1][2];
        P.BoeschZ2[i] = werte[i - 1][3];
        P.BoeschGamma[i] = werte[i - 1][4];
        P.BoeschPhi[i] = werte[i - 1][5];
    }
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("BÖSCHUNGEN auf der Erdseite", "AUSHUBZUSTÄNDE");
    const std::vector<std::string> soll = {
        I13 + "BÖSCHUNGEN auf der Erdseite ;  Gelände ab (x2,z2) horizontal",
        I13 + std::string(60, '-'),
        "  " + I13 + "Anfang   Ende   Kote1  Kote2  spez.Gew.  Innere Reibung",
        "  " + I13 + " x1(m)   x2(m)  z1(m)  z2(m)  ga(kN/m3)     (°)",
        // 21 + 8 + 7 + 7 + 9 + 11 characters
        std::string(17, ' ') + "0,00" + "    4,00" + "   0,00" + "  -2,00" + "    18,00" + "      30,00",
        std::string(17, ' ') + "4,00" + "   12,50" + "  -2,00" + "  -3,25" + "    19,50" + "      32,50",
        "",
    };
    ASSERT_GE(a.size(), soll.size() + 6);
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(a[k], soll[k]) << "line " << k;
    EXPECT_EQ(a[8], I13 + "  erfasst. Bei Böschungen unterhalb z = 0.00 werden die");
    EXPECT_EQ(a[10], I13 + "  Der Wasserstand wird dabei beachtet.");
    EXPECT_EQ(a[11], "");
    EXPECT_EQ(a[12], "");
    EXPECT_FLOAT_EQ(P.BoeschPhi[2], 32.5f); // slope angles stay in degrees
}

// Overlapped bored piles designed with global safety: every field of the wall lines.
TEST_F(Echo, OverlappedBoredPileWallDesignedWithGlobalSafety) {
    BeispielProjekt();
    P.Wandtyp = 4;
    P.Wandart = 3;
    P.BemessungEin = 1;
    P.BPfDUeb = 0.9f;
    P.EBreiteM = 0.75f;
    P.BetonKlasse = 25.0f;
    P.d1Rand = 8.0f;
    P.EtaBSt500 = 1.75f;
    P.DWand = 0.8f;
    P.GamWand = 25.0f;
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("Wandtyp:", "Wandkopf");
    const std::vector<std::string> soll = {
        I13 + "Wandtyp:  ORTBETONWAND",
        I13 + "----------------------",
        I13 + "Überschnittene Bohrpfahlwand.",
        I13 + "Pfahldurchmesser d(m) = 0,90 , Überschnitt ca. d/8.",
        I13 + "Einflußbreite(MQ) der bewehrten Pfähle (m) = 0,75",
        I13 + "Betonstahl BSt 500 S , Betonfestigkeit : B 25",
        I13 + "Randabstand d1(cm) =  8,0 , eta(Stahl) = 1,75",
        I13 + "d = 0,80 (m)  gamma = 25,00 (kN/m3)  für Summe V und Ankeransatz",
        I13 + std::string(64, '-'),
    };
    ASSERT_EQ(a.size(), soll.size());
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(a[k], soll[k]) << "line " << k;
}

// Unfavourable subsoil and the reduced factor of the earth resistance change their lines.
TEST_F(Echo, UnfavourableSubsoilAndReducedEarthResistance) {
    BeispielProjekt();
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 1;
    P.UntergrundGuenstig = 0;
    P.kzRered2 = 1;
    P.gamH = 1.8f;
    P.gamRe = 1.4f;
    P.gamRered = 1.2f;
    zorma::EingabeAuswerten();
    const auto a = Abschnitt("Anwender-Einstufung", "*  Zugehörige Teilsicherheiten für Grenzzustand HYD");
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[1], I13 + "  für den Nachweis des hydraulischen Grundbruchs .... ungünstig");
    EXPECT_EQ(a[2], std::string(67, ' ') + "---------");
    EXPECT_TRUE(Enthaelt(I13 + "  Strömungskraft bei ungünstigem Untergrund ......  gamH = 1,80"));
    const auto b = Abschnitt("Erdwiderstand ..................(früher gamEp)", "Gleitwiderstand");
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0], I13 + "  Erdwiderstand ..................(früher gamEp).. gamRe = 1,40");
    EXPECT_EQ(b[1],
              std::string(9, ' ') + "--->  Erdwiderstand reduziert ..................... gamRered = 1,20");
    EXPECT_EQ(b[2], std::string(9, ' ') + "--->  (wirksam in dieser gesamten Berechnung !!!)");
    EXPECT_TRUE(Enthaelt(I13 + "  ------> BS-P = ständige Bemessungssituation"));
}

// Options of two stages of a closed wall with global safety, line by line.
TEST_F(Echo, StageOptionsOfAClosedWall) {
    BeispielProjekt();
    P.WandKopf = 2; // held: the stages without supports may redistribute
    P.AnzAush = 2;
    Stufe(1, 4.0f, 1);
    P.Einsp = 50.0f;
    P.AnzZusatzSpannung = 2;
    P.ZusZ[1] = 0.0f;
    P.ZusSpannung[1] = 10.0f;
    P.ZusZ[2] = 5.0f;
    P.ZusSpannung[2] = 20.5f;
    P.AnzErddruckFaktor = 1;
    P.EVerZ[1] = 99.0f;
    P.EVerFaktor[1] = 0.8f;
    P.UmFigur = 4;
    P.UmZ1 = 1.0f;
    P.UmZ2 = 3.0f;
    P.EpsUml = 0.5f;
    zormcom::AushubSpeichern(1);
    P.kzWasserenthAush[1] = 1;
    P.UmZeit[1] = 3; // closed wall: redistribution down to the excavation level
    P.UmArt[1] = 1;
    Stufe(2, 6.0f, 3);
    P.ZWandfuss = 12.0f;
    zormcom::AushubSpeichern(2);
    zorma::EingabeAuswerten();

    const std::string c16(15, ' '), c17(16, ' ');
    const auto a = Abschnitt("AUSHUBZUSTAND  1", "AUSHUBZUSTAND  2");
    const std::vector<std::string> soll = {
        I13 + "AUSHUBZUSTAND  1",
        I13 + "----------------",
        I13 + "0 Anker z=",
        std::string(21, ' ') + "z=  4,00  Aushub-Kote ( horizontale Sohle ) ",
        std::string(21, ' ') + "z= 99,00  Kote des nach diesem Aushub zu setzenden Ankers",
        std::string(21, ' ') + "z= 99,00  Wasserkote luftseitig",
        std::string(21, ' ') + "z= 99,00  Wasserkote erdseitig",
        "",
        I13 + "Horizontale Zusatzspannungen ",
        I13 + "        Kote  Spannung (+,-); keine Umlag. / Redukt. dieser Sp.",
        I13 + "        z(m)    kN/m2",
        std::string(19, ' ') + "  0,00    10,00",
        std::string(19, ' ') + "  5,00    20,50",
        c17 + "Wasserdruck darin enthalten ? ja = 1 ...................... 1 ",
        c17 + "Der Wasserdruck aus den eingegebenen Wasserständen",
        c17 + "wird eliminiert; gamma(Auftrieb) bleibt erhalten.",
        "",
        I13 + "Veränderung des Erddrucks VOR der Umlag. / Überlag. / Redukt.:",
        std::string(5, ' ') + I13 + "   z = 99 : Kennzahl für die Kote des Wandfußes",
        std::string(8, ' ') + I13 + "Kote    Faktor     ( e' = e * f )",
        std::string(8, ' ') + I13 + "z(m)   f (>= 0)    ( e nur aus Bodengewicht)",
        std::string(20, ' ') + "99,00     0,80",
        "",
        I13 + "Fußende der Wand          :  UK WAND: v = 0",
        I13 + "Einspannung des Fußes     :   50,000  %",
        c16 + "Bei (Teil-) Einspannung nach Blum oder vorgegebener UK Wand wird",
        c16 + "eph(z) als negative Belastung auf das statische System angesetzt.",
        c16 + "Dies kann vermieden werden, wenn mit Bettung gerechnet wird.",
        "",
        I13 + "Gewählte Erddruck-Figur   :  4 ( Trapezblöcke )",
        c17 + "Umlagerung bis Aushubsohle; der Rest bleibt erhalten.",
        "",
        I13 + "   umgelagert wird        :  Erddruck aus Bodengewicht + Auflast",
        "",
        c17 + "Faktor                 :  1,00 für umgelagerten Erddruck",
        c17 + "Kote z1                =  1,00",
        c17 + "Kote z2                =  3,00",
        c17 + "    eps                =  0,50",
        "",
        "",
        I13 + "eah mit eph / eta überlagern ?  ja = 1 ....................... 1 ",
        "",
        "",
        "",
    };
    ASSERT_EQ(a.size(), soll.size());
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(a[k], soll[k]) << "line " << k;
    EXPECT_EQ(P.kzUeb[1], 1);

    const auto b = Abschnitt("Fußende der Wand          :  IN FELS", "Gewählte Erddruck-Figur");
    const std::vector<std::string> fels = {
        I13 + "Fußende der Wand          :  IN FELS GELAGERT: v = 0",
        "",
        I13 + "Hinweis: Der Wandreibungswinkel wird für den Widerstandsbeiwert wie",
        I13 + "         eingegeben verwendet. Für Summe V wird jedoch Epv = 0.00",
        I13 + "         gesetzt. Dies soll den \"FELS\" simulieren: keine vertikale",
        I13 + "         Verschiebung möglich. Dieser Hinweis gedruckt ab 7.2.2010.",
        "",
        I13 + "UK Wand vorgegeben        :  z = 12,00",
        c16 + "Bei (Teil-) Einspannung nach Blum oder vorgegebener UK Wand wird",
        c16 + "eph(z) als negative Belastung auf das statische System angesetzt.",
        c16 + "Dies kann vermieden werden, wenn mit Bettung gerechnet wird.",
        "",
    };
    ASSERT_EQ(b.size(), fels.size());
    for (std::size_t k = 0; k < fels.size(); ++k)
        EXPECT_EQ(b[k], fels[k]) << "line " << k;
    EXPECT_EQ(P.kzUeb[2], 1);
}

TEST_F(Echo, OwnRedistributionFigureOfAClosedWall) {
    BeispielProjekt();
    P.WandKopf = 2; // held: the stage without supports may redistribute
    zormcom::AushubLaden(1);
    P.UmFigur = 6;
    zormcom::AushubSpeichern(1);
    P.AnzFigur6Aush[1] = 2;
    P.Ze1Fig6Aush[1] = 4.0f;
    P.Fig6Z(1, 1) = 0.0f;
    P.Fig6Verh(1, 1) = 1.0f;
    P.Fig6Z(1, 2) = 99.0f;
    P.Fig6Verh(1, 2) = 0.5f;
    P.EpsFuss6Aush[1] = 0.25f;
    zorma::EingabeAuswerten();
    EXPECT_TRUE(Enthaelt("   " + I13 + "Umlagerungsfigur  6 ( beliebige Figur )"));
    const auto a = Abschnitt("Gewählte Erddruck-Figur", "BELASTUNGSFÄLLE");
    const std::vector<std::string> soll = {
        I13 + "Gewählte Erddruck-Figur   :  6 ( beliebige Figur )",
        "                Umlagerung des Erddrucks bis UK Wand.",
        "",
        I13 + "   umgelagert wird        :  Erddruck NUR aus Bodengewicht",
        "",
        "                Faktor                 :  1,00 für umgelagerten Erddruck",
        "",
        I13 + "   Erddruck aufsummieren bis zur Kote  ............ ze1 =  4,00",
        "   " + I13 + "   z = 99 : Kennzahl für die Kote des Wandfußes",
        I13 + "   Summe umlagern affin zu folgendem Verlauf:",
        I13 + "   Zeile  Kote z (m)  Erddruck e´´(z)",
        "                 1       0,00         1,00",
        "                 2      99,00         0,50",
        I13 + "   eps ( 0 ..... 1 )  =  0,25   Faktor für Druck am Wandfuß.",
        "",
        I13 + "eah mit eph / eta überlagern ?  ja = 1 ....................... 0 ",
        "",
        "",
        "",
    };
    ASSERT_GE(a.size(), soll.size());
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(a[k], soll[k]) << "line " << k;
}

} // namespace
