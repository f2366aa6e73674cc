// The graphics window shown through the Qt backend on the offscreen platform: the sequence runs to the
// envelope of the load case, the settings frames are opened over it and the window is grabbed.
// ZOR_BILD_ORDNER keeps the images for looking at them.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/frmZorG1.h"
#include "platform/draw/devices.h"
#include "platform/forms/headless.h"
#include "platform/forms/registry.h"
#include "platform/qt/draw_printer.h"
#include "platform/qt/draw_qt.h"
#include "platform/qt/forms_qt.h"
#include "platform/runtime/vbnum.h"
#include "tests/graphics/plot_writer.h"
#include "tests/graphics/qt/picture_fixture.h"
#include "tests/support/working_folder.h"

using bild_test::Datei;
using bild_test::Dunkel;
using zorm1::P;

namespace {

// A stage of an anchored wall 9 m long: deflection, moment and shear force of a propped cantilever.
grafik_test::SatzText Stufe(int stufe, float zAush, float faktor) {
    grafik_test::SatzText t;
    t.anzLF = 1;
    t.anzAush = 2;
    t.stufe = stufe;
    t.zAush = zAush;
    t.zE = 9.0f;
    t.knoten.clear();
    for (int i = 0; i <= 18; ++i) {
        const float z = 0.5f * static_cast<float>(i), x = z / 9.0f;
        const float v = faktor * 12.0f * std::sin(3.14159f * x) * (1.2f - x);
        const float m = faktor * 90.0f * std::sin(2 * 3.14159f * x) * (1 - x);
        const float q = faktor * 60.0f * std::cos(2 * 3.14159f * x) * (1 - x);
        t.knoten.push_back({z, 0, v, m, q, -10 * z});
    }
    t.anker = {{2.0f, 10.0f, faktor * 140.0f}};
    t.auflager = {{2.0f, faktor * 140.0f}};
    t.summeV = 40 * faktor;
    t.summeV2 = 30 * faktor;
    return t;
}

TEST(FensterBild, EnvelopeWithTheSettingsFramesOpenIsShownOnTheScreen) {
    zortest::WorkingFolder ordner;
    vb::draw::qt::EnsureQtApp();
    vb::headless::ResetForms();
    vb::ClearRegistry();
    vb::draw::ResetDevices();
    zorm1::ResetProjectData();
    zorg::GrafikZuruecksetzen();
    vb::SetDecimalSeparator(',');
    zorg::RegisterGraphicsWindows();
    P.GanzerName = (std::filesystem::current_path() / "Baugrube.zor").string();
    P.GrafikFontName = "Arial";
    P.GrafikFontSize = 8.25f;
    P.GrafikRandLinks = 20, P.GrafikRandRechts = 5, P.GrafikRandOben = 10, P.GrafikRandUnten = 5;
    P.Massstab = 100;
    P.DWand = 0.6f;
    P.Wandtyp = 3;
    P.AnzErd = 1;
    P.SchichtDicke[1] = 12;
    P.SchichtPhi[1] = 30;
    P.SchichtGamma[1] = 19;
    P.AnzLF = 1;
    P.AnzAush = 2;
    P.Aushubstufen[1].zAush = 2.5f;
    P.Aushubstufen[2].zAush = 5.0f;
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 2.0f;
    P.TeilsicherheitenAn = 1;
    P.Wandfuss = 4;
    P.KoteOKWand = 100;
    grafik_test::PlotDatei({Stufe(1, 2.5f, 0.6f), Stufe(2, 5.0f, 1.0f)});

    vb::draw::qt::PrinterSurface pdf(vb::draw::qt::PrinterSurface::Target::Pdf);
    vb::draw::SetPrinter(&pdf);
    vb::qtforms::Install(false);
    std::vector<std::pair<std::string, QImage>> bilder;
    std::function<void()> schritt;
    int n = 0;
    auto aufnehmen = [&](const std::string& name) {
        frmZorG1& f = *static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        bilder.emplace_back(name, vb::qtforms::WindowOf(f)->grab().toImage());
    };
    // each step once the picture in hand is drawn and the window waits again
    schritt = [&] {
        frmZorG1* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        if (!f) return;
        switch (n++) {
        case 0: // to picture 6, the envelope of the load case, on a window of a usual screen's size
            f->Move(0, 0, 15000, 11000);
            f->Folge().ZielSetzen(6);
            break;
        case 1:
            aufnehmen("fenster_huelle.png");
            f->einst.mnuRaender_Click();
            break;
        case 2:
            aufnehmen("fenster_raender.png");
            f->einst.mnuSchrift_Click();
            break;
        case 3:
            aufnehmen("fenster_schrift.png");
            f->einst.mnuNullpunkt_Click();
            f->einst.mnuMassstab_Click();
            break;
        case 4:
            aufnehmen("fenster_massstab_nullpunkt.png");
            f->mnuBildDrucken_Click(); // upright, the page number below
            break;
        case 5:
            // the second printout of the picture takes the same file name: keep the first
            ASSERT_EQ(f->Ausdrucke().size(), 1u);
            std::filesystem::copy_file(f->Ausdrucke()[0], Datei("huelle_hoch.pdf"),
                                       std::filesystem::copy_options::overwrite_existing);
            f->einst.mnuQuerein_Click(); // across (the window is laid out anew and redrawn)
            break;
        case 6:
            P.H504Ein = -1; // with the header boxes
            f->mnuBildDrucken_Click();
            break;
        case 7:
            f->FolgeBeenden();
            return;
        }
        QTimer::singleShot(300, schritt);
    };
    QTimer::singleShot(300, schritt);
    vb::FormByName("frmZorG1");
    ASSERT_EQ(bilder.size(), 4u);
    for (const auto& [name, img] : bilder) {
        EXPECT_GT(img.width(), 100) << name;
        EXPECT_GT(Dunkel(img), 2000) << name;
        EXPECT_TRUE(img.save(QString::fromStdString(Datei(name)))) << name;
    }
    const auto& drucke = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"))->Ausdrucke();
    ASSERT_EQ(drucke.size(), 2u);
    EXPECT_GT(std::filesystem::file_size(Datei("huelle_hoch.pdf")), 1000u);
    EXPECT_GT(std::filesystem::file_size(drucke[1]), 1000u);
    std::filesystem::copy_file(drucke[1], Datei("huelle_quer_h504.pdf"),
                               std::filesystem::copy_options::overwrite_existing);
    vb::draw::SetPrinter(nullptr);
    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
    vb::ClearRegistry();
    vb::SetDecimalSeparator(0);
}

} // namespace
