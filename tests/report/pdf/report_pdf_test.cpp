// An example project through stage a and the earth-pressure stage, its report copied beside the project file
// and printed to PDF files (plain, short printout, with header and footer boxes); the text of every page, as
// pdftotext reads it, is compared with the report copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "earthpressure/report_file.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/stage_b.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/report_copy.h"
#include "platform/draw/devices.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/qt/draw_printer.h"
#include "platform/qt/draw_qt.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "report/page_header_boxes.h"
#include "report/print_engine.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

namespace fs = std::filesystem;

bool HaveTool(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Ausgabe(const std::string& cmd) {
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    pclose(p);
    return out;
}

// Blanks collapsed to one, leading and trailing ones removed.
std::string Normal(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

using Seite = std::vector<std::string>;

// The pages of a PDF as pdftotext -layout reads them: their non-empty lines, normalised.
std::vector<Seite> PdfSeiten(const std::string& pdf) {
    const std::string text = Ausgabe("pdftotext -layout '" + pdf + "' -");
    std::vector<Seite> seiten(1);
    for (const auto& z : zortest::ZeilenAus(text)) {
        std::string rest = z;
        std::size_t ff;
        while ((ff = rest.find('\f')) != std::string::npos) {
            const std::string n = Normal(rest.substr(0, ff));
            if (!n.empty()) seiten.back().push_back(n);
            seiten.emplace_back();
            rest = rest.substr(ff + 1);
        }
        const std::string n = Normal(rest);
        if (!n.empty()) seiten.back().push_back(n);
    }
    while (!seiten.empty() && seiten.back().empty())
        seiten.pop_back();
    return seiten;
}

// The first run of two or more marks blanked, as the printout draws it as a rule.
std::string OhneRegel(std::string z, char mark) {
    const std::size_t a = z.find(std::string(2, mark));
    if (a == std::string::npos) return z;
    std::size_t e = a;
    while (e < z.size() && z[e] == mark)
        z[e++] = ' ';
    return z;
}

class BerichtPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils missing";
        vb::headless::ResetForms();
        vb::headless::Reset();
        vb::draw::ResetDevices();
        ResetProjectData();
        Anzeigen::ResetH504();
        Anzeigen::DruckZuruecksetzen();
        zorma::BerichtZuruecksetzen();
        vb::draw::qt::EnsureQtApp();
        drucker_ = std::make_unique<vb::draw::qt::PrinterSurface>(vb::draw::qt::PrinterSurface::Target::Pdf);
        vb::draw::SetPrinter(drucker_.get());
    }
    void TearDown() override {
        vb::draw::SetPrinter(nullptr);
        ResetProjectData();
        Anzeigen::ResetH504();
        Anzeigen::DruckZuruecksetzen();
        if (const char* keep = std::getenv("ZOR_PDF_ORDNER"))
            for (const auto& e : fs::directory_iterator(dir_.path()))
                if (e.path().extension() == ".pdf" || e.path().extension() == ".AUS")
                    fs::copy_file(e.path(), fs::path(keep) / e.path().filename(),
                                  fs::copy_options::overwrite_existing);
    }

    // The example through stage a and every load case and stage of the earth-pressure stage, its report
    // copied beside the project file.
    void Rechnen(const std::string& name) {
        P.GradZuRad = 3.141593f / 180.0f;
        P.TiefeUnendlich = 99.0f;
        P.Versionstext = "V.07.05.2012";
        P.WurzelOrdner = dir_.path().string() + "/";
        ASSERT_TRUE(zorm1::EingabeLesen(std::string(ZOR_TEST_DATA) + "/" + name));
        P.GanzerName = (dir_ / name).string();
        P.GanzerNameOhneExt = P.GanzerName;
        P.gamG = 1.20f;
        P.gamE0g = 1.10f;
        P.gamQ = 1.30f;
        zorma::EingabeAuswerten();
        const int anzLF = P.AnzLF, anzAush = P.AnzAush;
        for (int lf = 1; lf <= anzLF; ++lf)
            for (int a = 1; a <= anzAush; ++a) {
                P.LFNr = static_cast<int16_t>(lf);
                P.AushNr = static_cast<int16_t>(a);
                zormb::ErddruckBerechnen();
            }
        vb::Close(zorma::kBerichtDateiNr);
        ASSERT_EQ(Anzeigen::DruckDateiKopieren(), Anzeigen::KopieErgebnis::Ok);
        aus_ = zortest::Zeilen(Anzeigen::DruckDatei);
        P.TextFontName = "Courier New";
        P.TextFontSize = 8.25f;
        P.RandOben = P.RandUnten = 10;
    }

    // The pages the printout must have: the head (from the first non-empty line up to line 7, the "Proj"
    // line with the page counter) on every page, the body lines with their rules blanked and trimmed, a new
    // page after every `jeSeite` printed lines. kurz: only the lines the short printout keeps.
    // nr: the page number of the first page (0: no numbers in the head line), with its prefix.
    std::vector<Seite> Erwartet(int zeilenJeSeite, bool kurz, int nr = 0,
                                const std::string& vorsatz = "") const {
        std::vector<std::string> kopf;
        std::size_t i = 0;
        for (; i < 7 && i < aus_.size(); ++i)
            if (!(aus_[i].empty() && kopf.empty())) kopf.push_back(aus_[i]);
        std::vector<Seite> seiten;
        int n = 0;
        auto neueSeite = [&] {
            ++n;
            seiten.emplace_back();
            for (const auto& k : kopf) {
                std::string z = k;
                if (z.find("Proj") != std::string::npos) {
                    std::string c = "(" + std::to_string(n) + ")";
                    c.resize(4, ' ');
                    z = c + z.substr(4) + (nr > 0 ? " " + vorsatz + std::to_string(nr + n - 1) : "");
                }
                if (!Normal(z).empty()) seiten.back().push_back(Normal(z));
            }
        };
        neueSeite();
        int zeilen = static_cast<int>(kopf.size());
        bool an = true;
        for (; i < aus_.size(); ++i) {
            const std::string& z = aus_[i];
            if (kurz) {
                auto hat = [&](const char* t) { return z.find(t) != std::string::npos; };
                if (hat("TEILSICHERHEIT") || hat("Zugehörige Teilsicherheiten")) an = true;
                if (hat("ALLGEMEINE AN")) an = false;
                if (hat("Wandtyp:")) an = true;
                if (z.find(std::string(64, '-')) != std::string::npos && i >= 2 && aus_[i - 1].empty() &&
                    aus_[i - 2].empty())
                    an = false;
                for (const char* t :
                     {"AUS ALLEN LASTF", "Spannungsnachweis", "Bemessung der ", "Ankernachweise:", "(C)"})
                    if (hat(t)) an = true;
            }
            if (!an) continue;
            const std::string t = Normal(OhneRegel(OhneRegel(z, '-'), '='));
            if (!t.empty()) seiten.back().push_back(t);
            if (++zeilen >= zeilenJeSeite) {
                neueSeite();
                zeilen = static_cast<int>(kopf.size());
            }
        }
        return seiten;
    }

    void Vergleichen(const std::vector<Seite>& soll, const std::vector<Seite>& ist) {
        ASSERT_EQ(ist.size(), soll.size());
        for (std::size_t s = 0; s < soll.size(); ++s) {
            ASSERT_EQ(ist[s].size(), soll[s].size()) << "page " << s + 1;
            for (std::size_t z = 0; z < soll[s].size(); ++z)
                EXPECT_EQ(ist[s][z], soll[s][z]) << "page " << s + 1 << " line " << z + 1;
        }
    }

    zortest::WorkingFolder dir_;
    std::unique_ptr<vb::draw::qt::PrinterSurface> drucker_;
    std::vector<std::string> aus_;
};

// A4 less 5 mm: 16,279 twips high; margins of 10 + 3 mm are 737 twips each.
int ZeilenJeSeite(int randMm) {
    const int rand = static_cast<int>(std::nearbyint((randMm + 3) * 1440.0 / 25.4));
    return (16279 - 2 * rand) / Anzeigen::Druck.ZeilenHoehe;
}

TEST_F(BerichtPdf, PlainPrintoutMatchesTheReportCopyPageByPage) {
    Rechnen("Spundwand_frei");
    P.SeitenNr = 7;
    P.SeitenVorsatz = "B-";
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    const std::string pdf = (dir_ / "Spundwand_frei-Bericht.pdf").string();
    EXPECT_EQ(Anzeigen::LetzteDruckDatei(), pdf);
    EXPECT_EQ(Anzeigen::Druck.SeiteHoehe, 16279);
    Vergleichen(Erwartet(ZeilenJeSeite(10), false, 7, "B-"), PdfSeiten(pdf));
}

TEST_F(BerichtPdf, ShortPrintoutKeepsTheChosenSections) {
    Rechnen("Spundwand_frei");
    P.KurzAusdruck = -1;
    P.SeitenNr = 0;
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    P.KurzAusdruck = 0;
    const std::string pdf = (dir_ / "Spundwand_frei-Kurzausdruck.pdf").string();
    const auto soll = Erwartet(ZeilenJeSeite(10), true);
    Vergleichen(soll, PdfSeiten(pdf));
    EXPECT_LT(soll.size(), Erwartet(ZeilenJeSeite(10), false).size());
    const Seite& s1 = soll.front();
    EXPECT_TRUE(std::find(s1.begin(), s1.end(), "Wandtyp: SPUNDWAND") != s1.end());
}

TEST_F(BerichtPdf, BoxesFrameAndPageNumbersFrom12WithAPrefix) {
    Rechnen("Traegerbohlwand_verankert");
    P.H504Ein = -1;
    P.RahmenEin = -1;
    P.SeitenNr = 12;
    P.SeitenVorsatz = "A-";
    ASSERT_TRUE(Anzeigen::DateiDrucken());
    const std::string pdf = (dir_ / "Traegerbohlwand_verankert-Bericht.pdf").string();
    const auto ist = PdfSeiten(pdf);
    const auto soll = Erwartet(ZeilenJeSeite(30), false);
    ASSERT_EQ(ist.size(), soll.size());
    const auto& t = Anzeigen::H504.Dialog;
    for (std::size_t s = 0; s < ist.size(); ++s) {
        const std::string alles = [&] {
            std::string a;
            for (const auto& z : ist[s])
                a += z + "\n";
            return a;
        }();
        EXPECT_NE(alles.find(Normal("Programm : Z O R (Baugrubenwand)")), std::string::npos) << s;
        EXPECT_NE(alles.find(Normal("Verfasser:  " + t.txtVerfasser)), std::string::npos) << s;
        EXPECT_NE(alles.find("S. A-" + std::to_string(12 + s)), std::string::npos) << alles;
        // every line of the report page stands on the PDF page, in order
        std::size_t von = 0;
        for (const auto& z : soll[s]) {
            const std::size_t p = alles.find(z, von);
            ASSERT_NE(p, std::string::npos) << "page " << s + 1 << ": " << z;
            von = p + z.size();
        }
    }
    EXPECT_EQ(P.SeitenNr, 12 + static_cast<int>(ist.size()));
    EXPECT_EQ(P.NaechsteSeite, P.SeitenNr);
}

// Picture pages with the boxes, upright and landscape, at 1 : 100 (1 mm of paper is 0.1 m): the box texts
// come out on paper, and the landscape ones read down the page.
TEST_F(BerichtPdf, PicturePagesCarryTheBoxesUprightAndLandscape) {
    auto& t = Anzeigen::Heft504();
    t.txtVerfasser = "Ingenieurbuero Nord";
    t.txtBauteil = "Verbau Ost";
    P.TextFontName = "Courier New";
    P.TextFontSize = 8.25f;
    P.SeitenNr = 3;
    P.SeitenVorsatz = "G-";
    drucker_->SetDocumentName((dir_ / "Bilder").string(), "B101");
    Anzeigen::GrafikSeite g;
    g.Massstab = 100;
    g.ZeichenEinheit = 0.025f;
    g.Querformat = false;
    g.BildLinks = 2.0f, g.BildRechts = 19.4f, g.BildOben = 2.5f, g.BildUnten = 26.2f;
    drucker_->Scale(0, 0, drucker_->DeviceWidthTwips() / 1440 * 25.4 / 10,
                    drucker_->DeviceHeightTwips() / 1440 * 25.4 / 10);
    drucker_->Line(g.BildLinks, g.BildOben, g.BildRechts, g.BildUnten, vb::draw::kNoColor,
                   vb::draw::LineKind::Box);
    Anzeigen::H504GrafikSeite(g);
    drucker_->EndDoc();
    const std::string hoch = drucker_->LastDocumentFile();
    drucker_->SetDocumentName((dir_ / "Bilder").string(), "B102");
    drucker_->SetOrientation(vb::draw::vbPRORLandscape);
    g.Querformat = true;
    g.BildLinks = 2.5f, g.BildRechts = 26.2f, g.BildOben = 1.0f, g.BildUnten = 19.0f;
    drucker_->Scale(0, 0, drucker_->DeviceWidthTwips() / 1440 * 25.4 / 10,
                    drucker_->DeviceHeightTwips() / 1440 * 25.4 / 10);
    drucker_->Line(g.BildLinks, g.BildOben, g.BildRechts, g.BildUnten, vb::draw::kNoColor,
                   vb::draw::LineKind::Box);
    Anzeigen::H504GrafikSeite(g);
    drucker_->EndDoc();
    const std::string quer = drucker_->LastDocumentFile();
    for (const auto& [pdf, nr] : {std::pair{hoch, "S. G-3"}, std::pair{quer, "S. G-4"}}) {
        const auto seiten = PdfSeiten(pdf);
        ASSERT_EQ(seiten.size(), 1u) << pdf;
        std::string alles;
        for (const auto& z : seiten[0])
            alles += z + "\n";
        for (const char* z : {"Verfasser: Ingenieurbuero Nord", "Programm : Z O R (Baugrubenwand)",
                              "Bauteil : Verbau Ost", "Archiv Nr.:", nr})
            EXPECT_NE(alles.find(z), std::string::npos) << pdf << ": " << z << "\n" << alles;
    }
    EXPECT_EQ(P.SeitenNr, 5);
    EXPECT_EQ(P.TextFontSize, 8.25f);
}

} // namespace
