#pragma once
// Shared set-up of the graphics tests: a fresh working folder, reset project data and graphics state, a
// recording window of a client area in whole millimetres and simple font metrics (every character
// 12 x size twips wide, a line 24 x size twips high).
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/frmZorG1.h"
#include "platform/draw/devices.h"
#include "platform/draw/recorder.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "tests/support/working_folder.h"

namespace grafik_test {

using vb::draw::Record;
using vb::draw::RecordingSurface;
using vb::draw::RecordOp;

inline vb::draw::Extent Einfach(std::string_view line, const vb::draw::FontSpec& f) {
    return {12.0 * f.size * vb::Len(line), 24.0 * f.size};
}

// Pixels (15 twips) of a length in mm, rounded.
inline double Px(double mm) {
    return std::round(mm / 25.4 * 1440.0 / 15.0);
}

class GrafikTest : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zorg::GrafikZuruecksetzen();
        zorm1::P.GrafikFontName = "Arial";
        zorm1::P.GrafikFontSize = 8.0f;
        zorm1::P.GradZuRad = 3.141593f / 180.0f;
        fenster_ = RecordingSurface::Screen(Px(200), Px(150));
        fenster_->SetMeasure(Einfach);
        // A printed picture no larger than the window: the window keeps the graphics font's size (it is
        // smaller on a window smaller than the printed picture, which drawing_test tests on its own).
        quadrat_ = RecordingSurface::Printer(150 / 25.4 * 1440, 150 / 25.4 * 1440);
        quadrat_->SetMeasure(Einfach);
        vb::draw::SetPrinter(quadrat_.get());
    }
    ~GrafikTest() override {
        if (&vb::draw::Printer() == quadrat_.get()) vb::draw::SetPrinter(nullptr);
    }
    // Lines of the log as their four user-unit coordinates.
    std::vector<Record> Linien() const {
        std::vector<Record> r;
        for (const auto& x : fenster_->Records())
            if (x.op == RecordOp::Line) r.push_back(x);
        return r;
    }
    std::vector<Record> Texte() const {
        std::vector<Record> r;
        for (const auto& x : fenster_->Records())
            if (x.op == RecordOp::Print || x.op == RecordOp::Rotated) r.push_back(x);
        return r;
    }
    const Record* Text(const std::string& t) const {
        for (const auto& x : fenster_->Records())
            if ((x.op == RecordOp::Print || x.op == RecordOp::Rotated) && x.text == t) return &x;
        return nullptr;
    }

    zortest::WorkingFolder ordner_;
    std::unique_ptr<RecordingSurface> fenster_;
    std::unique_ptr<RecordingSurface> quadrat_;
};

// The graphics windows registered; a recording printer with the simple font metrics set as the printer
// (the test takes it out again with vb::draw::SetPrinter(nullptr) and keeps it alive until then); the
// small project the window tests draw: a wall 0.6 m thick of type 3 in one layer 10 m deep, at 1:100.
inline std::unique_ptr<RecordingSurface> FensterEinrichten() {
    zorg::RegisterGraphicsWindows();
    auto drucker = RecordingSurface::Printer();
    drucker->SetMeasure(Einfach);
    vb::draw::SetPrinter(drucker.get());
    auto& P = zorm1::P;
    P.GanzerName = "/daten/Baugrube.zor";
    P.Massstab = 100;
    P.DWand = 0.6f;
    P.AnzErd = 1;
    P.SchichtDicke[1] = 10;
    P.Wandtyp = 3;
    return drucker;
}

// A drawing at scale 1:100 with '.' as the decimal separator of the numbers it prints; the separator
// returns to the locale's afterwards.
class Massstab100Test : public GrafikTest {
protected:
    void SetUp() override {
        GrafikTest::SetUp();
        vb::SetDecimalSeparator('.');
        zorm1::P.Massstab = 100;
    }
    void TearDown() override { vb::SetDecimalSeparator(0); }
};

} // namespace grafik_test
