#pragma once
// What the project-file reader promises for any bytes at all, checked from a known state: no crash;
// every file number closed afterwards; after a successful read DatenGelesen = -1 and no box; after a
// failed read the project data and the header texts exactly as before, one beep and the "Falsche
// Datei" box. Shared by the replay of the fuzzing corpus and the fuzz target.
#include <cstdio>
#include <string>

#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/vbfile.h"

namespace zortest {

// The state a read starts from: an example project read, and header texts that differ from every
// text a project file holds, the header dialog open.
struct LeseBasis {
    zorm1::ProjectData projekt;
    Anzeigen::Heft504Daten h504;
};

// Reads the example project (a path) into a fresh state and returns it as the basis; an empty
// basis when it cannot be read.
inline LeseBasis LeseBasisAus(const std::string& beispiel) {
    vb::ResetRuntime();
    zor::meldeprotokoll::Zuruecksetzen();
    zorm1::ResetProjectData();
    Anzeigen::ResetH504();
    zorm1::P.GradZuRad = 3.141593f / 180.0f;
    zorm1::EingabeLesen(beispiel);
    LeseBasis b;
    b.projekt = zorm1::P;
    b.h504.DialogGeladen = true;
    b.h504.LeisteGeladen = true;
    for (int i = 0; i < Anzeigen::Heft504Texte::Anzahl; ++i) {
        b.h504.Dialog[i] = "Kopf " + std::to_string(i);
        b.h504.Leiste[i] = "Leiste " + std::to_string(i);
    }
    b.h504.txtVorsatz = "S.";
    b.h504.txtStartSeite = "7";
    return b;
}

// Writes bytes as the file "projekt" of the current folder, reads it from the basis and returns
// what broke a promise ("" when none did).
inline std::string ProjektdateiPruefen(const std::string& bytes, const LeseBasis& basis) {
    const char* const name = "projekt";
    std::FILE* f = std::fopen(name, "wb");
    if (!f) return "cannot write the input file";
    const bool geschrieben = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !geschrieben) return "cannot write the input file";

    vb::ResetRuntime();
    zor::meldeprotokoll::Zuruecksetzen();
    zorm1::P = basis.projekt;
    Anzeigen::H504 = basis.h504;
    const bool ok = zorm1::EingabeLesen(name);

    if (vb::FreeFile() != 1) return "a file number was left open";
    const auto& log = zor::meldeprotokoll::Eintraege();
    if (ok) {
        if (zorm1::P.DatenGelesen != -1) return "read, but DatenGelesen is not -1";
        if (!log.empty()) return "read, but a box was shown";
        return "";
    }
    if (!(zorm1::P == basis.projekt)) return "failed read changed the project data";
    if (!(Anzeigen::H504 == basis.h504)) return "failed read changed the header texts";
    if (log.size() != 1) return "failed read showed " + std::to_string(log.size()) + " boxes";
    if (log[0].titel != "Falsche Datei" ||
        log[0].text != std::string("Die Datei   ") + name + "   ist keine Eingabe-Datei für  Z O R  !\r\r")
        return "failed read showed another box: " + log[0].titel;
    if (zor::meldeprotokoll::Signaltoene() != 1) return "failed read did not beep once";
    return "";
}

} // namespace zortest
