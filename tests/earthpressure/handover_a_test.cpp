// Hand-over files of the first stage of a run: their layouts, their readers and the small
// routines that work on the loaded values.
#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/stage_table.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "stage_a_fixture.h"

using zorm1::P;

namespace {

using namespace stagea_test;

class Uebergabe : public Arbeitsordner {};

// Three load cases: 3, 2 and 1 wall loads; the first with two earth-side loads.
void DreiLastfaelle() {
    BeispielProjekt();
    P.AnzLF = 3;
    const int luft[] = {3, 2, 1};
    for (int lc = 1; lc <= 3; ++lc) {
        P.AnzLastLuftLF[lc] = static_cast<int16_t>(luft[lc - 1]);
        P.AnzLastErdLF[lc] = 0;
        for (int j = 1; j <= luft[lc - 1]; ++j) {
            P.LuftLastH(lc, j) = 10.0f * lc + j;
            P.LuftLastM(lc, j) = -1.5f * j;
            P.LuftLastZ(lc, j) = 0.5f * lc + 0.25f * j;
        }
    }
    P.LuftLastNichtIn(1, 2, 0) = 2;
    P.LuftLastNichtIn(1, 2, 1) = 1;
    P.LuftLastNichtIn(1, 2, 2) = 3;
    P.AnzLastErdLF[1] = 2;
    for (int j = 1; j <= 2; ++j) {
        P.ErdLastPv(1, j) = 10.5f * j;
        P.ErdLastPh(1, j) = 2.0f;
        P.ErdLastXA(1, j) = 1.0f * j;
        P.ErdLastXE(1, j) = j == 1 ? 999.0f : 6.0f;
        P.ErdLastZ(1, j) = 0.3f;
        P.ErdLastDauer(1, j) = 40.0f;
        P.ErdLastRuheProz(1, j) = 50;
        P.ErdLastRuheFaktor(1, j) = 1.25f;
    }
    P.ErdLastNichtIn(1, 2, 0) = 1;
    P.ErdLastNichtIn(1, 2, 1) = 2;
}

TEST_F(Uebergabe, LoadCaseWithoutLoadsWritesOnlyItsCountLine) {
    BeispielProjekt();
    P.AnzLF = 2;
    P.AnzLastLuftLF[2] = 0;
    P.AnzLastErdLF[2] = 0;
    zorma::LastSchreiben();
    const auto z = Zeilen(Datei("ZORLAST"));
    // 2 / 0,1 / load / count 0 of not-acting stages (no stage lines) / at-rest line / 0,0
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(z[0], "2");
    EXPECT_EQ(z[1], "0,1");
    EXPECT_EQ(z[2], "10,0,0,999,0,0,0");
    EXPECT_EQ(z[3], "0,1");
    EXPECT_EQ(z[4], "0,0");
}

TEST_F(Uebergabe, SinglesCarryUpToSevenSignificantDigits) {
    BeispielProjekt();
    P.ErdLastPv(1, 1) = 1.234567f;
    P.ErdLastPh(1, 1) = -0.5f;
    P.ErdLastXA(1, 1) = 12345.67f;
    zorma::LastSchreiben();
    const auto z = Zeilen(Datei("ZORLAST"));
    ASSERT_GE(z.size(), 3u);
    EXPECT_EQ(z[2], "1.234567,-.5,12345.67,999,0,0,0");
}

TEST_F(Uebergabe, LastfallLesenLeavesExactlyTheRequestedLoadCase) {
    DreiLastfaelle();
    zorma::LastSchreiben();
    auto& L = zormcom::Lauf;

    zormcom::LastfallLesen(1);
    EXPECT_EQ(P.AnzLF, 3);
    EXPECT_EQ(L.AnzLastLuft, 3);
    EXPECT_EQ(L.AnzLastErd, 2);
    EXPECT_FLOAT_EQ(L.LuftH[3], 13.0f);
    EXPECT_EQ(L.LuftNichtIn(2, 0), 2);
    EXPECT_EQ(L.LuftNichtIn(2, 2), 3);
    EXPECT_FLOAT_EQ(L.ErdPv[2], 21.0f);
    EXPECT_FLOAT_EQ(L.ErdXE[2], 6.0f);
    EXPECT_FLOAT_EQ(L.ErdDauer[2], 40.0f);
    EXPECT_EQ(L.ErdNichtIn(2, 1), 2);
    EXPECT_EQ(L.ErdRuheProz[2], 50);
    EXPECT_FLOAT_EQ(L.ErdRuheFaktor[2], 1.25f);

    L.LuftH[5] = 99.0f;
    L.ErdPh[9] = 99.0f;
    zormcom::LastfallLesen(3);
    EXPECT_EQ(L.AnzLastLuft, 1);
    EXPECT_EQ(L.AnzLastErd, 0);
    EXPECT_FLOAT_EQ(L.LuftH[1], 31.0f);
    EXPECT_FLOAT_EQ(L.LuftM[1], -1.5f);
    EXPECT_FLOAT_EQ(L.LuftZ[1], 1.75f);
    // H, M, pv and ph are cleared before the blocks are read; entries behind the count keep
    // what the blocks of load cases 1 and 2 left there.
    EXPECT_EQ(L.LuftH[5], 0.0f);
    EXPECT_EQ(L.ErdPh[9], 0.0f);
    EXPECT_FLOAT_EQ(L.LuftH[2], 22.0f); // load case 2, load 2
    EXPECT_FLOAT_EQ(L.LuftZ[2], 1.5f);
    EXPECT_FLOAT_EQ(L.LuftZ[3], 1.25f); // load case 1, load 3
    EXPECT_FLOAT_EQ(L.ErdPv[1], 10.5f);
    EXPECT_FLOAT_EQ(L.ErdXE[2], 6.0f);
}

TEST_F(Uebergabe, LoadsActOutsideTheirListedStages) {
    DreiLastfaelle();
    zorma::LastSchreiben();
    zormcom::LastfallLesen(1);
    struct Fall {
        int16_t stufe, j;
        int16_t luft, erd;
    } faelle[] = {{1, 1, 1, 1}, {1, 2, 0, 1}, {2, 2, 1, 0}, {3, 2, 0, 1}};
    for (const auto& f : faelle) {
        P.AushNr = f.stufe;
        int16_t wirkt = -1;
        zormcom::LastWirkt1(f.j, wirkt);
        EXPECT_EQ(wirkt, f.luft) << "wall load " << f.j << " stage " << f.stufe;
        zormcom::LastWirkt2(f.j, wirkt);
        EXPECT_EQ(wirkt, f.erd) << "earth-side load " << f.j << " stage " << f.stufe;
    }
}

TEST_F(Uebergabe, LimitedOrHeavyActingLoadsSetTheFlag) {
    struct Fall {
        float pv, xE;
        int16_t nichtInStufe;
        int16_t flag;
    } faelle[] = {
        {10.0f, 999.0f, 0, 0}, // unlimited, not above 10 kN/m2
        {10.5f, 999.0f, 0, 1}, // unlimited, heavier
        {5.0f, 20.0f, 0, 1},   // limited
        {50.0f, 20.0f, 1, 0},  // does not act in stage 1
    };
    auto& L = zormcom::Lauf;
    for (const auto& f : faelle) {
        zormcom::LaufwerteZuruecksetzen();
        P.AushNr = 1;
        L.ErdPv[1] = f.pv;
        L.ErdXE[1] = f.xE;
        L.ErdNichtIn(1, 0) = f.nichtInStufe != 0 ? 1 : 0;
        L.ErdNichtIn(1, 1) = f.nichtInStufe;
        int16_t wirkt = 0;
        zormcom::LastWirkt2(1, wirkt);
        EXPECT_EQ(L.LastKleinFlag, f.flag) << f.pv << " " << f.xE;
    }
    // Never cleared by the routine.
    L.LastKleinFlag = 1;
    L.ErdPv[1] = 1.0f;
    L.ErdXE[1] = 999.0f;
    L.ErdNichtIn(1, 0) = 0;
    int16_t wirkt = 0;
    zormcom::LastWirkt2(1, wirkt);
    EXPECT_EQ(L.LastKleinFlag, 1);
}

TEST_F(Uebergabe, StagesRoundTripThroughZORAUSH) {
    BeispielProjekt();
    P.AnzAush = 3;
    Stufe(2, 5.5f, 2);
    Stufe(3, 7.25f, 4);
    // Every place of stage 2 with a value of its own, the unused ones included.
    zorm1::AushubSpalte spalte = zorm1::AushubAlsSpalte(P.Aushubstufen[2]);
    for (int r = 1; r <= 130; ++r)
        spalte[static_cast<size_t>(r)] += 0.001f * r;
    P.Aushubstufen[2] = zorm1::AushubAusSpalte(spalte);
    P.AnzFigur6Aush[2] = 3;
    P.Ze1Fig6Aush[2] = 6.5f;
    P.UmZeit[2] = 3;
    P.UmArt[2] = 1;
    P.kzUeb[2] = 1;
    P.kzWasserenthAush[2] = 1;
    P.EpsFuss6Aush[2] = 0.4f;
    for (int k = 1; k <= 3; ++k) {
        P.Fig6Verh(2, k) = 0.25f * k;
        P.Fig6Z(2, k) = 1.5f * (k - 1);
    }
    P.AnzFigur6Aush[3] = 0;
    P.UmZeit[3] = 4;
    zorma::AushSchreiben();
    const auto stufen = P.Aushubstufen;

    P.Aushubstufen.fill(zorm1::Aushubstufe{});
    P.AnzAush = 0;
    zormcom::AushubDateiLesen(2);
    auto& L = zormcom::Lauf;
    EXPECT_EQ(P.AnzAush, 3);
    // The hand-over file holds the single-precision text form: every place comes back to within its last
    // digit.
    for (size_t s = 1; s <= 2; ++s) {
        const auto gelesen = zorm1::AushubAlsSpalte(P.Aushubstufen[s]);
        const auto geschrieben = zorm1::AushubAlsSpalte(stufen[s]);
        for (size_t r = 1; r <= 130; ++r)
            EXPECT_FLOAT_EQ(gelesen[r], geschrieben[r]) << s << "/" << r;
    }
    EXPECT_EQ(P.Aushubstufen[3], zorm1::Aushubstufe{}); // stage 3 not read
    EXPECT_EQ(L.AnzFigur6, 3);
    EXPECT_FLOAT_EQ(L.Ze1Fig6, 6.5f);
    EXPECT_EQ(L.UmZeitAkt, 3);
    EXPECT_EQ(L.UmArtAkt, 1);
    EXPECT_EQ(zormcom::Lauf.kzUebAkt, 1);
    EXPECT_EQ(zormcom::Lauf.kzWasserenth, 1);
    EXPECT_FLOAT_EQ(L.EpsFuss6, 0.4f);
    EXPECT_FLOAT_EQ(L.Fig6VerhAkt[3], 0.75f);
    EXPECT_FLOAT_EQ(L.Fig6ZAkt[3], 3.0f);

    zormcom::AushubDateiLesen(3);
    EXPECT_EQ(L.AnzFigur6, 0);
    EXPECT_EQ(L.UmZeitAkt, 4);
    EXPECT_FLOAT_EQ(P.Aushubstufen[3].zAush, 7.25f);
    EXPECT_FALSE(vb::IsOpen(zormcom::Lauf.DateiNr));

    // Read again over values changed in memory: the same stages and figure-6 values as the first read,
    // the entries of stage 2 beyond stage 3's count included.
    const auto erste = P.Aushubstufen;
    P.Aushubstufen.fill(zorm1::Aushubstufe{});
    P.AnzAush = 0;
    L.AnzFigur6 = 9;
    L.Fig6VerhAkt[2] = 0.0f;
    L.UmZeitAkt = 0;
    zormcom::AushubDateiLesen(2);
    EXPECT_EQ(P.AnzAush, 3);
    EXPECT_EQ(P.Aushubstufen[1], erste[1]);
    EXPECT_EQ(P.Aushubstufen[2], erste[2]);
    EXPECT_EQ(P.Aushubstufen[3], zorm1::Aushubstufe{});
    EXPECT_EQ(L.AnzFigur6, 3);
    EXPECT_FLOAT_EQ(L.Fig6VerhAkt[2], 0.5f);
    EXPECT_EQ(L.UmZeitAkt, 3);
    zormcom::AushubDateiLesen(3);
    EXPECT_EQ(P.Aushubstufen[3], erste[3]);
    EXPECT_FALSE(vb::IsOpen(zormcom::Lauf.DateiNr));

    // The file written anew with a stage level of the same length: the read takes the new bytes.
    P.Aushubstufen[3].zAush = 7.75f;
    zorma::AushSchreiben();
    zormcom::AushubDateiLesen(3);
    EXPECT_FLOAT_EQ(P.Aushubstufen[3].zAush, 7.75f);
    P.Aushubstufen[3].zAush = 0.0f;
    zormcom::AushubDateiLesen(3);
    EXPECT_FLOAT_EQ(P.Aushubstufen[3].zAush, 7.75f);
}

TEST_F(Uebergabe, ReadingPastTheFileRaisesAnErrorAndFreesTheFile) {
    BeispielProjekt();
    zorma::LastSchreiben();
    EXPECT_THROW(zormcom::LastfallLesen(2), vb::RuntimeError); // only one load case in the file
    const int16_t frei = vb::FreeFile();
    EXPECT_EQ(frei, 1);
}

TEST_F(Uebergabe, Z11WithoutSlopesHoldsTheZeroCountThenTheTwelveStages) {
    BeispielProjekt();
    P.GradZuRad = kGrad;
    P.AnzErd = 1;
    zormcom::Lauf.SchichtKote[1] = 0.0f;
    zormcom::Lauf.SchichtKote[2] = 99.0f;
    P.SchichtDicke[1] = 99.0f;
    P.DeltaZF = 30.0f;
    zormcom::Lauf.kzStroem = 1;
    P.DeltaNeuAushub[1] = 2;
    P.DeltaNeuAushub[12] = 7;
    zorma::Z11Schreiben();
    const auto z = Zeilen(Datei("ZORZ11"));
    ASSERT_EQ(z.size(), 1u + 3u + 1u + 1u + 12u);
    EXPECT_EQ(z[0], "1");
    // Top 99, seepage flag, heave flag, thickness, DeltaZF in radians.
    EXPECT_EQ(z[4].substr(0, 12), "99,1,0,99,.5");
    EXPECT_EQ(z[5], "0");
    EXPECT_EQ(z[6], "2");
    EXPECT_EQ(z[17], "7");
}

// Every value of ZORZ11 goes where its reader expects it.
TEST_F(Uebergabe, Z11LayerRecordsInTheirOrder) {
    BeispielProjekt();
    P.AnzErd = 1;
    float w = 1.0f;
    for (auto* a : {&zormcom::Lauf.SchichtKaAnteil, &zormcom::Lauf.SchichtK0Anteil,
                    &zormcom::Lauf.SchichtKote, &P.SchichtPhi, &P.SchichtDeltaA, &P.SchichtGamma,
                    &P.SchichtGammaAuftrieb, &P.SchichtCa, &zormcom::Lauf.SchichtKagh,
                    &zormcom::Lauf.SchichtKpgh, &zormcom::Lauf.SchichtKach, &zormcom::Lauf.SchichtKpch})
        (*a)[1] = (w += 1.0f);
    for (auto* a : {&P.SchichtDicke, &P.SchichtDeltaP, &P.SchichtCp, &P.SchichtEI, &P.SchichtKaghVorgabe,
                    &P.SchichtKachVorgabe, &P.SchichtKpchVorgabe, &P.SchichtKpghVorgabe, &P.SchichtDeltaANeu,
                    &P.SchichtDeltaPNeu})
        (*a)[1] = (w += 1.0f);
    P.SchichtGammaAush[1] = 101.0f;
    P.SchichtGammaAuftriebAush[1] = 102.0f;
    zorma::Z11Schreiben();
    const auto z = Zeilen(Datei("ZORZ11"));
    EXPECT_EQ(z[1], "2,3,0,4,14,5,6,101,102,15");
    EXPECT_EQ(z[2], "9,16,7,8,17,18,19,20,21");
    EXPECT_EQ(z[3], "10,11,12,13,22,23");
}

TEST_F(Uebergabe, Z12AndGLFRHoldTheirValuesInOrder) {
    BeispielProjekt();
    P.SchichtGammaAuftrieb[1] = 10.5f;
    P.SchichtGammaAuftriebAush[1] = 11.0f;
    P.SchichtGammaAuftrieb[2] = 9.0f;
    P.SchichtGammaAuftriebAush[2] = 8.5f;
    P.EtaGl = 1.5f;
    P.AnzAnkerGesamt = 2;
    P.ZAuflager[1] = 1.5f;
    P.AnkerNeigungGrad[1] = 25.0f;
    P.AnkerLmin[1] = 6.0f;
    P.AnkerLmax[1] = 12.0f;
    P.ZAuflager[2] = 4.0f;
    P.AnkerNeigungGrad[2] = 0.0f;
    zorma::Z12Schreiben();
    zorma::GlfrSchreiben();
    EXPECT_EQ(Text(Datei("ZORZ12")), "2\r\n10.5,11\r\n9,8.5\r\n");
    EXPECT_EQ(Text(Datei("ZORGLFR")), "1.5,2\r\n1.5,25,6,12\r\n4,0,0,0\r\n");
}

TEST_F(Uebergabe, GivenPassivePointsStartWithAJumpAtTheExcavationLevel) {
    auto& L = zormcom::Lauf;
    P.zAush = 4.0f;
    P.Etap = 1.5f;
    L.AnzEphGegeben = 0;
    zormcom::ErdwiderstandVorgabe();
    ASSERT_EQ(L.Eph.n, 2);
    EXPECT_EQ(L.Eph.z[1], 0.0f);
    EXPECT_EQ(L.Eph.e[1], 0.0f);
    EXPECT_FLOAT_EQ(L.Eph.z[2], 3.999f);
    EXPECT_EQ(L.Eph.e[2], 0.0f);

    L.AnzEphGegeben = 2;
    L.EphGegAktZ[1] = 4.0f;
    L.EphGegAktE[1] = -30.0f;
    L.EphGegAktZ[2] = 99.0f;
    L.EphGegAktE[2] = -300.0f;
    zormcom::ErdwiderstandVorgabe();
    ASSERT_EQ(L.Eph.n, 4);
    EXPECT_FLOAT_EQ(L.Eph.z[3], 4.0f);
    EXPECT_FLOAT_EQ(L.Eph.e[3], -20.0f);
    EXPECT_FLOAT_EQ(L.Eph.z[4], 99.0f);
    EXPECT_FLOAT_EQ(L.Eph.e[4], -200.0f);
}

TEST_F(Uebergabe, GivenPassivePointsBeyondTheListAreRefused) {
    auto& L = zormcom::Lauf;
    P.Etap = 1.5f;
    L.AnzEphGegeben = 16;
    EXPECT_THROW(zormcom::ErdwiderstandVorgabe(), vb::RuntimeError);
}

} // namespace
