// zor_run_project PROJECTFILE: calculates a project without windows in the current folder (a tool of the
// tests). Exit status 0 after a complete run, 1 when no run ended or one stopped at the wall-foot check,
// 2 when the project file cannot be read, 3 when another instance runs in the current folder (nothing done).
#include <clocale>
#include <exception>
#include <iostream>

#include <cstdlib>
#include <fstream>

#include "frame/messages.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "request/run_windows.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (argc != 2) {
        std::cerr << "Aufruf: zor_run_project PROJEKTDATEI\n";
        return 2;
    }
    zorrun::MeldungenAufStderr meldungen;
    zor::MeldungenAnschliessen(&meldungen);
    // Windows the request would open instead of a run: said on standard error.
    zorrun::Fenster().AnkerDialogLaden = [] {
        std::cerr << "[ZOR] Die Auflagerkoten haben sich geändert: die Eingabe der Anker wird geöffnet.\n";
    };
    zorrun::Fenster().ProfilListeLaden = [] { std::cerr << "[ZOR] Die Profil-Liste wird geöffnet.\n"; };
    // ZOR_RUN_PROJECT_HALT=<fifo>: the run waits before its input evaluation until a line can be read from
    // the fifo, so that a test can start a second instance while this one holds the working folder.
    if (const char* halt = std::getenv("ZOR_RUN_PROJECT_HALT"); halt && *halt) {
        auto& stufen = zorrun::Stufen();
        stufen.EingabeAuswerten = [halt = std::string(halt), weiter = stufen.EingabeAuswerten] {
            std::ifstream fifo(halt);
            std::string zeile;
            std::getline(fifo, zeile);
            weiter();
        };
    }
    int code = 1;
    try {
        code = zorrun::ProjektRechnen(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "Unerwarteter Fehler: " << e.what() << "\n";
        code = 1;
    }
    zor::MeldungenAnschliessen(nullptr);
    return code;
}
