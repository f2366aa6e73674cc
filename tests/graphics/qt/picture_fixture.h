#pragma once
// What the picture tests share: the start state of the drawing devices, the project and the graphics
// with the usual font, scale and margins; where the files go; the dark pixels of an image; the text of
// a printed PDF through pdftotext.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QImage>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "platform/draw/devices.h"
#include "platform/qt/draw_qt.h"
#include "platform/runtime/vbnum.h"
#include "tests/run/example_copy.h"

namespace bild_test {

// The Qt application, cleared devices, project data and graphics state, the decimal separator, and
// the picture settings: Arial 8.25, scale 1:100, margins of 10 mm on every side.
inline void Grundstellung(char dezimal) {
    vb::draw::qt::EnsureQtApp();
    vb::draw::ResetDevices();
    zorm1::ResetProjectData();
    zorg::GrafikZuruecksetzen();
    vb::SetDecimalSeparator(dezimal);
    auto& P = zorm1::P;
    P.GrafikFontName = "Arial";
    P.GrafikFontSize = 8.25f;
    P.Massstab = 100;
    P.GrafikRandLinks = P.GrafikRandRechts = P.GrafikRandOben = 10;
    P.GrafikRandUnten = 10;
}

// The calculated project `name` of the current folder read for its pictures, with the picture settings of a
// first start: Courier New 6.75 pt, margins 20, 10, 5 and 5 mm. False when it cannot be read.
inline bool ProjektLesenErsterStart(const std::string& name) {
    zorm1::ResetProjectData();
    zorg::GrafikZuruecksetzen();
    if (!zorm1::EingabeLesen(name)) return false;
    auto& P = zorm1::P;
    P.GanzerName = (std::filesystem::current_path() / name).string();
    P.GrafikFontName = "Courier New";
    P.GrafikFontSize = 6.75f;
    P.GrafikRandLinks = 20, P.GrafikRandOben = 10, P.GrafikRandRechts = 5, P.GrafikRandUnten = 5;
    return true;
}

// Where a file goes: ZOR_BILD_ORDNER, else the test's own folder.
inline std::string Datei(const std::string& name) {
    const char* o = std::getenv("ZOR_BILD_ORDNER");
    return o ? (std::filesystem::path(o) / name).string() : name;
}

// The pixels darker than middle grey.
inline int Dunkel(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) ++n;
    return n;
}

// What a shell command writes to its standard output (empty when it cannot be started).
inline std::string Ausgabe(const std::string& befehl) {
    std::string out;
    if (FILE* p = ::popen(befehl.c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
            out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

// An example calculated by the headless program in the current folder, as a copy of its own; the copy's
// name, or "" when the run failed.
inline std::string Rechnen(const char* beispiel) {
    namespace fs = std::filesystem;
    const std::string name = zortest::BeispielKopieren(beispiel);
    if (name.empty()) return "";
    const std::string ordner = fs::current_path().string();
    const std::string befehl = "cd '" + ordner + "' && mkdir -p xdg && XDG_DATA_HOME='" + ordner + "/xdg' '" +
                               ZOR_RUN_PROJECT + "' '" + name + "' 2> stderr.txt";
    if (std::system(befehl.c_str()) != 0 || !fs::exists("ZZZPLOT2")) return "";
    return name;
}

// pdftotext (poppler-utils) is there to read printed PDFs back.
inline bool PdfTextDa() {
    return !Ausgabe("command -v pdftotext").empty();
}
// The text of a PDF, laid out as printed.
inline std::string PdfText(const std::string& pdf) {
    return Ausgabe("pdftotext -layout '" + pdf + "' -");
}

} // namespace bild_test
