#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/stage_table.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "tests/support/other_instance_lock.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace fs = std::filesystem;

namespace {

const char* const FalscheDateiTitel = "Falsche Datei";
std::string FalscheDateiText(const std::string& name) {
    return "Die Datei   " + name + "   ist keine Eingabe-Datei für  Z O R  !\r\r";
}

// Every test works in a folder of its own, which is the current folder ("zorH504.txt" lives there).
class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override {
        zor::meldeprotokoll::Zuruecksetzen();
        ResetProjectData();
        Anzeigen::ResetH504();
        zor::meldeprotokoll::Zuruecksetzen();
        P.GradZuRad = 3.141593f / 180.0f;
    }
    void TearDown() override {
        ResetProjectData();
        Anzeigen::ResetH504();
        zor::meldeprotokoll::Zuruecksetzen();
    }
    zortest::WorkingFolder dir_;
};

std::string Bytes(const std::string& name) {
    return vb::ReadFileBytes(name);
}

std::vector<std::string> Lines(const std::string& bytes) {
    return zortest::CrLfZeilen(bytes);
}

std::string Join(const std::vector<std::string>& lines, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n && i < lines.size(); ++i)
        s += lines[i] + "\r\n";
    return s;
}

// A project that uses every statement of the file, with the largest counts: 12 layers, 8 slopes, 15 stages,
// 8 load cases with 8 wall loads and 8 earth-side loads each and their stage lists, 13 anchor levels. k makes
// two such projects differ in every value. Some values need nine digits to survive a save.
void FillFull(int k) {
    auto& p = P;
    const float f = static_cast<float>(k);
    p.AnzBoesch = 8;
    for (int i = 1; i <= 8; ++i) {
        p.BoeschX1[i] = f + i;
        p.BoeschX2[i] = f + i + 0.5f;
        p.BoeschZ1[i] = -0.1f * i;
        p.BoeschZ2[i] = -0.2f * i - f;
        p.BoeschGamma[i] = 18.0f + 0.1f * i + f;
        p.BoeschPhi[i] = 30.0f + i / 3.0f + f;
    }
    p.Wandart = static_cast<int16_t>(k);
    p.WandKopf = static_cast<int16_t>(k + 1);
    p.Erddruckart = static_cast<int16_t>(k);
    p.KonzFaktor = static_cast<int16_t>(3 + k);
    p.Etap = 1.5f + 0.1f * f;
    p.BeiwerteGegeben = static_cast<int16_t>(k % 2);
    p.WandreibungStufen = static_cast<int16_t>(k % 2);
    p.BBohl = 0.24f + 0.01f * f;
    p.ABohl = 2.0f + f;
    p.AnzErd = 12;
    p.RuheProz = 25.0f + f;
    p.EntlastFaktor = 0.5f + 0.1f * f;
    p.AnkerLaengen = 1;
    p.ProjBez = "Baugrube Nord " + std::to_string(k);
    p.ProjNr = "P-" + std::to_string(100 + k);
    p.PosName = "Pos. " + std::to_string(k);
    p.GanzerNameOhneExt = "/projekte/bg" + std::to_string(k);
    p.Datum = "0" + std::to_string(k) + ".05.2012";
    p.EtaGlobal = 1.4f + 0.01f * f;
    for (int i = 1; i <= 12; ++i) {
        p.SchichtDicke[i] = 1.0f + 0.25f * i + f;
        p.SchichtPhi[i] = 25.0f + i / 3.0f + f;
        p.SchichtDeltaA[i] = 2.0f / 3.0f * p.SchichtPhi[i];
        p.SchichtDeltaP[i] = -p.SchichtPhi[i] / 2.0f;
        p.SchichtCa[i] = 0.5f * i + f;
        p.SchichtCp[i] = 0.25f * i + f;
        p.SchichtGamma[i] = 17.0f + 0.1f * i + f;
        p.SchichtGammaAuftrieb[i] = 9.0f + 0.1f * i + f;
        p.SchichtEI[i] = 70.0f + i + f;
        p.SchichtGammaAush[i] = 16.0f + 0.1f * i + f;
        p.SchichtGammaAuftriebAush[i] = 8.0f + 0.1f * i + f;
        p.SchichtKaghVorgabe[i] = 0.01f * i + f;
        p.SchichtKachVorgabe[i] = 0.02f * i + f;
        p.SchichtKpchVorgabe[i] = 0.03f * i + f;
        p.SchichtKpghVorgabe[i] = 0.04f * i + f;
        p.SchichtDeltaANeu[i] = 0.5f * i + f;
        p.SchichtDeltaPNeu[i] = -0.5f * i - f;
    }
    p.AnzAush = 15;
    for (int s = 1; s <= 15; ++s) {
        // Every place of the stored stage filled: the counts are far beyond their lists, which are cut.
        zorm1::AushubSpalte spalte{};
        for (int r = 1; r <= 130; ++r)
            spalte[static_cast<size_t>(r)] = s * 1000.0f + r + 0.125f * f;
        p.Aushubstufen[static_cast<size_t>(s)] = zorm1::AushubAusSpalte(spalte);
        // Never 1: the foot level stays as written.
        p.Aushubstufen[static_cast<size_t>(s)].Wandfuss = static_cast<float>(2 + (s + k) % 3);
        p.ZWasserErdAush[s] = 3.0f + 0.1f * s + f;
        p.AushubWert19[s] = 19.0f + s + f;
        p.AnzFigur6Aush[s] = static_cast<int16_t>(s == 15 ? 15 : s % 4);
        p.Ze1Fig6Aush[s] = 99.0f - f;
        p.UmZeit[s] = static_cast<int16_t>((s + k) % 5);
        p.UmArt[s] = static_cast<int16_t>((s + k) % 2);
        p.kzUeb[s] = static_cast<int16_t>((s + k + 1) % 2);
        p.EpsFuss6Aush[s] = 0.1f * f;
        for (int r = 1; r <= p.AnzFigur6Aush[s]; ++r) {
            p.Fig6Verh(s, r) = 0.05f * r + f;
            p.Fig6Z(s, r) = 0.3f * r + f;
        }
        p.FussGebettet[s] = static_cast<int16_t>((s + k) % 2);
        p.BettAnz[s] = static_cast<int16_t>(s == 15 ? 20 : s % 3);
        for (int r = 1; r <= p.BettAnz[s]; ++r) {
            p.BettT(s, r) = 0.5f * r + f;
            p.BettC(s, r) = 10.0f * r + f;
        }
        const int n1 = s == 15 ? 15 : s % 3;
        const int n2 = s == 14 ? 15 : (s + 1) % 3;
        p.EahGeg(s, 0) = static_cast<float>(n1);
        p.EphGeg(s, 0) = static_cast<float>(n2);
        for (int r = 1; r <= n1; ++r) {
            p.ZEahGeg(s, r) = 0.7f * r + f;
            p.EahGeg(s, r) = 3.0f * r + f;
        }
        for (int r = 1; r <= n2; ++r) {
            p.TEphGeg(s, r) = 0.4f * r + f;
            p.EphGeg(s, r) = -20.0f * r - f;
        }
        p.kzWasserenthAush[s] = static_cast<int16_t>((s + k) % 2);
    }
    p.EtaGl = 1.5f + 0.01f * f;
    p.AnzAnkerGesamt = 13;
    for (int i = 1; i <= 13; ++i) {
        p.AnkerNeigungGrad[i] = 10.0f + i + f;
        p.AnkerLmin[i] = 8.0f + i + f;
        p.AnkerLmax[i] = 20.0f + i + f;
        p.ZAuflager[i] = 1.0f + 0.75f * i + f;
        p.AnkerAbstand[i] = 1.5f + 0.1f * i + f;
    }
    p.AnzLF = 8;
    for (int lc = 1; lc <= 8; ++lc) {
        p.AnzLastLuftLF[lc] = 8;
        p.AnzLastErdLF[lc] = 8;
        for (int j = 1; j <= 8; ++j) {
            p.LuftLastH(lc, j) = 10.0f * lc + j + f;
            p.LuftLastM(lc, j) = -5.0f * lc - j - f;
            p.LuftLastZ(lc, j) = 0.5f * j + f;
            p.ErdLastPv(lc, j) = 10.0f + lc + j + f;
            p.ErdLastPh(lc, j) = 1.0f + 0.1f * j + f;
            p.ErdLastXA(lc, j) = 0.5f * j + f;
            p.ErdLastXE(lc, j) = j == 8 ? 999.0f : 2.0f + j + f;
            p.ErdLastZ(lc, j) = 0.1f * j + f;
            p.ErdLastDauer(lc, j) = 10.0f * j + f;
            p.ErdLastRuheProz(lc, j) = static_cast<int16_t>(10 * j + k);
            p.ErdLastRuheFaktor(lc, j) = 1.0f + 0.01f * j + 0.1f * f;
            const int n = (lc + j) % 9; // 0..8 entries
            p.ErdLastNichtIn(lc, j, 0) = static_cast<int16_t>(n);
            p.LuftLastNichtIn(lc, j, 0) = static_cast<int16_t>(n);
            for (int e = 1; e <= n; ++e) {
                p.ErdLastNichtIn(lc, j, e) = static_cast<int16_t>(e + k); // ascending already
                p.LuftLastNichtIn(lc, j, e) = static_cast<int16_t>(16 - e - k);
            }
        }
        p.NKopfLF[lc] = 50.0f + lc + f;
    }
    p.DeltaZF = -10.0f - f;
    p.MinEah = 0.2f + 0.01f * f;
    p.VerteilungAktiv = static_cast<int16_t>(k);
    p.BettungPruefen = static_cast<int16_t>(k % 2);
    p.AllgAngaben = static_cast<int16_t>((k + 1) % 2);
    p.GelaendebruchEin = static_cast<int16_t>(k % 2);
    p.UntergrundGuenstig = static_cast<int16_t>((k + 1) % 2);
    p.KoteOKWand = 100.0f + f;
    p.PhiCaq = 35.0f + f;
    p.zMGelenk = 0.5f * f;
    for (int i = 5; i <= 10; ++i)
        p.Kommentar[i] = "Kommentar " + std::to_string(i) + ", Fassung " + std::to_string(k);
    p.TeilsicherheitenAn = 1;
    p.Bemessungssituation = static_cast<int16_t>(k);
    p.EtaAnpass = 0.8f + 0.01f * f;
    p.Satz35Wert1 = 100.0f + f;
    p.Satz35Wert2 = 10.0f + f;
    p.AsMmin = 12.0f + f;
    p.EBreiteN = 1.0f + f;
    p.AsQmin = 5.0f + f;
    p.CotThetaWahl = static_cast<int16_t>(k % 2);
    p.BBFuss = 0.6f + f;
    p.ZBFuss = 5.0f + f;
    p.DWand = 0.8f + 0.1f * f;
    p.GamWand = 25.0f + f;
    p.GrafikRandOU = static_cast<int16_t>(15 + k);
    p.GrafikRandLR = static_cast<int16_t>(25 + k);
    p.Massstab = 100.0f * f;
    for (int k2 = 1; k2 <= 12; ++k2)
        p.DeltaNeuAushub[k2] = static_cast<int16_t>(k2 + k);
    p.AnzAnkerStufenPaare = 3;
    for (int i = 1; i <= 3; ++i) {
        p.EtaAbwAushub[i] = static_cast<float>(i + k);
        p.EtaAbwWert[i] = 1.3f + 0.1f * i + f;
    }
    p.SeitenVorsatz = "S. " + std::to_string(k);
    p.StartSeite = static_cast<int16_t>(10 * k);
    p.ProfilName = "HEB 240" + std::string(k, ' ') + "TBW";
    p.ProfilText = "Profil " + std::to_string(k);
    p.TiefeMittelpunkte = static_cast<int16_t>(k % 2);
    p.BemessungEin = 1;
    p.Wandtyp = static_cast<int16_t>(k);
    p.StahlNachEAU = static_cast<int16_t>(k % 2);
    p.StahlGuete = 355;
    p.EtaBSt500 = 1.75f;
    p.BetonKlasse = 125.0f + f;
    p.EBreiteM = 1.0f + 0.5f * f;
    p.d1Rand = 7.0f + f;
    p.kzStroemEin = static_cast<int16_t>(k % 2);
    p.BPfDUeb = 0.9f + f;
    p.BPfD = 1.2f + f;
    p.BPfAbstand = 1.5f + f;
    p.ZulSigma = 240.0f + f;
    p.ZulTau = 140.0f + f;
    p.StahlStaebe = static_cast<int16_t>(k % 2);
    p.AnkerStahlFliess = 1030.0f + f;
    p.AnkerStahlStreck = 835.0f + f;
    p.xNull = 0.5f * f;
    p.zNull = 0.25f * f;
    p.gamGEig = 1.35f + 0.01f * f;
    p.gamE0gEig = 1.2f + 0.01f * f;
    p.gamQEig = 1.5f + 0.01f * f;
    p.gamReEig = 1.4f + 0.01f * f;
    p.gamG1CEig = 1.0f + 0.01f * f;
    p.gamQ1CEig = 1.3f + 0.01f * f;
    p.gamPhiEig = 1.25f + 0.01f * f;
    p.gamCEig = 1.25f + 0.02f * f;
    p.gamGstbEig = 0.9f + 0.01f * f;
    p.gamGdstEig = 1.05f + 0.01f * f;
    p.gamHEig = 1.45f + 0.01f * f;
    p.gamQdstEig = 1.5f + 0.02f * f;
    p.gamRhEig = 1.1f + 0.01f * f;
    p.kzWred = static_cast<int16_t>(k % 2);
    p.kzRered = static_cast<int16_t>((k + 1) % 2);
    p.EtaBettung = static_cast<int16_t>(k % 2);
    p.kzRered2 = static_cast<int16_t>(k % 2);
    p.MitNormalkraft = static_cast<int16_t>((k + 1) % 2);
    p.kzHydGrBrEin = static_cast<int16_t>(k % 2);
    p.Herstellart = k % 2 ? "hinterfuellt" : "";

    Anzeigen::Heft504Texte h;
    for (int i = 0; i < 8; ++i)
        h[i] = "Kopf " + std::to_string(i) + " / " + std::to_string(k);
    Anzeigen::H504.Dialog = h;
}

// Writes the header texts of FillFull(k) to "zorH504.txt", where the writer takes them from.
void H504DateiFuer(int k) {
    std::string s;
    for (int i = 0; i < 8; ++i)
        s += "\"Kopf " + std::to_string(i) + " / " + std::to_string(k) + "\"\r\n";
    vb::WriteFileBytes("zorH504.txt", s);
}

// Group heads: statements that start a group of lines (the nested ones belong to their head).
const std::set<int> Eingebettet = {12, 13, 22, 26, 28, 32, 40, 41};
// Statements before which the reader tests for the end of the file.
const std::set<int> EndeErlaubt = {15, 16, 17, 18, 19, 20, 21, 23, 24, 25, 29, 30, 31, 33, 34, 37,
                                   38, 39, 42, 43, 44, 46, 47, 48, 50, 62, 63, 64, 65, 68, 69, 70};

// Index of the first line of every group head 1..70 (and 71 = end of the file), counted from the project's
// counts.
std::map<int, std::size_t> Anfaenge(const ProjectData& p) {
    std::map<int, int> n;
    int sumErd = 0, sumLuft = 0, sumNichtErd = 0, sumNichtLuft = 0, lf = 0, fig = 0, bett = 0, geg = 0;
    for (int lc = 1; lc <= p.AnzLF; ++lc) {
        lf += 1 + p.AnzLastLuftLF[lc] + p.AnzLastErdLF[lc];
        sumErd += p.AnzLastErdLF[lc];
        sumLuft += p.AnzLastLuftLF[lc];
        for (int j = 1; j <= p.AnzLastErdLF[lc]; ++j)
            sumNichtErd += 1 + p.ErdLastNichtIn(lc, j, 0);
        for (int j = 1; j <= p.AnzLastLuftLF[lc]; ++j)
            sumNichtLuft += 1 + p.LuftLastNichtIn(lc, j, 0);
    }
    for (int s = 1; s <= p.AnzAush; ++s) {
        fig += 1 + p.AnzFigur6Aush[s];
        bett += 1 + p.BettAnz[s];
        geg += 1 + static_cast<int>(p.EahGeg(s, 0)) + static_cast<int>(p.EphGeg(s, 0));
    }
    const int a = p.AnzAnkerGesamt, e = p.AnzErd, s = p.AnzAush;
    n = {{1, 1},
         {2, p.AnzBoesch},
         {3, 1},
         {4, 1},
         {5, e},
         {6, 1},
         {7, 130 * s},
         {8, 1},
         {9, p.AnkerLaengen == 1 ? a : 0},
         {10, 1},
         {11, lf},
         {14, 1},
         {15, 1},
         {16, a},
         {17, s},
         {18, 1},
         {19, s},
         {20, sumErd},
         {21, fig},
         {23, e},
         {24, 1},
         {25, sumNichtErd},
         {27, sumNichtLuft},
         {29, 1},
         {30, a},
         {31, bett},
         {33, 6},
         {34, 1},
         {35, 1},
         {36, 11},
         {37, sumErd},
         {38, 1},
         {39, geg},
         {42, e},
         {43, e},
         {44, 12},
         {45, 1},
         {46, s},
         {47, sumErd},
         {48, 1},
         {49, p.AnzAnkerStufenPaare}};
    for (int i = 50; i <= 68; ++i)
        n[i] = 1;
    n[64] = a;
    n[69] = a;
    n[70] = p.AnzLF;
    (void)sumLuft;
    std::map<int, std::size_t> start;
    std::size_t line = 0;
    for (int st = 1; st <= 70; ++st) {
        if (Eingebettet.count(st)) continue;
        start[st] = line;
        line += static_cast<std::size_t>(n.at(st));
    }
    start[71] = line;
    return start;
}

// ------------------------------------------------------------------------------------------------ format

TEST_F(ProjectFile, SmallProjectIsWrittenLineByLineAsExpected) {
    // One layer, one stage, one load case with one earth-side load, two support levels, no anchor lengths.
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 2.0f;
    P.BoeschX2[1] = 6.0f;
    P.BoeschZ1[1] = 0.0f;
    P.BoeschZ2[1] = -2.0f;
    P.BoeschGamma[1] = 19.0f;
    P.BoeschPhi[1] = 32.5f;
    P.Wandart = 2;
    P.WandKopf = 1;
    P.Erddruckart = 1;
    P.KonzFaktor = 4;
    P.Etap = 1.5f;
    P.ABohl = 1.0f;
    P.AnzErd = 1;
    P.ProjBez = "Baugrube Müller";
    P.ProjNr = "12/34";
    P.PosName = "Pos 1";
    P.GanzerNameOhneExt = "/home/ing/bg";
    P.Datum = "01.02.2012";
    P.EtaGlobal = 0.5f; // below 1: written as 1.5
    P.SchichtDicke[1] = 5.0f;
    P.SchichtPhi[1] = 32.5f;
    P.SchichtDeltaA[1] = 21.5f;
    P.SchichtDeltaP[1] = -16.25f;
    P.SchichtGamma[1] = 19.0f;
    P.SchichtGammaAuftrieb[1] = 11.0f;
    P.SchichtEI[1] = 72.0f;
    P.AnzAush = 1;
    P.Aushubstufen[1].Wandfuss = 1.0f;
    P.Aushubstufen[1].zAush = 3.5f;
    P.AnkerLaengen = 0;
    P.EtaGl = 1.5f;
    P.AnzAnkerGesamt = 2;
    P.ZAuflager[1] = 1.0f;
    P.ZAuflager[2] = 2.5f;
    P.AnkerNeigungGrad[1] = 10.0f;
    P.AnkerNeigungGrad[2] = 0.0f;
    P.AnzLF = 1;
    P.AnzLastErdLF[1] = 1;
    P.ErdLastPv(1, 1) = 10.0f;
    P.ErdLastXE(1, 1) = 999.0f;
    P.ErdLastNichtIn(1, 1, 0) = 0;
    P.ErdLastRuheFaktor(1, 1) = 1.0f;
    P.ZWasserErdAush[1] = 99.0f;
    P.Kommentar[5] = "Zeile, mit Komma";
    P.Massstab = 0.0f; // written as 200
    P.StartSeite = 3;
    P.SeitenVorsatz = "Anl. 1 /";
    P.Wandtyp = 2;
    P.Herstellart = "hinterfuellt";
    P.NKopfLF[1] = 25.5f;
    P.Satz35Wert1 = 100.0f;
    P.Satz35Wert2 = 10.0f;
    vb::WriteFileBytes("zorH504.txt", "\"Ing. A\"\r\n\"Ing. B\"\r\n\"Br\xFC"
                                      "cke\"\r\n\"1.1.12\"\r\n\"Wand\"\r\n\"B1\"\r\n"
                                      "\"V7\"\r\n\"ASB 9\"\r\n");

    ASSERT_TRUE(zorm1::EingabeSchreiben("bg"));

    std::vector<std::string> want = {
        "1",
        "2,6,0,-2,19,32.5",
        "2,1,1,4,1.5,0,0,0,1,1,0,0,0",
        "\"Baugrube Müller\",\"12/34\",\"Pos 1\",\"/home/ing/bg\",\"01.02.2012\"",
        "5,32.5,21.5,-16.25,0,0,1.5,19,11,72,0,0,0",
        "1",
    };
    for (int r = 1; r <= 130; ++r)
        want.push_back(r == 1 ? "1" : r == 3 ? "3.5" : "0");
    for (const char* l : {"0,1.5,2", // 8; no statement 9
                          "1",
                          "0,1",
                          "10,0,999,0", // 10, 11, 13
                          "0,0",
                          "0", // 14, 15
                          "1",
                          "2.5", // 16
                          "99",
                          "0,0,0,0",
                          "0",
                          "0",           // 17, 18, 19, 20
                          "0,0,0,0,0,0", // 21
                          "0",
                          "0", // 23, 24
                          "0", // 25
                          "0,0",
                          "10",
                          "0",   // 29, 30
                          "0,0", // 31
                          "\"Zeile, mit Komma\"",
                          "\"\"",
                          "\"\"",
                          "\"\"",
                          "\"\"",
                          "\"\"", // 33
                          "0,0,0",
                          "100,10,0,0,0,0"}) // 34, 35
        want.push_back(l);
    for (int i = 0; i < 11; ++i)
        want.push_back("0");                 // 36
    for (const char* l : {"0",               // 37
                          "0,0,0,0,0,0,200", // 38
                          "0,0",             // 39
                          "0,0,0,0", "0,0"}) // 42, 43
        want.push_back(l);
    for (int i = 0; i < 12; ++i)
        want.push_back("0"); // 44
    for (const char* l : {"0,0,0",
                          "0",
                          "0,1",
                          "0", // 45, 46, 47, 48
                          "\"Ing. A\"",
                          "\"Ing. B\"",
                          "\"Brücke\"",
                          "\"1.1.12\"",
                          "\"Wand\"",
                          "\"B1\"",
                          "\"Anl. 1 /\"",
                          "\"V7\"",
                          "3",
                          "\"ASB 9\"",
                          "\"\"",
                          "\"\"", // 50..61
                          "0,0,2,0,0,0,0,0,0,0",
                          "0,0,0,0,0,0,0,0,0,0", // 62, 63
                          "0",
                          "0", // 64
                          "0,0,0,0,0,0",
                          "0,0,0,0,0,0",
                          "0,0,0,0,0,0,0",    // 65, 66, 67
                          "\"hinterfuellt\"", // 68
                          "0,0,0,0,0",
                          "0,0,0,0,0", // 69
                          "25.5"})     // 70
        want.push_back(l);

    const std::string bytes = Bytes("bg");
    std::vector<std::string> got = Lines(bytes);
    for (auto& l : got)
        l = vb::FromCp1252(l);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    // Windows-1252 on disk: the umlaut is one byte.
    EXPECT_NE(bytes.find("M\xFCller"), std::string::npos);
    // Side effects of writing.
    EXPECT_EQ(P.EtaGlobal, 1.5f);
    EXPECT_EQ(P.Massstab, 200.0f);
    EXPECT_EQ(Anzeigen::H504.Dialog.txtBauwerk, "Brücke");
}

TEST_F(ProjectFile, FullProjectRoundTripsByteForByte) {
    FillFull(1);
    H504DateiFuer(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("projekt"));
    const ProjectData geschrieben = P;
    const std::string erst = Bytes("projekt");

    ResetProjectData();
    Anzeigen::ResetH504();
    vb::Kill("zorH504.txt");
    P.GradZuRad = geschrieben.GradZuRad;
    ASSERT_TRUE(zorm1::EingabeLesen("projekt"));
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
    EXPECT_EQ(P.DatenGelesen, -1);

    // Every value comes back exactly (apart from the program state the file does not hold).
    ProjectData erwartet = geschrieben;
    erwartet.DatenGelesen = -1;
    erwartet.SeitenNr = erwartet.StartSeite;
    EXPECT_TRUE(P == erwartet);
    EXPECT_EQ(P.SchichtPhi, geschrieben.SchichtPhi);
    EXPECT_EQ(P.Aushubstufen, geschrieben.Aushubstufen);
    EXPECT_EQ(P.ErdLastNichtIn, geschrieben.ErdLastNichtIn);
    EXPECT_EQ(P.LuftLastNichtIn, geschrieben.LuftLastNichtIn);
    EXPECT_EQ(P.AnkerLmax, geschrieben.AnkerLmax);
    EXPECT_EQ(P.EphGeg, geschrieben.EphGeg);
    EXPECT_EQ(P.BettC, geschrieben.BettC);
    // The header texts came from the file and were written to "zorH504.txt".
    EXPECT_EQ(Anzeigen::H504.Dialog.txtAsbNr, "Kopf 7 / 1");
    EXPECT_EQ(Anzeigen::H504.txtStartSeite, "10");
    EXPECT_EQ(Anzeigen::H504.txtVorsatz, "S. 1");
    EXPECT_EQ(Bytes("zorH504.txt").substr(0, 14), "\"Kopf 0 / 1\"\r\n");

    ASSERT_TRUE(zorm1::EingabeSchreiben("projekt2"));
    EXPECT_EQ(Bytes("projekt2"), erst);

    // The file holds every group in the expected place: 12 layers, 15 stages of 130 rows, 13 anchor levels.
    const auto lines = Lines(erst);
    const auto start = Anfaenge(geschrieben);
    EXPECT_EQ(lines.size(), start.at(71));
    EXPECT_EQ(lines[start.at(6)], "15");
    EXPECT_EQ(lines[start.at(8)].substr(0, 2), "1,");
    EXPECT_EQ(lines[start.at(10)], "8");
    EXPECT_EQ(lines[start.at(48)], "3");
    EXPECT_EQ(lines[start.at(70)], "52");
}

TEST_F(ProjectFile, ValuesNeedingNineDigitsSurviveASave) {
    // 7.03853069e-26 is the one single whose shortest form, read through a double, lands on its neighbour.
    const float werte[] = {1.0f / 3.0f,  0.1f + 0.2f, 123456.79f, 1e-7f,
                           -2.0f / 7.0f, 16777215.0f, 3.4e38f,    7.03853069e-26f};
    constexpr int n = static_cast<int>(std::size(werte));
    P.AnzAush = 1;
    for (int i = 0; i < n; ++i)
        P.Aushubstufen[1].ZAnker[static_cast<size_t>(1 + i)] = werte[i];
    P.Aushubstufen[1].Wandfuss = 2.0f;
    ASSERT_TRUE(zorm1::EingabeSchreiben("zahlen"));
    const auto stufen = P.Aushubstufen;
    P.Aushubstufen.fill(zorm1::Aushubstufe{});
    ASSERT_TRUE(zorm1::EingabeLesen("zahlen"));
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(P.Aushubstufen[1].ZAnker[static_cast<size_t>(1 + i)], werte[i]) << i;
    EXPECT_EQ(P.Aushubstufen, stufen);
    // Short values keep the short form.
    const auto lines = Lines(Bytes("zahlen"));
    EXPECT_EQ(lines[4], "2"); // the wall foot of stage 1
}

TEST_F(ProjectFile, ReadsLineFeedOnlyFilesAndNumbersWithOrWithoutLeadingZero) {
    FillFull(2);
    ASSERT_TRUE(zorm1::EingabeSchreiben("crlf"));
    const ProjectData geschrieben = P;
    std::string lf;
    for (char c : Bytes("crlf"))
        if (c != '\r') lf += c;
    vb::WriteFileBytes("lf", lf);
    ResetProjectData();
    P.GradZuRad = geschrieben.GradZuRad;
    ASSERT_TRUE(zorm1::EingabeLesen("lf"));
    EXPECT_EQ(P.SchichtPhi, geschrieben.SchichtPhi);
    EXPECT_EQ(P.NKopfLF, geschrieben.NKopfLF);

    // "0.5" and ".5" read alike.
    auto lines = Lines(Bytes("crlf"));
    const auto start = Anfaenge(geschrieben);
    lines[start.at(14)] = "0.5,-.25";
    vb::WriteFileBytes("nullen", Join(lines, lines.size()));
    ASSERT_TRUE(zorm1::EingabeLesen("nullen"));
    EXPECT_EQ(P.DeltaZF, 0.5f);
    EXPECT_EQ(P.MinEah, -0.25f);
}

TEST_F(ProjectFile, UmlautsInTitlesAreReadAsWindows1252) {
    FillFull(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("umlaut"));
    auto lines = Lines(Bytes("umlaut"));
    const auto start = Anfaenge(P);
    // Written by hand in Windows-1252: "Straße Süd", "Großbaugrube", "Bö/Äü" and a comment with "°" and "Ö".
    lines[start.at(4)] = "\"Stra\xDF"
                         "e S\xFC"
                         "d\",\"Gro\xDF"
                         "baugrube\",\"B\xF6/\xC4\xFC\",\"x\",\"1.1.2012\"";
    lines[start.at(33)] = "\"Neigung 45\xB0 \xD6l\"";
    vb::WriteFileBytes("umlaut", Join(lines, lines.size()));
    ResetProjectData();
    ASSERT_TRUE(zorm1::EingabeLesen("umlaut"));
    EXPECT_EQ(P.ProjBez, "Straße Süd");
    EXPECT_EQ(P.ProjNr, "Großbaugrube");
    EXPECT_EQ(P.PosName, "Bö/Äü");
    EXPECT_EQ(P.Kommentar[5], "Neigung 45° Öl");
    // Written back in Windows-1252.
    ASSERT_TRUE(zorm1::EingabeSchreiben("umlaut2"));
    EXPECT_NE(Bytes("umlaut2").find("\"Stra\xDF"
                                    "e S\xFC"
                                    "d\""),
              std::string::npos);
}

// ------------------------------------------------------------------------------------------------ early end

TEST_F(ProjectFile, EarlyEndAtEveryStatementIsToleratedOnlyWhereAllowed) {
    FillFull(1);
    H504DateiFuer(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("voll"));
    const ProjectData a = P;
    const auto lines = Lines(Bytes("voll"));
    const auto start = Anfaenge(a);
    ASSERT_EQ(lines.size(), start.at(71));

    // One field per allowed end that only that statement sets: it keeps the value of the project in memory.
    using Feld = std::function<float(const ProjectData&)>;
    const std::map<int, Feld> feld = {
        {15, [](auto& p) { return float(p.VerteilungAktiv); }},
        {16, [](auto& p) { return p.ZAuflager[1]; }},
        {17, [](auto& p) { return p.ZWasserErdAush[1]; }},
        {18, [](auto& p) { return float(p.BettungPruefen); }},
        {19, [](auto& p) { return p.AushubWert19[1]; }},
        {20, [](auto& p) { return p.ErdLastDauer(1, 1); }},
        {21, [](auto& p) { return p.Ze1Fig6Aush[1]; }},
        {23, [](auto& p) { return p.SchichtKpghVorgabe[1]; }},
        {24, [](auto& p) { return p.KoteOKWand; }},
        {25, [](auto& p) { return float(p.ErdLastNichtIn(1, 1, 1)); }},
        {29, [](auto& p) { return p.zMGelenk; }},
        {31, [](auto& p) { return p.BettT(1, 1); }},
        {33, [](auto& p) { return float(p.Kommentar[5].back()); }},
        {34, [](auto& p) { return p.EtaAnpass; }},
        {37, [](auto& p) { return p.ErdLastPh(1, 1); }},
        {38, [](auto& p) { return p.DWand; }},
        {39, [](auto& p) { return p.ZEahGeg(15, 1); }},
        {42, [](auto& p) { return p.SchichtKaghVorgabe[1]; }},
        {43, [](auto& p) { return p.SchichtDeltaANeu[1]; }},
        {44, [](auto& p) { return float(p.DeltaNeuAushub[1]); }},
        {46, [](auto& p) { return float(p.kzWasserenthAush[2]); }},
        {47, [](auto& p) { return p.ErdLastRuheFaktor(1, 1); }},
        {48, [](auto& p) { return p.EtaAbwWert[1]; }},
        {50, [](auto& p) { return float(p.StartSeite); }},
        {62, [](auto& p) { return float(p.Wandtyp); }},
        {63, [](auto& p) { return p.BPfD; }},
        {64, [](auto& p) { return p.AnkerAbstand[1]; }},
        {65, [](auto& p) { return p.gamGEig; }},
        {68, [](auto& p) { return float(p.Herstellart.size()); }},
        {69, [](auto& p) { return p.NKopfLF[1]; }},
        {70, [](auto& p) { return p.NKopfLF[1]; }},
    };

    for (int st = 1; st <= 71; ++st) {
        if (Eingebettet.count(st)) continue;
        SCOPED_TRACE("file ends before statement " + std::to_string(st));
        vb::WriteFileBytes("kurz", Join(lines, start.at(st)));
        // The project in memory before the read: another full project.
        ResetProjectData();
        Anzeigen::ResetH504();
        FillFull(2);
        P.GradZuRad = a.GradZuRad;
        P.DatenGelesen = 0;
        H504DateiFuer(2);
        const ProjectData b = P;
        const Anzeigen::Heft504Daten hb = Anzeigen::H504;
        zor::meldeprotokoll::Zuruecksetzen();

        const bool ok = zorm1::EingabeLesen("kurz");
        if (st == 71 || EndeErlaubt.count(st)) {
            EXPECT_TRUE(ok);
            EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
            EXPECT_EQ(P.DatenGelesen, -1);
            EXPECT_EQ(P.DeltaZF, a.DeltaZF); // statement 14 always read
            if (feld.count(st)) {
                EXPECT_EQ(feld.at(st)(P), feld.at(st)(b));
            }
            // The header texts become current only when the file holds them.
            if (st <= 50)
                EXPECT_EQ(vb::ReadTextFile("zorH504.txt").substr(0, 13), "\"Kopf 0 / 2\"\r");
            else
                EXPECT_EQ(vb::ReadTextFile("zorH504.txt").substr(0, 13), "\"Kopf 0 / 1\"\r");
        } else {
            EXPECT_FALSE(ok);
            ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
            EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].titel, FalscheDateiTitel);
            EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text, FalscheDateiText("kurz"));
            EXPECT_EQ(zor::meldeprotokoll::Signaltoene(), 1);
            // Nothing of the broken file is left in memory; DatenGelesen unchanged.
            EXPECT_TRUE(P == b);
            EXPECT_TRUE(Anzeigen::H504 == hb);
            EXPECT_EQ(vb::ReadTextFile("zorH504.txt").substr(0, 13), "\"Kopf 0 / 2\"\r");
        }
    }
}

TEST_F(ProjectFile, EndInsideAStatementOrBeforeStatement15IsNotAProjectFile) {
    FillFull(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("voll"));
    const auto lines = Lines(Bytes("voll"));
    const auto start = Anfaenge(P);
    struct Fall {
        const char* was;
        std::string text;
    };
    std::vector<Fall> faelle = {
        {"empty file", ""},
        {"inside the stage table", Join(lines, start.at(7) + 200)},
        {"inside the load-case loop", Join(lines, start.at(11) + 5)},
        {"after statement 10", Join(lines, start.at(11))},
        {"before statement 14", Join(lines, start.at(14))},
        {"inside the loop of statement 21", Join(lines, start.at(21) + 3)},
        {"between 35 and 36", Join(lines, start.at(36))},
        {"statement 62 cut after five items", Join(lines, start.at(62)) + "1,1,1,0,355\r\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        vb::WriteFileBytes("kurz", f.text);
        ResetProjectData();
        P.ProjBez = "vorher";
        const ProjectData b = P;
        zor::meldeprotokoll::Zuruecksetzen();
        EXPECT_FALSE(zorm1::EingabeLesen("kurz"));
        EXPECT_TRUE(P == b);
        ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
        EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text, FalscheDateiText("kurz"));
        EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].titel, FalscheDateiTitel);
        EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].knoepfe, vb::vbOKOnly);
    }
}

TEST_F(ProjectFile, BrokenFilesShowTheMessageAndKeepTheProject) {
    FillFull(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("gut"));
    const auto lines = Lines(Bytes("gut"));
    const auto start = Anfaenge(P);
    auto mit = [&](std::size_t line, const std::string& text) {
        auto l = lines;
        l[line] = text;
        return Join(l, l.size());
    };
    struct Fall {
        const char* was;
        std::string text;
    };
    const std::vector<Fall> faelle = {
        {"text where a count belongs", mit(start.at(1), "\"acht\"")},
        {"13 layers", mit(start.at(3), "1,2,1,4,1.6,1,1,.25,3,13,26,.6,1")},
        {"9 slopes", mit(start.at(1), "9")},
        {"16 stages", mit(start.at(6), "16")},
        {"14 anchor levels", mit(start.at(8), "1,1.51,14")},
        {"9 load cases", mit(start.at(10), "9")},
        {"9 earth-side loads", mit(start.at(11), "8,9")},
        {"negative count", mit(start.at(10), "-1")},
        {"9 stages a load does not act in", mit(start.at(25), "9")},
        {"16 figure rows", mit(start.at(21), "16,98,1,1,1,.1")},
        {"21 bedding rows", mit(start.at(31), "0,21")},
        {"16 given pressure rows", mit(start.at(39), "16,0")},
        {"16 anchor pairs", mit(start.at(48), "16")},
        {"start page beyond an integer", mit(start.at(58), "\"99999\"")},
        {"text where a number belongs", mit(start.at(14), "\"x\",1")},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        vb::WriteFileBytes("kaputt", f.text);
        ResetProjectData();
        P.AnzErd = 2;
        P.SchichtPhi[1] = 30.0f;
        P.DatenGelesen = 0;
        const ProjectData b = P;
        zor::meldeprotokoll::Zuruecksetzen();
        EXPECT_FALSE(zorm1::EingabeLesen("kaputt"));
        EXPECT_TRUE(P == b);
        EXPECT_EQ(zor::meldeprotokoll::Signaltoene(), 1);
        ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
        EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text, FalscheDateiText("kaputt"));
    }
    // A missing file too; the name is shown as passed.
    zor::meldeprotokoll::Zuruecksetzen();
    EXPECT_FALSE(zorm1::EingabeLesen("gibt es nicht"));
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text, FalscheDateiText("gibt es nicht"));
}

// ------------------------------------------------------------------------------------------------ rules

TEST_F(ProjectFile, WithoutAnchorLengthsStatement9IsAbsentAndLengthsStayInMemory) {
    FillFull(1);
    P.AnkerLaengen = 0;
    ASSERT_TRUE(zorm1::EingabeSchreiben("ohne9"));
    const ProjectData a = P;
    const auto lines = Lines(Bytes("ohne9"));
    const auto start = Anfaenge(a);
    EXPECT_EQ(start.at(10), start.at(9)); // statement 9 has no lines
    EXPECT_EQ(lines[start.at(8)], "0,1.51,13");
    EXPECT_EQ(lines[start.at(10)], "8");
    EXPECT_EQ(start.at(17) - start.at(16), 13u); // the level count still drives 16, 30, 64 and 69
    EXPECT_EQ(start.at(31) - start.at(30), 13u);
    EXPECT_EQ(start.at(65) - start.at(64), 13u);
    EXPECT_EQ(start.at(70) - start.at(69), 13u);
    EXPECT_EQ(lines.size(), start.at(71));

    for (int i = 1; i <= 13; ++i) {
        P.AnkerLmin[i] = -1.0f;
        P.AnkerLmax[i] = -2.0f;
        P.AnkerNeigungGrad[i] = -3.0f;
    }
    ASSERT_TRUE(zorm1::EingabeLesen("ohne9"));
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(P.AnkerLmin[i], -1.0f);
        EXPECT_EQ(P.AnkerLmax[i], -2.0f);
        EXPECT_EQ(P.AnkerNeigungGrad[i], a.AnkerNeigungGrad[i]); // from statement 30
    }
}

TEST_F(ProjectFile, EarthLoadStageListsAreSortedWallLoadListsAreNot) {
    P.AnzLF = 2;
    P.AnzAush = 0;
    P.AnzLastErdLF[1] = 3;
    P.AnzLastErdLF[2] = 0;
    P.AnzLastLuftLF[1] = 1;
    const int16_t liste[] = {5, 2, 7};
    for (int e = 1; e <= 3; ++e) {
        P.ErdLastNichtIn(1, 2, e) = liste[e - 1];
        P.LuftLastNichtIn(1, 1, e) = liste[e - 1];
    }
    P.ErdLastNichtIn(1, 2, 0) = 3;
    P.ErdLastNichtIn(1, 3, 0) = 1;
    P.ErdLastNichtIn(1, 3, 1) = 4;
    P.LuftLastNichtIn(1, 1, 0) = 3;
    P.ErdLastNichtIn(2, 1, 0) = 5; // load case 2 has no earth-side load: nothing written
    ASSERT_TRUE(zorm1::EingabeSchreiben("listen"));
    const auto lines = Lines(Bytes("listen"));
    const auto start = Anfaenge(P);
    const std::vector<std::string> erd(lines.begin() + start.at(25), lines.begin() + start.at(27));
    EXPECT_EQ(erd, (std::vector<std::string>{"0", "3", "2", "5", "7", "1", "4"}));
    const std::vector<std::string> luft(lines.begin() + start.at(27), lines.begin() + start.at(29));
    EXPECT_EQ(luft, (std::vector<std::string>{"3", "5", "2", "7"}));
    EXPECT_EQ(P.ErdLastNichtIn(1, 2, 1), 2);
    EXPECT_EQ(P.ErdLastNichtIn(1, 2, 2), 5);
    EXPECT_EQ(P.ErdLastNichtIn(1, 2, 3), 7);
    EXPECT_EQ(P.LuftLastNichtIn(1, 1, 1), 5);
}

TEST_F(ProjectFile, ReaderCorrectionsTable) {
    FillFull(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("basis"));
    const auto lines = Lines(Bytes("basis"));
    const ProjectData a = P;
    const auto start = Anfaenge(a);
    auto lesenMit = [&](std::map<std::size_t, std::string> aenderung) {
        auto l = lines;
        for (auto& [i, t] : aenderung)
            l[i] = t;
        vb::WriteFileBytes("geaendert", Join(l, l.size()));
        ResetProjectData();
        P.GradZuRad = a.GradZuRad;
        EXPECT_TRUE(zorm1::EingabeLesen("geaendert"));
    };

    // Wall friction in stages: above 1 becomes 0.
    lesenMit({{start.at(3), "1,2,1,4,1.6,1,2,.25,3,12,26,.6,1"}});
    EXPECT_EQ(P.WandreibungStufen, 0);
    lesenMit({{start.at(3), "1,2,1,4,1.6,1,1,.25,3,12,26,.6,1"}});
    EXPECT_EQ(P.WandreibungStufen, 1);

    // Excavation-side unit weights of exactly 0 take the earth-side values of their layer.
    lesenMit({{start.at(5) + 2, "2,26,17,-13,1.5,.75,1.41,17.3,9.3,73,0,0,0"}});
    EXPECT_EQ(P.SchichtGammaAush[3], 17.3f);
    EXPECT_EQ(P.SchichtGammaAuftriebAush[3], 9.3f);
    EXPECT_EQ(P.SchichtGammaAush[2], a.SchichtGammaAush[2]);

    // A stage with a free earth support gets its foot 0.01 below the excavation level: stage 3, row 3 = 6.5.
    lesenMit({{start.at(7) + 2 * 130, "1"},
              {start.at(7) + 2 * 130 + 1, "12"},
              {start.at(7) + 2 * 130 + 2, "6.5"}});
    EXPECT_EQ(P.Aushubstufen[3].ZWandfuss, 6.5f + 0.01f);
    EXPECT_FLOAT_EQ(P.Aushubstufen[3].ZWandfuss, 6.51f);
    EXPECT_EQ(P.Aushubstufen[2].ZWandfuss, a.Aushubstufen[2].ZWandfuss); // row 1 = 2: as written

    // Favourable subsoil: every value other than 0 becomes 1.
    lesenMit({{start.at(18), "1,0,1,5"}});
    EXPECT_EQ(P.UntergrundGuenstig, 1);
    lesenMit({{start.at(18), "1,0,1,-3"}});
    EXPECT_EQ(P.UntergrundGuenstig, 1);
    lesenMit({{start.at(18), "1,0,1,0"}});
    EXPECT_EQ(P.UntergrundGuenstig, 0);

    // Statement 35's pair: 0 or less gives 100 and 10.
    lesenMit({{start.at(35), "0,55,13,2,6,1"}});
    EXPECT_EQ(P.Satz35Wert1, 100.0f);
    EXPECT_EQ(P.Satz35Wert2, 10.0f);
    lesenMit({{start.at(35), "-4,55,13,2,6,1"}});
    EXPECT_EQ(P.Satz35Wert1, 100.0f);
    EXPECT_EQ(P.Satz35Wert2, 10.0f);
    lesenMit({{start.at(35), "7,55,13,2,6,1"}});
    EXPECT_EQ(P.Satz35Wert1, 7.0f);
    EXPECT_EQ(P.Satz35Wert2, 55.0f);

    // Design situation outside 0..23 becomes 2; global safety takes EtaGlobal from Etap.
    const std::pair<const char*, int16_t> situationen[] = {
        {"1,40,.81", 2}, {"1,-1,.81", 2}, {"1,23,.81", 23}, {"1,0,.81", 0}, {"1,24,.81", 2}};
    for (const auto& [zeile, erwartet] : situationen) {
        lesenMit({{start.at(34), zeile}});
        EXPECT_EQ(P.Bemessungssituation, erwartet) << zeile;
        EXPECT_EQ(P.EtaGlobal, a.EtaGlobal);
    }
    lesenMit({{start.at(34), "0,1,1"}});
    EXPECT_EQ(P.EtaGlobal, a.Etap);
    EXPECT_EQ(P.TeilsicherheitenAn, 0);

    // Statement 58 is read as text; the start page and the page number take its value, halves to even.
    lesenMit({{start.at(58), "\" 7.5\""}});
    EXPECT_EQ(Anzeigen::H504.txtStartSeite, " 7.5");
    EXPECT_EQ(P.StartSeite, 8);
    EXPECT_EQ(P.SeitenNr, 8);
    lesenMit({{start.at(58), "12"}});
    EXPECT_EQ(P.StartSeite, 12);
    EXPECT_EQ(P.SeitenNr, 12);
    EXPECT_EQ(Anzeigen::H504.txtStartSeite, "12");

    // The project file's own name in statement 4 replaces the one in memory.
    EXPECT_EQ(P.GanzerNameOhneExt, "/projekte/bg1");
}

TEST_F(ProjectFile, FrictionLimitOfOneRadianIsClearedWhenTheFileEndsBefore29) {
    FillFull(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("ganz"));
    const auto lines = Lines(Bytes("ganz"));
    const auto start = Anfaenge(P);
    vb::WriteFileBytes("bis28", Join(lines, start.at(29)));

    const float einRadiant = 1.0f / P.GradZuRad;
    ASSERT_EQ(static_cast<float>(P.GradZuRad * einRadiant), 1.0f);
    P.PhiCaq = einRadiant;
    ASSERT_TRUE(zorm1::EingabeLesen("bis28"));
    EXPECT_EQ(P.PhiCaq, 0.0f);

    P.PhiCaq = 30.0f;
    ASSERT_TRUE(zorm1::EingabeLesen("bis28"));
    EXPECT_EQ(P.PhiCaq, 30.0f);

    // With statement 29 in the file its value counts.
    P.PhiCaq = einRadiant;
    ASSERT_TRUE(zorm1::EingabeLesen("ganz"));
    EXPECT_EQ(P.PhiCaq, 36.0f);
}

TEST_F(ProjectFile, ScaleZeroIsWrittenAs200AndReadBackAs200) {
    FillFull(1);
    P.Massstab = 0.0f;
    ASSERT_TRUE(zorm1::EingabeSchreiben("massstab"));
    EXPECT_EQ(P.Massstab, 200.0f);
    P.Massstab = 0.0f;
    ASSERT_TRUE(zorm1::EingabeLesen("massstab"));
    EXPECT_EQ(P.Massstab, 200.0f);
}

TEST_F(ProjectFile, GivenPressureCountsComeFromRowZeroAndGoBackThere) {
    P.AnzAush = 2;
    P.Aushubstufen[1].Wandfuss = 2.0f;
    P.Aushubstufen[2].Wandfuss = 2.0f;
    P.EahGeg(1, 0) = 2.0f;
    P.EphGeg(1, 0) = 0.0f;
    P.EahGeg(2, 0) = 0.0f;
    P.EphGeg(2, 0) = 1.0f;
    P.ZEahGeg(1, 1) = 0.0f;
    P.EahGeg(1, 1) = 5.0f;
    P.ZEahGeg(1, 2) = 4.0f;
    P.EahGeg(1, 2) = 15.0f;
    P.TEphGeg(2, 1) = 1.5f;
    P.EphGeg(2, 1) = -80.0f;
    ASSERT_TRUE(zorm1::EingabeSchreiben("geg"));
    EXPECT_EQ(P.AnzPunkte1, 0); // the last stage's counts
    EXPECT_EQ(P.AnzPunkte2, 1);
    const auto lines = Lines(Bytes("geg"));
    const auto start = Anfaenge(P);
    const std::vector<std::string> s39(lines.begin() + start.at(39), lines.begin() + start.at(42));
    EXPECT_EQ(s39, (std::vector<std::string>{"2,0", "0,5", "4,15", "0,1", "1.5,-80"}));

    P.EahGeg(1, 0) = 0.0f;
    P.EphGeg(2, 0) = 0.0f;
    ASSERT_TRUE(zorm1::EingabeLesen("geg"));
    EXPECT_EQ(P.EahGeg(1, 0), 2.0f);
    EXPECT_EQ(P.EphGeg(2, 0), 1.0f);
    EXPECT_EQ(P.EphGeg(2, 1), -80.0f);
}

TEST_F(ProjectFile, QuotesInTextsCannotBreakTheFile) {
    FillFull(1);
    P.ProjBez = "Halle \"Nord\"";
    ASSERT_TRUE(zorm1::EingabeSchreiben("quote"));
    ResetProjectData();
    ASSERT_TRUE(zorm1::EingabeLesen("quote"));
    EXPECT_EQ(P.ProjBez, "Halle 'Nord'");
    EXPECT_EQ(P.NKopfLF[1], 52.0f);
}

// ------------------------------------------------------------------------------------------------ saving

TEST_F(ProjectFile, FailedSaveShowsAMessageAndKeepsTheOldFile) {
    FillFull(1);
    // The target folder does not exist.
    EXPECT_FALSE(zorm1::EingabeSchreiben("fehlt/projekt"));
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text,
              "Die Datei   fehlt/projekt   konnte nicht gespeichert werden (Fehler 76) !\r\r"
              "Die bisherige Datei bleibt unverändert.");
    EXPECT_FALSE(fs::exists("fehlt"));

    // The target name is taken by a folder: nothing replaces it, and no temporary file stays behind.
    fs::create_directory("belegt");
    zor::meldeprotokoll::Zuruecksetzen();
    EXPECT_FALSE(zorm1::EingabeSchreiben("belegt"));
    EXPECT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_TRUE(fs::is_directory("belegt"));
    int dateien = 0;
    for (const auto& e : fs::directory_iterator("."))
        dateien += e.is_regular_file() && e.path().filename() != "zorH504.txt";
    EXPECT_EQ(dateien, 0);

    // A good save replaces the old file as a whole.
    vb::WriteFileBytes("alt", "alter Inhalt\r\n");
    EXPECT_TRUE(zorm1::EingabeSchreiben("alt"));
    EXPECT_EQ(Lines(Bytes("alt"))[0], "8");
}

// Mode and content of a file as it is on disk (following no link), and whether it is a link.
struct Stand {
    std::string bytes;
    mode_t mode = 0;
    ino_t ino = 0;
    nlink_t links = 0;
    bool link = false;
    bool operator==(const Stand&) const = default;
};
Stand StandVon(const std::string& name) {
    struct stat st {};
    EXPECT_EQ(::lstat(name.c_str(), &st), 0) << name;
    Stand s;
    s.link = S_ISLNK(st.st_mode);
    if (::stat(name.c_str(), &st) != 0) return s;
    s.mode = st.st_mode & 07777;
    s.ino = st.st_ino;
    s.links = st.st_nlink;
    s.bytes = vb::ReadFileBytes(name);
    return s;
}

// A project file whose mode has no write permission is write-protected: the save refuses it and leaves bytes
// and mode as they were (also for root, whom the system would let write it). A writable file keeps its mode.
TEST_F(ProjectFile, AReadOnlyProjectFileIsRefusedAndLeftAsItIs) {
    FillFull(1);
    ASSERT_TRUE(zorm1::EingabeSchreiben("projekt"));
    const std::string gespeichert = Bytes("projekt");
    for (const mode_t mode : {0444, 0400, 0555}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod("projekt", mode), 0);
        const Stand vorher = StandVon("projekt");
        P.ProjBez = "geändert";
        zor::meldeprotokoll::Zuruecksetzen();
        EXPECT_FALSE(zorm1::EingabeSchreiben("projekt"));
        EXPECT_EQ(StandVon("projekt"), vorher);
        EXPECT_EQ(vorher.bytes, gespeichert);
        ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
        EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text,
                  "Die Datei   projekt   ist schreibgeschützt und wird nicht überschrieben.\r\rBitte den "
                  "Schreibschutz aufheben oder die Eingabe unter einem anderen Namen speichern.");
        EXPECT_FALSE(fs::exists("projekt.~tmp"));
    }
    // Writable again, with a mode of its own: saved, and the mode stays.
    ASSERT_EQ(::chmod("projekt", 0640), 0);
    EXPECT_TRUE(zorm1::EingabeSchreiben("projekt"));
    EXPECT_EQ(StandVon("projekt").mode, 0640u);
    EXPECT_NE(Bytes("projekt"), gespeichert);
}

// A link stays a link: a symbolic link (also one of a chain) and a hard link both show the new bytes, which
// are those of a save under a plain name.
TEST_F(ProjectFile, ALinkedProjectFileIsWrittenThrough) {
    FillFull(1);
    fs::create_directory("ziel");
    vb::WriteFileBytes("ziel/echt", "alt\r\n");
    ASSERT_EQ(::chmod("ziel/echt", 0600), 0);
    fs::create_symlink("ziel/echt", "mittel");
    fs::create_symlink("mittel", "link");
    vb::WriteFileBytes("hart1", "alt\r\n");
    fs::create_hard_link("hart1", "hart2");
    const Stand hartVorher = StandVon("hart2");

    ASSERT_TRUE(zorm1::EingabeSchreiben("vergleich"));
    ASSERT_TRUE(zorm1::EingabeSchreiben("link"));
    ASSERT_TRUE(zorm1::EingabeSchreiben("hart1"));
    const std::string neu = Bytes("vergleich");

    EXPECT_TRUE(StandVon("link").link);
    EXPECT_TRUE(StandVon("mittel").link);
    EXPECT_EQ(fs::read_symlink("link"), "mittel");
    EXPECT_EQ(Bytes("ziel/echt"), neu);
    EXPECT_EQ(StandVon("ziel/echt").mode, 0600u);
    EXPECT_FALSE(StandVon("ziel/echt").link);

    const Stand hart = StandVon("hart2");
    EXPECT_EQ(hart.bytes, neu);
    EXPECT_EQ(hart.ino, hartVorher.ino);
    EXPECT_EQ(hart.links, 2u);
    EXPECT_EQ(StandVon("hart1").ino, hart.ino);
    for (const auto& e : fs::directory_iterator("."))
        EXPECT_EQ(e.path().filename().string().find(".~tmp"), std::string::npos) << e.path();
}

// A project named as a file the run writes would be overwritten by the run: its report copy (the name up to
// its first "." with ".AUS"), or, in the working folder, a working file of the run in any spelling. Refused
// before anything is written, with the reason; an existing file of that name stays as it is.
TEST_F(ProjectFile, ANameTheRunWritesIsRefusedBeforeAnythingIsWritten) {
    FillFull(1);
    fs::create_directory("projekte");
    const std::string hier = fs::current_path().string();
    struct Fall {
        const char* name;
        const char* grund; // nullptr: saved
    };
    const Fall faelle[] = {
        {"wand.AUS", "Der Bericht jedes Rechenlaufs wird als \"wand.AUS\" neben die Projektdatei kopiert"},
        {"projekte/Wand.aus", "als \"Wand.AUS\" neben"},
        {"projekte/Wand.Aus.", "als \"Wand.AUS\" neben"},
        {"projekte/wand.x.aus", nullptr}, // its copy is wand.AUS
        {"LPTZW", "Jeder Rechenlauf schreibt im Arbeitsordner "},
        {"lptzw.", "die Datei \"LPTZW\"; sie würde die Projektdatei überschreiben."},
        {"WEXASAVE", "die Datei \"wexasave.*\""},
        {"Wexasave.gl1", "die Datei \"wexasave.*\""},
        {"zorh504.TXT", "die Datei \"zorH504.txt\""},
        {"ZORSPERR.LCK", "die Datei \"ZORSPERR.LCK\""},
        {"projekte/LPTZW", nullptr}, // not in the working folder
        {"lptzw2x", nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        zor::meldeprotokoll::Zuruecksetzen();
        const std::string vorher = "bisher\r\n";
        vb::WriteFileBytes(f.name, vorher);
        const auto grund = zorm1::ProjektNameFehler(f.name);
        if (!f.grund) {
            EXPECT_EQ(grund, std::nullopt);
            EXPECT_TRUE(zorm1::EingabeSchreiben(f.name));
            continue;
        }
        ASSERT_TRUE(grund.has_value());
        EXPECT_NE(grund->find(f.grund), std::string::npos) << *grund;
        EXPECT_FALSE(zorm1::EingabeSchreiben(f.name));
        EXPECT_EQ(Bytes(f.name), vorher);
        ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
        EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text,
                  "Die Datei   " + std::string(f.name) + "   kann nicht als Projektdatei dienen:\r\r" + *grund +
                      "\r\rBitte einen anderen Namen wählen.");
        if (std::string(f.grund).rfind("Jeder", 0) == 0) {
            EXPECT_NE(grund->find(hier), std::string::npos);
        }
    }
}

// Another process holds the project file (another instance saves or calculates it from its own working
// folder): the save says so and leaves the file; once that process has ended, the save goes through.
TEST_F(ProjectFile, AProjectFileAnotherProcessHoldsIsLeftToIt) {
    FillFull(1);
    vb::WriteFileBytes("projekt", "bisher\r\n");
    zortest::FremdeSperre andere(fs::absolute("projekt").string());
    ASSERT_TRUE(andere.Gehalten());
    EXPECT_FALSE(zorm1::EingabeSchreiben("projekt"));
    EXPECT_EQ(Bytes("projekt"), "bisher\r\n");
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text,
              "Die Datei   projekt   wird gerade von einem anderen Programm bearbeitet\r(einem ZOR mit einem "
              "anderen Arbeitsordner).\r\rBitte warten, bis es fertig ist, oder die Eingabe unter einem anderen "
              "Namen speichern.");
    // The same process may hold it more than once (a request saves while it holds its project).
    {
        const zorm1::ProjektSperre eigene(fs::absolute("anderes").string());
        EXPECT_FALSE(eigene.belegt());
        EXPECT_TRUE(zorm1::EingabeSchreiben("anderes"));
    }
    andere.Freigeben();
    EXPECT_TRUE(zorm1::EingabeSchreiben("projekt"));
    EXPECT_NE(Bytes("projekt"), "bisher\r\n");
}

// A full disk: the temporary file of the save lies on a device that takes nothing (/dev/full answers every
// write with "no space left"). The message says that the disk is full and where; the old file stays.
TEST_F(ProjectFile, AFullDiskIsToldWithTheFolderAndTheOldFileStays) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    FillFull(1);
    vb::WriteFileBytes("projekt", "bisher\r\n");
    fs::create_symlink("/dev/full", "projekt.~tmp");
    EXPECT_FALSE(zorm1::EingabeSchreiben("projekt"));
    EXPECT_EQ(Bytes("projekt"), "bisher\r\n");
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text,
              "Die Datei   projekt   konnte nicht gespeichert werden:\r\rDer Datenträger ist voll: Im Ordner   " +
                  fs::current_path().string() +
                  "   ist kein Platz für die Datei \"projekt\".\r\rDie bisherige Datei bleibt unverändert.");
    EXPECT_FALSE(fs::exists(fs::symlink_status("projekt.~tmp")));
}

// ------------------------------------------------------------------------------------------------ header
// texts

TEST_F(ProjectFile, WritingTakesHeaderTextsFromTheFileReadingMakesThemCurrent) {
    FillFull(1);
    // Texts typed into the dialog but not stored in "zorH504.txt" are replaced by the file's.
    vb::WriteFileBytes("zorH504.txt",
                       "\"A\"\r\n\"B\"\r\n\"C\"\r\n\"D\"\r\n\"E\"\r\n\"F\"\r\n\"G\"\r\n\"H\"\r\n");
    Anzeigen::H504.DialogGeladen = true;
    Anzeigen::H504.Dialog.txtVerfasser = "getippt";
    ASSERT_TRUE(zorm1::EingabeSchreiben("kopf"));
    const auto lines = Lines(Bytes("kopf"));
    const auto start = Anfaenge(P);
    const std::vector<std::string> texte(lines.begin() + start.at(50), lines.begin() + start.at(62));
    EXPECT_EQ(texte,
              (std::vector<std::string>{"\"A\"", "\"B\"", "\"C\"", "\"D\"", "\"E\"", "\"F\"", "\"S. 1\"",
                                        "\"G\"", "10", "\"H\"", "\"HEB 240 TBW\"", "\"Profil 1\""}));

    // Reading another project's file puts its texts into the dialog and into "zorH504.txt".
    vb::WriteFileBytes("zorH504.txt",
                       "\"x\"\r\n\"x\"\r\n\"x\"\r\n\"x\"\r\n\"x\"\r\n\"x\"\r\n\"x\"\r\n\"x\"\r\n");
    Anzeigen::ResetH504();
    ASSERT_TRUE(zorm1::EingabeLesen("kopf"));
    EXPECT_EQ(Anzeigen::H504.Dialog.txtVorgang, "G");
    EXPECT_EQ(Anzeigen::H504.Dialog.txtAsbNr, "H");
    EXPECT_EQ(Bytes("zorH504.txt"),
              "\"A\"\r\n\"B\"\r\n\"C\"\r\n\"D\"\r\n\"E\"\r\n\"F\"\r\n\"G\"\r\n\"H\"\r\n");
}

TEST_F(ProjectFile, HeaderFileMissingOrShort) {
    // Missing: all eight fields empty, in the dialog and in the strip.
    Anzeigen::H504.Dialog.txtBauwerk = "alt";
    Anzeigen::H504.Leiste.txtBauwerk = "alt";
    Anzeigen::H504DateiLesen();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Anzeigen::H504.Dialog[i], "");
        EXPECT_EQ(Anzeigen::H504.Leiste[i], "");
    }
    // Short: the remaining fields take the last text read.
    vb::WriteFileBytes("zorH504.txt", "\"eins\"\r\n\"zwei, mit Komma\"\r\nohne Anfuehrung\r\n");
    Anzeigen::H504DateiLesen();
    EXPECT_EQ(Anzeigen::H504.Dialog.txtVerfasser, "eins");
    EXPECT_EQ(Anzeigen::H504.Dialog.txtVerfasser2, "zwei, mit Komma");
    EXPECT_EQ(Anzeigen::H504.Dialog.txtBauwerk, "ohne Anfuehrung");
    EXPECT_EQ(Anzeigen::H504.Dialog.txtAsbNr, "ohne Anfuehrung");
    EXPECT_EQ(Anzeigen::H504.Leiste.txtDatum, "ohne Anfuehrung");

    // Writing: eight quoted lines, empty texts as "".
    Anzeigen::H504.Dialog = {};
    Anzeigen::H504.Dialog.txtVerfasser = "Dipl.-Ing. Jörg";
    Anzeigen::H504.Dialog.txtAsbNr = "7";
    ASSERT_TRUE(Anzeigen::H504DateiSchreiben());
    EXPECT_EQ(Bytes("zorH504.txt"),
              "\"Dipl.-Ing. J\xF6rg\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"7\"\r\n");

    // The same texts again: the file is left as it is (not replaced by a new one); other texts replace it.
    struct stat vorher {};
    ASSERT_EQ(::stat("zorH504.txt", &vorher), 0);
    ASSERT_TRUE(Anzeigen::H504DateiSchreiben());
    struct stat nachher {};
    ASSERT_EQ(::stat("zorH504.txt", &nachher), 0);
    EXPECT_EQ(nachher.st_ino, vorher.st_ino);
    Anzeigen::H504.Dialog.txtAsbNr = "8";
    ASSERT_TRUE(Anzeigen::H504DateiSchreiben());
    EXPECT_EQ(Bytes("zorH504.txt"),
              "\"Dipl.-Ing. J\xF6rg\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"8\"\r\n");
}

} // namespace

namespace {

TEST_F(ProjectFile, CountsBeyondTheFileCapacityAreCutSoTheFileStaysReadable) {
    FillFull(1);
    P.AnzErd = 14; // more layers than the file can hold (a run splits layers)
    P.SchichtDicke[13] = 7.0f;
    P.ErdLastNichtIn(1, 1, 0) = 9;
    P.AnzLastErdLF[2] = 11;
    ASSERT_TRUE(zorm1::EingabeSchreiben("zuviel"));
    ResetProjectData();
    ASSERT_TRUE(zorm1::EingabeLesen("zuviel"));
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
    EXPECT_EQ(P.AnzErd, 12);
    EXPECT_EQ(P.SchichtDicke[13], 0.0f);
    EXPECT_EQ(P.ErdLastNichtIn(1, 1, 0), 8);
    EXPECT_EQ(P.AnzLastErdLF[2], 8);
    EXPECT_EQ(P.NKopfLF[8], 59.0f); // the last statement is in its place
}

} // namespace
