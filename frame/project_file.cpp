#include "frame/project_file.h"

// The statements of the file, their items and fields are listed once, in frame/project_file_table.h; the
// writer and the reader below walk that list.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "frame/file_routines.h"
#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file_table.h"
#include "frame/working_file_names.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

using zorm1::P;
using zorm1::ProjectData;

namespace zorm1 {

namespace {

// ------------------------------------------------------------------------------------------------ writing

// A single as the file holds it: the short form of Str where it reads back to the same value, else the
// shortest decimal form that does (so every value survives a save and a re-read unchanged). A value that is
// not a number is written as 0, so that the file stays readable. Both forms ignore the C library's locale.
std::string ZahlText(float v) {
    if (!std::isfinite(v)) return "0";
    std::string s = vb::StrPlain(v);
    if (vb::ValSingle(s) == v) return s;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    s.assign(buf, ec == std::errc() ? end : buf);
    for (char& c : s)
        if (c == 'e') c = 'E';
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return s;
}

// A text item in quotes. A double quote or a line break inside would break the file; they become an
// apostrophe and a blank.
std::string TextItem(const std::string& s) {
    std::string t = s;
    for (char& c : t) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    return "\"" + t + "\"";
}

// One statement line, built item by item.
class Zeile {
public:
    Zeile& operator<<(float v) { return add(ZahlText(v)); }
    Zeile& operator<<(int16_t v) { return add(std::to_string(v)); }
    Zeile& operator<<(const std::string& s) { return add(TextItem(s)); }
    const std::string& text() const { return s_; }

private:
    Zeile& add(const std::string& item) {
        if (!first_) s_ += ',';
        first_ = false;
        s_ += item;
        return *this;
    }
    std::string s_;
    bool first_ = true;
};

// Writes the table's items, one line per statement.
class Schreiber {
public:
    explicit Schreiber(int16_t fn) : fn_(fn) {}

    template <class F> void Satz(int, F&& items) {
        zeile_ = Zeile();
        items();
        vb::Print(fn_, zeile_.text());
    }
    void Wert(int16_t& v) { zeile_ << v; }
    void Wert(float& v) { zeile_ << v; }
    void Wert(std::string& v) { zeile_ << v; }
    // The count written is the loop bound, so that the file never holds more entries than a reader takes.
    void Anzahl(int16_t& n, int max) { zeile_ << Bis(n, max); }
    template <class T> void Leer(T v) { zeile_ << v; }
    void Seite(int16_t& nr, std::string&) { zeile_ << nr; }
    bool Ende() { return false; }
    template <class F> void BeimSchreiben(F&& f) { f(); }
    template <class F> void NachDemLesen(F&&) {}
    // The header texts written are those of "zorH504.txt" where it exists.
    Anzeigen::Heft504Texte& Kopftexte() {
        Anzeigen::H504DateiLesen();
        return Anzeigen::H504.Dialog;
    }

private:
    int16_t fn_;
    Zeile zeile_;
};

// Reads the table's items; the file's line breaks separate items as its commas do.
class Leser {
public:
    explicit Leser(int16_t fn) : fn_(fn) {}

    template <class F> void Satz(int, F&& items) { items(); }
    void Wert(int16_t& v) { vb::InputItem(fn_, v); }
    void Wert(float& v) { vb::InputItem(fn_, v); }
    void Wert(std::string& v) { vb::InputItem(fn_, v); }
    // A count read from the file must fit the arrays it fills.
    void Anzahl(int16_t& n, int max) {
        vb::InputItem(fn_, n);
        if (n < 0 || n > max) throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
    }
    template <class T> void Leer(T) {
        T verworfen{};
        vb::InputItem(fn_, verworfen);
    }
    void Seite(int16_t&, std::string& text) { vb::InputItem(fn_, text); }
    bool Ende() { return vb::Eof(fn_); }
    template <class F> void BeimSchreiben(F&&) {}
    template <class F> void NachDemLesen(F&& f) { f(); }
    Anzeigen::Heft504Texte& Kopftexte() {
        kopftexteGelesen_ = true; // statements 50..61 follow without a point where the file may end
        return Anzeigen::Heft504();
    }
    bool KopftexteGelesen() const { return kopftexteGelesen_; }

private:
    int16_t fn_;
    bool kopftexteGelesen_ = false;
};

// ------------------------------------------------------------------------------------------------ saving

void NichtGespeichert(const std::string& text) {
    zor::Melden(text, vb::vbOKOnly | vb::vbExclamation, "Speichern nicht möglich");
}

bool Schreiben(const std::string& dateiName, bool arbeitskopie) {
    std::optional<ProjektSperre> sperre;
    if (!arbeitskopie) {
        if (const auto grund = ProjektNameFehler(dateiName)) {
            NichtGespeichert(ProjektNameMeldung(dateiName, *grund));
            return false;
        }
        sperre.emplace(dateiName);
        if (sperre->belegt()) {
            NichtGespeichert(ProjektBelegtMeldung(dateiName));
            return false;
        }
    }
    try {
        const auto schreiben = arbeitskopie ? vb::ReplaceWorkingFile : vb::SaveReplacing;
        schreiben(dateiName, [](const std::string& temp) {
            vb::FileGuard d(temp, vb::OpenMode::Output);
            Schreiber schreiber(d.nr());
            Projektdatei(schreiber, P);
            d.Close();
        });
    } catch (const vb::ReadOnlyFile&) {
        NichtGespeichert("Die Datei   " + dateiName +
                         "   ist schreibgeschützt und wird nicht überschrieben.\r\rBitte den Schreibschutz "
                         "aufheben oder die Eingabe unter einem anderen Namen speichern.");
        return false;
    } catch (const vb::WriteError& e) {
        NichtGespeichert("Die Datei   " + dateiName + "   konnte nicht gespeichert werden:\r\r" +
                         zor::SchreibfehlerText(e) + "\r\rDie bisherige Datei bleibt unverändert.");
        return false;
    } catch (const std::exception& e) {
        const auto* rt = dynamic_cast<const vb::RuntimeError*>(&e);
        const std::string fehler = rt ? " (Fehler " + std::to_string(rt->number()) + ")" : "";
        zor::Melden("Die Datei   " + dateiName + "   konnte nicht gespeichert werden" + fehler +
                        " !\r\rDie bisherige Datei bleibt unverändert.",
                    vb::vbOKOnly | vb::vbExclamation, "Speichern nicht möglich");
        return false;
    } catch (...) {
        zor::Melden("Die Datei   " + dateiName +
                        "   konnte nicht gespeichert werden !\r\rDie bisherige Datei bleibt unverändert.",
                    vb::vbOKOnly | vb::vbExclamation, "Speichern nicht möglich");
        return false;
    }
    return true;
}
} // namespace

std::optional<std::string> ProjektNameFehler(const std::string& dateiName) {
    namespace fs = std::filesystem;
    std::string ganz = vb::Trim(dateiName);
    std::string name = vb::CleanName(Anzeigen::NurDateiName(ganz));
    if (name.empty()) return std::nullopt;
    // The report copy beside the project file.
    std::string ohne = name;
    const std::string kopie = Anzeigen::OhneErweiterung(ohne) + ".AUS";
    if (vb::SameName(kopie, name))
        return "Der Bericht jedes Rechenlaufs wird als \"" + kopie +
               "\" neben die Projektdatei kopiert und würde sie überschreiben.";
    // The working folder's files.
    std::error_code ec;
    std::string pfad = ganz;
    const std::string ordner = Anzeigen::NurPfad(pfad);
    const fs::path hier = fs::current_path(ec);
    if (ec || !fs::equivalent(ordner.empty() ? fs::path(".") : vb::Resolve(ordner), hier, ec) || ec)
        return std::nullopt;
    std::vector<std::string> namen = LaufdateiNamen();
    namen.insert(namen.end(), {Anzeigen::kH504Datei, vb::OrdnerSperre::kSperrDatei});
    for (const std::string& n : namen)
        if (vb::MatchPattern(n, name)) {
            std::string gezeigt = n;
            while (!gezeigt.empty() && gezeigt.back() == '.')
                gezeigt.pop_back();
            return "Jeder Rechenlauf schreibt im Arbeitsordner " + hier.string() + " die Datei \"" + gezeigt +
                   "\"; sie würde die Projektdatei überschreiben.";
        }
    return std::nullopt;
}

std::string ProjektNameMeldung(const std::string& dateiName, const std::string& grund) {
    return "Die Datei   " + dateiName + "   kann nicht als Projektdatei dienen:\r\r" + grund +
           "\r\rBitte einen anderen Namen wählen.";
}

std::string ProjektBelegtMeldung(const std::string& dateiName) {
    return "Die Datei   " + dateiName +
           "   wird gerade von einem anderen Programm bearbeitet\r(einem ZOR mit einem anderen "
           "Arbeitsordner).\r\rBitte warten, bis es fertig ist, oder die Eingabe unter einem anderen Namen "
           "speichern.";
}

bool EingabeSchreiben(const std::string& dateiName) {
    return Schreiben(dateiName, false);
}

bool ArbeitskopieSchreiben(const std::string& dateiName) {
    return Schreiben(dateiName, true);
}

bool EingabeLesen(const std::string& dateiName) {
    // Everything the reader may change, so that a failed read leaves no mixture of two projects.
    const ProjectData vorher = P;
    const Anzeigen::Heft504Daten h504Vorher = Anzeigen::H504;

    bool ok = false;
    bool h504Gelesen = false;
    try {
        vb::FileGuard d(dateiName, vb::OpenMode::Input);
        Leser leser(d.nr());
        Projektdatei(leser, P);
        d.Close();
        h504Gelesen = leser.KopftexteGelesen();
        ok = true;
    } catch (...) {
        ok = false;
    }

    if (ok) {
        P.DatenGelesen = -1;
        // The project's header texts become the current ones.
        if (h504Gelesen) Anzeigen::H504DateiSchreiben();
        return true;
    }

    P = vorher;
    Anzeigen::H504 = h504Vorher;
    zor::Signalton();
    zor::Melden("Die Datei   " + dateiName + "   ist keine Eingabe-Datei für  Z O R  !\r\r", vb::vbOKOnly,
                "Falsche Datei");
    return false;
}

} // namespace zorm1
