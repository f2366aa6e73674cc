// The result picture of a stage rendered to a PNG image and printed to PDF in both orientations, from a
// record of an anchored sheet-pile wall whose state quantities are integrated by hand from its load.
// ZOR_BILD_ORDNER keeps the files for looking at them.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/picture_sequence.h"
#include "graphics/pictures.h"
#include "graphics/result_picture.h"
#include "platform/draw/devices.h"
#include "platform/qt/draw_image.h"
#include "platform/qt/draw_printer.h"
#include "platform/qt/draw_qt.h"
#include "platform/runtime/vbnum.h"
#include "tests/graphics/qt/picture_fixture.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace {

// Earth pressure on the wall (kN/m2) and the mobilised resistance in front of it below the excavation.
float Erddruck(float z) {
    return 3.4f + 5.5f * z;
}
float Widerstand(float z) {
    return z > 4.5f ? 28.0f * (z - 4.5f) : 0.0f;
}

class ErgebnisBild : public ::testing::Test {
protected:
    void SetUp() override {
        bild_test::Grundstellung(',');
        P.GanzerName = (std::filesystem::current_path() / "Baugrube Süd.zor").string();
        P.TeilsicherheitenAn = 1;
        P.Wandart = 2;
        P.WandKopf = 1;
        P.EtaAnpass = 1;
        P.Etap = 1.4f;
        P.Aushubstufen[1].Wandfuss = 2; // given foot
        P.Aushubstufen[1].zAush = 4.5f;
        P.Aushubstufen[1].AnzAnker = 1;
        P.Aushubstufen[1].ZAnker[1] = 2.0f;
        Satz();
    }
    void TearDown() override {
        vb::draw::SetPrinter(nullptr);
        vb::SetDecimalSeparator(0);
    }
    // The stage: wall to 8.0 m, drawn to 8.6 m, support at 2.0 m, excavation at 4.5 m. Shear and moment
    // come from the load w = earth pressure - resistance with the support force that makes the moment at
    // the drawn foot 0; the deflection from the moment with the wall fixed in place at 2.0 m and 8.6 m.
    static void Satz() {
        auto& s = zorg::Grafik().plot;
        s = zorg::PlotSatz{};
        s.LFNr = 1, s.AushNr = 1;
        s.ZEndeKoten = 8.6f, s.zFuss = 8.0f, s.DeltaTPlot = 0.6f, s.zAush = 4.5f, s.EpFaktor = 1;
        s.Rhd = 182.4f, s.Rvd = 40.1f, s.EdFuss = 121.7f, s.RdFuss = 182.4f, s.SummeV2 = -12.34f;
        const std::vector<float> ez = {0, 0, 2, 4.5f, 8.6f}, ee = {0, 3.4f, 14.4f, 28.15f, 50.7f};
        s.AnzWiderstand = 4;
        s.ErddruckZ = ez, s.ErddruckSumme = ee;
        s.ErddruckZ.push_back(0), s.ErddruckSumme.push_back(0);
        s.AnzSigmaVPlot = 2;
        s.SigmaVZ = {0, 4.5f, 8.6f, 0}, s.SigmaVWert = {0, 0, -114.8f, 0};
        s.AnzWasserPunkte = 3;
        s.WasserZ = {0, 3, 8.6f, 8.6f, 0}, s.WasserDruck = {0, 0, 56, 0, 0};
        // grid every 0.1 m, the support level twice
        std::vector<float> z;
        for (int i = 0; i <= 86; ++i) {
            z.push_back(0.1f * i);
            if (i == 20) z.push_back(2.0f);
        }
        const int n = static_cast<int>(z.size());
        s.AnzKoten = static_cast<int16_t>(n);
        for (auto* v : {&s.KoteZ, &s.WandBelastung, &s.Verformung, &s.Moment, &s.Querkraft, &s.Normalkraft})
            v->assign(static_cast<size_t>(n) + 2, 0.0f);
        const double L = 8.6, a = 2.0, h = 0.001;
        double mL = 0; // moment of the load about the drawn foot
        for (double t = h / 2; t < L; t += h)
            mL += (L - t) * (Erddruck(static_cast<float>(t)) - Widerstand(static_cast<float>(t))) * h;
        const double A = mL / (L - a);
        std::vector<double> Q(static_cast<size_t>(n)), M(static_cast<size_t>(n));
        double q = 0, m = 0, t = 0;
        for (int i = 0; i < n; ++i) {
            const double zi = z[static_cast<size_t>(i)];
            for (; t + h / 2 < zi; t += h) {
                q -=
                    (Erddruck(static_cast<float>(t + h / 2)) - Widerstand(static_cast<float>(t + h / 2))) * h;
                m += q * h;
            }
            const bool unten = i > 0 && z[static_cast<size_t>(i) - 1] == 2.0f && zi == 2.0;
            if (unten) q += A;
            Q[static_cast<size_t>(i)] = q, M[static_cast<size_t>(i)] = m;
        }
        // deflection: twice integrated moment, fixed in place at 2.0 and 8.6 m
        std::vector<double> w(static_cast<size_t>(n));
        double phi = 0, ww = 0;
        for (int i = 1; i < n; ++i) {
            const double dz = z[static_cast<size_t>(i)] - z[static_cast<size_t>(i) - 1];
            phi += M[static_cast<size_t>(i)] * dz;
            ww += phi * dz;
            w[static_cast<size_t>(i)] = ww;
        }
        const double w2 = w[21], wL = w[static_cast<size_t>(n) - 1];
        for (int i = 0; i < n; ++i) {
            const size_t k = static_cast<size_t>(i) + 1;
            const double zi = z[static_cast<size_t>(i)];
            s.KoteZ[k] = z[static_cast<size_t>(i)];
            s.WandBelastung[k] = Erddruck(s.KoteZ[k]) - Widerstand(s.KoteZ[k]);
            s.Querkraft[k] = static_cast<float>(Q[static_cast<size_t>(i)]);
            s.Moment[k] = static_cast<float>(-M[static_cast<size_t>(i)]);
            s.Verformung[k] = static_cast<float>(
                -(w[static_cast<size_t>(i)] - (w2 + (wL - w2) * (zi - a) / (L - a))) / 30.0);
            s.Normalkraft[k] = zi >= 2.0 && i > 21
                                   ? static_cast<float>(-0.27 * A) - 2.0f * static_cast<float>(zi - 2)
                                   : -1.5f * static_cast<float>(zi);
        }
        auto& g = zorg::Grafik();
        g.max = zorg::MaximaVon(s);
        std::ofstream("ZOREwid.11") << "3\r\n4.5,0\r\n8,-98\r\n8.6,-114.8\r\n";
        std::ofstream("ZOREwidVerw.11") << "4.5,0\r\n5.5,21\r\n6.5,38\r\n7.5,30\r\n8,12\r\n";
    }
    zortest::WorkingFolder ordner_;
};

TEST_F(ErgebnisBild, ResultPictureRendersToPng) {
    vb::draw::qt::ImageSurface img(1100, 1400);
    img.SetAntialiasing(true);
    ASSERT_TRUE(zorg::BildZeichnen(img, zorg::kErgebnis, 1, 1));
    EXPECT_GT(bild_test::Dunkel(img.Image()), 10000);
    EXPECT_TRUE(img.SavePng(bild_test::Datei("ergebnis.png")));
}

TEST_F(ErgebnisBild, ResultPicturePrintsInBothOrientations) {
    if (!bild_test::PdfTextDa()) GTEST_SKIP() << "poppler-utils missing";
    auto drucker = std::make_unique<vb::draw::qt::PrinterSurface>(vb::draw::qt::PrinterSurface::Target::Pdf);
    vb::draw::SetPrinter(drucker.get());
    for (int16_t quer : {0, 1}) {
        for (int16_t h504 : {0, -1}) {
            P.Querformat = quer;
            P.H504Ein = h504;
            Satz();
            ASSERT_TRUE(zorg::BildDrucken(*drucker, zorg::kErgebnis, 1, 1, 3));
            const std::string pdf = drucker->LastDocumentFile();
            ASSERT_FALSE(pdf.empty());
            const std::string text = bild_test::PdfText(pdf);
            for (const char* t : {"(d) Erddruck", "(k) Sum V = -12,3 kN/m", "B103 zu ", "4,50 Aushub"})
                EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;
            const std::string name =
                std::string("ergebnis_") + (quer ? "quer" : "hoch") + (h504 ? "_h504" : "") + ".pdf";
            if (std::getenv("ZOR_BILD_ORDNER"))
                std::filesystem::copy_file(pdf, bild_test::Datei(name),
                                           std::filesystem::copy_options::overwrite_existing);
        }
    }
}

} // namespace
