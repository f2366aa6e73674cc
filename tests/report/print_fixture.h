#pragma once
// A recording printer with simple font metrics for the tests of the report printing: every character is
// 12 x size twips wide and a line 24 x size twips high, so that the text print font of 10 pt gives
// characters of 120 twips and lines of 240 twips, and page geometry can be worked out by hand.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/report_copy.h"
#include "platform/draw/devices.h"
#include "platform/draw/recorder.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "report/print_engine.h"
#include "tests/support/working_folder.h"

namespace druck_test {

using vb::draw::Record;
using vb::draw::RecordingSurface;
using vb::draw::RecordOp;

inline constexpr double kMm = 1440.0 / 25.4;
// Page of the test printer, twips.
inline constexpr double kBreite = 12000, kHoehe = 16000;

inline vb::draw::Extent Einfach(std::string_view line, const vb::draw::FontSpec& f) {
    return {12.0 * f.size * vb::Len(line), 24.0 * f.size};
}

class DruckTest : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::headless::Reset();
        vb::draw::ResetDevices();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        Anzeigen::DruckZuruecksetzen();
        drucker_ = RecordingSurface::Printer(kBreite, kHoehe);
        drucker_->SetMeasure(Einfach);
        vb::draw::SetPrinter(drucker_.get());
        zorm1::P.TextFontName = "Courier New";
        zorm1::P.TextFontSize = 10.0f;
        zorm1::P.TextFontBold = 0;
        zorm1::P.RandOben = zorm1::P.RandUnten = 10;
        zorm1::P.DateiPfad = dir_.path().string() + "/";
        zorm1::P.DateiName = "Projekt";
        zorm1::P.GanzerName = (dir_ / "Projekt").string();
        zorm1::P.GanzerNameOhneExt = zorm1::P.GanzerName;
        Anzeigen::DruckDatei = (dir_ / "Projekt.AUS").string();
    }
    void TearDown() override {
        vb::draw::SetPrinter(nullptr);
        vb::headless::ResetForms();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        Anzeigen::DruckZuruecksetzen();
    }

    // Writes the report copy (CR LF lines, Windows-1252).
    void Bericht(const std::vector<std::string>& zeilen) {
        std::string s;
        for (const auto& z : zeilen)
            s += vb::ToCp1252(z) + "\r\n";
        vb::WriteFileBytes(Anzeigen::DruckDatei, s);
    }
    // The head as a run writes it: two empty lines, the "Proj" line, an empty line, two comments, an empty
    // line.
    static std::vector<std::string> Kopf() {
        return {"",
                "",
                std::string(13, ' ') + "Proj.Nr. 4711" + std::string(18, ' ') + "Pos. Verbau" +
                    std::string(11, ' ') + "S.",
                "",
                "Kommentar 1",
                "Kommentar 2",
                ""};
    }
    static std::string ProjZeile() { return Kopf()[2]; }

    // Texts printed, in order, with their page (1-based).
    struct Text {
        int seite;
        Record r;
    };
    std::vector<Text> Texte() const {
        std::vector<Text> out;
        int seite = 1;
        for (const auto& r : drucker_->Records()) {
            if (r.op == RecordOp::NewPage) ++seite;
            if (r.op == RecordOp::Print || r.op == RecordOp::Rotated) out.push_back({seite, r});
        }
        return out;
    }
    std::vector<Record> Linien() const {
        std::vector<Record> out;
        for (const auto& r : drucker_->Records())
            if (r.op == RecordOp::Line) out.push_back(r);
        return out;
    }
    int Seiten() const {
        int n = 0;
        for (const auto& r : drucker_->Records())
            if (r.op == RecordOp::BeginDoc || r.op == RecordOp::NewPage) ++n;
        return n;
    }
    // The first printed record whose text contains t.
    const Record* Gedruckt(const std::string& t) const {
        for (const auto& r : drucker_->Records())
            if ((r.op == RecordOp::Print || r.op == RecordOp::Rotated) && r.text.find(t) != std::string::npos)
                return &r;
        return nullptr;
    }

    zortest::WorkingFolder dir_;
    std::unique_ptr<RecordingSurface> drucker_;
};

} // namespace druck_test
