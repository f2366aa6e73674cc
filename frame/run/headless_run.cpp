#include "frame/run/headless_run.h"

#include <iostream>

#include "dialogs/project/safety_factors.h"
#include "frame/file_routines.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/project_list.h"
#include "frame/run/run_driver.h"
#include "frame/settings.h"
#include "frame/startup.h"
#include "platform/forms/forms.h"
#include "platform/runtime/winfs.h"
#include "slipcircle/zormg_state.h"

using zorm1::P;

namespace zorrun {

int ProjektRechnen(const std::string& projektDatei) {
    // Start window and start dialog.
    P.Versionstext = Anzeigen::kVersionstext;
    P.TiefeUnendlich = 99.0f;
    try {
        Anzeigen::WurzelOrdnerSuchen();
    } catch (const vb::ProgramEnd&) {
        return kLaufNichtFertig; // no folder for the settings: the program has said so
    }
    DListe::Bereinigen();
    P.GradZuRad = 3.141593f / 180.0f;
    Anzeigen::PfadDateiLesen();
    Anzeigen::StandardwerteSetzen();

    // The project file's folder and names, as the start dialog derives them.
    std::string name = projektDatei;
    std::string pfad = Anzeigen::NurPfad(name);
    if (pfad.empty()) pfad = vb::CurDir();
    Anzeigen::PfadNormieren(pfad);
    P.DateiPfad = pfad;
    P.DateiName = Anzeigen::NurDateiName(name);
    std::string ohneExt = P.DateiName;
    P.NameOhneExt = Anzeigen::OhneErweiterung(ohneExt);
    P.GanzerName = P.DateiPfad + P.DateiName;
    P.GanzerNameOhneExt = P.DateiPfad + P.NameOhneExt;

    std::string ganz = P.GanzerName;
    if (!Anzeigen::DateiExistiert(ganz)) {
        vb::MsgBox("Datei existiert nicht ! \r\n\r\n" + P.GanzerName);
        return kDateiNichtLesbar;
    }
    Zormg::FelderDimensionieren();
    if (!zorm1::EingabeLesen(P.GanzerName)) return kDateiNichtLesbar;

    // The wall page, which opens after the start dialog, takes the project's seepage and heave options for the
    // run (its check boxes are ticked from them); the run itself switches them off where they do not apply.
    P.kzStroem = P.kzStroemEin == 1 ? 1 : 0;
    P.kzHydGrBr = P.kzHydGrBrEin == 1 ? 1 : 0;

    // The safety pages confirmed as they open, then "Berechnung starten".
    Sicherheiten::SicherheitsbeiwerteSetzen();
    return cmdStart_Click() == Anfrageausgang::Fertig ? kLaufFertig : kLaufNichtFertig;
}

int MeldungenAufStderr::show(std::string_view prompt, int buttons, std::string_view title) {
    const int antwort = vb::headless::DefaultAnswer(buttons);
    std::string text(prompt);
    for (char& c : text)
        if (c == '\r') c = '\n';
    std::cerr << "[" << (title.empty() ? "ZOR" : title) << "] " << text << " -> " << antwort << "\n";
    return antwort;
}

void MeldungenAufStderr::beep() {
    std::cerr << "[ZOR] (Signalton)\n";
}

} // namespace zorrun
