#include "request/headless_run.h"

#include <iostream>

#include "frame/file_routines.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/report_copy.h"
#include "request/project_preparation.h"
#include "request/run_driver.h"
#include "request/working_folder.h"

using zorm1::P;

namespace zorrun {

int ProjektRechnen(const std::string& projektDatei) {
    const auto sperre = ArbeitsordnerSperren(); // held until the run returns
    if (!sperre) return kOrdnerBelegt;          // said
    if (!Starten()) return kLaufNichtFertig;    // no folder for the settings: said
    EinstellungenLaden();
    NamenAusPfad(projektDatei);
    std::string ganz = P.GanzerName;
    if (!Anzeigen::DateiExistiert(ganz)) {
        zor::Melden("Datei existiert nicht ! \r\n\r\n" + P.GanzerName);
        return kDateiNichtLesbar;
    }
    // The project file stays locked against another instance until its report copy is written.
    const zorm1::ProjektSperre projekt(P.GanzerName);
    if (projekt.belegt()) {
        zor::Melden(zorm1::ProjektBelegtMeldung(P.GanzerName), vb::vbExclamation, "Berechnung nicht möglich");
        return kLaufNichtFertig;
    }
    if (!ProjektEinlesen()) return kDateiNichtLesbar;
    RechnungVorbereiten();
    const Anfrageausgang ausgang = cmdStart_Click();
    if (ausgang == Anfrageausgang::Fertig || ausgang == Anfrageausgang::WandfussOberhalb) {
        // What the report window does when it opens after a request: the report's copy beside the project.
        const Anzeigen::KopieErgebnis kopie = Anzeigen::DruckDateiKopieren();
        if (kopie != Anzeigen::KopieErgebnis::Ok)
            zor::Melden(Anzeigen::KopieMeldung(kopie), vb::vbExclamation);
    }
    return ausgang == Anfrageausgang::Fertig ? kLaufFertig : kLaufNichtFertig;
}

int MeldungenAufStderr::Zeigen(std::string_view text, int knoepfe, std::string_view titel) {
    const int antwort = vb::DefaultButtonAnswer(knoepfe);
    std::string zeilen(text);
    for (char& c : zeilen)
        if (c == '\r') c = '\n';
    std::cerr << "[" << (titel.empty() ? "ZOR" : titel) << "] " << zeilen << " -> " << antwort << "\n";
    return antwort;
}

void MeldungenAufStderr::Signalton() {
    std::cerr << "[ZOR] (Signalton)\n";
}

} // namespace zorrun
