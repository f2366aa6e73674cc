#pragma once
// The outputs of a whole run kept as text in the tree, under tests/data/outputs/<example>/<run>/.
// After every pass (stage a "a", a load case and stage "1.2", a statics or verification pass "c1.2",
// "d1.2", a statics pass run again "c1.2-2", the end "ende") the test takes each file of the working
// folder whose content is new or changed. The file "ablauf" lists them in that order, one line each:
//   <pass> <file>               the file's content is kept as <pass>/<file>;
//   <pass> <file> +             the file grew by what is kept as <pass>/<file> (the report, the plot
//                               records and the other files that a run appends to, pass by pass);
//   <pass> <file> = <p>/<f>     the file's content is that of <f> taken after pass <p> (a copy).
// Every kept file holds its bytes as the run wrote them (Windows-1252, CR LF).
// A run is compared with them file by file and line by line. A failure names the kept file as
// <example>/<run>/<pass>/<file>, the line number in it and both lines ("now" and "expected", shown in
// UTF-8 with the line end taken off; where only blanks or the line end differ, they are spelt out), the
// first ten differing lines of each file and the count of the rest. The comparison is byte for byte. A
// test may allow numbers to differ by a stated amount (Vergleich::toleranz): a differing line then still
// holds when it has the same words and every word that differs is a number within the tolerance on both
// sides.
// With ZOR_OUTPUTS_WRITE set the folder is written anew instead and the test is skipped: only after the
// new texts have been read and found right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

namespace zortest {

struct Vergleich {
    double toleranz = 0.0;   // allowed difference of a number in a differing line; 0: byte for byte
    std::size_t zeigen = 10; // differing lines shown per file
};

// A line that differs: its number (from 1) and the bytes of both lines without the "\n" (std::nullopt
// where one side has no such line).
struct Unterschied {
    std::size_t zeile;
    std::optional<std::string> jetzt, erwartet;
};

namespace golden_detail {

inline std::vector<std::string_view> Zeilen(std::string_view s) {
    std::vector<std::string_view> z;
    std::size_t a = 0;
    for (std::size_t e; (e = s.find('\n', a)) != std::string_view::npos; a = e + 1)
        z.push_back(s.substr(a, e - a));
    z.push_back(s.substr(a)); // "" after a final line end
    return z;
}

inline std::vector<std::string_view> Woerter(std::string_view s) {
    std::vector<std::string_view> w;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r'))
            ++i;
        const std::size_t a = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r')
            ++i;
        if (i > a) w.push_back(s.substr(a, i - a));
    }
    return w;
}

// A word that is a whole number in the report's forms ("-12.50", "3,0", "1.5E-03"), else nothing.
inline std::optional<double> Zahl(std::string_view w) {
    std::string t(w);
    std::replace(t.begin(), t.end(), ',', '.');
    if (t.empty() || t.find_first_of("0123456789") == std::string::npos) return std::nullopt;
    if (t.find_first_not_of("0123456789+-.eE") != std::string::npos) return std::nullopt;
    std::size_t gelesen = 0;
    try {
        const double d = std::stod(t, &gelesen);
        if (gelesen == t.size()) return d;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

inline bool Gleich(std::string_view a, std::string_view b, double toleranz) {
    if (a == b) return true;
    if (toleranz <= 0.0) return false;
    const auto wa = Woerter(a), wb = Woerter(b);
    if (wa.size() != wb.size()) return false;
    for (std::size_t i = 0; i < wa.size(); ++i) {
        if (wa[i] == wb[i]) continue;
        const auto x = Zahl(wa[i]), y = Zahl(wb[i]);
        // (a hair above the tolerance, so that 1.50 and 1.49 are 0.01 apart as printed)
        if (!x || !y || !(std::fabs(*x - *y) <= toleranz * (1.0 + 1e-9))) return false;
    }
    return true;
}

inline std::string Escaped(std::string_view s) {
    std::string r;
    for (const unsigned char c : s) {
        if (c == '\r')
            r += "\\r";
        else if (c == '\t')
            r += "\\t";
        else if (c == ' ')
            r += "\\x20";
        else
            r += static_cast<char>(c);
    }
    return r;
}

// The two lines as a reader sees them: UTF-8 without the CR at the end, or with the blanks and line-end
// bytes spelt out where only they differ.
inline std::pair<std::string, std::string> Zeigen(const Unterschied& u) {
    auto lesbar = [](const std::optional<std::string>& z) {
        if (!z) return std::string("<no line>");
        std::string_view s = *z;
        if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
        return vb::FromCp1252(s);
    };
    std::string a = lesbar(u.jetzt), b = lesbar(u.erwartet);
    auto ohneBlanks = [](std::string z) {
        while (!z.empty() && z.back() == ' ')
            z.pop_back();
        return z;
    };
    if (u.jetzt && u.erwartet && ohneBlanks(a) == ohneBlanks(b)) {
        // Only trailing blanks or the line end differ: show every blank and control byte.
        a = Escaped(vb::FromCp1252(*u.jetzt));
        b = Escaped(vb::FromCp1252(*u.erwartet));
    }
    return {a, b};
}

inline std::string Lesen(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace golden_detail

// Every line that differs between a run's file and the one kept, in order. The last piece after the
// final "\n" counts as a line, so the result is empty exactly when the two are byte for byte equal (or,
// with a tolerance, equal but for numbers within it).
inline std::vector<Unterschied> Unterschiede(std::string_view jetzt, std::string_view erwartet,
                                             double toleranz = 0.0) {
    const auto a = golden_detail::Zeilen(jetzt), b = golden_detail::Zeilen(erwartet);
    std::vector<Unterschied> u;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i < a.size() && i < b.size() && golden_detail::Gleich(a[i], b[i], toleranz)) continue;
        Unterschied d{i + 1, std::nullopt, std::nullopt};
        if (i < a.size()) d.jetzt = std::string(a[i]);
        if (i < b.size()) d.erwartet = std::string(b[i]);
        u.push_back(std::move(d));
    }
    return u;
}

// The failure text for one file: its name, then for each shown line "line N", now and expected.
inline std::string Bericht(const std::string& datei, const std::vector<Unterschied>& u, std::size_t zeigen) {
    std::ostringstream s;
    s << datei << ": " << u.size() << " line(s) differ";
    for (std::size_t i = 0; i < u.size() && i < zeigen; ++i) {
        const auto [a, b] = golden_detail::Zeigen(u[i]);
        s << "\n" << datei << " line " << u[i].zeile << "\n  now:      " << a << "\n  expected: " << b;
    }
    if (u.size() > zeigen) s << "\n  ... and " << u.size() - zeigen << " more differing line(s)";
    return s.str();
}

// One line of "ablauf" with the bytes it keeps.
struct AblaufEintrag {
    std::string wann, name;
    char art = ' ';        // ' ' the whole file, '+' what was appended, '=' a copy of ziel
    std::string ziel = {}; // '=': "<pass>/<file>" of the entry copied
    std::string teil = {}; // ' ' and '+': the bytes kept as <pass>/<file>

    std::string Zeile() const {
        std::string z = wann + " " + name;
        if (art == '+') z += " +";
        if (art == '=') z += " = " + ziel;
        return z;
    }
    std::string Pfad() const { return wann + "/" + name; }
};

// The whole content of the file of entry i, built from the entries before it.
inline std::string VollerInhalt(const std::vector<AblaufEintrag>& e, std::size_t i) {
    std::vector<const std::string*> teile;
    for (;;) {
        const AblaufEintrag& x = e[i];
        if (x.art == '=') {
            std::size_t j = i;
            while (j > 0 && e[j - 1].Pfad() != x.ziel)
                --j;
            if (j == 0) break; // a copy of nothing before it: empty
            i = j - 1;
            continue;
        }
        teile.push_back(&x.teil);
        if (x.art != '+') break;
        std::size_t j = i;
        while (j > 0 && e[j - 1].name != x.name)
            --j;
        if (j == 0) break;
        i = j - 1;
    }
    std::string voll;
    for (auto t = teile.rbegin(); t != teile.rend(); ++t)
        voll += **t;
    return voll;
}

// The outputs of one run, taken pass by pass. Only the latest content of each file is held, besides
// the entries themselves, so that a large project's run stays small.
class Ausgaben {
public:
    // Takes the file name with the content it has after the pass wann, unless that is what it held
    // before. Each pass keeps a file under its own name: a pass that is run again (the statics of a
    // stage repeated) needs a name of its own, else it fails here.
    void Festhalten(const std::string& wann, const std::string& name, std::string inhalt) {
        auto alt = letzter_.find(name);
        if (alt != letzter_.end() && alt->second.inhalt == inhalt) return;
        AblaufEintrag e{wann, name};
        if (!pfade_.insert(e.Pfad()).second)
            ADD_FAILURE() << "the pass \"" << wann << "\" takes " << name
                          << " a second time: a repeated pass needs a name of its own";
        // A copy of the latest content of another file.
        for (const auto& [n, l] : letzter_)
            if (n != name && !inhalt.empty() && l.inhalt == inhalt) {
                e.art = '=';
                e.ziel = eintraege_[l.eintrag].Pfad();
                break;
            }
        if (e.art == ' ' && alt != letzter_.end() && !alt->second.inhalt.empty() &&
            inhalt.size() > alt->second.inhalt.size() &&
            inhalt.compare(0, alt->second.inhalt.size(), alt->second.inhalt) == 0) {
            e.art = '+';
            e.teil = inhalt.substr(alt->second.inhalt.size());
        } else if (e.art == ' ') {
            e.teil = inhalt;
        }
        letzter_[name] = {std::move(inhalt), eintraege_.size()};
        eintraege_.push_back(std::move(e));
    }
    const std::vector<AblaufEintrag>& Eintraege() const { return eintraege_; }

private:
    struct Letzter {
        std::string inhalt;
        std::size_t eintrag;
    };
    std::map<std::string, Letzter> letzter_;
    std::set<std::string> pfade_;
    std::vector<AblaufEintrag> eintraege_;
};

namespace golden_detail {

// The entries of a kept "ablauf" with the bytes of their files; a line it cannot read, or a file
// missing, is a failure.
inline std::vector<AblaufEintrag> KeptLesen(const std::filesystem::path& soll, const std::string& anzeige) {
    std::vector<AblaufEintrag> e;
    const std::string ablauf = Lesen(soll / "ablauf");
    std::size_t nr = 0;
    for (std::string_view z : Zeilen(ablauf)) {
        ++nr;
        if (z.empty()) continue;
        const auto w = Woerter(z);
        AblaufEintrag x;
        if (w.size() == 2 || (w.size() == 3 && w[2] == "+") || (w.size() == 4 && w[2] == "=")) {
            x.wann = w[0];
            x.name = w[1];
            if (w.size() == 3) x.art = '+';
            if (w.size() == 4) {
                x.art = '=';
                x.ziel = w[3];
            }
        } else {
            ADD_FAILURE() << anzeige << "/ablauf line " << nr << ": not a line of the list: " << z;
            continue;
        }
        if (x.art != '=') {
            const auto p = soll / x.wann / x.name;
            if (std::filesystem::is_regular_file(p))
                x.teil = Lesen(p);
            else
                ADD_FAILURE() << anzeige << "/" << x.Pfad() << ": listed in ablauf, but missing";
        }
        e.push_back(std::move(x));
    }
    return e;
}

} // namespace golden_detail

// Compares the outputs of a run with those kept in the folder soll (see above), or writes them there
// when ZOR_OUTPUTS_WRITE is set.
inline void AusgabenVergleichen(const std::filesystem::path& soll, const Ausgaben& ist,
                                const Vergleich& v = {}) {
    namespace fs = std::filesystem;
    const auto& lauf = ist.Eintraege();
    std::string ablauf;
    for (const AblaufEintrag& e : lauf)
        ablauf += e.Zeile() + "\n";
    const std::string anzeige = soll.parent_path().filename().string() + "/" + soll.filename().string();

    if (std::getenv("ZOR_OUTPUTS_WRITE")) {
        fs::remove_all(soll);
        fs::create_directories(soll);
        std::ofstream(soll / "ablauf", std::ios::binary) << ablauf;
        for (const AblaufEintrag& e : lauf) {
            if (e.art == '=') continue;
            fs::create_directories(soll / e.wann);
            std::ofstream(soll / e.wann / e.name, std::ios::binary) << e.teil;
        }
        GTEST_SKIP() << "written " << soll;
    }

    ASSERT_TRUE(fs::is_regular_file(soll / "ablauf")) << "no outputs kept in " << soll;
    const auto liste = Unterschiede(ablauf, golden_detail::Lesen(soll / "ablauf"));
    if (!liste.empty()) ADD_FAILURE() << Bericht(anzeige + "/ablauf", liste, v.zeigen);

    const auto kept = golden_detail::KeptLesen(soll, anzeige);
    std::map<std::string, std::size_t> keptNach;
    std::set<fs::path> gelistet{soll / "ablauf"};
    for (std::size_t k = 0; k < kept.size(); ++k) {
        keptNach[kept[k].Pfad()] = k;
        if (kept[k].art != '=') gelistet.insert(soll / kept[k].wann / kept[k].name);
    }
    std::set<std::string> geschrieben;
    for (std::size_t i = 0; i < lauf.size(); ++i) {
        const AblaufEintrag& e = lauf[i];
        const std::string datei = anzeige + "/" + e.Pfad();
        geschrieben.insert(e.Pfad());
        const auto k = keptNach.find(e.Pfad());
        if (k == keptNach.end()) {
            ADD_FAILURE() << datei << ": written by the run, not kept";
            continue;
        }
        const AblaufEintrag& x = kept[k->second];
        if (e.art == x.art && e.art != '=') {
            // The same form: the kept bytes themselves, with the line numbers of the kept file.
            const auto u = Unterschiede(e.teil, x.teil, v.toleranz);
            if (!u.empty())
                ADD_FAILURE() << Bericht(datei + (e.art == '+' ? " (the part this pass appended)" : ""), u,
                                         v.zeigen);
        } else if (e.art != '=' || x.art != '=' || e.ziel != x.ziel) {
            // Kept in another form: the whole contents.
            const auto u = Unterschiede(VollerInhalt(lauf, i), VollerInhalt(kept, k->second), v.toleranz);
            if (!u.empty()) ADD_FAILURE() << Bericht(datei + " (the whole file)", u, v.zeigen);
        }
    }
    for (const AblaufEintrag& x : kept)
        if (!geschrieben.count(x.Pfad()))
            ADD_FAILURE() << anzeige << "/" << x.Pfad() << ": kept, but not written by the run";
    for (const auto& e : fs::recursive_directory_iterator(soll))
        if (e.is_regular_file() && !gelistet.count(e.path()))
            ADD_FAILURE() << anzeige << "/" << fs::relative(e.path(), soll).generic_string()
                          << ": kept, but not listed in ablauf";
}

} // namespace zortest
