#include "frame/messages.h"

#include <deque>
#include <filesystem>

namespace zor {

namespace {

struct Protokoll {
    std::vector<GemeldeteMeldung> eintraege;
    std::deque<int> antworten;
    int signaltoene = 0;
};

Protokoll& protokoll() {
    static Protokoll p;
    return p;
}

class Aufzeichnung : public Meldungen {
public:
    int Zeigen(std::string_view text, int knoepfe, std::string_view titel) override {
        auto& p = protokoll();
        int antwort = vb::DefaultButtonAnswer(knoepfe);
        if (!p.antworten.empty()) {
            antwort = p.antworten.front();
            p.antworten.pop_front();
        }
        p.eintraege.push_back({std::string(text), knoepfe, std::string(titel), antwort});
        return antwort;
    }
    void Signalton() override { ++protokoll().signaltoene; }
};

Aufzeichnung aufzeichnung;
Meldungen* senke = &aufzeichnung;

} // namespace

Meldungen* MeldungenAnschliessen(Meldungen* neu) {
    Meldungen* alt = senke == &aufzeichnung ? nullptr : senke;
    senke = neu ? neu : &aufzeichnung;
    return alt;
}

int Melden(std::string_view text, int knoepfe, std::string_view titel) {
    return senke->Zeigen(text, knoepfe, titel);
}

void Signalton() {
    senke->Signalton();
}

namespace meldeprotokoll {

const std::vector<GemeldeteMeldung>& Eintraege() {
    return protokoll().eintraege;
}
int Signaltoene() {
    return protokoll().signaltoene;
}
void AntwortVormerken(int antwort) {
    protokoll().antworten.push_back(antwort);
}
void Zuruecksetzen() {
    protokoll() = Protokoll{};
}

} // namespace meldeprotokoll

std::string SchreibfehlerText(const vb::WriteError& e) {
    std::error_code ec;
    const std::filesystem::path absolut = std::filesystem::absolute(e.path(), ec);
    const std::filesystem::path p = ec ? std::filesystem::path(e.path()) : absolut;
    const std::string datei = p.filename().string();
    const std::string ordner = p.has_parent_path() ? p.parent_path().string() : std::string(".");
    if (e.diskFull())
        return "Der Datenträger ist voll: Im Ordner   " + ordner + "   ist kein Platz für die Datei \"" + datei +
               "\".";
    return "Die Datei \"" + datei + "\" im Ordner   " + ordner +
           "   konnte nicht geschrieben werden (Fehler des Datenträgers).";
}

} // namespace zor
