// The legend of the statics picture of a project under partial factors states the factors its calculation
// used, and its lines stay inside the white frame drawn for them. Each project is calculated by the headless
// program, in a process of its own as after a new start of the program on the results of an earlier run; the
// factors expected are read from the report of that calculation (the deep slip plane's line "Ausnutzung =
// (Summ.Ah,k / mögl.Ah,k) * ( gamG * gamRe )") and must match the factors of the standard's table or of the
// rule for the design situation, worked by hand for each case. The pictures are drawn on the printed page in
// portrait and in landscape and on the graphics window, in the wide font of a first start.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "graphics/drawing.h"
#include "graphics/picture_sequence.h"
#include "graphics/pictures.h"
#include "platform/draw/devices.h"
#include "platform/draw/recorder.h"
#include "platform/qt/draw_printer.h"
#include "platform/qt/draw_qt.h"
#include "tests/graphics/qt/picture_fixture.h"
#include "tests/support/working_folder.h"

using zorm1::P;
namespace fs = std::filesystem;

namespace {

using vb::draw::RecordingSurface;

// A case: an example, what is changed in it before it is calculated, and the factors on the earth pressure
// and on the resistance that its calculation must use.
struct Fall {
    const char* beispiel;
    const char* name;
    void (*aendern)();
    double gamE, gamRe;
};
void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

// Design situation BS-T with 40 % earth pressure at rest: 1.2 + 0.15 x 0.4 = 1.26 and 1.3 + 0.1 x 0.4 = 1.34.
void RuhedruckVierzig() {
    P.RuheProz = 40.0f;
}
// Design situation BS-P with the reduced factor of the resistance: gamG = 1.35, gamRe,red = 1.20.
void LastfallEinsAbgemindert() {
    P.Bemessungssituation = 1;
    P.gamG = 1.35f;
    P.gamRe = 1.40f;
    P.kzRered = 1;
    P.gamRered = 1.20f;
}

// "1,234" for 1.234 with `stellen` decimals (the decimal comma of the tests' settings).
std::string Zahl(double v, int stellen) {
    char b[32];
    std::snprintf(b, sizeof b, "%.*f", stellen, v);
    std::string s = b;
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

// The two factors of every "Ausnutzung = (Summ.Ah,k / mögl.Ah,k) * ( a * b )" line of the report.
std::vector<std::pair<std::string, std::string>> BerichtsFaktoren(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    // the report is in Windows-1252: the "ö" of "mögl." is one byte, matched by the dot
    const std::regex zeile(
        R"(Ausnutzung = \(Summ\.Ah,k / m.{1,2}gl\.Ah,k\) \* \(\s*([0-9]+,[0-9]+)\s*\*\s*([0-9]+,[0-9]+)\s*\))");
    std::vector<std::pair<std::string, std::string>> v;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), zeile); it != std::sregex_iterator(); ++it)
        v.emplace_back((*it)[1].str(), (*it)[2].str());
    return v;
}

// A device of dpi dots per inch whose text extents are Qt's.
struct Geraet {
    std::unique_ptr<RecordingSurface> s;
    QImage bild{8, 8, QImage::Format_RGB32};
    std::string name;
    Geraet(std::unique_ptr<RecordingSurface> f, int dpi, std::string n)
        : s(std::move(f)), name(std::move(n)) {
        bild.setDotsPerMeterX(qRound(dpi / 0.0254));
        bild.setDotsPerMeterY(qRound(dpi / 0.0254));
        s->SetMeasure([this](std::string_view l, const vb::draw::FontSpec& ft) {
            return vb::draw::qt::Measure(l, ft, &bild);
        });
    }
};

// What is wrong with the legend's safety lines of the picture just recorded on g: the first line is not the
// text expected, or a line does not lie wholly inside the legend's frame (the white box filled last before
// its heading). "" when all is well; "-" when the picture has no legend.
std::string LegendenFehler(Geraet& g, const std::string& erwartet) {
    const auto& r = g.s->Records();
    const vb::draw::Record* rahmen = nullptr;
    std::size_t i = 0;
    for (; i < r.size(); ++i) {
        const auto& x = r[i];
        if (x.op == vb::draw::RecordOp::Line && x.kind == vb::draw::LineKind::FilledBox &&
            x.color == vb::draw::vbWhite)
            rahmen = &x;
        if (x.op == vb::draw::RecordOp::Print && x.text == "Gleitkörper; Gesamtnachweis") break;
    }
    if (i == r.size()) return "-";
    if (!rahmen) return " no legend frame";
    const double l = std::min(rahmen->tx1, rahmen->tx2), rr = std::max(rahmen->tx1, rahmen->tx2),
                 o = std::min(rahmen->ty1, rahmen->ty2), u = std::max(rahmen->ty1, rahmen->ty2);
    std::string fehler;
    int zeilen = 0;
    for (; i < r.size(); ++i) {
        const auto& x = r[i];
        if (x.op != vb::draw::RecordOp::Print) continue;
        const bool sicherheit = x.text.rfind("erf. Sicherheit", 0) == 0;
        if (!sicherheit && x.text.rfind("Ausnutzung = ", 0) != 0) continue;
        ++zeilen;
        if (sicherheit && x.text != erwartet)
            fehler += " \"" + x.text + "\" instead of \"" + erwartet + "\";";
        const auto e = vb::draw::qt::Measure(x.text, x.font, &g.bild);
        if (x.tx1 < l || x.tx1 + e.width > rr || x.ty1 < o || x.ty1 + e.height > u)
            fehler += " \"" + x.text + "\" from " + Zahl(x.tx1, 0) + " to " + Zahl(x.tx1 + e.width, 0) +
                      " twips leaves the frame from " + Zahl(l, 0) + " to " + Zahl(rr, 0) + ";";
    }
    if (zeilen != 2) fehler += " " + std::to_string(zeilen) + " safety lines instead of two;";
    return fehler;
}

class StatikLegende : public ::testing::TestWithParam<Fall> {};

TEST_P(StatikLegende, StatesTheFactorsOfTheCalculationInsideItsFrame) {
    zortest::WorkingFolder ordner;
    bild_test::Grundstellung(',');
    const Fall& fall = GetParam();
    const std::string name = fall.name;
    zorm1::ResetProjectData();
    ASSERT_TRUE(zorm1::EingabeLesen(fall.beispiel));
    if (fall.aendern) fall.aendern();
    ASSERT_TRUE(zorm1::EingabeSchreiben(name));
    const std::string befehl = "mkdir -p xdg && XDG_DATA_HOME=\"$PWD/xdg\" '" + std::string(ZOR_RUN_PROJECT) +
                               "' '" + name + "' 2> stderr.txt";
    ASSERT_EQ(std::system(befehl.c_str()), 0) << std::ifstream("stderr.txt").rdbuf();
    ASSERT_TRUE(fs::exists("ZZZPLOT2"));

    // the report states the factors of the run, those of the case
    const auto bericht = BerichtsFaktoren(name + ".AUS");
    ASSERT_FALSE(bericht.empty()) << "no deep slip plane check under partial factors in the report";
    for (const auto& [a, b] : bericht) {
        EXPECT_EQ(a, Zahl(fall.gamE, 3));
        EXPECT_EQ(b, Zahl(fall.gamRe, 3));
    }
    const std::string erwartet = "erf. Sicherheit " + bericht.front().first + "*" + bericht.front().second +
                                 " = " + Zahl(fall.gamE * fall.gamRe, 2);

    ASSERT_TRUE(bild_test::ProjektLesenErsterStart(name));
    std::vector<Geraet> geraete;
    geraete.reserve(2);
    geraete.emplace_back(RecordingSurface::Screen(1280, 1005 - 20), 96, "Fenster");
    geraete.emplace_back(RecordingSurface::Printer(), 600, "Druck");
    vb::draw::SetPrinter(geraete.back().s.get());

    std::vector<std::string> fehler;
    int legenden = 0;
    zorg::Bilderfolge folge(zorg::Bilderfolge::Anschluesse{
        [&](int16_t art, int16_t stufe, int16_t lf) {
            if (art != 3) return;
            const std::string bild = "LF " + std::to_string(lf) + " Aushub " + std::to_string(stufe);
            auto pruefen = [&](Geraet& g, const std::string& wo) {
                const std::string f = LegendenFehler(g, erwartet);
                if (f == "-") return false;
                if (!f.empty()) fehler.push_back(bild + " " + wo + ":" + f);
                return true;
            };
            auto& fenster = geraete.front();
            fenster.s->ClearLog();
            ASSERT_TRUE(zorg::BildZeichnen(*fenster.s, art, stufe, lf));
            const bool legende = pruefen(fenster, "window");
            auto& d = geraete.back();
            for (const int quer : {0, -1}) {
                P.Querformat = static_cast<int16_t>(quer);
                P.H504Ein = static_cast<int16_t>(quer);
                d.s->ClearLog();
                ASSERT_TRUE(zorg::BildDrucken(*d.s, art, stufe, lf, 1));
                EXPECT_EQ(pruefen(d, quer ? "printed landscape" : "printed portrait"), legende) << bild;
            }
            // ZOR_BILD_ORDNER: the landscape printout of a picture with a legend for a look
            if (legende && std::getenv("ZOR_BILD_ORDNER")) {
                vb::draw::qt::PrinterSurface pdf(vb::draw::qt::PrinterSurface::Target::Pdf);
                vb::draw::SetPrinter(&pdf);
                zorg::BildDrucken(pdf, art, stufe, lf, 1);
                if (!pdf.LastDocumentFile().empty())
                    fs::rename(pdf.LastDocumentFile(),
                               bild_test::Datei(name + "_LF" + std::to_string(lf) + "_Aushub" +
                                                std::to_string(stufe) + "_quer.pdf"));
                vb::draw::SetPrinter(d.s.get());
            }
            P.Querformat = 0;
            P.H504Ein = 0;
            if (legende) ++legenden;
        },
        nullptr, nullptr, [&](const std::string& m) { ADD_FAILURE() << m; }});
    std::vector<float> zAush(static_cast<size_t>(zorm1::MaxAushub) + 1, 0.0f);
    for (int s = 1; s <= zorm1::MaxAushub; ++s)
        zAush[static_cast<size_t>(s)] = P.Aushubstufen[static_cast<size_t>(s)].zAush;
    folge.Laufen(P.AnzLF, std::min<int16_t>(P.AnzAush, zorm1::MaxAushub), zAush);
    vb::draw::SetPrinter(nullptr);
    vb::SetDecimalSeparator(0);
    // one legend for every stage with an anchor in every load case, at least one
    EXPECT_GE(legenden, 1);
    std::string liste;
    for (const auto& f : fehler)
        liste += "\n  " + f;
    EXPECT_TRUE(fehler.empty()) << liste;
}

// BS-T of the examples: gamG = 1.20, gamRe = 1.30 (the standard's table for the design situation BS-T).
INSTANTIATE_TEST_SUITE_P(
    Beispiele, StatikLegende,
    ::testing::Values(Fall{ZOR_EXAMPLES "/Spundwand_verankert", "Spundwand_verankert", nullptr, 1.20, 1.30},
                      Fall{ZOR_EXAMPLES "/Bohrpfahlwand", "Bohrpfahlwand", nullptr, 1.20, 1.30},
                      Fall{ZOR_EXAMPLES "/Spundwand_verankert", "Ruhedruck_40", RuhedruckVierzig, 1.26, 1.34},
                      Fall{ZOR_EXAMPLES "/Spundwand_verankert", "BS_P_abgemindert", LastfallEinsAbgemindert,
                           1.35, 1.20}));

} // namespace
