#pragma once
// The picture sequence of the graphics window: picture 1 (the system), then per load case and stage the
// statics picture and the result picture, the envelope of each load case (two stages or more) and the
// envelope of all load cases (two load cases or more). Between pictures the sequence waits for the user,
// whose menu choices only set the requests below; the wait serves them.
//
// The wait has an exit: Ende (the window closed, a new calculation request, the end of the program) ends
// the sequence at once, closes the plot file and draws nothing more. A missing or damaged plot file or
// maxima file ends the sequence with a message.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zorg {

// Picture kinds.
enum BildArt : int16_t { kSystem = 2, kStatik = 3, kErgebnis = 4, kHuelleLF = 6, kHuelleAlle = 7 };

// 1 + anzLF x (2 x anzAush + [anzAush > 1]) + [anzLF > 1]; 0 for no load case or no stage.
int16_t BildAnzahlVon(int16_t anzLF, int16_t anzAush);

// The requests of the menus.
struct Anforderungen {
    bool Weiter = false, NeuZeichnen = false, Druck = false, Neustart = false;
    bool AlleDrucken = false; // print every following picture once
    int16_t ZielBild = 0;     // picture to run forward to (0: none)
    bool Ende = false;        // the sequence is to end (window closed, new request, program end)
};

class Bilderfolge {
public:
    struct Anschluesse {
        // Draws picture kind art of the stage and load case on the window.
        std::function<void(int16_t art, int16_t stufe, int16_t lf)> zeichnen;
        // Prints it (one document).
        std::function<void(int16_t art, int16_t stufe, int16_t lf)> drucken;
        // Lets the user act until fertig() holds (window events with a pause of 10 ms per pass).
        std::function<void(const std::function<bool()>& fertig)> warten;
        // Tells the user why the sequence ends early.
        std::function<void(const std::string&)> meldung;
    };

    explicit Bilderfolge(Anschluesse a) : a_(std::move(a)) {}

    // Runs the sequence for anzLF load cases and anzAush stages: the maxima pass, then the pictures; the
    // plot records are read from "ZZZPLOT2" in the current folder. Returns when Ende is requested or the
    // records cannot be read. zAushStufe: the excavation level of every stage (index 1..anzAush).
    void Laufen(int16_t anzLF, int16_t anzAush, const std::vector<float>& zAushStufe);

    // The "zu Bild ..." box: any number; beyond the 16-bit range it is clamped, a text that is no number
    // gives 0. Sets ZielBild and the restart request.
    void ZielSetzen(double zahl);

    Anforderungen anf;
    int16_t BildNr = 0, BildTyp = 0, BildAnzahl = 0;
    std::vector<bool> Gedruckt; // 0..BildAnzahl
    bool laeuft = false;        // inside Laufen
    // every picture drawn on the window, in order (kind, stage, load case): what the user saw
    struct Gezeigt {
        int16_t nr, art, stufe, lf;
    };
    std::vector<Gezeigt> verlauf;

private:
    // Draws picture nr of kind art and waits; false when the sequence is to restart or end.
    bool Bild(int16_t art, int16_t stufe, int16_t lf);
    void Zeichnen(int16_t stufe, int16_t lf);
    void Warten(int16_t stufe, int16_t lf);
    // Reads the next plot record with its maxima; false (after a message) when it cannot.
    bool SatzLesen(int16_t fn, int16_t lf, int16_t stufe);

    Anschluesse a_;
    int16_t anzAush_ = 0;
};

} // namespace zorg
