// Plot records read from hand-made files, and the maxima files checked against maxima taken by hand.
#include <fstream>

#include "graphics/plot.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbfile.h"
#include "plot_writer.h"

namespace grafik_test {
namespace {

std::vector<std::string> Zeilen(const std::string& datei) {
    std::ifstream f(datei);
    std::vector<std::string> z;
    for (std::string l; std::getline(f, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        z.push_back(l);
    }
    return z;
}

class Plot : public GrafikTest {};

TEST_F(Plot, RecordIsReadAndAPassiveListWithFlagZeroIsSkipped) {
    SatzText s;
    s.anker = {{2.0f, 9.0f, 120.0f}};
    s.auflager = {{2.0f, 130.0f}, {5.0f, 80.0f}};
    s.folge = "112";
    s.f = 0;
    s.w = 7; // no C9 lines follow with f = 0
    s.glf[1] = 11;
    s.glf[20] = 20;
    PlotDatei({s, s});
    vb::FileGuard f("ZZZPLOT2", vb::OpenMode::Input);
    for (int i = 0; i < 2; ++i) {
        zorg::PlotSatz p;
        std::string fehler;
        ASSERT_TRUE(zorg::PlotLesen(f.nr(), p, fehler)) << fehler;
        EXPECT_EQ(p.AnzKoten, 2);
        EXPECT_FLOAT_EQ(p.Normalkraft[2], -10.0f);
        EXPECT_FLOAT_EQ(p.AnkerPlotAh[1], 120.0f);
        EXPECT_EQ(p.GlfAnkerFolge, "112");
        EXPECT_FLOAT_EQ(p.AuflagerKraft[2], 80.0f);
        EXPECT_EQ(p.AnzGleitflaechen, 0);
        EXPECT_FLOAT_EQ(p.GlfWert[1], 11.0f);
        EXPECT_FLOAT_EQ(p.GlfWert[20], 20.0f);
        EXPECT_FLOAT_EQ(p.zFuss, 7.0f);
    }
}

TEST_F(Plot, RecordsWithoutAWaterBlockStayAligned) {
    auto lauf = Lauf(1, 2);
    for (auto& s : lauf)
        s.wasser = false;
    lauf[1].summeV = 33;
    lauf[1].glf[20] = 7;
    PlotDatei(lauf);
    vb::FileGuard f("ZZZPLOT2", vb::OpenMode::Input);
    zorg::PlotSatz p;
    std::string fehler;
    ASSERT_TRUE(zorg::PlotLesen(f.nr(), p, fehler)) << fehler;
    EXPECT_EQ(p.AnzWasserPunkte, 0);
    ASSERT_TRUE(zorg::PlotLesen(f.nr(), p, fehler)) << fehler;
    EXPECT_EQ(p.AushNr, 2);
    EXPECT_FLOAT_EQ(p.SummeV, 33.0f);
    EXPECT_FLOAT_EQ(p.GlfWert[20], 7.0f);
}

TEST_F(Plot, TheRunsPartialFactorsCloseTheRecordWhereTheRunWroteThem) {
    // a record of a run under partial factors, then one without the two values: both read, in step
    auto lauf = Lauf(1, 2);
    lauf[0].faktoren = {1.2f, 1.3f};
    lauf[0].glf[20] = 5;
    lauf[1].glf[20] = 7;
    PlotDatei(lauf);
    vb::FileGuard f("ZZZPLOT2", vb::OpenMode::Input);
    zorg::PlotSatz p;
    std::string fehler;
    ASSERT_TRUE(zorg::PlotLesen(f.nr(), p, fehler)) << fehler;
    EXPECT_FLOAT_EQ(p.GlfWert[20], 5.0f);
    EXPECT_FLOAT_EQ(p.gamEWirkPlot, 1.2f);
    EXPECT_FLOAT_EQ(p.gamReWirkPlot, 1.3f);
    ASSERT_TRUE(zorg::PlotLesen(f.nr(), p, fehler)) << fehler;
    EXPECT_EQ(p.AushNr, 2);
    EXPECT_FLOAT_EQ(p.GlfWert[20], 7.0f);
    EXPECT_FLOAT_EQ(p.gamEWirkPlot, 0.0f);
    EXPECT_FLOAT_EQ(p.gamReWirkPlot, 0.0f);
}

TEST_F(Plot, ShortOrOverfullRecordsAreRefusedWithoutReadingPastTheirEnd) {
    struct Fall {
        const char* was;
        std::string text;
    };
    SatzText zuVieleQ;
    zuVieleQ.q = 16;
    SatzText zuVieleW;
    zuVieleW.f = 1;
    zuVieleW.w = 101;
    for (int i = 0; i < 101; ++i)
        zuVieleW.keile.push_back({float(i), 0.5f});
    SatzText einFaktor; // line C16 with one value too many for the slip plane and one too few for the factors
    einFaktor.faktoren = {1.2f};
    const std::string ganz = SatzText{}.Text();
    for (const Fall& f :
         {Fall{"kurz", ganz.substr(0, ganz.size() / 2)}, Fall{"q 16", zuVieleQ.Text()},
          Fall{"w 101", zuVieleW.Text()}, Fall{"C16 mit 10", einFaktor.Text()}, Fall{"leer", ""}}) {
        {
            std::ofstream o("ZZZPLOT2", std::ios::binary);
            o << f.text;
        }
        vb::FileGuard d("ZZZPLOT2", vb::OpenMode::Input);
        zorg::PlotSatz p;
        std::string fehler;
        EXPECT_FALSE(zorg::PlotLesen(d.nr(), p, fehler)) << f.was;
        EXPECT_FALSE(fehler.empty());
    }
}

TEST_F(Plot, MaximaFilesHoldTheMaximaTakenByHand) {
    // load case 1: stage 1 deflections all negative, stage 2 mixed; load case 2 a larger Sum V
    auto lauf = Lauf(2, 2);
    lauf[0].knoten = {{0, 1, -2, 3, -4, 5}, {6, -6, -7, -8, 9, -10}};
    lauf[0].zE = 6.5f;
    lauf[1].knoten = {{0, 2, 4, -30, 1, 1}, {9, 0, -1, 20, -2, 0}};
    lauf[1].zE = 9.5f;
    lauf[1].sigmaV = {{0, -3}, {7.5f, 2}};
    lauf[2].summeV = 40;
    lauf[3].summeV2 = 55;
    PlotDatei(lauf);
    {
        std::ofstream a("ANKMAX.-12");
        a << "1,2.5,-50\n";
    }
    const auto e = zorg::MaximaErmitteln(2, 2, {0, 3.0f, 5.0f});
    ASSERT_TRUE(e.ok) << e.fehler;
    EXPECT_FLOAT_EQ(e.ZFussMax, 9.5f);
    EXPECT_EQ(e.StufeMaxAushub, 2);
    EXPECT_FLOAT_EQ(e.AnkMaxWert2, 2.5f);
    EXPECT_FLOAT_EQ(e.AnkMaxWert3, -50.0f);
    const auto m = Zeilen("ZORGMAX.ZZZ");
    ASSERT_EQ(m.size(), 8u);
    // stage 1: zE, deepest sigmaV 5, |sigmaV| 12.5, |load| 6, |defl| 7, |M| 8, |Q| 9, |N| 10
    EXPECT_EQ(m[0], "6.5,5,12.5,6,7,8,9,10");
    // greatest deflection 0 (all negative), least -7; M 3/-8; Q 9/-4; N 5/-10; SumV2, SumV
    EXPECT_EQ(m[1], "0,-7,3,-8,9,-4,5,-10,12,10");
    EXPECT_EQ(m[2], "9.5,7.5,3,2,4,30,2,1");
    const auto m2 = Zeilen("ZORGMAX2.ZZZ");
    ASSERT_EQ(m2.size(), 4u);
    EXPECT_EQ(m2[0], "9.5,7.5,7,30,9");
    EXPECT_EQ(m2[1], "4,-7,20,-30,9,-4,12,10"); // Sum V (k), then (d)
    const auto m3 = Zeilen("ZORGMAX3.ZZZ");
    ASSERT_EQ(m3.size(), 2u);
    EXPECT_EQ(m3[1], "4,-7,20,-30,9,-9,55,40"); // load case 2 brings Q = -9
    zorg::SatzMaxima s;
    ASSERT_TRUE(zorg::MaximaLesen(2, s));
    EXPECT_FLOAT_EQ(s.ZEndeKoten, 9.5f);
    EXPECT_FALSE(zorg::MaximaLesen(5, s));
}

TEST_F(Plot, MissingOrShortPlotFileEndsThePassWithAMessage) {
    auto e = zorg::MaximaErmitteln(1, 1, {});
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.fehler.find("ZZZPLOT2"), std::string::npos);
    PlotDatei(Lauf(1, 2));
    e = zorg::MaximaErmitteln(1, 3, {});
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.fehler.find("zu kurz"), std::string::npos);
}

} // namespace
} // namespace grafik_test
