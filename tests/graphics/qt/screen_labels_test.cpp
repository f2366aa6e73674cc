// The labels of a picture on the graphics window keep the proportions of its printout. An example is
// calculated; its picture 1 and the result picture of its first stage are drawn on the graphics window at the
// size its settings give it on a screen of 1280 x 1024 pixels, and on the printer. Every label's box comes
// from the recorded text call, measured in the font that draws it on that device; no two labels overlap on
// the window that do not overlap on paper.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "graphics/drawing.h"
#include "graphics/frmZorG1.h"
#include "graphics/picture_sequence.h"
#include "graphics/pictures.h"
#include "platform/draw/devices.h"
#include "platform/draw/recorder.h"
#include "platform/forms/headless.h"
#include "platform/forms/registry.h"
#include "platform/qt/draw_image.h"
#include "platform/qt/draw_qt.h"
#include "tests/graphics/qt/picture_fixture.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace {

using vb::draw::RecordingSurface;

// A label: its text and its box in twips of its device.
struct Feld {
    std::string text;
    double x, y, b, h;
};

// The labels of a recording, measured on a device of dpi dots per inch (rotated texts are left out).
std::vector<Feld> Felder(const RecordingSurface& r, int dpi) {
    QImage geraet(8, 8, QImage::Format_RGB32);
    geraet.setDotsPerMeterX(qRound(dpi / 0.0254));
    geraet.setDotsPerMeterY(qRound(dpi / 0.0254));
    std::vector<Feld> v;
    for (const auto& s : r.Records()) {
        if (s.op != vb::draw::RecordOp::Print || s.text.find_first_not_of(' ') == std::string::npos) continue;
        const auto e = vb::draw::qt::Measure(s.text, s.font, &geraet);
        v.push_back({s.text, s.tx1, s.ty1, e.width, e.height});
    }
    return v;
}

// Overlap of two boxes beyond a tolerance in each direction.
bool Ueber(const Feld& a, const Feld& c, double toleranz) {
    const double x = std::min(a.x + a.b, c.x + c.b) - std::max(a.x, c.x);
    const double y = std::min(a.y + a.h, c.y + c.h) - std::max(a.y, c.y);
    return x > toleranz && y > toleranz;
}

// Each label by its text and the how-many-th of that text it is, on both devices.
std::map<std::pair<std::string, int>, std::size_t> Schluessel(const std::vector<Feld>& f) {
    std::map<std::pair<std::string, int>, std::size_t> m;
    std::map<std::string, int> n;
    for (std::size_t i = 0; i < f.size(); ++i)
        m[{f[i].text, n[f[i].text]++}] = i;
    return m;
}

// The pairs of labels that overlap on the window by more than a pixel and not at all on paper.
std::vector<std::string> NeueUeberdeckungen(const std::vector<Feld>& schirm,
                                            const std::vector<Feld>& papier) {
    std::vector<std::string> fehler;
    const auto s = Schluessel(schirm), p = Schluessel(papier);
    for (auto a = s.begin(); a != s.end(); ++a)
        for (auto c = std::next(a); c != s.end(); ++c) {
            const auto pa = p.find(a->first), pc = p.find(c->first);
            if (pa == p.end() || pc == p.end()) continue; // drawn on one device only (cut at its frame)
            if (!Ueber(schirm[a->second], schirm[c->second], 15)) continue;
            // the same text printed again over itself shows as one label
            if (a->first.first == c->first.first) continue;
            if (Ueber(papier[pa->second], papier[pc->second], 0)) continue;
            fehler.push_back("\"" + a->first.first + "\" / \"" + c->first.first + "\"");
        }
    return fehler;
}

TEST(SchirmText, LabelsOverlapOnTheWindowOnlyWhereTheyOverlapOnPaper) {
    zortest::WorkingFolder ordner;
    bild_test::Grundstellung(',');
    const std::string name = bild_test::Rechnen("Traegerbohlwand_verankert");
    ASSERT_FALSE(name.empty());
    ASSERT_TRUE(bild_test::ProjektLesenErsterStart(name));
    P.Massstab = 100;
    // the printer: A4 less 5 mm on every side, at 600 dpi with the faces' own metrics
    auto drucker = RecordingSurface::Printer();
    QImage druckGeraet(8, 8, QImage::Format_RGB32);
    druckGeraet.setDotsPerMeterX(23622);
    druckGeraet.setDotsPerMeterY(23622);
    drucker->SetMeasure([&](std::string_view l, const vb::draw::FontSpec& f) {
        return vb::draw::qt::Measure(l, f, &druckGeraet);
    });
    vb::draw::SetPrinter(drucker.get());
    // the graphics window on the screen of 1280 x 1024 pixels, drawing into real pixels; its text calls
    // are recorded beside
    vb::headless::ResetForms();
    vb::ClearRegistry();
    vb::headless::SetPictureDevice([](double w, double h, double tpp, int32_t back) {
        auto bild = std::make_shared<vb::draw::qt::ImageSurface>(static_cast<int>(w / tpp),
                                                                 static_cast<int>(h / tpp), tpp);
        bild->SetBackColor(back);
        return bild;
    });
    zorg::RegisterGraphicsWindows();
    auto mitschrift = RecordingSurface::Screen();
    std::map<int, std::vector<Feld>> schirm, papier;
    auto aufnehmen = [&](int nr) {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(f->Folge().BildNr, nr);
        // the window's picture drawn again with the recording beside it
        mitschrift->ClearLog();
        f->surface().SetTap(mitschrift.get());
        f->BildZeichnen(f->Folge().verlauf.back().stufe, f->Folge().verlauf.back().lf);
        f->surface().SetTap(nullptr);
        schirm[nr] = Felder(*mitschrift, 96);
        // the same picture on the printer
        drucker->ClearLog();
        ASSERT_TRUE(zorg::BildZeichnen(*drucker, f->Folge().BildTyp, f->Folge().verlauf.back().stufe,
                                       f->Folge().verlauf.back().lf));
        papier[nr] = Felder(*drucker, 600);
    };
    vb::script::call([&] { aufnehmen(1); });
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::menu("frmZorG1.mnuWeiter");
    vb::script::call([&] {
        auto* f = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        EXPECT_EQ(f->Folge().BildTyp, zorg::kErgebnis);
        aufnehmen(3);
    });
    vb::script::close("frmZorG1");
    vb::FormByName("frmZorG1");
    ASSERT_EQ(schirm.size(), 2u);
    for (int nr : {1, 3}) {
        SCOPED_TRACE("picture " + std::to_string(nr));
        EXPECT_GT(schirm[nr].size(), 20u);
        const auto fehler = NeueUeberdeckungen(schirm[nr], papier[nr]);
        std::ostringstream liste;
        for (const auto& e : fehler)
            liste << "\n  " << e;
        EXPECT_TRUE(fehler.empty()) << "labels overlapping on the window only:" << liste.str();
    }
    vb::draw::SetPrinter(nullptr);
    vb::headless::ResetForms();
    vb::ClearRegistry();
    vb::SetDecimalSeparator(0);
}

} // namespace
