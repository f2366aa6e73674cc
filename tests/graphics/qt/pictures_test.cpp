// Picture 1 and a statics picture rendered to PNG images, and one picture printed to PDF, through Qt.
// ZOR_BILD_ORDNER keeps the files for looking at them.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "platform/draw/devices.h"
#include "platform/qt/draw_image.h"
#include "platform/qt/draw_printer.h"
#include "platform/qt/draw_qt.h"
#include "platform/runtime/vbnum.h"
#include "tests/graphics/qt/picture_fixture.h"
#include "tests/support/working_folder.h"

using bild_test::Datei;
using bild_test::Dunkel;
using zorm1::P;

namespace {

class Bild : public ::testing::Test {
protected:
    void SetUp() override {
        bild_test::Grundstellung('.');
        P.GradZuRad = 3.141593f / 180.0f;
        P.GanzerName = (std::filesystem::current_path() / "Baugrube Nord.zor").string();
        P.DWand = 0.6f;
        P.Wandtyp = 3;
        P.AnzErd = 3;
        const float dicke[4] = {0, 2, 3, 5}, phi[4] = {0, 30, 32.5f, 27.5f}, gam[4] = {0, 18, 19, 20};
        for (size_t k = 1; k <= 3; ++k) {
            P.SchichtDicke[k] = dicke[k];
            P.SchichtPhi[k] = phi[k];
            P.SchichtDeltaA[k] = phi[k] * 2 / 3;
            P.SchichtDeltaP[k] = -phi[k] / 2;
            P.SchichtGamma[k] = gam[k];
            P.SchichtGammaAuftrieb[k] = gam[k] - 10;
        }
        P.AnzBoesch = 1;
        P.BoeschX1[1] = 2, P.BoeschZ1[1] = 0, P.BoeschX2[1] = 6, P.BoeschZ2[1] = -2;
        P.Aushubstufen[1].zAush = 4.5f;
        P.Aushubstufen[1].AnzAnker = 1; // the support at 2 m is in force
        P.Aushubstufen[1].ZAnker[1] = 2;
        P.Aushubstufen[1].ZNextAnker = 99;
        P.Aushubstufen[1].ZWasserLuft = 6.0f; // excavation-side water
        P.Aushubstufen[1].ZWasserErd = 3.0f;  // earth-side water
        P.Aushubstufen[1].AnzSohlLast = 1;    // a bottom load
        P.Aushubstufen[1].SohlLastX1[1] = -1, P.Aushubstufen[1].SohlLastX2[1] = -4,
        P.Aushubstufen[1].SohlLastQ[1] = 15;
        P.Aushubstufen[1].SohlLastZ[1] = 4.5f;
        P.WandKopf = 1;
        P.AnzLF = 1;
        P.AnzLastErdLF[1] = 1;
        P.ErdLastPv(1, 1) = 10, P.ErdLastPh(1, 1) = 2.5f, P.ErdLastXA(1, 1) = 1.5f, P.ErdLastXE(1, 1) = 999;
        P.ErdLastZ(1, 1) = -2.0f;
        P.AnzLastLuftLF[1] = 1;
        P.LuftLastH(1, 1) = 20, P.LuftLastM(1, 1) = 5, P.LuftLastZ(1, 1) = 1.0f;
        P.GelaendebruchEin = 1;
        {
            std::FILE* f = std::fopen("DIDUVU.PLT", "wb");
            std::fprintf(f, "1,1,13\r\n3.5,-4.5,14.2,1.45\r\n");
            for (int i = 0; i <= 12; ++i) {
                const double a = (25 + i * 10.0) * 3.14159265 / 180; // the arc below the centre
                std::fprintf(f, "%.3f,%.3f\r\n", 3.5 + 14.2 * std::cos(a), -4.5 + 14.2 * std::sin(a));
            }
            std::fclose(f);
        }
        P.zAush = 4.5f;
        P.AnzAnkerGesamt = 1;
        P.ZAuflager[1] = 2;
        P.AnkerNeigungGrad[1] = 15;
        P.AnkerAbstand[1] = 2.5f;
        auto& g = zorg::Grafik();
        g.ZFussMax = 9.2f;
        g.StufeMaxAushub = 1;
        auto& s = g.plot;
        s.zFuss = 8.7f;
        s.DeltaTPlot = 0.5f;
        s.KraftMax = 7.0f;
        s.GleitWinkelPlot1 = 0.95f;
        s.GleitWinkelPlot2 = 0.45f;
        s.AnzAnkerPlot = 1;
        s.AnkerPlotZ = {0, 2, 0};
        s.AnkerPlotLaenge = {0, 10.5f, 0};
        s.AnkerPlotAh = {0, 180, 0};
        s.GlfAnkerFolge = "91";
        s.GlfMaxPlot = 30;
        s.EtaGlfPlot = 1.7f;
        s.AnzAuflagerKraft = 1;
        s.AuflagerKraftZ = {0, 2, 0};
        s.AuflagerKraft = {0, 180, 0};
        s.GlfWert[9] = 900, s.GlfWert[3] = 150, s.GlfWert[4] = 60, s.GlfWert[16] = 250, s.GlfWert[17] = 700;
        s.GlfWert[18] = 250, s.GlfWert[19] = 60, s.GlfWert[2] = 150, s.GlfWert[1] = 80;
        s.GlfWert[12] = 5, s.GlfWert[13] = 3.5f, s.GlfWert[14] = 5, s.GlfWert[20] = 4;
    }
    void TearDown() override {
        vb::draw::SetPrinter(nullptr);
        vb::SetDecimalSeparator(0);
    }
    zortest::WorkingFolder ordner_;
};

TEST_F(Bild, SystemAndStaticsPicturesRenderToPng) {
    for (auto [art, name] :
         {std::pair<int16_t, const char*>{2, "bild1_system.png"}, {3, "bild2_statik.png"}}) {
        vb::draw::qt::ImageSurface img(1100, 820);
        img.SetAntialiasing(true);
        ASSERT_TRUE(zorg::BildZeichnen(img, art, 1, 1));
        EXPECT_GT(Dunkel(img.Image()), 2000) << name;
        EXPECT_TRUE(img.SavePng(Datei(name)));
    }
}

TEST_F(Bild, PrintedPictureIsOnePdfWithTagAndProjectName) {
    if (!bild_test::PdfTextDa()) GTEST_SKIP() << "poppler-utils missing";
    auto drucker = std::make_unique<vb::draw::qt::PrinterSurface>(vb::draw::qt::PrinterSurface::Target::Pdf);
    vb::draw::SetPrinter(drucker.get());
    for (int16_t h504 : {0, -1}) {
        P.H504Ein = h504;
        ASSERT_TRUE(zorg::BildDrucken(*drucker, 3, 1, 1, 2));
        const std::string pdf = drucker->LastDocumentFile();
        ASSERT_FALSE(pdf.empty());
        EXPECT_NE(pdf.find("B102"), std::string::npos) << pdf; // named after the project and the tag
        EXPECT_NE(pdf.find("Baugrube Nord"), std::string::npos) << pdf;
        const std::string text = bild_test::PdfText(pdf);
        EXPECT_NE(text.find("B102 zu "), std::string::npos) << text;
        EXPECT_NE(text.find("Baugrube Nord"), std::string::npos);
        if (const char* o = std::getenv("ZOR_BILD_ORDNER"))
            std::filesystem::copy_file(pdf,
                                       std::filesystem::path(o) / (h504 ? "bild2_h504.pdf" : "bild2.pdf"),
                                       std::filesystem::copy_options::overwrite_existing);
    }
}

} // namespace

#include "frame/project_file.h"
#include "graphics/envelope_picture.h"
#include "graphics/picture_sequence.h"
#include "graphics/statics_picture.h"
#include "platform/draw/recorder.h"
#include "platform/runtime/vbfile.h"

namespace {

using bild_test::Rechnen;

// Runs the picture sequence of the project in P as the graphics window does, "weiter" up to its last
// picture: `zeichnen` draws each picture (kind, stage, load case; the sequence tells its number); the
// messages of the sequence are returned.
std::vector<std::string>
FolgeDurchlaufen(const std::function<void(const zorg::Bilderfolge&, int16_t, int16_t, int16_t)>& zeichnen) {
    std::vector<std::string> meldungen;
    std::unique_ptr<zorg::Bilderfolge> folge;
    folge = std::make_unique<zorg::Bilderfolge>(zorg::Bilderfolge::Anschluesse{
        [&](int16_t art, int16_t stufe, int16_t lf) { zeichnen(*folge, art, stufe, lf); }, nullptr,
        [&](const std::function<bool()>& fertig) {
            if (folge->BildNr < folge->BildAnzahl)
                folge->anf.Weiter = true;
            else
                folge->anf.Ende = true;
            EXPECT_TRUE(fertig());
        },
        [&](const std::string& m) { meldungen.push_back(m); }});
    std::vector<float> zAush(static_cast<size_t>(zorm1::MaxAushub) + 1, 0.0f);
    for (int st = 1; st <= zorm1::MaxAushub; ++st)
        zAush[static_cast<size_t>(st)] = P.Aushubstufen[static_cast<size_t>(st)].zAush;
    folge->Laufen(P.AnzLF, P.AnzAush, zAush);
    return meldungen;
}

std::string VerankertRechnen() {
    return Rechnen("Traegerbohlwand_verankert");
}

// Every example calculated by the headless program; every picture of its sequence drawn on an
// image, and its last picture (an envelope, or the result picture of a single stage) printed in portrait
// and in landscape, with and without the boxes.
TEST_F(Bild, EveryPictureOfAnExampleRunIsDrawnFromItsPlotRecords) {
    const bool pdf = bild_test::PdfTextDa();
    auto drucker = std::make_unique<vb::draw::qt::PrinterSurface>(vb::draw::qt::PrinterSurface::Target::Pdf);
    vb::draw::SetPrinter(drucker.get());
    for (const char* beispiel : {"Spundwand_frei", "Schlitzwand_gesteift_GW", "Traegerbohlwand_verankert"}) {
        SCOPED_TRACE(beispiel);
        zortest::WorkingFolder ordner;
        const std::string name = Rechnen(beispiel);
        ASSERT_FALSE(name.empty());
        zorm1::ResetProjectData();
        zorg::GrafikZuruecksetzen();
        P.GradZuRad = 3.141593f / 180.0f;
        ASSERT_TRUE(zorm1::EingabeLesen(name));
        P.GrafikFontName = "Arial";
        P.GrafikFontSize = 8.25f;
        P.Massstab = 100;
        int gezeichnet = 0;
        const std::vector<std::string> meldungen =
            FolgeDurchlaufen([&](const zorg::Bilderfolge& folge, int16_t art, int16_t stufe, int16_t lf) {
                vb::draw::qt::ImageSurface img(1100, 820);
                ASSERT_TRUE(zorg::BildZeichnen(img, art, stufe, lf));
                EXPECT_GT(Dunkel(img.Image()), 1000) << "picture " << folge.BildNr;
                img.SavePng(Datei(std::string(beispiel) + "_bild" + std::to_string(folge.BildNr) + ".png"));
                ++gezeichnet;
                if (folge.BildNr < folge.BildAnzahl || !pdf) return;
                // an envelope; with one load case and one stage the result picture
                EXPECT_EQ(art, P.AnzLF * P.AnzAush > 1 ? (P.AnzLF > 1 ? zorg::kHuelleAlle : zorg::kHuelleLF)
                                                       : zorg::kErgebnis);
                for (int16_t quer : {0, -1})
                    for (int16_t h504 : {0, -1}) {
                        P.Querformat = quer;
                        P.H504Ein = h504;
                        ASSERT_TRUE(zorg::BildDrucken(*drucker, art, stufe, lf, folge.BildNr));
                        const std::string text = bild_test::PdfText(drucker->LastDocumentFile());
                        const std::string tag = "B" + std::to_string(100 + folge.BildNr) + " zu";
                        EXPECT_NE(text.find(tag), std::string::npos) << text;
                    }
                P.Querformat = 0;
                P.H504Ein = 0;
            });
        if (const char* o = std::getenv("ZOR_BILD_ORDNER"))
            for (const char* d : {"ZORGMAX.ZZZ", "ZORGMAX2.ZZZ", "ZORGMAX3.ZZZ", "ZORG.ZZZ", "ZZZPLOT2"})
                std::filesystem::copy_file(d, std::filesystem::path(o) / (std::string(beispiel) + "_" + d),
                                           std::filesystem::copy_options::overwrite_existing);
        EXPECT_TRUE(meldungen.empty()) << meldungen.front();
        EXPECT_EQ(gezeichnet, zorg::BildAnzahlVon(P.AnzLF, P.AnzAush));
    }
}

} // namespace

namespace {

// The force polygon of the deep slip plane closes: G + P, Ea, the cohesion, Q, the anchor force and E1 of
// every record of a real run sum to zero within the rounding of the numbers written to the plot file.
TEST_F(Bild, ForcePolygonOfEveryRecordOfARealRunCloses) {
    const std::string name = VerankertRechnen();
    ASSERT_FALSE(name.empty());
    zorm1::ResetProjectData();
    ASSERT_TRUE(zorm1::EingabeLesen(name));
    const int saetze = P.AnzLF * P.AnzAush;
    ASSERT_GT(saetze, 0);
    vb::FileGuard f("ZZZPLOT2", vb::OpenMode::Input);
    int geprueft = 0;
    for (int i = 0; i < saetze; ++i) {
        zorg::PlotSatz s;
        std::string fehler;
        ASSERT_TRUE(zorg::PlotLesen(f.nr(), s, fehler)) << fehler;
        // one record of A, B and C per stage, in the order load case, then stage
        EXPECT_EQ(s.LFNr, i / P.AnzAush + 1);
        EXPECT_EQ(s.AushNr, i % P.AnzAush + 1);
        const float* g = s.GlfWert;
        if (!(g[9] > 0)) continue; // no deep slip plane in this stage
        ++geprueft;
        const double summeX = double(g[3]) + g[5] + g[16] - g[18] - g[2];
        const double summeZ = double(g[9]) - g[4] - g[6] - g[17] - g[19] - g[1];
        double groesst = 0;
        for (int k : {1, 2, 3, 4, 5, 6, 9, 16, 17, 18, 19})
            groesst = std::max(groesst, double(std::fabs(g[k])));
        SCOPED_TRACE("Lastfall " + std::to_string(s.LFNr) + " Aushub " + std::to_string(s.AushNr));
        EXPECT_LE(std::hypot(summeX, summeZ), 1e-5 * groesst + 1e-3) << summeX << " " << summeZ;
        // the polygon as drawn ends where it started
        auto rec = vb::draw::RecordingSurface::Screen();
        P.Massstab = 100;
        zorg::Grafik().ZeichenEinheit = 0.025f;
        const auto k = zorg::KrafteckZeichnen(*rec, s, 0, 0);
        ASSERT_GE(k.punkte.size(), 6u);
        const auto [x0, y0] = k.punkte.front();
        const auto [xn, yn] = k.punkte.back();
        EXPECT_LE(std::hypot(xn - x0, yn - y0) / k.massstab, 1e-5 * groesst + 1e-3);
    }
    EXPECT_GT(geprueft, 0);
}

} // namespace

namespace {

// The anchors of a real run drawn in the statics pictures with the inclination of the project's anchor table:
// the example anchors at 2.0 m below the head with 25° downward into the earth. By hand, the anchor of length
// L (from the air-side face of the wall, x = -d, at its level z) ends at A = (-d + L cos 25°, z + L sin 25°)
// and its line runs on to F = (-d - cos 25°, z - sin 25°), 1 m in front of the face; on paper at 1 : 100 the
// line spans (L + 1) cos 25° and (L + 1) sin 25° centimetres.
TEST_F(Bild, AnchorsOfAnExampleRunAreDrawnWithTheInclinationOfTheAnchorTable) {
    zortest::WorkingFolder ordner;
    const std::string name = Rechnen("Traegerbohlwand_Anker");
    ASSERT_FALSE(name.empty());
    zorm1::ResetProjectData();
    zorg::GrafikZuruecksetzen();
    P.GradZuRad = 3.141593f / 180.0f;
    ASSERT_TRUE(zorm1::EingabeLesen(name));
    P.GrafikFontName = "Arial";
    P.GrafikFontSize = 8.25f;
    P.Massstab = 100;
    vb::SetDecimalSeparator('.'); // the copy of the example pinned ','
    const double a = 25.0 * 3.14159265358979 / 180.0, c = std::cos(a), s = std::sin(a);
    const double twipsJeMeter = 1000.0 / 100.0 / 25.4 * 1440.0; // 1 m at 1 : 100 is 10 mm of paper
    auto drucker = vb::draw::RecordingSurface::Printer();
    int anker = 0;
    const std::vector<std::string> meldungen =
        FolgeDurchlaufen([&](const zorg::Bilderfolge&, int16_t art, int16_t stufe, int16_t lf) {
            if (art != zorg::kStatik) return;
            drucker->ClearLog();
            ASSERT_TRUE(zorg::BildZeichnen(*drucker, art, stufe, lf));
            const zorg::PlotSatz& satz = zorg::Grafik().plot;
            const double d = P.DWand;
            for (int i = 1; i <= satz.AnzAnkerPlot; ++i) {
                const double z = satz.AnkerPlotZ[static_cast<size_t>(i)];
                const double L = satz.AnkerPlotLaenge[static_cast<size_t>(i)];
                SCOPED_TRACE("load case " + std::to_string(lf) + ", stage " + std::to_string(stufe) +
                             ", anchor at " + std::to_string(z) + " m, L = " + std::to_string(L) + " m");
                ASSERT_NEAR(z, 2.0, 1e-4);
                // the anchor: the thick line whose far end lies 1 m in front of the wall face
                const vb::draw::Record* linie = nullptr;
                for (const auto& r : drucker->Records())
                    if (r.op == vb::draw::RecordOp::Line && r.drawWidth == 3 && r.x2 < -d - 0.5 &&
                        std::fabs(r.y2 - z) < 1.5)
                        linie = &r;
                ASSERT_NE(linie, nullptr);
                EXPECT_NEAR(linie->x1, -d + L * c, 1e-3);
                EXPECT_NEAR(linie->y1, z + L * s, 1e-3);
                EXPECT_NEAR(linie->x2, -d - c, 1e-3);
                EXPECT_NEAR(linie->y2, z - s, 1e-3);
                const double tdx = linie->tx1 - linie->tx2, tdz = linie->ty1 - linie->ty2;
                EXPECT_NEAR(tdx, (L + 1) * c * twipsJeMeter, 0.01 * (L + 1) * twipsJeMeter);
                EXPECT_NEAR(tdz, (L + 1) * s * twipsJeMeter, 0.01 * (L + 1) * twipsJeMeter);
                EXPECT_NEAR(std::atan2(tdz, tdx) * 180.0 / 3.14159265358979, 25.0, 0.1);
                bool beschriftet = false;
                for (const auto& r : drucker->Records())
                    beschriftet |=
                        r.op == vb::draw::RecordOp::Print && r.text.find("alfa= 25.0°") != std::string::npos;
                EXPECT_TRUE(beschriftet);
                // the support's wedge at the wall face points along the anchor: the middle of its base lies
                // behind its tip on the anchor's axis
                std::vector<const vb::draw::Record*> keil;
                for (const auto& r : drucker->Records())
                    if (r.op == vb::draw::RecordOp::Line && r.drawWidth == 12 && std::fabs(r.x1 + d) < 1e-4 &&
                        std::fabs(r.y1 - z) < 1e-4)
                        keil.push_back(&r);
                ASSERT_EQ(keil.size(), 2u);
                const double mx = (keil[0]->x2 + keil[1]->x2) / 2, mz = (keil[0]->y2 + keil[1]->y2) / 2;
                EXPECT_NEAR(std::atan2(z - mz, -d - mx) * 180.0 / 3.14159265358979, 25.0, 0.01);
                ++anker;
            }
        });
    EXPECT_TRUE(meldungen.empty()) << meldungen.front();
    EXPECT_GT(anker, 0); // the anchored stage of each load case
}

} // namespace
